#include "GuiTestSupport.h"

#include "gui/CZentyraView.h"

#include <QAction>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include <cstdio>
#include <memory>

namespace zentyra::test {
namespace {

std::string CommandOutput(const std::string& command) {
    std::string output;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
            output.append(buffer, n);
        ::pclose(pipe);
    }
    return output;
}

int PdfPageCount(const std::string& pdf) {
    const std::string info = CommandOutput("pdfinfo " + Quote(pdf) + " 2>/dev/null");
    const std::size_t at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
}

std::string PdfPageText(const std::string& pdf, int page) {
    const std::string n = std::to_string(page);
    return CommandOutput("pdftotext -layout -f " + n + " -l " + n + " " + Quote(pdf) +
                         " - 2>/dev/null");
}

class PrintTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        ASSERT_TRUE(StartWith("road"));
    }
    std::unique_ptr<QPrinter> PdfPrinter(const std::string& name, double marginMm = 0) {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QString::fromStdString(demo.dir.file(name)));
        printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                           QMarginsF(marginMm, marginMm, marginMm, marginMm),
                                           QPageLayout::Millimeter));
        return printer;
    }
    CZentyraView& view() { return frame().view(); }
};

TEST_F(PrintTest, EveryPageIsLaidOutAndReplayedCoverFirst) {
    auto printer = PdfPrinter("all.pdf");
    const int painted = view().PrintPages(*printer);
    ASSERT_GT(painted, 3);
    const std::string pdf = demo.dir.file("all.pdf");
    EXPECT_EQ(PdfPageCount(pdf), painted);
    // Cover, then the contents, then page 1 of the chapters.
    EXPECT_NE(PdfPageText(pdf, 1).find("SP 32"), std::string::npos);
    EXPECT_NE(PdfPageText(pdf, 2).find("Contents"), std::string::npos);
    EXPECT_NE(PdfPageText(pdf, 3).find("Project summary"), std::string::npos);
    EXPECT_EQ(view().recorder().pages().size(), 0u); // end printing forgets the pages
}

TEST_F(PrintTest, TheSideBarIsAppliedBeforeTheLayout) {
    static_cast<QLineEdit*>(sideBar().control(1040))->setText("Renamed for printing");
    auto printer = PdfPrinter("renamed.pdf");
    ASSERT_GT(view().PrintPages(*printer), 0);
    EXPECT_NE(PdfPageText(demo.dir.file("renamed.pdf"), 1).find("Renamed for printing"),
              std::string::npos);
}

TEST_F(PrintTest, ThePageRangeCountsInPrintOrder) {
    auto all = PdfPrinter("count.pdf");
    const int pageCount = view().PrintPages(*all);
    auto printer = PdfPrinter("range.pdf");
    printer->setPrintRange(QPrinter::PageRange);
    printer->setFromTo(2, 3);
    EXPECT_EQ(view().PrintPages(*printer), 2);
    const std::string pdf = demo.dir.file("range.pdf");
    EXPECT_EQ(PdfPageCount(pdf), 2);
    EXPECT_NE(PdfPageText(pdf, 1).find("Contents"), std::string::npos);
    EXPECT_EQ(CZentyraView::PageRange(2, 3, pageCount), std::make_pair(2, 3));
    EXPECT_EQ(CZentyraView::PageRange(0, 0, 9), std::make_pair(1, 9));
    EXPECT_EQ(CZentyraView::PageRange(5, 40, 9), std::make_pair(5, 9));
    EXPECT_EQ(CZentyraView::PageRange(12, 40, 9), std::make_pair(9, 9));
}

TEST_F(PrintTest, UnprintableEdgesShiftTheLayout) {
    // Margins are measured from the paper edge: on a printer that cannot print the outer
    // 10 mm (to its whole pixels), a 15 mm left margin is 5 mm inside the printable area.
    auto printer = PdfPrinter("edges.pdf", 10);
    const PageGeometry g = CZentyraView::GeometryOf(*printer);
    const double mmPerPixel = g.horzSizeMm / g.horzRes;
    const double left = g.physicalOffsetX * mmPerPixel;
    const double top = g.physicalOffsetY * g.vertSizeMm / g.vertRes;
    EXPECT_NEAR(left, 10, 0.2);
    EXPECT_NEAR(g.physicalWidth * mmPerPixel, 210, 0.2);
    PageRecorder recorder(view().recorder().fontMetrics(),
                          const_cast<PageRecorder&>(view().recorder()).pictures());
    recorder.Prepare(g, PageMargins{150, 100, 50, 150});
    EXPECT_EQ(recorder.pageRect.left, static_cast<int>((15 - left) * 10));
    EXPECT_EQ(recorder.pageRect.top, static_cast<int>((5 - top) * 10));
    EXPECT_LT(recorder.pageRect.top, 0); // the top margin is inside the unprintable edge
    EXPECT_GT(view().PrintPages(*printer), 0);
    EXPECT_GT(PdfPageCount(demo.dir.file("edges.pdf")), 0);
}

TEST_F(PrintTest, ThePrintCommandQuitsWhetherOrNotTheDialogWasConfirmed) {
    for (const bool confirmed : {false, true}) {
        auto printer = PdfPrinter("command.pdf");
        int dialogs = 0;
        int quits = 0;
        view().printer().setOutputFormat(QPrinter::PdfFormat);
        view().printer().setOutputFileName(QString::fromStdString(demo.dir.file("command.pdf")));
        view().setPrintDialogRunner([&](QPrinter&, QWidget*) {
            ++dialogs;
            return confirmed;
        });
        view().setQuitAfterPrint([&] { ++quits; });
        view().OnFilePrint();
        EXPECT_EQ(dialogs, 1);
        EXPECT_EQ(quits, 1) << confirmed;
        EXPECT_EQ(PdfPageCount(demo.dir.file("command.pdf")) > 0, confirmed);
        // The print without quitting (the side bar's default button id reaching the view).
        EXPECT_EQ(view().OnFilePrintDirect(), confirmed);
        EXPECT_EQ(quits, 1);
    }
}

TEST_F(PrintTest, PictureFailuresAreShownOnceAfterThePass) {
    TempDir::WriteFile(demo.dir.file("projects/road/PlantView.png"), "\x89PNG\r\n\x1a\nbroken");
    auto printer = PdfPrinter("broken.pdf");
    ASSERT_GT(view().PrintPages(*printer), 0);
    EXPECT_TRUE(messages.messages.empty()); // nothing from inside the painting
    QCoreApplication::processEvents();
    ASSERT_FALSE(messages.messages.empty());
    int naming = 0;
    for (const auto& message : messages.messages)
        if (message.text.find("PlantView.png") != std::string::npos) ++naming;
    EXPECT_EQ(naming, 1);
}

TEST_F(PrintTest, ThePreviewShowsEveryPage) {
    auto counting = PdfPrinter("count.pdf");
    const int pageCount = view().PrintPages(*counting);
    bool printChosen = false;
    std::unique_ptr<QPrintPreviewDialog> preview = view().MakePreviewDialog(&printChosen);
    preview->show();
    QCoreApplication::processEvents();
    auto* widget = preview->findChild<QPrintPreviewWidget*>();
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->pageCount(), pageCount);
    EXPECT_FALSE(printChosen);
    // The preview's print button is the print command: the preview closes and asks for it.
    QAction* print = nullptr;
    for (QAction* action : preview->findChildren<QAction*>())
        if (action->text() == QStringLiteral("Print")) print = action;
    ASSERT_NE(print, nullptr);
    print->trigger();
    EXPECT_TRUE(printChosen);
    EXPECT_EQ(preview->result(), QDialog::Accepted);
}

} // namespace
} // namespace zentyra::test
