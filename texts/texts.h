#pragma once

// Every text the windows show: captions, menu items, status-pop-up messages and questions, quoted
// exactly, in one place. Those marked PIPWICK_TEXT are shown in the player's language. An '&' marks
// the mnemonic letter of a menu text; the part after a tab is the shortcut the menu shows beside
// it.

#include <iterator>

#include "model/game_kind.h"
#include "texts/translatable.h"
#include "texts/version.h"

namespace pipwick::text {

constexpr const char* kAppTitle = "Pipwick";

// Player window captions: score, then name, the same in every language.
constexpr const char* kCaption = "%d - %s";
// The score inside a player's window, where the caption is too narrow to show it whole.
constexpr const char* kScoreInWindow = PIPWICK_TEXT("Score: %1");
// The human's caption, and his score under the tiles, with the game under way where that is not
// All Fives alone: "50 - Player (Draw to 100)".
constexpr const char* kWithGame = PIPWICK_TEXT("%1 (%2)");

// The human's name until he gives one, the default of engine/settings.h in the player's language.
constexpr const char* kHumanDefaultName = PIPWICK_TEXT("Player");

// The status pop-up.
constexpr const char* kWontPlayThere = PIPWICK_TEXT("That domino won't play there!");
constexpr const char* kHandOver = PIPWICK_TEXT("        This hand is over.");
constexpr const char* kComputerWins = PIPWICK_TEXT("This game is over.  %1 is the winner.");
constexpr const char* kHumanWins = PIPWICK_TEXT("Congratulations!  You won the game!");
// The game's end with partners: %1 the human's partner, or the winning pair.
constexpr const char* kHumanPairWins = PIPWICK_TEXT("Congratulations!  You and %1 won the game!");
constexpr const char* kPairWins = PIPWICK_TEXT("This game is over.  %1 are the winners.");
// The end of a hand or game of any game but All Fives alone: "Draw: This hand is over."
constexpr const char* kPopupOfGame = PIPWICK_TEXT("%1: %2");

// The command line.
constexpr const char* kVersionLine = "Pipwick " PIPWICK_VERSION;
constexpr const char* kUsage =
    "usage: pipwick [SAVED-GAME.dom]\n"
    "       pipwick --help | --version\n"
    "Plays dominoes against one to three computer players: All Fives with a spinner, Draw,\n"
    "Block or Fives and Threes, each player for himself or, with four, two against two.\n"
    "A saved game named on the command line is opened at start-up.\n";

// Saved games.
constexpr const char* kOpenTitle = PIPWICK_TEXT("Open a saved Domino Game");
constexpr const char* kSaveTitle = PIPWICK_TEXT("Save this Domino Game");
constexpr const char* kGameFilter = PIPWICK_TEXT("Domino Games (*.dom)");
constexpr const char* kGameSuffix = "dom";
// The name a new saved game is offered under, numbered once the first is taken.
constexpr const char* kNewGameFileName = PIPWICK_TEXT("Pipwick game");
constexpr const char* kNumberedGameFileName = PIPWICK_TEXT("Pipwick game %1");
constexpr const char* kCantOpenGame = PIPWICK_TEXT("Can't open game!");
constexpr const char* kCantSaveGame = PIPWICK_TEXT("Can't save game!");
constexpr const char* kGameOpened = PIPWICK_TEXT("Game opened");
constexpr const char* kGameResumed = PIPWICK_TEXT("Last game resumed");
constexpr const char* kGameSaved = PIPWICK_TEXT("Game saved");
// The status line at the first start, until a game is dealt: %1 the Game menu, %2 its New item.
constexpr const char* kHowToStart = PIPWICK_TEXT("%1 ▸ %2 deals");

constexpr const char* kCantLoadDominoes = PIPWICK_TEXT("Can't get memory....can't load dominoes");

// Asked before New or Open gives up a game under way; No keeps playing.
constexpr const char* kAbandonGameQuestion = PIPWICK_TEXT("Abandon this game?");

constexpr const char* kChangePlayersQuestion =
    PIPWICK_TEXT("Changing the number of players requires starting a new game.\nStart a new game?");

constexpr const char* kNoDisplay =
    "pipwick: no display to open a window on (set DISPLAY, or QT_QPA_PLATFORM=offscreen)";
constexpr const char* kDisplayFailed = "pipwick: cannot start the windows: ";

// Menu bar and submenu titles.
constexpr const char* kGameMenu = PIPWICK_TEXT("&Game");
constexpr const char* kOptionsMenu = PIPWICK_TEXT("&Options");
constexpr const char* kHelpMenu = PIPWICK_TEXT("&Help");

// Items of the menus, with their command numbers and keys.
constexpr const char* kNew = PIPWICK_TEXT("&New\tCtrl+N");
constexpr const char* kOpen = PIPWICK_TEXT("&Open\tCtrl+O");
constexpr const char* kSave = PIPWICK_TEXT("&Save\tCtrl+S");
constexpr const char* kGeneralPreferences = PIPWICK_TEXT("&General preferences\tCtrl+G");
constexpr const char* kPlayerPreferences = PIPWICK_TEXT("&Player preferences\tCtrl+P");
constexpr const char* kTwoPlayers = PIPWICK_TEXT("2 Players");
constexpr const char* kThreePlayers = PIPWICK_TEXT("3 Players");
constexpr const char* kFourPlayers = PIPWICK_TEXT("4 Players");
constexpr const char* kResumeLastGame = PIPWICK_TEXT("&Resume Last Game");
constexpr const char* kScoreSheet = PIPWICK_TEXT("Score &Sheet\tCtrl+T");
constexpr const char* kStatistics = PIPWICK_TEXT("S&tatistics");
constexpr const char* kHostTable = PIPWICK_TEXT("Host &a Table...");
constexpr const char* kJoinTable = PIPWICK_TEXT("&Join a Table...");
constexpr const char* kExit = PIPWICK_TEXT("E&xit\tAlt+X");
constexpr const char* kHelpContents = PIPWICK_TEXT("Help Contents\tF1");
constexpr const char* kAbout = PIPWICK_TEXT("About &Pipwick\tCtrl+D");
constexpr const char* kCheckVersion = PIPWICK_TEXT("Check for new version");
constexpr const char* kUndo = PIPWICK_TEXT("&Undo\tCtrl+Z");
constexpr const char* kHint = PIPWICK_TEXT("&Hint\tH");
constexpr const char* kDraw = PIPWICK_TEXT("Dr&aw");
constexpr const char* kPass = PIPWICK_TEXT("P&ass");

// The hint in the status line: the tile as "6-4", the higher pip first, and the arm's end by the
// side of the centre tile its arm leaves from (arms 0 to 3).
constexpr const char* kTileName = "%1-%2";
constexpr const char* kArmEnds[4] = {PIPWICK_TEXT("right"), PIPWICK_TEXT("top"),
                                     PIPWICK_TEXT("left"), PIPWICK_TEXT("bottom")};
constexpr const char* kHintPlay = PIPWICK_TEXT("Play %1 on the %2 end");
constexpr const char* kHintPlayScoring = PIPWICK_TEXT("Play %1 on the %2 end for %3");
constexpr const char* kHintLead = PIPWICK_TEXT("Lead %1");
constexpr const char* kHintLeadScoring = PIPWICK_TEXT("Lead %1 for %2");
constexpr const char* kHintDraw = PIPWICK_TEXT("Draw from the bone pile");
constexpr const char* kHintPass = PIPWICK_TEXT("Pass");
// The status line while the pointer is over an end the picked-up tile fits.
constexpr const char* kPreview = PIPWICK_TEXT("%1 here scores nothing");
constexpr const char* kPreviewScoring = PIPWICK_TEXT("%1 here scores %2");
// ... in a game where nothing scores during play.
constexpr const char* kPreviewNoScoring = PIPWICK_TEXT("%1 goes here");

// The General preferences.
constexpr const char* kShowWhereTilesGo = PIPWICK_TEXT("Show where tiles can go");

// The games, in the order of their numbers in the settings and saved games, and the words that
// name a game under way in the table window's title and the status line: "Draw to 100, partners".
constexpr const char* kGameNames[] = {PIPWICK_TEXT("All Fives"), PIPWICK_TEXT("Draw"),
                                      PIPWICK_TEXT("Block"), PIPWICK_TEXT("Fives and Threes")};
static_assert(std::size(kGameNames) == kGameKindCount, "a name for every game");
// %1 is the game's name, %2 its target.
constexpr const char* kGameTarget = PIPWICK_TEXT("%1 to %2");
constexpr const char* kGamePartners = PIPWICK_TEXT("%1, partners");
constexpr const char* kTitleWithGame = PIPWICK_TEXT("%1 - %2");

// The Help menu: the version check, the help page and the About box.
constexpr const char* kUpdatesFromPackageManager =
    PIPWICK_TEXT("Pipwick is kept up to date by your system's package manager.");
constexpr const char* kCheckDuringGame = PIPWICK_TEXT("Cannot check for new version during game!");
constexpr const char* kCantConnect = PIPWICK_TEXT("Can't connect!");
constexpr const char* kSiteOpenError = PIPWICK_TEXT("Site open error!");
constexpr const char* kNoNewVersion = PIPWICK_TEXT("No new version found.");
constexpr const char* kNewVersionQuestion =
    PIPWICK_TEXT("New version available!\nInstall new version?");
constexpr const char* kDownloading = PIPWICK_TEXT("Downloading the new version...");
constexpr const char* kCancel = PIPWICK_TEXT("Cancel");
constexpr const char* kFileError = PIPWICK_TEXT("File error!");
constexpr const char* kCantOpenHelp = PIPWICK_TEXT("Can't open the help page %1");
constexpr const char* kAboutTitle = PIPWICK_TEXT("About Pipwick");
// %1 is the version.
constexpr const char* kAboutVersion = PIPWICK_TEXT("Pipwick   -  Version %1");
constexpr const char* kAboutNotice = "Copyright (C) 2026 Quellmoor";
constexpr const char* kOk = PIPWICK_TEXT("OK");

// The score sheet.
constexpr const char* kScoreSheetTitle = PIPWICK_TEXT("Score Sheet");
constexpr const char* kScoreSheetColumns[] = {PIPWICK_TEXT("Hand"), PIPWICK_TEXT("Won by"),
                                              PIPWICK_TEXT("Last play"), PIPWICK_TEXT("Pips")};
constexpr const char* kSheetInPlay = PIPWICK_TEXT("in play");
constexpr const char* kSheetNobody = PIPWICK_TEXT("nobody");
constexpr const char* kSheetReachedTarget = PIPWICK_TEXT("%1 reached %2");
// Two partners, as the score sheet, the pop-up and the spoken news name their pair.
constexpr const char* kPairName = PIPWICK_TEXT("%1 and %2");
// The first row of a game opened or resumed: the scores it started from.
constexpr const char* kSheetCarriedOver = PIPWICK_TEXT("carried over");
// What assistive technologies call the score sheet's chart and the statistics' two tables.
constexpr const char* kScoreChartName = PIPWICK_TEXT("Chart of the scores");
constexpr const char* kStatisticsGamesName = PIPWICK_TEXT("Games played, won and lost");
constexpr const char* kStatisticsRecordsName = PIPWICK_TEXT("Records");

// The statistics.
constexpr const char* kStatisticsTitle = PIPWICK_TEXT("Statistics");
constexpr const char* kStatisticsColumns[] = {PIPWICK_TEXT("Games"),    PIPWICK_TEXT("Played"),
                                              PIPWICK_TEXT("Won"),      PIPWICK_TEXT("Lost"),
                                              PIPWICK_TEXT("Win rate"), PIPWICK_TEXT("Abandoned")};
constexpr const char* kStatisticsAllGames = PIPWICK_TEXT("All games");
constexpr const char* kStatisticsPlayers = PIPWICK_TEXT("%1 players");
constexpr const char* kStatisticsLevels[] = {PIPWICK_TEXT("Strongest opponent Beginner"),
                                             PIPWICK_TEXT("Strongest opponent Advanced"),
                                             PIPWICK_TEXT("Strongest opponent Expert")};
constexpr const char* kStatisticsRecords[] = {PIPWICK_TEXT("Win rate"),
                                              PIPWICK_TEXT("Best final score"),
                                              PIPWICK_TEXT("Average final score"),
                                              PIPWICK_TEXT("Highest scoring play"),
                                              PIPWICK_TEXT("Longest winning streak"),
                                              PIPWICK_TEXT("Current winning streak"),
                                              PIPWICK_TEXT("Hands played"),
                                              PIPWICK_TEXT("Hands blocked")};
constexpr const char* kNoFigure = "-";
constexpr const char* kResetButton = PIPWICK_TEXT("&Reset");
constexpr const char* kResetStatisticsQuestion = PIPWICK_TEXT(
    "Clear all statistics?  The present ones are kept as a backup until the next Reset.");
constexpr const char* kStatisticsSetAside = PIPWICK_TEXT(
    "The statistics file was damaged: it was set aside as %1 and statistics start afresh.");
constexpr const char* kStatisticsNotSetAside = PIPWICK_TEXT(
    "The statistics file %1 is damaged and could not be set aside: statistics are not kept.");

// A file of the player's that could not be written, and why; the earlier file is as it was.
// Indexed by WriteFailure.
constexpr const char* kWriteFailures[] = {
    PIPWICK_TEXT("the disk is full"), PIPWICK_TEXT("the folder or the file may not be written"),
    PIPWICK_TEXT("something other than a file is in its place"),
    PIPWICK_TEXT("another copy of the game kept it locked"),
    PIPWICK_TEXT("the system refused to write it")};
constexpr const char* kStatisticsNotSaved =
    PIPWICK_TEXT("The statistics could not be saved: %1. The file keeps what it held.");
constexpr const char* kSettingsNotSaved =
    PIPWICK_TEXT("The settings could not be saved: %1. They hold until the game ends.");
constexpr const char* kGameNotKept =
    PIPWICK_TEXT("The game could not be kept for Resume Last Game: %1.");
constexpr const char* kGameNotSaved = PIPWICK_TEXT("The game could not be saved: %1.");
constexpr const char* kReplaceOthersLastGame = PIPWICK_TEXT(
    "Another copy of the game has kept its game for Resume Last Game. Keep this game "
    "in its place?");

// A settings file that is not a file of a sane size; it stays as it is.
constexpr const char* kSettingsNotRead = PIPWICK_TEXT(
    "The settings file %1 is not a readable file of at most 1 MB: it was left as it is and the "
    "game starts with the default settings, which are not saved.");

// Hosting and joining a table of players over the network.
constexpr const char* kHostTitle = PIPWICK_TEXT("Host a Table");
constexpr const char* kJoinTitle = PIPWICK_TEXT("Join a Table");
constexpr const char* kPlayers = PIPWICK_TEXT("Players");
constexpr const char* kGameChoice = PIPWICK_TEXT("Game");
constexpr const char* kPartners = PIPWICK_TEXT("Partners");
constexpr const char* kPlayTo = PIPWICK_TEXT("Play to");
// Who takes a chair other than the host's: %1 is its number.
constexpr const char* kChair = PIPWICK_TEXT("Chair %1");
constexpr const char* kChairPerson = PIPWICK_TEXT("A person");
constexpr const char* kChairComputers[] = {PIPWICK_TEXT("Computer, Beginner"),
                                           PIPWICK_TEXT("Computer, Advanced"),
                                           PIPWICK_TEXT("Computer, Expert")};
constexpr const char* kOpenTable = PIPWICK_TEXT("Open the table");
constexpr const char* kStartTable = PIPWICK_TEXT("Start");
constexpr const char* kAddresses = PIPWICK_TEXT("This computer's addresses");
constexpr const char* kPort = PIPWICK_TEXT("Port");
constexpr const char* kTableCode = PIPWICK_TEXT("Table code");
constexpr const char* kFingerprint = PIPWICK_TEXT("Certificate fingerprint");
// Shown in a box the player may leave empty.
constexpr const char* kOptional = PIPWICK_TEXT("optional");
constexpr const char* kAddress = PIPWICK_TEXT("Address");
constexpr const char* kYourName = PIPWICK_TEXT("Your name");
// A chair of the list of who has joined: %1 its number, %2 who sits there.
constexpr const char* kChairTaken = PIPWICK_TEXT("Chair %1: %2");
constexpr const char* kChairFree = PIPWICK_TEXT("Chair %1: waiting for a player");
constexpr const char* kChairComputer = PIPWICK_TEXT("Chair %1: a computer player");
constexpr const char* kCantOpenTable = PIPWICK_TEXT("The table could not be opened: %1");
constexpr const char* kJoining = PIPWICK_TEXT("Joining the table...");
constexpr const char* kJoined =
    PIPWICK_TEXT("You sit in chair %1; the game starts when the host starts it.");
// %1 is the table's certificate fingerprint, in groups of four.
constexpr const char* kUncheckedCertificate = PIPWICK_TEXT(
    "No fingerprint was given, so nothing shows that this table is the host's. Compare its "
    "certificate fingerprint with the one the host's dialog shows:\n\n%1");
// Why a table turned the player away.
constexpr const char* kWrongVersion = PIPWICK_TEXT("The table plays another version of the game.");
constexpr const char* kWrongCode = PIPWICK_TEXT("That is not the table's code.");
constexpr const char* kTableFull = PIPWICK_TEXT("The table is full.");
constexpr const char* kNameTaken = PIPWICK_TEXT("A player of that name is at the table already.");
constexpr const char* kNoConnection = PIPWICK_TEXT("No connection to the table: %1");
// Why the table refused a move.
constexpr const char* kRefusedNoGame = PIPWICK_TEXT("No game is under way at the table.");
constexpr const char* kRefusedNotYourTurn = PIPWICK_TEXT("It is not your turn.");
constexpr const char* kRefusedNotYourTile = PIPWICK_TEXT("That domino is not in your hand.");
constexpr const char* kRefusedNoSuchArm = PIPWICK_TEXT("There is no such end.");
constexpr const char* kRefusedMustPlay = PIPWICK_TEXT("You have a domino that plays: play it.");
// Chairs left to a computer player, and the end of the table.
constexpr const char* kStoodIn = PIPWICK_TEXT("%1 has gone: a computer player keeps the chair.");
constexpr const char* kReturned = PIPWICK_TEXT("%1 is back.");
constexpr const char* kTableEnded = PIPWICK_TEXT("The table has ended: %1");
constexpr const char* kHostClosed = PIPWICK_TEXT("The host has closed the table.");

}  // namespace pipwick::text
