#include "language/KLanguageManagerGeneric.h"

#include "LanguageTestSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <string>
#include <vector>

namespace zentyra {
namespace {

using test::TempDir;

class LanguageManagerTest : public testing::Test {
protected:
    TempDir dir;
    KLanguageManagerGeneric manager{dir.path() + "/"};

    std::vector<std::string> strings() const {
        std::vector<std::string> out;
        for (std::size_t i = 0; i < manager.stringCount() && i < 100; ++i)
            out.push_back(manager.getString(static_cast<int>(i)));
        return out;
    }
};

TEST_F(LanguageManagerTest, ListFirstIdWinsLastMatchingNameSetsTheId) {
    dir.write("files.inf", "4\r\n5  Ita.Lng\r\n6  ING.lng\r\n5  Ing.Lng\r\n7\t\tFran\xE7"
                           "ais.lng\r\n");
    EXPECT_TRUE(manager.init("ing.lng"));
    const std::map<int, std::string> expected = {{5, "ita.lng"},
                                                 {6, "ing.lng"},
                                                 {7, "fran\xC3\xA7"
                                                     "ais.lng"}};
    EXPECT_EQ(manager.languages(), expected);
    EXPECT_EQ(manager.currentLanguageId(), 5) << "the duplicate id still takes the wanted name";

    KLanguageManagerGeneric other(dir.path());
    EXPECT_TRUE(other.init("Ing.Lng"));
    EXPECT_EQ(other.currentLanguageId(), 5);
    EXPECT_TRUE(other.init("ita.lng"));
    EXPECT_EQ(other.currentLanguageId(), 5);
    EXPECT_TRUE(other.init("nothing.lng"));
    EXPECT_EQ(other.currentLanguageId(), 5) << "no match leaves the id as it was";
}

TEST_F(LanguageManagerTest, ListFileOddities) {
    struct ListCase {
        const char* name;
        std::string bytes;
        std::map<int, std::string> languages;
    };
    const std::string longName(600, 'n');
    const std::vector<ListCase> cases = {
        {"empty file", "", {}},
        {"garbage count", "%s%s%n\r\n5  a.lng\r\n", {}},
        {"count beyond the entries",
         "1000000000000\r\n5  a.lng\r\n6  b.lng",
         {{5, "a.lng"}, {6, "b.lng"}}},
        {"negative count", "-5\r\n5  a.lng\r\n", {}},
        {"fewer lines than counted", "3\r\n5  a.lng\r\n", {{5, "a.lng"}}},
        {"LF line ends", "2\n5  a.lng\n6  b.lng\n", {{5, "a.lng"}, {6, "b.lng"}}},
        {"entry without an id ends the list",
         "3\r\n5  a.lng\r\nxx b.lng\r\n7  c.lng\r\n",
         {{5, "a.lng"}}},
        {"blank line between entries",
         "2\r\n5  a.lng\r\n\r\n6  b.lng\r\n",
         {{5, "a.lng"}, {6, "b.lng"}}},
        {"name of 511 characters at most",
         "1\r\n5  " + longName + "\r\n",
         {{5, std::string(511, 'n')}}},
        {"huge id clamped", "1\r\n99999999999  a.lng\r\n", {{INT_MAX, "a.lng"}}},
    };
    for (const ListCase& c : cases) {
        SCOPED_TRACE(c.name);
        dir.write("files.inf", c.bytes);
        EXPECT_TRUE(manager.init("a.lng"));
        EXPECT_EQ(manager.languages(), c.languages);
    }
}

TEST_F(LanguageManagerTest, NoListFileKeepsTheListAndLoadsNothing) {
    EXPECT_FALSE(manager.init("ing.lng"));
    EXPECT_FALSE(manager.loadDefaultLanguage());
    EXPECT_EQ(manager.getString(0), "");

    dir.write("files.inf", "1\r\n5  ing.lng\r\n");
    ASSERT_TRUE(manager.init("ing.lng"));
    std::filesystem::remove(dir.file("files.inf"));
    EXPECT_FALSE(manager.init("ing.lng"));
    EXPECT_EQ(manager.languages().size(), 1u);
}

TEST_F(LanguageManagerTest, CountLineDecidesTheNumberOfStrings) {
    struct CountCase {
        const char* name;
        std::string bytes;
        std::size_t count;
        std::vector<std::string> firstStrings; // up to the lines the file holds
    };
    const std::vector<CountCase> cases = {
        {"fewer lines than counted", "3\r\none\r\ntwo\r\n", 3, {"one", "two", ""}},
        {"lines beyond the count ignored", "1\none\ntwo\n", 1, {"one"}},
        {"blanks and sign", "  +2\r\na\r\nb\r\nc\r\n", 2, {"a", "b"}},
        {"trailing text after the number", "2 strings\r\na\r\nb\r\n", 2, {"a", "b"}},
        {"negative", "-5\r\na\r\n", 0, {}},
        {"no number", "%s%s%n\r\na\r\n", 0, {}},
        {"empty file", "", 0, {}},
        {"mark only", "\xEF\xBB\xBF", 0, {}},
        {"count line only", "2", 2, {"", ""}},
    };
    for (const CountCase& c : cases) {
        SCOPED_TRACE(c.name);
        dir.write("strings.lng", c.bytes);
        ASSERT_TRUE(manager.loadLanguage("strings.lng"));
        EXPECT_EQ(manager.stringCount(), c.count);
        EXPECT_EQ(strings(), c.firstStrings);
        EXPECT_EQ(manager.getString(static_cast<int>(c.count)), "");
        EXPECT_EQ(manager.getString(-1), "");
    }
}

TEST_F(LanguageManagerTest, HugeCountAllocatesOnlyWhatTheFileHolds) {
    dir.write("huge.lng", "1000000000000\r\nzero\r\none\r\n");
    ASSERT_TRUE(manager.loadLanguage("huge.lng"));
    EXPECT_EQ(manager.stringCount(), static_cast<std::size_t>(INT_MAX));
    EXPECT_EQ(manager.getString(0), "zero");
    EXPECT_EQ(manager.getString(1), "one");
    EXPECT_EQ(manager.getString(2), "");
    EXPECT_EQ(manager.getString(INT_MAX - 1), "");
    EXPECT_EQ(manager.getString(INT_MAX), "");
    EXPECT_EQ(&manager.getString(2), &manager.getString(-7)) << "one shared empty string";

    dir.write("negative.lng", "-1000000000000\r\nzero\r\n");
    ASSERT_TRUE(manager.loadLanguage("negative.lng"));
    EXPECT_EQ(manager.stringCount(), 0u);
}

TEST_F(LanguageManagerTest, EscapesAreReplacedWhenLoading) {
    dir.write("esc.lng", "5\r\n"
                         "a\\tb\\\\n\\q\r\n"
                         "x\\ny\\rz\r\n"
                         "end\\\r\n"
                         "\\\\\\\\\r\n"
                         "\\a\\N\\T\r\n");
    ASSERT_TRUE(manager.loadLanguage("esc.lng"));
    EXPECT_EQ(manager.getString(0), "a\tb\\n\\q");
    EXPECT_EQ(manager.getString(1), "x\ny\rz");
    EXPECT_EQ(manager.getString(2), "end\\");
    EXPECT_EQ(manager.getString(3), "\\\\");
    EXPECT_EQ(manager.getString(4), "\\a\\N\\T");
}

TEST_F(LanguageManagerTest, EncodingsLoadToTheSameUtf8) {
    struct EncodingCase {
        const char* name;
        std::string bytes;
    };
    const EncodingCase cases[] = {
        {"ANSI", "1\r\nCaf\xE9 \x80\r\n"},
        {"UTF-8", "\xEF\xBB\xBF"
                  "1\r\nCaf\xC3\xA9 \xE2\x82\xAC\r\n"},
        {"UTF-16LE", test::Utf16File(u"1\r\nCaf\u00e9 \u20ac\r\n", false)},
        {"UTF-16BE", test::Utf16File(u"1\r\nCaf\u00e9 \u20ac", true)},
        {"UTF-16LE odd byte", test::Utf16File(u"1\nCaf\u00e9 \u20ac", false) + "A"},
    };
    for (const EncodingCase& c : cases) {
        SCOPED_TRACE(c.name);
        dir.write("enc.lng", c.bytes);
        ASSERT_TRUE(manager.loadLanguage("ENC.LNG"));
        EXPECT_EQ(manager.stringCount(), 1u);
        EXPECT_EQ(manager.getString(0), "Caf\xC3\xA9 \xE2\x82\xAC");
    }
}

TEST_F(LanguageManagerTest, FailedLoadKeepsTheStrings) {
    dir.write("files.inf", "2\r\n5  Ita.Lng\r\n6  broken.lng\r\n");
    dir.write("Ita.Lng", "2\r\nuno\r\ndue\r\n");
    ASSERT_TRUE(manager.init("ita.lng"));
    ASSERT_TRUE(manager.loadDefaultLanguage()) << "the file name is matched without case";
    EXPECT_EQ(strings(), (std::vector<std::string>{"uno", "due"}));

    EXPECT_FALSE(manager.loadLanguage("broken.lng"));
    EXPECT_FALSE(manager.loadLanguage(""));
    EXPECT_EQ(strings(), (std::vector<std::string>{"uno", "due"}));
}

TEST_F(LanguageManagerTest, UnknownCurrentIdLoadsNothing) {
    dir.write("files.inf", "1\r\n5  ita.lng\r\n");
    dir.write("ita.lng", "1\r\nuno\r\n");
    ASSERT_TRUE(manager.init("deu.lng"));
    EXPECT_FALSE(manager.loadDefaultLanguage());
    EXPECT_EQ(manager.stringCount(), 0u);
    EXPECT_EQ(manager.getString(0), "");
}

} // namespace
} // namespace zentyra
