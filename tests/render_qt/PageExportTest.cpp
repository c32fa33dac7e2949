// PDF and PNG export of recorded pages, read back with poppler's pdfinfo and pdftotext and with
// the image reader: page count, paper, print order, exact text positions, file names, errors.
#include "render/qt/PageExport.h"
#include "../support/TempDir.h"
#include "render/PageRecorder.h"
#include "render/qt/QtFontMetrics.h"
#include "render/qt/QtPictureProbe.h"

#include <QFontMetricsF>
#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace zentyra {
namespace {

struct CommandResult {
    int status = -1;
    std::string output;
};

CommandResult RunCommand(const std::string& command) {
    CommandResult result;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return result;
    char buffer[4096];
    while (std::size_t read = std::fread(buffer, 1, sizeof buffer, pipe))
        result.output.append(buffer, read);
    result.status = ::pclose(pipe);
    return result;
}

bool HavePoppler() {
    return RunCommand("pdfinfo -v").status == 0 && RunCommand("pdftotext -v").status == 0;
}

// The value of attribute name in the first pdftotext -bbox word element for word.
double BboxAttribute(const std::string& html, const std::string& word, const std::string& name) {
    const std::size_t end = html.find(">" + word + "</word>");
    if (end == std::string::npos) return NAN;
    const std::size_t start = html.rfind("<word", end);
    const std::size_t at = html.find(name + "=\"", start);
    if (at == std::string::npos || at > end) return NAN;
    return std::stod(html.substr(at + name.size() + 2));
}

class PageExportTest : public ::testing::Test {
protected:
    void SetUp() override { Prepare(210, 297); }
    void Prepare(double widthMm, double heightMm) {
        recorder.Prepare(PageGeometry::ForPaper(widthMm, heightMm, 300), PageMargins{});
    }
    // One page per text, the text at the top-left of the page area and a rule at ruleY.
    void RecordPages(const std::vector<std::pair<std::string, int>>& pages) {
        for (const auto& [text, ruleY] : pages) {
            recorder.OpenPage();
            recorder.TextOut(recorder.pageRect.left, recorder.pageRect.top, text);
            recorder.Line({recorder.pageRect.left, ruleY}, {recorder.pageRect.right, ruleY});
            recorder.ClosePage();
        }
    }

    QtFontMetrics metrics;
    QtPictureProbe probe;
    PageRecorder recorder{metrics, probe};
    test::TempDir dir;
};

TEST_F(PageExportTest, PdfHasEveryPageInPrintOrderOnA4) {
    if (!HavePoppler()) GTEST_SKIP() << "poppler-utils is not installed";
    RecordPages({{"Alpha", 500}, {"Bravo", 600}, {"Charlie", 700}});
    recorder.firstPage = 3;
    const std::string pdf = dir.file("report.pdf");
    std::vector<std::pair<int, int>> progress;
    std::string error;
    ASSERT_TRUE(ExportPdf(recorder, pdf, &error, [&](int done, int total) {
        progress.emplace_back(done, total);
    })) << error;

    const CommandResult info = RunCommand("pdfinfo '" + pdf + "'");
    ASSERT_EQ(info.status, 0) << info.output;
    EXPECT_NE(info.output.find("Pages:           3\n"), std::string::npos) << info.output;
    EXPECT_NE(info.output.find("Page size:       595 x 842 pts (A4)"), std::string::npos)
        << info.output;
    const CommandResult text = RunCommand("pdftotext '" + pdf + "' -");
    ASSERT_EQ(text.status, 0) << text.output;
    const std::size_t charlie = text.output.find("Charlie");
    const std::size_t alpha = text.output.find("Alpha");
    const std::size_t bravo = text.output.find("Bravo");
    ASSERT_NE(charlie, std::string::npos) << text.output;
    ASSERT_NE(alpha, std::string::npos) << text.output;
    ASSERT_NE(bravo, std::string::npos) << text.output;
    EXPECT_LT(charlie, alpha);
    EXPECT_LT(alpha, bravo);
    EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{1, 3}, {2, 3}, {3, 3}}));
}

TEST_F(PageExportTest, PdfTextStartsAndEndsAtItsExactPosition) {
    if (!HavePoppler()) GTEST_SKIP() << "poppler-utils is not installed";
    const std::string word = "Illuminance";
    RecordPages({{word, 500}});
    const std::string pdf = dir.file("one.pdf");
    std::string error;
    ASSERT_TRUE(ExportPdf(recorder, pdf, &error)) << error;

    const CommandResult boxes = RunCommand("pdftotext -bbox '" + pdf + "' -");
    ASSERT_EQ(boxes.status, 0) << boxes.output;
    // Page units are 0.1 mm; 254 of them make 72 pt. The default margins put the page area at
    // 15 mm from the paper's left edge.
    const double pointsPerUnit = 72.0 / 254.0;
    QFont design = MakeReportQFont(ReportFont::Body, 2048);
    const double advanceUnits = QFontMetricsF(design).horizontalAdvance(ReportText(word)) *
                                ReportFontEmSize(ReportFont::Body) / 2048;
    EXPECT_NEAR(BboxAttribute(boxes.output, word, "xMin"), 150 * pointsPerUnit, 0.01)
        << boxes.output;
    EXPECT_NEAR(BboxAttribute(boxes.output, word, "xMax"), (150 + advanceUnits) * pointsPerUnit,
                0.01);
}

TEST_F(PageExportTest, PdfPaperFollowsThePageGeometry) {
    if (!HavePoppler()) GTEST_SKIP() << "poppler-utils is not installed";
    struct Case {
        double width;
        double height;
        const char* pageSize;
    };
    const Case cases[] = {
        {297, 210, "842 x 595 pts (A4)"},
        {215.9, 279.4, "612 x 792 pts (letter)"},
        {100, 150, "283 x 425 pts"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pageSize);
        Prepare(c.width, c.height);
        RecordPages({{"Page", 300}});
        const std::string pdf = dir.file("paper.pdf");
        std::string error;
        ASSERT_TRUE(ExportPdf(recorder, pdf, &error)) << error;
        const CommandResult info = RunCommand("pdfinfo '" + pdf + "'");
        EXPECT_NE(info.output.find(std::string("Page size:       ") + c.pageSize),
                  std::string::npos)
            << info.output;
    }
}

TEST_F(PageExportTest, PngPagesAreNamedInPrintOrderAtTheirDpi) {
    RecordPages({{"First", 500}, {"Second", 1000}});
    recorder.firstPage = 2;
    const std::string directory = dir.file("out/pages");
    std::vector<std::pair<int, int>> progress;
    std::string error;
    ASSERT_TRUE(ExportPng(recorder, directory, 50, &error, [&](int done, int total) {
        progress.emplace_back(done, total);
    })) << error;

    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"page-001.png", "page-002.png"}));
    EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{1, 2}, {2, 2}}));

    // 210 x 297 mm at 50 dpi; the rule of recorded page 2 (y 1000) comes first.
    const int ruleRows[] = {qRound(1000 * 50 / 254.0), qRound(500 * 50 / 254.0)};
    for (int i = 0; i < 2; ++i) {
        const QImage page(QString::fromStdString(directory + "/" + names[i]));
        ASSERT_FALSE(page.isNull()) << names[i];
        EXPECT_EQ(page.size(), QSize(413, 585)) << names[i];
        EXPECT_EQ(page.pixel(5, 5), qRgb(255, 255, 255));
        // The rule is drawn at least one pixel wide however low the dpi.
        int darkest = 255;
        for (int y = ruleRows[i] - 1; y <= ruleRows[i] + 1; ++y)
            darkest = std::min(darkest, qGray(page.pixel(200, y)));
        EXPECT_LT(darkest, 180) << names[i];
        EXPECT_EQ(page.pixel(200, ruleRows[1 - i]), qRgb(255, 255, 255)) << names[i];
    }
}

TEST_F(PageExportTest, ExportFailuresNameTheFile) {
    RecordPages({{"Alpha", 500}});
    const std::string blocker = dir.write("blocker", "a file where a directory should be");
    std::string error;
    const std::string missingFolderPdf = dir.file("no/such/folder/report.pdf");
    EXPECT_FALSE(ExportPdf(recorder, missingFolderPdf, &error));
    EXPECT_NE(error.find(missingFolderPdf), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(missingFolderPdf));

    EXPECT_FALSE(ExportPdf(recorder, dir.path(), &error));
    EXPECT_NE(error.find(dir.path()), std::string::npos) << error;

    EXPECT_FALSE(ExportPng(recorder, blocker, 50, &error));
    EXPECT_NE(error.find(blocker), std::string::npos) << error;

    const std::string pages = dir.file("pages");
    std::filesystem::create_directories(pages + "/page-001.png");
    EXPECT_FALSE(ExportPng(recorder, pages, 50, &error));
    EXPECT_NE(error.find(pages + "/page-001.png"), std::string::npos) << error;

    EXPECT_FALSE(ExportPng(recorder, dir.file("dpi"), 0, &error));
    EXPECT_FALSE(error.empty());
}

TEST_F(PageExportTest, NothingToExportIsAnError) {
    std::string error;
    EXPECT_FALSE(ExportPdf(recorder, dir.file("empty.pdf"), &error));
    EXPECT_NE(error.find("empty.pdf"), std::string::npos) << error;
    EXPECT_FALSE(ExportPng(recorder, dir.file("empty"), 50, &error));
    EXPECT_NE(error.find("empty"), std::string::npos) << error;
}

} // namespace
} // namespace zentyra
