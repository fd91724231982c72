#include "assets/canvas.h"

#include <algorithm>
#include <cstddef>

namespace pipwick {

namespace {

// Moves one edge of a transfer inward until both the destination and the source lie inside
// their canvases; returns the number of pixels cut from the start of that axis.
struct Span {
    int32_t to, from, length;
};

Span ClipSpan(int32_t to, int32_t from, int32_t length, int32_t toLimit, int32_t fromLimit) {
    const int32_t cut = std::max({0, -to, -from});
    to += cut;
    from += cut;
    length -= cut;
    length = std::min({length, toLimit - to, fromLimit - from});
    return {to, from, std::max(length, 0)};
}

uint32_t Apply(Canvas::RasterOp op, uint32_t destination, uint32_t source) {
    switch (op) {
        case Canvas::RasterOp::And:
            return destination & source;
        case Canvas::RasterOp::Or:
            return destination | source;
        case Canvas::RasterOp::Copy:
            break;
    }
    return source;
}

}  // namespace

Canvas::Canvas(int32_t width, int32_t height, uint32_t colour)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_), colour) {}

uint32_t Canvas::Pixel(int32_t x, int32_t y) const {
    return Inside(x, y) ? pixels_[static_cast<size_t>(y) * width_ + x] : 0;
}

void Canvas::SetPixel(int32_t x, int32_t y, uint32_t colour) {
    if (Inside(x, y)) {
        pixels_[static_cast<size_t>(y) * width_ + x] = colour;
    }
}

void Canvas::Fill(const Rect& area, uint32_t colour) {
    const int32_t left = std::max(area.left, 0);
    const int32_t top = std::max(area.top, 0);
    const int32_t right = std::min(area.right, width_);
    const int32_t bottom = std::min(area.bottom, height_);
    for (int32_t y = top; y < bottom; ++y) {
        auto row = pixels_.begin() + static_cast<ptrdiff_t>(y) * width_;
        std::fill(row + left, row + std::max(left, right), colour);
    }
}

void Canvas::Copy(int32_t x, int32_t y, int32_t width, int32_t height, const Canvas& source,
                  int32_t sourceX, int32_t sourceY) {
    Blit(x, y, width, height, source, sourceX, sourceY, RasterOp::Copy);
}

void Canvas::And(int32_t x, int32_t y, int32_t width, int32_t height, const Canvas& source,
                 int32_t sourceX, int32_t sourceY) {
    Blit(x, y, width, height, source, sourceX, sourceY, RasterOp::And);
}

void Canvas::Or(int32_t x, int32_t y, int32_t width, int32_t height, const Canvas& source,
                int32_t sourceX, int32_t sourceY) {
    Blit(x, y, width, height, source, sourceX, sourceY, RasterOp::Or);
}

void Canvas::Blit(int32_t x, int32_t y, int32_t width, int32_t height, const Canvas& source,
                  int32_t sourceX, int32_t sourceY, RasterOp op) {
    const Span cols = ClipSpan(x, sourceX, width, width_, source.width_);
    const Span rows = ClipSpan(y, sourceY, height, height_, source.height_);
    if (cols.length == 0 || rows.length == 0) {
        return;
    }
    // Within one canvas, walk rows and columns away from the side the source lies on, so that
    // every source pixel is read before the transfer overwrites it.
    const bool upward = &source == this && rows.from < rows.to;
    const bool leftward = &source == this && rows.from == rows.to && cols.from < cols.to;
    for (int32_t i = 0; i < rows.length; ++i) {
        const int32_t row = upward ? rows.length - 1 - i : i;
        const uint32_t* from = source.pixels_.data() +
                               static_cast<size_t>(rows.from + row) * source.width_ + cols.from;
        uint32_t* to = pixels_.data() + static_cast<size_t>(rows.to + row) * width_ + cols.to;
        for (int32_t j = 0; j < cols.length; ++j) {
            const int32_t col = leftward ? cols.length - 1 - j : j;
            to[col] = Apply(op, to[col], from[col]);
        }
    }
}

}  // namespace pipwick
