#include "platform/CodePage.h"

#include "platform/Text.h"

#include <array>
#include <cerrno>
#include <iconv.h>
#include <map>
#include <string>

namespace zentyra {

namespace {

int ansiCodePage = kCodePage1252;

// 0x80..0x9F of Windows-1252; 0 marks the five bytes the code page leaves undefined. The
// rest of the code page is Latin-1.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

constexpr char16_t kReplacement = 0xFFFD;

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::u16string wide;
    wide.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b <= 0x9F) {
            const char16_t mapped = kCp1252High[b - 0x80];
            wide += mapped != 0 ? mapped : kReplacement;
        } else {
            wide += static_cast<char16_t>(b);
        }
    }
    return Utf16ToUtf8(wide);
}

std::string Utf8ToCp1252(std::string_view utf8) {
    const std::u16string wide = Utf8ToUtf16(utf8);
    std::string out;
    out.reserve(wide.size());
    for (std::size_t i = 0; i < wide.size(); ++i) {
        const char16_t unit = wide[i];
        if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
            out += static_cast<char>(unit);
            continue;
        }
        char replacement = '?';
        for (std::size_t k = 0; k < kCp1252High.size(); ++k) {
            if (kCp1252High[k] != 0 && kCp1252High[k] == unit) {
                replacement = static_cast<char>(0x80 + k);
                break;
            }
        }
        out += replacement;
        // A character outside the BMP is one '?', not two.
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 &&
            wide[i + 1] <= 0xDFFF) {
            ++i;
        }
    }
    return out;
}

std::string Utf16ToUtf8Bytes(std::string_view bytes, bool bigEndian) {
    std::u16string wide;
    wide.reserve(bytes.size() / 2 + 1);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        wide += static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    }
    if (bytes.size() % 2 != 0) wide += kReplacement; // a dangling half unit
    return Utf16ToUtf8(wide);
}

std::string Utf8ToUtf16Bytes(std::string_view utf8, bool bigEndian) {
    const std::u16string wide = Utf8ToUtf16(utf8);
    std::string out;
    out.reserve(wide.size() * 2);
    for (const char16_t unit : wide) {
        const auto high = static_cast<char>(unit >> 8);
        const auto low = static_cast<char>(unit & 0xFF);
        out += bigEndian ? high : low;
        out += bigEndian ? low : high;
    }
    return out;
}

// iconv descriptors for the other code pages, opened once per thread and direction.
class IconvCache {
public:
    IconvCache() = default;
    IconvCache(const IconvCache&) = delete;
    IconvCache& operator=(const IconvCache&) = delete;
    ~IconvCache() {
        for (auto& [key, cd] : descriptors_) {
            if (cd != invalid()) iconv_close(cd);
        }
    }

    // The descriptor from the code page to UTF-32LE (toUnicode) or back; invalid() when
    // iconv does not know the code page.
    iconv_t get(int codePage, bool toUnicode) {
        const auto key = std::make_pair(codePage, toUnicode);
        const auto found = descriptors_.find(key);
        if (found != descriptors_.end()) return found->second;
        iconv_t cd = invalid();
        for (const char* prefix : {"CP", "WINDOWS-"}) {
            const std::string name = prefix + std::to_string(codePage);
            cd = toUnicode ? iconv_open("UTF-32LE", name.c_str())
                           : iconv_open(name.c_str(), "UTF-32LE");
            if (cd != invalid()) break;
        }
        descriptors_.emplace(key, cd);
        return cd;
    }

    static iconv_t invalid() { return reinterpret_cast<iconv_t>(-1); }

private:
    std::map<std::pair<int, bool>, iconv_t> descriptors_;
};

IconvCache& Cache() {
    thread_local IconvCache cache;
    return cache;
}

char32_t ReadUtf32LE(const char* p) {
    const auto b = [&](int i) { return static_cast<char32_t>(static_cast<unsigned char>(p[i])); };
    return b(0) | (b(1) << 8) | (b(2) << 16) | (b(3) << 24);
}

// Converts with iconv, turning every byte it cannot convert into U+FFFD and carrying on.
std::string IconvToUtf8(iconv_t cd, std::string_view bytes) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::u16string wide;
    wide.reserve(bytes.size());
    std::string input(bytes);
    char* in = input.data();
    std::size_t inLeft = input.size();
    std::array<char, 1024> buffer{};
    while (inLeft > 0) {
        char* out = buffer.data();
        std::size_t outLeft = buffer.size();
        const std::size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
        const int error = result == static_cast<std::size_t>(-1) ? errno : 0;
        for (const char* p = buffer.data(); p + 4 <= out; p += 4) {
            const char32_t cp = ReadUtf32LE(p);
            AppendUtf16(wide, cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF) ? cp : kReplacement);
        }
        if (error == E2BIG) continue;
        if (error != 0) {
            // EILSEQ or an incomplete sequence at the end: drop one byte and go on.
            wide += kReplacement;
            ++in;
            --inLeft;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    return Utf16ToUtf8(wide);
}

std::string IconvFromUtf8(iconv_t cd, std::string_view utf8) {
    const std::u16string wide = Utf8ToUtf16(utf8);
    std::string out;
    out.reserve(wide.size());
    std::array<char, 16> buffer{};
    // Character by character, so that one character the code page lacks costs one '?'.
    for (std::size_t i = 0; i < wide.size(); ++i) {
        char32_t cp = wide[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 &&
            wide[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (wide[i + 1] - 0xDC00);
            ++i;
        }
        std::array<char, 4> unit = {static_cast<char>(cp & 0xFF), static_cast<char>(cp >> 8 & 0xFF),
                                    static_cast<char>(cp >> 16 & 0xFF),
                                    static_cast<char>(cp >> 24 & 0xFF)};
        char* in = unit.data();
        std::size_t inLeft = unit.size();
        char* o = buffer.data();
        std::size_t outLeft = buffer.size();
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd, &in, &inLeft, &o, &outLeft) == static_cast<std::size_t>(-1)) {
            out += '?';
            continue;
        }
        // Flush any shift state of stateful encodings.
        iconv(cd, nullptr, nullptr, &o, &outLeft);
        out.append(buffer.data(), static_cast<std::size_t>(o - buffer.data()));
    }
    return out;
}

int Effective(int codePage) {
    return codePage == kCodePageAnsi ? ansiCodePage : codePage;
}

} // namespace

void SetAnsiCodePage(int codePage) {
    ansiCodePage = codePage == kCodePageAnsi ? kCodePage1252 : codePage;
}

int AnsiCodePage() {
    return ansiCodePage;
}

std::string ToUtf8(std::string_view bytes, int codePage) {
    switch (const int cp = Effective(codePage)) {
    case kCodePage1252:
        return Cp1252ToUtf8(bytes);
    case kCodePageUtf8:
        return Utf16ToUtf8(Utf8ToUtf16(bytes));
    case kCodePageUtf16LE:
        return Utf16ToUtf8Bytes(bytes, false);
    case kCodePageUtf16BE:
        return Utf16ToUtf8Bytes(bytes, true);
    default: {
        const iconv_t cd = Cache().get(cp, true);
        if (cd == IconvCache::invalid()) return Cp1252ToUtf8(bytes);
        return IconvToUtf8(cd, bytes);
    }
    }
}

std::string FromUtf8(std::string_view utf8, int codePage) {
    switch (const int cp = Effective(codePage)) {
    case kCodePage1252:
        return Utf8ToCp1252(utf8);
    case kCodePageUtf8:
        return Utf16ToUtf8(Utf8ToUtf16(utf8));
    case kCodePageUtf16LE:
        return Utf8ToUtf16Bytes(utf8, false);
    case kCodePageUtf16BE:
        return Utf8ToUtf16Bytes(utf8, true);
    default: {
        const iconv_t cd = Cache().get(cp, false);
        if (cd == IconvCache::invalid()) return Utf8ToCp1252(utf8);
        return IconvFromUtf8(cd, utf8);
    }
    }
}

} // namespace zentyra
