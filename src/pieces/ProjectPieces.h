#pragma once
// The pieces of the project summary: cover page, place and road information. Lighting quality
// and energy have headers of their own.
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

class CPiece_PlaceInfo : public CPiece {
public:
    using CPiece::CPiece;
    std::string GetClassName() const override { return "CPiece_PlaceInfo"; }
    std::string GetTitleText(bool usePrintLanguage) const override {
        return LanguageString(usePrintLanguage, 5091);
    }
    bool StartsNewPage(ReportPainter& /*painter*/) override { return false; }
};

class CPiece_RoadAppa : public CPiece {
public:
    using CPiece::CPiece;
    std::string GetClassName() const override { return "CPiece_RoadAppa"; }
    std::string GetTitleText(bool usePrintLanguage) const override {
        return LanguageString(usePrintLanguage, 584);
    }
    bool StartsNewPage(ReportPainter& /*painter*/) override { return false; }
};

} // namespace zentyra
