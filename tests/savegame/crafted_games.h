#pragma once

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <utility>

#include "model/game_state.h"
#include "savegame/saved_game.h"

namespace pipwick::testing {

// Fills the deck of a two-player hand whose table and hands are set: the tiles out of the bone
// pile first, in no particular order, then the bone pile in TileId order.
inline void DeckAroundTheHands(GameState& s) {
    bool out[kTileCount + 1] = {};
    for (int arm = 0; arm < kArmCount; ++arm) {
        for (int r = 0; r < ArmLength(s, arm); ++r) {
            out[s.Arm[arm][r].Tile] = true;
        }
    }
    for (int player = 1; player <= 4; ++player) {
        for (int slot = 0; slot < HandCount(s, player); ++slot) {
            out[s.Hand[player][slot]] = true;
        }
    }
    int at = 1;
    for (int32_t tile = 1; tile <= kTileCount; ++tile) {
        if (out[tile]) {
            s.Deck[at++] = tile;
        }
    }
    s.BonePileNext = at;
    for (int32_t tile = 1; tile <= kTileCount; ++tile) {
        if (!out[tile]) {
            s.Deck[at++] = tile;
        }
    }
}

// A two-player hand in progress with the human to play: the table as given, the hands holding
// the tiles given, and the deck around them.
inline GameState TwoPlayerHand(std::initializer_list<std::pair<int, PlacedTile>> table,
                               std::initializer_list<int32_t> human,
                               std::initializer_list<int32_t> computer) {
    GameState s;
    ResetGameState(s);
    s.PlayerCount = 2;
    for (const auto& [arm, record] : table) {
        PlacedTile& placed = s.Arm[arm][ArmLength(s, arm)];
        placed = record;
        s.ArmOpenPip[arm] = record.OuterPip;
    }
    s.ArmOpenPip[2] = ArmLength(s, 2) == 0 ? s.Arm[0][0].InnerPip : s.ArmOpenPip[2];
    std::copy(human.begin(), human.end(), s.Hand[1]);
    std::copy(computer.begin(), computer.end(), s.Hand[3]);
    DeckAroundTheHands(s);
    s.Scores[1] = 35;
    s.Scores[3] = 20;
    s.NextLeader = 3;
    s.GameInProgress = 1;
    s.CurrentPlayer = 1;
    return s;
}

// He led 3-5, player 3 answered 3-1 on arm 2, and the human holds the 5-5. Everything agrees,
// so each crafted file below breaks exactly one thing.
inline GameState HandWithFiveFiveToPlay() {
    return TwoPlayerHand(
        {{0, {TileWithPips(3, 5), 3, 5, {}, {}}}, {2, {TileWithPips(3, 1), 3, 1, {}, {}}}},
        {TileWithPips(5, 5), TileWithPips(0, 0), TileWithPips(0, 1), TileWithPips(0, 2),
         TileWithPips(2, 2), TileWithPips(6, 6)},
        {TileWithPips(1, 1), TileWithPips(1, 2), TileWithPips(1, 4), TileWithPips(1, 5),
         TileWithPips(1, 6), TileWithPips(2, 3)});
}

// The file of the first crash: side arm 1 open on a 5 while no spinner is down, so that the
// human's 5-5 can be dropped there and the line re-rooted at a double that is not on it.
inline SavedGameImage SideArmOpenWithoutSpinner() {
    SavedGameImage image = BuildSavedGameImage(HandWithFiveFiveToPlay());
    image[saved_game_offset::kArmOpenPip + 1] = 5;
    return image;
}

// A tile twice in the deck, one of them in the bone pile, and so another tile nowhere: drawing
// would hand out a tile already in play.
inline SavedGameImage TileTwiceInTheDeck() {
    SavedGameImage image = BuildSavedGameImage(HandWithFiveFiveToPlay());
    image[saved_game_offset::kDeck + kDeckSize - 1] = image[saved_game_offset::kDeck + 1];
    return image;
}

}  // namespace pipwick::testing
