#pragma once
// The pieces of the project summary: cover page, lighting quality and energy (the place and
// road pieces have files of their own).
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

class CPiece_EnergeticCalc : public CPiece {
public:
    using CPiece::CPiece;
    std::string GetClassName() const override { return "CPiece_EnergeticCalc"; }
    std::string GetTitleText(bool usePrintLanguage) const override {
        return LanguageString(usePrintLanguage, 5841);
    }
    // Whether the energy piece needs a fresh page depends on what it prints; it continues
    // the page until that is decided by the piece itself.
    bool StartsNewPage(ReportPainter& /*painter*/) override { return false; }
};

class CPiece_QualitaImpianto : public CPiece {
public:
    using CPiece::CPiece;
    std::string GetClassName() const override { return "CPiece_QualitaImpianto"; }
    std::string GetTitleText(bool usePrintLanguage) const override {
        return LanguageString(usePrintLanguage, 5060);
    }
    bool StartsNewPage(ReportPainter& /*painter*/) override { return false; }
};

} // namespace zentyra
