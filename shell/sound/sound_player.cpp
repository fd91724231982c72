#include "shell/sound/sound_player.h"

#include "shell/sound/wave_header.h"

namespace pipwick {

SoundPlayer::SoundPlayer(SoundOutput& output, Clock& clock, ResourceSource waves)
    : output_(output), clock_(clock), waves_(std::move(waves)) {}

std::optional<uint32_t> SoundPlayer::Start(int32_t wave) {
    if (!output_.HasDevice()) {
        return std::nullopt;
    }
    const auto bytes = waves_ ? waves_(wave) : std::nullopt;
    const auto length = bytes ? WaveLengthMs(*bytes) : std::nullopt;
    if (!length) {
        return std::nullopt;
    }
    if (playing_ != 0) {
        output_.Stop(playing_);
    }
    output_.Start(wave);
    playing_ = wave;
    return length;
}

void SoundPlayer::Play(int32_t wave) {
    Start(wave);
}

void SoundPlayer::PlayAndWait(int32_t wave) {
    if (const auto length = Start(wave)) {
        clock_.WaitMilliseconds(*length + kWaitMargin);
        playing_ = 0;
    }
}

}  // namespace pipwick
