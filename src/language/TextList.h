#pragma once
// A view of one slice of the TextNumberTable in one of the two languages: text(k) is the
// language string whose number is slice entry k.
#include <span>
#include <string>

namespace zentyra {

enum class TextLanguage { Program, Print };

class TextList {
public:
    TextList(std::span<const int> slice, TextLanguage language)
        : numbers_(slice.data()), count_(static_cast<int>(slice.size())), language_(language) {}

    // Empty for k outside the slice; otherwise the string of entry k, creating the
    // list's language manager on first use.
    std::string text(int k) const;
    int count() const { return count_; }
    TextLanguage language() const { return language_; }

private:
    const int* numbers_;
    int count_;
    TextLanguage language_;
};

// Over the general slice, in the print and in the program language.
const TextList& printTexts();
const TextList& programTexts();

} // namespace zentyra
