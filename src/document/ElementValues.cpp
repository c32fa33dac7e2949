#include "document/ElementValues.h"

#include "document/SharedTexts.h"
#include "platform/Text.h"

#include <tinyxml.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace zentyra {

namespace {

// strtod in the C locale, so that a process locale with a decimal comma (set by a GUI
// toolkit, say) does not change how the project's numbers read.
class CLocale {
public:
    CLocale() : locale_(newlocale(LC_ALL_MASK, "C", nullptr)) {}
    ~CLocale() {
        if (locale_) freelocale(locale_);
    }
    CLocale(const CLocale&) = delete;
    CLocale& operator=(const CLocale&) = delete;
    locale_t get() const { return locale_; }

private:
    locale_t locale_;
};

double StrtodC(const char* text, char** end) {
    static const CLocale cLocale;
    return strtod_l(text, end, cLocale.get());
}

bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Scans up to three reals the way sscanf("%lf %lf %lf") does; returns how many were read.
int ScanReals(const std::string& text, std::array<double, 3>& out) {
    const char* p = text.c_str();
    int count = 0;
    while (count < 3) {
        char* end = nullptr;
        const double value = StrtodC(p, &end);
        if (end == p) break;
        out[static_cast<std::size_t>(count++)] = value;
        p = end;
    }
    return count;
}

// Truncation toward zero that stays defined for NaN and values beyond the int range.
int TruncateToInt(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

bool EqualsAsciiNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

} // namespace

const TiXmlElement* FirstChildElement(const TiXmlElement* parent, std::string_view name) {
    if (!parent) return nullptr;
    for (const TiXmlElement* child = parent->FirstChildElement(); child;
         child = child->NextSiblingElement()) {
        if (child->ValueStr() == name) return child;
    }
    return nullptr;
}

const TiXmlElement* NextSiblingElement(const TiXmlElement* element, std::string_view name) {
    if (!element) return nullptr;
    for (const TiXmlElement* next = element->NextSiblingElement(); next;
         next = next->NextSiblingElement()) {
        if (next->ValueStr() == name) return next;
    }
    return nullptr;
}

std::string ElementText(const TiXmlElement* element) {
    if (!element) return {};
    for (const TiXmlNode* node = element->FirstChild(); node; node = node->NextSibling()) {
        if (const TiXmlText* text = node->ToText()) return text->ValueStr();
    }
    return {};
}

std::string ChildText(const TiXmlElement* parent, std::string_view name) {
    return ElementText(FirstChildElement(parent, name));
}

double ParseReal(std::string_view text) {
    const std::string copy(text); // strtod needs the terminator
    return StrtodC(copy.c_str(), nullptr);
}

int ParseInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // Accumulate as a negative number so INT_MIN fits; stop growing once past the range.
    constexpr long long kLimit = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    long long magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (magnitude <= kLimit) magnitude = magnitude * 10 + (text[i] - '0');
    }
    if (negative) {
        return magnitude >= kLimit ? std::numeric_limits<int>::min() : static_cast<int>(-magnitude);
    }
    return magnitude >= kLimit ? std::numeric_limits<int>::max() : static_cast<int>(magnitude);
}

std::string ReadChildText(const TiXmlElement* parent, std::string_view name) {
    return TruncateToUtf16Units(ChildText(parent, name), kMaxTextUnits);
}

double ReadChildReal(const TiXmlElement* parent, std::string_view name) {
    return ParseReal(ChildText(parent, name));
}

int ReadChildInteger(const TiXmlElement* parent, std::string_view name) {
    return ParseInteger(ChildText(parent, name));
}

bool ReadChildFlag(const TiXmlElement* parent, std::string_view name) {
    const std::string text = ChildText(parent, name);
    return !(EqualsAsciiNoCase(text, "FALSE") || EqualsAsciiNoCase(text, "NO") ||
             EqualsAsciiNoCase(text, "0"));
}

std::string ReadChildColour(const TiXmlElement* parent, std::string_view name) {
    const std::string text = ChildText(parent, name);
    if (text.empty()) return {};
    std::array<double, 3> rgb{};
    ScanReals(text, rgb);
    return std::to_string(TruncateToInt(rgb[0] * 255.0)) + "," +
           std::to_string(TruncateToInt(rgb[1] * 255.0)) + "," +
           std::to_string(TruncateToInt(rgb[2] * 255.0));
}

Triple ReadChildTriple(const TiXmlElement* parent, std::string_view name) {
    std::array<double, 3> xyz{};
    ScanReals(ChildText(parent, name), xyz);
    return {xyz[0], xyz[1], xyz[2]};
}

std::string ReadChildName(const TiXmlElement* parent, std::string_view name) {
    return TranslateNames(ReadChildText(parent, name), true);
}

} // namespace zentyra
