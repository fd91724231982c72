#pragma once

#include <cstdint>

namespace pipwick {

// The games Pipwick plays. The values are what the settings file and a saved game store.
enum class DominoGame : int32_t {
    AllFives = 0,  // the first double is a spinner; the open ends score during play
    Draw = 1,      // a line with two ends, nothing scores during play; drawing from the pile
    Block = 2,     // as Draw, but nobody draws: a player who cannot play passes
};

constexpr int32_t kAllFivesTarget = 250;  // All Fives always plays to 250
constexpr int32_t kDefaultTarget = 100;   // where Draw and Block stop unless told otherwise
// What Draw and Block may be played to.
constexpr int32_t kTargetChoices[] = {50, 100, 150, 200, 250};

constexpr bool IsTargetChoice(int32_t target) {
    for (int32_t choice : kTargetChoices) {
        if (choice == target) {
            return true;
        }
    }
    return false;
}

constexpr bool IsDominoGame(int32_t value) {
    return value >= static_cast<int32_t>(DominoGame::AllFives) &&
           value <= static_cast<int32_t>(DominoGame::Block);
}

// The rules one game is played by, fixed when it starts: a change of preferences waits for the
// next New, and a saved game carries them. The defaults are All Fives, every player for himself.
struct GameRules {
    DominoGame Game = DominoGame::AllFives;
    int32_t Partners = 0;  // 1: seats 1 and 3 against seats 2 and 4 (four players only)
    int32_t Target = kAllFivesTarget;
    friend bool operator==(const GameRules&, const GameRules&) = default;
};

}  // namespace pipwick
