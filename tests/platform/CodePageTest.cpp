#include "platform/CodePage.h"
#include "platform/Text.h"

#include <gtest/gtest.h>
#include <string>

namespace zentyra {
namespace {

constexpr const char* kReplacement = "\xEF\xBF\xBD"; // U+FFFD

TEST(CodePageTest, AnsiIsWindows1252WithUndefinedBytesAsReplacement) {
    struct Case {
        unsigned char byte;
        const char* utf8;
    };
    const Case cases[] = {
        {0x41, "A"},
        {0x80, "\xE2\x82\xAC"}, // euro sign
        {0x8A, "\xC5\xA0"},     // S with caron
        {0x92, "\xE2\x80\x99"}, // right single quote
        {0x9F, "\xC5\xB8"},     // Y with diaeresis
        {0xA0, "\xC2\xA0"},
        {0xE9, "\xC3\xA9"},
        {0xFF, "\xC3\xBF"},
        {0x81, kReplacement},
        {0x8D, kReplacement},
        {0x8F, kReplacement},
        {0x90, kReplacement},
        {0x9D, kReplacement},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.byte));
        const std::string byte(1, static_cast<char>(c.byte));
        EXPECT_EQ(ToUtf8(byte), c.utf8);
        EXPECT_EQ(ToUtf8(byte, kCodePage1252), c.utf8);
    }
    EXPECT_EQ(AnsiCodePage(), kCodePage1252);

    SetAnsiCodePage(kCodePageUtf8);
    EXPECT_EQ(ToUtf8("\xC3\xA9"), "\xC3\xA9");
    SetAnsiCodePage(0); // back to the default
    EXPECT_EQ(AnsiCodePage(), kCodePage1252);
    EXPECT_EQ(ToUtf8("\xC3\xA9"), "\xC3\x83\xC2\xA9");
}

TEST(CodePageTest, Utf8ToAnsiMapsBackAndMarksWhatItCannotHold) {
    EXPECT_EQ(FromUtf8("Caf\xC3\xA9 \xE2\x82\xAC"), "Caf\xE9 \x80");
    // A CJK character and a character outside the BMP: one '?' each.
    EXPECT_EQ(FromUtf8("a\xE4\xB8\xAD"
                       "b\xF0\x9F\x98\x80"
                       "c"),
              "a?b?c");
}

TEST(CodePageTest, Utf8AndUtf16InBothByteOrders) {
    const std::string text = "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"; // A é € U+1F600
    const std::string le("A\0\xE9\0\xAC\x20\x3D\xD8\x00\xDE", 10);
    const std::string be("\0A\0\xE9\x20\xAC\xD8\x3D\xDE\x00", 10);
    EXPECT_EQ(FromUtf8(text, kCodePageUtf16LE), le);
    EXPECT_EQ(FromUtf8(text, kCodePageUtf16BE), be);
    EXPECT_EQ(ToUtf8(le, kCodePageUtf16LE), text);
    EXPECT_EQ(ToUtf8(be, kCodePageUtf16BE), text);
    // A dangling byte and an unpaired surrogate become U+FFFD.
    EXPECT_EQ(ToUtf8(std::string("A\0B", 3), kCodePageUtf16LE), std::string("A") + kReplacement);
    EXPECT_EQ(ToUtf8(std::string("\x3D\xD8"
                                 "A\0",
                                 4),
                     kCodePageUtf16LE),
              std::string(kReplacement) + "A");

    EXPECT_EQ(ToUtf8(text, kCodePageUtf8), text);
    EXPECT_EQ(ToUtf8("a\xFF"
                     "b",
                     kCodePageUtf8),
              std::string("a") + kReplacement + "b");
}

TEST(TextTest, LimitsCountUtf16UnitsAndCaseFoldingCoversLatin1) {
    const std::string smile = "\xF0\x9F\x98\x80";
    EXPECT_EQ(Utf16Length("a\xC3\xA9" + smile), 4u);
    EXPECT_EQ(TruncateToUtf16Units("ab" + smile, 3), "ab");
    EXPECT_EQ(TruncateToUtf16Units("ab" + smile, 4), "ab" + smile);
    EXPECT_EQ(Utf8ToUtf16("a\xFF"), u"a\uFFFD");
    EXPECT_EQ(Utf16ToUtf8(u"a\xD800"), std::string("a") + kReplacement);
    EXPECT_TRUE(IsValidUtf8("plain \xC3\xA9 \xEF\xBF\xBD"));
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));     // overlong '/'
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80")); // encoded surrogate

    EXPECT_EQ(ToLower("ING.LNG \xC3\x89T\xC3\x89 \xC3\x97"), "ing.lng \xC3\xA9t\xC3\xA9 \xC3\x97");
    EXPECT_TRUE(EqualsNoCase("ORV.INI", "Orv.ini"));
    EXPECT_TRUE(EqualsNoCase("\xC3\x89t\xC3\xA9", "\xC3\xA9T\xC3\x89"));
    EXPECT_FALSE(EqualsNoCase("ORV.INI", "ORV.IN"));
    EXPECT_FALSE(EqualsNoCase("a\xFF", "a\xFE"));
}

} // namespace
} // namespace zentyra
