#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "engine/game.h"
#include "engine/settings.h"
#include "model/game_state.h"
#include "model/geometry.h"
#include "sim/headless.h"
#include "sim/snapshot.h"

namespace pipwick {

// Games between computer players with no window. Seat 1 is played by a computer player too, but
// through the human's own moves: it leads and plays by clicking, draws and passes with Draw/Pass.
class Match {
  public:
    Match(int32_t players, const int32_t (&levels)[5], double scale, uint64_t seed);

    // Plays one whole game; every move goes to log. Returns false if the game did not end
    // within a sane number of the human's moves.
    bool PlayGame(PlayLog& log);

    // Draws the table as the game goes, from the artwork of dominoSet; a message when the
    // artwork cannot be loaded.
    std::optional<std::string> DrawTable(int32_t dominoSet, const ResourceSource& source);
    // Plays a new game until its first hand has ended; false if it did not end. With the table
    // drawn, FirstHandPicture is then the table as that hand ended.
    bool PlayFirstHand(PlayLog& log);
    Canvas FirstHandPicture() const;

    const GameState& State() const { return state_; }
    uint32_t LastDealSeed() const { return seeds_.LastSeed(); }

  private:
    bool PlayUntil(PlayLog& log, bool firstHandOnly);
    void SeatOneMoves();

    GameState state_;
    Settings settings_;
    Geometry geometry_;
    SilentView view_;
    std::unique_ptr<SnapshotView> drawing_;
    InstantClock clock_;
    DerivedSeeds seeds_;
    Game game_;
};

}  // namespace pipwick
