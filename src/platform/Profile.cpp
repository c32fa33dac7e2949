#include "platform/Profile.h"

#include "platform/CodePage.h"
#include "platform/Path.h"
#include "platform/Text.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace zentyra {

namespace {

// One line of a profile file: its bytes without the line end, the line end itself, and
// what the line means.
struct ProfileLine {
    enum Kind { Other, Section, Entry };
    std::string raw;
    std::string end;
    Kind kind = Other;
    std::string name;  // section or key, UTF-8
    std::string value; // entries only: trimmed, unquoted, UTF-8
};

struct ProfileFile {
    std::vector<ProfileLine> lines;
    bool ansi = false; // the file is not valid UTF-8
    std::string lineEnd = "\r\n";
    // A UTF-8 mark some editors put in front; it would otherwise hide the first section.
    std::string_view byteOrderMark;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string_view Unquote(std::string_view s) {
    if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front()) {
        return s.substr(1, s.size() - 2);
    }
    return s;
}

// Text of the file as UTF-8: each line on its own, so that one line in another encoding does
// not spoil the rest.
std::string Decode(std::string_view text) {
    return IsValidUtf8(text) ? std::string(text) : ToUtf8(text, kCodePageAnsi);
}

void Classify(ProfileLine& line) {
    const std::string_view text = Trim(line.raw);
    if (text.empty() || text.front() == ';') return;
    if (text.front() == '[') {
        const std::size_t close = text.rfind(']');
        if (close != std::string_view::npos && close > 0) {
            line.kind = ProfileLine::Section;
            line.name = Decode(Trim(text.substr(1, close - 1)));
            return;
        }
    }
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) return;
    const std::string_view key = Trim(text.substr(0, equals));
    if (key.empty()) return;
    line.kind = ProfileLine::Entry;
    line.name = Decode(key);
    line.value = Decode(Unquote(Trim(text.substr(equals + 1))));
}

ProfileFile Parse(std::string_view content) {
    ProfileFile file;
    static constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
    if (content.starts_with(kUtf8Mark)) {
        file.byteOrderMark = kUtf8Mark;
        content.remove_prefix(kUtf8Mark.size());
    }
    file.ansi = !IsValidUtf8(content);
    const std::size_t firstNewline = content.find('\n');
    if (firstNewline != std::string_view::npos) {
        file.lineEnd = firstNewline > 0 && content[firstNewline - 1] == '\r' ? "\r\n" : "\n";
    }
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t newline = content.find('\n', start);
        ProfileLine line;
        if (newline == std::string_view::npos) {
            line.raw = content.substr(start);
            start = content.size();
        } else {
            std::size_t end = newline;
            if (end > start && content[end - 1] == '\r') --end;
            line.raw = content.substr(start, end - start);
            line.end = content.substr(end, newline + 1 - end);
            start = newline + 1;
        }
        Classify(line);
        file.lines.push_back(std::move(line));
    }
    return file;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return std::move(content).str();
}

// Index of the first line of the first section called `section`, or npos.
std::size_t FindSection(const ProfileFile& file, std::string_view section) {
    for (std::size_t i = 0; i < file.lines.size(); ++i) {
        if (file.lines[i].kind == ProfileLine::Section &&
            EqualsNoCase(file.lines[i].name, section)) {
            return i;
        }
    }
    return std::string::npos;
}

// One past the last line of the section that starts at `sectionLine`.
std::size_t SectionEnd(const ProfileFile& file, std::size_t sectionLine) {
    std::size_t i = sectionLine + 1;
    while (i < file.lines.size() && file.lines[i].kind != ProfileLine::Section)
        ++i;
    return i;
}

std::size_t FindEntry(const ProfileFile& file, std::size_t sectionLine, std::string_view key) {
    const std::size_t end = SectionEnd(file, sectionLine);
    for (std::size_t i = sectionLine + 1; i < end; ++i) {
        if (file.lines[i].kind == ProfileLine::Entry && EqualsNoCase(file.lines[i].name, key)) {
            return i;
        }
    }
    return std::string::npos;
}

std::optional<std::string> FindValue(std::string_view path, std::string_view section,
                                     std::string_view key) {
    if (path.empty()) return std::nullopt;
    const std::optional<std::string> content = ReadWholeFile(ResolveCaseInsensitive(path));
    if (!content) return std::nullopt;
    const ProfileFile file = Parse(*content);
    const std::size_t sectionLine = FindSection(file, section);
    if (sectionLine == std::string::npos) return std::nullopt;
    const std::size_t entry = FindEntry(file, sectionLine, key);
    if (entry == std::string::npos) return std::nullopt;
    return file.lines[entry].value;
}

// Where a write to `path` goes: the existing file under whatever case it is spelt, else a new
// file of that name in the (case-insensitively found) directory.
std::string WriteTarget(std::string_view path) {
    const std::string resolved = ResolveCaseInsensitive(path);
    struct stat info {};
    if (::stat(resolved.c_str(), &info) == 0) return resolved;
    const std::string normalised = ToSlashes(path);
    const std::string parent = ParentPath(normalised);
    if (parent.empty()) return normalised;
    return JoinPath(ResolveCaseInsensitive(parent), FileName(normalised));
}

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t written = ::write(fd, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Writes a temporary file beside `target`, flushes it to disk and renames it over the target,
// so readers see either the old file or the new one.
bool ReplaceFileAtomically(const std::string& target, std::string_view content) {
    const std::string directory = ParentPath(target);
    std::string pattern = JoinPath(directory, "." + FileName(target) + ".XXXXXX");
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) return false;
    struct stat existing {};
    const mode_t mode = ::stat(target.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : 0644;
    bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, content) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) ok = ::rename(pattern.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(pattern.c_str());
        return false;
    }
    const int dirFd = ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

bool HasLineBreak(std::string_view s) {
    return s.find_first_of("\r\n") != std::string_view::npos;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

} // namespace

std::string ReadProfileString(std::string_view file, std::string_view section, std::string_view key,
                              std::string_view fallback, std::size_t maxUnits) {
    const std::optional<std::string> value = FindValue(file, section, key);
    const std::string_view result = value ? std::string_view(*value) : fallback;
    if (maxUnits == 0) return std::string(result);
    return TruncateToUtf16Units(result, maxUnits);
}

int ReadProfileInt(std::string_view file, std::string_view section, std::string_view key,
                   int fallback) {
    const std::optional<std::string> value = FindValue(file, section, key);
    // An empty value reads like a missing one, as with the Win32 profile functions.
    if (!value || value->empty()) return fallback;
    std::string_view text = *value;
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    long long magnitude = 0;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    for (const char c : text) {
        if (c < '0' || c > '9') break;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit) {
            magnitude = limit;
            break;
        }
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

bool ReadProfileStruct(std::string_view file, std::string_view section, std::string_view key,
                       std::span<std::uint8_t> out) {
    const std::optional<std::string> value = FindValue(file, section, key);
    return value && DecodeProfileStruct(*value, out);
}

bool WriteProfileString(std::string_view file, std::string_view section, std::string_view key,
                        std::string_view value) {
    // Line breaks would turn one value into several lines, and a key holding '=' or starting
    // like a section or comment would not read back; such writes are refused.
    const std::string_view trimmedKey = Trim(key);
    if (file.empty() || HasLineBreak(section) || section.find(']') != std::string_view::npos ||
        trimmedKey.empty() || HasLineBreak(key) || key.find('=') != std::string_view::npos ||
        trimmedKey.front() == '[' || trimmedKey.front() == ';' || HasLineBreak(value)) {
        return false;
    }
    const std::string target = WriteTarget(file);
    const std::optional<std::string> content = ReadWholeFile(target);
    ProfileFile profile = Parse(content ? std::string_view(*content) : std::string_view());
    const auto encode = [&](std::string_view utf8) {
        return profile.ansi ? FromUtf8(utf8, kCodePageAnsi) : std::string(utf8);
    };
    const std::string& eol = profile.lineEnd;

    ProfileLine entry;
    entry.kind = ProfileLine::Entry;
    entry.end = eol;

    std::size_t sectionLine = FindSection(profile, section);
    if (sectionLine == std::string::npos) {
        if (!profile.lines.empty()) {
            if (profile.lines.back().end.empty()) profile.lines.back().end = eol;
            if (!Trim(profile.lines.back().raw).empty()) {
                ProfileLine blank;
                blank.end = eol;
                profile.lines.push_back(std::move(blank));
            }
        }
        ProfileLine header;
        header.raw = "[" + encode(section) + "]";
        header.end = eol;
        header.kind = ProfileLine::Section;
        profile.lines.push_back(std::move(header));
        sectionLine = profile.lines.size() - 1;
    }

    const std::size_t existing = FindEntry(profile, sectionLine, key);
    if (existing != std::string::npos) {
        // Keep the key as it is spelt in the file and the line's own line end.
        ProfileLine& line = profile.lines[existing];
        const std::string_view raw = line.raw;
        const std::string keyText(Trim(raw.substr(0, raw.find('='))));
        line.raw = keyText + "=" + encode(value);
    } else {
        std::size_t insertAt = SectionEnd(profile, sectionLine);
        while (insertAt > sectionLine + 1 && Trim(profile.lines[insertAt - 1].raw).empty()) {
            --insertAt;
        }
        if (profile.lines[insertAt - 1].end.empty()) profile.lines[insertAt - 1].end = eol;
        entry.raw = encode(trimmedKey) + "=" + encode(value);
        profile.lines.insert(profile.lines.begin() + static_cast<std::ptrdiff_t>(insertAt),
                             std::move(entry));
    }

    std::string output(profile.byteOrderMark);
    std::size_t size = output.size();
    for (const ProfileLine& line : profile.lines)
        size += line.raw.size() + line.end.size();
    output.reserve(size);
    for (const ProfileLine& line : profile.lines) {
        output += line.raw;
        output += line.end;
    }
    return ReplaceFileAtomically(target, output);
}

bool WriteProfileStruct(std::string_view file, std::string_view section, std::string_view key,
                        std::span<const std::uint8_t> data) {
    return WriteProfileString(file, section, key, EncodeProfileStruct(data));
}

std::string EncodeProfileStruct(std::span<const std::uint8_t> data) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(data.size() * 2 + 2);
    unsigned sum = 0;
    const auto put = [&](std::uint8_t byte) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    };
    for (const std::uint8_t byte : data) {
        put(byte);
        sum += byte;
    }
    put(static_cast<std::uint8_t>(sum & 0xFF));
    return text;
}

bool DecodeProfileStruct(std::string_view text, std::span<std::uint8_t> out) {
    if (text.size() != out.size() * 2 + 2) return false;
    std::vector<std::uint8_t> bytes(out.size() + 1);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const int high = HexDigit(text[2 * i]);
        const int low = HexDigit(text[2 * i + 1]);
        if (high < 0 || low < 0) return false;
        bytes[i] = static_cast<std::uint8_t>(high << 4 | low);
    }
    unsigned sum = 0;
    for (std::size_t i = 0; i < out.size(); ++i)
        sum += bytes[i];
    if ((sum & 0xFF) != bytes.back()) return false;
    std::copy(bytes.begin(), bytes.end() - 1, out.begin());
    return true;
}

} // namespace zentyra
