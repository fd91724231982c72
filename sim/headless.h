#pragma once

#include <cstdint>

#include "engine/clock.h"
#include "engine/game_view.h"

namespace pipwick {

// A view with no windows: the simulator shows nothing and plays nothing.
class SilentView : public GameView {
  public:
    void Announce(const Announcement&) override {}
    void ShowMessage(Message, const char*) override {}
    void ClearTableAndHands() override {}
    void ResetHandWindows() override {}
    void HandChanged(int32_t) override {}
    void SelectionChanged() override {}
    void SetDrawPassLabel(bool) override {}
    void TileLeavesHand(int32_t, const Rect&, int32_t) override {}
    void TileLands(const PlacedTile&) override {}
    void RedrawAllTiles() override {}
    void RepaintTable() override {}
    void ShowTilesFaceUp(int32_t) override {}
    void PlaySound(int32_t) override {}
    void PlaySoundAndWait(int32_t) override {}
};

// Deal seeds derived from one run seed, so a run repeats exactly.
class DerivedSeeds : public SeedSource {
  public:
    explicit DerivedSeeds(uint64_t runSeed) : state_(runSeed) {}
    uint32_t DealSeed() override;
    uint32_t LastSeed() const { return last_; }

  private:
    uint64_t state_;
    uint32_t last_ = 0;
};

}  // namespace pipwick
