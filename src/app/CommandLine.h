#pragma once
// The command line. The optional selection switch ("-compact", "-full", "-lastCfg") counts only
// as the very first argument, compared exactly. Only '-' starts an option (absolute paths begin
// with '/'); options take their values; the project file is the first argument left. Unknown
// single-dash flags are ignored, as the desktop program always did; unknown "--" options are
// errors, since they can only be a mistyped option of ours.
#include <string>
#include <vector>

namespace zentyra {

struct CommandLine {
    int selectionMode = 0;
    std::string suiteDirectory; // --suite DIR
    std::string dumpTreePath;   // --dump-tree FILE
    std::string projectPath;    // first argument that is not an option
    bool help = false;
    std::vector<std::string> ignoredFlags;
    std::string error; // non-empty: the command line is unusable, with this explanation

    bool headless() const { return !dumpTreePath.empty(); }
};

CommandLine ParseCommandLine(const std::vector<std::string>& arguments);
std::string CommandLineHelp(const std::string& programName);

} // namespace zentyra
