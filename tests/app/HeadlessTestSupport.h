#pragma once
// The program run as the batch user runs it: on a scratch copy of the demo suite and projects,
// never on the tracked files, with its outputs read back.
#include "LanguageTestSupport.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace zentyra::test {

namespace fs = std::filesystem;

inline const fs::path kExamples = fs::path(ZENTYRA_SOURCE_DIR) / "examples";

inline std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline std::string Quote(const std::string& argument) {
    std::string quoted = "'";
    for (const char c : argument)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

struct RunResult {
    int status = -1;
    std::string errors; // standard error
};

inline RunResult RunProgram(const std::vector<std::string>& arguments, const TempDir& dir) {
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

// Standard output of a shell command.
inline std::string Capture(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            out.append(buffer, n);
        pclose(pipe);
    }
    return out;
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
inline std::vector<Item> DumpItems(const std::string& json) {
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

} // namespace zentyra::test
