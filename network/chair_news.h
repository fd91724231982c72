#pragma once

#include <cstdint>

#include "model/game_state.h"

namespace pipwick {

// What happened at a table, as one chair may learn it. Each move of the game is one item of news
// for every chair; what an item holds depends on whose chair it is written for.
enum class NewsKind : int32_t {
    kGameStarted,  // every score is 0; rules holds the game, partners and target
    kHandDealt,    // hands holds the chair's own tiles, counts every hand's; seat leads
    kTileLaid,     // seat laid tile on arm (0 for a lead), the move as made
    kPlayScored,   // the open ends after seat's play were worth points
    kTileDrawn,    // seat drew; tile is the tile only in the drawer's own news, else kNoTile
    kPassed,       // seat passed
    kHandEnded,    // hands holds every hand's remaining tiles, face up; seat won points (0: none)
    kGameEnded,    // seat won the game
    kStandIn,      // seat's person has gone: a computer player plays his chair until he is back
    kReturned,     // seat's person is back in his chair
};

struct ChairNews {
    NewsKind kind = NewsKind::kGameStarted;
    int seat = 0;
    int arm = 0;
    int32_t tile = kNoTile;
    int32_t points = 0;
    GameRules rules;
    int32_t counts[5] = {};
    int32_t hands[5][kHandSlots] = {};
    friend bool operator==(const ChairNews&, const ChairNews&) = default;
};

}  // namespace pipwick
