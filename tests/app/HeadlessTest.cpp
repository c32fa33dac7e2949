// The tree dump of the demo projects, in every selection mode and language, and bad input.
#include "HeadlessTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zentyra {
namespace {

using namespace test;

// The compact report's ticks.
bool CompactTicks(const Item& item) {
    if (item.kind == "chapter") return item.type == 0 || item.type == 1 || item.type == 3;
    for (const int type : {10, 11, 12, 14, 19, 20, 21, 25})
        if (item.type == type) return true;
    return false;
}

TEST(Headless, DemoProjectsInEverySelectionMode) {
    DemoCopy demo;
    const std::string iniBefore = ReadFile(demo.orvIni());
    for (const std::string name : {"indoor", "road"}) {
        const std::vector<Item> full = demo.dump({"-full"}, demo.project(name));
        ASSERT_GT(full.size(), 4u) << name;
        // Cover and index close the list; every chapter but 0 has a title in both languages.
        const std::vector<std::pair<std::string, int>> tail = {
            {"chapter", 0}, {"piece", 10}, {"chapter", 0}, {"piece", 25}};
        for (std::size_t k = 0; k < tail.size(); ++k) {
            const Item& item = full[full.size() - tail.size() + k];
            EXPECT_EQ(item.kind, tail[k].first) << name;
            EXPECT_EQ(item.type, tail[k].second) << name;
        }
        for (const Item& item : full) {
            EXPECT_TRUE(item.selected) << name << " " << item.className;
            if (item.type != 0 && item.type != 28) {
                EXPECT_NE(item.title, "") << name << " " << item.className;
                EXPECT_NE(item.programTitle, "") << name << " " << item.className;
            }
        }

        const std::vector<Item> compact = demo.dump({"-compact"}, demo.project(name));
        ASSERT_EQ(compact.size(), full.size());
        for (const Item& item : compact)
            EXPECT_EQ(item.selected, CompactTicks(item)) << name << " " << item.className;

        // Nothing saved yet: only the unnumbered chapters stay ticked.
        const std::vector<Item> last = demo.dump({"-lastCfg"}, demo.project(name));
        ASSERT_EQ(last.size(), full.size());
        for (const Item& item : last)
            EXPECT_EQ(item.selected, item.kind == "chapter" && item.type == 0) << item.className;

        // Not the first argument: no switch.
        const std::vector<Item> late =
            demo.dump({"--suite", demo.suite(), "-compact"}, demo.project(name));
        for (const Item& item : late)
            EXPECT_TRUE(item.selected) << item.className;
    }
    EXPECT_EQ(ReadFile(demo.orvIni()), iniBefore) << "headless runs never write the settings";
}

TEST(Headless, TitlesComeInThePrintAndTheProgramLanguage) {
    DemoCopy demo;
    std::string ini = ReadFile(demo.orvIni());
    const std::string english = "printerLanguageName=Ing.Lng";
    ASSERT_NE(ini.find(english), std::string::npos);
    ini.replace(ini.find(english), english.size(), "printerLanguageName=ITA.LNG");
    test::TempDir::WriteFile(demo.orvIni(), ini);
    for (const std::string name : {"indoor", "road"}) {
        const std::vector<Item> items = demo.dump({}, demo.project(name));
        ASSERT_FALSE(items.empty());
        EXPECT_EQ(items[0].className, "ID_CHAP_RIEPILOGO_PROGETTO");
        EXPECT_EQ(items[0].title, "Riepilogo progetto") << name;
        EXPECT_EQ(items[0].programTitle, "Project summary") << name;
        int translated = 0;
        for (const Item& item : items) {
            if (item.type != 0) {
                EXPECT_NE(item.title, "") << item.className;
            }
            translated += item.title != item.programTitle ? 1 : 0;
        }
        // Cover and index chapters have no title; words such as "Rendering" stay.
        EXPECT_GE(translated, static_cast<int>(items.size()) - 6) << name;
    }
}

TEST(Headless, BadInputIsReportedAndStillGivesTheCoverAndIndex) {
    DemoCopy demo;
    const std::string out = demo.dir.file("tree.json");

    RunResult run = RunProgram(
        {"--suite", demo.suite(), "--dump-tree", out, demo.dir.file("nope.xml")}, demo.dir);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.errors.find("Xml file " + demo.dir.file("nope.xml") + " not loaded ok"),
              std::string::npos)
        << run.errors;
    EXPECT_EQ(DumpItems(ReadFile(out)).size(), 4u);

    run = RunProgram({"--suite", demo.suite(), "--dump-tree", demo.dir.file("no/such/dir/t.json"),
                      demo.project("road")},
                     demo.dir);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.errors.find("no/such/dir/t.json"), std::string::npos) << run.errors;

    run = RunProgram(
        {"--suite", demo.dir.file("missing-suite"), "--dump-tree", out, demo.project("road")},
        demo.dir);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.errors.find("missing-suite"), std::string::npos) << run.errors;

    // A suite folder without INSTALL.INI: said so, and the report still comes out.
    fs::create_directory(demo.dir.file("empty-suite"));
    run = RunProgram(
        {"--suite", demo.dir.file("empty-suite"), "--dump-tree", out, demo.project("road")},
        demo.dir);
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.errors.find("No installation file INSTALL.INI was found (looked in " +
                              demo.dir.file("empty-suite") + ")"),
              std::string::npos)
        << run.errors;

    // Printing on a queue that does not exist names it; the tree is still written.
    run = RunProgram({"--suite", demo.suite(), "--print", "NoSuchQueue", "--dump-tree", out,
                      demo.project("road")},
                     demo.dir);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.errors.find("There is no printer queue NoSuchQueue (installed: "),
              std::string::npos)
        << run.errors;
    EXPECT_EQ(DumpItems(ReadFile(out)).size() > 4, true);

    run = RunProgram({"--dump-tree"}, demo.dir);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.errors.find("--help"), std::string::npos) << run.errors;
}

} // namespace
} // namespace zentyra
