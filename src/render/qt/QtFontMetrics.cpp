#include "render/qt/QtFontMetrics.h"

#include "platform/Text.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QRawFont>

#include <algorithm>
#include <cmath>

namespace zentyra {

namespace {

// Advances of the first UTF-16 units (Latin, Greek, Cyrillic) live in a table, the rest in a map.
constexpr char16_t kLowAdvanceLimit = 0x0590;

struct FontDesign {
    double unitsPerEm = 2048;
    double ascent = 1854;
    double descent = 434;
    double lineGap = 67;
};

QFont BaseFont(ReportFont font) {
    QFont qfont(QStringLiteral("Arial"));
    qfont.setWeight(static_cast<QFont::Weight>(SpecOf(font).weight));
    // Hinting and kerning would make widths depend on the device and differ from a printer's.
    qfont.setHintingPreference(QFont::PreferNoHinting);
    qfont.setKerning(false);
    return qfont;
}

// The hhea values of the resolved font in font units; Arial's own when nothing resolves.
FontDesign DesignOf(ReportFont font) {
    QFont qfont = BaseFont(font);
    qfont.setPixelSize(2048);
    QRawFont raw = QRawFont::fromFont(qfont);
    FontDesign design;
    if (!raw.isValid() || raw.unitsPerEm() <= 0) return design;
    raw.setPixelSize(raw.unitsPerEm());
    if (raw.ascent() + raw.descent() <= 0) return design;
    design.unitsPerEm = raw.unitsPerEm();
    design.ascent = raw.ascent();
    design.descent = raw.descent();
    design.lineGap = raw.leading();
    return design;
}

double EmSizeOf(ReportFont font, const FontDesign& design) {
    return SpecOf(font).cellHeight * design.unitsPerEm / (design.ascent + design.descent);
}

// Units whose advance inside a string is their advance alone: no shaping, combining, control or
// joiner behaviour. Anything else is measured as a whole string.
bool MeasuresAlone(char16_t unit) {
    if (unit < 0x20 || unit == 0x7F || unit == 0xAD) return false;
    if (unit >= 0x0300 && unit < 0x0370) return false; // combining marks
    if (unit < kLowAdvanceLimit) return true;
    if (unit >= 0x1E00 && unit < 0x2000) return true;  // Latin and Greek extended
    if (unit >= 0x200B && unit < 0x2010) return false; // zero-width spaces and joiners
    if (unit >= 0x2028 && unit < 0x202F) return false; // separators and bidi controls
    if (unit >= 0x2060 && unit < 0x2070) return false; // invisible operators
    if (unit >= 0x2000 && unit < 0x2C00) return true;  // punctuation, symbols, arrows, dingbats
    return unit == 0xFFFD;
}

} // namespace

double ReportFontEmSize(ReportFont font) {
    static const std::array<double, kReportFontCount> emSizes = [] {
        std::array<double, kReportFontCount> sizes{};
        for (std::size_t i = 0; i < sizes.size(); ++i) {
            const auto font = static_cast<ReportFont>(i);
            sizes[i] = EmSizeOf(font, DesignOf(font));
        }
        return sizes;
    }();
    return emSizes[static_cast<std::size_t>(font)];
}

QFont MakeReportQFont(ReportFont font, int pixelSize) {
    QFont qfont = BaseFont(font);
    qfont.setPixelSize(pixelSize > 0 ? pixelSize : 1);
    return qfont;
}

QString ReportText(std::string_view utf8) {
    const std::u16string units = Utf8ToUtf16(utf8);
    return QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size()));
}

QtFontMetrics::QtFontMetrics() {
    for (std::size_t i = 0; i < faces_.size(); ++i) {
        const auto font = static_cast<ReportFont>(i);
        const FontDesign design = DesignOf(font);
        const double cell = SpecOf(font).cellHeight;
        const double cellPerUnit = cell / (design.ascent + design.descent);
        Face& face = faces_[i];
        face.unitsPerEm = design.unitsPerEm;
        face.measureFont = MakeReportQFont(font, static_cast<int>(design.unitsPerEm));
        face.emSize = EmSizeOf(font, design);
        face.metrics.height = SpecOf(font).cellHeight;
        face.metrics.ascent = static_cast<int>(std::lround(design.ascent * cellPerUnit));
        face.metrics.descent = face.metrics.height - face.metrics.ascent;
        face.metrics.externalLeading = static_cast<int>(std::lround(design.lineGap * cellPerUnit));
        face.lowAdvances.assign(kLowAdvanceLimit, -1.0);
    }
}

TextMetrics QtFontMetrics::Metrics(ReportFont font) const {
    return faces_[static_cast<std::size_t>(font)].metrics;
}

int QtFontMetrics::TextWidth(ReportFont font, std::string_view text) const {
    const Face& face = faces_[static_cast<std::size_t>(font)];
    double units = 0;
    bool alone = true;
    const bool ascii =
        std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; });
    if (ascii) {
        for (char c : text) {
            const auto unit = static_cast<char16_t>(c);
            if (!MeasuresAlone(unit)) {
                alone = false;
                break;
            }
            units += CharAdvance(face, unit);
        }
        if (!alone) units = StringAdvance(face, QString::fromLatin1(text.data(), text.size()));
    } else {
        const std::u16string utf16 = Utf8ToUtf16(text);
        for (char16_t unit : utf16) {
            if (!MeasuresAlone(unit)) {
                alone = false;
                break;
            }
            units += CharAdvance(face, unit);
        }
        if (!alone)
            units = StringAdvance(
                face, QString::fromUtf16(utf16.data(), static_cast<qsizetype>(utf16.size())));
    }
    return static_cast<int>(std::lround(units * face.emSize / face.unitsPerEm));
}

QString QtFontMetrics::resolvedFamily(ReportFont font) const {
    return QFontInfo(faces_[static_cast<std::size_t>(font)].measureFont).family();
}

double QtFontMetrics::CharAdvance(const Face& face, char16_t unit) const {
    double* slot = nullptr;
    if (unit < kLowAdvanceLimit) {
        slot = &face.lowAdvances[unit];
        if (*slot >= 0) return *slot;
    } else if (auto found = face.highAdvances.find(unit); found != face.highAdvances.end()) {
        return found->second;
    }
    // Measured as a one-unit string so that a missing glyph comes from the fallback font that
    // drawing uses.
    const double advance = StringAdvance(face, QString(QChar(unit)));
    if (slot)
        *slot = advance;
    else
        face.highAdvances.emplace(unit, advance);
    return advance;
}

double QtFontMetrics::StringAdvance(const Face& face, const QString& text) const {
    return QFontMetricsF(face.measureFont).horizontalAdvance(text);
}

} // namespace zentyra
