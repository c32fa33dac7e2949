#include "emf/EmfPicture.h"

#include "../support/TempDir.h"

#include <uemf.h>

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRawFont>
#include <QStandardPaths>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zentyra {
namespace {

using test::TempDir;

constexpr U_RECTL kSquareFrame{0, 0, 9999, 9999}; // 100 mm, inclusive

U_RECTL Rect(int left, int top, int right, int bottom) {
    return U_RECTL{left, top, right, bottom};
}

// A record libUEMF has no constructor for, or would refuse to build: type, then dwords.
char* RawRecord(std::uint32_t type, std::initializer_list<std::uint32_t> body) {
    const std::size_t size = 8 + 4 * body.size();
    auto* words = static_cast<std::uint32_t*>(std::malloc(size)); // emf_append frees it
    words[0] = type;
    words[1] = static_cast<std::uint32_t>(size);
    std::copy(body.begin(), body.end(), words + 2);
    return reinterpret_cast<char*>(words);
}

void Patch(char* record, std::size_t offset, std::uint32_t value) {
    std::memcpy(record + offset, &value, sizeof value);
}

std::uint32_t ReadU32(const char* record, std::size_t offset) {
    std::uint32_t value = 0;
    std::memcpy(&value, record + offset, sizeof value);
    return value;
}

U_COLORREF Ref(QColor color) {
    return colorref3_set(color.red(), color.green(), color.blue());
}

// Writes a test picture with libUEMF: by default a 100 mm square frame on a 1000-pixel reference
// device, so that in MM_TEXT one logical unit is 0.1 mm and a 200-pixel render shows five
// units per pixel.
class EmfBuilder {
public:
    explicit EmfBuilder(std::string path, U_RECTL frame = kSquareFrame) : path_(std::move(path)) {
        emf_start(path_.c_str(), 1 << 16, 1 << 16, &track_);
        emf_htable_create(128, 128, &handles_);
        Add(U_EMRHEADER_set(Rect(0, 0, 999, 999), frame, nullptr, 0, nullptr, sizel_set(1000, 1000),
                            sizel_set(100, 100), 0));
    }
    ~EmfBuilder() {
        if (track_) emf_free(&track_);
        if (handles_) emf_htable_free(&handles_);
    }
    EmfBuilder(const EmfBuilder&) = delete;
    EmfBuilder& operator=(const EmfBuilder&) = delete;

    EMFHANDLES* handles() { return handles_; }
    void Add(char* record) {
        ASSERT_NE(record, nullptr);
        emf_append(reinterpret_cast<U_ENHMETARECORD*>(record), track_, 1);
    }
    void Select(std::uint32_t index) { Add(selectobject_set(index, handles_)); }
    void Brush(QColor color) {
        std::uint32_t index = 0;
        Add(createbrushindirect_set(&index, handles_, logbrush_set(U_BS_SOLID, Ref(color), 0)));
        Select(index);
    }
    void Pen(QColor color, int width, std::uint32_t style = U_PS_SOLID) {
        std::uint32_t index = 0;
        Add(createpen_set(&index, handles_, logpen_set(style, point32_set(width, 0), Ref(color))));
        Select(index);
    }
    void Font(int height, int escapement = 0) {
        std::uint16_t* face = U_Utf8ToUtf16le("Arial", 0, nullptr);
        U_LOGFONT font = logfont_set(height, 0, escapement, escapement, U_FW_NORMAL, 0, 0, 0,
                                     U_ANSI_CHARSET, U_OUT_DEFAULT_PRECIS, U_CLIP_DEFAULT_PRECIS,
                                     U_DEFAULT_QUALITY, U_DEFAULT_PITCH | U_FF_SWISS, face);
        std::free(face);
        std::uint32_t index = 0;
        Add(extcreatefontindirectw_set(&index, handles_, reinterpret_cast<const char*>(&font),
                                       nullptr));
        Select(index);
    }
    // ExtTextOutW; without dx the record says nothing of glyph positions (offDx 0).
    void Text(const char* utf8, int x, int y, std::vector<std::uint32_t> dx = {}) {
        std::size_t length = 0;
        std::uint16_t* text = U_Utf8ToUtf16le(utf8, 0, &length);
        TextRecord(text, length, 2, U_ETO_NONE, x, y, std::move(dx));
        std::free(text);
    }
    void AnsiText(const char* latin1, int x, int y) {
        TextRecord(latin1, std::strlen(latin1), 1, U_ETO_NONE, x, y, {});
    }
    void GlyphText(const std::vector<std::uint16_t>& glyphs, int x, int y) {
        TextRecord(glyphs.data(), glyphs.size(), 2, U_ETO_GLYPH_INDEX, x, y, {});
    }
    void TextRecord(const void* units, std::size_t count, std::uint32_t unitSize,
                    std::uint32_t options, int x, int y, std::vector<std::uint32_t> dx) {
        const bool ownAdvances = dx.empty();
        if (ownAdvances) dx.assign(count, 0);
        char* emrText = emrtext_set(point32_set(x, y), static_cast<U_NUM_STR>(count), unitSize,
                                    const_cast<void*>(units), options, Rect(0, 0, 0, 0), dx.data());
        const auto make = unitSize == 1 ? U_EMREXTTEXTOUTA_set : U_EMREXTTEXTOUTW_set;
        char* record =
            make(Rect(0, 0, -1, -1), U_GM_COMPATIBLE, 1, 1, reinterpret_cast<PU_EMRTEXT>(emrText));
        std::free(emrText);
        if (ownAdvances) Patch(record, 72, 0);
        Add(record);
    }
    void Rectangle(int left, int top, int right, int bottom) {
        Add(U_EMRRECTANGLE_set(Rect(left, top, right, bottom)));
    }
    // Writes the file: EMR_EOF and the final header counts.
    std::string Finish() {
        Add(U_EMREOF_set(0, nullptr, track_));
        emf_finish(track_, handles_);
        emf_free(&track_);
        emf_htable_free(&handles_);
        return path_;
    }

private:
    std::string path_;
    EMFTRACK* track_ = nullptr;
    EMFHANDLES* handles_ = nullptr;
};

QImage Render(const EmfPicture& picture, QSize size = QSize(200, 200)) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.Play(painter, QRectF(QPointF(0, 0), size));
    return image;
}

bool Near(QRgb pixel, QColor expected, int tolerance) {
    return std::abs(qRed(pixel) - expected.red()) <= tolerance &&
           std::abs(qGreen(pixel) - expected.green()) <= tolerance &&
           std::abs(qBlue(pixel) - expected.blue()) <= tolerance;
}

std::string Describe(QRgb pixel) {
    return "rgb(" + std::to_string(qRed(pixel)) + "," + std::to_string(qGreen(pixel)) + "," +
           std::to_string(qBlue(pixel)) + ")";
}

int DarkPixels(const QImage& image, const QRect& area) {
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128) ++count;
    return count;
}

struct Sample {
    int x = 0;
    int y = 0;
    QColor color;
};

void ExpectSamples(const QImage& image, const std::vector<Sample>& samples, int tolerance = 8) {
    for (const Sample& sample : samples) {
        const QRgb pixel = image.pixel(sample.x, sample.y);
        EXPECT_TRUE(Near(pixel, sample.color, tolerance))
            << "at " << sample.x << "," << sample.y << ": " << Describe(pixel) << ", expected "
            << Describe(sample.color.rgb());
    }
}

bool ArialResolves() {
    const QString family = QFontInfo(QFont(QStringLiteral("Arial"))).family();
    return family == QStringLiteral("Liberation Sans") || family == QStringLiteral("Arial");
}

const QColor kRed(200, 30, 30);
const QColor kBlue(30, 60, 200);
const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);

// A valid picture to fall back on and to corrupt.
std::string WriteSolid(const TempDir& dir) {
    EmfBuilder emf(dir.file("solid.emf"));
    emf.Brush(kRed);
    emf.Rectangle(100, 100, 500, 500);
    return emf.Finish();
}

class EmfPictureTest : public ::testing::Test {
protected:
    EmfPicture LoadOrFail(const std::string& path) {
        std::string error;
        auto picture = EmfPicture::Load(path, &error);
        EXPECT_TRUE(picture.has_value()) << error;
        return picture ? *picture : *EmfPicture::Load(WriteSolid(dir_));
    }
    TempDir dir_;
};

// ---- Drawing records, one small picture each ----

struct DrawCase {
    const char* name;
    std::function<void(EmfBuilder&)> draw;
    std::vector<Sample> samples;
};

void PrintTo(const DrawCase& value, std::ostream* out) {
    *out << value.name;
}

void Fill(EmfBuilder& emf, QColor color) {
    emf.Select(U_NULL_PEN);
    emf.Brush(color);
}

const std::vector<DrawCase>& DrawCases() {
    static const std::vector<DrawCase> cases = {
        {"BrushFillsRectangle",
         [](EmfBuilder& emf) {
             Fill(emf, kRed);
             emf.Rectangle(100, 100, 500, 500);
         },
         {{60, 60, kRed}, {150, 150, kWhite}, {10, 10, kWhite}}},
        {"SetWorldTransformMovesShapes",
         [](EmfBuilder& emf) {
             Fill(emf, kRed);
             emf.Add(U_EMRSETWORLDTRANSFORM_set(xform_set(1, 0, 0, 1, 500, 0)));
             emf.Rectangle(0, 0, 250, 250);
         },
         {{125, 25, kRed}, {25, 25, kWhite}}},
        {"ModifyWorldTransformLeftMultiplies",
         [](EmfBuilder& emf) {
             Fill(emf, kRed);
             emf.Add(U_EMRSETWORLDTRANSFORM_set(xform_set(1, 0, 0, 1, 500, 500)));
             emf.Add(
                 U_EMRMODIFYWORLDTRANSFORM_set(xform_set(2, 0, 0, 2, 0, 0), U_MWT_LEFTMULTIPLY));
             emf.Rectangle(0, 0, 100, 100);
         },
         {{120, 120, kRed}, {90, 90, kWhite}, {150, 150, kWhite}}},
        {"ModifyWorldTransformRightMultiplies",
         [](EmfBuilder& emf) {
             Fill(emf, kRed);
             emf.Add(U_EMRSETWORLDTRANSFORM_set(xform_set(2, 0, 0, 2, 0, 0)));
             emf.Add(U_EMRMODIFYWORLDTRANSFORM_set(xform_set(1, 0, 0, 1, 250, 250),
                                                   U_MWT_RIGHTMULTIPLY));
             emf.Rectangle(0, 0, 100, 100);
         },
         {{70, 70, kRed}, {40, 40, kWhite}, {100, 100, kWhite}}},
        {"IntersectClipRectKeepsFillOut",
         [](EmfBuilder& emf) {
             Fill(emf, kRed);
             emf.Add(U_EMRINTERSECTCLIPRECT_set(Rect(0, 0, 300, 1000)));
             emf.Rectangle(0, 0, 1000, 1000);
         },
         {{30, 100, kRed}, {100, 100, kWhite}}},
        {"ExcludeClipRectCutsAHole",
         [](EmfBuilder& emf) {
             Fill(emf, kRed);
             emf.Add(U_EMREXCLUDECLIPRECT_set(Rect(250, 250, 750, 750)));
             emf.Rectangle(0, 0, 1000, 1000);
         },
         {{20, 20, kRed}, {100, 100, kWhite}}},
        {"RestoreDcDropsTheClip",
         [](EmfBuilder& emf) {
             Fill(emf, kRed);
             emf.Add(U_EMRSAVEDC_set());
             emf.Add(U_EMRINTERSECTCLIPRECT_set(Rect(0, 0, 100, 100)));
             emf.Add(U_EMRRESTOREDC_set(-1));
             emf.Rectangle(0, 0, 1000, 1000);
         },
         {{150, 150, kRed}}},
        {"ClipRegionCopy",
         [](EmfBuilder& emf) {
             Fill(emf, kBlue);
             U_RECTL rect = Rect(0, 0, 500, 1000);
             PU_RGNDATA region = rgndata_set(rgndataheader_set(1, rect), &rect);
             emf.Add(U_EMREXTSELECTCLIPRGN_set(U_RGN_COPY, region));
             std::free(region);
             emf.Rectangle(0, 0, 1000, 1000);
         },
         {{50, 100, kBlue}, {150, 100, kWhite}}},
        {"EmptyClipRegionCopyResetsTheClip",
         [](EmfBuilder& emf) {
             Fill(emf, kRed);
             emf.Add(U_EMRINTERSECTCLIPRECT_set(Rect(0, 0, 100, 100)));
             emf.Add(RawRecord(U_EMR_EXTSELECTCLIPRGN, {0, U_RGN_COPY}));
             emf.Rectangle(0, 0, 1000, 1000);
         },
         {{150, 150, kRed}}},
        {"SelectClipPath",
         [](EmfBuilder& emf) {
             Fill(emf, kRed);
             emf.Add(U_EMRBEGINPATH_set());
             emf.Rectangle(0, 0, 500, 1000);
             emf.Add(U_EMRENDPATH_set());
             emf.Add(U_EMRSELECTCLIPPATH_set(U_RGN_COPY));
             emf.Rectangle(0, 0, 1000, 1000);
         },
         {{50, 100, kRed}, {150, 100, kWhite}}},
        {"FillPathWithFigure",
         [](EmfBuilder& emf) {
             Fill(emf, kRed);
             emf.Add(U_EMRBEGINPATH_set());
             emf.Add(U_EMRMOVETOEX_set(point32_set(0, 0)));
             emf.Add(U_EMRLINETO_set(point32_set(1000, 0)));
             emf.Add(U_EMRLINETO_set(point32_set(0, 1000)));
             emf.Add(U_EMRCLOSEFIGURE_set());
             emf.Add(U_EMRENDPATH_set());
             emf.Add(U_EMRFILLPATH_set(Rect(0, 0, 1000, 1000)));
         },
         {{40, 40, kRed}, {160, 160, kWhite}}},
        {"AnisotropicWindowAndViewport",
         [](EmfBuilder& emf) {
             Fill(emf, kRed);
             emf.Add(U_EMRSETMAPMODE_set(U_MM_ANISOTROPIC));
             emf.Add(U_EMRSETWINDOWEXTEX_set(sizel_set(100, 100)));
             emf.Add(U_EMRSETVIEWPORTEXTEX_set(sizel_set(1000, 1000)));
             emf.Rectangle(0, 0, 50, 50);
         },
         {{90, 90, kRed}, {110, 110, kWhite}}},
        {"HimetricPointsYUp",
         [](EmfBuilder& emf) {
             Fill(emf, kRed);
             emf.Add(U_EMRSETMAPMODE_set(U_MM_HIMETRIC));
             emf.Add(U_EMRSETVIEWPORTORGEX_set(point32_set(0, 1000)));
             emf.Rectangle(0, 0, 5000, 5000);
         },
         {{50, 150, kRed}, {50, 50, kWhite}, {150, 150, kWhite}}},
        {"StockBrush",
         [](EmfBuilder& emf) {
             emf.Select(U_NULL_PEN);
             emf.Select(U_BLACK_BRUSH);
             emf.Rectangle(100, 100, 500, 500);
         },
         {{60, 60, kBlack}, {150, 150, kWhite}}},
        {"PenOutlinesRectangle",
         [](EmfBuilder& emf) {
             emf.Select(U_NULL_BRUSH);
             emf.Pen(kBlue, 40);
             emf.Rectangle(200, 200, 800, 800);
         },
         {{40, 100, kBlue}, {100, 40, kBlue}, {100, 100, kWhite}}},
        {"EllipseFillsItsBox",
         [](EmfBuilder& emf) {
             Fill(emf, kRed);
             emf.Add(U_EMRELLIPSE_set(Rect(0, 0, 1000, 1000)));
         },
         {{100, 100, kRed}, {5, 5, kWhite}, {195, 195, kWhite}}},
        {"PieRunsCounterClockwise",
         [](EmfBuilder& emf) {
             Fill(emf, kRed);
             emf.Add(
                 U_EMRPIE_set(Rect(0, 0, 1000, 1000), point32_set(1000, 500), point32_set(500, 0)));
         },
         {{140, 60, kRed}, {60, 60, kWhite}, {140, 140, kWhite}}},
        {"Polygon16",
         [](EmfBuilder& emf) {
             Fill(emf, kRed);
             const U_POINT16 points[] = {{0, 0}, {1000, 0}, {1000, 1000}};
             emf.Add(U_EMRPOLYGON16_set(Rect(0, 0, 1000, 1000), 3, points));
         },
         {{160, 40, kRed}, {40, 160, kWhite}}},
        {"DibPatternBrushPaintsItsPattern",
         [](EmfBuilder& emf) {
             emf.Select(U_NULL_PEN);
             std::vector<std::uint8_t> bits = {30, 30, 200, 30, 30, 200, 0, 0,
                                               30, 30, 200, 30, 30, 200, 0, 0};
             PU_BITMAPINFO info = bitmapinfo_set(
                 bitmapinfoheader_set(2, 2, 1, U_BCBM_COLOR24, U_BI_RGB, 16, 0, 0, 0, 0), nullptr);
             std::uint32_t index = 0;
             emf.Add(createdibpatternbrushpt_set(&index, emf.handles(), U_DIB_RGB_COLORS, info, 16,
                                                 reinterpret_cast<char*>(bits.data())));
             std::free(info);
             emf.Select(index);
             emf.Rectangle(100, 100, 500, 500);
         },
         {{60, 60, kRed}, {150, 150, kWhite}}},
        {"ExtCreatePenUserDashes",
         [](EmfBuilder& emf) {
             U_STYLEENTRY dashes[] = {100, 100};
             PU_EXTLOGPEN pen = extlogpen_set(U_PS_GEOMETRIC | U_PS_USERSTYLE | U_PS_ENDCAP_FLAT,
                                              40, U_BS_SOLID, Ref(kBlue), 0, 2, dashes);
             std::uint32_t index = 0;
             emf.Add(extcreatepen_set(&index, emf.handles(), nullptr, 0, nullptr, pen));
             std::free(pen);
             emf.Select(index);
             const U_POINTL line[] = {{0, 500}, {1000, 500}};
             emf.Add(U_EMRPOLYLINE_set(Rect(0, 0, -1, -1), 2, line));
         },
         {{10, 100, kBlue}, {30, 100, kWhite}, {50, 100, kBlue}, {10, 110, kWhite}}},
        {"BitBltPatCopyFillsWithTheBrush",
         [](EmfBuilder& emf) {
             emf.Brush(kRed);
             emf.Add(U_EMRBITBLT_set(Rect(0, 0, -1, -1), point32_set(0, 0), point32_set(500, 500),
                                     point32_set(0, 0), xform_set(1, 0, 0, 1, 0, 0), Ref(kWhite),
                                     U_DIB_RGB_COLORS, U_PATCOPY, nullptr, 0, nullptr));
         },
         {{50, 50, kRed}, {150, 150, kWhite}}},
        {"MaskPairShowsImageWhereMaskIsWhite",
         [](EmfBuilder& emf) {
             Fill(emf, kBlue);
             emf.Rectangle(0, 0, 1000, 1000);
             // LibreOffice's transparency: mask (white = opaque) OR-ed, then the image AND-ed.
             const std::uint8_t mask[4] = {0, 1, 0, 0};
             U_RGBQUAD maskColors[2] = {rgbquad_set(255, 255, 255, 0), rgbquad_set(0, 0, 0, 0)};
             PU_BITMAPINFO info = bitmapinfo_set(
                 bitmapinfoheader_set(2, 1, 1, U_BCBM_COLOR8, U_BI_RGB, 4, 0, 0, 2, 0), maskColors);
             emf.Add(U_EMRSTRETCHDIBITS_set(
                 Rect(0, 0, -1, -1), point32_set(0, 0), point32_set(1000, 1000), point32_set(0, 0),
                 point32_set(2, 1), U_DIB_RGB_COLORS, U_SRCPAINT, info, 4,
                 const_cast<char*>(reinterpret_cast<const char*>(mask))));
             std::free(info);
             std::vector<std::uint8_t> image = {30, 30, 200, 255, 255, 255, 0, 0};
             PU_BITMAPINFO colorInfo = bitmapinfo_set(
                 bitmapinfoheader_set(2, 1, 1, U_BCBM_COLOR24, U_BI_RGB, 8, 0, 0, 0, 0), nullptr);
             emf.Add(U_EMRSTRETCHDIBITS_set(Rect(0, 0, -1, -1), point32_set(0, 0),
                                            point32_set(1000, 1000), point32_set(0, 0),
                                            point32_set(2, 1), U_DIB_RGB_COLORS, U_SRCAND,
                                            colorInfo, 8, reinterpret_cast<char*>(image.data())));
             std::free(colorInfo);
         },
         {{50, 100, kRed}, {150, 100, kBlue}}},
        {"DeepSaveDcNesting",
         [](EmfBuilder& emf) {
             for (int i = 0; i < 5000; ++i)
                 emf.Add(U_EMRSAVEDC_set());
             emf.Add(U_EMRRESTOREDC_set(-100000));
             for (int i = 0; i < 5000; ++i)
                 emf.Add(U_EMRRESTOREDC_set(-1));
             emf.Add(U_EMRRESTOREDC_set(3));
             Fill(emf, kRed);
             emf.Rectangle(0, 0, 1000, 1000);
         },
         {{100, 100, kRed}}},
        {"DegenerateMappingsAreIgnored",
         [](EmfBuilder& emf) {
             Fill(emf, kRed);
             emf.Add(U_EMRSETWORLDTRANSFORM_set(xform_set(0, 0, 0, 0, 0, 0)));
             emf.Add(
                 U_EMRMODIFYWORLDTRANSFORM_set(xform_set(1, 1, 1, 1, 0, 0), U_MWT_LEFTMULTIPLY));
             emf.Add(U_EMRSETMAPMODE_set(U_MM_ANISOTROPIC));
             emf.Add(U_EMRSETWINDOWEXTEX_set(sizel_set(0, 0)));
             emf.Add(U_EMRSETVIEWPORTEXTEX_set(sizel_set(0, 5)));
             emf.Add(U_EMRSCALEWINDOWEXTEX_set(0, 1, 0, 1));
             emf.Add(U_EMRSCALEVIEWPORTEXTEX_set(1, 0, 1, 0));
             emf.Rectangle(100, 100, 500, 500);
         },
         {{60, 60, kRed}, {150, 150, kWhite}}},
        {"HugeCoordinates",
         [](EmfBuilder& emf) {
             Fill(emf, kRed);
             emf.Rectangle(-2000000000, -2000000000, 2000000000, 2000000000);
             emf.Pen(kBlue, 0, U_PS_DASH);
             const U_POINTL line[] = {{-2000000000, 500}, {2000000000, 500}};
             emf.Add(U_EMRPOLYLINE_set(Rect(0, 0, -1, -1), 2, line));
             emf.Add(U_EMRSETWORLDTRANSFORM_set(xform_set(1e30f, 0, 0, 1e30f, 0, 0)));
             emf.Rectangle(0, 0, 1000, 1000);
         },
         {{100, 50, kRed}, {20, 180, kRed}}},
        {"HandleIndexesOutOfRange",
         [](EmfBuilder& emf) {
             Fill(emf, kRed);
             emf.Add(U_EMRSELECTOBJECT_set(60000));
             emf.Add(U_EMRSELECTOBJECT_set(0x80000055));
             emf.Add(U_EMRDELETEOBJECT_set(99999));
             emf.Add(U_EMRCREATEBRUSHINDIRECT_set(70000, logbrush_set(U_BS_SOLID, Ref(kBlue), 0)));
             emf.Add(U_EMRSELECTOBJECT_set(70000));
             emf.Rectangle(100, 100, 500, 500);
         },
         {{60, 60, kRed}}},
        {"CorruptRecordIsSkipped",
         [](EmfBuilder& emf) {
             Fill(emf, kRed);
             // A polygon claiming a million points in a record that holds one.
             emf.Add(RawRecord(U_EMR_POLYGON, {0, 0, 0, 0, 1000000, 0, 0}));
             emf.Rectangle(100, 100, 500, 500);
         },
         {{60, 60, kRed}}},
        {"CommentsAndUnknownRecordsAreSkipped",
         [](EmfBuilder& emf) {
             Fill(emf, kRed);
             emf.Add(U_EMRCOMMENT_set(8, "EMF+\x01\x02\x03\x04"));
             emf.Add(RawRecord(200, {1, 2, 3}));
             emf.Add(RawRecord(U_EMR_GLSRECORD, {1}));
             emf.Rectangle(100, 100, 500, 500);
         },
         {{60, 60, kRed}}},
    };
    return cases;
}

class EmfDrawingTest : public EmfPictureTest, public ::testing::WithParamInterface<DrawCase> {};

TEST_P(EmfDrawingTest, RendersExpectedColours) {
    EmfBuilder emf(dir_.file("draw.emf"));
    GetParam().draw(emf);
    const EmfPicture picture = LoadOrFail(emf.Finish());
    ExpectSamples(Render(picture), GetParam().samples);
}

INSTANTIATE_TEST_SUITE_P(EmfRecords, EmfDrawingTest, ::testing::ValuesIn(DrawCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EmfPictureTest, PlayMapsTheFrameOntoTheTargetAndClipsToIt) {
    EmfBuilder emf(dir_.file("target.emf"));
    Fill(emf, kRed);
    emf.Rectangle(-500, -500, 1500, 1500); // spills over the frame on every side
    const EmfPicture picture = LoadOrFail(emf.Finish());
    QImage image(300, 300, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(50, 50);
    painter.setPen(QPen(Qt::green));
    picture.Play(painter, QRectF(50, 50, 100, 100));
    // The painter comes back as it was: translated, green pen, no clip.
    EXPECT_EQ(painter.transform(), QTransform::fromTranslate(50, 50));
    EXPECT_EQ(painter.pen().color(), QColor(Qt::green));
    EXPECT_FALSE(painter.hasClipping());
    painter.end();
    ExpectSamples(image, {{150, 150, kRed},
                          {105, 105, kRed},
                          {195, 195, kRed},
                          {95, 150, kWhite},
                          {205, 150, kWhite},
                          {150, 95, kWhite}});
}

// ---- Text ----

struct TextCase {
    const char* name;
    std::function<void(EmfBuilder&)> draw;
    QRect inked;              // must hold dark pixels
    std::vector<QRect> blank; // must hold none
};

void PrintTo(const TextCase& value, std::ostream* out) {
    *out << value.name;
}

const std::vector<TextCase>& TextCases() {
    // A 20 mm em (200 units, 40 pixels): "HH" is about 58 pixels wide, H about 29 pixels tall.
    static const std::vector<TextCase> cases = {
        {"LeftBaseline",
         [](EmfBuilder& emf) {
             emf.Add(U_EMRSETTEXTALIGN_set(U_TA_LEFT | U_TA_BASELINE));
             emf.Text("HH", 100, 500);
         },
         QRect(22, 74, 54, 24),
         {QRect(0, 0, 18, 200), QRect(82, 0, 118, 200), QRect(0, 0, 200, 68),
          QRect(0, 102, 200, 98)}},
        {"RightBaseline",
         [](EmfBuilder& emf) {
             emf.Add(U_EMRSETTEXTALIGN_set(U_TA_RIGHT | U_TA_BASELINE));
             emf.Text("HH", 900, 500);
         },
         QRect(124, 74, 54, 24),
         {QRect(0, 0, 118, 200), QRect(182, 0, 18, 200)}},
        {"CenterTop",
         [](EmfBuilder& emf) {
             emf.Add(U_EMRSETTEXTALIGN_set(U_TA_CENTER | U_TA_TOP));
             emf.Text("HH", 500, 500);
         },
         QRect(74, 110, 52, 24),
         {QRect(0, 0, 200, 104), QRect(0, 0, 68, 200)}},
        {"AnsiText",
         [](EmfBuilder& emf) {
             emf.Add(U_EMRSETTEXTALIGN_set(U_TA_LEFT | U_TA_BASELINE));
             emf.AnsiText("HH", 100, 500);
         },
         QRect(22, 74, 54, 24),
         {QRect(0, 0, 18, 200), QRect(82, 0, 118, 200)}},
        {"GlyphIndexes",
         [](EmfBuilder& emf) {
             emf.Add(U_EMRSETTEXTALIGN_set(U_TA_LEFT | U_TA_BASELINE));
             std::vector<std::uint16_t> glyphs;
             for (const quint32 glyph : QRawFont::fromFont(QFont(QStringLiteral("Arial")))
                                            .glyphIndexesForString(QStringLiteral("HH")))
                 glyphs.push_back(static_cast<std::uint16_t>(glyph));
             emf.GlyphText(glyphs, 100, 500);
         },
         QRect(22, 74, 54, 24),
         {QRect(0, 0, 18, 200), QRect(82, 0, 118, 200)}},
        {"DxArrayPlacesGlyphs",
         [](EmfBuilder& emf) {
             emf.Add(U_EMRSETTEXTALIGN_set(U_TA_LEFT | U_TA_BASELINE));
             emf.Text("II", 100, 500, {500, 0});
         },
         QRect(120, 74, 10, 24),
         {QRect(32, 0, 84, 200)}},
        {"EscapementRotatesCounterClockwise",
         [](EmfBuilder& emf) {
             emf.Font(-200, 900);
             emf.Add(U_EMRSETTEXTALIGN_set(U_TA_LEFT | U_TA_BASELINE));
             emf.Text("HH", 500, 900);
         },
         QRect(73, 124, 24, 54),
         {QRect(0, 0, 200, 116), QRect(104, 0, 96, 200)}},
        {"UpdateCpWritesOnFromTheCurrentPosition",
         [](EmfBuilder& emf) {
             emf.Add(U_EMRSETTEXTALIGN_set(U_TA_UPDATECP | U_TA_BASELINE));
             emf.Add(U_EMRMOVETOEX_set(point32_set(100, 500)));
             emf.Text("H", 600, 900);
             emf.Text("H", 600, 900);
         },
         QRect(22, 74, 54, 24),
         {QRect(110, 140, 90, 60), QRect(82, 0, 118, 200)}},
    };
    return cases;
}

class EmfTextTest : public EmfPictureTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(EmfTextTest, InksWhereTheTextIs) {
    if (!ArialResolves()) GTEST_SKIP() << "Arial does not resolve to an installed font";
    EmfBuilder emf(dir_.file("text.emf"));
    emf.Font(-200);
    GetParam().draw(emf);
    const QImage image = Render(LoadOrFail(emf.Finish()));
    EXPECT_GT(DarkPixels(image, GetParam().inked), 40);
    for (const QRect& blank : GetParam().blank)
        EXPECT_EQ(DarkPixels(image, blank), 0)
            << blank.x() << "," << blank.y() << " " << blank.width() << "x" << blank.height();
}

INSTANTIATE_TEST_SUITE_P(EmfText, EmfTextTest, ::testing::ValuesIn(TextCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// The height of the inked rows of an "H" drawn at 1 pixel per logical unit.
int InkHeight(const QImage& image) {
    int top = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        if (DarkPixels(image, QRect(0, y, image.width(), 1)) == 0) continue;
        if (top < 0) top = y;
        bottom = y;
    }
    return top < 0 ? 0 : bottom - top + 1;
}

TEST_F(EmfPictureTest, PositiveFontHeightIsTheCellNotTheEm) {
    if (!ArialResolves()) GTEST_SKIP() << "Arial does not resolve to an installed font";
    int heights[2] = {};
    for (int i = 0; i < 2; ++i) {
        EmfBuilder emf(dir_.file("cell" + std::to_string(i) + ".emf"));
        emf.Font(i == 0 ? -400 : 400);
        emf.Add(U_EMRSETTEXTALIGN_set(U_TA_BASELINE));
        emf.Text("H", 100, 700);
        heights[i] = InkHeight(Render(LoadOrFail(emf.Finish()), QSize(1000, 1000)));
    }
    // Liberation Sans: em / cell = 2048 / (1854 + 434).
    ASSERT_GT(heights[0], 250);
    EXPECT_NEAR(double(heights[1]) / heights[0], 2048.0 / 2288.0, 0.02);
}

TEST_F(EmfPictureTest, TextStaysTextInAPdf) {
    if (!ArialResolves()) GTEST_SKIP() << "Arial does not resolve to an installed font";
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    EmfBuilder emf(dir_.file("pdf.emf"));
    emf.Font(-50);
    emf.Add(U_EMRSETTEXTALIGN_set(U_TA_BASELINE));
    emf.Text("Illuminance 1234 lx", 50, 500);
    const EmfPicture picture = LoadOrFail(emf.Finish());
    const QString pdfPath = QString::fromStdString(dir_.file("text.pdf"));
    {
        QPdfWriter pdf(pdfPath);
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&pdf);
        picture.Play(painter, QRectF(0, 0, pdf.width() / 2.0, pdf.width() / 2.0));
    }
    QProcess process;
    process.start(pdftotext, {pdfPath, QStringLiteral("-")});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_TRUE(QString::fromUtf8(process.readAllStandardOutput())
                    .contains(QStringLiteral("Illuminance 1234 lx")));
}

// ---- Bitmaps ----

// Every bitmap shows the same 2 x 2 picture in the four quadrants of the frame: top left
// blue, top right yellow, bottom left red, bottom right green (1-bit: black and white).
struct DibCase {
    const char* name;
    int width;
    int height; // negative: top-down
    int bitCount;
    std::uint32_t compression;
    std::vector<QRgb> colors; // palette, or the masks for BI_BITFIELDS
    std::vector<std::uint8_t> bits;
    std::vector<QColor> quadrants; // top left, top right, bottom left, bottom right
};

void PrintTo(const DibCase& value, std::ostream* out) {
    *out << value.name;
}

const QColor kQuadBlue(0, 0, 255), kQuadYellow(255, 255, 0), kQuadRed(255, 0, 0),
    kQuadGreen(0, 255, 0);
const std::vector<QColor> kQuadrants = {kQuadBlue, kQuadYellow, kQuadRed, kQuadGreen};
const std::vector<QRgb> kQuadPalette = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255),
                                        qRgb(255, 255, 0)}; // red, green, blue, yellow

const std::vector<DibCase>& DibCases() {
    static const std::vector<DibCase> cases = {
        {"Rle8",
         4,
         4,
         8,
         U_BI_RLE8,
         kQuadPalette,
         // Bottom row first: two runs per row, end of line, end of bitmap.
         {2, 0, 2, 1, 0, 0, 2, 0, 2, 1, 0, 0, 2, 2, 2, 3, 0, 0, 2, 2, 2, 3, 0, 1},
         kQuadrants},
        {"Rle8AbsoluteRunsAndDelta",
         4,
         4,
         8,
         U_BI_RLE8,
         kQuadPalette,
         {0, 4, 0, 0, 1, 1, 0, 0, // absolute run of four
          4, 0, 0, 2, 0, 0,       // row of index 0, then a delta over nothing
          0, 0, 0, 4, 2, 2, 3, 3, 0, 0, 0, 4, 2, 2, 3, 3, 0, 1},
         kQuadrants},
        {"Rle4",
         4,
         4,
         4,
         U_BI_RLE4,
         kQuadPalette,
         {2, 0x00, 2, 0x11, 0, 0, 2, 0x00, 2, 0x11, 0, 0, 2, 0x22, 2, 0x33, 0, 0, 4, 0x23, 0, 1},
         {kQuadBlue, kQuadYellow, kQuadRed, kQuadGreen}},
        {"Indexed8", 2, 2, 8, U_BI_RGB, kQuadPalette, {0, 1, 0, 0, 2, 3, 0, 0}, kQuadrants},
        {"Indexed4", 2, 2, 4, U_BI_RGB, kQuadPalette, {0x01, 0, 0, 0, 0x23, 0, 0, 0}, kQuadrants},
        {"Indexed1",
         2,
         2,
         1,
         U_BI_RGB,
         {qRgb(0, 0, 0), qRgb(255, 255, 255)},
         {0x40, 0, 0, 0, 0x80, 0, 0, 0}, // bottom row: black, white; top: white, black
         {kWhite, kBlack, kBlack, kWhite}},
        {"Bgr24BottomUp",
         2,
         2,
         24,
         U_BI_RGB,
         {},
         {0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 0, 0},
         kQuadrants},
        {"Bgra32TopDown",
         2,
         -2,
         32,
         U_BI_RGB,
         {},
         {255, 0, 0, 0, 0, 255, 255, 0, 0, 0, 255, 0, 0, 255, 0, 0},
         kQuadrants},
        {"Bitfields565",
         2,
         2,
         16,
         U_BI_BITFIELDS,
         {0xF800, 0x07E0, 0x001F},
         {0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0xE0, 0xFF},
         kQuadrants},
        {"Bitfields32InRgbOrder",
         2,
         2,
         32,
         U_BI_BITFIELDS,
         {0x0000FF, 0x00FF00, 0xFF0000},
         {0xFF, 0, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0xFF, 0, 0xFF, 0xFF, 0, 0},
         kQuadrants},
    };
    return cases;
}

char* StretchDibRecord(const DibCase& dib) {
    std::vector<U_RGBQUAD> colors;
    for (const QRgb color : dib.colors) {
        U_RGBQUAD quad{};
        if (dib.compression == U_BI_BITFIELDS)
            std::memcpy(&quad, &color, sizeof quad);
        else
            quad = rgbquad_set(qRed(color), qGreen(color), qBlue(color), 0);
        colors.push_back(quad);
    }
    const auto bitsSize = static_cast<std::uint32_t>(dib.bits.size());
    PU_BITMAPINFO info = bitmapinfo_set(
        bitmapinfoheader_set(dib.width, dib.height, 1, static_cast<std::uint16_t>(dib.bitCount),
                             dib.compression, bitsSize, 0, 0,
                             static_cast<U_NUM_RGBQUAD>(colors.size()), 0),
        colors.empty() ? nullptr : colors.data());
    std::vector<std::uint8_t> bits = dib.bits;
    char* record = U_EMRSTRETCHDIBITS_set(
        Rect(0, 0, -1, -1), point32_set(0, 0), point32_set(1000, 1000), point32_set(0, 0),
        point32_set(dib.width, std::abs(dib.height)), U_DIB_RGB_COLORS, U_SRCCOPY, info, bitsSize,
        reinterpret_cast<char*>(bits.data()));
    std::free(info);
    // The masks of a BI_BITFIELDS bitmap are not colours: biClrUsed stays 0 as Windows writes it.
    if (record && dib.compression == U_BI_BITFIELDS) Patch(record, ReadU32(record, 48) + 32, 0);
    return record;
}

class EmfDibTest : public EmfPictureTest, public ::testing::WithParamInterface<DibCase> {};

TEST_P(EmfDibTest, StretchDIBitsShowsTheQuadrants) {
    EmfBuilder emf(dir_.file("dib.emf"));
    emf.Add(StretchDibRecord(GetParam()));
    const QImage image = Render(LoadOrFail(emf.Finish()));
    const auto& q = GetParam().quadrants;
    ExpectSamples(image, {{50, 50, q[0]}, {150, 50, q[1]}, {50, 150, q[2]}, {150, 150, q[3]}}, 12);
}

INSTANTIATE_TEST_SUITE_P(EmfFormats, EmfDibTest, ::testing::ValuesIn(DibCases()),
                         [](const auto& info) { return std::string(info.param.name); });

struct RejectedDibCase {
    const char* name;
    std::function<char*()> record;
};

void PrintTo(const RejectedDibCase& value, std::ostream* out) {
    *out << value.name;
}

class EmfRejectedDibTest : public EmfPictureTest,
                           public ::testing::WithParamInterface<RejectedDibCase> {};

TEST_P(EmfRejectedDibTest, DrawsNothingAndDoesNotCrash) {
    EmfBuilder emf(dir_.file("bad-dib.emf"));
    emf.Add(GetParam().record());
    std::string error;
    const auto picture = EmfPicture::Load(emf.Finish(), &error);
    ASSERT_TRUE(picture) << error; // the file is fine; only its bitmap is refused
    const QImage image = Render(*picture);
    ExpectSamples(image,
                  {{50, 50, kWhite}, {150, 50, kWhite}, {50, 150, kWhite}, {150, 150, kWhite}});
}

INSTANTIATE_TEST_SUITE_P(EmfBitmaps, EmfRejectedDibTest,
                         ::testing::Values(RejectedDibCase{"HundredGigapixels",
                                                           [] {
                                                               DibCase dib =
                                                                   DibCases()[6]; // 24-bit
                                                               char* record = StretchDibRecord(dib);
                                                               const std::uint32_t info =
                                                                   ReadU32(record, 48);
                                                               Patch(record, info + 4, 100000);
                                                               Patch(record, info + 8, 1000000);
                                                               return record;
                                                           }},
                                           RejectedDibCase{"BitsShorterThanTheRows",
                                                           [] {
                                                               DibCase dib = DibCases()[6];
                                                               dib.width = 40;
                                                               dib.height = 40;
                                                               return StretchDibRecord(dib);
                                                           }},
                                           RejectedDibCase{"TopDownRle",
                                                           [] {
                                                               DibCase dib = DibCases()[0];
                                                               dib.height = -4;
                                                               return StretchDibRecord(dib);
                                                           }}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EmfPictureTest, RleRunsPastTheEdgesStayInside) {
    DibCase dib = DibCases()[0];
    // Runs far wider than the bitmap, a delta, and an absolute run of 200 pixels cut short by
    // the end of the data.
    dib.bits = {255, 0, 0, 0, 255, 1, 0, 0, 0, 2, 0, 0, 0, 200, 3};
    EmfBuilder emf(dir_.file("rle.emf"));
    emf.Add(StretchDibRecord(dib));
    const QImage image = Render(LoadOrFail(emf.Finish()));
    ExpectSamples(image, {{50, 150, kQuadRed}}, 12); // the first run fills the bottom row
}

// ---- Files that are not pictures ----

struct BadInputCase {
    const char* name;
    std::function<std::string(TempDir&)> make; // writes the file, returns its path
    bool frameReadable;                        // the header alone is fine
    const char* problem;
};

void PrintTo(const BadInputCase& value, std::ostream* out) {
    *out << value.name;
}

std::string Corrupt(const std::string& validPath, TempDir& dir,
                    const std::function<void(std::string&)>& change) {
    std::ifstream in(validPath, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    change(bytes);
    return dir.write("corrupt.emf", bytes);
}

void PutU32(std::string& bytes, std::size_t offset, std::uint32_t value) {
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

std::size_t FirstRecordAfterHeader(const std::string& bytes) {
    std::uint32_t headerSize = 0;
    std::memcpy(&headerSize, bytes.data() + 4, sizeof headerSize);
    return headerSize;
}

std::string WithFrame(TempDir& dir, U_RECTL frame) {
    EmfBuilder emf(dir.file("frame.emf"), frame);
    return emf.Finish();
}

class EmfBadInputTest : public EmfPictureTest,
                        public ::testing::WithParamInterface<BadInputCase> {};

const std::vector<BadInputCase>& BadInputCases() {
    static const std::vector<BadInputCase> cases = {
        {"MissingFile", [](TempDir& dir) { return dir.file("none.emf"); }, false, "does not exist"},
        {"Directory", [](TempDir& dir) { return dir.path(); }, false, "not a regular file"},
        {"EmptyFile", [](TempDir& dir) { return dir.write("empty.emf", ""); }, false, "empty"},
        {"TextFile", [](TempDir& dir) { return dir.write("text.emf", std::string(200, 'x')); },
         false, "not an enhanced metafile"},
        {"WrongSignature",
         [](TempDir& dir) {
             return Corrupt(WriteSolid(dir), dir, [](std::string& b) { b[40] = 'X'; });
         },
         false, "wrong signature"},
        {"HeaderCut",
         [](TempDir& dir) {
             return Corrupt(WriteSolid(dir), dir, [](std::string& b) { b.resize(60); });
         },
         false, "header is truncated"},
        {"CutInTheMiddleOfARecord",
         [](TempDir& dir) {
             return Corrupt(WriteSolid(dir), dir, [](std::string& b) { b.resize(b.size() - 30); });
         },
         true, "truncated"},
        {"NoEndOfFileRecord",
         [](TempDir& dir) {
             return Corrupt(WriteSolid(dir), dir, [](std::string& b) { b.resize(b.size() - 20); });
         },
         true, "end-of-file record"},
        {"RecordSizeZero",
         [](TempDir& dir) {
             return Corrupt(WriteSolid(dir), dir,
                            [](std::string& b) { PutU32(b, FirstRecordAfterHeader(b) + 4, 0); });
         },
         true, "invalid size 0"},
        {"RecordSizeBeyondTheFile",
         [](TempDir& dir) {
             return Corrupt(WriteSolid(dir), dir, [](std::string& b) {
                 PutU32(b, FirstRecordAfterHeader(b) + 4, 0x7FFFFFF0);
             });
         },
         true, "extends past the end of the file"},
        {"HeaderSizeBeyondTheFile",
         [](TempDir& dir) {
             return Corrupt(WriteSolid(dir), dir, [](std::string& b) { PutU32(b, 4, 0x10000); });
         },
         false, "header extends past the end"},
        {"ZeroWidthFrame", [](TempDir& dir) { return WithFrame(dir, Rect(0, 0, 0, 1000)); }, false,
         "empty picture frame"},
        {"NegativeHeightFrame",
         [](TempDir& dir) { return WithFrame(dir, Rect(0, 1000, 1000, 10)); }, false,
         "empty picture frame"},
    };
    return cases;
}

TEST_P(EmfBadInputTest, FailsWithAMessageNamingFileAndProblem) {
    const std::string path = GetParam().make(dir_);
    std::string error;
    EXPECT_FALSE(EmfPicture::Load(path, &error));
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_NE(error.find(GetParam().problem), std::string::npos) << error;
    EXPECT_FALSE(EmfPicture::Load(path)); // no error wanted: still no crash

    std::string frameError;
    const auto frame = EmfPicture::ReadFrame(path, &frameError);
    EXPECT_EQ(frame.has_value(), GetParam().frameReadable) << frameError;
    if (!frame) {
        EXPECT_NE(frameError.find(GetParam().problem), std::string::npos) << frameError;
    }
}

INSTANTIATE_TEST_SUITE_P(EmfFiles, EmfBadInputTest, ::testing::ValuesIn(BadInputCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EmfPictureTest, ReadFrameGivesTheHeaderFrame) {
    const std::string path = WithFrame(dir_, Rect(-100, 50, 4999, 2999));
    const auto frame = EmfPicture::ReadFrame(path);
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->left, -100);
    EXPECT_EQ(frame->top, 50);
    EXPECT_EQ(frame->right, 4999);
    EXPECT_EQ(frame->bottom, 2999);
    EXPECT_EQ(LoadOrFail(path).frame().right, 4999);
}

// ---- Files from real producers ----

struct FixtureCase {
    const char* file;
    EmfFrame frame;
    QPointF origin; // the drawing's point (mm) at the frame's top left
};

void PrintTo(const FixtureCase& value, std::ostream* out) {
    *out << value.file;
}

// Points of drawing.svg (mm) and the colour the picture must show there.
struct DrawingSample {
    double x, y;
    QColor color;
    const char* what;
};

const std::vector<DrawingSample>& DrawingSamples() {
    static const std::vector<DrawingSample> samples = {
        {35, 25, QColor(0xd0, 0x20, 0x20), "red rectangle"},
        {100, 25, QColor(0x20, 0x40, 0xc0), "blue circle"},
        {100, 10, QColor(0, 0, 0), "circle outline"},
        {135, 25, QColor(0x80, 0x30, 0xa0), "rotated purple rectangle"},
        {15, 82.5, QColor(0x20, 0xa0, 0x40), "green zigzag"},
        {135, 67, QColor(0xf0, 0x80, 0x20), "orange square inside the clip disc"},
        {118, 58, QColor(255, 255, 255), "orange square outside the clip disc"},
        {73, 60, QColor(0, 0, 0), "grey image, black half"},
        {87, 60, QColor(200, 200, 200), "grey image, light half"},
        {100, 60, QColor(240, 220, 0), "palette image, yellow"},
        {110, 60, QColor(0, 200, 220), "palette image, cyan"},
        {100, 70, QColor(200, 0, 160), "palette image, magenta"},
        {110, 70, QColor(0, 100, 0), "palette image, dark green"},
        {122, 88, QColor(0xff, 0xe0, 0x00), "yellow bar"},
        {135, 88, QColor(30, 160, 60), "opaque part of the RGBA image"},
        {126.6, 79.6, QColor(0xf0, 0x80, 0x20), "transparent corner of the RGBA image"},
        {75, 45, QColor(255, 255, 255), "background"},
    };
    return samples;
}

class EmfFixtureTest : public EmfPictureTest, public ::testing::WithParamInterface<FixtureCase> {
protected:
    static constexpr double kPixelsPerMm = 4;
    static std::string Path(const char* file) {
        return std::string(ZENTYRA_TEST_DATA) + "/emf/" + file;
    }
    QImage RenderFixture(const EmfPicture& picture) {
        const EmfFrame& frame = picture.frame();
        const QSize size(int((frame.right - frame.left + 1) / 100.0 * kPixelsPerMm),
                         int((frame.bottom - frame.top + 1) / 100.0 * kPixelsPerMm));
        return Render(picture, size);
    }
    QPoint PixelOf(double x, double y) const {
        return QPoint(int((x - GetParam().origin.x()) * kPixelsPerMm),
                      int((y - GetParam().origin.y()) * kPixelsPerMm));
    }
};

TEST_P(EmfFixtureTest, LoadsWithItsFrame) {
    const auto frame = EmfPicture::ReadFrame(Path(GetParam().file));
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->right, GetParam().frame.right);
    EXPECT_EQ(frame->bottom, GetParam().frame.bottom);
    EXPECT_EQ(LoadOrFail(Path(GetParam().file)).frame().right, GetParam().frame.right);
}

TEST_P(EmfFixtureTest, ShowsTheDrawingsColoursWhereTheyBelong) {
    const QImage image = RenderFixture(LoadOrFail(Path(GetParam().file)));
    for (const DrawingSample& sample : DrawingSamples()) {
        const QPoint at = PixelOf(sample.x, sample.y);
        const QRgb pixel = image.pixel(at);
        EXPECT_TRUE(Near(pixel, sample.color, 40))
            << sample.what << " at " << at.x() << "," << at.y() << ": " << Describe(pixel);
    }
}

TEST_P(EmfFixtureTest, InksTheTextLines) {
    const QImage image = RenderFixture(LoadOrFail(Path(GetParam().file)));
    const QPoint topLeft = PixelOf(10, 54), bottomRight = PixelOf(50, 60);
    EXPECT_GT(DarkPixels(image, QRect(topLeft, bottomRight)), 100) << "Zentyra 42";
    EXPECT_GT(DarkPixels(image, QRect(PixelOf(10, 65), PixelOf(30, 70))), 50) << "Bold";
    EXPECT_EQ(DarkPixels(image, QRect(PixelOf(10, 44), PixelOf(60, 51))), 0) << "above the text";
}

INSTANTIATE_TEST_SUITE_P(
    EmfProducers, EmfFixtureTest,
    ::testing::Values(FixtureCase{"libreoffice-drawing.emf", {0, 0, 14967, 8967}, {5.16, 5.16}},
                      FixtureCase{"inkscape-drawing.emf", {0, 0, 15999, 10099}, {0, 0}}),
    [](const auto& info) {
        return std::string(info.param.file).substr(0, std::string(info.param.file).find('-'));
    });

TEST_F(EmfPictureTest, LibreOfficeTextStaysTextInAPdf) {
    if (!ArialResolves()) GTEST_SKIP() << "Arial does not resolve to an installed font";
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const EmfPicture picture =
        LoadOrFail(std::string(ZENTYRA_TEST_DATA) + "/emf/libreoffice-drawing.emf");
    const QString pdfPath = QString::fromStdString(dir_.file("lo.pdf"));
    {
        QPdfWriter pdf(pdfPath);
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&pdf);
        picture.Play(painter, QRectF(0, 0, pdf.width(), pdf.width() * 0.6));
    }
    QProcess process;
    process.start(pdftotext, {pdfPath, QStringLiteral("-")});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QStringLiteral("Zentyra 42"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Bold µ²"))) << text.toStdString();
}

// Overwrites dwords of the real files with arbitrary values: whatever loads must play without
// crashing or hanging (the sanitizer build checks that nothing is read out of bounds).
TEST_F(EmfPictureTest, MutatedProducerFilesNeverCrash) {
    for (const char* file : {"libreoffice-drawing.emf", "inkscape-drawing.emf"}) {
        std::ifstream in(std::string(ZENTYRA_TEST_DATA) + "/emf/" + file, std::ios::binary);
        const std::string original((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
        ASSERT_GT(original.size(), 1000u);
        std::uint32_t random = 12345;
        const auto next = [&random] {
            random = random * 1664525u + 1013904223u;
            return random;
        };
        for (int mutant = 0; mutant < 150; ++mutant) {
            std::string bytes = original;
            for (int hit = 0; hit < 3; ++hit) {
                const std::size_t at = (next() % (bytes.size() / 4)) * 4;
                const std::uint32_t values[] = {0,          0xFFFFFFFF, 0x7FFFFFFF,
                                                0x80000000, next(),     next() & 0xFFFF};
                PutU32(bytes, at, values[next() % 6]);
            }
            const std::string path = dir_.write("mutant.emf", bytes);
            if (const auto picture = EmfPicture::Load(path)) Render(*picture, QSize(120, 80));
        }
    }
}

} // namespace
} // namespace zentyra
