#pragma once
// The application's configuration record: section "Zentyra", key "ZentyraAppCfg" of the suite
// INI file, 4484 bytes stored as a profile structure. Texts are 1000 UTF-16LE units each
// (terminator included), then a 32-bit flag and the 120 remembered ticks, all little endian.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zentyra {

struct AppConfig {
    static constexpr std::size_t kRecordSize = 4484;
    static constexpr std::size_t kTextUnits = 1000; // with the terminator
    static constexpr std::size_t kSavedSelectionCount = 120;
    static constexpr const char* kSection = "Zentyra";
    static constexpr const char* kKey = "ZentyraAppCfg";

    std::string notesText;    // UTF-8; at most 999 UTF-16 units reach the record
    std::string warningsText; // likewise
    std::int32_t germanReports = 0;
    std::array<std::int32_t, kSavedSelectionCount> savedSelection{};

    std::array<std::uint8_t, kRecordSize> toBytes() const;
    static AppConfig fromBytes(std::span<const std::uint8_t, kRecordSize> bytes);

    // Reads the record; a missing file or key, a wrong size or a wrong checksum leave the
    // all-zero record. Returns whether a record was read.
    bool read(std::string_view iniPath);
    // Writes the record (when settings writes are enabled and the path is not empty).
    bool write(std::string_view iniPath) const;
};

// The process-wide record (all zero until read).
AppConfig& appConfig();
// appConfig() from and to the suite INI file of InstallConfig::instance() (SuiteIniPath()).
bool ReadAppConfig();
bool WriteAppConfig();

// The command-line selection switch: 0 all ticked, 1 compact, 2 last saved configuration.
int& selectionMode();
// The switch from the first command-line argument only, compared exactly.
int SelectionModeFromArgument(std::string_view firstArgument);

} // namespace zentyra
