#pragma once

#include <cstdint>

#include "engine/settings.h"
#include "engine/sound_event.h"
#include "shell/sound/sound_player.h"

namespace pipwick {

// Wave resources of the game's sounds. The computer players call their passes and their going
// out in a man's voice (row 0) or a woman's (row 1), each seat its own; the human has no call.
namespace sound {
constexpr int32_t kShuffle = 138;
constexpr int32_t kTileClick = 140;
constexpr int32_t kPassCall[2][5] = {{0, 0, 148, 149, 150}, {0, 0, 151, 152, 153}};
constexpr int32_t kGoingOutCall[2][5] = {{0, 0, 154, 155, 156}, {0, 0, 157, 158, 159}};
}  // namespace sound

// The wave that event of player sounds as, the players' genders read from settings; 0 for none.
int32_t WaveFor(SoundEvent event, int32_t player, const Settings& settings);

// What the player hears of the game: the engine's sound events and the click of a tile landing
// on the table, each heard only while sound is on. The shuffle is waited for.
class GameSounds {
  public:
    explicit GameSounds(const Settings& settings) : settings_(settings) {}

    // Until it is given a sound player nothing is heard.
    void UsePlayer(SoundPlayer& player) { player_ = &player; }

    void Hear(SoundEvent event, int32_t player);
    void TileLanded();

  private:
    bool Audible() const { return player_ != nullptr && settings_.SoundOn == 1; }

    const Settings& settings_;
    SoundPlayer* player_ = nullptr;
};

}  // namespace pipwick
