#include "engine/random_generator.h"

#include <algorithm>
#include <bit>
#include <iterator>

namespace pipwick {

namespace {

constexpr int kMiddle = 175;
constexpr uint32_t kLowerMask = 0x7FFFF;
constexpr uint32_t kTwist = 0xEABD75F5;

uint32_t Twist(uint32_t upperFrom, uint32_t lowerFrom, uint32_t far) {
    const uint32_t y = (upperFrom & ~kLowerMask) | (lowerFrom & kLowerMask);
    return far ^ (y >> 1) ^ ((y & 1) != 0 ? kTwist : 0);
}

// Seeding runs s = s x kSeedFactor - 1 from the seed, one word after another. Word i is then
// kSeedFactor^(i + 1) x seed - (kSeedFactor^i + ... + 1), so with both parts in a table each word
// is made on its own, without waiting for the one before.
constexpr uint32_t kSeedFactor = 29943829u;
constexpr int kSeededWords = 351;

struct SeedTable {
    uint32_t factor[kSeededWords];
    uint32_t offset[kSeededWords];
};

constexpr SeedTable MakeSeedTable() {
    SeedTable table{};
    uint32_t power = 1;
    uint32_t sum = 0;
    for (int i = 0; i < kSeededWords; ++i) {
        sum += power;
        power *= kSeedFactor;
        table.factor[i] = power;
        table.offset[i] = 0u - sum;
    }
    return table;
}

constexpr SeedTable kSeedTable = MakeSeedTable();

uint32_t Temper(uint32_t y) {
    y ^= y >> 11;
    y ^= (y & 0xCABCA5) << 7;
    y ^= (y & ~0x54u) << 15;
    y ^= y >> 17;
    return y;
}

}  // namespace

void RandomGenerator::Seed(uint32_t seed) {
    static_assert(std::size(kSeedTable.factor) == kStateWords);
    for (int i = 0; i < kStateWords; ++i) {
        state_[i] = kSeedTable.factor[i] * seed + kSeedTable.offset[i];
    }
    index_ = kStateWords;
}

void RandomGenerator::SeedWhole(const uint32_t (&words)[kStateWords]) {
    std::copy(std::begin(words), std::end(words), state_);
    index_ = kStateWords;
}

// The whole state is regenerated in one pass, word k from words k, k + 1 and k + kMiddle; the words
// from kMiddle + 1 on read words already regenerated in the pass. Each word is regenerated just
// before it is used, in the same order, which gives the same words while a deal, which uses about
// a third of them, leaves the rest alone.
void RandomGenerator::RegenerateWord(int k) {
    const int next = k + 1 < kStateWords ? k + 1 : 0;
    state_[k] = Twist(state_[k], state_[next], state_[(k + kMiddle) % kStateWords]);
}

uint32_t RandomGenerator::NextWord() {
    if (index_ == kStateWords) {
        index_ = 0;
    }
    RegenerateWord(index_);
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
    // NextUnit is the word over 2^32 exactly, so while the span is below 2^21 its product with the
    // span is exact and its truncation is the word times the span over 2^32, which integers give
    // without the detour through a double.
    const int64_t span = static_cast<int64_t>(max) - min + 1;
    if (span < (int64_t{1} << 21)) {
        return static_cast<int32_t>((static_cast<uint64_t>(NextWord()) * span) >> 32) + min;
    }
    const int32_t r = static_cast<int32_t>(NextUnit() * static_cast<double>(span)) + min;
    return r > max ? max : r;
}

}  // namespace pipwick
