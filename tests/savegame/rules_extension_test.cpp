// The rules of a game other than All Fives alone ride after the image in an extension of their
// own; All Fives alone keeps the bare image.
#include <gtest/gtest.h>

#include <functional>

#include "model/rules.h"
#include "model/tile_set.h"
#include "savegame/open_saved_game.h"
#include "savegame/saved_game.h"
#include "tests/savegame/simulated_games.h"

namespace pipwick {
namespace {

using testing::MatchGeometry;
using testing::Moment;
using testing::PlaySampledGame;
namespace at = rules_extension_offset;
using E = SavedGameError;

// A moment of a simulated game by rules at which test holds; the game is played until one does.
GameState MomentOf(const GameRules& rules, int32_t players,
                   const std::function<bool(const GameState&)>& test) {
    GameState found{};
    for (uint64_t seed = 1; found.PlayerCount == 0 && seed < 20; ++seed) {
        PlaySampledGame(
            players, 1.0, seed, 1,
            [&](const GameState& state, Moment moment) {
                if (found.PlayerCount == 0 && moment == Moment::kTilePlayed && test(state)) {
                    found = state;
                }
            },
            rules);
    }
    EXPECT_NE(found.PlayerCount, 0) << "no such moment";
    return found;
}

bool Scored(const GameState& s) {
    return s.Scores[1] > 0 && s.Scores[2] > 0;
}

std::vector<uint8_t> SavedAs(GameState state, const GameRules& rules) {
    state.Rules = rules;
    return BuildSavedGame(state);
}

TEST(RulesExtension, IsLeftOutForAllFivesAloneAndHoldsEveryOtherGamesRules) {
    const GameState played = MomentOf({}, 2, [](const GameState& s) { return !TableIsEmpty(s); });
    const SavedGameImage image = BuildSavedGameImage(played);
    EXPECT_EQ(BuildSavedGame(played), std::vector<uint8_t>(image.begin(), image.end()));
    struct Case {
        GameRules rules;
        uint8_t bytes[kRulesExtensionSize];
    };
    for (const Case& c :
         {Case{{DominoGame::AllFives, 1, kAllFivesTarget}, {'P', 'W', 'X', 1, 0, 1, 250}},
          Case{{DominoGame::Draw, 0, 50}, {'P', 'W', 'X', 1, 1, 0, 50}},
          Case{{DominoGame::Block, 1, 250}, {'P', 'W', 'X', 1, 2, 1, 250}},
          Case{{DominoGame::FivesAndThrees, 1, 121}, {'P', 'W', 'X', 1, 3, 1, 121}}}) {
        const std::vector<uint8_t> bytes = SavedAs(played, c.rules);
        ASSERT_EQ(bytes.size(), kExtendedSavedGameSize);
        EXPECT_TRUE(std::equal(image.begin(), image.end(), bytes.begin()));
        EXPECT_TRUE(std::equal(c.bytes, c.bytes + kRulesExtensionSize, bytes.begin() + at::kMark));
    }
}

struct Damage {
    const char* name;
    std::function<std::vector<uint8_t>()> make;
    SavedGameError error;
};

void PrintTo(const Damage& d, std::ostream* os) {
    *os << d.name;
}

const GameRules kDrawPairs{DominoGame::Draw, 1, 100};

// A Draw game of partners after both pairs have scored.
std::vector<uint8_t> PairsGame() {
    static const GameState played = MomentOf(kDrawPairs, 4, Scored);
    return BuildSavedGame(played);
}

std::vector<uint8_t> PairsGameWith(std::size_t offset, uint8_t value) {
    std::vector<uint8_t> bytes = PairsGame();
    bytes[offset] = value;
    return bytes;
}

class DamagedExtension : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedExtension, IsRefusedAndNothingChanges) {
    const GameState running = testing::SimulatedStates().running;
    GameState state = running;
    ASSERT_EQ(OpenSavedGame(PairsGame(), MatchGeometry(1.0), state), E::kNone);
    EXPECT_EQ(state.Rules, kDrawPairs);
    state = running;
    EXPECT_EQ(OpenSavedGame(GetParam().make(), MatchGeometry(1.0), state), GetParam().error);
    EXPECT_TRUE(SameState(state, running));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedExtension,
    ::testing::Values(
        Damage{"another mark", [] { return PairsGameWith(at::kMark + 2, 'Y'); },
               E::kRulesMarkWrong},
        Damage{"version 2", [] { return PairsGameWith(at::kVersion, 2); }, E::kRulesMarkWrong},
        Damage{"a game past the last",
               [] { return PairsGameWith(at::kGame, static_cast<uint8_t>(kGameKindCount)); },
               E::kGameOutOfRange},
        Damage{"partners 2", [] { return PairsGameWith(at::kPartners, 2); },
               E::kPartnersOutOfRange},
        Damage{"target 75", [] { return PairsGameWith(at::kTarget, 75); }, E::kTargetOutOfRange},
        Damage{"target 0", [] { return PairsGameWith(at::kTarget, 0); }, E::kTargetOutOfRange},
        Damage{"All Fives to 100",
               [] {
                   std::vector<uint8_t> bytes = PairsGameWith(at::kGame, 0);
                   bytes[at::kPartners] = 0;
                   return bytes;
               },
               E::kTargetOutOfRange},
        Damage{"All Fives alone, extended",
               [] {
                   std::vector<uint8_t> bytes = PairsGameWith(at::kGame, 0);
                   bytes[at::kPartners] = 0;
                   bytes[at::kTarget] = 250;
                   return bytes;
               },
               E::kRulesNeedNoExtension},
        Damage{"one byte short",
               [] {
                   std::vector<uint8_t> bytes = PairsGame();
                   bytes.pop_back();
                   return bytes;
               },
               E::kWrongLength},
        Damage{"one byte more",
               [] {
                   std::vector<uint8_t> bytes = PairsGame();
                   bytes.push_back(0);
                   return bytes;
               },
               E::kWrongLength},
        Damage{"a pair's scores apart",
               [] { return PairsGameWith(saved_game_offset::kScores + 3, 1); },
               E::kPairScoresDiffer},
        Damage{"partners at two",
               [] {
                   static const GameState two =
                       MomentOf({DominoGame::Draw, 0, 100}, 2,
                                [](const GameState& s) { return !TableIsEmpty(s); });
                   return SavedAs(two, kDrawPairs);
               },
               E::kPartnersWithoutFour},
        Damage{"a spinner in Draw",
               [] {
                   static const GameState spun =
                       MomentOf({}, 2, [](const GameState& s) { return s.SpinnerState >= 2; });
                   return SavedAs(spun, {DominoGame::Draw, 0, 100});
               },
               E::kSpinnerWithoutOne},
        Damage{"drawn from in Block",
               [] {
                   static const GameState drawn =
                       MomentOf({DominoGame::Draw, 0, 100}, 2,
                                [](const GameState& s) { return s.BonePileNext > 15; });
                   return SavedAs(drawn, {DominoGame::Block, 0, 100});
               },
               E::kDrawnInBlock}));

bool HasDouble(const GameState& s) {
    for (const auto& arm : s.Arm) {
        for (const PlacedTile& record : arm) {
            if (record.Tile != kNoTile && IsDouble(record.Tile)) {
                return true;
            }
        }
    }
    return false;
}

// Another game's file cut exactly where its extension starts is a bare image whose body All Fives
// alone could not have made: a double on the table without a spinner, or a score it cannot reach.
TEST(RulesExtension, CutOffIsRefusedAsDamaged) {
    const struct {
        const char* name;
        GameRules rules;
        int32_t players;
        std::function<bool(const GameState&)> moment;
    } cases[] = {
        {"a double in Draw", {DominoGame::Draw, 0, 100}, 2, HasDouble},
        {"a double in Block with partners", {DominoGame::Block, 1, 100}, 4, HasDouble},
        {"a score of Draw",
         {DominoGame::Draw, 1, 100},
         4,
         [](const GameState& s) { return s.Scores[1] % 5 != 0 && !HasDouble(s); }},
    };
    const GameState running = testing::SimulatedStates().running;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<uint8_t> bytes = BuildSavedGame(MomentOf(c.rules, c.players, c.moment));
        GameState state = running;
        ASSERT_EQ(OpenSavedGame(bytes, MatchGeometry(1.0), state), E::kNone);
        bytes.resize(kSavedGameSize);
        state = running;
        EXPECT_EQ(OpenSavedGame(bytes, MatchGeometry(1.0), state), E::kRulesExtensionMissing);
        EXPECT_TRUE(SameState(state, running));
    }
}

}  // namespace
}  // namespace pipwick
