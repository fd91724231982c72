#include "engine/random_generator.h"

#include <bit>

namespace pipwick {

namespace {

constexpr int kMiddle = 175;
constexpr uint32_t kLowerMask = 0x7FFFF;
constexpr uint32_t kTwist = 0xEABD75F5;

uint32_t Twist(uint32_t upperFrom, uint32_t lowerFrom, uint32_t far) {
    const uint32_t y = (upperFrom & ~kLowerMask) | (lowerFrom & kLowerMask);
    return far ^ (y >> 1) ^ ((y & 1) != 0 ? kTwist : 0);
}

uint32_t Temper(uint32_t y) {
    y ^= y >> 11;
    y ^= (y & 0xCABCA5) << 7;
    y ^= (y & ~0x54u) << 15;
    y ^= y >> 17;
    return y;
}

}  // namespace

void RandomGenerator::Seed(uint32_t seed) {
    uint32_t s = seed;
    for (uint32_t& word : state_) {
        s = s * 29943829u - 1u;
        word = s;
    }
    index_ = kStateWords;
}

// The words from kMiddle + 1 on read words already regenerated in this pass.
void RandomGenerator::Regenerate() {
    for (int k = 0; k < kStateWords - 1; ++k) {
        state_[k] = Twist(state_[k], state_[k + 1], state_[(k + kMiddle) % kStateWords]);
    }
    state_[kStateWords - 1] = Twist(state_[kStateWords - 1], state_[0], state_[kMiddle - 1]);
    index_ = 0;
}

uint32_t RandomGenerator::NextWord() {
    if (index_ == kStateWords) {
        Regenerate();
    }
    return Temper(state_[index_++]);
}

double RandomGenerator::NextUnit() {
    const uint32_t w = NextWord();
    const uint64_t high = (w >> 12) | 0x3FF00000u;
    const uint64_t low = static_cast<uint32_t>(w << 20);
    return std::bit_cast<double>((high << 32) | low) - 1.0;
}

int32_t RandomGenerator::Between(int32_t min, int32_t max) {
    if (max < min) {
        return INT32_MIN;
    }
    const int32_t r = static_cast<int32_t>(NextUnit() * (max - min + 1)) + min;
    return r > max ? max : r;
}

}  // namespace pipwick
