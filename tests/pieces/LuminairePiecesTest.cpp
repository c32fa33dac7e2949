// The tables of the luminaire pieces, cell by cell, and their layout on fixed metrics (body font
// 31 high, 15 per character, rows 31; A4 page with BottomLimit 2769).
#include "RenderTestSupport.h"

#include "document/XmlLoading.h"
#include "pieces/LuminaireData.h"
#include "pieces/LuminairePieces.h"
#include "platform/Messages.h"
#include "productdb/ProductImageDatabase.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <fstream>
#include <iterator>
#include <set>

namespace zentyra {
namespace {

using test::Element;
using test::LayoutTest;
using test::TempDir;

// Every string the pieces use reads "sN", so a cell tells which string it holds.
std::map<int, std::string> PieceStrings(const std::string& lightColour = "Light colour",
                                        const std::string& lampHeading = "Lamp count") {
    std::map<int, std::string> strings = test::LayoutStrings();
    for (const int n :
         {5443, 613,  5000, 6484, 1223, 597,  1224, 3409, 6488, 874,  5897, 1238, 112,  36,
          1688, 6461, 892,  4954, 7510, 8415, 5064, 5065, 5041, 5042, 7503, 39,   25,   26,
          27,   1307, 1308, 1309, 7495, 5176, 5179, 5180, 916,  915,  1335, 1336, 5038, 1338})
        strings[n] = "s" + std::to_string(n);
    strings[840] = lightColour;
    strings[8164] = lampHeading;
    strings[4999] = "Lamp ";
    return strings;
}

// A cell as align letter and text: "L:QD600"; picture cells "I:" and their path.
std::string CellText(const ReportTable& table, int row, int column) {
    const TableRow* found = const_cast<ReportTable&>(table).GetRow(row);
    if (!found || column < 1 || column > static_cast<int>(found->cells.size())) return "";
    const TableCell& cell = *std::next(found->cells.begin(), column - 1);
    if (!cell.imagePath.empty()) return "I:" + cell.imagePath;
    static const char kAligns[] = "CLR";
    const char align = cell.align >= 0 && cell.align <= 2 ? kAligns[cell.align] : '?';
    return std::string(1, align) + ":" + cell.cellText;
}

std::vector<std::string> RowTexts(const ReportTable& table, int row) {
    std::vector<std::string> texts;
    const TableRow* found = const_cast<ReportTable&>(table).GetRow(row);
    const int count = found ? static_cast<int>(found->cells.size()) : 0;
    for (int column = 1; column <= count; ++column)
        texts.push_back(CellText(table, row, column));
    return texts;
}

// Rows holding any text or picture.
std::vector<int> FilledRows(const ReportTable& table) {
    std::vector<int> filled;
    int number = 0;
    for (const TableRow& row : table.rows) {
        ++number;
        for (const TableCell& cell : row.cells) {
            if (!cell.cellText.empty() || !cell.imagePath.empty()) {
                filled.push_back(number);
                break;
            }
        }
    }
    return filled;
}

std::vector<int> HeadingRows(const ReportTable& table) {
    std::vector<int> headings;
    int number = 0;
    for (const TableRow& row : table.rows) {
        ++number;
        if (row.kind & kRowHeading) headings.push_back(number);
    }
    return headings;
}

class Xml {
public:
    explicit Xml(const std::string& children) {
        EXPECT_TRUE(ParseXmlText("<CustomClassData>" + children + "</CustomClassData>", doc_));
    }
    const TiXmlElement* root() const { return doc_.RootElement(); }

private:
    TiXmlDocument doc_;
};

std::string Lamps(std::initializer_list<int> ids) {
    std::string lamps = "<Lamps>";
    for (const int id : ids)
        lamps += "<Lamp><LampTypeID>" + std::to_string(id) + "</LampTypeID></Lamp>";
    return lamps + "</Lamps>";
}

std::string LightSet(const std::string& label, const std::string& emitters,
                     const std::string& extra = {}) {
    return "<LightSet><LightTypeStringID>" + label +
           "</LightTypeStringID><Name>Quadra</Name><Code>QD600</Code>"
           "<ManufacturerName>Luci</ManufacturerName><ManufacturerShortName>LLA"
           "</ManufacturerShortName><Count>12 pcs</Count>" +
           extra + "<EmitterList>" + emitters + "</EmitterList></LightSet>";
}

std::string TypeEmitter(const std::string& name, const std::string& lamps) {
    return "<Emitter><RilName>" + name + "</RilName><RilCode>C" + name +
           "</RilCode><Spectrum>1 1 1</Spectrum>" + lamps + "</Emitter>";
}

class LuminaireTablesTest : public LayoutTest {
protected:
    void SetUp() override {
        LayoutTest::SetUp();
        test::UseLanguages(languages, PieceStrings(), {});
    }
    void TearDown() override {
        ReleaseProductImageDatabase();
        LayoutTest::TearDown();
    }
    LuminaireTypes Types(const std::string& sets) {
        xml_ = std::make_unique<Xml>(sets);
        return ReadLuminaireTypes(xml_->root());
    }
    std::unique_ptr<Xml> xml_;
};

TEST_F(LuminaireTablesTest, TypeTableHeadingAndEmitterBlocks) {
    project.folder = projectDir.path();
    const std::string own = projectDir.write("LUM_A.BMP", "BM");
    const LuminaireTypes read =
        Types(LightSet("A", TypeEmitter("one", Lamps({0, 2})) + TypeEmitter("two", Lamps({}))) +
              LightSet("B", TypeEmitter("x", Lamps({30}))));
    const ReportTable table = LuminaireTypeTable(read.types[0], read.maxLampTypeId, project);

    EXPECT_EQ(RowTexts(table, 1),
              (std::vector<std::string>{"C:s5443", "C:", "C:", "C:s613", "C:Light", "C:s5000"}));
    EXPECT_EQ(RowTexts(table, 2),
              (std::vector<std::string>{"C:", "C:", "C:", "C:RGB", "C:colour"}));
    EXPECT_EQ(HeadingRows(table), (std::vector<int>{1, 2}));
    // First block from row 4: the lamp codes take the width of the element's largest id, 30.
    EXPECT_EQ(RowTexts(table, 4),
              (std::vector<std::string>{"L:A", "L:s6484", "L:Luci", "L:255,255,255", "R:12 pcs",
                                        "R:Lamp AA"}));
    EXPECT_EQ(CellText(table, 5, 2), "C:");
    EXPECT_EQ(CellText(table, 5, 6), "R:Lamp AC");
    EXPECT_EQ(RowTexts(table, 6), (std::vector<std::string>{"L:", "L:s1223", "L:Quadra"}));
    EXPECT_EQ(RowTexts(table, 7), (std::vector<std::string>{"L:", "L:s597", "L:(one)"}));
    EXPECT_EQ(RowTexts(table, 9), (std::vector<std::string>{"L:", "L:s1224", "L:QD600"}));
    EXPECT_EQ(RowTexts(table, 10), (std::vector<std::string>{"L:", "L:s3409", "L:(Cone)"}));
    // Pictures at R + 8: only the type's own, since no product database answers.
    EXPECT_EQ(RowTexts(table, 12), (std::vector<std::string>{"I:" + own}));
    // The next block at P + 2; without lamps it still takes its rows and pictures at R' + 8.
    EXPECT_EQ(CellText(table, 14, 1), "L:A");
    EXPECT_EQ(CellText(table, 14, 6), "");
    EXPECT_EQ(CellText(table, 17, 3), "L:(two)");
    EXPECT_EQ(RowTexts(table, 22), (std::vector<std::string>{"I:" + own}));
    EXPECT_EQ(FilledRows(table),
              (std::vector<int>{1, 2, 4, 5, 6, 7, 9, 10, 12, 14, 16, 17, 19, 20, 22}));
}

TEST_F(LuminaireTablesTest, BlocksMoveWithTheLampCountAndTheHeadingWords) {
    struct Case {
        const char* what;
        std::string lightColour;
        std::string emitters;
        std::vector<int> headings;
        std::vector<int> blockStarts;
    } cases[] = {
        {"three heading words", "Light colour code", TypeEmitter("a", Lamps({0})), {1, 2, 3}, {5}},
        {"one heading word", "Colour", TypeEmitter("a", Lamps({0})), {1, 2}, {4}},
        {"no heading word", "", TypeEmitter("a", Lamps({0})), {1, 2}, {4}},
        // Ten lamps fill rows R..R+9, pictures at R+10, the next block at R+12.
        {"ten lamps",
         "Colour",
         TypeEmitter("a", Lamps({0, 1, 2, 3, 4, 5, 6, 7, 8, 9})) + TypeEmitter("b", Lamps({0})),
         {1, 2},
         {4, 16}},
        // No lamps and no pictures: the block takes R..R+8, the next one starts at R+11.
        {"no lamps", "Colour", TypeEmitter("a", "") + TypeEmitter("b", ""), {1, 2}, {4, 15}},
    };
    for (const Case& c : cases) {
        test::UseLanguages(languages, PieceStrings(c.lightColour), {});
        const LuminaireTypes read = Types(LightSet("Z", c.emitters));
        const ReportTable table = LuminaireTypeTable(read.types[0], read.maxLampTypeId, project);
        EXPECT_EQ(HeadingRows(table), c.headings) << c.what;
        std::vector<int> starts;
        for (int row = 1; row <= static_cast<int>(table.rows.size()); ++row)
            if (CellText(table, row, 1) == "L:Z") starts.push_back(row);
        EXPECT_EQ(starts, c.blockStarts) << c.what;
    }
    const LuminaireTypes ten =
        Types(LightSet("Z", TypeEmitter("a", Lamps({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}))));
    const ReportTable table = LuminaireTypeTable(ten.types[0], ten.maxLampTypeId, project);
    EXPECT_EQ(CellText(table, 13, 6), "R:Lamp J"); // R + 9
    EXPECT_EQ(table.rows.size(), 13u);             // no pictures, so no row R + 10
}

TEST_F(LuminaireTablesTest, ATypeWithoutEmittersHasItsHeadingOnly) {
    const LuminaireTypes read = Types("<LightSet><LightTypeStringID>A</LightTypeStringID>"
                                      "</LightSet>");
    const ReportTable types = LuminaireTypeTable(read.types[0], read.maxLampTypeId, project);
    EXPECT_EQ(types.rows.size(), 2u);
    const ReportTable dimming = DimmingTable(read.types[0]);
    EXPECT_EQ(dimming.rows.size(), 2u);
    EXPECT_EQ(HeadingRows(dimming), (std::vector<int>{1, 2}));
}

TEST_F(LuminaireTablesTest, DimmingTableListsEverySteppedEmitterWithAGapAfterEach) {
    const LuminaireTypes read = Types(
        LightSet("A", TypeEmitter("a", "") + TypeEmitter("b", "") + TypeEmitter("c", "") +
                          "<EmitterRegulations><Regulation><Current>0.35</Current><Flux>3600</Flux>"
                          "<Power>36</Power><Dimmer>0.5</Dimmer><Count>6</Count></Regulation>"
                          "<Regulation><Dimmer>-1</Dimmer></Regulation></EmitterRegulations>"
                          "<EmitterRegulations/>"
                          "<EmitterRegulations><Regulation><Dimmer>0</Dimmer><Flux>12.345</Flux>"
                          "</Regulation></EmitterRegulations>"
                          "<EmitterRegulations><Regulation><Dimmer>1</Dimmer></Regulation>"
                          "</EmitterRegulations>"));
    const ReportTable table = DimmingTable(read.types[0]);
    EXPECT_EQ(RowTexts(table, 1),
              (std::vector<std::string>{"C:s6488", "C:s874", "C:s5897", "C:s1238", "C:s112"}));
    EXPECT_EQ(RowTexts(table, 2),
              (std::vector<std::string>{"C:", "C:[s36]", "C:[A]", "C:[W]", "C:s1688"}));
    EXPECT_EQ(HeadingRows(table), (std::vector<int>{1, 2}));
    EXPECT_EQ(RowTexts(table, 3),
              (std::vector<std::string>{"L:50 %", "R:3600.00", "R:0.3500", "R:36.0000", "R:6"}));
    EXPECT_EQ(RowTexts(table, 4),
              (std::vector<std::string>{"L:-", "R:0.00", "R:0.0000", "R:0.0000", "R:0"}));
    // Row 5 after the first emitter, row 6 after the second (which has none); the fourth
    // EmitterRegulations has no emitter and is left out.
    EXPECT_EQ(RowTexts(table, 7),
              (std::vector<std::string>{"L:0 %", "R:12.35", "R:0.0000", "R:0.0000", "R:0"}));
    EXPECT_EQ(FilledRows(table), (std::vector<int>{1, 2, 3, 4, 7}));
}

TEST_F(LuminaireTablesTest, ProductPicturesComeFromTheDatabaseOrTheTypesOwnFile) {
    std::ifstream in(std::string(ZENTYRA_TEST_DATA) + "/productdb/productdb.mdb", std::ios::binary);
    TempDir db;
    db.write("Products.mdb", std::string(std::istreambuf_iterator<char>(in), {}));
    const std::string product = db.write("ACME/lx100.jpg", "jpeg");
    const std::string embedded = projectDir.write("pictures/own.png", "png");
    RecordingMessageSink sink;
    ScopedMessageSink scoped(sink);
    SetUpProductImageDatabase(db.path(), "Products.mdb");
    project.folder = projectDir.path();
    const std::string own = projectDir.write("LUM_A.BMP", "BM");

    const std::string acme = "<Name>N</Name><Code>lx-100</Code><ManufacturerShortName>ACME"
                             "</ManufacturerShortName>";
    struct Case {
        const char* what;
        std::string set;
        std::vector<std::string> pictures;
    } cases[] = {
        {"from the database",
         "<LightSet><LightTypeStringID>A</LightTypeStringID>" + acme +
             "<EmitterList><Emitter/></EmitterList></LightSet>",
         {"I:" + product, "I:" + own}},
        {"the embedded picture instead",
         "<LightSet><LightTypeStringID>B</LightTypeStringID>" + acme +
             "<EmbeddedImageFilename>pictures/own.png</EmbeddedImageFilename>"
             "<EmitterList><Emitter/></EmitterList></LightSet>",
         {"I:" + embedded}},
        {"an embedded picture that is missing: the database is not asked",
         "<LightSet><LightTypeStringID>C</LightTypeStringID>" + acme +
             "<EmbeddedImageFilename>gone.png</EmbeddedImageFilename>"
             "<EmitterList><Emitter/></EmitterList></LightSet>",
         {}},
    };
    for (const Case& c : cases) {
        const LuminaireTypes read = Types(c.set);
        const ReportTable table = LuminaireTypeTable(read.types[0], read.maxLampTypeId, project);
        std::vector<std::string> pictures = RowTexts(table, 12);
        EXPECT_EQ(pictures, c.pictures) << c.what;
    }
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(LuminaireTablesTest, LampTableRowsAndUnits) {
    xml_ = std::make_unique<Xml>(
        "<Lamp><LampTypeID>0</LampTypeID><Name>LED</Name><Code>L1</Code><Power>36</Power>"
        "<Current>0.35</Current><Flux>800.6</Flux><Kelvin>4000</Kelvin><Count>3</Count></Lamp>"
        "<Lamp><LampTypeID>26</LampTypeID><Current>0.0005</Current></Lamp>");
    const ReportTable table = LampTable(ReadLampTypes(xml_->root()), 2);
    EXPECT_EQ(RowTexts(table, 1),
              (std::vector<std::string>{"C:s5000", "C:s6461", "C:s892", "C:s1238", "C:s5897",
                                        "C:s874", "C:s613", "C:Lamp"}));
    EXPECT_EQ(RowTexts(table, 2), (std::vector<std::string>{"C:", "C:", "C:", "C:[s4954]", "C:[mA]",
                                                            "C:[umol/s]", "C:[s7510]", "C:count"}));
    EXPECT_EQ(HeadingRows(table), (std::vector<int>{1, 2}));
    EXPECT_EQ(RowTexts(table, 3), (std::vector<std::string>{"L:Lamp AA", "L:LED", "L:L1", "R:36.00",
                                                            "R:350.0", "R:801", "C:4000", "R:3"}));
    EXPECT_EQ(RowTexts(table, 4), (std::vector<std::string>{"L:Lamp BA", "L:", "L:", "R:0.00",
                                                            "R:0.5", "R:0", "C:0", "R:"}));
    EXPECT_EQ(CellText(LampTable({}, 0), 2, 6), "C:[lm]");
    EXPECT_EQ(CellText(LampTable({}, 3), 2, 6), "C:[W]");
    EXPECT_EQ(CellText(LampTable({}, 7), 2, 6), "C:[lm]");
}

TEST_F(LuminaireTablesTest, ALongLampHeadingKeepsItsRowsAsHeadings) {
    test::UseLanguages(languages, PieceStrings("Light colour", "Lamps per luminaire"), {});
    xml_ = std::make_unique<Xml>("<Lamp><Name>LED</Name></Lamp>");
    const ReportTable table = LampTable(ReadLampTypes(xml_->root()), 0);
    EXPECT_EQ(HeadingRows(table), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(CellText(table, 3, 8), "C:luminaire");
    EXPECT_EQ(CellText(table, 4, 2), "L:LED");
}

std::string Light(const std::string& label, const std::string& isOn, const std::string& emitters,
                  const std::string& extra = {}) {
    return "<Light><LightStringID>" + label + "</LightStringID><LightParentStructName>Pole " +
           label + "</LightParentStructName>" + isOn +
           "<Pos>1 2.5 3</Pos><Rot>0 -15 90</Rot><Pnt>4 5 0.125</Pnt><PntRotZ>-7.25</PntRotZ>" +
           extra + "<EmitterList>" + emitters + "</EmitterList></Light>";
}

std::string ListEmitter(const std::string& dimmer, const std::string& manut = "0.8") {
    return "<Emitter><Manut>" + manut + "</Manut><Dimmer>" + dimmer +
           "</Dimmer><Flux>3600</Flux><Current>0.35</Current><Power>36</Power></Emitter>";
}

TEST_F(LuminaireTablesTest, PositionAndAimingRows) {
    xml_ = std::make_unique<Xml>(Light("L1", "", ListEmitter("1") + ListEmitter("0.2", "0.5")));
    const ReportTable positions = LuminaireListTable(xml_->root(), false, 0);
    EXPECT_EQ(RowTexts(positions, 1),
              (std::vector<std::string>{"C:s5443", "C:s8415", "C:s5064", "C:s6488", "C:s874",
                                        "C:s5897", "C:s1238", "C:s5041", "C:s5042"}));
    EXPECT_EQ(RowTexts(positions, 2),
              (std::vector<std::string>{"C:", "C:", "C:s5065", "C:", "C:[lm]", "C:[A]", "C:[W]",
                                        "C:s25[s39] s26[s39] s27[s39]",
                                        "C:s1307[s7495] s1308[s7495] s1309[s7495]"}));
    EXPECT_EQ(HeadingRows(positions), (std::vector<int>{1, 2}));
    // Only the first emitter counts.
    EXPECT_EQ(
        RowTexts(positions, 3),
        (std::vector<std::string>{"L:L1", "L:s916", "L:0.80", "L:100 %", "R:3600.00", "R:0.3500",
                                  "R:36.0000", "L:1.00 2.50 3.00", "L:0.0 -15.0 90.0"}));

    const ReportTable aiming = LuminaireListTable(xml_->root(), true, 2);
    EXPECT_EQ(RowTexts(aiming, 1),
              (std::vector<std::string>{"C:s5176", "C:s5443", "C:s8415", "C:s5064", "C:s6488",
                                        "C:s874", "C:s5897", "C:s1238", "C:s5041", "C:s5042",
                                        "C:s5179", "C:s5180"}));
    EXPECT_EQ(CellText(aiming, 2, 6), "C:[umol/s]");
    EXPECT_EQ(CellText(aiming, 2, 11), "C:s25[s39] s26[s39] s27[s39]");
    EXPECT_EQ(CellText(aiming, 2, 12), "C:[s7495]");
    EXPECT_EQ(RowTexts(aiming, 3),
              (std::vector<std::string>{"L:Pole L1", "L:L1", "L:s916", "L:0.80", "L:100 %",
                                        "R:3600.00", "R:0.3500", "R:36.0000", "L:1.00 2.50 3.00",
                                        "L:0.0 -15.0 90.0", "L:4.00 5.00 0.12", "L:-7.2"}));
}

TEST_F(LuminaireTablesTest, StateAndDimmingTexts) {
    struct Case {
        std::string isOn;
        std::string dimmer;
        const char* state;
        const char* dimming;
    } cases[] = {
        {"<isOn>FALSE</isOn>", "1", "L:s915", "L:100 %"},
        {"<isOn>true</isOn>", "0", "L:s915", "L:0 %"},
        {"", "0.0005", "L:s915", "L:0 %"},
        {"", "0.001", "L:s915", "L:0 %"},
        {"", "0.002", "L:s916", "L:0 %"},
        {"<isOn>1</isOn>", "0.5", "L:s916", "L:50 %"},
        {"<isOn>yes</isOn>", "-1", "L:s916", "L:-"},
        {"<isOn>0</isOn>", "-1", "L:s915", "L:-"},
    };
    for (const Case& c : cases) {
        xml_ = std::make_unique<Xml>(Light("L", c.isOn, ListEmitter(c.dimmer)));
        const ReportTable table = LuminaireListTable(xml_->root(), false, 0);
        EXPECT_EQ(CellText(table, 3, 2), c.state) << c.isOn << " " << c.dimmer;
        EXPECT_EQ(CellText(table, 3, 4), c.dimming) << c.isOn << " " << c.dimmer;
    }
}

TEST_F(LuminaireTablesTest, ALightWithoutEmittersLeavesItsElectricalCellsEmpty) {
    xml_ = std::make_unique<Xml>(Light("L9", "", "") + "<Light/>");
    const ReportTable table = LuminaireListTable(xml_->root(), true, 0);
    EXPECT_EQ(RowTexts(table, 3),
              (std::vector<std::string>{"L:Pole L9", "L:L9",
                                        "L:", "L:", "L:", "R:", "R:", "R:", "L:1.00 2.50 3.00",
                                        "L:0.0 -15.0 90.0", "L:4.00 5.00 0.12", "L:-7.2"}));
    EXPECT_EQ(RowTexts(table, 4),
              (std::vector<std::string>{
                  "L:", "L:", "L:", "L:", "L:", "R:", "R:", "R:", "L:0.00 0.00 0.00",
                  "L:0.0 0.0 0.0", "L:0.00 0.00 0.00", "L:0.0"}));
}

TEST_F(LuminaireTablesTest, ImperialHeadingsKeepTheFilesNumbers) {
    ReportSettings::instance().unitSystem = 1;
    xml_ = std::make_unique<Xml>(Light("L1", "", ListEmitter("1")));
    const ReportTable table = LuminaireListTable(xml_->root(), false, 0);
    EXPECT_EQ(CellText(table, 2, 8), "C:s25[s7503] s26[s7503] s27[s7503]");
    EXPECT_EQ(CellText(table, 3, 8), "L:1.00 2.50 3.00");
    ReportSettings::instance().unitSystem = 0;
}

// --- drawn on pages ------------------------------------------------------------------------

class LuminaireLayoutTest : public LayoutTest {
protected:
    void SetUp() override {
        LayoutTest::SetUp();
        test::UseLanguages(languages, PieceStrings(), {});
    }
    std::vector<std::string> allTexts() const {
        std::vector<std::string> all;
        for (int p = 1; p <= static_cast<int>(recorder.pages().size()); ++p)
            for (const std::string& t : texts(p))
                all.push_back(t);
        return all;
    }
};

TEST_F(LuminaireLayoutTest, PiecesWithoutTheirElementDrawNothing) {
    // The pieces are made for the class keys but look for element id 0, which is not there.
    LayOut(Element("class_luminaireInfo", 1, "<LightSet/>") + Element("class_lampInfo", 1) +
           Element("class_luminaireList", 1, "<Light/>"));
    // (The contents still list them, as they list every ticked piece.)
    for (const std::string& t : allTexts()) {
        for (const char* title : {"1.1    s1335", "1.2    s1336", "2.1    s5038", "2.2    s1338",
                                  "s5443", "s6461", "s5176", "s5000"})
            EXPECT_NE(t, title);
    }
}

TEST_F(LuminaireLayoutTest, EmptyElementsDrawTheirTitlesAndHeadings) {
    LayOut(Element("class_lampInfo", 0) + Element("class_luminaireList", 0) +
           Element("class_luminaireInfo", 0,
                   "<LightSet><LightTypeStringID>A</LightTypeStringID></LightSet>"));
    const std::vector<std::string> page = allTexts();
    const auto at = [&](const std::string& t) {
        return std::find(page.begin(), page.end(), t) - page.begin();
    };
    const std::ptrdiff_t end = static_cast<std::ptrdiff_t>(page.size());
    for (const char* t : {"1.1    s1335", "1.2    s1336", "2.1    s5038", "2.2    s1338", "s5443",
                          "s6488", "s6461", "s5176", "s5179"})
        EXPECT_LT(at(t), end) << t;
    // The type table's and the dimming table's headings, one after the other.
    EXPECT_LT(at("s5443"), at("s6488"));
    EXPECT_EQ(std::count(page.begin(), page.end(), "s5064"), 2); // positions and aiming
}

TEST_F(LuminaireLayoutTest, TheDimmingTableStandsBesideThePictures) {
    const std::string own = projectDir.write("LUM_A.BMP", "BM");
    pictures.bitmaps[own] = {100, 100};
    LayOut(Element("class_luminaireInfo", 0,
                   LightSet("A", TypeEmitter("a", Lamps({0})) +
                                     "<EmitterRegulations><Regulation><Dimmer>0.5</Dimmer>"
                                     "</Regulation></EmitterRegulations>")));
    const auto pictureOps = ops<PictureOp>(1);
    ASSERT_EQ(pictureOps.size(), 2u); // the logo and the type's picture
    EXPECT_EQ(pictureOps[1].file, own);
    const int pictureLeft = pictureOps[1].box.left;
    EXPECT_EQ(pictureOps[1].box.width(), 300);
    // The dimming table starts where the pictures do.
    const auto heading = text(1, "s6488");
    ASSERT_TRUE(heading);
    const auto lines = ops<LineOp>(1);
    bool ruleFromPictures = false;
    for (const LineOp& line : lines)
        ruleFromPictures |= line.from.x == pictureLeft && line.from.y == line.to.y &&
                            line.to.x == 2000 && line.from.y < heading->at.y;
    EXPECT_TRUE(ruleFromPictures);
}

TEST_F(LuminaireLayoutTest, AHundredThousandLuminairesBreakAcrossPagesWithTheirHeadings) {
    std::string lights;
    constexpr int kLights = 100000;
    lights.reserve(kLights * 48);
    for (int n = 1; n <= kLights; ++n)
        lights += "<Light><LightStringID>L" + std::to_string(n) + "</LightStringID></Light>";
    LayOut(Element("class_luminaireList", 0, lights));
    const int pages = static_cast<int>(recorder.pages().size());
    // Rows of 31 from under the headings to BottomLimit 2769: about 80 a page.
    EXPECT_GT(pages, 2 * kLights / 90);
    int rows = 0;
    for (int p = 1; p <= pages; ++p) {
        int lightRows = 0;
        int headings = 0;
        for (const TextOp& op : ops<TextOp>(p)) {
            lightRows +=
                op.text.size() > 1 && op.text[0] == 'L' && op.text[1] >= '1' && op.text[1] <= '9';
            headings += op.text == "s5443";
        }
        rows += lightRows;
        if (lightRows > 0) {
            EXPECT_GE(headings, 1) << "page " << p;
        }
    }
    EXPECT_EQ(rows, 2 * kLights);
}

} // namespace
} // namespace zentyra
