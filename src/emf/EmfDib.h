#pragma once
// Device-independent bitmaps carried inside EMF records, decoded into QImages.
#include "emf/EmfRecord.h"

#include <QImage>

#include <cstdint>

namespace zentyra::emf {

// Where a record keeps its bitmap: the BITMAPINFO and the pixel bits, as offsets from the start
// of the record, and whether the colour table holds colours or palette indexes.
struct DibLocation {
    std::uint32_t infoOffset = 0;
    std::uint32_t infoSize = 0;
    std::uint32_t bitsOffset = 0;
    std::uint32_t bitsSize = 0;
    std::uint32_t usage = 0; // DIB_RGB_COLORS or DIB_PAL_COLORS
};

enum class DibAlpha {
    Opaque,        // the fourth byte of 32-bit pixels is padding
    IfPresent,     // straight alpha, unless every pixel has alpha 0 (then it is padding)
    Premultiplied, // 32-bit pixels are premultiplied BGRA (AlphaBlend with per-pixel alpha)
};

// Largest bitmap we decode; a larger one is refused rather than allocated.
inline constexpr std::uint64_t kMaxDibPixels = 64ull * 1024 * 1024;

// The bitmap as a top-down ARGB32 image. A null image when the record has no bitmap, when its
// declared sizes do not fit the record, when it is larger than kMaxDibPixels or its format is
// not supported. Pixels an RLE bitmap skips stay transparent.
QImage DecodeDib(const Record& record, const DibLocation& location, DibAlpha alpha);

} // namespace zentyra::emf
