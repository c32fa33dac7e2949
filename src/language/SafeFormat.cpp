#include "language/SafeFormat.h"

#include "platform/Text.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <vector>

namespace zentyra {

namespace {

// One conversion of a format, as far as it parsed.
struct ConversionSpec {
    bool leftAlign = false;
    bool plus = false;
    bool space = false;
    bool alternate = false;
    bool zeroPad = false;
    int width = -1;
    int precision = -1;
    int lengthBits = 0; // 0: int, otherwise the width a length modifier names
    char conversion = 0;
    std::size_t end = 0; // position after the conversion letter
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int ReadBoundedNumber(std::string_view format, std::size_t& at) {
    long long value = 0;
    while (at < format.size() && IsDigit(format[at])) {
        value = std::min<long long>(value * 10 + (format[at] - '0'), INT_MAX);
        ++at;
    }
    return static_cast<int>(std::min<long long>(value, kSafeFormatMaxWidth));
}

// Parses the conversion whose '%' is at `start`; false for anything that is not one we
// substitute ('*' widths, unknown letters, the end of the format).
bool ParseSpec(std::string_view format, std::size_t start, ConversionSpec& spec) {
    std::size_t at = start + 1;
    for (; at < format.size(); ++at) {
        const char c = format[at];
        if (c == '-')
            spec.leftAlign = true;
        else if (c == '+')
            spec.plus = true;
        else if (c == ' ')
            spec.space = true;
        else if (c == '#')
            spec.alternate = true;
        else if (c == '0')
            spec.zeroPad = true;
        else
            break;
    }
    if (at < format.size() && IsDigit(format[at])) spec.width = ReadBoundedNumber(format, at);
    if (at < format.size() && format[at] == '.') {
        ++at;
        spec.precision = ReadBoundedNumber(format, at);
    }
    const auto startsWith = [&](std::string_view text) {
        return format.substr(at).starts_with(text);
    };
    if (startsWith("I64")) {
        spec.lengthBits = 64;
        at += 3;
    } else if (startsWith("hh")) {
        spec.lengthBits = 8;
        at += 2;
    } else if (startsWith("ll")) {
        spec.lengthBits = 64;
        at += 2;
    } else if (at < format.size()) {
        switch (format[at]) {
        case 'h':
            spec.lengthBits = 16;
            ++at;
            break;
        case 'l':
        case 'L':
        case 'q':
        case 'j':
        case 'z':
        case 't':
            spec.lengthBits = 64;
            ++at;
            break;
        case 'w': // wide characters and strings: our texts are UTF-8 either way
            ++at;
            break;
        default:
            break;
        }
    }
    if (at >= format.size()) return false;
    spec.conversion = format[at];
    spec.end = at + 1;
    return true;
}

FormatArg::Kind KindOf(char conversion, bool& known) {
    known = true;
    switch (conversion) {
    case 'd':
    case 'i':
    case 'u':
    case 'x':
    case 'X':
    case 'o':
    case 'c':
        return FormatArg::Kind::Integer;
    case 'f':
    case 'F':
    case 'e':
    case 'E':
    case 'g':
    case 'G':
    case 'a':
    case 'A':
        return FormatArg::Kind::Real;
    case 's':
    case 'S':
        return FormatArg::Kind::Text;
    default:
        known = false;
        return FormatArg::Kind::Text;
    }
}

// A spec for snprintf made of the parsed parts only, with the flags each conversion allows.
std::string RebuiltSpec(const ConversionSpec& spec, bool signedConversion, const char* length,
                        char conversion) {
    std::string out = "%";
    if (spec.leftAlign) out += '-';
    if (signedConversion && spec.plus) out += '+';
    if (signedConversion && spec.space) out += ' ';
    if (spec.alternate && conversion != 'd' && conversion != 'i' && conversion != 'u') out += '#';
    if (spec.zeroPad) out += '0';
    if (spec.width >= 0) out += std::to_string(spec.width);
    if (spec.precision >= 0) out += '.' + std::to_string(spec.precision);
    out += length;
    out += conversion;
    return out;
}

template <typename T> void AppendFormatted(std::string& out, const std::string& spec, T value) {
    // The width and precision are bounded, so the first attempt nearly always fits.
    char small[256];
    const int length = std::snprintf(small, sizeof small, spec.c_str(), value);
    if (length < 0) return;
    if (static_cast<std::size_t>(length) < sizeof small) {
        out.append(small, static_cast<std::size_t>(length));
        return;
    }
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    std::snprintf(buffer.data(), buffer.size(), spec.c_str(), value);
    out.append(buffer.data(), static_cast<std::size_t>(length));
}

// Pads to the width, counted in UTF-16 units as the suite's texts are measured.
void AppendPadded(std::string& out, std::string_view text, const ConversionSpec& spec) {
    const std::size_t units = Utf16Length(text);
    const std::size_t width = spec.width > 0 ? static_cast<std::size_t>(spec.width) : 0;
    const std::size_t padding = width > units ? width - units : 0;
    if (!spec.leftAlign) out.append(padding, ' ');
    out += text;
    if (spec.leftAlign) out.append(padding, ' ');
}

// A %c or %lc argument as UTF-8; values that are no code point print as U+FFFD.
void AppendCharacter(std::string& out, unsigned long long value) {
    if (value == 0) return; // a NUL character ends nothing in our strings; leave it out
    const bool valid = value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF);
    AppendUtf8(out, static_cast<char32_t>(valid ? value : 0xFFFD));
}

// The unsigned value a negative integer shows as in the width its length modifier names.
unsigned long long AsUnsigned(const FormatArg& arg, int lengthBits) {
    if (arg.isUnsigned() || arg.integer() >= 0) return arg.unsignedInteger();
    const int bits = lengthBits == 0 ? 32 : lengthBits;
    const unsigned long long raw = static_cast<unsigned long long>(arg.integer());
    return bits >= 64 ? raw : raw & ((1ULL << bits) - 1);
}

void AppendInteger(std::string& out, const ConversionSpec& spec, const FormatArg& arg) {
    const char conversion = spec.conversion;
    if (conversion == 'c') {
        std::string character;
        AppendCharacter(character, arg.isUnsigned() ? arg.unsignedInteger()
                                                    : static_cast<unsigned long long>(
                                                          std::max(arg.integer(), 0LL)));
        AppendPadded(out, character, spec);
        return;
    }
    const bool signedConversion = conversion == 'd' || conversion == 'i';
    if (signedConversion && !arg.isUnsigned()) {
        AppendFormatted(out, RebuiltSpec(spec, true, "ll", conversion), arg.integer());
    } else if (signedConversion) {
        AppendFormatted(out, RebuiltSpec(spec, false, "ll", 'u'), arg.unsignedInteger());
    } else {
        AppendFormatted(out, RebuiltSpec(spec, false, "ll", conversion),
                        AsUnsigned(arg, spec.lengthBits));
    }
}

void AppendText(std::string& out, const ConversionSpec& spec, std::string_view text) {
    if (spec.precision >= 0) {
        const std::string cut =
            TruncateToUtf16Units(text, static_cast<std::size_t>(spec.precision));
        AppendPadded(out, cut, spec);
    } else {
        AppendPadded(out, text, spec);
    }
}

} // namespace

std::string SafeFormat(std::string_view format, std::initializer_list<FormatArg> args) {
    std::string out;
    out.reserve(format.size());
    const FormatArg* next = args.begin();
    std::size_t at = 0;
    while (at < format.size()) {
        const std::size_t percent = format.find('%', at);
        if (percent == std::string_view::npos) {
            out += format.substr(at);
            break;
        }
        out += format.substr(at, percent - at);
        if (percent + 1 < format.size() && format[percent + 1] == '%') {
            out += '%';
            at = percent + 2;
            continue;
        }
        ConversionSpec spec;
        bool known = false;
        const bool parsed = ParseSpec(format, percent, spec);
        const FormatArg::Kind kind =
            parsed ? KindOf(spec.conversion, known) : FormatArg::Kind::Text;
        if (!parsed || !known || next == args.end() || next->kind() != kind) {
            // Not a conversion we fill: the '%' stands as written, and so does the rest.
            out += '%';
            at = percent + 1;
            continue;
        }
        switch (kind) {
        case FormatArg::Kind::Integer:
            AppendInteger(out, spec, *next);
            break;
        case FormatArg::Kind::Real:
            AppendFormatted(out, RebuiltSpec(spec, true, "", spec.conversion), next->real());
            break;
        case FormatArg::Kind::Text:
            AppendText(out, spec, next->text());
            break;
        }
        ++next;
        at = spec.end;
    }
    return out;
}

} // namespace zentyra
