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
    uint32_t DealSeed() override;
    void SeedShuffle(RandomGenerator& random) override;

  private:
    // Fills words from the kernel's generator in one call where it can (the processor's own
    // instruction, word by word, is far slower); false when it cannot.
    static bool FromKernel(uint32_t* words, size_t count);

    std::random_device device_;
};

}  // namespace pipwick
