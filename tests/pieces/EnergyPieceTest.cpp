#include "PieceTestSupport.h"

#include "pieces/EnergyPiece.h"

namespace zentyra::test {
namespace {

using Row = std::vector<std::string>;

const std::string kProjectInfo =
    "<ProjectInfo><Comune>Erba</Comune><Ubicazione>SP 32</Ubicazione><Apparecchio>LED 96 W"
    "</Apparecchio><Ambito>Road</Ambito><Compilatore>M. Colombo</Compilatore><Ditta>Studio"
    "</Ditta><Data>02/04/2025</Data><RifProtocollo>P-311</RifProtocollo></ProjectInfo>";

std::string Calculation(const std::string& extra, const std::string& path = "calc.png") {
    return Element("class_energeticCalc", 0,
                   "<Norm>IPEI_STAR</Norm><Tipo_inst>x</Tipo_inst><Classe>M3</Classe>"
                   "<PotTot>300</PotTot><DpIpeiStar>0.0236</DpIpeiStar>" +
                       extra + "<Image><Path>" + path + "</Path></Image>");
}

class EnergyPieceTest : public PieceTest {
protected:
    void LayOutWithInfo(const std::string& elements, const PageMargins& margins = {}) {
        project.Load(projectDir.write("project.xml", ProjectXml(elements, kProjectInfo)));
        LayOutLoaded(margins);
    }
    // Whether the energy piece asks for a new page with the cursor at y on an open page.
    bool StartsNewPageAt(const std::string& elements, int y) {
        project.Load(projectDir.write("project.xml", ProjectXml(elements)));
        recorder.Prepare(PageGeometry::ForPaper(210, 297, 600), PageMargins{});
        ReportPainter painter(recorder, project);
        painter.NewPage(true);
        painter.y = y;
        CPiece_EnergeticCalc piece(&project, kPieceEnergeticCalc, 0, 0);
        return piece.StartsNewPage(painter);
    }
};

TEST_F(EnergyPieceTest, TheRoomEnergyTableAloneContinuesThePageWhenTenLinesAndATitleFit) {
    const std::string room = Element("class_placeEnergetic", 0);
    // BottomLimit 2769; ten body lines of 31 and a piece title of 45 need 355.
    EXPECT_FALSE(StartsNewPageAt(room, 2769 - 355));
    EXPECT_TRUE(StartsNewPageAt(room, 2769 - 354));
    EXPECT_TRUE(StartsNewPageAt(room + Element("class_EPI", 0), 700));
    EXPECT_TRUE(StartsNewPageAt(room + Element("class_energeticCalc", 0), 700));
    EXPECT_TRUE(StartsNewPageAt(Element("class_energeticCalc", 0), 700));
    EXPECT_FALSE(StartsNewPageAt(Element("class_placeEnergetic", 1), 2700));
}

TEST_F(EnergyPieceTest, AfterAnotherPieceTheRoomEnergyTableSharesItsPage) {
    LayOut(Element("class_summaryResult", 0) + Element("class_placeEnergetic", 0));
    EXPECT_TRUE(text(1, "1.1    Quality"));
    EXPECT_TRUE(text(1, "1.2    Energy"));
    LayOut(Element("class_summaryResult", 0) + Element("class_placeEnergetic", 0) +
           Element("class_EPI", 0));
    EXPECT_FALSE(text(1, "1.2    Energy"));
    EXPECT_TRUE(text(2, "1.2    Energy"));
}

TEST_F(EnergyPieceTest, CalculationPrintsTwoColumnsTheIndicatorAndAPictureAtMost800High) {
    pictures.bitmaps[projectDir.file("calc.png")] = {1000, 2000};
    LayOutWithInfo(Calculation(""));
    EXPECT_EQ(text(1, "Calc")->at.y, 633);
    const int y0 = 633 + 35 + 20;
    const struct {
        const char* text;
        int x, y;
    } lines[] = {
        {"Installation", 150, y0},
        {"Comune: Erba", 150, y0 + 31},
        {"Where: SP 32", 150, y0 + 62},
        {"Lum: LED 96 W", 150, y0 + 93},
        {"Scope: Road", 150, y0 + 124},
        {"Designer", 1150, y0},
        {"Name: M. Colombo", 1150, y0 + 31},
        {"Firm: Studio", 1150, y0 + 62},
        {"Date: 02/04/2025", 1150, y0 + 93},
        {"Ref: P-311", 1150, y0 + 124},
        {"Dp = 0.024 W/(lx•m²)", 150, y0 + 186},
        {"NoPed", 150, y0 + 248},
    };
    for (const auto& line : lines) {
        const std::optional<TextOp> op = text(1, line.text);
        ASSERT_TRUE(op) << line.text;
        EXPECT_EQ(op->at, (PagePoint{line.x, line.y})) << line.text;
        EXPECT_EQ(op->font, ReportFont::Body) << line.text;
        EXPECT_EQ(op->align.horizontal, HAlign::Left) << line.text;
    }
    const std::vector<PictureOp> images = ops<PictureOp>(1);
    ASSERT_EQ(images.size(), 2u); // the logo, then the picture
    const int top = y0 + 279 + 6;
    EXPECT_EQ(images[1].box, (PageRect{150, top, 2000, top + 800}));
    EXPECT_EQ(images[1].rect, (PageRect{875, top, 1275, top + 800}));
}

TEST_F(EnergyPieceTest, ColumnTwoBeginsAtHalfTheRightEdgeAfterTheLeftEdge) {
    LayOutWithInfo(Calculation(""), PageMargins{300, 100, 50, 150});
    EXPECT_EQ(text(1, "Designer")->at.x, 300 + 2000 / 2);
    EXPECT_EQ(text(1, "Installation")->at.x, 300);
}

TEST_F(EnergyPieceTest, IndicatorLinesOnlyForTheExactNorm) {
    LayOutWithInfo(Element("class_energeticCalc", 0,
                           "<Norm>ipei_star</Norm><DpIpeiStar>1</DpIpeiStar>"
                           "<Image><Path>calc.png</Path></Image>"));
    EXPECT_FALSE(text(1, "NoPed"));
    EXPECT_FALSE(text(1, "Dp = 1.000 W/(lx•m²)"));
    LayOutWithInfo(Calculation("<DpIpeiStarWithoutPedestrian>no</DpIpeiStarWithoutPedestrian>"));
    EXPECT_TRUE(text(1, "Ped"));
    LayOutWithInfo(Element("class_energeticCalc", 0,
                           "<Norm>IPEI_STAR</Norm><Image><Path>calc.png</Path></Image>"));
    EXPECT_TRUE(text(1, "Dp = 0.000 W/(lx•m²)"));
    EXPECT_TRUE(text(1, "NoPed"));
}

TEST_F(EnergyPieceTest, WithoutAPicturePathTheCalculationPrintsNothing) {
    LayOutWithInfo(Calculation("", "") + Element("class_EPI", 0));
    EXPECT_TRUE(text(1, "1.1    Energy"));
    EXPECT_FALSE(text(1, "Calc"));
    EXPECT_FALSE(text(1, "Installation"));
    // The indicators follow right under the piece title.
    EXPECT_EQ(text(1, "Powers")->at.y, 633);
}

TEST_F(EnergyPieceTest, AnUnreadablePictureLeavesTheLinesAndTheCursorUnderThem) {
    LayOutWithInfo(Calculation("") + Element("class_EPI", 0));
    EXPECT_TRUE(ops<PictureOp>(1).size() == 1u); // the logo only
    const int next = 633 + 35 + 20 + 279;
    EXPECT_EQ(text(1, "Powers")->at.y, next + 40);
}

TEST_F(EnergyPieceTest, NoElementNoTitle) {
    LayOut(Element("class_EPI", 1) + Element("class_plantView", 0));
    EXPECT_FALSE(text(1, "1.1    Energy"));
}

} // namespace
} // namespace zentyra::test
