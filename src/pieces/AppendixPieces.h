#pragma once
// The pieces at the end of the report: electric lines, economic calculation and the index.
// Each begins on a new page.
#include "document/ReportItems.h"
#include "document/SharedTexts.h"

namespace zentyra {

class CPiece_ElectricLines : public CPiece {
public:
    using CPiece::CPiece;
    std::string GetClassName() const override { return "CPiece_ElectricLines"; }
    std::string GetTitleText(bool usePrintLanguage) const override {
        return LanguageString(usePrintLanguage, 1348);
    }
};

class CPiece_EconomicCalc : public CPiece {
public:
    using CPiece::CPiece;
    std::string GetClassName() const override { return "CPiece_EconomicCalc"; }
    std::string GetTitleText(bool usePrintLanguage) const override {
        return LanguageString(usePrintLanguage, 154);
    }
};

class CPiece_Index : public CPiece {
public:
    using CPiece::CPiece;
    std::string GetClassName() const override { return "CPiece_Index"; }
    std::string GetTitleText(bool usePrintLanguage) const override {
        return LanguageString(usePrintLanguage, 1344);
    }
};

} // namespace zentyra
