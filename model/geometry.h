#pragma once

#include <cstdint>

namespace pipwick {

// A rectangle in window client pixels: left and top inside, right and bottom just outside.
struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    bool Contains(int32_t x, int32_t y) const {
        return x >= left && x < right && y >= top && y < bottom;
    }
    // A rectangle whose left and right are both 0 is an empty drop area and is never hit.
    bool IsEmpty() const { return left == 0 && right == 0; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Point {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Lengths are given in units of the 640 x 480 design; this turns one into pixels at a scale,
// truncating toward zero as every stored coordinate does.
inline int32_t Scaled(double units, double scale) {
    return static_cast<int32_t>(units * scale);
}

// A tile in design units. An upright tile is kTileWidthUnits wide and kTileLengthUnits high, a
// lying one the other way round; each half is a kTileWidthUnits square, and the second half starts
// kSecondHalfUnits after the first, so the two share the unit of the dividing line.
constexpr int32_t kTileWidthUnits = 22;
constexpr int32_t kTileLengthUnits = 43;
constexpr int32_t kSecondHalfUnits = 21;

inline Rect Union(const Rect& a, const Rect& b) {
    return {a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top,
            a.right > b.right ? a.right : b.right, a.bottom > b.bottom ? a.bottom : b.bottom};
}

constexpr int kHandSlots = 21;

// The fixed rectangles of one run, computed once from the scale and the screen.
struct Geometry {
    double ScaleFactor = 1.0;
    int32_t SizeClass = 0;
    Rect TableRect;
    Rect CentreTileRect;
    Rect HandSlotRect[kHandSlots];
    Rect OpponentSlotRect[kHandSlots];
};

Geometry MakeGeometry(double scale, int32_t screenWidth, int32_t screenHeight);

}  // namespace pipwick
