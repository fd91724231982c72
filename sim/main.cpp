// pipwick-sim: whole games between computer players, with no window and no waits.
#include <chrono>
#include <iostream>
#include <string>

#include "sim/match.h"
#include "sim/match_log.h"
#include "sim/options.h"

int main(int argc, char** argv) {
    using namespace pipwick;
    SimOptions options;
    std::string error;
    if (!ParseSimOptions(argc, argv, options, error)) {
        std::cerr << "pipwick-sim: " << error << " (try --help)\n";
        return 2;
    }
    if (options.help) {
        std::cout << kSimUsage;
        return 0;
    }
    Match match(options.players, options.levels, options.scale, options.seed);
    MatchLog log(match, options.trace ? &std::cout : nullptr);
    const auto start = std::chrono::steady_clock::now();
    for (int64_t game = 1; game <= options.games; ++game) {
        log.StartGame(game);
        if (!match.PlayGame(log)) {
            std::cerr << "pipwick-sim: game " << game << " did not end\n";
            return 1;
        }
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    PrintSummary(options.trace ? std::cerr : std::cout, log.Summary(), options.players,
                 options.json);
    // The rate is the one figure that changes from run to run, so it stays out of the summary.
    std::cerr << "games per second: " << static_cast<int64_t>(options.games / elapsed.count())
              << "\n";
    return 0;
}
