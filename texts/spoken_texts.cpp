#include "texts/spoken_texts.h"

#include "model/tile_set.h"
#include "texts/texts.h"

namespace pipwick::text {

namespace {

constexpr const char* kPipWords[7] = {"blank", "one", "two", "three", "four", "five", "six"};

std::string ScoreWords(int32_t score) {
    return score > 0 ? ", scores " + std::to_string(score) : "";
}

}  // namespace

std::string PipWords(int32_t pip) {
    return pip >= 0 && pip <= 6 ? kPipWords[pip] : "";
}

std::string TileWords(int32_t tile) {
    if (tile < 1 || tile > kTileCount) {
        return "";
    }
    if (IsDouble(tile)) {
        return "double " + PipWords(HighPip(tile));
    }
    return PipWords(HighPip(tile)) + "-" + PipWords(LowPip(tile));
}

std::string EndWords(int arm, int32_t pip, bool doubleAtEnd) {
    if (arm < 0 || arm > 3) {
        return "";
    }
    return std::string(kArmEnds[arm]) + " end: " + (doubleAtEnd ? "double " : "") + PipWords(pip);
}

std::string EndPlayWords(bool fits, int32_t score) {
    if (!fits) {
        return ", does not fit";
    }
    return score > 0 ? ", scores " + std::to_string(score) : ", scores nothing";
}

std::string LeadNews(const std::string& player, int32_t tile, int32_t score) {
    return player + " leads " + TileWords(tile) + ScoreWords(score);
}

std::string PlayNews(const std::string& player, int32_t tile, int arm, int32_t score) {
    const std::string end = arm >= 0 && arm <= 3 ? kArmEnds[arm] : "";
    return player + " plays " + TileWords(tile) + " on the " + end + " end" + ScoreWords(score);
}

std::string DrawNews(const std::string& player, int32_t tile, bool shown) {
    return player + " draws " + (shown ? TileWords(tile) : "a tile");
}

std::string PassNews(const std::string& player) {
    return player + " passes";
}

std::string HandOverNews(const std::string& winner, int32_t gain) {
    if (winner.empty()) {
        return "The hand is over: nobody wins";
    }
    return "The hand is over: " + winner + " wins " + std::to_string(gain);
}

std::string GameOverNews(const std::string& winner) {
    return "The game is over: " + winner + " wins";
}

}  // namespace pipwick::text
