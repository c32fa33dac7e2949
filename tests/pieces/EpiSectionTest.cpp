#include "PieceTestSupport.h"

#include "pieces/EnergyPiece.h"

namespace zentyra::test {
namespace {

using Row = std::vector<std::string>;

std::string Slot(const std::string& name, const std::string& pdi) {
    return "<TimeSlotElem><name>" + name +
           "</name><oreFascia>4</oreFascia><detectionProbability>0,85</detectionProbability>"
           "<kRidHiW>0.5</kRidHiW><kRidHiF>0.6</kRidHiF><kRidLoW>0.7</kRidLoW>"
           "<kRidLoF>0.9</kRidLoF><PDI>" +
           pdi + "</PDI></TimeSlotElem>";
}

std::string Season(const std::string& name, const std::string& days, const std::string& slots) {
    return "<SeasonElem><name>" + name + "</name><numDay>" + days + "</numDay><TimeSlotList>" +
           slots + "</TimeSlotList></SeasonElem>";
}

const std::string kPowersAndAreas =
    "<AppPowerList><AppPowerElem><name>A</name><potAppa>96</potAppa><num>3</num></AppPowerElem>"
    "<AppPowerElem><name>B</name><potAppa>48,5</potAppa><num>4</num></AppPowerElem>"
    "</AppPowerList><OperationalPower>482</OperationalPower><AdditionalPower>12"
    "</AdditionalPower><SystemPower>494</SystemPower>"
    "<AreaList><AreaElem><name>Road</name><area>600</area><eMed>21.5</eMed></AreaElem>"
    "</AreaList><AreaTot>600</AreaTot>"
    "<HoursPerYear_Simple>4200</HoursPerYear_Simple><PDI_Simple>0,85</PDI_Simple>"
    "<AECI_Simple>1.2e3</AECI_Simple>";

class EpiSectionTest : public PieceTest {
protected:
    // The y of a section title, and the number of the page it is on (0 when missing).
    std::pair<int, int> title(const std::string& text) const {
        for (int page = 1; page <= pageCount(); ++page)
            if (const std::optional<TextOp> op = this->text(page, text))
                if (op->font == ReportFont::Section) return {page, op->at.y};
        return {0, 0};
    }
    // A bottom margin that puts BottomLimit at `limit` on A4.
    PageMargins MarginsForBottomLimit(int limit) {
        for (int bottom = 2970 - 51 - limit - 3; bottom < 2970 - 51 - limit + 4; ++bottom) {
            recorder.Prepare(PageGeometry::ForPaper(210, 297, 600),
                             PageMargins{150, 100, 50, bottom});
            if (recorder.pageRect.bottom - 51 == limit) return PageMargins{150, 100, 50, bottom};
        }
        ADD_FAILURE() << "no margin for " << limit;
        return {};
    }
};

TEST_F(EpiSectionTest, WithoutSeasonsThreeTablesWithTheirTextsUnchanged) {
    LayOut(Element("class_EPI", 0, kPowersAndAreas));
    EXPECT_EQ(sections(1), (std::vector<std::string>{"Powers", "Areas", "EPI - simple"}));
    const std::vector<Row> table = rows(1);
    const auto has = [&](const Row& wanted) {
        return std::find(table.begin(), table.end(), wanted) != table.end();
    };
    EXPECT_TRUE(has(Row{"Group", "Power", "Num"}));
    EXPECT_TRUE(has(Row{"", "[W]", ""}));
    EXPECT_TRUE(has(Row{"A", "96", "3"}));
    EXPECT_TRUE(has(Row{"B", "48,5", "4"}));
    EXPECT_TRUE(has(Row{"Power", "482 W"}));
    EXPECT_TRUE(has(Row{"Extra", "12 W"}));
    EXPECT_TRUE(has(Row{"System", "494 W"}));
    EXPECT_TRUE(has(Row{"Zone", "Area", "Emed"}));
    EXPECT_TRUE(has(Row{"", "[m2]", "[lx]"}));
    EXPECT_TRUE(has(Row{"Road", "600", "21.5"}));
    EXPECT_TRUE(has(Row{"Area", "600 m2"}));
    EXPECT_TRUE(has(Row{"Hours", "PDI", "AECI"}));
    EXPECT_TRUE(has(Row{"[h]", "[W/(lx•m²)]", "[Wh/m²]"}));
    EXPECT_TRUE(has(Row{"4200", "0,85", "1.2e3"}));
    // Note rows: the label at the table's left edge, the value at 110 mm.
    EXPECT_EQ(text(1, "494 W")->at.x, 1100);
    EXPECT_EQ(text(1, "A")->align.horizontal, HAlign::Left);
    EXPECT_EQ(text(1, "96")->align.horizontal, HAlign::Right);
}

TEST_F(EpiSectionTest, MissingValuesPrintEmptyCellsAndBareUnits) {
    LayOut(Element("class_EPI", 0));
    EXPECT_EQ(row(1, "Power"), (Row{"Power", " W"}));
    EXPECT_EQ(row(1, "Area"), (Row{"Area", " m2"}));
    EXPECT_EQ(sections(1), (std::vector<std::string>{"Powers", "Areas", "EPI - simple"}));
}

TEST_F(EpiSectionTest, SeasonsShowNameAndDaysOnTheirFirstTimeSlotOnly) {
    LayOut(Element("class_EPI", 0,
                   kPowersAndAreas + "<SeasonList>" +
                       Season("Winter", "90", Slot("evening", "0.012") + Slot("night", "0.008")) +
                       Season("Empty", "30", "") + Season("Summer", "92", Slot("night", "1.2e3")) +
                       "</SeasonList><HoursPerYear_Prof>3900</HoursPerYear_Prof>"
                       "<AECI_Prof>980,5</AECI_Prof>"));
    int page = title("EPI - detailed").first;
    ASSERT_GT(page, 0);
    const std::vector<Row> table = rows(page);
    const auto at =
        std::find(table.begin(), table.end(),
                  Row{"Season", "Days", "Slot", "Len", "Det", "HiW", "HiF", "LoW", "Lo", "PDI"});
    ASSERT_NE(at, table.end());
    const std::vector<Row> expected = {
        {"Season", "Days", "Slot", "Len", "Det", "HiW", "HiF", "LoW", "Lo", "PDI"},
        // Two-line headings fill row 2; a third line joins the second.
        {"", "", "", "", "prob", "", "", "", "F x", ""},
        {"", "", "", "[h]", "[-]", "[-]", "[-]", "[-]", "[-]", "[W/(lx•m²)]"},
        {"Winter", "90", "evening", "4", "0,85", "0.5", "0.6", "0.7", "0.9", "0.012"},
        {"", "", "night", "4", "0,85", "0.5", "0.6", "0.7", "0.9", "0.008"},
        // A season without time slots keeps a row of its own.
        {"Empty", "30", "", "", "", "", "", "", "", ""},
        {"Summer", "92", "night", "4", "0,85", "0.5", "0.6", "0.7", "0.9", "1.2e3"},
        {"Hours", "3900 h"},
        {"AECI", "980,5 Wh/m²"},
    };
    ASSERT_GE(table.end() - at, static_cast<long>(expected.size()));
    EXPECT_EQ(std::vector<Row>(at, at + static_cast<long>(expected.size())), expected);
}

TEST(TwoLineHeading, KeepsTheThirdHeadingRowForTheUnit) {
    EXPECT_EQ(TwoLineHeading("a\nb"), "a\nb");
    EXPECT_EQ(TwoLineHeading("one"), "one");
    EXPECT_EQ(TwoLineHeading("a\r\n\r\nb\nc\td"), "a\nb c d");
    EXPECT_EQ(TwoLineHeading(""), "");
}

TEST_F(EpiSectionTest, TheSimpleMethodTitleNeedsNineBodyLines) {
    LayOut(Element("class_EPI", 0));
    const auto [page, y] = title("EPI - simple");
    ASSERT_EQ(page, 1);
    const int before = y - 40; // the cursor before the title
    // 279 free: the title's own check (350) breaks the page, content starts at 412.
    LayOut(Element("class_EPI", 0), MarginsForBottomLimit(before + 279));
    EXPECT_EQ(title("EPI - simple"), std::make_pair(2, 412));
    // 278 free: the section's check breaks it, one line lower.
    LayOut(Element("class_EPI", 0), MarginsForBottomLimit(before + 278));
    EXPECT_EQ(title("EPI - simple"), std::make_pair(2, 412 + 31));
}

TEST_F(EpiSectionTest, TheDetailedMethodTitleNeedsTwelveBodyLines) {
    const std::string epi = Element(
        "class_EPI", 0, "<SeasonList>" + Season("W", "1", Slot("s", "1")) + "</SeasonList>");
    LayOut(epi);
    const auto [page, y] = title("EPI - detailed");
    ASSERT_EQ(page, 1);
    const int before = y - 40;
    LayOut(epi, MarginsForBottomLimit(before + 372));
    EXPECT_EQ(title("EPI - detailed"), std::make_pair(1, y));
    LayOut(epi, MarginsForBottomLimit(before + 371));
    EXPECT_EQ(title("EPI - detailed"), std::make_pair(2, 412 + 31));
}

} // namespace
} // namespace zentyra::test
