#pragma once

#include <cstdint>

#include "ai/expert_view.h"
#include "ai/hand_playout.h"

namespace pipwick {

struct ExpertOptions {
    // Deals sampled per decision; 0 takes the table's own number (DealsFor). Every candidate is
    // played out on the first 64; those not clearly worse than the best, on all of them (from 512
    // deals the clearly worse drop out again half way).
    int Deals = 0;
    // Deals drawn at most, for each deal searched, to find one that explains what the opponents
    // of known level were seen to play; 0 takes the table's own number (TriesFor).
    int Tries = 0;
    // Threads the deals are shared among; 0 is one per core. The play does not depend on it.
    int Threads = 0;
    // Mixed into the seed the view gives, so tests can ask for other samples.
    uint64_t Salt = 0;
};

// How a hand played out ends for the view's seat: its chance of winning the game from the scores
// the hand leaves, taken as the product of its chances of reaching the target before each other
// side, from -kGameWon (lost) to kGameWon (won).
class HandObjective {
  public:
    static constexpr double kGameWon = 1000.0;
    explicit HandObjective(const ExpertView& view);
    double Value(const PlayoutOutcome& outcome) const;

  private:
    int seat_;
    double target_;
    double spread_;
    GameRules rules_;
    bool other_[5] = {};  // the seats that speak for the other sides
};

// How many deals a decision at the view's table samples when the options leave it to the table.
int DealsFor(const ExpertView& view);
// How many deals it draws at most for each one searched, when the options leave it to the table.
int TriesFor(const ExpertView& view);

// The Expert's play for view.Seat: a slot of view.Hand and an arm, or slot 21 when nothing fits.
// The same view and options always give the same play.
Play ChooseExpertPlay(const ExpertView& view, const HandPlayout& playout,
                      const ExpertOptions& options = {});

}  // namespace pipwick
