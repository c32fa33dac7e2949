#include "language/TextFile.h"

#include "language/TextFileReader.h"
#include "platform/Path.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <span>
#include <sys/stat.h>
#include <unistd.h>

namespace zentyra {

namespace {

constexpr std::array<unsigned char, 2> kMarkUtf16LE = {0xFF, 0xFE};
constexpr std::array<unsigned char, 2> kMarkUtf16BE = {0xFE, 0xFF};
constexpr std::array<unsigned char, 3> kMarkUtf8 = {0xEF, 0xBB, 0xBF};

std::span<const unsigned char> ByteOrderMark(int encoding) {
    switch (encoding) {
    case TextFile::Utf16LE:
        return kMarkUtf16LE;
    case TextFile::Utf16BE:
        return kMarkUtf16BE;
    case TextFile::Utf8:
        return kMarkUtf8;
    default:
        return {};
    }
}

} // namespace

void FileCloser::operator()(std::FILE* file) const {
    if (file) std::fclose(file);
}

FileHandle OpenRegularFile(std::string_view path) {
    if (path.empty()) return {};
    const std::string resolved = ResolveCaseInsensitive(path);
    // Non-blocking, so that a FIFO in place of the file cannot stall the open.
    const int descriptor = ::open(resolved.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) return {};
    struct stat info {};
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(descriptor);
        return {};
    }
    const int statusFlags = ::fcntl(descriptor, F_GETFL);
    if (statusFlags >= 0) ::fcntl(descriptor, F_SETFL, statusFlags & ~O_NONBLOCK);
    std::FILE* file = ::fdopen(descriptor, "rb");
    if (!file) {
        ::close(descriptor);
        return {};
    }
    return FileHandle(file);
}

TextFile::TextFile() = default;

TextFile::~TextFile() {
    close();
}

int TextFile::open(std::string_view fileName, int mode, int flags, int bufferSize) {
    close();
    const int requested = flags & kEncodingMask;
    if (mode != Read || requested > Utf8) return -2;
    FileHandle file = OpenRegularFile(fileName);
    if (!file) return -2;
    if (bufferSize < 0) std::setvbuf(file.get(), nullptr, _IONBF, 0);

    fileName_ = std::string(fileName);
    file_ = std::move(file);
    flags_ = flags;
    bufferSize_ = bufferSize;
    int encoding = requested;
    if (encoding == Detect) {
        encoding = detectEncoding();
        if (encoding < 0) {
            close();
            return -2;
        }
    } else if ((flags & kNoByteOrderMark) == 0 && !skipByteOrderMark(encoding)) {
        close();
        return -2;
    }

    const std::size_t capacity =
        bufferSize == 0
            ? kDefaultBufferSize
            : (bufferSize < 0 ? 1 : static_cast<std::size_t>(std::min(bufferSize, kMaxBufferSize)));
    switch (encoding) {
    case Ansi:
        reader_ = std::make_unique<ANSI_TextFileReader>(*this, fileName_, file_.get(), capacity);
        break;
    case Utf16LE:
        reader_ = std::make_unique<UTF16LE_TextFileReader>(fileName_, file_.get(), capacity);
        break;
    case Utf16BE:
        reader_ = std::make_unique<UTF16BE_TextFileReader>(fileName_, file_.get(), capacity);
        break;
    case Utf8:
        reader_ = std::make_unique<UTF8_TextFileReader>(fileName_, file_.get(), capacity);
        break;
    default: // an empty file
        reader_ = std::make_unique<TextFileReader>(fileName_, file_.get(), capacity);
        break;
    }
    encoding_ = encoding;
    mode_ = Read;
    return 0;
}

bool TextFile::skipByteOrderMark(int encoding) {
    const std::span<const unsigned char> mark = ByteOrderMark(encoding);
    std::array<unsigned char, 3> start{};
    const std::size_t read = std::fread(start.data(), 1, mark.size(), file_.get());
    if (read == mark.size() && std::equal(mark.begin(), mark.end(), start.begin())) return true;
    std::clearerr(file_.get());
    return std::fseek(file_.get(), 0, SEEK_SET) == 0;
}

int TextFile::detectEncoding() {
    std::FILE* file = file_.get();
    const int first = std::fgetc(file);
    if (first == EOF) return std::ferror(file) ? -1 : Detect;
    int encoding = Ansi;
    if (first == 0xEF) {
        if (std::fgetc(file) == 0xBB && std::fgetc(file) == 0xBF) encoding = Utf8;
    } else if (first == 0xFE) {
        if (std::fgetc(file) == 0xFF) encoding = Utf16BE;
    } else if (first == 0xFF) {
        if (std::fgetc(file) == 0xFE) encoding = Utf16LE;
    }
    if (encoding == Ansi) {
        std::clearerr(file);
        if (std::fseek(file, 0, SEEK_SET) != 0) return -1;
    }
    return encoding;
}

int TextFile::readLine(std::u16string& line) {
    if (!reader_) {
        line.clear();
        return -1;
    }
    return reader_->readLine(line, codePage_);
}

int TextFile::readChar() {
    return reader_ ? reader_->readChar() : -1;
}

int TextFile::close() {
    reader_.reset();
    file_.reset();
    fileName_.clear();
    mode_ = Closed;
    encoding_ = Detect;
    return 0;
}

} // namespace zentyra
