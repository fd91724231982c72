#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "assets/canvas.h"

namespace pipwick {

// An 8-bit picture with its 256-entry colour table, as held in a bitmap file. Colours are
// 0x00RRGGBB; `flags` keeps each entry's fourth byte. Rows are stored top to bottom here,
// whatever their order in the file.
struct IndexedBitmap {
    int32_t width = 0;
    int32_t height = 0;
    std::array<uint32_t, 256> colours{};
    std::array<uint8_t, 256> flags{};
    std::vector<uint8_t> pixels;  // width x height colour indices

    uint8_t Index(int32_t x, int32_t y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    uint32_t Colour(int32_t x, int32_t y) const { return colours[Index(x, y)]; }
};

constexpr int32_t kBitmapHeadersSize = 14 + 40;
constexpr int32_t kBitmap8PixelOffset = kBitmapHeadersSize + 256 * 4;  // 1078

// Parses an uncompressed 8-bit bitmap file with a 256-entry colour table. Anything else, or a
// file whose headers promise more bytes than it holds, is refused with a message in `error`.
std::optional<IndexedBitmap> ReadBitmap8(std::span<const uint8_t> file, std::string* error);

// The file for an 8-bit bitmap: headers, the colour table and bottom-up rows padded to 4 bytes.
std::vector<uint8_t> WriteBitmap8(const IndexedBitmap& bitmap);

// The file for a canvas as a 24-bit bitmap, for snapshots and previews.
std::vector<uint8_t> WriteBitmap24(const Canvas& canvas);

// Copies the colours of an area of the bitmap onto a canvas, pixel for pixel, clipped to both.
void CopyBitmapToCanvas(const IndexedBitmap& bitmap, const Rect& from, Canvas& canvas, Point to);

}  // namespace pipwick
