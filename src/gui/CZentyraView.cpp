#include "gui/CZentyraView.h"

#include "gui/CSideBar.h"
#include "gui/CZentyraDoc.h"

#include "render/ReportPainter.h"
#include "render/qt/PageReplay.h"
#include "render/qt/PictureCache.h"
#include "render/qt/QtPictureProbe.h"

#include <QAction>
#include <QCoreApplication>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QTimer>

#include <algorithm>

namespace {

bool RunPrintDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setMinMax(1, 9999);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

CZentyraView::CZentyraView(QWidget* window, CSideBar* sideBar)
    : QObject(window), window_(window), sideBar_(sideBar), printer_(QPrinter::HighResolution),
      probe_(std::make_unique<zentyra::QtPictureProbe>()),
      recorder_(std::make_unique<zentyra::PageRecorder>(metrics_, *probe_)),
      runPrintDialog_(RunPrintDialog), quit_([] {
          QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
      }) {}

CZentyraView::~CZentyraView() = default;

zentyra::PageGeometry CZentyraView::GeometryOf(const QPrinter& printer) {
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    // Sizes in mm from the same whole pixels, so that the edges add up exactly.
    const double dpiX = printer.logicalDpiX() > 0 ? printer.logicalDpiX() : printer.resolution();
    const double dpiY = printer.logicalDpiY() > 0 ? printer.logicalDpiY() : printer.resolution();
    zentyra::PageGeometry g;
    g.horzSizeMm = dpiX > 0 ? page.width() / dpiX * 25.4 : 0;
    g.vertSizeMm = dpiY > 0 ? page.height() / dpiY * 25.4 : 0;
    g.horzRes = page.width();
    g.vertRes = page.height();
    g.physicalWidth = paper.width();
    g.physicalHeight = paper.height();
    g.physicalOffsetX = page.left() - paper.left();
    g.physicalOffsetY = page.top() - paper.top();
    return g;
}

std::pair<int, int> CZentyraView::PageRange(int fromPage, int toPage, int pageCount) {
    if (fromPage <= 0 && toPage <= 0) return {1, pageCount};
    const int first = std::min(std::max(fromPage, 1), pageCount);
    const int last = std::min(toPage <= 0 ? pageCount : toPage, pageCount);
    return {first, last};
}

int CZentyraView::OnBeginPrinting(QPrinter& printer) {
    if (!document_) return 0;
    if (sideBar_) sideBar_->Apply();
    return LayOutFor(printer, document_->project());
}

int CZentyraView::LayOutFor(QPrinter& printer, zentyra::ProjectFile& project) {
    // A fresh probe per layout: pictures may have changed since the last job.
    recorder_.reset();
    probe_ = std::make_unique<zentyra::QtPictureProbe>();
    recorder_ = std::make_unique<zentyra::PageRecorder>(metrics_, *probe_);
    recorder_->Prepare(GeometryOf(printer));
    return zentyra::LayOutReport(*recorder_, project);
}

int CZentyraView::PrintPages(QPrinter& printer) {
    return PaintPages(printer, nullptr);
}

int CZentyraView::PrintProject(QPrinter& printer, zentyra::ProjectFile& project) {
    return PaintPages(printer, &project);
}

int CZentyraView::PaintPages(QPrinter& printer, zentyra::ProjectFile* project) {
    zentyra::RecordingMessageSink collected;
    int painted = 0;
    {
        const zentyra::ScopedMessageSink collecting(collected);
        const int pageCount = project ? LayOutFor(printer, *project) : OnBeginPrinting(printer);
        const auto [first, last] = PageRange(printer.fromPage(), printer.toPage(), pageCount);
        const zentyra::PageGeometry& g = recorder_->geometry();
        QPainter painter;
        if (pageCount > 0 && first <= last && g.horzSizeMm > 0 && g.vertSizeMm > 0 &&
            painter.begin(&printer)) {
            painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                                   QPainter::SmoothPixmapTransform |
                                   QPainter::LosslessImageRendering);
            zentyra::PictureCache pictures;
            for (int n = first; n <= last; ++n) {
                const zentyra::RecordedPage* page = recorder_->PageForPrint(n);
                if (!page) break;
                if (painted > 0 && !printer.newPage()) break;
                // The printable area in page units onto the printable area in device pixels.
                painter.save();
                painter.scale(g.horzRes / (g.horzSizeMm * 10), g.vertRes / (g.vertSizeMm * 10));
                zentyra::ReplayPage(*page, painter, pictures);
                painter.restore();
                ++painted;
            }
            painter.end();
        }
        OnEndPrinting();
    }
    if (!collected.messages.empty()) ShowCollectedMessages(std::move(collected.messages));
    return painted;
}

void CZentyraView::ShowCollectedMessages(
    std::vector<zentyra::RecordingMessageSink::Message> messages) {
    // Shown from the event loop, once the painting that found them has returned.
    QTimer::singleShot(0, this, [messages = std::move(messages)] {
        for (const auto& message : messages)
            zentyra::CurrentMessageSink().show(message.kind, message.title, message.text);
    });
}

bool CZentyraView::OnFilePrintDirect() {
    if (!runPrintDialog_ || !runPrintDialog_(printer_, window_)) return false;
    return PrintPages(printer_) > 0;
}

void CZentyraView::OnFilePrint() {
    OnFilePrintDirect();
    if (quit_) quit_();
}

std::unique_ptr<QPrintPreviewDialog> CZentyraView::MakePreviewDialog(bool* printChosen) {
    auto dialog = std::make_unique<QPrintPreviewDialog>(&printer_, window_);
    if (window_) dialog->setGeometry(window_->geometry());
    connect(dialog.get(), &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) { PrintPages(*printer); });
    // The preview's own print button is the print command: the print dialog, then the
    // application ends.
    const QString printText = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction* action : dialog->findChildren<QAction*>()) {
        if (action->text() != printText) continue;
        action->disconnect();
        QPrintPreviewDialog* preview = dialog.get();
        connect(action, &QAction::triggered, preview, [preview, printChosen] {
            if (printChosen) *printChosen = true;
            preview->accept();
        });
    }
    return dialog;
}

void CZentyraView::OnFilePrintPreview() {
    bool printChosen = false;
    std::unique_ptr<QPrintPreviewDialog> dialog = MakePreviewDialog(&printChosen);
    emit previewStarted();
    dialog->exec();
    dialog.reset();
    emit previewEnded();
    if (printChosen) OnFilePrint();
}

void CZentyraView::OnFilePrintSetup() {
    QPageSetupDialog dialog(&printer_, window_);
    dialog.exec();
}
