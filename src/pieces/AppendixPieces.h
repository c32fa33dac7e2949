#pragma once
// The pieces at the end of the report: electric lines, economic calculation and the index.
// Each begins on a new page. The first two only mark in the report that the project carries
// such a calculation: they print their numbered title and nothing else.
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
    int Draw(ReportPainter& painter) override;
};

class CPiece_EconomicCalc : public CPiece {
public:
    using CPiece::CPiece;
    std::string GetClassName() const override { return "CPiece_EconomicCalc"; }
    std::string GetTitleText(bool usePrintLanguage) const override {
        return LanguageString(usePrintLanguage, 154);
    }
    int Draw(ReportPainter& painter) override;
};

class CPiece_Index : public CPiece {
public:
    using CPiece::CPiece;
    std::string GetClassName() const override { return "CPiece_Index"; }
    std::string GetTitleText(bool usePrintLanguage) const override {
        return LanguageString(usePrintLanguage, 1344);
    }
    // The table of contents, from the page numbers this layout run has assigned.
    int Draw(ReportPainter& painter) override;
};

} // namespace zentyra
