// Text records of the player: ExtTextOutW/A and SmallTextOut, drawn as real text.
#include "emf/EmfPlayer.h"

#include "emf/EmfGeometry.h"

#include <uemf.h>

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zentyra::emf {

namespace {

// Text is laid out at this pixel size, the em of common fonts in design units, and scaled
// down by the transform: advances come out exact and the same on every output device.
constexpr int kTextPixelSize = 2048;
// GDI's default font height, 12 pt, for fonts that give none.
constexpr double kDefaultEmMicrons = 25400.0 * 12 / 72;
// Positions in the file that differ from the font's own advances by less than this share of
// the em are drawn as one string, which keeps words whole in a PDF.
constexpr double kPositionTolerance = 0.02;
// Text whose em would be larger than this in device pixels lies far beyond any page.
constexpr double kMaxDeviceEm = 1e6;

QFont::StyleHint StyleHintFor(std::uint8_t pitchAndFamily) {
    switch (pitchAndFamily >> 4) {
    case 1:
        return QFont::Serif;
    case 2:
        return QFont::SansSerif;
    case 3:
        return QFont::TypeWriter;
    case 4:
        return QFont::Cursive;
    case 5:
        return QFont::Decorative;
    default:
        return QFont::AnyStyle;
    }
}

// The glyph indexes, with those the font does not have replaced by glyph 0 (its "missing"
// glyph): the run keeps its positions and FreeType is not asked for glyphs that do not exist.
QList<quint32> FontGlyphs(const QRawFont& font, const std::vector<quint32>& glyphs) {
    const QByteArray maxp = font.fontTable("maxp");
    const quint32 count =
        maxp.size() >= 6 ? (quint32(uchar(maxp[4])) << 8) | quint32(uchar(maxp[5])) : 0;
    QList<quint32> result;
    result.reserve(qsizetype(glyphs.size()));
    for (const quint32 glyph : glyphs)
        result.append(count == 0 || glyph < count ? glyph : 0);
    return result;
}

} // namespace

std::optional<Player::TextRun> Player::ReadTextRun(const Record& record) const {
    TextRun run;
    std::uint32_t count = 0;
    std::uint64_t textOffset = 0;
    bool wide = true;
    if (record.type() == U_EMR_SMALLTEXTOUT) {
        run.reference = ReadPoint(record, 8);
        count = record.U32(16);
        run.options = record.U32(20);
        run.advancedGraphics = record.U32(24) == U_GM_ADVANCED;
        textOffset = 36;
        if (!(run.options & U_ETO_NO_RECT)) {
            run.rect = ReadRect(record, 36);
            textOffset = 52;
        }
        wide = !(run.options & U_ETO_SMALL_CHARS);
    } else {
        run.advancedGraphics = record.U32(24) == U_GM_ADVANCED;
        run.reference = ReadPoint(record, 36);
        count = record.U32(44);
        textOffset = record.U32(48);
        run.options = record.U32(52);
        std::uint64_t dxField = 56;
        if (!(run.options & U_ETO_NO_RECT)) {
            run.rect = ReadRect(record, 56);
            dxField = 72;
        }
        wide = record.type() == U_EMR_EXTTEXTOUTW;
        const std::uint64_t dxOffset = record.U32(dxField);
        const std::uint64_t stride = (run.options & U_ETO_PDY) ? 8 : 4;
        if (dxOffset != 0 && record.Fits(dxOffset, stride * count)) {
            run.advances.reserve(count);
            for (std::uint32_t i = 0; i < count; ++i)
                run.advances.push_back(record.I32(dxOffset + stride * i));
        }
    }
    const std::uint64_t bytes = std::uint64_t{count} * (wide ? 2 : 1);
    if (!record.Fits(textOffset, bytes)) return std::nullopt;
    const bool glyphIndexes = wide && (run.options & U_ETO_GLYPH_INDEX);
    for (std::uint32_t i = 0; i < count; ++i) {
        if (glyphIndexes)
            run.glyphs.push_back(record.U16(textOffset + 2ull * i));
        else if (wide)
            run.text.append(QChar(char16_t(record.U16(textOffset + 2ull * i))));
        else
            run.text.append(QChar::fromLatin1(char(record.U8(textOffset + i))));
    }
    return run;
}

QFont Player::ResolveFont(double& emSize) const {
    const FontSpec& spec = dc_.font;
    // Family names go through QFont, so fontconfig's substitutes stand in for Windows fonts
    // (Arial becomes Liberation Sans).
    QFont font(spec.face.isEmpty() ? QStringLiteral("Arial") : spec.face);
    font.setStyleHint(StyleHintFor(spec.pitchAndFamily));
    font.setPixelSize(kTextPixelSize);
    font.setWeight(QFont::Weight(std::clamp(spec.weight > 0 ? spec.weight : 400, 1, 1000)));
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    font.setStrikeOut(spec.strikeOut);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);

    if (spec.height < 0) {
        emSize = -double(spec.height);
    } else if (spec.height > 0) {
        // A positive height is the cell: ascent plus descent.
        const QFontMetricsF metrics(font);
        const double cell = metrics.ascent() + metrics.descent();
        emSize = cell > 0 ? double(spec.height) * kTextPixelSize / cell : spec.height;
    } else {
        const QTransform toDevice = LogicalToDevice();
        const double verticalScale = std::hypot(toDevice.m21(), toDevice.m22());
        emSize = verticalScale > 0
                     ? kDefaultEmMicrons / document_.header.micronsPerPixelY / verticalScale
                     : 0;
    }
    return font;
}

void Player::FillTextBackground(const TextRun& run, const QTransform& textToPainter,
                                const QRectF& cell) {
    if (run.options & U_ETO_OPAQUE) return; // the opaque rectangle already covers it
    painter_.setWorldTransform(textToPainter);
    painter_.fillRect(cell, dc_.backgroundColor);
}

void Player::DrawTextGlyphs(const TextRun& run, const QFont& font, const std::vector<double>& x,
                            double baseline, double textWidth) {
    painter_.setFont(font);
    painter_.setPen(QPen(dc_.textColor));
    painter_.setBrush(Qt::NoBrush);
    if (!run.glyphs.empty()) {
        QGlyphRun glyphs;
        const QRawFont rawFont = QRawFont::fromFont(font);
        glyphs.setRawFont(rawFont);
        glyphs.setGlyphIndexes(FontGlyphs(rawFont, run.glyphs));
        QList<QPointF> positions;
        for (std::size_t i = 0; i < run.glyphs.size(); ++i)
            positions.append({x[i], baseline});
        glyphs.setPositions(positions);
        painter_.drawGlyphRun(QPointF(0, 0), glyphs);
        return;
    }
    const QString& text = run.text;
    const QFontMetricsF metrics(font);
    double natural = 0, worst = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        worst = std::max(worst, std::abs(x[std::size_t(i)] - x[0] - natural));
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size();
        natural += metrics.horizontalAdvance(text.mid(i, pair ? 2 : 1));
        if (pair) ++i;
    }
    worst = std::max(worst, std::abs(textWidth - natural));
    if (worst <= kPositionTolerance * kTextPixelSize) {
        painter_.drawText(QPointF(x[0], baseline), text);
        return;
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size();
        painter_.drawText(QPointF(x[std::size_t(i)], baseline), text.mid(i, pair ? 2 : 1));
        if (pair) ++i;
    }
}

void Player::DrawTextRun(const TextRun& run) {
    const QTransform toDevice = LogicalToDevice();
    const QTransform toTarget = toDevice * deviceToTarget_;
    if (!IsUsable(toTarget)) return;
    if ((run.options & U_ETO_OPAQUE) && run.rect && !inPath_) {
        QPainterPath area;
        area.addRect(*run.rect);
        BrushSpec background;
        background.color = dc_.backgroundColor;
        FillWithBrush(area, background);
    }
    const std::size_t units = run.glyphs.empty() ? std::size_t(run.text.size()) : run.glyphs.size();
    if (units == 0) return;

    double em = 0;
    const QFont font = ResolveFont(em);
    if (!(em > 0) || !std::isfinite(em)) return;
    const QFontMetricsF metrics(font);
    const double scale = em / kTextPixelSize;

    // Text space: x along the baseline and y down, in units of the 2048-pixel font. Glyphs keep
    // their aspect unless the font asks for a width or the record follows the whole transform.
    const double sx = std::hypot(toTarget.m11(), toTarget.m12());
    const double sy = std::hypot(toTarget.m21(), toTarget.m22());
    double kx = run.advancedGraphics ? sx : sy;
    if (dc_.font.width > 0 && metrics.averageCharWidth() > 0)
        kx = dc_.font.width * sx / (metrics.averageCharWidth() * scale);
    kx = std::clamp(kx, 0.05 * sy, 20 * sy);
    const double logicalToText = sx / (scale * kx);

    const bool updateCp = dc_.textAlign & U_TA_UPDATECP;
    const QPointF reference = updateCp ? dc_.currentPosition : run.reference;
    const QPointF origin = toTarget.map(reference);
    const double baselineAngle =
        std::atan2(toTarget.m12(), toTarget.m11()) * 180 / std::numbers::pi;
    QTransform textToTarget;
    textToTarget.translate(origin.x(), origin.y());
    textToTarget.rotate(baselineAngle - dc_.font.escapement / 10.0);
    textToTarget.scale(scale * kx, scale * sy);

    // Start of every unit (x[units] is the end), from the file's advances or the font's own.
    std::vector<double> x(units + 1, 0.0);
    if (run.advances.size() == units) {
        for (std::size_t i = 0; i < units; ++i)
            x[i + 1] = x[i] + run.advances[i] * logicalToText;
    } else if (!run.glyphs.empty()) {
        const QRawFont rawFont = QRawFont::fromFont(font);
        const QList<QPointF> advances =
            rawFont.advancesForGlyphIndexes(FontGlyphs(rawFont, run.glyphs));
        for (std::size_t i = 0; i < units; ++i)
            x[i + 1] = x[i] + (i < std::size_t(advances.size()) ? advances[qsizetype(i)].x() : 0);
    } else {
        for (std::size_t i = 0; i < units; ++i) {
            const QChar c = run.text[qsizetype(i)];
            const bool pair = c.isHighSurrogate() && i + 1 < units;
            x[i + 1] = x[i] + metrics.horizontalAdvance(run.text.mid(qsizetype(i), pair ? 2 : 1));
            if (pair) {
                x[i + 2] = x[i + 1];
                ++i;
            }
        }
    }
    const double width = x[units];
    double shift = 0;
    if ((dc_.textAlign & U_TA_CENTER) == U_TA_CENTER)
        shift = -width / 2;
    else if (dc_.textAlign & U_TA_RIGHT)
        shift = -width;
    for (double& position : x)
        position += shift;
    double baseline = metrics.ascent(); // TA_TOP
    if ((dc_.textAlign & U_TA_BASELINE) == U_TA_BASELINE)
        baseline = 0;
    else if (dc_.textAlign & U_TA_BOTTOM)
        baseline = -metrics.descent();

    if (updateCp) {
        QPointF advance(width / logicalToText, 0);
        if ((dc_.textAlign & U_TA_CENTER) == U_TA_CENTER)
            advance = QPointF();
        else if (dc_.textAlign & U_TA_RIGHT)
            advance = -advance;
        dc_.currentPosition = reference + advance;
    }

    const QTransform textToPainter = textToTarget * base_;
    if (!IsUsable(textToPainter) || !deviceUniverse_.contains(toDevice.map(reference))) return;
    if (inPath_) {
        // Inside a path bracket text adds its outlines, as GDI does.
        QPainterPath outline;
        if (!run.text.isEmpty()) outline.addText(QPointF(x[0], baseline), font, run.text);
        path_.addPath((textToTarget * deviceToTarget_.inverted()).map(outline));
        return;
    }
    ApplyClip();
    painter_.setWorldTransform(textToPainter);
    const double deviceEm =
        kTextPixelSize * std::sqrt(std::abs(painter_.combinedTransform().determinant()));
    if (!std::isfinite(deviceEm) || deviceEm > kMaxDeviceEm) return;

    painter_.save();
    if ((run.options & U_ETO_CLIPPED) && run.rect) {
        painter_.setWorldTransform(toDevice * deviceToTarget_ * base_);
        painter_.setClipRect(run.rect->intersected(toDevice.inverted().mapRect(deviceUniverse_)),
                             Qt::IntersectClip);
    }
    if (dc_.backgroundOpaque) {
        FillTextBackground(
            run, textToPainter,
            QRectF(x[0], baseline - metrics.ascent(), width, metrics.ascent() + metrics.descent())
                .normalized());
    }
    painter_.setWorldTransform(textToPainter);
    DrawTextGlyphs(run, font, x, baseline, width);
    painter_.restore();
}

} // namespace zentyra::emf
