#include "PieceTestSupport.h"

#include "pieces/QualityPiece.h"

namespace zentyra::test {
namespace {

using Row = std::vector<std::string>;

std::string Record(double rating, int tower, const std::string& target, double angle,
                   const std::string& observer) {
    return "<AbbCs><Gr>" + std::to_string(rating) + "</Gr><NumTow>" + std::to_string(tower) +
           "</NumTow><Baric>" + target + "</Baric><BetaDir>" + std::to_string(angle) +
           "</BetaDir><Obs>" + observer + "</Obs><LumVel>0.3</LumVel></AbbCs>";
}

std::string Grid(const std::string& flag, const std::string& observers,
                 const std::string& directions, const std::string& records) {
    std::string data;
    if (!flag.empty()) data += "<AbbCsOssDirToAppa>" + flag + "</AbbCsOssDirToAppa>";
    if (!observers.empty()) data += "<AbbCsNumOss>" + observers + "</AbbCsNumOss>";
    if (!directions.empty()) data += "<AbbCsNumDirez>" + directions + "</AbbCsNumDirez>";
    return Element("class_abbCss", 0, data + records);
}

// Observer i in direction j: rating 10 (i + 1) + j, angle 30 (j + 1), at (i + 1, i + 2, 1.5).
std::string FixedAngleRecords(int observers, int directions, int count = -1) {
    std::string records;
    int written = 0;
    for (int i = 0; i < observers; ++i)
        for (int j = 0; j < directions; ++j)
            if (count < 0 || written++ < count)
                records += Record(10 * (i + 1) + j, 0, "0 0 0", 30 * (j + 1),
                                  std::to_string(i + 1) + " " + std::to_string(i + 2) + " 1.5");
    return records;
}

class GlareSectionsTest : public PieceTest {};

TEST_F(GlareSectionsTest, SingleObserverPrintsPositionsRatingAndIncrement) {
    LayOut(Element("class_abbCsGr", 0,
                   "<CsGr><CsGrObs>1 2 1.5</CsGrObs><CsGrLook>10 20</CsGrLook>"
                   "<CsGrGr>45.678</CsGrGr><CsGrTi>12</CsGrTi><CsGrLumVelGr>3</CsGrLumVelGr>"
                   "</CsGr>"));
    EXPECT_EQ(sections(1), (std::vector<std::string>{"Glare"}));
    EXPECT_EQ(rows(1), (std::vector<Row>{{"Observer", "GR", "TI"},
                                         {"(x=1.00;y=2.00;z=1.50)m ---> (x=10.00;y=20.00;z=0.00)m",
                                          "45.68", "12.00"}}));
}

TEST_F(GlareSectionsTest, DirectionsRunDownThePageWhenThereAreAtLeastAsManyAsObservers) {
    LayOut(Grid("FALSE", "2", "3", FixedAngleRecords(2, 3)));
    EXPECT_EQ(rows(1), (std::vector<Row>{{"Observer", "Obs.1", "Obs.2"},
                                         {"x [m]", "1.00", "2.00"},
                                         {"y [m]", "2.00", "3.00"},
                                         {"Dir1: 30°", "10", "20"},
                                         {"Dir2: 60°", "11", "21"},
                                         {"Dir3: 90°", "12", "22"}}));
    // Under the section title (35 high, 20 below it) the heading row text stands 10 lower.
    EXPECT_EQ(text(1, "Observer")->at.y, 633 + 35 + 20 + 10);
}

TEST_F(GlareSectionsTest, ObserversRunDownThePageWhenThereAreMoreOfThem) {
    std::string records;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 2; ++j)
            records +=
                Record(i == 1 && j == 1 ? -1 : 15 + i + j, j == 0 ? 5 : -3,
                       j == 0 ? "10 20 8" : "30 40 6", 45.4, std::to_string(i + 1) + " 2 1.5");
    LayOut(Grid("yes", "4", "2", records));
    EXPECT_EQ(rows(1), (std::vector<Row>{{"Observer", "Posiz.Obs", "Tower 5", "Lum 3"},
                                         {"", "", "x=10.00 y=20.00", "x=30.00 y=40.00"},
                                         {"", "", "h=8.00", "h=6.00"},
                                         {"Obs.1", "1.00 2.00 1.50", "15 (45°)", "16 (45°)"},
                                         {"Obs.2", "2.00 2.00 1.50", "16 (45°)", "- (45°)"},
                                         {"Obs.3", "3.00 2.00 1.50", "17 (45°)", "18 (45°)"},
                                         {"Obs.4", "4.00 2.00 1.50", "18 (45°)", "19 (45°)"}}));
}

TEST_F(GlareSectionsTest, TowardTargetsTheFirstLayoutLabelsDirectionsWithTheTargetFormats) {
    LayOut(Grid("", "1", "2",
                Record(-1, 0, "12.34 5 9", 10, "1 1 1") + Record(20.6, -7, "3 4 5", 200, "1 1 1")));
    EXPECT_EQ(row(1, "T(12.3;5.0)"), (Row{"T(12.3;5.0)", "- (10°)"}));
    EXPECT_EQ(row(1, "L(3.0;4.0)"), (Row{"L(3.0;4.0)", "21 (200°)"}));
}

TEST_F(GlareSectionsTest, FlagTextsThatMeanFalse) {
    for (const std::string flag : {"no", "False", "0"}) {
        LayOut(Grid(flag, "1", "1", Record(-1, 2, "1 2 3", 30, "0 0 0")));
        EXPECT_EQ(row(1, "Dir1: 30°"), (Row{"Dir1: 30°", "-"})) << flag;
        recorder.Reset();
    }
}

TEST_F(GlareSectionsTest, MissingCountsGiveTheFirstLayoutWithItsLabelCellsOnly) {
    // Heading rows without a body row: the table still shows its label cells.
    LayOut(Grid("0", "", "", FixedAngleRecords(2, 2)));
    EXPECT_EQ(sections(1), (std::vector<std::string>{"Glare"}));
    EXPECT_EQ(rows(1), (std::vector<Row>{{"Observer"}, {"x [m]"}, {"y [m]"}}));
    // With one direction the three label cells head the direction row.
    LayOut(Grid("0", "", "1", FixedAngleRecords(1, 1)));
    EXPECT_EQ(rows(1), (std::vector<Row>{{"Observer"}, {"x [m]"}, {"y [m]"}, {"Dir1: 30°"}}));
}

TEST_F(GlareSectionsTest, NoDirectionsGivesObserverRowsWithoutDirectionColumns) {
    LayOut(Grid("0", "2", "0", FixedAngleRecords(2, 1)));
    // Every observer's position comes from record i x 0, the first one.
    EXPECT_EQ(rows(1), (std::vector<Row>{{"Observer", "Posiz.Obs"},
                                         {"", ""},
                                         {"", ""},
                                         {"Obs.1", "1.00 2.00 1.50"},
                                         {"Obs.2", "1.00 2.00 1.50"}}));
}

TEST_F(GlareSectionsTest, CellsOfRecordsTheFileDoesNotHoldStayEmpty) {
    LayOut(Grid("0", "2", "3", FixedAngleRecords(2, 3, 4)));
    EXPECT_EQ(rows(1), (std::vector<Row>{{"Observer", "Obs.1", "Obs.2"},
                                         {"x [m]", "1.00", "2.00"},
                                         {"y [m]", "2.00", "3.00"},
                                         {"Dir1: 30°", "10", "20"},
                                         {"Dir2: 60°", "11", ""},
                                         {"Dir3: 90°", "12", ""}}));
    recorder.Reset();
    LayOut(Grid("1", "3", "2", FixedAngleRecords(3, 2, 1)));
    EXPECT_EQ(rows(1), (std::vector<Row>{{"Observer", "Posiz.Obs", "Tower 0", ""},
                                         {"", "", "x=0.00 y=0.00", ""},
                                         {"", "", "h=0.00", ""},
                                         {"Obs.1", "1.00 2.00 1.50", "10 (30°)", ""},
                                         {"Obs.2", "", "", ""},
                                         {"Obs.3", "", "", ""}}));
}

TEST_F(GlareSectionsTest, NegativeCountsCountAsNone) {
    LayOut(Grid("0", "-5", "2", FixedAngleRecords(1, 2)));
    EXPECT_EQ(rows(1),
              (std::vector<Row>{{"Observer"}, {"x [m]"}, {"y [m]"}, {"Dir1: 30°"}, {"Dir2: 60°"}}));
    recorder.Reset();
    LayOut(Grid("0", "1", "-2", FixedAngleRecords(1, 2)));
    EXPECT_EQ(rows(1),
              (std::vector<Row>{
                  {"Observer", "Posiz.Obs"}, {"", ""}, {"", ""}, {"Obs.1", "1.00 2.00 1.50"}}));
}

TEST_F(GlareSectionsTest, AHugeObserverCountIsCutToTheLimit) {
    LayOut(Grid("0", "1000000000", "2", FixedAngleRecords(1, 2)));
    const int last = pageCount() - 2; // cover and index follow
    ASSERT_GT(last, 1);
    EXPECT_FALSE(row(last, "Obs.10000").empty());
    for (int page = 1; page <= last; ++page)
        EXPECT_TRUE(row(page, "Obs.10001").empty());
    EXPECT_EQ(row(1, "Obs.2"), (Row{"Obs.2", "", "", ""}));
}

TEST(GlareGrid, CountsAsPrinted) {
    const struct {
        int observers, directions;
        GlareGrid expected;
    } cases[] = {
        {2, 3, {2, 3, true}},
        {4, 2, {4, 2, false}},
        {0, 0, {0, 0, true}},
        {-1, -1, {0, 0, true}},
        {-3, 2, {0, 2, true}},
        {3, -2, {3, 0, false}},
        {10000, 1, {10000, 1, false}},
        {1000000000, 2, {kMaxGlareObservers, 2, false}},
        {1000000000, 1000000000, {20, kMaxGlareDirections, true}},
        {1000, 500, {1000, 200, false}},
    };
    for (const auto& c : cases) {
        const GlareGrid grid = PrintedGlareGrid(c.observers, c.directions);
        EXPECT_EQ(grid.observers, c.expected.observers) << c.observers << " x " << c.directions;
        EXPECT_EQ(grid.directions, c.expected.directions) << c.observers << " x " << c.directions;
        EXPECT_EQ(grid.directionsDown, c.expected.directionsDown) << c.observers;
    }
}

} // namespace
} // namespace zentyra::test
