#pragma once

#include <QElapsedTimer>
#include <cstdint>

#include "engine/clock.h"

namespace pipwick {

// The game's pauses behind the windows. A wait runs a local event loop that excludes user input
// until the deadline: paints and timers go on, the processor rests, and the player's clicks and
// keys are held back and delivered once the game's sequence has returned.
class QtClock : public Clock {
  public:
    QtClock();
    uint32_t TickCount() override;
    void WaitUntil(uint32_t deadline) override;

  private:
    QElapsedTimer elapsed_;
};

// Each deal is seeded with the calendar time in seconds.
class CalendarSeeds : public SeedSource {
  public:
    uint32_t DealSeed() override;
};

}  // namespace pipwick
