#pragma once

#include <cstdint>
#include <vector>

#include "model/geometry.h"

namespace pipwick {

struct ScreenSize {
    int32_t width = 0;
    int32_t height = 0;
};

// Where the player windows and the pop-up sit. Every rectangle is a window's outer edge, frame
// included, in screen pixels (right and bottom just outside), placed at the screen's edges.

// The human's window, centred at the bottom of the screen.
Rect HumanWindowRect(const ScreenSize& screen, double scale);

// A computer player's window by its index: 1 for player 2 at the left edge, 2 for player 3 at the
// top, 3 for player 4 at the right edge.
Rect OpponentWindowRect(int index, const ScreenSize& screen, double scale);

// The window index of computer player 2, 3 or 4, and the other way round.
constexpr int OpponentIndex(int player) {
    return player - 1;
}
constexpr int OpponentPlayer(int index) {
    return index + 1;
}

// The most tiles a computer player can ever hold, so the most slots its window shows.
int OpponentSlotCount(int index);

// The status pop-up: 175 x 90 pixels at every scale, just above the human's window, but never
// above the top of the screen.
Rect PopupRect(const Rect& humanWindow);
// The pop-up at that height where it covers none of tiles (screen pixels): its usual place when
// that is clear, else the clear place along the screen's width nearest to it, else the usual place.
Rect PopupRectClearOf(const Rect& humanWindow, const std::vector<Rect>& tiles, int32_t screenWidth);

// The human's window once its client area (below the menu bar) is known: taller when the menu bar
// took the hand's room, and moved up to 10 pixels above the screen's bottom if that pushed it off.
Rect CorrectHumanHeight(const Rect& window, int32_t clientHeight, double scale,
                        int32_t screenHeight);

// A computer player's window once its client area is known: taller without moving.
Rect CorrectOpponentHeight(const Rect& window, int32_t clientHeight, double scale);

}  // namespace pipwick
