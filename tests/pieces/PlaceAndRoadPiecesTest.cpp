// The place information (room surfaces and the road section) and the road installation piece
// on fixed metrics.
#include "TablePieceTestSupport.h"

#include "document/SharedTexts.h"

#include <gtest/gtest.h>

namespace zentyra {
namespace {

using test::Element;
using Row = std::vector<std::string>;

std::string Surface(const std::string& name, const std::string& colour, const std::string& rho,
                    const std::string& lo, const std::string& hi, const std::string& mean) {
    return "<Surface><Name>" + name + "</Name><Color>" + colour + "</Color><Reflectance>" + rho +
           "</Reflectance><MinIllum>" + lo + "</MinIllum><MaxIllum>" + hi +
           "</MaxIllum><MeanIllum>" + mean + "</MeanIllum><Type>x</Type></Surface>";
}

std::string Zone(const std::string& name, const std::string& subZones, int type = 0) {
    return "<Zone><Name>" + name + "</Name><Type>" + std::to_string(type) +
           "</Type><Width>7.5</Width><Y1>0</Y1><Y2>7.5</Y2><PtCalcY>6</PtCalcY>"
           "<Height>0.15</Height><RTable>C2</RTable><Q0CRif>0.07</Q0CRif>" +
           subZones + "</Zone>";
}

std::string SubZone(const std::string& name, double y1) {
    return "<SubZone><Name>" + name + "</Name><Direction>E</Direction><Width>3.75</Width><Y1>" +
           FormatNumber(y1, 2) + "</Y1><Y2>" + FormatNumber(y1 + 3.75, 2) +
           "</Y2><PtCalcY>3</PtCalcY></SubZone>";
}

std::string Line(const std::string& name, bool virtualRow, const std::string& extra = {}) {
    return "<Line><Name>" + name +
           "</Name><PosX>1</PosX><PosY>-0.8</PosY><Height>10</Height>"
           "<LumPosX>2.8</LumPosX><LumPosY>-0.8</LumPosY><VirtualRow>" +
           (virtualRow ? "1" : "0") +
           "</VirtualRow><PostNum>7</PostNum><Interdistance>30.48</Interdistance>"
           "<LumLC>1.5</LumLC><LumTilting>15</LumTilting><ArmRotation>90</ArmRotation>"
           "<LumRotation>0.4</LumRotation><LatLumIncl>-5</LatLumIncl><Layer>L1</Layer>"
           "<Increm>1.25</Increm><Section>42.5</Section><LightTypeStringID>A</LightTypeStringID>" +
           extra + "</Line>";
}

std::string Road(bool tunnel, const std::string& content) {
    return Element("class_roadInfo", 0,
                   std::string("<IsTunnel>") + (tunnel ? "1" : "0") + "</IsTunnel>" + content);
}

std::string Tunnel(int cover) {
    return "<RoadTun><Tun_LumCalcModeStrId>7591</Tun_LumCalcModeStrId><Tun_coverType>" +
           std::to_string(cover) +
           "</Tun_coverType><Tun_tunWidth>3.048</Tun_tunWidth><Tun_tunHeight>7.5</Tun_tunHeight>"
           "<Tun_tunHeightHO>1</Tun_tunHeightHO><Tun_tunPiedritto>3</Tun_tunPiedritto>"
           "<Tun_tunDiameter>9</Tun_tunDiameter><Tun_h_walls>2.5</Tun_h_walls>"
           "<Tun_color_walls>1 1 1</Tun_color_walls><Tun_coefRif_walls>0.35</Tun_coefRif_walls>"
           "<Tun_color_ceil>0.5 0.5 0.5</Tun_color_ceil><Tun_coefRif_ceil>0.2</Tun_coefRif_ceil>"
           "</RoadTun>";
}

const Row kSurfaceHeadings = {"Surface", "Colour",   "Refl",    "Avg",     "Min",
                              "Max",     "Min/Mean", "Min/Max", "Mean/Max"};
const Row kZoneHeadings = {"Zone", "Type", "Sub", "Dir", "W",  "Y1",
                           "Y2",   "Pts",  "Pts", "H",   "RT", "Q0"};

class PlaceInfoTest : public test::TablePieceTest {
protected:
    // Lays out with only the chosen piece ticked, so it starts at 633 on page 1.
    void LayOutOnly(const std::string& elements, int pieceType) {
        project.Load(projectDir.write("project.xml", test::ProjectXml(elements)));
        for (const auto& item : project.tree.items())
            if (item->IsPiece() && item->type != pieceType && item->type != kPieceIndex &&
                item->type != kPieceGeneralInfo)
                item->selected = false;
        LayOutLoaded();
    }
    std::string picture(const std::string& name) {
        const std::string path = projectDir.write(name, "GIF89a");
        pictures.bitmaps[path] = {760, 190};
        return path;
    }
};

TEST_F(PlaceInfoTest, RoomSurfacesPrintPercentDecimalsByMagnitudeAndRatios) {
    LayOut(Element("class_placeInfo", 0,
                   Surface("Floor", "153,128,102", "0.456", "99.96", "250", "9.996") +
                       Surface("Ceiling", "", "0.8", "10", "0", "20") +
                       Surface("Dark", "0,0,0", "0", "0", "0", "0") + "<Other/>"));
    EXPECT_TRUE(text(1, "1.1    Place"));
    const std::vector<Row> expected = {
        kSurfaceHeadings,
        {"", "RGB", "[%]", "[lx]", "[lx]", "[lx]", "", "", ""},
        {"Floor", "153,128,102", "46%", "10.00", "100.0", "250", "10.00", "0.40", "0.04"},
        {"Ceiling", "", "80%", "20.0", "10.0", "0.00", "0.50", "inf", "inf"},
        {"Dark", "0,0,0", "0%", "0.00", "0.00", "0.00", "-", "-", "-"},
    };
    EXPECT_EQ(rows(1, 600), expected);
    EXPECT_EQ(yOf(1, "Surface"), 643);
    EXPECT_EQ(yOf(1, "RGB"), 684);
    EXPECT_EQ(yOf(1, "Floor"), 735);
}

TEST_F(PlaceInfoTest, ImperialSurfacesPrintFootCandles) {
    ReportSettings::instance().unitSystem = 1;
    LayOut(Element("class_placeInfo", 0, Surface("Floor", "1", "0.5", "50", "200", "100")));
    const std::vector<Row> all = rows(1, 600);
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[1], (Row{"", "RGB", "[%]", "[fc]", "[fc]", "[fc]", "", "", ""}));
    EXPECT_EQ(all[2], (Row{"Floor", "1", "50%", "9.29", "4.65", "18.6", "0.50", "0.25", "0.50"}));
}

TEST_F(PlaceInfoTest, PhotosyntheticProjectsHeadTheirIlluminancesWithTheirUnit) {
    project.Load(projectDir.write(
        "project.xml",
        test::ProjectXml(Element("class_placeInfo", 0, Surface("F", "", "", "", "", "")),
                         "<ProjectInfo><ProjectMode>2</ProjectMode></ProjectInfo>")));
    LayOutLoaded();
    EXPECT_TRUE(text(1, "[umol/(s*m2)]"));
    EXPECT_EQ(rows(1, 600).at(2), (Row{"F", "", "0%", "0.00", "0.00", "0.00", "-", "-", "-"}));
}

TEST_F(PlaceInfoTest, WithoutEitherElementForItsIdThePieceDrawsNothing) {
    // The piece exists for id 0; the road element has id 1.
    LayOut(Element("class_roadInfo", 1, "<IsTunnel>0</IsTunnel>" + Zone("Z", "")));
    ASSERT_NE(project.FindElement("class_roadInfo", 1), nullptr);
    EXPECT_FALSE(text(1, "1.1    Place"));
    EXPECT_FALSE(text(1, "Zone"));
}

TEST_F(PlaceInfoTest, ARoadWithoutTunnelPrintsOnlyTheZoneTableAndItsLegend) {
    const std::string legend = picture("LegendRoadZone.gif");
    picture("LegendFornice.gif");
    LayOutOnly(Road(false, Zone("Road", SubZone("Lane 1", 0) + SubZone("Lane 2", 3.75)) +
                               Zone("Cycle", SubZone("Both", 7.5), 2) + Zone("Walk", "", 1) +
                               Zone("Verge", "", 7)),
               kPiecePlaceInfo);
    EXPECT_TRUE(text(1, "1.1    Place"));
    EXPECT_FALSE(text(1, "Surface"));
    const std::vector<Row> expected = {
        kZoneHeadings,
        {"", "", "", "", "<m>", "[m]", "[m]", "z", "s", "(m)", "", "q"},
        {"1. Road", "Road", "", "", "7.50", "0.00", "7.50", "6", "", "0.15", "C2", "0.0700"},
        {"", "1.1", "Lane 1", "E", "3.75", "0.00", "3.75", "", "3", "", "", ""},
        {"", "1.2", "Lane 2", "E", "3.75", "3.75", "7.50", "", "3", "", "", ""},
        {"2. Cycle", "Cycle", "Both", "E", "3.75", "7.50", "11.25", "6", "3", "0.15", "C2",
         "0.0700"},
        {"3. Walk", "Walk", "", "", "7.50", "0.00", "7.50", "6", "", "0.15", "C2", "0.0700"},
        {"4. Verge", "", "", "", "7.50", "0.00", "7.50", "6", "", "0.15", "C2", "0.0700"},
    };
    EXPECT_EQ(rows(1, 600), expected);
    EXPECT_EQ(yOf(1, "Zone"), 643); // the table starts right under the title
    // Texts left, numbers right, sub-zone numbers centred.
    EXPECT_EQ(text(1, "1. Road")->align.horizontal, HAlign::Left);
    EXPECT_EQ(text(1, "0.0700")->align.horizontal, HAlign::Right);
    EXPECT_EQ(text(1, "1.1")->align.horizontal, HAlign::Centre);
    // Six body rows from 735, the closing rule and 30 more, then half a line.
    const auto images = ops<PictureOp>(1);
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[1].file, legend);
    EXPECT_EQ(images[1].box, (PageRect{150, 987, 2000, 1477}));
    EXPECT_EQ(images[1].rect.left, 150);
    EXPECT_EQ(images[1].rect.top, 987);
}

TEST_F(PlaceInfoTest, TheTunnelBlockListsTheLinesOfItsCrossSection) {
    struct Case {
        int cover;
        std::vector<std::string> labels;
        std::string section;
    };
    const std::vector<std::string> head = {"Section", "Width", "Height"};
    const std::vector<std::string> tail = {"Walls h", "Walls", "Ceiling"};
    auto join = [&](std::vector<std::string> middle) {
        std::vector<std::string> all = head;
        all.insert(all.end(), middle.begin(), middle.end());
        all.insert(all.end(), tail.begin(), tail.end());
        return all;
    };
    const Case cases[] = {
        {0, join({}), "Rect"}, {1, join({"Piedritto"}), "Vault"},
        {2, join({}), "Flat"}, {3, join({"HeightHO", "Diameter"}), "Circle"},
        {4, join({}), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cover);
        TearDown();
        SetUp();
        const std::string fornice = picture("LegendFornice.gif");
        LayOutOnly(Road(true, Tunnel(c.cover)), kPiecePlaceInfo);
        // The first line at the top of the block, the others from two lines lower.
        ASSERT_TRUE(text(1, "Mode L20"));
        EXPECT_EQ(yOf(1, "Mode L20"), 633);
        int y = 633 + 62;
        for (const std::string& label : c.labels) {
            const auto op = text(1, label);
            ASSERT_TRUE(op) << label;
            EXPECT_EQ(op->at, (PagePoint{150, y})) << label;
            y += 31;
        }
        const auto section = ops<TextOp>(1);
        const auto value = std::find_if(section.begin(), section.end(), [](const TextOp& op) {
            return op.at.y == 633 + 62 && op.at.x == 1075;
        });
        if (c.section.empty()) {
            EXPECT_EQ(value, section.end());
        } else {
            ASSERT_NE(value, section.end());
            EXPECT_EQ(value->text, c.section);
            EXPECT_EQ(value->align.horizontal, HAlign::Right);
        }
        EXPECT_TRUE(text(1, "(255,255,255) 35%"));
        EXPECT_TRUE(text(1, "(127,127,127) 20%"));
        EXPECT_TRUE(text(1, "3.05 m"));
        // The legend sits right-aligned in the right half; the table starts two lines under
        // the last line.
        const auto images = ops<PictureOp>(1);
        ASSERT_GE(images.size(), 2u);
        EXPECT_EQ(images[1].file, fornice);
        EXPECT_EQ(images[1].box, (PageRect{1075, 633, 2000, 933}));
        EXPECT_EQ(images[1].rect.right, 2000);
        EXPECT_EQ(yOf(1, "Zone"), std::max(633 + 231, y - 31 + 62) + 10);
    }
}

TEST_F(PlaceInfoTest, ImperialTunnelsAndZonesPrintFeet) {
    ReportSettings::instance().unitSystem = 1;
    LayOutOnly(Road(true, Tunnel(0) + Zone("Road", "")), kPiecePlaceInfo);
    EXPECT_TRUE(text(1, "10.00 ft")); // 3.048 m
    EXPECT_TRUE(text(1, "24.61 ft")); // 7.5 m
    EXPECT_TRUE(text(1, "<ft>"));
    EXPECT_TRUE(text(1, "24.61"));  // the zone's width
    EXPECT_TRUE(text(1, "0.0700")); // coefficients are never converted
}

TEST_F(PlaceInfoTest, ATunnelWithoutItsSectionPrintsZerosAndEmptyColours) {
    LayOutOnly(Element("class_roadInfo", 0, ""), kPiecePlaceInfo); // no IsTunnel: a tunnel
    EXPECT_TRUE(text(1, "Rect"));
    EXPECT_TRUE(text(1, "0.00 m"));
    EXPECT_TRUE(text(1, "() 0%"));
    EXPECT_EQ(yOf(1, "Section"), 633 + 62);
}

TEST_F(PlaceInfoTest, TheZoneLegendStartsANewPageWhenLessThanItsBoxIsLeft) {
    for (const int zones : {47, 48}) {
        SCOPED_TRACE(zones);
        TearDown();
        SetUp();
        const std::string legend = picture("LegendRoadZone.gif");
        std::string content;
        for (int i = 0; i < zones; ++i)
            content += Zone("Z", "");
        LayOutOnly(Road(false, content), kPiecePlaceInfo);
        // Body rows from 735, 31 each; closing rule, 30 and half a line under the last.
        const int under = 735 + 31 * zones + 51 + 15;
        const bool fits = 2769 - under >= 490;
        const auto images = ops<PictureOp>(fits ? 1 : 2);
        ASSERT_EQ(images.size(), 2u);
        EXPECT_EQ(images[1].file, legend);
        EXPECT_EQ(images[1].box.top, fits ? under : 412);
        EXPECT_EQ(zones == 47, fits);
    }
}

TEST_F(PlaceInfoTest, TenThousandZonesBreakAcrossPagesWithTheirHeadings) {
    std::string content;
    for (int i = 0; i < 10000; ++i)
        content += "<Zone><Name>Z</Name></Zone>";
    content += Zone("Wide", [] {
        std::string subs;
        for (int i = 0; i < 500; ++i)
            subs += "<SubZone><Name>S</Name></SubZone>";
        return subs;
    }());
    LayOutOnly(Road(false, content), kPiecePlaceInfo);
    const std::size_t pages = recorder.pages().size();
    ASSERT_GT(pages, 140u);
    // Every page of the table repeats both heading rows above its body rows.
    for (int page : {2, 100, static_cast<int>(pages) / 2}) {
        SCOPED_TRACE(page);
        const std::vector<Row> all = rows(page);
        ASSERT_GE(all.size(), 3u);
        EXPECT_EQ(all[0], kZoneHeadings);
        EXPECT_EQ(all[1].at(4), "<m>");
    }
    bool lastZone = false;
    bool lastSub = false;
    for (std::size_t page = 1; page <= pages; ++page) {
        lastZone = lastZone || text(static_cast<int>(page), "10001. Wide");
        lastSub = lastSub || text(static_cast<int>(page), "10001.500");
    }
    EXPECT_TRUE(lastZone);
    EXPECT_TRUE(lastSub);
}

TEST_F(PlaceInfoTest, WithoutSurfacesOnlyTheHeadingsAreDrawn) {
    LayOut(Element("class_placeInfo", 0, "<Other/>"));
    const std::vector<Row> all = rows(1, 600);
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0], kSurfaceHeadings);
}

TEST_F(PlaceInfoTest, ATunnelBlockThatWouldReachTheFooterStartsANewPage) {
    for (const int surfaces : {50, 60}) {
        SCOPED_TRACE(surfaces);
        TearDown();
        SetUp();
        std::string content;
        for (int i = 0; i < surfaces; ++i)
            content += Surface("S", "", "0.5", "1", "2", "1.5");
        LayOutOnly(Element("class_placeInfo", 0, content) + Road(true, Tunnel(0)), kPiecePlaceInfo);
        // Body rows from 735; closing rule and 30 more under them.
        const int under = 735 + 31 * surfaces + 51;
        const bool fits = 2769 - under >= 300;
        EXPECT_EQ(surfaces == 50, fits);
        EXPECT_EQ(yOf(fits ? 1 : 2, "Mode L20"), fits ? under : 412);
        for (const TextOp& op : ops<TextOp>(1))
            EXPECT_TRUE(op.at.y < 2769 || op.align.vertical == VAlign::Bottom) << op.text;
    }
}

TEST_F(PlaceInfoTest, RoomAndRoadShareOneTitle) {
    LayOutOnly(Element("class_placeInfo", 0, Surface("Floor", "", "0.3", "1", "2", "1.5")) +
                   Road(false, ""),
               kPiecePlaceInfo);
    int titles = 0;
    for (const TextOp& op : ops<TextOp>(1))
        titles += op.font == ReportFont::PieceTitle;
    EXPECT_EQ(titles, 1);
    EXPECT_LT(yOf(1, "Surface"), yOf(1, "Zone"));
}

class RoadAppaTest : public PlaceInfoTest {};

TEST_F(RoadAppaTest, AnOpenRoadPrintsFourteenColumns) {
    LayOutOnly(Road(false, Line("South", false) + Line("Calc", true)), kPieceRoadAppa);
    EXPECT_TRUE(text(1, "1.1    Road installation"));
    const std::vector<Row> expected = {
        {"Row", "Lum", "PX", "PY", "LX", "LY", "Hgt", "Poles", "Spacing", "LC", "Tilt", "Arm",
         "Rot", "Incl"},
        {"", "", "[m]x", "[m]y", "[m]lx", "[m]ly", "[m]h", "[n]", "[m]i", "[m]lc", "[deg]t",
         "[deg]r", "[deg]r", "[deg]n"},
        {"South", "A", "1.00", "-0.80", "2.80", "-0.80", "10.00", "7", "30.48", "1.50", "15", "90",
         "0", "-5"},
        {"Calc", "A", "1.00", "-0.80", "2.80", "-0.80", "10.00", "---", "30.48", "1.50", "15", "90",
         "0", "-5"},
    };
    EXPECT_EQ(rows(1, 600), expected);
    EXPECT_EQ(text(1, "---")->align.horizontal, HAlign::Right);
    EXPECT_EQ(text(1, "South")->align.horizontal, HAlign::Left);
}

TEST_F(RoadAppaTest, ATunnelPrintsThirteenColumnsWithLayerIncrementAndSection) {
    ReportSettings::instance().unitSystem = 1;
    LayOutOnly(Road(true, Line("Wall", true)), kPieceRoadAppa);
    const std::vector<Row> expected = {
        {"Row", "Lum", "Layer", "LX", "LY", "Hgt", "Poles", "Spacing", "Incr", "Sect", "Tilt",
         "Rot", "Incl"},
        {"", "", "", "[ft]lx", "[ft]ly", "[ft]h", "[#]", "[ft]i", "", "[ft]", "[deg]t", "[deg]r",
         "[deg]n"},
        {"Wall", "A", "L1", "9.19", "-2.62", "32.81", "---", "100.00", "1.25", "139.44", "15", "0",
         "-5"},
    };
    EXPECT_EQ(rows(1, 600), expected);
}

TEST_F(RoadAppaTest, TheLightLegendStartsANewPageWhenLessThanItsBoxIsLeft) {
    for (const int lines : {0, 49, 50}) {
        SCOPED_TRACE(lines);
        TearDown();
        SetUp();
        const std::string legend = picture("LegendRoadLight.gif");
        std::string content;
        for (int i = 0; i < lines; ++i)
            content += Line("L", false);
        LayOutOnly(Road(false, content), kPieceRoadAppa);
        const int under = 735 + 31 * lines + 51 + 15;
        const bool fits = 2769 - under >= 440;
        const auto images = ops<PictureOp>(fits ? 1 : 2);
        ASSERT_EQ(images.size(), 2u);
        EXPECT_EQ(images[1].file, legend);
        // Without lines the table is its two heading rows.
        EXPECT_EQ(images[1].box.top, fits ? under : 412);
        EXPECT_EQ(images[1].box.bottom - images[1].box.top, 440);
        EXPECT_EQ(lines != 50, fits);
    }
}

TEST_F(RoadAppaTest, WithoutARoadElementNothingIsDrawn) {
    LayOut(Element("class_placeInfo", 0, ""));
    EXPECT_FALSE(text(1, "1.2    Road installation"));
    EXPECT_FALSE(text(1, "1.1    Road installation"));
}

} // namespace
} // namespace zentyra
