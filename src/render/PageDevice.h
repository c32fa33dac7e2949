#pragma once
// The surface the painter and the tables draw on: a device context with one selected font, a
// text alignment and colour, and the grey rule pen. Drawing without an open page has no effect.
#include "render/PageTypes.h"

#include <string_view>

namespace zentyra {

class PageDevice {
public:
    virtual ~PageDevice() = default;

    virtual void SelectFont(ReportFont font) = 0;
    virtual ReportFont selectedFont() const = 0;
    virtual void SetTextAlign(TextAlign align) = 0;
    virtual TextAlign textAlign() const = 0;
    virtual void SetTextColour(Colour colour) = 0;
    virtual Colour textColour() const = 0;

    // Text at (x, y) with the current font, alignment and colour, clipped when clip is given.
    virtual void TextOut(int x, int y, std::string_view text, const PageRect* clip = nullptr) = 0;
    // A rule with the grey pen.
    virtual void Line(PagePoint from, PagePoint to) = 0;
    // A picture file drawn into rect; box is the area it was fitted into.
    virtual void Picture(PictureKind kind, std::string_view file, PageRect box, PageRect rect) = 0;

    virtual TextMetrics Metrics() const = 0;                // of the selected font
    virtual int TextWidth(std::string_view text) const = 0; // in the selected font
};

} // namespace zentyra
