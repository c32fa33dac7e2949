#include "pieces/PlacePiece.h"

#include "document/ElementValues.h"
#include "document/ProjectFile.h"
#include "language/SafeFormat.h"
#include "pieces/RoadPieces.h"
#include "render/ReportPainter.h"
#include "render/ReportTable.h"
#include "settings/ReportSettings.h"

#include <vector>

namespace zentyra {

namespace {

constexpr double kFootCandlesPerLux = 0.3048 * 0.3048;

struct RoomSurface {
    std::string name;
    std::string colour;
    double reflectance = 0.0;
    double minimum = 0.0;
    double maximum = 0.0;
    double mean = 0.0;
};

std::vector<RoomSurface> ReadSurfaces(const TiXmlElement* customData) {
    std::vector<RoomSurface> surfaces;
    for (const TiXmlElement* surface = FirstChildElement(customData, "Surface"); surface;
         surface = NextSiblingElement(surface, "Surface")) {
        RoomSurface& s = surfaces.emplace_back();
        s.name = ReadChildName(surface, "Name");
        s.colour = ReadChildText(surface, "Color");
        s.reflectance = ReadChildReal(surface, "Reflectance");
        s.minimum = ReadChildReal(surface, "MinIllum");
        s.maximum = ReadChildReal(surface, "MaxIllum");
        s.mean = ReadChildReal(surface, "MeanIllum");
    }
    return surfaces;
}

// Small illuminances keep more decimals; the count is chosen before rounding, so 9.996 prints
// as 10.00.
std::string IlluminanceText(double lux) {
    const double value =
        ReportSettings::instance().unitSystem == 1 ? lux * kFootCandlesPerLux : lux;
    const int decimals = value < 10.0 ? 2 : value < 100.0 ? 1 : 0;
    return FormatFixed(value, decimals);
}

} // namespace

int CPiece_PlaceInfo::Draw(ReportPainter& painter) {
    if (!project->FindElement("class_placeInfo", elementId) &&
        !project->FindElement("class_roadInfo", elementId))
        return 0;
    painter.DrawPieceTitle(GetTitle(true));
    DrawRoomSurfaces(painter);
    DrawRoadInformation(painter);
    return 0;
}

int CPiece_PlaceInfo::DrawRoomSurfaces(ReportPainter& painter) {
    const PrintElementEntry* element = project->FindElement("class_placeInfo", elementId);
    if (!element) return 0;
    const std::vector<RoomSurface> surfaces = ReadSurfaces(element->customData);

    auto text = [](int number) { return LanguageString(true, number); };
    const std::string unit = SafeFormat(text(1949), {UnitText(4, projectMode)});
    ReportTable table;
    const std::string headings[9][2] = {
        {text(4663), ""},   {text(613), "RGB"}, {text(4996), text(4998)},
        {text(5075), unit}, {text(4849), unit}, {text(4354), unit},
        {text(5009), ""},   {text(1170), ""},   {text(5011), ""},
    };
    for (const auto& heading : headings) {
        table.AddCell(1, heading[0], kAlignCentre);
        table.AddCell(2, heading[1], kAlignCentre);
    }
    table.GetRow(1)->kind = kRowHeading;
    table.GetRow(2)->kind = kRowHeading;

    int row = 3;
    for (const RoomSurface& s : surfaces) {
        table.AddCell(row, s.name, kAlignCentre);
        table.AddCell(row, s.colour, kAlignCentre);
        table.AddCell(row, FormatFixed(s.reflectance * 100.0, 0) + "%", kAlignCentre);
        table.AddCell(row, IlluminanceText(s.mean), kAlignCentre);
        table.AddCell(row, IlluminanceText(s.minimum), kAlignCentre);
        table.AddCell(row, IlluminanceText(s.maximum), kAlignCentre);
        const bool ratios = s.mean > 0.0;
        table.AddCell(row, ratios ? FormatNumber(s.minimum / s.mean, 2) : "-", kAlignCentre);
        table.AddCell(row, ratios ? FormatNumber(s.minimum / s.maximum, 2) : "-", kAlignCentre);
        table.AddCell(row, ratios ? FormatNumber(s.mean / s.maximum, 2) : "-", kAlignCentre);
        ++row;
    }
    table.Draw(painter, kTableWiden | kTableCloseBands);
    return 0;
}

int CPiece_PlaceInfo::DrawRoadInformation(ReportPainter& painter) {
    return zentyra::DrawRoadInformation(painter, *project, elementId);
}

} // namespace zentyra
