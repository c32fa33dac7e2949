#include "render/ReportTable.h"

#include "platform/Path.h"
#include "platform/Text.h"
#include "render/ReportPainter.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace zentyra {

namespace {

constexpr int kCellPadding = 25;         // measured text width plus this is a column's width
constexpr int kHeadingExtra = 10;        // heading rows are this much taller than body rows
constexpr int kImageRowHeight = 360;     // a row of pictures
constexpr int kPictureSize = 300;        // the square box of one picture
constexpr int kPictureTop = 20;          // from the top of the picture row
constexpr int kSecondPictureX = 400;     // the second picture's box, from the first one's
constexpr int kHeadingGap = 10;          // between the heading block (or top rule) and the body
constexpr int kBandSpacing = 30;         // after every band, and before the notes
constexpr int kBandCloseStroke = 20;     // the outer borders run on this far to the closing rule
constexpr int kKeepTogetherRows = 5;     // body rows kept with the headings at a page break
constexpr int kNoteSecondColumnX = 1100; // 110 mm from the printable area's left edge

constexpr std::string_view kCheckMark = "\xE2\x9C\x94"; // U+2714
constexpr std::string_view kCrossMark = "\xE2\x9C\x98"; // U+2718
constexpr Colour kCheckColour{0, 255, 0};
constexpr Colour kCrossColour{255, 0, 0};

constexpr TextAlign kLeftTop{HAlign::Left, VAlign::Top};
constexpr TextAlign kCentreTop{HAlign::Centre, VAlign::Top};
constexpr TextAlign kRightTop{HAlign::Right, VAlign::Top};

// Cells of one row by column index, for the columns the table has.
using RowCells = std::vector<const TableCell*>;

// The layout of one Draw call: column widths, bands and the rows by role.
struct TableLayout {
    std::vector<int> widths;             // w: every measured row, fitted to the page
    std::vector<int> bodyWidths;         // b: body rows only, as measured
    std::vector<std::vector<int>> bands; // the columns after column 0 of every band
    std::vector<RowCells> headings;
    std::vector<RowCells> body;
    std::vector<RowCells> notes;
    std::vector<const TableRow*> rowsInOrder;
    // Per row of the table: the first picture row after it, or the row count when none follows.
    std::vector<std::size_t> nextPictureRow;
    int available = 0; // the usable width
    int rowHeight = 0; // r
    int tableLeft = 0; // left edge of the table on the page
};

int ToDevice(double coordinate) {
    return static_cast<int>(coordinate);
}

// Adds (or with a negative total, takes away) total spread over all columns, the remainder one
// unit each to the first columns.
void Spread(std::vector<int>& widths, int total) {
    const int count = static_cast<int>(widths.size());
    if (count == 0) return;
    const int sign = total < 0 ? -1 : 1;
    const int magnitude = total * sign;
    const int each = magnitude / count;
    const int remainder = magnitude - each * count;
    for (int i = 0; i < count; ++i)
        widths[static_cast<std::size_t>(i)] += sign * (each + (i < remainder ? 1 : 0));
}

int BandWidth(const TableLayout& layout, const std::vector<int>& band) {
    int width = layout.widths[0];
    for (int column : band)
        width += layout.widths[static_cast<std::size_t>(column)];
    return width;
}

// Column 0 and the band's columns, in drawing order.
std::vector<int> BandColumns(const std::vector<int>& band) {
    std::vector<int> columns{0};
    columns.insert(columns.end(), band.begin(), band.end());
    return columns;
}

std::vector<std::vector<int>> SplitIntoBands(const std::vector<int>& widths, int available) {
    const int count = static_cast<int>(widths.size());
    std::vector<std::vector<int>> bands;
    if (count == 1) {
        bands.emplace_back();
        return bands;
    }
    int start = 1;
    while (start < count) {
        std::vector<int> band{start};
        int width = widths[0] + widths[static_cast<std::size_t>(start)];
        int next = start + 1;
        while (next < count && width + widths[static_cast<std::size_t>(next)] <= available) {
            width += widths[static_cast<std::size_t>(next)];
            band.push_back(next);
            ++next;
        }
        bands.push_back(std::move(band));
        start = next;
    }
    return bands;
}

class TableDrawer {
public:
    TableDrawer(ReportPainter& painter, const TableLayout& layout, int flags, int& imageColumnX)
        : painter_(painter), layout_(layout), flags_(flags), imageColumnX_(imageColumnX) {}

    void DrawBand(std::size_t bandIndex) {
        const std::vector<int> columns = BandColumns(layout_.bands[bandIndex]);
        const int width = BandWidth(layout_, layout_.bands[bandIndex]);
        const bool firstBand = bandIndex == 0;
        const int r = layout_.rowHeight;
        const int headingCount = static_cast<int>(layout_.headings.size());
        const int bodyCount = static_cast<int>(layout_.body.size());
        bool firstRow = true;
        // A table of headings alone still shows them, with the room they need.
        if (bodyCount == 0 && headingCount > 0) {
            if (painter_.BottomLimit() - painter_.y < headingCount * r + kBandSpacing)
                painter_.NewPage(true);
            if (!painter_.dc) return;
            DrawBandTop(columns, width);
        }
        for (int j = 0; j < bodyCount; ++j) {
            const std::size_t tableIndex = layout_.headings.size() + static_cast<std::size_t>(j);
            const bool image = layout_.rowsInOrder[tableIndex]->HasImage();
            // Pictures are printed once, with the first band.
            if (image && !firstBand) continue;
            const int needed = image ? kImageRowHeight : SpaceForTextRow(tableIndex);
            const int free = painter_.BottomLimit() - painter_.y;
            const bool breakPage =
                firstRow ? free < headingCount * r +
                                      std::max(std::min(bodyCount, kKeepTogetherRows) * r, needed) +
                                      kBandSpacing
                         : free < needed;
            if (breakPage) {
                painter_.NewPage(true);
                firstRow = true;
            }
            if (!painter_.dc) return;
            if (firstRow) {
                DrawBandTop(columns, width);
                firstRow = false;
            }
            const int rowTop = painter_.y;
            if (image) {
                DrawPictureRow(layout_.body[static_cast<std::size_t>(j)]);
            } else {
                DrawTextRow(layout_.body[static_cast<std::size_t>(j)], columns);
            }
            if (flags_ & kTableOuterBorders) {
                int height = painter_.y - rowTop;
                if (height == 0) height = painter_.lineHeight;
                DrawOuterStrokes(rowTop, height, width);
            }
        }
        if (flags_ & kTableCloseBands) {
            if (flags_ & kTableOuterBorders) DrawOuterStrokes(painter_.y, kBandCloseStroke, width);
            painter_.y += kBandCloseStroke;
            Rule(painter_.y, width);
            painter_.y += 1;
        }
        painter_.y += kBandSpacing;
    }

    void DrawNotes() {
        painter_.y += kBandSpacing;
        painter_.SelectFont(ReportFont::Body);
        const int r = layout_.rowHeight;
        if (painter_.BottomLimit() - painter_.y < static_cast<int>(layout_.notes.size()) * r)
            painter_.NewPage(true);
        PageDevice* dc = painter_.dc;
        if (!dc) return;
        dc->SetTextAlign(kLeftTop);
        for (const RowCells& cells : layout_.notes) {
            if (!cells.empty()) dc->TextOut(layout_.tableLeft, painter_.y, cells[0]->cellText);
            if (cells.size() > 1) dc->TextOut(kNoteSecondColumnX, painter_.y, cells[1]->cellText);
            painter_.y += r;
        }
    }

private:
    // A text row followed by pictures is kept on one page with the rows up to them and the
    // first picture row.
    int SpaceForTextRow(std::size_t tableIndex) const {
        const int r = layout_.rowHeight;
        const std::size_t picture = layout_.nextPictureRow[tableIndex];
        if (picture >= layout_.rowsInOrder.size()) return r;
        const int between = static_cast<int>(picture - tableIndex - 1);
        return between * r + kImageRowHeight + r;
    }

    void Rule(int y, int width) {
        painter_.dc->Line({layout_.tableLeft, y}, {layout_.tableLeft + width, y});
    }

    void DrawOuterStrokes(int top, int height, int width) {
        const int left = layout_.tableLeft;
        painter_.dc->Line({left, top}, {left, top + height});
        painter_.dc->Line({left + width, top}, {left + width, top + height});
    }

    // Vertical strokes at the table's left edge and after every column of the band.
    void DrawColumnStrokes(const std::vector<int>& columns, int top, int height) {
        int x = layout_.tableLeft;
        painter_.dc->Line({x, top}, {x, top + height});
        for (int column : columns) {
            x += layout_.widths[static_cast<std::size_t>(column)];
            painter_.dc->Line({x, top}, {x, top + height});
        }
    }

    // The headings (or, without any, the top rule) at the start of a band and of every page.
    void DrawBandTop(const std::vector<int>& columns, int width) {
        if (!layout_.headings.empty()) {
            DrawHeadings(columns, width);
        } else if (flags_ & kTableOuterBorders) {
            Rule(painter_.y, width);
        }
        if (flags_ & kTableOuterBorders) DrawOuterStrokes(painter_.y, kHeadingGap, width);
        painter_.y += kHeadingGap;
    }

    void DrawHeadings(const std::vector<int>& columns, int width) {
        painter_.SelectFont(ReportFont::Body);
        PageDevice* dc = painter_.dc;
        dc->SetTextAlign(kCentreTop);
        const int height = layout_.rowHeight + kHeadingExtra;
        Rule(painter_.y, width);
        for (const RowCells& cells : layout_.headings) {
            DrawColumnStrokes(columns, painter_.y, height);
            int x = layout_.tableLeft;
            for (int column : columns) {
                const int w = layout_.widths[static_cast<std::size_t>(column)];
                dc->TextOut((x + x + w) / 2, painter_.y + kHeadingExtra,
                            cells[static_cast<std::size_t>(column)]->cellText);
                x += w;
            }
            painter_.y += height;
        }
        DrawColumnStrokes(columns, painter_.y, kHeadingGap);
        painter_.y += kHeadingGap;
        Rule(painter_.y, width);
        dc->SetTextAlign(kLeftTop);
    }

    void DrawTextRow(const RowCells& cells, const std::vector<int>& columns) {
        painter_.SelectFont(ReportFont::Body);
        const int r = layout_.rowHeight;
        int x = layout_.tableLeft;
        for (int column : columns) {
            const std::size_t i = static_cast<std::size_t>(column);
            const int w = layout_.widths[i];
            const PageRect cell{x, painter_.y, x + w, painter_.y + r};
            // Centre the widest body text of the column within its padding; an overfull column
            // starts its texts just inside the cell.
            double offset = std::floor((w - layout_.bodyWidths[i]) * 0.5);
            if (offset < -12.5) offset = -11.5;
            DrawCellText(*cells[i], cell, offset);
            x += w;
        }
        painter_.y += r;
    }

    void DrawCellText(const TableCell& cell, const PageRect& rect, double offset) {
        PageDevice* dc = painter_.dc;
        TextAlign align = kCentreTop;
        double point = (rect.left + rect.right) / 2; // the centre in whole units
        if (cell.align == kAlignLeft) {
            align = kLeftTop;
            point = rect.left + offset + 12.5;
        } else if (cell.align == kAlignRight) {
            align = kRightTop;
            point = rect.right - offset - 12.5;
        }
        const std::string_view text = cell.cellText;
        const std::size_t check = text.find(kCheckMark);
        const std::size_t cross = text.find(kCrossMark);
        if (check == std::string_view::npos && cross == std::string_view::npos) {
            dc->SetTextAlign(align);
            dc->TextOut(ToDevice(point), rect.top, text, &rect);
            return;
        }
        // A tick or a cross stands out in colour; the parts around it are placed one after the
        // other as the whole text would be.
        const std::size_t mark = std::min(check, cross);
        const Colour markColour = mark == check ? kCheckColour : kCrossColour;
        const int fullWidth = dc->TextWidth(text);
        int x = 0;
        if (align.horizontal == HAlign::Left) {
            x = ToDevice(point);
        } else if (align.horizontal == HAlign::Right) {
            x = ToDevice(point - fullWidth);
        } else {
            x = ToDevice(point) - fullWidth / 2;
        }
        const std::string_view parts[] = {text.substr(0, mark),
                                          text.substr(mark, kCheckMark.size()),
                                          text.substr(mark + kCheckMark.size())};
        dc->SetTextAlign(kLeftTop);
        for (std::size_t part = 0; part < 3; ++part) {
            if (part == 1) dc->SetTextColour(markColour);
            if (part == 2) dc->SetTextColour(kBlack);
            dc->TextOut(x, rect.top, parts[part], &rect);
            x += dc->TextWidth(parts[part]);
        }
    }

    void DrawPictureRow(const RowCells& cells) {
        const int x = layout_.widths[0];
        if (layout_.widths.size() < 2) {
            imageColumnX_ = x + 12;
        } else {
            imageColumnX_ =
                x + static_cast<int>((layout_.widths[1] - layout_.bodyWidths[1]) * 0.5 + 12.5);
        }
        const int x0 = layout_.tableLeft + imageColumnX_;
        const int top = painter_.y + kPictureTop;
        if (!cells.empty() && FileExists(cells[0]->imagePath)) {
            painter_.DrawImage(cells[0]->imagePath, 0,
                               PageRect{x0, top, x0 + kPictureSize, top + kPictureSize});
        }
        if (cells.size() > 1 && !cells[1]->imagePath.empty() && FileExists(cells[1]->imagePath)) {
            const int x1 = x0 + kSecondPictureX;
            painter_.DrawImage(cells[1]->imagePath, 0,
                               PageRect{x1, top, x1 + kPictureSize, top + kPictureSize});
        }
        painter_.y += kImageRowHeight;
    }

    ReportPainter& painter_;
    const TableLayout& layout_;
    int flags_;
    int& imageColumnX_;
};

} // namespace

bool TableRow::HasImage() const {
    return std::any_of(cells.begin(), cells.end(),
                       [](const TableCell& cell) { return !cell.imagePath.empty(); });
}

TableRow& ReportTable::RowAt(int row) {
    while (static_cast<int>(rows.size()) < row)
        rows.emplace_back();
    // Tables are filled row after row: the last row needs no walk through the list.
    if (row == static_cast<int>(rows.size())) return rows.back();
    return *std::next(rows.begin(), row - 1);
}

int ReportTable::AddCell(int row, std::string_view text, int align) {
    if (row < 1) return 0;
    TableRow& target = RowAt(row);
    target.cells.push_back(
        TableCell{std::string(text), static_cast<int>(Utf16Length(text)), align, {}});
    return static_cast<int>(target.cells.size());
}

int ReportTable::AddImageCell(int row, std::string_view imagePath) {
    if (row < 1) return 0;
    TableRow& target = RowAt(row);
    target.cells.push_back(TableCell{{}, 0, kAlignImage, std::string(imagePath)});
    return static_cast<int>(target.cells.size());
}

void ReportTable::SetCell(int row, int column, std::string_view text, int align) {
    if (row < 1 || column < 1) return;
    TableRow& target = RowAt(row);
    while (static_cast<int>(target.cells.size()) < column) {
        TableCell empty;
        empty.align = align;
        target.cells.push_back(std::move(empty));
    }
    TableCell& cell = *std::next(target.cells.begin(), column - 1);
    cell.cellText = std::string(text);
    cell.length = static_cast<int>(Utf16Length(text));
    cell.align = align;
    cell.imagePath.clear();
}

int ReportTable::FillColumn(int column, std::string_view text, std::string_view delimiters) {
    if (column < 1) return 0;
    int row = 0;
    std::size_t start = text.find_first_not_of(delimiters);
    while (start != std::string_view::npos) {
        const std::size_t end = text.find_first_of(delimiters, start);
        const std::string_view token = text.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start);
        SetCell(++row, column, token, kAlignCentre);
        start = end == std::string_view::npos ? end : text.find_first_not_of(delimiters, end);
    }
    if (row == 0) {
        SetCell(1, column, "", kAlignCentre);
        return 1;
    }
    return row;
}

int ReportTable::FillColumnFromLines(int column, std::string_view text) {
    return FillColumn(column, text, "\n\r\t");
}

TableRow* ReportTable::GetRow(int row) {
    if (row < 1 || row > static_cast<int>(rows.size())) return nullptr;
    return &*std::next(rows.begin(), row - 1);
}

int ReportTable::Draw(ReportPainter& painter, int flags) {
    if (rows.empty() || rows.front().cells.empty() || !painter.dc) return painter.y;
    const TextAlign savedAlign = painter.dc->textAlign();
    painter.dc->SetTextAlign(kLeftTop);

    TableLayout layout;
    const std::size_t columnCount = rows.front().cells.size();
    std::vector<RowCells> allCells;
    for (TableRow& row : rows) {
        while (row.cells.size() < columnCount)
            row.cells.emplace_back();
        RowCells cells;
        cells.reserve(columnCount);
        for (const TableCell& cell : row.cells) {
            if (cells.size() == columnCount) break;
            cells.push_back(&cell);
        }
        allCells.push_back(std::move(cells));
        layout.rowsInOrder.push_back(&row);
    }

    layout.nextPictureRow.assign(layout.rowsInOrder.size(), layout.rowsInOrder.size());
    for (std::size_t k = layout.rowsInOrder.size(); k-- > 1;) {
        layout.nextPictureRow[k - 1] =
            layout.rowsInOrder[k]->HasImage() ? k : layout.nextPictureRow[k];
    }

    painter.SelectFont(ReportFont::Body);
    layout.widths.assign(columnCount, 1);
    layout.bodyWidths.assign(columnCount, 1);
    std::size_t headingCount = 0;
    std::size_t bodyCount = 0;
    std::size_t noteCount = 0;
    for (std::size_t k = 0; k < allCells.size(); ++k) {
        const int kind = layout.rowsInOrder[k]->kind;
        const bool heading = (kind & kRowHeading) != 0;
        if (kind == kRowNote) {
            ++noteCount;
            continue;
        }
        heading ? ++headingCount : ++bodyCount;
        for (std::size_t i = 0; i < columnCount; ++i) {
            const int width = painter.dc->TextWidth(allCells[k][i]->cellText) + kCellPadding;
            layout.widths[i] = std::max(layout.widths[i], width);
            if (!heading) layout.bodyWidths[i] = std::max(layout.bodyWidths[i], width);
        }
    }
    // The rows stand in the order headings, body, notes; they are taken by position.
    for (std::size_t k = 0; k < allCells.size(); ++k) {
        if (k < headingCount) {
            layout.headings.push_back(allCells[k]);
        } else if (k < headingCount + bodyCount) {
            layout.body.push_back(allCells[k]);
        } else if (k < headingCount + bodyCount + noteCount) {
            layout.notes.push_back(allCells[k]);
        }
    }

    layout.tableLeft = painter.left() + leftInset;
    layout.available = (painter.right() - painter.left()) - leftInset - rightInset;
    int tableWidth = 0;
    for (int w : layout.widths)
        tableWidth += w;
    if ((flags & kTableWiden) && tableWidth < layout.available)
        Spread(layout.widths, layout.available - tableWidth);
    if ((flags & kTableShrink) && tableWidth > layout.available)
        Spread(layout.widths, layout.available - tableWidth);

    const TextMetrics metrics = painter.dc->Metrics();
    layout.rowHeight = metrics.height + metrics.externalLeading;
    layout.bands = SplitIntoBands(layout.widths, layout.available);

    TableDrawer drawer(painter, layout, flags, imageColumnX);
    for (std::size_t band = 0; band < layout.bands.size() && painter.dc; ++band)
        drawer.DrawBand(band);
    if (!layout.notes.empty() && painter.dc) drawer.DrawNotes();

    if (painter.dc) painter.dc->SetTextAlign(savedAlign);
    return painter.y;
}

} // namespace zentyra
