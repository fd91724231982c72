#pragma once

#include <cstdint>

#include "model/game_state.h"

namespace pipwick {

// How wide a player window is for the hand it shows. A window has room for seven tiles and grows
// by 25 design units a tile from the eighth on; it never gets narrower than seven tiles while a
// hand is played, and only a new hand or an opened game narrows it again.

// The outer width of a player window at the start of a hand: room for seven tiles, measured from
// its left edge so that its right edge lands where seven tiles' worth from that edge truncates.
int32_t SevenTileWidth(int32_t left, double scale);

// The left edge of a seven-tile window whose outer right edge is at right.
int32_t SevenTileLeftOf(int32_t right, double scale);

// The left edge of a seven-tile window centred on centre. Half of seven tiles is taken as 87
// units, truncated from 87.5, as the windows have always been placed.
int32_t CentredSevenTileLeft(int32_t centre, double scale);

// The outer width for a hand of count tiles, or 0 when the width should stay.
int32_t WidthForTiles(int count, double scale);

// The width of a player's window after opening a game: seven tiles' worth for fewer than seven,
// 25 units a tile from seven on, a full hand of 21 among them.
int32_t HandWindowWidthAfterOpening(const GameState& state, int player, double scale);

// The left edge of a window of width that belongs at homeLeft: there while it fits on the screen,
// else as far left as the screen's right edge needs, and never off the screen's left edge.
int32_t LeftOnScreen(int32_t homeLeft, int32_t width, int32_t screenWidth);

}  // namespace pipwick
