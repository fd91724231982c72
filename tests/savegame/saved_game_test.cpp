#include "savegame/saved_game.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "savegame/open_saved_game.h"
#include "tests/savegame/crafted_games.h"
#include "tests/savegame/simulated_games.h"

namespace pipwick {
namespace {

using testing::MatchGeometry;
using testing::SimulatedStates;
using testing::TwoGames;

// Four players, a spinner with open side arms, a tile on every arm and different values in every
// stored variable, so that a byte in the wrong place shows. The whole set is out: seven tiles on
// the table and the other 21 in the hands.
GameState HandMadeState() {
    GameState s;
    ResetGameState(s);
    s.Arm[0][0] = {TileWithPips(3, 3), 3, 3, {}, {}};
    s.Arm[0][1] = {TileWithPips(3, 5), 3, 5, {}, {}};
    s.Arm[0][2] = {TileWithPips(5, 6), 5, 6, {}, {}};
    s.Arm[1][0] = {TileWithPips(3, 0), 3, 0, {}, {}};
    s.Arm[2][0] = {TileWithPips(3, 1), 3, 1, {}, {}};
    s.Arm[2][1] = {TileWithPips(1, 4), 1, 4, {}, {}};
    s.Arm[3][0] = {TileWithPips(3, 2), 3, 2, {}, {}};
    const int32_t hands[5][6] = {
        {}, {1, 8, 14, 23, 26}, {2, 9, 5, 6, 7}, {12, 13, 16, 17, 18}, {28, 3, 20, 22, 24, 25}};
    for (int player = 1; player <= 4; ++player) {
        std::copy(std::begin(hands[player]), std::end(hands[player]), s.Hand[player]);
    }
    for (int i = 1; i < kDeckSize; ++i) {
        s.Deck[i] = kDeckSize - i;
    }
    s.Scores[1] = 40;
    s.Scores[2] = 45;
    s.Scores[3] = 50;
    s.Scores[4] = 55;
    s.NextLeader = 3;
    s.ConsecutivePasses = 2;
    s.SpinnerState = kSideArmsOpen;
    s.ArmOpenPip[0] = 6;
    s.ArmOpenPip[1] = 0;
    s.ArmOpenPip[2] = 4;
    s.ArmOpenPip[3] = 2;
    s.BonePileNext = 29;
    s.PlayerCount = 4;
    return s;
}

// The same state's image, written out byte by byte.
SavedGameImage HandMadeImage() {
    SavedGameImage image{};
    const std::vector<uint8_t> records = {// record 0 of arms 0, 1, 2, 3: tile, inner pip, outer pip
                                          19, 3, 3, 4, 3, 0, 10, 3, 1, 15, 3, 2,
                                          // record 1: arms 1 and 3 have ended
                                          21, 3, 5, 0, 0, 0, 11, 1, 4, 0, 0, 0,
                                          // record 2
                                          27, 5, 6};
    std::copy(records.begin(), records.end(), image.begin());
    // slot i of players 3, 2, 4, 1
    const std::vector<uint8_t> hands = {12, 2, 28, 1,  13, 9, 3,  8,  16, 5, 20, 14,
                                        17, 6, 22, 23, 18, 7, 24, 26, 0,  0, 25, 0};
    std::copy(hands.begin(), hands.end(), image.begin() + 336);
    for (int i = 1; i < 29; ++i) {
        image[420 + i] = static_cast<uint8_t>(29 - i);
    }
    const std::vector<uint8_t> tail = {45, 50, 55, 40, 3, 2, 3, 6, 0, 4, 2, 29, 4};
    std::copy(tail.begin(), tail.end(), image.begin() + 449);
    return image;
}

TEST(SavedGameImage, PutsAndReadsEveryVariableAtItsOffset) {
    const SavedGameImage image = HandMadeImage();
    EXPECT_EQ(BuildSavedGameImage(HandMadeState()), image);
    GameState read;
    ResetGameState(read);
    ASSERT_EQ(ReadSavedGameImage(image, read), SavedGameError::kNone);
    EXPECT_EQ(BuildSavedGameImage(read), image);
    const GameState want = HandMadeState();
    EXPECT_EQ(read.Arm[2][1].Tile, want.Arm[2][1].Tile);
    EXPECT_EQ(read.Hand[4][0], 28);
    EXPECT_EQ(read.Hand[4][5], 25);
    EXPECT_EQ(read.Scores[1], 40);
    EXPECT_EQ(read.ArmOpenPip[2], 4);
    EXPECT_EQ(read.BonePileNext, 29);
    EXPECT_EQ(read.PlayerCount, 4);
}

// A score only passes 255 once a game has ended; the byte then holds 255. Bytes are unsigned.
TEST(SavedGameImage, SavesScoresAbove255As255AndReadsHighBytesUnsigned) {
    GameState s = HandMadeState();
    s.Scores[1] = 310;
    s.Scores[3] = 200;
    s.Scores[4] = 255;
    const SavedGameImage image = BuildSavedGameImage(s);
    EXPECT_EQ(image[452], 255);
    EXPECT_EQ(image[450], 200);
    EXPECT_EQ(image[451], 255);
    GameState read;
    ResetGameState(read);
    ASSERT_EQ(ReadSavedGameImage(image, read), SavedGameError::kNone);
    EXPECT_EQ(read.Scores[1], 255);
    EXPECT_EQ(read.Scores[3], 200);
}

// Saved while a tile flies to the table, the tile is on the table and still in the hand: the
// file keeps it on the table only and closes the hand up.
TEST(SavedGameImage, SavesATileInFlightAsPlayed) {
    GameState s = HandMadeState();
    const int32_t flying = s.Hand[1][2];
    ASSERT_EQ(flying, TileWithPips(2, 2));
    s.Arm[3][1] = {flying, 2, 2, {}, {}};
    ASSERT_EQ(ValidateSavedGame(s), SavedGameError::kTileTwice);
    GameState read;
    ResetGameState(read);
    ASSERT_EQ(ReadSavedGameImage(BuildSavedGameImage(s), read), SavedGameError::kNone);
    EXPECT_EQ(read.Arm[3][1].Tile, flying);
    const int32_t hand[] = {s.Hand[1][0], s.Hand[1][1], s.Hand[1][3], s.Hand[1][4], kNoTile};
    EXPECT_TRUE(std::equal(std::begin(hand), std::end(hand), read.Hand[1]));
}

// Before the first deal there is no game to go back to: such a file is refused when opened.
TEST(SavedGameImage, FromBeforeTheFirstDealIsRefused) {
    GameState start;
    ResetGameState(start);
    GameState read = start;
    EXPECT_EQ(ReadSavedGameImage(BuildSavedGameImage(start), read),
              SavedGameError::kBonePileOutOfRange);
}

struct BrokenRule {
    const char* name;
    std::function<void(SavedGameImage&)> breakIt;
    SavedGameError error;
};

void PrintTo(const BrokenRule& rule, std::ostream* os) {
    *os << rule.name;
}

// Offsets of record r of arm a and its fields, of hand slot i of player p.
constexpr std::size_t Record(int arm, int r) {
    return saved_game_offset::kRecords + 12 * r + 3 * arm;
}
std::size_t Slot(int player, int slot) {
    constexpr int kColumn[5] = {0, 3, 1, 0, 2};
    return saved_game_offset::kHands + 4 * slot + kColumn[player];
}

// A tile that is neither on the table nor in a hand: one of the bone pile.
uint8_t UnusedTile(const SavedGameImage& b) {
    bool used[256] = {};
    for (int r = 0; r < kArmLength; ++r) {
        for (int arm = 0; arm < kArmCount; ++arm) {
            used[b[Record(arm, r)]] = true;
        }
    }
    for (std::size_t at = saved_game_offset::kHands; at < saved_game_offset::kDeck; ++at) {
        used[b[at]] = true;
    }
    uint8_t tile = 1;
    while (used[tile]) {
        ++tile;
    }
    return tile;
}

// The last used slot of a player's hand.
std::size_t LastSlot(const SavedGameImage& b, int player) {
    int slot = 0;
    while (slot + 1 < kHandSlots && b[Slot(player, slot + 1)] != 0) {
        ++slot;
    }
    return Slot(player, slot);
}

// The first tile on the table after a root that is not a double, turned end for end: its pips
// are still its own but it no longer joins the tile before it.
void TurnATileAround(SavedGameImage& b) {
    for (int r = 1; r < kArmLength; ++r) {
        for (int arm = 0; arm < kArmCount; ++arm) {
            const std::size_t at = Record(arm, r);
            if (b[at] != 0 && !IsDouble(b[at])) {
                std::swap(b[at + 1], b[at + 2]);
                return;
            }
        }
    }
}

class BrokenFile : public ::testing::TestWithParam<BrokenRule> {};

TEST_P(BrokenFile, IsRefusedAndNothingChanges) {
    const TwoGames games = SimulatedStates();
    ASSERT_FALSE(SameState(games.saved, games.running));
    SavedGameImage image = BuildSavedGameImage(games.saved);
    GameState state = games.running;
    ASSERT_EQ(OpenSavedGame(image, MatchGeometry(1.0), state), SavedGameError::kNone);
    state = games.running;
    GetParam().breakIt(image);
    EXPECT_EQ(OpenSavedGame(image, MatchGeometry(1.0), state), GetParam().error);
    EXPECT_TRUE(SameState(state, games.running));
}

class EdgeOfRange : public ::testing::TestWithParam<BrokenRule> {};

TEST_P(EdgeOfRange, IsOpened) {
    const TwoGames games = SimulatedStates();
    SavedGameImage image = BuildSavedGameImage(games.saved);
    GetParam().breakIt(image);
    GameState state = games.running;
    EXPECT_EQ(OpenSavedGame(image, MatchGeometry(1.0), state), SavedGameError::kNone);
    EXPECT_EQ(BuildSavedGameImage(state), image);
}

using namespace saved_game_offset;
using E = SavedGameError;

INSTANTIATE_TEST_SUITE_P(
    Rules, BrokenFile,
    ::testing::Values(
        BrokenRule{"tile 29 on the table", [](auto& b) { b[Record(0, 0)] = 29; },
                   E::kTileOutOfRange},
        BrokenRule{"tile 200 in a hand", [](auto& b) { b[Slot(2, 0)] = 200; }, E::kTileOutOfRange},
        BrokenRule{"tile 29 in the deck", [](auto& b) { b[kDeck + 9] = 29; }, E::kTileOutOfRange},
        BrokenRule{"tile in deck entry 0", [](auto& b) { b[kDeck] = 5; }, E::kDeckStartNotEmpty},
        BrokenRule{"inner pip 7", [](auto& b) { b[Record(0, 0) + 1] = 7; }, E::kPipOutOfRange},
        BrokenRule{"outer pip 255", [](auto& b) { b[Record(2, 0) + 2] = 255; }, E::kPipOutOfRange},
        BrokenRule{"open pip 8", [](auto& b) { b[kArmOpenPip + 1] = 8; }, E::kOpenPipOutOfRange},
        BrokenRule{"a tile after the end of arm 1",
                   [](auto& b) {
                       b[Record(1, 20)] = UnusedTile(b);
                       b[Record(1, 20) + 1] = 1;
                       b[Record(1, 20) + 2] = 2;
                   },
                   E::kArmHasGap},
        BrokenRule{"a hand's tile on the table too",
                   [](auto& b) {
                       std::size_t end = Record(3, 0);
                       while (b[end] != 0) {
                           end += 12;
                       }
                       b[end] = b[Slot(1, 0)];
                       b[end + 1] = 1;
                       b[end + 2] = 2;
                   },
                   E::kTileTwice},
        BrokenRule{"a tile in two hands", [](auto& b) { b[Slot(2, 0)] = b[Slot(3, 0)]; },
                   E::kTileTwice},
        BrokenRule{"bone pile at 0", [](auto& b) { b[kBonePileNext] = 0; }, E::kBonePileOutOfRange},
        BrokenRule{"bone pile at 30", [](auto& b) { b[kBonePileNext] = 30; },
                   E::kBonePileOutOfRange},
        BrokenRule{"1 player", [](auto& b) { b[kPlayerCount] = 1; }, E::kPlayerCountOutOfRange},
        BrokenRule{"5 players", [](auto& b) { b[kPlayerCount] = 5; }, E::kPlayerCountOutOfRange},
        BrokenRule{"leader 0", [](auto& b) { b[kNextLeader] = 0; }, E::kNextLeaderOutOfRange},
        BrokenRule{"leader 5", [](auto& b) { b[kNextLeader] = 5; }, E::kNextLeaderOutOfRange},
        BrokenRule{"30 passes", [](auto& b) { b[kConsecutivePasses] = 30; }, E::kTooManyPasses},
        BrokenRule{"spinner state 4", [](auto& b) { b[kSpinnerState] = 4; },
                   E::kSpinnerStateOutOfRange},
        // Every value in range, but they disagree with one another.
        BrokenRule{"a hand with a gap", [](auto& b) { b[Slot(1, 0)] = 0; }, E::kHandHasGap},
        BrokenRule{"player 4 holds a tile in a three-player game",
                   [](auto& b) {
                       b[Slot(4, 0)] = b[LastSlot(b, 1)];
                       b[LastSlot(b, 1)] = 0;
                   },
                   E::kAbsentPlayerHolds},
        BrokenRule{"player 4 scores in a three-player game", [](auto& b) { b[kScores + 2] = 5; },
                   E::kAbsentPlayerHolds},
        BrokenRule{"player 4 leads next in a three-player game",
                   [](auto& b) { b[kNextLeader] = 4; }, E::kAbsentPlayerLeads},
        BrokenRule{"a tile twice in the deck", [](auto& b) { b[kDeck + 28] = b[kDeck + 1]; },
                   E::kDeckNotTheWholeSet},
        BrokenRule{"the bone pile inside the deal", [](auto& b) { b[kBonePileNext] = 21; },
                   E::kBonePileBeforeDealEnd},
        BrokenRule{"a tile of the bone pile on the table too",
                   [](auto& b) {
                       std::size_t end = Record(1, 0);
                       while (b[end] != 0) {
                           end += 12;
                       }
                       b[end] = UnusedTile(b);
                   },
                   E::kTileNotInOnePlace},
        BrokenRule{"a hand's tile gone", [](auto& b) { b[LastSlot(b, 1)] = 0; },
                   E::kTileNotInOnePlace},
        BrokenRule{"the bone pile said to be empty", [](auto& b) { b[kBonePileNext] = 29; },
                   E::kTileNotInOnePlace},
        BrokenRule{"more passes than a round and one", [](auto& b) { b[kConsecutivePasses] = 5; },
                   E::kTooManyPasses},
        BrokenRule{
            "another tile's pip",
            [](auto&
                   b) { b[Record(0, 1) + 2] = static_cast<uint8_t>((b[Record(0, 1) + 2] + 1) % 7); },
            E::kPipsNotTheTile},
        BrokenRule{"a tile turned around", TurnATileAround, E::kLineBroken},
        BrokenRule{"side arms open with the spinner settled", [](auto& b) { b[kSpinnerState] = 2; },
                   E::kSideArmBeforeSpinner},
        BrokenRule{"side arms open with no spinner", [](auto& b) { b[kSpinnerState] = 0; },
                   E::kSideArmBeforeSpinner},
        BrokenRule{"an open end off by one",
                   [](auto& b) { b[kArmOpenPip] = static_cast<uint8_t>((b[kArmOpenPip] + 1) % 7); },
                   E::kOpenEndNotTheLineEnd},
        BrokenRule{"a side arm closed", [](auto& b) { b[kArmOpenPip + 3] = 7; },
                   E::kOpenEndNotTheLineEnd}));

// The edges of every range, and bytes that carry no meaning, are taken as they are.
INSTANTIATE_TEST_SUITE_P(
    Edges, EdgeOfRange,
    ::testing::Values(BrokenRule{"free record's pips", [](auto& b) { b[Record(1, 27) + 1] = 250; },
                                 E::kNone},
                      BrokenRule{"a pass for every player and one more",
                                 [](auto& b) { b[kConsecutivePasses] = 4; }, E::kNone},
                      BrokenRule{"score 255", [](auto& b) { b[kScores] = 255; }, E::kNone},
                      BrokenRule{"no score for a player in the game",
                                 [](auto& b) { b[kScores + 1] = 0; }, E::kNone}));

// Files made to break the rules from a hand that agrees with itself in every other way.
struct CraftedCase {
    const char* name;
    std::function<SavedGameImage()> make;
    SavedGameError error;
};

void PrintTo(const CraftedCase& c, std::ostream* os) {
    *os << c.name;
}

class CraftedFile : public ::testing::TestWithParam<CraftedCase> {};

TEST_P(CraftedFile, IsRefusedAndNothingChanges) {
    const GameState running = SimulatedStates().running;
    GameState state = running;
    const SavedGameImage good = BuildSavedGameImage(testing::HandWithFiveFiveToPlay());
    ASSERT_EQ(OpenSavedGame(good, MatchGeometry(1.0), state), SavedGameError::kNone);
    state = running;
    EXPECT_EQ(OpenSavedGame(GetParam().make(), MatchGeometry(1.0), state), GetParam().error);
    EXPECT_TRUE(SameState(state, running));
}

SavedGameImage WithByte(std::size_t at, uint8_t value) {
    SavedGameImage image = BuildSavedGameImage(testing::HandWithFiveFiveToPlay());
    image[at] = value;
    return image;
}

// Player 3's six tiles in the human's hand: twelve tiles where no tile has been drawn yet.
SavedGameImage HumanHoldsTwelve() {
    GameState s = testing::HandWithFiveFiveToPlay();
    std::copy(s.Hand[3], s.Hand[3] + 6, s.Hand[1] + 6);
    std::fill(std::begin(s.Hand[3]), std::end(s.Hand[3]), kNoTile);
    return BuildSavedGameImage(s);
}

INSTANTIATE_TEST_SUITE_P(
    Files, CraftedFile,
    ::testing::Values(
        CraftedCase{"side arm 1 open on a 5 with no spinner", testing::SideArmOpenWithoutSpinner,
                    E::kSideArmBeforeSpinner},
        CraftedCase{"a tile twice in the deck", testing::TileTwiceInTheDeck,
                    E::kDeckNotTheWholeSet},
        CraftedCase{"a spinner state with 3-5 at the root",
                    [] { return WithByte(kSpinnerState, kSpinnerDown); }, E::kSpinnerNotTheRoot},
        CraftedCase{"twelve tiles before any draw", HumanHoldsTwelve, E::kHandTooLarge},
        CraftedCase{"a closed arm 2", [] { return WithByte(kArmOpenPip + 2, kNoPip); },
                    E::kOpenEndNotTheLineEnd}));

}  // namespace
}  // namespace pipwick
