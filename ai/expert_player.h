#pragma once

#include <cstdint>

#include "ai/expert_view.h"
#include "ai/hand_playout.h"

namespace pipwick {

struct ExpertOptions {
    // Deals sampled per decision; every candidate is played out on each of them.
    int Deals = 64;
    // Mixed into the seed the view gives, so tests can ask for other samples.
    uint64_t Salt = 0;
};

// The Expert's play for view.Seat: a slot of view.Hand and an arm, or slot 21 when nothing fits.
// The same view and options always give the same play.
Play ChooseExpertPlay(const ExpertView& view, HandPlayout& playout,
                      const ExpertOptions& options = {});

}  // namespace pipwick
