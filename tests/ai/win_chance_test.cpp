#include "ai/win_chance.h"

#include <gtest/gtest.h>

namespace pipwick {
namespace {

// Needs of two sides, as the scores of a game to 100 could leave them.
struct Race {
    double mine;
    double theirs;
};

// Even needs are an even race; the side needing less is ahead, the more so the nearer the end
// and the less a hand's score can swing; and one side's chance is the other's loss.
TEST(ChanceToReachFirst, FavoursTheSideNeedingLessTheMoreTheNearerTheEnd) {
    const double spread = ScoreSpread({DominoGame::Block, 0, 100}, 2);
    EXPECT_DOUBLE_EQ(ChanceToReachFirst(40, 40, spread), 0.5);
    const Race races[] = {{10, 30}, {60, 80}, {80, 100}, {1, 5}};
    double previous = 1.0;
    for (const Race& race : races) {
        const double chance = ChanceToReachFirst(race.mine, race.theirs, spread);
        EXPECT_GT(chance, 0.5) << race.mine << " against " << race.theirs;
        EXPECT_NEAR(chance + ChanceToReachFirst(race.theirs, race.mine, spread), 1.0, 1e-12);
        EXPECT_GT(chance, ChanceToReachFirst(race.mine, race.theirs, 2 * spread));
        if (race.theirs - race.mine == 20) {
            EXPECT_LT(chance, previous) << "the same lead further from the end";
            previous = chance;
        }
    }
}

}  // namespace
}  // namespace pipwick
