#pragma once
// The suite's installation file INSTALL.INI, section "OrvantaInstallCfg": 22 directory and
// file values with chained defaults. Read once; relative directory values resolve against
// the folder that holds INSTALL.INI, and backslashes become '/'.
#include <array>
#include <string>
#include <string_view>

namespace zentyra {

class InstallConfig {
public:
    enum Key {
        InstallDirProg,
        InstallDirData,
        InstallDirDocs,
        BinDir,
        LanguageDir,
        LanguageName,
        LinilDir,
        TmpDir,
        CfgDir,
        PrjWorkDir,
        PrjTextures,
        HiddenDir,
        ModelDirFurn,
        ModelDirRoom,
        BinModelsLum,
        LmDir,
        PrjDir,
        PrjImpExpDir,
        FotomDir,
        FotomName,
        DbDir,
        DbName,
        KeyCount
    };
    static constexpr const char* kSection = "OrvantaInstallCfg";
    static const char* keyName(Key key);

    // Reads <suiteDirectory>/INSTALL.INI (name matched without regard to case).
    explicit InstallConfig(std::string_view suiteDirectory);

    // The process-wide instance for SuiteDirectory(), read on first use.
    static const InstallConfig& instance();
    static void release();

    const std::string& value(Key key) const { return values_[key]; }
    const std::string& suiteDirectory() const { return suiteDirectory_; }
    // The INSTALL.INI file that was read (or would have been: it need not exist).
    const std::string& installIniPath() const { return installIniPath_; }
    const std::string& installDirProg() const { return values_[InstallDirProg]; }
    const std::string& installDirData() const { return values_[InstallDirData]; }
    const std::string& installDirDocs() const { return values_[InstallDirDocs]; }
    const std::string& binDir() const { return values_[BinDir]; }
    const std::string& languageDir() const { return values_[LanguageDir]; }
    const std::string& languageName() const { return values_[LanguageName]; }
    const std::string& tmpDir() const { return values_[TmpDir]; }
    const std::string& cfgDir() const { return values_[CfgDir]; }
    const std::string& prjWorkDir() const { return values_[PrjWorkDir]; }
    const std::string& prjDir() const { return values_[PrjDir]; }
    const std::string& prjImpExpDir() const { return values_[PrjImpExpDir]; }
    const std::string& dbDir() const { return values_[DbDir]; }
    const std::string& dbName() const { return values_[DbName]; }

private:
    std::string suiteDirectory_;
    std::string installIniPath_;
    std::array<std::string, KeyCount> values_;
};

} // namespace zentyra
