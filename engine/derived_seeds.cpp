#include "engine/derived_seeds.h"

namespace pipwick {

// A splitmix step: consecutive deals get well-spread seeds even from small run seeds.
uint32_t DerivedSeeds::DealSeed() {
    state_ += 0x9E3779B97F4A7C15ull;
    uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    last_ = static_cast<uint32_t>((z ^ (z >> 31)) >> 32);
    return last_;
}

}  // namespace pipwick
