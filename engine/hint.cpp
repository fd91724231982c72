#include "engine/hint.h"

#include <algorithm>

#include "engine/computer_choice.h"
#include "engine/game.h"
#include "engine/trial_play.h"
#include "model/rules.h"

namespace pipwick {

namespace {

// Calls visit with every place that holds a tile hidden from the human.
template <typename State, typename Visit>
void ForEachHiddenPlace(State& state, Visit visit) {
    for (int player = 2; player <= 4; ++player) {
        for (auto& tile : state.Hand[player]) {
            if (tile != kNoTile) {
                visit(tile);
            }
        }
    }
    for (int k = std::max<int32_t>(state.BonePileNext, 1); k < kDeckSize; ++k) {
        visit(state.Deck[k]);
    }
}

}  // namespace

GameState VisibleToHuman(const GameState& state) {
    int32_t hidden[kDeckSize] = {};
    int count = 0;
    ForEachHiddenPlace(state, [&](int32_t tile) {
        if (count < kDeckSize) {
            hidden[count++] = tile;
        }
    });
    std::sort(hidden, hidden + count);
    GameState seen = state;
    for (int k = 1; k < std::min<int32_t>(seen.BonePileNext, kDeckSize); ++k) {
        seen.Deck[k] = kNoTile;
    }
    int next = 0;
    ForEachHiddenPlace(seen,
                       [&](int32_t& tile) { tile = next < count ? hidden[next++] : kNoTile; });
    return seen;
}

Hint HintForHuman(const GameState& state, const Geometry& geometry) {
    if (!HumansTurn(state)) {
        return {};
    }
    const GameState seen = VisibleToHuman(state);
    const Play play = ChooseAtLevel(seen, geometry, kHumanSeat, kStrongestLevel);
    Hint hint;
    if (play.slot == kEmptySlot) {
        hint.kind = MayDraw(seen) ? Hint::Kind::kDraw : Hint::Kind::kPass;
        return hint;
    }
    hint.kind = TableIsEmpty(seen) ? Hint::Kind::kLead : Hint::Kind::kPlay;
    hint.slot = play.slot;
    hint.tile = seen.Hand[kHumanSeat][play.slot];
    hint.arm = TableIsEmpty(seen) ? 0 : play.arm;
    hint.score = TryHumanPlay(seen, geometry, hint.tile, hint.arm).score;
    return hint;
}

}  // namespace pipwick
