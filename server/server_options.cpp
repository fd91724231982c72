#include "server/server_options.h"

#include <charconv>
#include <string_view>

#include "ai/level.h"
#include "model/game_state.h"
#include "model/rules.h"
#include "network/messages.h"
#include "sim/options.h"

namespace pipwick {

namespace {

template <typename Number>
bool ParseNumber(std::string_view text, Number& value, Number low, Number high) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end && value >= low && value <= high;
}

bool IsTableCode(std::string_view code) {
    if (code.size() != kTableCodeLength) {
        return false;
    }
    for (char letter : code) {
        if (letter < 'A' || letter > 'Z') {
            return false;
        }
    }
    return true;
}

bool CheckTogether(ServerOptions& options, bool targetGiven, bool peopleGiven, std::string& error) {
    const GameKindRow& kind = KindOf(options.rules.Game);
    if (!targetGiven) {
        options.rules.Target = kind.defaultTarget;
    }
    if (!peopleGiven) {
        options.people = options.players;
    }
    if (!IsTargetChoice(options.rules.Game, options.rules.Target)) {
        error = std::string("--game ") + kind.simName + " plays to " + TargetChoices(kind);
    } else if (options.rules.Partners != 0 && options.players != 4) {
        error = "--partners needs --players 4";
    } else if (options.people > options.players) {
        error = "--people is at most --players";
    } else if (options.certificate.empty() != options.key.empty()) {
        error = "--certificate and --key go together";
    } else if (!options.trace.empty() && !options.seed) {
        error = "--trace needs --seed";
    }
    return error.empty();
}

}  // namespace

bool ParseServerOptions(int argc, const char* const* argv, ServerOptions& options,
                        std::string& error) {
    bool targetGiven = false;
    bool peopleGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view name = argv[i];
        if (name == "--help" || name == "-h") {
            options.help = true;
            continue;
        }
        if (name == "--partners") {
            options.rules.Partners = 1;
            continue;
        }
        if (i + 1 >= argc) {
            error = std::string(name) + (name.starts_with("--") ? " needs a value" : ": unknown");
            return false;
        }
        const std::string_view value = argv[++i];
        bool ok = true;
        if (name == "--address") {
            options.address = value;
        } else if (name == "--port") {
            ok = ParseNumber<uint16_t>(value, options.port, 0, 65535);
        } else if (name == "--tables") {
            ok = ParseNumber(value, options.tables, 1, 1000);
        } else if (name == "--per-address") {
            ok = ParseNumber(value, options.perAddress, 1, 10000);
        } else if (name == "--code") {
            options.code = value;
            ok = IsTableCode(value);
        } else if (name == "--players") {
            ok = ParseNumber(value, options.players, 2, 4);
        } else if (name == "--people") {
            ok = ParseNumber(value, options.people, 1, 4);
            peopleGiven = true;
        } else if (name == "--level") {
            ok = ParseNumber(value, options.level, 0, kStrongestLevelSetting);
        } else if (name == "--game") {
            ok = ParseGameName(value, options.rules.Game);
        } else if (name == "--target") {
            ok = ParseNumber(value, options.rules.Target, 1, 10000);
            targetGiven = true;
        } else if (name == "--certificate") {
            options.certificate = value;
        } else if (name == "--key") {
            options.key = value;
        } else if (name == "--seed") {
            uint64_t seed = 0;
            ok = ParseNumber<uint64_t>(value, seed, 0, UINT64_MAX);
            options.seed = seed;
        } else if (name == "--trace") {
            options.trace = value;
        } else {
            error = std::string(name) + ": unknown option";
            return false;
        }
        if (!ok) {
            error = std::string(name) + ": bad value '" + std::string(value) + "'";
            return false;
        }
    }
    return CheckTogether(options, targetGiven, peopleGiven, error);
}

Seats SeatsOf(const ServerOptions& options) {
    Seats seats;
    int people = 0;
    for (int seat = 1; seat <= 4; ++seat) {
        const bool person = TakesPart(options.players, seat) && people < options.people;
        people += person ? 1 : 0;
        seats.Of[seat] = person ? Controller::kPerson : Controller::kComputer;
    }
    return seats;
}

std::string ServerUsage() {
    return "Usage: pipwick-server [OPTION]...\n"
           "Holds dominoes tables that people join over the network from Game > Join a Table,\n"
           "or pipwick-sim --connect; computer players fill the other chairs.\n"
           "\n"
           "  --address A      listen on A (default 127.0.0.1; another address needs TLS)\n"
           "  --port P         listen on port P (default 7381)\n"
           "  --tables N       hold N tables (default 1)\n"
           "  --per-address N  allow N connections from one address (default 8)\n"
           "  --code C         every table's code, 8 capital letters (default: a new code for\n"
           "                   each table, printed at the start)\n"
           "  --players N      2, 3 or 4 players at each table (default 4)\n"
           "  --people K       chairs 1..K are people's, the others computer players' (default\n"
           "                   every chair)\n"
           "  --level L        the computer players' level: 0 Beginner, 1 Advanced, 2 Expert\n"
           "  --game G         fives, draw, block or fives-threes (default fives)\n"
           "  --target T       the score that wins (default the game's own)\n"
           "  --partners       with four players, seats 1 and 3 against 2 and 4\n"
           "  --certificate F  the PEM certificate for wss (with --key)\n"
           "  --key F          its PEM private key\n"
           "  --seed S         deal from S (for tests: such deals can be foreseen)\n"
           "  --trace FILE     write the first table's moves to FILE (with --seed)\n"
           "  --help           show this and exit\n";
}

}  // namespace pipwick
