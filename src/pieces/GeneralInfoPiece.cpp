#include "document/ProjectFile.h"
#include "pieces/PicturePieces.h"
#include "pieces/ProjectPieces.h"
#include "render/ReportPainter.h"
#include "settings/AppConfig.h"
#include "settings/ReportSettings.h"

namespace zentyra {

namespace {

constexpr int kValueColumn = 350; // 35 mm from the left edge

} // namespace

int CPiece_GeneralInfo::Draw(ReportPainter& painter) {
    const ProjectFile& p = *project;
    const int left = painter.left();
    const int valueX = left + kValueColumn;
    auto labelled = [&](std::string_view label, std::string_view value) {
        painter.Text(left, painter.y, label);
        painter.Text(valueX, painter.y, value);
        painter.y += painter.lineHeight;
    };
    auto text = [](int number) { return LanguageString(true, number); };

    painter.SelectFont(ReportFont::Body);
    painter.y += 2 * painter.lineHeight;
    painter.SelectFont(ReportFont::PieceTitle);
    painter.Text(left, painter.y, p.ProjectName);
    painter.y += painter.lineHeight;
    painter.SelectFont(ReportFont::Body);
    painter.y += painter.lineHeight;

    labelled(text(927), p.ProjectNotes);
    labelled(text(928), p.ProjectClient);
    labelled(text(929), p.ProjectCode);
    labelled(text(3490), p.Date);

    painter.Text(left, painter.y, text(3392));
    painter.y += painter.lineHeight;
    painter.y = painter.DrawParagraph(left, painter.right(), appConfig().notesText) +
                painter.lineHeight + 3 * painter.gap;

    painter.DrawImage(CompletePicturePath(p, p.coverImagePath), 0,
                      PageRect{left, painter.y, painter.right(),
                               painter.BottomLimit() - 20 * painter.lineHeight});

    // The address block sits at the same height whatever the notes' length.
    painter.y = painter.BottomLimit() - 19 * painter.lineHeight;
    const ReportSettings& settings = ReportSettings::instance();
    labelled(text(4986), settings.address[0]);
    labelled(text(4987), settings.address[1]);
    labelled(text(683), settings.address[2]);
    for (std::size_t line = 3; line < settings.address.size(); ++line) {
        painter.Text(valueX, painter.y, settings.address[line]);
        painter.y += painter.lineHeight;
    }

    painter.y += 2 * painter.lineHeight;
    painter.Text(left, painter.y, text(4989));
    painter.y += painter.lineHeight;
    painter.y =
        painter.DrawParagraph(left, painter.right(), appConfig().warningsText) + painter.lineHeight;
    return 0;
}

} // namespace zentyra
