#pragma once
// Directories by number, built from InstallConfig. Every registered directory ends with '/'.
// Only id 3 (the language directory) is looked up by the report printer.
#include <map>
#include <string>
#include <string_view>

namespace zentyra {

class InstallConfig;

class PathRegistry {
public:
    static constexpr int kLanguageDirectory = 3;

    PathRegistry(const InstallConfig& config, std::string_view executableDirectory);

    static PathRegistry& instance(); // over InstallConfig::instance(), built on first use
    static void release();

    // False, and nothing changed, when the id is already registered.
    bool registerPath(int id, std::string_view directory);
    // The registered directory, or the executable's directory (with '/') for an unknown id.
    std::string path(int id) const;

private:
    std::string executableDirectory_;
    std::string tmpDirectory_;
    std::string programDirectory_;
    std::string dataDirectory_;
    std::string documentsDirectory_;
    std::map<int, std::string> paths_;
};

} // namespace zentyra
