#include "ai/expert_player.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <random>
#include <utility>
#include <vector>

#include "ai/computer_player.h"
#include "ai/win_chance.h"
#include "engine/rule_playout.h"
#include "tests/ai/game_positions.h"

namespace pipwick {
namespace {

int LegalPlays(const GameState& state, int seat) {
    int count = 0;
    for (int slot = 0; slot < HandCount(state, seat); ++slot) {
        for (int32_t pip : state.ArmOpenPip) {
            count += Shows(state.Hand[seat][slot], pip) ? 1 : 0;
        }
    }
    return TableIsEmpty(state) ? HandCount(state, seat) : count;
}

// The same game with the tiles the seat cannot see dealt differently: the other hands keep their
// sizes and the bone pile its size, so nothing the seat may know has changed.
GameState WithHiddenTilesPermuted(const GameState& state, int seat, std::mt19937_64& random) {
    std::vector<int32_t> hidden;
    for (int player = 1; player <= 4; ++player) {
        for (int slot = 0; player != seat && slot < HandCount(state, player); ++slot) {
            hidden.push_back(state.Hand[player][slot]);
        }
    }
    for (int p = state.BonePileNext; p < kDeckSize; ++p) {
        hidden.push_back(state.Deck[p]);
    }
    std::shuffle(hidden.begin(), hidden.end(), random);
    GameState permuted = state;
    size_t next = 0;
    for (int player = 1; player <= 4; ++player) {
        for (int slot = 0; player != seat && slot < HandCount(state, player); ++slot) {
            permuted.Hand[player][slot] = hidden[next++];
        }
    }
    for (int p = state.BonePileNext; p < kDeckSize; ++p) {
        permuted.Deck[p] = hidden[next++];
    }
    return permuted;
}

// The Expert at seat, as the game asks it: it knows the computer seats' levels (Advanced unless
// it is one of them) and judges their past plays by them, and the human's level it does not know.
Play ExpertMove(GameState state, int seat) {
    GameSettings settings;
    settings.PlayerLevel[seat] = static_cast<int32_t>(Level::Expert);
    const Geometry geometry = MakeGeometry(1.0, 640, 480);
    SilentView view;
    InstantClock clock;
    DerivedSeeds seeds(1);
    Game game(state, settings, geometry, view, clock, seeds);
    return game.ChooseComputerMove(seat);
}

// Seat 3 at 200 of All Fives' 250 against seats at 100 (seat 1), 40 (seat 2) and 60 (seat 4): its
// own points raise the value, anyone else's who takes part lower it, a seat outside the game
// counts for nothing, and a hand that ends the game is won or lost outright.
TEST(HandObjective, WeighsTheScoresOfThePlayersWhoTakePart) {
    struct Case {
        int32_t players;
        int gainer;  // the seat given 10 more, or 0
        int32_t winner;
        double change;  // the sign of the value's change from the scores as they were, or 0
    };
    const Case cases[] = {
        {2, 3, 0, 1}, {2, 1, 0, -1}, {2, 2, 0, 0},  {2, 4, 0, 0}, {3, 2, 0, -1},
        {3, 4, 0, 0}, {4, 3, 0, 1},  {4, 4, 0, -1}, {2, 0, 3, 0}, {4, 0, 1, 0},
    };
    for (const Case& c : cases) {
        ExpertView view{};
        view.Seat = 3;
        view.PlayerCount = c.players;
        const PlayoutOutcome before{{0, 100, 40, 200, 60}, 0};
        std::copy(std::begin(before.Scores), std::end(before.Scores), view.Scores);
        PlayoutOutcome outcome = before;
        outcome.Winner = c.winner;
        if (c.gainer != 0) {
            outcome.Scores[c.gainer] += 10;
        }
        const HandObjective objective(view);
        const double change = objective.Value(outcome) - objective.Value(before);
        if (c.winner != 0) {
            EXPECT_DOUBLE_EQ(objective.Value(outcome),
                             c.winner == 3 ? HandObjective::kGameWon : -HandObjective::kGameWon);
        } else if (c.change == 0) {
            EXPECT_DOUBLE_EQ(change, 0.0) << c.players << " players, seat " << c.gainer;
        } else {
            EXPECT_GT(change * c.change, 0.0) << c.players << " players, seat " << c.gainer;
        }
    }
}

// With partners both seats of a pair hold its score and the pair is one side: seat 3's pair
// against the other is the race of two scores, and a game won by seat 1 is won by seat 3 too.
TEST(HandObjective, WithPartnersSetsThePairsAgainstEachOther) {
    ExpertView view{};
    view.Seat = 3;
    view.PlayerCount = 4;
    view.Rules = {DominoGame::Draw, 1, kDefaultTarget};
    const HandObjective objective(view);
    const double spread = ScoreSpread(view.Rules, view.PlayerCount);
    const double race = 2.0 * ChanceToReachFirst(30, 65, spread) - 1.0;
    EXPECT_DOUBLE_EQ(objective.Value({{0, 70, 35, 70, 35}, 0}), HandObjective::kGameWon * race);
    EXPECT_DOUBLE_EQ(objective.Value({{0, 100, 35, 100, 35}, 1}), HandObjective::kGameWon);
    EXPECT_DOUBLE_EQ(objective.Value({{0, 50, 100, 50, 100}, 2}), -HandObjective::kGameWon);
}

// In every game, dealing the tiles the Expert cannot see otherwise leaves its move as it was,
// though a sample of its own deals drawn otherwise often changes it: the comparison would see a
// move that hangs on those tiles.
TEST(ExpertPlayer, MovesTheSameWhateverTheTilesItCannotSee) {
    std::mt19937_64 random(9);
    const Geometry geometry = MakeGeometry(1.0, 640, 480);
    const RulePlayout playout(geometry);
    int decisions = 0;
    int changedBySample = 0;
    for (const GameKind& kind : EveryGameKind()) {
        const int32_t players = kind.players;
        const uint64_t seed = 70 + players + 10 * static_cast<uint64_t>(kind.rules.Game);
        const std::vector<GameState> positions =
            AdvancedGamePositions(players, 1, seed + kind.rules.Partners, kind.rules);
        int ofKind = 0;
        for (size_t i = 0; i < positions.size() && ofKind < 25; i += 3) {
            const GameState& state = positions[i];
            const int seat = state.CurrentPlayer;
            if (LegalPlays(state, seat) < 2) {
                continue;
            }
            const GameState other = WithHiddenTilesPermuted(state, seat, random);
            if (std::memcmp(&state, &other, sizeof(GameState)) == 0) {
                continue;  // too few hidden tiles to tell deals apart
            }
            const Play mine = ExpertMove(state, seat);
            EXPECT_EQ(mine, ExpertMove(other, seat))
                << static_cast<int>(kind.rules.Game) << " " << players << " players, partners "
                << kind.rules.Partners << ", position " << i;
            ExpertOptions salted;
            salted.Salt = 1 + i;
            const Play resampled = ChooseExpertPlay(MakeExpertView(state, seat), playout, salted);
            changedBySample +=
                resampled != ChooseExpertPlay(MakeExpertView(state, seat), playout) ? 1 : 0;
            ++ofKind;
            ++decisions;
        }
        EXPECT_GE(ofKind, 10) << static_cast<int>(kind.rules.Game) << " " << players << " players";
    }
    EXPECT_GT(changedBySample, decisions / 20);
}

// Each deal has its own generator, so sharing the deals among threads changes nothing.
TEST(ExpertPlayer, PlaysTheSameOnAnyNumberOfThreads) {
    const Geometry geometry = MakeGeometry(1.0, 640, 480);
    const RulePlayout playout(geometry);
    for (const GameKind& kind : EveryGameKind()) {
        const std::vector<GameState> positions =
            AdvancedGamePositions(kind.players, 1, 23 + kind.rules.Partners, kind.rules);
        int ofKind = 0;
        for (size_t i = 0; i < positions.size() && ofKind < 6; i += 5) {
            const GameState& state = positions[i];
            const int seat = state.CurrentPlayer;
            if (LegalPlays(state, seat) < 2) {
                continue;
            }
            const ExpertView view = MakeExpertView(state, seat);
            ExpertOptions options;
            options.Threads = 1;
            const Play alone = ChooseExpertPlay(view, playout, options);
            for (int threads : {2, 3, 7}) {
                options.Threads = threads;
                EXPECT_EQ(ChooseExpertPlay(view, playout, options), alone) << threads << " threads";
            }
            ++ofKind;
        }
        EXPECT_GE(ofKind, 3) << static_cast<int>(kind.rules.Game) << " " << kind.players;
    }
}

// A playout that knows nothing of the rules: the seat gains what its play is worth, give or take
// up to luck points that depend on the deal and the play, and every play out is counted.
class WorthPlayout final : public HandPlayout {
  public:
    explicit WorthPlayout(std::vector<std::pair<Play, int32_t>> worth, int32_t luck = 10)
        : worth_(std::move(worth)), luck_(luck) {}
    PlayoutOutcome PlayOut(const GameState& game, int seat, const Play& play) const override {
        PlayoutOutcome outcome{};
        std::copy(std::begin(game.Scores), std::end(game.Scores), outcome.Scores);
        uint32_t hash = static_cast<uint32_t>(play.slot * kArmCount + play.arm);
        for (int32_t tile : game.Deck) {
            hash = hash * 2654435761u + static_cast<uint32_t>(tile);
        }
        const int32_t luck = static_cast<int32_t>((hash >> 8) % static_cast<uint32_t>(luck_ + 1));
        for (const auto& [move, points] : worth_) {
            outcome.Scores[seat] += move == play ? points + luck : 0;
        }
        ++calls[play.slot * kArmCount + play.arm];
        return outcome;
    }
    int Calls(const Play& play) const { return calls[play.slot * kArmCount + play.arm]; }

  private:
    std::vector<std::pair<Play, int32_t>> worth_;
    int32_t luck_;
    mutable int calls[kHandSlots * kArmCount] = {};
};

// Every move meets the first deals; one clearly worse than the best stops there, and moves close
// to the best meet every deal, also where a long search looks at them again half way.
TEST(ExpertPlayer, SpendsTheDealsOnTheMovesThatMightBeBest) {
    for (const GameRules rules : {GameRules{}, GameRules{DominoGame::Draw, 0, kDefaultTarget}}) {
        const std::vector<GameState> positions = AdvancedGamePositions(2, 1, 31, rules);
        const auto found = std::find_if(positions.begin(), positions.end(), [](const GameState& s) {
            return !TableIsEmpty(s) && LegalPlays(s, s.CurrentPlayer) >= 3;
        });
        ASSERT_NE(found, positions.end());
        const GameState& state = *found;
        const int seat = state.CurrentPlayer;
        std::vector<Play> plays;
        for (int slot = 0; slot < HandCount(state, seat); ++slot) {
            for (int arm = 0; arm < kArmCount; ++arm) {
                if (Shows(state.Hand[seat][slot], state.ArmOpenPip[arm])) {
                    plays.push_back({slot, arm});
                }
            }
        }
        // The last two plays are worth the same and 30 more than the others.
        std::vector<std::pair<Play, int32_t>> worth;
        for (size_t i = 0; i < plays.size(); ++i) {
            worth.emplace_back(plays[i], i + 2 >= plays.size() ? 30 : 0);
        }
        const WorthPlayout playout(worth, 0);
        ExpertOptions options;
        options.Threads = 1;
        const ExpertView view = MakeExpertView(state, seat);
        const Play chosen = ChooseExpertPlay(view, playout, options);
        EXPECT_TRUE(chosen == plays[plays.size() - 1] || chosen == plays[plays.size() - 2]);
        for (size_t i = 0; i < plays.size(); ++i) {
            const bool best = i + 2 >= plays.size();
            EXPECT_EQ(playout.Calls(plays[i]), best ? DealsFor(view) : 64) << "play " << i;
        }
    }
}

// The Advanced choice takes what the table offers now; another move that seems better by less
// than the luck of the deals does not replace it, one better by far does.
TEST(ExpertPlayer, KeepsTheAdvancedChoiceUnlessAnotherClearlyBeatsIt) {
    const std::vector<GameState> positions = AdvancedGamePositions(2, 1, 31);
    const auto found = std::find_if(positions.begin(), positions.end(), [](const GameState& s) {
        return !TableIsEmpty(s) && LegalPlays(s, s.CurrentPlayer) >= 2;
    });
    ASSERT_NE(found, positions.end());
    const GameState& state = *found;
    const int seat = state.CurrentPlayer;
    const Play advanced = ChooseComputerPlay(state, state.Hand[seat], Level::Advanced);
    Play other;
    for (int slot = 0; slot < HandCount(state, seat); ++slot) {
        for (int arm = 0; arm < kArmCount; ++arm) {
            const Play play{slot, arm};
            if (play != advanced && Shows(state.Hand[seat][slot], state.ArmOpenPip[arm])) {
                other = play;
            }
        }
    }
    struct Case {
        int32_t ahead;
        bool overtakes;
    };
    for (const Case& c : {Case{1, false}, Case{40, true}}) {
        const WorthPlayout playout({{advanced, 0}, {other, c.ahead}}, 100);
        ExpertOptions options;
        options.Deals = 256;
        options.Threads = 1;
        const Play chosen = ChooseExpertPlay(MakeExpertView(state, seat), playout, options);
        EXPECT_EQ(chosen, c.overtakes ? other : advanced) << "ahead by " << c.ahead;
    }
}

TEST(ExpertPlayer, PlaysOnlyWhatFitsAndPassesOnNothing) {
    for (const GameState& state : AdvancedGamePositions(3, 1, 17)) {
        const int seat = state.CurrentPlayer;
        const Play play = ExpertMove(state, seat);
        if (LegalPlays(state, seat) == 0) {
            EXPECT_EQ(play.slot, kEmptySlot);
            continue;
        }
        ASSERT_LT(play.slot, HandCount(state, seat));
        ASSERT_GE(play.arm, 0);
        ASSERT_LT(play.arm, kArmCount);
        if (!TableIsEmpty(state)) {
            EXPECT_TRUE(Shows(state.Hand[seat][play.slot], state.ArmOpenPip[play.arm]));
        }
    }
}

// A hand played out stops at its end: the table stays as the hand left it and no tile is dealt
// again. The playout the Expert asks runs on a copy and leaves the game it was given untouched.
TEST(RulePlayout, PlaysToTheEndOfTheHandOnACopy) {
    const Geometry geometry = MakeGeometry(1.0, 640, 480);
    RulePlayout playout(geometry);
    GameSettings advanced;
    std::fill(std::begin(advanced.PlayerLevel), std::end(advanced.PlayerLevel),
              static_cast<int32_t>(Level::Advanced));
    SilentView view;
    InstantClock clock;
    DerivedSeeds seeds(1);
    int handsEnded = 0;
    for (const GameState& state : AdvancedGamePositions(2, 1, 3)) {
        const int seat = state.CurrentPlayer;
        const Play play = ExpertMove(state, seat);
        if (play.slot == kEmptySlot) {
            continue;
        }
        GameState played = state;
        Game game(played, advanced, geometry, view, clock, seeds);
        game.PlayOutHand(seat, play);
        const bool someoneOut = played.Hand[1][0] == kNoTile || played.Hand[3][0] == kNoTile;
        const bool blocked = played.ConsecutivePasses >= played.PlayerCount;
        EXPECT_TRUE(played.GameInProgress == 0 || someoneOut || blocked);
        EXPECT_FALSE(TableIsEmpty(played));
        handsEnded += played.GameInProgress == 1 ? 1 : 0;

        const GameState before = state;
        const PlayoutOutcome outcome = playout.PlayOut(state, seat, play);
        ASSERT_EQ(std::memcmp(&before, &state, sizeof(GameState)), 0);
        for (int player = 1; player <= 4; ++player) {
            EXPECT_EQ(outcome.Scores[player], played.Scores[player]);
        }
        EXPECT_EQ(outcome.Winner, played.GameInProgress == 0 ? GameWinner(played) : 0);
    }
    EXPECT_GT(handsEnded, 10);
}

}  // namespace
}  // namespace pipwick
