#pragma once
// What the layout needs to know of picture files before it places them: a bitmap's pixel size
// and a metafile's frame. Reading the pictures themselves is left to replay.
#include "render/PageTypes.h"

#include <optional>
#include <string>

namespace zentyra {

class PictureProbe {
public:
    virtual ~PictureProbe() = default;
    // Pixel size of a bitmap file the image loader can read; nullopt when it cannot.
    virtual std::optional<PixelSize> BitmapSize(const std::string& path) = 0;
    // The header frame of an enhanced metafile (0.01 mm); nullopt when it cannot be opened.
    virtual std::optional<PageRect> MetafileFrame(const std::string& path) = 0;
};

} // namespace zentyra
