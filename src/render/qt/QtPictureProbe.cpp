#include "render/qt/QtPictureProbe.h"

#include "platform/Messages.h"
#include "platform/Path.h"
#include "emf/EmfPicture.h"

#include <QImageReader>
#include <QString>

namespace zentyra {

namespace {

std::optional<PixelSize> ReadBitmapSize(const std::string& path) {
    QImageReader reader(QString::fromStdString(path));
    // The logo and product pictures do not always carry the extension of their format.
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.canRead() ? reader.size() : QSize();
    if (size.width() <= 0 || size.height() <= 0) {
        if (FileExists(path)) {
            const QString why = reader.errorString();
            DebugMsg("Picture " + path + " cannot be read: " +
                     (why.isEmpty() ? std::string("unknown format") : why.toStdString()));
        }
        return std::nullopt;
    }
    return PixelSize{size.width(), size.height()};
}

} // namespace

std::optional<PixelSize> QtPictureProbe::BitmapSize(const std::string& path) {
    const auto known = bitmaps_.find(path);
    if (known != bitmaps_.end()) return known->second;
    return bitmaps_[path] = ReadBitmapSize(path);
}

std::optional<PageRect> QtPictureProbe::MetafileFrame(const std::string& path) {
    const auto known = metafiles_.find(path);
    if (known != metafiles_.end()) return known->second;
    std::string error;
    const std::optional<EmfFrame> frame = EmfPicture::ReadFrame(path, &error);
    std::optional<PageRect> answer;
    if (frame)
        answer = PageRect{frame->left, frame->top, frame->right, frame->bottom};
    else if (FileExists(path))
        DebugMsg(error);
    return metafiles_[path] = answer;
}

} // namespace zentyra
