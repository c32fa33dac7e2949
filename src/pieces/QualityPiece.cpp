#include "pieces/QualityPiece.h"

#include "document/ProjectFile.h"
#include "language/SafeFormat.h"
#include "pieces/RoadResultsData.h"
#include "render/ReportPainter.h"
#include "render/ReportTable.h"

#include <array>
#include <initializer_list>

namespace zentyra {

namespace {

constexpr std::array<std::string_view, 6> kQualityElements = {
    "class_summaryResult", "class_roadResults", "class_inqLum",
    "class_abbCsGr",       "class_abbCss",      "class_visualComfort"};

// The phrase groups of an observer's name, tried in order; the first group that replaces
// anything is the last one applied.
const std::array<std::initializer_list<int>, 4> kObserverPhraseGroups = {{
    {6380},
    {7514, 4383, 7515, 7516},
    {7582},
    {1685},
}};

const std::string& Print(int number) {
    return LanguageString(true, number);
}

void MarkHeadingRow(ReportTable& table, int row) {
    if (TableRow* heading = table.GetRow(row)) heading->kind = kRowHeading;
}

} // namespace

std::string TranslateObserverName(std::string_view name) {
    std::string text(name);
    for (const auto& group : kObserverPhraseGroups) {
        bool replaced = false;
        for (const int number : group)
            replaced = ReplacePhrase(text, number) || replaced;
        if (replaced) break;
    }
    return text;
}

int CPiece_QualitaImpianto::Draw(ReportPainter& painter) {
    bool any = false;
    for (const std::string_view className : kQualityElements)
        any = any || project->FindElement(className, elementId) != nullptr;
    if (!any) return 0;
    painter.DrawPieceTitle(GetTitle(true));
    if (project->FindElement("class_summaryResult", elementId))
        painter.DrawSectionTitle(Print(kSummaryResultHeadingString));
    DrawRoadResults(painter);
    DrawLightPollution(painter);
    DrawGlareSingleObserver(painter);
    DrawGlareObserversDirections(painter);
    DrawVisualComfort(painter);
    return 0;
}

void CPiece_QualitaImpianto::DrawRoadResults(ReportPainter& painter) {
    const PrintElementEntry* element = project->FindElement("class_roadResults", elementId);
    if (!element) return;
    ReportTable table;
    int row = 0;
    for (const RoadResultRow& result : ReadRoadResults(element->customData)) {
        ++row;
        for (const std::string& text : {result.zone, TranslateObserverName(result.observer),
                                        result.LAv, result.Uo, result.Ul, result.Ti, result.Sr})
            table.AddCell(row, text, kAlignLeft);
    }
    table.Draw(painter, kTableWiden | kTableCloseBands);
}

void CPiece_QualitaImpianto::DrawLightPollution(ReportPainter& painter) {
    const PrintElementEntry* element = project->FindElement("class_inqLum", elementId);
    if (!element) return;
    const TiXmlElement* pollution = FirstChildElement(element->customData, "InqLum");
    painter.DrawSectionTitle(Print(1120));
    ReportTable table;
    table.AddCell(1, Print(1202), kAlignCentre);
    MarkHeadingRow(table, 1);
    table.AddCell(2, SafeFormat("%.2lf %%", {ReadChildReal(pollution, "InqLumRn")}), kAlignCentre);
    table.Draw(painter, kTableWiden | kTableCloseBands);
}

void CPiece_QualitaImpianto::DrawVisualComfort(ReportPainter& painter) {
    const PrintElementEntry* element = project->FindElement("class_visualComfort", elementId);
    if (!element) return;
    painter.DrawSectionTitle(Print(1204));
    ReportTable table;
    for (const int number : {1091, 1125, 1683, 1689, 1690, 1694})
        table.AddCell(1, Print(number), kAlignCentre);
    MarkHeadingRow(table, 1);
    int row = 1;
    const auto point = [](const Triple& p) {
        return SafeFormat("%.2lf %.2lf %.2lf", {p.x, p.y, p.z});
    };
    for (const VisualComfortObserver& observer : ReadVisualComfort(element->customData)) {
        ++row;
        for (const std::string& text :
             {SafeFormat("%d", {observer.number}), point(observer.position), point(observer.lookAt),
              SafeFormat("%.2lf", {observer.VCP}), SafeFormat("%.2lf", {observer.UGR}),
              SafeFormat("%.2lf", {observer.CGI})})
            table.AddCell(row, text, kAlignCentre);
    }
    table.Draw(painter, kTableWiden | kTableCloseBands);
}

} // namespace zentyra
