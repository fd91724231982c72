// The rules on which All Fives, Draw and Block differ, and partners: each case is played on the
// same engine with only the game's rules changed.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/hint.h"
#include "engine/trial_play.h"
#include "model/rules.h"
#include "tests/engine/test_table.h"

namespace pipwick {
namespace {

constexpr DominoGame kFives = DominoGame::AllFives;
constexpr DominoGame kDraw = DominoGame::Draw;
constexpr DominoGame kBlock = DominoGame::Block;
constexpr DominoGame kThrees = DominoGame::FivesAndThrees;

GameRules Rules(DominoGame game, int32_t partners = 0, int32_t target = kDefaultTarget) {
    GameRules rules;
    rules.Game = game;
    rules.Partners = partners;
    rules.Target = IsTargetChoice(game, target) ? target : KindOf(game).defaultTarget;
    return rules;
}

// A table of players whose game is played by rules, a hand under way with nothing on the table.
struct KindTable : TestTable {
    KindTable(const GameRules& rules, int players) : TestTable(players) {
        StartEmptyHand();
        state.Rules = rules;
    }
};

TEST(NewGameRules, ComeFromTheSettingsAtNewAndOnlyThen) {
    struct Case {
        DominoGame game;
        int32_t partners, playTo, players;
        GameRules expected;
    };
    for (const Case& c : {
             Case{kFives, 0, 50, 2, Rules(kFives)},         // All Fives ignores Play to
             Case{kFives, 1, 100, 4, Rules(kFives, 1)},     // partners at four
             Case{kDraw, 1, 150, 3, Rules(kDraw, 0, 150)},  // no partners at three
             Case{kBlock, 0, 200, 2, Rules(kBlock, 0, 200)},
             Case{kBlock, 0, 75, 2, Rules(kBlock, 0, 100)},  // no such target: 100
         }) {
        TestTable table(c.players);
        table.settings.Game = static_cast<int32_t>(c.game);
        table.settings.Partners = c.partners;
        table.settings.PlayTo = c.playTo;
        table.game.NewGame();
        EXPECT_EQ(table.state.Rules, c.expected) << static_cast<int>(c.game) << " " << c.players;
        // A change of preferences during the game waits for the next New.
        table.settings.Game = static_cast<int32_t>(c.game == kFives ? kDraw : kFives);
        table.game.ChangePlayerCount(c.players);
        EXPECT_EQ(table.state.Rules, c.expected);
    }
}

// The first double: a spinner with side arms in All Fives, an ordinary tile elsewhere.
TEST(FirstDouble, IsASpinnerOnlyInAllFives) {
    for (DominoGame game : {kFives, kDraw, kBlock, kThrees}) {
        KindTable table(Rules(game), 2);
        table.Hand(1, {T(0, 0)});
        table.Hand(3, {T(0, 0)});
        table.Lay(0, T(5, 5));
        table.steps.AfterPlay(2);
        table.Lay(0, T(5, 1));
        table.steps.AfterPlay(2);
        table.Lay(2, T(5, 2));
        table.steps.AfterPlay(2);
        const GameState& s = table.state;
        if (game == kFives) {
            EXPECT_EQ(s.SpinnerState, kSideArmsOpen);
            EXPECT_EQ(s.ArmOpenPip[1], 5);
            EXPECT_EQ(s.ArmOpenPip[3], 5);
        } else {
            EXPECT_EQ(s.SpinnerState, kNoSpinner) << static_cast<int>(game);
            EXPECT_EQ(s.ArmOpenPip[1], kNoPip);
            EXPECT_EQ(s.ArmOpenPip[3], kNoPip);
            EXPECT_EQ(OpenPipMask(s), (1 << 1) | (1 << 2));
        }
    }
}

TEST(FirstDouble, LaidLaterStaysWhereItWasPlayedWithoutASpinner) {
    KindTable table(Rules(kDraw), 2);
    table.Lay(0, T(3, 4));
    table.Lay(0, T(4, 4));
    EXPECT_EQ(table.state.Arm[0][0].Tile, T(3, 4));
    EXPECT_EQ(table.state.Arm[0][1].Tile, T(4, 4));
    EXPECT_EQ(table.state.ArmOpenPip[0], 4);
    EXPECT_EQ(table.state.ArmOpenPip[2], 3);
}

TEST(PlayScores, AsTheGameCountsTheEndsAndToThePair) {
    struct Case {
        GameRules rules;
        int32_t scores[5];
        int32_t humanScore;
    };
    // Seat 3 leads 5-0, which counts 5; the human's 0-5 on the 0 end would make it 10.
    for (const Case& c :
         {Case{Rules(kFives), {0, 0, 0, 5, 0}, 10}, Case{Rules(kFives, 1), {0, 5, 0, 5, 0}, 10},
          Case{Rules(kDraw), {0, 0, 0, 0, 0}, 0}, Case{Rules(kBlock, 1), {0, 0, 0, 0, 0}, 0},
          Case{Rules(kThrees), {0, 0, 0, 1, 0}, 2}, Case{Rules(kThrees, 1), {0, 1, 0, 1, 0}, 2}}) {
        KindTable table(c.rules, 4);
        for (int player = 1; player <= 4; ++player) {
            table.Hand(player, {T(6, 6)});
        }
        table.steps.PlaceTile(3, Rect{}, T(5, 0), 1);
        table.steps.AfterPlay(3);
        EXPECT_TRUE(std::equal(c.scores, c.scores + 5, table.state.Scores))
            << static_cast<int>(c.rules.Game) << " partners " << c.rules.Partners;
        const TrialPlay trial = TryHumanPlay(table.state, table.geometry, T(0, 5), 2);
        EXPECT_TRUE(trial.accepted);
        EXPECT_EQ(trial.score, c.humanScore);
    }
}

// Every sum two ends can make: a point for each 5 when 5 divides it, and for each 3 when 3 does.
TEST(FivesAndThrees, ScoresEachEndTotal) {
    const int32_t points[37] = {0, 0, 0, 1, 0, 1, 2, 0, 0, 3, 2, 0,  4, 0, 0,  8, 0, 0, 6,
                                0, 4, 7, 0, 0, 8, 5, 0, 9, 0, 0, 16, 0, 0, 11, 0, 7, 12};
    for (int32_t total = 0; total <= 36; ++total) {
        EXPECT_EQ(EndTotalScore(Rules(kThrees), total), points[total]) << total;
    }
}

// The line's doubles count both halves at an end, a lone double too; the lead scores at once.
TEST(FivesAndThrees, DoublesAtAnEndCountBothHalves) {
    struct Step {
        int arm;
        int32_t tile;
        int32_t points;
    };
    KindTable table(Rules(kThrees), 2);
    for (const Step& step : {Step{0, T(3, 3), 2}, Step{0, T(3, 6), 4}, Step{2, T(3, 0), 2},
                             Step{0, T(6, 6), 4}, Step{2, T(0, 6), 6}}) {
        table.Lay(step.arm, step.tile);
        EXPECT_EQ(PlayScore(table.state), step.points) << step.tile;
    }
}

// A table showing 6 and 6 that nobody can follow, with tiles left in the bone pile.
struct Stuck : KindTable {
    explicit Stuck(DominoGame game) : KindTable(Rules(game), 2) {
        Hand(1, {T(0, 1)});
        Hand(3, {T(0, 2)});
        Lay(0, T(6, 6));
        steps.AfterPlay(2);
        state.BonePileNext = kDeckSize - 2;
        state.Deck[kDeckSize - 2] = T(1, 1);
        state.Deck[kDeckSize - 1] = T(3, 6);
        view.events.clear();
    }
};

TEST(Drawing, NobodyDrawsInBlock) {
    for (DominoGame game : {kDraw, kBlock, kThrees}) {
        const bool draws = game != kBlock;
        Stuck table(game);
        table.state.CurrentPlayer = 3;
        table.steps.ComputerTurn(3);
        if (draws) {
            EXPECT_EQ(table.state.BonePileNext, kDeckSize);
            EXPECT_EQ(table.state.Arm[0][1].Tile, T(3, 6));
        } else {
            EXPECT_EQ(table.state.BonePileNext, kDeckSize - 2);
            EXPECT_EQ(table.state.ConsecutivePasses, 1);
            EXPECT_EQ(HandCount(table.state, 3), 1);
        }
        // The human's Draw/Pass draws where drawing is allowed, and passes in Block.
        Stuck human(game);
        human.state.CurrentPlayer = 1;
        EXPECT_EQ(HintForHuman(human.state, human.geometry).kind,
                  draws ? Hint::Kind::kDraw : Hint::Kind::kPass);
        human.game.HumanDrawsOrPasses();
        EXPECT_EQ(human.view.Only("sound").front(), draws ? "sound drawn 1" : "sound passes 1");
    }
}

// Draw/Pass with a tile that fits and nothing to draw: Block refuses the pass and says why; the
// other games let the human pass.
TEST(Passing, InBlockOnlyAPlayerWhoCannotPlayPasses) {
    for (DominoGame game : {kFives, kDraw, kBlock, kThrees}) {
        KindTable table(Rules(game), 2);
        table.Hand(1, {T(6, 1)});
        table.Hand(3, {T(0, 2), T(6, 3)});
        table.Lay(0, T(6, 5));
        table.state.BonePileNext = kDeckSize;
        table.state.CurrentPlayer = 1;
        table.view.events.clear();
        table.game.HumanDrawsOrPasses();
        const std::vector<std::string> sounds = table.view.Only("sound");
        const bool passed = !sounds.empty() && sounds.front() == "sound passes 1";
        EXPECT_EQ(passed, game != kBlock) << static_cast<int>(game);
        if (game == kBlock) {
            EXPECT_EQ(table.view.Only("announce"),
                      std::vector<std::string>{"announce A tile fits: in Block you must play it"});
            EXPECT_EQ(table.state.CurrentPlayer, 1);
            EXPECT_EQ(table.state.ConsecutivePasses, 0);
        }
    }
}

TEST(Drawing, BlockOffersPassFromTheDeal) {
    for (DominoGame game : {kFives, kDraw, kBlock}) {
        TestTable table(2);
        table.settings.Game = static_cast<int32_t>(game);
        table.state.NextLeader = 1;
        table.game.NewGame();
        EXPECT_EQ(table.view.Only("label"),
                  std::vector<std::string>{game == kBlock ? "label P&ass" : "label Dr&aw"});
    }
}

struct Award {
    const char* name;
    GameRules rules;
    int players;
    std::vector<int32_t> hands[5];
    int32_t before[5];
    int32_t after[5];
};

void PrintTo(const Award& award, std::ostream* out) {
    *out << award.name;
}

class HandAwards : public ::testing::TestWithParam<Award> {};

TEST_P(HandAwards, GoToTheWinnersSide) {
    const Award& a = GetParam();
    KindTable table(a.rules, a.players);
    for (int player = 1; player <= 4; ++player) {
        table.Hand(player, {});
        int slot = 0;
        for (int32_t tile : a.hands[player]) {
            table.state.Hand[player][slot++] = tile;
        }
    }
    std::copy(a.before, a.before + 5, table.state.Scores);
    table.steps.EndHand(0);
    EXPECT_TRUE(std::equal(a.after, a.after + 5, table.state.Scores))
        << table.state.Scores[1] << " " << table.state.Scores[2] << " " << table.state.Scores[3]
        << " " << table.state.Scores[4];
    const bool over =
        std::any_of(a.after + 1, a.after + 5, [&](int32_t s) { return s >= TargetScore(a.rules); });
    EXPECT_EQ(table.state.GameInProgress, over ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, HandAwards,
                         ::testing::Values(
                             // Draw and Block: the pips are not rounded.
                             Award{"DrawOutWinsTheOthersPips",
                                   Rules(kDraw),
                                   2,
                                   {{}, {T(6, 6), T(1, 0)}, {}, {}, {}},
                                   {},
                                   {0, 0, 0, 13, 0}},
                             Award{"BlockedLightestWins",
                                   Rules(kBlock),
                                   2,
                                   {{}, {T(3, 4)}, {}, {T(4, 5)}, {}},
                                   {},
                                   {0, 9, 0, 0, 0}},
                             Award{"BlockedTieWinsNothing",
                                   Rules(kBlock),
                                   3,
                                   {{}, {T(1, 3)}, {T(2, 6)}, {T(0, 4)}, {}},
                                   {},
                                   {0, 0, 0, 0, 0}},
                             Award{"ThreeBlockedLightestWinsBoth",
                                   Rules(kDraw),
                                   3,
                                   {{}, {T(1, 3)}, {T(2, 6)}, {T(0, 5)}, {}},
                                   {},
                                   {0, 13, 0, 0, 0}},
                             // Partners: the opposing pair's pips go to both partners.
                             Award{"PartnersOutWinTheOtherPairsPips",
                                   Rules(kDraw, 1),
                                   4,
                                   {{}, {T(1, 4)}, {}, {T(3, 4)}, {T(6, 6)}},
                                   {},
                                   {0, 0, 12, 0, 12}},
                             Award{"PartnersSharingTheLightestWinTogether",
                                   Rules(kBlock, 1),
                                   4,
                                   {{}, {T(1, 4)}, {T(4, 5)}, {T(2, 3)}, {T(6, 6)}},
                                   {},
                                   {0, 21, 0, 21, 0}},
                             Award{"LightestSharedAcrossThePairsWinsNothing",
                                   Rules(kBlock, 1),
                                   4,
                                   {{}, {T(1, 4)}, {T(2, 3)}, {T(4, 5)}, {T(6, 6)}},
                                   {},
                                   {0, 0, 0, 0, 0}},
                             Award{"AllFivesPartnersRoundTheOtherPairsPips",
                                   Rules(kFives, 1),
                                   4,
                                   {{}, {T(1, 3)}, {T(2, 6)}, {}, {T(4, 5)}},
                                   {0, 20, 5, 20, 5},
                                   {0, 35, 5, 35, 5}},
                             // Fives and Threes: the go is one point, whatever is left.
                             Award{"FivesAndThreesOutScoresTheGo",
                                   Rules(kThrees),
                                   3,
                                   {{}, {T(6, 6)}, {T(5, 4)}, {}, {}},
                                   {0, 10, 0, 20, 0},
                                   {0, 10, 0, 21, 0}},
                             Award{"FivesAndThreesBlockedGoToTheLightest",
                                   Rules(kThrees),
                                   2,
                                   {{}, {T(3, 4)}, {}, {T(4, 5)}, {}},
                                   {},
                                   {0, 1, 0, 0, 0}},
                             Award{"FivesAndThreesBlockedTieHasNoGo",
                                   Rules(kThrees),
                                   2,
                                   {{}, {T(3, 4)}, {}, {T(2, 5)}, {}},
                                   {},
                                   {0, 0, 0, 0, 0}},
                             Award{"FivesAndThreesGoToThePairAndEndsAt61",
                                   Rules(kThrees, 1, 61),
                                   4,
                                   {{}, {T(1, 4)}, {}, {T(3, 4)}, {T(6, 6)}},
                                   {0, 40, 60, 40, 60},
                                   {0, 40, 61, 40, 61}},
                             // The target: the game ends once a score reaches it, not before.
                             Award{"DrawToFiftyEndsAtFifty",
                                   Rules(kDraw, 0, 50),
                                   2,
                                   {{}, {}, {}, {T(2, 3)}, {}},
                                   {0, 45, 0, 30, 0},
                                   {0, 50, 0, 30, 0}},
                             Award{"DrawToFiftyGoesOnBelow",
                                   Rules(kDraw, 0, 50),
                                   2,
                                   {{}, {}, {}, {T(1, 3)}, {}},
                                   {0, 45, 0, 30, 0},
                                   {0, 49, 0, 30, 0}},
                             Award{"BlockTo250GoesOnPast100",
                                   Rules(kBlock, 0, 250),
                                   2,
                                   {{}, {}, {}, {T(6, 6)}, {}},
                                   {0, 100, 0, 0, 0},
                                   {0, 112, 0, 0, 0}},
                             Award{"PairReachingTheTargetEndsTheGame",
                                   Rules(kBlock, 1, 100),
                                   4,
                                   {{}, {T(0, 1)}, {T(5, 6)}, {T(0, 0)}, {T(4, 6)}},
                                   {0, 80, 90, 80, 90},
                                   {0, 101, 90, 101, 90}}),
                         [](const ::testing::TestParamInfo<Award>& info) {
                             return std::string(info.param.name);
                         });

TEST(GameWinner, WithPartnersIsThePairAhead) {
    struct Case {
        int32_t scores[5];
        int winner;
    };
    for (const Case& c : {Case{{0, 100, 60, 100, 60}, 1}, Case{{0, 60, 100, 60, 100}, 2},
                          Case{{0, 100, 100, 100, 100}, 2}}) {
        GameState state;
        ResetGameState(state);
        state.PlayerCount = 4;
        state.Rules = Rules(kDraw, 1);
        std::copy(std::begin(c.scores), std::end(c.scores), state.Scores);
        EXPECT_EQ(GameWinner(state), c.winner);
    }
}

TEST(Pairs, SeatsOppositeShareAScore) {
    const GameRules pairs = Rules(kBlock, 1);
    const GameRules alone = Rules(kBlock);
    for (int seat = 1; seat <= 4; ++seat) {
        EXPECT_EQ(PartnerOf(pairs, seat), (seat + 1) % 4 + 1);
        EXPECT_EQ(PartnerOf(alone, seat), seat);
        for (int other = 1; other <= 4; ++other) {
            EXPECT_EQ(ShareScore(pairs, seat, other), seat % 2 == other % 2);
            EXPECT_EQ(ShareScore(alone, seat, other), seat == other);
        }
    }
}

}  // namespace
}  // namespace pipwick
