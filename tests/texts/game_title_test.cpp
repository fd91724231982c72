#include "texts/game_title.h"

#include <gtest/gtest.h>

namespace pipwick {
namespace {

TEST(GameTitle, NamesEveryGameButAllFivesAlone) {
    const struct {
        GameRules rules;
        const char* title;
    } cases[] = {
        {{DominoGame::AllFives, 0, 250}, ""},
        {{DominoGame::AllFives, 1, 250}, "All Fives, partners"},
        {{DominoGame::Draw, 0, 100}, "Draw to 100"},
        {{DominoGame::Block, 0, 50}, "Block to 50"},
        {{DominoGame::Block, 1, 250}, "Block to 250, partners"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(text::GameTitle(c.rules), c.title);
    }
}

// A name is put in as it is, even one that looks like a place for another.
TEST(GameTitle, APairIsNamedFirstAndSecond) {
    EXPECT_EQ(text::PairName("Lefty", "RightStuff"), "Lefty and RightStuff");
    EXPECT_EQ(text::PairName("%2", "%1"), "%2 and %1");
    EXPECT_EQ(text::PairName("", "TopGun"), " and TopGun");
}

}  // namespace
}  // namespace pipwick
