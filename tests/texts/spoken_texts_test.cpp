#include "texts/spoken_texts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "model/tile_set.h"

namespace pipwick {
namespace {

TEST(SpokenTexts, EveryTileHasNamesOfItsOwnWithTheHigherPipFirst) {
    std::set<std::string> names;
    for (int32_t tile = 1; tile <= kTileCount; ++tile) {
        const std::string name = text::TileWords(tile);
        const std::string high = text::PipWords(HighPip(tile));
        EXPECT_EQ(name.rfind(IsDouble(tile) ? "double " + high : high + "-", 0), 0u) << name;
        names.insert(name);
    }
    EXPECT_EQ(names.size(), static_cast<size_t>(kTileCount));
    EXPECT_EQ(text::TileWords(TileWithPips(6, 4)), "six-four");
    EXPECT_EQ(text::TileWords(TileWithPips(0, 5)), "five-blank");
    EXPECT_EQ(text::TileWords(TileWithPips(0, 0)), "double blank");
}

TEST(SpokenTexts, OutOfRangeValuesGiveNoWords) {
    for (int32_t tile : {kNoTile, kTileCount + 1, -1}) {
        EXPECT_EQ(text::TileWords(tile), "") << tile;
    }
    for (int32_t pip : {-1, kNoPip}) {
        EXPECT_EQ(text::PipWords(pip), "") << pip;
    }
    EXPECT_EQ(text::EndWords(4, 3, false), "");
}

struct EndCase {
    int arm;
    int32_t pip;
    bool doubleAtEnd;
    bool fits;
    int32_t score;
    const char* words;
};

TEST(SpokenTexts, EndsSayTheirSideTheirPipAndWhatAPlayThereWouldDo) {
    const EndCase cases[] = {
        {0, 4, false, true, 10, "right end: four, scores 10"},
        {1, 0, false, true, 0, "top end: blank, scores nothing"},
        {2, 6, true, false, 0, "left end: double six, does not fit"},
        {3, 1, false, true, 5, "bottom end: one, scores 5"},
    };
    for (const EndCase& c : cases) {
        EXPECT_EQ(text::EndWords(c.arm, c.pip, c.doubleAtEnd) + text::EndPlayWords(c.fits, c.score),
                  c.words);
    }
}

TEST(SpokenTexts, MovesNameThePlayerAsGivenTheTileOnlyWhenShownAndAScoreOnlyWhenMade) {
    const std::string name = "100% %s";
    const std::pair<std::string, std::string> cases[] = {
        {text::LeadNews(name, TileWithPips(6, 6), 0), "100% %s leads double six"},
        {text::LeadNews(name, TileWithPips(5, 5), 10), "100% %s leads double five, scores 10"},
        {text::PlayNews(name, TileWithPips(3, 2), 2, 0), "100% %s plays three-two on the left end"},
        {text::PlayNews(name, TileWithPips(4, 1), 3, 15),
         "100% %s plays four-one on the bottom end, scores 15"},
        {text::DrawNews(name, TileWithPips(3, 2), false), "100% %s draws a tile"},
        {text::DrawNews(name, TileWithPips(3, 2), true), "100% %s draws three-two"},
        {text::PassNews(name), "100% %s passes"},
        {text::HandOverNews(name, 0), "The hand is over: 100% %s wins 0"},
        {text::HandOverNews(name, 25), "The hand is over: 100% %s wins 25"},
        {text::HandOverNews("", 0), "The hand is over: nobody wins"},
        {text::GameOverNews(name), "The game is over: 100% %s wins"},
    };
    for (const auto& [said, expected] : cases) {
        EXPECT_EQ(said, expected);
    }
}

}  // namespace
}  // namespace pipwick
