// The glare sections of the lighting-quality piece: one observer looking at one point, and a
// grid of observers times viewing directions turned so that the longer list runs down the page.
#include "document/ProjectFile.h"
#include "language/SafeFormat.h"
#include "pieces/QualityPiece.h"
#include "render/ReportPainter.h"
#include "render/ReportTable.h"

#include <algorithm>
#include <cstdlib>

namespace zentyra {

namespace {

constexpr int kGlareHeadingString = 5220;
constexpr int kObserverString = 1091;
constexpr int kObserverLabelString = 1685;
constexpr int kTowerTargetString = 5212;
constexpr int kLuminaireTargetString = 1687;
constexpr int kTableFlags = kTableWiden | kTableCloseBands;
constexpr int kFirstBodyRow = 4;

const std::string& Print(int number) {
    return LanguageString(true, number);
}

std::string Fixed2(double value) {
    return SafeFormat("%.2lf", {value});
}

std::string ObserverLabel(int observer) {
    return SafeFormat("%s%d", {Print(kObserverLabelString), observer + 1});
}

void MarkHeadingRows(ReportTable& table, int count) {
    for (int row = 1; row <= count; ++row)
        if (TableRow* heading = table.GetRow(row)) heading->kind = kRowHeading;
}

// The grid as the file describes it: record i * D + j holds observer i in direction j. Cells
// whose record the file does not hold are printed empty.
class GlareGridRecords {
public:
    GlareGridRecords(std::vector<GlareRecord> records, int directions)
        : records_(std::move(records)), directions_(directions) {}

    const GlareRecord* At(int observer, int direction) const {
        const long long index = static_cast<long long>(observer) * directions_ + direction;
        if (index < 0 || index >= static_cast<long long>(records_.size())) return nullptr;
        return &records_[static_cast<std::size_t>(index)];
    }
    // The record that gives a direction its heading: the first observer's.
    const GlareRecord* Direction(int direction) const { return At(0, direction); }
    // The record that gives an observer its position: the first direction's.
    const GlareRecord* Observer(int observer) const { return At(observer, 0); }

private:
    std::vector<GlareRecord> records_;
    int directions_;
};

std::string ValueText(const GlareRecord* record, bool towardTargets) {
    if (!record) return {};
    std::string text =
        record->rating == -1.0 ? std::string("-") : SafeFormat("%.0lf", {record->rating});
    if (towardTargets) text += SafeFormat(" (%.0lf°)", {record->directionAngle});
    return text;
}

// Directions down the page, one column per observer.
void FillDirectionsDown(ReportTable& table, const GlareGridRecords& grid, GlareGrid size,
                        bool towardTargets) {
    table.AddCell(1, Print(kObserverString), kAlignCentre);
    table.AddCell(2, "x [m]", kAlignCentre);
    table.AddCell(3, "y [m]", kAlignCentre);
    for (int i = 0; i < size.observers; ++i) {
        const GlareRecord* observer = grid.Observer(i);
        table.AddCell(1, ObserverLabel(i), kAlignCentre);
        table.AddCell(2, observer ? Fixed2(observer->observer.x) : std::string(), kAlignCentre);
        table.AddCell(3, observer ? Fixed2(observer->observer.y) : std::string(), kAlignCentre);
    }
    for (int j = 0; j < size.directions; ++j) {
        const int row = kFirstBodyRow + j;
        const GlareRecord* direction = grid.Direction(j);
        std::string label;
        if (direction && !towardTargets)
            label = SafeFormat("Dir%d: %.0lf°", {j + 1, direction->directionAngle});
        else if (direction)
            label = SafeFormat(
                Print(direction->towerNumber >= 0 ? kTowerTargetString : kLuminaireTargetString),
                {direction->target.x, direction->target.y});
        table.AddCell(row, label, kAlignCentre);
        for (int i = 0; i < size.observers; ++i)
            table.AddCell(row, ValueText(grid.At(i, j), towardTargets), kAlignCentre);
    }
}

// Observers down the page, one column per direction.
void FillObserversDown(ReportTable& table, const GlareGridRecords& grid, GlareGrid size,
                       bool towardTargets) {
    table.AddCell(1, Print(kObserverString), kAlignCentre);
    table.AddCell(1, "Posiz.Obs", kAlignCentre);
    for (const int row : {2, 3}) {
        table.AddCell(row, "", kAlignCentre);
        table.AddCell(row, "", kAlignCentre);
    }
    for (int j = 0; j < size.directions; ++j) {
        const GlareRecord* direction = grid.Direction(j);
        std::string name;
        std::string where;
        std::string height;
        if (direction && !towardTargets) {
            name = SafeFormat("Dir%d", {j + 1});
            where = SafeFormat("%.0lf°", {direction->directionAngle});
        } else if (direction) {
            const long long number = std::llabs(static_cast<long long>(direction->towerNumber));
            name = SafeFormat(direction->towerNumber >= 0 ? "Tower %lld" : "Lum %lld", {number});
            where = SafeFormat("x=%.2lf y=%.2lf", {direction->target.x, direction->target.y});
            height = SafeFormat("h=%.2lf", {direction->target.z});
        }
        table.AddCell(1, name, kAlignCentre);
        table.AddCell(2, where, kAlignCentre);
        table.AddCell(3, height, kAlignCentre);
    }
    for (int i = 0; i < size.observers; ++i) {
        const int row = kFirstBodyRow + i;
        const GlareRecord* observer = grid.Observer(i);
        table.AddCell(row, ObserverLabel(i), kAlignCentre);
        table.AddCell(
            row,
            observer ? SafeFormat("%.2lf %.2lf %.2lf", {observer->observer.x, observer->observer.y,
                                                        observer->observer.z})
                     : std::string(),
            kAlignCentre);
        for (int j = 0; j < size.directions; ++j)
            table.AddCell(row, ValueText(grid.At(i, j), towardTargets), kAlignCentre);
    }
}

} // namespace

std::vector<GlareRecord> ReadGlareRecords(const TiXmlElement* customData) {
    std::vector<GlareRecord> records;
    for (const TiXmlElement* child = FirstChildElement(customData, "AbbCs"); child;
         child = NextSiblingElement(child, "AbbCs")) {
        GlareRecord& record = records.emplace_back();
        record.rating = ReadChildReal(child, "Gr");
        record.towerNumber = ReadChildInteger(child, "NumTow");
        record.target = ReadChildTriple(child, "Baric");
        record.directionAngle = ReadChildReal(child, "BetaDir");
        record.observer = ReadChildTriple(child, "Obs");
        record.veilingLuminance = ReadChildReal(child, "LumVel");
    }
    return records;
}

GlareGrid PrintedGlareGrid(int observers, int directions) {
    GlareGrid grid;
    grid.observers = std::clamp(observers, 0, kMaxGlareObservers);
    grid.directions = std::clamp(directions, 0, kMaxGlareDirections);
    grid.directionsDown = std::max(directions, 0) >= std::max(observers, 0);
    int& across = grid.directionsDown ? grid.observers : grid.directions;
    const int down = grid.directionsDown ? grid.directions : grid.observers;
    if (down > 0 && static_cast<long long>(across) * down > kMaxGlareCells)
        across = static_cast<int>(kMaxGlareCells / down);
    return grid;
}

void CPiece_QualitaImpianto::DrawGlareSingleObserver(ReportPainter& painter) {
    const PrintElementEntry* element = project->FindElement("class_abbCsGr", elementId);
    if (!element) return;
    const TiXmlElement* glare = FirstChildElement(element->customData, "CsGr");
    painter.DrawSectionTitle(Print(kGlareHeadingString));
    const Triple from = ReadChildTriple(glare, "CsGrObs");
    const Triple to = ReadChildTriple(glare, "CsGrLook");
    ReportTable table;
    table.AddCell(1, Print(kObserverString), kAlignCentre);
    table.AddCell(1, "GR", kAlignCentre);
    table.AddCell(1, "TI", kAlignCentre);
    MarkHeadingRows(table, 1);
    table.AddCell(2,
                  SafeFormat("(x=%.2lf;y=%.2lf;z=%.2lf)m ---> (x=%.2lf;y=%.2lf;z=%.2lf)m",
                             {from.x, from.y, from.z, to.x, to.y, to.z}),
                  kAlignCentre);
    table.AddCell(2, Fixed2(ReadChildReal(glare, "CsGrGr")), kAlignCentre);
    table.AddCell(2, Fixed2(ReadChildReal(glare, "CsGrTi")), kAlignCentre);
    table.Draw(painter, kTableFlags);
}

void CPiece_QualitaImpianto::DrawGlareObserversDirections(ReportPainter& painter) {
    const PrintElementEntry* element = project->FindElement("class_abbCss", elementId);
    if (!element) return;
    const TiXmlElement* data = element->customData;
    painter.DrawSectionTitle(Print(kGlareHeadingString));
    const bool towardTargets = ReadChildFlag(data, "AbbCsOssDirToAppa");
    const int observers = ReadChildInteger(data, "AbbCsNumOss");
    const int directions = ReadChildInteger(data, "AbbCsNumDirez");
    const GlareGrid size = PrintedGlareGrid(observers, directions);
    const GlareGridRecords grid(ReadGlareRecords(data), std::max(directions, 0));
    ReportTable table;
    if (size.directionsDown)
        FillDirectionsDown(table, grid, size, towardTargets);
    else
        FillObserversDown(table, grid, size, towardTargets);
    MarkHeadingRows(table, 3);
    table.Draw(painter, kTableFlags);
}

} // namespace zentyra
