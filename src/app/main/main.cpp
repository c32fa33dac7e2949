#include "app/CommandLine.h"
#include "app/Headless.h"
#include "app/Version.h"
#include "gui/CZentyraApp.h"
#include "gui/HeadlessPrint.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::string programName = "zentyra";
    std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    zentyra::CommandLine line = zentyra::ParseCommandLine(arguments);
    if (!line.error.empty()) {
        std::fprintf(stderr, "%s: %s (see %s --help)\n", programName.c_str(), line.error.c_str(),
                     programName.c_str());
        return 2;
    }
    if (line.help) {
        std::fputs(zentyra::CommandLineHelp(programName).c_str(), stdout);
        return 0;
    }
    if (line.version) {
        std::printf("%s %s\n", programName.c_str(), zentyra::kProgramVersion);
        return 0;
    }
    if (line.headless()) {
        const zentyra::HeadlessPrinting printing = zentyra::MakeHeadlessPrinting();
        return zentyra::RunHeadless(line, &printing);
    }
    return RunDesktop(line, argc, argv);
}
