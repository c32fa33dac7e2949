#pragma once
// The tables the pieces print: rows of text cells (and of picture cells), heading rows repeated
// on every page and band, note rows after the table. Columns are measured from their texts,
// fitted to the printable width and split into bands when too wide; pages break between rows.
#include <list>
#include <string>
#include <string_view>

namespace zentyra {

class ReportPainter;

enum CellAlign : int {
    kAlignCentre = 0,
    kAlignLeft = 1,
    kAlignRight = 2,
    kAlignImage = 6,
};

enum RowKind : int {
    kRowBody = 0,
    kRowHeading = 1,
    kRowNote = 2,
};

enum TableFlags : int {
    kTableShrink = 1,
    kTableWiden = 2,
    kTableOuterBorders = 8,
    kTableCloseBands = 16,
};

struct TableCell {
    std::string cellText;
    int length = 0; // UTF-16 length of the text when set; 0 for picture cells
    int align = kAlignCentre;
    std::string imagePath; // not empty: a picture cell
};

struct TableRow {
    int kind = kRowBody; // kRowHeading, kRowNote, or both (counts as heading)
    std::list<TableCell> cells;

    bool HasImage() const;
};

class ReportTable {
public:
    // Rows and columns count from 1.
    int AddCell(int row, std::string_view text, int align);
    int AddImageCell(int row, std::string_view imagePath);
    void SetCell(int row, int column, std::string_view text, int align);
    int FillColumn(int column, std::string_view text, std::string_view delimiters);
    int FillColumnFromLines(int column, std::string_view text);
    TableRow* GetRow(int row);

    // Draws at the painter's y, leaves y under the table and returns it.
    int Draw(ReportPainter& painter, int flags);

    int leftInset = 0;
    int rightInset = 0;
    int imageColumnX = 0;
    std::list<TableRow> rows;

private:
    TableRow& RowAt(int row); // creating rows up to it
};

} // namespace zentyra
