#include "document/ReportTree.h"

#include "document/ProjectFile.h"
#include "settings/AppConfig.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string_view>

namespace zentyra {

namespace {

// What the compact report (-compact) ticks.
bool CompactSelected(bool isChapter, int type) {
    static constexpr std::array kChapters = {kChapterNone, kChapterProjectSummary,
                                             kChapterLuminaireSummary};
    static constexpr std::array kPieces = {
        kPieceGeneralInfo,   kPiecePlaceInfo, kPieceRoadAppa,     kPieceQualitaImpianto,
        kPieceLuminaireInfo, kPieceLampInfo,  kPieceLuminairePos, kPieceIndex};
    if (isChapter) return std::find(kChapters.begin(), kChapters.end(), type) != kChapters.end();
    return std::find(kPieces.begin(), kPieces.end(), type) != kPieces.end();
}

} // namespace

CChapter* ReportTree::AddChapter(int id) {
    auto chapter = std::make_unique<CChapter>(project_, id);
    CChapter* added = chapter.get();
    items_.push_back(std::move(chapter));
    return added;
}

CPiece* ReportTree::AddPiece(int type, int elementId) {
    const int mode = project_ ? project_->ProjectMode() : 0;
    std::unique_ptr<CPiece> piece = factory_ ? factory_(project_, type, elementId, mode) : nullptr;
    if (!piece) return nullptr;
    if (type == kPieceResult) piece->LoadData();
    CPiece* added = piece.get();
    items_.push_back(std::move(piece));
    return added;
}

void ReportTree::RemoveItem(const CBasePiece* item) {
    const auto found = std::find_if(items_.begin(), items_.end(),
                                    [item](const auto& owned) { return owned.get() == item; });
    if (found != items_.end()) items_.erase(found);
}

void ReportTree::Clear() {
    items_.clear();
}

bool ReportTree::BuildReportTree() {
    Clear();
    const auto has = [this](std::initializer_list<std::string_view> keys) {
        if (!project_) return false;
        return std::any_of(keys.begin(), keys.end(),
                           [this](std::string_view key) { return project_->FindElement(key); });
    };
    // One piece per element of the class key, in file order.
    const auto addEach = [this](std::string_view key, int type) {
        CPiece* last = nullptr;
        if (!project_) return last;
        for (const PrintElementEntry* entry = project_->FindElement(key); entry;
             entry = project_->FindNextElement(key, entry)) {
            last = AddPiece(type, entry->id);
        }
        return last;
    };
    // A chapter stays only when its step added a piece.
    const auto chapter = [this](int id, auto&& addPieces) {
        CChapter* added = AddChapter(id);
        if (!addPieces()) RemoveItem(added);
    };

    chapter(kChapterProjectSummary, [&] {
        CPiece* last = nullptr;
        if (has({"class_placeInfo", "class_roadInfo"})) last = AddPiece(kPiecePlaceInfo, 0);
        if (has({"class_luminaireInfo"})) last = AddPiece(kPieceLuminaireInfo, 0);
        if (has({"class_lampInfo"})) last = AddPiece(kPieceLampInfo, 0);
        if (has({"class_roadInfo"})) last = AddPiece(kPieceRoadAppa, 0);
        if (has({"class_summaryResult", "class_visualComfort", "class_abbCss", "class_abbCsGr",
                 "class_inqLum", "class_roadResults"}))
            last = AddPiece(kPieceQualitaImpianto, 0);
        if (has({"class_energeticCalc", "class_EPI", "class_placeEnergetic"}))
            last = AddPiece(kPieceEnergeticCalc, 0);
        return last;
    });
    chapter(kChapterViews, [&] {
        CPiece* last = nullptr;
        if (has({"class_plantView"})) last = AddPiece(kPiecePlantView, 0);
        if (has({"class_lateralView"})) last = AddPiece(kPieceLatView, 0);
        if (has({"class_frontView"})) last = AddPiece(kPieceFrontView, 0);
        return last;
    });
    chapter(kChapterLuminaireSummary, [&] {
        CPiece* last = nullptr;
        if (has({"class_labelsView"})) last = AddPiece(kPieceLabelView, 0);
        if (has({"class_luminaireList"})) {
            AddPiece(kPieceLuminairePos, 0);
            last = AddPiece(kPieceLuminaireAim, 0);
        }
        return last;
    });
    chapter(kChapterResults, [&] { return addEach("class_result", kPieceResult); });
    chapter(kChapterScreenShots, [&] { return addEach("class_screenShot", kPieceScreenShot); });
    chapter(kChapterRenderings, [&] { return addEach("class_rendering", kPieceRendering); });
    chapter(kChapterElectricLines, [&] {
        return has({"class_electricLines"}) ? AddPiece(kPieceElectricLines, 0) : nullptr;
    });
    chapter(kChapterEconomicCalc, [&] {
        return has({"class_economicCalc"}) ? AddPiece(kPieceEconomicCalc, 0) : nullptr;
    });

    AddChapter(kChapterNone);
    AddPiece(kPieceGeneralInfo, 0);
    AddChapter(kChapterNone);
    AddPiece(kPieceIndex, 0);
    return true;
}

std::optional<int> ReportTree::SavedSelectionIndex(bool isChapter, int type, int elementId) {
    const int perElement = std::clamp(elementId, 0, 31);
    if (isChapter) {
        switch (type) {
        case kChapterProjectSummary:
            return 1;
        case kChapterViews:
            return 8;
        case kChapterLuminaireSummary:
            return 12;
        case kChapterResults:
            return 16;
        case kChapterScreenShots:
            return 49;
        case kChapterRenderings:
            return 82;
        case kChapterElectricLines:
            return 115;
        case kChapterEconomicCalc:
            return 117;
        default:
            return std::nullopt;
        }
    }
    switch (type) {
    case kPieceGeneralInfo:
        return 0;
    case kPiecePlaceInfo:
        return 2;
    case kPieceLuminaireInfo:
        return 3;
    case kPieceLampInfo:
        return 4;
    case kPieceRoadAppa:
        return 5;
    case kPieceQualitaImpianto:
        return 6;
    case kPieceEnergeticCalc:
        return 7;
    case kPiecePlantView:
        return 9;
    case kPieceLatView:
        return 10;
    case kPieceFrontView:
        return 11;
    case kPieceLabelView:
        return 13;
    case kPieceLuminairePos:
        return 14;
    case kPieceLuminaireAim:
        return 15;
    case kPieceResult:
        return 17 + perElement;
    case kPieceScreenShot:
        return 50 + perElement;
    case kPieceRendering:
        return 83 + perElement;
    case kPieceElectricLines:
        return 116;
    case kPieceEconomicCalc:
        return 118;
    case kPieceIndex:
        return 119;
    default:
        return std::nullopt;
    }
}

void ReportTree::ApplySelectionMode() {
    const int mode = selectionMode();
    const auto& saved = appConfig().savedSelection;
    for (const auto& item : items_) {
        const bool isChapter = item->IsChapter();
        switch (mode) {
        case 0:
            item->selected = true;
            break;
        case 1:
            item->selected = CompactSelected(isChapter, item->type);
            break;
        case 2: {
            if (isChapter && item->type == kChapterNone) {
                item->selected = true;
                break;
            }
            const auto index = SavedSelectionIndex(isChapter, item->type, item->elementId);
            item->selected = index && saved[static_cast<std::size_t>(*index)] != 0;
            break;
        }
        default:
            break;
        }
    }
}

void ReportTree::SaveSelection() const {
    if (selectionMode() != 2) return;
    auto& saved = appConfig().savedSelection;
    for (const auto& item : items_) {
        if (const auto index = SavedSelectionIndex(item->IsChapter(), item->type, item->elementId))
            saved[static_cast<std::size_t>(*index)] = item->selected ? 1 : 0;
    }
}

void ReportTree::UntickPiecesOfUntickedChapters() {
    bool chapterOff = false;
    for (const auto& item : items_) {
        if (item->IsChapter())
            chapterOff = !item->selected;
        else if (chapterOff)
            item->selected = false;
    }
}

} // namespace zentyra
