#pragma once

#include "assets/canvas.h"
#include "table/strip_geometry.h"
#include "tools/artwork/set_styles.h"

namespace pipwick::artwork {

// Paints the whole strip of one set at one scale in true colour: both upright faces, the lying
// face, the two masks, the dividing lines and the pips. Outside the tiles the faces are pure
// black and the masks pure white; inside, no face pixel is pure black.
Canvas PaintStrip(const SetStyle& style, const StripGeometry& geometry);

}  // namespace pipwick::artwork
