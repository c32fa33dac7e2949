// Start-up and preview times of the window on a copy of the demo suite and projects (offscreen):
// window_bench [PROJECT-NAME] (default: both demos).
#include "gui/CMainFrame.h"
#include "gui/CZentyraApp.h"
#include "gui/CZentyraView.h"
#include "platform/Messages.h"

#include <QApplication>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

double Milliseconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since)
        .count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Measure(const fs::path& copy, const std::string& name) {
    std::vector<double> startups;
    std::vector<double> previews;
    int pages = 0;
    for (int run = 0; run < 5; ++run) {
        zentyra::RecordingMessageSink messages;
        const auto line =
            zentyra::ParseCommandLine({"--suite", (copy / "suite").string(),
                                       (copy / "projects" / name / (name + ".xml")).string()});
        const auto started = std::chrono::steady_clock::now();
        CZentyraApp app(line, CZentyraApp::Options{copy.string(), &messages});
        if (!app.InitInstance()) return;
        QCoreApplication::processEvents();
        startups.push_back(Milliseconds(started));

        CZentyraView& view = app.mainFrame()->view();
        QPrintPreviewWidget preview(&view.printer());
        QObject::connect(&preview, &QPrintPreviewWidget::paintRequested,
                         [&](QPrinter* printer) { pages = view.PrintPages(*printer); });
        const auto previewed = std::chrono::steady_clock::now();
        preview.updatePreview();
        QCoreApplication::processEvents();
        previews.push_back(Milliseconds(previewed));
        app.ExitInstance();
    }
    std::printf(
        "%-8s %2d pages: start-up %.0f ms, preview (layout and replay) %.0f ms (median of %zu)\n",
        name.c_str(), pages, Median(startups), Median(previews), startups.size());
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const fs::path copy =
        fs::temp_directory_path() / ("zentyra-window-bench-" + std::to_string(::getpid()));
    fs::copy(fs::path(ZENTYRA_SOURCE_DIR) / "examples", copy, fs::copy_options::recursive);
    const std::vector<std::string> names = argc > 1
                                               ? std::vector<std::string>(argv + 1, argv + argc)
                                               : std::vector<std::string>{"indoor", "road"};
    for (const std::string& name : names)
        Measure(copy, name);
    fs::remove_all(copy);
    return 0;
}
