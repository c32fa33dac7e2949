#include "platform/Path.h"

#include "../support/TempDir.h"

#include <gtest/gtest.h>
#include <string>

namespace zentyra {
namespace {

using test::TempDir;

TEST(PathTest, BothSeparatorsAreAcceptedAndJoinsUseSlash) {
    EXPECT_EQ(ToSlashes("C:\\Suite\\Bin\\app.exe"), "C:/Suite/Bin/app.exe");
    struct Join {
        const char* dir;
        const char* name;
        const char* expected;
    };
    const Join joins[] = {
        {"/suite", "ORV.INI", "/suite/ORV.INI"},
        {"/suite/", "ORV.INI", "/suite/ORV.INI"},
        {"/suite/", "/ORV.INI", "/suite/ORV.INI"},
        {"D:\\X\\", "Data", "D:\\X\\Data"},
        {"", "ORV.INI", "ORV.INI"},
        {"/suite", "", "/suite"},
    };
    for (const Join& j : joins)
        EXPECT_EQ(JoinPath(j.dir, j.name), j.expected) << j.dir << " + " << j.name;

    EXPECT_EQ(ParentPath("C:\\Suite\\Bin\\app.exe"), "C:\\Suite\\Bin");
    EXPECT_EQ(ParentPath("/suite/bin/zentyra"), "/suite/bin");
    EXPECT_EQ(ParentPath("/zentyra"), "/");
    EXPECT_EQ(ParentPath("zentyra"), "");
    EXPECT_EQ(FileName("a\\b/c.ini"), "c.ini");
    EXPECT_TRUE(IsAbsolutePath("/x"));
    EXPECT_TRUE(IsAbsolutePath("\\x"));
    EXPECT_FALSE(IsAbsolutePath("x/y"));
    EXPECT_TRUE(HasDriveLetter("C:"));
    EXPECT_TRUE(HasDriveLetter("d:\\X"));
    EXPECT_FALSE(HasDriveLetter("C:x"));
    EXPECT_FALSE(HasDriveLetter("1:/x"));
}

TEST(PathTest, ExistingNamesAreFoundWithoutRegardToCase) {
    TempDir dir;
    dir.write("Cfg/Orv.ini", "[S]\n");
    const std::string expected = dir.file("Cfg/Orv.ini");
    EXPECT_EQ(ResolveCaseInsensitive(dir.path() + "/cfg/ORV.INI"), expected);
    EXPECT_EQ(ResolveCaseInsensitive(dir.path() + "\\CFG\\orv.ini"), expected);
    EXPECT_EQ(ResolveCaseInsensitive(expected), expected);
    EXPECT_TRUE(FileExists(dir.path() + "/CFG/ORV.INI"));
    EXPECT_FALSE(FileExists(dir.path() + "/CFG"));
    EXPECT_TRUE(DirectoryExists(dir.path() + "/cfg"));
    EXPECT_FALSE(DirectoryExists(dir.path() + "/cfg/orv.ini"));
    EXPECT_FALSE(FileExists(""));

    // Nothing matches: the path comes back with its separators normalised.
    EXPECT_EQ(ResolveCaseInsensitive(dir.path() + "\\cfg\\missing.ini"),
              dir.path() + "/cfg/missing.ini");
    EXPECT_FALSE(FileExists(dir.path() + "/cfg/missing.ini"));

    // When two spellings exist, the exact one wins.
    dir.write("Cfg/ORV.INI", "[T]\n");
    EXPECT_EQ(ResolveCaseInsensitive(dir.path() + "/Cfg/ORV.INI"), dir.file("Cfg/ORV.INI"));
    EXPECT_EQ(ResolveCaseInsensitive(dir.path() + "/Cfg/Orv.ini"), dir.file("Cfg/Orv.ini"));
}

} // namespace
} // namespace zentyra
