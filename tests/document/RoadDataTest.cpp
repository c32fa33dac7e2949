#include "DocumentTestSupport.h"

#include "document/RoadData.h"
#include "document/XmlLoading.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

namespace zentyra {
namespace {

RoadData Read(const std::string& children) {
    TiXmlDocument doc;
    EXPECT_TRUE(ParseXmlText("<CustomClassData>" + children + "</CustomClassData>", doc));
    RoadData road;
    EXPECT_TRUE(ReadRoadData(doc.RootElement(), road));
    return road;
}

const std::string kTunnel =
    "<RoadTun><Tun_LumCalcMode>2</Tun_LumCalcMode><Tun_LumCalcModeStrId>7591"
    "</Tun_LumCalcModeStrId><Tun_coverType>3</Tun_coverType><Tun_tunWidth>9.5</Tun_tunWidth>"
    "<Tun_tunHeight>7</Tun_tunHeight><Tun_tunHeightHO>1.5</Tun_tunHeightHO>"
    "<Tun_tunPiedritto>3</Tun_tunPiedritto><Tun_tunDiameter>10</Tun_tunDiameter>"
    "<Tun_h_walls>2.5</Tun_h_walls><Tun_color_walls>1 1 1</Tun_color_walls>"
    "<Tun_coefRif_walls>0.35</Tun_coefRif_walls><Tun_color_ceil>0.2</Tun_color_ceil>"
    "<Tun_coefRif_ceil>0.1</Tun_coefRif_ceil></RoadTun>";
const std::string kLine = "<Line><Name>Row</Name><VirtualRow>no</VirtualRow><PostNum>4</PostNum>"
                          "<Layer>L2</Layer><Increm>1.5</Increm><Section>40</Section>"
                          "<LightTypeStringID>B</LightTypeStringID></Line>";

TEST(RoadData, ARoadWithoutTheTunnelFlagIsATunnel) {
    RoadData road = Read(kTunnel + kLine);
    EXPECT_TRUE(road.IsTunnel);
    EXPECT_EQ(road.Tun_LumCalcModeStrId, 7591);
    EXPECT_EQ(road.Tun_coverType, 3);
    EXPECT_DOUBLE_EQ(road.Tun_tunWidth, 9.5);
    EXPECT_DOUBLE_EQ(road.Tun_tunHeightHO, 1.5);
    EXPECT_DOUBLE_EQ(road.Tun_tunDiameter, 10.0);
    EXPECT_EQ(road.Tun_color_walls, "255,255,255");
    EXPECT_EQ(road.Tun_color_ceil, "51,0,0");
    EXPECT_DOUBLE_EQ(road.Tun_coefRif_walls, 0.35);
    ASSERT_EQ(road.lines.size(), 1u);
    EXPECT_EQ(road.lines[0].Layer, "L2");
    EXPECT_DOUBLE_EQ(road.lines[0].Section, 40.0);
    EXPECT_FALSE(road.lines[0].VirtualRow);

    // Without RoadTun the tunnel's fields stay 0 and empty.
    road = Read("");
    EXPECT_TRUE(road.IsTunnel);
    EXPECT_EQ(road.Tun_LumCalcModeStrId, 0);
    EXPECT_EQ(road.Tun_color_walls, "");
    EXPECT_TRUE(road.zones.empty());
    EXPECT_TRUE(road.lines.empty());
}

TEST(RoadData, AnOpenRoadIgnoresTheTunnelFieldsOfSectionAndLines) {
    const RoadData road = Read("<IsTunnel>FALSE</IsTunnel><UseWiz>0</UseWiz><Norm>EN</Norm>" +
                               kTunnel + kLine + "<WizInfo/>");
    EXPECT_FALSE(road.IsTunnel);
    EXPECT_FALSE(road.UseWiz);
    EXPECT_EQ(road.Norm, "EN");
    EXPECT_EQ(road.Tun_coverType, 0);
    EXPECT_DOUBLE_EQ(road.Tun_tunWidth, 0.0);
    ASSERT_EQ(road.lines.size(), 1u);
    EXPECT_EQ(road.lines[0].Layer, "");
    EXPECT_DOUBLE_EQ(road.lines[0].Increm, 0.0);
    EXPECT_DOUBLE_EQ(road.lines[0].Section, 0.0);
    EXPECT_EQ(road.lines[0].PostNum, 4);
    EXPECT_EQ(road.lines[0].LightTypeStringID, "B");
}

TEST(RoadData, SubZonesBelongToTheZoneThatHoldsThemAndNamesAreTranslated) {
    test::TempDir languages;
    // 7585 is one of the phrases the design application composes names from.
    test::UseLanguages(languages, {{7585, "Corsia"}}, {{7585, "Lane"}});
    const RoadData road =
        Read("<IsTunnel>0</IsTunnel>"
             "<Zone><Name>Road</Name><Type>2</Type><Width>7.5</Width><Color>0 0 1</Color>"
             "<RTable>C2</RTable><Q0CRif>0.07</Q0CRif>"
             "<SubZone><Name>Lane 1</Name><Direction>East</Direction><PtCalcY>3</PtCalcY></SubZone>"
             "<SubZone><Name>Lane 2</Name></SubZone></Zone>"
             "<Zone><Name>Walk</Name><Type>abc</Type></Zone>"
             "<SubZone><Name>Stray</Name></SubZone>");
    ASSERT_EQ(road.zones.size(), 2u);
    const RoadZone& first = road.zones[0];
    EXPECT_EQ(first.Type, 2);
    EXPECT_DOUBLE_EQ(first.Width, 7.5);
    EXPECT_EQ(first.Color, "0,0,255");
    EXPECT_EQ(first.RTable, "C2");
    ASSERT_EQ(first.subZones.size(), 2u);
    EXPECT_EQ(first.subZones[0].Name, "Corsia 1");
    EXPECT_EQ(first.subZones[0].Direction, "East");
    EXPECT_EQ(first.subZones[0].PtCalcY, 3);
    EXPECT_EQ(first.subZones[1].Name, "Corsia 2");
    EXPECT_EQ(road.zones[1].Type, 0);
    EXPECT_TRUE(road.zones[1].subZones.empty());
    SetPrintLanguage(nullptr);
    SetProgramLanguage(nullptr);
}

} // namespace
} // namespace zentyra
