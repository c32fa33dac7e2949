#include "gui/CPictureBox.h"

#include "emf/EmfPicture.h"
#include "render/ReportPainter.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QImageReader>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

#include <cmath>

namespace {

// A cover picture is a photograph or a plan: far below this, and a bigger file is not worth
// exhausting memory for.
constexpr int kMaxPictureAllocationMb = 256;

// Metafiles are sized by their frame (0.01 mm) at the screen's nominal 96 dpi.
QSize MetafilePixels(const zentyra::EmfFrame& frame) {
    const double mmToPixels = 96.0 / 25.4 / 100.0;
    return QSize(static_cast<int>(std::lround((frame.right - frame.left) * mmToPixels)),
                 static_cast<int>(std::lround((frame.bottom - frame.top) * mmToPixels)));
}

bool IsMetafileName(const QString& path) {
    return path.endsWith(QLatin1String(".emf"), Qt::CaseInsensitive);
}

} // namespace

CPictureBox::CPictureBox(QWidget* parent) : QFrame(parent) {
    setAcceptDrops(true);
    setFrameShape(QFrame::Box);
    setCursor(Qt::PointingHandCursor);
}

CPictureBox::~CPictureBox() = default;

bool CPictureBox::LoadPicture(const QString& path) {
    RemovePicture();
    if (path.isEmpty()) return false;
    if (IsMetafileName(path)) {
        const std::optional<zentyra::EmfPicture> picture =
            zentyra::EmfPicture::Load(path.toStdString());
        if (!picture) return false;
        const QSize size = MetafilePixels(picture->frame());
        if (size.isEmpty()) return false;
        metafile_ = std::make_shared<const zentyra::EmfPicture>(*picture);
        naturalSize_ = size;
    } else {
        QImageReader reader(path);
        reader.setAutoTransform(true);
        reader.setAllocationLimit(kMaxPictureAllocationMb);
        QImage image = reader.read();
        if (image.isNull()) return false;
        image_ = std::move(image);
        naturalSize_ = image_.size();
    }
    path_ = path;
    update();
    return true;
}

void CPictureBox::RemovePicture() {
    image_ = QImage();
    metafile_.reset();
    naturalSize_ = QSize();
    path_.clear();
    update();
}

void CPictureBox::setDrawMode(int mode) {
    drawMode_ = mode >= NaturalTopLeft && mode <= Fitted ? mode : Fitted;
    update();
}

QRect CPictureBox::PictureRect() const {
    if (!hasPicture()) return QRect();
    const QRect box = rect();
    const int w = naturalSize_.width();
    const int h = naturalSize_.height();
    switch (drawMode_) {
    case NaturalTopLeft:
        return QRect(0, 0, w, h);
    case NaturalCentred:
        return QRect(box.width() / 2 - w / 2, box.height() / 2 - h / 2, w, h);
    case Stretched:
        return box;
    default: {
        // The same fitting as the pictures on the pages: largest rectangle, centred.
        const zentyra::PageRect fitted =
            zentyra::FitPicture(w, h,
                                zentyra::PageRect{box.left(), box.top(), box.left() + box.width(),
                                                  box.top() + box.height()},
                                0);
        return QRect(fitted.left, fitted.top, fitted.width(), fitted.height());
    }
    }
}

void CPictureBox::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().button());
        if (hasPicture()) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.setClipRect(rect());
            const QRect target = PictureRect();
            if (metafile_)
                metafile_->Play(painter, QRectF(target));
            else
                painter.drawImage(target, image_);
        }
    }
    // The frame line on top of the picture.
    QFrame::paintEvent(event);
}

void CPictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QFrame::mouseReleaseEvent(event);
}

void CPictureBox::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CPictureBox::dropEvent(QDropEvent* event) {
    if (DropFiles(event->mimeData()->urls())) event->acceptProposedAction();
}

bool CPictureBox::DropFiles(const QList<QUrl>& files) {
    // Only the first dropped file counts.
    if (files.isEmpty() || !files.front().isLocalFile()) return false;
    LoadPicture(files.front().toLocalFile());
    return true;
}
