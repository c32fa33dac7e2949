#pragma once
// The picture pieces: plant, lateral, front and labels views, screenshots and renderings.
// Each begins on a new page and fills it below its title with its picture.
#include "document/ReportItems.h"
#include "document/SharedTexts.h"

#include <string>

namespace zentyra {

struct PrintElementEntry;
class ProjectFile;

// A picture named by a complete path, as screenshots, renderings and the cover picture are. A
// relative name that names nothing from the working directory is looked for beside the
// project, where a moved project keeps its pictures.
std::string CompletePicturePath(const ProjectFile& project, const std::string& file);

class CPicturePiece : public CPiece {
public:
    using CPiece::CPiece;
    int Draw(ReportPainter& painter) override;

protected:
    virtual const char* ClassKey() const = 0;
    // The picture file named by the piece's element.
    virtual std::string PictureFile(const PrintElementEntry& element) const = 0;
};

// The views: Image/Path, relative to the project's folder (ProjectFile::ImagePath).
class CViewPiece : public CPicturePiece {
public:
    using CPicturePiece::CPicturePiece;

protected:
    std::string PictureFile(const PrintElementEntry& element) const override;
};

// Screenshots and renderings: Filename, a complete path.
class CCapturePiece : public CPicturePiece {
public:
    using CPicturePiece::CPicturePiece;

protected:
    std::string PictureFile(const PrintElementEntry& element) const override;
};

class CPiece_PlantView : public CViewPiece {
public:
    using CViewPiece::CViewPiece;
    std::string GetClassName() const override { return "CPiece_PlantView"; }
    std::string GetTitleText(bool usePrintLanguage) const override {
        return LanguageString(usePrintLanguage, 5055);
    }

protected:
    const char* ClassKey() const override { return "class_plantView"; }
};

class CPiece_LatView : public CViewPiece {
public:
    using CViewPiece::CViewPiece;
    std::string GetClassName() const override { return "CPiece_LatView"; }
    std::string GetTitleText(bool usePrintLanguage) const override {
        return LanguageString(usePrintLanguage, 4943);
    }

protected:
    const char* ClassKey() const override { return "class_lateralView"; }
};

class CPiece_FrontView : public CViewPiece {
public:
    using CViewPiece::CViewPiece;
    std::string GetClassName() const override { return "CPiece_FrontView"; }
    std::string GetTitleText(bool usePrintLanguage) const override {
        return LanguageString(usePrintLanguage, 4944);
    }

protected:
    const char* ClassKey() const override { return "class_frontView"; }
};

class CPiece_LabelView : public CViewPiece {
public:
    using CViewPiece::CViewPiece;
    std::string GetClassName() const override { return "CPiece_LabelView"; }
    std::string GetTitleText(bool usePrintLanguage) const override {
        return LanguageString(usePrintLanguage, 6708);
    }

protected:
    const char* ClassKey() const override { return "class_labelsView"; }
};

class CPiece_ScreenShot : public CCapturePiece {
public:
    using CCapturePiece::CCapturePiece;
    std::string GetClassName() const override { return "CPiece_ScreenShot"; }
    std::string GetTitleText(bool usePrintLanguage) const override {
        return LanguageString(usePrintLanguage, 155);
    }

protected:
    const char* ClassKey() const override { return "class_screenShot"; }
};

class CPiece_Rendering : public CCapturePiece {
public:
    using CCapturePiece::CCapturePiece;
    std::string GetClassName() const override { return "CPiece_Rendering"; }
    std::string GetTitleText(bool usePrintLanguage) const override {
        return LanguageString(usePrintLanguage, 1343);
    }

protected:
    const char* ClassKey() const override { return "class_rendering"; }
};

} // namespace zentyra
