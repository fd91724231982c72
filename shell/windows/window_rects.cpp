#include "shell/windows/window_rects.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "model/window_widths.h"

namespace pipwick {

namespace {

Rect FromSize(int32_t x, int32_t y, int32_t width, int32_t height) {
    return {x, y, x + width, y + height};
}

// Grows a window so that its client area is at least minimum high (the difference truncated).
Rect Taller(const Rect& window, int32_t clientHeight, double minimum) {
    Rect taller = window;
    if (clientHeight < minimum) {
        taller.bottom += static_cast<int32_t>(minimum - clientHeight);
    }
    return taller;
}

bool Overlaps(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool CoversNone(const Rect& place, const std::vector<Rect>& tiles) {
    return std::none_of(tiles.begin(), tiles.end(),
                        [&place](const Rect& tile) { return Overlaps(place, tile); });
}

}  // namespace

Rect HumanWindowRect(const ScreenSize& screen, double scale) {
    const int32_t x = CentredSevenTileLeft(screen.width / 2, scale);
    const auto y = static_cast<int32_t>(screen.height - 10 - kTileLengthUnits * scale - 63);
    return FromSize(x, y, SevenTileWidth(x, scale), screen.height - 10 - y);
}

Rect OpponentWindowRect(int index, const ScreenSize& screen, double scale) {
    if (index == 1) {
        const double middle = screen.height / 2 - 25 * scale;
        const auto bottom = static_cast<int32_t>(middle);
        const auto y = static_cast<int32_t>(bottom - kTileLengthUnits * scale - 31);
        return FromSize(3, y, SevenTileWidth(3, scale), bottom - y);
    }
    if (index == 2) {
        const int32_t x = CentredSevenTileLeft(screen.width / 2, scale);
        return FromSize(x, 3, SevenTileWidth(x, scale),
                        static_cast<int32_t>(kTileLengthUnits * scale + 34) - 3);
    }
    const int32_t x = SevenTileLeftOf(screen.width - 3, scale);
    const auto y = static_cast<int32_t>(screen.height / 2 + 25 * scale);
    return FromSize(x, y, screen.width - 3 - x,
                    static_cast<int32_t>(y + kTileLengthUnits * scale + 31) - y);
}

int OpponentSlotCount(int index) {
    constexpr int kSlots[4] = {0, 14, 21, 7};
    return index >= 1 && index <= 3 ? kSlots[index] : 0;
}

Rect PopupRect(const Rect& humanWindow) {
    constexpr int32_t kWidth = 175;
    constexpr int32_t kHeight = 90;
    const int32_t y = humanWindow.top - kHeight;
    return FromSize(humanWindow.left, y < 0 ? 0 : y, kWidth, kHeight);
}

// A clear place, if there is one, starts at the screen's left edge or just right of a tile, or
// ends at the right edge or just left of a tile.
Rect PopupRectClearOf(const Rect& humanWindow, const std::vector<Rect>& tiles,
                      int32_t screenWidth) {
    const Rect usual = PopupRect(humanWindow);
    if (CoversNone(usual, tiles)) {
        return usual;
    }
    const int32_t width = usual.right - usual.left;
    std::vector<int32_t> lefts = {0, screenWidth - width};
    for (const Rect& tile : tiles) {
        lefts.push_back(tile.right);
        lefts.push_back(tile.left - width);
    }
    std::optional<Rect> best;
    for (const int32_t left : lefts) {
        const Rect place{left, usual.top, left + width, usual.bottom};
        const bool nearer =
            !best || std::abs(left - usual.left) < std::abs(best->left - usual.left);
        if (left >= 0 && left + width <= screenWidth && nearer && CoversNone(place, tiles)) {
            best = place;
        }
    }
    return best.value_or(usual);
}

Rect CorrectHumanHeight(const Rect& window, int32_t clientHeight, double scale,
                        int32_t screenHeight) {
    Rect corrected = Taller(window, clientHeight, 62 * scale);
    if (corrected.bottom > screenHeight) {
        const int32_t shift = corrected.bottom - (screenHeight - 10);
        corrected.top -= shift;
        corrected.bottom -= shift;
    }
    return corrected;
}

Rect CorrectOpponentHeight(const Rect& window, int32_t clientHeight, double scale) {
    return Taller(window, clientHeight, 50 * scale);
}

}  // namespace pipwick
