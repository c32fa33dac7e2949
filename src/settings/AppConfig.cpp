#include "settings/AppConfig.h"

#include "platform/Profile.h"
#include "platform/Text.h"
#include "settings/ReportSettings.h"

namespace zentyra {

namespace {

constexpr std::size_t kNotesOffset = 0;
constexpr std::size_t kWarningsOffset = AppConfig::kTextUnits * 2;
constexpr std::size_t kGermanReportsOffset = AppConfig::kTextUnits * 4;
constexpr std::size_t kSavedSelectionOffset = kGermanReportsOffset + 4;
static_assert(kSavedSelectionOffset + AppConfig::kSavedSelectionCount * 4 ==
              AppConfig::kRecordSize);

// The text with its terminator: at most kTextUnits - 1 units of it reach the record.
void PutText(std::span<std::uint8_t, AppConfig::kRecordSize> record, std::size_t offset,
             std::string_view text) {
    const std::u16string units = Utf8ToUtf16(TruncateToUtf16Units(text, AppConfig::kTextUnits - 1));
    for (std::size_t i = 0; i < units.size(); ++i) {
        record[offset + 2 * i] = static_cast<std::uint8_t>(units[i] & 0xFF);
        record[offset + 2 * i + 1] = static_cast<std::uint8_t>(units[i] >> 8);
    }
}

std::string GetText(std::span<const std::uint8_t, AppConfig::kRecordSize> record,
                    std::size_t offset) {
    std::u16string units;
    for (std::size_t i = 0; i < AppConfig::kTextUnits - 1; ++i) {
        const auto unit =
            static_cast<char16_t>(record[offset + 2 * i] | record[offset + 2 * i + 1] << 8);
        if (unit == 0) break;
        units += unit;
    }
    // A record cut without its terminator may end in half a surrogate pair: drop the half.
    if (units.size() == AppConfig::kTextUnits - 1 && units.back() >= 0xD800 &&
        units.back() <= 0xDBFF) {
        units.pop_back();
    }
    return Utf16ToUtf8(units);
}

void PutInt(std::span<std::uint8_t, AppConfig::kRecordSize> record, std::size_t offset,
            std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) {
        record[offset + i] = static_cast<std::uint8_t>(bits >> (8 * i));
    }
}

std::int32_t GetInt(std::span<const std::uint8_t, AppConfig::kRecordSize> record,
                    std::size_t offset) {
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 4; ++i)
        bits |= static_cast<std::uint32_t>(record[offset + i]) << (8 * i);
    return static_cast<std::int32_t>(bits);
}

} // namespace

std::array<std::uint8_t, AppConfig::kRecordSize> AppConfig::toBytes() const {
    std::array<std::uint8_t, kRecordSize> record{};
    PutText(record, kNotesOffset, notesText);
    PutText(record, kWarningsOffset, warningsText);
    PutInt(record, kGermanReportsOffset, germanReports);
    for (std::size_t i = 0; i < kSavedSelectionCount; ++i) {
        PutInt(record, kSavedSelectionOffset + 4 * i, savedSelection[i]);
    }
    return record;
}

AppConfig AppConfig::fromBytes(std::span<const std::uint8_t, kRecordSize> bytes) {
    AppConfig config;
    config.notesText = GetText(bytes, kNotesOffset);
    config.warningsText = GetText(bytes, kWarningsOffset);
    config.germanReports = GetInt(bytes, kGermanReportsOffset);
    for (std::size_t i = 0; i < kSavedSelectionCount; ++i) {
        config.savedSelection[i] = GetInt(bytes, kSavedSelectionOffset + 4 * i);
    }
    return config;
}

bool AppConfig::read(std::string_view iniPath) {
    *this = AppConfig{};
    if (iniPath.empty()) return false;
    std::array<std::uint8_t, kRecordSize> record{};
    if (!ReadProfileStruct(iniPath, kSection, kKey, record)) return false;
    *this = fromBytes(record);
    return true;
}

bool AppConfig::write(std::string_view iniPath) const {
    if (!SettingsWritable() || iniPath.empty()) return false;
    const std::array<std::uint8_t, kRecordSize> record = toBytes();
    return WriteProfileStruct(iniPath, kSection, kKey, record);
}

AppConfig& appConfig() {
    static AppConfig config;
    return config;
}

bool ReadAppConfig() {
    return appConfig().read(SuiteIniPath());
}

bool WriteAppConfig() {
    return appConfig().write(SuiteIniPath());
}

int& selectionMode() {
    static int mode = 0;
    return mode;
}

int SelectionModeFromArgument(std::string_view firstArgument) {
    if (firstArgument == "-compact") return 1;
    if (firstArgument == "-lastCfg") return 2;
    return 0; // "-full", any other argument, or none
}

} // namespace zentyra
