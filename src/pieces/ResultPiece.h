#pragma once
// One calculation result: its title is built from the result's own data.
#include "document/ReportItems.h"

#include <string>

namespace zentyra {

class ReportTable;

class CPiece_Result : public CPiece {
public:
    using CPiece::CPiece;
    std::string GetClassName() const override { return "CPiece_Result"; }
    std::string GetTitleText(bool usePrintLanguage) const override;
    void LoadData() override;
    // Title, statistics table with its notes, and the result picture down to the bottom limit.
    int Draw(ReportPainter& painter) override;
    // The name of the quantity for the piece's project mode; empty for a quantity not in the
    // list.
    std::string QuantityName(bool usePrintLanguage) const;

    static constexpr int kSurfaceTypeCount = 15;
    static constexpr int kQuantityTypeCount = 12;
    static constexpr int kDisplayTypeCount = 6;

    int surfaceType = kSurfaceTypeCount;
    int quantityType = kQuantityTypeCount;
    int displayType = kDisplayTypeCount;
    std::string resultDescription;
    int observerIndex = 0;
    std::string observerName;
    std::string observerNameShort;
    double minValue = 0.0;
    double maxValue = 0.0;
    double meanValue = 0.0;
    int numDecimals = 0;
    double specificPower = -1.0; // -1: the element has none
    std::string imagePath;       // Image/Path, relative to the project folder

private:
    void AddStatistics(ReportTable& table) const;
};

// Unit of a result quantity: luminance for 7, "cd/(m²·lx)" for 9, none for 10 and unknown
// quantities, illuminance otherwise.
std::string ResultUnitText(int quantityType, int projectMode);

} // namespace zentyra
