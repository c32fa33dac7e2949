#include "emf/EmfPlayer.h"

#include "emf/EmfGeometry.h"

#include <uemf.h>

#include <QBrush>
#include <QLinearGradient>
#include <QPainter>
#include <QPen>
#include <QRegion>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zentyra::emf {

namespace {

// Deeper SaveDC nesting than any real picture needs; beyond it SaveDC is ignored.
constexpr std::size_t kMaxSavedStates = 1024;
// Object indexes are 16-bit in the header; nothing sensible lies above.
constexpr std::uint32_t kMaxObjects = 65536;
// Region data beyond this many rectangles is reduced to its bounds; clip arithmetic on huge
// rectangle lists costs far more than it gives.
constexpr std::uint32_t kMaxRegionRects = 4096;
// A dash pattern repeated more often than this over a shape's extent is drawn solid: it would
// look solid anyway and the stroker would spend its time on invisible dashes.
constexpr double kMaxDashRepeats = 100000;
constexpr std::uint32_t kModifyWorldSet = 4; // MWT_SET, newer than libUEMF's list

// Size of one logical unit in micrometres for the fixed mapping modes.
std::optional<double> FixedModeUnitMicrons(std::uint32_t mode) {
    switch (mode) {
    case U_MM_LOMETRIC:
        return 100.0;
    case U_MM_HIMETRIC:
        return 10.0;
    case U_MM_LOENGLISH:
        return 254.0;
    case U_MM_HIENGLISH:
        return 25.4;
    case U_MM_TWIPS:
        return 25400.0 / 1440.0;
    default:
        return std::nullopt;
    }
}

bool IsSixteenBitPoly(std::uint32_t type) {
    return type >= U_EMR_POLYBEZIER16 && type <= U_EMR_POLYPOLYGON16;
}

// Points of a poly record; empty when the declared count does not fit the record.
QPolygonF ReadPoints(const Record& record, std::uint64_t offset, std::uint32_t count,
                     bool sixteenBit) {
    const std::uint64_t pointSize = sixteenBit ? 4 : 8;
    if (!record.Fits(offset, pointSize * count)) return {};
    QPolygonF points;
    points.reserve(static_cast<qsizetype>(count));
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint64_t at = offset + pointSize * i;
        points.append(sixteenBit ? QPointF(record.I16(at), record.I16(at + 2))
                                 : QPointF(record.I32(at), record.I32(at + 4)));
    }
    return points;
}

void AppendBeziers(QPainterPath& path, const QPolygonF& points, qsizetype first) {
    for (qsizetype i = first; i + 2 < points.size(); i += 3)
        path.cubicTo(points[i], points[i + 1], points[i + 2]);
}

} // namespace

bool IsPlayedRecordType(std::uint32_t type) {
    switch (type) {
    case U_EMR_POLYBEZIER:
    case U_EMR_POLYGON:
    case U_EMR_POLYLINE:
    case U_EMR_POLYBEZIERTO:
    case U_EMR_POLYLINETO:
    case U_EMR_POLYPOLYLINE:
    case U_EMR_POLYPOLYGON:
    case U_EMR_SETWINDOWEXTEX:
    case U_EMR_SETWINDOWORGEX:
    case U_EMR_SETVIEWPORTEXTEX:
    case U_EMR_SETVIEWPORTORGEX:
    case U_EMR_SETMAPMODE:
    case U_EMR_SETBKMODE:
    case U_EMR_SETPOLYFILLMODE:
    case U_EMR_SETSTRETCHBLTMODE:
    case U_EMR_SETTEXTALIGN:
    case U_EMR_SETTEXTCOLOR:
    case U_EMR_SETBKCOLOR:
    case U_EMR_OFFSETCLIPRGN:
    case U_EMR_MOVETOEX:
    case U_EMR_EXCLUDECLIPRECT:
    case U_EMR_INTERSECTCLIPRECT:
    case U_EMR_SCALEVIEWPORTEXTEX:
    case U_EMR_SCALEWINDOWEXTEX:
    case U_EMR_SAVEDC:
    case U_EMR_RESTOREDC:
    case U_EMR_SETWORLDTRANSFORM:
    case U_EMR_MODIFYWORLDTRANSFORM:
    case U_EMR_SELECTOBJECT:
    case U_EMR_CREATEPEN:
    case U_EMR_CREATEBRUSHINDIRECT:
    case U_EMR_DELETEOBJECT:
    case U_EMR_ANGLEARC:
    case U_EMR_ELLIPSE:
    case U_EMR_RECTANGLE:
    case U_EMR_ROUNDRECT:
    case U_EMR_ARC:
    case U_EMR_CHORD:
    case U_EMR_PIE:
    case U_EMR_LINETO:
    case U_EMR_ARCTO:
    case U_EMR_POLYDRAW:
    case U_EMR_SETARCDIRECTION:
    case U_EMR_SETMITERLIMIT:
    case U_EMR_BEGINPATH:
    case U_EMR_ENDPATH:
    case U_EMR_CLOSEFIGURE:
    case U_EMR_FILLPATH:
    case U_EMR_STROKEANDFILLPATH:
    case U_EMR_STROKEPATH:
    case U_EMR_WIDENPATH:
    case U_EMR_SELECTCLIPPATH:
    case U_EMR_ABORTPATH:
    case U_EMR_FILLRGN:
    case U_EMR_PAINTRGN:
    case U_EMR_EXTSELECTCLIPRGN:
    case U_EMR_BITBLT:
    case U_EMR_STRETCHBLT:
    case U_EMR_MASKBLT:
    case U_EMR_SETDIBITSTODEVICE:
    case U_EMR_STRETCHDIBITS:
    case U_EMR_EXTCREATEFONTINDIRECTW:
    case U_EMR_EXTTEXTOUTA:
    case U_EMR_EXTTEXTOUTW:
    case U_EMR_POLYBEZIER16:
    case U_EMR_POLYGON16:
    case U_EMR_POLYLINE16:
    case U_EMR_POLYBEZIERTO16:
    case U_EMR_POLYLINETO16:
    case U_EMR_POLYPOLYLINE16:
    case U_EMR_POLYPOLYGON16:
    case U_EMR_POLYDRAW16:
    case U_EMR_CREATEMONOBRUSH:
    case U_EMR_CREATEDIBPATTERNBRUSHPT:
    case U_EMR_EXTCREATEPEN:
    case U_EMR_SMALLTEXTOUT:
    case U_EMR_ALPHABLEND:
    case U_EMR_TRANSPARENTBLT:
    case U_EMR_GRADIENTFILL:
        return true;
    default:
        // Comments (EMF+ included), palettes, colour management and unknown records.
        return false;
    }
}

Player::Player(const Document& document, QPainter& painter, const QRectF& target)
    : document_(document), painter_(painter), target_(target), base_(painter.worldTransform()) {
    const Header& header = document.header;
    const double frameWidth = double(header.frame.right) - header.frame.left + 1;
    const double frameHeight = double(header.frame.bottom) - header.frame.top + 1;
    // Device pixel -> 0.01 mm -> target.
    const double sx = header.micronsPerPixelX / 10.0 * target.width() / frameWidth;
    const double sy = header.micronsPerPixelY / 10.0 * target.height() / frameHeight;
    deviceToTarget_ =
        QTransform(sx, 0, 0, sy, target.left() - header.frame.left * target.width() / frameWidth,
                   target.top() - header.frame.top * target.height() / frameHeight);
    const QRectF frameInDevice = deviceToTarget_.inverted().mapRect(target);
    deviceUniverse_ = frameInDevice.adjusted(-frameInDevice.width(), -frameInDevice.height(),
                                             frameInDevice.width(), frameInDevice.height());
    objects_.resize(std::max<std::size_t>(header.handleCount, 1));
}

void Player::Play() {
    if (!IsUsable(deviceToTarget_)) return;
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_.setClipRect(target_, Qt::IntersectClip);
    // The inner save is the state every clip change returns to before applying the new clip.
    painter_.save();
    for (const RecordSpan& span : document_.records) {
        const Record record = document_.At(span);
        if (record.type() == U_EMR_EOF) break;
        Dispatch(record);
    }
    FlushPendingMask();
    painter_.restore();
    painter_.restore();
}

void Player::Dispatch(const Record& record) {
    if (pendingMask_) {
        const std::uint32_t type = record.type();
        const bool blit =
            type == U_EMR_STRETCHDIBITS || type == U_EMR_BITBLT || type == U_EMR_STRETCHBLT;
        if (!blit) FlushPendingMask();
    }
    if (DispatchState(record) || DispatchClip(record) || DispatchPath(record)) return;
    DispatchDrawing(record);
}

bool Player::DispatchState(const Record& record) {
    switch (record.type()) {
    case U_EMR_SETMAPMODE:
        SetMapMode(record.U32(8));
        return true;
    case U_EMR_SETWINDOWEXTEX:
        SetExtent(dc_.windowExtent, record.I32(8), record.I32(12));
        return true;
    case U_EMR_SETVIEWPORTEXTEX:
        SetExtent(dc_.viewportExtent, record.I32(8), record.I32(12));
        return true;
    case U_EMR_SCALEWINDOWEXTEX:
        ScaleExtent(dc_.windowExtent, record);
        return true;
    case U_EMR_SCALEVIEWPORTEXTEX:
        ScaleExtent(dc_.viewportExtent, record);
        return true;
    case U_EMR_SETWINDOWORGEX:
        dc_.windowOrigin = ReadPoint(record, 8);
        return true;
    case U_EMR_SETVIEWPORTORGEX:
        dc_.viewportOrigin = ReadPoint(record, 8);
        return true;
    case U_EMR_SETWORLDTRANSFORM:
        SetWorld(ReadXform(record, 8));
        return true;
    case U_EMR_MODIFYWORLDTRANSFORM:
        ModifyWorld(record);
        return true;
    case U_EMR_SAVEDC:
        SaveDc();
        return true;
    case U_EMR_RESTOREDC:
        RestoreDc(record.I32(8));
        return true;
    case U_EMR_CREATEPEN:
    case U_EMR_EXTCREATEPEN:
    case U_EMR_CREATEBRUSHINDIRECT:
    case U_EMR_CREATEDIBPATTERNBRUSHPT:
    case U_EMR_CREATEMONOBRUSH:
    case U_EMR_EXTCREATEFONTINDIRECTW:
        CreateObject(record);
        return true;
    case U_EMR_SELECTOBJECT:
        SelectObject(record.U32(8));
        return true;
    case U_EMR_DELETEOBJECT:
        DeleteObject(record.U32(8));
        return true;
    case U_EMR_SETTEXTCOLOR:
        dc_.textColor = ColorFromRef(record.U32(8));
        return true;
    case U_EMR_SETBKCOLOR:
        dc_.backgroundColor = ColorFromRef(record.U32(8));
        return true;
    case U_EMR_SETBKMODE:
        dc_.backgroundOpaque = record.U32(8) == U_OPAQUE;
        return true;
    case U_EMR_SETTEXTALIGN:
        dc_.textAlign = record.U32(8);
        return true;
    case U_EMR_SETPOLYFILLMODE:
        dc_.fillRule = record.U32(8) == U_WINDING ? Qt::WindingFill : Qt::OddEvenFill;
        return true;
    case U_EMR_SETARCDIRECTION:
        dc_.arcsClockwise = record.U32(8) == U_AD_CLOCKWISE;
        return true;
    case U_EMR_SETSTRETCHBLTMODE:
        dc_.stretchMode = record.U32(8);
        return true;
    case U_EMR_SETMITERLIMIT: {
        // Declared as an integer, but some writers store a float.
        const std::uint32_t raw = record.U32(8);
        const double limit = raw < 0x10000 ? double(raw) : double(record.F32(8));
        if (std::isfinite(limit) && limit >= 1 && limit <= 1000) dc_.miterLimit = limit;
        return true;
    }
    case U_EMR_MOVETOEX:
        dc_.currentPosition = ReadPoint(record, 8);
        if (inPath_) {
            path_.moveTo(LogicalToDevice().map(dc_.currentPosition));
            figureOpen_ = true;
        }
        return true;
    default:
        return false;
    }
}

// ---- Mapping ----

QTransform Player::PageToDevice() const {
    double sx = 1, sy = 1;
    if (const auto unit = FixedModeUnitMicrons(dc_.mapMode)) {
        sx = *unit / document_.header.micronsPerPixelX;
        sy = -*unit / document_.header.micronsPerPixelY;
    } else if (dc_.mapMode == U_MM_ISOTROPIC || dc_.mapMode == U_MM_ANISOTROPIC) {
        sx = dc_.viewportExtent.width() / dc_.windowExtent.width();
        sy = dc_.viewportExtent.height() / dc_.windowExtent.height();
        if (dc_.mapMode == U_MM_ISOTROPIC) {
            const double scale = std::min(std::abs(sx), std::abs(sy));
            sx = std::copysign(scale, sx);
            sy = std::copysign(scale, sy);
        }
    }
    return QTransform(sx, 0, 0, sy, dc_.viewportOrigin.x() - dc_.windowOrigin.x() * sx,
                      dc_.viewportOrigin.y() - dc_.windowOrigin.y() * sy);
}

void Player::SetMapMode(std::uint32_t mode) {
    if (mode < U_MM_MIN || mode > U_MM_MAX) return;
    dc_.mapMode = mode;
    if (mode != U_MM_ISOTROPIC && mode != U_MM_ANISOTROPIC) {
        dc_.windowExtent = QSizeF(1, 1);
        dc_.viewportExtent = QSizeF(1, 1);
    }
}

void Player::SetExtent(QSizeF& extent, std::int32_t cx, std::int32_t cy) {
    // GDI refuses zero extents and ignores extents outside the scalable modes.
    if (cx == 0 || cy == 0) return;
    if (dc_.mapMode != U_MM_ISOTROPIC && dc_.mapMode != U_MM_ANISOTROPIC) return;
    extent = QSizeF(cx, cy);
}

void Player::ScaleExtent(QSizeF& extent, const Record& record) {
    const double xNum = record.I32(8), xDenom = record.I32(12);
    const double yNum = record.I32(16), yDenom = record.I32(20);
    if (xNum == 0 || xDenom == 0 || yNum == 0 || yDenom == 0) return;
    if (dc_.mapMode != U_MM_ISOTROPIC && dc_.mapMode != U_MM_ANISOTROPIC) return;
    extent = QSizeF(extent.width() * xNum / xDenom, extent.height() * yNum / yDenom);
}

void Player::SetWorld(const QTransform& world) {
    // A singular transform would collapse everything to nothing and cannot be inverted.
    if (IsUsable(world)) dc_.world = world;
}

void Player::ModifyWorld(const Record& record) {
    const QTransform xform = ReadXform(record, 8);
    switch (record.U32(32)) {
    case U_MWT_IDENTITY:
        dc_.world = QTransform();
        break;
    case U_MWT_LEFTMULTIPLY:
        SetWorld(xform * dc_.world);
        break;
    case U_MWT_RIGHTMULTIPLY:
        SetWorld(dc_.world * xform);
        break;
    case kModifyWorldSet:
        SetWorld(xform);
        break;
    default:
        break;
    }
}

void Player::SaveDc() {
    if (saved_.size() < kMaxSavedStates) saved_.push_back(dc_);
}

void Player::RestoreDc(std::int32_t which) {
    // Negative: relative to the current level; positive: an absolute level (1 = first save).
    std::size_t level = 0;
    if (which < 0) {
        const auto back = static_cast<std::size_t>(-std::int64_t{which});
        if (back > saved_.size()) return;
        level = saved_.size() - back;
    } else {
        if (which == 0 || static_cast<std::size_t>(which) > saved_.size()) return;
        level = static_cast<std::size_t>(which) - 1;
    }
    // Producers wrap every shape in SaveDC/RestoreDC; re-applying an unchanged clip each time
    // would cost more than the drawing.
    if (!(saved_[level].clip == dc_.clip)) clipDirty_ = true;
    dc_ = saved_[level];
    saved_.resize(level);
}

// ---- Objects ----

void Player::CreateObject(const Record& record) {
    auto created = ReadCreatedObject(record);
    if (!created || created->index == 0 || created->index >= kMaxObjects) return;
    if (created->index >= objects_.size()) objects_.resize(created->index + 1);
    objects_[created->index] = std::move(created->object);
}

void Player::SelectObject(std::uint32_t index) {
    const GdiObject* object = nullptr;
    GdiObject stock;
    if (index & U_STOCK_OBJECT) {
        stock = StockObject(index);
        object = &stock;
    } else if (index < objects_.size()) {
        object = &objects_[index];
    }
    if (!object) return;
    if (const auto* pen = std::get_if<PenSpec>(object))
        dc_.pen = *pen;
    else if (const auto* brush = std::get_if<BrushSpec>(object))
        dc_.brush = *brush;
    else if (const auto* font = std::get_if<FontSpec>(object))
        dc_.font = *font;
}

void Player::DeleteObject(std::uint32_t index) {
    // The device context keeps its own copy of a selected object, as GDI keeps it alive.
    if (index < objects_.size()) objects_[index] = std::monostate{};
}

QPen Player::MakePen(const QTransform& logicalToDevice, const QRectF& logicalBounds) const {
    const PenSpec& spec = dc_.pen;
    if (!spec.visible) return QPen(Qt::NoPen);
    // GDI never draws a line thinner than one pixel of its device, here the reference device.
    const double det = std::abs(logicalToDevice.determinant());
    const double onePixel = det > 0 ? 1.0 / std::sqrt(det) : 1.0;
    const double width = std::max(spec.width, onePixel);
    QPen pen(QBrush(spec.color), width, spec.style, spec.cap, spec.join);
    pen.setMiterLimit(dc_.miterLimit);
    if (spec.style == Qt::CustomDashLine) pen.setDashPattern(spec.dashes);
    if (spec.style != Qt::SolidLine) {
        double patternLength = 0;
        for (const qreal dash : pen.dashPattern())
            patternLength += dash;
        const double extent = logicalBounds.width() + logicalBounds.height();
        if (patternLength <= 0 || extent / (patternLength * width) > kMaxDashRepeats)
            pen.setStyle(Qt::SolidLine);
    }
    return pen;
}

QBrush Player::MakeBrush(const BrushSpec& spec, const QTransform& logicalToDevice) const {
    QBrush brush;
    switch (spec.kind) {
    case BrushSpec::Kind::Null:
        return QBrush(Qt::NoBrush);
    case BrushSpec::Kind::Solid:
        return QBrush(spec.color);
    case BrushSpec::Kind::Hatched:
        brush = QBrush(spec.color, spec.hatch);
        break;
    case BrushSpec::Kind::Pattern:
        brush = QBrush(spec.pattern);
        break;
    }
    // Hatches and patterns are laid out in pixels of the reference device, from its origin.
    brush.setTransform(logicalToDevice.inverted());
    return brush;
}

// ---- Clipping ----

QPainterPath Player::LogicalRectToDevice(const QRectF& rect) const {
    QPainterPath path;
    path.addPolygon(LogicalToDevice().map(QPolygonF(rect)));
    path.closeSubpath();
    return path;
}

QPainterPath Player::RegionToPath(const Record& record, std::uint64_t offset,
                                  std::uint32_t dataSize) const {
    // RGNDATAHEADER (32 bytes) then nCount RECTLs.
    constexpr std::uint64_t kRegionHeader = 32;
    QPainterPath path;
    if (dataSize < kRegionHeader || !record.Fits(offset, dataSize)) return path;
    const std::uint32_t count = record.U32(offset + 8);
    const std::uint64_t available = (dataSize - kRegionHeader) / 16;
    if (count > available || count > kMaxRegionRects) {
        path.addRect(ReadRect(record, offset + 16));
        return path;
    }
    // Region rectangles exclude their right and bottom edges; QRect includes them.
    // Coordinates are clamped so that the arithmetic on them cannot overflow.
    constexpr std::int64_t kLimit = 1 << 28;
    const auto coordinate = [&](std::uint64_t at) {
        return int(std::clamp<std::int64_t>(record.I32(at), -kLimit, kLimit));
    };
    QRegion region;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint64_t at = offset + kRegionHeader + 16ull * i;
        const QRect rect(QPoint(coordinate(at), coordinate(at + 4)),
                         QPoint(coordinate(at + 8) - 1, coordinate(at + 12) - 1));
        if (rect.isValid()) region += rect;
    }
    path.addRegion(region);
    return path;
}

void Player::CombineClip(QPainterPath area, std::uint32_t mode) {
    clipDirty_ = true;
    if (mode == U_RGN_COPY) {
        dc_.clip = std::move(area);
        return;
    }
    QPainterPath universe;
    universe.addRect(deviceUniverse_);
    const QPainterPath current = dc_.clip ? *dc_.clip : universe;
    switch (mode) {
    case U_RGN_AND:
        dc_.clip = current.intersected(area);
        break;
    case U_RGN_OR:
        if (dc_.clip) dc_.clip = current.united(area);
        break;
    case U_RGN_XOR:
        dc_.clip = current.united(area).subtracted(current.intersected(area));
        break;
    case U_RGN_DIFF:
        dc_.clip = current.subtracted(area);
        break;
    default:
        break;
    }
}

bool Player::DispatchClip(const Record& record) {
    switch (record.type()) {
    case U_EMR_INTERSECTCLIPRECT:
        CombineClip(LogicalRectToDevice(ReadRect(record, 8)), U_RGN_AND);
        return true;
    case U_EMR_EXCLUDECLIPRECT:
        CombineClip(LogicalRectToDevice(ReadRect(record, 8)), U_RGN_DIFF);
        return true;
    case U_EMR_EXTSELECTCLIPRGN: {
        const std::uint32_t dataSize = record.U32(8), mode = record.U32(12);
        if (mode == U_RGN_COPY && dataSize == 0) {
            dc_.clip.reset();
            clipDirty_ = true;
        } else {
            CombineClip(RegionToPath(record, 16, dataSize), mode);
        }
        return true;
    }
    case U_EMR_OFFSETCLIPRGN:
        if (dc_.clip) {
            const QTransform toDevice = LogicalToDevice();
            const QPointF offset = toDevice.map(ReadPoint(record, 8)) - toDevice.map(QPointF(0, 0));
            dc_.clip->translate(offset);
            clipDirty_ = true;
        }
        return true;
    case U_EMR_SELECTCLIPPATH:
        if (!inPath_) {
            QPainterPath area = path_;
            area.setFillRule(dc_.fillRule);
            CombineClip(area, record.U32(8));
            path_ = QPainterPath();
        }
        return true;
    default:
        return false;
    }
}

void Player::ApplyClip() {
    if (!clipDirty_) return;
    painter_.restore();
    painter_.save();
    if (dc_.clip) {
        painter_.setWorldTransform(deviceToTarget_ * base_);
        QPainterPath clip = *dc_.clip;
        if (!deviceUniverse_.contains(clip.controlPointRect())) {
            QPainterPath universe;
            universe.addRect(deviceUniverse_);
            clip = clip.intersected(universe);
        }
        painter_.setClipPath(clip, Qt::IntersectClip);
    }
    clipDirty_ = false;
}

// ---- Shapes and paths ----

bool Player::PrepareDrawing(const QTransform& logicalToPainter) {
    if (!IsUsable(logicalToPainter)) return false;
    ApplyClip();
    painter_.setWorldTransform(logicalToPainter);
    return true;
}

QPainterPath Player::UniverseIn(const QTransform& toDevice) const {
    QPainterPath universe;
    universe.addPolygon(toDevice.inverted().map(QPolygonF(deviceUniverse_)));
    universe.closeSubpath();
    return universe;
}

void Player::FillArea(QPainterPath area, const QBrush& brush, const QTransform& toDevice) {
    // Qt's raster engine works in fixed point; geometry reaching far beyond the frame is cut
    // to it first (nothing outside the frame is visible anyway).
    if (!deviceUniverse_.contains(toDevice.mapRect(area.controlPointRect())))
        area = area.intersected(UniverseIn(toDevice));
    painter_.fillPath(area, brush);
}

void Player::StrokeArea(const QPainterPath& path, const QPen& pen, const QTransform& toDevice) {
    const double reach = pen.widthF() * std::sqrt(std::abs(toDevice.determinant())) + 1;
    const QRectF bounds =
        toDevice.mapRect(path.controlPointRect()).adjusted(-reach, -reach, reach, reach);
    if (deviceUniverse_.contains(bounds)) {
        painter_.strokePath(path, pen);
        return;
    }
    FillArea(QPainterPathStroker(pen).createStroke(path), pen.brush(), toDevice);
}

void Player::DrawPath(QPainterPath logical, bool fill, bool stroke) {
    const QTransform toDevice = LogicalToDevice();
    if (!PrepareDrawing(toDevice * deviceToTarget_ * base_)) return;
    logical.setFillRule(dc_.fillRule);
    if (fill && dc_.brush.kind != BrushSpec::Kind::Null) {
        if (dc_.brush.kind == BrushSpec::Kind::Hatched && dc_.backgroundOpaque)
            FillArea(logical, QBrush(dc_.backgroundColor), toDevice);
        FillArea(logical, MakeBrush(dc_.brush, toDevice), toDevice);
    }
    if (stroke && dc_.pen.visible)
        StrokeArea(logical, MakePen(toDevice, logical.controlPointRect()), toDevice);
}

void Player::FillWithBrush(QPainterPath logical, const BrushSpec& brush) {
    const QTransform toDevice = LogicalToDevice();
    if (brush.kind == BrushSpec::Kind::Null) return;
    if (!PrepareDrawing(toDevice * deviceToTarget_ * base_)) return;
    logical.setFillRule(Qt::WindingFill);
    FillArea(logical, MakeBrush(brush, toDevice), toDevice);
}

void Player::AddFigure(const QPainterPath& logical, bool closed) {
    if (inPath_) {
        path_.addPath(LogicalToDevice().map(logical));
        figureOpen_ = false;
        return;
    }
    DrawPath(logical, closed, true);
}

void Player::ContinueFigure(const QPainterPath& logicalFromCurrent) {
    if (inPath_) {
        const QTransform toDevice = LogicalToDevice();
        if (!figureOpen_) path_.moveTo(toDevice.map(dc_.currentPosition));
        figureOpen_ = true;
        // Skip the leading move: the figure already stands at the current position.
        for (int i = 1; i < logicalFromCurrent.elementCount(); ++i) {
            const QPainterPath::Element e = logicalFromCurrent.elementAt(i);
            const QPointF p = toDevice.map(QPointF(e.x, e.y));
            if (e.type == QPainterPath::CurveToElement &&
                i + 2 < logicalFromCurrent.elementCount()) {
                const QPainterPath::Element c2 = logicalFromCurrent.elementAt(i + 1);
                const QPainterPath::Element end = logicalFromCurrent.elementAt(i + 2);
                path_.cubicTo(p, toDevice.map(QPointF(c2.x, c2.y)),
                              toDevice.map(QPointF(end.x, end.y)));
                i += 2;
            } else if (e.type == QPainterPath::MoveToElement) {
                path_.moveTo(p);
            } else {
                path_.lineTo(p);
            }
        }
        return;
    }
    DrawPath(logicalFromCurrent, false, true);
}

void Player::DrawPolyRecord(const Record& record) {
    const std::uint32_t type = record.type();
    const bool sixteenBit = IsSixteenBitPoly(type);
    const QPolygonF points = ReadPoints(record, 28, record.U32(24), sixteenBit);
    if (points.isEmpty()) return;
    const std::uint32_t kind = sixteenBit ? type - U_EMR_POLYBEZIER16 + U_EMR_POLYBEZIER : type;
    QPainterPath path;
    switch (kind) {
    case U_EMR_POLYBEZIER:
        path.moveTo(points[0]);
        AppendBeziers(path, points, 1);
        AddFigure(path, false);
        break;
    case U_EMR_POLYGON:
        path.addPolygon(points);
        path.closeSubpath();
        AddFigure(path, true);
        break;
    case U_EMR_POLYLINE:
        path.addPolygon(points);
        AddFigure(path, false);
        break;
    case U_EMR_POLYBEZIERTO:
        path.moveTo(dc_.currentPosition);
        AppendBeziers(path, points, 0);
        ContinueFigure(path);
        dc_.currentPosition = path.currentPosition();
        break;
    case U_EMR_POLYLINETO:
        path.moveTo(dc_.currentPosition);
        for (const QPointF& p : points)
            path.lineTo(p);
        ContinueFigure(path);
        dc_.currentPosition = points.back();
        break;
    default:
        break;
    }
}

void Player::DrawPolyPolyRecord(const Record& record) {
    const std::uint32_t type = record.type();
    const bool sixteenBit = type == U_EMR_POLYPOLYLINE16 || type == U_EMR_POLYPOLYGON16;
    const bool polygon = type == U_EMR_POLYPOLYGON || type == U_EMR_POLYPOLYGON16;
    const std::uint32_t polyCount = record.U32(24), pointCount = record.U32(28);
    if (!record.Fits(32, 4ull * polyCount)) return;
    const QPolygonF points = ReadPoints(record, 32 + 4ull * polyCount, pointCount, sixteenBit);
    QPainterPath path;
    qsizetype next = 0;
    for (std::uint32_t i = 0; i < polyCount; ++i) {
        const std::uint32_t count = record.U32(32 + 4ull * i);
        if (count > static_cast<std::uint64_t>(points.size() - next)) return;
        const QPolygonF part = points.mid(next, static_cast<qsizetype>(count));
        next += static_cast<qsizetype>(count);
        if (part.isEmpty()) continue;
        path.addPolygon(part);
        if (polygon) path.closeSubpath();
    }
    AddFigure(path, polygon);
}

void Player::DrawPolyDraw(const Record& record, bool sixteenBit) {
    const std::uint32_t count = record.U32(24);
    const QPolygonF points = ReadPoints(record, 28, count, sixteenBit);
    const std::uint64_t typesOffset = 28 + (sixteenBit ? 4ull : 8ull) * count;
    if (points.isEmpty() || !record.Fits(typesOffset, count)) return;
    QPainterPath path;
    path.moveTo(dc_.currentPosition);
    for (qsizetype i = 0; i < points.size(); ++i) {
        const std::uint8_t kind = record.U8(typesOffset + static_cast<std::uint64_t>(i));
        switch (kind & ~U_PT_CLOSEFIGURE) {
        case U_PT_MOVETO:
            path.moveTo(points[i]);
            break;
        case U_PT_LINETO:
            path.lineTo(points[i]);
            break;
        case U_PT_BEZIERTO:
            if (i + 2 >= points.size()) return;
            path.cubicTo(points[i], points[i + 1], points[i + 2]);
            i += 2;
            break;
        default:
            return;
        }
        if (record.U8(typesOffset + static_cast<std::uint64_t>(i)) & U_PT_CLOSEFIGURE)
            path.closeSubpath();
    }
    ContinueFigure(path);
    dc_.currentPosition = path.currentPosition();
}

QPainterPath Player::ArcPath(const QRectF& box, QPointF start, QPointF end,
                             std::uint32_t type) const {
    QPainterPath path;
    if (box.width() <= 0 || box.height() <= 0) return path;
    const QPointF c = box.center();
    const auto angleOf = [&](QPointF p) {
        // Qt measures arc angles counter-clockwise with y pointing down.
        return std::atan2(-(p.y() - c.y()) / box.height(), (p.x() - c.x()) / box.width()) * 180.0 /
               std::numbers::pi;
    };
    const double a0 = angleOf(start), a1 = angleOf(end);
    // GDI's direction holds on the device; a mirroring transform reverses it in logical space.
    const bool mirrored = (LogicalToDevice() * deviceToTarget_).determinant() < 0;
    const bool positive = dc_.arcsClockwise == mirrored;
    double sweep = positive ? a1 - a0 : a0 - a1;
    while (sweep <= 0)
        sweep += 360;
    while (sweep > 360)
        sweep -= 360;
    if (!positive) sweep = -sweep;
    if (type == U_EMR_PIE) {
        path.moveTo(c);
        path.arcTo(box, a0, sweep);
        path.closeSubpath();
    } else {
        path.arcMoveTo(box, a0);
        path.arcTo(box, a0, sweep);
        if (type == U_EMR_CHORD) path.closeSubpath();
    }
    return path;
}

void Player::DrawArcRecord(const Record& record) {
    const std::uint32_t type = record.type();
    QPainterPath arc =
        ArcPath(ReadRect(record, 8), ReadPoint(record, 24), ReadPoint(record, 32), type);
    if (arc.isEmpty()) return;
    if (type != U_EMR_ARCTO) {
        AddFigure(arc, type != U_EMR_ARC);
        return;
    }
    QPainterPath path;
    path.moveTo(dc_.currentPosition);
    path.lineTo(arc.elementAt(0).x, arc.elementAt(0).y);
    path.connectPath(arc);
    ContinueFigure(path);
    dc_.currentPosition = path.currentPosition();
}

void Player::DrawAngleArc(const Record& record) {
    const QPointF center = ReadPoint(record, 8);
    const double radius = record.U32(16);
    const double start = record.F32(20), sweep = record.F32(24);
    if (!std::isfinite(start) || !std::isfinite(sweep) || radius <= 0) return;
    const QRectF box(center.x() - radius, center.y() - radius, 2 * radius, 2 * radius);
    QPainterPath arc;
    arc.arcMoveTo(box, start);
    QPainterPath path;
    path.moveTo(dc_.currentPosition);
    path.lineTo(arc.currentPosition());
    path.arcTo(box, start, std::clamp(sweep, -360.0, 360.0));
    ContinueFigure(path);
    dc_.currentPosition = path.currentPosition();
}

void Player::DrawGradient(const Record& record) {
    constexpr std::uint64_t kVertices = 36, kVertexSize = 16;
    const std::uint32_t vertexCount = record.U32(24), objectCount = record.U32(28);
    const std::uint32_t mode = record.U32(32);
    if (!record.Fits(kVertices, kVertexSize * vertexCount)) return;
    const auto vertex = [&](std::uint32_t i, QColor& color) {
        const std::uint64_t at = kVertices + kVertexSize * i;
        color = QColor(record.U16(at + 8) >> 8, record.U16(at + 10) >> 8, record.U16(at + 12) >> 8);
        return ReadPoint(record, at);
    };
    const std::uint64_t objects = kVertices + kVertexSize * vertexCount;
    const std::uint64_t objectSize = mode == U_GRADIENT_FILL_TRIANGLE ? 12 : 8;
    if (!record.Fits(objects, objectSize * objectCount)) return;
    const QTransform toDevice = LogicalToDevice();
    if (!PrepareDrawing(toDevice * deviceToTarget_ * base_)) return;
    for (std::uint32_t i = 0; i < objectCount; ++i) {
        const std::uint64_t at = objects + objectSize * i;
        if (mode == U_GRADIENT_FILL_TRIANGLE) {
            // Three-colour shading has no QBrush; the mean colour keeps the area recognisable.
            QPolygonF triangle;
            int r = 0, g = 0, b = 0;
            for (int k = 0; k < 3; ++k) {
                const std::uint32_t index = record.U32(at + 4u * k);
                if (index >= vertexCount) return;
                QColor color;
                triangle.append(vertex(index, color));
                r += color.red();
                g += color.green();
                b += color.blue();
            }
            QPainterPath path;
            path.addPolygon(triangle);
            FillArea(path, QColor(r / 3, g / 3, b / 3), toDevice);
            continue;
        }
        const std::uint32_t first = record.U32(at), second = record.U32(at + 4);
        if (first >= vertexCount || second >= vertexCount) return;
        QColor c0, c1;
        const QPointF p0 = vertex(first, c0), p1 = vertex(second, c1);
        const QRectF rect = QRectF(p0, p1).normalized();
        QLinearGradient gradient(p0, mode == U_GRADIENT_FILL_RECT_V ? QPointF(p0.x(), p1.y())
                                                                    : QPointF(p1.x(), p0.y()));
        gradient.setColorAt(0, c0);
        gradient.setColorAt(1, c1);
        QPainterPath area;
        area.addRect(rect);
        FillArea(area, gradient, toDevice);
    }
}

void Player::StrokeAndFillCurrentPath(bool fill, bool stroke) {
    if (inPath_) return; // GDI only draws a closed path bracket
    const QTransform toDevice = LogicalToDevice();
    if (IsUsable(toDevice) && !path_.isEmpty())
        DrawPath(toDevice.inverted().map(path_), fill, stroke);
    path_ = QPainterPath();
}

bool Player::DispatchPath(const Record& record) {
    switch (record.type()) {
    case U_EMR_BEGINPATH:
        inPath_ = true;
        figureOpen_ = false;
        path_ = QPainterPath();
        return true;
    case U_EMR_ENDPATH:
        inPath_ = false;
        return true;
    case U_EMR_ABORTPATH:
        inPath_ = false;
        path_ = QPainterPath();
        return true;
    case U_EMR_CLOSEFIGURE:
        if (inPath_) {
            path_.closeSubpath();
            figureOpen_ = false;
        }
        return true;
    case U_EMR_FILLPATH:
        StrokeAndFillCurrentPath(true, false);
        return true;
    case U_EMR_STROKEPATH:
        StrokeAndFillCurrentPath(false, true);
        return true;
    case U_EMR_STROKEANDFILLPATH:
        StrokeAndFillCurrentPath(true, true);
        return true;
    case U_EMR_WIDENPATH:
        if (!inPath_ && !path_.isEmpty()) {
            const QTransform toDevice = LogicalToDevice();
            QPainterPathStroker stroker(
                MakePen(toDevice, toDevice.inverted().mapRect(path_.controlPointRect())));
            const double det = std::abs(toDevice.determinant());
            stroker.setWidth(stroker.width() * std::sqrt(det));
            path_ = stroker.createStroke(path_);
        }
        return true;
    default:
        return false;
    }
}

bool Player::DispatchDrawing(const Record& record) {
    const std::uint32_t type = record.type();
    switch (type) {
    case U_EMR_POLYBEZIER:
    case U_EMR_POLYGON:
    case U_EMR_POLYLINE:
    case U_EMR_POLYBEZIERTO:
    case U_EMR_POLYLINETO:
    case U_EMR_POLYBEZIER16:
    case U_EMR_POLYGON16:
    case U_EMR_POLYLINE16:
    case U_EMR_POLYBEZIERTO16:
    case U_EMR_POLYLINETO16:
        DrawPolyRecord(record);
        return true;
    case U_EMR_POLYPOLYLINE:
    case U_EMR_POLYPOLYGON:
    case U_EMR_POLYPOLYLINE16:
    case U_EMR_POLYPOLYGON16:
        DrawPolyPolyRecord(record);
        return true;
    case U_EMR_POLYDRAW:
    case U_EMR_POLYDRAW16:
        DrawPolyDraw(record, type == U_EMR_POLYDRAW16);
        return true;
    case U_EMR_LINETO: {
        QPainterPath path;
        path.moveTo(dc_.currentPosition);
        dc_.currentPosition = ReadPoint(record, 8);
        path.lineTo(dc_.currentPosition);
        ContinueFigure(path);
        return true;
    }
    case U_EMR_RECTANGLE:
    case U_EMR_ELLIPSE:
    case U_EMR_ROUNDRECT: {
        const QRectF box = ReadRect(record, 8);
        QPainterPath path;
        if (type == U_EMR_RECTANGLE)
            path.addRect(box);
        else if (type == U_EMR_ELLIPSE)
            path.addEllipse(box);
        else
            path.addRoundedRect(box, std::abs(record.I32(24)) / 2.0,
                                std::abs(record.I32(28)) / 2.0);
        AddFigure(path, true);
        return true;
    }
    case U_EMR_ARC:
    case U_EMR_CHORD:
    case U_EMR_PIE:
    case U_EMR_ARCTO:
        DrawArcRecord(record);
        return true;
    case U_EMR_ANGLEARC:
        DrawAngleArc(record);
        return true;
    case U_EMR_FILLRGN:
    case U_EMR_PAINTRGN: {
        const bool fill = type == U_EMR_FILLRGN;
        BrushSpec brush = dc_.brush;
        if (fill) {
            const std::uint32_t index = record.U32(28);
            const GdiObject object = (index & U_STOCK_OBJECT)  ? StockObject(index)
                                     : index < objects_.size() ? objects_[index]
                                                               : GdiObject{};
            const auto* selected = std::get_if<BrushSpec>(&object);
            if (!selected) return true;
            brush = *selected;
        }
        FillWithBrush(RegionToPath(record, fill ? 32 : 28, record.U32(24)), brush);
        return true;
    }
    case U_EMR_EXTTEXTOUTA:
    case U_EMR_EXTTEXTOUTW:
    case U_EMR_SMALLTEXTOUT:
        if (const auto run = ReadTextRun(record)) DrawTextRun(*run);
        return true;
    case U_EMR_BITBLT:
    case U_EMR_STRETCHBLT:
    case U_EMR_MASKBLT:
    case U_EMR_SETDIBITSTODEVICE:
    case U_EMR_STRETCHDIBITS:
    case U_EMR_ALPHABLEND:
    case U_EMR_TRANSPARENTBLT:
        DrawBitmapRecord(record);
        return true;
    case U_EMR_GRADIENTFILL:
        DrawGradient(record);
        return true;
    default:
        return false; // comments, EMF+ and unknown records are skipped
    }
}

} // namespace zentyra::emf
