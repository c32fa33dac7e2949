#pragma once
// Texts shared by every piece: names translated into the print language, numbers, unit
// symbols. Language strings come from the process-wide managers, looked up at each call so
// that a change of the print language shows in the next rendering.
#include <string>
#include <string_view>

namespace zentyra {

class KLanguageManagerGeneric;

// The print language when usePrintLanguage is true, else the program language.
const KLanguageManagerGeneric& Language(bool usePrintLanguage);
const std::string& LanguageString(bool usePrintLanguage, int number);

// With translate true, every known phrase of the program language in text is replaced by the
// same-numbered phrase of the print language; with false the text comes back unchanged.
std::string TranslateNames(std::string_view text, bool translate);

// Replaces every occurrence of the program-language phrase of that number by the print-language
// phrase of the same number, left to right; true when it replaced anything.
bool ReplacePhrase(std::string& text, int number);

// Decimals above this are cut to it, so a file cannot ask for a megabyte of zeros.
inline constexpr int kMaxDecimals = 20;
// "%.*f" with the given decimals for values strictly between -9999999999 and 9999999999,
// otherwise "%g"; always with "." as the decimal point. A negative count means six decimals,
// as printf takes a negative precision.
std::string FormatNumber(double value, int decimals);
// "%.*f" for every value (inf and nan as printf prints them), decimals limited as above.
std::string FormatFixed(double value, int decimals);

// Unit symbol of a value type (1 length, 3 area, 4 illuminance, 5 luminance, 6 flux) for the
// unit system of the report settings and the project mode (0 and 1 visible light, 2
// photosynthetic, 3 radiometric); empty for any other type.
std::string UnitText(int valueType, int projectMode);
std::string LengthUnitText();
// "[" + text + "]", for units in column headings.
std::string BracketedText(std::string_view text);

} // namespace zentyra
