#include "app/JsonWriter.h"

#include "platform/Text.h"

#include <cstdio>

namespace zentyra {

std::string JsonWriter::Escape(std::string_view text) {
    // A dump must stay valid JSON whatever bytes a damaged project held.
    if (!IsValidUtf8(text)) return Escape(Utf16ToUtf8(Utf8ToUtf16(text)));
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned char>(c));
                out += buffer;
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
}

void JsonWriter::newline() {
    out_ += '\n';
    out_.append(levels_.size() * 2, ' ');
}

void JsonWriter::beforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (levels_.empty()) return;
    Level& level = levels_.back();
    if (!level.empty) out_ += ',';
    level.empty = false;
    newline();
}

void JsonWriter::key(std::string_view name) {
    beforeValue();
    out_ += Escape(name);
    out_ += ": ";
    afterKey_ = true;
}

void JsonWriter::beginObject() {
    beforeValue();
    out_ += '{';
    levels_.push_back({true});
}

void JsonWriter::beginArray() {
    beforeValue();
    out_ += '[';
    levels_.push_back({false});
}

void JsonWriter::endObject() {
    bool wasEmpty = levels_.back().empty;
    levels_.pop_back();
    if (!wasEmpty) newline();
    out_ += '}';
    if (levels_.empty()) out_ += '\n';
}

void JsonWriter::endArray() {
    bool wasEmpty = levels_.back().empty;
    levels_.pop_back();
    if (!wasEmpty) newline();
    out_ += ']';
    if (levels_.empty()) out_ += '\n';
}

void JsonWriter::value(std::string_view text) {
    beforeValue();
    out_ += Escape(text);
}

void JsonWriter::value(std::int64_t number) {
    beforeValue();
    out_ += std::to_string(number);
}

void JsonWriter::value(bool flag) {
    beforeValue();
    out_ += flag ? "true" : "false";
}

void JsonWriter::null() {
    beforeValue();
    out_ += "null";
}

} // namespace zentyra
