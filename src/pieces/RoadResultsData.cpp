#include "pieces/RoadResultsData.h"

namespace zentyra {

std::vector<RoadResultRow> ReadRoadResults(const TiXmlElement* customData) {
    std::vector<RoadResultRow> rows;
    for (const TiXmlElement* raw = FirstChildElement(customData, "RoadRaw"); raw;
         raw = NextSiblingElement(raw, "RoadRaw")) {
        rows.push_back(RoadResultRow{ReadChildName(raw, "Zona"), ReadChildText(raw, "Osservatore"),
                                     ReadChildText(raw, "LAv"), ReadChildText(raw, "Uo"),
                                     ReadChildText(raw, "Ul"), ReadChildText(raw, "Ti"),
                                     ReadChildText(raw, "Sr")});
    }
    return rows;
}

std::vector<VisualComfortObserver> ReadVisualComfort(const TiXmlElement* customData) {
    std::vector<VisualComfortObserver> observers;
    for (const TiXmlElement* child = FirstChildElement(customData, "Observer"); child;
         child = NextSiblingElement(child, "Observer")) {
        VisualComfortObserver& observer = observers.emplace_back();
        observer.number = ReadChildInteger(child, "ObsNum");
        observer.name = ReadChildText(child, "ObsName");
        observer.nameExt = ReadChildText(child, "ObsNameExt");
        observer.position = ReadChildTriple(child, "ObsPos");
        observer.lookAt = ReadChildTriple(child, "ObsLook");
        observer.VCP = ReadChildReal(child, "ObsVCP");
        observer.UGR = ReadChildReal(child, "ObsUGR");
        observer.CGI = ReadChildReal(child, "ObsCGI");
    }
    return observers;
}

} // namespace zentyra
