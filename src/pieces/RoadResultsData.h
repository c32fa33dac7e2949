#pragma once
// The quality figures the design application writes for the lighting-quality piece: the road
// results seen by each observer, and the visual-comfort figures of a room's observers. Both are
// read afresh at every drawing.
#include "document/ElementValues.h"

#include <string>
#include <vector>

class TiXmlElement;

namespace zentyra {

// One "RoadRaw": one zone seen by one observer. The five figures are the design application's
// own texts, decimal commas and units included, and are never parsed.
struct RoadResultRow {
    std::string zone;     // translated into the print language
    std::string observer; // as written; the piece translates it when printing
    std::string LAv;
    std::string Uo;
    std::string Ul;
    std::string Ti;
    std::string Sr;
};

struct VisualComfortObserver {
    int number = 0;
    std::string name;
    std::string nameExt;
    Triple position;
    Triple lookAt;
    double VCP = 0.0;
    double UGR = 0.0;
    double CGI = 0.0;
};

// The rows of a "class_roadResults" CustomClassData, in document order; empty for null.
std::vector<RoadResultRow> ReadRoadResults(const TiXmlElement* customData);
// The observers of a "class_visualComfort" CustomClassData, in document order.
std::vector<VisualComfortObserver> ReadVisualComfort(const TiXmlElement* customData);

} // namespace zentyra
