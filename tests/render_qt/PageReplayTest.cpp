// Replay of recorded pages onto a raster image: where rules, texts and pictures land, text
// clipping and colour, transparency, and pictures that cannot be read.
#include "PageImageSupport.h"

#include "../support/TempDir.h"
#include "platform/Messages.h"
#include "render/qt/QtFontMetrics.h"
#include "render/qt/QtPictureProbe.h"

#include <QBuffer>
#include <QImageWriter>
#include <uemf.h>

#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <sys/resource.h>

namespace zentyra {
namespace {

using test::InkBounds;
using test::RenderAtOnePixelPerUnit;

std::string PngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.write(image);
    return bytes.toStdString();
}

// Left half opaque red, right half fully transparent.
std::string HalfTransparentPng() {
    QImage image(20, 10, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            image.setPixel(x, y, qRgba(255, 0, 0, 255));
    return PngBytes(image);
}

// A 2 x 1 GIF: a red pixel and a blue one whose palette index is the transparent colour.
std::string RedAndTransparentGif() {
    return std::string("GIF89a\x02\x00\x01\x00\x80\x00\x00"
                       "\xFF\x00\x00\x00\x00\xFF"
                       "\x21\xF9\x04\x01\x00\x00\x01\x00"
                       "\x2C\x00\x00\x00\x00\x02\x00\x01\x00\x00"
                       "\x02\x02\x44\x0A\x00\x3B",
                       41);
}

std::string NoisePng(int size) {
    QImage image(size, size, QImage::Format_RGB32);
    std::mt19937 random(7);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            image.setPixel(x, y, random() | 0xFF000000u);
    return PngBytes(image);
}

// A 10 x 10 mm metafile (1000 x 1000 reference pixels) whose one black rectangle reaches 5 mm
// beyond its frame on every side.
bool WriteOverflowingMetafile(const std::string& path) {
    EMFTRACK* track = nullptr;
    EMFHANDLES* handles = nullptr;
    if (emf_start(path.c_str(), 1 << 16, 1 << 14, &track) != 0) return false;
    emf_htable_create(16, 16, &handles);
    const auto append = [&](char* record) {
        emf_append(reinterpret_cast<U_ENHMETARECORD*>(record), track, U_REC_FREE);
    };
    append(U_EMRHEADER_set(U_RECTL{0, 0, 999, 999}, U_RECTL{0, 0, 999, 999}, nullptr, 0, nullptr,
                           sizel_set(1000, 1000), sizel_set(10, 10), 0));
    std::uint32_t brush = 0;
    append(createbrushindirect_set(&brush, handles, logbrush_set(U_BS_SOLID, U_RGB(0, 0, 0), 0)));
    append(selectobject_set(brush, handles));
    append(U_EMRRECTANGLE_set(U_RECTL{-500, -500, 1500, 1500}));
    append(U_EMREOF_set(0, nullptr, track));
    const bool written = emf_finish(track, handles) == 0;
    emf_free(&track);
    emf_htable_free(&handles);
    return written;
}

long PeakResidentMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

class PageReplayTest : public ::testing::Test {
protected:
    void SetUp() override {
        recorder.Prepare(PageGeometry::ForPaper(210, 297, 300), PageMargins{});
        recorder.OpenPage();
    }
    const RecordedPage& ClosePage() {
        recorder.ClosePage();
        return recorder.pages().back();
    }
    QImage RenderPage(bool antialiased = true) {
        return RenderAtOnePixelPerUnit(ClosePage(), pictures, antialiased);
    }

    QtFontMetrics metrics;
    QtPictureProbe probe;
    PageRecorder recorder{metrics, probe};
    RecordingMessageSink messages;
    ScopedMessageSink sink{messages};
    PictureCache pictures;
    test::TempDir dir;
};

TEST_F(PageReplayTest, RuleIsOneUnitOfTheGreyPen) {
    recorder.Line({200, 300}, {800, 300});
    const QImage image = RenderPage(false);
    EXPECT_EQ(image.pixel(500, 300), qRgb(100, 100, 100));
    const auto ink = InkBounds(image, QRect(100, 200, 800, 200));
    ASSERT_TRUE(ink);
    EXPECT_EQ(ink->top(), 300);
    EXPECT_EQ(ink->bottom(), 300);
    EXPECT_NEAR(ink->left(), 200, 1);
    EXPECT_NEAR(ink->right(), 800, 1);
}

TEST_F(PageReplayTest, TextLandsWhereItsAlignmentAndRecordedMetricsPutIt) {
    struct Case {
        TextAlign align;
        int y;
        int baseline; // where the alignment puts the baseline for reference y
    };
    const int x = 1000;
    const Case cases[] = {
        {{HAlign::Left, VAlign::Top}, 300, 325},     {{HAlign::Centre, VAlign::Baseline}, 500, 500},
        {{HAlign::Right, VAlign::Bottom}, 700, 694}, {{HAlign::Left, VAlign::Bottom}, 900, 894},
        {{HAlign::Right, VAlign::Top}, 1100, 1125},  {{HAlign::Centre, VAlign::Top}, 1300, 1325},
    };
    const int width = metrics.TextWidth(ReportFont::Body, "HHH");
    for (const Case& c : cases) {
        recorder.SetTextAlign(c.align);
        recorder.TextOut(x, c.y, "HHH");
    }
    const QImage image = RenderPage();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.y);
        const auto ink = InkBounds(image, QRect(700, c.y - 60, 600, 120));
        ASSERT_TRUE(ink);
        // H stands on the baseline and is about 19 units high (cap height 1409 of 2288).
        EXPECT_NEAR(ink->bottom(), c.baseline - 1, 1);
        EXPECT_NEAR(ink->top(), c.baseline - 19, 2);
        int left = x;
        if (c.align.horizontal == HAlign::Centre) left = x - width / 2;
        if (c.align.horizontal == HAlign::Right) left = x - width;
        // Side bearings of H are 158 units, about 2 page units.
        EXPECT_NEAR(ink->left(), left + 2, 2);
        EXPECT_NEAR(ink->right(), left + width - 3, 2);
    }
}

TEST_F(PageReplayTest, TextIsPlacedByTheWidthRecordedWithTheLayoutsMetrics) {
    // The test metrics make "HHH" 45 units wide; the real glyphs are about 60.
    TestFontMetrics testMetrics;
    PageRecorder testRecorder(testMetrics, probe);
    testRecorder.Prepare(PageGeometry::ForPaper(210, 297, 300), PageMargins{});
    testRecorder.OpenPage();
    testRecorder.SetTextAlign({HAlign::Right, VAlign::Top});
    testRecorder.TextOut(1000, 500, "HHH");
    testRecorder.ClosePage();
    const QImage image = RenderAtOnePixelPerUnit(testRecorder.pages().back(), pictures);
    const auto ink = InkBounds(image, QRect(800, 400, 400, 200));
    ASSERT_TRUE(ink);
    EXPECT_NEAR(ink->left(), 1000 - 45 + 2, 2);
    EXPECT_GT(ink->right(), 1005);
}

TEST_F(PageReplayTest, TextIsClippedToItsClipRectangle) {
    const PageRect clip{1000, 400, 1040, 460};
    recorder.TextOut(1000, 400, "HHHHHHHH", &clip);
    const PageRect elsewhere{0, 0, 100, 100};
    recorder.TextOut(1000, 600, "HHHHHHHH", &elsewhere);
    const PageRect empty{1000, 800, 1000, 860};
    recorder.TextOut(1000, 800, "HHHHHHHH", &empty);
    const QImage image = RenderPage();

    const auto clipped = InkBounds(image, QRect(900, 350, 400, 150));
    ASSERT_TRUE(clipped);
    EXPECT_LE(clipped->right(), 1039);
    EXPECT_GE(clipped->right(), 1035);
    EXPECT_FALSE(InkBounds(image, QRect(900, 550, 400, 150)));
    EXPECT_FALSE(InkBounds(image, QRect(900, 750, 400, 150)));
}

TEST_F(PageReplayTest, TextHasItsColourAndStaysInItsFont) {
    recorder.SelectFont(ReportFont::IndexTitle);
    recorder.SetTextColour({0, 0, 255});
    recorder.TextOut(300, 300, "IIII");
    const QImage image = RenderPage();
    const auto ink = InkBounds(image, QRect(200, 200, 600, 300));
    ASSERT_TRUE(ink);
    // Bold I at cell 63 is about 44 units high and its stems are fully covered pixels.
    EXPECT_NEAR(ink->height(), 63 * 1409 / 2288, 2);
    bool blue = false;
    for (int x = ink->left(); x <= ink->right(); ++x)
        blue = blue || image.pixel(x, ink->center().y()) == qRgb(0, 0, 255);
    EXPECT_TRUE(blue);
}

TEST_F(PageReplayTest, CheckMarkIsDrawnWithTheFallbackFont) {
    recorder.TextOut(300, 300, "\xE2\x9C\x94");
    const QImage image = RenderPage();
    const auto ink = InkBounds(image, QRect(250, 250, 200, 200));
    ASSERT_TRUE(ink);
    EXPECT_GT(ink->width(), 10);
    EXPECT_LE(ink->right(), 300 + metrics.TextWidth(ReportFont::Body, "\xE2\x9C\x94") + 1);
}

TEST_F(PageReplayTest, BitmapsFillTheirRectangleAndKeepTransparency) {
    const std::string png = dir.write("half.png", HalfTransparentPng());
    const std::string gif = dir.write("legend.gif", RedAndTransparentGif());
    recorder.Picture(PictureKind::Bitmap, png, {300, 1200, 500, 1300}, {300, 1200, 500, 1300});
    recorder.Picture(PictureKind::Bitmap, gif, {300, 1500, 500, 1600}, {300, 1500, 500, 1600});
    const QImage image = RenderPage();

    for (int top : {1200, 1500}) {
        SCOPED_TRACE(top);
        EXPECT_EQ(image.pixel(340, top + 50), qRgb(255, 0, 0));
        EXPECT_EQ(image.pixel(460, top + 50), qRgb(255, 255, 255));
        const auto ink = InkBounds(image, QRect(250, top - 50, 400, 200));
        ASSERT_TRUE(ink);
        EXPECT_NEAR(ink->left(), 300, 1);
        EXPECT_NEAR(ink->top(), top, 1);
        EXPECT_NEAR(ink->bottom(), top + 99, 1);
    }
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(PageReplayTest, MetafileDrawsOnlyInsideItsRectangle) {
    const std::string emf = dir.file("overflow.emf");
    ASSERT_TRUE(WriteOverflowingMetafile(emf));
    recorder.Picture(PictureKind::Metafile, emf, {300, 300, 400, 400}, {300, 300, 400, 400});
    const QImage image = RenderPage(false);
    EXPECT_EQ(image.pixel(350, 350), qRgb(0, 0, 0));
    const auto ink = InkBounds(image, QRect(200, 200, 300, 300));
    ASSERT_TRUE(ink);
    // Fills the rectangle and is clipped to it (at most one device pixel more right and below).
    EXPECT_TRUE(QRect(QPoint(300, 300), QPoint(400, 400)).contains(*ink)) << ink->right();
    EXPECT_TRUE(ink->contains(QRect(QPoint(300, 300), QPoint(399, 399))));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(PageReplayTest, PictureDrawnOnEveryPageIsDecodedOnce) {
    const std::string logo = dir.write("logo.png", HalfTransparentPng());
    const PageRect rect{300, 100, 500, 200};
    recorder.Picture(PictureKind::Bitmap, logo, rect, rect);
    recorder.ClosePage();
    recorder.OpenPage();
    recorder.Picture(PictureKind::Bitmap, logo, rect, rect);
    recorder.ClosePage();

    EXPECT_EQ(RenderAtOnePixelPerUnit(recorder.pages()[0], pictures).pixel(340, 150),
              qRgb(255, 0, 0));
    std::filesystem::remove(logo);
    const QImage second = RenderAtOnePixelPerUnit(recorder.pages()[1], pictures);
    EXPECT_EQ(second.pixel(340, 150), qRgb(255, 0, 0));
}

TEST_F(PageReplayTest, PictureTooLargeToDecodeWholeIsDrawnFromAScaledDecode) {
    // 6000 x 6000 RGB is above the reader's allocation limit when decoded whole.
    const std::string big = dir.write("big.png", test::ZeroPng::Make(6000, 6000, 3));
    recorder.Picture(PictureKind::Bitmap, big, {300, 300, 400, 400}, {300, 300, 400, 400});
    const QImage image = RenderPage();
    EXPECT_EQ(image.pixel(350, 350), qRgb(0, 0, 0));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(PageReplayTest, PicturesThatCannotBeReadDrawNothingAndAreReportedOnce) {
    const std::string validPng = NoisePng(64);
    const std::string files[] = {
        dir.file("missing.png"),
        dir.write("empty.png", ""),
        dir.write("truncated.png", validPng.substr(0, validPng.size() / 2)),
        dir.write("corrupt.jpg", "\xFF\xD8\xFF\xE0" + std::string(200, 'x')),
        dir.write("huge.png", test::ZeroPng::Make(30000, 30000, 1)),
        dir.file("missing.emf"),
    };
    const long residentBefore = PeakResidentMb();
    for (int page = 0; page < 2; ++page) {
        if (page > 0) recorder.OpenPage();
        int top = 200;
        for (const std::string& file : files) {
            const PictureKind kind =
                file.ends_with(".emf") ? PictureKind::Metafile : PictureKind::Bitmap;
            recorder.Picture(kind, file, {300, top, 500, top + 200}, {300, top, 500, top + 200});
            top += 300;
        }
        const QImage image = RenderPage();
        EXPECT_FALSE(InkBounds(image, QRect(250, 150, 300, top))) << "page " << page;
    }
    EXPECT_LT(PeakResidentMb() - residentBefore, 400);

    ASSERT_EQ(messages.messages.size(), std::size(files));
    for (std::size_t i = 0; i < std::size(files); ++i) {
        EXPECT_EQ(messages.messages[i].kind, MessageKind::Debug);
        EXPECT_NE(messages.messages[i].text.find(files[i]), std::string::npos)
            << messages.messages[i].text;
    }
}

TEST_F(PageReplayTest, ProbeReadsPictureSizesWithoutDecoding) {
    EXPECT_EQ(probe.BitmapSize(dir.write("huge.png", test::ZeroPng::Make(30000, 20000, 1)))
                  .value_or(PixelSize{})
                  .height,
              20000);
    const auto gif = probe.BitmapSize(dir.write("legend.bin", RedAndTransparentGif()));
    ASSERT_TRUE(gif);
    EXPECT_EQ(gif->width, 2);
    EXPECT_EQ(gif->height, 1);
    EXPECT_FALSE(probe.BitmapSize(dir.write("empty.bmp", "")));
    EXPECT_FALSE(probe.BitmapSize(dir.file("missing.bmp")));
    const std::string emf = dir.file("frame.emf");
    ASSERT_TRUE(WriteOverflowingMetafile(emf));
    EXPECT_EQ(probe.MetafileFrame(emf), (PageRect{0, 0, 999, 999}));
    EXPECT_FALSE(probe.MetafileFrame(dir.file("missing.emf")));
}

} // namespace
} // namespace zentyra
