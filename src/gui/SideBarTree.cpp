#include "gui/SideBarTree.h"

#include "document/ReportTree.h"

namespace zentyra {

namespace {

bool IsCoverOrIndex(const CBasePiece& item) {
    return item.IsPiece() && (item.type == kPieceGeneralInfo || item.type == kPieceIndex);
}

} // namespace

void SideBarTree::Clear() {
    entries_.clear();
    roots_.clear();
}

void SideBarTree::Build(ReportTree& tree) {
    Clear();
    int chapterEntry = -1;
    std::size_t topInsertion = 0; // cover and index entries go here, in their order
    bool coverOrIndexAdded = false;
    auto add = [this](CBasePiece& item, int parent) {
        SideBarEntry entry;
        entry.text = item.GetTitle(false);
        entry.item = &item;
        entry.ticked = item.selected;
        entry.parent = parent;
        entries_.push_back(std::move(entry));
        const int index = static_cast<int>(entries_.size()) - 1;
        if (parent >= 0) entries_[static_cast<std::size_t>(parent)].children.push_back(index);
        return index;
    };
    for (const auto& owned : tree.items()) {
        CBasePiece& item = *owned;
        if (item.IsChapter()) {
            chapterEntry = -1;
            if (item.type != kChapterNone) {
                chapterEntry = add(item, -1);
                roots_.push_back(chapterEntry);
            }
        } else if (IsCoverOrIndex(item)) {
            roots_.insert(roots_.begin() + static_cast<std::ptrdiff_t>(topInsertion),
                          add(item, -1));
            ++topInsertion;
            coverOrIndexAdded = true;
        } else {
            const int index = add(item, chapterEntry);
            if (chapterEntry < 0) roots_.push_back(index);
        }
    }
    if (coverOrIndexAdded) {
        SideBarEntry separator;
        separator.checkable = false;
        entries_.push_back(std::move(separator));
        roots_.insert(roots_.begin() + static_cast<std::ptrdiff_t>(topInsertion),
                      static_cast<int>(entries_.size()) - 1);
    }
}

std::vector<int> SideBarTree::SetTicked(int entry, bool ticked) {
    std::vector<int> changed;
    if (entry < 0 || entry >= static_cast<int>(entries_.size())) return changed;
    SideBarEntry& self = entries_[static_cast<std::size_t>(entry)];
    if (!self.checkable) return changed;
    self.ticked = ticked;
    if (ticked && self.parent >= 0) {
        SideBarEntry& parent = entries_[static_cast<std::size_t>(self.parent)];
        if (!parent.ticked) {
            parent.ticked = true;
            changed.push_back(self.parent);
        }
    }
    for (const int child : self.children) {
        SideBarEntry& c = entries_[static_cast<std::size_t>(child)];
        if (c.checkable && c.ticked != ticked) {
            c.ticked = ticked;
            changed.push_back(child);
        }
    }
    return changed;
}

void SideBarTree::SetBox(int entry, bool ticked) {
    if (entry < 0 || entry >= static_cast<int>(entries_.size())) return;
    SideBarEntry& self = entries_[static_cast<std::size_t>(entry)];
    if (self.checkable) self.ticked = ticked;
}

void SideBarTree::ApplyTicks() const {
    for (const SideBarEntry& entry : entries_)
        if (entry.item) entry.item->selected = entry.ticked;
}

} // namespace zentyra
