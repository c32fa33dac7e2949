#include "pieces/ResultPiece.h"

#include "document/ElementValues.h"
#include "document/ProjectFile.h"
#include "document/SharedTexts.h"
#include "language/SafeFormat.h"

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

std::string CPiece_Result::GetTitleText(bool usePrintLanguage) const {
    const std::string description = TranslateNames(resultDescription, usePrintLanguage);
    std::string quantityName;
    if (quantityType >= 0 && quantityType < kQuantityTypeCount) {
        const int column = projectMode == 2 ? 1 : projectMode == 3 ? 2 : 0;
        const int number = kQuantities[static_cast<std::size_t>(quantityType)]
                               .titleStrings[static_cast<std::size_t>(column)];
        quantityName = LanguageString(usePrintLanguage, number);
    }

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

std::string ResultUnitText(int quantityType, int projectMode) {
    if (quantityType == kLuminance) return UnitText(5, projectMode);
    if (quantityType == kContrast) return "cd/(m²·lx)";
    if (quantityType == 10 || quantityType > 11 || quantityType < 0) return {};
    return UnitText(4, projectMode);
}

} // namespace zentyra
