#pragma once
// The recorded pages of one print job and the page geometry they are laid out for. The
// recorder is also the device of the page being recorded: drawing on it appends to that page.
#include "render/FontMetrics.h"
#include "render/PageDevice.h"
#include "render/PictureProbe.h"
#include "render/RecordedPage.h"

#include <optional>
#include <vector>

namespace zentyra {

// What the printer tells of its page: printable size in mm, printable size in device pixels,
// paper size in pixels and the unprintable left and top edges in pixels.
struct PageGeometry {
    double horzSizeMm = 0;
    double vertSizeMm = 0;
    double horzRes = 0;
    double vertRes = 0;
    double physicalWidth = 0;
    double physicalHeight = 0;
    double physicalOffsetX = 0;
    double physicalOffsetY = 0;

    // A paper without unprintable edges, as PDF and PNG export use; pixels at dpi.
    static PageGeometry ForPaper(double widthMm, double heightMm, double dpi);
};

// Margins in hundredths of a centimetre, measured from the paper edge.
struct PageMargins {
    int left = 150;
    int right = 100;
    int top = 50;
    int bottom = 150;
};

class PageRecorder final : public PageDevice {
public:
    PageRecorder(const FontMetrics& metrics, PictureProbe& pictures);

    void Reset();
    // Forgets the recorded pages and computes pageRect for the geometry and margins (from the
    // report settings when none are given).
    void Prepare(const PageGeometry& geometry);
    void Prepare(const PageGeometry& geometry, const PageMargins& margins);

    // Starts recording the next page; the open page is dropped unless closed first.
    bool OpenPage();
    // Appends the open page to the recorded ones; returns their number (0 if none was open).
    int ClosePage();
    bool pageOpen() const { return open_.has_value(); }

    // The recorded page printed as page n (1-based), or null.
    const RecordedPage* PageForPrint(int n) const;
    // Recorded page numbers (1-based) in print order.
    std::vector<int> PrintOrder() const;

    const std::vector<RecordedPage>& pages() const { return pages_; }
    const PageGeometry& geometry() const { return geometry_; }
    const FontMetrics& fontMetrics() const { return metrics_; }
    PictureProbe& pictures() { return pictures_; }

    int firstPage = 0; // recorded page at which printing starts; 0 = page 1
    // The number the open page gets when it is closed (the next one when none is open).
    int currentPage() const { return static_cast<int>(pages_.size()) + 1; }
    // Bookmarks and contents links of the recorded report; not part of any page.
    ReportNavigation navigation;
    PageRect pageRect;
    int pageWidth = 0;
    int pageHeight = 0;

    // PageDevice
    void SelectFont(ReportFont font) override { font_ = font; }
    ReportFont selectedFont() const override { return font_; }
    void SetTextAlign(TextAlign align) override { align_ = align; }
    TextAlign textAlign() const override { return align_; }
    void SetTextColour(Colour colour) override { colour_ = colour; }
    Colour textColour() const override { return colour_; }
    void TextOut(int x, int y, std::string_view text, const PageRect* clip = nullptr) override;
    void Line(PagePoint from, PagePoint to) override;
    void Picture(PictureKind kind, std::string_view file, PageRect box, PageRect rect) override;
    TextMetrics Metrics() const override { return metrics_.Metrics(font_); }
    int TextWidth(std::string_view text) const override { return metrics_.TextWidth(font_, text); }

private:
    const FontMetrics& metrics_;
    PictureProbe& pictures_;
    PageGeometry geometry_;
    std::vector<RecordedPage> pages_;
    std::optional<RecordedPage> open_;
    ReportFont font_ = ReportFont::Body;
    TextAlign align_;
    Colour colour_ = kBlack;
};

} // namespace zentyra
