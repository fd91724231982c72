#include "sim/options.h"

#include "ai/level.h"

#include <charconv>
#include <sstream>
#include <string_view>

namespace pipwick {

namespace {

template <typename Number>
bool ParseNumber(std::string_view text, Number& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

bool ParseLevels(std::string_view text, int32_t (&levels)[5]) {
    for (int seat = 1; seat <= 4; ++seat) {
        const size_t comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        if (!ParseNumber(item, levels[seat]) || levels[seat] < 0) {
            return false;
        }
        if (seat == 4) {
            return comma == std::string_view::npos;
        }
        if (comma == std::string_view::npos) {
            return false;
        }
        text.remove_prefix(comma + 1);
    }
    return false;
}

bool ParseScale(std::string_view text, double& scale) {
    if (text == "1" || text == "1.0") {
        scale = 1.0;
    } else if (text == "1.5") {
        scale = 1.5;
    } else if (text == "2" || text == "2.0") {
        scale = 2.0;
    } else {
        return false;
    }
    return true;
}

// The options that only make sense together, checked once every option is read.
bool CheckGameOptions(SimOptions& options, bool targetGiven, std::string& error) {
    GameRules& rules = options.rules;
    if (!options.open.empty() && (!AreFirstRules(rules) || targetGiven)) {
        error =
            "--open plays the saved game's own rules: it takes no --game, --partners or --target";
        return false;
    }
    if (rules.Partners != 0 && options.players != 4) {
        error = "--partners needs --players 4";
        return false;
    }
    const GameKindRow& kind = KindOf(rules.Game);
    if (!targetGiven) {
        rules.Target = kind.defaultTarget;
        return true;
    }
    if (!IsTargetChoice(rules.Game, rules.Target)) {
        error = std::string("--game ") + kind.simName + " plays to " + TargetChoices(kind);
        return false;
    }
    return true;
}

}  // namespace

std::string TargetChoices(const GameKindRow& kind) {
    std::string text;
    const size_t count = kind.targetChoices.size();
    for (size_t i = 0; i < count; ++i) {
        text += i == 0 ? "" : i + 1 == count ? " or " : ", ";
        text += std::to_string(kind.targetChoices[i]);
    }
    return text;
}

bool ParseGameName(std::string_view text, DominoGame& game) {
    for (const GameKindRow& kind : kGameKinds) {
        if (text == kind.simName) {
            game = kind.game;
            return true;
        }
    }
    return false;
}

std::string SimUsage() {
    std::ostringstream games;
    std::ostringstream targets;
    for (const GameKindRow& kind : kGameKinds) {
        games << (&kind == kGameKinds ? "" : "|") << kind.simName;
        targets << (&kind == kGameKinds ? "" : ";") << "\n  " << kind.simName << " to "
                << TargetChoices(kind);
        if (kind.targetChoices.size() > 1) {
            targets << " (default " << kind.defaultTarget << ")";
        }
    }
    std::ostringstream usage;
    usage << "usage: pipwick-sim [--games N] [--players 2|3|4] [--levels L1,L2,L3,L4] [--seed S]\n"
             "                   [--game "
          << games.str()
          << "] [--partners] [--target N]\n"
             "                   [--scale 1|1.5|2] [--json] [--trace]\n"
             "       pipwick-sim --snapshot FILE.bmp [--set 1..7] [--scale 1|1.5|2] [--seed S]\n"
             "                   [--players 2|3|4] [--levels L1,L2,L3,L4] [--resources DIR] "
             "[--trace]\n"
             "       pipwick-sim --open GAME.dom [--levels L1,L2,L3,L4] [--seed S] "
             "[--scale 1|1.5|2]\n"
             "                   [--json] [--trace]\n"
             "       pipwick-sim --connect HOST:PORT --code C [--level L] [--name N] "
             "[--fingerprint F]\n"
             "Plays whole games between computer players, seat 1 through the human's own moves.\n"
             "Levels: 0 Beginner, 1 Advanced, 2 Expert. --trace writes every move as JSON Lines "
             "to\n"
             "standard output and the summary to standard error. The rate of play goes to "
             "standard error.\n"
             "--snapshot plays one hand and writes the table as it stood at the end of that hand "
             "as a\n"
             "24-bit bitmap, drawn with domino set N (default 2) from the built artwork in DIR.\n"
             "--game chooses the game (default fives, All Fives); --partners pairs seats 1 and 3 "
             "against\n"
             "2 and 4 (four players only); --target N ends the game at N points:"
          << targets.str()
          << ".\n"
             "--open plays a saved game on from where it was saved to the game's end, with as "
             "many\n"
             "players as it has; a file the game would not open prints \"Can't open game!\" and a "
             "line saying why.\n"
             "--connect plays one chair of a network table (pipwick-server, or a game's Host a "
             "Table)\nas a computer player at level L (default 1) until its game ends; over wss:// "
             "it "
             "trusts\nonly the certificate whose SHA-256 fingerprint is F (64 hex digits) when "
             "given.\n";
    return usage.str();
}

const char* SimGameName(DominoGame game) {
    return KindOf(game).simName;
}

bool ParseSimOptions(int argc, const char* const* argv, SimOptions& options, std::string& error) {
    bool targetGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view name = argv[i];
        if (name == "--partners") {
            options.rules.Partners = 1;
            continue;
        }
        if (name == "--json") {
            options.json = true;
            continue;
        }
        if (name == "--trace") {
            options.trace = true;
            continue;
        }
        if (name == "--help" || name == "-h") {
            options.help = true;
            continue;
        }
        if (i + 1 >= argc) {
            error = "unknown option or missing value: " + std::string(name);
            return false;
        }
        const std::string_view value = argv[++i];
        bool ok = false;
        if (name == "--games") {
            ok = ParseNumber(value, options.games) && options.games > 0;
        } else if (name == "--players") {
            ok =
                ParseNumber(value, options.players) && options.players >= 2 && options.players <= 4;
        } else if (name == "--levels") {
            ok = ParseLevels(value, options.levels);
        } else if (name == "--seed") {
            ok = ParseNumber(value, options.seed);
        } else if (name == "--scale") {
            ok = ParseScale(value, options.scale);
        } else if (name == "--snapshot") {
            options.snapshot = value;
            ok = !value.empty();
        } else if (name == "--set") {
            ok = ParseNumber(value, options.dominoSet) && options.dominoSet >= 1 &&
                 options.dominoSet <= 7;
        } else if (name == "--resources") {
            options.resources = value;
            ok = !value.empty();
        } else if (name == "--game") {
            ok = ParseGameName(value, options.rules.Game);
        } else if (name == "--target") {
            ok = ParseNumber(value, options.rules.Target);
            targetGiven = true;
        } else if (name == "--open") {
            options.open = value;
            ok = !value.empty();
        } else if (name == "--connect") {
            options.connect = value;
            ok = !value.empty();
        } else if (name == "--code") {
            options.code = value;
            ok = !value.empty();
        } else if (name == "--name") {
            options.name = value;
            ok = !value.empty();
        } else if (name == "--fingerprint") {
            options.fingerprint = value;
            ok = value.size() == 64 &&
                 value.find_first_not_of("0123456789abcdefABCDEF") == std::string_view::npos;
        } else if (name == "--level") {
            ok = ParseNumber(value, options.level) && options.level >= 0 &&
                 options.level <= kStrongestLevelSetting;
        } else {
            error = "unknown option: " + std::string(name);
            return false;
        }
        if (!ok) {
            error = "bad value for " + std::string(name) + ": " + std::string(value);
            return false;
        }
    }
    if (options.connect.empty() != options.code.empty()) {
        error = "--connect and --code go together";
        return false;
    }
    if (!options.open.empty() && (!options.snapshot.empty() || options.games != 1)) {
        error = "--open plays the one saved game: it takes no --games or --snapshot";
        return false;
    }
    return CheckGameOptions(options, targetGiven, error);
}

}  // namespace pipwick
