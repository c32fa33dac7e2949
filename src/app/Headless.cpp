#include "app/Headless.h"

#include "app/ItemSelection.h"
#include "app/PageDump.h"
#include "app/TreeDump.h"
#include "document/ProjectFile.h"
#include "language/KLanguageManagerGeneric.h"
#include "pieces/PieceFactory.h"
#include "platform/Messages.h"
#include "platform/Path.h"
#include "platform/SuiteLocation.h"
#include "platform/Text.h"
#include "productdb/ProductImageDatabase.h"
#include "render/ReportPainter.h"
#include "render/qt/PageExport.h"
#include "render/qt/QtFontMetrics.h"
#include "render/qt/QtPictureProbe.h"
#include "settings/AppConfig.h"
#include "settings/InstallConfig.h"
#include "settings/ReportSettings.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

namespace zentyra {

namespace {

constexpr int kDefaultPngDpi = 150;
constexpr int kProgressMinimumPages = 50;

struct Paper {
    const char* name;
    double widthMm;
    double heightMm;
};

constexpr Paper kPapers[] = {{"A4", 210.0, 297.0}, {"Letter", 215.9, 279.4}};

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

// The options that need checking before any work is done. Fills the values; false with a
// message on standard error when one is unusable.
struct RunOptions {
    Paper paper = kPapers[0];
    int dpi = kDefaultPngDpi;
    std::vector<ItemPattern> select;
    std::vector<ItemPattern> deselect;
    std::optional<int> printLanguageId;
};

bool CheckOptions(const CommandLine& line, RunOptions& options) {
    auto fail = [](const std::string& message) {
        std::fprintf(stderr, "zentyra: %s\n", message.c_str());
        return false;
    };
    if (!line.paperName.empty()) {
        bool known = false;
        for (const Paper& paper : kPapers)
            if (EqualsNoCase(line.paperName, paper.name)) {
                options.paper = paper;
                known = true;
            }
        if (!known) return fail("unknown paper '" + line.paperName + "' (A4 or Letter)");
    }
    if (!line.dpiText.empty()) {
        const std::optional<int> dpi = ParseWholeNumber(line.dpiText);
        if (!dpi || *dpi < 30 || *dpi > 1200)
            return fail("--dpi takes a whole number from 30 to 1200, not '" + line.dpiText + "'");
        options.dpi = *dpi;
    }
    std::string error;
    if (!line.selectList.empty()) {
        auto patterns = ParseItemList(line.selectList, error);
        if (!patterns) return fail("--select: " + error);
        options.select = std::move(*patterns);
    }
    if (!line.deselectList.empty()) {
        auto patterns = ParseItemList(line.deselectList, error);
        if (!patterns) return fail("--deselect: " + error);
        options.deselect = std::move(*patterns);
    }
    if (!line.printLanguageId.empty()) {
        options.printLanguageId = ParseWholeNumber(line.printLanguageId);
        if (!options.printLanguageId)
            return fail("--print-language takes a language id, not '" + line.printLanguageId + "'");
    }
    if (line.projectPath.empty()) return fail("no project file given");
    return true;
}

bool SwitchPrintLanguage(int id) {
    KLanguageManagerGeneric& language = printLanguage();
    if (language.languages().count(id) == 0) {
        std::string installed;
        for (const auto& [number, name] : language.languages())
            installed += (installed.empty() ? "" : ", ") + std::to_string(number) + " " + name;
        ReportError("Print language " + std::to_string(id) + " is not installed (installed: " +
                    (installed.empty() ? "none" : installed) + ")");
        return false;
    }
    return language.loadLanguage(id);
}

ProgressCallback ProgressLine(const char* what) {
    return [what](int done, int total) {
        if (total < kProgressMinimumPages) return;
        if (done == total || done % 50 == 0)
            std::fprintf(stderr, "zentyra: %s page %d of %d\n", what, done, total);
    };
}

// Qt's own warnings (a missing runtime directory, a painter that could not begin) would only
// repeat, less clearly, what our messages say; its critical and fatal messages still show.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "zentyra: %s\n", message.toLocal8Bit().constData());
}

// The layout and the page outputs; needs a QGuiApplication.
int LayOutAndExport(const CommandLine& line, const RunOptions& options, ProjectFile& project) {
    TestFontMetrics testMetrics;
    std::unique_ptr<QtFontMetrics> qtMetrics;
    if (!line.testMetrics) qtMetrics = std::make_unique<QtFontMetrics>();
    const FontMetrics& metrics = line.testMetrics ? static_cast<const FontMetrics&>(testMetrics)
                                                  : static_cast<const FontMetrics&>(*qtMetrics);
    QtPictureProbe pictures;
    PageRecorder recorder(metrics, pictures);
    recorder.Prepare(PageGeometry::ForPaper(options.paper.widthMm, options.paper.heightMm, 1200.0));
    const int pageCount = LayOutReport(recorder, project);
    if (pageCount >= kProgressMinimumPages)
        std::fprintf(stderr, "zentyra: laid out %d pages\n", pageCount);

    int status = 0;
    if (!line.dumpPagesPath.empty() && !WriteOutput(line.dumpPagesPath, PageDumpJson(recorder)))
        status = 1;
    std::string error;
    if (!line.exportPdfPath.empty() &&
        !ExportPdf(recorder, line.exportPdfPath, &error, ProgressLine("PDF"))) {
        ReportError(error);
        status = 1;
    }
    if (!line.exportPngDir.empty() &&
        !ExportPng(recorder, line.exportPngDir, options.dpi, &error, ProgressLine("PNG"))) {
        ReportError(error);
        status = 1;
    }
    return status;
}

} // namespace

int RunHeadless(const CommandLine& line) {
    RunOptions options;
    if (!CheckOptions(line, options)) return 2;

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
    // Start-up goes on whether or not the product database is there.
    SetUpProductImageDatabase();

    ProjectFile project(MakePiece);
    project.Load(line.projectPath);
    int status = project.xmlLoaded() ? 0 : 1;

    if (!options.select.empty() || !options.deselect.empty()) {
        for (const ItemPattern& pattern :
             ApplyItemSelection(project.tree, options.select, options.deselect))
            std::fprintf(stderr, "zentyra: warning: no chapter or piece %s in the report\n",
                         ToString(pattern).c_str());
    }
    if (options.printLanguageId && !SwitchPrintLanguage(*options.printLanguageId)) return 1;

    if (!line.dumpTreePath.empty() && !WriteOutput(line.dumpTreePath, TreeDumpJson(project)))
        status = 1;

    if (line.laysOut()) {
        // Headless output never needs a display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(QuietQtMessages);
        static int argc = 1;
        static char name[] = "zentyra";
        static char* argv[] = {name, nullptr};
        QGuiApplication application(argc, argv);
        if (LayOutAndExport(line, options, project) != 0) status = 1;
    }
    return status;
}

} // namespace zentyra
