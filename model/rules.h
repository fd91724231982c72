#pragma once

#include <cstdint>

#include "model/game_kind.h"
#include "model/game_state.h"
#include "model/tile_set.h"

namespace pipwick {

// The questions on which the games and partners differ, asked of the rules of the game under
// way. The engine, the computer players and the windows all ask here, and each answer is read
// from the game's row of kGameKinds.

constexpr const GameKindRow& KindOf(const GameRules& rules) {
    return KindOf(rules.Game);
}

// Whether the first double of a hand becomes a spinner, with side arms.
constexpr bool HasSpinner(const GameRules& rules) {
    return KindOf(rules).spinner;
}

// Whether the open ends score after every play; elsewhere only the hand's end scores.
constexpr bool ScoresDuringPlay(const GameRules& rules) {
    return KindOf(rules).endScoring != EndScoring::kNothing;
}

// What the open ends score when they add up to total.
constexpr int32_t EndTotalScore(const GameRules& rules, int32_t total) {
    return EndTotalPoints(KindOf(rules).endScoring, total);
}

// Whether a player who cannot play draws from the bone pile.
constexpr bool DrawsFromPile(const GameRules& rules) {
    return KindOf(rules).draws;
}

// The tiles dealt to each player at the start of a hand.
constexpr int32_t HandSize(const GameRules& rules) {
    return KindOf(rules).handSize;
}

// The score that ends the game: the game's fixed target, or the one chosen for it.
constexpr int32_t TargetScore(const GameRules& rules) {
    const GameKindRow& kind = KindOf(rules);
    return kind.targetChoices.size() == 1 ? kind.targetChoices[0] : rules.Target;
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

// The first seat after player's that plays against him.
inline int NextOpponent(const GameState& state, int player) {
    int seat = NextPlayer(state, player);
    while (seat != player && ShareScore(state.Rules, seat, player)) {
        seat = NextPlayer(state, seat);
    }
    return seat;
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

// Whether a player who can play must: where nobody draws, only a player who cannot play passes.
constexpr bool MustPlayWhenAble(const GameRules& rules) {
    return !DrawsFromPile(rules);
}

// Whether player holds a tile he may lay now: any tile on an empty table, else one that fits an
// open end.
inline bool CanPlay(const GameState& state, int player) {
    if (TableIsEmpty(state)) {
        return state.Hand[player][0] != kNoTile;
    }
    const int32_t open = OpenPipMask(state);
    for (int slot = 0; slot < kHandSlots && state.Hand[player][slot] != kNoTile; ++slot) {
        const int32_t tile = state.Hand[player][slot];
        if ((open >> LowPip(tile) & 1) != 0 || (open >> HighPip(tile) & 1) != 0) {
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
