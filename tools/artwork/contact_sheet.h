#pragma once

#include <array>

#include "assets/canvas.h"

namespace pipwick::artwork {

// The strips of every set (rows) at every size (columns), true colour as the game shows them.
using StripSet = std::array<std::array<Canvas, 3>, 7>;

// One picture to judge the artwork by: for each set, its three strips enlarged, then tiles
// composed from each size as the game draws them (plain, highlighted, face down and lying) on the
// default table colour, enlarged twice.
Canvas MakeContactSheet(const StripSet& strips);

}  // namespace pipwick::artwork
