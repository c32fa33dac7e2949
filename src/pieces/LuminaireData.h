#pragma once
// The luminaire data of a project file: luminaire types with their emitters, lamps and dimming
// steps (class_luminaireInfo), lamp types (class_lampInfo) and the luminaires placed in the
// project (class_luminaireList), read afresh for every drawing.
#include "document/ElementValues.h"

#include <string>
#include <string_view>
#include <vector>

class TiXmlElement;

namespace zentyra {

struct LampSlot {
    int LampTypeID = 0;
    std::string Count;
};

struct RegulationStep {
    double Current = 0.0;
    double Flux = 0.0;
    double Power = 0.0;
    double Dimmer = 0.0; // fraction 0..1; negative: no dimming
    int Count = 0;
};

struct EmitterInfo {
    std::string RilName;
    std::string RilCode;
    double Flux = 0.0;
    double Power = 0.0;
    double Current = 0.0;
    std::string Spectrum; // "R,G,B"
    double SpectrumKelvin = 0.0;
    std::vector<LampSlot> lamps;
    std::vector<RegulationStep> regulations;
};

struct LuminaireType {
    int LightTypeID = 0;
    std::string LightTypeStringID;
    std::string Name;
    std::string Code;
    std::string Family;
    std::string ManufacturerName;
    std::string ManufacturerShortName;
    std::string ManufacturerCode;
    std::string Count;
    std::string EmbeddedImageFilename;
    std::vector<EmitterInfo> emitters;
};

struct LampType {
    int LampTypeID = 0;
    std::string Name;
    std::string Code;
    std::string Family;
    std::string ManufacturerName;
    std::string ManufacturerCode;
    std::string ManufacturerShortName;
    double Flux = 0.0;
    double Power = 0.0;
    double Current = 0.0;
    double Kelvin = 0.0;
    std::string Count;
};

struct InstanceEmitter {
    std::string RilName;
    std::string RilCode;
    double Flux = 0.0;
    double Power = 0.0;
    double Current = 0.0;
    std::string Spectrum;
    double Manut = 0.0;
    double Dimmer = 0.0;
    Triple Pos;
    Triple Rot;
};

struct LuminaireInstance {
    int LightTypeID = 0;
    std::string LightTypeStringID;
    std::string LightStringID;
    std::string LightParentStructName;
    std::string Name;
    std::string Code;
    std::string Family;
    std::string ManufacturerName;
    std::string ManufacturerShortName;
    std::string ManufacturerCode;
    std::string UserName;
    bool isOn = true;
    Triple Pos;
    Triple Rot;
    Triple Pnt;
    double PntRotZ = 0.0;
    std::vector<InstanceEmitter> emitters;
};

struct LuminaireTypes {
    std::vector<LuminaireType> types;
    int maxLampTypeId = 0; // over every lamp of every emitter of every type; from 0
};

struct LampTypes {
    std::vector<LampType> lamps;
    int maxLampTypeId = 0; // from 0
};

// The LightSet children of a class_luminaireInfo element's CustomClassData. The k-th
// EmitterRegulations of an EmitterList belongs to its k-th emitter; any beyond the last
// emitter are ignored.
LuminaireTypes ReadLuminaireTypes(const TiXmlElement* customData);
// The Lamp children of a class_lampInfo element's CustomClassData.
LampTypes ReadLampTypes(const TiXmlElement* customData);
// One Light of a class_luminaireList element's CustomClassData.
LuminaireInstance ReadLuminaireInstance(const TiXmlElement* light);

// The letter code of a lamp type: base-26 letters A..Z, maxId / 26 + 1 of them (at most 255),
// padded with A on the left; "-" for an id below 0 or above maxId.
std::string LampTypeCode(int id, int maxId);
// "(" + text + ")".
std::string Parenthesised(std::string_view text);
// printf's "%.*f" with "." as the decimal point whatever the locale.
std::string FixedText(double value, int decimals);
// A fraction as a whole percentage, "50 %"; "-" for a negative fraction.
std::string DimmingText(double dimmer);

} // namespace zentyra
