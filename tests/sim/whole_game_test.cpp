#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "model/rules.h"
#include "sim/match.h"
#include "sim/match_log.h"

namespace pipwick {
namespace {

// Checks the state after every move of every game against what must always hold.
class InvariantLog : public PlayLog {
  public:
    explicit InvariantLog(const Match& match) : match_(match) {}

    void HandStarted() override { Check("hand start"); }
    void TilePlayed(int, int armIndex, const PlacedTile& record) override {
        const GameState& s = match_.State();
        EXPECT_EQ(record.InnerPip + record.OuterPip, PipTotal(record.Tile));
        EXPECT_GE(armIndex, 0);
        EXPECT_LT(armIndex, kArmCount);
        ++plays_;
        CheckLineOfPlay(s);
        Check("play", record.Tile);
    }
    void TileDrawn(int, int32_t) override { Check("draw"); }
    void Passed(int) override { Check("pass"); }
    void HandEnded(int32_t, int, int32_t) override { Check("hand end"); }
    void GameEnded(int) override {
        const GameState& s = match_.State();
        int32_t top = 0;
        for (int player = 1; player <= 4; ++player) {
            top = std::max(top, s.Scores[player]);
        }
        EXPECT_GE(top, TargetScore(s.Rules));
        ++games_;
    }

    // Scores start again from 0 with each game.
    void StartGame() {
        for (int32_t& score : lastScores_) {
            score = 0;
        }
    }

    int games_ = 0;
    int64_t plays_ = 0;

  private:
    // Every tile is in exactly one place: a hand, the table or the bone pile. A tile being played
    // is already on the table and still in the hand its player takes it from after the play.
    void Check(const char* when, int32_t inPlay = kNoTile) {
        const GameState& s = match_.State();
        int seen[kTileCount + 1] = {};
        for (int player = 1; player <= 4; ++player) {
            const int count = HandCount(s, player);
            for (int slot = 0; slot < kHandSlots; ++slot) {
                ASSERT_EQ(s.Hand[player][slot] != kNoTile, slot < count) << when;
                ++seen[s.Hand[player][slot]];
            }
            if (!TakesPart(s, player)) {
                EXPECT_EQ(count, 0) << when;
                EXPECT_EQ(s.Scores[player], 0) << when;
            }
            EXPECT_GE(s.Scores[player], lastScores_[player]) << when;
            // Where nothing scores during play, scores move only as a hand ends.
            if (!ScoresDuringPlay(s.Rules) && std::string(when) != "hand end") {
                EXPECT_EQ(s.Scores[player], lastScores_[player]) << when;
            }
            lastScores_[player] = s.Scores[player];
            EXPECT_EQ(s.Scores[player], s.Scores[PartnerOf(s.Rules, player)]) << when;
        }
        if (!DrawsFromPile(s.Rules)) {
            EXPECT_EQ(s.BonePileNext, 1 + 7 * s.PlayerCount) << when;
        }
        for (int arm = 0; arm < kArmCount; ++arm) {
            for (int i = 0; i < ArmLength(s, arm); ++i) {
                ++seen[s.Arm[arm][i].Tile];
            }
        }
        for (int p = s.BonePileNext; p < kDeckSize; ++p) {
            ++seen[s.Deck[p]];
        }
        for (int tile = 1; tile <= kTileCount; ++tile) {
            ASSERT_EQ(seen[tile], tile == inPlay ? 2 : 1) << "tile " << tile << " at " << when;
        }
    }

    // Each tile touches the one before it with a matching pip, and each open end is the last
    // tile's outer pip.
    static void CheckLineOfPlay(const GameState& s) {
        const PlacedTile& root = s.Arm[0][0];
        for (int arm = 0; arm < kArmCount; ++arm) {
            const int length = ArmLength(s, arm);
            for (int i = 0; i < length; ++i) {
                const PlacedTile& r = s.Arm[arm][i];
                ASSERT_TRUE(Shows(r.Tile, r.InnerPip) && Shows(r.Tile, r.OuterPip));
                if (i > 0) {
                    EXPECT_EQ(r.InnerPip, s.Arm[arm][i - 1].OuterPip) << "arm " << arm;
                } else if (arm == 2) {
                    EXPECT_EQ(r.InnerPip, root.InnerPip);
                } else if (arm != 0) {
                    EXPECT_TRUE(IsDouble(root.Tile));
                    EXPECT_EQ(r.InnerPip, root.InnerPip);
                }
            }
            if (length > 0 && (arm != 0 || s.SpinnerState != kSpinnerJustLaid)) {
                EXPECT_EQ(s.ArmOpenPip[arm], s.Arm[arm][length - 1].OuterPip) << "arm " << arm;
            }
        }
        if (s.SpinnerState >= kSpinnerJustLaid) {
            EXPECT_TRUE(IsDouble(root.Tile));
            EXPECT_TRUE(HasSpinner(s.Rules));
        }
        if (s.SpinnerState < kSideArmsOpen) {
            EXPECT_EQ(ArmLength(s, 1) + ArmLength(s, 3), 0);
        }
    }

    const Match& match_;
    int32_t lastScores_[5] = {};
};

struct Table {
    int32_t players;
    GameRules rules;
    int games;
};

void PrintTo(const Table& t, std::ostream* os) {
    *os << t.players << " players, game " << static_cast<int>(t.rules.Game) << ", partners "
        << t.rules.Partners;
}

class WholeGames : public ::testing::TestWithParam<Table> {};

TEST_P(WholeGames, EveryMoveKeepsTheGameConsistent) {
    const auto [players, rules, games] = GetParam();
    const int32_t levels[5] = {0, 1, 0, 1, 0};
    Match match(players, levels, 1.0, 1000 + players, rules);
    InvariantLog log(match);
    for (int game = 0; game < games; ++game) {
        log.StartGame();
        ASSERT_TRUE(match.PlayGame(log)) << "game " << game << " did not end";
        ASSERT_EQ(log.games_, game + 1);
        ASSERT_EQ(match.State().Rules, rules);
    }
    EXPECT_GT(log.plays_, games * 10);
}

INSTANTIATE_TEST_SUITE_P(
    Players, WholeGames,
    ::testing::Values(
        Table{2, {}, 1000}, Table{3, {}, 1000}, Table{4, {}, 1000},
        Table{2, {DominoGame::Draw, 0, 100}, 300}, Table{3, {DominoGame::Draw, 0, 250}, 100},
        Table{2, {DominoGame::Block, 0, 50}, 300}, Table{4, {DominoGame::Block, 0, 100}, 200},
        Table{4, {DominoGame::Draw, 1, 150}, 200}, Table{4, {DominoGame::Block, 1, 100}, 200},
        Table{4, {DominoGame::AllFives, 1, kAllFivesTarget}, 300},
        Table{2, {DominoGame::FivesAndThrees, 0, 61}, 300},
        Table{3, {DominoGame::FivesAndThrees, 0, 121}, 100},
        Table{4, {DominoGame::FivesAndThrees, 1, 31}, 300}));

// The Expert in seat 1 (through the human's moves) and in a computer seat: a few games each, as
// every one of its decisions plays hands out.
TEST_P(WholeGames, ExpertsKeepTheGameConsistent) {
    const auto [players, rules, games] = GetParam();
    const int32_t levels[5] = {0, 2, 1, 2, 0};
    Match match(players, levels, 1.0, 2000 + players, rules);
    InvariantLog log(match);
    for (int game = 0; game < 3; ++game) {
        log.StartGame();
        ASSERT_TRUE(match.PlayGame(log)) << "game " << game << " did not end";
    }
    EXPECT_EQ(log.games_, 3);
}

TEST(Simulator, TracesEveryMoveAsOneJsonObjectPerLine) {
    const int32_t levels[5] = {0, 1, 1, 1, 1};
    Match match(2, levels, 1.0, 3);
    std::ostringstream trace;
    MatchLog log(match, &trace);
    log.StartGame(1);
    ASSERT_TRUE(match.PlayGame(log));
    std::istringstream lines(trace.str());
    std::string line, last;
    int hands = 0, plays = 0, overs = 0;
    while (std::getline(lines, line)) {
        last = line;
        ASSERT_EQ(line.front(), '{');
        ASSERT_EQ(line.back(), '}');
        hands += line.rfind(R"({"event":"hand",)", 0) == 0;
        plays += line.rfind(R"({"event":"play",)", 0) == 0;
        overs += line.rfind(R"({"event":"gameOver",)", 0) == 0;
    }
    EXPECT_EQ(hands, log.Summary().hands);
    EXPECT_EQ(plays, log.Summary().plays);
    EXPECT_EQ(overs, 1);
    EXPECT_EQ(last.rfind(R"({"event":"gameOver",)", 0), 0u);
}

}  // namespace
}  // namespace pipwick
