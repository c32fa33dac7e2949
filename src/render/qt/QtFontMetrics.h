#pragma once
// Report font metrics from the installed fonts ("Arial", which fontconfig resolves to the
// metric-compatible Liberation Sans). Fonts are sized by cell height as a Windows printer font
// is, and measured in font units without hinting or kerning, so that widths are exact and the
// same on every output device. Needs a QGuiApplication; use from the GUI thread only.
#include "render/FontMetrics.h"

#include <QFont>
#include <QString>

#include <array>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zentyra {

// The em size in page units of a report font: its cell height scaled by the resolved font's
// units per em over its ascent plus descent.
double ReportFontEmSize(ReportFont font);
// The QFont that draws a report font at the given pixel size: Arial, the font's weight, no
// hinting, no kerning.
QFont MakeReportQFont(ReportFont font, int pixelSize);
// The text as replay draws it and measurement measures it (invalid UTF-8 becomes U+FFFD).
QString ReportText(std::string_view utf8);

class QtFontMetrics final : public FontMetrics {
public:
    QtFontMetrics();

    TextMetrics Metrics(ReportFont font) const override;
    int TextWidth(ReportFont font, std::string_view text) const override;

    // The family that "Arial" resolved to, so that tests can tell which fonts they measure.
    QString resolvedFamily(ReportFont font) const;

private:
    struct Face {
        QFont measureFont; // pixel size = units per em, so advances come in exact font units
        double unitsPerEm = 0;
        double emSize = 0; // page units
        TextMetrics metrics;
        // Advances in font units by UTF-16 unit; negative while not yet measured.
        mutable std::vector<double> lowAdvances;
        mutable std::unordered_map<char16_t, double> highAdvances;
    };

    double CharAdvance(const Face& face, char16_t unit) const;
    double StringAdvance(const Face& face, const QString& text) const;

    std::array<Face, kReportFontCount> faces_;
};

} // namespace zentyra
