#pragma once
// Unicode helpers. Text in the core is UTF-8 std::string; the record layouts and the
// character limits that the suite's files define count UTF-16 units, so those limits are
// applied through these functions.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zentyra {

// Invalid sequences decode as U+FFFD; never fails.
std::u16string Utf8ToUtf16(std::string_view utf8);
// Unpaired surrogates encode as U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);
bool IsValidUtf8(std::string_view bytes);

// One code point appended in UTF-8 or as UTF-16 units (a surrogate pair above U+FFFF). The
// caller passes a valid code point.
void AppendUtf8(std::string& out, char32_t cp);
void AppendUtf16(std::u16string& out, char32_t cp);

// Number of UTF-16 units the UTF-8 text takes.
std::size_t Utf16Length(std::string_view utf8);
// The longest prefix of at most maxUnits UTF-16 units; a surrogate pair is never split.
std::string TruncateToUtf16Units(std::string_view utf8, std::size_t maxUnits);

// Lower case as the suite's file names need it: ASCII and the Latin-1 letters.
std::string ToLower(std::string_view utf8);
bool EqualsNoCase(std::string_view a, std::string_view b);

// A whole decimal number and nothing else: blanks around it and a leading '+' are allowed;
// nullopt for anything else or a number beyond the int range. (Values read from the suite's
// files use the lenient atoi-like readers instead.)
std::optional<int> ParseWholeNumber(std::string_view text);

} // namespace zentyra
