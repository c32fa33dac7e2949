#include "render/qt/PictureCache.h"

#include "platform/Messages.h"
#include "emf/EmfPicture.h"

#include <QImageReader>
#include <QString>

#include <algorithm>
#include <cmath>

namespace zentyra {

namespace {

void Configure(QImageReader& reader) {
    // The logo and product pictures do not always carry the extension of their format.
    reader.setDecideFormatFromContent(true);
    // The layout placed the picture by its stored size, so no orientation is applied.
    reader.setAutoTransform(false);
}

// Decoding at a size the reader would refuse only fails later; stay just below its limit.
double DecodePixelBudget() {
    const int limitMb = QImageReader::allocationLimit();
    const double limitBytes = (limitMb > 0 ? limitMb : 256) * 1024.0 * 1024.0;
    return limitBytes * 0.9 / 4;
}

QSize DecodeSize(QSize source, QSize wanted) {
    double width = std::clamp(wanted.width(), 1, source.width());
    double height = std::clamp(wanted.height(), 1, source.height());
    const double budget = DecodePixelBudget();
    if (width * height > budget) {
        const double shrink = std::sqrt(budget / (width * height));
        width = std::max(1.0, std::floor(width * shrink));
        height = std::max(1.0, std::floor(height * shrink));
    }
    return QSize(static_cast<int>(width), static_cast<int>(height));
}

} // namespace

PictureCache::PictureCache(Reporter reporter, std::size_t byteBudget)
    : reporter_(std::move(reporter)), byteBudget_(byteBudget) {}

PictureCache::~PictureCache() = default;

QImage PictureCache::Bitmap(const std::string& path, QSize wanted) {
    if (failed_.contains(path) || wanted.isEmpty()) return {};
    const std::optional<QSize> source = SourceSize(path);
    if (!source) return {};
    const QSize size = source->isValid() ? DecodeSize(*source, wanted) : wanted;
    BitmapKey key{path, {size.width(), size.height()}};
    if (const auto found = bitmapIndex_.find(key); found != bitmapIndex_.end()) {
        bitmaps_.splice(bitmaps_.begin(), bitmaps_, found->second);
        return found->second->image;
    }
    QImage image = Decode(path, *source, size);
    if (image.isNull()) return {};
    Remember(std::move(key), image);
    return image;
}

std::shared_ptr<const EmfPicture> PictureCache::Metafile(const std::string& path) {
    if (failed_.contains(path)) return nullptr;
    const auto found =
        std::find_if(metafiles_.begin(), metafiles_.end(),
                     [&](const CachedMetafile& entry) { return entry.path == path; });
    if (found != metafiles_.end()) {
        metafiles_.splice(metafiles_.begin(), metafiles_, found);
        return found->picture;
    }
    std::string error;
    std::optional<EmfPicture> loaded = EmfPicture::Load(path, &error);
    if (!loaded) {
        Fail(path, error.empty() ? "cannot be loaded" : error);
        return nullptr;
    }
    auto picture = std::make_shared<const EmfPicture>(std::move(*loaded));
    metafiles_.push_front(CachedMetafile{path, picture});
    if (metafiles_.size() > kMetafileCount) metafiles_.pop_back();
    return picture;
}

std::optional<QSize> PictureCache::SourceSize(const std::string& path) {
    if (const auto found = sourceSizes_.find(path); found != sourceSizes_.end())
        return found->second;
    QImageReader reader(QString::fromStdString(path));
    Configure(reader);
    if (!reader.canRead()) {
        Fail(path, reader.errorString().toStdString());
        return std::nullopt;
    }
    // An invalid size means the format cannot tell before decoding.
    const QSize size = reader.size();
    sourceSizes_.emplace(path, size);
    return size;
}

QImage PictureCache::Decode(const std::string& path, QSize source, QSize size) {
    QImageReader reader(QString::fromStdString(path));
    Configure(reader);
    if (source.isValid() && size != source) reader.setScaledSize(size);
    QImage image = reader.read();
    if (image.isNull()) {
        Fail(path, reader.errorString().toStdString());
        return {};
    }
    if (!source.isValid() && (image.width() > size.width() || image.height() > size.height()))
        image = image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

void PictureCache::Remember(BitmapKey key, const QImage& image) {
    const auto bytes = static_cast<std::size_t>(image.sizeInBytes());
    while (!bitmaps_.empty() && bytes_ + bytes > byteBudget_) {
        bytes_ -= static_cast<std::size_t>(bitmaps_.back().image.sizeInBytes());
        bitmapIndex_.erase(bitmaps_.back().key);
        bitmaps_.pop_back();
    }
    bitmaps_.push_front(CachedBitmap{key, image});
    bitmapIndex_.emplace(std::move(key), bitmaps_.begin());
    bytes_ += bytes;
}

void PictureCache::Fail(const std::string& path, std::string_view reason) {
    if (!failed_.insert(path).second) return;
    const std::string message = "Picture " + path + " not drawn: " + std::string(reason);
    if (reporter_)
        reporter_(message);
    else
        DebugMsg(message);
}

} // namespace zentyra
