#pragma once
// The graphics objects an EMF creates and selects (pens, brushes, fonts) as plain values.
// They keep the file's logical units; the player turns them into QPen, QBrush and QFont at
// drawing time, when the transform is known.
#include "emf/EmfRecord.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>
#include <variant>

namespace zentyra::emf {

struct PenSpec {
    bool visible = true;
    Qt::PenStyle style = Qt::SolidLine; // Qt::CustomDashLine when dashes holds a user style
    QList<qreal> dashes;                // user style, in units of the pen width
    double width = 0;                   // logical units; 0 means one reference-device pixel
    QColor color = Qt::black;
    Qt::PenCapStyle cap = Qt::RoundCap;
    Qt::PenJoinStyle join = Qt::RoundJoin;
};

struct BrushSpec {
    enum class Kind { Solid, Null, Hatched, Pattern };
    Kind kind = Kind::Solid;
    QColor color = Qt::white;
    Qt::BrushStyle hatch = Qt::NoBrush;
    QImage pattern; // Kind::Pattern; one pixel per reference-device pixel
};

struct FontSpec {
    QString face;
    std::int32_t height = 0;     // LOGFONT lfHeight: < 0 em height, > 0 cell height, 0 default
    std::int32_t width = 0;      // average character width, 0 for the font's own
    std::int32_t escapement = 0; // tenths of a degree, counter-clockwise
    std::int32_t weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::uint8_t pitchAndFamily = 0;
};

using GdiObject = std::variant<std::monostate, PenSpec, BrushSpec, FontSpec>;

struct CreatedObject {
    std::uint32_t index = 0;
    GdiObject object;
};

// The object a CreatePen, ExtCreatePen, CreateBrushIndirect, CreateDIBPatternBrushPt,
// CreateMonoBrush or ExtCreateFontIndirectW record makes; nullopt for any other record.
std::optional<CreatedObject> ReadCreatedObject(const Record& record);

// A stock object (index 0x80000000 and up); monostate for an unknown one.
GdiObject StockObject(std::uint32_t index);

// A COLORREF (0x00BBGGRR); the high byte marks palette colours, which are taken as RGB.
inline QColor ColorFromRef(std::uint32_t ref) {
    return QColor(static_cast<int>(ref & 0xFF), static_cast<int>((ref >> 8) & 0xFF),
                  static_cast<int>((ref >> 16) & 0xFF));
}

} // namespace zentyra::emf
