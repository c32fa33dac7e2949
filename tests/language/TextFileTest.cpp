#include "language/TextFile.h"
#include "language/TextFileReader.h"
#include "platform/CodePage.h"
#include "platform/Text.h"

#include "LanguageTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zentyra {
namespace {

using test::TempDir;

// The file bytes of `text` (UTF-16) in one encoding, with its byte-order mark.
std::string Encode(std::u16string_view text, int encoding) {
    switch (encoding) {
    case TextFile::Ansi:
        return FromUtf8(Utf16ToUtf8(text), kCodePage1252);
    case TextFile::Utf16LE:
        return test::Utf16File(text, false);
    case TextFile::Utf16BE:
        return test::Utf16File(text, true);
    default:
        return "\xEF\xBB\xBF" + Utf16ToUtf8(text);
    }
}

std::vector<std::u16string> ReadAll(TextFile& file) {
    std::vector<std::u16string> lines;
    std::u16string line;
    // Bounded, so a reader that never reports the end fails instead of hanging.
    for (int i = 0; i < 100 && file.readLine(line) == 0; ++i)
        lines.push_back(line);
    EXPECT_TRUE(line.empty()) << "the line at the end of the file is empty";
    EXPECT_EQ(file.readLine(line), -1) << "the end stays the end";
    return lines;
}

struct LineCase {
    const char* name;
    std::u16string text;
    std::vector<std::u16string> lines;
};

TEST(TextFile, ReadsLinesAlikeInEveryEncodingAndBufferSize) {
    const std::vector<LineCase> cases = {
        {"nothing but the mark", u"", {}},
        {"CR LF and LF alike", u"ab\r\ncd\nef\r\n", {u"ab", u"cd", u"ef"}},
        {"last line without line end", u"one\nlast", {u"one", u"last"}},
        {"lone CR stays", u"a\rb\r\n\rc\n", {u"a\rb", u"\rc"}},
        {"empty lines", u"\n\r\n\n", {u"", u"", u""}},
        {"CR at the very end is a line end", u"x\r", {u"x"}},
        {"Western letters", u"Caf\u00e9 \u20ac\r\n\u00fc", {u"Caf\u00e9 \u20ac", u"\u00fc"}},
        {"a line longer than the blocks",
         std::u16string(5000, u'z') + u"\r\nq",
         {std::u16string(5000, u'z'), u"q"}},
    };
    const int encodings[] = {TextFile::Ansi, TextFile::Utf16LE, TextFile::Utf16BE, TextFile::Utf8};
    // Small blocks make CR LF pairs and UTF-16 units straddle block ends.
    const int bufferSizes[] = {0, 1, 3, 5, -1};
    TempDir dir;
    for (const LineCase& c : cases) {
        for (const int encoding : encodings) {
            const std::string path = dir.write("lines.txt", Encode(c.text, encoding));
            for (const int bufferSize : bufferSizes) {
                SCOPED_TRACE(testing::Message()
                             << c.name << ", encoding " << encoding << ", buffer " << bufferSize);
                TextFile file;
                ASSERT_EQ(file.open(path, TextFile::Read, TextFile::Detect, bufferSize), 0);
                const bool emptyAnsi = encoding == TextFile::Ansi && c.text.empty();
                EXPECT_EQ(file.encoding(), emptyAnsi ? TextFile::Detect : encoding);
                EXPECT_EQ(ReadAll(file), c.lines);
            }
        }
    }
}

TEST(TextFile, TellsTheEncodingOnlyFromACompleteMark) {
    struct MarkCase {
        const char* bytes;
        std::size_t size;
        int encoding;
        std::u16string firstLine;
    };
    const MarkCase cases[] = {
        {"\xEF\xBB\x41\n", 4, TextFile::Ansi, u"\u00ef\u00bbA"},
        {"\xEF", 1, TextFile::Ansi, u"\u00ef"},
        {"\xFE\x41", 2, TextFile::Ansi, u"\u00feA"},
        {"\xFF", 1, TextFile::Ansi, u"\u00ff"},
        {"\xFF\xFE", 2, TextFile::Utf16LE, u""},
        {"\xFE\xFF\x00\x41\x30\x42\x00\x0A", 8, TextFile::Utf16BE, u"A\u3042"},
    };
    TempDir dir;
    for (const MarkCase& c : cases) {
        SCOPED_TRACE(c.firstLine.size());
        const std::string path = dir.write("mark.txt", std::string_view(c.bytes, c.size));
        TextFile file;
        ASSERT_EQ(file.open(path), 0);
        EXPECT_EQ(file.encoding(), c.encoding);
        std::u16string line;
        EXPECT_EQ(file.readLine(line), c.firstLine.empty() ? -1 : 0);
        EXPECT_EQ(line, c.firstLine);
    }
}

TEST(TextFile, GivenEncodingConsumesItsMarkUnlessTold) {
    TempDir dir;
    const std::string withMark = dir.write("with.txt", "\xEF\xBB\xBFx\n");
    const std::string withoutMark = dir.write("without.txt", "x\n");
    std::u16string line;

    TextFile file;
    ASSERT_EQ(file.open(withMark, TextFile::Read, TextFile::Utf8), 0);
    EXPECT_EQ(file.readLine(line), 0);
    EXPECT_EQ(line, u"x");

    ASSERT_EQ(file.open(withoutMark, TextFile::Read, TextFile::Utf8), 0);
    EXPECT_EQ(file.readLine(line), 0);
    EXPECT_EQ(line, u"x");

    ASSERT_EQ(file.open(withMark, TextFile::Read, TextFile::Utf8 | TextFile::kNoByteOrderMark), 0);
    EXPECT_EQ(file.readLine(line), 0);
    EXPECT_EQ(line, u"\uFEFFx");

    // A UTF-16 file read as ANSI is just bytes.
    const std::string utf16 = dir.write("utf16.txt", std::string("\xFF\xFE\x41\x00", 4));
    ASSERT_EQ(file.open(utf16, TextFile::Read, TextFile::Ansi), 0);
    EXPECT_EQ(file.readLine(line), 0);
    EXPECT_EQ(line, std::u16string(u"\u00ff\u00feA\0", 4));
}

TEST(TextFile, OddByteAtTheEndOfUtf16IsIgnored) {
    TempDir dir;
    const std::string endsInLine = dir.write("a.txt", std::string("\xFF\xFE\x41\x00\x42", 5));
    const std::string afterLine =
        dir.write("b.txt", std::string("\xFF\xFE\x41\x00\x0A\x00\x42", 7));
    const std::string bigEndian = dir.write("c.txt", std::string("\xFE\xFF\x00\x41\x00", 5));
    for (const std::string& path : {endsInLine, afterLine, bigEndian}) {
        for (const int bufferSize : {0, 1, 3}) {
            SCOPED_TRACE(path + " buffer " + std::to_string(bufferSize));
            TextFile file;
            ASSERT_EQ(file.open(path, TextFile::Read, TextFile::Detect, bufferSize), 0);
            EXPECT_EQ(ReadAll(file), std::vector<std::u16string>{u"A"});
        }
    }
}

TEST(TextFile, DecodesUtf8TheSuiteWay) {
    struct DecodeCase {
        std::string bytes;
        std::u16string expected;
    };
    const DecodeCase cases[] = {
        {"A\x7F", u"A\x7F"},
        {"\xC3\xA9", u"\u00e9"},
        {"\xE2\x82\xAC", u"\u20ac"},
        {"\xF0\x9F\x98\x80", u"\U0001F600"},
        {"\xC3\x41", u"\u00c1"},                // continuation byte not checked
        {"\x80\x80", std::u16string(1, u'\0')}, // stray continuation taken as a lead
        {"\xF8x", u"\uFFFDx"},                  // no lead byte above F7
        {"\xFF\xC3\xA9", u"\uFFFD\u00e9"},
        {"\xF7\xBF\xBF\xBF", u"\U0010FFFF"}, // capped at U+10FFFF
        {"A\xE2\x82", u"A\uFFFD"},           // cut short by the end of the line
        {"\xF0", u"\uFFFD"},
    };
    for (const DecodeCase& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(DecodeSuiteUtf8(c.bytes), c.expected);
    }

    // A sequence cut short at a line end does not reach into the next line.
    TempDir dir;
    TextFile file;
    ASSERT_EQ(file.open(dir.write("cut.txt", "\xEF\xBB\xBF\xE2\x82\r\nok\n")), 0);
    EXPECT_EQ(ReadAll(file), (std::vector<std::u16string>{u"\uFFFD", u"ok"}));
}

TEST(TextFile, AnsiUsesTheFileCodePage) {
    TempDir dir;
    const std::string path = dir.write("ansi.txt", "\xE9\x80\n");
    TextFile file;
    ASSERT_EQ(file.open(path), 0);
    std::u16string line;
    EXPECT_EQ(file.readLine(line), 0);
    EXPECT_EQ(line, u"\u00e9\u20ac");
}

TEST(TextFile, ReadsCharacterByCharacter) {
    TempDir dir;
    TextFile file;
    ASSERT_EQ(file.open(dir.write("u8.txt", "\xEF\xBB\xBF\xC3\xA9\xF0\x9F\x98\x80"), TextFile::Read,
                        TextFile::Detect, 1),
              0);
    EXPECT_EQ(file.readChar(), 0xE9);
    EXPECT_EQ(file.readChar(), 0x1F600);
    EXPECT_EQ(file.readChar(), -1);

    ASSERT_EQ(file.open(dir.write("be.txt", std::string("\xFE\xFF\x30\x42\x00", 5))), 0);
    EXPECT_EQ(file.readChar(), 0x3042);
    EXPECT_EQ(file.readChar(), -1);

    ASSERT_EQ(file.open(dir.write("ansi.txt", "\x80")), 0);
    EXPECT_EQ(file.readChar(), 0x20AC);
    EXPECT_EQ(file.readChar(), -1);
}

TEST(TextFile, OpenFailsCleanlyAndNamesMatchWithoutCase) {
    TempDir dir;
    dir.write("Ing.Lng", "hello\n");
    TextFile file;
    EXPECT_EQ(file.open(dir.file("missing.lng")), -2);
    EXPECT_EQ(file.open(dir.path()), -2) << "a directory is no text file";
    EXPECT_EQ(file.open(dir.file("Ing.Lng"), 2), -2) << "only reading exists";
    EXPECT_EQ(file.open(dir.file("Ing.Lng"), TextFile::Read, 9), -2) << "no such encoding";
    EXPECT_EQ(file.mode(), TextFile::Closed);

    std::u16string line = u"stale";
    EXPECT_EQ(file.readLine(line), -1);
    EXPECT_TRUE(line.empty());

    ASSERT_EQ(file.open(dir.file("ING.LNG")), 0);
    EXPECT_EQ(file.mode(), TextFile::Read);
    EXPECT_EQ(file.readLine(line), 0);
    EXPECT_EQ(line, u"hello");
    EXPECT_EQ(file.close(), 0);
    EXPECT_EQ(file.close(), 0);
    EXPECT_EQ(file.readLine(line), -1);
}

} // namespace
} // namespace zentyra
