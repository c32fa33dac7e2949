#pragma once
// The message sink through which every layer reports problems. The desktop program shows
// message boxes; the command line writes to standard error; tests record.
#include <string>
#include <string_view>
#include <vector>

namespace zentyra {

enum class MessageKind { Debug, Error, Warning };

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // title is "Debug Msg" for debug messages, "Zentyra" for errors, "Warning" for warnings.
    virtual void show(MessageKind kind, std::string_view title, std::string_view text) = 0;
};

class StderrMessageSink final : public MessageSink {
public:
    void show(MessageKind kind, std::string_view title, std::string_view text) override;
};

class RecordingMessageSink final : public MessageSink {
public:
    struct Message {
        MessageKind kind;
        std::string title;
        std::string text;
    };
    void show(MessageKind kind, std::string_view title, std::string_view text) override;
    std::vector<Message> messages;
};

// The current sink (not owned); null restores the standard-error sink.
void SetMessageSink(MessageSink* sink);
MessageSink& CurrentMessageSink();

// Installs a sink for the lifetime of the guard and restores the previous one after.
class ScopedMessageSink {
public:
    explicit ScopedMessageSink(MessageSink& sink);
    ~ScopedMessageSink();
    ScopedMessageSink(const ScopedMessageSink&) = delete;
    ScopedMessageSink& operator=(const ScopedMessageSink&) = delete;

private:
    MessageSink* previous_;
};

// Diagnostics the user should see; the text is cut to 519 UTF-16 units, as the fixed
// 520-unit buffer it was formatted into held.
void DebugMsg(std::string_view text);
// User-facing failures, any length.
void ReportError(std::string_view text);
// A warning titled "Warning" (the refused second start).
void ShowWarning(std::string_view text);

} // namespace zentyra
