#include "platform/Profile.h"

#include "../support/TempDir.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace zentyra {
namespace {

using test::TempDir;

class ProfileTest : public ::testing::Test {
protected:
    TempDir dir;
};

TEST_F(ProfileTest, SectionsAndKeysMatchWithoutRegardToCaseAndMissingOnesGiveTheDefault) {
    const std::string ini = dir.write("a.ini", "[OrvCfg_Common]\r\n"
                                               "Printer Margin Left = 275 \r\n"
                                               "Address1=  \"  Studio Rossi  \"  \r\n"
                                               "Empty=\r\n");
    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    };
    const Case cases[] = {
        {"OrvCfg_Common", "Printer Margin Left", "275"},
        {"ORVCFG_COMMON", "printer margin left", "275"},
        {"orvcfg_common", "ADDRESS1", "  Studio Rossi  "}, // one pair of quotes removed
        {"OrvCfg_Common", "Empty", ""},                    // present, so not the default
        {"OrvCfg_Common", "Missing", "dflt"},
        {"NoSuchSection", "Address1", "dflt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(ReadProfileString(ini, c.section, c.key, "dflt"), c.expected);
    }
    EXPECT_EQ(ReadProfileString(dir.file("none.ini"), "OrvCfg_Common", "Address1", "dflt"), "dflt");
    EXPECT_EQ(ReadProfileInt(dir.file("none.ini"), "OrvCfg_Common", "Address1", 7), 7);
}

TEST_F(ProfileTest, IntegersReadAsTheLeadingDecimalNumber) {
    struct Case {
        const char* value;
        int expected;
    };
    const Case cases[] = {{"42", 42},   {"-7", -7}, {"+3", 3},  {"  12abc", 12},
                          {"abc", 0},   {"-", 0},   {"1.5", 1}, {"2147483647", 2147483647},
                          {"\"9\"", 9}, {"", 55}}; // empty reads like missing
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        const std::string ini = dir.write("i.ini", std::string("[S]\nk=") + c.value + "\n");
        EXPECT_EQ(ReadProfileInt(ini, "s", "K", 55), c.expected);
    }
}

TEST_F(ProfileTest, MaxUnitsCutsTheValueInUtf16UnitsWithoutSplittingAPair) {
    // "ab" + U+1F600 (two units) + "c"
    const std::string ini = dir.write("u.ini", "[S]\nk=ab\xF0\x9F\x98\x80"
                                               "c\n");
    EXPECT_EQ(ReadProfileString(ini, "S", "k", "", 2), "ab");
    EXPECT_EQ(ReadProfileString(ini, "S", "k", "", 3), "ab");
    EXPECT_EQ(ReadProfileString(ini, "S", "k", "", 4), "ab\xF0\x9F\x98\x80");
    EXPECT_EQ(ReadProfileString(ini, "S", "missing", "defaultvalue", 7), "default");
}

TEST_F(ProfileTest, StructuresAreUpperCaseHexWithAChecksumByte) {
    const std::array<std::uint8_t, 3> bytes = {0x01, 0xAB, 0xFF};
    // 0x01 + 0xAB + 0xFF = 0x1AB: the low byte AB follows the data.
    EXPECT_EQ(EncodeProfileStruct(bytes), "01ABFFAB");
    EXPECT_EQ(EncodeProfileStruct(std::span<const std::uint8_t>()), "00");

    const std::string ini = dir.file("s.ini");
    ASSERT_TRUE(WriteProfileStruct(ini, "Zentyra", "Blob", bytes));
    EXPECT_EQ(ReadProfileString(ini, "Zentyra", "Blob", ""), "01ABFFAB");
    std::array<std::uint8_t, 3> back{};
    ASSERT_TRUE(ReadProfileStruct(ini, "zentyra", "BLOB", back));
    EXPECT_EQ(back, bytes);

    std::array<std::uint8_t, 3> lower{};
    EXPECT_TRUE(DecodeProfileStruct("01abffab", lower));
    EXPECT_EQ(lower, bytes);
}

TEST_F(ProfileTest, DamagedStructuresReadAsMissingAndLeaveTheBufferAlone) {
    struct Case {
        const char* name;
        const char* value;
    };
    const Case cases[] = {
        {"wrong checksum", "01ABFFAC"}, {"too short", "01ABAC"},       {"too long", "01ABFF00AB"},
        {"odd length", "01ABFFA"},      {"non-hex digit", "01AGFFAB"}, {"empty", ""},
        {"inner blank", "01AB FFAB"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string ini =
            dir.write("d.ini", std::string("[Zentyra]\nBlob=") + c.value + "\n");
        std::array<std::uint8_t, 3> out = {7, 7, 7};
        EXPECT_FALSE(ReadProfileStruct(ini, "Zentyra", "Blob", out));
        EXPECT_EQ(out, (std::array<std::uint8_t, 3>{7, 7, 7}));
    }
    std::array<std::uint8_t, 3> out = {7, 7, 7};
    EXPECT_FALSE(ReadProfileStruct(dir.file("d.ini"), "Zentyra", "NoKey", out));
    EXPECT_FALSE(ReadProfileStruct(dir.file("absent.ini"), "Zentyra", "Blob", out));
    EXPECT_EQ(out, (std::array<std::uint8_t, 3>{7, 7, 7}));
}

TEST_F(ProfileTest, WritesCreateFileSectionAndKeyAndKeepEverythingElseAsItWas) {
    const std::string ini = dir.file("w.ini");
    ASSERT_TRUE(WriteProfileString(ini, "One", "Alpha", "1"));
    ASSERT_TRUE(WriteProfileString(ini, "Two", "Beta", "2"));
    ASSERT_TRUE(WriteProfileString(ini, "one", "Gamma", "3"));
    ASSERT_TRUE(WriteProfileString(ini, "ONE", "ALPHA", "11"));
    EXPECT_EQ(ReadProfileString(ini, "One", "Alpha", ""), "11");
    EXPECT_EQ(ReadProfileString(ini, "One", "Gamma", ""), "3");
    EXPECT_EQ(ReadProfileString(ini, "Two", "Beta", ""), "2");

    // A hand-edited file: comments, garbage, odd spacing and LF line ends survive a rewrite.
    const std::string original = "; settings\n"
                                 "garbage without equals\n"
                                 "[Common]\n"
                                 "  Margin  = 10\n"
                                 "@@@ ###\n"
                                 "Other=x\n"
                                 "\n"
                                 "[Tail]\n"
                                 "t=1\n";
    const std::string edited = dir.write("edit.ini", original);
    ASSERT_TRUE(WriteProfileString(edited, "common", "MARGIN", "20"));
    ASSERT_TRUE(WriteProfileString(edited, "Common", "Added", "y"));
    EXPECT_EQ(dir.read("edit.ini"), "; settings\n"
                                    "garbage without equals\n"
                                    "[Common]\n"
                                    "Margin=20\n"
                                    "@@@ ###\n"
                                    "Other=x\n"
                                    "Added=y\n"
                                    "\n"
                                    "[Tail]\n"
                                    "t=1\n");
}

TEST_F(ProfileTest, TheFileNameIsMatchedWithoutRegardToCase) {
    dir.write("Orv.ini", "[S]\nk=old\n");
    const std::string spelt = dir.file("ORV.INI");
    EXPECT_EQ(ReadProfileString(spelt, "S", "k", ""), "old");
    ASSERT_TRUE(WriteProfileString(spelt, "S", "k", "new"));
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"Orv.ini"});
    EXPECT_EQ(ReadProfileString(dir.file("orv.ini"), "S", "k", ""), "new");
}

TEST_F(ProfileTest, RewritesReplaceTheFileAtomically) {
    const std::string ini = dir.write("a.ini", "[S]\r\nk=old\r\n");
    // A reader that opened the file before the write keeps seeing the old, complete file.
    std::ifstream before(ini, std::ios::binary);
    ASSERT_TRUE(WriteProfileString(ini, "S", "k", "new"));
    const std::string seen((std::istreambuf_iterator<char>(before)),
                           std::istreambuf_iterator<char>());
    EXPECT_EQ(seen, "[S]\r\nk=old\r\n");
    EXPECT_EQ(dir.read("a.ini"), "[S]\r\nk=new\r\n");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"a.ini"}); // no temporary left behind

    EXPECT_FALSE(WriteProfileString(dir.file("no/such/dir/a.ini"), "S", "k", "v"));
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"a.ini"});
}

TEST_F(ProfileTest, WritesThatWouldNotReadBackAreRefusedAndChangeNothing) {
    const std::string ini = dir.write("r.ini", "[S]\nk=v\n");
    struct Case {
        const char* name;
        const char* section;
        const char* key;
        const char* value;
    };
    const Case cases[] = {
        {"line break in value", "S", "k", "a\nb"},
        {"'=' in key", "S", "a=b", "v"},
        {"empty key", "S", "  ", "v"},
        {"']' in section", "S]x", "k", "v"},
        {"key like a section", "S", "[k", "v"},
        {"key like a comment", "S", ";k", "v"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(WriteProfileString(ini, c.section, c.key, c.value));
        EXPECT_EQ(dir.read("r.ini"), "[S]\nk=v\n");
    }
    EXPECT_FALSE(WriteProfileString("", "S", "k", "v"));
}

TEST_F(ProfileTest, HostileFilesNeitherCrashNorLoseAValidSetting) {
    std::array<std::uint8_t, 4484> record{};
    for (std::size_t i = 0; i < record.size(); ++i)
        record[i] = static_cast<std::uint8_t>(i * 7);
    const std::string structValue = EncodeProfileStruct(record);
    ASSERT_EQ(structValue.size(), 8970u);
    const std::string huge(1024 * 1024, 'x');

    std::string content = "\xFF\xFE garbage\r\n"
                          "=no key\r\n"
                          "[unclosed\r\n"
                          "[Main]\r\n"
                          "Key=first\r\n"
                          "key=second\r\n"
                          "just words\r\n";
    content += std::string("nul\0byte=1\r\n", 12);
    content += "Huge=" + huge + "\r\n";
    content += "Zentyra=" + structValue + "\r\n";
    content += "[main]\r\nLater=in the duplicate section\r\n";
    content += "[Last]\r\nTail=no line end";
    const std::string ini = dir.write("hostile.ini", content);

    EXPECT_EQ(ReadProfileString(ini, "Main", "key", ""), "first"); // the first occurrence wins
    EXPECT_EQ(ReadProfileString(ini, "Main", "Huge", "").size(), huge.size());
    std::array<std::uint8_t, 4484> back{};
    ASSERT_TRUE(ReadProfileStruct(ini, "Main", "Zentyra", back));
    EXPECT_EQ(back, record);
    EXPECT_EQ(ReadProfileString(ini, "Main", "Missing", "d"), "d");
    EXPECT_EQ(ReadProfileString(ini, "last", "Tail", ""), "no line end");
    // Only the first of two sections with one name is read.
    EXPECT_EQ(ReadProfileString(ini, "Main", "Later", "d"), "d");

    ASSERT_TRUE(WriteProfileString(ini, "Main", "New", "v"));
    ASSERT_TRUE(WriteProfileString(ini, "Other", "o", "w"));
    EXPECT_EQ(ReadProfileString(ini, "Main", "key", ""), "first");
    EXPECT_EQ(ReadProfileString(ini, "Main", "New", ""), "v");
    EXPECT_EQ(ReadProfileString(ini, "Other", "o", ""), "w");
    EXPECT_EQ(ReadProfileString(ini, "Main", "Huge", "").size(), huge.size());
    back.fill(0);
    ASSERT_TRUE(ReadProfileStruct(ini, "Main", "Zentyra", back));
    EXPECT_EQ(back, record);
    const std::string rewritten = dir.read("hostile.ini");
    for (const char* kept :
         {"\xFF\xFE garbage\r\n", "=no key\r\n", "[unclosed\r\n", "just words\r\n"}) {
        EXPECT_NE(rewritten.find(kept), std::string::npos) << kept;
    }
}

TEST_F(ProfileTest, FilesThatAreNotUtf8AreAnsiTextAndStaySo) {
    // 0x80 is the euro sign and 0xE9 'é' in Windows-1252.
    const std::string ini = dir.write("ansi.ini", "[S]\r\nCurrency=\x80\r\nName=Caf\xE9\r\n");
    EXPECT_EQ(ReadProfileString(ini, "S", "Currency", ""), "\xE2\x82\xAC");
    EXPECT_EQ(ReadProfileString(ini, "S", "Name", ""), "Caf\xC3\xA9");

    ASSERT_TRUE(WriteProfileString(ini, "S", "Name", "Ren\xC3\xA9"));
    EXPECT_EQ(dir.read("ansi.ini"), "[S]\r\nCurrency=\x80\r\nName=Ren\xE9\r\n");
    EXPECT_EQ(ReadProfileString(ini, "S", "Name", ""), "Ren\xC3\xA9");

    // A UTF-8 file is written as UTF-8.
    const std::string utf8 = dir.write("utf8.ini", "[S]\nName=Caf\xC3\xA9\n");
    ASSERT_TRUE(WriteProfileString(utf8, "S", "Euro", "\xE2\x82\xAC"));
    EXPECT_EQ(dir.read("utf8.ini"), "[S]\nName=Caf\xC3\xA9\nEuro=\xE2\x82\xAC\n");

    // An editor's UTF-8 mark neither hides the first section nor is lost on a rewrite.
    const std::string marked = dir.write("marked.ini", "\xEF\xBB\xBF[S]\r\nName=A\r\n");
    EXPECT_EQ(ReadProfileString(marked, "S", "Name", "missing"), "A");
    ASSERT_TRUE(WriteProfileString(marked, "S", "Name", "B"));
    EXPECT_EQ(dir.read("marked.ini"), "\xEF\xBB\xBF[S]\r\nName=B\r\n");
}

} // namespace
} // namespace zentyra
