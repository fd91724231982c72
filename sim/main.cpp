// pipwick-sim: whole games between computer players, with no window and no waits.
#include <chrono>
#include <iostream>
#include <string>

#include "assets/bitmap_file.h"
#include "assets/file_bytes.h"
#include "sim/match.h"
#include "sim/match_log.h"
#include "sim/options.h"

namespace {

using namespace pipwick;

// One hand drawn as the table window would show it, written as a picture.
int WriteSnapshot(const SimOptions& options) {
    Match match(options.players, options.levels, options.scale, options.seed);
    const std::string folder =
        options.resources.empty() ? PIPWICK_BUILT_RESOURCES : options.resources;
    if (auto error = match.DrawTable(options.dominoSet, ResourcesInFolder(folder))) {
        std::cerr << "pipwick-sim: cannot load the domino set from " << folder << ": " << *error
                  << "\n";
        return 1;
    }
    MatchLog log(match, options.trace ? &std::cout : nullptr);
    log.TraceHands(1);
    log.StartGame(1);
    if (!match.PlayFirstHand(log)) {
        std::cerr << "pipwick-sim: the hand did not end\n";
        return 1;
    }
    if (!WriteFileBytes(options.snapshot, WriteBitmap24(match.FirstHandPicture()))) {
        std::cerr << "pipwick-sim: cannot write " << options.snapshot << "\n";
        return 1;
    }
    return 0;
}

int PlayGames(const SimOptions& options) {
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

}  // namespace

int main(int argc, char** argv) {
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
    return options.snapshot.empty() ? PlayGames(options) : WriteSnapshot(options);
}
