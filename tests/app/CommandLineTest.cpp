#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace zentyra {
namespace {

struct SwitchCase {
    std::vector<std::string> arguments;
    int mode;
    std::string project;
};

TEST(CommandLine, SelectionSwitchCountsOnlyAsTheExactFirstArgument) {
    const SwitchCase cases[] = {
        {{"-compact", "/p/a.xml"}, 1, "/p/a.xml"},
        {{"/p/a.xml", "-compact"}, 0, "/p/a.xml"},
        {{"-Compact", "/p/a.xml"}, 0, "/p/a.xml"},
        {{"-lastCfg", "a.xml"}, 2, "a.xml"},
        {{"-full", "a.xml", "b.xml"}, 0, "a.xml"},
        {{"-compact"}, 1, ""},
        {{}, 0, ""},
        {{"-lastCfg", "--suite", "/s", "a.xml"}, 2, "a.xml"},
    };
    for (const SwitchCase& c : cases) {
        CommandLine line = ParseCommandLine(c.arguments);
        EXPECT_EQ(line.selectionMode, c.mode) << ::testing::PrintToString(c.arguments);
        EXPECT_EQ(line.projectPath, c.project) << ::testing::PrintToString(c.arguments);
        EXPECT_EQ(line.error, "");
    }
}

TEST(CommandLine, PrintTakesAQueueOnlyWhenTheNextWordIsNoOptionAndNoProject) {
    struct Case {
        std::vector<std::string> arguments;
        std::string queue;
        std::vector<std::string> projects;
    } cases[] = {
        {{"--print", "a.xml"}, "", {"a.xml"}},
        {{"--print", "PDF", "a.xml"}, "PDF", {"a.xml"}},
        {{"--print", "--suite", "/s", "a.XML"}, "", {"a.XML"}},
        {{"--print=odd.xml", "a.xml"}, "odd.xml", {"a.xml"}},
        {{"a.xml", "--print"}, "", {"a.xml"}},
    };
    for (const Case& c : cases) {
        const CommandLine line = ParseCommandLine(c.arguments);
        EXPECT_TRUE(line.print) << ::testing::PrintToString(c.arguments);
        EXPECT_EQ(line.printQueue, c.queue) << ::testing::PrintToString(c.arguments);
        EXPECT_EQ(line.projectPaths, c.projects) << ::testing::PrintToString(c.arguments);
        EXPECT_TRUE(line.headless() && line.laysOut());
    }
}

TEST(CommandLine, OptionsTakeTheirValuesAndTheProjectIsTheFirstArgumentLeft) {
    CommandLine line =
        ParseCommandLine({"--suite", "/opt/suite", "--dump-tree", "/tmp/t.json", "/p/x.xml"});
    EXPECT_EQ(line.suiteDirectory, "/opt/suite");
    EXPECT_EQ(line.dumpTreePath, "/tmp/t.json");
    EXPECT_EQ(line.projectPath, "/p/x.xml");
    EXPECT_TRUE(line.headless());

    line = ParseCommandLine({"--dump-tree=out.json", "p.xml", "--suite=s"});
    EXPECT_EQ(line.dumpTreePath, "out.json");
    EXPECT_EQ(line.suiteDirectory, "s");
    EXPECT_EQ(line.projectPath, "p.xml");
}

TEST(CommandLine, UnknownFlagsAreIgnoredButMistypedOptionsAndMissingValuesAreErrors) {
    CommandLine line = ParseCommandLine({"-x", "-lastCfg", "p.xml"});
    EXPECT_EQ(line.error, "");
    EXPECT_EQ(line.selectionMode, 0);
    EXPECT_EQ(line.ignoredFlags, (std::vector<std::string>{"-x", "-lastCfg"}));

    EXPECT_EQ(ParseCommandLine({"--dump-tre", "a", "p.xml"}).error, "unknown option --dump-tre");
    EXPECT_EQ(ParseCommandLine({"p.xml", "--dump-tree"}).error, "option --dump-tree needs a value");
    EXPECT_NE(ParseCommandLine({"--suite="}).error, "");
    EXPECT_TRUE(ParseCommandLine({"p.xml", "--help"}).help);
}

TEST(CommandLine, PageOutputsAndLayoutOptionsAreHeadlessAndCombine) {
    const CommandLine line = ParseCommandLine(
        {"-compact", "--export-pdf", "r.pdf", "--export-png=png", "--dpi", "72", "--dump-pages",
         "-", "--paper", "Letter", "--test-metrics", "--select", "5,26:1", "--deselect=2",
         "--print-language", "6", "--units", "imperial", "p.xml"});
    EXPECT_EQ(line.error, "");
    EXPECT_EQ(line.selectionMode, 1);
    EXPECT_EQ(line.exportPdfPath, "r.pdf");
    EXPECT_EQ(line.exportPngDir, "png");
    EXPECT_EQ(line.dpiText, "72");
    EXPECT_EQ(line.dumpPagesPath, "-");
    EXPECT_EQ(line.paperName, "Letter");
    EXPECT_TRUE(line.testMetrics);
    EXPECT_EQ(line.selectList, "5,26:1");
    EXPECT_EQ(line.deselectList, "2");
    EXPECT_EQ(line.printLanguageId, "6");
    EXPECT_EQ(line.unitsName, "imperial");
    EXPECT_EQ(line.projectPath, "p.xml");
    EXPECT_TRUE(line.headless());
    EXPECT_TRUE(line.laysOut());

    const CommandLine treeOnly = ParseCommandLine({"--dump-tree", "t.json", "p.xml"});
    EXPECT_TRUE(treeOnly.headless());
    EXPECT_FALSE(treeOnly.laysOut());
    EXPECT_FALSE(ParseCommandLine({"--test-metrics", "p.xml"}).headless());
}

} // namespace
} // namespace zentyra
