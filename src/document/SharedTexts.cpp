#include "document/SharedTexts.h"

#include "language/KLanguageManagerGeneric.h"
#include "settings/ReportSettings.h"

#include <array>
#include <charconv>
#include <cmath>

namespace zentyra {

namespace {

// The phrases the design application composes names from, in the order they are replaced;
// each replacement works on the result of the one before.
constexpr std::array kTranslatedPhrases = {
    7585, 7584, 7583, 7838, 7837, 7836, 7824, 786,  7835, 7834, 514,  1794,
    1793, 1792, 513,  7399, 7400, 7401, 7402, 6566, 1885, 1886, 1887, 1888,
    1923, 1922, 6591, 6590, 1918, 6588, 6566, 6586, 1059, 6596, 1923,
};

// True when it replaced anything.
bool ReplaceAll(std::string& text, std::string_view search, std::string_view replacement) {
    if (search.empty()) return false;
    std::string result;
    std::size_t from = 0;
    for (std::size_t at = text.find(search); at != std::string::npos;
         at = text.find(search, from)) {
        result.append(text, from, at - from);
        result.append(replacement);
        from = at + search.size();
    }
    if (from == 0) return false;
    result.append(text, from, std::string::npos);
    text = std::move(result);
    return true;
}

std::string ToChars(double value, std::chars_format format, int precision) {
    // Enough for any double in fixed notation with kMaxDecimals decimals.
    std::array<char, 400> buffer{};
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
    if (error != std::errc{}) return {};
    return std::string(buffer.data(), end);
}

} // namespace

const KLanguageManagerGeneric& Language(bool usePrintLanguage) {
    return usePrintLanguage ? printLanguage() : programLanguage();
}

const std::string& LanguageString(bool usePrintLanguage, int number) {
    return Language(usePrintLanguage).getString(number);
}

std::string TranslateNames(std::string_view text, bool translate) {
    std::string result(text);
    if (!translate) return result;
    for (const int number : kTranslatedPhrases) {
        ReplaceAll(result, programLanguage().getString(number), printLanguage().getString(number));
    }
    return result;
}

bool ReplacePhrase(std::string& text, int number) {
    return ReplaceAll(text, programLanguage().getString(number), printLanguage().getString(number));
}

std::string FormatFixed(double value, int decimals) {
    if (decimals < 0) decimals = 6;
    if (decimals > kMaxDecimals) decimals = kMaxDecimals;
    if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    return ToChars(value, std::chars_format::fixed, decimals);
}

std::string FormatNumber(double value, int decimals) {
    if (value > -9999999999.0 && value < 9999999999.0) return FormatFixed(value, decimals);
    // to_chars prints inf and nan as printf does; general with precision 6 is "%g".
    return ToChars(value, std::chars_format::general, 6);
}

std::string UnitText(int valueType, int projectMode) {
    const bool imperial = ReportSettings::instance().unitSystem == 1;
    const auto byMode = [projectMode](const char* visible, const char* photosynthetic,
                                      const char* radiometric) -> std::string {
        if (projectMode == 2) return photosynthetic;
        if (projectMode == 3) return radiometric;
        return visible;
    };
    switch (valueType) {
    case 1:
        return printLanguage().getString(imperial ? 7503 : 39);
    case 3:
        return printLanguage().getString(imperial ? 7505 : 44);
    case 4:
        return imperial ? printLanguage().getString(47) : byMode("lx", "umol/(s*m2)", "W/m2");
    case 5:
        return imperial ? printLanguage().getString(49) : byMode("cd/m2", "ORTI_UNIT", "UVIR_UNIT");
    case 6:
        return byMode("lm", "umol/s", "W");
    default:
        return {};
    }
}

std::string LengthUnitText() {
    return UnitText(1, 0);
}

std::string BracketedText(std::string_view text) {
    std::string result = "[";
    result.append(text);
    result += ']';
    return result;
}

} // namespace zentyra
