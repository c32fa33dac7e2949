#include "settings/AppConfig.h"

#include "platform/Profile.h"
#include "platform/SuiteLocation.h"
#include "settings/InstallConfig.h"
#include "settings/ReportSettings.h"

#include "../support/TempDir.h"

#include <array>
#include <cctype>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zentyra {
namespace {

using test::TempDir;

class AppConfigTest : public ::testing::Test {
protected:
    void TearDown() override {
        SetSettingsWritable(false);
        SetSuiteOverride("");
        InstallConfig::release();
        appConfig() = AppConfig{};
    }

    static AppConfig Sample() {
        AppConfig config;
        config.notesText = "Note \xE2\x82\xAC \xF0\x9F\x98\x80";
        config.warningsText = "Attenzione";
        config.germanReports = 1;
        for (std::size_t i = 0; i < config.savedSelection.size(); ++i)
            config.savedSelection[i] = static_cast<std::int32_t>(i % 2);
        config.savedSelection[119] = -2;
        return config;
    }
    static void ExpectSame(const AppConfig& a, const AppConfig& b) {
        EXPECT_EQ(a.notesText, b.notesText);
        EXPECT_EQ(a.warningsText, b.warningsText);
        EXPECT_EQ(a.germanReports, b.germanReports);
        EXPECT_EQ(a.savedSelection, b.savedSelection);
    }
    static void ExpectAllZero(const AppConfig& config) { ExpectSame(config, AppConfig{}); }

    TempDir dir;
};

TEST_F(AppConfigTest, TheRecordIs4484LittleEndianBytes) {
    AppConfig config;
    config.notesText = "N\xE2\x82\xAC";
    config.warningsText = "W";
    config.germanReports = 1;
    config.savedSelection[0] = 0x01020304;
    config.savedSelection[119] = -2;
    const auto bytes = config.toBytes();
    ASSERT_EQ(bytes.size(), 4484u);
    const std::vector<std::uint8_t> notes(bytes.begin(), bytes.begin() + 6);
    EXPECT_EQ(notes, (std::vector<std::uint8_t>{'N', 0, 0xAC, 0x20, 0, 0})); // UTF-16LE
    EXPECT_EQ(bytes[2000], 'W');
    EXPECT_EQ(bytes[2001], 0);
    const std::vector<std::uint8_t> tail(bytes.begin() + 4000, bytes.begin() + 4008);
    EXPECT_EQ(tail, (std::vector<std::uint8_t>{1, 0, 0, 0, 4, 3, 2, 1}));
    const std::vector<std::uint8_t> last(bytes.end() - 4, bytes.end());
    EXPECT_EQ(last, (std::vector<std::uint8_t>{0xFE, 0xFF, 0xFF, 0xFF}));
    ExpectSame(AppConfig::fromBytes(bytes), config);

    // A text keeps its terminator inside its 1000 units and never spills into the next field.
    config.notesText = std::string(1500, 'a');
    const auto cut = config.toBytes();
    EXPECT_EQ(cut[1996], 'a');
    EXPECT_EQ(cut[1998], 0);
    EXPECT_EQ(cut[1999], 0);
    EXPECT_EQ(cut[2000], 'W');
    EXPECT_EQ(AppConfig::fromBytes(cut).notesText, std::string(999, 'a'));
}

TEST_F(AppConfigTest, RoundTripsThroughTheIniFileAndDamageReadsAsAllZero) {
    const std::string ini = dir.write("ORV.INI", "[OrvCfg_Common]\nLogo Alignment=2\n");
    const AppConfig sample = Sample();
    SetSettingsWritable(true);
    ASSERT_TRUE(sample.write(ini));
    const std::string stored = ReadProfileString(ini, AppConfig::kSection, AppConfig::kKey, "");
    EXPECT_EQ(stored.size(), 8970u);
    EXPECT_EQ(ReadProfileInt(ini, "OrvCfg_Common", "Logo Alignment", 0), 2);
    AppConfig back;
    ASSERT_TRUE(back.read(ini));
    ExpectSame(back, sample);

    std::string flipped = stored;
    flipped[10] = flipped[10] == '0' ? '1' : '0';
    struct Case {
        const char* name;
        std::string content;
    };
    const Case cases[] = {
        {"wrong checksum", "[Zentyra]\nZentyraAppCfg=" + flipped + "\n"},
        {"wrong size", "[Zentyra]\nZentyraAppCfg=" + stored.substr(2) + "\n"},
        {"not hex", "[Zentyra]\nZentyraAppCfg=" + std::string(8970, 'G') + "\n"},
        {"lower case hex is fine", ""},
        {"no key", "[Zentyra]\nOther=1\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AppConfig config = Sample();
        if (c.content.empty()) {
            std::string lower = stored;
            for (char& ch : lower)
                ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
            dir.write("case.ini", "[zentyra]\nzentyraappcfg=" + lower + "\n");
            EXPECT_TRUE(config.read(dir.file("case.ini")));
            ExpectSame(config, sample);
            continue;
        }
        dir.write("bad.ini", c.content);
        EXPECT_FALSE(config.read(dir.file("bad.ini")));
        ExpectAllZero(config);
    }
    AppConfig config = Sample();
    EXPECT_FALSE(config.read(dir.file("missing.ini")));
    ExpectAllZero(config);
    config = Sample();
    EXPECT_FALSE(config.read(""));
    ExpectAllZero(config);
}

TEST_F(AppConfigTest, TheProcessRecordLivesInTheSuiteIniFile) {
    dir.write("INSTALL.INI", "[OrvantaInstallCfg]\ncfgDir=Cfg\n");
    const std::string ini = dir.write("Cfg/Orv.ini", "[Zentyra]\n");
    SetSuiteOverride(dir.path());
    EXPECT_FALSE(ReadAppConfig());
    ExpectAllZero(appConfig());

    SetSettingsWritable(true);
    appConfig() = Sample();
    ASSERT_TRUE(WriteAppConfig());
    appConfig() = AppConfig{};
    ASSERT_TRUE(ReadAppConfig());
    ExpectSame(appConfig(), Sample());
    std::array<std::uint8_t, AppConfig::kRecordSize> raw{};
    EXPECT_TRUE(ReadProfileStruct(ini, "Zentyra", "ZentyraAppCfg", raw));
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"Cfg", "INSTALL.INI"}));
}

TEST(SelectionModeTest, OnlyTheExactSwitchesSelectAMode) {
    struct Case {
        const char* argument;
        int mode;
    };
    const Case cases[] = {{"-compact", 1}, {"-full", 0},    {"-lastCfg", 2}, {"-Compact", 0},
                          {"-lastcfg", 0}, {"/compact", 0}, {"", 0},         {"project.xml", 0}};
    for (const Case& c : cases)
        EXPECT_EQ(SelectionModeFromArgument(c.argument), c.mode) << c.argument;
}

} // namespace
} // namespace zentyra
