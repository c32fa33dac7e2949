#include "DocumentTestSupport.h"

#include "document/ProjectFile.h"
#include "platform/Messages.h"

#include <gtest/gtest.h>

namespace zentyra {
namespace {

using test::Element;
using test::ProjectXml;
using test::TempDir;

std::string Utf16(std::u16string_view text, bool bigEndian, bool mark) {
    std::string bytes = test::Utf16File(text, bigEndian);
    return mark ? bytes : bytes.substr(2);
}

TEST(ProjectFile, ReadsProjectTextsCalculationDataAndElementsInFileOrder) {
    TempDir dir;
    const std::string extra =
        "<GeneralInfo><Date>10/12/2026</Date></GeneralInfo>"
        "<ProjectInfo><ProjectName>Sala riunioni è</ProjectName><ProjectCode>P-7</ProjectCode>"
        "<Ditta>Studio</Ditta><RifProtocollo>42</RifProtocollo><ProjectMode>2</ProjectMode>"
        "</ProjectInfo><CalcInfo><Type>0</Type><Accuracy>3</Accuracy><UsingSun>1</UsingSun>"
        "</CalcInfo>";
    const std::string path = dir.write(
        "prj/room.xml",
        ProjectXml(Element("class_result", 4) + "<Other/>" + Element("class_result", 1) +
                       "<PrintElement class=\"class_result\"><Description>no id</Description>"
                       "</PrintElement>" +
                       Element("class_unknown", 3),
                   extra));
    ProjectFile project(MakePiece);
    ASSERT_TRUE(project.Load(path));
    EXPECT_TRUE(project.xmlLoaded());
    EXPECT_EQ(project.folder, dir.file("prj"));
    EXPECT_EQ(project.Date, "10/12/2026");
    EXPECT_EQ(project.ProjectName, "Sala riunioni è");
    EXPECT_EQ(project.ProjectCode, "P-7");
    EXPECT_EQ(project.Ditta, "Studio");
    EXPECT_EQ(project.RifProtocollo, "42");
    EXPECT_EQ(project.Comune, "");
    EXPECT_EQ(project.ProjectMode(), 2);
    EXPECT_EQ(project.calcInfoPresent, 1);
    EXPECT_EQ(project.calcTypeZero, 1);
    EXPECT_EQ(project.accuracy, 3);
    EXPECT_EQ(project.usingSun, 1);

    ASSERT_EQ(project.elements.size(), 4u); // <Other/> is skipped, unknown keys are kept
    const PrintElementEntry* first = project.FindElement("class_result");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->id, 4);
    EXPECT_NE(first->customData, nullptr);
    const PrintElementEntry* second = project.FindNextElement("class_result", first);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->id, 1);
    const PrintElementEntry* third = project.FindNextElement("class_result", second);
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(third->id, kMissingElementId);
    EXPECT_EQ(third->description, "no id");
    EXPECT_EQ(third->customData, nullptr);
    EXPECT_EQ(project.FindNextElement("class_result", third), nullptr);
    EXPECT_EQ(project.FindElement("class_result", 1), second);
    EXPECT_EQ(project.FindElement("class_Result"), nullptr) << "class keys are case-sensitive";
    EXPECT_EQ(project.FindElement("class_result", 9), nullptr);
}

TEST(ProjectFile, CoverPictureComesFromRenderingThenScreenshotThenPlantView) {
    const std::string rendering = Element("class_rendering", 0, "<Filename>r.png</Filename>");
    const std::string screenshot = Element("class_screenShot", 0, "<Filename>s.png</Filename>");
    const std::string plant =
        Element("class_plantView", 0, "<Image><Path>img\\plant.png</Path></Image>");
    TempDir dir;
    struct Case {
        std::string elements;
        std::string expected;
    } cases[] = {
        {plant + screenshot + rendering, "r.png"},
        {plant + screenshot, "s.png"},
        {plant, dir.file("img/plant.png")},
        {Element("class_result", 0), ""},
    };
    for (const Case& c : cases) {
        ProjectFile project(MakePiece);
        project.Load(dir.write("p.xml", ProjectXml(c.elements)));
        EXPECT_EQ(project.coverImagePath, c.expected) << c.elements;
    }
}

TEST(ProjectFile, PathWithoutFolderKeepsThePlantViewPictureRelative) {
    TempDir dir;
    dir.write("p.xml",
              ProjectXml(Element("class_plantView", 0, "<Image><Path>plant.png</Path></Image>")));
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    ProjectFile project(MakePiece);
    project.Load("p.xml");
    std::filesystem::current_path(previous);
    EXPECT_EQ(project.folder, "");
    EXPECT_EQ(project.coverImagePath, "plant.png");
}

TEST(ProjectFile, FolderAcceptsBothSeparators) {
    ProjectFile project(MakePiece);
    RecordingMessageSink sink;
    ScopedMessageSink scope(sink);
    project.Load("C:\\Projects\\Room\\room.xml");
    EXPECT_EQ(project.folder, "C:\\Projects\\Room");
    project.Load("/srv/projects/room.xml");
    EXPECT_EQ(project.folder, "/srv/projects");
}

// Files that must not load, and files in other encodings that must read right.
TEST(ProjectFile, DamagedFilesGiveTheMessageAndTheFourItemTree) {
    TempDir dir;

    std::string nested = "<Zentyra>";
    for (int i = 0; i < 200000; ++i)
        nested += "<a>";
    for (int i = 0; i < 200000; ++i)
        nested += "</a>";
    nested += "</Zentyra>";
    // TinyXML ends these prologue nodes at the first '>', and then recurses once per level.
    std::string deep;
    for (int i = 0; i < 40000; ++i)
        deep += "<a>";
    const std::string good = ProjectXml(Element("class_result", 1));
    struct Case {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"empty.xml", ""},
        {"truncated.xml", good.substr(0, good.size() / 2)},
        {"text.xml", "this is not XML at all"},
        {"nested.xml", nested},
        {"deep-behind-pi.xml", "<?>" + deep},
        {"deep-behind-unknown.xml", "<?x >" + deep},
        {"deep-behind-doctype.xml", "<!DOCTYPE x [ >" + deep},
        {"binary.xml", std::string("\x00\x01\x02\xff\xfe\x00", 6)},
        {"dir", ""}, // replaced by a folder below
    };
    for (const Case& c : cases) {
        std::string path = dir.write(c.name, c.bytes);
        if (std::string(c.name) == "dir") {
            std::filesystem::remove(path);
            std::filesystem::create_directory(path);
        }
        RecordingMessageSink sink;
        ScopedMessageSink scope(sink);
        ProjectFile project(MakePiece);
        EXPECT_TRUE(project.Load(path)) << c.name;
        EXPECT_FALSE(project.xmlLoaded()) << c.name;
        EXPECT_TRUE(project.elements.empty()) << c.name;
        ASSERT_EQ(project.tree.items().size(), 4u) << c.name;
        ASSERT_EQ(sink.messages.size(), 1u) << c.name;
        EXPECT_EQ(sink.messages[0].title, "Debug Msg");
        EXPECT_EQ(sink.messages[0].text, "Xml file " + path + " not loaded ok");
    }
    RecordingMessageSink sink;
    ScopedMessageSink scope(sink);
    ProjectFile project(MakePiece);
    project.Load("");
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "Xml file  not loaded ok");
    project.Load(dir.file("missing.xml"));
    EXPECT_EQ(project.tree.items().size(), 4u);
}

TEST(ProjectFile, EveryEncodingReadsAsTheSameText) {
    TempDir dir;
    const std::u16string body =
        u"<Zentyra><ProjectInfo><ProjectName>Caffè € ü</ProjectName></ProjectInfo></Zentyra>";
    const std::u16string declared16 = u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>" + body;
    struct Case {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"utf8-bom.xml", "\xEF\xBB\xBF<Zentyra><ProjectInfo><ProjectName>Caff\xC3\xA8 \xE2\x82\xAC "
                         "\xC3\xBC</ProjectName></ProjectInfo></Zentyra>"},
        {"utf8-plain.xml", "<Zentyra><ProjectInfo><ProjectName>Caff\xC3\xA8 \xE2\x82\xAC "
                           "\xC3\xBC</ProjectName></ProjectInfo></Zentyra>"},
        {"cp1252-declared.xml", "<?xml version=\"1.0\" encoding=\"windows-1252\"?><Zentyra>"
                                "<ProjectInfo><ProjectName>Caff\xE8 \x80 \xFC</ProjectName>"
                                "</ProjectInfo></Zentyra>"},
        {"latin-undeclared.xml", "<Zentyra><ProjectInfo><ProjectName>Caff\xE8 \x80 \xFC"
                                 "</ProjectName></ProjectInfo></Zentyra>"},
        {"references.xml", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><Zentyra><ProjectInfo>"
                           "<ProjectName>Caff&#232; &#x20AC; &#252;</ProjectName></ProjectInfo>"
                           "</Zentyra>"},
        {"utf16le.xml", Utf16(declared16, false, true)},
        {"utf16be.xml", Utf16(declared16, true, true)},
        {"utf16le-nomark.xml", Utf16(body, false, false)},
    };
    for (const Case& c : cases) {
        ProjectFile project(MakePiece);
        project.Load(dir.write(c.name, c.bytes));
        EXPECT_TRUE(project.xmlLoaded()) << c.name;
        EXPECT_EQ(project.ProjectName, "Caffè € ü") << c.name;
    }
}

TEST(ProjectFile, WrongRootAndMissingSectionsReadAsEmpty) {
    TempDir dir;
    ProjectFile project(MakePiece);
    project.Load(dir.write("a.xml", ProjectXml(Element("class_result", 1),
                                               "<ProjectInfo><ProjectName>A</ProjectName>"
                                               "</ProjectInfo>")));
    ASSERT_EQ(project.ProjectName, "A");
    // Loading again replaces the elements and the tree; a root of another name reads as empty.
    project.Load(dir.write("b.xml", "<Other><ProjectInfo><ProjectName>B</ProjectName>"
                                    "</ProjectInfo><AvailableElementsList>" +
                                        Element("class_result", 1) +
                                        "</AvailableElementsList></Other>"));
    EXPECT_TRUE(project.xmlLoaded());
    EXPECT_EQ(project.ProjectName, "");
    EXPECT_TRUE(project.elements.empty());
    EXPECT_EQ(project.tree.items().size(), 4u);
    EXPECT_EQ(project.calcInfoPresent, 0);
}

TEST(ProjectFile, LongTextsAreHeldTo1023Units) {
    TempDir dir;
    const std::string longName(5000, 'x');
    ProjectFile project(MakePiece);
    project.Load(dir.write("p.xml", ProjectXml("", "<ProjectInfo><ProjectName>" + longName +
                                                       "</ProjectName></ProjectInfo>")));
    EXPECT_EQ(project.ProjectName, std::string(1023, 'x'));
}

} // namespace
} // namespace zentyra
