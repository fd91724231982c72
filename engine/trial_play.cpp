#include "engine/trial_play.h"

#include "engine/game.h"

namespace pipwick {

namespace {

// A trial is seen by no one and heard by no one.
class UnseenView : public GameView {
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

// A trial play never deals.
class NoDeals : public SeedSource {
  public:
    uint32_t DealSeed() override { return 0; }
};

}  // namespace

TrialPlay TryHumanPlay(const GameState& state, const Geometry& geometry, int32_t tile,
                       int armIndex) {
    if (tile < 1 || tile > kTileCount || armIndex < 0 || armIndex >= kArmCount) {
        return {};
    }
    GameState trial = state;
    Settings quiet;
    quiet.SoundOn = 0;
    UnseenView view;
    InstantClock clock;
    NoDeals deals;
    Game game(trial, quiet, geometry, view, clock, deals);
    if (game.PlaceTile(kHumanSeat, Rect{}, tile, armIndex + 1) == 0) {
        return {};
    }
    return {true, OpenEndScore(trial)};
}

}  // namespace pipwick
