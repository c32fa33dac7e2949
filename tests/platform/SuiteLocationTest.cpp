#include "platform/SuiteLocation.h"

#include "platform/Path.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace zentyra {
namespace {

// Clears the override and the environment variable for the test and puts both back after.
class SuiteLocationTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* value = std::getenv(kSuiteEnvironmentVariable)) saved_ = value;
        ::unsetenv(kSuiteEnvironmentVariable);
        SetSuiteOverride("");
    }
    void TearDown() override {
        SetSuiteOverride("");
        if (saved_) {
            ::setenv(kSuiteEnvironmentVariable, saved_->c_str(), 1);
        } else {
            ::unsetenv(kSuiteEnvironmentVariable);
        }
    }

private:
    std::optional<std::string> saved_;
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
