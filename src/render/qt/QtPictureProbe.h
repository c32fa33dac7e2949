#pragma once
// Picture sizes for the layout from the files themselves: a bitmap's pixel size from its
// header (nothing is decoded) and a metafile's header frame. A file that exists but cannot be
// read is reported once; a missing one is not, since pieces name pictures that may not exist.
// Answers are kept per path for the probe's life (one layout run), so the logo of every page
// is read once.
#include "render/PictureProbe.h"

#include <map>
#include <string>

namespace zentyra {

class QtPictureProbe final : public PictureProbe {
public:
    std::optional<PixelSize> BitmapSize(const std::string& path) override;
    std::optional<PageRect> MetafileFrame(const std::string& path) override;

private:
    std::map<std::string, std::optional<PixelSize>> bitmaps_;
    std::map<std::string, std::optional<PageRect>> metafiles_;
};

} // namespace zentyra
