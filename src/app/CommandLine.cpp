#include "app/CommandLine.h"

#include "platform/Text.h"
#include "settings/AppConfig.h"

#include <array>
#include <string_view>

namespace zentyra {
namespace {

struct ValueOption {
    std::string_view name;
    std::string CommandLine::*field;
};

constexpr std::array kValueOptions{
    ValueOption{"--suite", &CommandLine::suiteDirectory},
    ValueOption{"--dump-tree", &CommandLine::dumpTreePath},
    ValueOption{"--dump-pages", &CommandLine::dumpPagesPath},
    ValueOption{"--export-pdf", &CommandLine::exportPdfPath},
    ValueOption{"--export-png", &CommandLine::exportPngDir},
    ValueOption{"--paper", &CommandLine::paperName},
    ValueOption{"--dpi", &CommandLine::dpiText},
    ValueOption{"--select", &CommandLine::selectList},
    ValueOption{"--deselect", &CommandLine::deselectList},
    ValueOption{"--print-language", &CommandLine::printLanguageId},
    ValueOption{"--out-dir", &CommandLine::outDir},
    ValueOption{"--units", &CommandLine::unitsName},
};

bool EndsWithXml(std::string_view word) {
    return word.size() >= 4 && EqualsNoCase(word.substr(word.size() - 4), ".xml");
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    if (!arguments.empty()) line.selectionMode = SelectionModeFromArgument(arguments.front());

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.empty() || argument.front() != '-') {
            if (line.projectPath.empty()) line.projectPath = argument;
            line.projectPaths.push_back(argument);
            continue;
        }
        if (argument == "--help" || argument == "-h" || argument == "-?") {
            line.help = true;
            continue;
        }
        // --print, --print=QUEUE, or --print QUEUE when the next word is no option and no
        // project file (those end in .xml).
        if (argument == "--print" || argument.starts_with("--print=")) {
            line.print = true;
            if (argument.size() > 8) {
                line.printQueue = argument.substr(8);
            } else if (i + 1 < arguments.size() && !arguments[i + 1].empty() &&
                       arguments[i + 1].front() != '-' && !EndsWithXml(arguments[i + 1])) {
                line.printQueue = arguments[++i];
            }
            continue;
        }
        if (argument == "--version") {
            line.version = true;
            continue;
        }
        if (argument == "--test-metrics") {
            line.testMetrics = true;
            continue;
        }
        std::string_view name = argument;
        std::string_view inlineValue;
        bool hasInlineValue = false;
        if (auto equals = name.find('='); name.starts_with("--") && equals != name.npos) {
            inlineValue = name.substr(equals + 1);
            name = name.substr(0, equals);
            hasInlineValue = true;
        }
        bool known = false;
        for (const ValueOption& option : kValueOptions) {
            if (name != option.name) continue;
            known = true;
            if (hasInlineValue) {
                line.*option.field = std::string(inlineValue);
            } else if (i + 1 < arguments.size()) {
                line.*option.field = arguments[++i];
            } else {
                line.error = "option " + std::string(name) + " needs a value";
                return line;
            }
            if ((line.*option.field).empty()) {
                line.error = "option " + std::string(name) + " needs a non-empty value";
                return line;
            }
        }
        if (known) continue;
        if (name.starts_with("--")) {
            line.error = "unknown option " + std::string(name);
            return line;
        }
        line.ignoredFlags.push_back(argument);
    }
    return line;
}

std::string CommandLineHelp(const std::string& programName) {
    return "usage: " + programName +
           " [-compact|-full|-lastCfg] [--suite DIR] [OUTPUTS] [OPTIONS] PROJECT.xml\n"
           "       " +
           programName +
           " [-compact|-full|-lastCfg] [--suite DIR] --out-dir DIR [OPTIONS]"
           " PROJECT.xml...\n"
           "\n"
           "Reads a lighting project file, builds its report and lays it out page by page.\n"
           "\n"
           "  -compact            first argument only: tick the compact default set of pieces\n"
           "  -full               first argument only: tick every chapter and piece (default)\n"
           "  -lastCfg            first argument only: tick what was last saved as the default\n"
           "  --suite DIR         the suite folder holding INSTALL.INI (default: $ZENTYRA_SUITE,\n"
           "                      else the first that holds it of: the parent of the\n"
           "                      executable's folder, ~/.config/zentyra/suite, and the\n"
           "                      example suite installed in <prefix>/share/zentyra/suite)\n"
           "\n"
           "Without an output the window opens. Outputs (any combination; headless: no display\n"
           "needed, settings are read, never written):\n"
           "  --dump-tree FILE    the project data, print elements and report tree as JSON\n"
           "  --export-pdf FILE   the printed report as a PDF, pages in print order\n"
           "  --export-png DIR    one PNG per printed page: DIR/page-001.png, ...\n"
           "  --dump-pages FILE   the recorded pages (every text, rule and picture) as JSON\n"
           "  ('-' as FILE writes a dump to standard output)\n"
           "  --print [QUEUE]     print the report on that printer queue (default: the default\n"
           "                      printer), laid out for its paper and printable area; a QUEUE\n"
           "                      ending in .xml must be given as --print=QUEUE\n"
           "  --out-dir DIR       batch export: DIR/NAME.pdf for every PROJECT.xml given, one\n"
           "                      line each on standard error; exit status 0 only when every\n"
           "                      project was written\n"
           "\n"
           "Options:\n"
           "  --paper A4|Letter   paper size of the layout (default A4)\n"
           "  --dpi N             resolution of the PNG pages, 30..1200 (default 150)\n"
           "  --select LIST       tick these items after the selection switch; LIST is\n"
           "                      comma-separated TYPE or TYPE:ELEMENTID (chapters 0..8,\n"
           "                      pieces 10..28)\n"
           "  --deselect LIST     untick these items (applied after --select); the pieces of\n"
           "                      an unticked chapter are not printed\n"
           "  --print-language ID print in this language of the suite's list, for this run only\n"
           "  --units metric|imperial\n"
           "                      print in this unit system, for this run only (default: the\n"
           "                      suite's setting)\n"
           "  --test-metrics      lay out with fixed test font metrics instead of real fonts\n"
           "  -h, --help          show this help\n"
           "  --version           show the program's version\n";
}

} // namespace zentyra
