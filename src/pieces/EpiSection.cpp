// The energy performance indicators: installed powers, lit areas, and the power density and
// annual energy indicators by the simple and, with a seasonal profile, the detailed method.
// Every value is the design application's text, printed as found.
#include "document/ElementValues.h"
#include "document/ProjectFile.h"
#include "language/SafeFormat.h"
#include "pieces/EnergyPiece.h"
#include "render/ReportPainter.h"
#include "render/ReportTable.h"

#include <initializer_list>
#include <vector>

namespace zentyra {

namespace {

constexpr int kTableFlags = kTableWiden | kTableCloseBands;
constexpr int kSimpleMethodLines = 9;
constexpr int kDetailedMethodLines = 12;
constexpr std::string_view kHours = "h";
constexpr std::string_view kPowerDensityUnit = "W/(lx•m²)";
constexpr std::string_view kEnergyUnit = "Wh/m²";

const std::string& Print(int number) {
    return LanguageString(true, number);
}

std::string Bracketed(std::string_view text) {
    return SafeFormat("[%ls]", {text});
}

std::string WithUnit(std::string_view value, std::string_view unit) {
    return std::string(value) + " " + std::string(unit);
}

void MarkRows(ReportTable& table, int first, int last, int kind) {
    for (int row = first; row <= last; ++row)
        if (TableRow* target = table.GetRow(row)) target->kind = kind;
}

// A note row of two cells after the body.
void AddNote(ReportTable& table, int& row, std::string_view label, std::string_view value,
             int align) {
    ++row;
    table.AddCell(row, label, align);
    table.AddCell(row, value, align);
    MarkRows(table, row, row, kRowNote);
}

std::vector<const TiXmlElement*> Children(const TiXmlElement* list, std::string_view name) {
    std::vector<const TiXmlElement*> children;
    for (const TiXmlElement* child = FirstChildElement(list, name); child;
         child = NextSiblingElement(child, name))
        children.push_back(child);
    return children;
}

// With less than `lines` body lines left, the next title starts a page, one line lower.
void KeepLinesTogether(ReportPainter& painter, int lines) {
    if (lines * painter.FontHeight(ReportFont::Body) > painter.FreeSpace()) {
        painter.NewPage(true);
        painter.y += painter.lineHeight;
    }
}

void DrawPowerTable(ReportPainter& painter, const TiXmlElement* data) {
    ReportTable table;
    table.SetCell(1, 1, Print(7716), kAlignCentre);
    table.SetCell(1, 2, Print(7717), kAlignCentre);
    table.SetCell(2, 2, Bracketed(Print(4954)), kAlignCentre);
    table.SetCell(1, 3, Print(5026), kAlignCentre);
    MarkRows(table, 1, 2, kRowHeading);
    int row = 2;
    for (const TiXmlElement* power :
         Children(FirstChildElement(data, "AppPowerList"), "AppPowerElem")) {
        ++row;
        table.AddCell(row, ReadChildText(power, "name"), kAlignLeft);
        table.AddCell(row, ReadChildText(power, "potAppa"), kAlignRight);
        table.AddCell(row, ReadChildText(power, "num"), kAlignRight);
    }
    const std::string watt = Print(4954);
    for (const auto& [label, element] : {std::pair<int, std::string_view>{7717, "OperationalPower"},
                                         {7719, "AdditionalPower"},
                                         {7720, "SystemPower"}})
        AddNote(table, row, Print(label), WithUnit(ReadChildText(data, element), watt),
                kAlignRight);
    table.Draw(painter, kTableFlags);
}

void DrawAreaTable(ReportPainter& painter, const TiXmlElement* data) {
    ReportTable table;
    table.SetCell(1, 1, Print(7722), kAlignCentre);
    table.SetCell(1, 2, Print(7723), kAlignCentre);
    table.SetCell(2, 2, Bracketed(Print(44)), kAlignCentre);
    table.SetCell(1, 3, Print(7724), kAlignCentre);
    table.SetCell(2, 3, Bracketed(Print(38)), kAlignCentre);
    MarkRows(table, 1, 2, kRowHeading);
    int row = 2;
    for (const TiXmlElement* area : Children(FirstChildElement(data, "AreaList"), "AreaElem")) {
        ++row;
        table.AddCell(row, ReadChildText(area, "name"), kAlignLeft);
        table.AddCell(row, ReadChildText(area, "area"), kAlignRight);
        table.AddCell(row, ReadChildText(area, "eMed"), kAlignRight);
    }
    AddNote(table, row, Print(7723), WithUnit(ReadChildText(data, "AreaTot"), Print(44)),
            kAlignCentre);
    table.Draw(painter, kTableFlags);
}

void DrawSimpleMethodTable(ReportPainter& painter, const TiXmlElement* data) {
    ReportTable table;
    table.SetCell(1, 1, Print(7726), kAlignCentre);
    table.SetCell(2, 1, Bracketed(kHours), kAlignCentre);
    table.SetCell(1, 2, Print(7729), kAlignCentre);
    table.SetCell(2, 2, Bracketed(kPowerDensityUnit), kAlignCentre);
    table.SetCell(1, 3, Print(7730), kAlignCentre);
    table.SetCell(2, 3, Bracketed(kEnergyUnit), kAlignCentre);
    MarkRows(table, 1, 2, kRowHeading);
    for (const std::string_view element : {"HoursPerYear_Simple", "PDI_Simple", "AECI_Simple"})
        table.AddCell(3, ReadChildText(data, element), kAlignCentre);
    table.Draw(painter, kTableFlags);
}

void DrawDetailedMethodTable(ReportPainter& painter, const TiXmlElement* data,
                             const std::vector<const TiXmlElement*>& seasons) {
    ReportTable table;
    table.SetCell(1, 1, Print(7731), kAlignCentre);
    table.SetCell(1, 2, Print(7733), kAlignCentre);
    table.SetCell(1, 3, Print(7732), kAlignCentre);
    table.SetCell(1, 4, Print(7734), kAlignCentre);
    table.SetCell(3, 4, Bracketed(kHours), kAlignCentre);
    int column = 5;
    for (const int heading : {7728, 7735, 7737, 7736, 7738}) {
        table.FillColumnFromLines(column, TwoLineHeading(Print(heading)));
        table.SetCell(3, column, Bracketed(Print(29)), kAlignCentre);
        ++column;
    }
    table.SetCell(1, 10, Print(7729), kAlignCentre);
    table.SetCell(3, 10, Bracketed(kPowerDensityUnit), kAlignCentre);
    MarkRows(table, 1, 3, kRowHeading);

    int row = 4;
    for (const TiXmlElement* season : seasons) {
        const std::vector<const TiXmlElement*> slots =
            Children(FirstChildElement(season, "TimeSlotList"), "TimeSlotElem");
        table.AddCell(row, ReadChildText(season, "name"), kAlignLeft);
        table.AddCell(row, ReadChildText(season, "numDay"), kAlignRight);
        // A season without time slots keeps a row of its own, so that the next season's name
        // does not land on the same row.
        if (slots.empty()) ++row;
        for (const TiXmlElement* slot : slots) {
            table.SetCell(row, 3, ReadChildText(slot, "name"), kAlignLeft);
            column = 4;
            for (const std::string_view element : {"oreFascia", "detectionProbability", "kRidHiW",
                                                   "kRidHiF", "kRidLoW", "kRidLoF", "PDI"})
                table.SetCell(row, column++, ReadChildText(slot, element), kAlignRight);
            ++row;
        }
    }
    --row;
    AddNote(table, row, Print(7726), WithUnit(ReadChildText(data, "HoursPerYear_Prof"), kHours),
            kAlignCentre);
    AddNote(table, row, Print(7730), WithUnit(ReadChildText(data, "AECI_Prof"), kEnergyUnit),
            kAlignCentre);
    table.Draw(painter, kTableFlags);
}

} // namespace

std::string TwoLineHeading(std::string_view text) {
    constexpr std::string_view kBreaks = "\n\r\t";
    std::vector<std::string_view> lines;
    for (std::size_t start = text.find_first_not_of(kBreaks); start != std::string_view::npos;) {
        const std::size_t end = text.find_first_of(kBreaks, start);
        lines.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        start = end == std::string_view::npos ? end : text.find_first_not_of(kBreaks, end);
    }
    if (lines.size() <= 2) return std::string(text);
    std::string heading = std::string(lines[0]) + "\n" + std::string(lines[1]);
    for (std::size_t i = 2; i < lines.size(); ++i)
        heading += " " + std::string(lines[i]);
    return heading;
}

int CPiece_EnergeticCalc::DrawEpiSection(ReportPainter& painter) {
    const PrintElementEntry* element = project->FindElement("class_EPI", elementId);
    if (!element) return 0;
    const TiXmlElement* data = element->customData;

    painter.DrawSectionTitle(Print(7715));
    DrawPowerTable(painter, data);
    painter.DrawSectionTitle(Print(7721));
    DrawAreaTable(painter, data);

    KeepLinesTogether(painter, kSimpleMethodLines);
    painter.DrawSectionTitle(Print(7714) + " - " + Print(7740));
    DrawSimpleMethodTable(painter, data);

    const std::vector<const TiXmlElement*> seasons =
        Children(FirstChildElement(data, "SeasonList"), "SeasonElem");
    if (seasons.empty()) return 1;
    KeepLinesTogether(painter, kDetailedMethodLines);
    painter.DrawSectionTitle(Print(7714) + " - " + Print(7739));
    DrawDetailedMethodTable(painter, data, seasons);
    return 1;
}

} // namespace zentyra
