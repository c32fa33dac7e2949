#pragma once
// The luminaire pieces: luminaire and lamp types, positions and aiming.
#include "document/ReportItems.h"
#include "document/SharedTexts.h"

namespace zentyra {

class CPiece_LuminaireInfo : public CPiece {
public:
    using CPiece::CPiece;
    std::string GetClassName() const override { return "CPiece_LuminaireInfo"; }
    std::string GetTitleText(bool usePrintLanguage) const override {
        return LanguageString(usePrintLanguage, 1335);
    }
    bool StartsNewPage(ReportPainter& /*painter*/) override { return false; }
};

class CPiece_LampInfo : public CPiece {
public:
    using CPiece::CPiece;
    std::string GetClassName() const override { return "CPiece_LampInfo"; }
    std::string GetTitleText(bool usePrintLanguage) const override {
        return LanguageString(usePrintLanguage, 1336);
    }
    bool StartsNewPage(ReportPainter& /*painter*/) override { return false; }
};

class CPiece_LuminairePos : public CPiece {
public:
    using CPiece::CPiece;
    std::string GetClassName() const override { return "CPiece_LuminairePos"; }
    std::string GetTitleText(bool usePrintLanguage) const override {
        return LanguageString(usePrintLanguage, 5038);
    }
    bool StartsNewPage(ReportPainter& /*painter*/) override { return false; }
};

class CPiece_LuminaireAim : public CPiece {
public:
    using CPiece::CPiece;
    std::string GetClassName() const override { return "CPiece_LuminaireAim"; }
    std::string GetTitleText(bool usePrintLanguage) const override {
        return LanguageString(usePrintLanguage, 1338);
    }
    bool StartsNewPage(ReportPainter& /*painter*/) override { return false; }
};

} // namespace zentyra
