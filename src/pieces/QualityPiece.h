#pragma once
// The lighting-quality piece: the room-results summary heading, road results, light pollution,
// glare ratings and visual comfort, each from its own print element.
#include "document/ElementValues.h"
#include "document/ReportItems.h"
#include "document/SharedTexts.h"

#include <string>
#include <string_view>
#include <vector>

class TiXmlElement;

namespace zentyra {

// The print-language string of the room-results summary heading.
inline constexpr int kSummaryResultHeadingString = 8780;

// One glare rating of one observer looking in one direction.
struct GlareRecord {
    double rating = 0.0; // -1: not computed
    int towerNumber = 0; // 0 or more a tower; negative: minus a luminaire number
    Triple target;       // centre of the tower or luminaire looked at
    double directionAngle = 0.0;
    Triple observer;
    double veilingLuminance = 0.0;
};

// The "AbbCs" records of a "class_abbCss" CustomClassData, in document order.
std::vector<GlareRecord> ReadGlareRecords(const TiXmlElement* customData);

// Observer and direction counts beyond these are not printed: a real calculation stays far
// below, and a damaged count must not make a table without end.
inline constexpr int kMaxGlareObservers = 10000;
inline constexpr int kMaxGlareDirections = 10000;
inline constexpr long long kMaxGlareCells = 200000;

struct GlareGrid {
    int observers = 0;
    int directions = 0;
    bool directionsDown = true; // directions run down the page when there are not fewer
};
// The counts as printed: negative counts are none; the longer list runs down the page; then
// each count is held to its limit and the list across the page is cut until the grid holds at
// most kMaxGlareCells ratings.
GlareGrid PrintedGlareGrid(int observers, int directions);

// A road observer's name in the print language: program-language phrases replaced by the
// print-language ones, stopping after the first group that replaced anything.
std::string TranslateObserverName(std::string_view name);

class CPiece_QualitaImpianto : public CPiece {
public:
    using CPiece::CPiece;
    std::string GetClassName() const override { return "CPiece_QualitaImpianto"; }
    std::string GetTitleText(bool usePrintLanguage) const override {
        return LanguageString(usePrintLanguage, 5060);
    }
    bool StartsNewPage(ReportPainter& /*painter*/) override { return false; }
    int Draw(ReportPainter& painter) override;

    // Each draws nothing when its element is missing.
    void DrawRoadResults(ReportPainter& painter);
    void DrawLightPollution(ReportPainter& painter);
    void DrawGlareSingleObserver(ReportPainter& painter);
    void DrawGlareObserversDirections(ReportPainter& painter);
    void DrawVisualComfort(ReportPainter& painter);
};

} // namespace zentyra
