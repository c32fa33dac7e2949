#pragma once
// Pieces laid out on the fixed test metrics (body font 31 high, 15 per character, table rows
// 31) with short, recognisable print-language strings, read back as rows of texts.
#include "RenderTestSupport.h"

#include <map>
#include <string>
#include <vector>

namespace zentyra::test {

inline std::map<int, std::string> TablePieceStrings() {
    std::map<int, std::string> strings = LayoutStrings();
    const std::map<int, std::string> own = {
        // result
        {6380, "Qty"},
        {5008, "Mean"},
        {4849, "Min"},
        {4354, "Max"},
        {5009, "Min/Mean"},
        {1170, "Min/Max"},
        {5011, "Mean/Max"},
        {5852, "Power"},
        {1779, "Calc"},
        {5014, "Direct"},
        {5015, "Reflected"},
        {6294, "acc"},
        {1091, "Observer"},
        {1780, "Illuminance"},
        {6512, "Luminance"},
        {8371, "%s on %s"},
        {47, "fc"},
        {49, "cd/ft2"},
        // room surfaces
        {5091, "Place"},
        {4663, "Surface"},
        {613, "Colour"},
        {4996, "Refl"},
        {4998, "[%]"},
        {5075, "Avg"},
        {1949, "[%s]"},
        // road
        {584, "Road installation"},
        {39, "m"},
        {7503, "ft"},
        {7591, "Mode L20"},
        {7593, "Section"},
        {7594, "Rect"},
        {7595, "Vault"},
        {7596, "Flat"},
        {7597, "Circle"},
        {7599, "Width"},
        {7600, "Height"},
        {7638, "HeightHO"},
        {7601, "Piedritto"},
        {7602, "Diameter"},
        {7748, "Walls h"},
        {7749, "Walls"},
        {7750, "Ceiling"},
        {1927, "Zone"},
        {633, "Type"},
        {1929, "Sub"},
        {629, "Dir"},
        {575, "W"},
        {1947, "<%s>"},
        {1891, "Y1"},
        {1892, "Y2"},
        {4892, "Pts"},
        {1953, "z"},
        {1955, "s"},
        {1956, "H"},
        {1957, "(%s)"},
        {1896, "RT"},
        {616, "Q0"},
        {532, "q"},
        {1911, "Road"},
        {1912, "Walk"},
        {6596, "Cycle"},
        {648, "Row"},
        {5443, "Lum"},
        {4917, "PX"},
        {4918, "[%s]x"},
        {4919, "PY"},
        {4920, "[%s]y"},
        {6522, "LX"},
        {8680, "[%s]lx"},
        {6523, "LY"},
        {8681, "[%s]ly"},
        {4921, "Hgt"},
        {4922, "[%s]h"},
        {4923, "Poles"},
        {4924, "[n]"},
        {112, "[#]"},
        {558, "Spacing"},
        {4926, "[%s]i"},
        {4928, "[%s]lc"},
        {1907, "Tilt"},
        {4930, "[%s]t"},
        {1908, "Arm"},
        {4932, "[%s]r"},
        {7493, "Rot"},
        {1909, "Incl"},
        {4934, "[%s]n"},
        {7495, "deg"},
        {7603, "Layer"},
        {7604, "Incr"},
        {7605, "Sect"},
    };
    for (const auto& [number, text] : own)
        strings[number] = text;
    return strings;
}

class TablePieceTest : public LayoutTest {
protected:
    void SetUp() override {
        LayoutTest::SetUp();
        UseLanguages(languages, TablePieceStrings(), {});
    }

    // The texts of one page drawn in the body font from `fromY` on, grouped by their y, left
    // to right; the header and footer are left out.
    std::vector<std::vector<std::string>> rows(int number, int fromY = 0) const {
        std::map<int, std::vector<std::pair<int, std::string>>> byY;
        for (const TextOp& op : ops<TextOp>(number)) {
            if (op.font != ReportFont::Body || op.at.y < fromY || op.at.y < 300 || op.at.y >= 2769)
                continue;
            byY[op.at.y].emplace_back(op.at.x, op.text);
        }
        std::vector<std::vector<std::string>> result;
        for (auto& [y, cells] : byY) {
            std::stable_sort(cells.begin(), cells.end(),
                             [](const auto& a, const auto& b) { return a.first < b.first; });
            auto& row = result.emplace_back();
            for (const auto& cell : cells)
                row.push_back(cell.second);
        }
        return result;
    }
    // The y of the first text op of the page that reads exactly `text`, or -1.
    int yOf(int number, const std::string& wanted) const {
        const auto op = text(number, wanted);
        return op ? op->at.y : -1;
    }
    using Row = std::vector<std::string>;
};

} // namespace zentyra::test
