// pipwick-sim: whole games between computer players, with no window and no waits.
#include <iostream>
#include <string>

#include "assets/bitmap_file.h"
#include "assets/file_bytes.h"
#include "sim/commands.h"
#ifdef PIPWICK_NETWORK_CHAIR
#include "sim/connected_chair.h"
#endif
#include "sim/match.h"
#include "sim/match_log.h"
#include "sim/options.h"

namespace {

using namespace pipwick;

// One hand drawn as the table window would show it, written as a picture.
int WriteSnapshot(const SimOptions& options) {
    Match match(options.players, options.levels, options.scale, options.seed, options.rules);
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
    if (OutputFailed(std::cout, std::cerr)) {
        return 1;
    }
    if (!WriteFileBytes(options.snapshot, WriteBitmap24(match.FirstHandPicture()))) {
        std::cerr << "pipwick-sim: cannot write " << options.snapshot << "\n";
        return 1;
    }
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
        std::cout << SimUsage();
        return 0;
    }
    if (!options.connect.empty()) {
#ifdef PIPWICK_NETWORK_CHAIR
        return PlayConnectedChair(options, std::cout, std::cerr);
#else
        std::cerr << "pipwick-sim: this build has no network play (it was built without Qt)\n";
        return 2;
#endif
    }
    if (!options.open.empty()) {
        return ContinueSavedGame(options, std::cout, std::cerr);
    }
    return options.snapshot.empty() ? PlayGames(options, std::cout, std::cerr)
                                    : WriteSnapshot(options);
}
