#pragma once

#include <ostream>

#include "sim/options.h"

namespace pipwick {

// Plays one chair of a network table as a computer player at options.level, from the table's
// greeting to the end of its game; answers the program's exit code: 0 when the game was played to
// its end, 3 when the table turned the player away, 1 when the connection or the table failed.
int PlayConnectedChair(const SimOptions& options, std::ostream& out, std::ostream& err);

}  // namespace pipwick
