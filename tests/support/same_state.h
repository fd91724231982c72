#pragma once

#include <cstring>

#include "model/game_state.h"

namespace pipwick {

// Byte for byte: what is left untouched keeps every field, padding and spare records included.
inline bool SameState(const GameState& a, const GameState& b) {
    return std::memcmp(&a, &b, sizeof(GameState)) == 0;
}

}  // namespace pipwick
