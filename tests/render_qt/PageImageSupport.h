#pragma once
// Rendering recorded pages to images and reading what landed where, for the replay and export
// tests; and picture files made on the spot.
#include "render/PageRecorder.h"
#include "render/qt/PageReplay.h"
#include "render/qt/PictureCache.h"

#include <QImage>
#include <QPainter>
#include <QRect>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

namespace zentyra::test {

// An A4 page at 254 dpi, so that one pixel is one page unit.
inline QImage RenderAtOnePixelPerUnit(const RecordedPage& page, PictureCache& pictures,
                                      bool antialiased = true) {
    QImage image(QSize(2100, 2970), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, antialiased);
    painter.setRenderHint(QPainter::TextAntialiasing, antialiased);
    ReplayPage(page, painter, pictures);
    return image;
}

inline bool IsInk(QRgb pixel) {
    return qRed(pixel) < 200 || qGreen(pixel) < 200 || qBlue(pixel) < 200;
}

// The bounds of the non-white pixels inside area; nullopt when it is all white.
inline std::optional<QRect> InkBounds(const QImage& image, QRect area) {
    area &= image.rect();
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (IsInk(image.pixel(x, y))) bounds |= QRect(x, y, 1, 1);
    if (bounds.isNull()) return std::nullopt;
    return bounds;
}

// A PNG of width x height zero-valued pixels (grey, or RGB with three channels), written
// without decoding: one literal and then back references in a single deflate block, so that
// even 30000 x 30000 pixels take about a megabyte.
class ZeroPng {
public:
    static std::string Make(std::uint32_t width, std::uint32_t height, int channels) {
        const char colourType = channels == 3 ? 2 : 0;
        const std::string header = BigEndian(width) + BigEndian(height) +
                                   std::string{'\x08', colourType, '\0', '\0', '\0'};
        const std::uint64_t bytes = std::uint64_t{height} * (std::uint64_t{width} * channels + 1);
        return std::string("\x89PNG\r\n\x1a\n", 8) + Chunk("IHDR", header) +
               Chunk("IDAT", ZeroStream(bytes)) + Chunk("IEND", "");
    }

private:
    class BitWriter {
    public:
        void Bits(std::uint32_t value, int count) {
            pending_ |= value << filled_;
            filled_ += count;
            for (; filled_ >= 8; filled_ -= 8, pending_ >>= 8)
                bytes_.push_back(static_cast<char>(pending_ & 0xFF));
        }
        // Huffman codes go most significant bit first.
        void Code(std::uint32_t code, int length) {
            for (int i = length - 1; i >= 0; --i)
                Bits((code >> i) & 1u, 1);
        }
        std::string Finish() {
            if (filled_ > 0) Bits(0, 8 - filled_);
            return bytes_;
        }

    private:
        std::string bytes_;
        std::uint32_t pending_ = 0;
        int filled_ = 0;
    };

    static std::string BigEndian(std::uint32_t value) {
        return {static_cast<char>(value >> 24), static_cast<char>(value >> 16),
                static_cast<char>(value >> 8), static_cast<char>(value)};
    }
    static std::uint32_t Crc32(const std::string& bytes) {
        std::uint32_t crc = 0xFFFFFFFFu;
        for (unsigned char byte : bytes) {
            crc ^= byte;
            for (int k = 0; k < 8; ++k)
                crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
        return crc ^ 0xFFFFFFFFu;
    }
    static std::string Chunk(const std::string& type, const std::string& data) {
        return BigEndian(static_cast<std::uint32_t>(data.size())) + type + data +
               BigEndian(Crc32(type + data));
    }
    // A zlib stream of count zero bytes. Dynamic codes: literal 0 = "0", end = "10", length
    // 258 = "11"; distance 1 = "0". Code-length codes: 18 (run of zeros) = "0", 1 = "10", 2 = "11".
    static std::string ZeroStream(std::uint64_t count) {
        BitWriter out;
        out.Bits(1, 1);  // last block
        out.Bits(2, 2);  // dynamic codes
        out.Bits(29, 5); // 286 literal/length codes
        out.Bits(0, 5);  // 1 distance code
        out.Bits(14, 4); // 18 code-length codes
        for (int symbol : {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1})
            out.Bits(symbol == 18 ? 1 : (symbol == 1 || symbol == 2) ? 2 : 0, 3);
        const auto zeroLengths = [&](int run) {
            for (; run > 0; run -= std::min(run, 138)) {
                out.Code(0, 1);
                out.Bits(static_cast<std::uint32_t>(std::min(run, 138) - 11), 7);
            }
        };
        out.Code(2, 2); // literal 0 has length 1
        zeroLengths(255);
        out.Code(3, 2); // end of block has length 2
        zeroLengths(28);
        out.Code(3, 2); // length 258 has length 2
        out.Code(2, 2); // distance 1 has length 1
        std::uint64_t left = count - 1;
        out.Code(0, 1);
        for (; left >= 258; left -= 258) {
            out.Code(3, 2);
            out.Code(0, 1);
        }
        for (; left > 0; --left)
            out.Code(0, 1);
        out.Code(2, 2);
        // Adler-32 of zeros: the first sum stays 1, the second counts the bytes.
        const auto adler = static_cast<std::uint32_t>((count % 65521) << 16) | 1u;
        return std::string("\x78\x01", 2) + out.Finish() + BigEndian(adler);
    }
};

} // namespace zentyra::test
