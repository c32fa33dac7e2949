#pragma once
// Text measurement in page units. The layout asks only this, so it runs the same on real fonts
// and on the fixed metrics of the tests.
#include "render/PageTypes.h"

#include <string_view>

namespace zentyra {

class FontMetrics {
public:
    virtual ~FontMetrics() = default;
    virtual TextMetrics Metrics(ReportFont font) const = 0;
    // Advance width of a UTF-8 text, rounded to whole units.
    virtual int TextWidth(ReportFont font, std::string_view text) const = 0;
};

// Fixed metrics for tests and for dumps that must not depend on installed fonts: for a cell
// height h every UTF-16 unit advances h / 2, ascent h - h / 5, descent h / 5, no leading.
class TestFontMetrics final : public FontMetrics {
public:
    TextMetrics Metrics(ReportFont font) const override;
    int TextWidth(ReportFont font, std::string_view text) const override;
};

} // namespace zentyra
