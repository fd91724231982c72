#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "model/game_state.h"

namespace pipwick {

// A saved game is a fixed image of 462 bytes, one unsigned byte per stored variable, with no
// header: the records of the four arms (tile and pips only), the hands, the deck, the scores and
// the counters the turn sequence needs. Everything else is rebuilt when the game is opened.
constexpr std::size_t kSavedGameSize = 462;
using SavedGameImage = std::array<uint8_t, kSavedGameSize>;

// Where each part of the image starts.
namespace saved_game_offset {
constexpr std::size_t kRecords = 0;   // 28 blocks: record r of arms 0..3, 3 bytes each
constexpr std::size_t kHands = 336;   // 21 blocks: slot i of players 3, 2, 4, 1
constexpr std::size_t kDeck = 420;    // Deck[0..28]
constexpr std::size_t kScores = 449;  // players 2, 3, 4, 1
constexpr std::size_t kNextLeader = 453;
constexpr std::size_t kConsecutivePasses = 454;
constexpr std::size_t kSpinnerState = 455;
constexpr std::size_t kArmOpenPip = 456;  // arms 0..3
constexpr std::size_t kBonePileNext = 460;
constexpr std::size_t kPlayerCount = 461;
}  // namespace saved_game_offset

// A game other than All Fives without partners adds its rules after the image, in an extension of
// 7 bytes: the letters "PWX", the extension's version (1), the game (0 All Fives, 1 Draw, 2 Block),
// partners (0 or 1) and the target score (50, 100, 150, 200 or 250; always 250 in All Fives). An
// All Fives game without partners has no extension, so its file is the bare image as it has always
// been, and a file whose extension describes one is refused.
constexpr std::size_t kRulesExtensionSize = 7;
constexpr std::size_t kExtendedSavedGameSize = kSavedGameSize + kRulesExtensionSize;
constexpr uint8_t kRulesExtensionVersion = 1;

namespace rules_extension_offset {
constexpr std::size_t kMark = kSavedGameSize;  // "PWX"
constexpr std::size_t kVersion = kSavedGameSize + 3;
constexpr std::size_t kGame = kSavedGameSize + 4;
constexpr std::size_t kPartners = kSavedGameSize + 5;
constexpr std::size_t kTarget = kSavedGameSize + 6;
}  // namespace rules_extension_offset

// Why a saved game was refused: the file could not be read, had the wrong length, or broke one
// of the checks every image must pass. The player sees one message for all of them.
enum class SavedGameError {
    kNone,
    kCannotRead,
    kWrongLength,
    kTileOutOfRange,          // a TileId above 28 in an arm, a hand or the deck
    kDeckStartNotEmpty,       // Deck[0] is not 0
    kPipOutOfRange,           // a used record with a pip above 6
    kOpenPipOutOfRange,       // an ArmOpenPip above 7
    kArmHasGap,               // a used record after a free one
    kTileTwice,               // a tile twice on the table and in the hands together
    kBonePileOutOfRange,      // BonePileNext not 1..29
    kPlayerCountOutOfRange,   // not 2..4
    kNextLeaderOutOfRange,    // not 1..4
    kTooManyPasses,           // more passes in a row than a hand allows
    kSpinnerStateOutOfRange,  // not 0..3
    // The variables disagree with one another (see CheckConsistency).
    kHandHasGap,             // an empty hand slot before a tile
    kAbsentPlayerHolds,      // a player not in the game holds tiles or points
    kAbsentPlayerLeads,      // the next leader is not in the game
    kDeckNotTheWholeSet,     // Deck[1..28] does not hold every tile once
    kBonePileBeforeDealEnd,  // BonePileNext inside the deal
    kHandTooLarge,           // a hand holds more than the deal and the draws so far gave
    kTileNotInOnePlace,      // a tile in none or two of the hands, the table and the bone pile
    kPipsNotTheTile,         // a record's pips are not those of its tile
    kLineBroken,             // a tile that does not touch the one before it with a matching pip
    kSpinnerNotTheRoot,      // a spinner state with no double at the root
    kSideArmBeforeSpinner,   // a side arm open or played on before the spinner's sides opened
    kOpenEndNotTheLineEnd,   // an ArmOpenPip that is not where its arm ends
    // The rules extension.
    kRulesMarkWrong,        // the extension does not start with "PWX" and version 1
    kGameOutOfRange,        // not 0..2
    kPartnersOutOfRange,    // not 0 or 1
    kTargetOutOfRange,      // not a target the game may be played to
    kRulesNeedNoExtension,  // All Fives without partners, which is saved without one
    // Variables that disagree with the rules.
    kPartnersWithoutFour,  // partners at a table of fewer than four
    kPairScoresDiffer,     // partners whose scores are not their pair's one score
    kSpinnerWithoutOne,    // a spinner state in a game that has no spinner
    kDrawnInBlock,         // a bone pile drawn from in a game where nobody draws
    // All Fives alone could not have made the image: another game's file cut at its extension.
    kRulesExtensionMissing,
};

// A short English description of the error, for logs and test output.
const char* DescribeSavedGameError(SavedGameError error);

// The bytes of a saved game of state: the image alone for All Fives without partners, the image
// and the rules extension for any other game. This is what a file holds.
std::vector<uint8_t> BuildSavedGame(const GameState& state);

// The image of the state's stored variables, without the rules. A value that does not fit its byte
// is saved as the nearest one that does: a score above 255 (possible once a game has ended) is
// saved as 255. A tile caught flying to the table, already laid but still in its hand, is saved as
// played: out of the hand, the hand closed up. So an image built at any moment of a game as it is
// played opens again. One built before the first deal has no bone pile (BonePileNext 0), and one of
// a finished game whose number of players was changed afterwards has hands that no longer fit the
// count: both are refused.
SavedGameImage BuildSavedGameImage(const GameState& state);

// Restores every stored variable of scratch, and its rules, from bytes (an image, with or without
// the rules extension) and checks the result; the other fields of scratch are left alone. On an
// error scratch holds a half-restored state that must be dropped, which is why the caller passes a
// copy and keeps its own state until this succeeds.
SavedGameError ReadSavedGameImage(std::span<const uint8_t> bytes, GameState& scratch);

// The checks an opened image must pass, on the restored variables, in a fixed order: first that
// every value is in its range, then that the values agree with one another (CheckConsistency).
// The first rule broken is the one reported.
SavedGameError ValidateSavedGame(const GameState& restored);

}  // namespace pipwick
