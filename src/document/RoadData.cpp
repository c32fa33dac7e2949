#include "document/RoadData.h"

#include "document/ElementValues.h"

namespace zentyra {

namespace {

RoadSubZone ReadSubZone(const TiXmlElement* element) {
    RoadSubZone sub;
    sub.Name = ReadChildName(element, "Name");
    sub.Direction = ReadChildText(element, "Direction");
    sub.Width = ReadChildReal(element, "Width");
    sub.Y1 = ReadChildReal(element, "Y1");
    sub.Y2 = ReadChildReal(element, "Y2");
    sub.PtCalcY = ReadChildInteger(element, "PtCalcY");
    return sub;
}

RoadZone ReadZone(const TiXmlElement* element) {
    RoadZone zone;
    zone.Name = ReadChildName(element, "Name");
    zone.Type = ReadChildInteger(element, "Type");
    zone.Width = ReadChildReal(element, "Width");
    zone.Y1 = ReadChildReal(element, "Y1");
    zone.Y2 = ReadChildReal(element, "Y2");
    zone.PtCalcY = ReadChildInteger(element, "PtCalcY");
    zone.Height = ReadChildReal(element, "Height");
    zone.Color = ReadChildColour(element, "Color");
    zone.RTable = ReadChildText(element, "RTable");
    zone.Q0CRif = ReadChildReal(element, "Q0CRif");
    for (const TiXmlElement* sub = FirstChildElement(element, "SubZone"); sub;
         sub = NextSiblingElement(sub, "SubZone"))
        zone.subZones.push_back(ReadSubZone(sub));
    return zone;
}

RoadLine ReadLine(const TiXmlElement* element, bool tunnel) {
    RoadLine line;
    line.Name = ReadChildName(element, "Name");
    line.PosX = ReadChildReal(element, "PosX");
    line.PosY = ReadChildReal(element, "PosY");
    line.LumPosX = ReadChildReal(element, "LumPosX");
    line.LumPosY = ReadChildReal(element, "LumPosY");
    line.Height = ReadChildReal(element, "Height");
    line.VirtualRow = ReadChildFlag(element, "VirtualRow");
    line.PostNum = ReadChildInteger(element, "PostNum");
    line.Interdistance = ReadChildReal(element, "Interdistance");
    line.ArmLength = ReadChildReal(element, "ArmLength");
    line.LumLC = ReadChildReal(element, "LumLC");
    line.LumTilting = ReadChildReal(element, "LumTilting");
    line.ArmRotation = ReadChildReal(element, "ArmRotation");
    line.LumRotation = ReadChildReal(element, "LumRotation");
    line.LatLumIncl = ReadChildReal(element, "LatLumIncl");
    if (tunnel) {
        line.Layer = ReadChildText(element, "Layer");
        line.Increm = ReadChildReal(element, "Increm");
        line.Section = ReadChildReal(element, "Section");
    }
    line.LumMaintCoeff = ReadChildReal(element, "LumMaintCoeff");
    line.LightCode = ReadChildText(element, "LightCode");
    line.LightFlux = ReadChildReal(element, "LightFlux");
    line.LightTypeID = ReadChildInteger(element, "LightTypeID");
    line.LightTypeStringID = ReadChildText(element, "LightTypeStringID");
    return line;
}

void ReadTunnel(const TiXmlElement* tunnel, RoadData& road) {
    road.Tun_LumCalcMode = ReadChildInteger(tunnel, "Tun_LumCalcMode");
    road.Tun_LumCalcModeStrId = ReadChildInteger(tunnel, "Tun_LumCalcModeStrId");
    road.Tun_coverType = ReadChildInteger(tunnel, "Tun_coverType");
    road.Tun_tunWidth = ReadChildReal(tunnel, "Tun_tunWidth");
    road.Tun_tunHeight = ReadChildReal(tunnel, "Tun_tunHeight");
    road.Tun_tunHeightHO = ReadChildReal(tunnel, "Tun_tunHeightHO");
    road.Tun_tunPiedritto = ReadChildReal(tunnel, "Tun_tunPiedritto");
    road.Tun_tunDiameter = ReadChildReal(tunnel, "Tun_tunDiameter");
    road.Tun_h_walls = ReadChildReal(tunnel, "Tun_h_walls");
    road.Tun_color_walls = ReadChildColour(tunnel, "Tun_color_walls");
    road.Tun_coefRif_walls = ReadChildReal(tunnel, "Tun_coefRif_walls");
    road.Tun_color_ceil = ReadChildColour(tunnel, "Tun_color_ceil");
    road.Tun_coefRif_ceil = ReadChildReal(tunnel, "Tun_coefRif_ceil");
}

} // namespace

bool ReadRoadData(const TiXmlElement* customData, RoadData& road) {
    road.Norm = ReadChildText(customData, "Norm");
    road.DriverAge = ReadChildReal(customData, "DriverAge");
    road.Length = ReadChildReal(customData, "Length");
    road.PtCalcX = ReadChildInteger(customData, "PtCalcX");
    road.UseWiz = ReadChildFlag(customData, "UseWiz");
    road.IsTunnel = ReadChildFlag(customData, "IsTunnel");
    if (road.IsTunnel) ReadTunnel(FirstChildElement(customData, "RoadTun"), road);
    for (const TiXmlElement* zone = FirstChildElement(customData, "Zone"); zone;
         zone = NextSiblingElement(zone, "Zone"))
        road.zones.push_back(ReadZone(zone));
    for (const TiXmlElement* line = FirstChildElement(customData, "Line"); line;
         line = NextSiblingElement(line, "Line"))
        road.lines.push_back(ReadLine(line, road.IsTunnel));
    return true;
}

} // namespace zentyra
