#include "app/Headless.h"

#include "app/TreeDump.h"
#include "document/ProjectFile.h"
#include "language/KLanguageManagerGeneric.h"
#include "pieces/PieceFactory.h"
#include "platform/Messages.h"
#include "platform/Path.h"
#include "platform/SuiteLocation.h"
#include "settings/AppConfig.h"
#include "settings/InstallConfig.h"
#include "settings/ReportSettings.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace zentyra {

namespace {

bool WriteOutput(const std::string& path, const std::string& text) {
    if (path == "-") {
        std::fwrite(text.data(), 1, text.size(), stdout);
        std::fflush(stdout);
        return !std::ferror(stdout);
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (out) out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out) {
        ReportError("Cannot write " + path);
        return false;
    }
    return true;
}

} // namespace

int RunHeadless(const CommandLine& line) {
    // The command line is a reader of the suite: nothing it does may change the settings.
    SetSettingsWritable(false);
    if (!line.suiteDirectory.empty()) {
        if (!DirectoryExists(line.suiteDirectory)) {
            ReportError("Suite folder " + line.suiteDirectory + " does not exist");
            return 1;
        }
        SetSuiteOverride(line.suiteDirectory);
    }

    selectionMode() = line.selectionMode;
    ReadAppConfig();

    ProjectFile project(MakePiece);
    project.Load(line.projectPath);
    int status = project.xmlLoaded() ? 0 : 1;

    if (!line.dumpTreePath.empty() && !WriteOutput(line.dumpTreePath, TreeDumpJson(project)))
        status = 1;
    return status;
}

} // namespace zentyra
