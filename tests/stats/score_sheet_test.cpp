#include "stats/score_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "model/rules.h"
#include "sim/match.h"

namespace pipwick {
namespace {

// What the game itself says about each hand, beside the sheet kept from the same moves.
struct HandSeen {
    int32_t points = 0;
    int winner = 0;
    int32_t gain = 0;
    int32_t scores[5] = {};
};

class SheetAndWitness : public PlayLog {
  public:
    SheetAndWitness(ScoreSheet& sheet, const Match& match) : sheet_(sheet), match_(match) {}

    void GameStarted() override { sheet_.GameStarted(); }
    void HandStarted() override {
        ++handsStarted;
        sheet_.HandStarted();
    }
    void PlayScored(int player, int32_t points) override { sheet_.PlayScored(player, points); }
    void HandEnded(int32_t points, int winner, int32_t gain) override {
        HandSeen seen{points, winner, gain, {}};
        std::copy(std::begin(match_.State().Scores), std::end(match_.State().Scores), seen.scores);
        hands.push_back(seen);
        sheet_.HandEnded(points, winner, gain);
    }
    void GameEnded(int winner) override {
        gameWinner = winner;
        sheet_.GameEnded(winner);
    }

    int handsStarted = 0;
    std::vector<HandSeen> hands;
    int gameWinner = 0;

  private:
    ScoreSheet& sheet_;
    const Match& match_;
};

// Every game, alone and with partners, at every size of table that game allows.
const GameRules kEveryGame[] = {
    {DominoGame::AllFives, 0, 250}, {DominoGame::Draw, 0, 100}, {DominoGame::Block, 0, 50},
    {DominoGame::AllFives, 1, 250}, {DominoGame::Draw, 1, 150}, {DominoGame::Block, 1, 100},
};

TEST(ScoreSheet, RowsAndChartFollowTheHandsOfSimulatedGames) {
    int endedByAPlay = 0;
    int endedWithAHand = 0;
    for (const GameRules& rules : kEveryGame) {
        for (int32_t players = rules.Partners != 0 ? 4 : 2; players <= 4; ++players) {
            for (uint64_t seed = 1; seed <= 40; ++seed) {
                SCOPED_TRACE(testing::Message()
                             << players << " players, seed " << seed << ", game "
                             << static_cast<int>(rules.Game) << ", partners " << rules.Partners);
                const int32_t levels[5] = {0, 1, 1, static_cast<int32_t>(seed % 2), 1};
                Match match(players, levels, 1.0, seed, rules);
                ScoreSheet sheet(match.State());
                int changes = 0;
                sheet.OnChange([&changes] { ++changes; });
                SheetAndWitness log(sheet, match);
                ASSERT_TRUE(match.PlayGame(log));

                const std::vector<SheetRow>& rows = sheet.Rows();
                ASSERT_EQ(rows.size(), static_cast<size_t>(log.handsStarted));
                ASSERT_GE(rows.size(), log.hands.size());
                EXPECT_EQ(sheet.PlayerCount(), players);
                // With partners the sheet has a column for each pair.
                EXPECT_EQ(sheet.Players().size(), rules.Partners != 0 ? 2u : size_t(players));
                for (size_t i = 0; i < log.hands.size(); ++i) {
                    const SheetRow& row = rows[i];
                    EXPECT_EQ(row.hand, static_cast<int32_t>(i + 1));
                    EXPECT_EQ(row.outcome, log.hands[i].winner == 0 ? HandOutcome::kNoWinner
                                                                    : HandOutcome::kWon);
                    EXPECT_EQ(row.winner, log.hands[i].winner);
                    EXPECT_EQ(row.lastPlayPoints, log.hands[i].points);
                    EXPECT_EQ(row.pipsAwarded, log.hands[i].gain);
                    for (int player = 1; player <= 4; ++player) {
                        EXPECT_EQ(row.scores[player], log.hands[i].scores[player]) << "hand " << i;
                    }
                }
                // A play that reaches 250 ends the game in the middle of its hand.
                const SheetRow& last = rows.back();
                if (rows.size() > log.hands.size()) {
                    ASSERT_EQ(rows.size(), log.hands.size() + 1);
                    EXPECT_EQ(last.outcome, HandOutcome::kGameEnded);
                    // With partners the pair wins, whichever partner made the play.
                    EXPECT_TRUE(ShareScore(rules, last.winner, log.gameWinner));
                    EXPECT_GT(last.lastPlayPoints, 0);
                    ++endedByAPlay;
                } else {
                    ++endedWithAHand;
                }
                for (int player = 1; player <= 4; ++player) {
                    EXPECT_EQ(last.scores[player], match.State().Scores[player]);
                    std::vector<int32_t> line{0};
                    for (const SheetRow& row : rows) {
                        line.push_back(row.scores[player]);
                    }
                    EXPECT_EQ(sheet.ScoreLine(player), line);
                }
                EXPECT_GT(changes, static_cast<int>(rows.size()));
            }
        }
    }
    // Both ways a game ends were seen.
    EXPECT_GT(endedByAPlay, 0);
    EXPECT_GT(endedWithAHand, 0);
}

TEST(ScoreSheet, AGameUnderWayStartsFromItsScoresWithItsHandInPlay) {
    GameState state;
    ResetGameState(state);
    state.PlayerCount = 3;
    state.GameInProgress = 1;
    state.Scores[1] = 120;
    state.Scores[2] = 40;
    state.Scores[3] = 85;
    ScoreSheet sheet(state);
    EXPECT_FALSE(sheet.CarriedOver());
    sheet.StartFrom();
    EXPECT_TRUE(sheet.CarriedOver());
    ASSERT_EQ(sheet.Rows().size(), 1u);
    EXPECT_EQ(sheet.Rows()[0].outcome, HandOutcome::kInPlay);
    EXPECT_EQ(sheet.PlayerCount(), 3);
    EXPECT_EQ(sheet.ScoreLine(1), (std::vector<int32_t>{120, 120}));

    sheet.PlayScored(3, 15);
    sheet.HandEnded(15, 3, 10);
    EXPECT_EQ(sheet.ScoreLine(3), (std::vector<int32_t>{85, 110}));
    EXPECT_EQ(sheet.ScoreLine(2), (std::vector<int32_t>{40, 40}));

    // A new game starts the sheet afresh.
    state.Scores[1] = state.Scores[2] = state.Scores[3] = 0;
    sheet.GameStarted();
    EXPECT_FALSE(sheet.CarriedOver());
    EXPECT_TRUE(sheet.Rows().empty());
    EXPECT_EQ(sheet.ScoreLine(1), std::vector<int32_t>{0});
}

TEST(ScoreSheet, AnOpenedFinishedGameHasNoHandInPlay) {
    GameState state;
    ResetGameState(state);
    state.Scores[3] = 255;
    ScoreSheet sheet(state);
    sheet.StartFrom();
    EXPECT_TRUE(sheet.Rows().empty());
    EXPECT_EQ(sheet.ScoreLine(3), std::vector<int32_t>{255});
    // Events of no hand in play change nothing.
    sheet.HandEnded(0, 1, 20);
    EXPECT_TRUE(sheet.Rows().empty());
}

}  // namespace
}  // namespace pipwick
