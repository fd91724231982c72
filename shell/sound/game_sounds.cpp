#include "shell/sound/game_sounds.h"

namespace pipwick {

int32_t WaveFor(SoundEvent event, int32_t player, const Settings& settings) {
    const bool seat = player >= 1 && player <= 4;
    const int voice = seat && settings.PlayerGender[player] != 0 ? 1 : 0;
    switch (event) {
        case SoundEvent::kShuffle:
            return sound::kShuffle;
        case SoundEvent::kTileDrawn:
            return sound::kTileClick;
        case SoundEvent::kPasses:
            return seat ? sound::kPassCall[voice][player] : 0;
        case SoundEvent::kGoesOut:
            return seat ? sound::kGoingOutCall[voice][player] : 0;
    }
    return 0;
}

void GameSounds::Hear(SoundEvent event, int32_t player) {
    if (!Audible()) {
        return;
    }
    const int32_t wave = WaveFor(event, player, settings_);
    if (wave == 0) {
        return;
    }
    if (event == SoundEvent::kShuffle) {
        player_->PlayAndWait(wave);
    } else {
        player_->Play(wave);
    }
}

void GameSounds::TileLanded() {
    if (Audible()) {
        player_->Play(sound::kTileClick);
    }
}

}  // namespace pipwick
