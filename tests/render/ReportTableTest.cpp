#include "../support/TempDir.h"

#include "document/ProjectFile.h"
#include "pieces/PieceFactory.h"
#include "render/ReportPainter.h"
#include "render/ReportTable.h"
#include "settings/ReportSettings.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace zentyra {
namespace {

// Every bitmap is a 100 x 100 square; there are no metafiles.
class SquarePictures final : public PictureProbe {
public:
    std::optional<PixelSize> BitmapSize(const std::string&) override { return PixelSize{100, 100}; }
    std::optional<PageRect> MetafileFrame(const std::string&) override { return std::nullopt; }
};

// What the table drew on one page, without the page's logo strip, header and footer.
struct TableOps {
    std::vector<TextOp> texts;
    std::vector<LineOp> lines;
    std::vector<PictureOp> pictures;
};

struct Row {
    int kind;
    std::vector<std::string> texts;
};

ReportTable MakeTable(const std::vector<Row>& rows, int align = kAlignCentre) {
    ReportTable table;
    for (std::size_t n = 0; n < rows.size(); ++n) {
        const int row = static_cast<int>(n) + 1;
        for (const std::string& text : rows[n].texts)
            table.AddCell(row, text, align);
        if (TableRow* added = table.GetRow(row)) added->kind = rows[n].kind;
    }
    return table;
}

// Body font: 15 units per character, rows 31 high. The A4 page gives pageRect 150,50,2000,2820,
// so the usable width is 1850 and BottomLimit 2769.
constexpr int kRow = 31;
constexpr int kTableTop = 200;
constexpr int kBottomLimit = 2769;
constexpr int kPageTop = 192; // under the header of a page without logo

class ReportTableTest : public ::testing::Test {
protected:
    void SetUp() override { ReportSettings::instance().logoAlignment = 0; }

    // Opens the first page with the table's cursor at kTableTop.
    ReportPainter& Start(const PageMargins& margins = PageMargins{}) {
        recorder_.Prepare(kPaper, margins);
        painter_ = std::make_unique<ReportPainter>(recorder_, project_);
        // Learn how many ops the page frame takes, so the table's own can be told apart.
        painter_->NewPage(true);
        recorder_.ClosePage();
        frameOps_ = recorder_.pages()[0].ops.size();
        recorder_.Prepare(kPaper, margins);
        painter_->NewPage(true);
        painter_->y = kTableTop;
        return *painter_;
    }

    int Draw(ReportTable& table, int flags) {
        const int y = table.Draw(*painter_, flags);
        recorder_.ClosePage();
        return y;
    }

    int pageCount() const { return static_cast<int>(recorder_.pages().size()); }

    TableOps Ops(int page) const {
        TableOps ops;
        const std::vector<PageOp>& all = recorder_.pages().at(static_cast<std::size_t>(page)).ops;
        for (std::size_t n = frameOps_; n < all.size(); ++n) {
            if (const auto* text = std::get_if<TextOp>(&all[n])) ops.texts.push_back(*text);
            if (const auto* line = std::get_if<LineOp>(&all[n])) ops.lines.push_back(*line);
            if (const auto* picture = std::get_if<PictureOp>(&all[n]))
                ops.pictures.push_back(*picture);
        }
        return ops;
    }

    std::vector<const TextOp*> TextsOf(const TableOps& ops, const std::string& text) const {
        std::vector<const TextOp*> found;
        for (const TextOp& op : ops.texts)
            if (op.text == text) found.push_back(&op);
        return found;
    }

    static bool HasLine(const TableOps& ops, PagePoint from, PagePoint to) {
        for (const LineOp& line : ops.lines)
            if (line.from == from && line.to == to) return true;
        return false;
    }

    static inline const PageGeometry kPaper = PageGeometry::ForPaper(210, 297, 600);
    TestFontMetrics metrics_;
    SquarePictures pictures_;
    PageRecorder recorder_{metrics_, pictures_};
    ProjectFile project_{MakePiece};
    std::unique_ptr<ReportPainter> painter_;
    std::size_t frameOps_ = 0;
};

TEST(ReportTableFill, AddAndSetCellsCreateRowsAndCells) {
    ReportTable table;
    EXPECT_EQ(table.AddCell(3, "a\xC3\xA8\xF0\x9F\x98\x80", kAlignLeft), 1);
    EXPECT_EQ(table.AddImageCell(3, "/p.png"), 2);
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_TRUE(table.GetRow(1)->cells.empty());
    const TableRow& row = *table.GetRow(3);
    EXPECT_EQ(row.cells.front().length, 4); // the emoji is a surrogate pair
    EXPECT_EQ(row.cells.back().align, kAlignImage);
    EXPECT_TRUE(row.HasImage());

    table.SetCell(2, 3, "x", kAlignRight);
    const TableRow& second = *table.GetRow(2);
    ASSERT_EQ(second.cells.size(), 3u);
    EXPECT_EQ(second.cells.front().align, kAlignRight);
    EXPECT_EQ(second.cells.back().cellText, "x");
    table.SetCell(3, 2, "text", kAlignCentre);
    EXPECT_FALSE(table.GetRow(3)->HasImage());

    EXPECT_EQ(table.AddCell(0, "x", 0), 0);
    EXPECT_EQ(table.AddImageCell(-1, "x"), 0);
    table.SetCell(1, 0, "x", 0);
    table.SetCell(0, 1, "x", 0);
    EXPECT_EQ(table.FillColumn(0, "a b", " "), 0);
    EXPECT_EQ(table.GetRow(0), nullptr);
    EXPECT_EQ(table.GetRow(4), nullptr);
    EXPECT_EQ(table.rows.size(), 3u);
}

TEST(ReportTableFill, FillColumnSplitsAtRunsOfDelimiters) {
    struct Case {
        std::string text;
        std::vector<std::string> rows;
    };
    for (const Case& c : std::vector<Case>{{"a\r\n\r\nb", {"a", "b"}},
                                           {"\n\tone\ttwo\r\nthree\n", {"one", "two", "three"}},
                                           {"", {""}},
                                           {"\r\n\t", {""}}}) {
        SCOPED_TRACE(c.text);
        ReportTable table;
        EXPECT_EQ(table.FillColumnFromLines(2, c.text), static_cast<int>(c.rows.size()));
        ASSERT_EQ(table.rows.size(), c.rows.size());
        for (std::size_t n = 0; n < c.rows.size(); ++n) {
            const TableRow& row = *table.GetRow(static_cast<int>(n) + 1);
            ASSERT_EQ(row.cells.size(), 2u);
            EXPECT_EQ(row.cells.back().cellText, c.rows[n]);
            EXPECT_EQ(row.cells.back().align, kAlignCentre);
        }
    }
}

// Column widths as the cells of the first body row show them.
TEST_F(ReportTableTest, ColumnsWidenAndShrinkToTheUsableWidth) {
    struct Case {
        const char* name;
        int charsPerColumn; // 15 units each, plus 25 of padding
        int usableWidth;
        int flags;
        std::vector<int> widths;
    };
    const std::vector<Case> cases = {
        {"three short of the width", 10, 528, kTableWiden, {176, 176, 176}},
        {"remainder to the first columns", 5, 305, kTableWiden, {102, 102, 101}},
        {"shrunk", 10, 520, kTableShrink, {173, 173, 174}},
        {"not widened without the flag", 5, 305, kTableShrink, {100, 100, 100}},
        {"kept without flags", 10, 528, 0, {175, 175, 175}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Start();
        const std::string text(static_cast<std::size_t>(c.charsPerColumn), 'x');
        ReportTable table = MakeTable({{kRowBody, {text, text, text}}});
        table.leftInset = 50;
        table.rightInset = 1850 - 50 - c.usableWidth;
        Draw(table, c.flags);
        const TableOps ops = Ops(0);
        ASSERT_EQ(ops.texts.size(), 3u);
        int x = 200;
        for (std::size_t i = 0; i < 3; ++i) {
            ASSERT_TRUE(ops.texts[i].clip.has_value());
            EXPECT_EQ(*ops.texts[i].clip,
                      (PageRect{x, kTableTop + 10, x + c.widths[i], kTableTop + 10 + kRow}));
            EXPECT_EQ(ops.texts[i].at.x, (x + x + c.widths[i]) / 2);
            x += c.widths[i];
        }
    }
}

TEST_F(ReportTableTest, CellTextsAlignAroundTheWidestBodyTextOfTheirColumn) {
    Start();
    ReportTable table;
    table.AddCell(1, "Heading one", kAlignCentre); // 11 chars: column 190 wide
    table.AddCell(1, "Heading two", kAlignCentre);
    table.AddCell(1, "Heading 3", kAlignCentre); // 9 chars: 160
    table.GetRow(1)->kind = kRowHeading;
    table.AddCell(2, "ab", kAlignLeft);   // widest body text 55: 67 either side
    table.AddCell(2, "abc", kAlignRight); // 70: 60 either side
    table.AddCell(2, "abcd", kAlignCentre);
    Draw(table, 0);
    const TableOps ops = Ops(0);
    ASSERT_EQ(ops.texts.size(), 6u);
    const int body = kTableTop + 41 + 10 + 10;
    EXPECT_EQ(ops.texts[3].at, (PagePoint{150 + 67 + 12, body})); // 229.5 truncated
    EXPECT_EQ(ops.texts[3].align.horizontal, HAlign::Left);
    EXPECT_EQ(ops.texts[4].at, (PagePoint{457, body})); // 340 + 190 - 60 - 12.5
    EXPECT_EQ(ops.texts[4].align.horizontal, HAlign::Right);
    EXPECT_EQ(ops.texts[5].at, (PagePoint{(530 + 530 + 160) / 2, body}));
    EXPECT_EQ(ops.texts[5].align.horizontal, HAlign::Centre);
    EXPECT_EQ(ops.texts[5].clip, (PageRect{530, body, 690, body + kRow}));
    // Headings are centred in their columns, not clipped.
    EXPECT_EQ(ops.texts[0].at, (PagePoint{245, kTableTop + 10}));
    EXPECT_EQ(ops.texts[0].align.horizontal, HAlign::Centre);
    EXPECT_FALSE(ops.texts[0].clip.has_value());
}

TEST_F(ReportTableTest, HeadingBlockRulesBordersAndClosingRule) {
    ReportPainter& painter = Start();
    painter.dc->SetTextAlign({HAlign::Right, VAlign::Bottom});
    ReportTable table = MakeTable({{kRowHeading, {"H1", "H2"}}, // columns 55 wide
                                   {kRowBody, {"a", "b"}},
                                   {kRowBody, {"c", "d"}}});
    const int end = table.Draw(painter, kTableOuterBorders | kTableCloseBands);
    EXPECT_EQ(painter.dc->textAlign(), (TextAlign{HAlign::Right, VAlign::Bottom}));
    recorder_.ClosePage();
    const int left = 150;
    const int width = 110;
    // rule, heading row of 41, strokes of 10, rule, gap of 10, two rows, 20, closing rule, 1, 30
    const int headingRow = kTableTop;
    const int underHeadings = headingRow + 41 + 10;
    const int firstBody = underHeadings + 10;
    const int bodyEnd = firstBody + 2 * kRow;
    EXPECT_EQ(end, bodyEnd + 20 + 1 + 30);
    const TableOps ops = Ops(0);
    EXPECT_TRUE(HasLine(ops, {left, headingRow}, {left + width, headingRow}));
    for (int x : {left, left + 55, left + width}) {
        EXPECT_TRUE(HasLine(ops, {x, headingRow}, {x, headingRow + 41})) << x;
        EXPECT_TRUE(HasLine(ops, {x, headingRow + 41}, {x, underHeadings})) << x;
    }
    EXPECT_TRUE(HasLine(ops, {left, underHeadings}, {left + width, underHeadings}));
    for (int x : {left, left + width}) {
        EXPECT_TRUE(HasLine(ops, {x, underHeadings}, {x, firstBody})) << x;
        EXPECT_TRUE(HasLine(ops, {x, firstBody}, {x, firstBody + kRow})) << x;
        EXPECT_TRUE(HasLine(ops, {x, firstBody + kRow}, {x, bodyEnd})) << x;
        EXPECT_TRUE(HasLine(ops, {x, bodyEnd}, {x, bodyEnd + 20})) << x;
    }
    EXPECT_TRUE(HasLine(ops, {left, bodyEnd + 20}, {left + width, bodyEnd + 20}));
    EXPECT_EQ(ops.lines.size(), 1u + 3 * 2 + 1 + 2 * 4 + 1);
    EXPECT_EQ(TextsOf(ops, "c").at(0)->at.y, firstBody + kRow);
}

TEST_F(ReportTableTest, WithoutHeadingsOuterBordersStartWithATopRule) {
    Start();
    ReportTable table = MakeTable({{kRowBody, {"a", "b"}}});
    EXPECT_EQ(Draw(table, kTableOuterBorders), kTableTop + 10 + kRow + 30);
    const TableOps ops = Ops(0);
    EXPECT_TRUE(HasLine(ops, {150, kTableTop}, {230, kTableTop}));
    EXPECT_TRUE(HasLine(ops, {230, kTableTop}, {230, kTableTop + 10}));
    EXPECT_EQ(ops.lines.size(), 1u + 2 + 2);
}

TEST_F(ReportTableTest, WideTablesPrintInBandsThatRepeatTheFirstColumnAndTheHeadings) {
    test::TempDir dir;
    const std::string picture = dir.write("plan.png", "not read by the layout");
    Start();
    const std::string wide(80, 'w'); // 1225
    const std::string half(25, 'h'); // 400
    ReportTable table = MakeTable(
        {{kRowHeading, {"Name", wide, half, "Last" + half}}, {kRowBody, {"row", "a", "b", "c"}}});
    table.AddImageCell(3, picture);
    table.AddImageCell(3, dir.file("missing.png"));
    table.AddCell(4, "end", kAlignCentre);
    // Bands: column 0 (85) with 1 and 2 (85 + 1225 + 400 = 1710), then with 3 (85 + 460).
    const int end = Draw(table, 0);
    ASSERT_EQ(pageCount(), 1);
    const TableOps ops = Ops(0);
    ASSERT_EQ(TextsOf(ops, "Name").size(), 2u);
    ASSERT_EQ(TextsOf(ops, "row").size(), 2u);
    ASSERT_EQ(TextsOf(ops, "end").size(), 2u);
    EXPECT_EQ(TextsOf(ops, "c").size(), 1u);
    const TextOp& last = *TextsOf(ops, "Last" + half).at(0);
    EXPECT_EQ(last.at.x, (235 + 235 + 460) / 2);
    // Band one: headings, row, pictures, row; band two leaves the picture row out.
    const int firstRow = kTableTop + 41 + 10 + 10;
    const int pictureRow = firstRow + kRow;
    const int bandTwo = pictureRow + 360 + kRow + 30;
    EXPECT_EQ(TextsOf(ops, "Name")[1]->at.y, bandTwo + 10);
    EXPECT_EQ(TextsOf(ops, "end")[1]->at.y, bandTwo + 41 + 10 + 10 + kRow);
    EXPECT_EQ(end, bandTwo + 41 + 10 + 10 + 2 * kRow + 30);
    EXPECT_TRUE(HasLine(ops, {150, bandTwo}, {150 + 85 + 460, bandTwo}));
    // The picture sits at the first column's right edge, padded as column 1's texts are.
    const int x0 = 150 + 85 + static_cast<int>((1225 - 40) * 0.5 + 12.5);
    ASSERT_EQ(ops.pictures.size(), 1u);
    EXPECT_EQ(ops.pictures[0].box, (PageRect{x0, pictureRow + 20, x0 + 300, pictureRow + 320}));
    EXPECT_EQ(table.imageColumnX, x0 - 150);
}

TEST_F(ReportTableTest, PageBreakKeepsTheHeadingsWithFiveRowsAndRepeatsThem) {
    struct Case {
        int freeSpace;
        int rowsOnFirstPage;
    };
    // Headings (one row counted as 31) + five rows + 30 = 216 must be free to start the table.
    for (const Case& c : std::vector<Case>{{215, 0}, {216, 5}}) {
        SCOPED_TRACE(c.freeSpace);
        ReportPainter& painter = Start();
        std::vector<Row> rows = {{kRowHeading, {"Head"}}};
        for (int n = 1; n <= 10; ++n)
            rows.push_back({kRowBody, {"r" + std::to_string(n)}});
        ReportTable table = MakeTable(rows);
        painter.y = kBottomLimit - c.freeSpace;
        Draw(table, 0);
        ASSERT_EQ(pageCount(), 2);
        const TableOps first = Ops(0);
        const TableOps second = Ops(1);
        const int expected = c.rowsOnFirstPage == 0 ? 0 : 1 + c.rowsOnFirstPage;
        EXPECT_EQ(static_cast<int>(first.texts.size()), expected);
        EXPECT_EQ(TextsOf(second, "Head").size(), 1u);
        EXPECT_EQ(TextsOf(second, "Head")[0]->at.y, kPageTop + 10);
        const std::string next = "r" + std::to_string(c.rowsOnFirstPage + 1);
        ASSERT_EQ(TextsOf(second, next).size(), 1u);
        EXPECT_EQ(TextsOf(second, next)[0]->at.y, kPageTop + 41 + 10 + 10);
        for (const TextOp& text : first.texts)
            EXPECT_LE(text.at.y + kRow, kBottomLimit);
    }
}

TEST_F(ReportTableTest, ARowIntroducingPicturesMovesWithThem) {
    test::TempDir dir;
    const std::string picture = dir.write("plan.png", "");
    ReportPainter& painter = Start();
    ReportTable table = MakeTable({{kRowBody, {"one"}}, {kRowBody, {"caption"}}});
    table.AddImageCell(3, picture);
    // "one" needs itself, the caption and the pictures: 31 + 31 + 360, with the 30 at the start.
    painter.y = kBottomLimit - 300;
    Draw(table, 0);
    ASSERT_EQ(pageCount(), 2);
    EXPECT_TRUE(Ops(0).texts.empty());
    const TableOps second = Ops(1);
    EXPECT_EQ(TextsOf(second, "one").at(0)->at.y, kPageTop + 10);
    EXPECT_EQ(TextsOf(second, "caption").at(0)->at.y, kPageTop + 10 + kRow);
    ASSERT_EQ(second.pictures.size(), 1u);
    EXPECT_EQ(second.pictures[0].box.top, kPageTop + 10 + 2 * kRow + 20);
}

TEST_F(ReportTableTest, TickedCellIsDrawnInThreeColouredParts) {
    ReportPainter& painter = Start();
    const Colour blue{0, 0, 255};
    painter.dc->SetTextColour(blue);
    ReportTable table;
    table.AddCell(1, "OK \xE2\x9C\x94 done", kAlignCentre); // 9 units: 135 wide, column 160
    table.AddCell(1, "no \xE2\x9C\x98", kAlignLeft);
    Draw(table, 0);
    const TableOps ops = Ops(0);
    ASSERT_EQ(ops.texts.size(), 6u);
    const int y = kTableTop + 10;
    const PageRect cell{150, y, 310, y + kRow};
    const int start = 230 - 135 / 2;
    const std::vector<std::pair<std::string, Colour>> parts = {
        {"OK ", blue}, {"\xE2\x9C\x94", Colour{0, 255, 0}}, {" done", kBlack}};
    const std::vector<int> xs = {start, start + 45, start + 60};
    for (std::size_t n = 0; n < 3; ++n) {
        EXPECT_EQ(ops.texts[n].text, parts[n].first);
        EXPECT_EQ(ops.texts[n].colour, parts[n].second);
        EXPECT_EQ(ops.texts[n].at, (PagePoint{xs[n], y}));
        EXPECT_EQ(ops.texts[n].align.horizontal, HAlign::Left);
        EXPECT_EQ(ops.texts[n].clip, cell);
    }
    // The cross is red; the empty rest after it is still drawn, in black.
    EXPECT_EQ(ops.texts[3].colour, kBlack);
    EXPECT_EQ(ops.texts[4].colour, (Colour{255, 0, 0}));
    EXPECT_EQ(ops.texts[4].at.x, 310 + 12 + 45);
    EXPECT_EQ(ops.texts[5].text, "");
    EXPECT_EQ(ops.texts[5].colour, kBlack);
}

TEST_F(ReportTableTest, NoteRowsFollowTheTableWithTheirSecondColumnAtAFixedPosition) {
    Start(PageMargins{500, 100, 50, 150});
    ReportTable table = MakeTable(
        {{kRowBody, {"a", "b"}}, {kRowNote, {"* note", "value"}}, {kRowNote, {"** other"}}});
    table.leftInset = 20;
    const int tableEnd = kTableTop + 10 + kRow + 30;
    EXPECT_EQ(Draw(table, 0), tableEnd + 30 + 2 * kRow);
    const TableOps ops = Ops(0);
    EXPECT_EQ(TextsOf(ops, "a").at(0)->at.x, (520 + 520 + 40) / 2);
    const TextOp& note = *TextsOf(ops, "* note").at(0);
    EXPECT_EQ(note.at, (PagePoint{520, tableEnd + 30}));
    EXPECT_EQ(note.align.horizontal, HAlign::Left);
    EXPECT_FALSE(note.clip.has_value());
    EXPECT_EQ(TextsOf(ops, "value").at(0)->at, (PagePoint{1100, tableEnd + 30}));
    EXPECT_EQ(TextsOf(ops, "** other").at(0)->at, (PagePoint{520, tableEnd + 30 + kRow}));
}

TEST_F(ReportTableTest, HeadingsWithoutBodyRowsAreStillDrawn) {
    Start();
    ReportTable table = MakeTable({{kRowHeading, {"H1", "H2"}}, {kRowHeading, {"", "[m]"}}});
    EXPECT_EQ(Draw(table, kTableWiden | kTableCloseBands),
              kTableTop + 2 * 41 + 10 + 10 + 20 + 1 + 30);
    const TableOps ops = Ops(0);
    EXPECT_EQ(TextsOf(ops, "H1").size(), 1u);
    EXPECT_EQ(TextsOf(ops, "[m]").at(0)->at.y, kTableTop + 41 + 10);
    // Too little room for them: they go to the next page.
    Start();
    painter_->y = kBottomLimit - 2 * kRow - 29;
    ReportTable late = MakeTable({{kRowHeading, {"H1"}}, {kRowHeading, {"H2"}}});
    Draw(late, 0);
    EXPECT_EQ(pageCount(), 2);
}

TEST_F(ReportTableTest, DegenerateTablesDrawSafely) {
    {
        Start();
        ReportTable empty;
        EXPECT_EQ(Draw(empty, kTableWiden | kTableOuterBorders), kTableTop);
        EXPECT_TRUE(Ops(0).texts.empty() && Ops(0).lines.empty());
    }
    {
        Start();
        ReportTable noCells;
        noCells.rows.emplace_back();
        noCells.AddCell(2, "ignored", 0);
        EXPECT_EQ(Draw(noCells, 0), kTableTop);
    }
    {
        recorder_.Prepare(kPaper, PageMargins{});
        ReportPainter closed(recorder_, project_);
        ReportTable table = MakeTable({{kRowBody, {"a"}}});
        EXPECT_EQ(table.Draw(closed, 0), closed.y);
        EXPECT_EQ(closed.dc, nullptr);
    }
    {
        Start();
        ReportTable oneColumn = MakeTable({{kRowHeading, {"H"}}, {kRowBody, {"a"}}});
        EXPECT_EQ(Draw(oneColumn, kTableWiden), kTableTop + 41 + 10 + 10 + kRow + 30);
        EXPECT_EQ(Ops(0).texts.at(1).clip, (PageRect{150, 261, 2000, 292}));
    }
    {
        // Headings without body rows are drawn, with the closing rule under them.
        Start();
        ReportTable headingsOnly = MakeTable({{kRowHeading, {"H1", "H2"}}});
        EXPECT_EQ(Draw(headingsOnly, kTableCloseBands), kTableTop + 41 + 10 + 10 + 21 + 30);
        EXPECT_EQ(TextsOf(Ops(0), "H1").size(), 1u);
    }
    {
        // 200 columns, each wider than half the page: one band per column after the first.
        Start();
        const std::string text(70, 'c');
        ReportTable table;
        table.AddCell(1, "H", 0);
        table.SetCell(1, 200, "", 0);
        table.GetRow(1)->kind = kRowHeading;
        for (int column = 1; column <= 200; ++column)
            table.AddCell(2, text, 0);
        Draw(table, kTableOuterBorders | kTableCloseBands);
        int headings = 0;
        for (int page = 0; page < pageCount(); ++page)
            headings += static_cast<int>(TextsOf(Ops(page), "H").size());
        EXPECT_EQ(headings, 199);
    }
    {
        Start();
        ReportTable table = MakeTable({
            {kRowBody, {std::string(5000, 'x')}},
            {kRowBody, {"more", "cells", "than", "the", "first"}},
        });
        table.rows.emplace_back().kind = kRowNote;
        Draw(table, kTableShrink);
        const TableOps ops = Ops(0);
        ASSERT_EQ(ops.texts.size(), 3u); // the two body rows and the padded note
        EXPECT_EQ(ops.texts[0].clip, (PageRect{150, 210, 2000, 241}));
        EXPECT_TRUE(TextsOf(ops, "cells").empty());
    }
}

} // namespace
} // namespace zentyra
