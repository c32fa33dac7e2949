#include "language/TextList.h"
#include "language/CaptionTranslation.h"
#include "language/KLanguageManagerGeneric.h"
#include "language/TextNumberTable.h"

#include "LanguageTestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace zentyra {
namespace {

using test::TempDir;

TEST(TextNumberTable, SlicesAreCountedAndHoldTheirNumbers) {
    namespace table = TextNumberTable;
    const std::span<const int> whole = table::Table();
    // Every slice is followed by its count in the one table, in this order.
    std::size_t at = 0;
    for (const std::span<const int> slice :
         {table::WindowSlice(), table::CustomizeSlice(), table::LanguageChoiceSlice(),
          table::GeneralSlice(), table::ButtonWordSlice()}) {
        ASSERT_EQ(slice.data(), whole.data() + at);
        ASSERT_EQ(whole[at + slice.size()], static_cast<int>(slice.size()));
        at += slice.size() + 1;
    }
    EXPECT_EQ(at, whole.size());

    const std::vector<int> window = {53,   6753, 1317, 271,  6274, 57,   65,  748,
                                     4584, 4588, 204,  3793, 56,   926,  927, 928,
                                     929,  3490, 1318, 6746, 6747, 6748, 933};
    EXPECT_EQ(std::vector<int>(table::WindowSlice().begin(), table::WindowSlice().end()), window);

    const std::span<const int> customize = table::CustomizeSlice();
    ASSERT_EQ(customize.size(), 25u);
    const std::map<std::size_t, int> customizeSample = {{0, 680},   {1, 6461}, {4, 0},    {6, 0},
                                                        {7, 3392},  {8, 4989}, {12, 687}, {22, 704},
                                                        {23, 1318}, {24, 698}};
    for (const auto& [k, number] : customizeSample)
        EXPECT_EQ(customize[k], number) << "customize entry " << k;

    std::vector<int> languages;
    for (int id = 5; id <= 24; ++id)
        languages.push_back(id);
    languages.insert(languages.end(), {6188, 7085, 7097, 7488, 7490});
    EXPECT_EQ(
        std::vector<int>(table::LanguageChoiceSlice().begin(), table::LanguageChoiceSlice().end()),
        languages);

    const std::span<const int> general = table::GeneralSlice();
    ASSERT_EQ(general.size(), 382u);
    const std::vector<int> used = {927, 928, 929, 3490, 3392, 4986, 4987, 683, 4989};
    EXPECT_EQ(std::vector<int>(general.begin() + 1, general.begin() + 10), used);
    EXPECT_EQ(general[0], 0);
    for (std::size_t k = 10; k < general.size(); ++k)
        EXPECT_EQ(general[k], 0) << "general entry " << k;

    EXPECT_EQ(std::vector<int>(table::ButtonWordSlice().begin(), table::ButtonWordSlice().end()),
              (std::vector<int>{50, 51, 52}));
}

// Two installed languages whose string n reads "<prefix> n".
class CaptionTest : public testing::Test {
protected:
    void SetUp() override {
        SetProgramLanguage(Load("prog", {{271, "S&tampa...\\tCtrl+P"}}));
        SetPrintLanguage(Load("print", {}));
    }
    void TearDown() override { ReleaseLanguages(); }

    std::unique_ptr<KLanguageManagerGeneric> Load(const std::string& prefix,
                                                  const std::map<int, std::string>& special) {
        std::string bytes = "8000\r\n";
        for (int n = 0; n < 8000; ++n) {
            const auto found = special.find(n);
            bytes += (found != special.end() ? found->second : prefix + " " + std::to_string(n)) +
                     "\r\n";
        }
        dir.write(prefix + ".lng", bytes);
        auto manager = std::make_unique<KLanguageManagerGeneric>(dir.path());
        EXPECT_TRUE(manager->loadLanguage(prefix + ".lng"));
        return manager;
    }

    TempDir dir;
};

TEST_F(CaptionTest, TextListsReadTheirLanguage) {
    EXPECT_EQ(printTexts().text(1), "print 927");
    EXPECT_EQ(programTexts().text(9), "prog 4989");
    EXPECT_EQ(programTexts().text(10), "prog 0") << "unused entries point to string 0";
    EXPECT_EQ(printTexts().text(382), "");
    EXPECT_EQ(printTexts().text(-1), "");
    EXPECT_EQ(printTexts().count(), 382);

    const TextList languages(TextNumberTable::LanguageChoiceSlice(), TextLanguage::Program);
    EXPECT_EQ(languages.text(20), "prog 6188");
    EXPECT_EQ(languages.text(25), "");
}

TEST_F(CaptionTest, CaptionRule) {
    const TextList window(TextNumberTable::WindowSlice(), TextLanguage::Program);
    const TextList printWindow(TextNumberTable::WindowSlice(), TextLanguage::Print);
    struct CaptionCase {
        const char* caption;
        const TextList& list;
        std::optional<std::string> expected;
    };
    const CaptionCase cases[] = {
        {"12-Informazioni Progetto", window, "prog 56"},
        {"12-Informazioni Progetto", printWindow, "print 56"},
        {"3-S&tampa...\tCtrl+P", window, "S&tampa...\tCtrl+P"},
        {"0", window, "prog 53"},
        {"22x", window, "prog 933"},
        {"25-fuori lista", window, ""},
        {"99999999999999999999-huge", window, ""},
        {"OK", printWindow, "prog 50"},
        {"cancel", printWindow, "prog 51"},
        {"CLOSE", window, "prog 52"},
        {"OK ", window, std::nullopt},
        {"Informazioni", window, std::nullopt},
        {"-3 dash first", window, std::nullopt},
        {"", window, std::nullopt},
    };
    for (const CaptionCase& c : cases) {
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(TranslateCaption(c.caption, c.list, kWindowCaptionUnits), c.expected);
    }

    const std::string longCaption = "1-" + std::string(253, 'x');
    EXPECT_EQ(TranslateCaption(longCaption, window, kWindowCaptionUnits), "prog 6753");
    EXPECT_EQ(TranslateCaption(longCaption + "x", window, kWindowCaptionUnits), std::nullopt)
        << "captions over 255 characters are not touched";
}

TEST_F(CaptionTest, LongStringsAreCutToTheCaptionBuffer) {
    const std::string ascii(300, 'a');
    std::string astral;
    for (int i = 0; i < 200; ++i)
        astral += "\xF0\x9F\x98\x80"; // two UTF-16 units each
    SetProgramLanguage([&] {
        dir.write("long.lng", "2\r\n" + ascii + "\r\n" + astral + "\r\n");
        auto manager = std::make_unique<KLanguageManagerGeneric>(dir.path());
        EXPECT_TRUE(manager->loadLanguage("long.lng"));
        return manager;
    }());
    const TextList customize(TextNumberTable::CustomizeSlice(), TextLanguage::Program);
    // Customize entries 4 to 6 point to string 0.
    EXPECT_EQ(TranslateCaption("4-riga4", customize, kWindowCaptionUnits), std::string(255, 'a'));
    EXPECT_EQ(TranslateCaption("4-riga4", customize, kMenuCaptionUnits), std::string(259, 'a'));

    SetProgramLanguage([&] {
        dir.write("astral.lng", "\xEF\xBB\xBF" "1\r\n" + astral + "\r\n");
        auto manager = std::make_unique<KLanguageManagerGeneric>(dir.path());
        EXPECT_TRUE(manager->loadLanguage("astral.lng"));
        return manager;
    }());
    const auto cut = TranslateCaption("5", customize, kWindowCaptionUnits);
    ASSERT_TRUE(cut.has_value());
    EXPECT_EQ(*cut, astral.substr(0, 127 * 4)) << "a surrogate pair is never split";
}

} // namespace
} // namespace zentyra
