#pragma once
// The render context of one layout run: it walks the report tree, numbers chapters and pieces,
// breaks pages, draws the logo strip, header and footer of every page, and hands itself to each
// ticked piece's Draw. Pieces read and advance its cursor y and draw through dc.
#include "render/PageRecorder.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace zentyra {

class CBasePiece;
class ProjectFile;

// Where DrawImage places a picture in its box; no flag centres it on that axis.
enum FitFlags : int {
    kFitLeft = 1,
    kFitRight = 2,
    kFitTop = 4,
    kFitBottom = 8,
};

// The largest rectangle of a w x h picture inside box, placed by fitFlags.
PageRect FitPicture(double w, double h, PageRect box, int fitFlags);

class ReportPainter {
public:
    ReportPainter(PageRecorder& recorder, ProjectFile& project);

    void RenderReport();
    int NewPage(bool pageNumberInFooter);
    void DrawPieceTitle(std::string_view title);
    void DrawSectionTitle(std::string_view text);
    int DrawImage(const std::string& path, int fitFlags, PageRect box);
    void DrawIndex();
    // Word-wrapped text from the cursor y between left and right in the selected font; returns
    // the y under the paragraph and leaves the cursor alone.
    int DrawParagraph(int left, int right, std::string_view text);

    // Selects one of the seven fonts into the page and takes its height as lineHeight.
    void SelectFont(ReportFont font);
    // Text at (x, y) in the selected font and the page's alignment.
    void Text(int x, int y, std::string_view text) {
        if (dc) dc->TextOut(x, y, text);
    }

    int left() const { return recorder.pageRect.left; }
    int top() const { return recorder.pageRect.top; }
    int right() const { return recorder.pageRect.right; }
    int bottom() const { return recorder.pageRect.bottom; }
    int FontHeight(ReportFont font) const;
    int BottomLimit() const { return bottom() - (2 * gap + FontHeight(ReportFont::Body)); }
    int FreeSpace() const { return BottomLimit() - y; }

    ProjectFile& project;
    PageRecorder& recorder;
    // The page being drawn: the recorder once a page is open, null before the first page.
    PageDevice* dc = nullptr;
    int chapterNumber = 0;
    int pieceNumber = 0;
    bool afterTitle = true;
    int pageCount = 0;
    int y = 0;
    int gap = 10;
    int lineHeight = 0;

private:
    void DrawLogoStrip();
    void DrawHeader();
    void DrawFooter(bool pageNumberInFooter);
    // A bookmark where item begins: here, on the open page.
    void AddOutlineEntry(int level, std::string title, const CBasePiece* item,
                         bool frontMatter = false);
    // The contents line just drawn at y links to where target began.
    void AddContentsLink(const CBasePiece* target);

    std::string logoPath_; // empty without a configuration directory
    std::unordered_map<const CBasePiece*, std::pair<int, int>> starts_; // page and y
    std::size_t frontMatterEntries_ = 0;
};

// One layout run on a prepared recorder: the painter walks the report, then the last page is
// closed. Returns the number of recorded pages.
int LayOutReport(PageRecorder& recorder, ProjectFile& project);

} // namespace zentyra
