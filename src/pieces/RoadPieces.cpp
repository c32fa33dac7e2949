#include "pieces/RoadPieces.h"

#include "document/ProjectFile.h"
#include "document/RoadData.h"
#include "language/SafeFormat.h"
#include "platform/Path.h"
#include "render/ReportPainter.h"
#include "render/ReportTable.h"
#include "settings/ReportSettings.h"

#include <algorithm>
#include <array>

namespace zentyra {

namespace {

constexpr double kMetresPerFoot = 0.3048;
constexpr int kTunnelLegendHeight = 300;
constexpr int kZoneLegendHeight = 490;
constexpr int kLightLegendHeight = 440;
constexpr int kAngleUnitString = 7495;

bool Imperial() {
    return ReportSettings::instance().unitSystem == 1;
}

const std::string& Text(int number) {
    return LanguageString(true, number);
}

// A heading whose "%s" receives the length unit.
std::string WithLengthUnit(int number) {
    return SafeFormat(Text(number), {LengthUnitText()});
}

std::string WithAngleUnit(int number) {
    return SafeFormat(Text(number), {Text(kAngleUnitString)});
}

std::string LengthCell(double metres) {
    return FormatNumber(ConvertedLength(metres), 2);
}

// A length of the tunnel block: two decimals and the unit, "m" in the metric system.
std::string TunnelLength(double metres) {
    if (!Imperial()) return FormatFixed(metres, 2) + " m";
    return FormatFixed(metres / kMetresPerFoot, 2) + " " + LengthUnitText();
}

std::string ColourAndReflectance(const std::string& colour, double reflectance) {
    return "(" + colour + ") " + FormatFixed(reflectance * 100.0, 0) + "%";
}

std::string LegendPath(const ProjectFile& project, std::string_view name) {
    return JoinPath(project.folder, name);
}

// A legend picture under a table, on a new page when its box no longer fits.
void DrawLegend(ReportPainter& painter, const std::string& file, int height) {
    painter.y += painter.lineHeight / 2;
    if (painter.BottomLimit() - painter.y < height) painter.NewPage(true);
    painter.y =
        painter.DrawImage(file, kFitLeft | kFitTop,
                          PageRect{painter.left(), painter.y, painter.right(), painter.y + height});
}

// Two heading rows filled column by column.
void AddHeadings(ReportTable& table, const std::vector<std::array<std::string, 2>>& headings) {
    for (const auto& heading : headings) {
        table.AddCell(1, heading[0], kAlignCentre);
        table.AddCell(2, heading[1], kAlignCentre);
    }
    table.GetRow(1)->kind = kRowHeading;
    table.GetRow(2)->kind = kRowHeading;
}

// The label lines after the first: six, one more for a vault on side walls, two more for a
// circular section.
int TunnelLineCount(int coverType) {
    return 6 + (coverType == 1 ? 1 : 0) + (coverType == 3 ? 2 : 0);
}

void DrawTunnelBlock(ReportPainter& painter, const ProjectFile& project, const RoadData& road) {
    painter.SelectFont(ReportFont::Body);
    // Under room surfaces that end low on the page the block would run into the footer: it
    // starts a page of its own when its legend or its lines do not fit.
    const int needed = std::max(kTunnelLegendHeight,
                                (TunnelLineCount(road.Tun_coverType) + 3) * painter.lineHeight);
    if (painter.BottomLimit() - painter.y < needed) painter.NewPage(true);
    const int left = painter.left();
    const int right = painter.right();
    const int centre = (left + right) / 2;
    const int top = painter.y;
    const int pictureBottom =
        painter.DrawImage(LegendPath(project, "LegendFornice.gif"), kFitRight | kFitTop,
                          PageRect{centre, top, right, top + kTunnelLegendHeight});

    PageDevice* dc = painter.dc;
    const TextAlign saved = dc ? dc->textAlign() : TextAlign{};
    int lineY = top;
    int lastLineY = top;
    auto line = [&](std::string_view label, std::string_view value) {
        if (dc) {
            dc->SetTextAlign({HAlign::Left, VAlign::Top});
            dc->TextOut(left, lineY, label);
            if (!value.empty()) {
                dc->SetTextAlign({HAlign::Right, VAlign::Top});
                dc->TextOut(centre, lineY, value);
            }
        }
        lastLineY = lineY;
        lineY += painter.lineHeight;
    };

    line(Text(road.Tun_LumCalcModeStrId), {});
    lineY += painter.lineHeight; // one blank line
    static constexpr std::array<int, 4> kCoverTypes = {7594, 7595, 7596, 7597};
    const int cover = road.Tun_coverType;
    line(Text(7593), cover >= 0 && cover <= 3 ? Text(kCoverTypes[static_cast<std::size_t>(cover)])
                                              : std::string());
    line(Text(7599), TunnelLength(road.Tun_tunWidth));
    line(Text(7600), TunnelLength(road.Tun_tunHeight));
    if (cover == 3) line(Text(7638), TunnelLength(road.Tun_tunHeightHO));
    if (cover == 1) line(Text(7601), TunnelLength(road.Tun_tunPiedritto));
    if (cover == 3) line(Text(7602), TunnelLength(road.Tun_tunDiameter));
    line(Text(7748), TunnelLength(road.Tun_h_walls));
    line(Text(7749), ColourAndReflectance(road.Tun_color_walls, road.Tun_coefRif_walls));
    line(Text(7750), ColourAndReflectance(road.Tun_color_ceil, road.Tun_coefRif_ceil));
    if (dc) dc->SetTextAlign(saved);
    painter.y = std::max(pictureBottom, lastLineY + 2 * painter.lineHeight);
}

std::string ZoneTypeText(int type) {
    switch (type) {
    case 0:
        return Text(1911);
    case 1:
        return Text(1912);
    case 2:
        return Text(6596);
    default:
        return {};
    }
}

void AddZoneRows(ReportTable& table, int& row, const RoadZone& zone, int zoneNumber) {
    const std::string zoneName = SafeFormat("%d. %s", {zoneNumber, zone.Name});
    auto number = [](double value, int decimals) { return FormatNumber(value, decimals); };
    auto add = [&](std::string_view text, int align) { table.AddCell(row, text, align); };

    // A zone of one sub-zone prints as one row; otherwise the zone's row is followed by one row
    // per sub-zone.
    const bool merged = zone.subZones.size() == 1;
    const RoadSubZone* only = merged ? &zone.subZones.front() : nullptr;
    add(zoneName, kAlignLeft);
    add(ZoneTypeText(zone.Type), kAlignLeft);
    add(merged ? only->Name : "", merged ? kAlignLeft : kAlignCentre);
    add(merged ? only->Direction : "", merged ? kAlignLeft : kAlignCentre);
    add(LengthCell(merged ? only->Width : zone.Width), kAlignRight);
    add(LengthCell(merged ? only->Y1 : zone.Y1), kAlignRight);
    add(LengthCell(merged ? only->Y2 : zone.Y2), kAlignRight);
    add(number(zone.PtCalcY, 0), kAlignRight);
    if (merged)
        add(number(only->PtCalcY, 0), kAlignRight);
    else
        add("", kAlignCentre);
    add(LengthCell(zone.Height), kAlignRight);
    add(zone.RTable, kAlignLeft);
    add(number(zone.Q0CRif, 4), kAlignRight);
    ++row;
    if (merged) return;

    int subNumber = 0;
    for (const RoadSubZone& sub : zone.subZones) {
        ++subNumber;
        add("", kAlignCentre);
        add(SafeFormat("%d.%d", {zoneNumber, subNumber}), kAlignCentre);
        add(sub.Name, kAlignLeft);
        add(sub.Direction, kAlignLeft);
        add(LengthCell(sub.Width), kAlignRight);
        add(LengthCell(sub.Y1), kAlignRight);
        add(LengthCell(sub.Y2), kAlignRight);
        add("", kAlignCentre);
        add(number(sub.PtCalcY, 0), kAlignRight);
        add("", kAlignCentre);
        add("", kAlignCentre);
        add("", kAlignCentre);
        ++row;
    }
}

void DrawZoneTable(ReportPainter& painter, const RoadData& road) {
    ReportTable table;
    AddHeadings(table, {
                           {Text(1927), Text(0)},
                           {Text(633), Text(0)},
                           {Text(1929), Text(0)},
                           {Text(629), Text(0)},
                           {Text(575), WithLengthUnit(1947)},
                           {Text(1891), WithLengthUnit(1949)},
                           {Text(1892), WithLengthUnit(1949)},
                           {Text(4892), Text(1953)},
                           {Text(4892), Text(1955)},
                           {Text(1956), WithLengthUnit(1957)},
                           {Text(1896), Text(0)},
                           {Text(616), Text(532)},
                       });
    int row = 3;
    int zoneNumber = 0;
    for (const RoadZone& zone : road.zones)
        AddZoneRows(table, row, zone, ++zoneNumber);
    table.Draw(painter, kTableWiden | kTableCloseBands);
}

void AddLineRow(ReportTable& table, int row, const RoadLine& line, bool tunnel) {
    auto add = [&](std::string_view text, int align) { table.AddCell(row, text, align); };
    auto length = [&](double metres) { add(LengthCell(metres), kAlignRight); };
    auto angle = [&](double degrees) { add(FormatNumber(degrees, 0), kAlignRight); };
    auto poles = [&] {
        add(line.VirtualRow ? std::string("---") : FormatNumber(line.PostNum, 0), kAlignRight);
    };
    add(line.Name, kAlignLeft);
    add(line.LightTypeStringID, kAlignLeft);
    if (tunnel) {
        add(line.Layer, kAlignLeft);
        length(line.LumPosX);
        length(line.LumPosY);
        length(line.Height);
        poles();
        length(line.Interdistance);
        add(FormatNumber(line.Increm, 2), kAlignRight);
        length(line.Section);
        angle(line.LumTilting);
        angle(line.LumRotation);
        angle(line.LatLumIncl);
        return;
    }
    length(line.PosX);
    length(line.PosY);
    length(line.LumPosX);
    length(line.LumPosY);
    length(line.Height);
    poles();
    length(line.Interdistance);
    length(line.LumLC);
    angle(line.LumTilting);
    angle(line.ArmRotation);
    angle(line.LumRotation);
    angle(line.LatLumIncl);
}

} // namespace

double ConvertedLength(double metres) {
    return Imperial() ? metres / kMetresPerFoot : metres;
}

int DrawRoadInformation(ReportPainter& painter, const ProjectFile& project, int elementId) {
    const PrintElementEntry* element = project.FindElement("class_roadInfo", elementId);
    if (!element) return 0;
    RoadData road;
    ReadRoadData(element->customData, road);
    if (road.IsTunnel) DrawTunnelBlock(painter, project, road);
    DrawZoneTable(painter, road);
    DrawLegend(painter, LegendPath(project, "LegendRoadZone.gif"), kZoneLegendHeight);
    return 0;
}

int CPiece_RoadAppa::Draw(ReportPainter& painter) {
    const PrintElementEntry* element = project->FindElement("class_roadInfo", elementId);
    if (!element) return 0;
    painter.DrawPieceTitle(GetTitle(true));
    RoadData road;
    ReadRoadData(element->customData, road);

    ReportTable table;
    if (road.IsTunnel) {
        AddHeadings(table, {
                               {Text(648), Text(0)},
                               {Text(5443), Text(0)},
                               {Text(7603), Text(0)},
                               {Text(6522), WithLengthUnit(8680)},
                               {Text(6523), WithLengthUnit(8681)},
                               {Text(4921), WithLengthUnit(4922)},
                               {Text(4923), Text(112)},
                               {Text(558), WithLengthUnit(4926)},
                               {Text(7604), Text(0)},
                               {Text(7605), WithLengthUnit(1949)},
                               {Text(1907), WithAngleUnit(4930)},
                               {Text(7493), WithAngleUnit(4932)},
                               {Text(1909), WithAngleUnit(4934)},
                           });
    } else {
        AddHeadings(table, {
                               {Text(648), Text(0)},
                               {Text(5443), Text(0)},
                               {Text(4917), WithLengthUnit(4918)},
                               {Text(4919), WithLengthUnit(4920)},
                               {Text(6522), WithLengthUnit(8680)},
                               {Text(6523), WithLengthUnit(8681)},
                               {Text(4921), WithLengthUnit(4922)},
                               {Text(4923), Text(4924)},
                               {Text(558), WithLengthUnit(4926)},
                               {"LC", WithLengthUnit(4928)},
                               {Text(1907), WithAngleUnit(4930)},
                               {Text(1908), WithAngleUnit(4932)},
                               {Text(7493), WithAngleUnit(4932)},
                               {Text(1909), WithAngleUnit(4934)},
                           });
    }
    int row = 3;
    for (const RoadLine& line : road.lines)
        AddLineRow(table, row++, line, road.IsTunnel);
    table.Draw(painter, kTableWiden | kTableCloseBands);
    DrawLegend(painter, LegendPath(*project, "LegendRoadLight.gif"), kLightLegendHeight);
    return 0;
}

} // namespace zentyra
