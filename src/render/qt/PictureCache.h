#pragma once
// Decoded pictures for replay. Bitmaps are decoded only as large as they are drawn (bounded by
// the image reader's allocation limit, so a huge file never exhausts memory) and kept in a
// small LRU, so a logo on every page is decoded once. A file that cannot be read draws nothing
// and is reported once. Files are assumed not to change while a cache lives: make one per
// print job, preview or export.
#include <QImage>
#include <QSize>

#include <cstddef>
#include <functional>
#include <list>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>

namespace zentyra {

class EmfPicture;

class PictureCache {
public:
    using Reporter = std::function<void(std::string_view message)>;
    static constexpr std::size_t kDefaultByteBudget = std::size_t{192} << 20;
    static constexpr std::size_t kMetafileCount = 8;

    // Problems go to reporter, or through DebugMsg when none is given.
    explicit PictureCache(Reporter reporter = {}, std::size_t byteBudget = kDefaultByteBudget);
    ~PictureCache();
    PictureCache(const PictureCache&) = delete;
    PictureCache& operator=(const PictureCache&) = delete;

    // The bitmap decoded at no more than wanted pixels (and never above its own size), or a
    // null image when the file cannot be read.
    QImage Bitmap(const std::string& path, QSize wanted);
    // The metafile ready to play, or null when it cannot be loaded.
    std::shared_ptr<const EmfPicture> Metafile(const std::string& path);

private:
    using BitmapKey = std::pair<std::string, std::pair<int, int>>;
    struct CachedBitmap {
        BitmapKey key;
        QImage image;
    };
    struct CachedMetafile {
        std::string path;
        std::shared_ptr<const EmfPicture> picture;
    };

    // The pixel size in the file's header, read once; nullopt when the file cannot be read.
    std::optional<QSize> SourceSize(const std::string& path);
    QImage Decode(const std::string& path, QSize source, QSize size);
    void Remember(BitmapKey key, const QImage& image);
    void Fail(const std::string& path, std::string_view reason);

    Reporter reporter_;
    std::size_t byteBudget_;
    std::size_t bytes_ = 0;
    std::list<CachedBitmap> bitmaps_; // most recently used first
    std::map<BitmapKey, std::list<CachedBitmap>::iterator> bitmapIndex_;
    std::map<std::string, QSize> sourceSizes_;
    std::list<CachedMetafile> metafiles_; // most recently used first
    std::set<std::string> failed_;
};

} // namespace zentyra
