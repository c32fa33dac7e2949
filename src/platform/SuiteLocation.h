#pragma once
// Where the suite is installed: the folder that holds INSTALL.INI. --suite DIR
// (SetSuiteOverride) or the environment variable ZENTYRA_SUITE names it. Otherwise the first
// of these that holds INSTALL.INI: the parent of the executable's directory (the suite's own
// layout, program in its Bin folder), the user's suite $XDG_CONFIG_HOME/zentyra/suite
// (~/.config/zentyra/suite), and the example suite installed with the program
// (<prefix>/share/zentyra/suite beside <prefix>/bin).
#include <string>
#include <string_view>
#include <vector>

namespace zentyra {

inline constexpr const char* kSuiteEnvironmentVariable = "ZENTYRA_SUITE";

void SetSuiteOverride(std::string_view directory); // empty clears it
// The folders looked in, in that order: only the named one with an override or $ZENTYRA_SUITE.
// Absolute, without trailing separators.
std::vector<std::string> SuiteSearchPath();
// The first folder of the search path that holds INSTALL.INI (any case), else the first one.
std::string SuiteDirectory();
// The executable's directory, without a trailing separator.
std::string ExecutableDirectory();

} // namespace zentyra
