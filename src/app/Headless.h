#pragma once
// The command line's headless work: load the suite and the project without a display, write the
// requested outputs, never write the suite's settings.
#include "app/CommandLine.h"

namespace zentyra {

// Returns the process exit status: 0 on success, 1 when the project could not be loaded or an
// output could not be written (the outputs that could be written still are).
int RunHeadless(const CommandLine& line);

} // namespace zentyra
