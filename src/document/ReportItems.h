#pragma once
// The items of the report: chapters and pieces. Chapter ids 0..8 and piece types 10..28
// share one number space, so `type` alone tells every item apart. Titles are looked up at
// every call, in the print language (true) or the program language (false).
#include <string>

namespace zentyra {

class ProjectFile;
class ReportPainter;
class CPiece;

enum ChapterId : int {
    kChapterNone = 0, // cover and index: not numbered, no heading
    kChapterProjectSummary = 1,
    kChapterViews = 2,
    kChapterLuminaireSummary = 3,
    kChapterResults = 4,
    kChapterScreenShots = 5,
    kChapterRenderings = 6,
    kChapterElectricLines = 7,
    kChapterEconomicCalc = 8,
};

enum PieceType : int {
    kPieceGeneralInfo = 10,
    kPiecePlaceInfo = 11,
    kPieceRoadAppa = 12,
    kPieceEnergeticCalc = 13,
    kPieceQualitaImpianto = 14,
    kPiecePlantView = 15,
    kPieceLatView = 16,
    kPieceFrontView = 17,
    kPieceLabelView = 18,
    kPieceLuminaireInfo = 19,
    kPieceLampInfo = 20,
    kPieceLuminairePos = 21,
    kPieceLuminaireAim = 22,
    kPieceElectricLines = 23,
    kPieceEconomicCalc = 24,
    kPieceIndex = 25,
    kPieceScreenShot = 26,
    kPieceRendering = 27,
    kPieceResult = 28,
};

class CBasePiece {
public:
    CBasePiece(ProjectFile* project, int type, int elementId)
        : project(project), type(type), elementId(elementId) {}
    virtual ~CBasePiece() = default;
    CBasePiece(const CBasePiece&) = delete;
    CBasePiece& operator=(const CBasePiece&) = delete;

    virtual bool IsChapter() const = 0;
    virtual bool IsPiece() const = 0;
    virtual std::string GetTitle(bool usePrintLanguage) const {
        return GetTitleText(usePrintLanguage);
    }
    virtual std::string GetClassName() const = 0;
    virtual std::string GetTitleText(bool usePrintLanguage) const = 0;

    // This item as a piece, or null for a chapter.
    CPiece* AsPiece();
    const CPiece* AsPiece() const;

    ProjectFile* const project; // not owned
    const int type;
    const int elementId; // id of the print element drawn; 0 for chapters and one-off pieces
    bool selected = true;
    int pageNumber = 0; // written by the layout
};

class CChapter final : public CBasePiece {
public:
    CChapter(ProjectFile* project, int id) : CBasePiece(project, id, 0) {}

    bool IsChapter() const override { return true; }
    bool IsPiece() const override { return false; }
    // "ID_CHAP_..." for ids 0..8, an error text for 9 and above, empty for negative ids.
    std::string GetClassName() const override;
    // Chapter 0 (cover and index) has no title; negative ids neither.
    std::string GetTitleText(bool usePrintLanguage) const override;
};

class CPiece : public CBasePiece {
public:
    CPiece(ProjectFile* project, int type, int elementId, int projectMode)
        : CBasePiece(project, type, elementId), projectMode(projectMode) {}

    bool IsChapter() const override { return false; }
    bool IsPiece() const override { return true; }

    // Pieces that print draw themselves; until then a piece prints nothing.
    virtual int Draw(ReportPainter& painter);
    // Called once at creation for pieces that read their element up front.
    virtual void LoadData() {}
    virtual bool StartsNewPage(ReportPainter& painter);
    // True would make the next piece begin on a new page.
    virtual bool EndsPage() { return false; }

    // ProjectInfo/ProjectMode when the piece was made: 0 and 1 visible light, 2
    // photosynthetic, 3 radiometric; chooses the unit texts.
    const int projectMode;
};

} // namespace zentyra
