#include "emf/EmfObjects.h"

#include "emf/EmfDib.h"

#include <uemf.h>

#include <algorithm>

namespace zentyra::emf {

namespace {

// Stock objects newer than libUEMF's list.
constexpr std::uint32_t kDcBrush = 0x80000012;
constexpr std::uint32_t kDcPen = 0x80000013;

// Beyond this a user dash style is certainly not a real one; it only costs time.
constexpr std::uint32_t kMaxDashEntries = 32;

Qt::PenStyle StandardStyle(std::uint32_t style) {
    switch (style & U_PS_STYLE_MASK) {
    case U_PS_DASH:
        return Qt::DashLine;
    case U_PS_DOT:
    case U_PS_ALTERNATE:
        return Qt::DotLine;
    case U_PS_DASHDOT:
        return Qt::DashDotLine;
    case U_PS_DASHDOTDOT:
        return Qt::DashDotDotLine;
    default:
        return Qt::SolidLine;
    }
}

PenSpec ReadPen(const Record& record) {
    const std::uint32_t style = record.U32(12);
    const std::int32_t width = record.I32(16);
    PenSpec pen;
    pen.visible = (style & U_PS_STYLE_MASK) != U_PS_NULL;
    pen.width = width > 0 ? width : 0;
    pen.color = ColorFromRef(record.U32(24));
    // GDI draws wide pens made by CreatePen solid whatever their style.
    pen.style = width > 1 ? Qt::SolidLine : StandardStyle(style);
    return pen;
}

PenSpec ReadExtPen(const Record& record) {
    const std::uint32_t style = record.U32(28);
    const bool geometric = (style & U_PS_TYPE_MASK) == U_PS_GEOMETRIC;
    PenSpec pen;
    pen.visible = (style & U_PS_STYLE_MASK) != U_PS_NULL && record.U32(36) != U_BS_NULL;
    pen.width = geometric ? record.U32(32) : 0;
    pen.color = ColorFromRef(record.U32(40));
    pen.style = StandardStyle(style);
    if (geometric) {
        switch (style & U_PS_ENDCAP_MASK) {
        case U_PS_ENDCAP_SQUARE:
            pen.cap = Qt::SquareCap;
            break;
        case U_PS_ENDCAP_FLAT:
            pen.cap = Qt::FlatCap;
            break;
        default:
            pen.cap = Qt::RoundCap;
        }
        switch (style & U_PS_JOIN_MASK) {
        case U_PS_JOIN_BEVEL:
            pen.join = Qt::BevelJoin;
            break;
        case U_PS_JOIN_MITER:
            pen.join = Qt::MiterJoin;
            break;
        default:
            pen.join = Qt::RoundJoin;
        }
    }
    const std::uint32_t entries = std::min(record.U32(48), kMaxDashEntries);
    if ((style & U_PS_STYLE_MASK) == U_PS_USERSTYLE && entries > 0 &&
        record.Fits(52, 4ull * entries)) {
        // Entries are in logical units for geometric pens and in pixels (one pen width) for
        // cosmetic ones; Qt wants them in pen widths.
        const double unit = geometric && pen.width > 0 ? pen.width : 1.0;
        for (std::uint32_t i = 0; i < entries; ++i)
            pen.dashes.append(std::max(record.U32(52 + 4 * i) / unit, 0.01));
        if (pen.dashes.size() % 2) pen.dashes.append(pen.dashes);
        pen.style = Qt::CustomDashLine;
    }
    return pen;
}

Qt::BrushStyle HatchStyle(std::uint32_t hatch) {
    switch (hatch) {
    case U_HS_HORIZONTAL:
        return Qt::HorPattern;
    case U_HS_VERTICAL:
        return Qt::VerPattern;
    case U_HS_FDIAGONAL:
        return Qt::FDiagPattern;
    case U_HS_BDIAGONAL:
        return Qt::BDiagPattern;
    case U_HS_CROSS:
        return Qt::CrossPattern;
    case U_HS_DIAGCROSS:
        return Qt::DiagCrossPattern;
    default:
        return Qt::SolidPattern;
    }
}

BrushSpec ReadBrush(const Record& record) {
    BrushSpec brush;
    brush.color = ColorFromRef(record.U32(16));
    switch (record.U32(12)) {
    case U_BS_NULL:
        brush.kind = BrushSpec::Kind::Null;
        break;
    case U_BS_HATCHED:
        brush.hatch = HatchStyle(record.U32(20));
        brush.kind =
            brush.hatch == Qt::SolidPattern ? BrushSpec::Kind::Solid : BrushSpec::Kind::Hatched;
        break;
    default:
        brush.kind = BrushSpec::Kind::Solid;
    }
    return brush;
}

BrushSpec ReadPatternBrush(const Record& record) {
    const DibLocation location{record.U32(16), record.U32(20), record.U32(24), record.U32(28),
                               record.U32(12)};
    BrushSpec brush;
    brush.pattern = DecodeDib(record, location, DibAlpha::Opaque);
    if (brush.pattern.isNull()) {
        // A pattern we cannot decode still paints; mid grey shows that something is there.
        brush.color = QColor(128, 128, 128);
        return brush;
    }
    brush.kind = BrushSpec::Kind::Pattern;
    return brush;
}

FontSpec ReadFont(const Record& record) {
    FontSpec font;
    font.height = record.I32(12);
    font.width = record.I32(16);
    font.escapement = record.I32(20);
    font.weight = record.I32(28);
    font.italic = record.U8(32) != 0;
    font.underline = record.U8(33) != 0;
    font.strikeOut = record.U8(34) != 0;
    font.pitchAndFamily = record.U8(39);
    constexpr int kFaceOffset = 40;
    for (int i = 0; i < U_LF_FACESIZE; ++i) {
        const char16_t unit = record.U16(kFaceOffset + 2 * i);
        if (unit == 0) break;
        font.face.append(QChar(unit));
    }
    return font;
}

} // namespace

std::optional<CreatedObject> ReadCreatedObject(const Record& record) {
    const std::uint32_t index = record.U32(8);
    switch (record.type()) {
    case U_EMR_CREATEPEN:
        return CreatedObject{index, ReadPen(record)};
    case U_EMR_EXTCREATEPEN:
        return CreatedObject{index, ReadExtPen(record)};
    case U_EMR_CREATEBRUSHINDIRECT:
        return CreatedObject{index, ReadBrush(record)};
    case U_EMR_CREATEDIBPATTERNBRUSHPT:
    case U_EMR_CREATEMONOBRUSH:
        return CreatedObject{index, ReadPatternBrush(record)};
    case U_EMR_EXTCREATEFONTINDIRECTW:
        return CreatedObject{index, ReadFont(record)};
    default:
        return std::nullopt;
    }
}

GdiObject StockObject(std::uint32_t index) {
    const auto solidBrush = [](int grey) {
        BrushSpec brush;
        brush.color = QColor(grey, grey, grey);
        return brush;
    };
    const auto pen = [](QColor color, bool visible) {
        PenSpec spec;
        spec.color = color;
        spec.visible = visible;
        return spec;
    };
    const auto font = [](const char* face) {
        FontSpec spec;
        spec.face = QString::fromLatin1(face);
        return spec;
    };
    switch (index) {
    case U_WHITE_BRUSH:
    case kDcBrush:
        return solidBrush(255);
    case U_LTGRAY_BRUSH:
        return solidBrush(192);
    case U_GRAY_BRUSH:
        return solidBrush(128);
    case U_DKGRAY_BRUSH:
        return solidBrush(64);
    case U_BLACK_BRUSH:
        return solidBrush(0);
    case U_NULL_BRUSH: {
        BrushSpec brush;
        brush.kind = BrushSpec::Kind::Null;
        return brush;
    }
    case U_WHITE_PEN:
        return pen(Qt::white, true);
    case U_BLACK_PEN:
    case kDcPen:
        return pen(Qt::black, true);
    case U_NULL_PEN:
        return pen(Qt::black, false);
    case U_OEM_FIXED_FONT:
    case U_ANSI_FIXED_FONT:
    case U_SYSTEM_FIXED_FONT:
        return font("Courier New");
    case U_ANSI_VAR_FONT:
    case U_SYSTEM_FONT:
    case U_DEVICE_DEFAULT_FONT:
    case U_DEFAULT_GUI_FONT:
        return font("Arial");
    default:
        return std::monostate{};
    }
}

} // namespace zentyra::emf
