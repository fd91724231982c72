#include "shell/sound/sound_player.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <QAudioDevice>
#include <QMediaDevices>
#include <QtTest/QTest>
#include <cstring>

#include "shell/sound/game_sounds.h"
#include "shell/sound/qt_sound_output.h"
#include "shell/sound/wave_header.h"
#include "tests/shell/sound_test_support.h"
#include "texts/texts.h"

namespace pipwick {
namespace {

// A WAVE file with the given chunks after its RIFF header; fmt gives bytes per second.
struct WaveBytes {
    std::vector<uint8_t> bytes{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};

    WaveBytes& Chunk(const char* tag, uint32_t size, size_t bodyBytes) {
        bytes.insert(bytes.end(), tag, tag + 4);
        for (int shift = 0; shift < 32; shift += 8) {
            bytes.push_back(static_cast<uint8_t>(size >> shift));
        }
        bytes.resize(bytes.size() + bodyBytes);
        return *this;
    }
    WaveBytes& Format(uint32_t byteRate) {
        Chunk("fmt ", 16, 16);
        std::memcpy(bytes.data() + bytes.size() - 8, &byteRate, 4);  // little-endian machines
        return *this;
    }
    WaveBytes& Data(uint32_t size) { return Chunk("data", size, size); }
};

TEST(WaveLength, ComesFromTheDataSizeAndTheByteRate) {
    struct Case {
        const char* name;
        std::vector<uint8_t> file;
        std::optional<uint32_t> ms;
    };
    const Case cases[] = {
        {"one second", WaveBytes().Format(22050).Data(22050).bytes, 1000},
        {"rounded up", WaveBytes().Format(22050).Data(22051).bytes, 1001},
        {"other chunks first", WaveBytes().Chunk("LIST", 5, 6).Format(1000).Data(250).bytes, 250},
        {"data cut short", WaveBytes().Format(1000).Chunk("data", 2000, 10).bytes, 2000},
        {"empty", {}, std::nullopt},
        {"not RIFF", WaveBytes().Format(1000).Data(10).bytes, std::nullopt},
        {"data before fmt", WaveBytes().Data(10).Format(1000).bytes, std::nullopt},
        {"no bytes per second", WaveBytes().Format(0).Data(10).bytes, std::nullopt},
        {"fmt too short", WaveBytes().Chunk("fmt ", 8, 8).Data(10).bytes, std::nullopt},
        {"fmt cut off", WaveBytes().Chunk("fmt ", 16, 4).bytes, std::nullopt},
        {"chunk past the end", WaveBytes().Chunk("LIST", 0xffffffffu, 0).bytes, std::nullopt},
        {"no data", WaveBytes().Format(1000).bytes, std::nullopt},
    };
    for (Case c : cases) {
        if (std::string(c.name) == "not RIFF") {
            c.file[0] = 'X';
        }
        EXPECT_EQ(WaveLengthMs(c.file), c.ms) << c.name;
    }
}

// A PCM format chunk: byte rate, block alignment and bits as a player reads them.
std::vector<uint8_t> WithFormat(uint32_t byteRate, uint16_t blockAlign, uint16_t bits,
                                uint32_t dataSize, uint8_t sample) {
    WaveBytes wave;
    wave.Format(byteRate);
    const size_t body = wave.bytes.size() - 16;
    std::memcpy(wave.bytes.data() + body + 12, &blockAlign, 2);
    std::memcpy(wave.bytes.data() + body + 14, &bits, 2);
    wave.Data(dataSize).Chunk("LIST", 4, 4);
    std::fill(wave.bytes.end() - 12 - dataSize, wave.bytes.end() - 12, sample);
    return wave.bytes;
}

// Each sound plays from a copy with silence after it: the sound itself unchanged, then whole
// silent frames of the format's silence, the sizes in the headers to match.
TEST(WaveSilence, FollowsTheSoundInWholeFramesOfItsOwnSilence) {
    struct Case {
        const char* name;
        std::vector<uint8_t> file;
        size_t frame;
        uint8_t silent;
    };
    const Case cases[] = {
        {"8-bit mono", WithFormat(22050, 1, 8, 11, 7), 1, 128},
        {"16-bit stereo", WithFormat(176400, 4, 16, 8, 9), 4, 0},
    };
    for (const Case& c : cases) {
        const auto padded = WithTrailingSilence(c.file, 400);
        ASSERT_TRUE(padded) << c.name;
        const size_t sound = c.file.size() - 12;  // the LIST chunk after the data is left out
        ASSERT_GT(padded->size(), sound) << c.name;
        // Everything up to the data chunk's size is as it was, the RIFF size aside.
        EXPECT_TRUE(std::equal(c.file.begin() + 8, c.file.begin() + 40, padded->begin() + 8))
            << c.name;
        EXPECT_EQ(padded->size() % 2, 0u) << c.name;
        uint32_t riff = 0;
        uint32_t data = 0;
        std::memcpy(&riff, padded->data() + 4, 4);
        std::memcpy(&data, padded->data() + 40, 4);
        EXPECT_EQ(riff, padded->size() - 8) << c.name;
        const uint32_t dataSize = static_cast<uint32_t>(sound - 44);
        EXPECT_EQ((data - dataSize) % c.frame, 0u) << c.name;
        EXPECT_EQ(*WaveLengthMs(*padded), *WaveLengthMs(c.file) + 400) << c.name;
        EXPECT_TRUE(std::all_of(padded->begin() + 44, padded->begin() + 44 + dataSize,
                                [&](uint8_t b) { return b == c.file[44]; }))
            << c.name;
        EXPECT_TRUE(std::all_of(padded->begin() + 44 + dataSize, padded->begin() + 44 + data,
                                [&](uint8_t b) { return b == c.silent; }))
            << c.name;
    }
    EXPECT_FALSE(WithTrailingSilence(WithFormat(66150, 3, 24, 6, 1), 400));
    EXPECT_FALSE(WithTrailingSilence(WaveBytes().Format(1000).bytes, 400));
    const auto click = EmbeddedWave(sound::kTileClick);
    ASSERT_TRUE(click);
    EXPECT_EQ(WaveLengthMs(*WithTrailingSilence(*click, 400)), *WaveLengthMs(*click) + 400);
}

// The committed sounds as the program has them: mono 8-bit PCM at 22050 Hz, a shuffle of about
// two and a half seconds, a short click and calls under 1.1 s.
TEST(GameSounds, FitTheirRoles) {
    const int32_t calls[] = {148, 149, 150, 151, 152, 153, 154, 155, 156, 157, 158, 159};
    auto check = [](int32_t id, uint32_t shortest, uint32_t longest) {
        const auto file = EmbeddedWave(id);
        ASSERT_TRUE(file) << id;
        ASSERT_GE(file->size(), 44u) << id;
        const uint8_t* fmt = file->data() + 20;
        EXPECT_EQ(fmt[0] | fmt[1] << 8, 1) << id << ": PCM";
        EXPECT_EQ(fmt[2] | fmt[3] << 8, 1) << id << ": mono";
        EXPECT_EQ(fmt[4] | fmt[5] << 8, 22050) << id;
        EXPECT_EQ(fmt[14], 8) << id << ": bits";
        const auto ms = WaveLengthMs(*file);
        ASSERT_TRUE(ms) << id;
        EXPECT_GE(*ms, shortest) << id;
        EXPECT_LE(*ms, longest) << id;
    };
    check(sound::kShuffle, 2000, 3000);
    check(sound::kTileClick, 10, 150);
    for (int32_t id : calls) {
        check(id, 200, 1099);
    }
}

struct Player : ::testing::Test {
    RecordingOutput output;
    RecordingClock clock;
    SoundPlayer player{output, clock, EmbeddedWave};
};

TEST_F(Player, ANewSoundCutsOffTheOneStillPlaying) {
    player.Play(sound::kTileClick);
    player.Play(152);
    player.Play(152);
    EXPECT_EQ(output.events, (std::vector<std::string>{"start 140", "stop 140", "start 152",
                                                       "stop 152", "start 152"}));
    EXPECT_TRUE(clock.waits.empty());
}

TEST_F(Player, TheShuffleWaitsItsLengthFromTheHeader) {
    player.Play(sound::kTileClick);
    player.PlayAndWait(sound::kShuffle);
    const auto length = WaveLengthMs(*EmbeddedWave(sound::kShuffle));
    EXPECT_EQ(output.events, (std::vector<std::string>{"start 140", "stop 140", "start 138"}));
    EXPECT_EQ(clock.waits, (std::vector<uint32_t>{*length + SoundPlayer::kWaitMargin}));
    // Once waited for, the shuffle has ended: nothing is cut off by the next sound.
    player.Play(sound::kTileClick);
    EXPECT_EQ(output.events.back(), "start 140");
    EXPECT_EQ(output.events.size(), 4u);
}

TEST_F(Player, WithoutADeviceIsSilentAndDoesNotWait) {
    output.device = false;
    player.Play(sound::kTileClick);
    player.PlayAndWait(sound::kShuffle);
    EXPECT_TRUE(output.events.empty());
    EXPECT_TRUE(clock.waits.empty());
}

TEST_F(Player, AWaveThatCannotBeReadIsNotPlayed) {
    SoundPlayer broken(output, clock, [](int32_t id) -> std::optional<std::vector<uint8_t>> {
        if (id == sound::kShuffle) {
            return std::vector<uint8_t>{'R', 'I', 'F', 'F'};
        }
        return std::nullopt;
    });
    broken.PlayAndWait(sound::kShuffle);
    broken.Play(sound::kTileClick);
    EXPECT_TRUE(output.events.empty());
    EXPECT_TRUE(clock.waits.empty());
}

// The real output on whatever this machine has: with no device the shuffle neither plays nor
// waits; with one it waits exactly its length. Either way no message is shown.
TEST(QtOutput, PlaysOrStaysSilentWithoutHangingOrComplaining) {
    QtSoundOutput output;
    RecordingClock clock;
    SoundPlayer player(output, clock, EmbeddedWave);
    const bool device = !QMediaDevices::audioOutputs().isEmpty();
    EXPECT_EQ(output.HasDevice(), device);
    player.PlayAndWait(sound::kShuffle);
    player.Play(sound::kTileClick);
    if (device) {
        EXPECT_EQ(clock.waits.size(), 1u);
    } else {
        EXPECT_TRUE(clock.waits.empty());
    }
}

// Sounds in a running program: the shuffle waited for before the deal, a click as each tile
// lands; with sound off, nothing.
TEST(ProgramSounds, TheDealWaitsForTheShuffleAndTilesClickAsTheyLand) {
    PreferencesProgram program({"delay=0"});
    Application& app = *program.app;
    // The first paint of the table loads the artwork the flights are drawn with.
    QCoreApplication::processEvents();
    app.Human().Action(Command::kNew).trigger();
    ASSERT_FALSE(program.sounds.events.empty());
    EXPECT_EQ(program.sounds.events.front(), "start 138");
    const uint32_t shuffle = *WaveLengthMs(*EmbeddedWave(sound::kShuffle));
    EXPECT_EQ(program.clock.waits.front(), shuffle + SoundPlayer::kWaitMargin);
    EXPECT_EQ(HandCount(app.State(), 1), 7);

    // The human leads: his tile flies to the table and clicks as it lands.
    const size_t before = program.sounds.events.size();
    ClickHandSlot(app, 0);
    ASSERT_GT(program.sounds.events.size(), before);
    EXPECT_EQ(program.sounds.events[before], "start 140");
}

// A new game given up for another is shuffled as every deal is, the player having said Yes.
TEST(ProgramSounds, ANewGameDuringAGameIsShuffledLikeTheFirst) {
    PreferencesProgram program({"delay=0", "nump=4"});
    Application& app = *program.app;
    QCoreApplication::processEvents();
    app.Human().Action(Command::kNew).trigger();
    ASSERT_EQ(app.State().GameInProgress, 1);
    program.sounds.events.clear();
    program.clock.waits.clear();
    program.prompts.answer = true;
    app.Human().Action(Command::kNew).trigger();
    EXPECT_EQ(program.prompts.questions,
              std::vector<QString>{QString::fromLatin1(text::kAbandonGameQuestion)});
    ASSERT_FALSE(program.sounds.events.empty());
    EXPECT_EQ(program.sounds.events.front(), "start 138");
    ASSERT_FALSE(program.clock.waits.empty());
    EXPECT_EQ(program.clock.waits.front(),
              *WaveLengthMs(*EmbeddedWave(sound::kShuffle)) + SoundPlayer::kWaitMargin);
}

TEST(ProgramSounds, SoundOffPlaysNothingAndTheDealDoesNotWait) {
    PreferencesProgram program({"delay=0", "sound=0"});
    Application& app = *program.app;
    QCoreApplication::processEvents();
    app.Human().Action(Command::kNew).trigger();
    ClickHandSlot(app, 0);
    ASSERT_NE(app.State().Arm[0][0].Tile, kNoTile);
    EXPECT_TRUE(program.sounds.events.empty());
    for (uint32_t wait : program.clock.waits) {
        EXPECT_NE(wait, *WaveLengthMs(*EmbeddedWave(sound::kShuffle)) + SoundPlayer::kWaitMargin);
    }
}

}  // namespace
}  // namespace pipwick
