#include "pieces/LuminaireData.h"
#include "document/XmlLoading.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <string>

namespace zentyra {
namespace {

class Data {
public:
    explicit Data(const std::string& children) {
        EXPECT_TRUE(ParseXmlText("<CustomClassData>" + children + "</CustomClassData>", doc_));
    }
    const TiXmlElement* root() const { return doc_.RootElement(); }

private:
    TiXmlDocument doc_;
};

std::string Emitter(const std::string& name, const std::string& lamps = {}) {
    return "<Emitter><RilName>" + name + "</RilName><Spectrum>1 0.5 0</Spectrum>" + "<Lamps>" +
           lamps + "</Lamps></Emitter>";
}

std::string Lamp(int id) {
    return "<Lamp><LampTypeID>" + std::to_string(id) + "</LampTypeID><Count>2</Count></Lamp>";
}

std::string Steps(const std::string& dimmers) {
    std::string steps = "<EmitterRegulations>";
    for (const char d : dimmers)
        steps += std::string("<Regulation><Dimmer>0.") + d + "</Dimmer></Regulation>";
    return steps + "</EmitterRegulations>";
}

TEST(LampTypeCode, LettersAsWideAsTheLargestIdNeeds) {
    struct Case {
        int id;
        int maxId;
        const char* code;
    } cases[] = {
        {0, 3, "A"},    {1, 3, "B"},    {3, 3, "D"},    {0, 30, "AA"},   {1, 30, "AB"},
        {25, 30, "AZ"}, {26, 30, "BA"}, {30, 30, "BE"}, {27, 60, "ABB"}, {0, 0, "A"},
        {25, 25, "Z"},  {26, 26, "BA"}, {-1, 5, "-"},   {6, 5, "-"},     {0, -1, "-"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LampTypeCode(c.id, c.maxId), c.code) << c.id << " of " << c.maxId;
    // The width grows by one letter per 26 ids, whatever the id itself needs.
    EXPECT_EQ(LampTypeCode(675, 675), std::string(24, 'A') + "ZZ");
    EXPECT_EQ(LampTypeCode(5, 100), "AAAF");
    // A huge id from a file gives a code of bounded width.
    EXPECT_EQ(LampTypeCode(5, 2147483647), std::string(254, 'A') + "F");
}

TEST(LuminaireTexts, ParenthesesPercentagesAndFixedDecimals) {
    EXPECT_EQ(Parenthesised("T2M"), "(T2M)");
    EXPECT_EQ(Parenthesised(""), "()");
    EXPECT_EQ(DimmingText(0.5), "50 %");
    EXPECT_EQ(DimmingText(0), "0 %");
    EXPECT_EQ(DimmingText(-1), "-");
    EXPECT_EQ(DimmingText(-0.0001), "-");
    EXPECT_EQ(DimmingText(0.996), "100 %");
    EXPECT_EQ(FixedText(0.35, 4), "0.3500");
    EXPECT_EQ(FixedText(0.35 * 1000, 1), "350.0");
    EXPECT_EQ(FixedText(0.0005 * 1000, 1), "0.5");
    EXPECT_EQ(FixedText(36, 2), "36.00");
    EXPECT_EQ(FixedText(800.6, 0), "801");
    EXPECT_EQ(FixedText(-15, 1), "-15.0");
    EXPECT_EQ(FixedText(1e20, 2), "100000000000000000000.00");
}

TEST(LuminaireTypes, EmittersLampsAndDimmingStepsInDocumentOrder) {
    const Data data(
        "<LightSet><LightTypeID>4</LightTypeID><LightTypeStringID>A</LightTypeStringID>"
        "<Name>Quadra</Name><Code>QD</Code><ManufacturerShortName>LLA</ManufacturerShortName>"
        "<Count>12 pcs</Count><EmbeddedImageFilename>p.png</EmbeddedImageFilename>"
        "<EmitterList>" +
        Emitter("one", Lamp(0) + Lamp(2)) + Steps("") + Emitter("two", Lamp(1)) + Steps("52") +
        Steps("9") +
        "</EmitterList></LightSet>"
        "<LightSet><LightTypeStringID>B</LightTypeStringID></LightSet>"
        "<LightSet><EmitterList>" +
        Emitter("three", Lamp(30)) + "</EmitterList></LightSet>");
    const LuminaireTypes read = ReadLuminaireTypes(data.root());
    ASSERT_EQ(read.types.size(), 3u);
    EXPECT_EQ(read.maxLampTypeId, 30); // over the whole element
    const LuminaireType& a = read.types[0];
    EXPECT_EQ(a.LightTypeID, 4);
    EXPECT_EQ(a.Count, "12 pcs");
    EXPECT_EQ(a.EmbeddedImageFilename, "p.png");
    ASSERT_EQ(a.emitters.size(), 2u);
    EXPECT_EQ(a.emitters[0].RilName, "one");
    EXPECT_EQ(a.emitters[0].Spectrum, "255,127,0");
    ASSERT_EQ(a.emitters[0].lamps.size(), 2u);
    EXPECT_EQ(a.emitters[0].lamps[1].LampTypeID, 2);
    EXPECT_EQ(a.emitters[0].lamps[1].Count, "2");
    // The first EmitterRegulations is empty but still belongs to the first emitter; the third
    // has no emitter and is ignored.
    EXPECT_TRUE(a.emitters[0].regulations.empty());
    ASSERT_EQ(a.emitters[1].regulations.size(), 2u);
    EXPECT_DOUBLE_EQ(a.emitters[1].regulations[0].Dimmer, 0.5);
    EXPECT_DOUBLE_EQ(a.emitters[1].regulations[1].Dimmer, 0.2);
    EXPECT_TRUE(read.types[1].emitters.empty());
    EXPECT_EQ(read.types[1].LightTypeStringID, "B");
    EXPECT_EQ(read.types[2].emitters.at(0).RilName, "three");
}

TEST(LuminaireTypes, NegativeLampIdsLeaveTheMaximumAtZero) {
    const Data data("<LightSet><EmitterList>" + Emitter("e", Lamp(-4)) +
                    "</EmitterList></LightSet>");
    EXPECT_EQ(ReadLuminaireTypes(data.root()).maxLampTypeId, 0);
    EXPECT_EQ(ReadLuminaireTypes(nullptr).types.size(), 0u);
}

TEST(LampTypes, RecordsAndTheirOwnMaximum) {
    const Data data("<Lamp><LampTypeID>3</LampTypeID><Name>LED</Name><Flux>800.6</Flux>"
                    "<Power>36</Power><Current>0.35</Current><Kelvin>4000</Kelvin>"
                    "<Count>1</Count></Lamp><Lamp><LampTypeID>1</LampTypeID></Lamp>");
    const LampTypes read = ReadLampTypes(data.root());
    ASSERT_EQ(read.lamps.size(), 2u);
    EXPECT_EQ(read.maxLampTypeId, 3);
    EXPECT_EQ(read.lamps[0].Name, "LED");
    EXPECT_DOUBLE_EQ(read.lamps[0].Flux, 800.6);
    EXPECT_DOUBLE_EQ(read.lamps[0].Kelvin, 4000);
    EXPECT_EQ(read.lamps[1].Count, "");
}

TEST(LuminaireInstances, FlagsTriplesAndEmitters) {
    const Data data("<Light><LightStringID>L1</LightStringID><isOn>No</isOn><Pos>1 2.5 3</Pos>"
                    "<Rot>0 -15 90</Rot><Pnt>4 5</Pnt><PntRotZ>12.5</PntRotZ><EmitterList>"
                    "<Emitter><Manut>0.8</Manut><Dimmer>-1</Dimmer><Pos>9 9 9</Pos></Emitter>"
                    "<Emitter><Manut>0.5</Manut></Emitter></EmitterList></Light>"
                    "<Light><isOn></isOn></Light><Light/>");
    const TiXmlElement* first = data.root()->FirstChildElement("Light");
    const LuminaireInstance light = ReadLuminaireInstance(first);
    EXPECT_EQ(light.LightStringID, "L1");
    EXPECT_FALSE(light.isOn);
    EXPECT_DOUBLE_EQ(light.Pos.y, 2.5);
    EXPECT_DOUBLE_EQ(light.Rot.y, -15);
    EXPECT_DOUBLE_EQ(light.Pnt.y, 5);
    EXPECT_DOUBLE_EQ(light.Pnt.z, 0);
    EXPECT_DOUBLE_EQ(light.PntRotZ, 12.5);
    ASSERT_EQ(light.emitters.size(), 2u);
    EXPECT_DOUBLE_EQ(light.emitters[0].Dimmer, -1);
    EXPECT_DOUBLE_EQ(light.emitters[0].Pos.x, 9);
    EXPECT_DOUBLE_EQ(light.emitters[1].Manut, 0.5);
    const TiXmlElement* second = first->NextSiblingElement("Light");
    EXPECT_TRUE(ReadLuminaireInstance(second).isOn);
    EXPECT_TRUE(ReadLuminaireInstance(second->NextSiblingElement("Light")).isOn);
    EXPECT_TRUE(ReadLuminaireInstance(second->NextSiblingElement("Light")).emitters.empty());
}

} // namespace
} // namespace zentyra
