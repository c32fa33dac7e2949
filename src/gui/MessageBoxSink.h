#pragma once
// Messages of the desktop program: each one a modal box over the active window ("Debug Msg",
// "Zentyra" or "Warning" with an OK button), and a copy on standard error, where a debugger's
// output went.
#include "platform/Messages.h"

class MessageBoxSink final : public zentyra::MessageSink {
public:
    void show(zentyra::MessageKind kind, std::string_view title, std::string_view text) override;
};
