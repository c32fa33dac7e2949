#include "PieceTestSupport.h"

#include "settings/ReportSettings.h"

namespace zentyra::test {
namespace {

using Row = std::vector<std::string>;

std::string Surface(const std::string& name, const std::string& illuminance) {
    return "<Surface><Name>" + name + "</Name><Type>floor</Type><MeanIllum>" + illuminance +
           "</MeanIllum><SurfaceArea>12.5</SurfaceArea><UsedWatt>36</UsedWatt>"
           "<InstalledWatt>40</InstalledWatt><PotSpecifica>2.888</PotSpecifica>"
           "<PotSpecificaIlluminotecnica>0.5</PotSpecificaIlluminotecnica>"
           "<RendimentoEnergetico>1e11</RendimentoEnergetico></Surface>";
}

std::string Room(const std::string& surfaces, const std::string& totals) {
    return Element("class_placeEnergetic", 0, totals + surfaces);
}

class RoomEnergySectionTest : public PieceTest {
protected:
    void LayOutMode(const std::string& elements, int mode) {
        project.Load(projectDir.write("project.xml",
                                      ProjectXml(elements, "<ProjectInfo><ProjectMode>" +
                                                               std::to_string(mode) +
                                                               "</ProjectMode></ProjectInfo>")));
        LayOutLoaded();
    }
};

TEST_F(RoomEnergySectionTest, MetricRowsChooseDecimalsFromTheValueBeforeRounding) {
    LayOut(Room(Surface("Floor", "9.996") + Surface("Wall", "99.96") + Surface("Desk", "250"),
                "<UsedWatt>123.456</UsedWatt>"));
    EXPECT_EQ(rows(1), (std::vector<Row>{
                           {"Surface", "Size", "Mean", "Used", "Spec", "SpecL", "Eff"},
                           {"", "[m2]", "[lx]", "[W]", "[W/m²]", "[ W/(m²*100lx) ]", "[ m²*lx/w ]"},
                           {"Floor", "12.50", "10.00", "36.00", "2.89", "0.50", "1e+11"},
                           {"Wall", "12.50", "100.0", "36.00", "2.89", "0.50", "1e+11"},
                           {"Desk", "12.50", "250", "36.00", "2.89", "0.50", "1e+11"},
                           {"Used 123.46 W", ""},
                           {"Used inst 0.00 W", ""}}));
    EXPECT_EQ(text(1, "Floor")->align.horizontal, HAlign::Centre);
}

TEST_F(RoomEnergySectionTest, ImperialConvertsOnlyTheIlluminance) {
    ReportSettings::instance().unitSystem = 1;
    LayOut(Room(Surface("A", "500") + Surface("B", "50") + Surface("C", "2000"),
                "<InstalledWatt>72</InstalledWatt>"));
    EXPECT_EQ(row(1, ""),
              (Row{"", "[ft2]", "[fc]", "[W]", "[W/m²]", "[ W/(m²*100fc) ]", "[ m²*fc/w ]"}));
    EXPECT_EQ(row(1, "A")[2], "46.5");
    EXPECT_EQ(row(1, "B")[2], "4.65");
    EXPECT_EQ(row(1, "C")[2], "186");
    EXPECT_EQ(row(1, "A")[1], "12.50");
    // One-cell note rows are padded: an empty second cell stands at 110 mm.
    EXPECT_EQ(row(1, "Used 0.00 W"), (Row{"Used 0.00 W", ""}));
    EXPECT_EQ(row(1, "Used inst 72.00 W"), (Row{"Used inst 72.00 W", ""}));
}

TEST_F(RoomEnergySectionTest, TheMetricIlluminanceUnitFollowsTheProjectMode) {
    const struct {
        int mode;
        const char* unit;
    } cases[] = {{0, "[lx]"}, {1, "[lx]"}, {2, "[umol/(s*m2)]"}, {3, "[W/m2]"}, {7, "[lx]"}};
    for (const auto& c : cases) {
        LayOutMode(Room(Surface("A", "1"), ""), c.mode);
        EXPECT_EQ(row(1, "").at(2), c.unit) << c.mode;
    }
}

TEST_F(RoomEnergySectionTest, WithoutSurfacesTheTotalsStillPrint) {
    LayOut(Room("", ""));
    EXPECT_TRUE(text(1, "1.1    Energy"));
    EXPECT_TRUE(text(1, "Used 0.00 W"));
    EXPECT_TRUE(text(1, "Used inst 0.00 W"));
}

} // namespace
} // namespace zentyra::test
