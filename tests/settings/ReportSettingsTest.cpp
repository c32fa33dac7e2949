#include "settings/ReportSettings.h"

#include "platform/Messages.h"
#include "platform/Profile.h"
#include "platform/SuiteLocation.h"
#include "platform/Text.h"
#include "settings/AppConfig.h"
#include "settings/InstallConfig.h"

#include "../support/TempDir.h"

#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace zentyra {
namespace {

using test::TempDir;

// A suite folder of its own per test; the process-wide state is put back afterwards.
class ReportSettingsTest : public ::testing::Test {
protected:
    void TearDown() override {
        SetSettingsWritable(false);
        SetSuiteOverride("");
        ReportSettings::release();
        InstallConfig::release();
        ResetMissingConfigDirectoryNotice();
        appConfig() = AppConfig{};
    }

    InstallConfig installConfig(const std::string& section = "") {
        suite.write("INSTALL.INI", "[OrvantaInstallCfg]\n" + section);
        return InstallConfig(suite.path());
    }
    std::string iniPath() const { return suite.file("ORV.INI"); }

    TempDir suite;
};

TEST_F(ReportSettingsTest, WithoutAFileEveryFieldHasItsBuiltInValue) {
    const InstallConfig defaults = installConfig();
    for (const std::string& path : {iniPath(), std::string()}) {
        SCOPED_TRACE(path);
        const ReportSettings settings(path, defaults);
        EXPECT_EQ(settings.unitSystem, 0u);
        EXPECT_EQ(settings.logoAlignment, 1u);
        EXPECT_EQ(settings.marginLeft, 150);
        EXPECT_EQ(settings.marginRight, 100);
        EXPECT_EQ(settings.marginTop, 50);
        EXPECT_EQ(settings.marginBottom, 150);
        EXPECT_EQ(settings.address, (std::array<std::string, 6>{}));
        EXPECT_NE(settings.footerLeftText.find("v.8"), std::string::npos);
        EXPECT_TRUE(settings.footerCentreText.empty());
        EXPECT_EQ(settings.programLanguageName(), "ing.lng");
        EXPECT_EQ(settings.printerLanguageName(), "ing.lng");
        EXPECT_EQ(settings.dbDir(), "");
        EXPECT_EQ(settings.dbName(), "");
    }
    EXPECT_EQ(suite.entries(), std::vector<std::string>{"INSTALL.INI"});
}

TEST_F(ReportSettingsTest, LoadsTheCommonSectionAndHoldsTextsTo99Units) {
    const std::string smile = "\xF0\x9F\x98\x80";
    suite.write("Orv.ini", "[OrvCfg_Common]\r\n"
                           "sistema di misura=1\r\n"
                           "Logo Alignment=0\r\n"
                           "Printer Margin Left=275\r\n"
                           "Printer Margin Right=-20\r\n"
                           "Printer Margin Top=abc\r\n"
                           "Address1=" +
                               std::string(150, 'a') +
                               "\r\n"
                               "Address2=" +
                               std::string(98, 'b') + smile +
                               "\r\n"
                               "Address6=Fax 0123\r\n");
    const std::string path = SuiteIniPath(suite.path());
    EXPECT_EQ(path, suite.file("Orv.ini")); // "ORV.INI" matched without regard to case
    const ReportSettings settings(path, installConfig());
    EXPECT_EQ(settings.unitSystem, 1u);
    EXPECT_EQ(settings.logoAlignment, 0u);
    EXPECT_EQ(settings.marginLeft, 275);
    EXPECT_EQ(settings.marginRight, -20);
    EXPECT_EQ(settings.marginTop, 0);      // present but not a number
    EXPECT_EQ(settings.marginBottom, 150); // missing
    EXPECT_EQ(settings.address[0], std::string(99, 'a'));
    EXPECT_EQ(settings.address[1], std::string(98, 'b')); // the pair would be units 99 and 100
    EXPECT_EQ(settings.address[2], "");
    EXPECT_EQ(settings.address[5], "Fax 0123");
    EXPECT_EQ(SuiteIniPath(""), "");
}

TEST_F(ReportSettingsTest, SaveWritesExactlyTheOneKeyAsked) {
    const char* const names[] = {"Sistema di misura",
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
    ASSERT_EQ(std::size(names), static_cast<std::size_t>(ReportSettings::SaveKeyCount));
    const InstallConfig defaults = installConfig();
    SetSettingsWritable(true);
    ReportSettings settings(iniPath(), defaults);
    settings.unitSystem = 1;
    settings.marginLeft = 275;
    settings.marginRight = -5;
    settings.marginTop = 0;
    settings.marginBottom = 2000;
    settings.logoAlignment = 3;
    for (std::size_t line = 0; line < settings.address.size(); ++line)
        settings.address[line] = "Line " + std::to_string(line + 1);
    settings.address[0] = std::string(120, 'n');
    const char* const expected[] = {"1",    "275",    "-5",     "0",      "2000",   "3",
                                    "nnnn", "Line 2", "Line 3", "Line 4", "Line 5", "Line 6"};

    for (int key = 0; key < ReportSettings::SaveKeyCount; ++key) {
        SCOPED_TRACE(names[key]);
        EXPECT_STREQ(ReportSettings::saveKeyName(key), names[key]);
        std::remove(iniPath().c_str());
        settings.save(key);
        for (int other = 0; other < ReportSettings::SaveKeyCount; ++other) {
            const std::string value =
                ReadProfileString(iniPath(), ReportSettings::kCommonSection, names[other], "-");
            if (other != key) {
                EXPECT_EQ(value, "-") << names[other];
            } else if (key == ReportSettings::Address1Key) {
                EXPECT_EQ(value, std::string(99, 'n'));
            } else {
                EXPECT_EQ(value, expected[key]);
            }
        }
    }
    settings.save(-1);
    settings.save(ReportSettings::SaveKeyCount); // out of range: ignored
}

TEST_F(ReportSettingsTest, HeadlessRunsNeverWriteTheSettings) {
    EXPECT_FALSE(SettingsWritable());
    const InstallConfig defaults = installConfig();
    ReportSettings settings(iniPath(), defaults);
    settings.marginLeft = 1;
    for (int key = 0; key < ReportSettings::SaveKeyCount; ++key)
        settings.save(key);
    settings.setPrinterLanguageName("deu.lng");
    AppConfig config;
    config.germanReports = 1;
    EXPECT_FALSE(config.write(iniPath()));
    EXPECT_EQ(suite.entries(), std::vector<std::string>{"INSTALL.INI"});
}

TEST_F(ReportSettingsTest, LanguageAndDatabaseNamesAreReadAtEveryCall) {
    const InstallConfig defaults =
        installConfig("languageName=Deu.Lng\ndbDir=/suite/Db\ndbName=Img.mdb\n");
    const ReportSettings settings(iniPath(), defaults);
    EXPECT_EQ(settings.programLanguageName(), "deu.lng");
    EXPECT_EQ(settings.printerLanguageName(), "deu.lng");
    EXPECT_EQ(settings.dbDir(), "/suite/Db");
    EXPECT_EQ(settings.dbName(), "Img.mdb");

    suite.write("ORV.INI", "[OrvCfg_Common_Path]\n"
                           "programLanguageName=FRA.LNG\n"
                           "printerLanguageName=\n"
                           "dbDir=C:\\Suite\\Db\n"
                           "dbName=Other.MDB\n");
    EXPECT_EQ(settings.programLanguageName(), "fra.lng");
    EXPECT_EQ(settings.printerLanguageName(), ""); // present and empty is not the default
    EXPECT_EQ(settings.dbDir(), "C:/Suite/Db");
    EXPECT_EQ(settings.dbName(), "Other.MDB");

    SetSettingsWritable(true);
    settings.setPrinterLanguageName("Ita.Lng");
    EXPECT_EQ(ReadProfileString(iniPath(), ReportSettings::kPathSection, "printerLanguageName", ""),
              "Ita.Lng");
    EXPECT_EQ(settings.printerLanguageName(), "ita.lng");
}

TEST_F(ReportSettingsTest, AnEmptyConfigurationDirectoryMeansDefaultsNoWritesAndOneMessage) {
    suite.write("INSTALL.INI", "[OrvantaInstallCfg]\ninstallDirProg=.\n");
    SetSuiteOverride(suite.path());
    SetSettingsWritable(true);
    RecordingMessageSink sink;
    ScopedMessageSink scope(sink);

    ReportSettings& settings = ReportSettings::instance();
    EXPECT_TRUE(settings.iniPath().empty());
    EXPECT_EQ(settings.marginLeft, 150);
    settings.marginLeft = 999;
    settings.save(ReportSettings::MarginLeftKey);
    settings.setPrinterLanguageName("x.lng");
    EXPECT_FALSE(ReadAppConfig());
    EXPECT_FALSE(WriteAppConfig());
    EXPECT_EQ(SuiteIniPath(), "");

    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].kind, MessageKind::Debug);
    EXPECT_NE(sink.messages[0].text.find("cfgDir"), std::string::npos);
    EXPECT_EQ(suite.entries(), std::vector<std::string>{"INSTALL.INI"});
}

} // namespace
} // namespace zentyra
