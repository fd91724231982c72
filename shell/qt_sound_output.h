#pragma once

#include <QSoundEffect>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "shell/sound_player.h"

namespace pipwick {

// The wave resources compiled into the program as ":/wave/ID".
std::optional<std::vector<uint8_t>> EmbeddedWave(int32_t id);

// The sounds on the default audio output, one sound effect per wave, made when first played.
class QtSoundOutput : public SoundOutput {
  public:
    bool HasDevice() override;
    void Start(int32_t wave) override;
    void Stop(int32_t wave) override;

  private:
    std::map<int32_t, std::unique_ptr<QSoundEffect>> effects_;
};

}  // namespace pipwick
