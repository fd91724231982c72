// Seeded mutation fuzzing of the two readers of untrusted files: the saved game (read, checked,
// opened, and then played on to the game's end) and the artwork container (header and decoder).
// Each input is a valid file with a few random edits; every one must be refused cleanly or taken
// whole, never crash or read out of bounds. A saved game that opens must also be one the game can
// be played from: what Open lets through reaches every rule of the game. Run in the sanitizer
// build to catch what does not crash.
//
// PIPWICK_FUZZ_ITERATIONS sets the number of inputs of each loop (default 100000), shared by its
// four shards so that ctest runs them side by side, and PIPWICK_FUZZ_SEED the base seed (default
// 1); a failure names the shard's seed and the input, in hex, to replay.

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "assets/compressed_image.h"
#include "model/window_widths.h"
#include "savegame/open_saved_game.h"
#include "savegame/saved_game.h"
#include "sim/match.h"
#include "tests/savegame/simulated_games.h"
#include "tools/compressed_image_encoder.h"

namespace pipwick {
namespace {

using testing::MatchGeometry;
using testing::Moment;
using testing::PlaySampledGame;

uint64_t FromEnvironment(const char* name, uint64_t fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::strtoull(value, nullptr, 10) : fallback;
}

const uint64_t kIterations = FromEnvironment("PIPWICK_FUZZ_ITERATIONS", 100000);
const uint64_t kBaseSeed = FromEnvironment("PIPWICK_FUZZ_SEED", 1);
constexpr int kShards = 4;
const uint64_t kShardIterations = (kIterations + kShards - 1) / kShards;

class Fuzz : public ::testing::TestWithParam<int> {
  protected:
    uint64_t Seed() const { return kBaseSeed * kShards + static_cast<uint64_t>(GetParam()); }
};

// Edits that tend to find trouble in byte formats: values at the edges of the ranges the
// readers check, bytes moved about, lengths changed.
class Mutator {
  public:
    explicit Mutator(uint64_t seed) : random_(seed) {}

    std::vector<uint8_t> Mutate(std::vector<uint8_t> bytes, bool changeLength) {
        const int edits = 1 + Below(6);
        for (int i = 0; i < edits; ++i) {
            Edit(bytes);
        }
        if (changeLength) {
            ChangeLength(bytes);
        }
        return bytes;
    }

    uint32_t Below(uint32_t n) { return n == 0 ? 0 : static_cast<uint32_t>(random_() % n); }

  private:
    static constexpr uint8_t kEdgeBytes[] = {0,  1,  2,  3,  4,    5,    6,    7,   8,
                                             21, 28, 29, 30, 0x7F, 0x80, 0xFE, 0xFF};
    static constexpr uint32_t kEdgeWords[] = {0,        1,          0xFF,      0x100000,
                                              0x100001, 0x7FFFFFFF, 0xFFFFFFFF};

    void Edit(std::vector<uint8_t>& b) {
        if (b.empty()) {
            b.push_back(static_cast<uint8_t>(random_()));
            return;
        }
        const std::size_t at = Below(static_cast<uint32_t>(b.size()));
        switch (Below(5)) {
            case 0:
                b[at] = static_cast<uint8_t>(random_());
                break;
            case 1:
                b[at] = kEdgeBytes[Below(std::size(kEdgeBytes))];
                break;
            case 2:
                b[at] = b[Below(static_cast<uint32_t>(b.size()))];
                break;
            case 3:
                b[at] ^= static_cast<uint8_t>(1u << Below(8));
                break;
            default:
                PutWord(b, at, kEdgeWords[Below(std::size(kEdgeWords))]);
                break;
        }
    }

    void PutWord(std::vector<uint8_t>& b, std::size_t at, uint32_t word) {
        for (std::size_t i = 0; i < 4 && at + i < b.size(); ++i) {
            b[at + i] = static_cast<uint8_t>(word >> (8 * i));
        }
    }

    void ChangeLength(std::vector<uint8_t>& b) {
        switch (Below(3)) {
            case 0:
                b.resize(Below(static_cast<uint32_t>(b.size()) + 1));
                break;
            case 1:
                b.insert(b.begin() + Below(static_cast<uint32_t>(b.size()) + 1),
                         static_cast<uint8_t>(random_()));
                break;
            default:
                if (!b.empty()) {
                    b.erase(b.begin() + Below(static_cast<uint32_t>(b.size())));
                }
                break;
        }
    }

    std::mt19937_64 random_;
};

std::string Hex(const std::vector<uint8_t>& bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (uint8_t byte : bytes) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 15];
    }
    return text;
}

// Valid files to start from: moments of simulated games of every size, and of the other games
// with their rules extension.
std::vector<std::vector<uint8_t>> SavedGameSeeds() {
    std::vector<std::vector<uint8_t>> seeds;
    const auto keep = [&](const GameState& state, Moment) {
        seeds.push_back(BuildSavedGame(state));
    };
    for (int32_t players = 2; players <= 4; ++players) {
        PlaySampledGame(players, 1.0, 900 + players, 10, keep);
    }
    PlaySampledGame(2, 1.0, 905, 10, keep, {DominoGame::Draw, 0, 50});
    PlaySampledGame(3, 1.0, 906, 10, keep, {DominoGame::Block, 0, 100});
    PlaySampledGame(4, 1.0, 907, 10, keep, {DominoGame::AllFives, 1, kAllFivesTarget});
    return seeds;
}

// Plays an opened saved game to its end with computer players in every seat, seat 1 through the
// human's own moves; the levels and the later deals vary with the input.
bool PlaysOnToTheEnd(const std::vector<uint8_t>& input, double scale, uint64_t i) {
    const int32_t levels[5] = {0, static_cast<int32_t>(i & 1), static_cast<int32_t>((i >> 1) & 1),
                               static_cast<int32_t>((i >> 2) & 1),
                               static_cast<int32_t>((i >> 3) & 1)};
    Match match(2, levels, scale, i);
    PlayLog noLog;
    return match.OpenGame(input) == SavedGameError::kNone && match.PlayOn(noLog) &&
           match.State().GameInProgress == 0;
}

// A refused file leaves the running game exactly as it was; an opened one passes the checks,
// has the human to play, saves again to the same bytes and plays on to the game's end.
TEST_P(Fuzz, SavedGamesAreRefusedOrOpenedWhole) {
    const std::vector<std::vector<uint8_t>> seeds = SavedGameSeeds();
    ASSERT_GT(seeds.size(), 30u);
    const Geometry geometries[] = {MatchGeometry(1.0), MatchGeometry(1.5), MatchGeometry(2.0)};
    GameState running;
    ResetGameState(running);
    ASSERT_EQ(OpenSavedGame(seeds.back(), geometries[0], running), SavedGameError::kNone);

    const uint64_t seed = Seed();
    Mutator mutator(seed);
    uint64_t opened = 0;
    for (uint64_t i = 0; i < kShardIterations; ++i) {
        const std::vector<uint8_t> input =
            mutator.Mutate(seeds[mutator.Below(seeds.size())], mutator.Below(50) == 0);
        const Geometry& geometry = geometries[i % 3];
        GameState state = running;
        const SavedGameError error = OpenSavedGame(input, geometry, state);
        if (error != SavedGameError::kNone) {
            ASSERT_TRUE(SameState(state, running))
                << "seed " << seed << " input " << i << ": " << Hex(input);
            continue;
        }
        ++opened;
        const std::vector<uint8_t> again = BuildSavedGame(state);
        ASSERT_EQ(again, input) << "seed " << seed << " input " << i << ": " << Hex(input);
        ASSERT_EQ(state.CurrentPlayer, 1);
        GameState reopened = running;
        ASSERT_EQ(OpenSavedGame(again, geometry, reopened), SavedGameError::kNone)
            << "seed " << seed << " input " << i << ": " << Hex(input);
        for (int player = 1; player <= 4; ++player) {
            ASSERT_GE(HandWindowWidthAfterOpening(state, player, geometry.ScaleFactor), 1);
        }
        ASSERT_TRUE(PlaysOnToTheEnd(input, geometry.ScaleFactor, i))
            << "seed " << seed << " input " << i << ": " << Hex(input);
    }
    // Both ways through must be well exercised for the loop to mean something.
    EXPECT_GT(opened, kShardIterations / 20);
    EXPECT_LT(opened, kShardIterations - kShardIterations / 20);
}

// Containers around a few kinds of picture data: repeats, noise and a ramp.
std::vector<std::vector<uint8_t>> ContainerSeeds() {
    std::mt19937 random(7);
    std::vector<uint8_t> noise(96);
    for (uint8_t& byte : noise) {
        byte = static_cast<uint8_t>(random());
    }
    std::vector<uint8_t> repeats(160);
    for (std::size_t i = 0; i < repeats.size(); ++i) {
        repeats[i] = static_cast<uint8_t>((i / 23) % 3 == 0 ? 0x20 : i % 11);
    }
    std::vector<uint8_t> ramp(64);
    for (std::size_t i = 0; i < ramp.size(); ++i) {
        ramp[i] = static_cast<uint8_t>(i);
    }
    std::vector<std::vector<uint8_t>> seeds;
    for (const auto& data : {noise, repeats, ramp, std::vector<uint8_t>{}}) {
        seeds.push_back(PackContainer(data, "fuzz.bmp", {0x5A87, 0x6000}));
    }
    return seeds;
}

// A container is refused with a reason, or decoded to exactly the length its header gives.
TEST_P(Fuzz, ContainersAreRefusedOrDecodedToTheirLength) {
    const std::vector<std::vector<uint8_t>> seeds = ContainerSeeds();
    for (const auto& seed : seeds) {
        ASSERT_TRUE(DecodeContainer(seed, nullptr).has_value());
    }
    // A large decoded length costs time without reaching new code: only the first few such
    // inputs are decoded whole, the others have only their header read.
    constexpr uint32_t kLargeDecode = 4096;
    uint64_t largeDecodes = kShardIterations / 5000;
    const uint64_t seed = Seed();
    Mutator mutator(seed);
    uint64_t decoded = 0;
    for (uint64_t i = 0; i < kShardIterations; ++i) {
        const std::vector<uint8_t> input =
            mutator.Mutate(seeds[mutator.Below(seeds.size())], mutator.Below(10) == 0);
        std::string headerError;
        const std::optional<ContainerHeader> header = ReadContainerHeader(input, &headerError);
        if (header && header->decodedLength > kLargeDecode) {
            if (largeDecodes == 0) {
                continue;
            }
            --largeDecodes;
        }
        std::string error;
        const std::optional<std::vector<uint8_t>> image = DecodeContainer(input, &error);
        ASSERT_EQ(header.has_value(), image.has_value())
            << "seed " << seed << " input " << i << ": " << Hex(input);
        if (!image) {
            ASSERT_FALSE(error.empty()) << "seed " << seed << " input " << i << ": " << Hex(input);
            continue;
        }
        ++decoded;
        ASSERT_EQ(image->size(), header->decodedLength)
            << "seed " << seed << " input " << i << ": " << Hex(input);
    }
    EXPECT_GT(decoded, kShardIterations / 20);
    EXPECT_LT(decoded, kShardIterations - kShardIterations / 20);
}

INSTANTIATE_TEST_SUITE_P(Shards, Fuzz, ::testing::Range(0, kShards));

}  // namespace
}  // namespace pipwick
