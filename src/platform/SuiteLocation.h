#pragma once
// Where the suite is installed. INSTALL.INI lives in the parent of the executable's
// directory; --suite DIR (SetSuiteOverride) or the environment variable ZENTYRA_SUITE names
// that folder instead, so that a build tree and the demo suite in the source tree work
// together.
#include <string>
#include <string_view>

namespace zentyra {

inline constexpr const char* kSuiteEnvironmentVariable = "ZENTYRA_SUITE";

void SetSuiteOverride(std::string_view directory); // empty clears it
// The folder that holds INSTALL.INI: the override, else $ZENTYRA_SUITE, else the parent of
// the executable's directory. Absolute, without a trailing separator.
std::string SuiteDirectory();
// The executable's directory, without a trailing separator.
std::string ExecutableDirectory();

} // namespace zentyra
