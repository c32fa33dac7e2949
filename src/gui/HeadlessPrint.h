#pragma once
// Printing from the command line: the report laid out for the printer's own page and sent to
// its queue, as the window's print command does, without a window.
#include "app/Headless.h"

namespace zentyra {

// What RunHeadless needs for --print: a QApplication and the print job.
HeadlessPrinting MakeHeadlessPrinting();

} // namespace zentyra
