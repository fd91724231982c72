#pragma once

#include "assets/bitmap_file.h"
#include "assets/canvas.h"

namespace pipwick::artwork {

// Turns a true-colour picture into an 8-bit one. Pure black is always entry 0 and pure white
// entry 255; entry 57 is left unused, for the table's background colour. Every other colour is
// matched to one of at most 253 entries found by median cut, weighted by how often it occurs.
IndexedBitmap Quantize(const Canvas& picture);

}  // namespace pipwick::artwork
