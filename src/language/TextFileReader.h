#pragma once
// The decoders behind TextFile, one per encoding of the suite's text files. Each reads the
// file in blocks and hands out whole lines as UTF-16 units; the file and its name belong to
// the TextFile.
#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace zentyra {

class TextFile;

// Serves an empty file: no characters, no lines.
class TextFileReader {
public:
    TextFileReader(const std::string& fileName, std::FILE* file, std::size_t bufferCapacity);
    virtual ~TextFileReader() = default;
    TextFileReader(const TextFileReader&) = delete;
    TextFileReader& operator=(const TextFileReader&) = delete;

    // The next character, -1 at the end of the file, -2 after a read error.
    virtual int readChar() { return -1; }
    // 0 when a line was read (without its line end), -1 when the file ended before any
    // character of a line; `line` is then empty.
    virtual int readLine(std::u16string& line, int codePage);

protected:
    // Keeps the unread bytes, moved to the front, and appends the next block after them;
    // false when nothing could be added (end of file or read error).
    bool refill();
    std::size_t available() const { return count_ - position_; }
    // Makes at least `bytes` bytes available unless the file ends first.
    bool ensureAvailable(std::size_t bytes);
    // The bytes up to the next LF, with the LF consumed and a CR right before it dropped.
    int readByteLine(std::string& line);
    int endOfInput() const { return readError_ ? -2 : -1; }

    const std::string& fileName_; // for error texts
    std::FILE* file_;
    std::vector<unsigned char> buffer_;
    std::size_t position_ = 0;
    std::size_t count_ = 0;
    bool endOfFile_ = false;
    bool readError_ = false;
};

class ANSI_TextFileReader : public TextFileReader {
public:
    ANSI_TextFileReader(TextFile& textFile, const std::string& fileName, std::FILE* file,
                        std::size_t bufferCapacity);
    // The next byte as the character it is in the file's code page.
    int readChar() override;
    int readLine(std::u16string& line, int codePage) override;

private:
    TextFile& textFile_;
    std::string narrowLine_;
};

class UTF16LE_TextFileReader : public TextFileReader {
public:
    using TextFileReader::TextFileReader;
    int readChar() override; // the next UTF-16 unit
    int readLine(std::u16string& line, int codePage) override;

protected:
    // Units are assembled low byte first; lineFeed and carriageReturn are the line-end
    // units as they look when so assembled. A single byte left over at the end of the file
    // is no unit and is ignored.
    int readUnitLine(std::u16string& line, char16_t lineFeed, char16_t carriageReturn);
    int readUnit();
};

// Reads the units in their stored order and swaps the bytes of each finished line.
class UTF16BE_TextFileReader : public UTF16LE_TextFileReader {
public:
    using UTF16LE_TextFileReader::UTF16LE_TextFileReader;
    int readChar() override;
    int readLine(std::u16string& line, int codePage) override;
};

class UTF8_TextFileReader : public TextFileReader {
public:
    using TextFileReader::TextFileReader;
    int readChar() override; // the next code point
    int readLine(std::u16string& line, int codePage) override;

private:
    std::string narrowLine_;
};

// The suite's UTF-8 decoding: continuation bytes are not checked (only their low six bits
// count), a lead byte above F7 gives U+FFFD, values above U+10FFFF become U+10FFFF and
// values above U+FFFF become surrogate pairs. A sequence cut short by the end of the input
// gives one U+FFFD for the bytes that are left; nothing beyond the input is read.
std::u16string DecodeSuiteUtf8(std::string_view bytes);

} // namespace zentyra
