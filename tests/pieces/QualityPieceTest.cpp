#include "PieceTestSupport.h"

#include "pieces/QualityPiece.h"
#include "pieces/RoadResultsData.h"

#include <tinyxml.h>

namespace zentyra::test {
namespace {

using Row = std::vector<std::string>;

class QualityPieceTest : public PieceTest {};

TEST_F(QualityPieceTest, OnlyTheSummaryPrintsTheTitleAndItsHeading) {
    LayOut(Element("class_summaryResult", 0));
    EXPECT_EQ(text(1, "1.1    Quality")->at.y, 548);
    EXPECT_EQ(sections(1), (std::vector<std::string>{"Summary heading"}));
    const std::optional<TextOp> heading = text(1, "Summary heading");
    ASSERT_TRUE(heading);
    EXPECT_EQ(heading->at.y, 633);
    EXPECT_EQ(heading->font, ReportFont::Section);
    EXPECT_TRUE(rows(1).empty());
}

TEST_F(QualityPieceTest, SectionsFollowInTheirOrderUnderOneTitle) {
    LayOut(Element("class_visualComfort", 0) + Element("class_abbCss", 0) +
           Element("class_abbCsGr", 0) + Element("class_inqLum", 0) +
           Element("class_roadResults", 0) + Element("class_summaryResult", 0));
    EXPECT_EQ(sections(1), (std::vector<std::string>{"Summary heading", "Pollution", "Glare",
                                                     "Glare", "Comfort"}));
}

TEST_F(QualityPieceTest, ElementsOfAnotherIdPrintNothing) {
    LayOut(Element("class_summaryResult", 3) + Element("class_plantView", 0));
    EXPECT_FALSE(text(1, "1.1    Quality"));
    EXPECT_TRUE(sections(1).empty());
}

TEST_F(QualityPieceTest, RoadResultsKeepTheirTextsAsWritten) {
    LayOut(Element("class_roadResults", 0,
                   "<RoadRaw><Zona>Carriageway</Zona><Osservatore>Obs 1</Osservatore>"
                   "<LAv>1,25 cd/m2</LAv><Uo>0,35</Uo><Ul>1.2e3</Ul><Ti>12 %</Ti><Sr>0.5</Sr>"
                   "<Other>x</Other></RoadRaw>"
                   "<RoadRaw><Zona>Sidewalk</Zona></RoadRaw>"));
    const std::vector<Row> table = rows(1);
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table[0],
              (Row{"Carriageway", "Obs 1", "1,25 cd/m2", "0,35", "1.2e3", "12 %", "0.5"}));
    EXPECT_EQ(table[1], (Row{"Sidewalk", "", "", "", "", "", ""}));
    EXPECT_EQ(text(1, "Carriageway")->align.horizontal, HAlign::Left);
    EXPECT_EQ(text(1, "Carriageway")->at.y, 633 + 10);
}

TEST_F(QualityPieceTest, LightPollutionPrintsAPercentageUnderItsHeading) {
    LayOut(Element("class_inqLum", 0,
                   "<InqLum><InqLumRn>1.5</InqLumRn><InqLumIntMax>9</InqLumIntMax></InqLum>"));
    EXPECT_EQ(rows(1), (std::vector<Row>{{"Rn"}, {"1.50 %"}}));
    EXPECT_EQ(text(1, "Pollution")->at.y, 633);
    EXPECT_EQ(text(1, "1.50 %")->align.horizontal, HAlign::Centre);
}

TEST_F(QualityPieceTest, VisualComfortRowsPerObserver) {
    LayOut(Element("class_visualComfort", 0,
                   "<Observer><ObsNum>7</ObsNum><ObsName>A</ObsName><ObsPos>1.5 2 1.2</ObsPos>"
                   "<ObsLook>4 5</ObsLook><ObsVCP>80.456</ObsVCP><ObsUGR>19</ObsUGR>"
                   "<ObsCGI>0,5</ObsCGI></Observer>"
                   "<Observer></Observer>"));
    EXPECT_EQ(rows(1), (std::vector<Row>{
                           {"Observer", "Pos", "Look", "VCP", "UGR", "CGI"},
                           {"7", "1.50 2.00 1.20", "4.00 5.00 0.00", "80.46", "19.00", "0.00"},
                           {"0", "0.00 0.00 0.00", "0.00 0.00 0.00", "0.00", "0.00", "0.00"}}));
}

TEST_F(QualityPieceTest, AnEmptyVisualComfortElementPrintsItsTitleAndAClosedEmptyTable) {
    LayOut(Element("class_visualComfort", 0));
    EXPECT_EQ(sections(1), (std::vector<std::string>{"Comfort"}));
    // A table without body rows still shows its heading row, closed by a rule.
    EXPECT_EQ(rows(1), (std::vector<Row>{{"Observer", "Pos", "Look", "VCP", "UGR", "CGI"}}));
    const std::vector<LineOp> lines = ops<LineOp>(1);
    ASSERT_FALSE(lines.empty());
    // The heading band from 633 + 35 + 20 (one row of 41 and its 10 of spacing), ruled below.
    const auto ruled = [&](int y) {
        return std::any_of(lines.begin(), lines.end(), [y](const LineOp& l) {
            return l.from == PagePoint{150, y} && l.to == PagePoint{2000, y};
        });
    };
    EXPECT_TRUE(ruled(633 + 35 + 20));
    EXPECT_TRUE(ruled(633 + 35 + 20 + 41 + 10));
}

TEST(RoadResultsData, ReadsRowsAndObserversInDocumentOrder) {
    TiXmlDocument xml;
    xml.Parse("<D><RoadRaw><Zona>a</Zona><Uo>0,35</Uo></RoadRaw><RoadRaw><Zona>b</Zona>"
              "</RoadRaw><Observer><ObsPos>1.5 2 1.2</ObsPos><ObsLook>3 4</ObsLook>"
              "<ObsUGR>18.5</ObsUGR></Observer></D>");
    const std::vector<RoadResultRow> results = ReadRoadResults(xml.RootElement());
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results[0].zone, "a");
    EXPECT_EQ(results[0].Uo, "0,35");
    EXPECT_EQ(results[1].zone, "b");
    const std::vector<VisualComfortObserver> observers = ReadVisualComfort(xml.RootElement());
    ASSERT_EQ(observers.size(), 1u);
    EXPECT_EQ(observers[0].number, 0);
    EXPECT_DOUBLE_EQ(observers[0].position.y, 2.0);
    EXPECT_DOUBLE_EQ(observers[0].position.z, 1.2);
    EXPECT_DOUBLE_EQ(observers[0].lookAt.z, 0.0);
    EXPECT_DOUBLE_EQ(observers[0].UGR, 18.5);
    EXPECT_TRUE(ReadRoadResults(nullptr).empty());
    EXPECT_TRUE(ReadVisualComfort(nullptr).empty());
}

class ObserverNameTest : public ::testing::Test {
protected:
    void SetUp() override {
        UseLanguages(dir,
                     {{6380, "P6380"},
                      {7514, "Pcorsia"},
                      {4383, "Psx"},
                      {7515, "Pdx"},
                      {7516, "Pc"},
                      {7582, "Pdir"},
                      {1685, "POss"}},
                     {{6380, "q6380"},
                      {7514, "lane"},
                      {4383, "left"},
                      {7515, "right"},
                      {7516, "centre"},
                      {7582, "direction"},
                      {1685, "Obs"}});
    }
    void TearDown() override {
        SetPrintLanguage(nullptr);
        SetProgramLanguage(nullptr);
    }
    TempDir dir;
};

TEST_F(ObserverNameTest, StopsAfterTheFirstGroupThatReplacedAnything) {
    const struct {
        const char* name;
        const char* expected;
    } cases[] = {
        {"Obs q6380 lane", "Obs P6380 lane"},           // first group only
        {"Obs lane left right", "Obs Pcorsia Psx Pdx"}, // the whole second group, then stop
        {"Obs centre", "Obs Pc"},
        {"Obs direction 2", "Obs Pdir 2"}, // third group stops before the fourth
        {"Obs 1 Obs 2", "POss 1 POss 2"},  // every occurrence
        {"obs lane", "obs Pcorsia"},       // case-sensitive
        {"nothing known", "nothing known"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TranslateObserverName(c.name), c.expected) << c.name;
}

} // namespace
} // namespace zentyra::test
