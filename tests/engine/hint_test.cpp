#include "engine/hint.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include "ai/computer_player.h"
#include "engine/computer_choice.h"
#include "engine/trial_play.h"
#include "model/rules.h"
#include "tests/engine/human_seat.h"

namespace pipwick {
namespace {

bool SameHint(const Hint& a, const Hint& b) {
    return a.kind == b.kind && a.slot == b.slot && a.tile == b.tile && a.arm == b.arm &&
           a.score == b.score;
}

// The hidden tiles (the other hands and the bone pile) dealt out again in another order.
GameState WithHiddenTilesShuffled(const GameState& state, std::mt19937& random) {
    std::vector<int32_t*> places;
    GameState shuffled = state;
    for (int player = 2; player <= 4; ++player) {
        for (int32_t& tile : shuffled.Hand[player]) {
            if (tile != kNoTile) {
                places.push_back(&tile);
            }
        }
    }
    for (int k = shuffled.BonePileNext; k < kDeckSize; ++k) {
        places.push_back(&shuffled.Deck[k]);
    }
    std::vector<int32_t> tiles;
    for (int32_t* place : places) {
        tiles.push_back(*place);
    }
    std::shuffle(tiles.begin(), tiles.end(), random);
    for (size_t i = 0; i < places.size(); ++i) {
        *places[i] = tiles[i];
    }
    return shuffled;
}

// At every turn of the human in whole games of every kind: the hint is the strongest computer
// player's choice for his place, a legal play when any tile fits, with what that play scores; and
// no shuffle of the tiles he cannot see changes it or what he is shown.
TEST(Hint, IsTheStrongestPlayersLegalChoiceAndBlindToHiddenTiles) {
    std::mt19937 random(2024);
    int plays = 0;
    int draws = 0;
    int passes = 0;
    int changedByShuffle = 0;
    struct Kind {
        DominoGame game;
        int32_t partners;
        uint32_t seeds;
    };
    const Kind kinds[] = {{DominoGame::AllFives, 0, 6}, {DominoGame::Draw, 0, 1},
                          {DominoGame::Block, 0, 1},    {DominoGame::AllFives, 1, 1},
                          {DominoGame::Draw, 1, 1},     {DominoGame::Block, 1, 1}};
    for (const Kind& kind : kinds) {
        for (int players = kind.partners != 0 ? 4 : 2; players <= 4; ++players) {
            for (uint32_t seed = 1; seed <= kind.seeds; ++seed) {
                TestTable table(players);
                table.settings.Game = static_cast<int32_t>(kind.game);
                table.settings.Partners = kind.partners;
                table.seeds.seed = seed * 31337;
                table.game.NewGame();
                GameState& s = table.state;
                for (int moves = 0; HumansTurn(s) && moves < 80; ++moves) {
                    const Hint hint = HintForHuman(s, table.geometry);
                    const bool somethingFits =
                        ChooseComputerPlay(s, s.Hand[1], Level::Advanced).slot != kEmptySlot;
                    if (!somethingFits) {
                        EXPECT_EQ(hint.kind, MayDraw(s) ? Hint::Kind::kDraw : Hint::Kind::kPass);
                        (MayDraw(s) ? draws : passes) += 1;
                    } else {
                        ++plays;
                        const Play choice = ChooseAtLevel(s, table.geometry, 1, kStrongestLevel);
                        EXPECT_EQ(hint.kind,
                                  TableIsEmpty(s) ? Hint::Kind::kLead : Hint::Kind::kPlay);
                        EXPECT_EQ(hint.slot, choice.slot);
                        ASSERT_LT(hint.slot, kHandSlots);
                        EXPECT_EQ(hint.tile, s.Hand[1][hint.slot]);
                        if (!TableIsEmpty(s)) {
                            EXPECT_EQ(hint.arm, choice.arm);
                        }
                        const TrialPlay trial =
                            TryHumanPlay(s, table.geometry, hint.tile, hint.arm);
                        EXPECT_TRUE(trial.accepted);
                        EXPECT_EQ(hint.score, trial.score);
                    }
                    const GameState other = WithHiddenTilesShuffled(s, random);
                    changedByShuffle += std::memcmp(&other, &s, sizeof s) != 0 ? 1 : 0;
                    EXPECT_TRUE(SameHint(HintForHuman(other, table.geometry), hint));
                    const GameState a = VisibleToHuman(s);
                    const GameState b = VisibleToHuman(other);
                    EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0);
                    MakeFirstFittingMove(table);
                }
            }
        }
    }
    EXPECT_GT(plays, 80);
    EXPECT_GT(draws, 5);
    EXPECT_GT(passes, 0);
    EXPECT_GT(changedByShuffle, 80);
}

// What the human is shown keeps his hand, the table and every count, and blanks the deal.
TEST(Hint, TheVisibleGameKeepsWhatTheHumanSeesAndEveryCount) {
    TestTable table(3);
    table.seeds.seed = 99;
    table.game.NewGame();
    table.game.HumanDrawsOrPasses();
    const GameState& s = table.state;
    const GameState seen = VisibleToHuman(s);
    EXPECT_EQ(std::memcmp(seen.Hand[1], s.Hand[1], sizeof s.Hand[1]), 0);
    EXPECT_EQ(std::memcmp(seen.Arm, s.Arm, sizeof s.Arm), 0);
    EXPECT_EQ(std::memcmp(seen.ArmOpenPip, s.ArmOpenPip, sizeof s.ArmOpenPip), 0);
    EXPECT_EQ(seen.BonePileNext, s.BonePileNext);
    for (int player = 2; player <= 4; ++player) {
        EXPECT_EQ(HandCount(seen, player), HandCount(s, player));
    }
    for (int k = 1; k < s.BonePileNext; ++k) {
        EXPECT_EQ(seen.Deck[k], kNoTile);
    }
    // Every tile is still somewhere: in a hand, on the table or in the bone pile.
    std::vector<int32_t> all;
    for (int player = 1; player <= 4; ++player) {
        for (int32_t tile : seen.Hand[player]) {
            if (tile != kNoTile) {
                all.push_back(tile);
            }
        }
    }
    for (const auto& arm : seen.Arm) {
        for (const PlacedTile& record : arm) {
            if (record.Tile != kNoTile) {
                all.push_back(record.Tile);
            }
        }
    }
    for (int k = seen.BonePileNext; k < kDeckSize; ++k) {
        all.push_back(seen.Deck[k]);
    }
    std::sort(all.begin(), all.end());
    ASSERT_EQ(all.size(), static_cast<size_t>(kTileCount));
    for (int tile = 1; tile <= kTileCount; ++tile) {
        EXPECT_EQ(all[tile - 1], tile);
    }
}

TEST(Hint, OutsideTheHumansTurnThereIsNone) {
    TestTable table(2);
    table.game.NewGame();
    table.state.CurrentPlayer = 3;
    EXPECT_EQ(HintForHuman(table.state, table.geometry).kind, Hint::Kind::kNone);
    table.state.CurrentPlayer = 1;
    table.state.GameInProgress = 0;
    EXPECT_EQ(HintForHuman(table.state, table.geometry).kind, Hint::Kind::kNone);
}

}  // namespace
}  // namespace pipwick
