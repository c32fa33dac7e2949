#pragma once
// Replay of a recorded page onto any QPainter: screen preview, printer, PDF and PNG all draw
// through this one function.
#include "render/RecordedPage.h"

class QPainter;

namespace zentyra {

class PictureCache;

// Draws every op of the page in order. The caller sets the painter's transform so that one unit
// is 0.1 mm with the origin at the printable area's top-left; the device pixels per unit that
// picture decoding and the metafile clip need are taken from that transform. Leaves the
// painter's state as it found it.
void ReplayPage(const RecordedPage& page, QPainter& painter, PictureCache& pictures);

} // namespace zentyra
