#pragma once

#include <cstdint>

namespace pipwick::artwork {

// A colour with channels 0..255 as doubles, so shading can mix and scale before rounding.
struct Colour {
    double r = 0, g = 0, b = 0;
};

enum class Surface { WoodGrain, Gloss, Ivory, Marble };

// The look of one domino set: the face and its surface, the pips and the dividing line, and the
// rim that outlines the tile against any table colour.
struct SetStyle {
    const char* name;
    Surface surface;
    Colour face;
    Colour faceDetail;  // grain, veins or mottling
    Colour pip;
    Colour line;
    Colour rim;
};

// Sets 1..7 in the order of the settings: wood, black, bone, red, green, blue, marble.
const SetStyle& StyleOfSet(int32_t dominoSet);

// The selected tile turns gold with a dark orange rim and dark pips, whatever the set.
constexpr Colour kHighlightFace = {255, 212, 60};
constexpr Colour kHighlightRim = {196, 84, 0};
constexpr Colour kHighlightPip = {58, 30, 6};
constexpr Colour kHighlightLine = {150, 88, 18};

}  // namespace pipwick::artwork
