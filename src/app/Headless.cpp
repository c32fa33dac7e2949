#include "app/Headless.h"

#include "app/ItemSelection.h"
#include "app/PageDump.h"
#include "app/TreeDump.h"
#include "app/Version.h"
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

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
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
    std::optional<std::uint32_t> unitSystem; // 0 metric, 1 imperial
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
    if (!line.unitsName.empty()) {
        if (EqualsNoCase(line.unitsName, "metric"))
            options.unitSystem = 0;
        else if (EqualsNoCase(line.unitsName, "imperial"))
            options.unitSystem = 1;
        else
            return fail("--units takes metric or imperial, not '" + line.unitsName + "'");
    }
    if (line.projectPath.empty()) return fail("no project file given");
    if (!line.outDir.empty()) {
        if (!line.dumpTreePath.empty() || !line.dumpPagesPath.empty() ||
            !line.exportPdfPath.empty() || !line.exportPngDir.empty() || line.print)
            return fail("--out-dir writes one PDF per project and takes no other output");
    } else if (line.projectPaths.size() > 1) {
        return fail("several project files need --out-dir DIR");
    }
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

PdfDocumentInfo DocumentInfo(const ProjectFile& project) {
    return {project.ProjectName, ReportSettings::instance().address[0], project.ProjectCode,
            std::string("Zentyra ") + kProgramVersion};
}

// The fonts of every layout of the run: fixed test metrics or the installed fonts.
class LayoutMetrics {
public:
    explicit LayoutMetrics(bool testMetrics) {
        if (!testMetrics) qt_ = std::make_unique<QtFontMetrics>();
    }
    const FontMetrics& metrics() const {
        return qt_ ? static_cast<const FontMetrics&>(*qt_) : static_cast<const FontMetrics&>(test_);
    }

private:
    TestFontMetrics test_;
    std::unique_ptr<QtFontMetrics> qt_;
};

int LayOut(PageRecorder& recorder, const RunOptions& options, ProjectFile& project) {
    recorder.Prepare(PageGeometry::ForPaper(options.paper.widthMm, options.paper.heightMm, 1200.0));
    const int pageCount = LayOutReport(recorder, project);
    if (pageCount >= kProgressMinimumPages)
        std::fprintf(stderr, "zentyra: laid out %d pages\n", pageCount);
    return pageCount;
}

// The layout and the page outputs; needs a QGuiApplication.
int LayOutAndExport(const CommandLine& line, const RunOptions& options, ProjectFile& project) {
    if (line.dumpPagesPath.empty() && line.exportPdfPath.empty() && line.exportPngDir.empty())
        return 0;
    const LayoutMetrics fonts(line.testMetrics);
    QtPictureProbe pictures;
    PageRecorder recorder(fonts.metrics(), pictures);
    LayOut(recorder, options, project);

    int status = 0;
    if (!line.dumpPagesPath.empty() && !WriteOutput(line.dumpPagesPath, PageDumpJson(recorder)))
        status = 1;
    std::string error;
    if (!line.exportPdfPath.empty() && !ExportPdf(recorder, line.exportPdfPath, &error,
                                                  ProgressLine("PDF"), DocumentInfo(project))) {
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

void ApplyTicks(const RunOptions& options, ProjectFile& project) {
    if (options.select.empty() && options.deselect.empty()) return;
    for (const ItemPattern& pattern :
         ApplyItemSelection(project.tree, options.select, options.deselect))
        std::fprintf(stderr, "zentyra: warning: no chapter or piece %s in the report\n",
                     ToString(pattern).c_str());
}

// Batch export: DIR/NAME.pdf for every project, one line each on standard error. A project
// that cannot be loaded is not written (its PDF would hold only the cover and the contents),
// and two projects of the same name never overwrite each other.
int ExportBatch(const CommandLine& line, const RunOptions& options) {
    std::error_code failure;
    std::filesystem::create_directories(line.outDir, failure);
    if (failure) {
        ReportError("Cannot create directory " + line.outDir + ": " + failure.message());
        return 1;
    }
    const LayoutMetrics fonts(line.testMetrics);
    QtPictureProbe pictures;
    int notWritten = 0;
    std::set<std::string> written;
    for (const std::string& path : line.projectPaths) {
        const std::string name = std::filesystem::path(ToSlashes(path)).stem().string() + ".pdf";
        const std::string out = (std::filesystem::path(line.outDir) / name).string();
        auto skip = [&](const std::string& why) {
            std::fprintf(stderr, "zentyra: %s: not written: %s\n", path.c_str(), why.c_str());
            ++notWritten;
        };
        if (written.count(out)) {
            skip(out + " was written for an earlier project of the same name");
            continue;
        }
        ProjectFile project(MakePiece);
        project.Load(path);
        if (!project.xmlLoaded()) {
            skip("the project file could not be loaded");
            continue;
        }
        ApplyTicks(options, project);
        PageRecorder recorder(fonts.metrics(), pictures);
        const int pages = LayOut(recorder, options, project);
        std::string error;
        if (!ExportPdf(recorder, out, &error, ProgressLine("PDF"), DocumentInfo(project))) {
            skip(error);
            continue;
        }
        written.insert(out);
        std::fprintf(stderr, "zentyra: %s: wrote %s (%d pages)\n", path.c_str(), out.c_str(),
                     pages);
    }
    return notWritten == 0 ? 0 : 1;
}

} // namespace

int RunHeadless(const CommandLine& line, const HeadlessPrinting* printing) {
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
    if (options.printLanguageId && !SwitchPrintLanguage(*options.printLanguageId)) return 1;
    // Like the print language, for this run only: settings are never written headless.
    if (options.unitSystem) ReportSettings::instance().unitSystem = *options.unitSystem;
    // Start-up goes on whether or not the product database is there.
    SetUpProductImageDatabase();

    // Headless output never needs a display.
    const auto application = [&line, printing]() -> std::unique_ptr<QCoreApplication> {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(QuietQtMessages);
        if (line.print) return printing->makeApplication();
        static int argc = 1;
        static char name[] = "zentyra";
        static char* argv[] = {name, nullptr};
        return std::make_unique<QGuiApplication>(argc, argv);
    };
    if (!line.outDir.empty()) {
        const auto running = application();
        return ExportBatch(line, options);
    }

    ProjectFile project(MakePiece);
    project.Load(line.projectPath);
    int status = project.xmlLoaded() ? 0 : 1;
    ApplyTicks(options, project);

    if (!line.dumpTreePath.empty() && !WriteOutput(line.dumpTreePath, TreeDumpJson(project)))
        status = 1;

    if (line.laysOut()) {
        if (line.print && !(printing && printing->makeApplication && printing->print)) {
            ReportError("This program was built without printing");
            return 1;
        }
        const auto running = application();
        if (LayOutAndExport(line, options, project) != 0) status = 1;
        if (line.print && printing->print(project, line.printQueue) != 0) status = 1;
    }
    return status;
}

} // namespace zentyra
