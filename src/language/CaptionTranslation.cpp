#include "language/CaptionTranslation.h"

#include "language/KLanguageManagerGeneric.h"
#include "language/TextList.h"
#include "language/TextNumberTable.h"
#include "platform/Text.h"

#include <array>
#include <climits>

namespace zentyra {

namespace {

// The leading decimal number, saturated at INT_MAX (which is beyond every list).
int LeadingNumber(std::string_view text) {
    long long value = 0;
    for (std::size_t i = 0; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) return INT_MAX;
    }
    return static_cast<int>(value);
}

} // namespace

std::optional<std::string> TranslateCaption(std::string_view caption, const TextList& list,
                                            std::size_t maxUnits) {
    if (caption.empty() || Utf16Length(caption) > kMaxTranslatedCaptionUnits) return std::nullopt;
    if (caption.front() >= '0' && caption.front() <= '9')
        return TruncateToUtf16Units(list.text(LeadingNumber(caption)), maxUnits);

    static constexpr std::array<std::string_view, 3> kButtonWords = {"OK", "Cancel", "Close"};
    static_assert(TextNumberTable::kOkWord == 0 && TextNumberTable::kCancelWord == 1 &&
                  TextNumberTable::kCloseWord == 2);
    for (std::size_t word = 0; word < kButtonWords.size(); ++word) {
        if (EqualsNoCase(caption, kButtonWords[word])) {
            const int number = TextNumberTable::ButtonWordSlice()[word];
            return TruncateToUtf16Units(programLanguage().getString(number), maxUnits);
        }
    }
    return std::nullopt;
}

} // namespace zentyra
