#pragma once
// The rule by which numbered window and menu captions ("12-Informazioni Progetto") become
// language strings. The widget walking sits with the user interface; this is the rule for
// one caption.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zentyra {

class TextList;

// Caption buffers hold 256 (window) and 260 (menu item) characters with the terminator; a
// longer language string is cut to what fits, in UTF-16 units, never inside a surrogate pair.
inline constexpr std::size_t kWindowCaptionUnits = 255;
inline constexpr std::size_t kMenuCaptionUnits = 259;
// Captions longer than this are left as they are.
inline constexpr std::size_t kMaxTranslatedCaptionUnits = 255;

// The new caption, or nullopt when the caption stays as it is (no text, too long, or
// neither numbered nor a button word). A leading number k gives list.text(k) (empty when
// k is beyond the list); "OK", "Cancel" and "Close", in any case, give program-language
// strings 50, 51 and 52 whatever the list's language.
std::optional<std::string> TranslateCaption(std::string_view caption, const TextList& list,
                                            std::size_t maxUnits);

} // namespace zentyra
