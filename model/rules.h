#pragma once

#include <cstdint>

#include "model/game_kind.h"
#include "model/game_state.h"

namespace pipwick {

// The questions on which the three games and partners differ, asked of the rules of the game
// under way. The engine, the computer players and the windows all ask here, so each difference
// has one answer.

// Whether the first double of a hand becomes a spinner, with side arms (All Fives only).
constexpr bool HasSpinner(const GameRules& rules) {
    return rules.Game == DominoGame::AllFives;
}

// Whether the open ends score after every play (All Fives only); elsewhere only the hand's end
// scores.
constexpr bool ScoresDuringPlay(const GameRules& rules) {
    return rules.Game == DominoGame::AllFives;
}

// Whether a player who cannot play draws from the bone pile (everywhere but Block).
constexpr bool DrawsFromPile(const GameRules& rules) {
    return rules.Game != DominoGame::Block;
}

// Whether the pips a hand's winner gains are rounded to a multiple of 5 (All Fives only).
constexpr bool RoundsHandAward(const GameRules& rules) {
    return rules.Game == DominoGame::AllFives;
}

// The score that ends the game: 250 in All Fives, the chosen target in Draw and Block.
constexpr int32_t TargetScore(const GameRules& rules) {
    return rules.Game == DominoGame::AllFives ? kAllFivesTarget : rules.Target;
}

// Whether seats play in pairs: you (1) and the player opposite (3) against seats 2 and 4.
constexpr bool PlaysInPairs(const GameRules& rules) {
    return rules.Partners != 0;
}

// The seat that shares seat's score: the one opposite at a table of partners, else seat itself.
constexpr int PartnerOf(const GameRules& rules, int seat) {
    if (!PlaysInPairs(rules)) {
        return seat;
    }
    return seat <= 2 ? seat + 2 : seat - 2;
}

// Whether two seats' points go to one score: the same seat, or partners.
constexpr bool ShareScore(const GameRules& rules, int seat, int other) {
    return seat == other || PartnerOf(rules, seat) == other;
}

// The score shown beside seat's name. A pair's points are written to both partners' entries, so
// this is the pair's score with partners and the player's own without.
inline int32_t ShownScore(const GameState& state, int seat) {
    return state.Scores[seat];
}

// Adds points to seat's score, and with partners to his partner's, which is the same pair score.
inline void AddToScore(GameState& state, int seat, int32_t points) {
    state.Scores[seat] += points;
    if (PartnerOf(state.Rules, seat) != seat) {
        state.Scores[PartnerOf(state.Rules, seat)] += points;
    }
}

// Whether some score has reached the target, which ends the game at once.
inline bool TargetReached(const GameState& state) {
    for (int seat = 1; seat <= 4; ++seat) {
        if (state.Scores[seat] >= TargetScore(state.Rules)) {
            return true;
        }
    }
    return false;
}

// Whether a player who cannot play may draw now.
inline bool MayDraw(const GameState& state) {
    return DrawsFromPile(state.Rules) && !BonePileEmpty(state);
}

}  // namespace pipwick
