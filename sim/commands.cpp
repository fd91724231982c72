#include "sim/commands.h"

#include <chrono>

#include "sim/match.h"
#include "sim/match_log.h"

namespace pipwick {

namespace {

std::ostream& SummaryStream(const SimOptions& options, std::ostream& out, std::ostream& err) {
    return options.trace ? err : out;
}

}  // namespace

bool OutputFailed(std::ostream& out, std::ostream& err) {
    if (out.flush()) {
        return false;
    }
    err << "pipwick-sim: cannot write to standard output\n";
    return true;
}

int PlayGames(const SimOptions& options, std::ostream& out, std::ostream& err) {
    Match match(options.players, options.levels, options.scale, options.seed, options.rules);
    MatchLog log(match, options.trace ? &out : nullptr);
    const auto start = std::chrono::steady_clock::now();
    for (int64_t game = 1; game <= options.games; ++game) {
        log.StartGame(game);
        if (!match.PlayGame(log)) {
            err << "pipwick-sim: game " << game << " did not end\n";
            return 1;
        }
        if (!out && OutputFailed(out, err)) {
            return 1;
        }
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    PrintSummary(SummaryStream(options, out, err), log.Summary(), options.players, options.rules,
                 options.json);
    if (OutputFailed(out, err)) {
        return 1;
    }
    // The rate is the one figure that changes from run to run, so it stays out of the summary.
    err << "games per second: " << static_cast<int64_t>(options.games / elapsed.count()) << "\n";
    return 0;
}

int ContinueSavedGame(const SimOptions& options, std::ostream& out, std::ostream& err) {
    Match match(options.players, options.levels, options.scale, options.seed);
    if (const SavedGameError error = match.OpenGameFile(options.open);
        error != SavedGameError::kNone) {
        err << "Can't open game!\n"
            << "pipwick-sim: " << DescribeSavedGameError(error) << "\n";
        return 1;
    }
    MatchLog log(match, options.trace ? &out : nullptr);
    log.StartGame(1);
    log.ContinueHand();
    if (!match.PlayOn(log)) {
        err << "pipwick-sim: the game did not end\n";
        return 1;
    }
    PrintSummary(SummaryStream(options, out, err), log.Summary(), match.State().PlayerCount,
                 match.State().Rules, options.json);
    return OutputFailed(out, err) ? 1 : 0;
}

}  // namespace pipwick
