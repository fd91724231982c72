#include "model/window_widths.h"

#include <algorithm>

namespace pipwick {

namespace {

constexpr int32_t kSevenTileUnits = 175;
constexpr int32_t kHalfSevenTileUnits = kSevenTileUnits / 2;
constexpr int32_t kTileUnits = 25;

}  // namespace

int32_t SevenTileWidth(int32_t left, double scale) {
    return static_cast<int32_t>(left + kSevenTileUnits * scale) - left;
}

int32_t SevenTileLeftOf(int32_t right, double scale) {
    return static_cast<int32_t>(right - kSevenTileUnits * scale);
}

int32_t CentredSevenTileLeft(int32_t centre, double scale) {
    return static_cast<int32_t>(centre - kHalfSevenTileUnits * scale);
}

int32_t WidthForTiles(int count, double scale) {
    return count >= 7 ? static_cast<int32_t>(count * kTileUnits * scale) : 0;
}

int32_t HandWindowWidthAfterOpening(const GameState& state, int player, double scale) {
    const int count = HandCount(state, player);
    if (count < 7) {
        return Scaled(kSevenTileUnits, scale);
    }
    return WidthForTiles(count, scale);
}

int32_t LeftOnScreen(int32_t homeLeft, int32_t width, int32_t screenWidth) {
    return std::max(0, std::min(homeLeft, screenWidth - width));
}

}  // namespace pipwick
