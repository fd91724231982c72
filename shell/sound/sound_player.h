#pragma once

#include <cstdint>
#include <optional>

#include "assets/image_store.h"
#include "engine/clock.h"

namespace pipwick {

// Where the game's sounds are heard: the audio device, or a test's recorder.
class SoundOutput {
  public:
    virtual ~SoundOutput() = default;
    // Whether there is an audio device to play on now.
    virtual bool HasDevice() = 0;
    // Starts wave from its beginning and returns at once.
    virtual void Start(int32_t wave) = 0;
    // Stops wave if it is still playing.
    virtual void Stop(int32_t wave) = 0;
};

// Plays the wave resources the game asks for. Every sound but one is started and left to play; a
// new one cuts off one still playing. The shuffle is waited for: started, then the clip's length
// from its header (and a small margin) is waited through the clock, whose wait holds the player's
// input back, because the output never says when a sound has ended. With no audio device, or a
// wave that cannot be read, nothing plays and nothing waits.
class SoundPlayer {
  public:
    // waves gives the bytes of a wave resource by number.
    SoundPlayer(SoundOutput& output, Clock& clock, ResourceSource waves);

    void Play(int32_t wave);
    void PlayAndWait(int32_t wave);

    // Added to a waited sound's length, for the output to start and drain.
    static constexpr uint32_t kWaitMargin = 50;

  private:
    // Starts wave in place of the sound still playing; its length, or nothing when nothing was
    // started.
    std::optional<uint32_t> Start(int32_t wave);

    SoundOutput& output_;
    Clock& clock_;
    ResourceSource waves_;
    int32_t playing_ = 0;
};

}  // namespace pipwick
