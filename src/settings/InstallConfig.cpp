#include "settings/InstallConfig.h"

#include "platform/Path.h"
#include "platform/Profile.h"
#include "platform/SuiteLocation.h"

#include <memory>

namespace zentyra {

namespace {

constexpr std::size_t kValueUnits = 259;
constexpr const char* kInstallIniName = "INSTALL.INI";

constexpr std::array<const char*, InstallConfig::KeyCount> kKeyNames = {
    "installDirProg", "installDirData", "installDirDocs", "binDir",       "languageDir",
    "languageName",   "linilDir",       "tmpDir",         "cfgDir",       "prjWorkDir",
    "prjTextures",    "hiddenDir",      "modelDirFurn",   "modelDirRoom", "binModelsLum",
    "lmDir",          "prjDir",         "prjImpExpDir",   "fotomDir",     "fotomName",
    "dbDir",          "dbName"};

// File names, not directories: they are never resolved against the suite folder.
bool IsFileNameKey(InstallConfig::Key key) {
    return key == InstallConfig::LanguageName || key == InstallConfig::FotomName ||
           key == InstallConfig::DbName;
}

std::unique_ptr<InstallConfig>& Instance() {
    static std::unique_ptr<InstallConfig> instance;
    return instance;
}

} // namespace

const char* InstallConfig::keyName(Key key) {
    return key >= 0 && key < KeyCount ? kKeyNames[key] : "";
}

InstallConfig::InstallConfig(std::string_view suiteDirectory)
    : suiteDirectory_(ToSlashes(suiteDirectory)) {
    while (suiteDirectory_.size() > 1 && suiteDirectory_.back() == '/')
        suiteDirectory_.pop_back();
    installIniPath_ = ResolveCaseInsensitive(JoinPath(suiteDirectory_, kInstallIniName));

    for (int index = 0; index < KeyCount; ++index) {
        const auto key = static_cast<Key>(index);
        // Each default builds on the values already read, not on their defaults.
        std::string fallback;
        switch (key) {
        case InstallDirProg:
            fallback = suiteDirectory_;
            break;
        case InstallDirData:
            fallback = JoinPath(values_[InstallDirProg], "Data");
            break;
        case InstallDirDocs:
            fallback = JoinPath(values_[InstallDirProg], "Docs");
            break;
        case BinDir:
            fallback = JoinPath(values_[InstallDirProg], "Bin");
            break;
        case LanguageDir:
            fallback = JoinPath(values_[BinDir], "Lng");
            break;
        case LanguageName:
            fallback = "Ing.Lng";
            break;
        default:
            break;
        }
        std::string value = ToSlashes(
            ReadProfileString(installIniPath_, kSection, keyName(key), fallback, kValueUnits));
        // Relative directories are relative to the suite folder, so a suite works wherever it
        // is unpacked; Windows drive paths are kept as written.
        if (!IsFileNameKey(key) && !value.empty() && !IsAbsolutePath(value) &&
            !HasDriveLetter(value)) {
            value = JoinPath(suiteDirectory_, value);
        }
        values_[key] = std::move(value);
    }
}

const InstallConfig& InstallConfig::instance() {
    std::unique_ptr<InstallConfig>& instance = Instance();
    if (!instance) instance = std::make_unique<InstallConfig>(SuiteDirectory());
    return *instance;
}

void InstallConfig::release() {
    Instance().reset();
}

} // namespace zentyra
