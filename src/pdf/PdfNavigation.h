#pragma once
// Bookmarks, contents links and document information added to a finished PDF. Qt's PDF writer
// has none of them, so the document is written first and then rewritten through qpdf.
#include <string>
#include <vector>

namespace zentyra {

struct PdfDocumentInfo {
    std::string title;
    std::string author;
    std::string subject;
    std::string creator;
};

// Pages are 0-based positions in the document; coordinates are PDF points from the page's
// bottom-left corner.
struct PdfBookmark {
    int level = 0; // 0 at the top; a level-1 bookmark sits below the level-0 one before it
    std::string title;
    int page = 0;
    double top = 0;
};

struct PdfLinkArea {
    int page = 0;
    double left = 0;
    double bottom = 0;
    double right = 0;
    double top = 0;
    int targetPage = 0;
    double targetTop = 0;
};

struct PdfNavigation {
    PdfDocumentInfo info;
    std::vector<PdfBookmark> bookmarks;
    std::vector<PdfLinkArea> links;
};

// Whether path can be written, tried on the temporary file that WritePdfWithNavigation writes
// first (and removed again), so that a long export finds out before it starts. On failure
// returns false and, when error is given, a message naming the file.
bool CanWritePdf(const std::string& path, std::string* error);

// Reads the PDF in pdf, adds the navigation and writes the result to path (through a
// temporary file beside it, so a failure leaves no half-written file). Bookmarks and links
// naming pages the document does not have are left out. On failure returns false and, when
// error is given, a message naming the file.
bool WritePdfWithNavigation(const std::string& pdf, const PdfNavigation& navigation,
                            const std::string& path, std::string* error);

} // namespace zentyra
