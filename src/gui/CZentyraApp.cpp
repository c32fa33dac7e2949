#include "gui/CZentyraApp.h"

#include "productdb/ProductImageDatabase.h"

#include "gui/CMainFrame.h"
#include "gui/CZentyraDoc.h"
#include "gui/MessageBoxSink.h"

#include "language/KLanguageManagerGeneric.h"
#include "platform/Messages.h"
#include "platform/Path.h"
#include "platform/SingleInstance.h"
#include "platform/SuiteLocation.h"
#include "settings/AppConfig.h"
#include "settings/InstallConfig.h"
#include "settings/PathRegistry.h"
#include "settings/ReportSettings.h"

#include <QApplication>

CZentyraApp::CZentyraApp(zentyra::CommandLine line, Options options)
    : line_(std::move(line)), options_(std::move(options)) {
    if (!options_.messages) boxes_ = std::make_unique<MessageBoxSink>();
    sink_ = std::make_unique<zentyra::ScopedMessageSink>(
        options_.messages ? *options_.messages : static_cast<zentyra::MessageSink&>(*boxes_));
}

CZentyraApp::CZentyraApp(zentyra::CommandLine line) : CZentyraApp(std::move(line), Options{}) {}

CZentyraApp::~CZentyraApp() {
    if (started_) ExitInstance();
    frame_.reset();
    document_.reset();
    sink_.reset();
}

bool CZentyraApp::InitInstance() {
    lock_ = std::make_unique<zentyra::SingleInstanceLock>(zentyra::kSingleInstanceName,
                                                          options_.lockDirectory);
    // A lock file that cannot be made at all does not stop the program; only another
    // instance does.
    if (lock_->state() == zentyra::SingleInstanceLock::State::HeldElsewhere) {
        zentyra::ShowWarning(kAlreadyRunning);
        lock_.reset();
        return false;
    }
    QCoreApplication::setOrganizationName(
        QStringLiteral("Applicazioni locali generate tramite la Creazione guidata applicazioni"));
    QCoreApplication::setApplicationName(QStringLiteral("Zentyra"));

    if (!line_.suiteDirectory.empty()) {
        if (!zentyra::DirectoryExists(line_.suiteDirectory)) {
            zentyra::ReportError("Suite folder " + line_.suiteDirectory + " does not exist");
            lock_.reset();
            return false;
        }
        zentyra::SetSuiteOverride(line_.suiteDirectory);
    }
    // The window is the one writer of the suite's settings.
    zentyra::SetSettingsWritable(true);
    zentyra::selectionMode() = line_.selectionMode;
    zentyra::ReadAppConfig();
    started_ = true;

    // The product image database is set up before the project is opened; its messages do not
    // stop the start.
    zentyra::SetUpProductImageDatabase();

    frame_ = std::make_unique<CMainFrame>();
    document_ = std::make_unique<CZentyraDoc>();
    document_->OnOpenDocument(line_.projectPath);
    frame_->SetDocument(document_.get());
    frame_->move(120, 50);
    frame_->resize(1200, 820);
    frame_->show();
    return true;
}

int CZentyraApp::ExitInstance() {
    if (!started_) return 0;
    started_ = false;
    zentyra::WriteAppConfig();
    frame_.reset();
    document_.reset();
    zentyra::ReleaseLanguages();
    zentyra::ReportSettings::release();
    zentyra::PathRegistry::release();
    zentyra::InstallConfig::release();
    lock_.reset();
    return 0;
}

int RunDesktop(const zentyra::CommandLine& line, int argc, char** argv) {
    QApplication application(argc, argv);
    CZentyraApp app(line);
    if (!app.InitInstance()) return 1;
    const int status = QApplication::exec();
    app.ExitInstance();
    return status;
}
