#include "platform/Path.h"

#include "platform/Text.h"

#include <algorithm>
#include <climits>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace zentyra {

namespace {

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

bool Exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

// The entry of `directory` whose name matches `name` without regard to case; the exact
// spelling wins, otherwise the first match in sorted order so the choice is stable.
std::string MatchInDirectory(const std::string& directory, const std::string& name) {
    std::error_code error;
    std::filesystem::directory_iterator it(directory.empty() ? std::string(".") : directory, error);
    if (error) return {};
    std::vector<std::string> matches;
    for (const auto& entry : it) {
        std::string entryName = entry.path().filename().string();
        if (entryName == name) return entryName;
        if (EqualsNoCase(entryName, name)) matches.push_back(std::move(entryName));
    }
    if (matches.empty()) return {};
    return *std::min_element(matches.begin(), matches.end());
}

} // namespace

std::string ToSlashes(std::string_view path) {
    std::string out(path);
    std::replace(out.begin(), out.end(), '\\', '/');
    return out;
}

std::string JoinPath(std::string_view dir, std::string_view name) {
    if (dir.empty()) return std::string(name);
    if (name.empty()) return std::string(dir);
    std::string out(dir);
    const bool dirEnds = IsSeparator(dir.back());
    const bool nameStarts = IsSeparator(name.front());
    if (dirEnds && nameStarts) {
        name.remove_prefix(1);
    } else if (!dirEnds && !nameStarts) {
        out += '/';
    }
    out.append(name);
    return out;
}

std::string ParentPath(std::string_view path) {
    const std::size_t last = path.find_last_of("/\\");
    if (last == std::string_view::npos) return {};
    // The parent of "/x" is the root itself, not the empty path.
    if (last == 0) return std::string(path.substr(0, 1));
    return std::string(path.substr(0, last));
}

std::string FileName(std::string_view path) {
    const std::size_t last = path.find_last_of("/\\");
    if (last == std::string_view::npos) return std::string(path);
    return std::string(path.substr(last + 1));
}

bool IsAbsolutePath(std::string_view path) {
    return !path.empty() && IsSeparator(path.front());
}

bool HasDriveLetter(std::string_view path) {
    if (path.size() < 2 || path[1] != ':') return false;
    const char letter = path[0];
    return ((letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z')) &&
           (path.size() == 2 || IsSeparator(path[2]));
}

std::string ResolveCaseInsensitive(std::string_view path) {
    const std::string normalised = ToSlashes(path);
    if (normalised.empty() || Exists(normalised)) return normalised;

    const bool absolute = normalised.front() == '/';
    std::vector<std::string> components;
    for (std::size_t start = 0; start <= normalised.size();) {
        const std::size_t end = std::min(normalised.find('/', start), normalised.size());
        if (end > start) components.emplace_back(normalised.substr(start, end - start));
        start = end + 1;
    }
    const bool trailingSlash = normalised.back() == '/';

    const auto prefixOf = [&](std::size_t count) {
        std::string prefix = absolute ? "/" : "";
        for (std::size_t i = 0; i < count; ++i) {
            if (i > 0) prefix += '/';
            prefix += components[i];
        }
        return prefix;
    };

    // The longest prefix that exists as spelt, then a directory search per component.
    std::size_t known = components.size();
    while (known > 0 && !Exists(prefixOf(known)))
        --known;
    std::string resolved = prefixOf(known);
    for (std::size_t i = known; i < components.size(); ++i) {
        const std::string match = MatchInDirectory(resolved, components[i]);
        if (match.empty()) return normalised;
        if (!resolved.empty() && resolved.back() != '/') resolved += '/';
        resolved += match;
    }
    if (trailingSlash) resolved += '/';
    return resolved;
}

bool FileExists(std::string_view path) {
    if (path.empty()) return false;
    struct stat info {};
    return ::stat(ResolveCaseInsensitive(path).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool DirectoryExists(std::string_view path) {
    if (path.empty()) return false;
    struct stat info {};
    return ::stat(ResolveCaseInsensitive(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string ExecutablePath() {
    std::vector<char> buffer(PATH_MAX > 0 ? static_cast<std::size_t>(PATH_MAX) : 4096);
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) return {};
        if (static_cast<std::size_t>(length) < buffer.size()) {
            return std::string(buffer.data(), static_cast<std::size_t>(length));
        }
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace zentyra
