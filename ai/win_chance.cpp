// A game is won by reaching the target first, not by the points on the way. Far from the target a
// point is worth the same to either side, but near it a safe few points can be worth more than a
// bold many: this turns a pair of scores into the chance of winning from them, so that the Expert
// weighs risk as the state of the game asks.
//
// The hands to come are taken as an even race. Each adds to the two scores some points and moves
// their difference by a random amount whose square averages spread times those points, so that
// by the time the two sides' remaining needs, mine + theirs, have been covered the difference has
// spread by the square root of spread * (mine + theirs). The side needing less wins when the
// difference does not make up its lead, theirs - mine: the normal distribution's chance of that.
#include "ai/win_chance.h"

#include <cmath>
#include <iterator>

namespace pipwick {

namespace {

struct Spreads {
    double two;
    double three;
    double four;
    double pairs;
};

// Indexed by the game's number, as kGameKinds; from 400 games of Advanced players at each table.
constexpr Spreads kSpreads[] = {
    {12.5, 14.0, 13.8, 12.6},  // All Fives
    {37.4, 41.7, 36.1, 24.6},  // Draw
    {15.6, 25.4, 36.1, 24.6},  // Block: at four the whole set is dealt, as in Draw
    {1.7, 2.0, 2.3, 2.1},      // Fives and Threes, whose hands score a few points each
};
static_assert(std::size(kSpreads) == kGameKindCount, "a spread for every game");

}  // namespace

double ScoreSpread(const GameRules& rules, int playerCount) {
    const Spreads& spreads = kSpreads[static_cast<int>(rules.Game)];
    if (PlaysInPairs(rules)) {
        return spreads.pairs;
    }
    return playerCount <= 2 ? spreads.two : playerCount == 3 ? spreads.three : spreads.four;
}

double ChanceToReachFirst(double mine, double theirs, double spread) {
    const double lead = theirs - mine;
    return 0.5 * std::erfc(-lead / std::sqrt(2.0 * spread * (mine + theirs)));
}

}  // namespace pipwick
