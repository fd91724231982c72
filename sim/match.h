#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "engine/derived_seeds.h"
#include "engine/game.h"
#include "engine/game_settings.h"
#include "engine/game_view.h"
#include "model/game_state.h"
#include "model/geometry.h"
#include "savegame/saved_game.h"
#include "sim/snapshot.h"

namespace pipwick {

// Games between computer players with no window. Seat 1 is played by a computer player too, but
// through the human's own moves: it leads and plays by clicking, draws and passes with Draw/Pass.
class Match {
  public:
    // Every game is played by rules: All Fives, every player for himself, unless told otherwise.
    Match(int32_t players, const int32_t (&levels)[5], double scale, uint64_t seed,
          const GameRules& rules = {});

    // Plays one whole game; every move goes to log. Returns false if the game did not end
    // within a sane number of the human's moves.
    bool PlayGame(PlayLog& log);

    // Replaces the game with a saved one, as the human's Open does: the human is to play next.
    // On an error the game is as it was.
    SavedGameError OpenGame(std::span<const uint8_t> bytes);
    SavedGameError OpenGameFile(const std::filesystem::path& path);
    // Plays the game in progress on to its end; every move goes to log. Returns false if it did
    // not end within a sane number of the human's moves.
    bool PlayOn(PlayLog& log);

    // Draws the table as the game goes, from the artwork of dominoSet; a message when the
    // artwork cannot be loaded.
    std::optional<std::string> DrawTable(int32_t dominoSet, const ResourceSource& source);
    // Plays a new game until its first hand has ended; false if it did not end. With the table
    // drawn, FirstHandPicture is then the table as that hand ended.
    bool PlayFirstHand(PlayLog& log);
    Canvas FirstHandPicture() const;

    const GameState& State() const { return state_; }
    const DerivedSeeds& Seeds() const { return seeds_; }

  private:
    void StartGame(PlayLog& log);
    bool PlayUntilEnd(bool firstHandOnly);
    void SeatOneMoves();

    GameState state_;
    GameSettings settings_;
    Geometry geometry_;
    SilentView view_;
    std::unique_ptr<SnapshotView> drawing_;
    InstantClock clock_;
    DerivedSeeds seeds_;
    Game game_;
};

}  // namespace pipwick
