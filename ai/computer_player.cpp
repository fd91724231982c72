// How the computer players choose.
//
// Nothing is random and nothing looks ahead. A Beginner takes the first tile that fits, preferring
// arm 2 unless arm 0's first fit lies in an even slot below 8. An Advanced player adds up what the
// other three ends show, tries every fitting tile on each arm, and keeps the play whose new total
// is the highest positive multiple of 5; when no play scores anywhere it sheds its heaviest fitting
// tile. Ties go to arm 0, then 2, 1 and 3, and within an arm to the lowest slot. Both levels lead a
// hand the same way: a double backed by several tiles of its suit, else a tile that counts 5 or 10
// on its own. The points a count is worth are those of the game under way. On a line without a
// spinner the Beginner plays as ever and the Advanced player takes the play that scores most when
// one scores, and otherwise judges the line as in the games where nothing scores
// (line_game_player.cpp). The Expert's own later moves on one of its deals, where every hand is
// dealt, look one play further: the Advanced choice gives way to a play that leaves the next
// opponent fewer points to take.
#include "ai/computer_player.h"

#include <algorithm>
#include <bit>
#include <initializer_list>
#include <iterator>

#include "ai/line_game_player.h"
#include "model/rules.h"
#include "model/tile_set.h"

namespace pipwick {

namespace {

// Arms in the order ties are broken.
constexpr int kArmPreference[kArmCount] = {0, 2, 1, 3};

// The arm's last tile, at length - 1, is a double.
bool LastTileIsDouble(const GameState& state, int arm, int length) {
    return length > 0 && IsDouble(state.Arm[arm][length - 1].Tile);
}

int32_t Doubled(int32_t pip, bool isDouble) {
    return isDouble ? 2 * pip : pip;
}

// What each open end adds to the table count before the play. This is the player's own reckoning,
// not the scoring's: with a lone spinner on the table it counts the double from both sides, where
// the scoring counts it once. That is how the players have always judged such a table, and their
// choices (and so every recorded game) rest on it, so it stays.
int32_t EndCount(const GameState& state, int arm) {
    const int32_t pip = state.ArmOpenPip[arm];
    if (arm != 0 && (pip == kNoPip || pip == 0)) {
        return 0;
    }
    // Measured once: the playouts ask this of every arm before every play.
    const int length = ArmLength(state, arm);
    if (arm == 0 || length > 0) {
        return Doubled(pip, LastTileIsDouble(state, arm, length));
    }
    if (arm == 2) {
        const PlacedTile& root = state.Arm[0][0];
        return Doubled(root.InnerPip, IsDouble(root.Tile));
    }
    return 0;
}

// The open ends as an Advanced player reckons them: each arm's pip and what it adds to the count.
struct Ends {
    int32_t pip[kArmCount];
    int32_t count[kArmCount];
    int32_t total;
};

Ends EndsOf(const GameState& state) {
    Ends ends{};
    for (int arm = 0; arm < kArmCount; ++arm) {
        ends.pip[arm] = state.ArmOpenPip[arm];
        ends.count[arm] = EndCount(state, arm);
        ends.total += ends.count[arm];
    }
    return ends;
}

Play ChooseBeginnerPlay(const int (&firstFit)[kArmCount]) {
    if (firstFit[2] != kEmptySlot) {
        const int slot0 = firstFit[0];
        if (slot0 == 0 || slot0 == 2 || slot0 == 4 || slot0 == 6) {
            return {slot0, 0};
        }
        return {firstFit[2], 2};
    }
    for (int arm : {0, 1, 3}) {
        if (firstFit[arm] != kEmptySlot) {
            return {firstFit[arm], arm};
        }
    }
    return {};
}

// Only the double-blank can leave every arm without a best slot: it weighs nothing and scores
// nothing, so it is never preferred on an arm other than arm 0.
Play PlayDoubleBlank(const GameState& state, const HandSlots& hand) {
    for (int slot = 0; slot < kHandSlots; ++slot) {
        if (hand[slot] != TileWithPips(0, 0)) {
            continue;
        }
        for (int arm = 0; arm < kArmCount; ++arm) {
            if (state.ArmOpenPip[arm] == 0) {
                return {slot, arm};
            }
        }
        return {};
    }
    return {};
}

Play ChooseAdvancedPlay(const GameState& state, const HandSlots& hand,
                        const int (&firstFit)[kArmCount], const Ends& ends) {
    ArmEvaluation arms[kArmCount];
    const int32_t total = ends.total;
    for (int arm = 0; arm < kArmCount; ++arm) {
        arms[arm].firstFittingSlot = firstFit[arm];
        arms[arm].endCount = ends.count[arm];
    }
    bool anyScores = false;
    for (int arm = 0; arm < kArmCount; ++arm) {
        if (arms[arm].firstFittingSlot != kEmptySlot) {
            EvaluateArm(arms[arm], KindOf(state.Rules).endScoring, state.ArmOpenPip[arm], hand,
                        total - arms[arm].endCount);
            anyScores = anyScores || arms[arm].bestPoints > 0;
        }
    }
    int chosen = kArmPreference[0];
    for (int arm : kArmPreference) {
        const int32_t value = anyScores ? arms[arm].bestPoints : arms[arm].bestPipTotal;
        const int32_t best = anyScores ? arms[chosen].bestPoints : arms[chosen].bestPipTotal;
        if (value > best) {
            chosen = arm;
        }
    }
    if (arms[chosen].bestSlot == kEmptySlot) {
        return PlayDoubleBlank(state, hand);
    }
    return {arms[chosen].bestSlot, chosen};
}

// The lead, or the play on arm 0 or 2 of a line, that scores most; ties go to the higher tile,
// then to arm 0, so the choice follows from the tiles held, not their order. No play when none
// scores.
Play BestScoringLinePlay(const GameState& state, const HandSlots& hand) {
    const EndScoring scoring = KindOf(state.Rules).endScoring;
    Play best;
    int32_t bestPoints = 0;
    const auto consider = [&](int slot, int arm, int32_t total) {
        const int32_t points = EndTotalPoints(scoring, total);
        if (points > bestPoints ||
            (points == bestPoints && points > 0 && hand[slot] > hand[best.slot])) {
            best = {slot, arm};
            bestPoints = points;
        }
    };
    for (int slot = 0; slot < kHandSlots && hand[slot] != kNoTile; ++slot) {
        const int32_t tile = hand[slot];
        if (TableIsEmpty(state)) {
            consider(slot, 0, PipTotal(tile));
            continue;
        }
        for (int arm : {0, 2}) {
            const int32_t open = state.ArmOpenPip[arm];
            if (Shows(tile, open)) {
                const int32_t newEnd = LowPip(tile) == open ? HighPip(tile) : LowPip(tile);
                consider(slot, arm, EndCount(state, 2 - arm) + Doubled(newEnd, IsDouble(tile)));
            }
        }
    }
    return best;
}

Play ChooseAdvancedLinePlay(const GameState& state, const HandSlots& hand) {
    if (ScoresDuringPlay(state.Rules)) {
        if (const Play scoring = BestScoringLinePlay(state, hand); scoring.slot != kEmptySlot) {
            return scoring;
        }
    }
    return ChooseLineGamePlay(state, hand);
}

int32_t LeadPreference(int32_t tile) {
    struct Preference {
        int32_t a, b, value;
    };
    for (const Preference& p : {Preference{4, 6, 5}, Preference{5, 5, 4}, Preference{2, 3, 3},
                                Preference{1, 4, 2}, Preference{0, 5, 1}}) {
        if (tile == TileWithPips(p.a, p.b)) {
            return p.value;
        }
    }
    return 0;
}

}  // namespace

// A hand's tiles are contiguous from slot 0, so the scan stops at the first empty slot. One pass
// serves all four arms: this is asked before every play of every playout.
bool FirstFittingSlots(const int32_t (&openPips)[kArmCount], const HandSlots& hand,
                       int (&firstFit)[kArmCount]) {
    std::fill(std::begin(firstFit), std::end(firstFit), kEmptySlot);
    bool anyFits = false;
    for (int slot = 0; slot < kHandSlots && hand[slot] != kNoTile; ++slot) {
        const int32_t shows = 1 << LowPip(hand[slot]) | 1 << HighPip(hand[slot]);
        for (int arm = 0; arm < kArmCount; ++arm) {
            if (firstFit[arm] == kEmptySlot && (shows >> openPips[arm] & 1) != 0) {
                firstFit[arm] = slot;
                anyFits = true;
            }
        }
    }
    return anyFits;
}

void EvaluateArm(ArmEvaluation& arm, EndScoring scoring, int32_t openPip, const HandSlots& hand,
                 int32_t base) {
    for (int slot = arm.firstFittingSlot; slot < kHandSlots && hand[slot] != kNoTile; ++slot) {
        const int32_t tile = hand[slot];
        if (!Shows(tile, openPip)) {
            continue;
        }
        const int32_t pipTotal = PipTotal(tile);
        if (arm.bestSlot == kEmptySlot) {
            arm.bestSlot = slot;
            arm.bestPipTotal = pipTotal;
        }
        const int32_t newEnd = LowPip(tile) == openPip ? HighPip(tile) : LowPip(tile);
        const int32_t points = EndTotalPoints(scoring, base + Doubled(newEnd, IsDouble(tile)));
        if (points > arm.bestPoints) {
            arm.bestPoints = points;
            arm.bestSlot = slot;
            arm.bestPipTotal = pipTotal;
        } else if (arm.bestPoints == 0 && pipTotal > arm.bestPipTotal) {
            arm.bestSlot = slot;
            arm.bestPipTotal = pipTotal;
        }
    }
}

Play ChooseLead(const HandSlots& hand) {
    const int count = TilesHeld(hand);
    bool holdsDouble[7] = {};
    int companions[7] = {};
    int doubleSlot[7] = {};
    int preferredSlot = 0;
    int32_t bestPreference = 0;
    for (int slot = 0; slot < count; ++slot) {
        const int32_t tile = hand[slot];
        const int32_t preference = LeadPreference(tile);
        if (preference > bestPreference) {
            bestPreference = preference;
            preferredSlot = slot;
        }
        if (IsDouble(tile)) {
            holdsDouble[LowPip(tile)] = true;
            doubleSlot[LowPip(tile)] = slot;
        } else {
            ++companions[LowPip(tile)];
            ++companions[HighPip(tile)];
        }
    }
    for (int v = 6; v >= 0; --v) {
        if (holdsDouble[v] && companions[v] >= 3) {
            return {doubleSlot[v], 0};
        }
    }
    for (int v = 6; v >= 0; --v) {
        if (holdsDouble[v] && companions[v] == 2) {
            return {doubleSlot[v], 0};
        }
    }
    return {preferredSlot, 0};
}

Play ChooseComputerPlay(const GameState& state, const HandSlots& hand, Level level) {
    if (!HasSpinner(state.Rules) && level != Level::Beginner) {
        return ChooseAdvancedLinePlay(state, hand);
    }
    if (TableIsEmpty(state)) {
        return ChooseLead(hand);
    }
    int firstFit[kArmCount];
    if (!FirstFittingSlots(state.ArmOpenPip, hand, firstFit)) {
        return {};
    }
    if (level == Level::Beginner) {
        return ChooseBeginnerPlay(firstFit);
    }
    return ChooseAdvancedPlay(state, hand, firstFit, EndsOf(state));
}

namespace {

// The ends once tile is laid on arm. Arms the play would open stay closed: a reckoning, not the
// rules.
Ends EndsAfter(const Ends& before, int arm, int32_t tile) {
    const int32_t open = before.pip[arm];
    const int32_t newEnd = LowPip(tile) == open ? HighPip(tile) : LowPip(tile);
    Ends after = before;
    after.pip[arm] = newEnd;
    after.count[arm] = Doubled(newEnd, IsDouble(tile));
    after.total += after.count[arm] - before.count[arm];
    return after;
}

// What a hand can add to the count by following each pip: bit v of ofPip[pip] is set when one of
// its tiles laid on that pip leaves an end counting v. Pip 7, a closed arm's, is followed by none.
struct Followers {
    int32_t ofPip[kNoPip + 1];
};

Followers FollowersOf(const HandSlots& hand) {
    Followers followers{};
    for (int slot = 0; slot < kHandSlots && hand[slot] != kNoTile; ++slot) {
        const int32_t low = LowPip(hand[slot]);
        const int32_t high = HighPip(hand[slot]);
        const bool isDouble = low == high;
        followers.ofPip[low] |= 1 << Doubled(high, isDouble);
        followers.ofPip[high] |= 1 << Doubled(low, isDouble);
    }
    return followers;
}

// The most a hand with these followers could score with its next play on ends.
int32_t BestReply(EndScoring scoring, const Ends& ends, const Followers& followers) {
    int32_t best = 0;
    for (int arm = 0; arm < kArmCount; ++arm) {
        const int32_t others = ends.total - ends.count[arm];
        for (int32_t counts = followers.ofPip[ends.pip[arm]]; counts != 0; counts &= counts - 1) {
            const int32_t added = std::countr_zero(static_cast<uint32_t>(counts));
            best = std::max(best, EndTotalPoints(scoring, others + added));
        }
    }
    return best;
}

// The Advanced choice on a table already played to, the ends reckoned as now: with a spinner it
// reckons them just so, and the look-ahead need not reckon them again.
Play AdvancedPlaySeeing(const GameState& state, const HandSlots& hand, const Ends& now) {
    if (!HasSpinner(state.Rules)) {
        return ChooseComputerPlay(state, hand, Level::Advanced);
    }
    int firstFit[kArmCount];
    if (!FirstFittingSlots(state.ArmOpenPip, hand, firstFit)) {
        return {};
    }
    return ChooseAdvancedPlay(state, hand, firstFit, now);
}

// In a game that scores during play, where the deal shows the next opponent's hand: each play is
// worth what it scores less the most he could score straight after it, and a play displaces the
// Advanced choice only by coming out ahead of it. Which five a play leaves open matters as much
// as the five it makes.
Play ChooseLookAheadScoringPlay(const GameState& state, const HandSlots& hand) {
    if (TableIsEmpty(state)) {
        return ChooseComputerPlay(state, hand, Level::Advanced);
    }
    const Ends now = EndsOf(state);
    const Play advanced = AdvancedPlaySeeing(state, hand, now);
    if (advanced.slot == kEmptySlot) {
        return advanced;
    }
    const EndScoring scoring = KindOf(state.Rules).endScoring;
    const Followers theirs = FollowersOf(state.Hand[NextOpponent(state, state.CurrentPlayer)]);
    const auto worth = [&](const Play& play) {
        const Ends after = EndsAfter(now, play.arm, hand[play.slot]);
        return EndTotalPoints(scoring, after.total) - BestReply(scoring, after, theirs);
    };
    Play best = advanced;
    int32_t bestWorth = worth(advanced);
    for (int slot = 0; slot < kHandSlots && hand[slot] != kNoTile; ++slot) {
        for (int arm : kArmPreference) {
            const Play play{slot, arm};
            if (!Shows(hand[slot], now.pip[arm]) || play == advanced) {
                continue;
            }
            if (const int32_t playWorth = worth(play); playWorth > bestWorth) {
                best = play;
                bestWorth = playWorth;
            }
        }
    }
    return best;
}

}  // namespace

Play ChooseLookAheadPlay(const GameState& state, const HandSlots& hand) {
    if (!ScoresDuringPlay(state.Rules)) {
        return ChooseLookAheadLinePlay(state, hand);
    }
    return ChooseLookAheadScoringPlay(state, hand);
}

}  // namespace pipwick
