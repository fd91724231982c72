#pragma once

#include <cstdint>
#include <vector>

#include "model/geometry.h"

namespace pipwick {

// A true-colour picture: width x height pixels of 0x00RRGGBB, rows top to bottom.
//
// The raster operations take a destination rectangle and a source canvas with the top-left corner
// of the area to read, like a bit-block transfer. Both rectangles are clipped to their canvases, so
// nothing is ever read or written out of bounds; the source may be this same canvas, and
// overlapping areas give the result that a copy through a temporary buffer would.
class Canvas {
  public:
    enum class RasterOp { Copy, And, Or };

    Canvas() = default;
    Canvas(int32_t width, int32_t height, uint32_t colour = 0);

    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    const std::vector<uint32_t>& Pixels() const { return pixels_; }

    // Pixel access for tests and file writers; out-of-range reads give 0, writes are ignored.
    uint32_t Pixel(int32_t x, int32_t y) const;
    void SetPixel(int32_t x, int32_t y, uint32_t colour);

    void Fill(const Rect& area, uint32_t colour);

    void Copy(int32_t x, int32_t y, int32_t width, int32_t height, const Canvas& source,
              int32_t sourceX, int32_t sourceY);
    void And(int32_t x, int32_t y, int32_t width, int32_t height, const Canvas& source,
             int32_t sourceX, int32_t sourceY);
    void Or(int32_t x, int32_t y, int32_t width, int32_t height, const Canvas& source,
            int32_t sourceX, int32_t sourceY);
    void Blit(int32_t x, int32_t y, int32_t width, int32_t height, const Canvas& source,
              int32_t sourceX, int32_t sourceY, RasterOp op);

    friend bool operator==(const Canvas&, const Canvas&) = default;

  private:
    bool Inside(int32_t x, int32_t y) const {
        return x >= 0 && y >= 0 && x < width_ && y < height_;
    }

    int32_t width_ = 0;
    int32_t height_ = 0;
    std::vector<uint32_t> pixels_;
};

}  // namespace pipwick
