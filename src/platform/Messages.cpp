#include "platform/Messages.h"

#include "platform/Text.h"

#include <cstdio>

namespace zentyra {

namespace {

constexpr std::size_t kDebugMessageUnits = 519;

MessageSink* currentSink = nullptr;

StderrMessageSink& DefaultSink() {
    static StderrMessageSink sink;
    return sink;
}

} // namespace

void StderrMessageSink::show(MessageKind /*kind*/, std::string_view /*title*/,
                             std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

void RecordingMessageSink::show(MessageKind kind, std::string_view title, std::string_view text) {
    messages.push_back({kind, std::string(title), std::string(text)});
}

void SetMessageSink(MessageSink* sink) {
    currentSink = sink;
}

MessageSink& CurrentMessageSink() {
    return currentSink != nullptr ? *currentSink : DefaultSink();
}

ScopedMessageSink::ScopedMessageSink(MessageSink& sink) : previous_(currentSink) {
    currentSink = &sink;
}

ScopedMessageSink::~ScopedMessageSink() {
    currentSink = previous_;
}

void DebugMsg(std::string_view text) {
    CurrentMessageSink().show(MessageKind::Debug, "Debug Msg",
                              TruncateToUtf16Units(text, kDebugMessageUnits));
}

void ReportError(std::string_view text) {
    CurrentMessageSink().show(MessageKind::Error, "Zentyra", text);
}

void ShowWarning(std::string_view text) {
    CurrentMessageSink().show(MessageKind::Warning, "Warning", text);
}

} // namespace zentyra
