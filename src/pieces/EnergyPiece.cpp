#include "pieces/EnergyPiece.h"

#include "document/ElementValues.h"
#include "document/ProjectFile.h"
#include "language/SafeFormat.h"
#include "render/ReportPainter.h"

namespace zentyra {

namespace {

constexpr int kSectionTitleString = 7316;
constexpr int kPictureTopGap = 6;
constexpr int kPictureBottomGap = 2;
constexpr int kMaxPictureHeight = 800;
constexpr int kRoomEnergyLines = 10;

const std::string& Print(int number) {
    return LanguageString(true, number);
}

std::string Labelled(int label, std::string_view value) {
    return SafeFormat("%s: %s", {Print(label), value});
}

} // namespace

bool CPiece_EnergeticCalc::StartsNewPage(ReportPainter& painter) {
    if (project->FindElement("class_energeticCalc", elementId) ||
        project->FindElement("class_EPI", elementId))
        return true;
    if (!project->FindElement("class_placeEnergetic", elementId)) return false;
    return painter.FreeSpace() < kRoomEnergyLines * painter.FontHeight(ReportFont::Body) +
                                     painter.FontHeight(ReportFont::PieceTitle);
}

int CPiece_EnergeticCalc::Draw(ReportPainter& painter) {
    if (!project->FindElement("class_energeticCalc", elementId) &&
        !project->FindElement("class_EPI", elementId) &&
        !project->FindElement("class_placeEnergetic", elementId))
        return 0;
    painter.DrawPieceTitle(GetTitle(true));
    DrawEnergeticCalcSection(painter);
    DrawEpiSection(painter);
    DrawPlaceEnergeticSection(painter);
    return 1;
}

int CPiece_EnergeticCalc::DrawEnergeticCalcSection(ReportPainter& painter) {
    const PrintElementEntry* element = project->FindElement("class_energeticCalc", elementId);
    if (!element) return 0;
    const TiXmlElement* data = element->customData;
    const std::string norm = ReadChildText(data, "Norm");
    const double indicator = ReadChildReal(data, "DpIpeiStar");
    const bool withoutPedestrian = ReadChildFlag(data, "DpIpeiStarWithoutPedestrian");
    if (ChildText(FirstChildElement(data, "Image"), "Path").empty()) return 0;
    const std::string picture = project->ImagePath(*element);

    painter.DrawSectionTitle(Print(kSectionTitleString));
    painter.SelectFont(ReportFont::Body);
    const int line = painter.lineHeight;
    const int left = painter.left();
    const int x2 = left + painter.right() / 2;
    const int y0 = painter.y;

    const ProjectFile& p = *project;
    painter.Text(left, y0, Print(584));
    painter.Text(left, y0 + line, Labelled(7372, p.Comune));
    painter.Text(left, y0 + 2 * line, Labelled(7373, p.Ubicazione));
    painter.Text(left, y0 + 3 * line, Labelled(593, p.Apparecchio));
    painter.Text(left, y0 + 4 * line, Labelled(7374, p.Ambito));
    painter.Text(x2, y0, Print(7375));
    painter.Text(x2, y0 + line, Labelled(6461, p.Compilatore));
    painter.Text(x2, y0 + 2 * line, Labelled(7376, p.Ditta));
    painter.Text(x2, y0 + 3 * line, Labelled(7377, p.Data));
    painter.Text(x2, y0 + 4 * line, Labelled(7378, p.RifProtocollo));
    int next = y0 + 5 * line;

    if (norm == "IPEI_STAR") {
        next += line;
        painter.Text(left, next, SafeFormat("%s = %.3lf W/(lx•m²)", {Print(7839), indicator}));
        next += 2 * line;
        painter.Text(left, next, Print(withoutPedestrian ? 7862 : 7950));
        next += line;
    }
    painter.y = next;

    PageRect box{painter.left(), painter.y + kPictureTopGap, painter.right(),
                 painter.BottomLimit() - kPictureBottomGap};
    if (box.height() > kMaxPictureHeight) box.bottom = box.top + kMaxPictureHeight;
    painter.y = painter.DrawImage(picture, kFitTop, box);
    return 1;
}

} // namespace zentyra
