#include "settings/ReportSettings.h"

#include "platform/SuiteLocation.h"

#include "platform/Messages.h"
#include "platform/Path.h"
#include "platform/Profile.h"
#include "platform/Text.h"
#include "settings/InstallConfig.h"

#include <memory>

namespace zentyra {

namespace {

constexpr std::size_t kPathValueUnits = 1023;
constexpr const char* kFooterBanner =
    "Orvanta Suite v.8 - (c) Orvanta S.r.l. - All rights reserved - www.orvanta.example";

constexpr std::array<const char*, ReportSettings::SaveKeyCount> kSaveKeyNames = {
    "Sistema di misura",
    "Printer Margin Left",
    "Printer Margin Right",
    "Printer Margin Top",
    "Printer Margin Bottom",
    "Logo Alignment",
    "Address1",
    "Address2",
    "Address3",
    "Address4",
    "Address5",
    "Address6"};

bool settingsWritable = false;
bool missingConfigDirectoryNoticeGiven = false;

std::unique_ptr<ReportSettings>& Instance() {
    static std::unique_ptr<ReportSettings> instance;
    return instance;
}

} // namespace

void SetSettingsWritable(bool writable) {
    settingsWritable = writable;
}
bool SettingsWritable() {
    return settingsWritable;
}

std::string SuiteIniPath(std::string_view cfgDir) {
    if (cfgDir.empty()) return {};
    return ResolveCaseInsensitive(JoinPath(cfgDir, ReportSettings::kIniFileName));
}

std::string SuiteIniPath() {
    const InstallConfig& config = InstallConfig::instance();
    if (config.cfgDir().empty() && !missingConfigDirectoryNoticeGiven) {
        missingConfigDirectoryNoticeGiven = true;
        if (FileExists(config.installIniPath())) {
            DebugMsg("The installation file " + config.installIniPath() +
                     " names no configuration directory (cfgDir): the settings use their "
                     "defaults and nothing is saved.");
        } else {
            std::string looked;
            for (const std::string& folder : SuiteSearchPath())
                looked += (looked.empty() ? "" : ", ") + folder;
            DebugMsg("No installation file INSTALL.INI was found (looked in " + looked +
                     "): the settings use their defaults and nothing is saved. Name the suite "
                     "folder with --suite DIR or ZENTYRA_SUITE.");
        }
    }
    return SuiteIniPath(config.cfgDir());
}

void ResetMissingConfigDirectoryNotice() {
    missingConfigDirectoryNoticeGiven = false;
}

const char* ReportSettings::saveKeyName(int key) {
    return key >= 0 && key < SaveKeyCount ? kSaveKeyNames[static_cast<std::size_t>(key)] : "";
}

ReportSettings::ReportSettings(std::string iniPath)
    : ReportSettings(std::move(iniPath), InstallConfig::instance()) {}

ReportSettings::ReportSettings(std::string iniPath, const InstallConfig& defaults)
    : footerLeftText(kFooterBanner), iniPath_(std::move(iniPath)),
      defaultLanguageName_(defaults.languageName()), defaultDbDir_(defaults.dbDir()),
      defaultDbName_(defaults.dbName()) {
    if (iniPath_.empty()) return;
    const auto readUnsigned = [&](int key, std::uint32_t& field) {
        field = static_cast<std::uint32_t>(ReadProfileInt(
            iniPath_, kCommonSection, saveKeyName(key), static_cast<std::int32_t>(field)));
    };
    const auto readSigned = [&](int key, std::int32_t& field) {
        field = ReadProfileInt(iniPath_, kCommonSection, saveKeyName(key), field);
    };
    readUnsigned(UnitSystemKey, unitSystem);
    readUnsigned(LogoAlignmentKey, logoAlignment);
    readSigned(MarginLeftKey, marginLeft);
    readSigned(MarginRightKey, marginRight);
    readSigned(MarginTopKey, marginTop);
    readSigned(MarginBottomKey, marginBottom);
    for (std::size_t line = 0; line < address.size(); ++line) {
        address[line] = ReadProfileString(iniPath_, kCommonSection,
                                          saveKeyName(Address1Key + static_cast<int>(line)),
                                          address[line], kTextUnits);
    }
}

ReportSettings& ReportSettings::instance() {
    std::unique_ptr<ReportSettings>& instance = Instance();
    if (!instance) {
        instance = std::make_unique<ReportSettings>(SuiteIniPath(), InstallConfig::instance());
    }
    return *instance;
}

void ReportSettings::release() {
    Instance().reset();
}

void ReportSettings::save(int key) const {
    if (!SettingsWritable() || iniPath_.empty() || key < 0 || key >= SaveKeyCount) return;
    std::string value;
    switch (key) {
    case UnitSystemKey:
        value = std::to_string(static_cast<std::int32_t>(unitSystem)); // as "%d" writes it
        break;
    case MarginLeftKey:
        value = std::to_string(marginLeft);
        break;
    case MarginRightKey:
        value = std::to_string(marginRight);
        break;
    case MarginTopKey:
        value = std::to_string(marginTop);
        break;
    case MarginBottomKey:
        value = std::to_string(marginBottom);
        break;
    case LogoAlignmentKey:
        value = std::to_string(static_cast<std::int32_t>(logoAlignment));
        break;
    default:
        value =
            TruncateToUtf16Units(address[static_cast<std::size_t>(key - Address1Key)], kTextUnits);
        break;
    }
    WriteProfileString(iniPath_, kCommonSection, saveKeyName(key), value);
}

std::string ReportSettings::readPathValue(const char* key, const std::string& fallback) const {
    if (iniPath_.empty()) return TruncateToUtf16Units(fallback, kPathValueUnits);
    return ReadProfileString(iniPath_, kPathSection, key, fallback, kPathValueUnits);
}

std::string ReportSettings::programLanguageName() const {
    return ToLower(readPathValue("programLanguageName", defaultLanguageName_));
}

std::string ReportSettings::printerLanguageName() const {
    return ToLower(readPathValue("printerLanguageName", defaultLanguageName_));
}

void ReportSettings::setPrinterLanguageName(std::string_view name) const {
    if (!SettingsWritable() || iniPath_.empty()) return;
    WriteProfileString(iniPath_, kPathSection, "printerLanguageName", name);
}

std::string ReportSettings::dbDir() const {
    return ToSlashes(readPathValue("dbDir", defaultDbDir_));
}

std::string ReportSettings::dbName() const {
    return readPathValue("dbName", defaultDbName_);
}

} // namespace zentyra
