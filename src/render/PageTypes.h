#pragma once
// The vocabulary of a laid-out page: page units are 0.1 mm, origin at the top-left corner of the
// printable area, y growing downwards. Everything the layout hands to a page is in whole units.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zentyra {

struct PagePoint {
    int x = 0;
    int y = 0;
    bool operator==(const PagePoint&) const = default;
};

struct PageRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const PageRect&) const = default;
};

struct Colour {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Colour&) const = default;
};

inline constexpr Colour kBlack{0, 0, 0};
inline constexpr Colour kRulePenColour{100, 100, 100};

// The seven fonts of a report, all Arial, sized by cell height in page units.
enum class ReportFont { Body, Section, PieceTitle, Chapter, IndexPiece, IndexChapter, IndexTitle };
inline constexpr int kReportFontCount = 7;

struct FontSpec {
    std::string_view name; // as the page dump names it
    int cellHeight;
    int weight;
};

inline constexpr std::array<FontSpec, kReportFontCount> kFontSpecs = {{
    {"body", 31, 400},
    {"section", 35, 700},
    {"pieceTitle", 45, 700},
    {"chapter", 56, 700},
    {"indexPiece", 35, 400},
    {"indexChapter", 49, 700},
    {"indexTitle", 63, 700},
}};

inline const FontSpec& SpecOf(ReportFont font) {
    return kFontSpecs[static_cast<std::size_t>(font)];
}

enum class HAlign { Left, Centre, Right };
enum class VAlign { Top, Baseline, Bottom };

struct TextAlign {
    HAlign horizontal = HAlign::Left;
    VAlign vertical = VAlign::Top;
    bool operator==(const TextAlign&) const = default;
};

// Integer metrics of a font, as a printer driver reports them.
struct TextMetrics {
    int height = 0; // the cell height: ascent + descent
    int ascent = 0;
    int descent = 0;
    int externalLeading = 0;
};

enum class PictureKind { Bitmap, Metafile };

struct PixelSize {
    int width = 0;
    int height = 0;
};

} // namespace zentyra
