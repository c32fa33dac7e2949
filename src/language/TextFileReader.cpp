#include "language/TextFileReader.h"

#include "language/TextFile.h"
#include "platform/CodePage.h"
#include "platform/Text.h"

#include <algorithm>
#include <cstring>

namespace zentyra {

namespace {

constexpr std::size_t kGrowthStep = 1024;
constexpr char16_t kReplacement = 0xFFFD;
constexpr char32_t kLastCodePoint = 0x10FFFF;

// Line buffers grow in fixed steps, so a long line costs a few reallocations and the
// buffer is reused for the lines after it.
template <typename String> void ReserveFor(String& line, std::size_t extra) {
    const std::size_t needed = line.size() + extra;
    if (needed > line.capacity()) line.reserve((needed / kGrowthStep + 1) * kGrowthStep);
}

// Continuation bytes a lead byte takes; -1 for a lead byte that stands alone as U+FFFD.
int ContinuationCount(unsigned char lead) {
    if (lead < 0x80) return 0;
    if (lead <= 0xDF) return 1;
    if (lead <= 0xEF) return 2;
    if (lead <= 0xF7) return 3;
    return -1;
}

// Decodes the sequence at bytes[0]; `size` bytes are there. Sets `used` to the bytes
// consumed. A sequence longer than what is there consumes all of it and gives U+FFFD.
char32_t DecodeOne(const unsigned char* bytes, std::size_t size, std::size_t& used) {
    const unsigned char lead = bytes[0];
    const int continuations = ContinuationCount(lead);
    if (continuations < 0) {
        used = 1;
        return kReplacement;
    }
    if (static_cast<std::size_t>(continuations) >= size) {
        used = size;
        return kReplacement;
    }
    static constexpr unsigned char kLeadMask[] = {0x7F, 0x1F, 0x0F, 0x07};
    char32_t value = lead & kLeadMask[continuations];
    for (int i = 1; i <= continuations; ++i)
        value = (value << 6) | (bytes[i] & 0x3F);
    used = static_cast<std::size_t>(continuations) + 1;
    return std::min(value, kLastCodePoint);
}

char16_t SwapBytes(char16_t unit) {
    return static_cast<char16_t>(((unit & 0xFF) << 8) | (unit >> 8));
}

} // namespace

std::u16string DecodeSuiteUtf8(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    for (std::size_t at = 0; at < bytes.size();) {
        std::size_t used = 0;
        AppendUtf16(out, DecodeOne(data + at, bytes.size() - at, used));
        at += used;
    }
    return out;
}

TextFileReader::TextFileReader(const std::string& fileName, std::FILE* file,
                               std::size_t bufferCapacity)
    : fileName_(fileName), file_(file), buffer_(std::max<std::size_t>(bufferCapacity, 4)) {}

int TextFileReader::readLine(std::u16string& line, int) {
    line.clear();
    return -1;
}

bool TextFileReader::refill() {
    const std::size_t left = available();
    if (left > 0 && position_ > 0) std::memmove(buffer_.data(), buffer_.data() + position_, left);
    position_ = 0;
    count_ = left;
    if (endOfFile_ || file_ == nullptr) return false;
    const std::size_t read = std::fread(buffer_.data() + count_, 1, buffer_.size() - count_, file_);
    if (read == 0) {
        // A read error ends the input like the end of the file does.
        readError_ = std::ferror(file_) != 0;
        endOfFile_ = true;
        return false;
    }
    count_ += read;
    return true;
}

bool TextFileReader::ensureAvailable(std::size_t bytes) {
    while (available() < bytes) {
        if (!refill()) return false;
    }
    return true;
}

int TextFileReader::readByteLine(std::string& line) {
    line.clear();
    bool tookBlock = false;
    for (;;) {
        if (available() == 0 && !refill()) break;
        const unsigned char* begin = buffer_.data() + position_;
        const std::size_t size = available();
        const void* lineFeed = std::memchr(begin, '\n', size);
        const std::size_t taken =
            lineFeed ? static_cast<std::size_t>(static_cast<const unsigned char*>(lineFeed) - begin)
                     : size;
        ReserveFor(line, taken);
        line.append(reinterpret_cast<const char*>(begin), taken);
        tookBlock = true;
        position_ += taken;
        if (lineFeed) {
            ++position_;
            break;
        }
    }
    // The CR of a CR LF pair is dropped even when the pair straddles two blocks; so is a CR
    // that ends the file.
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return tookBlock ? 0 : -1;
}

ANSI_TextFileReader::ANSI_TextFileReader(TextFile& textFile, const std::string& fileName,
                                         std::FILE* file, std::size_t bufferCapacity)
    : TextFileReader(fileName, file, bufferCapacity), textFile_(textFile) {}

int ANSI_TextFileReader::readChar() {
    if (!ensureAvailable(1)) return endOfInput();
    const char byte = static_cast<char>(buffer_[position_++]);
    const std::u16string units =
        Utf8ToUtf16(ToUtf8(std::string_view(&byte, 1), textFile_.codePage()));
    return units.empty() ? 0xFFFD : units.front();
}

int ANSI_TextFileReader::readLine(std::u16string& line, int codePage) {
    const int result = readByteLine(narrowLine_);
    line = Utf8ToUtf16(ToUtf8(narrowLine_, codePage));
    return result;
}

int UTF16LE_TextFileReader::readUnit() {
    if (!ensureAvailable(2)) return endOfInput();
    const int unit = buffer_[position_] | (buffer_[position_ + 1] << 8);
    position_ += 2;
    return unit;
}

int UTF16LE_TextFileReader::readChar() {
    return readUnit();
}

int UTF16LE_TextFileReader::readUnitLine(std::u16string& line, char16_t lineFeed,
                                         char16_t carriageReturn) {
    line.clear();
    bool tookBlock = false;
    bool foundLineFeed = false;
    while (!foundLineFeed && ensureAvailable(2)) {
        tookBlock = true;
        ReserveFor(line, available() / 2);
        while (available() >= 2) {
            const auto unit =
                static_cast<char16_t>(buffer_[position_] | (buffer_[position_ + 1] << 8));
            position_ += 2;
            if (unit == lineFeed) {
                foundLineFeed = true;
                break;
            }
            line += unit;
        }
    }
    if (!line.empty() && line.back() == carriageReturn) line.pop_back();
    return tookBlock ? 0 : -1;
}

int UTF16LE_TextFileReader::readLine(std::u16string& line, int) {
    return readUnitLine(line, u'\n', u'\r');
}

int UTF16BE_TextFileReader::readChar() {
    const int unit = readUnit();
    return unit < 0 ? unit : SwapBytes(static_cast<char16_t>(unit));
}

int UTF16BE_TextFileReader::readLine(std::u16string& line, int) {
    const int result = readUnitLine(line, 0x0A00, 0x0D00);
    for (char16_t& unit : line)
        unit = SwapBytes(unit);
    return result;
}

int UTF8_TextFileReader::readChar() {
    if (!ensureAvailable(1)) return endOfInput();
    const int continuations = ContinuationCount(buffer_[position_]);
    if (continuations > 0) ensureAvailable(static_cast<std::size_t>(continuations) + 1);
    std::size_t used = 0;
    const char32_t value = DecodeOne(buffer_.data() + position_, available(), used);
    position_ += used;
    return static_cast<int>(value);
}

int UTF8_TextFileReader::readLine(std::u16string& line, int) {
    const int result = readByteLine(narrowLine_);
    line = DecodeSuiteUtf8(narrowLine_);
    return result;
}

} // namespace zentyra
