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

} // namespace
} // namespace zentyra
