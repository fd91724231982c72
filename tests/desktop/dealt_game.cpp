// Writes a saved four-player game for the desktop tests: a hand dealt from a fixed seed and
// played by Advanced computer players up to the human's first turn, with every score close
// enough to 250 that the end of this hand ends the game. The program and the simulator both
// open it, so the test knows every deal and hand it plays.
//
// Usage: dealt_game SEED SCORE FILE
#include <cstdint>
#include <iostream>
#include <string>

#include "engine/clock.h"
#include "engine/game.h"
#include "engine/game_view.h"
#include "model/geometry.h"
#include "savegame/saved_game_file.h"

namespace {

class FixedSeed : public pipwick::SeedSource {
  public:
    explicit FixedSeed(uint32_t seed) : seed_(seed) {}
    uint32_t DealSeed() override { return seed_; }

  private:
    uint32_t seed_;
};

}  // namespace

int main(int argc, char* argv[]) {
    using namespace pipwick;
    if (argc != 4) {
        std::cerr << "usage: dealt_game SEED SCORE FILE\n";
        return 2;
    }
    const uint32_t seed = static_cast<uint32_t>(std::stoul(argv[1]));
    const int32_t score = std::stoi(argv[2]);
    GameState state;
    ResetGameState(state);
    state.PlayerCount = 4;
    GameSettings settings;
    for (int seat = 2; seat <= 4; ++seat) {
        settings.PlayerLevel[seat] = 1;
    }
    settings.PlayDelay = 0;
    const Geometry geometry = MakeGeometry(1.0, 1024, 768);
    SilentView view;
    InstantClock clock;
    FixedSeed seeds(seed);
    Game game(state, settings, geometry, view, clock, seeds);
    game.NewGame();
    if (!HumansTurn(state)) {
        std::cerr << "the human is not to play\n";
        return 1;
    }
    for (int player = 1; player <= 4; ++player) {
        state.Scores[player] = score;
    }
    if (WriteSavedGameFile(argv[3], state)) {
        std::cerr << "cannot write " << argv[3] << "\n";
        return 1;
    }
    return 0;
}
