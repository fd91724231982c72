#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace pipwick {

// The games Pipwick plays. The values are what the settings file and a saved game store.
enum class DominoGame : int32_t {
    AllFives = 0,        // the first double is a spinner; the open ends score during play
    Draw = 1,            // a line with two ends, nothing scores during play; drawing from the pile
    Block = 2,           // as Draw, but nobody draws: a player who cannot play passes
    FivesAndThrees = 3,  // as Draw, but the ends score in fives and in threes during play
};

// What the sum of the open ends scores after a play.
enum class EndScoring : int32_t {
    kNothing,         // only the hand's end scores
    kMultipleOfFive,  // a positive multiple of 5 scores itself
    kFivesAndThrees,  // one point for each 5 it holds when 5 divides it, and for each 3 when 3 does
};

// What the winner of a hand gains.
enum class HandAward : int32_t {
    kOthersPips,  // the pips left in the other side's hands, rounded to AwardRounding
    kOneGo,       // one point, whatever the others hold
};

// One game kind: everything the rules, the files and the windows need to know of it. Its texts
// (its name on the screen) live in texts/, held to this table by a static_assert there.
struct GameKindRow {
    DominoGame game;
    const char* simName;        // the word pipwick-sim's --game takes
    const char* statisticsKey;  // its row in the statistics file; with partners + "Partners"
    bool spinner;               // the first double becomes a spinner with side arms
    EndScoring endScoring;
    bool draws;  // a player who cannot play draws from the bone pile
    HandAward award;
    int32_t awardRounding;   // the award is rounded to the nearest multiple of this
    bool twoPlayersByCount;  // between two, the lower count wins and equal counts win nothing
    std::span<const int32_t> targetChoices;  // one choice is a fixed target
    int32_t defaultTarget;                   // one of targetChoices
    int32_t handSize;                        // tiles dealt to each player
};

inline constexpr int32_t kAllFivesTargets[] = {250};
inline constexpr int32_t kLineGameTargets[] = {50, 100, 150, 200, 250};
inline constexpr int32_t kFivesAndThreesTargets[] = {31, 61, 121};

// Indexed by the DominoGame's value.
inline constexpr GameKindRow kGameKinds[] = {
    {DominoGame::AllFives, "fives", "allFives", true, EndScoring::kMultipleOfFive, true,
     HandAward::kOthersPips, 5, true, kAllFivesTargets, 250, 7},
    {DominoGame::Draw, "draw", "draw", false, EndScoring::kNothing, true, HandAward::kOthersPips, 1,
     false, kLineGameTargets, 100, 7},
    {DominoGame::Block, "block", "block", false, EndScoring::kNothing, false,
     HandAward::kOthersPips, 1, false, kLineGameTargets, 100, 7},
    {DominoGame::FivesAndThrees, "fives-threes", "fivesAndThrees", false,
     EndScoring::kFivesAndThrees, true, HandAward::kOneGo, 1, false, kFivesAndThreesTargets, 61, 7},
};

inline constexpr int kGameKindCount = static_cast<int>(std::size(kGameKinds));

constexpr bool IsDominoGame(int32_t value) {
    return value >= 0 && value < kGameKindCount;
}

constexpr const GameKindRow& KindOf(DominoGame game) {
    return kGameKinds[static_cast<int32_t>(game)];
}

constexpr bool RowsFollowTheirNumbers() {
    for (int i = 0; i < kGameKindCount; ++i) {
        if (static_cast<int>(kGameKinds[i].game) != i) {
            return false;
        }
    }
    return true;
}
static_assert(RowsFollowTheirNumbers(), "each row sits at its game's stored number");

constexpr bool IsTargetChoice(DominoGame game, int32_t target) {
    for (int32_t choice : KindOf(game).targetChoices) {
        if (choice == target) {
            return true;
        }
    }
    return false;
}

constexpr bool DefaultsAreChoices() {
    for (const GameKindRow& row : kGameKinds) {
        if (!IsTargetChoice(row.game, row.defaultTarget) || row.awardRounding < 1) {
            return false;
        }
    }
    return true;
}
static_assert(DefaultsAreChoices(), "each game's default target is one of its choices");

// The lowest and the highest target of any game: the range a stored target may take.
constexpr int32_t LowestTarget() {
    int32_t lowest = kGameKinds[0].targetChoices[0];
    for (const GameKindRow& row : kGameKinds) {
        for (int32_t choice : row.targetChoices) {
            lowest = choice < lowest ? choice : lowest;
        }
    }
    return lowest;
}

constexpr int32_t HighestTarget() {
    int32_t highest = kGameKinds[0].targetChoices[0];
    for (const GameKindRow& row : kGameKinds) {
        for (int32_t choice : row.targetChoices) {
            highest = choice > highest ? choice : highest;
        }
    }
    return highest;
}
// A saved game keeps the target in one byte.
static_assert(LowestTarget() >= 1 && HighestTarget() <= 255);

// What a sum of open ends scores under scoring.
constexpr int32_t EndTotalPoints(EndScoring scoring, int32_t total) {
    if (total < 1) {
        return 0;
    }
    switch (scoring) {
        case EndScoring::kMultipleOfFive:
            return total % 5 == 0 ? total : 0;
        case EndScoring::kFivesAndThrees:
            return (total % 5 == 0 ? total / 5 : 0) + (total % 3 == 0 ? total / 3 : 0);
        case EndScoring::kNothing:
            break;
    }
    return 0;
}

// The target the settings' Play to starts at, shared by the games that offer a choice.
constexpr int32_t kDefaultTarget = KindOf(DominoGame::Draw).defaultTarget;
constexpr int32_t kAllFivesTarget = KindOf(DominoGame::AllFives).defaultTarget;

// The rules one game is played by, fixed when it starts: a change of preferences waits for the
// next New, and a saved game carries them. The defaults are All Fives, every player for himself.
struct GameRules {
    DominoGame Game = DominoGame::AllFives;
    int32_t Partners = 0;  // 1: seats 1 and 3 against seats 2 and 4 (four players only)
    int32_t Target = kAllFivesTarget;
    friend bool operator==(const GameRules&, const GameRules&) = default;
};

// The rules a game had before there were other games or partners: saved games, traces and the
// Expert's deals of these rules carry no word of them.
constexpr bool AreFirstRules(const GameRules& rules) {
    return rules == GameRules{};
}

}  // namespace pipwick
