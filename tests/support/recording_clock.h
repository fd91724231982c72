#pragma once

#include <cstdint>
#include <vector>

#include "engine/clock.h"

namespace pipwick {

// Time that passes only when someone waits: every wait returns at once and is written down in
// milliseconds.
class RecordingClock : public Clock {
  public:
    std::vector<uint32_t> waits;

    uint32_t TickCount() override { return now_; }
    void WaitUntil(uint32_t deadline) override {
        waits.push_back(deadline - now_);
        now_ = deadline;
    }

  private:
    uint32_t now_ = 1000;
};

}  // namespace pipwick
