#include "shell/sound/game_sounds.h"

#include <gtest/gtest.h>

#include "shell/sound/qt_sound_output.h"
#include "shell/sound/wave_header.h"
#include "tests/shell/sound_test_support.h"

namespace pipwick {
namespace {

TEST(SoundChoice, EachEventHasItsWaveAndEachComputerPlayerItsVoice) {
    struct Case {
        SoundEvent event;
        int32_t player;
        int32_t gender;
        int32_t wave;
    };
    const Case cases[] = {
        {SoundEvent::kShuffle, 0, 0, 138},
        {SoundEvent::kTileDrawn, 1, 0, 140},
        {SoundEvent::kTileDrawn, 3, 1, 140},
        {SoundEvent::kPasses, 2, 0, 148},
        {SoundEvent::kPasses, 3, 1, 152},
        {SoundEvent::kPasses, 4, 0, 150},
        {SoundEvent::kPasses, 4, 1, 153},
        {SoundEvent::kGoesOut, 2, 0, 154},
        {SoundEvent::kGoesOut, 3, 1, 158},
        {SoundEvent::kGoesOut, 3, 0, 155},
        {SoundEvent::kGoesOut, 4, 1, 159},
        // Any gender other than 0 is a woman's voice.
        {SoundEvent::kPasses, 2, 7, 151},
        // The human has no call, and a seat outside the table none either.
        {SoundEvent::kPasses, 1, 0, 0},
        {SoundEvent::kGoesOut, 1, 1, 0},
        {SoundEvent::kPasses, 0, 0, 0},
        {SoundEvent::kGoesOut, 5, 0, 0},
        {SoundEvent::kPasses, -1, 0, 0},
    };
    for (const Case& c : cases) {
        Settings settings;
        if (c.player >= 1 && c.player <= 4) {
            settings.PlayerGender[c.player] = c.gender;
        }
        EXPECT_EQ(WaveFor(c.event, c.player, settings), c.wave)
            << static_cast<int>(c.event) << " by " << c.player << ", gender " << c.gender;
    }
}

struct Sounds : ::testing::Test {
    Settings settings;
    RecordingOutput output;
    RecordingClock clock;
    SoundPlayer player{output, clock, EmbeddedWave};
    GameSounds sounds{settings};
};

// The shuffle is waited for through the clock; a call without a voice plays nothing and cuts
// nothing off.
TEST_F(Sounds, AreHeardWhileSoundIsOnAndTheShuffleIsWaitedFor) {
    sounds.UsePlayer(player);
    settings.PlayerGender[3] = 1;
    sounds.Hear(SoundEvent::kShuffle, 0);
    sounds.Hear(SoundEvent::kTileDrawn, 3);
    sounds.Hear(SoundEvent::kPasses, 1);
    sounds.TileLanded();
    sounds.Hear(SoundEvent::kGoesOut, 3);
    EXPECT_EQ(output.events, (std::vector<std::string>{"start 138", "start 140", "stop 140",
                                                       "start 140", "stop 140", "start 158"}));
    const uint32_t shuffle = *WaveLengthMs(*EmbeddedWave(sound::kShuffle));
    EXPECT_EQ(clock.waits, std::vector<uint32_t>{shuffle + SoundPlayer::kWaitMargin});
}

TEST_F(Sounds, AreSilentWithSoundOffOrNoPlayer) {
    for (bool withPlayer : {false, true}) {
        if (withPlayer) {
            sounds.UsePlayer(player);
            settings.SoundOn = 0;
        }
        sounds.Hear(SoundEvent::kShuffle, 0);
        sounds.Hear(SoundEvent::kTileDrawn, 2);
        sounds.Hear(SoundEvent::kPasses, 2);
        sounds.Hear(SoundEvent::kGoesOut, 2);
        sounds.TileLanded();
        EXPECT_TRUE(output.events.empty()) << withPlayer;
        EXPECT_TRUE(clock.waits.empty()) << withPlayer;
    }
}

}  // namespace
}  // namespace pipwick
