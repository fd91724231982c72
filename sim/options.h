#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/game_kind.h"

namespace pipwick {

struct SimOptions {
    int64_t games = 1;
    int32_t players = 2;
    int32_t levels[5] = {0, 0, 1, 1, 1};  // seats 1..4: a Beginner in the human's seat
    uint64_t seed = 1;
    double scale = 1.0;
    bool json = false;
    bool trace = false;
    bool help = false;
    std::string snapshot;  // a bitmap file to draw the table into at the end of one hand
    int32_t dominoSet = 2;
    std::string resources;  // the folder of the built artwork
    std::string open;       // a saved game to play on to its end
    GameRules rules;        // the game, partners and target; All Fives alone unless told
    // --connect: a chair of a network table, played by a computer player at level.
    std::string connect;  // host:port, or a ws:// or wss:// address
    std::string code;
    std::string name = "pipwick-sim";
    std::string fingerprint;  // the wss table's certificate, SHA-256 in hex; any when empty
    int32_t level = 1;
};

// The simulator's name of each game, as --game takes it: fives, draw, block, fives-threes.
const char* SimGameName(DominoGame game);

// The game a simulator word names (fives, draw, ...); false for no game.
bool ParseGameName(std::string_view text, DominoGame& game);
// What a game may be played to, as "31, 61 or 121".
std::string TargetChoices(const GameKindRow& kind);

// Reads the command line; on a bad option returns false and says why in error.
bool ParseSimOptions(int argc, const char* const* argv, SimOptions& options, std::string& error);

// The --help text: every option, every game and the targets each is played to.
std::string SimUsage();

}  // namespace pipwick
