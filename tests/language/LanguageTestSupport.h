#pragma once
// A scratch directory for the files a test writes, removed when the test ends.
#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <unistd.h>

namespace zentyra::test {

class TempDir {
public:
    TempDir() {
        static std::atomic<int> counter{0};
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("zentyra-language-" + std::to_string(::getpid()) + "-" +
                 std::to_string(counter++) + "-" + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string path() const { return path_.string(); }
    std::string file(std::string_view name) const { return (path_ / name).string(); }
    static void WriteFile(const std::filesystem::path& target, std::string_view bytes) {
        std::ofstream out(target, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    // Writes the bytes as they are; creates the folders on the way.
    std::string write(std::string_view name, std::string_view bytes) const {
        const std::filesystem::path target = path_ / name;
        std::filesystem::create_directories(target.parent_path());
        WriteFile(target, bytes);
        return target.string();
    }

private:
    std::filesystem::path path_;
};

// The bytes of a UTF-16 file of `text`, with its byte-order mark.
inline std::string Utf16File(std::u16string_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char low = static_cast<char>(unit & 0xFF);
        const char high = static_cast<char>(unit >> 8);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

} // namespace zentyra::test
