#include "app/ItemSelection.h"

#include <gtest/gtest.h>

namespace zentyra {
namespace {

TEST(ItemSelection, ListsHoldTypesWithOptionalElementIds) {
    struct Case {
        std::string list;
        std::vector<std::string> parsed; // empty with an error expected when error is set
        std::string error;
    };
    const Case cases[] = {
        {"5", {"5"}, ""},
        {"5, 26:1 ,,28:0,", {"5", "26:1", "28:0"}, ""},
        {"+2:-1", {"2:-1"}, ""},
        {"", {}, ""},
        {"x", {}, "'x' is not TYPE or TYPE:ELEMENTID"},
        {"2:", {}, "'2:' is not TYPE or TYPE:ELEMENTID"},
        {"2:3:4", {}, "'2:3:4' is not TYPE or TYPE:ELEMENTID"},
        {"99999999999", {}, "'99999999999' is not TYPE or TYPE:ELEMENTID"},
    };
    for (const Case& c : cases) {
        std::string error;
        const auto patterns = ParseItemList(c.list, error);
        if (!c.error.empty()) {
            EXPECT_FALSE(patterns) << c.list;
            EXPECT_EQ(error, c.error);
            continue;
        }
        ASSERT_TRUE(patterns) << c.list << ": " << error;
        std::vector<std::string> parsed;
        for (const ItemPattern& p : *patterns)
            parsed.push_back(ToString(p));
        EXPECT_EQ(parsed, c.parsed) << c.list;
    }
}

} // namespace
} // namespace zentyra
