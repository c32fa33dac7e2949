#include "pieces/AppendixPieces.h"

#include "document/ProjectFile.h"
#include "render/ReportPainter.h"

namespace zentyra {

int CPiece_ElectricLines::Draw(ReportPainter& painter) {
    if (project->FindElement("class_electricLines", elementId))
        painter.DrawPieceTitle(GetTitle(true));
    return 0;
}

int CPiece_EconomicCalc::Draw(ReportPainter& painter) {
    if (project->FindElement("class_economicCalc", elementId))
        painter.DrawPieceTitle(GetTitle(true));
    return 0;
}

int CPiece_Index::Draw(ReportPainter& painter) {
    painter.SelectFont(ReportFont::IndexTitle);
    painter.Text(painter.left(), painter.y, GetTitle(true));
    painter.y += 2 * painter.lineHeight;
    painter.DrawIndex();
    return 0;
}

} // namespace zentyra
