#pragma once

#include <cstdint>

namespace pipwick {

// The shuffle's generator: a twister of 351 words with its own twist constant and tempering. It is
// made, seeded and used inside one deal, so two deals seeded alike deal alike.
class RandomGenerator {
  public:
    void Seed(uint32_t seed);
    uint32_t NextWord();
    // A double in [0, 1) built from the word's bits.
    double NextUnit();
    // An integer in min..max; the most negative integer when max < min.
    int32_t Between(int32_t min, int32_t max);

  private:
    void RegenerateWord(int k);

    static constexpr int kStateWords = 351;
    uint32_t state_[kStateWords] = {};
    int index_ = kStateWords;
};

}  // namespace pipwick
