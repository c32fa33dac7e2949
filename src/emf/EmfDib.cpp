#include "emf/EmfDib.h"

#include <uemf.h>

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

namespace zentyra::emf {

namespace {

constexpr std::uint32_t kBiAlphaBitfields = 6;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kV3HeaderSize = 56; // BITMAPV3INFOHEADER: masks inside the header

struct DibFormat {
    int width = 0;
    int height = 0; // rows, always positive
    bool topDown = false;
    int bitCount = 0;
    std::uint32_t compression = U_BI_RGB;
    std::array<std::uint32_t, 4> masks{}; // red, green, blue, alpha
    std::vector<QRgb> palette;
};

// One colour channel described by a bit mask, scaled to 0..255.
class Channel {
public:
    explicit Channel(std::uint32_t mask)
        : mask_(mask), shift_(mask ? std::countr_zero(mask) : 0),
          max_(mask ? (mask >> shift_) : 0) {}
    bool present() const { return mask_ != 0; }
    int Value(std::uint32_t pixel) const {
        if (!max_) return 0;
        return static_cast<int>(std::uint64_t{(pixel & mask_) >> shift_} * 255u / max_);
    }

private:
    std::uint32_t mask_;
    int shift_;
    std::uint32_t max_;
};

bool ReadPalette(const Record& record, const DibLocation& location, std::uint32_t headerSize,
                 std::uint32_t colorsUsed, DibFormat& format) {
    const std::uint32_t capacity = 1u << format.bitCount;
    const std::uint64_t start = std::uint64_t{location.infoOffset} + headerSize;
    const std::uint64_t entrySize = location.usage == U_DIB_PAL_COLORS ? 2 : 4;
    // Writers shorten the table of small bitmaps (libUEMF keeps no more entries than pixels);
    // the size of the BITMAPINFO tells how many entries are really there.
    const auto stored = static_cast<std::uint32_t>((location.infoSize - headerSize) / entrySize);
    const std::uint32_t count = std::min({colorsUsed ? colorsUsed : capacity, capacity, stored});
    if (count == 0 || !record.Fits(start, count * entrySize)) return false;
    format.palette.assign(capacity, qRgb(0, 0, 0));
    for (std::uint32_t i = 0; i < count; ++i) {
        if (location.usage == U_DIB_PAL_COLORS) {
            // The logical palette is not tracked; a grey ramp keeps indexes distinguishable.
            const int grey = static_cast<int>(record.U16(start + 2 * i) & 0xFF);
            format.palette[i] = qRgb(grey, grey, grey);
        } else {
            const std::uint32_t quad = record.U32(start + 4 * i);
            format.palette[i] = qRgb((quad >> 16) & 0xFF, (quad >> 8) & 0xFF, quad & 0xFF);
        }
    }
    return true;
}

bool ReadMasks(const Record& record, const DibLocation& location, std::uint32_t headerSize,
               DibFormat& format) {
    if (format.bitCount == 16) format.masks = {0x7C00, 0x03E0, 0x001F, 0};
    if (format.bitCount == 32) format.masks = {0xFF0000, 0x00FF00, 0x0000FF, 0};
    if (format.compression != U_BI_BITFIELDS && format.compression != kBiAlphaBitfields)
        return true;
    // The masks sit inside V3 and later headers or right after a plain info header, either way
    // inside the BITMAPINFO; a bitmap that leaves them out keeps the default layout.
    const unsigned count = format.compression == kBiAlphaBitfields ? 4 : 3;
    if (location.infoSize < kInfoHeaderSize + 4 * count) return true;
    const std::uint64_t start = std::uint64_t{location.infoOffset} + kInfoHeaderSize;
    if (!record.Fits(start, 4u * count)) return false;
    for (unsigned i = 0; i < count; ++i)
        format.masks[i] = record.U32(start + 4u * i);
    if (headerSize >= kV3HeaderSize) format.masks[3] = record.U32(start + 12);
    return true;
}

std::optional<DibFormat> ReadFormat(const Record& record, const DibLocation& location) {
    if (location.infoSize < kInfoHeaderSize || !record.Fits(location.infoOffset, location.infoSize))
        return std::nullopt;
    const std::uint64_t info = location.infoOffset;
    const std::uint32_t headerSize = record.U32(info);
    if (headerSize < kInfoHeaderSize || headerSize > location.infoSize) return std::nullopt;
    DibFormat format;
    format.width = record.I32(info + 4);
    const std::int32_t height = record.I32(info + 8);
    format.bitCount = record.U16(info + 14);
    format.compression = record.U32(info + 16);
    if (format.width <= 0 || height == 0 || height == INT32_MIN) return std::nullopt;
    format.height = height < 0 ? -height : height;
    format.topDown = height < 0;
    if (std::uint64_t(format.width) * std::uint64_t(format.height) > kMaxDibPixels)
        return std::nullopt;

    switch (format.bitCount) {
    case 1:
    case 4:
    case 8:
        if (!ReadPalette(record, location, headerSize, record.U32(info + 32), format))
            return std::nullopt;
        break;
    case 16:
    case 24:
    case 32:
        if (!ReadMasks(record, location, headerSize, format)) return std::nullopt;
        break;
    default:
        if (format.compression != U_BI_JPEG && format.compression != U_BI_PNG) return std::nullopt;
    }
    return format;
}

// Decodes RLE8 or RLE4 data into palette indexes (rows bottom-up, as stored). Every read is
// checked against the data and every write against the bitmap; written marks drawn pixels.
void DecodeRle(const std::uint8_t* data, std::size_t size, const DibFormat& format,
               std::vector<std::uint8_t>& indexes, std::vector<std::uint8_t>& written) {
    const std::int64_t width = format.width, height = format.height;
    const bool fourBit = format.bitCount == 4;
    std::int64_t x = 0, y = 0;
    const auto put = [&](std::uint8_t index) {
        if (x < width && y < height) {
            const auto at = static_cast<std::size_t>(y * width + x);
            indexes[at] = index;
            written[at] = 1;
        }
        x = std::min(x + 1, width);
    };
    std::size_t pos = 0;
    while (pos + 1 < size && y < height) {
        const std::uint8_t count = data[pos], value = data[pos + 1];
        pos += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i)
                put(fourBit ? static_cast<std::uint8_t>(i % 2 ? value & 0x0F : value >> 4) : value);
            continue;
        }
        if (value == 0) { // end of line
            x = 0;
            ++y;
        } else if (value == 1) { // end of bitmap
            return;
        } else if (value == 2) { // delta
            if (pos + 1 >= size) return;
            x = std::min(x + data[pos], width);
            y += data[pos + 1];
            pos += 2;
        } else { // absolute run of `value` pixels, padded to a 16-bit boundary
            const std::size_t bytes = fourBit ? (value + 1u) / 2 : value;
            for (std::size_t i = 0; i < value; ++i) {
                const std::size_t at = pos + (fourBit ? i / 2 : i);
                if (at >= size) return;
                const std::uint8_t byte = data[at];
                put(fourBit ? static_cast<std::uint8_t>(i % 2 ? byte & 0x0F : byte >> 4) : byte);
            }
            pos += (bytes + 1) & ~std::size_t{1};
        }
    }
}

QImage DecodeRleImage(const std::uint8_t* data, std::size_t size, const DibFormat& format) {
    const auto pixels = static_cast<std::size_t>(format.width) * format.height;
    std::vector<std::uint8_t> indexes(pixels, 0), written(pixels, 0);
    DecodeRle(data, size, format, indexes, written);
    QImage image(format.width, format.height, QImage::Format_ARGB32);
    if (image.isNull()) return {};
    for (int row = 0; row < format.height; ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(format.height - 1 - row));
        const std::size_t base = static_cast<std::size_t>(row) * format.width;
        for (int x = 0; x < format.width; ++x)
            line[x] = written[base + x] ? format.palette[indexes[base + x]] : qRgba(0, 0, 0, 0);
    }
    return image;
}

QRgb IndexedPixel(const std::uint8_t* row, int x, const DibFormat& format) {
    const int bits = format.bitCount;
    const int bitOffset = x * bits;
    const int shift = 8 - bits - bitOffset % 8;
    const int index = (row[bitOffset / 8] >> shift) & ((1 << bits) - 1);
    return format.palette[static_cast<std::size_t>(index)];
}

QImage DecodeUncompressed(const std::uint8_t* data, std::size_t size, const DibFormat& format,
                          DibAlpha alpha) {
    const std::uint64_t stride = (std::uint64_t(format.width) * format.bitCount + 31) / 32 * 4;
    if (stride * std::uint64_t(format.height) > size) return {};
    QImage image(format.width, format.height, QImage::Format_ARGB32);
    if (image.isNull()) return {};
    const Channel red(format.masks[0]), green(format.masks[1]), blue(format.masks[2]);
    const Channel alphaChannel(format.masks[3]);
    bool anyAlpha = false;
    for (int row = 0; row < format.height; ++row) {
        const std::uint8_t* source =
            data + stride * (format.topDown ? row : format.height - 1 - row);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int x = 0; x < format.width; ++x) {
            if (format.bitCount <= 8) {
                line[x] = IndexedPixel(source, x, format);
                continue;
            }
            if (format.bitCount == 24) {
                const std::uint8_t* p = source + 3 * x;
                line[x] = qRgb(p[2], p[1], p[0]);
                continue;
            }
            std::uint32_t pixel = 0;
            if (format.bitCount == 16) {
                pixel = source[2 * x] | (source[2 * x + 1] << 8);
            } else {
                const std::uint8_t* p = source + 4 * x;
                pixel = p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t(p[3]) << 24);
            }
            int a = 255;
            if (alphaChannel.present())
                a = alphaChannel.Value(pixel);
            else if (format.bitCount == 32 && alpha != DibAlpha::Opaque)
                a = int(pixel >> 24);
            anyAlpha = anyAlpha || a != 0;
            line[x] = qRgba(red.Value(pixel), green.Value(pixel), blue.Value(pixel), a);
        }
    }
    const bool hasAlphaByte = format.bitCount == 32 && alpha != DibAlpha::Opaque;
    if (format.bitCount > 8 && !alphaChannel.present() && !hasAlphaByte) return image;
    if (format.bitCount > 8 && !anyAlpha) {
        // Every alpha 0 means the fourth byte was padding after all.
        for (int row = 0; row < format.height; ++row) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
            for (int x = 0; x < format.width; ++x)
                line[x] |= 0xFF000000u;
        }
        return image;
    }
    if (alpha == DibAlpha::Premultiplied) {
        // Keep premultiplied colours valid: no channel may exceed alpha.
        for (int row = 0; row < format.height; ++row) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
            for (int x = 0; x < format.width; ++x) {
                const int a = qAlpha(line[x]);
                line[x] = qRgba(std::min(qRed(line[x]), a), std::min(qGreen(line[x]), a),
                                std::min(qBlue(line[x]), a), a);
            }
        }
        image.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
    }
    return image;
}

} // namespace

QImage DecodeDib(const Record& record, const DibLocation& location, DibAlpha alpha) {
    const auto format = ReadFormat(record, location);
    if (!format) return {};
    const std::uint8_t* bits = record.Bytes(location.bitsOffset, location.bitsSize);
    if (!bits || location.bitsSize == 0) return {};

    QImage image;
    switch (format->compression) {
    case U_BI_RGB:
    case U_BI_BITFIELDS:
    case kBiAlphaBitfields:
        if (format->bitCount == 16 || format->bitCount == 32 || format->compression == U_BI_RGB)
            image = DecodeUncompressed(bits, location.bitsSize, *format, alpha);
        break;
    case U_BI_RLE8:
    case U_BI_RLE4:
        // Compressed bitmaps are bottom-up by definition.
        if (!format->topDown && format->bitCount == (format->compression == U_BI_RLE8 ? 8 : 4))
            image = DecodeRleImage(bits, location.bitsSize, *format);
        break;
    case U_BI_JPEG:
    case U_BI_PNG:
        image = QImage::fromData(bits, static_cast<int>(location.bitsSize));
        if (!image.isNull() &&
            std::uint64_t(image.width()) * std::uint64_t(image.height()) <= kMaxDibPixels)
            image = image.convertToFormat(QImage::Format_ARGB32);
        else
            image = QImage();
        break;
    default:
        break;
    }
    return image;
}

} // namespace zentyra::emf
