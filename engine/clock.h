#pragma once

#include <cstdint>

#include "engine/random_generator.h"

namespace pipwick {

struct GameState;

// Every pause of the game goes through here, so the windows can wait without busy-polling and the
// tests and the simulator can wait not at all.
class Clock {
  public:
    virtual ~Clock() = default;
    // Milliseconds since some fixed moment; wraps at 2^32.
    virtual uint32_t TickCount() = 0;
    // Returns once the tick count has reached deadline (unsigned comparison).
    virtual void WaitUntil(uint32_t deadline) = 0;

    void WaitMilliseconds(uint32_t ms) { WaitUntil(TickCount() + ms); }
};

// Time that passes only when someone waits: every wait returns at once. The simulator plays
// whole games on it, and tests whose waits do not matter.
class InstantClock : public Clock {
  public:
    uint32_t TickCount() override { return now_; }
    void WaitUntil(uint32_t deadline) override {
        if (static_cast<int32_t>(deadline - now_) > 0) {
            now_ = deadline;
        }
    }

  private:
    uint32_t now_ = 0;
};

// Where each deal's random seed comes from: the calendar time in the game, chosen seeds elsewhere.
class SeedSource {
  public:
    virtual ~SeedSource() = default;
    virtual uint32_t DealSeed() = 0;
    // Seeds the generator of one shuffle: from DealSeed, so that a seed always deals alike,
    // unless a source seeds the whole generator itself.
    virtual void SeedShuffle(RandomGenerator& random) { random.Seed(DealSeed()); }
    // Called once each hand is dealt, before its leader is to play: a table that deals elsewhere
    // puts its hands, its bone pile and its leader (NextLeader) in place of ours.
    virtual void Dealt(GameState& /*state*/) {}
};

// For games on a copy that stop before the next deal: trial plays and the Expert's playouts.
class NoDeals : public SeedSource {
  public:
    uint32_t DealSeed() override { return 0; }
};

}  // namespace pipwick
