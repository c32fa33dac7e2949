#include "language/SafeFormat.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace zentyra {
namespace {

TEST(SafeFormat, SubstitutesOnlyWhatTheCallerSupplies) {
    const std::string unit = "m";
    struct FormatCase {
        const char* name;
        std::string result;
        std::string expected;
    };
    const FormatCase cases[] = {
        {"page number", SafeFormat("Page %d", {7}), "Page 7"},
        {"unit text", SafeFormat("Altezza [%s]", {unit}), "Altezza [m]"},
        {"two texts", SafeFormat("%s - %ls", {"a", std::string_view("b")}), "a - b"},
        {"wide text", SafeFormat("%S|%ws|%hs", {"x", "y", "z"}), "x|y|z"},
        {"%n and a missing text", SafeFormat("%s%s%n", {"one"}), "one%s%n"},
        {"integer wanted, text given", SafeFormat("%d", {"text"}), "%d"},
        {"mismatch does not consume", SafeFormat("%d%s", {"a"}), "%da"},
        {"real wanted, integer given", SafeFormat("%e", {1}), "%e"},
        {"missing argument", SafeFormat("%d and %d", {1}), "1 and %d"},
        {"pointer", SafeFormat("%p", {5}), "%p"},
        {"star width", SafeFormat("%*d", {5, 1}), "%*d"},
        {"star precision", SafeFormat("%.*f", {2, 1.5}), "%.*f"},
        {"grouping flag", SafeFormat("%'d", {1000}), "%'d"},
        {"unknown letter", SafeFormat("%y%k", {1}), "%y%k"},
        {"percent", SafeFormat("100%% of %d", {3}), "100% of 3"},
        {"trailing percent", SafeFormat("50%", {}), "50%"},
        {"lone percent", SafeFormat("%", {1}), "%"},
        {"spec cut by the end", SafeFormat("%5.2", {1.0}), "%5.2"},
        {"fixed real", SafeFormat("%5.2f", {3.14159}), " 3.14"},
        {"real forms", SafeFormat("%e %G %.1F", {1500.0, 0.5, 2.25f}), "1.500000e+03 0.5 2.2"},
        {"zero pad", SafeFormat("%05d", {42}), "00042"},
        {"left align", SafeFormat("%-4d|", {7}), "7   |"},
        {"plus", SafeFormat("%+d %+.1f", {5, 1.0}), "+5 +1.0"},
        {"hex and octal", SafeFormat("%x %X %#x %o", {255, 255, 255, 8}), "ff FF 0xff 10"},
        {"negative as unsigned", SafeFormat("%u %x %hhx %llx", {-1, -1, -1, -1LL}),
         "4294967295 ffffffff ff ffffffffffffffff"},
        {"64-bit values",
         SafeFormat("%d %I64d %zu",
                    {std::numeric_limits<std::uint64_t>::max(), -5LL, std::size_t{3}}),
         "18446744073709551615 -5 3"},
        {"character", SafeFormat("[%c][%lc][%3c]", {65, 0x20AC, 'z'}), "[A][\xE2\x82\xAC][  z]"},
        {"text precision and width in characters",
         SafeFormat("%.3s|%-3s|%4s", {"abcdef", "\xC3\xA9", "ab"}), "abc|\xC3\xA9  |  ab"},
        {"UTF-8 text kept whole", SafeFormat("%.1s", {"\xF0\x9F\x98\x80"}), ""},
        {"bool is an integer", SafeFormat("%d", {true}), "1"},
        {"null text", SafeFormat("[%s]", {static_cast<const char*>(nullptr)}), "[]"},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.result, c.expected);
    }
}

TEST(SafeFormat, WidthAndPrecisionAreBounded) {
    const std::string wide = SafeFormat("%999999999d", {1});
    EXPECT_EQ(wide.size(), static_cast<std::size_t>(kSafeFormatMaxWidth));
    EXPECT_EQ(wide.back(), '1');

    EXPECT_EQ(SafeFormat("%99999999999999999999s", {"x"}).size(),
              static_cast<std::size_t>(kSafeFormatMaxWidth));
    EXPECT_EQ(SafeFormat("%.999999999f", {1.0}).size(), 2u + kSafeFormatMaxWidth);
    const std::string huge = SafeFormat("%.999999999f", {1e308});
    EXPECT_EQ(huge.size(), 309u + 1u + kSafeFormatMaxWidth);
}

} // namespace
} // namespace zentyra
