#pragma once
// Picture sizes for the layout from the files themselves: a bitmap's pixel size from its
// header (nothing is decoded) and a metafile's header frame.
#include "render/PictureProbe.h"

namespace zentyra {

class QtPictureProbe final : public PictureProbe {
public:
    std::optional<PixelSize> BitmapSize(const std::string& path) override;
    std::optional<PageRect> MetafileFrame(const std::string& path) override;
};

} // namespace zentyra
