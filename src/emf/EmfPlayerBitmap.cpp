// Bitmap records of the player: StretchDIBits, SetDIBitsToDevice and the blits. Raster
// operations have no counterpart in a PDF, so they become images with alpha that look the same
// over the usual white or already drawn background.
#include "emf/EmfPlayer.h"

#include "emf/EmfDib.h"
#include "emf/EmfGeometry.h"

#include <uemf.h>

#include <QPainter>

#include <cmath>

namespace zentyra::emf {

namespace {

constexpr std::uint32_t kHalftone = 4;      // SetStretchBltMode(HALFTONE)
constexpr std::uint8_t kSourceAlpha = 0x01; // AC_SRC_ALPHA

// Pixels of one exact colour become transparent; the rest are drawn as they are.
QImage WithTransparentColor(QImage image, QRgb color) {
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0xFFFFFF) == (color & 0xFFFFFF)) line[x] = 0;
    }
    return image;
}

// The mask's brightness becomes the image's alpha (white keeps the image, black hides it).
QImage WithMaskAlpha(QImage image, const QImage& mask) {
    image = image.convertToFormat(QImage::Format_ARGB32);
    if (mask.isNull()) return image;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const int my = int(std::int64_t{y} * mask.height() / image.height());
        const auto* maskLine = reinterpret_cast<const QRgb*>(mask.constScanLine(my));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb m = maskLine[std::int64_t{x} * mask.width() / image.width()];
            const int alpha = qAlpha(line[x]) * qGray(m) * qAlpha(m) / (255 * 255);
            line[x] = qRgba(qRed(line[x]), qGreen(line[x]), qBlue(line[x]), alpha);
        }
    }
    return image;
}

bool IsSrcCopyLike(std::uint32_t rop) {
    return rop != U_SRCPAINT && rop != U_SRCAND && rop != U_SRCINVERT && rop != U_NOTSRCCOPY;
}

} // namespace

void Player::DrawBitmapRecord(const Record& record) {
    const std::uint32_t type = record.type();
    BitmapDraw draw;
    DibLocation location;
    QPointF sourceOrigin;
    QSizeF sourceSize;
    QTransform sourceTransform; // source logical units to bitmap pixels
    bool sourceFromBottom = false;
    DibAlpha alpha = DibAlpha::IfPresent;
    double opacity = 1;
    std::optional<QRgb> transparentColor;
    QImage mask;

    if (type == U_EMR_STRETCHDIBITS || type == U_EMR_SETDIBITSTODEVICE) {
        const QPointF dest = ReadPoint(record, 24);
        sourceOrigin = ReadPoint(record, 32);
        sourceSize = QSizeF(record.I32(40), record.I32(44));
        location = {record.U32(48), record.U32(52), record.U32(56), record.U32(60), record.U32(64)};
        const bool stretch = type == U_EMR_STRETCHDIBITS;
        draw.rop = stretch ? record.U32(68) : U_SRCCOPY;
        const QSizeF destSize = stretch ? QSizeF(record.I32(72), record.I32(76)) : sourceSize;
        draw.destination = QRectF(dest, destSize);
        // These records count source rows from the bottom of a bottom-up bitmap.
        sourceFromBottom = record.I32(std::uint64_t{location.infoOffset} + 8) > 0;
    } else {
        // BitBlt, StretchBlt, MaskBlt, AlphaBlend and TransparentBlt share their first fields.
        draw.destination = QRectF(ReadPoint(record, 24), QSizeF(record.I32(32), record.I32(36)));
        draw.rop = record.U32(40);
        sourceOrigin = ReadPoint(record, 44);
        sourceTransform = ReadXform(record, 52);
        location = {record.U32(84), record.U32(88), record.U32(92), record.U32(96), record.U32(80)};
        sourceSize = draw.destination.size();
        if (type != U_EMR_BITBLT && type != U_EMR_MASKBLT)
            sourceSize = QSizeF(record.I32(100), record.I32(104));
        if (type == U_EMR_ALPHABLEND) {
            draw.rop = U_SRCCOPY;
            opacity = record.U8(42) / 255.0;
            alpha = (record.U8(43) & kSourceAlpha) ? DibAlpha::Premultiplied : DibAlpha::Opaque;
        } else if (type == U_EMR_TRANSPARENTBLT) {
            transparentColor = ColorFromRef(record.U32(40)).rgb();
            draw.rop = U_SRCCOPY;
        } else if (type == U_EMR_MASKBLT) {
            // The foreground operation applies where the mask is set; elsewhere the
            // destination stays, which the mask as alpha reproduces.
            mask = DecodeDib(record,
                             {record.U32(112), record.U32(116), record.U32(120), record.U32(124),
                              record.U32(108)},
                             DibAlpha::Opaque);
            draw.rop &= 0x00FFFFFF;
        }
        if (location.infoSize == 0) {
            FlushPendingMask();
            FillDestination(draw.destination.normalized(), draw.rop);
            return;
        }
    }
    // A pending mask only pairs with the SRCAND record right after it.
    if (draw.rop != U_SRCAND) FlushPendingMask();
    draw.image = DecodeDib(record, location, IsSrcCopyLike(draw.rop) ? alpha : DibAlpha::Opaque);
    if (draw.image.isNull()) return;

    QRectF source(sourceOrigin, sourceSize);
    if (sourceFromBottom)
        source.moveTop(draw.image.height() - sourceOrigin.y() - sourceSize.height());
    else if (IsUsable(sourceTransform))
        source = sourceTransform.mapRect(source.normalized());
    const QRectF bounds(draw.image.rect());
    draw.source = source.normalized().intersected(bounds);
    if (draw.source.isEmpty()) draw.source = bounds;

    if (transparentColor) draw.image = WithTransparentColor(draw.image, *transparentColor);
    if (!mask.isNull()) draw.image = WithMaskAlpha(draw.image, mask);
    const double previousOpacity = painter_.opacity();
    painter_.setOpacity(previousOpacity * opacity);
    DrawBitmap(std::move(draw));
    painter_.setOpacity(previousOpacity);
}

void Player::DrawBitmap(BitmapDraw draw) {
    const QTransform toDevice = LogicalToDevice();
    switch (draw.rop) {
    case U_SRCPAINT:
        // The first half of a mask pair (or "source OR destination"): wait for the second.
        FlushPendingMask();
        pendingMask_ = PendingMask{std::move(draw), toDevice};
        return;
    case U_SRCAND:
        if (pendingMask_ && pendingMask_->mask.destination == draw.destination &&
            pendingMask_->logicalToDevice == toDevice) {
            draw.image = WithMaskAlpha(draw.image, pendingMask_->mask.image);
            pendingMask_.reset();
        } else {
            // "Source AND destination" over white shows the source; its white shows nothing.
            FlushPendingMask();
            draw.image = WithTransparentColor(draw.image, qRgb(255, 255, 255));
        }
        break;
    case U_SRCINVERT:
        draw.image = WithTransparentColor(draw.image, qRgb(0, 0, 0));
        break;
    case U_NOTSRCCOPY:
        draw.image.invertPixels(QImage::InvertRgb);
        break;
    case U_NOOP:
    case U_DSTINVERT:
    case U_PATINVERT:
        return;
    default:
        break;
    }

    const QRectF& src = draw.source;
    const QRectF& dest = draw.destination;
    if (src.width() <= 0 || src.height() <= 0 || dest.width() == 0 || dest.height() == 0) return;
    const double sx = dest.width() / src.width(), sy = dest.height() / src.height();
    // Bitmap pixels to logical units; negative destination sizes mirror the bitmap.
    const QTransform imageToLogical(sx, 0, 0, sy, dest.left() - src.left() * sx,
                                    dest.top() - src.top() * sy);
    const QTransform imageToDevice = imageToLogical * toDevice;
    if (!PrepareDrawing(imageToDevice * deviceToTarget_ * base_)) return;
    // Smooth when asked to (HALFTONE) and when shrinking; enlarged pixels stay sharp, as GDI
    // shows them.
    const double devicePixelsPerImagePixel =
        std::sqrt(std::abs(painter_.combinedTransform().determinant()));
    painter_.setRenderHint(QPainter::SmoothPixmapTransform,
                           dc_.stretchMode == kHalftone || devicePixelsPerImagePixel < 1);
    if (!deviceUniverse_.contains(imageToDevice.mapRect(src))) {
        // Far larger than the frame: paint only the part that can show, as a textured area.
        QPainterPath area;
        area.addRect(src);
        FillArea(area, QBrush(draw.image), imageToDevice);
        return;
    }
    painter_.drawImage(src.topLeft(), draw.image, src);
}

void Player::FillDestination(const QRectF& logical, std::uint32_t rop) {
    BrushSpec brush;
    switch (rop) {
    case U_BLACKNESS:
        brush.color = Qt::black;
        break;
    case U_WHITENESS:
        brush.color = Qt::white;
        break;
    case U_PATCOPY:
    case U_PATPAINT:
        brush = dc_.brush;
        break;
    default:
        return; // operations that only rework the destination cannot be reproduced
    }
    QPainterPath area;
    area.addRect(logical);
    FillWithBrush(area, brush);
}

void Player::FlushPendingMask() {
    if (!pendingMask_) return;
    // A mask that found no partner: "source OR destination" leaves the destination where the
    // source is black.
    BitmapDraw draw = std::move(pendingMask_->mask);
    pendingMask_.reset();
    draw.image = WithTransparentColor(draw.image, qRgb(0, 0, 0));
    draw.rop = U_SRCCOPY;
    DrawBitmap(std::move(draw));
}

} // namespace zentyra::emf
