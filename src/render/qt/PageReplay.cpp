#include "render/qt/PageReplay.h"

#include "emf/EmfPicture.h"
#include "render/qt/PictureCache.h"
#include "render/qt/QtFontMetrics.h"

#include <QPainter>
#include <QPen>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace zentyra {

namespace {

// Qt takes whole pixel sizes and truncates advances to 1/64 px, so text is drawn with a font 64
// times larger under a 1/64 scale: exact fractional em sizes and advances on every device.
constexpr double kTextScale = 64;
// Bitmaps never need more detail than a 300 dpi printer shows.
constexpr double kMaxPixelsPerUnit = 300.0 / 254.0;

QRectF ToRectF(const PageRect& rect) {
    return QRectF(rect.left, rect.top, rect.width(), rect.height());
}

QColor ToQColor(const Colour& colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

class OpReplayer {
public:
    OpReplayer(QPainter& painter, PictureCache& pictures)
        : painter_(painter), pictures_(pictures) {}

    void operator()(const TextOp& op) {
        if (op.text.empty()) return;
        if (op.clip && (op.clip->width() <= 0 || op.clip->height() <= 0)) return;
        int left = op.at.x;
        if (op.align.horizontal == HAlign::Centre) left = op.at.x - op.width / 2;
        if (op.align.horizontal == HAlign::Right) left = op.at.x - op.width;
        int baseline = op.at.y;
        if (op.align.vertical == VAlign::Top) baseline = op.at.y + op.ascent;
        if (op.align.vertical == VAlign::Bottom) baseline = op.at.y - op.descent;

        painter_.save();
        if (op.clip) painter_.setClipRect(ToRectF(*op.clip), Qt::IntersectClip);
        painter_.setPen(ToQColor(op.colour));
        painter_.translate(left, baseline);
        painter_.scale(1 / kTextScale, 1 / kTextScale);
        painter_.setFont(FontFor(op.font));
        painter_.drawText(QPointF(0, 0), ReportText(op.text));
        painter_.restore();
    }

    void operator()(const LineOp& op) {
        painter_.save();
        QPen pen(ToQColor(kRulePenColour));
        // One unit wide, but never thinner than a device pixel, as a printer driver draws it.
        const QTransform toDevice = painter_.combinedTransform();
        const double pixelsPerUnit = std::min(std::hypot(toDevice.m11(), toDevice.m12()),
                                              std::hypot(toDevice.m21(), toDevice.m22()));
        pen.setWidthF(pixelsPerUnit > 0 && pixelsPerUnit < 1 ? 1 / pixelsPerUnit : 1.0);
        // Geometric pens of a printer driver end round.
        pen.setCapStyle(Qt::RoundCap);
        painter_.setPen(pen);
        painter_.setBrush(Qt::NoBrush);
        painter_.drawLine(QPointF(op.from.x, op.from.y), QPointF(op.to.x, op.to.y));
        painter_.restore();
    }

    void operator()(const PictureOp& op) {
        const QRectF target = ToRectF(op.rect);
        if (target.isEmpty()) return;
        if (op.kind == PictureKind::Bitmap)
            DrawBitmap(op.file, target);
        else
            DrawMetafile(op.file, target);
    }

private:
    void DrawBitmap(const std::string& file, const QRectF& target) {
        const QRectF device = painter_.combinedTransform().mapRect(target);
        const auto pixels = [](double deviceLength, double units) {
            return static_cast<int>(
                std::max(1.0, std::round(std::min(deviceLength, units * kMaxPixelsPerUnit))));
        };
        const QSize wanted(pixels(device.width(), target.width()),
                           pixels(device.height(), target.height()));
        const QImage image = pictures_.Bitmap(file, wanted);
        if (image.isNull()) return;
        painter_.save();
        painter_.setRenderHint(QPainter::SmoothPixmapTransform);
        painter_.drawImage(target, image);
        painter_.restore();
    }

    void DrawMetafile(const std::string& file, const QRectF& target) {
        const std::shared_ptr<const EmfPicture> picture = pictures_.Metafile(file);
        if (!picture) return;
        const QTransform toDevice = painter_.combinedTransform();
        bool invertible = false;
        const QTransform toPage = toDevice.inverted(&invertible);
        if (!invertible) return;
        // The picture may not draw outside its rectangle: clip to it in whole device pixels,
        // one pixel larger to the right and below so that its last row and column stay.
        const QRectF device = toDevice.mapRect(target);
        const QRectF clip(QPointF(std::round(device.left()), std::round(device.top())),
                          QPointF(std::round(device.right()) + 1, std::round(device.bottom()) + 1));
        painter_.save();
        painter_.setClipRect(toPage.mapRect(clip), Qt::IntersectClip);
        picture->Play(painter_, target);
        painter_.restore();
    }

    const QFont& FontFor(ReportFont font) {
        std::optional<QFont>& slot = fonts_[static_cast<std::size_t>(font)];
        if (!slot)
            slot = MakeReportQFont(
                font, static_cast<int>(std::lround(ReportFontEmSize(font) * kTextScale)));
        return *slot;
    }

    QPainter& painter_;
    PictureCache& pictures_;
    std::array<std::optional<QFont>, kReportFontCount> fonts_;
};

} // namespace

void ReplayPage(const RecordedPage& page, QPainter& painter, PictureCache& pictures) {
    OpReplayer replayer(painter, pictures);
    for (const PageOp& op : page.ops)
        std::visit(replayer, op);
}

} // namespace zentyra
