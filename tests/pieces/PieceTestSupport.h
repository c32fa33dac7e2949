#pragma once
// Pieces laid out on the fixed test metrics, with the print-language strings they use, and the
// body-font texts of a page read back as table rows.
#include "RenderTestSupport.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace zentyra::test {

// Short, recognisable texts for the strings the quality and energy pieces print; formats
// keep their conversions.
inline std::map<int, std::string> PieceStrings() {
    std::map<int, std::string> strings = LayoutStrings();
    const std::map<int, std::string> own = {
        {5060, "Quality"},
        {5841, "Energy"},
        {8780, "Summary heading"},
        {1120, "Pollution"},
        {1202, "Rn"},
        {1204, "Comfort"},
        {1091, "Observer"},
        {1125, "Pos"},
        {1683, "Look"},
        {1689, "VCP"},
        {1690, "UGR"},
        {1694, "CGI"},
        {5220, "Glare"},
        {1685, "Obs."},
        {5212, "T(%.1lf;%.1lf)"},
        {1687, "L(%.1lf;%.1lf)"},
        {7316, "Calc"},
        {584, "Installation"},
        {7372, "Comune"},
        {7373, "Where"},
        {593, "Lum"},
        {7374, "Scope"},
        {7375, "Designer"},
        {6461, "Name"},
        {7376, "Firm"},
        {7377, "Date"},
        {7378, "Ref"},
        {7839, "Dp"},
        {7862, "NoPed"},
        {7950, "Ped"},
        {7715, "Powers"},
        {7716, "Group"},
        {7717, "Power"},
        {4954, "W"},
        {5026, "Num"},
        {7719, "Extra"},
        {7720, "System"},
        {7721, "Areas"},
        {7722, "Zone"},
        {7723, "Area"},
        {44, "m2"},
        {7724, "Emed"},
        {38, "lx"},
        {7714, "EPI"},
        {7740, "simple"},
        {7739, "detailed"},
        {7726, "Hours"},
        {7729, "PDI"},
        {7730, "AECI"},
        {7731, "Season"},
        {7733, "Days"},
        {7732, "Slot"},
        {7734, "Len"},
        {29, "-"},
        {7728, "Det\\nprob"},
        {7735, "HiW"},
        {7737, "HiF"},
        {7736, "LoW"},
        {7738, "Lo\\nF\\nx"},
        {1949, "[%s]"},
        {4663, "Surface"},
        {2203, "Size"},
        {5075, "Mean"},
        {7641, "Used"},
        {5851, "Spec"},
        {5852, "SpecL"},
        {5853, "Eff"},
        {8679, "inst"},
        {7505, "ft2"},
        {47, "fc"},
        {39, "m"},
        {7503, "ft"},
    };
    for (const auto& [number, text] : own)
        strings[number] = text;
    return strings;
}

class PieceTest : public LayoutTest {
protected:
    void SetUp() override {
        LayoutTest::SetUp();
        UseLanguages(languages, PieceStrings(), {});
    }

    // The body-font texts of a page, row by row (same y) and left to right.
    std::vector<std::vector<std::string>> rows(int number) const {
        std::map<int, std::vector<TextOp>> byY;
        for (const TextOp& op : ops<TextOp>(number))
            if (op.font == ReportFont::Body && op.at.y < BottomLimit() && op.at.y > headerBottom())
                byY[op.at.y].push_back(op);
        std::vector<std::vector<std::string>> result;
        for (auto& [y, line] : byY) {
            std::stable_sort(line.begin(), line.end(),
                             [](const TextOp& a, const TextOp& b) { return a.at.x < b.at.x; });
            std::vector<std::string>& texts = result.emplace_back();
            for (const TextOp& op : line)
                texts.push_back(op.text);
        }
        return result;
    }
    // The row that begins with `first`, or an empty row.
    std::vector<std::string> row(int number, const std::string& first) const {
        for (const std::vector<std::string>& line : rows(number))
            if (!line.empty() && line.front() == first) return line;
        return {};
    }
    // Section titles of a page in order.
    std::vector<std::string> sections(int number) const {
        std::vector<std::string> titles;
        for (const TextOp& op : ops<TextOp>(number))
            if (op.font == ReportFont::Section) titles.push_back(op.text);
        return titles;
    }
    int pageCount() const { return static_cast<int>(recorder.pages().size()); }
    // A4 at the default margins: the footer lies below this.
    static int BottomLimit() { return 2769; }
    // The header texts stand at 270 under the logo strip.
    static int headerBottom() { return 270; }
};

} // namespace zentyra::test
