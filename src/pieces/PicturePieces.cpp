#include "pieces/PicturePieces.h"

#include "document/ElementValues.h"
#include "document/ProjectFile.h"
#include "platform/Path.h"
#include "render/ReportPainter.h"

namespace zentyra {

int CPicturePiece::Draw(ReportPainter& painter) {
    const PrintElementEntry* element = project->FindElement(ClassKey(), elementId);
    if (!element) return 0;
    painter.DrawPieceTitle(GetTitle(true));
    const std::string file = PictureFile(*element);
    painter.y = painter.DrawImage(
        file, 0, PageRect{painter.left(), painter.y, painter.right(), painter.BottomLimit()});
    return 0;
}

std::string CViewPiece::PictureFile(const PrintElementEntry& element) const {
    return project->ImagePath(element);
}

std::string CompletePicturePath(const ProjectFile& project, const std::string& file) {
    if (!file.empty() && !IsAbsolutePath(file) && !HasDriveLetter(file) && !FileExists(file)) {
        const std::string besideProject = JoinPath(project.folder, ToSlashes(file));
        if (FileExists(besideProject)) return besideProject;
    }
    return file;
}

std::string CCapturePiece::PictureFile(const PrintElementEntry& element) const {
    return CompletePicturePath(*project, ChildText(element.customData, "Filename"));
}

} // namespace zentyra
