#include "texts/announcement_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace pipwick {
namespace {

using Kind = AnnouncementKind;

const std::string kNames[5] = {"", "Player", "Lefty", "TopGun", "RightStuff"};

struct Case {
    Announcement announcement;
    const char* status;
};

class AnnouncementTextTest : public testing::TestWithParam<Case> {};

TEST_P(AnnouncementTextTest, ReadsAsTheStatusLine) {
    EXPECT_EQ(text::AnnouncementText(GetParam().announcement, kNames), GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, AnnouncementTextTest,
    testing::Values(Case{{Kind::kShuffling}, "Shuffling..."},
                    Case{{Kind::kDown, 3}, "TopGun's down"},
                    Case{{Kind::kTurn, 1}, "Player's turn"},
                    Case{{Kind::kScores, 4, 0, 15}, "RightStuff scores 15"},
                    Case{{Kind::kDominoes, 2}, "Lefty dominoes."},
                    Case{{Kind::kDominoesScores, 1, 0, 120}, "Player dominoes, scores 120"},
                    Case{{Kind::kPasses, 2}, "Lefty passes"},
                    Case{{Kind::kHumanPassed, 1, 4}, "Player passed.  RightStuff's turn"},
                    Case{{Kind::kGameOver}, "Game over"},
                    // A value of 0 is left out, any other shown with its sign.
                    Case{{Kind::kDominoesScores, 3, 0, 0}, "TopGun dominoes, scores"},
                    Case{{Kind::kScores, 2, 0, -5}, "Lefty scores -5"},
                    // A seat outside the table names nobody rather than reading past the names.
                    Case{{Kind::kTurn, 0}, "'s turn"},
                    Case{{Kind::kHumanPassed, 1, 5}, "Player passed.  's turn"},
                    Case{{Kind::kDown, -1}, "'s down"}));

TEST(AnnouncementText, PutsNamesInAsTheyAre) {
    const std::string names[5] = {"", "50%d off %s", "%s", "", "a"};
    EXPECT_EQ(text::AnnouncementText({Kind::kHumanPassed, 1, 2}, names),
              "50%d off %s passed.  %s's turn");
    EXPECT_EQ(text::AnnouncementText({Kind::kScores, 3, 0, 5}, names), " scores 5");
}

}  // namespace
}  // namespace pipwick
