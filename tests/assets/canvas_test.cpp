#include "assets/canvas.h"

#include <gtest/gtest.h>

#include <random>

namespace pipwick {
namespace {

Canvas Numbered(int32_t width, int32_t height, uint32_t salt) {
    Canvas canvas(width, height);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            canvas.SetPixel(x, y, (salt << 16) ^ static_cast<uint32_t>(y * 131 + x * 7 + 1));
        }
    }
    return canvas;
}

// The transfer pixel by pixel from an unchanged copy of the source: what Blit must equal.
Canvas Reference(const Canvas& destination, int32_t x, int32_t y, int32_t w, int32_t h,
                 const Canvas& source, int32_t sx, int32_t sy, Canvas::RasterOp op) {
    Canvas result = destination;
    for (int32_t j = 0; j < h; ++j) {
        for (int32_t i = 0; i < w; ++i) {
            const bool readable =
                sx + i >= 0 && sy + j >= 0 && sx + i < source.Width() && sy + j < source.Height();
            const bool writable = x + i >= 0 && y + j >= 0 && x + i < destination.Width() &&
                                  y + j < destination.Height();
            if (!readable || !writable) {
                continue;
            }
            const uint32_t from = source.Pixel(sx + i, sy + j);
            const uint32_t to = destination.Pixel(x + i, y + j);
            const uint32_t value = op == Canvas::RasterOp::And  ? (to & from)
                                   : op == Canvas::RasterOp::Or ? (to | from)
                                                                : from;
            result.SetPixel(x + i, y + j, value);
        }
    }
    return result;
}

TEST(Canvas, FillIsClippedToTheCanvas) {
    Canvas canvas(6, 4, 0x111111);
    canvas.Fill({-3, 2, 2, 9}, 0xABCDEF);
    canvas.Fill({5, -1, 4, 3}, 0x222222);  // right before left: nothing
    for (int32_t y = 0; y < 4; ++y) {
        for (int32_t x = 0; x < 6; ++x) {
            EXPECT_EQ(canvas.Pixel(x, y), x < 2 && y >= 2 ? 0xABCDEFu : 0x111111u) << x << "," << y;
        }
    }
}

TEST(Canvas, PixelsOutsideReadZeroAndIgnoreWrites) {
    Canvas canvas(2, 2, 0x010203);
    canvas.SetPixel(-1, 0, 5);
    canvas.SetPixel(2, 1, 5);
    canvas.SetPixel(0, 2, 5);
    EXPECT_EQ(canvas, Canvas(2, 2, 0x010203));
    EXPECT_EQ(canvas.Pixel(2, 0), 0u);
    EXPECT_EQ(canvas.Pixel(0, -1), 0u);
}

// Random rectangles reaching past every edge, between two canvases and within one, for all three
// operations, against the pixel-by-pixel reference.
TEST(Canvas, TransfersMatchTheReferenceEverywhere) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int32_t> coordinate(-6, 14);
    std::uniform_int_distribution<int32_t> extent(-2, 12);
    const Canvas::RasterOp ops[] = {Canvas::RasterOp::Copy, Canvas::RasterOp::And,
                                    Canvas::RasterOp::Or};
    for (int trial = 0; trial < 3000; ++trial) {
        const Canvas::RasterOp op = ops[trial % 3];
        const bool sameCanvas = trial % 2 == 0;
        Canvas destination = Numbered(11, 9, 1);
        const Canvas other = Numbered(8, 10, 2);
        const int32_t x = coordinate(random), y = coordinate(random);
        const int32_t w = extent(random), h = extent(random);
        const int32_t sx = coordinate(random), sy = coordinate(random);
        const Canvas& source = sameCanvas ? destination : other;
        const Canvas expected = Reference(destination, x, y, w, h, Canvas(source), sx, sy, op);
        destination.Blit(x, y, w, h, source, sx, sy, op);
        ASSERT_EQ(destination, expected)
            << "trial " << trial << " same " << sameCanvas << " dest " << x << "," << y << " size "
            << w << "x" << h << " from " << sx << "," << sy;
    }
}

}  // namespace
}  // namespace pipwick
