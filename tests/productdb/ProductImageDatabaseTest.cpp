#include "../support/TempDir.h"

#include "platform/Messages.h"
#include "productdb/ProductImageDatabase.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace zentyra {
namespace {

using test::TempDir;

const std::string kFixtures = std::string(ZENTYRA_TEST_DATA) + "/productdb/";

std::string FixtureBytes(const std::string& name = "productdb.mdb") {
    std::ifstream in(kFixtures + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The text as Jet 4 stores a name: UTF-16LE.
std::string Utf16Bytes(const std::string& ascii) {
    std::string bytes;
    for (const char c : ascii) {
        bytes += c;
        bytes += '\0';
    }
    return bytes;
}

// The fixture with every stored occurrence of one name replaced by another of its length.
std::string Renamed(const std::string& from, const std::string& to) {
    std::string bytes = FixtureBytes();
    const std::string a = Utf16Bytes(from);
    const std::string b = Utf16Bytes(to);
    for (std::size_t at = bytes.find(a); at != std::string::npos; at = bytes.find(a, at + 1))
        bytes.replace(at, a.size(), b);
    return bytes;
}

struct LookupCase {
    const char* what;
    const char* code;
    const char* producer;
    const char* answer; // relative to the database folder
};

class ProductImageDatabaseTest : public ::testing::TestWithParam<const char*> {};

TEST_P(ProductImageDatabaseTest, LookupsGiveTheQuerysAnswers) {
    const LookupCase cases[] = {
        {"plain match", "LX-100", "ACME", "ACME\\lx100.jpg"},
        {"only media type 2", "LX-200", "ACME", ""},
        {"only a second picture", "LX-300", "ACME", ""},
        {"two first pictures: the last row wins", "LX-400", "ACME", "ACME\\lx400_last.jpg"},
        {"two devices repeat one row", "LX-450", "ACME", "ACME\\lx450.jpg"},
        {"a double quote matches literally", "LX\"7", "ACME", "ACME\\lx7.jpg"},
        {"non-ASCII names", "LM-1", "LUMIE", "LUMIE\\lumière_1.jpg"},
        {"same code, other producer", "LX-100", "BRITE", "BRITE\\brite_lx100.jpg"},
        {"no device row", "LX-900", "ACME", ""},
        {"unknown producer", "LX-100", "NOPE", ""},
        {"text compares without regard to case", "lx-100", "acme", "ACME\\lx100.jpg"},
        {"unknown code", "LX-999", "ACME", ""},
        {"a code is no prefix", "LX-10", "ACME", ""},
    };
    ProductImageDatabase database(kFixtures + GetParam());
    RecordingMessageSink sink;
    ScopedMessageSink scoped(sink);
    for (const LookupCase& c : cases)
        EXPECT_EQ(database.Lookup(c.code, c.producer), c.answer) << c.what;
    EXPECT_TRUE(sink.messages.empty());
}

// The password only guards the file for software that checks it; the data is the same.
INSTANTIATE_TEST_SUITE_P(BothFixtures, ProductImageDatabaseTest,
                         ::testing::Values("productdb.mdb", "productdb_password.mdb"));

TEST(ProductImageDatabase, EmptyProducerCodeRowsAnswerTheFileNameAlone) {
    ProductImageDatabase database(kFixtures + "productdb.mdb");
    // The program never asks with an empty producer code, but the database answers it so.
    EXPECT_EQ(database.Lookup("NC-1", ""), "nc1.jpg");
}

TEST(ProductImageDatabase, DamagedFilesReportOnceAndAnswerEmpty) {
    const std::string whole = FixtureBytes();
    struct Damage {
        const char* what;
        std::string bytes;
        const char* code;
    } damages[] = {
        {"empty", "", "80004005"},
        {"not a Jet file", "Standard Jet DB? no, just text\n", "80004005"},
        {"cut short", whole.substr(0, whole.size() / 2), "80004005"},
        {"header only", whole.substr(0, 4096), "80004005"},
        {"table missing", Renamed("M_Multi_MediaObjects", "M_Multi_MediaObjectX"), "80040e37"},
        {"column missing", Renamed("FileName", "FileNamX"), "80040e10"},
    };
    for (const Damage& damage : damages) {
        TempDir dir;
        const std::string path = dir.write("db.mdb", damage.bytes);
        ProductImageDatabase database(path);
        RecordingMessageSink sink;
        ScopedMessageSink scoped(sink);
        EXPECT_EQ(database.Lookup("LX-100", "ACME"), "") << damage.what;
        EXPECT_EQ(database.Lookup("LX-400", "ACME"), "") << damage.what;
        ASSERT_EQ(sink.messages.size(), 1u) << damage.what;
        EXPECT_EQ(sink.messages[0].kind, MessageKind::Error);
        EXPECT_EQ(sink.messages[0].text.rfind(
                      std::string("Database Error:\nCode = ") + damage.code + "\nmeaning=", 0),
                  0u)
            << damage.what << ": " << sink.messages[0].text;
        EXPECT_EQ(sink.messages[0].text.back(), '\n');
    }
}

class ProductImageSetUpTest : public ::testing::Test {
protected:
    void TearDown() override { ReleaseProductImageDatabase(); }
    RecordingMessageSink sink;
    ScopedMessageSink scoped{sink};
    TempDir dir;
};

TEST_F(ProductImageSetUpTest, MissingFileIsReportedAtSetUpAndLookupsAnswerEmpty) {
    SetUpProductImageDatabase(dir.path(), "Products.mdb");
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "The database file:\n" + dir.file("Products.mdb") +
                                         "\ndoes not exist\nNo product images will be printed.");
    EXPECT_EQ(ProductDatabaseFolder(), dir.path());
    EXPECT_EQ(FindProductImage("LX-100", "ACME"), "");
    EXPECT_EQ(sink.messages.size(), 1u);
}

TEST_F(ProductImageSetUpTest, AnswersAreFullPathsBesideTheDatabase) {
    dir.write("Products.mdb", FixtureBytes());
    dir.write("ACME/lx100.jpg", "picture");
    SetUpProductImageDatabase(dir.path() + "/", "Products.mdb");
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(FindProductImage("LX-100", "ACME"), dir.file("ACME/lx100.jpg"));
    // A picture the database names but the folder lacks still answers; the caller checks.
    EXPECT_EQ(FindProductImage("LX-400", "ACME"), dir.file("ACME/lx400_last.jpg"));
    EXPECT_EQ(FindProductImage("", "ACME"), "");
    EXPECT_EQ(FindProductImage("NC-1", ""), "");
    EXPECT_EQ(FindProductImage("LX-999", "ACME"), "");
    ReleaseProductImageDatabase();
    EXPECT_EQ(FindProductImage("LX-100", "ACME"), "");
}

TEST_F(ProductImageSetUpTest, PicturesAreFoundWithoutRegardToTheCaseOfTheirFolder) {
    dir.write("Products.mdb", FixtureBytes());
    dir.write("acme/LX100.JPG", "picture");
    SetUpProductImageDatabase(dir.path(), "products.MDB");
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(FindProductImage("LX-100", "ACME"), dir.file("acme/LX100.JPG"));
}

TEST_F(ProductImageSetUpTest, SettingUpAgainReplacesTheDatabase) {
    dir.write("a/Products.mdb", FixtureBytes());
    SetUpProductImageDatabase(dir.file("a"), "Products.mdb");
    EXPECT_NE(FindProductImage("LX-100", "ACME"), "");
    SetUpProductImageDatabase(dir.file("b"), "Products.mdb");
    EXPECT_EQ(FindProductImage("LX-100", "ACME"), "");
    EXPECT_EQ(sink.messages.size(), 1u);
}

} // namespace
} // namespace zentyra
