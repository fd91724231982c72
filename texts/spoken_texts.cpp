#include "texts/spoken_texts.h"

#include "model/tile_set.h"
#include "texts/texts.h"
#include "texts/translation.h"

namespace pipwick::text {

namespace {

constexpr const char* kPipWords[7] = {
    PIPWICK_TEXT("blank"), PIPWICK_TEXT("one"),  PIPWICK_TEXT("two"), PIPWICK_TEXT("three"),
    PIPWICK_TEXT("four"),  PIPWICK_TEXT("five"), PIPWICK_TEXT("six")};
// %1 is the pip of both halves, in words.
constexpr const char* kDoubleWords = PIPWICK_TEXT("double %1");
// %1 and %2 are the pips in words, the higher first.
constexpr const char* kTileWords = PIPWICK_TEXT("%1-%2");
// %1 is the side the arm leaves the centre from (right, top, left, bottom), %2 its open pip.
constexpr const char* kEndWords = PIPWICK_TEXT("%1 end: %2");
constexpr const char* kDoubleEndWords = PIPWICK_TEXT("%1 end: double %2");
constexpr const char* kDoesNotFit = PIPWICK_TEXT(", does not fit");
constexpr const char* kScoresNothing = PIPWICK_TEXT(", scores nothing");
constexpr const char* kScores = PIPWICK_TEXT(", scores %1");
// %1 is the player's name, %2 the tile in words, %3 the side of the end, %4 the score.
constexpr const char* kLeadNews = PIPWICK_TEXT("%1 leads %2");
constexpr const char* kLeadScoringNews = PIPWICK_TEXT("%1 leads %2, scores %4");
constexpr const char* kPlayNews = PIPWICK_TEXT("%1 plays %2 on the %3 end");
constexpr const char* kPlayScoringNews = PIPWICK_TEXT("%1 plays %2 on the %3 end, scores %4");
constexpr const char* kDrawsTileNews = PIPWICK_TEXT("%1 draws %2");
constexpr const char* kDrawsHiddenNews = PIPWICK_TEXT("%1 draws a tile");
constexpr const char* kPassNews = PIPWICK_TEXT("%1 passes");
constexpr const char* kNobodyWinsNews = PIPWICK_TEXT("The hand is over: nobody wins");
// %1 is the winner's name, %2 the points won.
constexpr const char* kHandOverNews = PIPWICK_TEXT("The hand is over: %1 wins %2");
constexpr const char* kGameOverNews = PIPWICK_TEXT("The game is over: %1 wins");
// The same, with %1 two partners who win together.
constexpr const char* kPairHandOverNews = PIPWICK_TEXT("The hand is over: %1 win %2");
constexpr const char* kPairGameOverNews = PIPWICK_TEXT("The game is over: %1 win");

std::string ArmSide(int arm) {
    return arm >= 0 && arm <= 3 ? Translate(kArmEnds[arm]) : "";
}

// A move with its score, when it made one, as the fourth argument.
std::string MoveNews(const char* plain, const char* scoring, const std::string& player,
                     const std::string& tile, const std::string& side, int32_t score) {
    return Fill(Translate(score > 0 ? scoring : plain),
                {player, tile, side, std::to_string(score)});
}

}  // namespace

std::string PipWords(int32_t pip) {
    return pip >= 0 && pip <= 6 ? Translate(kPipWords[pip]) : "";
}

std::string TileWords(int32_t tile) {
    if (tile < 1 || tile > kTileCount) {
        return "";
    }
    if (IsDouble(tile)) {
        return Fill(Translate(kDoubleWords), {PipWords(HighPip(tile))});
    }
    return Fill(Translate(kTileWords), {PipWords(HighPip(tile)), PipWords(LowPip(tile))});
}

std::string EndWords(int arm, int32_t pip, bool doubleAtEnd) {
    if (arm < 0 || arm > 3) {
        return "";
    }
    return Fill(Translate(doubleAtEnd ? kDoubleEndWords : kEndWords),
                {ArmSide(arm), PipWords(pip)});
}

std::string EndPlayWords(bool fits, int32_t score) {
    if (!fits) {
        return Translate(kDoesNotFit);
    }
    return score > 0 ? Fill(Translate(kScores), {std::to_string(score)})
                     : Translate(kScoresNothing);
}

std::string LeadNews(const std::string& player, int32_t tile, int32_t score) {
    return MoveNews(kLeadNews, kLeadScoringNews, player, TileWords(tile), "", score);
}

std::string PlayNews(const std::string& player, int32_t tile, int arm, int32_t score) {
    return MoveNews(kPlayNews, kPlayScoringNews, player, TileWords(tile), ArmSide(arm), score);
}

std::string DrawNews(const std::string& player, int32_t tile, bool shown) {
    return shown ? Fill(Translate(kDrawsTileNews), {player, TileWords(tile)})
                 : Fill(Translate(kDrawsHiddenNews), {player});
}

std::string PassNews(const std::string& player) {
    return Fill(Translate(kPassNews), {player});
}

std::string HandOverNews(const std::string& winner, int32_t gain, bool pair) {
    if (winner.empty()) {
        return Translate(kNobodyWinsNews);
    }
    return Fill(Translate(pair ? kPairHandOverNews : kHandOverNews),
                {winner, std::to_string(gain)});
}

std::string GameOverNews(const std::string& winner, bool pair) {
    return Fill(Translate(pair ? kPairGameOverNews : kGameOverNews), {winner});
}

}  // namespace pipwick::text
