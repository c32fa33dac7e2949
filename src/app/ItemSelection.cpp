#include "app/ItemSelection.h"

#include "document/ReportTree.h"
#include "platform/Text.h"

namespace zentyra {

namespace {

bool Matches(const ItemPattern& pattern, const CBasePiece& item) {
    return item.type == pattern.type &&
           (!pattern.elementId || *pattern.elementId == item.elementId);
}

} // namespace

std::optional<std::vector<ItemPattern>> ParseItemList(std::string_view list, std::string& error) {
    std::vector<ItemPattern> patterns;
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t comma = list.find(',', start);
        if (comma == std::string_view::npos) comma = list.size();
        const std::string_view entry = list.substr(start, comma - start);
        start = comma + 1;
        if (entry.find_first_not_of(' ') == std::string_view::npos) continue;
        ItemPattern pattern;
        const std::size_t colon = entry.find(':');
        const std::optional<int> type = ParseWholeNumber(entry.substr(0, colon));
        std::optional<int> id;
        if (colon != std::string_view::npos) id = ParseWholeNumber(entry.substr(colon + 1));
        if (!type || (colon != std::string_view::npos && !id)) {
            error = "'" + std::string(entry) + "' is not TYPE or TYPE:ELEMENTID";
            return std::nullopt;
        }
        pattern.type = *type;
        pattern.elementId = id;
        patterns.push_back(pattern);
    }
    return patterns;
}

std::vector<ItemPattern> ApplyItemSelection(ReportTree& tree,
                                            const std::vector<ItemPattern>& select,
                                            const std::vector<ItemPattern>& deselect) {
    std::vector<ItemPattern> unmatched;
    auto apply = [&](const std::vector<ItemPattern>& patterns, bool tick) {
        for (const ItemPattern& pattern : patterns) {
            bool matched = false;
            for (const auto& item : tree.items()) {
                if (!Matches(pattern, *item)) continue;
                item->selected = tick;
                matched = true;
            }
            if (!matched) unmatched.push_back(pattern);
        }
    };
    apply(select, true);
    apply(deselect, false);
    tree.UntickPiecesOfUntickedChapters();
    return unmatched;
}

std::string ToString(const ItemPattern& pattern) {
    std::string text = std::to_string(pattern.type);
    if (pattern.elementId) text += ":" + std::to_string(*pattern.elementId);
    return text;
}

} // namespace zentyra
