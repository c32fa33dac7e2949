#pragma once
// The report settings of the suite INI file (ORV.INI in the configuration directory):
// unit system, logo alignment, printer margins, the designer's address lines, and the
// language and product-database names.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zentyra {

// Headless runs read the settings and never write them; the desktop program enables writes.
void SetSettingsWritable(bool writable);
bool SettingsWritable();

class InstallConfig;

// The suite INI file: ORV.INI in cfgDir, matched without regard to case ("Orv.ini" is the same
// file). Empty when cfgDir is empty, so nothing is read or written at the root of the file
// system.
std::string SuiteIniPath(std::string_view cfgDir);
// The same for InstallConfig::instance(). When its cfgDir is empty this reports, once per
// process, that the settings use their defaults and nothing is saved.
std::string SuiteIniPath();
// Lets the notice above be given again (tests).
void ResetMissingConfigDirectoryNotice();

class ReportSettings {
public:
    static constexpr const char* kCommonSection = "OrvCfg_Common";
    static constexpr const char* kPathSection = "OrvCfg_Common_Path";
    static constexpr const char* kIniFileName = "ORV.INI";
    // Keys by save position: 0 "Sistema di misura", 1..4 the margins (left, right, top,
    // bottom), 5 "Logo Alignment", 6..11 "Address1".."Address6".
    enum SaveKey {
        UnitSystemKey,
        MarginLeftKey,
        MarginRightKey,
        MarginTopKey,
        MarginBottomKey,
        LogoAlignmentKey,
        Address1Key,
        Address6Key = Address1Key + 5,
        SaveKeyCount
    };
    static const char* saveKeyName(int key);
    static constexpr std::size_t kTextUnits = 99; // 100 with the terminator

    // iniPath is the suite INI file; empty means there is no configuration directory: every
    // value is a default and nothing is ever written.
    // Defaults of the language and database names come from InstallConfig::instance().
    explicit ReportSettings(std::string iniPath);
    // The same with the defaults taken from `defaults`.
    ReportSettings(std::string iniPath, const InstallConfig& defaults);

    // The process-wide record for InstallConfig::instance().cfgDir(), created on first use.
    // An empty cfgDir reports one message and gives the record without a file.
    static ReportSettings& instance();
    static void release();

    // Writes the field of one key (SaveKey) to the INI file, when writes are enabled.
    void save(int key) const;

    // Read at every call with its default (InstallConfig) and put in lower case.
    std::string programLanguageName() const;
    std::string printerLanguageName() const;
    void setPrinterLanguageName(std::string_view name) const;
    // Read at every call with its default (InstallConfig).
    std::string dbDir() const;
    std::string dbName() const;

    const std::string& iniPath() const { return iniPath_; }

    std::uint32_t unitSystem = 0;    // 0 metric, 1 imperial
    std::uint32_t logoAlignment = 1; // 0 none, 1 left, 2 centred, 3 right
    std::int32_t marginLeft = 150;   // hundredths of a centimetre
    std::int32_t marginRight = 100;
    std::int32_t marginTop = 50;
    std::int32_t marginBottom = 150;
    std::string footerLeftText;
    std::string footerCentreText;
    std::array<std::string, 6> address;

private:
    std::string readPathValue(const char* key, const std::string& fallback) const;

    std::string iniPath_;
    std::string defaultLanguageName_;
    std::string defaultDbDir_;
    std::string defaultDbName_;
};

} // namespace zentyra
