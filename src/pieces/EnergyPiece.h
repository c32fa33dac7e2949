#pragma once
// The energy piece: the energetic calculation by norm, the energy performance indicators and
// the energy figures of the room surfaces, each from its own print element under one title.
#include "document/ReportItems.h"
#include "document/SharedTexts.h"

#include <string>
#include <string_view>

namespace zentyra {

// The heading lines of the detailed-method columns: the first two lines of a language text
// split at line breaks and tabs; further lines join the second with a blank, so that the third
// heading row stays free for the unit.
std::string TwoLineHeading(std::string_view text);

class CPiece_EnergeticCalc : public CPiece {
public:
    using CPiece::CPiece;
    std::string GetClassName() const override { return "CPiece_EnergeticCalc"; }
    std::string GetTitleText(bool usePrintLanguage) const override {
        return LanguageString(usePrintLanguage, 5841);
    }
    // A new page for the calculation or the indicators; the room energy table alone continues
    // the page when ten body lines and the piece title still fit.
    bool StartsNewPage(ReportPainter& painter) override;
    int Draw(ReportPainter& painter) override;

    // Each draws nothing, and returns 0, when its element is missing.
    int DrawEnergeticCalcSection(ReportPainter& painter);
    int DrawEpiSection(ReportPainter& painter);
    int DrawPlaceEnergeticSection(ReportPainter& painter);
};

} // namespace zentyra
