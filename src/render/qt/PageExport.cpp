#include "render/qt/PageExport.h"

#include "render/PageRecorder.h"
#include "render/qt/PageReplay.h"
#include "render/qt/PictureCache.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

namespace zentyra {

namespace {

constexpr int kPdfResolution = 1200;
constexpr int kMaxPngDpi = 1200;

bool Fail(std::string* error, std::string message) {
    if (error) *error = std::move(message);
    return false;
}

std::vector<const RecordedPage*> PrintedPages(const PageRecorder& recorder) {
    std::vector<const RecordedPage*> pages;
    for (const int number : recorder.PrintOrder())
        pages.push_back(&recorder.pages()[static_cast<std::size_t>(number - 1)]);
    return pages;
}

// The paper is the printable area plus the unprintable edges the printer reported.
QSizeF PaperSizeMm(const PageGeometry& geometry) {
    if (geometry.horzRes <= 0 || geometry.vertRes <= 0) return {};
    return QSizeF(geometry.physicalWidth / geometry.horzRes * geometry.horzSizeMm,
                  geometry.physicalHeight / geometry.vertRes * geometry.vertSizeMm);
}

// The printable area's top-left on the paper, in page units.
QPointF PrintableOrigin(const PageGeometry& geometry) {
    return QPointF(geometry.physicalOffsetX / geometry.horzRes * geometry.horzSizeMm * 10,
                   geometry.physicalOffsetY / geometry.vertRes * geometry.vertSizeMm * 10);
}

bool SameSize(QSizeF mm, double width, double height) {
    return std::abs(mm.width() - width) < 0.5 && std::abs(mm.height() - height) < 0.5;
}

// Standard sizes keep their names in the file; the page box has no margins, so the painter's
// origin is the paper's corner.
QPageLayout PaperLayout(QSizeF mm) {
    const bool landscape = mm.width() > mm.height();
    const QSizeF portrait = landscape ? mm.transposed() : mm;
    QPageSize size(portrait, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    if (SameSize(portrait, 210, 297)) size = QPageSize(QPageSize::A4);
    if (SameSize(portrait, 215.9, 279.4)) size = QPageSize(QPageSize::Letter);
    QPageLayout layout(size, landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

void DrawPage(QPainter& painter, const PageGeometry& geometry, double dpi, const RecordedPage& page,
              PictureCache& pictures) {
    painter.save();
    painter.scale(dpi / 254.0, dpi / 254.0);
    painter.translate(PrintableOrigin(geometry));
    ReplayPage(page, painter, pictures);
    painter.restore();
}

// Qt gives the PDF page box whole points (an A4 page is 595 x 842).
double PaperHeightPoints(QSizeF mm) {
    const QPageLayout layout = PaperLayout(mm);
    return layout.fullRectPoints().height();
}

} // namespace

PdfNavigation PdfNavigationOf(const PageRecorder& recorder) {
    const double paperHeightPoints = PaperHeightPoints(PaperSizeMm(recorder.geometry()));
    std::vector<int> printedAt(recorder.pages().size() + 1, -1);
    const std::vector<int> order = recorder.PrintOrder();
    for (std::size_t i = 0; i < order.size(); ++i)
        printedAt[static_cast<std::size_t>(order[i])] = static_cast<int>(i);
    const auto position = [&](int page) {
        return page >= 1 && static_cast<std::size_t>(page) < printedAt.size()
                   ? printedAt[static_cast<std::size_t>(page)]
                   : -1;
    };
    const QPointF origin = PrintableOrigin(recorder.geometry());
    const auto x = [&](int units) { return (units + origin.x()) * 72.0 / 254.0; };
    const auto y = [&](int units) {
        return paperHeightPoints - (units + origin.y()) * 72.0 / 254.0;
    };
    PdfNavigation navigation;
    for (const OutlineEntry& entry : recorder.navigation.outline)
        navigation.bookmarks.push_back(
            {entry.level, entry.title, position(entry.page), y(entry.y)});
    for (const PageLink& link : recorder.navigation.links)
        navigation.links.push_back({position(link.page), x(link.area.left), y(link.area.bottom),
                                    x(link.area.right), y(link.area.top), position(link.targetPage),
                                    y(link.targetY)});
    return navigation;
}

namespace {

std::string PageFileName(int number) {
    char name[32];
    std::snprintf(name, sizeof name, "page-%03d.png", number);
    return name;
}

} // namespace

bool ExportPdf(const PageRecorder& recorder, const std::string& path, std::string* error,
               ProgressCallback progress, const PdfDocumentInfo& info) {
    const std::vector<const RecordedPage*> pages = PrintedPages(recorder);
    if (pages.empty()) return Fail(error, "No pages to write to " + path);
    const QSizeF paper = PaperSizeMm(recorder.geometry());
    if (paper.isEmpty()) return Fail(error, "No paper size for " + path);
    // Find out now, not after a thousand pages, whether the file can be written at all.
    if (!CanWritePdf(path, error)) return false;

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        // The document information is written afterwards, with the bookmarks.
        if (!writer.setPageLayout(PaperLayout(paper)))
            return Fail(error, "Cannot set the paper size of " + path);
        QPainter painter;
        if (!painter.begin(&writer)) return Fail(error, "Cannot write " + path);
        // Logos and legends are sharp drawings: keep pictures lossless instead of JPEG-encoding.
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                               QPainter::SmoothPixmapTransform | QPainter::LosslessImageRendering);
        PictureCache pictures;
        const int total = static_cast<int>(pages.size());
        for (int i = 0; i < total; ++i) {
            if (i > 0 && !writer.newPage()) {
                painter.end();
                return Fail(error, "Cannot add a page to " + path);
            }
            DrawPage(painter, recorder.geometry(), kPdfResolution,
                     *pages[static_cast<std::size_t>(i)], pictures);
            if (progress) progress(i + 1, total);
        }
        if (!painter.end()) return Fail(error, "Cannot finish " + path);
    }
    if (bytes.isEmpty()) return Fail(error, "Cannot write " + path);
    PdfNavigation navigation = PdfNavigationOf(recorder);
    navigation.info = info;
    return WritePdfWithNavigation(
        std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())), navigation, path,
        error);
}

bool ExportPng(const PageRecorder& recorder, const std::string& directory, int dpi,
               std::string* error, ProgressCallback progress) {
    if (dpi < 1 || dpi > kMaxPngDpi)
        return Fail(error, "Cannot write pages to " + directory + ": " + std::to_string(dpi) +
                               " dpi is outside 1 to " + std::to_string(kMaxPngDpi));
    const std::vector<const RecordedPage*> pages = PrintedPages(recorder);
    if (pages.empty()) return Fail(error, "No pages to write to " + directory);
    const QSizeF paper = PaperSizeMm(recorder.geometry());
    if (paper.isEmpty()) return Fail(error, "No paper size for " + directory);
    std::error_code failure;
    std::filesystem::create_directories(directory, failure);
    if (failure)
        return Fail(error, "Cannot create directory " + directory + ": " + failure.message());

    const QSize pixels(static_cast<int>(std::lround(paper.width() / 25.4 * dpi)),
                       static_cast<int>(std::lround(paper.height() / 25.4 * dpi)));
    const int dotsPerMetre = static_cast<int>(std::lround(dpi / 0.0254));
    PictureCache pictures;
    const int total = static_cast<int>(pages.size());
    for (int i = 0; i < total; ++i) {
        const std::string file = (std::filesystem::path(directory) / PageFileName(i + 1)).string();
        QImage image(pixels, QImage::Format_RGB32);
        if (image.isNull()) return Fail(error, "Cannot write " + file + ": the page is too large");
        image.fill(Qt::white);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        {
            QPainter painter(&image);
            painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                                   QPainter::SmoothPixmapTransform);
            DrawPage(painter, recorder.geometry(), dpi, *pages[static_cast<std::size_t>(i)],
                     pictures);
        }
        QImageWriter writer(QString::fromStdString(file), "png");
        if (!writer.write(image))
            return Fail(error, "Cannot write " + file + ": " + writer.errorString().toStdString());
        if (progress) progress(i + 1, total);
    }
    return true;
}

} // namespace zentyra
