#pragma once
// The report: chapters and pieces in report order, built from the print elements of the
// project file. The tree owns its items; items never move once appended. The piece classes
// live in a layer above this one and reach the tree through the factory it is given.
#include "document/ReportItems.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace zentyra {

class ProjectFile;

// Makes the piece class of a piece type, or null for a type that has none.
using PieceFactory = std::function<std::unique_ptr<CPiece>(ProjectFile* project, int type,
                                                           int elementId, int projectMode)>;

class ReportTree {
public:
    ReportTree(ProjectFile* project, PieceFactory factory)
        : project_(project), factory_(std::move(factory)) {}

    CChapter* AddChapter(int id);
    // The piece class of the type, or null for a type that has none.
    CPiece* AddPiece(int type, int elementId);
    // Deletes the item; nothing happens if it is not in the tree.
    void RemoveItem(const CBasePiece* item);
    void Clear();

    bool BuildReportTree();
    // Sets the ticks from selectionMode(): 0 all, 1 the compact report, 2 the saved selection.
    void ApplySelectionMode();
    // The pieces that follow an unticked chapter are not printed: they are unticked too, as
    // the side bar does when it applies its ticks.
    void UntickPiecesOfUntickedChapters();
    // In mode 2 copies the ticks into appConfig().savedSelection.
    void SaveSelection() const;

    const std::vector<std::unique_ptr<CBasePiece>>& items() const { return items_; }

    // The savedSelection entry of an item, if it has one. Ids above 31 share entry 31; a
    // negative elementId (the design application writes ids from 0) uses entry 0.
    static std::optional<int> SavedSelectionIndex(bool isChapter, int type, int elementId);

private:
    ProjectFile* project_; // not owned
    PieceFactory factory_;
    std::vector<std::unique_ptr<CBasePiece>> items_;
};

} // namespace zentyra
