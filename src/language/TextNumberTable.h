#pragma once
// The language string numbers behind the program's captions and the printed texts: one
// constant table made of slices, each slice its numbers followed by their count.
#include <span>

namespace zentyra {

namespace TextNumberTable {

// Main menu and side bar captions (23 numbers).
std::span<const int> WindowSlice();
// Customize dialog captions (25 numbers).
std::span<const int> CustomizeSlice();
// The languages offered for printing, by the number of the string that names each (25).
std::span<const int> LanguageChoiceSlice();
// The texts of printTexts and programTexts (382 numbers).
std::span<const int> GeneralSlice();
// The button words "OK", "Cancel" and "Close", in this order (3 numbers).
std::span<const int> ButtonWordSlice();

inline constexpr int kOkWord = 0;
inline constexpr int kCancelWord = 1;
inline constexpr int kCloseWord = 2;

// The whole table, for checks of its layout.
std::span<const int> Table();

} // namespace TextNumberTable

} // namespace zentyra
