#pragma once

#include <cstdint>

namespace pipwick {

// The shuffle's generator: a twister of 351 words with its own twist constant and tempering. It is
// made, seeded and used inside one deal, so two deals seeded alike deal alike.
class RandomGenerator {
  public:
    static constexpr int kStateWords = 351;

    void Seed(uint32_t seed);
    // Sets every word of the state: a deal that cannot be found again by trying each of the
    // 2^32 seeds, as a player who knows his own tiles could.
    void SeedWhole(const uint32_t (&words)[kStateWords]);
    uint32_t NextWord();
    // A double in [0, 1) built from the word's bits.
    double NextUnit();
    // An integer in min..max; the most negative integer when max < min.
    int32_t Between(int32_t min, int32_t max);

  private:
    void RegenerateWord(int k);

    uint32_t state_[kStateWords] = {};
    int index_ = kStateWords;
};

}  // namespace pipwick
