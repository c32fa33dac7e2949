#pragma once
// The picture pieces: plant, lateral, front and labels views, screenshots and renderings.
// Each begins on a new page.
#include "document/ReportItems.h"
#include "document/SharedTexts.h"

namespace zentyra {

class CPiece_PlantView : public CPiece {
public:
    using CPiece::CPiece;
    std::string GetClassName() const override { return "CPiece_PlantView"; }
    std::string GetTitleText(bool usePrintLanguage) const override {
        return LanguageString(usePrintLanguage, 5055);
    }
};

class CPiece_LatView : public CPiece {
public:
    using CPiece::CPiece;
    std::string GetClassName() const override { return "CPiece_LatView"; }
    std::string GetTitleText(bool usePrintLanguage) const override {
        return LanguageString(usePrintLanguage, 4943);
    }
};

class CPiece_FrontView : public CPiece {
public:
    using CPiece::CPiece;
    std::string GetClassName() const override { return "CPiece_FrontView"; }
    std::string GetTitleText(bool usePrintLanguage) const override {
        return LanguageString(usePrintLanguage, 4944);
    }
};

class CPiece_LabelView : public CPiece {
public:
    using CPiece::CPiece;
    std::string GetClassName() const override { return "CPiece_LabelView"; }
    std::string GetTitleText(bool usePrintLanguage) const override {
        return LanguageString(usePrintLanguage, 6708);
    }
};

class CPiece_ScreenShot : public CPiece {
public:
    using CPiece::CPiece;
    std::string GetClassName() const override { return "CPiece_ScreenShot"; }
    std::string GetTitleText(bool usePrintLanguage) const override {
        return LanguageString(usePrintLanguage, 155);
    }
};

class CPiece_Rendering : public CPiece {
public:
    using CPiece::CPiece;
    std::string GetClassName() const override { return "CPiece_Rendering"; }
    std::string GetTitleText(bool usePrintLanguage) const override {
        return LanguageString(usePrintLanguage, 1343);
    }
};

} // namespace zentyra
