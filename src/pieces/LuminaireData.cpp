#include "pieces/LuminaireData.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace zentyra {

namespace {

constexpr int kMaxLampCodeLetters = 255;

EmitterInfo ReadEmitterInfo(const TiXmlElement* emitter, int& maxLampTypeId) {
    EmitterInfo info;
    info.RilName = ReadChildText(emitter, "RilName");
    info.RilCode = ReadChildText(emitter, "RilCode");
    info.Flux = ReadChildReal(emitter, "Flux");
    info.Power = ReadChildReal(emitter, "Power");
    info.Current = ReadChildReal(emitter, "Current");
    info.Spectrum = ReadChildColour(emitter, "Spectrum");
    info.SpectrumKelvin = ReadChildReal(emitter, "SpectrumKelvin");
    const TiXmlElement* lamps = FirstChildElement(emitter, "Lamps");
    for (const TiXmlElement* lamp = FirstChildElement(lamps, "Lamp"); lamp;
         lamp = NextSiblingElement(lamp, "Lamp")) {
        LampSlot& slot = info.lamps.emplace_back();
        slot.LampTypeID = ReadChildInteger(lamp, "LampTypeID");
        slot.Count = ReadChildText(lamp, "Count");
        if (slot.LampTypeID > maxLampTypeId) maxLampTypeId = slot.LampTypeID;
    }
    return info;
}

RegulationStep ReadRegulationStep(const TiXmlElement* regulation) {
    RegulationStep step;
    step.Current = ReadChildReal(regulation, "Current");
    step.Flux = ReadChildReal(regulation, "Flux");
    step.Power = ReadChildReal(regulation, "Power");
    step.Dimmer = ReadChildReal(regulation, "Dimmer");
    step.Count = ReadChildInteger(regulation, "Count");
    return step;
}

LuminaireType ReadLuminaireType(const TiXmlElement* set, int& maxLampTypeId) {
    LuminaireType type;
    type.LightTypeID = ReadChildInteger(set, "LightTypeID");
    type.LightTypeStringID = ReadChildText(set, "LightTypeStringID");
    type.Name = ReadChildText(set, "Name");
    type.Code = ReadChildText(set, "Code");
    type.Family = ReadChildText(set, "Family");
    type.ManufacturerName = ReadChildText(set, "ManufacturerName");
    type.ManufacturerShortName = ReadChildText(set, "ManufacturerShortName");
    type.ManufacturerCode = ReadChildText(set, "ManufacturerCode");
    type.Count = ReadChildText(set, "Count");
    type.EmbeddedImageFilename = ReadChildText(set, "EmbeddedImageFilename");
    const TiXmlElement* list = FirstChildElement(set, "EmitterList");
    for (const TiXmlElement* emitter = FirstChildElement(list, "Emitter"); emitter;
         emitter = NextSiblingElement(emitter, "Emitter")) {
        type.emitters.push_back(ReadEmitterInfo(emitter, maxLampTypeId));
    }
    std::size_t owner = 0;
    for (const TiXmlElement* steps = FirstChildElement(list, "EmitterRegulations");
         steps && owner < type.emitters.size();
         steps = NextSiblingElement(steps, "EmitterRegulations"), ++owner) {
        std::vector<RegulationStep>& regulations = type.emitters[owner].regulations;
        for (const TiXmlElement* regulation = FirstChildElement(steps, "Regulation"); regulation;
             regulation = NextSiblingElement(regulation, "Regulation")) {
            regulations.push_back(ReadRegulationStep(regulation));
        }
    }
    return type;
}

InstanceEmitter ReadInstanceEmitter(const TiXmlElement* emitter) {
    InstanceEmitter info;
    info.RilName = ReadChildText(emitter, "RilName");
    info.RilCode = ReadChildText(emitter, "RilCode");
    info.Flux = ReadChildReal(emitter, "Flux");
    info.Power = ReadChildReal(emitter, "Power");
    info.Current = ReadChildReal(emitter, "Current");
    info.Spectrum = ReadChildColour(emitter, "Spectrum");
    info.Manut = ReadChildReal(emitter, "Manut");
    info.Dimmer = ReadChildReal(emitter, "Dimmer");
    info.Pos = ReadChildTriple(emitter, "Pos");
    info.Rot = ReadChildTriple(emitter, "Rot");
    return info;
}

} // namespace

LuminaireTypes ReadLuminaireTypes(const TiXmlElement* customData) {
    LuminaireTypes read;
    for (const TiXmlElement* set = FirstChildElement(customData, "LightSet"); set;
         set = NextSiblingElement(set, "LightSet")) {
        read.types.push_back(ReadLuminaireType(set, read.maxLampTypeId));
    }
    return read;
}

LampTypes ReadLampTypes(const TiXmlElement* customData) {
    LampTypes read;
    for (const TiXmlElement* element = FirstChildElement(customData, "Lamp"); element;
         element = NextSiblingElement(element, "Lamp")) {
        LampType& lamp = read.lamps.emplace_back();
        lamp.LampTypeID = ReadChildInteger(element, "LampTypeID");
        lamp.Name = ReadChildText(element, "Name");
        lamp.Code = ReadChildText(element, "Code");
        lamp.Family = ReadChildText(element, "Family");
        lamp.ManufacturerName = ReadChildText(element, "ManufacturerName");
        lamp.ManufacturerCode = ReadChildText(element, "ManufacturerCode");
        lamp.ManufacturerShortName = ReadChildText(element, "ManufacturerShortName");
        lamp.Flux = ReadChildReal(element, "Flux");
        lamp.Power = ReadChildReal(element, "Power");
        lamp.Current = ReadChildReal(element, "Current");
        lamp.Kelvin = ReadChildReal(element, "Kelvin");
        lamp.Count = ReadChildText(element, "Count");
        if (lamp.LampTypeID > read.maxLampTypeId) read.maxLampTypeId = lamp.LampTypeID;
    }
    return read;
}

LuminaireInstance ReadLuminaireInstance(const TiXmlElement* light) {
    LuminaireInstance instance;
    instance.LightTypeID = ReadChildInteger(light, "LightTypeID");
    instance.LightTypeStringID = ReadChildText(light, "LightTypeStringID");
    instance.LightStringID = ReadChildText(light, "LightStringID");
    instance.LightParentStructName = ReadChildText(light, "LightParentStructName");
    instance.Name = ReadChildText(light, "Name");
    instance.Code = ReadChildText(light, "Code");
    instance.Family = ReadChildText(light, "Family");
    instance.ManufacturerName = ReadChildText(light, "ManufacturerName");
    instance.ManufacturerShortName = ReadChildText(light, "ManufacturerShortName");
    instance.ManufacturerCode = ReadChildText(light, "ManufacturerCode");
    instance.UserName = ReadChildText(light, "UserName");
    instance.isOn = ReadChildFlag(light, "isOn");
    instance.Pos = ReadChildTriple(light, "Pos");
    instance.Rot = ReadChildTriple(light, "Rot");
    instance.Pnt = ReadChildTriple(light, "Pnt");
    instance.PntRotZ = ReadChildReal(light, "PntRotZ");
    const TiXmlElement* list = FirstChildElement(light, "EmitterList");
    for (const TiXmlElement* emitter = FirstChildElement(list, "Emitter"); emitter;
         emitter = NextSiblingElement(emitter, "Emitter")) {
        instance.emitters.push_back(ReadInstanceEmitter(emitter));
    }
    return instance;
}

std::string LampTypeCode(int id, int maxId) {
    if (id < 0 || id > maxId) return "-";
    // One letter per 26 ids, as the code was always sized; a file's huge id must not make a
    // code of millions of letters, and beyond this width there are only more leading As.
    const int width = std::min(maxId / 26 + 1, kMaxLampCodeLetters);
    std::string code(static_cast<std::size_t>(width), 'A');
    int rest = id;
    for (int position = width - 1; position >= 0 && rest > 0; --position, rest /= 26)
        code[static_cast<std::size_t>(position)] = static_cast<char>('A' + rest % 26);
    return code;
}

std::string Parenthesised(std::string_view text) {
    return "(" + std::string(text) + ")";
}

std::string FixedText(double value, int decimals) {
    // The widest double in fixed notation takes 309 digits before the point.
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

std::string DimmingText(double dimmer) {
    if (dimmer < 0) return "-";
    return FixedText(dimmer * 100, 0) + " %";
}

} // namespace zentyra
