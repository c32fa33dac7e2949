#pragma once
// The window on a scratch copy of the demo suite, on the offscreen platform, with messages
// recorded instead of shown in boxes, so that no test waits for a click.
#include "HeadlessTestSupport.h"

#include "gui/CMainFrame.h"
#include "gui/CSideBar.h"
#include "gui/CZentyraApp.h"
#include "gui/CZentyraDoc.h"

#include "language/KLanguageManagerGeneric.h"
#include "platform/Messages.h"
#include "platform/Profile.h"
#include "platform/SuiteLocation.h"
#include "settings/AppConfig.h"
#include "settings/InstallConfig.h"
#include "settings/PathRegistry.h"
#include "settings/ReportSettings.h"

#include <QCoreApplication>

#include <memory>

namespace zentyra::test {

inline void ReleaseSettings() {
    ReleaseLanguages();
    ReportSettings::release();
    PathRegistry::release();
    InstallConfig::release();
    ResetMissingConfigDirectoryNotice();
}

class GuiTest : public ::testing::Test {
protected:
    void SetUp() override { ReleaseSettings(); }
    void TearDown() override {
        app.reset();
        SetSuiteOverride("");
        ReleaseSettings();
        SetSettingsWritable(false);
        appConfig() = AppConfig{};
        selectionMode() = 0;
    }

    // Starts the program as the command line would, on the demo copy.
    bool Start(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin() + (arguments.empty() || arguments[0][0] != '-' ? 0 : 1),
                         {"--suite", demo.suite()});
        app = std::make_unique<CZentyraApp>(ParseCommandLine(arguments),
                                            CZentyraApp::Options{lockDir.path(), &messages});
        return app->InitInstance();
    }
    bool StartWith(const std::string& projectName) { return Start({demo.project(projectName)}); }
    void UseItalianProgram() {
        WriteProfileString(demo.orvIni(), ReportSettings::kPathSection, "programLanguageName",
                           "Ita.Lng");
    }

    CMainFrame& frame() { return *app->mainFrame(); }
    CSideBar& sideBar() { return frame().sideBar(); }
    ProjectFile& project() { return app->document()->project(); }

    DemoCopy demo;
    TempDir lockDir;
    RecordingMessageSink messages;
    std::unique_ptr<CZentyraApp> app;
};

} // namespace zentyra::test
