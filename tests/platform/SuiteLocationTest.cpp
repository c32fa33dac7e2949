#include "platform/SuiteLocation.h"

#include "platform/Path.h"

#include "../support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace zentyra {
namespace {

// Clears the override and the environment variable for the test, points the user's
// configuration folder at an empty scratch folder, and puts everything back after.
class SuiteLocationTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {kSuiteEnvironmentVariable, "XDG_CONFIG_HOME"})
            if (const char* value = std::getenv(name)) saved_[name] = value;
        ::unsetenv(kSuiteEnvironmentVariable);
        ::setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
        SetSuiteOverride("");
    }
    void TearDown() override {
        SetSuiteOverride("");
        for (const char* name : {kSuiteEnvironmentVariable, "XDG_CONFIG_HOME"}) {
            if (saved_.count(name))
                ::setenv(name, saved_[name].c_str(), 1);
            else
                ::unsetenv(name);
        }
    }

    test::TempDir config;

private:
    std::map<std::string, std::string> saved_;
};

TEST_F(SuiteLocationTest, OverrideBeatsEnvironmentWhichBeatsTheExecutablesParent) {
    const std::string exe = ExecutablePath();
    ASSERT_TRUE(IsAbsolutePath(exe));
    ASSERT_TRUE(FileExists(exe));
    const std::string exeDir = ParentPath(exe);
    EXPECT_EQ(ExecutableDirectory(), exeDir);
    EXPECT_EQ(SuiteDirectory(), ParentPath(exeDir));

    ::setenv(kSuiteEnvironmentVariable, "/from/env/", 1);
    EXPECT_EQ(SuiteDirectory(), "/from/env");

    SetSuiteOverride("/from\\override\\");
    EXPECT_EQ(SuiteDirectory(), "/from/override");

    SetSuiteOverride("");
    EXPECT_EQ(SuiteDirectory(), "/from/env");

    ::setenv(kSuiteEnvironmentVariable, "", 1); // empty counts as unset
    EXPECT_EQ(SuiteDirectory(), ParentPath(exeDir));
}

TEST_F(SuiteLocationTest, WithoutANameTheFirstFolderHoldingInstallIniCounts) {
    const std::string exeDir = ExecutableDirectory();
    const std::string userSuite = JoinPath(config.path(), "zentyra/suite");
    const std::vector<std::string> searched = SuiteSearchPath();
    ASSERT_EQ(searched.size(), 3u);
    EXPECT_EQ(searched[0], ParentPath(exeDir));
    EXPECT_EQ(searched[1], userSuite);
    EXPECT_EQ(searched[2], JoinPath(ParentPath(exeDir), "share/zentyra/suite"));
    // None holds it: the suite's own layout, as before.
    EXPECT_EQ(SuiteDirectory(), ParentPath(exeDir));
    config.write("zentyra/suite/install.ini", "[OrvantaInstallCfg]\r\n");
    EXPECT_EQ(SuiteDirectory(), userSuite);
    // A named suite is the only place looked in.
    ::setenv(kSuiteEnvironmentVariable, "/from/env", 1);
    EXPECT_EQ(SuiteSearchPath(), std::vector<std::string>{"/from/env"});
}

TEST_F(SuiteLocationTest, RelativeLocationsBecomeAbsolute) {
    const std::string cwd = std::filesystem::current_path().string();
    SetSuiteOverride("demo/suite/");
    EXPECT_EQ(SuiteDirectory(), JoinPath(cwd, "demo/suite"));
    SetSuiteOverride("");
    ::setenv(kSuiteEnvironmentVariable, "./demo/../other", 1);
    EXPECT_EQ(SuiteDirectory(), JoinPath(cwd, "other"));
}

} // namespace
} // namespace zentyra
