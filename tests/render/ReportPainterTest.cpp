// The layout of whole reports on fixed metrics (body font 31 high, 15 per character, rows 31):
// page geometry, the logo strip, header and footer, numbering, page breaks and the index.
#include "RenderTestSupport.h"

#include <gtest/gtest.h>

namespace zentyra {
namespace {

using test::Element;
using test::LayoutTest;

std::string View(const std::string& key, const std::string& file = "view.png") {
    return Element(key, 0, "<Image><Path>" + file + "</Path></Image>");
}

TEST(PageRecorder, PageRectComesFromThePaperEdgeMargins) {
    struct Case {
        PageGeometry geometry;
        PageMargins margins;
        PageRect expected;
    };
    // A printer of 10 pixels per mm that cannot print the outer 4 mm on the left and 5 mm at
    // the top.
    PageGeometry edged = PageGeometry::ForPaper(210, 297, 254);
    edged.physicalOffsetX = 40;
    edged.physicalOffsetY = 50;
    edged.physicalWidth += edged.physicalOffsetX;
    edged.physicalHeight += edged.physicalOffsetY;
    const Case cases[] = {
        {PageGeometry::ForPaper(210, 297, 600), PageMargins{}, {150, 50, 2000, 2820}},
        {edged, PageMargins{0, 0, 0, 0}, {-40, -50, 2100, 2970}},
        {PageGeometry::ForPaper(215.9, 279.4, 1200), PageMargins{}, {150, 50, 2059, 2644}},
        // Margins wider than the paper turn the rectangle inside out; nothing breaks.
        {PageGeometry::ForPaper(210, 297, 600),
         PageMargins{2000, 2000, 2000, 2000},
         {2000, 2000, 100, 970}},
    };
    TestFontMetrics metrics;
    test::FakePictureProbe pictures;
    for (const Case& c : cases) {
        PageRecorder recorder(metrics, pictures);
        recorder.Prepare(c.geometry, c.margins);
        EXPECT_EQ(recorder.pageRect, c.expected);
        EXPECT_EQ(recorder.pageWidth, c.expected.width());
    }
}

TEST(PageRecorder, PrintingStartsAtTheFirstFrontMatterPageAndWrapsAround) {
    TestFontMetrics metrics;
    test::FakePictureProbe pictures;
    PageRecorder recorder(metrics, pictures);
    recorder.Prepare(PageGeometry::ForPaper(210, 297, 600), PageMargins{});
    for (int i = 0; i < 9; ++i) {
        recorder.OpenPage();
        recorder.TextOut(0, 0, std::to_string(i + 1));
        EXPECT_EQ(recorder.ClosePage(), i + 1);
    }
    EXPECT_EQ(recorder.ClosePage(), 0); // nothing open
    EXPECT_EQ(recorder.PrintOrder(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    recorder.firstPage = 8;
    EXPECT_EQ(recorder.PrintOrder(), (std::vector<int>{8, 9, 1, 2, 3, 4, 5, 6, 7}));
    // A user range of pages 2 to 3 prints recorded pages 9 and 1.
    EXPECT_EQ(recorder.PageForPrint(2), &recorder.pages()[8]);
    EXPECT_EQ(recorder.PageForPrint(3), &recorder.pages()[0]);
    recorder.firstPage = 0;
    EXPECT_EQ(recorder.PageForPrint(9), &recorder.pages()[8]);
    EXPECT_EQ(recorder.PageForPrint(10), nullptr);
    recorder.Reset();
    EXPECT_TRUE(recorder.pages().empty());
    EXPECT_EQ(recorder.firstPage, 0);
}

TEST_F(LayoutTest, TheWorkedPagePlacesLogoHeaderHeadingTitleContentAndFooter) {
    const std::string view = projectDir.file("view.png");
    pictures.bitmaps[view] = {1000, 1000};
    LayOut(View("class_plantView"));
    ASSERT_EQ(recorder.pageRect, (PageRect{150, 50, 2000, 2820}));
    // Views chapter page, cover page, index page.
    ASSERT_EQ(recorder.pages().size(), 3u);

    const auto pictureOps = ops<PictureOp>(1);
    ASSERT_EQ(pictureOps.size(), 2u);
    EXPECT_EQ(pictureOps[0].file, logoPath);
    EXPECT_EQ(pictureOps[0].box, (PageRect{150, 50, 2000, 250}));
    EXPECT_EQ(pictureOps[0].rect, (PageRect{150, 50, 2000, 235})); // 1850 x 185, top left
    const auto lines = ops<LineOp>(1);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].from, (PagePoint{150, 260}));
    EXPECT_EQ(lines[0].to, (PagePoint{2000, 260}));
    EXPECT_EQ(lines[1].from, (PagePoint{150, 2779})); // BottomLimit 2769 + gap
    EXPECT_EQ(lines[1].to, (PagePoint{2000, 2779}));

    struct Expected {
        std::string text;
        PagePoint at;
        ReportFont font;
        TextAlign align;
    };
    const TextAlign topLeft{HAlign::Left, VAlign::Top};
    const Expected expected[] = {
        {"Left head", {150, 270}, ReportFont::Body, topLeft},
        {"Centre head", {1075, 270}, ReportFont::Body, {HAlign::Centre, VAlign::Top}},
        {"Right head", {2000, 270}, ReportFont::Body, {HAlign::Right, VAlign::Top}},
        {"Foot left", {150, 2820}, ReportFont::Body, {HAlign::Left, VAlign::Bottom}},
        {"Foot centre", {1075, 2820}, ReportFont::Body, {HAlign::Left, VAlign::Bottom}},
        {"Page 1", {2000, 2820}, ReportFont::Body, {HAlign::Right, VAlign::Bottom}},
        {"1.  Views", {150, 412}, ReportFont::Chapter, topLeft},
        {"1.1    Plant view", {150, 548}, ReportFont::PieceTitle, topLeft},
    };
    for (const Expected& e : expected) {
        const auto op = text(1, e.text);
        ASSERT_TRUE(op) << e.text;
        EXPECT_EQ(op->at, e.at) << e.text;
        EXPECT_EQ(op->font, e.font) << e.text;
        EXPECT_EQ(op->align, e.align) << e.text;
    }
    // The picture fills the rest of the page from 633 down to BottomLimit, centred.
    EXPECT_EQ(pictureOps[1].file, view);
    EXPECT_EQ(pictureOps[1].box, (PageRect{150, 633, 2000, 2769}));
    EXPECT_EQ(pictureOps[1].rect, (PageRect{150, 776, 2000, 2626}));
    // Cover and index print first; their pages carry no page number.
    EXPECT_EQ(recorder.firstPage, 2);
    EXPECT_EQ(recorder.PrintOrder(), (std::vector<int>{2, 3, 1}));
    EXPECT_FALSE(text(2, "Page 2"));
    EXPECT_FALSE(text(3, "Page 3"));
}

TEST_F(LayoutTest, WithoutALogoTheHeaderStartsAtTheTopOfThePage) {
    ReportSettings::instance().logoAlignment = 0;
    LayOut(View("class_plantView"));
    EXPECT_TRUE(ops<PictureOp>(1).empty());
    EXPECT_EQ(text(1, "Left head")->at.y, 50);
    EXPECT_EQ(text(1, "1.  Views")->at.y, 50 + 62 + 80);
}

TEST_F(LayoutTest, LogoAlignmentChoosesWhereTheLogoSitsInItsStrip) {
    pictures.bitmaps[logoPath] = {100, 100}; // tall enough to leave room sideways
    const std::pair<int, PageRect> square[] = {
        {1, {150, 50, 350, 250}}, {2, {975, 50, 1175, 250}}, {3, {1800, 50, 2000, 250}}};
    for (const auto& [alignment, rect] : square) {
        ReportSettings::instance().logoAlignment = static_cast<std::uint32_t>(alignment);
        LayOut("");
        EXPECT_EQ(ops<PictureOp>(1).at(0).rect, rect) << alignment;
    }
}

TEST_F(LayoutTest, ChaptersAndPiecesAreNumberedOverTickedItemsOnly) {
    LayOut(View("class_plantView") + View("class_lateralView") + Element("class_screenShot", 0) +
           Element("class_screenShot", 1) + Element("class_electricLines", 0));
    auto& items = project.tree.items();
    auto find = [&](int type, int id = 0) {
        for (const auto& item : items)
            if (item->type == type && item->elementId == id) return item.get();
        return static_cast<CBasePiece*>(nullptr);
    };
    auto numberedTitles = [&] {
        std::vector<std::string> titles;
        for (const RecordedPage& page : recorder.pages())
            for (const PageOp& op : page.ops)
                if (const auto* t = std::get_if<TextOp>(&op);
                    t && (t->font == ReportFont::Chapter || t->font == ReportFont::PieceTitle ||
                          t->font == ReportFont::IndexPiece || t->font == ReportFont::IndexChapter))
                    titles.push_back(t->text);
        return titles;
    };
    // Chapter 2 ticked, its pieces unticked: it still takes number 1. Chapter 5 unticked with
    // its pieces ticked: they continue as pieces of chapter 2, heading included.
    find(kPiecePlantView)->selected = false;
    find(kPieceLatView)->selected = false;
    find(kChapterScreenShots)->selected = false;
    LayOutLoaded();
    // (The empty title is the cover's project name.)
    EXPECT_EQ(numberedTitles(),
              (std::vector<std::string>{"1.  Views", "1.1    Screenshots", "1.2    Screenshots",
                                        "2.  Electric lines", "2.1    Electric lines", "", "1",
                                        "Views", "1.1", "Screenshots", "1", "1.2", "Screenshots",
                                        "2", "2", "Electric lines", "2.1", "Electric lines", "3"}));
    // Without the screenshots, chapter 2 prints nothing but keeps its number.
    find(kPieceScreenShot, 0)->selected = false;
    find(kPieceScreenShot, 1)->selected = false;
    LayOutLoaded();
    EXPECT_EQ(numberedTitles(), (std::vector<std::string>{
                                    "2.  Electric lines", "2.1    Electric lines", "", "1", "Views",
                                    "2", "Electric lines", "2.1", "Electric lines", "1"}));
}

TEST_F(LayoutTest, TheIndexListsPiecesWithTheirPagesAndContinuesOnUnnumberedPages) {
    std::string elements;
    for (int i = 0; i < 500; ++i)
        elements += Element("class_screenShot", i);
    LayOut(elements);
    // 500 screenshot pages, the cover, then the index over several pages.
    ASSERT_GT(recorder.pages().size(), 503u);
    const int firstIndexPage = 502;
    EXPECT_EQ(text(firstIndexPage, "Index")->font, ReportFont::IndexTitle);
    const auto first = text(firstIndexPage, "1.1");
    ASSERT_TRUE(first);
    EXPECT_EQ(text(1, "Page 1")->at.x, 2000);
    const auto lastEntry = text(static_cast<int>(recorder.pages().size()), "1.500");
    ASSERT_TRUE(lastEntry);
    for (int n = firstIndexPage; n <= static_cast<int>(recorder.pages().size()); ++n) {
        EXPECT_FALSE(text(n, "Page " + std::to_string(n))) << n;
        for (const TextOp& op : ops<TextOp>(n)) {
            if (op.font == ReportFont::IndexPiece) {
                EXPECT_LE(op.at.y + 35, 2769) << n << " " << op.text; // above the footer
            }
        }
    }
    // The page-number column of the entry for screenshot 500 shows page 500.
    const auto entries = ops<TextOp>(static_cast<int>(recorder.pages().size()));
    bool found = false;
    for (std::size_t i = 0; i + 2 < entries.size(); ++i)
        if (entries[i].text == "1.500") {
            EXPECT_EQ(entries[i + 2].text, "500");
            EXPECT_EQ(entries[i + 2].at.x, 1850);
            found = true;
        }
    EXPECT_TRUE(found);
}

TEST_F(LayoutTest, APieceThatMayShareAPageStartsANewOneBelowFortyPercent) {
    // Two place-information pieces cannot be made from a file; a factory of test pieces can.
    struct Filler : CPiece {
        Filler(ProjectFile* p, int type, int height, bool share)
            : CPiece(p, type, 0, 0), height(height), share(share) {}
        std::string GetClassName() const override { return "Filler"; }
        std::string GetTitleText(bool) const override { return "Filler"; }
        int Draw(ReportPainter& painter) override {
            painter.DrawPieceTitle("Filler");
            painter.y += height;
            return 0;
        }
        bool StartsNewPage(ReportPainter&) override { return !share; }
        int height;
        bool share;
    };
    struct Case {
        int firstHeight;
        int expectedPages; // for the chapter's two pieces
    };
    // The second piece starts at y = first end + 80: below 0.4 x 2820 = 1128 it shares the
    // page, above (1269 = 0.45 x 2820) it does not.
    const Case cases[] = {{300, 1}, {1269 - 633 - 80 - 85 + 1, 2}};
    for (const Case& c : cases) {
        ProjectFile local([&](ProjectFile* p, int type, int, int) -> std::unique_ptr<CPiece> {
            return std::make_unique<Filler>(p, type, c.firstHeight, true);
        });
        local.tree.AddChapter(kChapterViews);
        local.tree.AddPiece(kPiecePlantView, 0);
        local.tree.AddPiece(kPieceLatView, 0);
        PageRecorder pages(metrics, pictures);
        pages.Prepare(PageGeometry::ForPaper(210, 297, 600), PageMargins{});
        EXPECT_EQ(LayOutReport(pages, local), c.expectedPages) << c.firstHeight;
    }
}

TEST_F(LayoutTest, TheFooterFormatOnlyTakesThePageNumber) {
    test::UseLanguages(languages, {{5074, "%s%s%s %d %n"}}, {});
    LayOut(View("class_plantView"));
    EXPECT_TRUE(text(1, "%s%s%s 1 %n")) << ::testing::PrintToString(texts(1));
}

TEST_F(LayoutTest, PicturesAreFittedIntoTheirBoxByTheFitFlags) {
    struct Case {
        double w, h;
        PageRect box;
        int flags;
        PageRect expected;
    };
    const Case cases[] = {
        {2000, 1000, {0, 0, 1000, 1000}, 0, {0, 250, 1000, 750}},          // wide: full width
        {1000, 2000, {0, 0, 1000, 1000}, 0, {250, 0, 750, 1000}},          // tall: full height
        {1000, 2000, {0, 0, 1000, 1000}, kFitRight, {500, 0, 1000, 1000}}, // right edge
        {2000, 1000, {0, 0, 1000, 1000}, kFitBottom, {0, 500, 1000, 1000}},
        {2000, 1000, {0, 0, 1000, 1000}, kFitLeft | kFitTop, {0, 0, 1000, 500}},
        {3, 1, {0, 0, 1000, 1000}, 0, {0, 334, 1000, 667}},   // height truncated to 333
        {100, 100, {10, 10, 10, 500}, 0, {10, 255, 10, 255}}, // an empty box fits nothing
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitPicture(c.w, c.h, c.box, c.flags), c.expected) << c.w << "x" << c.h;
}

TEST_F(LayoutTest, MissingPicturesCollapseForBitmapsAndKeepTheirBoxForMetafiles) {
    const std::string emf = projectDir.file("plan.EMF");
    pictures.metafiles[emf] = {0, 0, 21000, 10500};
    LayOut(View("class_plantView", "plan.EMF") + View("class_lateralView", "missing.png") +
           View("class_frontView", "missing.emf"));
    // The capitalised .EMF plays as a metafile, fitted by its frame.
    const auto plan = ops<PictureOp>(1).at(1);
    EXPECT_EQ(plan.kind, PictureKind::Metafile);
    EXPECT_EQ(plan.rect, (PageRect{150, 1239, 2000, 2164}));
    // A missing bitmap draws nothing and a missing metafile draws nothing either.
    EXPECT_EQ(ops<PictureOp>(2).size(), 1u);
    EXPECT_EQ(ops<PictureOp>(3).size(), 1u);
}

TEST_F(LayoutTest, TheCoverPrintsItsLabelsAndTheAddressBlockAtAFixedHeight) {
    appConfig().notesText = "first line\r\n\r\nsecond line\r\nthird";
    ReportSettings::instance().address = {"A0", "A1", "A2", "A3", "A4", "A5"};
    LayOut("");
    // The cover is on page 1 (the only content), then the index.
    const int cover = 1;
    struct Expected {
        std::string text;
        PagePoint at;
    };
    // y: 50 + 200 + 20 (logo) + 142 (header) = 412; + 62; name at 474, + 45 + 31 = 550.
    const Expected expected[] = {
        {"Notes", {150, 550}},     {"Client", {150, 581}},
        {"Code", {150, 612}},      {"Date", {150, 643}},
        {"Remarks", {150, 674}},   {"first ", {150, 705}},
        {"line ", {240, 705}},     {"second ", {150, 736}},
        {"third ", {150, 767}},    {"Designer", {150, 2769 - 19 * 31}},
        {"A3", {500, 2273}},       {"A5", {500, 2335}},
        {"Warnings", {150, 2428}},
    };
    for (const Expected& e : expected) {
        const auto op = text(cover, e.text);
        ASSERT_TRUE(op) << e.text << ::testing::PrintToString(texts(cover));
        EXPECT_EQ(op->at, e.at) << e.text;
    }
}

TEST_F(LayoutTest, AWordWiderThanTheLineStartsOneLineLowerAtTheLeftEdge) {
    appConfig().notesText = std::string(200, 'w');
    LayOut("");
    const auto word = text(1, std::string(200, 'w') + " ");
    ASSERT_TRUE(word);
    EXPECT_EQ(word->at, (PagePoint{150, 705 + 31}));
}

TEST_F(LayoutTest, MarginsLargerThanThePageLayOutWithoutHanging) {
    std::string elements;
    for (int i = 0; i < 5; ++i)
        elements += Element("class_screenShot", i);
    LayOut(elements + View("class_plantView"), PageMargins{3000, 3000, 4000, 4000});
    EXPECT_GE(recorder.pages().size(), 3u);
    EXPECT_LE(recorder.pages().size(), 20u);
}

} // namespace
} // namespace zentyra
