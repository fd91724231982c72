#pragma once

#include <cstdint>
#include <memory>

#include "engine/clock.h"

namespace pipwick {

// Deals from a seed the user chose, one more for each deal, so that a session can be played again
// deal for deal (the desktop tests use it).
class ChosenSeeds : public SeedSource {
  public:
    explicit ChosenSeeds(uint32_t first) : next_(first) {}
    uint32_t DealSeed() override { return next_++; }

  private:
    uint32_t next_;
};

// The seeds that the environment variable PIPWICK_SEED (a whole number) chooses; null when it is
// unset or not a number, and the deals follow the clock.
std::unique_ptr<SeedSource> SeedsFromEnvironment();

}  // namespace pipwick
