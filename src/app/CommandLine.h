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
    std::string suiteDirectory;            // --suite DIR
    std::string dumpTreePath;              // --dump-tree FILE
    std::string dumpPagesPath;             // --dump-pages FILE
    std::string exportPdfPath;             // --export-pdf FILE
    std::string exportPngDir;              // --export-png DIR
    std::string paperName;                 // --paper A4|Letter, as given; empty = A4
    std::string dpiText;                   // --dpi N, as given; empty = the default
    std::string selectList;                // --select TYPE[:ID],...
    std::string deselectList;              // --deselect TYPE[:ID],...
    std::string printLanguageId;           // --print-language ID, as given
    std::string unitsName;                 // --units metric|imperial, as given; empty = the suite's
    std::string outDir;                    // --out-dir DIR: one NAME.pdf per project
    bool print = false;                    // --print [QUEUE]: print headless
    std::string printQueue;                // its queue; empty = the default printer
    bool testMetrics = false;              // --test-metrics
    std::string projectPath;               // first argument that is not an option
    std::vector<std::string> projectPaths; // every argument that is not an option
    bool help = false;
    bool version = false;
    std::vector<std::string> ignoredFlags;
    std::string error; // non-empty: the command line is unusable, with this explanation

    bool headless() const {
        return !dumpTreePath.empty() || !dumpPagesPath.empty() || !exportPdfPath.empty() ||
               !exportPngDir.empty() || !outDir.empty() || print;
    }
    // Whether the report is laid out (any page output asked for).
    bool laysOut() const {
        return !dumpPagesPath.empty() || !exportPdfPath.empty() || !exportPngDir.empty() || print;
    }
};

CommandLine ParseCommandLine(const std::vector<std::string>& arguments);
std::string CommandLineHelp(const std::string& programName);

} // namespace zentyra
