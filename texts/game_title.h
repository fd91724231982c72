#pragma once

#include <string>

#include "model/game_kind.h"

namespace pipwick::text {

// The game under way as the windows name it: "Draw to 100", "Block to 150, partners",
// "All Fives, partners". All Fives alone is the game the program has always played, and its
// windows read as they always have: the title is empty.
std::string GameTitle(const GameRules& rules);

// Two partners as one name, "Lefty and RightStuff": the pop-up, the score sheet and the spoken
// news name a pair so. The names are put in as they are.
std::string PairName(const std::string& first, const std::string& second);

}  // namespace pipwick::text
