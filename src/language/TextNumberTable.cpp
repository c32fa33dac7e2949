#include "language/TextNumberTable.h"

#include <array>
#include <cstddef>
#include <initializer_list>

namespace zentyra::TextNumberTable {

namespace {

constexpr int kWindowCount = 23;
constexpr int kCustomizeCount = 25;
constexpr int kLanguageChoiceCount = 25;
constexpr int kGeneralCount = 382;
constexpr int kButtonWordCount = 3;

// Each slice takes its numbers plus one entry for its count.
constexpr std::size_t kWindowFirst = 0;
constexpr std::size_t kCustomizeFirst = kWindowFirst + kWindowCount + 1;
constexpr std::size_t kLanguageChoiceFirst = kCustomizeFirst + kCustomizeCount + 1;
constexpr std::size_t kGeneralFirst = kLanguageChoiceFirst + kLanguageChoiceCount + 1;
constexpr std::size_t kButtonWordFirst = kGeneralFirst + kGeneralCount + 1;
constexpr std::size_t kTableSize = kButtonWordFirst + kButtonWordCount + 1;

class TableBuilder {
public:
    // The numbers given, zeros up to `count`, then the count.
    constexpr void slice(std::initializer_list<int> numbers, int count) {
        const std::size_t end = at_ + static_cast<std::size_t>(count);
        for (const int number : numbers)
            table_[at_++] = number;
        while (at_ < end)
            table_[at_++] = 0;
        table_[at_++] = count;
    }
    constexpr std::array<int, kTableSize> table() const { return table_; }

private:
    std::array<int, kTableSize> table_{};
    std::size_t at_ = 0;
};

constexpr std::array<int, kTableSize> kTable = [] {
    TableBuilder builder;
    builder.slice({53, 6753, 1317, 271, 6274, 57,   65,   748,  4584, 4588, 204, 3793,
                   56, 926,  927,  928, 929,  3490, 1318, 6746, 6747, 6748, 933},
                  kWindowCount);
    builder.slice({680, 6461, 682, 683, 0,   0,   0,   3392, 4989, 684, 685,  686, 687,
                   688, 689,  690, 691, 692, 693, 694, 695,  696,  704, 1318, 698},
                  kCustomizeCount);
    builder.slice({5,  6,  7,  8,  9,  10, 11, 12,   13,   14,   15,   16,  17,
                   18, 19, 20, 21, 22, 23, 24, 6188, 7085, 7097, 7488, 7490},
                  kLanguageChoiceCount);
    // Entries 1 to 9 are the ones the report texts use; the others stay 0.
    builder.slice({0, 927, 928, 929, 3490, 3392, 4986, 4987, 683, 4989}, kGeneralCount);
    builder.slice({50, 51, 52}, kButtonWordCount);
    return builder.table();
}();

static_assert(kTable[kCustomizeFirst - 1] == kWindowCount);
static_assert(kTable[kLanguageChoiceFirst - 1] == kCustomizeCount);
static_assert(kTable[kGeneralFirst - 1] == kLanguageChoiceCount);
static_assert(kTable[kButtonWordFirst - 1] == kGeneralCount);
static_assert(kTable[kTableSize - 1] == kButtonWordCount);

// A slice is known by the position of its first number; its count follows the numbers.
constexpr std::span<const int> SliceAt(std::size_t first, int count) {
    return {kTable.data() + first,
            static_cast<std::size_t>(kTable[first + static_cast<std::size_t>(count)])};
}

} // namespace

std::span<const int> WindowSlice() {
    return SliceAt(kWindowFirst, kWindowCount);
}
std::span<const int> CustomizeSlice() {
    return SliceAt(kCustomizeFirst, kCustomizeCount);
}
std::span<const int> LanguageChoiceSlice() {
    return SliceAt(kLanguageChoiceFirst, kLanguageChoiceCount);
}
std::span<const int> GeneralSlice() {
    return SliceAt(kGeneralFirst, kGeneralCount);
}
std::span<const int> ButtonWordSlice() {
    return SliceAt(kButtonWordFirst, kButtonWordCount);
}
std::span<const int> Table() {
    return kTable;
}

} // namespace zentyra::TextNumberTable
