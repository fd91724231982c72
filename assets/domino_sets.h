#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "assets/canvas.h"
#include "assets/image_store.h"

namespace pipwick {

constexpr int32_t kDominoSetCount = 7;  // wood, black, bone, red, green, blue, marble
constexpr int32_t kSizeClassCount = 3;  // small, medium, large: scales 1.0, 1.5, 2.0
constexpr int32_t kSampleBitmapId = 172;
constexpr int32_t kBackgroundColourIndex = 57;  // the colour-table entry no artwork pixel uses

// Where the artwork of one set in one size lives: its resource number and the file name the
// container stores.
struct DominoSetResource {
    int32_t id = 0;
    const char* fileName = "";
};

// Set 1..7 and size class 0..2; nothing for values outside those ranges.
std::optional<DominoSetResource> FindDominoSetResource(int32_t dominoSet, int32_t sizeClass);

double ScaleOfSizeClass(int32_t sizeClass);

// The artwork strip of each size, in pixels: the small layout scaled and truncated.
constexpr int32_t kStripWidth[kSizeClassCount] = {44, 66, 88};
constexpr int32_t kStripHeight[kSizeClassCount] = {135, 202, 270};

// The background choice as the settings hold it: "bkcolor", and "bkred", "bkgreen", "bkblue" for
// a custom colour (used for any "bkcolor" of 8 or more).
struct BackgroundSettings {
    int32_t choice = 4;
    int32_t red = 0;
    int32_t green = 128;
    int32_t blue = 128;
};

// The table colour as 0x00RRGGBB. Custom values outside 0..255 are clamped to that range.
uint32_t BackgroundColorOf(const BackgroundSettings& settings);

// What a load of a domino set builds: the canvas that holds the artwork strip, the composing
// cells and the table picture (688 x 480 design units at the set's scale), the background colour
// it was filled with, and the colour table of the artwork with entry 57 set to that colour.
struct TableCanvas {
    Canvas canvas;
    double scale = 1.0;
    uint32_t backgroundColor = 0;
    std::array<uint32_t, 256> palette{};
};

// Rebuilds `table` for a set and size: decodes the set's container from `source`, copies the
// strip pixel for pixel (entry 57 of its colours replaced by the background colour), and fills
// the composing cells with `buttonFace` and the rest with the background colour. On any failure
// it returns a message and leaves `table` as it was.
std::optional<std::string> LoadDominoSet(int32_t dominoSet, int32_t sizeClass,
                                         const BackgroundSettings& background, uint32_t buttonFace,
                                         const ResourceSource& source, TableCanvas& table);

// The preferences dialog's sample is one upright tile at scale 1.
constexpr int32_t kSampleSide = kTileWidthUnits;
constexpr int32_t kSampleHeight = kTileLengthUnits;

// Where the preferences dialog shows its sample and colour swatch, from its controls' rectangles
// in dialog client coordinates.
Point SamplePosition(const Rect& setGroupBox, const Rect& setEditBox);
Rect SwatchRect(const Rect& colourGroupBox, const Rect& colourEditBox);

// Draws the sample of `dominoSet` from bitmap 172 (mask with AND, picture with OR) at `sample`,
// with entry 57 shown as `colour`, and fills `swatch` with `colour`. Returns a message and draws
// nothing when the bitmap is missing or malformed, or the set is outside 1..7.
std::optional<std::string> DrawDominoSample(Canvas& dialog, int32_t dominoSet, uint32_t colour,
                                            Point sample, const Rect& swatch,
                                            const ResourceSource& source);

}  // namespace pipwick
