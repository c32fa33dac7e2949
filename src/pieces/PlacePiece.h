#pragma once
// The place that was lit: the room's surfaces for an indoor project, the road and tunnel data
// for a road project, or both, under one title.
#include "document/ReportItems.h"
#include "document/SharedTexts.h"

namespace zentyra {

class CPiece_PlaceInfo : public CPiece {
public:
    using CPiece::CPiece;
    std::string GetClassName() const override { return "CPiece_PlaceInfo"; }
    std::string GetTitleText(bool usePrintLanguage) const override {
        return LanguageString(usePrintLanguage, 5091);
    }
    bool StartsNewPage(ReportPainter& /*painter*/) override { return false; }
    int Draw(ReportPainter& painter) override;

    // The table of the room's surfaces; nothing without a "class_placeInfo" element.
    int DrawRoomSurfaces(ReportPainter& painter);
    // The road part; nothing without a "class_roadInfo" element.
    int DrawRoadInformation(ReportPainter& painter);
};

} // namespace zentyra
