#pragma once
// Geometry read from records and the transform checks the player shares between its files.
#include "emf/EmfRecord.h"

#include <QPointF>
#include <QRectF>
#include <QTransform>

#include <cmath>

namespace zentyra::emf {

inline bool IsFinite(const QTransform& t) {
    return std::isfinite(t.m11()) && std::isfinite(t.m12()) && std::isfinite(t.m21()) &&
           std::isfinite(t.m22()) && std::isfinite(t.dx()) && std::isfinite(t.dy());
}

// Finite and invertible: anything else would collapse drawing to nothing or to infinity.
inline bool IsUsable(const QTransform& t) {
    const double det = t.m11() * t.m22() - t.m12() * t.m21();
    return IsFinite(t) && std::isfinite(det) && std::abs(det) > 1e-300;
}

inline QPointF ReadPoint(const Record& record, std::uint64_t offset) {
    return QPointF(record.I32(offset), record.I32(offset + 4));
}

// A RECTL, normalised so that an upside-down rectangle still covers the same area.
inline QRectF ReadRect(const Record& record, std::uint64_t offset) {
    return QRectF(ReadPoint(record, offset), ReadPoint(record, offset + 8)).normalized();
}

// An XFORM: x' = x * eM11 + y * eM21 + eDx, y' = x * eM12 + y * eM22 + eDy, as QTransform.
inline QTransform ReadXform(const Record& record, std::uint64_t offset) {
    return QTransform(record.F32(offset), record.F32(offset + 4), record.F32(offset + 8),
                      record.F32(offset + 12), record.F32(offset + 16), record.F32(offset + 20));
}

} // namespace zentyra::emf
