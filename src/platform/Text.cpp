#include "platform/Text.h"

#include <charconv>

#include <cstdint>

namespace zentyra {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one code point at `pos` and advances it; malformed input yields U+FFFD and
// consumes the longest invalid prefix (at least one byte), so decoding always progresses.
char32_t DecodeUtf8(std::string_view s, std::size_t& pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    std::size_t length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        cp = lead & 0x1F;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        cp = lead & 0x0F;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        cp = lead & 0x07;
        minimum = 0x10000;
    } else {
        ++pos;
        return kReplacement;
    }
    std::size_t i = 1;
    for (; i < length; ++i) {
        if (pos + i >= s.size() || (byte(pos + i) & 0xC0) != 0x80) break;
        cp = (cp << 6) | (byte(pos + i) & 0x3F);
        // Reject overlong forms, surrogates and values above U+10FFFF as early as the
        // second byte allows, so the bad prefix is as short as possible.
        if (i == 1) {
            const unsigned char second = byte(pos + 1);
            if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
                (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F)) {
                break;
            }
        }
    }
    if (i < length) {
        pos += i;
        return kReplacement;
    }
    pos += length;
    if (cp < minimum) return kReplacement;
    return cp;
}

} // namespace

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

void AppendUtf16(std::u16string& out, char32_t cp) {
    if (cp >= 0x10000) {
        const char32_t v = cp - 0x10000;
        out += static_cast<char16_t>(0xD800 + (v >> 10));
        out += static_cast<char16_t>(0xDC00 + (v & 0x3FF));
    } else {
        out += static_cast<char16_t>(cp);
    }
}

namespace {

std::size_t UnitsOf(char32_t cp) {
    return cp >= 0x10000 ? 2 : 1;
}

char32_t LowerLatin1(char32_t cp) {
    if (cp >= 'A' && cp <= 'Z') return cp + 0x20;
    // Latin-1 capitals À..Þ except the multiplication sign.
    if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) return cp + 0x20;
    return cp;
}

} // namespace

std::u16string Utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        AppendUtf16(out, DecodeUtf8(utf8, pos));
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        const char16_t unit = utf16[i];
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            if (i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF) {
                const char32_t cp = 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) +
                                    (static_cast<char32_t>(utf16[i + 1]) - 0xDC00);
                AppendUtf8(out, cp);
                ++i;
            } else {
                AppendUtf8(out, kReplacement);
            }
        } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
            AppendUtf8(out, kReplacement);
        } else {
            AppendUtf8(out, unit);
        }
    }
    return out;
}

bool IsValidUtf8(std::string_view bytes) {
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t start = pos;
        const char32_t cp = DecodeUtf8(bytes, pos);
        // A genuine U+FFFD in the text is three bytes EF BF BD; anything else was an error.
        if (cp == kReplacement && !(pos - start == 3 && bytes.substr(start, 3) == "\xEF\xBF\xBD")) {
            return false;
        }
    }
    return true;
}

std::size_t Utf16Length(std::string_view utf8) {
    std::size_t units = 0;
    std::size_t pos = 0;
    while (pos < utf8.size())
        units += UnitsOf(DecodeUtf8(utf8, pos));
    return units;
}

std::string TruncateToUtf16Units(std::string_view utf8, std::size_t maxUnits) {
    std::size_t units = 0;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        std::size_t next = pos;
        const std::size_t need = UnitsOf(DecodeUtf8(utf8, next));
        if (units + need > maxUnits) break;
        units += need;
        pos = next;
    }
    return std::string(utf8.substr(0, pos));
}

std::string ToLower(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t start = pos;
        const char32_t cp = DecodeUtf8(utf8, pos);
        const char32_t lower = LowerLatin1(cp);
        if (lower == cp) {
            out.append(utf8.substr(start, pos - start)); // keeps even invalid bytes as found
        } else {
            AppendUtf8(out, lower);
        }
    }
    return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    std::size_t pa = 0;
    std::size_t pb = 0;
    while (pa < a.size() && pb < b.size()) {
        const std::size_t startA = pa;
        const std::size_t startB = pb;
        const char32_t ca = DecodeUtf8(a, pa);
        const char32_t cb = DecodeUtf8(b, pb);
        if (LowerLatin1(ca) != LowerLatin1(cb)) return false;
        // Two different invalid bytes both decode as U+FFFD; they are still different.
        if (ca == kReplacement && a.substr(startA, pa - startA) != b.substr(startB, pb - startB)) {
            return false;
        }
    }
    return pa == a.size() && pb == b.size();
}

std::optional<int> ParseWholeNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    int value = 0;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data(), last, value);
    if (error != std::errc() || end != last) return std::nullopt;
    return value;
}

} // namespace zentyra
