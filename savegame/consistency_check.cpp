#include "savegame/consistency_check.h"

#include <algorithm>

#include "model/rules.h"

namespace pipwick {

namespace {

// Where the deal left BonePileNext: a hand's tiles for every player, from Deck[1] on.
int32_t FirstUndealt(const GameState& s) {
    return 1 + HandSize(s.Rules) * s.PlayerCount;
}

bool HandsHaveNoGaps(const GameState& s) {
    for (int player = 1; player <= 4; ++player) {
        const int count = HandCount(s, player);
        if (std::any_of(s.Hand[player] + count, s.Hand[player] + kHandSlots,
                        [](int32_t tile) { return tile != kNoTile; })) {
            return false;
        }
    }
    return true;
}

bool AbsentPlayersHoldNothing(const GameState& s) {
    for (int player = 1; player <= 4; ++player) {
        if (!TakesPart(s, player) && (s.Hand[player][0] != kNoTile || s.Scores[player] != 0)) {
            return false;
        }
    }
    return true;
}

bool DeckIsTheWholeSet(const GameState& s) {
    bool seen[kTileCount + 1] = {};
    for (int p = 1; p < kDeckSize; ++p) {
        if (s.Deck[p] == kNoTile || seen[s.Deck[p]]) {
            return false;
        }
        seen[s.Deck[p]] = true;
    }
    return true;
}

// A hand starts with seven tiles and grows only by drawing, so none holds more than seven and
// every tile drawn so far. Without this a full hand could face a bone pile it can never draw from.
bool HandsFitTheDraws(const GameState& s) {
    const int drawn = s.BonePileNext - FirstUndealt(s);
    for (int player = 1; player <= 4; ++player) {
        if (HandCount(s, player) > HandSize(s.Rules) + drawn) {
            return false;
        }
    }
    return true;
}

// Every tile is in a hand, on the table or still in the bone pile, and in only one of them.
bool EveryTileInOnePlace(const GameState& s) {
    int seen[kTileCount + 1] = {};
    for (int player = 1; player <= 4; ++player) {
        for (int slot = 0; slot < HandCount(s, player); ++slot) {
            ++seen[s.Hand[player][slot]];
        }
    }
    for (int arm = 0; arm < kArmCount; ++arm) {
        for (int r = 0; r < ArmLength(s, arm); ++r) {
            ++seen[s.Arm[arm][r].Tile];
        }
    }
    for (int p = s.BonePileNext; p < kDeckSize; ++p) {
        ++seen[s.Deck[p]];
    }
    return std::all_of(std::begin(seen) + 1, std::end(seen), [](int n) { return n == 1; });
}

// Every player may pass once in a row; the human's pass does not end a blocked hand, so the
// computer player's next one can add one more before it ends.
bool PassesFit(const GameState& s) {
    return s.ConsecutivePasses <= s.PlayerCount + 1;
}

bool RecordsShowTheirTiles(const GameState& s) {
    for (int arm = 0; arm < kArmCount; ++arm) {
        for (int r = 0; r < ArmLength(s, arm); ++r) {
            const PlacedTile& record = s.Arm[arm][r];
            const int32_t low = std::min(record.InnerPip, record.OuterPip);
            const int32_t high = std::max(record.InnerPip, record.OuterPip);
            if (low != LowPip(record.Tile) || high != HighPip(record.Tile)) {
                return false;
            }
        }
    }
    return true;
}

// Record 0 of arms 1, 2 and 3 touches the root's inner side (a spinner shows the same pip on
// both); every later record touches the one before it on its own arm.
bool LineJoinsUp(const GameState& s) {
    const PlacedTile& root = s.Arm[0][0];
    for (int arm = 0; arm < kArmCount; ++arm) {
        const int length = ArmLength(s, arm);
        if (length > 0 && TableIsEmpty(s)) {
            return false;
        }
        for (int r = arm == 0 ? 1 : 0; r < length; ++r) {
            const int32_t touches = r == 0 ? root.InnerPip : s.Arm[arm][r - 1].OuterPip;
            if (s.Arm[arm][r].InnerPip != touches) {
                return false;
            }
        }
    }
    return true;
}

// Once the first double is down the line is re-rooted at it.
bool SpinnerIsTheRoot(const GameState& s) {
    return s.SpinnerState == kNoSpinner || IsDouble(s.Arm[0][0].Tile);
}

bool SideArmsOnlyWithSpinner(const GameState& s) {
    if (s.SpinnerState == kSideArmsOpen) {
        return true;
    }
    for (int arm : {1, 3}) {
        if (s.ArmOpenPip[arm] != kNoPip || ArmLength(s, arm) > 0) {
            return false;
        }
    }
    return true;
}

// The pip a tile must show to go on the arm: the last tile's outer pip, or for an empty open arm
// the root's side it grows from. An empty table has every arm closed.
int32_t OpenEndOf(const GameState& s, int arm) {
    const bool sideArm = arm == 1 || arm == 3;
    if (TableIsEmpty(s) || (sideArm && s.SpinnerState != kSideArmsOpen)) {
        return kNoPip;
    }
    const int length = ArmLength(s, arm);
    return length == 0 ? s.Arm[0][0].InnerPip : s.Arm[arm][length - 1].OuterPip;
}

bool OpenEndsAreTheLineEnds(const GameState& s) {
    for (int arm = 0; arm < kArmCount; ++arm) {
        if (s.ArmOpenPip[arm] != OpenEndOf(s, arm)) {
            return false;
        }
    }
    return true;
}

bool PartnersAtFour(const GameState& s) {
    return !PlaysInPairs(s.Rules) || s.PlayerCount == 4;
}

// A pair's points are written to both partners' scores.
bool PairsShareScores(const GameState& s) {
    return !PlaysInPairs(s.Rules) || (s.Scores[1] == s.Scores[3] && s.Scores[2] == s.Scores[4]);
}

bool SpinnerOnlyWhereThereIsOne(const GameState& s) {
    return HasSpinner(s.Rules) || s.SpinnerState == kNoSpinner;
}

bool BonePileUntouchedInBlock(const GameState& s) {
    return DrawsFromPile(s.Rules) || s.BonePileNext == FirstUndealt(s);
}

// All Fives scores only multiples of 5, and its first double becomes the spinner at once. A bare
// image that breaks either was saved by another game and has lost the extension that said so.
bool ScoresInFives(const GameState& s) {
    const GameKindRow& kind = KindOf(s.Rules);
    const bool onlyFives = kind.endScoring == EndScoring::kMultipleOfFive &&
                           kind.award == HandAward::kOthersPips && kind.awardRounding % 5 == 0;
    if (!onlyFives) {
        return true;
    }
    return std::all_of(s.Scores + 1, s.Scores + 5, [](int32_t score) { return score % 5 == 0; });
}

bool SpinnerWithTheFirstDouble(const GameState& s) {
    if (!HasSpinner(s.Rules) || s.SpinnerState != kNoSpinner) {
        return true;
    }
    for (const auto& arm : s.Arm) {
        for (const PlacedTile& record : arm) {
            if (record.Tile != kNoTile && IsDouble(record.Tile)) {
                return false;
            }
        }
    }
    return true;
}

struct Rule {
    bool (*holds)(const GameState&);
    SavedGameError error;
};

constexpr Rule kRules[] = {
    {HandsHaveNoGaps, SavedGameError::kHandHasGap},
    {AbsentPlayersHoldNothing, SavedGameError::kAbsentPlayerHolds},
    {[](const GameState& s) { return TakesPart(s, s.NextLeader); },
     SavedGameError::kAbsentPlayerLeads},
    {DeckIsTheWholeSet, SavedGameError::kDeckNotTheWholeSet},
    {[](const GameState& s) { return s.BonePileNext >= FirstUndealt(s); },
     SavedGameError::kBonePileBeforeDealEnd},
    {HandsFitTheDraws, SavedGameError::kHandTooLarge},
    {EveryTileInOnePlace, SavedGameError::kTileNotInOnePlace},
    {PassesFit, SavedGameError::kTooManyPasses},
    {RecordsShowTheirTiles, SavedGameError::kPipsNotTheTile},
    {LineJoinsUp, SavedGameError::kLineBroken},
    {SpinnerIsTheRoot, SavedGameError::kSpinnerNotTheRoot},
    {SideArmsOnlyWithSpinner, SavedGameError::kSideArmBeforeSpinner},
    {OpenEndsAreTheLineEnds, SavedGameError::kOpenEndNotTheLineEnd},
    {PartnersAtFour, SavedGameError::kPartnersWithoutFour},
    {PairsShareScores, SavedGameError::kPairScoresDiffer},
    {SpinnerOnlyWhereThereIsOne, SavedGameError::kSpinnerWithoutOne},
    {BonePileUntouchedInBlock, SavedGameError::kDrawnInBlock},
    {ScoresInFives, SavedGameError::kRulesExtensionMissing},
    {SpinnerWithTheFirstDouble, SavedGameError::kRulesExtensionMissing},
};

}  // namespace

SavedGameError CheckConsistency(const GameState& restored) {
    for (const Rule& rule : kRules) {
        if (!rule.holds(restored)) {
            return rule.error;
        }
    }
    return SavedGameError::kNone;
}

}  // namespace pipwick
