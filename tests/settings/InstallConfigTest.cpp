#include "settings/InstallConfig.h"
#include "settings/PathRegistry.h"

#include "../support/TempDir.h"

#include <gtest/gtest.h>
#include <string>

namespace zentyra {
namespace {

using test::TempDir;

TEST(InstallConfigTest, WithoutInstallIniEveryValueIsItsChainedDefault) {
    TempDir suite;
    const std::string root = suite.path();
    const InstallConfig config(root + "/");
    EXPECT_EQ(config.suiteDirectory(), root);
    EXPECT_EQ(config.installIniPath(), root + "/INSTALL.INI");
    EXPECT_EQ(config.installDirProg(), root);
    EXPECT_EQ(config.installDirData(), root + "/Data");
    EXPECT_EQ(config.installDirDocs(), root + "/Docs");
    EXPECT_EQ(config.binDir(), root + "/Bin");
    EXPECT_EQ(config.languageDir(), root + "/Bin/Lng");
    EXPECT_EQ(config.languageName(), "Ing.Lng");
    for (int key = InstallConfig::LinilDir; key < InstallConfig::KeyCount; ++key) {
        EXPECT_EQ(config.value(static_cast<InstallConfig::Key>(key)), "")
            << InstallConfig::keyName(static_cast<InstallConfig::Key>(key));
    }
}

TEST(InstallConfigTest, DefaultsBuildOnTheValuesReadAndRelativeDirectoriesOnTheSuiteFolder) {
    TempDir suite;
    const std::string root = suite.path();
    // The file name is matched without regard to case.
    suite.write("Install.ini", "[OrvantaInstallCfg]\r\n"
                               "installDirProg=D:\\X\r\n"
                               "cfgDir=Cfg\\Sub\r\n"
                               "tmpDir=/var/tmp/suite\r\n"
                               "dbDir=..\\DB\r\n"
                               "languageName=Ita.Lng\r\n"
                               "dbName=Images\\img.db\r\n"
                               "prjDir=\r\n"
                               "prjImpExpDir=/" +
                                   std::string(300, 'p') + "\r\n");
    const InstallConfig config(root);
    EXPECT_EQ(config.installIniPath(), root + "/Install.ini");
    EXPECT_EQ(config.installDirProg(), "D:/X"); // a drive path is kept as written
    EXPECT_EQ(config.installDirData(), "D:/X/Data");
    EXPECT_EQ(config.installDirDocs(), "D:/X/Docs");
    EXPECT_EQ(config.binDir(), "D:/X/Bin");
    EXPECT_EQ(config.languageDir(), "D:/X/Bin/Lng");
    EXPECT_EQ(config.cfgDir(), root + "/Cfg/Sub");
    EXPECT_EQ(config.tmpDir(), "/var/tmp/suite");
    EXPECT_EQ(config.dbDir(), root + "/../DB");
    EXPECT_EQ(config.languageName(), "Ita.Lng"); // file names are not directories
    EXPECT_EQ(config.dbName(), "Images/img.db");
    EXPECT_EQ(config.prjDir(), "");
    EXPECT_EQ(config.prjImpExpDir(), "/" + std::string(258, 'p')); // 259 characters at most
}

TEST(InstallConfigTest, AllTwentyTwoKeysAreReadByTheirNames) {
    TempDir suite;
    std::string ini = "[orvantainstallcfg]\n";
    for (int key = 0; key < InstallConfig::KeyCount; ++key) {
        ini += std::string(InstallConfig::keyName(static_cast<InstallConfig::Key>(key))) + "=/v" +
               std::to_string(key) + "\n";
    }
    suite.write("INSTALL.INI", ini);
    const InstallConfig config(suite.path());
    for (int key = 0; key < InstallConfig::KeyCount; ++key) {
        const auto k = static_cast<InstallConfig::Key>(key);
        EXPECT_EQ(config.value(k), "/v" + std::to_string(key)) << InstallConfig::keyName(k);
    }
    EXPECT_STREQ(InstallConfig::keyName(InstallConfig::CfgDir), "cfgDir");
    EXPECT_STREQ(InstallConfig::keyName(InstallConfig::DbName), "dbName");
}

TEST(PathRegistryTest, DirectoriesByNumberEndWithASlash) {
    TempDir suite;
    suite.write("INSTALL.INI", "[OrvantaInstallCfg]\ninstallDirProg=/s\ncfgDir=/s/cfg/\n"
                               "prjDir=C:\\Projects\n");
    const InstallConfig config(suite.path());
    PathRegistry registry(config, "/s/Bin");
    struct Case {
        int id;
        const char* expected;
    };
    const Case cases[] = {
        {0, "/s/Bin/"},
        {PathRegistry::kLanguageDirectory, "/s/Bin/Lng/"},
        {4, "/s/cfg/"},
        {16, "C:/Projects/"},
        {9, "/s/Data/libraryDB/"},
        {14, "/s/Data/libraryDB/lights/"},
        {13, "/s/Data/libraryDB/textures/"},
        {99, "/s/Bin/"}, // unknown: the executable's directory
    };
    for (const Case& c : cases)
        EXPECT_EQ(registry.path(c.id), c.expected) << c.id;

    EXPECT_FALSE(registry.registerPath(PathRegistry::kLanguageDirectory, "/elsewhere"));
    EXPECT_EQ(registry.path(PathRegistry::kLanguageDirectory), "/s/Bin/Lng/");
    EXPECT_TRUE(registry.registerPath(99, "D:\\Other\\"));
    EXPECT_EQ(registry.path(99), "D:/Other/");
}

} // namespace
} // namespace zentyra
