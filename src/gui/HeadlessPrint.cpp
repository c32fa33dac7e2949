#include "gui/HeadlessPrint.h"

#include "gui/CZentyraView.h"

#include "document/ProjectFile.h"
#include "platform/Messages.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPrinter>
#include <QPrinterInfo>

#include <cstdio>

namespace zentyra {

namespace {

std::string InstalledQueues() {
    std::string names;
    for (const QString& name : QPrinterInfo::availablePrinterNames())
        names += (names.empty() ? "" : ", ") + name.toStdString();
    return names.empty() ? "none" : names;
}

int PrintOnQueue(ProjectFile& project, const std::string& queue) {
    const QPrinterInfo info = queue.empty()
                                  ? QPrinterInfo::defaultPrinter()
                                  : QPrinterInfo::printerInfo(QString::fromStdString(queue));
    if (info.isNull()) {
        ReportError((queue.empty() ? std::string("No default printer is set up")
                                   : "There is no printer queue " + queue) +
                    " (installed: " + InstalledQueues() + ")");
        return 1;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid()) {
        ReportError("The printer " + info.printerName().toStdString() + " cannot be used");
        return 1;
    }
    printer.setDocName(QString::fromStdString(project.ProjectName.empty() ? "Zentyra report"
                                                                          : project.ProjectName));
    CZentyraView view(nullptr, nullptr);
    const int pages = view.PrintProject(printer, project);
    // Picture problems met while painting are reported once the pages are done.
    QCoreApplication::processEvents();
    if (pages == 0) {
        ReportError("Nothing was printed on " + info.printerName().toStdString());
        return 1;
    }
    std::fprintf(stderr, "zentyra: sent %d pages to %s\n", pages,
                 info.printerName().toStdString().c_str());
    return 0;
}

} // namespace

HeadlessPrinting MakeHeadlessPrinting() {
    HeadlessPrinting printing;
    printing.makeApplication = []() -> std::unique_ptr<QCoreApplication> {
        static int argc = 1;
        static char name[] = "zentyra";
        static char* argv[] = {name, nullptr};
        return std::make_unique<QApplication>(argc, argv);
    };
    printing.print = PrintOnQueue;
    return printing;
}

} // namespace zentyra
