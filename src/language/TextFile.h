#pragma once
// A text file of the suite read line by line: ANSI (a code page), UTF-16 of either byte
// order or UTF-8, told by its byte-order mark. Lines come out as UTF-16 units without
// their line ends. Only reading exists; the report printer writes no text files.
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace zentyra {

class TextFileReader;

struct FileCloser {
    void operator()(std::FILE* file) const;
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Opens an existing regular file for reading, its name matched without regard to case.
// Null for a missing file, a directory or a device (which could block the reader).
FileHandle OpenRegularFile(std::string_view path);

class TextFile {
public:
    enum Encoding { Detect = 0, Ansi = 1, Utf16LE = 2, Utf16BE = 3, Utf8 = 4 };
    enum Mode { Closed = 0, Read = 1 };
    static constexpr int kEncodingMask = 0xFF;
    // With a given encoding, do not look for (and consume) its byte-order mark.
    static constexpr int kNoByteOrderMark = 0x200;
    static constexpr int kDefaultBufferSize = 4096;
    // Larger requests are cut to this; a language file needs no bigger blocks.
    static constexpr int kMaxBufferSize = 1 << 20;

    TextFile();
    ~TextFile();
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;

    // 0, or -2 when the file cannot be opened (or mode or encoding is not one we read).
    // bufferSize 0 means kDefaultBufferSize; a negative size reads without buffering.
    int open(std::string_view fileName, int mode = Read, int flags = Detect, int bufferSize = 0);
    // 0 when a line was read, -1 at the end of the file (or when closed); `line` is then
    // empty.
    int readLine(std::u16string& line);
    // The next character (see the readers); -1 at the end or when closed.
    int readChar();
    int close();

    const std::string& fileName() const { return fileName_; }
    int mode() const { return mode_; }
    int encoding() const { return encoding_; } // the chosen one after open; 0 for an empty file
    int flags() const { return flags_; }
    // Code page of ANSI files; 0 is the process ANSI code page.
    int codePage() const { return codePage_; }
    void setCodePage(int codePage) { codePage_ = codePage; }

private:
    // Consumes the byte-order mark of `encoding` if the file starts with it; otherwise
    // goes back to the start.
    bool skipByteOrderMark(int encoding);
    // -1 for a read error, otherwise the encoding told by the first bytes (0: empty file).
    int detectEncoding();

    std::string fileName_;
    int mode_ = Closed;
    int encoding_ = Detect;
    int flags_ = 0;
    int bufferSize_ = 0;
    FileHandle file_;
    std::unique_ptr<TextFileReader> reader_;
    int codePage_ = 0;
};

} // namespace zentyra
