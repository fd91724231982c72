#pragma once

#include <cstdint>
#include <random>

#include "engine/clock.h"
#include "engine/random_generator.h"

namespace pipwick {

// A network table's deals, from the operating system's random source. Not the clock, whose
// seconds anyone at the table could guess, and with them every hand; and not one 32-bit seed,
// which a player who knows his own tiles could find by trying them all: every word of each
// shuffle's generator is drawn anew.
class SystemSeeds : public SeedSource {
  public:
    uint32_t DealSeed() override { return static_cast<uint32_t>(device_()); }
    void SeedShuffle(RandomGenerator& random) override {
        uint32_t words[RandomGenerator::kStateWords];
        for (uint32_t& word : words) {
            word = DealSeed();
        }
        random.SeedWhole(words);
    }

  private:
    std::random_device device_;
};

}  // namespace pipwick
