// Report font metrics from the installed Liberation fonts: integer metrics as a printer driver
// gives them, and widths in exact font units without hinting or kerning.
#include "render/qt/QtFontMetrics.h"

#include <QFont>
#include <QFontMetricsF>

#include <cmath>
#include <gtest/gtest.h>

namespace zentyra {
namespace {

// Liberation Sans: 2048 units per em, hhea ascender 1854 and descender 434.
constexpr double kCellUnits = 1854 + 434;

class QtFontMetricsTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (metrics.resolvedFamily(ReportFont::Body) != QStringLiteral("Liberation Sans"))
            GTEST_SKIP() << "Arial does not resolve to Liberation Sans (fonts-liberation)";
    }
    // A width in Liberation font units as it comes out for a cell height.
    static int Scaled(double fontUnits, int cellHeight) {
        return static_cast<int>(std::lround(fontUnits * cellHeight / kCellUnits));
    }
    QtFontMetrics metrics;
};

TEST_F(QtFontMetricsTest, BodyFontHasThePrinterIntegerMetrics) {
    const TextMetrics body = metrics.Metrics(ReportFont::Body);
    EXPECT_EQ(body.height, 31);
    EXPECT_EQ(body.ascent, 25);
    EXPECT_EQ(body.descent, 6);
    EXPECT_EQ(body.externalLeading, 1);
}

TEST_F(QtFontMetricsTest, EveryFontIsAsHighAsItsCell) {
    for (std::size_t i = 0; i < kFontSpecs.size(); ++i) {
        const TextMetrics m = metrics.Metrics(static_cast<ReportFont>(i));
        EXPECT_EQ(m.height, kFontSpecs[i].cellHeight) << kFontSpecs[i].name;
        EXPECT_EQ(m.ascent + m.descent, kFontSpecs[i].cellHeight) << kFontSpecs[i].name;
        EXPECT_EQ(m.ascent, std::lround(kFontSpecs[i].cellHeight * 1854 / kCellUnits))
            << kFontSpecs[i].name;
    }
}

TEST_F(QtFontMetricsTest, WidthsAreDesignAdvancesWithoutKerning) {
    struct Case {
        ReportFont font;
        const char* text;
        double fontUnits; // Liberation Sans design advances
    };
    const Case cases[] = {
        {ReportFont::Body, "W", 1933},
        {ReportFont::Body, "Illuminance 1234.56 lx", 20379},
        {ReportFont::IndexPiece, "Illuminance 1234.56 lx", 20379},
        {ReportFont::Body, "AV", 1366 + 1366}, // kerned it would be 2580
        {ReportFont::Body, "To", 1251 + 1139},
        {ReportFont::Body, "", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(metrics.TextWidth(c.font, c.text), Scaled(c.fontUnits, SpecOf(c.font).cellHeight))
            << c.text;
}

TEST_F(QtFontMetricsTest, WidthOfAnyTextIsItsUnkernedAdvanceAsAWhole) {
    // Includes texts that take the per-character path and texts that are measured whole.
    const char* texts[] = {"fi ffl",
                           "Ra\xC3\xA4um \xC2\xB5m\xC2\xB2 20\xC2\xB0 \xCE\xA9 \xE2\x80\xB0",
                           "e\xCC\x81t\xC3\xA9",
                           "tab\there",
                           "\xE2\x9C\x94 ok \xE2\x9C\x98",
                           "\xE4\xB8\xAD\xE6\x96\x87",
                           "bad \xFF byte"};
    for (ReportFont font : {ReportFont::Body, ReportFont::Section}) {
        QFont reference = MakeReportQFont(font, 2048);
        const QFontMetricsF measure(reference);
        const double em = ReportFontEmSize(font);
        for (const char* text : texts) {
            const double units = measure.horizontalAdvance(ReportText(text));
            EXPECT_EQ(metrics.TextWidth(font, text), std::lround(units * em / 2048)) << text;
        }
    }
}

TEST_F(QtFontMetricsTest, CheckMarksAreMeasuredWithTheFallbackFontThatDrawsThem) {
    QFont dejaVu(QStringLiteral("DejaVu Sans"));
    dejaVu.setPixelSize(2048);
    dejaVu.setHintingPreference(QFont::PreferNoHinting);
    const double checkUnits = QFontMetricsF(dejaVu).horizontalAdvance(QChar(0x2714));
    const int check = metrics.TextWidth(ReportFont::Body, "\xE2\x9C\x94");
    EXPECT_GT(check, 10);
    EXPECT_EQ(check, Scaled(checkUnits, 31));
    EXPECT_GT(metrics.TextWidth(ReportFont::Body, "\xE2\x9C\x98"), 10);
}

TEST_F(QtFontMetricsTest, EmSizeIsTheCellOverAscentPlusDescent) {
    EXPECT_NEAR(ReportFontEmSize(ReportFont::Body), 31 * 2048 / kCellUnits, 1e-9);
    EXPECT_NEAR(ReportFontEmSize(ReportFont::IndexTitle), 63 * 2048 / kCellUnits, 1e-9);
}

} // namespace
} // namespace zentyra
