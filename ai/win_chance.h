#pragma once

#include "model/rules.h"

namespace pipwick {

// How far one hand moves the difference between two sides' scores, for the points it adds to
// both: the mean square of the difference a hand makes, over the mean of what it adds. It was
// measured on Advanced players' games at each table (tools/measure_score_spread.py).
double ScoreSpread(const GameRules& rules, int playerCount);

// The chance that a side still needing mine points reaches the target before a side needing
// theirs, the hands to come being an even race whose score difference spreads by spread points
// for every point they add to the two. Both needs are at least 1.
double ChanceToReachFirst(double mine, double theirs, double spread);

}  // namespace pipwick
