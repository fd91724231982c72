#include "savegame/open_saved_game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "engine/board_layout.h"
#include "model/rules.h"
#include "savegame/saved_game.h"
#include "sim/match.h"
#include "tests/savegame/crafted_games.h"
#include "tests/savegame/simulated_games.h"

namespace pipwick {
namespace {

using testing::MatchGeometry;
using testing::Moment;
using testing::PlaySampledGame;

// What the round trips over simulated games met, so that a test cannot pass by seeing too little.
struct Coverage {
    int states = 0;
    int withoutSpinner = 0;  // a table but no double yet
    int sideArmsOpen = 0;
    int longestArm = 0;
};

// Saves the state as played and opens it into a state that held another game.
GameState SaveAndReopen(const GameState& played, const Geometry& geometry) {
    GameState opened;
    ResetGameState(opened);
    opened.Arm[1][0].Tile = 5;
    opened.Hand[2][3] = 9;
    opened.History.Count = 3;
    EXPECT_EQ(OpenSavedGame(BuildSavedGame(played), geometry, opened), SavedGameError::kNone);
    return opened;
}

// An empty drop area is any with left and right 0; its top and bottom mean nothing.
bool SameDropArea(const Rect& a, const Rect& b) {
    return a.IsEmpty() ? b.IsEmpty() : a == b;
}

// While a tile is being played it is on the table and still in the hand; the file keeps the
// hand as the play leaves it. At every other moment the hand is kept exactly.
std::array<int32_t, kHandSlots> HandAsSettled(const GameState& played, int player) {
    bool onTable[kTileCount + 1] = {};
    for (const auto& arm : played.Arm) {
        for (const PlacedTile& record : arm) {
            onTable[record.Tile] = true;
        }
    }
    std::array<int32_t, kHandSlots> hand{};
    std::copy_if(std::begin(played.Hand[player]), std::end(played.Hand[player]), hand.begin(),
                 [&](int32_t tile) { return tile != kNoTile && !onTable[tile]; });
    return hand;
}

// Every used record comes back with its pips and where the layout put its halves.
void ExpectSameTable(const GameState& played, const GameState& opened) {
    for (int arm = 0; arm < kArmCount; ++arm) {
        const int length = ArmLength(played, arm);
        ASSERT_EQ(ArmLength(opened, arm), length) << "arm " << arm;
        for (int r = 0; r < length; ++r) {
            const PlacedTile& want = played.Arm[arm][r];
            const PlacedTile& got = opened.Arm[arm][r];
            EXPECT_EQ(got.Tile, want.Tile);
            EXPECT_EQ(got.InnerPip, want.InnerPip);
            EXPECT_EQ(got.OuterPip, want.OuterPip);
            EXPECT_EQ(got.InnerHalf, want.InnerHalf) << "arm " << arm << " record " << r;
            EXPECT_EQ(got.OuterHalf, want.OuterHalf) << "arm " << arm << " record " << r;
        }
        EXPECT_EQ(opened.ArmOpenPip[arm], played.ArmOpenPip[arm]);
    }
}

// The table, the drop areas as play left them, the hands, the deck, the scores and the counters
// come back, and the human is to play with nothing picked up.
void ExpectReopensAsPlayed(const GameState& played, const Geometry& geometry, Moment moment,
                           Coverage& seen) {
    const GameState opened = SaveAndReopen(played, geometry);
    ExpectSameTable(played, opened);
    // The file does not say what was seen happen in the hand, so nothing is believed of it.
    EXPECT_EQ(opened.History.Count, 0);
    // Right after the spinner was laid its drop areas are about to change; the file keeps the
    // play as it will be once settled.
    if (played.SpinnerState != kSpinnerJustLaid) {
        for (int arm = 0; arm < kArmCount; ++arm) {
            EXPECT_TRUE(SameDropArea(opened.ArmDropRect[arm], played.ArmDropRect[arm]))
                << "arm " << arm << " at moment " << static_cast<int>(moment) << ": "
                << ::testing::PrintToString(opened.ArmDropRect[arm]) << " for "
                << ::testing::PrintToString(played.ArmDropRect[arm]);
        }
    }
    for (int player = 1; player <= 4; ++player) {
        EXPECT_TRUE(std::equal(std::begin(opened.Hand[player]), std::end(opened.Hand[player]),
                               std::begin(HandAsSettled(played, player))))
            << "hand " << player << " at moment " << static_cast<int>(moment);
        EXPECT_EQ(opened.Scores[player], std::min(played.Scores[player], 255));
    }
    EXPECT_TRUE(std::equal(std::begin(opened.Deck), std::end(opened.Deck), played.Deck));
    EXPECT_EQ(opened.BonePileNext, played.BonePileNext);
    EXPECT_EQ(opened.NextLeader, played.NextLeader);
    EXPECT_EQ(opened.ConsecutivePasses, played.ConsecutivePasses);
    EXPECT_EQ(opened.SpinnerState, played.SpinnerState);
    EXPECT_EQ(opened.PlayerCount, played.PlayerCount);
    EXPECT_EQ(opened.Rules, played.Rules);
    EXPECT_EQ(opened.CurrentPlayer, 1);
    EXPECT_EQ(opened.GameInProgress, 1);
    EXPECT_EQ(opened.SelectedTile, kNoSelection);

    ++seen.states;
    for (int arm = 0; arm < kArmCount; ++arm) {
        seen.longestArm = std::max(seen.longestArm, ArmLength(played, arm));
    }
    seen.withoutSpinner += !TableIsEmpty(played) && played.SpinnerState == kNoSpinner;
    seen.sideArmsOpen += played.SpinnerState == kSideArmsOpen;
}

struct RoundTripCase {
    int32_t players;
    double scale;
};

void PrintTo(const RoundTripCase& c, std::ostream* os) {
    *os << c.players << " players at " << c.scale;
}

class RoundTripOverSimulatedGames : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTripOverSimulatedGames, ReopensEveryRecordHandAndDropArea) {
    const auto [players, scale] = GetParam();
    const Geometry geometry = MatchGeometry(scale);
    Coverage seen;
    const auto gameSeed = [&](uint64_t game) {
        return game * 100 + players * 10 + static_cast<uint64_t>(scale * 2);
    };
    for (uint64_t game = 1; game <= 30; ++game) {
        PlaySampledGame(players, scale, gameSeed(game), 1,
                        [&](const GameState& played, Moment moment) {
                            ExpectReopensAsPlayed(played, geometry, moment, seen);
                        });
        if (HasFatalFailure()) {
            return;
        }
    }
    EXPECT_GT(seen.states, 4000);
    EXPECT_GT(seen.withoutSpinner, 120);
    EXPECT_GT(seen.sideArmsOpen, 2000);
    EXPECT_GE(seen.longestArm, 12);
}

INSTANTIATE_TEST_SUITE_P(PlayersAndScales, RoundTripOverSimulatedGames,
                         ::testing::Values(RoundTripCase{2, 1.0}, RoundTripCase{3, 1.5},
                                           RoundTripCase{4, 2.0}, RoundTripCase{2, 1.5},
                                           RoundTripCase{3, 1.0}, RoundTripCase{4, 1.5}));

struct RulesCase {
    GameRules rules;
    int32_t players;
};

void PrintTo(const RulesCase& c, std::ostream* os) {
    *os << "game " << static_cast<int>(c.rules.Game) << " partners " << c.rules.Partners << " to "
        << c.rules.Target << ", " << c.players << " players";
}

class RoundTripOfEveryGame : public ::testing::TestWithParam<RulesCase> {};

// Draw and Block lay doubles in line, with no spinner; the file keeps their rules as well.
TEST_P(RoundTripOfEveryGame, ReopensWithItsRules) {
    const auto [rules, players] = GetParam();
    const Geometry geometry = MatchGeometry(1.0);
    Coverage seen;
    int doublesInLine = 0;
    for (uint64_t game = 1; game <= 8; ++game) {
        PlaySampledGame(
            players, 1.0, game * 31 + players, 2,
            [&](const GameState& played, Moment moment) {
                ExpectReopensAsPlayed(played, geometry, moment, seen);
                for (int r = 1; r < ArmLength(played, 0); ++r) {
                    doublesInLine += IsDouble(played.Arm[0][r].Tile);
                }
            },
            rules);
        if (HasFatalFailure()) {
            return;
        }
    }
    EXPECT_GT(seen.states, 300);
    if (rules.Game == DominoGame::AllFives) {
        EXPECT_GT(seen.sideArmsOpen, 100);
    } else {
        EXPECT_EQ(seen.sideArmsOpen, 0);
        EXPECT_GT(doublesInLine, 20);
    }
}

INSTANTIATE_TEST_SUITE_P(Games, RoundTripOfEveryGame,
                         ::testing::Values(RulesCase{{DominoGame::Draw, 0, 100}, 2},
                                           RulesCase{{DominoGame::Block, 0, 50}, 3},
                                           RulesCase{{DominoGame::Draw, 0, 250}, 4},
                                           RulesCase{{DominoGame::Block, 1, 150}, 4},
                                           RulesCase{{DominoGame::FivesAndThrees, 0, 61}, 2},
                                           RulesCase{{DominoGame::FivesAndThrees, 1, 121}, 4},
                                           RulesCase{{DominoGame::AllFives, 1, kAllFivesTarget},
                                                     4}));

// A table laid out again record by record, as opening does, must lie as it did when played arm by
// arm, however its arms were filled.
struct LongArms {
    int lengths[kArmCount];
};

class LongArmsReopen : public ::testing::TestWithParam<LongArms> {};

TEST_P(LongArmsReopen, LayOutAsWhenPlayedArmByArm) {
    const Geometry geometry = MatchGeometry(1.5);
    GameState played;
    ResetGameState(played);
    ResetLayout(played, geometry);
    int32_t tile = 1;
    for (int arm = 0; arm < kArmCount; ++arm) {
        for (int r = 0; r < GetParam().lengths[arm]; ++r, ++tile) {
            PlacedTile& record = played.Arm[arm][r];
            record = {tile, LowPip(tile), HighPip(tile), {}, {}};
            LayOutTile(played, geometry.ScaleFactor, arm, record);
            played.ArmOpenPip[arm] = record.OuterPip;
        }
    }
    GameState rebuilt = played;
    for (auto& arm : rebuilt.Arm) {
        for (PlacedTile& record : arm) {
            record.InnerHalf = record.OuterHalf = Rect{};
        }
    }
    RebuildLayout(rebuilt, geometry);
    ExpectSameTable(played, rebuilt);
}

INSTANTIATE_TEST_SUITE_P(Arms, LongArmsReopen,
                         ::testing::Values(LongArms{{28, 0, 0, 0}}, LongArms{{1, 27, 0, 0}},
                                           LongArms{{1, 0, 27, 0}}, LongArms{{1, 0, 0, 27}},
                                           LongArms{{7, 7, 7, 7}}, LongArms{{10, 4, 9, 5}}));

// Reopened at the human's turn, a game plays on to its end with the same rules.
// An opened game plays on by the rules in its file, whatever game the match was set up for.
TEST(OpenedGame, PlaysOnToTheEndByItsOwnRules) {
    int reopened = 0;
    const RulesCase cases[] = {{{}, 2},
                               {{}, 3},
                               {{}, 4},
                               {{DominoGame::Draw, 0, 50}, 2},
                               {{DominoGame::Block, 0, 150}, 3},
                               {{DominoGame::Draw, 1, 100}, 4}};
    for (const auto& [rules, players] : cases) {
        PlaySampledGame(
            players, 1.0, 40 + players, 25,
            [&](const GameState& played, Moment) {
                const int32_t levels[5] = {0, 1, 1, 1, 1};
                Match match(2, levels, 1.0, reopened);
                ASSERT_EQ(match.OpenGame(BuildSavedGame(played)), SavedGameError::kNone);
                PlayLog noLog;
                ASSERT_TRUE(match.PlayOn(noLog));
                const GameState& state = match.State();
                EXPECT_EQ(state.GameInProgress, 0);
                EXPECT_EQ(state.PlayerCount, players);
                EXPECT_EQ(state.Rules, rules);
                EXPECT_GE(*std::max_element(state.Scores + 1, state.Scores + 5),
                          TargetScore(rules));
                ++reopened;
            },
            rules);
    }
    EXPECT_GT(reopened, 40);
}

// A lone double lies across the centre: both ends of the main line are the whole tile. A lone
// tile that is not a double offers one half to each end.
struct LeadCase {
    int32_t tile;
    int32_t spinnerState;
    bool whole;
};

class LeadAlone : public ::testing::TestWithParam<LeadCase> {};

TEST_P(LeadAlone, GivesTheMainLineItsDropAreas) {
    const auto [tile, spinnerState, whole] = GetParam();
    // The human led; he holds the first six other tiles and player 3 the next seven.
    std::vector<int32_t> others;
    for (int32_t other = 1; others.size() < 13; ++other) {
        if (other != tile) {
            others.push_back(other);
        }
    }
    GameState played =
        testing::TwoPlayerHand({{0, {tile, LowPip(tile), HighPip(tile), {}, {}}}}, {}, {});
    std::copy(others.begin(), others.begin() + 6, played.Hand[1]);
    std::copy(others.begin() + 6, others.end(), played.Hand[3]);
    testing::DeckAroundTheHands(played);
    played.SpinnerState = spinnerState;
    GameState opened;
    ResetGameState(opened);
    ASSERT_EQ(OpenSavedGame(BuildSavedGameImage(played), MatchGeometry(1.5), opened),
              SavedGameError::kNone);

    const PlacedTile& lead = opened.Arm[0][0];
    const Rect tileRect = Union(lead.InnerHalf, lead.OuterHalf);
    EXPECT_EQ(opened.ArmDropRect[0], whole ? tileRect : lead.OuterHalf);
    EXPECT_EQ(opened.ArmDropRect[2], whole ? tileRect : lead.InnerHalf);
    EXPECT_NE(lead.InnerHalf, lead.OuterHalf);
    EXPECT_TRUE(opened.ArmDropRect[1].IsEmpty());
    EXPECT_TRUE(opened.ArmDropRect[3].IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Tiles, LeadAlone,
                         ::testing::Values(LeadCase{TileWithPips(4, 4), kSpinnerDown, true},
                                           LeadCase{TileWithPips(0, 0), kSpinnerDown, true},
                                           LeadCase{TileWithPips(2, 5), kNoSpinner, false}));

}  // namespace
}  // namespace pipwick
