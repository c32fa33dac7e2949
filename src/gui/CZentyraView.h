#pragma once
// Printing and print preview. The report is laid out once per job onto recorded pages for the
// printer's own page (paper, printable area, resolution), then the pages are replayed in print
// order, cover first, within the page range asked for. The view draws nothing on the screen.
// Problems met while painting are collected and shown once the pass is over, never from inside
// it.
#include "platform/Messages.h"
#include "render/PageRecorder.h"
#include "render/qt/QtFontMetrics.h"

#include <QObject>
#include <QPrinter>

#include <functional>
#include <memory>
#include <vector>

namespace zentyra {
class ProjectFile;
}

class CSideBar;
class CZentyraDoc;
class QPrintPreviewDialog;
class QWidget;

class CZentyraView : public QObject {
    Q_OBJECT
public:
    // The print dialog; true when the user confirmed it.
    using PrintDialogRunner = std::function<bool(QPrinter& printer, QWidget* parent)>;

    CZentyraView(QWidget* window, CSideBar* sideBar);
    ~CZentyraView() override;

    void setDocument(CZentyraDoc* document) { document_ = document; }
    QPrinter& printer() { return printer_; }
    void setPrintDialogRunner(PrintDialogRunner runner) { runPrintDialog_ = std::move(runner); }
    // Called after the print command (default: a queued quit of the application).
    void setQuitAfterPrint(std::function<void()> quit) { quit_ = std::move(quit); }

    // The print command: print dialog, pages, then the application ends, whether or not the
    // dialog was confirmed.
    void OnFilePrint();
    // The same print sequence without quitting; returns whether anything was printed.
    bool OnFilePrintDirect();
    void OnFilePrintPreview();
    void OnFilePrintSetup();
    // The preview window, generating its pages through PrintPages.
    std::unique_ptr<QPrintPreviewDialog> MakePreviewDialog(bool* printChosen);

    // Begin printing, every page in range, end printing. Returns the pages painted.
    int PrintPages(QPrinter& printer);
    // The same for a project of the caller's, without a document or side bar (printing from
    // the command line).
    int PrintProject(QPrinter& printer, zentyra::ProjectFile& project);
    // The side bar's state into the project, then the layout for this printer. Returns the
    // recorded pages.
    int OnBeginPrinting(QPrinter& printer);
    void OnEndPrinting() { recorder_->Reset(); }
    const zentyra::PageRecorder& recorder() const { return *recorder_; }

    // What the printer says of its page, in the terms the recorder wants.
    static zentyra::PageGeometry GeometryOf(const QPrinter& printer);
    // The first and last printed page numbers for a report of pageCount pages and the
    // printer's range (0 to 0: all).
    static std::pair<int, int> PageRange(int fromPage, int toPage, int pageCount);

signals:
    void previewStarted();
    void previewEnded();

private:
    int LayOutFor(QPrinter& printer, zentyra::ProjectFile& project);
    int PaintPages(QPrinter& printer, zentyra::ProjectFile* project);
    void ShowCollectedMessages(std::vector<zentyra::RecordingMessageSink::Message> messages);

    QWidget* window_;   // not owned
    CSideBar* sideBar_; // not owned
    CZentyraDoc* document_ = nullptr;
    QPrinter printer_;
    zentyra::QtFontMetrics metrics_;
    std::unique_ptr<zentyra::PictureProbe> probe_;
    std::unique_ptr<zentyra::PageRecorder> recorder_;
    PrintDialogRunner runPrintDialog_;
    std::function<void()> quit_;
};
