#pragma once

#include <cstdint>

#include "model/game_kind.h"

namespace pipwick {

// What the rules and the computer players read of the player's preferences: who plays at which
// level, how fast the game moves, and which game the next New starts. Names, voices and looks are
// the windows' business.
struct GameSettings {
    int32_t PlayerLevel[5] = {0, 0, 1, 1, 1};  // read through LevelFromSetting
    int32_t Speed = 8;                         // tile flight speed 1..10
    int32_t PlayDelay = 2;                     // seconds before a computer player moves
    int32_t Game = 0;                          // the DominoGame the next New starts
    int32_t Partners = 0;                      // 1: play in pairs when four play
    int32_t PlayTo = kDefaultTarget;           // the target of a game that offers a choice
};

// The rules a new game of playerCount players takes from the settings. Partners need a table of
// four; an unknown game is All Fives, and a PlayTo that is none of the game's choices plays to
// the game's own default (a game with one choice always plays to it).
constexpr GameRules RulesForNewGame(const GameSettings& settings, int32_t playerCount) {
    GameRules rules;
    rules.Game =
        IsDominoGame(settings.Game) ? static_cast<DominoGame>(settings.Game) : DominoGame::AllFives;
    rules.Partners = settings.Partners != 0 && playerCount == 4 ? 1 : 0;
    rules.Target = IsTargetChoice(rules.Game, settings.PlayTo) ? settings.PlayTo
                                                               : KindOf(rules.Game).defaultTarget;
    return rules;
}

}  // namespace pipwick
