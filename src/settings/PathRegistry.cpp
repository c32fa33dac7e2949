#include "settings/PathRegistry.h"

#include "platform/Path.h"
#include "platform/SuiteLocation.h"
#include "settings/InstallConfig.h"

#include <array>
#include <memory>
#include <utility>

namespace zentyra {

namespace {

std::string WithSeparator(std::string_view directory) {
    std::string out = ToSlashes(directory);
    if (out.empty() || out.back() != '/') out += '/';
    return out;
}

std::unique_ptr<PathRegistry>& Instance() {
    static std::unique_ptr<PathRegistry> instance;
    return instance;
}

} // namespace

PathRegistry::PathRegistry(const InstallConfig& config, std::string_view executableDirectory)
    : executableDirectory_(WithSeparator(executableDirectory)),
      tmpDirectory_(WithSeparator(config.tmpDir())),
      programDirectory_(WithSeparator(config.installDirProg())),
      dataDirectory_(WithSeparator(config.installDirData())),
      documentsDirectory_(WithSeparator(config.installDirDocs())) {
    const std::array<std::pair<int, const std::string*>, 7> directories = {{
        {0, &config.binDir()},
        {kLanguageDirectory, &config.languageDir()},
        {4, &config.cfgDir()},
        {6, &config.tmpDir()},
        {7, &config.prjWorkDir()},
        {16, &config.prjDir()},
        {1, &config.prjImpExpDir()},
    }};
    for (const auto& [id, directory] : directories)
        registerPath(id, *directory);

    const std::array<std::pair<int, const char*>, 6> libraries = {{
        {9, "libraryDB/"},
        {14, "libraryDB/lights/"},
        {10, "libraryDB/meshes/"},
        {11, "libraryDB/furnitures/"},
        {12, "libraryDB/materials/"},
        {13, "libraryDB/textures/"},
    }};
    for (const auto& [id, folder] : libraries) {
        if (!registerPath(id, dataDirectory_ + folder)) break;
    }
}

PathRegistry& PathRegistry::instance() {
    std::unique_ptr<PathRegistry>& instance = Instance();
    if (!instance) {
        instance = std::make_unique<PathRegistry>(InstallConfig::instance(), ExecutableDirectory());
    }
    return *instance;
}

void PathRegistry::release() {
    Instance().reset();
}

bool PathRegistry::registerPath(int id, std::string_view directory) {
    return paths_.emplace(id, WithSeparator(directory)).second;
}

std::string PathRegistry::path(int id) const {
    const auto found = paths_.find(id);
    return found != paths_.end() ? found->second : executableDirectory_;
}

} // namespace zentyra
