#pragma once
// Ticks given on the command line: comma-separated items, each a TYPE (every chapter or piece of
// that type) or TYPE:ELEMENTID (the one with that element id).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zentyra {

class ReportTree;

struct ItemPattern {
    int type = 0;
    std::optional<int> elementId;
};

// Null, with error set, when an entry is not a number or TYPE:NUMBER.
std::optional<std::vector<ItemPattern>> ParseItemList(std::string_view list, std::string& error);

// Ticks the items matching select, then unticks those matching deselect, then unticks the
// pieces of unticked chapters. Returns the patterns that matched no item, for a warning.
std::vector<ItemPattern> ApplyItemSelection(ReportTree& tree,
                                            const std::vector<ItemPattern>& select,
                                            const std::vector<ItemPattern>& deselect);

std::string ToString(const ItemPattern& pattern);

} // namespace zentyra
