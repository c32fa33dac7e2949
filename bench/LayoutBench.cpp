// Layout and recording, and PDF export, of a generated report of about 1,000 pages: long tables
// (a few pages each, heading rows repeated after every break) and result-style pieces with a
// picture, on the real fonts. Prints pages per second and the peak resident memory after each
// stage, and the layout at several sizes to show that it stays linear in the number of pages.
//
//   layout_bench [PAGES] [OUT.pdf]
#include "document/ProjectFile.h"
#include "pieces/PieceFactory.h"
#include "platform/SuiteLocation.h"
#include "render/PageRecorder.h"
#include "render/ReportPainter.h"
#include "render/ReportTable.h"
#include "render/qt/PageExport.h"
#include "render/qt/QtFontMetrics.h"
#include "render/qt/QtPictureProbe.h"
#include "settings/ReportSettings.h"

#include "BenchSupport.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

namespace zentyra {
namespace {

// A piece that prints what the table-heavy pieces print: a title, a section, a long table of
// numbers with two heading rows, and a picture.
class BenchPiece final : public CPiece {
public:
    BenchPiece(ProjectFile* project, int type, int id, std::string picture, int rows)
        : CPiece(project, type, id, 0), picture_(std::move(picture)), rows_(rows) {}
    std::string GetClassName() const override { return "BenchPiece"; }
    std::string GetTitleText(bool) const override { return "Calculation results"; }
    bool StartsNewPage(ReportPainter&) override { return false; }

    int Draw(ReportPainter& painter) override {
        painter.DrawPieceTitle(GetTitle(true));
        painter.DrawSectionTitle("Illuminance on the work plane");
        ReportTable table;
        const char* headings[] = {"Point", "x [m]", "y [m]", "E [lx]", "Emin/Em", "UGR"};
        for (int c = 0; c < 6; ++c)
            table.SetCell(1, c + 1, headings[c], 0);
        for (int c = 0; c < 6; ++c)
            table.SetCell(2, c + 1, c == 0 ? "" : "(calc.)", 0);
        table.GetRow(1)->kind = 1;
        table.GetRow(2)->kind = 1;
        for (int r = 0; r < rows_; ++r) {
            const int row = r + 3;
            table.SetCell(row, 1, "P" + std::to_string(r + 1), 1);
            table.SetCell(row, 2, std::to_string(r % 40) + ".25", 2);
            table.SetCell(row, 3, std::to_string(r / 40) + ".50", 2);
            table.SetCell(row, 4, std::to_string(300 + (r * 37) % 400) + ".0", 2);
            table.SetCell(row, 5, "0.6" + std::to_string(r % 10), 2);
            table.SetCell(row, 6, r % 7 == 0 ? "19 \u2714" : "22", 0);
        }
        table.AddCell(rows_ + 3, "Maintenance factor", 1);
        table.AddCell(rows_ + 3, "0.80", 1);
        table.GetRow(rows_ + 3)->kind = 2;
        table.Draw(painter, 18);
        painter.y = painter.DrawImage(
            picture_, 0, PageRect{painter.left(), painter.y, painter.right(), painter.y + 900});
        return 0;
    }

private:
    std::string picture_;
    int rows_;
};

struct Run {
    int pages = 0;
    double layoutSeconds = 0;
};

Run LayOut(int pieces, const std::string& picture, const FontMetrics& metrics, PictureProbe& probe,
           PageRecorder* keep) {
    ProjectFile project([&](ProjectFile* p, int type, int id, int) -> std::unique_ptr<CPiece> {
        return std::make_unique<BenchPiece>(p, type, id, picture, 150);
    });
    project.tree.AddChapter(kChapterResults);
    for (int i = 0; i < pieces; ++i)
        project.tree.AddPiece(kPieceResult, i);
    PageRecorder local(metrics, probe);
    PageRecorder& recorder = keep ? *keep : local;
    recorder.Prepare(PageGeometry::ForPaper(210, 297, 1200), PageMargins{});
    const auto start = std::chrono::steady_clock::now();
    Run run;
    run.pages = LayOutReport(recorder, project);
    run.layoutSeconds = bench::SecondsSince(start);
    return run;
}

} // namespace
} // namespace zentyra

int main(int argc, char** argv) {
    using namespace zentyra;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const int targetPages = argc > 1 ? std::max(10, std::atoi(argv[1])) : 1000;
    const std::string pdf = argc > 2 ? argv[2] : "/tmp/layout_bench.pdf";
    QGuiApplication application(argc, argv);
    // The demo suite: its logo strip, header and footer on every page, its languages.
    SetSettingsWritable(false);
    SetSuiteOverride(std::string(ZENTYRA_SOURCE_DIR) + "/examples/suite");

    const std::string picture =
        (std::filesystem::temp_directory_path() / "layout_bench_picture.png").string();
    {
        QImage image(1200, 800, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        for (int i = 0; i < 40; ++i)
            p.drawEllipse(i * 25, i * 15, 300, 200);
        p.end();
        image.save(QString::fromStdString(picture));
    }

    QtFontMetrics metrics;
    QtPictureProbe probe;
    // One piece is a 150-row table and a picture: three pages.
    const int piecesPer1000 = 333;
    std::printf("layout and recording (real fonts):\n");
    for (int size : {targetPages / 4, targetPages / 2, targetPages}) {
        const int pieces = std::max(1, size * piecesPer1000 / 1000);
        const Run run = LayOut(pieces, picture, metrics, probe, nullptr);
        std::printf("  %5d pages  %7.3f s  %8.0f pages/s  %6.2f ms/page  peak RSS %.0f MB\n",
                    run.pages, run.layoutSeconds, run.pages / run.layoutSeconds,
                    1000.0 * run.layoutSeconds / run.pages, bench::PeakMegabytes());
    }

    PageRecorder recorder(metrics, probe);
    const Run run = LayOut(targetPages * piecesPer1000 / 1000, picture, metrics, probe, &recorder);
    if (!bench::TimePdfExport(recorder, run.pages, pdf, "layout_bench")) return 1;

    // The part of the export that adds bookmarks, links and document information: qpdf reads
    // the finished document again and rewrites it.
    std::ifstream in(pdf, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const PdfNavigation navigation = PdfNavigationOf(recorder);
    const auto navigationStart = std::chrono::steady_clock::now();
    std::string error;
    if (!WritePdfWithNavigation(bytes, navigation, pdf, &error)) {
        std::fprintf(stderr, "layout_bench: %s\n", error.c_str());
        return 1;
    }
    const double navigationSeconds = bench::SecondsSince(navigationStart);
    std::printf("  of which bookmarks and links (%zu bookmarks, %zu links): %.2f s\n",
                navigation.bookmarks.size(), navigation.links.size(), navigationSeconds);
    return 0;
}
