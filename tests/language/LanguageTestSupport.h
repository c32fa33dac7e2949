#pragma once
// Fixtures of the language tests, shared with the layers above.
#include "../support/TempDir.h"

#include <string>
#include <string_view>

namespace zentyra::test {

// The bytes of a UTF-16 file of `text`, with its byte-order mark.
inline std::string Utf16File(std::u16string_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char low = static_cast<char>(unit & 0xFF);
        const char high = static_cast<char>(unit >> 8);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

} // namespace zentyra::test
