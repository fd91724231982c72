#pragma once

// Every text the windows show: captions, menu items, status-pop-up messages and questions, quoted
// exactly, in one place. An '&' marks the mnemonic letter of a menu text; the part after a tab is
// the shortcut the menu shows beside it.

#include "texts/version.h"

namespace pipwick::text {

constexpr const char* kAppTitle = "Pipwick";

// Player window captions: score, then name.
constexpr const char* kCaption = "%d - %s";
// The score inside a player's window, where the caption is too narrow to show it whole.
constexpr const char* kScoreInWindow = "Score: %d";

// The status pop-up.
constexpr const char* kWontPlayThere = "That domino won't play there!";
constexpr const char* kHandOver = "        This hand is over.";
constexpr const char* kComputerWins = "This game is over.  %s is the winner.";
constexpr const char* kHumanWins = "Congratulations!  You won the game!";

// The command line.
constexpr const char* kVersionLine = "Pipwick " PIPWICK_VERSION;
constexpr const char* kUsage =
    "usage: pipwick [SAVED-GAME.dom]\n"
    "       pipwick --help | --version\n"
    "Plays dominoes, All Fives with a spinner, against one to three computer players.\n"
    "A saved game named on the command line is opened at start-up.\n";

// Saved games.
constexpr const char* kOpenTitle = "Open a saved Domino Game";
constexpr const char* kSaveTitle = "Save this Domino Game";
constexpr const char* kGameFilter = "Domino Games (*.dom)";
constexpr const char* kGameSuffix = "dom";
constexpr const char* kCantOpenGame = "Can't open game!";
constexpr const char* kCantSaveGame = "Can't save game!";
constexpr const char* kGameOpened = "Game opened";
constexpr const char* kGameResumed = "Last game resumed";

constexpr const char* kCantLoadDominoes = "Can't get memory....can't load dominoes";

// Asked before New or Open gives up a game under way; No keeps playing.
constexpr const char* kAbandonGameQuestion = "Abandon this game?";

constexpr const char* kChangePlayersQuestion =
    "Changing the number of players requires starting a new game.\nStart a new game?";

constexpr const char* kNoDisplay =
    "pipwick: no display to open a window on (set DISPLAY, or QT_QPA_PLATFORM=offscreen)";
constexpr const char* kDisplayFailed = "pipwick: cannot start the windows: ";

// Menu bar and submenu titles.
constexpr const char* kGameMenu = "&Game";
constexpr const char* kOptionsMenu = "&Options";
constexpr const char* kHelpMenu = "&Help";

// Items of the menus, with their command numbers and keys.
constexpr const char* kNew = "&New\tCtrl+N";
constexpr const char* kOpen = "&Open\tCtrl+O";
constexpr const char* kSave = "&Save\tCtrl+S";
constexpr const char* kGeneralPreferences = "&General preferences\tCtrl+G";
constexpr const char* kPlayerPreferences = "&Player preferences\tCtrl+P";
constexpr const char* kTwoPlayers = "2 Players";
constexpr const char* kThreePlayers = "3 Players";
constexpr const char* kFourPlayers = "4 Players";
constexpr const char* kResumeLastGame = "&Resume Last Game";
constexpr const char* kScoreSheet = "Score &Sheet\tCtrl+T";
constexpr const char* kStatistics = "S&tatistics";
constexpr const char* kExit = "E&xit\tAlt+X";
constexpr const char* kHelpContents = "Help Contents\tF1";
constexpr const char* kAbout = "About &Pipwick\tCtrl+D";
constexpr const char* kCheckVersion = "Check for new version";
constexpr const char* kUndo = "&Undo\tCtrl+Z";
constexpr const char* kHint = "&Hint\tH";
constexpr const char* kDraw = "Dr&aw";
constexpr const char* kPass = "P&ass";

// The hint in the status line: the tile as "6-4", the higher pip first, and the arm's end by the
// side of the centre tile its arm leaves from (arms 0 to 3).
constexpr const char* kTileName = "%1-%2";
constexpr const char* kArmEnds[4] = {"right", "top", "left", "bottom"};
constexpr const char* kHintPlay = "Play %1 on the %2 end";
constexpr const char* kHintPlayScoring = "Play %1 on the %2 end for %3";
constexpr const char* kHintLead = "Lead %1";
constexpr const char* kHintLeadScoring = "Lead %1 for %2";
constexpr const char* kHintDraw = "Draw from the bone pile";
constexpr const char* kHintPass = "Pass";
// The status line while the pointer is over an end the picked-up tile fits.
constexpr const char* kPreview = "%1 here scores nothing";
constexpr const char* kPreviewScoring = "%1 here scores %2";

// The General preferences.
constexpr const char* kShowWhereTilesGo = "Show where tiles can go";

// The Help menu: the version check, the help page and the About box.
constexpr const char* kCheckDuringGame = "Cannot check for new version during game!";
constexpr const char* kCantConnect = "Can't connect!";
constexpr const char* kSiteOpenError = "Site open error!";
constexpr const char* kNoNewVersion = "No new version found.";
constexpr const char* kNewVersionQuestion = "New version available!\nInstall new version?";
constexpr const char* kFileError = "File error!";
constexpr const char* kCantOpenHelp = "Can't open the help page %1";
constexpr const char* kAboutTitle = "About Pipwick";
constexpr const char* kAboutVersion = "Pipwick   -  Version " PIPWICK_VERSION;
constexpr const char* kAboutNotice = "Copyright (C) 2026 Quellmoor";
constexpr const char* kOk = "OK";

// The score sheet.
constexpr const char* kScoreSheetTitle = "Score Sheet";
constexpr const char* kScoreSheetColumns[] = {"Hand", "Won by", "Last play", "Pips"};
constexpr const char* kSheetInPlay = "in play";
constexpr const char* kSheetNobody = "nobody";
constexpr const char* kSheetReached250 = "%1 reached 250";
// The first row of a game opened or resumed: the scores it started from.
constexpr const char* kSheetCarriedOver = "carried over";
// What assistive technologies call the score sheet's chart and the statistics' two tables.
constexpr const char* kScoreChartName = "Chart of the scores";
constexpr const char* kStatisticsGamesName = "Games played, won and lost";
constexpr const char* kStatisticsRecordsName = "Records";

// The statistics.
constexpr const char* kStatisticsTitle = "Statistics";
constexpr const char* kStatisticsColumns[] = {"Games", "Played",   "Won",
                                              "Lost",  "Win rate", "Abandoned"};
constexpr const char* kStatisticsAllGames = "All games";
constexpr const char* kStatisticsPlayers = "%1 players";
constexpr const char* kStatisticsLevels[] = {
    "Strongest opponent Beginner", "Strongest opponent Advanced", "Strongest opponent Expert"};
constexpr const char* kStatisticsRecords[] = {"Win rate",
                                              "Best final score",
                                              "Average final score",
                                              "Highest scoring play",
                                              "Longest winning streak",
                                              "Current winning streak",
                                              "Hands played",
                                              "Hands blocked"};
constexpr const char* kNoFigure = "-";
constexpr const char* kResetButton = "&Reset";
constexpr const char* kResetStatisticsQuestion =
    "Clear all statistics?  The present ones are kept as a backup until the next Reset.";
constexpr const char* kCantSaveStatistics = "Can't save statistics!";
constexpr const char* kStatisticsSetAside =
    "The statistics file was damaged: it was set aside as %1 and statistics start afresh.";
constexpr const char* kStatisticsNotSetAside =
    "The statistics file %1 is damaged and could not be set aside: statistics are not kept.";

// A settings file that is not a file of a sane size; it stays as it is.
constexpr const char* kSettingsNotRead =
    "The settings file %1 is not a readable file of at most 1 MB: it was left as it is and the "
    "game starts with the default settings, which are not saved.";

}  // namespace pipwick::text
