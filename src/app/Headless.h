#pragma once
// The command line's headless work: load the suite and the project without a display, write the
// requested outputs, never write the suite's settings.
#include "app/CommandLine.h"

#include <functional>
#include <memory>
#include <string>

class QCoreApplication;

namespace zentyra {

class ProjectFile;

// Printing needs Qt's widgets, a layer above this one: main() hands it in.
struct HeadlessPrinting {
    std::function<std::unique_ptr<QCoreApplication>()> makeApplication; // a QApplication
    // Prints the laid-out project on the queue (empty: the default printer); the exit status.
    std::function<int(ProjectFile& project, const std::string& queue)> print;
};

// Returns the process exit status: 0 on success, 1 when the project could not be loaded or an
// output could not be written (the outputs that could be written still are).
int RunHeadless(const CommandLine& line, const HeadlessPrinting* printing = nullptr);

} // namespace zentyra
