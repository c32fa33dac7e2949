// The program run as the batch user runs it: on a copy of the demo suite, never on the tracked
// files, with the tree dump read back.
#include "LanguageTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace zentyra {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

const fs::path kExamples = fs::path(ZENTYRA_SOURCE_DIR) / "examples";

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Quote(const std::string& argument) {
    std::string quoted = "'";
    for (const char c : argument)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

struct RunResult {
    int status = -1;
    std::string errors; // standard error
};

RunResult RunProgram(const std::vector<std::string>& arguments, const TempDir& dir) {
    std::string command = Quote(ZENTYRA_EXECUTABLE);
    for (const std::string& argument : arguments)
        command += " " + Quote(argument);
    const std::string errors = dir.file("stderr.txt");
    command += " 2>" + Quote(errors) + " </dev/null";
    const int raw = std::system(command.c_str());
    RunResult run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.errors = ReadFile(errors);
    return run;
}

struct Item {
    std::string kind;
    int type = -1;
    int elementId = 0;
    bool selected = false;
    std::string className;
    std::string title;
    std::string programTitle;
};

// The items of a tree dump, read from the writer's fixed layout: one member per line.
std::vector<Item> DumpItems(const std::string& json) {
    std::vector<Item> items;
    const std::size_t start = json.find("\"items\": [");
    if (start == std::string::npos) return items;
    std::istringstream lines(json.substr(start));
    std::string line;
    while (std::getline(lines, line)) {
        // "    \"key\": value," with the comma on all but the last member.
        const std::size_t open = line.find('"');
        const std::size_t close = open == std::string::npos ? open : line.find("\": ", open + 1);
        if (close == std::string::npos) continue;
        const std::string key = line.substr(open + 1, close - open - 1);
        std::string value = line.substr(close + 3);
        if (!value.empty() && value.back() == ',') value.pop_back();
        if (value.size() >= 2 && value.front() == '"') value = value.substr(1, value.size() - 2);
        if (key == "kind") items.emplace_back().kind = value;
        if (items.empty()) continue;
        Item& item = items.back();
        if (key == "type") item.type = std::stoi(value);
        if (key == "elementId") item.elementId = std::stoi(value);
        if (key == "selected") item.selected = value == "true";
        if (key == "className") item.className = value;
        if (key == "title") item.title = value;
        if (key == "programTitle") item.programTitle = value;
    }
    return items;
}

// A scratch copy of the demo suite and projects.
class DemoCopy {
public:
    DemoCopy() { fs::copy(kExamples, dir.path(), fs::copy_options::recursive); }
    std::string suite() const { return dir.file("suite"); }
    std::string project(const std::string& name) const {
        return dir.file("projects/" + name + "/" + name + ".xml");
    }
    std::string orvIni() const { return dir.file("suite/Cfg/ORV.INI"); }
    std::vector<Item> dump(const std::vector<std::string>& leading, const std::string& project,
                           RunResult* run = nullptr) const {
        std::vector<std::string> arguments = leading;
        const std::string out = dir.file("tree.json");
        fs::remove(out);
        arguments.insert(arguments.end(), {"--suite", suite(), "--dump-tree", out, project});
        const RunResult result = RunProgram(arguments, dir);
        if (run) *run = result;
        EXPECT_EQ(result.status, 0) << result.errors;
        return DumpItems(ReadFile(out));
    }

    TempDir dir;
};

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

    run = RunProgram({"--dump-tree"}, demo.dir);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.errors.find("--help"), std::string::npos) << run.errors;
}

} // namespace
} // namespace zentyra
