#include "savegame/saved_game.h"

#include <algorithm>

#include "model/rules.h"
#include "savegame/consistency_check.h"

namespace pipwick {

namespace {

constexpr int kHandOrder[] = {3, 2, 4, 1};
constexpr int kScoreOrder[] = {2, 3, 4, 1};
constexpr int32_t kPassLimit = 30;

// Calls field on every stored variable in the order of the image, so that building and reading
// cannot disagree about it. State is GameState or const GameState.
template <typename State, typename Field>
void ForEachStoredVariable(State& state, Field field) {
    for (int record = 0; record < kArmLength; ++record) {
        for (int arm = 0; arm < kArmCount; ++arm) {
            auto& placed = state.Arm[arm][record];
            field(placed.Tile);
            field(placed.InnerPip);
            field(placed.OuterPip);
        }
    }
    for (int slot = 0; slot < kHandSlots; ++slot) {
        for (int player : kHandOrder) {
            field(state.Hand[player][slot]);
        }
    }
    for (auto& entry : state.Deck) {
        field(entry);
    }
    for (int player : kScoreOrder) {
        field(state.Scores[player]);
    }
    field(state.NextLeader);
    field(state.ConsecutivePasses);
    field(state.SpinnerState);
    for (auto& pip : state.ArmOpenPip) {
        field(pip);
    }
    field(state.BonePileNext);
    field(state.PlayerCount);
}

bool InRange(int32_t value, int32_t low, int32_t high) {
    return value >= low && value <= high;
}

bool IsTileId(int32_t value) {
    return InRange(value, kNoTile, kTileCount);
}

bool TileIdsInRange(const GameState& s) {
    for (const auto& arm : s.Arm) {
        for (const PlacedTile& record : arm) {
            if (!IsTileId(record.Tile)) {
                return false;
            }
        }
    }
    for (int player = 1; player <= 4; ++player) {
        if (!std::all_of(std::begin(s.Hand[player]), std::end(s.Hand[player]), IsTileId)) {
            return false;
        }
    }
    return std::all_of(std::begin(s.Deck), std::end(s.Deck), IsTileId);
}

bool UsedPipsInRange(const GameState& s) {
    for (const auto& arm : s.Arm) {
        for (const PlacedTile& record : arm) {
            if (record.Tile != kNoTile &&
                (!InRange(record.InnerPip, 0, 6) || !InRange(record.OuterPip, 0, 6))) {
                return false;
            }
        }
    }
    return true;
}

bool OpenPipsInRange(const GameState& s) {
    return std::all_of(std::begin(s.ArmOpenPip), std::end(s.ArmOpenPip),
                       [](int32_t pip) { return InRange(pip, 0, kNoPip); });
}

// Used records run from index 0; the first free record ends the arm.
bool ArmsContiguous(const GameState& s) {
    for (int arm = 0; arm < kArmCount; ++arm) {
        for (int record = ArmLength(s, arm); record < kArmLength; ++record) {
            if (s.Arm[arm][record].Tile != kNoTile) {
                return false;
            }
        }
    }
    return true;
}

// The deck keeps every tile for the whole hand, so only the table and the hands are counted.
// Runs after TileIdsInRange, which makes every tile a valid index.
bool NoTileTwice(const GameState& s) {
    int seen[kTileCount + 1] = {};
    for (const auto& arm : s.Arm) {
        for (const PlacedTile& record : arm) {
            ++seen[record.Tile];
        }
    }
    for (int player = 1; player <= 4; ++player) {
        for (int32_t tile : s.Hand[player]) {
            ++seen[tile];
        }
    }
    return std::all_of(std::begin(seen) + 1, std::end(seen), [](int n) { return n <= 1; });
}

bool OnTable(const GameState& s, int32_t tile) {
    for (int arm = 0; arm < kArmCount; ++arm) {
        for (int r = 0; r < ArmLength(s, arm); ++r) {
            if (s.Arm[arm][r].Tile == tile) {
                return true;
            }
        }
    }
    return false;
}

// A save can come while a tile is flying to the table (the restart after a change of screen
// resolution may save at any paint): the tile is then already on the table and still in its
// player's hand. It is saved as the finished play leaves it, out of the hand, with the hand
// closed up, so that the file keeps every tile once and opens again.
void SettleHands(GameState& s) {
    for (int player = 1; player <= 4; ++player) {
        int32_t(&hand)[kHandSlots] = s.Hand[player];
        int kept = 0;
        for (int32_t tile : hand) {
            if (tile != kNoTile && !OnTable(s, tile)) {
                hand[kept++] = tile;
            }
        }
        std::fill(hand + kept, hand + kHandSlots, kNoTile);
    }
}

constexpr uint8_t kRulesMark[3] = {'P', 'W', 'X'};

void WriteRules(const GameRules& rules, std::span<uint8_t, kRulesExtensionSize> extension) {
    namespace at = rules_extension_offset;
    const auto byte = [&](std::size_t offset) -> uint8_t& {
        return extension[offset - kSavedGameSize];
    };
    std::copy(std::begin(kRulesMark), std::end(kRulesMark), extension.begin());
    byte(at::kVersion) = kRulesExtensionVersion;
    byte(at::kGame) = static_cast<uint8_t>(rules.Game);
    byte(at::kPartners) = static_cast<uint8_t>(rules.Partners);
    byte(at::kTarget) = static_cast<uint8_t>(TargetScore(rules));
}

// The extension's own fields, each in its range; the rules it gives must need an extension.
SavedGameError ReadRules(std::span<const uint8_t, kRulesExtensionSize> extension,
                         GameRules& rules) {
    namespace at = rules_extension_offset;
    const auto byte = [&](std::size_t offset) { return extension[offset - kSavedGameSize]; };
    if (!std::equal(std::begin(kRulesMark), std::end(kRulesMark), extension.begin()) ||
        byte(at::kVersion) != kRulesExtensionVersion) {
        return SavedGameError::kRulesMarkWrong;
    }
    if (!IsDominoGame(byte(at::kGame))) {
        return SavedGameError::kGameOutOfRange;
    }
    rules.Game = static_cast<DominoGame>(byte(at::kGame));
    if (byte(at::kPartners) > 1) {
        return SavedGameError::kPartnersOutOfRange;
    }
    rules.Partners = byte(at::kPartners);
    rules.Target = byte(at::kTarget);
    if (!IsTargetChoice(rules.Game, rules.Target)) {
        return SavedGameError::kTargetOutOfRange;
    }
    if (AreFirstRules(rules)) {
        return SavedGameError::kRulesNeedNoExtension;
    }
    return SavedGameError::kNone;
}

}  // namespace

const char* DescribeSavedGameError(SavedGameError error) {
    switch (error) {
        case SavedGameError::kNone:
            return "no error";
        case SavedGameError::kCannotRead:
            return "the file cannot be read";
        case SavedGameError::kWrongLength:
            return "the file is neither 462 nor 469 bytes long";
        case SavedGameError::kTileOutOfRange:
            return "a tile number above 28";
        case SavedGameError::kDeckStartNotEmpty:
            return "the deck's entry 0 is not empty";
        case SavedGameError::kPipOutOfRange:
            return "a tile on the table with a pip above 6";
        case SavedGameError::kOpenPipOutOfRange:
            return "an open end above 7";
        case SavedGameError::kArmHasGap:
            return "a tile after the end of an arm";
        case SavedGameError::kTileTwice:
            return "a tile twice on the table and in the hands";
        case SavedGameError::kBonePileOutOfRange:
            return "the bone pile's next tile is not 1..29";
        case SavedGameError::kPlayerCountOutOfRange:
            return "the number of players is not 2..4";
        case SavedGameError::kNextLeaderOutOfRange:
            return "the next leader is not 1..4";
        case SavedGameError::kTooManyPasses:
            return "more passes in a row than a hand allows";
        case SavedGameError::kSpinnerStateOutOfRange:
            return "the spinner's state is not 0..3";
        case SavedGameError::kHandHasGap:
            return "a hand with an empty slot before a tile";
        case SavedGameError::kAbsentPlayerHolds:
            return "a player not in the game holds tiles or points";
        case SavedGameError::kAbsentPlayerLeads:
            return "the next leader is not in the game";
        case SavedGameError::kDeckNotTheWholeSet:
            return "the deck does not hold every tile once";
        case SavedGameError::kBonePileBeforeDealEnd:
            return "the bone pile starts inside the deal";
        case SavedGameError::kHandTooLarge:
            return "a hand holds more tiles than were dealt and drawn";
        case SavedGameError::kTileNotInOnePlace:
            return "a tile missing from, or twice in, the hands, the table and the bone pile";
        case SavedGameError::kPipsNotTheTile:
            return "a tile on the table with another tile's pips";
        case SavedGameError::kLineBroken:
            return "a tile on the table that does not join the one before it";
        case SavedGameError::kSpinnerNotTheRoot:
            return "a spinner but no double at the root";
        case SavedGameError::kSideArmBeforeSpinner:
            return "a side arm open before the spinner's sides";
        case SavedGameError::kOpenEndNotTheLineEnd:
            return "an open end that is not where its arm ends";
        case SavedGameError::kRulesMarkWrong:
            return "the rules after the game are not marked PWX, version 1";
        case SavedGameError::kGameOutOfRange:
            return "a game number this program does not know";
        case SavedGameError::kPartnersOutOfRange:
            return "partners is not 0 or 1";
        case SavedGameError::kTargetOutOfRange:
            return "a target the game cannot be played to";
        case SavedGameError::kRulesNeedNoExtension:
            return "rules given for All Fives without partners, which is saved without them";
        case SavedGameError::kPartnersWithoutFour:
            return "partners at a table of fewer than four";
        case SavedGameError::kPairScoresDiffer:
            return "partners with different scores";
        case SavedGameError::kSpinnerWithoutOne:
            return "a spinner in a game without one";
        case SavedGameError::kDrawnInBlock:
            return "a tile drawn in a game where nobody draws";
        case SavedGameError::kRulesExtensionMissing:
            return "a game All Fives alone cannot have made, without its rules";
    }
    return "unknown error";
}

SavedGameImage BuildSavedGameImage(const GameState& state) {
    GameState settled = state;
    SettleHands(settled);
    SavedGameImage image{};
    std::size_t at = 0;
    ForEachStoredVariable(settled, [&](int32_t value) {
        image[at++] = static_cast<uint8_t>(std::clamp<int32_t>(value, 0, 255));
    });
    return image;
}

std::vector<uint8_t> BuildSavedGame(const GameState& state) {
    const SavedGameImage image = BuildSavedGameImage(state);
    const bool extended = !AreFirstRules(state.Rules);
    std::vector<uint8_t> bytes(extended ? kExtendedSavedGameSize : kSavedGameSize);
    std::copy(image.begin(), image.end(), bytes.begin());
    if (extended) {
        WriteRules(state.Rules, std::span<uint8_t, kRulesExtensionSize>(
                                    bytes.data() + kSavedGameSize, kRulesExtensionSize));
    }
    return bytes;
}

SavedGameError ReadSavedGameImage(std::span<const uint8_t> bytes, GameState& scratch) {
    if (bytes.size() != kSavedGameSize && bytes.size() != kExtendedSavedGameSize) {
        return SavedGameError::kWrongLength;
    }
    scratch.Rules = GameRules{};
    if (bytes.size() == kExtendedSavedGameSize) {
        const SavedGameError error =
            ReadRules(bytes.subspan<kSavedGameSize, kRulesExtensionSize>(), scratch.Rules);
        if (error != SavedGameError::kNone) {
            return error;
        }
    }
    std::size_t at = 0;
    ForEachStoredVariable(scratch, [&](int32_t& value) { value = bytes[at++]; });
    return ValidateSavedGame(scratch);
}

SavedGameError ValidateSavedGame(const GameState& s) {
    if (!TileIdsInRange(s)) {
        return SavedGameError::kTileOutOfRange;
    }
    if (s.Deck[0] != kNoTile) {
        return SavedGameError::kDeckStartNotEmpty;
    }
    if (!UsedPipsInRange(s)) {
        return SavedGameError::kPipOutOfRange;
    }
    if (!OpenPipsInRange(s)) {
        return SavedGameError::kOpenPipOutOfRange;
    }
    if (!ArmsContiguous(s)) {
        return SavedGameError::kArmHasGap;
    }
    if (!NoTileTwice(s)) {
        return SavedGameError::kTileTwice;
    }
    if (!InRange(s.BonePileNext, 1, kDeckSize)) {
        return SavedGameError::kBonePileOutOfRange;
    }
    if (!InRange(s.PlayerCount, 2, 4)) {
        return SavedGameError::kPlayerCountOutOfRange;
    }
    if (!InRange(s.NextLeader, 1, 4)) {
        return SavedGameError::kNextLeaderOutOfRange;
    }
    if (!InRange(s.ConsecutivePasses, 0, kPassLimit - 1)) {
        return SavedGameError::kTooManyPasses;
    }
    if (!InRange(s.SpinnerState, kNoSpinner, kSideArmsOpen)) {
        return SavedGameError::kSpinnerStateOutOfRange;
    }
    return CheckConsistency(s);
}

}  // namespace pipwick
