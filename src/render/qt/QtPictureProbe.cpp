#include "render/qt/QtPictureProbe.h"

#include "render/qt/EmfPicture.h"

#include <QImageReader>
#include <QString>

namespace zentyra {

std::optional<PixelSize> QtPictureProbe::BitmapSize(const std::string& path) {
    QImageReader reader(QString::fromStdString(path));
    // The logo and product pictures do not always carry the extension of their format.
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead()) return std::nullopt;
    const QSize size = reader.size();
    if (size.width() <= 0 || size.height() <= 0) return std::nullopt;
    return PixelSize{size.width(), size.height()};
}

std::optional<PageRect> QtPictureProbe::MetafileFrame(const std::string& path) {
    const std::optional<EmfFrame> frame = EmfPicture::ReadFrame(path);
    if (!frame) return std::nullopt;
    return PageRect{frame->left, frame->top, frame->right, frame->bottom};
}

} // namespace zentyra
