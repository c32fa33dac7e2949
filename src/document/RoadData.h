#pragma once
// The road of a road project (print element "class_roadInfo"): the bands across the carriageway
// (zones and their sub-zones), the optional tunnel section and the rows of luminaires. Lengths
// stay in metres and angles in degrees; the unit system applies only when they are printed.
// Names are translated into the print language as they are read.
#include <string>
#include <vector>

class TiXmlElement;

namespace zentyra {

struct RoadSubZone {
    std::string Name;
    std::string Direction;
    double Width = 0.0;
    double Y1 = 0.0;
    double Y2 = 0.0;
    int PtCalcY = 0;
};

struct RoadZone {
    std::string Name;
    int Type = 0; // 0, 1, 2 name the zone kind; other values print no kind
    double Width = 0.0;
    double Y1 = 0.0;
    double Y2 = 0.0;
    int PtCalcY = 0;
    double Height = 0.0;
    std::string Color;
    std::string RTable;
    double Q0CRif = 0.0;
    std::vector<RoadSubZone> subZones;
};

struct RoadLine {
    std::string Name;
    double PosX = 0.0;
    double PosY = 0.0;
    double Height = 0.0;
    double LumPosX = 0.0;
    double LumPosY = 0.0;
    bool VirtualRow = false; // its pole count prints as "---"
    int PostNum = 0;
    double Interdistance = 0.0;
    double ArmLength = 0.0;
    double LumLC = 0.0;
    double LumTilting = 0.0;
    double ArmRotation = 0.0;
    double LumRotation = 0.0;
    double LatLumIncl = 0.0;
    std::string Layer;    // tunnel only
    double Increm = 0.0;  // tunnel only
    double Section = 0.0; // tunnel only
    double LumMaintCoeff = 0.0;
    std::string LightCode;
    double LightFlux = 0.0;
    int LightTypeID = 0;
    std::string LightTypeStringID;
};

struct RoadData {
    std::string Norm;
    double DriverAge = 0.0;
    double Length = 0.0;
    int PtCalcX = 0;
    bool UseWiz = false;
    bool IsTunnel = false;
    // The tunnel section, read only for a tunnel; 0 and empty otherwise.
    int Tun_LumCalcMode = 0;
    int Tun_LumCalcModeStrId = 0; // print-language string number
    int Tun_coverType = 0;        // cross-section shape, 0..3
    double Tun_tunWidth = 0.0;
    double Tun_tunHeight = 0.0;
    double Tun_tunHeightHO = 0.0;
    double Tun_tunPiedritto = 0.0;
    double Tun_tunDiameter = 0.0;
    double Tun_h_walls = 0.0;
    std::string Tun_color_walls;
    double Tun_coefRif_walls = 0.0; // reflectance 0..1
    std::string Tun_color_ceil;
    double Tun_coefRif_ceil = 0.0;
    std::vector<RoadZone> zones;
    std::vector<RoadLine> lines;
};

// Fills `road` from the CustomClassData element of a "class_roadInfo" print element. Missing
// elements take the default of their kind; a missing flag reads as true, so a road without
// IsTunnel is a tunnel. Always true.
bool ReadRoadData(const TiXmlElement* customData, RoadData& road);

} // namespace zentyra
