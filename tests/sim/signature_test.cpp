// The signature of the rules: fixed seeds must always play the same games.
//
// Each case plays a few whole games with fixed levels, scale and seed and reduces every move of
// the trace to one 64-bit hash, beside the summary's counts. The numbers were taken from the
// program as it plays; they must only ever change on purpose. A change of a rule, of how a computer
// player chooses, of the deal or of where the layout puts a tile changes them: then check the new
// games are what was meant and pin the new numbers in the same commit, saying why.
#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>

#include "sim/match.h"
#include "sim/match_log.h"

namespace pipwick {
namespace {

// FNV-1a: small, fixed and the same on every machine.
uint64_t HashOf(const std::string& text) {
    uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

struct Signature {
    int32_t players;
    double scale;
    uint64_t seed;
    int64_t hands;
    int64_t plays;
    uint64_t traceHash;
    GameRules rules = {};  // All Fives, every player for himself, unless given
};

constexpr int kGames = 20;

class Signatures : public ::testing::TestWithParam<Signature> {};

TEST_P(Signatures, FixedSeedsPlayThePinnedGames) {
    const Signature& pinned = GetParam();
    const int32_t levels[5] = {0, 1, 0, 1, 1};
    Match match(pinned.players, levels, pinned.scale, pinned.seed, pinned.rules);
    std::ostringstream trace;
    MatchLog log(match, &trace);
    for (int game = 1; game <= kGames; ++game) {
        log.StartGame(game);
        ASSERT_TRUE(match.PlayGame(log)) << "game " << game;
    }
    EXPECT_EQ(log.Summary().games, kGames);
    EXPECT_EQ(log.Summary().hands, pinned.hands);
    EXPECT_EQ(log.Summary().plays, pinned.plays);
    EXPECT_EQ(HashOf(trace.str()), pinned.traceHash);
}

INSTANTIATE_TEST_SUITE_P(
    Players, Signatures,
    ::testing::Values(Signature{2, 1.0, 2024, 147, 2194, 5817895992269340036ull},
                      Signature{3, 1.5, 77, 139, 2672, 11931077055012182818ull},
                      Signature{4, 2.0, 5, 136, 3029, 14619223282960833450ull}));

// Every other game, and partners, pinned the same way.
INSTANTIATE_TEST_SUITE_P(
    Games, Signatures,
    ::testing::Values(
        Signature{2, 1.0, 31, 182, 3359, 10442139737369378823ull, {DominoGame::Draw, 0, 100}},
        Signature{3, 1.5, 32, 308, 5074, 9942686983431279396ull, {DominoGame::Block, 0, 150}},
        Signature{4, 1.0, 33, 159, 3454, 10080289035550459593ull, {DominoGame::Draw, 1, 100}},
        Signature{4, 2.0, 34, 80, 1714, 10318282361972817599ull, {DominoGame::Block, 1, 50}},
        Signature{4, 1.0, 35, 89, 1894, 17462216623349448160ull, {DominoGame::AllFives, 1, 250}},
        Signature{
            2, 1.0, 36, 76, 1186, 15710273312359996295ull, {DominoGame::FivesAndThrees, 0, 61}},
        Signature{
            4, 1.5, 37, 123, 2452, 4356071275033846891ull, {DominoGame::FivesAndThrees, 1, 121}}));

}  // namespace
}  // namespace pipwick
