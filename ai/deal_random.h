#pragma once

#include <cstdint>
#include <limits>

namespace pipwick {

// The last steps of SplitMix64: spreads every bit of value over the whole result.
constexpr uint64_t Mix64(uint64_t value) {
    value = (value ^ (value >> 30)) * 0xbf58476d1ce4e5b9ull;
    value = (value ^ (value >> 27)) * 0x94d049bb133111ebull;
    return value ^ (value >> 31);
}

// The generator a deal is drawn with: SplitMix64, whose whole state is one number. Every deal has a
// generator of its own, so it must cost nothing to seed; filling a Mersenne twister's 312 words
// for each deal took a tenth of a decision. Meets the standard's uniform random bit generator, so
// std::shuffle takes it.
class DealRandom {
  public:
    using result_type = uint64_t;
    static constexpr uint64_t kGoldenGamma = 0x9e3779b97f4a7c15ull;

    explicit DealRandom(uint64_t seed) : state_(seed) {}

    static constexpr result_type min() { return 0; }
    static constexpr result_type max() { return std::numeric_limits<result_type>::max(); }

    result_type operator()() {
        state_ += kGoldenGamma;
        return Mix64(state_);
    }

  private:
    uint64_t state_;
};

}  // namespace pipwick
