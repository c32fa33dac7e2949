#include "render/FontMetrics.h"

#include "platform/Text.h"

namespace zentyra {

TextMetrics TestFontMetrics::Metrics(ReportFont font) const {
    const int h = SpecOf(font).cellHeight;
    return TextMetrics{h, h - h / 5, h / 5, 0};
}

int TestFontMetrics::TextWidth(ReportFont font, std::string_view text) const {
    const int h = SpecOf(font).cellHeight;
    return static_cast<int>(Utf16Length(text)) * (h / 2);
}

} // namespace zentyra
