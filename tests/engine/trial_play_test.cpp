#include "engine/trial_play.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/engine/human_seat.h"

namespace pipwick {
namespace {

// What the human's play scored, read from the announcement the play made before anyone else
// moved: "Player scores N", or the turn passing on with nothing scored.
int32_t ScoreAnnouncedAfterLanding(const RecordingView& view) {
    bool landed = false;
    for (const std::string& event : view.events) {
        landed = landed || event.rfind("lands", 0) == 0;
        if (landed && event.rfind("announce", 0) == 0) {
            const std::string scores = "announce Player scores ";
            return event.rfind(scores, 0) == 0 ? std::stoi(event.substr(scores.size())) : 0;
        }
    }
    return -1;
}

// On positions from whole games, every tile of the human's hand against every arm: the trial
// accepts exactly what the game accepts when the tile is picked up and dropped there, previews the
// score the play then makes, and leaves the state as it was.
TEST(TrialPlay, AcceptsWhatTheGameAcceptsAndScoresWhatThePlayScores) {
    int accepted = 0;
    int refused = 0;
    int scoring = 0;
    for (int players = 2; players <= 4; ++players) {
        for (uint32_t seed = 1; seed <= 10; ++seed) {
            TestTable game(players);
            game.seeds.seed = seed * 104729;
            game.game.NewGame();
            for (int moves = 0; HumansTurn(game.state) && moves < 60; ++moves) {
                const GameState position = game.state;
                for (int slot = 0; slot < HandCount(position, 1); ++slot) {
                    for (int arm = 0; arm < kArmCount; ++arm) {
                        if (!TableIsEmpty(position) && position.ArmDropRect[arm].IsEmpty()) {
                            continue;
                        }
                        const int32_t tile = position.Hand[1][slot];
                        const TrialPlay trial = TryHumanPlay(position, game.geometry, tile, arm);
                        ASSERT_EQ(std::memcmp(&position, &game.state, sizeof position), 0);

                        TestTable real(players);
                        real.state = position;
                        real.game.HumanClicksHandTile(slot);
                        if (!TableIsEmpty(position)) {
                            real.game.HumanPlaysOnArm(arm);
                        }
                        const bool played = !real.view.Only("lands").empty();
                        ASSERT_EQ(trial.accepted, played) << "tile " << tile << " arm " << arm;
                        if (played) {
                            ++accepted;
                            scoring += trial.score > 0 ? 1 : 0;
                            EXPECT_EQ(trial.score, ScoreAnnouncedAfterLanding(real.view));
                        } else {
                            ++refused;
                            EXPECT_EQ(real.view.Only("message"),
                                      std::vector<std::string>{"message 0"});
                            EXPECT_EQ(trial.score, 0);
                        }
                    }
                }
                MakeFirstFittingMove(game);
            }
        }
    }
    EXPECT_GT(accepted, 500);
    EXPECT_GT(refused, 500);
    EXPECT_GT(scoring, 50);
}

TEST(TrialPlay, ATileOrArmOutsideTheSetIsNeverAccepted) {
    TestTable table;
    table.StartEmptyHand();
    table.Lay(0, T(6, 4));
    for (const auto& [tile, arm] : {std::pair{0, 0}, std::pair{29, 0}, std::pair{-3, 0},
                                    std::pair{T(6, 6), -1}, std::pair{T(6, 6), 4}}) {
        EXPECT_FALSE(TryHumanPlay(table.state, table.geometry, tile, arm).accepted)
            << tile << " " << arm;
    }
    EXPECT_TRUE(TryHumanPlay(table.state, table.geometry, T(6, 6), 0).accepted);
}

}  // namespace
}  // namespace pipwick
