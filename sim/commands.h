#pragma once

#include <ostream>

#include "sim/options.h"

namespace pipwick {

// What pipwick-sim does for its options, writing to out (standard output) and err (standard
// error). Each returns the program's exit code: 0 when all went well, 1 when it could not.
// A failed write to out stops the run at once with a message on err, so that a full disc or a
// reader that went away does not leave the simulator playing on for nobody.

// Plays options.games whole games and prints their summary (the trace, if asked, on out and the
// summary then on err).
int PlayGames(const SimOptions& options, std::ostream& out, std::ostream& err);

// Opens the saved game options.open and plays it on to the game's end, seat 1 through the
// human's own moves, then prints the summary as PlayGames does. A file that the game's Open would
// refuse prints "Can't open game!".
int ContinueSavedGame(const SimOptions& options, std::ostream& out, std::ostream& err);

// True, after saying so on err, when a write to out has failed.
bool OutputFailed(std::ostream& out, std::ostream& err);

}  // namespace pipwick
