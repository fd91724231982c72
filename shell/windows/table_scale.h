#pragma once

#include <cstdint>

namespace pipwick {

// The scale of the 640 x 480 design for this run and whether the table-size setting must be
// written back as Auto.
struct ScaleChoice {
    double scale = 1.0;
    int32_t sizeClass = 0;
    bool rewriteAsAuto = false;
};

// Chooses the scale from the screen width and the "tblsz" setting (0 Auto, 1 Small, 2 Medium,
// 3 Large). Auto is small up to 800 pixels, medium below 1280 and large from there on. A size the
// screen cannot hold falls back to small for this run and to Auto in the file.
ScaleChoice ChooseScale(int32_t screenWidth, int32_t tableSize);

// The artwork to compose the tiles with on a screen of devicePixelRatio screen pixels to a window
// pixel: the size whose scale is the window scale times the ratio, so that every pixel of a tile
// is one of the screen's. When no size matches, the window scale's own, which Qt enlarges.
ScaleChoice ArtworkForScreen(const ScaleChoice& window, double devicePixelRatio);

}  // namespace pipwick
