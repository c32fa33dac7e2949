#pragma once
// A recorded page: the display list of one page, in drawing order and page units. Replay,
// export and the page dump read nothing else.
#include "render/PageTypes.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace zentyra {

struct TextOp {
    PagePoint at; // the reference point that the alignment applies to
    std::string text;
    ReportFont font = ReportFont::Body;
    TextAlign align;
    std::optional<PageRect> clip;
    Colour colour;
    // Measured when recorded, so that replay places the text exactly as the layout did.
    int width = 0;
    int ascent = 0;
    int descent = 0;
};

struct LineOp {
    PagePoint from;
    PagePoint to;
};

struct PictureOp {
    std::string file;
    PageRect box;  // the box the layout asked for
    PageRect rect; // the fitted rectangle the picture fills
    PictureKind kind = PictureKind::Bitmap;
};

using PageOp = std::variant<TextOp, LineOp, PictureOp>;

struct RecordedPage {
    std::vector<PageOp> ops;
};

// Where the report's parts begin, for the bookmarks and links of an exported document. Pages
// are recorded page numbers (1-based); nothing here is drawn.
struct OutlineEntry {
    int level = 0;     // 0 for the cover, the contents and the chapters, 1 for their pieces
    std::string title; // numbered as printed
    int page = 0;
    int y = 0; // where on that page it begins
};

// A line of the contents page and the page it names.
struct PageLink {
    int page = 0;
    PageRect area;
    int targetPage = 0;
    int targetY = 0;
};

struct ReportNavigation {
    std::vector<OutlineEntry> outline; // the cover and the contents first, then in print order
    std::vector<PageLink> links;
};

} // namespace zentyra
