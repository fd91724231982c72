#pragma once

#include <cstdint>

#include "texts/texts.h"

namespace pipwick {

// The command numbers of the human window's menu.
enum class Command : int32_t {
    kExit = 1,
    kNew = 32771,
    kGeneralPreferences = 32772,
    kHelpContents = 32773,
    kSave = 32774,
    kOpen = 32775,
    kDrawPass = 32780,
    kTwoPlayers = 32789,
    kThreePlayers = 32790,
    kFourPlayers = 32791,
    kPlayerPreferences = 32792,
    kCheckVersion = 32794,
    kUndo = 32795,
    kHint = 32796,
    kResumeLastGame = 32810,
    kScoreSheet = 32811,
    kStatistics = 32812,
    kHostTable = 32813,
    kJoinTable = 32814,
    kAbout = 57664,
};

// Where an item sits: in the Game menu, its Options submenu, the Help menu, or on the bar itself.
enum class MenuPlace { kGame, kOptions, kHelp, kBar };

struct MenuItem {
    MenuPlace place;
    Command command;
    const char* text;
    // The keys that give the command, empty for none; Draw/Pass has one the text does not show.
    const char* keys;
    // A second key for the same command, empty for none.
    const char* otherKeys = "";
};

// The menu in the order its items appear. The player-count items are at positions 2, 3 and 4 of
// the Options submenu, which is at position 3 of the Game menu; Draw/Pass is the bar's third item.
constexpr MenuItem kMenuItems[] = {
    {MenuPlace::kGame, Command::kNew, text::kNew, "Ctrl+N"},
    {MenuPlace::kGame, Command::kOpen, text::kOpen, "Ctrl+O"},
    {MenuPlace::kGame, Command::kSave, text::kSave, "Ctrl+S"},
    {MenuPlace::kOptions, Command::kGeneralPreferences, text::kGeneralPreferences, "Ctrl+G"},
    {MenuPlace::kOptions, Command::kPlayerPreferences, text::kPlayerPreferences, "Ctrl+P"},
    {MenuPlace::kOptions, Command::kTwoPlayers, text::kTwoPlayers, ""},
    {MenuPlace::kOptions, Command::kThreePlayers, text::kThreePlayers, ""},
    {MenuPlace::kOptions, Command::kFourPlayers, text::kFourPlayers, ""},
    {MenuPlace::kGame, Command::kUndo, text::kUndo, "Ctrl+Z"},
    {MenuPlace::kGame, Command::kHint, text::kHint, "H", "Ctrl+H"},
    {MenuPlace::kGame, Command::kResumeLastGame, text::kResumeLastGame, ""},
    {MenuPlace::kGame, Command::kScoreSheet, text::kScoreSheet, "Ctrl+T"},
    {MenuPlace::kGame, Command::kStatistics, text::kStatistics, ""},
    {MenuPlace::kGame, Command::kHostTable, text::kHostTable, ""},
    {MenuPlace::kGame, Command::kJoinTable, text::kJoinTable, ""},
    {MenuPlace::kGame, Command::kExit, text::kExit, "Alt+X"},
    {MenuPlace::kHelp, Command::kHelpContents, text::kHelpContents, "F1"},
    {MenuPlace::kHelp, Command::kAbout, text::kAbout, "Ctrl+D"},
    {MenuPlace::kHelp, Command::kCheckVersion, text::kCheckVersion, ""},
    {MenuPlace::kBar, Command::kDrawPass, text::kDraw, "Ctrl+A"},
};

// The number of players a player-count command chooses, 0 for any other command.
constexpr int32_t PlayersOf(Command command) {
    switch (command) {
        case Command::kTwoPlayers:
            return 2;
        case Command::kThreePlayers:
            return 3;
        case Command::kFourPlayers:
            return 4;
        default:
            return 0;
    }
}

}  // namespace pipwick
