#pragma once

#include <cstdint>

namespace pipwick {

// What the game lets the player hear. The engine names the moment and its player; the front end
// chooses the sound, or none.
enum class SoundEvent : int32_t {
    kShuffle,    // the tiles are shuffled for a deal
    kTileDrawn,  // player drew a tile from the bone pile
    kPasses,     // player passed and play goes on (the pass that blocks the hand ends it instead)
    kGoesOut,    // player laid his last tile
};

}  // namespace pipwick
