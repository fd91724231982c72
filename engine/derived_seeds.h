#pragma once

#include <cstdint>

#include "engine/clock.h"

namespace pipwick {

// Deal seeds derived from one run seed, so a run repeats exactly.
class DerivedSeeds : public SeedSource {
  public:
    explicit DerivedSeeds(uint64_t runSeed) : state_(runSeed) {}
    uint32_t DealSeed() override;
    uint32_t LastSeed() const { return last_; }

  private:
    uint64_t state_;
    uint32_t last_ = 0;
};

}  // namespace pipwick
