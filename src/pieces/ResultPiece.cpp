#include "pieces/ResultPiece.h"

#include "document/ElementValues.h"
#include "document/ProjectFile.h"
#include "document/SharedTexts.h"
#include "language/SafeFormat.h"
#include "render/ReportPainter.h"
#include "render/ReportTable.h"
#include "settings/AppConfig.h"
#include "settings/ReportSettings.h"

#include <array>
#include <string_view>

namespace zentyra {

namespace {

struct Quantity {
    std::string_view name;
    std::array<int, 3> titleStrings; // project modes 0 and 1, 2, 3
};

constexpr std::array<Quantity, CPiece_Result::kQuantityTypeCount> kQuantities = {{
    {"Illuminance", {1780, 8349, 8357}},
    {"VertIllPosX", {1781, 8350, 8358}},
    {"VertIllNegX", {1782, 8351, 8359}},
    {"VertIllPosY", {1783, 8352, 8360}},
    {"VertIllNegY", {1784, 8353, 8361}},
    {"CylIlluminance", {1785, 8354, 8362}},
    {"SemiCylIlluminance", {1786, 8355, 8363}},
    {"Luminance", {6512, 0, 0}},
    {"TV", {1787, 0, 0}},
    {"QC", {1134, 0, 0}},
    {"", {1163, 0, 0}},
    {"HemisphIlluminance", {7352, 8356, 8364}},
}};

struct Display {
    std::string_view name;
    int titleFormat;
};

constexpr std::array<Display, CPiece_Result::kDisplayTypeCount> kDisplays = {{
    {"numeric", 8371},
    {"isoSurf", 8372},
    {"pseudoColor", 8373},
    {"luminCurve", 7683},
    {"numeric_Grad", 8603},
    {"numeric_Maur", 8604},
}};

constexpr std::array<std::string_view, CPiece_Result::kSurfaceTypeCount> kSurfaces = {
    "kSurfType_generic", "kSurfType_floor",  "kSurfType_ceiling",    "kSurfType_wall",
    "kSurfType_virtual", "kSurfType_wpRoom", "kSurfType_wpCyl",      "kSurfType_wpTv",
    "kSurfType_ObjBase", "kSurfType_ObjTop", "kSurfType_ObjSide",    "kSurfType_TunVirtualWall",
    "kSurfType_plane",   "kSurf_RoadLane",   "kSurf_RoadVirtualZone"};

// Index of the first equal name, or the list length.
template <class List, class Name> int IndexOf(const List& list, std::string_view text, Name name) {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (name(list[i]) == text) return static_cast<int>(i);
    return static_cast<int>(list.size());
}

constexpr double kFootCandlesPerLux = 0.3048 * 0.3048;

enum : int { kCylindrical = 6, kLuminance = 7, kThresholdIncrement = 8, kContrast = 9 };

} // namespace

void CPiece_Result::LoadData() {
    const PrintElementEntry* entry =
        project ? project->FindElement("class_result", elementId) : nullptr;
    if (!entry) return;
    const TiXmlElement* info = FirstChildElement(entry->customData, "ResultInfo");
    minValue = ReadChildReal(info, "Min");
    maxValue = ReadChildReal(info, "Max");
    meanValue = ReadChildReal(info, "Med");
    numDecimals = ReadChildInteger(info, "NumDecimals");
    quantityType =
        IndexOf(kQuantities, ReadChildText(info, "Type"), [](const Quantity& q) { return q.name; });
    displayType = IndexOf(kDisplays, ReadChildText(info, "DisplayType"),
                          [](const Display& d) { return d.name; });
    surfaceType =
        IndexOf(kSurfaces, ReadChildText(info, "e_surfType"), [](std::string_view s) { return s; });
    resultDescription = ReadChildText(info, "Description");
    specificPower = FirstChildElement(info, "PotSpecificaIlluminotecnica")
                        ? ReadChildReal(info, "PotSpecificaIlluminotecnica")
                        : -1.0;
    observerIndex = ReadChildInteger(info, "ObserverIndex");
    observerName = ReadChildText(info, "ObserverName");
    observerNameShort = ReadChildText(info, "ObserverNameShort");
    imagePath = ChildText(FirstChildElement(entry->customData, "Image"), "Path");
}

std::string CPiece_Result::QuantityName(bool usePrintLanguage) const {
    if (quantityType < 0 || quantityType >= kQuantityTypeCount) return {};
    const int column = projectMode == 2 ? 1 : projectMode == 3 ? 2 : 0;
    const int number = kQuantities[static_cast<std::size_t>(quantityType)]
                           .titleStrings[static_cast<std::size_t>(column)];
    return LanguageString(usePrintLanguage, number);
}

std::string CPiece_Result::GetTitleText(bool usePrintLanguage) const {
    const std::string description = TranslateNames(resultDescription, usePrintLanguage);
    const std::string quantityName = QuantityName(usePrintLanguage);

    std::string title;
    if (displayType >= 0 && displayType < kDisplayTypeCount) {
        const int format = kDisplays[static_cast<std::size_t>(displayType)].titleFormat;
        title = SafeFormat(LanguageString(usePrintLanguage, format), {quantityName, description});
    }
    switch (quantityType) {
    case kCylindrical:
        title += SafeFormat(" - %s %s", {LanguageString(usePrintLanguage, 1091), observerName});
        break;
    case kThresholdIncrement:
        title += SafeFormat(" - %s %d %s",
                            {LanguageString(usePrintLanguage, 1157), observerIndex, observerName});
        break;
    case kLuminance:
    case kContrast:
        title += SafeFormat(" - %s %d %s", {LanguageString(usePrintLanguage, 1685), observerIndex,
                                            observerNameShort});
        break;
    default:
        break;
    }
    return title;
}

int CPiece_Result::Draw(ReportPainter& painter) {
    const PrintElementEntry* entry = project->FindElement("class_result", elementId);
    if (!entry) return 0;
    painter.DrawPieceTitle(GetTitle(true));
    const std::string picture = project->ImagePath(*entry);
    ReportTable table;
    AddStatistics(table);
    table.Draw(painter, kTableWiden | kTableCloseBands);
    painter.y += painter.lineHeight;
    painter.y = painter.DrawImage(
        picture, 0, PageRect{painter.left(), painter.y, painter.right(), painter.BottomLimit()});
    return 0;
}

void CPiece_Result::AddStatistics(ReportTable& table) const {
    auto text = [](int number) { return LanguageString(true, number); };
    for (const int heading : {6380, 5008, 4849, 4354, 5009, 1170, 5011})
        table.AddCell(1, text(heading), kAlignCentre);
    table.GetRow(1)->kind = kRowHeading;

    const std::string unit = ResultUnitText(quantityType, projectMode);
    const double factor = ReportSettings::instance().unitSystem == 1 ? kFootCandlesPerLux : 1.0;
    table.AddCell(2, QuantityName(true), kAlignCentre);
    for (const double value : {meanValue, minValue, maxValue}) {
        const std::string number = maxValue < 0.0 ? "-" : FormatFixed(value * factor, numDecimals);
        table.AddCell(2, number + " " + unit, kAlignCentre);
    }
    // Uniformities, only for a positive mean and maximum. A ratio that is negative or not a
    // number (from values that are not) prints as a dash.
    const bool computed = meanValue > 0.0 && maxValue > 0.0;
    const std::array<double, 3> ratios = {minValue / meanValue, minValue / maxValue,
                                          meanValue / maxValue};
    bool anyAboveZero = false;
    for (const double ratio : ratios) {
        const bool printable = computed && ratio >= 0.0;
        anyAboveZero = anyAboveZero || (computed && ratio > 0.0);
        table.AddCell(2, printable ? FormatFixed(ratio, 2) : "-", kAlignCentre);
    }
    int row = 3;
    if (appConfig().germanReports && anyAboveZero) {
        const std::array<double, 3> reciprocals = {meanValue / minValue, maxValue / minValue,
                                                   maxValue / meanValue};
        for (int column = 1; column <= 4; ++column)
            table.AddCell(row, "", kAlignCentre);
        for (std::size_t i = 0; i < 3; ++i) {
            const bool printable = ratios[i] > 0.0;
            table.AddCell(row, printable ? "1:" + FormatFixed(reciprocals[i], 2) : "-",
                          kAlignCentre);
        }
        ++row;
    }
    auto note = [&](std::string_view label, std::string_view value) {
        table.AddCell(row, label, kAlignCentre);
        table.AddCell(row, value, kAlignCentre);
        table.GetRow(row)->kind = kRowNote;
        ++row;
    };
    if (quantityType == kLuminance) note(text(1091), observerName);
    if (specificPower != -1.0) {
        const char* perHundred = projectMode == 2   ? "umol/(s*m2)"
                                 : projectMode == 3 ? "W/m2"
                                                    : "lx";
        note(text(5852), FormatFixed(specificPower, 2) + " [ W/(m²*100" + perHundred + ") ]");
    }
    const ProjectFile& p = *project;
    note(text(1779), p.calcTypeZero
                         ? text(5014)
                         : text(5015) + SafeFormat(" (%s:%d)", {text(6294), p.accuracy}));
}

std::string ResultUnitText(int quantityType, int projectMode) {
    if (quantityType == kLuminance) return UnitText(5, projectMode);
    if (quantityType == kContrast) return "cd/(m²·lx)";
    if (quantityType == 10 || quantityType > 11 || quantityType < 0) return {};
    return UnitText(4, projectMode);
}

} // namespace zentyra
