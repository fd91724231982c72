#pragma once

#include <cstdint>
#include <random>

#include "engine/clock.h"

namespace pipwick {

// A network table's deals: each seed comes from the operating system's random source, never from
// the clock, whose seconds anyone at the table could guess and with them every hand.
class SystemSeeds : public SeedSource {
  public:
    uint32_t DealSeed() override { return static_cast<uint32_t>(device_()); }

  private:
    std::random_device device_;
};

}  // namespace pipwick
