// The man page and --help describe the same options.
#include "HeadlessTestSupport.h"

#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QString>

#include <set>
#include <string>

namespace zentyra {
namespace {

using namespace test;

// Every -x or --name-like word that does not continue another word ("comma-separated").
std::set<std::string> OptionsIn(const std::string& text) {
    std::set<std::string> options;
    const QRegularExpression option(R"((?<![\w-])(--?[A-Za-z][\w-]*))");
    auto matches = option.globalMatch(QString::fromStdString(text));
    while (matches.hasNext())
        options.insert(matches.next().captured(1).toStdString());
    return options;
}

TEST(ManPage, NamesEveryOptionOfTheHelpAndNoOther) {
    std::string page = ReadFile(fs::path(ZENTYRA_SOURCE_DIR) / "docs/zentyra.1");
    ASSERT_FALSE(page.empty());
    // Roff writes a hyphen-minus as \-.
    for (std::size_t at = page.find("\\-"); at != std::string::npos; at = page.find("\\-", at))
        page.erase(at, 1);
    const std::set<std::string> help = OptionsIn(CommandLineHelp("zentyra"));
    EXPECT_GT(help.size(), 15u);
    EXPECT_EQ(OptionsIn(page), help);
}

} // namespace
} // namespace zentyra
