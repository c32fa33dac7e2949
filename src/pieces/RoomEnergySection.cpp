// The energy figures of the room surfaces: one row per surface, then the used and installed
// power. Only the mean illuminance is converted for the imperial unit system.
#include "document/ElementValues.h"
#include "document/ProjectFile.h"
#include "language/SafeFormat.h"
#include "pieces/EnergyPiece.h"
#include "render/ReportPainter.h"
#include "render/ReportTable.h"
#include "settings/ReportSettings.h"

#include <string>
#include <vector>

namespace zentyra {

namespace {

constexpr double kFootInMetres = 0.3048;

struct RoomEnergySurface {
    std::string name;
    std::string type;
    double meanIlluminance = 0.0;
    double area = 0.0;
    double usedPower = 0.0;
    double installedPower = 0.0;
    double specificPower = 0.0;
    double specificLightingPower = 0.0;
    double energyEfficiency = 0.0;
};

std::vector<RoomEnergySurface> ReadSurfaces(const TiXmlElement* data) {
    std::vector<RoomEnergySurface> surfaces;
    for (const TiXmlElement* child = FirstChildElement(data, "Surface"); child;
         child = NextSiblingElement(child, "Surface")) {
        RoomEnergySurface& surface = surfaces.emplace_back();
        surface.name = ReadChildName(child, "Name");
        surface.type = ReadChildText(child, "Type");
        surface.meanIlluminance = ReadChildReal(child, "MeanIllum");
        surface.area = ReadChildReal(child, "SurfaceArea");
        surface.usedPower = ReadChildReal(child, "UsedWatt");
        surface.installedPower = ReadChildReal(child, "InstalledWatt");
        surface.specificPower = ReadChildReal(child, "PotSpecifica");
        surface.specificLightingPower = ReadChildReal(child, "PotSpecificaIlluminotecnica");
        surface.energyEfficiency = ReadChildReal(child, "RendimentoEnergetico");
    }
    return surfaces;
}

bool Imperial() {
    return ReportSettings::instance().unitSystem == 1;
}

std::string IlluminanceUnit(int projectMode) {
    if (Imperial()) return LanguageString(true, 47);
    if (projectMode == 2) return "umol/(s*m2)";
    if (projectMode == 3) return "W/m2";
    return "lx";
}

// Fewer decimals as the value grows, chosen from the value before rounding.
std::string MeanIlluminanceText(double lux) {
    const double value = Imperial() ? lux * kFootInMetres * kFootInMetres : lux;
    if (value < 10) return SafeFormat("%.2lf", {value});
    if (value < 100) return SafeFormat("%.1lf", {value});
    return SafeFormat("%.0lf", {value});
}

} // namespace

int CPiece_EnergeticCalc::DrawPlaceEnergeticSection(ReportPainter& painter) {
    const PrintElementEntry* element = project->FindElement("class_placeEnergetic", elementId);
    if (!element) return 0;
    const TiXmlElement* data = element->customData;
    const double usedPower = ReadChildReal(data, "UsedWatt");
    const double installedPower = ReadChildReal(data, "InstalledWatt");
    const std::vector<RoomEnergySurface> surfaces = ReadSurfaces(data);

    const std::string areaUnit = LanguageString(true, Imperial() ? 7505 : 44);
    const std::string illuminanceUnit = IlluminanceUnit(projectMode);
    const std::string& unitHeading = LanguageString(true, 1949);
    ReportTable table;
    const std::string headings[2][7] = {
        {LanguageString(true, 4663), LanguageString(true, 2203), LanguageString(true, 5075),
         LanguageString(true, 7641), LanguageString(true, 5851), LanguageString(true, 5852),
         LanguageString(true, 5853)},
        {"", SafeFormat(unitHeading, {areaUnit}), SafeFormat(unitHeading, {illuminanceUnit}), "[W]",
         "[W/m²]", SafeFormat("[ W/(m²*100%s) ]", {illuminanceUnit}),
         SafeFormat("[ m²*%s/w ]", {illuminanceUnit})}};
    for (int row = 0; row < 2; ++row) {
        for (const std::string& text : headings[row])
            table.AddCell(row + 1, text, kAlignCentre);
        table.GetRow(row + 1)->kind = kRowHeading;
    }
    int row = 2;
    for (const RoomEnergySurface& surface : surfaces) {
        ++row;
        for (const std::string& text :
             {surface.name, FormatNumber(surface.area, 2),
              MeanIlluminanceText(surface.meanIlluminance), FormatNumber(surface.usedPower, 2),
              FormatNumber(surface.specificPower, 2),
              FormatNumber(surface.specificLightingPower, 2),
              FormatNumber(surface.energyEfficiency, 2)})
            table.AddCell(row, text, kAlignCentre);
    }
    const std::string& usedLabel = LanguageString(true, 7641);
    table.AddCell(++row, SafeFormat("%s %.2lf W", {usedLabel, usedPower}), kAlignCentre);
    table.GetRow(row)->kind = kRowNote;
    table.AddCell(
        ++row, SafeFormat("%s %s %.2lf W", {usedLabel, LanguageString(true, 8679), installedPower}),
        kAlignCentre);
    table.GetRow(row)->kind = kRowNote;
    table.Draw(painter, kTableWiden | kTableCloseBands);
    return 1;
}

} // namespace zentyra
