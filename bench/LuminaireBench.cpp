// Layout and PDF export of a generated project with many luminaire positions (10,000 by default:
// about 170 A4 pages of the positions table), read from a real project file through the real
// pieces on the real fonts. Prints the layout time at several sizes (it should stay linear),
// the PDF export in pages per second and the peak resident memory.
//
//   luminaire_bench [LUMINAIRES] [OUT.pdf] [--aiming]   (--aiming prints the aiming list too)
#include "document/ProjectFile.h"
#include "pieces/PieceFactory.h"
#include "platform/SuiteLocation.h"
#include "render/PageRecorder.h"
#include "render/ReportPainter.h"
#include "render/qt/PageExport.h"
#include "render/qt/QtFontMetrics.h"
#include "render/qt/QtPictureProbe.h"
#include "settings/ReportSettings.h"

#include "BenchSupport.h"

#include <QGuiApplication>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace zentyra {
namespace {

// A road of poles on both sides, as the design application writes it.
std::string WriteProject(int luminaires) {
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("luminaire_bench_" + std::to_string(luminaires) + ".xml"))
                                 .string();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<Zentyra><ProjectInfo><ProjectName>"
           "Bench</ProjectName><ProjectMode>0</ProjectMode></ProjectInfo><AvailableElementsList>"
           "<PrintElement class=\"class_luminaireList\" id=\"0\"><CustomClassData>\r\n";
    char line[1024];
    for (int n = 0; n < luminaires; ++n) {
        const double x = 15.0 * n;
        const double y = n % 2 ? -0.8 : 8.3;
        std::snprintf(line, sizeof line,
                      "<Light><LightTypeID>0</LightTypeID><LightTypeStringID>A</LightTypeStringID>"
                      "<LightStringID>A%d</LightStringID><LightParentStructName>Palo %d"
                      "</LightParentStructName><Name>Strada LED 96</Name><isOn>%s</isOn>"
                      "<Pos>%.2f %.2f 10.00</Pos><Rot>0.00 5.00 %s</Rot><Pnt>%.2f 3.75 0.00</Pnt>"
                      "<PntRotZ>0.00</PntRotZ><EmitterList><Emitter><Flux>%d</Flux>"
                      "<Power>96.0</Power><Current>0.700</Current><Manut>0.80</Manut>"
                      "<Dimmer>%.2f</Dimmer></Emitter></EmitterList></Light>\r\n",
                      n + 1, n + 1, n % 50 == 49 ? "FALSE" : "TRUE", x, y,
                      n % 2 ? "0.00" : "180.00", x, 12400 - n % 7, n % 3 ? 1.0 : 0.7);
        out << line;
    }
    out << "</CustomClassData></PrintElement></AvailableElementsList></Zentyra>\r\n";
    return path;
}

struct Run {
    int pages = 0;
    double loadSeconds = 0;
    double layoutSeconds = 0;
    double loadedMegabytes = 0; // peak RSS once the project is loaded
};

Run LayOut(int luminaires, bool aiming, PageRecorder& recorder) {
    const std::string path = WriteProject(luminaires);
    Run run;
    auto start = std::chrono::steady_clock::now();
    ProjectFile project(MakePiece);
    project.Load(path);
    for (const auto& item : project.tree.items())
        if (item->type == kPieceLuminaireAim) item->selected = aiming;
    run.loadSeconds = bench::SecondsSince(start);
    run.loadedMegabytes = bench::PeakMegabytes();
    recorder.Prepare(PageGeometry::ForPaper(210, 297, 1200), PageMargins{});
    start = std::chrono::steady_clock::now();
    run.pages = LayOutReport(recorder, project);
    run.layoutSeconds = bench::SecondsSince(start);
    std::filesystem::remove(path);
    return run;
}

} // namespace
} // namespace zentyra

int main(int argc, char** argv) {
    using namespace zentyra;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int luminaires = 10000;
    std::string pdf = "/tmp/luminaire_bench.pdf";
    bool aiming = false;
    int positional = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--aiming") == 0) {
            aiming = true;
        } else if (positional++ == 0) {
            luminaires = std::max(10, std::atoi(argv[i]));
        } else {
            pdf = argv[i];
        }
    }
    QGuiApplication application(argc, argv);
    SetSettingsWritable(false);
    SetSuiteOverride(std::string(ZENTYRA_SOURCE_DIR) + "/examples/suite");

    QtFontMetrics metrics;
    QtPictureProbe probe;
    std::printf("luminaire list%s, layout and recording (real fonts):\n",
                aiming ? " with aiming" : "");
    for (int size : {luminaires / 4, luminaires / 2}) {
        PageRecorder recorder(metrics, probe);
        const Run run = LayOut(size, aiming, recorder);
        std::printf("  %6d luminaires  %5d pages  load %6.3f s  layout %6.3f s  %6.0f pages/s\n",
                    size, run.pages, run.loadSeconds, run.layoutSeconds,
                    run.pages / run.layoutSeconds);
    }
    PageRecorder recorder(metrics, probe);
    const Run run = LayOut(luminaires, aiming, recorder);
    std::printf("  %6d luminaires  %5d pages  load %6.3f s  layout %6.3f s  %6.0f pages/s  "
                "peak RSS %.0f MB (%.0f MB once loaded)\n",
                luminaires, run.pages, run.loadSeconds, run.layoutSeconds,
                run.pages / run.layoutSeconds, bench::PeakMegabytes(), run.loadedMegabytes);

    if (!bench::TimePdfExport(recorder, run.pages, pdf, "luminaire_bench")) return 1;
    return 0;
}
