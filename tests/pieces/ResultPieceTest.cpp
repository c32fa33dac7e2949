// The result piece: its statistics table, notes and picture on fixed metrics.
#include "TablePieceTestSupport.h"

#include <gtest/gtest.h>

namespace zentyra {
namespace {

using test::Element;
using Row = std::vector<std::string>;

std::string Result(const std::string& info, const std::string& picture = "r.png") {
    return Element("class_result", 0,
                   "<ResultInfo>" + info + "</ResultInfo><Image><Path>" + picture +
                       "</Path></Image>");
}

const std::string kWorked = "<Type>Illuminance</Type><DisplayType>numeric</DisplayType>"
                            "<Description>desk</Description><Min>20</Min><Max>80</Max>"
                            "<Med>40</Med><NumDecimals>1</NumDecimals>";

class ResultPieceTest : public test::TablePieceTest {
protected:
    // The table's rows (heading, body, German row if any) and the notes, title left out.
    std::vector<Row> tableRows() const { return rows(1, 600); }
};

TEST_F(ResultPieceTest, TheWorkedResultPrintsItsStatisticsNotesAndPicture) {
    const std::string picture = projectDir.file("r.png");
    pictures.bitmaps[picture] = {400, 100};
    LayOut(Result(kWorked));
    EXPECT_TRUE(text(1, "1.1    Illuminance on desk"));
    const std::vector<Row> expected = {
        {"Qty", "Mean", "Min", "Max", "Min/Mean", "Min/Max", "Mean/Max"},
        {"Illuminance", "40.0 lx", "20.0 lx", "80.0 lx", "0.50", "0.25", "0.50"},
        {"Calc", "Reflected (acc:0)"},
    };
    EXPECT_EQ(tableRows(), expected);
    // Headings at 633 + 10, the body row at 694, the closing rule at 745, the note at 806.
    EXPECT_EQ(yOf(1, "Qty"), 643);
    EXPECT_EQ(yOf(1, "40.0 lx"), 694);
    EXPECT_EQ(yOf(1, "Calc"), 806);
    EXPECT_EQ(text(1, "Reflected (acc:0)")->at.x, 1100);
    // The picture fills the page from one line under the notes down to the bottom limit.
    const auto images = ops<PictureOp>(1);
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[1].file, picture);
    EXPECT_EQ(images[1].box, (PageRect{150, 868, 2000, 2769}));
}

TEST_F(ResultPieceTest, ValuesRatiosAndTheGermanRowFollowTheirRules) {
    struct Case {
        const char* what;
        std::string info;
        bool imperial;
        bool german;
        std::vector<Row> body; // the table's body rows
    };
    const std::string illuminance = "<Type>Illuminance</Type><DisplayType>numeric</DisplayType>";
    const Case cases[] = {
        {"worked",
         kWorked,
         false,
         false,
         {{"Illuminance", "40.0 lx", "20.0 lx", "80.0 lx", "0.50", "0.25", "0.50"}}},
        {"imperial",
         kWorked,
         true,
         false,
         {{"Illuminance", "3.7 fc", "1.9 fc", "7.4 fc", "0.50", "0.25", "0.50"}}},
        {"German reciprocals",
         kWorked,
         false,
         true,
         {{"Illuminance", "40.0 lx", "20.0 lx", "80.0 lx", "0.50", "0.25", "0.50"},
          {"", "", "", "", "1:2.00", "1:4.00", "1:2.00"}}},
        {"maximum below zero",
         illuminance + "<Min>1</Min><Max>-1</Max><Med>2</Med>",
         false,
         true,
         {{"Illuminance", "- lx", "- lx", "- lx", "-", "-", "-"}}},
        {"mean zero",
         illuminance + "<Min>0</Min><Max>5</Max><Med>0</Med><NumDecimals>2</NumDecimals>",
         false,
         true,
         {{"Illuminance", "0.00 lx", "0.00 lx", "5.00 lx", "-", "-", "-"}}},
        {"minimum zero",
         illuminance + "<Min>0</Min><Max>8</Max><Med>4</Med>",
         false,
         true,
         {{"Illuminance", "4 lx", "0 lx", "8 lx", "0.00", "0.00", "0.50"},
          {"", "", "", "", "-", "-", "1:2.00"}}},
        {"negative minimum",
         illuminance + "<Min>-2</Min><Max>8</Max><Med>4</Med>",
         false,
         false,
         {{"Illuminance", "4 lx", "-2 lx", "8 lx", "-", "-", "0.50"}}},
        {"type not in the list",
         "<Type>Glare</Type><DisplayType>numeric</DisplayType><Min>20</Min><Max>80</Max>"
         "<Med>40</Med>",
         false,
         false,
         {{"", "40 ", "20 ", "80 ", "0.50", "0.25", "0.50"}}},
        {"luminance",
         "<Type>Luminance</Type><Min>1</Min><Max>4</Max><Med>2</Med>",
         false,
         false,
         {{"Luminance", "2 cd/m2", "1 cd/m2", "4 cd/m2", "0.50", "0.25", "0.50"}}},
        {"texts that are no numbers",
         illuminance + "<Min>abc</Min><Max>1e999</Max><Med>nan</Med><NumDecimals>x</NumDecimals>",
         false,
         true,
         {{"Illuminance", "nan lx", "0 lx", "inf lx", "-", "-", "-"}}},
        {"infinite maximum",
         illuminance + "<Min>1</Min><Max>1e999</Max><Med>2</Med>",
         false,
         false,
         {{"Illuminance", "2 lx", "1 lx", "inf lx", "0.50", "0.00", "0.00"}}},
        {"negative zero",
         illuminance + "<Min>-0</Min><Max>-0</Max><Med>-0</Med>",
         false,
         false,
         {{"Illuminance", "-0 lx", "-0 lx", "-0 lx", "-", "-", "-"}}},
        {"huge decimals",
         illuminance + "<Min>1</Min><Max>1</Max><Med>1</Med>"
                       "<NumDecimals>99999999</NumDecimals>",
         false,
         false,
         {{"Illuminance", "1.00000000000000000000 lx", "1.00000000000000000000 lx",
           "1.00000000000000000000 lx", "1.00", "1.00", "1.00"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        ReportSettings::instance().unitSystem = c.imperial ? 1 : 0;
        appConfig().germanReports = c.german ? 1 : 0;
        LayOut(Result(c.info));
        std::vector<Row> all = tableRows();
        ASSERT_GE(all.size(), c.body.size() + 2);
        EXPECT_EQ(std::vector<Row>(all.begin() + 1, all.begin() + 1 + c.body.size()), c.body);
        EXPECT_EQ(all[1 + c.body.size()].front(),
                  c.what == std::string("luminance") ? "Observer" : "Calc");
    }
}

TEST_F(ResultPieceTest, NotesNameTheObserverTheSpecificPowerAndTheCalculation) {
    struct Case {
        const char* what;
        std::string info;
        std::string project;
        std::vector<Row> notes;
    };
    const Case cases[] = {
        {"luminance with power in a photosynthetic project",
         "<Type>Luminance</Type><ObserverName>Driver</ObserverName>"
         "<PotSpecificaIlluminotecnica>1.234</PotSpecificaIlluminotecnica>",
         "<ProjectInfo><ProjectMode>2</ProjectMode></ProjectInfo>"
         "<CalcInfo><Type>0</Type><Accuracy>3</Accuracy></CalcInfo>",
         {{"Observer", "Driver"}, {"Power", "1.23 [ W/(m²*100umol/(s*m2)) ]"}, {"Calc", "Direct"}}},
        {"power 0 in a visible-light project",
         "<Type>Illuminance</Type>"
         "<PotSpecificaIlluminotecnica>0</PotSpecificaIlluminotecnica>",
         "<CalcInfo><Type>1</Type><Accuracy>3</Accuracy></CalcInfo>",
         {{"Power", "0.00 [ W/(m²*100lx) ]"}, {"Calc", "Reflected (acc:3)"}}},
        {"radiometric",
         "<PotSpecificaIlluminotecnica>2</PotSpecificaIlluminotecnica>",
         "<ProjectInfo><ProjectMode>3</ProjectMode></ProjectInfo>",
         {{"Power", "2.00 [ W/(m²*100W/m2) ]"}, {"Calc", "Reflected (acc:0)"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        project.Load(projectDir.write("project.xml",
                                      "<Zentyra>" + c.project + "<AvailableElementsList>" +
                                          Result(c.info) + "</AvailableElementsList></Zentyra>"));
        LayOutLoaded();
        const std::vector<Row> all = tableRows();
        ASSERT_EQ(all.size(), 2 + c.notes.size());
        EXPECT_EQ(std::vector<Row>(all.begin() + 2, all.end()), c.notes);
    }
}

TEST_F(ResultPieceTest, AMissingPictureLeavesTheTableAlone) {
    LayOut(Result(kWorked, "missing.png"));
    EXPECT_EQ(ops<PictureOp>(1).size(), 1u); // the logo only
    EXPECT_TRUE(text(1, "40.0 lx"));
}

} // namespace
} // namespace zentyra
