#pragma once
// The cover page. The place and road pieces, lighting quality and energy have headers of
// their own.
#include "document/ReportItems.h"
#include "document/SharedTexts.h"

namespace zentyra {

class CPiece_GeneralInfo : public CPiece {
public:
    using CPiece::CPiece;
    std::string GetClassName() const override { return "CPiece_GeneralInfo"; }
    std::string GetTitleText(bool usePrintLanguage) const override {
        return LanguageString(usePrintLanguage, 8714);
    }
    // The cover: project name and fields, notes, cover picture, address block, warnings.
    int Draw(ReportPainter& painter) override;
};

} // namespace zentyra
