#pragma once
// A scratch directory for the files a test writes, removed when the test ends, so tests only
// ever touch their own copies.
#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace zentyra::test {

class TempDir {
public:
    TempDir() {
        static std::atomic<int> counter{0};
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("zentyra-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) +
                 "-" + std::to_string(random()));
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
    // Writes the bytes as they are, replacing the file.
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
    // The bytes of a file in the directory; empty when it cannot be read.
    std::string read(std::string_view name) const {
        std::ifstream in(path_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    // The names of the entries directly in the directory, sorted.
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path path_;
};

} // namespace zentyra::test
