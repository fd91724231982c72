#pragma once

#include <QSoundEffect>
#include <QTemporaryDir>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "shell/sound/sound_player.h"

namespace pipwick {

// The wave resources compiled into the program as ":/wave/ID".
std::optional<std::vector<uint8_t>> EmbeddedWave(int32_t id);

// The sounds on the default audio output, one sound effect per wave, made when first played or
// prepared. A sound effect stops its output as soon as it has handed over the last sample, which
// drops what the sound server still holds: each wave is played from a copy with silence after
// it, so that only silence is dropped.
class QtSoundOutput : public SoundOutput {
  public:
    bool HasDevice() override;
    void Start(int32_t wave) override;
    void Stop(int32_t wave) override;
    // Loads wave ahead, so that its first playing starts at once.
    void Prepare(int32_t wave);

    // How much silence follows each sound.
    static constexpr uint32_t kTrailingSilenceMs = 400;

  private:
    QSoundEffect& Effect(int32_t wave);

    std::map<int32_t, std::unique_ptr<QSoundEffect>> effects_;
    std::unique_ptr<QTemporaryDir> copies_;
};

}  // namespace pipwick
