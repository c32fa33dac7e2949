#include "DocumentTestSupport.h"

#include "document/ElementValues.h"
#include "document/ProjectFile.h"
#include "document/SharedTexts.h"
#include "document/XmlLoading.h"
#include "pieces/ResultPiece.h"
#include "settings/ReportSettings.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <clocale>

namespace zentyra {
namespace {

using test::Element;
using test::ProjectXml;
using test::TempDir;

class Values {
public:
    explicit Values(const std::string& children) {
        EXPECT_TRUE(ParseXmlText("<Data>" + children + "</Data>", doc_));
    }
    const TiXmlElement* root() const { return doc_.RootElement(); }

private:
    TiXmlDocument doc_;
};

TEST(ElementValues, FlagsColoursTriplesAndNumbers) {
    const Values v(
        "<F1>false</F1><F2>No</F2><F3>0</F3><T1>1</T1><T2>yes</T2><T3></T3>"
        "<C1>1 0.5 0</C1><C2>0.2</C2><C3>abc</C3>"
        "<P1>1.5 -2</P1><P2>1 2 3</P2>"
        "<R> 3.25e1xyz</R><I>  -42abc</I><Big>99999999999</Big><N>abc</N>"
        "<Twice>first</Twice><Twice>second</Twice><Mixed><!-- c -->text<b/>more</Mixed>");
    for (const char* name : {"F1", "F2", "F3"})
        EXPECT_FALSE(ReadChildFlag(v.root(), name)) << name;
    for (const char* name : {"T1", "T2", "T3", "Missing"})
        EXPECT_TRUE(ReadChildFlag(v.root(), name)) << name;

    EXPECT_EQ(ReadChildColour(v.root(), "C1"), "255,127,0");
    EXPECT_EQ(ReadChildColour(v.root(), "C2"), "51,0,0");
    EXPECT_EQ(ReadChildColour(v.root(), "C3"), "0,0,0");
    EXPECT_EQ(ReadChildColour(v.root(), "Missing"), "");

    const Triple partial = ReadChildTriple(v.root(), "P1");
    EXPECT_EQ(partial.x, 1.5);
    EXPECT_EQ(partial.y, -2.0);
    EXPECT_EQ(partial.z, 0.0);
    EXPECT_EQ(ReadChildTriple(v.root(), "P2").z, 3.0);
    EXPECT_EQ(ReadChildTriple(nullptr, "P2").x, 0.0);

    EXPECT_EQ(ReadChildReal(v.root(), "R"), 32.5);
    EXPECT_EQ(ReadChildReal(v.root(), "N"), 0.0);
    EXPECT_EQ(ReadChildInteger(v.root(), "I"), -42);
    EXPECT_EQ(ReadChildInteger(v.root(), "Big"), 2147483647);
    EXPECT_EQ(ReadChildInteger(v.root(), "T3"), 0);
    EXPECT_EQ(ReadChildText(v.root(), "Twice"), "first");
    EXPECT_EQ(ReadChildText(v.root(), "Mixed"), "text");
    EXPECT_EQ(ReadChildText(v.root(), "Missing"), "");
}

TEST(ElementValues, NumbersIgnoreTheProcessLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "it_IT.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma installed";
    EXPECT_EQ(ParseReal("2.5"), 2.5);
    EXPECT_EQ(FormatNumber(2.5, 1), "2.5");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(SharedTexts, FormatNumberAndUnits) {
    EXPECT_EQ(FormatNumber(3.14159, 2), "3.14");
    EXPECT_EQ(FormatNumber(1e12, 2), "1e+12");
    EXPECT_EQ(FormatNumber(-9999999999.0, 0), "-1e+10");
    EXPECT_EQ(FormatNumber(2.0, 0), "2");
    EXPECT_EQ(FormatNumber(1.0, 5000).size(), 2u + kMaxDecimals);
    EXPECT_EQ(BracketedText("lx"), "[lx]");

    TempDir dir;
    test::UseLanguages(dir, {{39, "m"}, {7503, "ft"}, {44, "m²"}, {47, "fc"}, {49, "cd/ft²"}}, {});
    ReportSettings& settings = ReportSettings::instance();
    const auto unitSystem = settings.unitSystem;
    struct Case {
        int type;
        int mode;
        const char* metric;
        const char* imperial;
    } cases[] = {
        {1, 0, "m", "ft"},
        {3, 0, "m²", ""},
        {4, 0, "lx", "fc"},
        {4, 2, "umol/(s*m2)", "fc"},
        {4, 3, "W/m2", "fc"},
        {4, 7, "lx", "fc"},
        {5, 1, "cd/m2", "cd/ft²"},
        {5, 2, "ORTI_UNIT", "cd/ft²"},
        {5, 3, "UVIR_UNIT", "cd/ft²"},
        {6, 2, "umol/s", "umol/s"},
        {6, 3, "W", "W"},
        {2, 0, "", ""},
    };
    for (const Case& c : cases) {
        settings.unitSystem = 0;
        EXPECT_EQ(UnitText(c.type, c.mode), c.metric) << c.type << "/" << c.mode;
        settings.unitSystem = 1;
        EXPECT_EQ(UnitText(c.type, c.mode), c.imperial) << c.type << "/" << c.mode;
    }
    settings.unitSystem = 0;
    EXPECT_EQ(LengthUnitText(), "m");
    EXPECT_EQ(ResultUnitText(7, 0), "cd/m2");
    EXPECT_EQ(ResultUnitText(9, 0), "cd/(m²·lx)");
    EXPECT_EQ(ResultUnitText(10, 0), "");
    EXPECT_EQ(ResultUnitText(12, 0), "");
    EXPECT_EQ(ResultUnitText(0, 2), "umol/(s*m2)");
    settings.unitSystem = unitSystem;
    SetPrintLanguage(nullptr);
    SetProgramLanguage(nullptr);
}

TEST(SharedTexts, TranslateNamesReplacesProgramPhrasesLeftToRight) {
    TempDir dir;
    // 7585 runs before 1923; an empty program phrase (786) replaces nothing.
    test::UseLanguages(dir, {{7585, "Lane"}, {1923, "Zone"}, {786, "X"}},
                       {{7585, "Corsia"}, {1923, "Zona"}});
    EXPECT_EQ(TranslateNames("Corsia 1 - Zona Corsia", true), "Lane 1 - Zone Lane");
    EXPECT_EQ(TranslateNames("Corsia 1", false), "Corsia 1");
    EXPECT_EQ(TranslateNames("Nothing known", true), "Nothing known");
    SetPrintLanguage(nullptr);
    SetProgramLanguage(nullptr);
}

TEST(ResultPiece, ReadsItsElementAndBuildsItsTitle) {
    TempDir dir;
    test::UseLanguages(dir,
                       {{1780, "Illuminance"},
                        {8349, "PAR"},
                        {8371, "%s on %s (values)"},
                        {8373, "%s: %s %s %n"},
                        {6512, "Luminance"},
                        {1685, "Observer"},
                        {1091, "towards"},
                        {7585, "Lane"}},
                       {{1780, "Illuminamento"}, {8371, "%s su %s"}, {7585, "Corsia"}});
    const auto result = [](int id, const std::string& info) {
        return Element("class_result", id, "<ResultInfo>" + info + "</ResultInfo>");
    };
    const std::string elements =
        result(1, "<Type>Illuminance</Type><DisplayType>numeric</DisplayType>"
                  "<Description>Corsia 2</Description><Min>1.5</Min><Max>9</Max><Med>4.25</Med>"
                  "<NumDecimals>2</NumDecimals><e_surfType>kSurf_RoadLane</e_surfType>") +
        result(2, "<Type>Luminance</Type><DisplayType>pseudoColor</DisplayType>"
                  "<Description>Road</Description><ObserverIndex>3</ObserverIndex>"
                  "<ObserverNameShort>O3</ObserverNameShort>"
                  "<PotSpecificaIlluminotecnica>0.02</PotSpecificaIlluminotecnica>") +
        result(3, "<Type>illuminance</Type><DisplayType>chart</DisplayType>") +
        result(4, "<Type>SemiCylIlluminance</Type><DisplayType>numeric</DisplayType>"
                  "<ObserverName>Desk</ObserverName>");
    ProjectFile project(MakePiece);
    project.Load(dir.write("p.xml", ProjectXml(elements)));
    std::vector<const CPiece_Result*> pieces;
    for (const auto& item : project.tree.items())
        if (item->type == kPieceResult)
            pieces.push_back(static_cast<const CPiece_Result*>(item.get()));
    ASSERT_EQ(pieces.size(), 4u);

    EXPECT_EQ(pieces[0]->quantityType, 0);
    EXPECT_EQ(pieces[0]->displayType, 0);
    EXPECT_EQ(pieces[0]->surfaceType, 13);
    EXPECT_EQ(pieces[0]->minValue, 1.5);
    EXPECT_EQ(pieces[0]->meanValue, 4.25);
    EXPECT_EQ(pieces[0]->numDecimals, 2);
    EXPECT_EQ(pieces[0]->specificPower, -1.0);
    EXPECT_EQ(pieces[0]->GetTitle(true), "Illuminance on Lane 2 (values)");
    EXPECT_EQ(pieces[0]->GetTitle(false), "Illuminamento su Corsia 2");

    EXPECT_EQ(pieces[1]->specificPower, 0.02);
    // A translated format cannot reach memory: the third %s and the %n have no argument.
    EXPECT_EQ(pieces[1]->GetTitle(true), "Luminance: Road %s %n - Observer 3 O3");

    EXPECT_EQ(pieces[2]->quantityType, CPiece_Result::kQuantityTypeCount) << "names match exactly";
    EXPECT_EQ(pieces[2]->displayType, CPiece_Result::kDisplayTypeCount);
    EXPECT_EQ(pieces[2]->surfaceType, CPiece_Result::kSurfaceTypeCount);
    EXPECT_EQ(pieces[2]->GetTitle(true), "");

    EXPECT_EQ(pieces[3]->GetTitle(true), " on  (values) - towards Desk");
    SetPrintLanguage(nullptr);
    SetProgramLanguage(nullptr);
}

} // namespace
} // namespace zentyra
