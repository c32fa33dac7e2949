#pragma once
// The report: chapters and pieces in report order, built from the print elements of the
// project file. The tree owns its items; items never move once appended.
#include "document/ReportItems.h"

#include <memory>
#include <optional>
#include <vector>

namespace zentyra {

class ProjectFile;

class ReportTree {
public:
    explicit ReportTree(ProjectFile* project) : project_(project) {}

    CChapter* AddChapter(int id);
    // The piece class of the type, or null for a type that has none.
    CPiece* AddPiece(int type, int elementId);
    // Deletes the item; nothing happens if it is not in the tree.
    void RemoveItem(const CBasePiece* item);
    void Clear();

    bool BuildReportTree();
    // Sets the ticks from selectionMode(): 0 all, 1 the compact report, 2 the saved selection.
    void ApplySelectionMode();
    // In mode 2 copies the ticks into appConfig().savedSelection.
    void SaveSelection() const;

    const std::vector<std::unique_ptr<CBasePiece>>& items() const { return items_; }

    // The savedSelection entry of an item, if it has one. Ids above 31 share entry 31; a
    // negative elementId (the design application writes ids from 0) uses entry 0.
    static std::optional<int> SavedSelectionIndex(bool isChapter, int type, int elementId);

private:
    ProjectFile* project_; // not owned
    std::vector<std::unique_ptr<CBasePiece>> items_;
};

} // namespace zentyra
