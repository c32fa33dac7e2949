#pragma once
// The side bar's tree without widgets: which entries it shows for a report, in which order,
// with which ticks, how a changed tick spreads to the parent and the children, and how the
// ticks go back into the report items. The tree widget only shows this and forwards clicks.
#include <string>
#include <vector>

namespace zentyra {

class CBasePiece;
class ReportTree;

struct SideBarEntry {
    std::string text;
    CBasePiece* item = nullptr; // null for the separator
    bool checkable = true;      // false for the separator
    bool ticked = false;
    int parent = -1; // index of the parent entry, -1 at the root
    std::vector<int> children;
};

class SideBarTree {
public:
    // Entries for the items in report order: numbered chapters at the end of the root with
    // their pieces below them; the cover and the index first at the root, then an entry
    // without text or box that separates them from the chapters. Titles in the program
    // language.
    void Build(ReportTree& tree);
    void Clear();

    const std::vector<SideBarEntry>& entries() const { return entries_; }
    // Indexes of the root entries, top to bottom.
    const std::vector<int>& roots() const { return roots_; }

    // The box of entry was set to ticked (by a click or the space key). Ticking an entry ticks
    // its parent; the direct children of an entry take its new state. Returns the other
    // entries whose box changed.
    std::vector<int> SetTicked(int entry, bool ticked);
    // The box of entry alone, as the widget shows it.
    void SetBox(int entry, bool ticked);

    // Each entry's tick into the `selected` of its item.
    void ApplyTicks() const;

private:
    std::vector<SideBarEntry> entries_;
    std::vector<int> roots_;
};

} // namespace zentyra
