#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/seats.h"
#include "model/game_kind.h"
#include "network/messages.h"

namespace pipwick {

// pipwick-server's command line.
struct ServerOptions {
    std::string address = "127.0.0.1";
    uint16_t port = kUsualTablePort;
    int tables = 1;
    int perAddress = 8;  // connections allowed from one address
    std::string code;    // every table's; a new one for each table when empty
    int32_t players = 4;
    int32_t people = 4;  // chairs 1..people are people's, the rest computer players' (default all)
    int32_t level = 1;   // the computer players' level
    GameRules rules;
    std::string certificate;  // PEM files for wss
    std::string key;
    std::optional<uint64_t> seed;  // tests only: deals that can be foreseen
    std::string trace;             // tests only: the first table's moves, as the simulator's trace
    bool help = false;
};

// Reads the command line; on a bad option returns false and says why in error.
bool ParseServerOptions(int argc, const char* const* argv, ServerOptions& options,
                        std::string& error);

// Who sits where: people in the first chairs, computer players in the rest.
Seats SeatsOf(const ServerOptions& options);

std::string ServerUsage();

}  // namespace pipwick
