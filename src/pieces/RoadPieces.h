#pragma once
// The road pieces: the road-information section printed under the place information, and the
// road installation piece with its rows of luminaires. Both read the road data afresh at every
// drawing.
#include "document/ReportItems.h"
#include "document/SharedTexts.h"

namespace zentyra {

class CPiece_RoadAppa : public CPiece {
public:
    using CPiece::CPiece;
    std::string GetClassName() const override { return "CPiece_RoadAppa"; }
    std::string GetTitleText(bool usePrintLanguage) const override {
        return LanguageString(usePrintLanguage, 584);
    }
    bool StartsNewPage(ReportPainter& /*painter*/) override { return false; }
    int Draw(ReportPainter& painter) override;
};

// The tunnel block, the zone table and the zone legend of the "class_roadInfo" element with
// that id; nothing when there is none. Always 0.
int DrawRoadInformation(ReportPainter& painter, const ProjectFile& project, int elementId);

// A length in metres as printed in the unit system of the report settings: metres, or feet.
double ConvertedLength(double metres);

} // namespace zentyra
