#include "platform/SuiteLocation.h"

#include "platform/Path.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace zentyra {

namespace {

std::string suiteOverride;

std::string WithoutTrailingSeparators(std::string path) {
    while (path.size() > 1 && (path.back() == '/' || path.back() == '\\'))
        path.pop_back();
    return path;
}

std::string MakeAbsolute(std::string_view directory) {
    const std::string path = ToSlashes(directory);
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (error) return WithoutTrailingSeparators(path);
    return WithoutTrailingSeparators(absolute.lexically_normal().string());
}

} // namespace

void SetSuiteOverride(std::string_view directory) {
    suiteOverride = directory.empty() ? std::string() : MakeAbsolute(directory);
}

std::vector<std::string> SuiteSearchPath() {
    if (!suiteOverride.empty()) return {suiteOverride};
    if (const char* fromEnvironment = std::getenv(kSuiteEnvironmentVariable);
        fromEnvironment != nullptr && *fromEnvironment != '\0') {
        return {MakeAbsolute(fromEnvironment)};
    }
    const std::string exeDir = ExecutableDirectory();
    // The executable lives in the suite's Bin folder: two cuts at the last separator give the
    // suite folder.
    std::vector<std::string> folders{ParentPath(exeDir)};
    std::string config;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg == '/')
        config = xdg;
    else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        config = JoinPath(home, ".config");
    if (!config.empty()) folders.push_back(MakeAbsolute(JoinPath(config, "zentyra/suite")));
    folders.push_back(MakeAbsolute(JoinPath(ParentPath(exeDir), "share/zentyra/suite")));
    return folders;
}

std::string SuiteDirectory() {
    const std::vector<std::string> folders = SuiteSearchPath();
    for (const std::string& folder : folders)
        if (FileExists(JoinPath(folder, "INSTALL.INI"))) return folder;
    return folders.front();
}

std::string ExecutableDirectory() {
    return ParentPath(ExecutablePath());
}

} // namespace zentyra
