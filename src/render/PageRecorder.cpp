#include "render/PageRecorder.h"

#include "settings/ReportSettings.h"

#include <cmath>

namespace zentyra {

PageGeometry PageGeometry::ForPaper(double widthMm, double heightMm, double dpi) {
    PageGeometry g;
    g.horzSizeMm = widthMm;
    g.vertSizeMm = heightMm;
    // Devices have whole pixels.
    g.horzRes = std::round(widthMm / 25.4 * dpi);
    g.vertRes = std::round(heightMm / 25.4 * dpi);
    g.physicalWidth = g.horzRes;
    g.physicalHeight = g.vertRes;
    return g;
}

PageRecorder::PageRecorder(const FontMetrics& metrics, PictureProbe& pictures)
    : metrics_(metrics), pictures_(pictures) {}

void PageRecorder::Reset() {
    open_.reset();
    pages_.clear();
    firstPage = 0;
    navigation = {};
}

void PageRecorder::Prepare(const PageGeometry& geometry) {
    const ReportSettings& settings = ReportSettings::instance();
    Prepare(geometry, PageMargins{settings.marginLeft, settings.marginRight, settings.marginTop,
                                  settings.marginBottom});
}

void PageRecorder::Prepare(const PageGeometry& geometry, const PageMargins& margins) {
    Reset();
    geometry_ = geometry;
    const PageGeometry& g = geometry;
    // A device that reports no pixels has no unprintable edges worth the name.
    auto perPixel = [](double mm, double pixels) { return pixels > 0 ? mm / pixels : 0.0; };
    const double mmPerPixelX = perPixel(g.horzSizeMm, g.horzRes);
    const double mmPerPixelY = perPixel(g.vertSizeMm, g.vertRes);
    const double unprintableLeft = g.physicalOffsetX * mmPerPixelX;
    const double unprintableTop = g.physicalOffsetY * mmPerPixelY;
    const double unprintableRight = (g.physicalWidth - g.physicalOffsetX - g.horzRes) * mmPerPixelX;
    const double unprintableBottom =
        (g.physicalHeight - g.physicalOffsetY - g.vertRes) * mmPerPixelY;
    const double left = margins.left / 10.0;
    const double right = margins.right / 10.0;
    const double top = margins.top / 10.0;
    const double bottom = margins.bottom / 10.0;
    pageRect.left = static_cast<int>((left - unprintableLeft) * 10);
    pageRect.top = static_cast<int>((top - unprintableTop) * 10);
    pageRect.right = static_cast<int>((g.horzSizeMm - (right - unprintableRight)) * 10);
    pageRect.bottom = static_cast<int>((g.vertSizeMm - (bottom - unprintableBottom)) * 10);
    pageWidth = pageRect.width();
    pageHeight = pageRect.height();
}

bool PageRecorder::OpenPage() {
    open_.emplace();
    font_ = ReportFont::Body;
    align_ = TextAlign{};
    colour_ = kBlack;
    return true;
}

int PageRecorder::ClosePage() {
    if (!open_) return 0;
    pages_.push_back(std::move(*open_));
    open_.reset();
    return static_cast<int>(pages_.size());
}

const RecordedPage* PageRecorder::PageForPrint(int n) const {
    const int count = static_cast<int>(pages_.size());
    int p = n;
    if (firstPage != 0) {
        p = n + firstPage - 1;
        if (p > count) p -= count;
    }
    if (p < 1 || p > count) return nullptr;
    return &pages_[static_cast<std::size_t>(p - 1)];
}

std::vector<int> PageRecorder::PrintOrder() const {
    std::vector<int> order;
    for (int n = 1; n <= static_cast<int>(pages_.size()); ++n) {
        const RecordedPage* page = PageForPrint(n);
        if (!page) break;
        order.push_back(static_cast<int>(page - pages_.data()) + 1);
    }
    return order;
}

void PageRecorder::TextOut(int x, int y, std::string_view text, const PageRect* clip) {
    if (!open_) return;
    const TextMetrics m = metrics_.Metrics(font_);
    TextOp op;
    op.at = {x, y};
    op.text = std::string(text);
    op.font = font_;
    op.align = align_;
    if (clip) op.clip = *clip;
    op.colour = colour_;
    op.width = metrics_.TextWidth(font_, text);
    op.ascent = m.ascent;
    op.descent = m.descent;
    open_->ops.emplace_back(std::move(op));
}

void PageRecorder::Line(PagePoint from, PagePoint to) {
    if (!open_) return;
    open_->ops.emplace_back(LineOp{from, to});
}

void PageRecorder::Picture(PictureKind kind, std::string_view file, PageRect box, PageRect rect) {
    if (!open_) return;
    open_->ops.emplace_back(PictureOp{std::string(file), box, rect, kind});
}

} // namespace zentyra
