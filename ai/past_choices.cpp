// What the opponents' plays tell about their hands.
//
// An Advanced player chooses without chance: from his hand and the table there is exactly one
// play he makes. So when he was seen to lay a tile, every hand in which the rules would have
// picked another tile is one he did not hold. The Expert deals the hidden tiles many times; a
// deal is held against every play seen this hand by rebuilding, for each play, the player's hand
// of that moment (his tiles in the deal that he already held, the tile he laid, and the tiles he
// laid later) and the table of that moment, and asking the rules.
//
// The table of a past moment is read back from the table now rather than replayed: the line of
// play only ever grows at its ends, so what lay then is the same line less the tiles laid since.
// Only the split into arms needs care: before the first double the arms run from the first tile
// laid, after it from the double.
//
// A tile laid after the player drew again may be the one he drew. Where the open ends score, it
// is left out of the hands before that draw: leaving out a tile he held never makes the rules
// blame a deal, since the best play of a hand stays the best of any part of it that still holds
// it; only the choice of a lead looks at the whole hand, and a lead is judged only when the hand
// is known whole. On a line without a spinner the rules, when no play scores, weigh every tile in
// hand, so a hand short of one may choose otherwise than the whole: there the play is held against
// every hand he could have held, with and without each such tile, and a deal is blamed only when
// none of them explains it. A tile showing an end he drew or passed on before he laid it was not in
// his hand then, nor at the play judged.
//
// The laid tile goes first in the rebuilt hand. Where the rules break a tie by the order of the
// hand, which no one else sees, that lets the deal explain the play rather than blame it.
//
// The same reason that lets a tile be left out makes most of the rejection unnecessary where the
// ends score: a tile that would have beaten the play in a hand of only it, the laid tile and the
// tiles laid later would beat it in every hand holding it, so the player did not hold it then.
// Such tiles are marked lacked before any deal is drawn, and the deals keep to them as they keep
// to the pips a player lacked; what is left to rejection are the few choices that turn on two
// tiles at once.
#include "ai/past_choices.h"

#include <algorithm>

#include "ai/computer_player.h"
#include "model/rules.h"

namespace pipwick {

namespace {

bool IsJudged(const ExpertView& view, int player) {
    if (player < 1 || player > 4 || player == view.Seat || view.HandCount[player] <= 0) {
        return false;
    }
    return !view.Levels.Known[player] || view.Levels.Of[player] == Level::Advanced;
}

// A tile outside the set was never laid.
bool LaidBefore(const LaidAt& laidAt, int32_t tile, int event) {
    return tile >= 1 && tile <= kTileCount && laidAt[tile] < event;
}

// A record of the line with its pips as seen from one side: left and right.
struct LineTile {
    int32_t tile;
    int32_t left;
    int32_t right;
};

// The main line from arm 2's open end to arm 0's.
int ReadMainLine(const PublicTable& table, LineTile (&line)[2 * kArmLength]) {
    int n = 0;
    for (int i = kArmLength - 1; i >= 0; --i) {
        const PlacedTile& record = table.Arm[2][i];
        if (record.Tile != kNoTile) {
            line[n++] = {record.Tile, record.OuterPip, record.InnerPip};
        }
    }
    for (const PlacedTile& record : table.Arm[0]) {
        if (record.Tile == kNoTile) {
            break;
        }
        line[n++] = {record.Tile, record.InnerPip, record.OuterPip};
    }
    return n;
}

int32_t OuterOrElse(const GameState& table, int arm, int32_t otherwise) {
    const int length = ArmLength(table, arm);
    return length > 0 ? table.Arm[arm][length - 1].OuterPip : otherwise;
}

// After the first double: every arm is the part of today's arm that was laid by then.
bool ArmsAfterSpinner(const PublicTable& now, const LaidAt& laidAt, int event, GameState& table) {
    for (int arm = 0; arm < kArmCount; ++arm) {
        int length = 0;
        bool gap = false;
        for (const PlacedTile& record : now.Arm[arm]) {
            if (record.Tile == kNoTile) {
                break;
            }
            if (!LaidBefore(laidAt, record.Tile, event)) {
                gap = true;
                continue;
            }
            if (gap) {
                return false;
            }
            PlacedTile& then = table.Arm[arm][length++];
            then.Tile = record.Tile;
            then.InnerPip = record.InnerPip;
            then.OuterPip = record.OuterPip;
        }
    }
    const PlacedTile& spinner = table.Arm[0][0];
    const bool sidesOpen = ArmLength(table, 2) > 0 && ArmLength(table, 0) >= 2;
    table.ArmOpenPip[0] = OuterOrElse(table, 0, spinner.OuterPip);
    table.ArmOpenPip[2] = OuterOrElse(table, 2, spinner.InnerPip);
    for (int arm : {1, 3}) {
        if (!sidesOpen && ArmLength(table, arm) > 0) {
            return false;
        }
        table.ArmOpenPip[arm] = sidesOpen ? OuterOrElse(table, arm, spinner.InnerPip) : kNoPip;
    }
    table.SpinnerState = sidesOpen ? kSideArmsOpen : kSpinnerDown;
    return true;
}

// Before the first double: arm 0 runs from the first tile laid toward its high pip, arm 2 the
// other way.
bool ArmsFromFirstTile(const PublicTable& now, const LaidAt& laidAt, int event, int32_t first,
                       GameState& table) {
    LineTile line[2 * kArmLength];
    const int length = ReadMainLine(now, line);
    int root = 0;
    while (root < length && line[root].tile != first) {
        ++root;
    }
    if (root == length || IsDouble(first)) {
        return false;
    }
    const int outward = line[root].right == HighPip(first) ? 1 : -1;
    for (int arm : {0, 2}) {
        const int step = arm == 0 ? outward : -outward;
        int count = 0;
        for (int i = arm == 0 ? root : root + step; i >= 0 && i < length; i += step) {
            if (!LaidBefore(laidAt, line[i].tile, event)) {
                break;
            }
            PlacedTile& record = table.Arm[arm][count++];
            record.Tile = line[i].tile;
            record.InnerPip = step > 0 ? line[i].left : line[i].right;
            record.OuterPip = step > 0 ? line[i].right : line[i].left;
        }
    }
    table.ArmOpenPip[0] = OuterOrElse(table, 0, kNoPip);
    table.ArmOpenPip[2] = OuterOrElse(table, 2, LowPip(first));
    return true;
}

int CountLaidBefore(const LaidAt& laidAt, int event) {
    int count = 0;
    for (int32_t tile = 1; tile <= kTileCount; ++tile) {
        count += laidAt[tile] < event ? 1 : 0;
    }
    return count;
}

int TilesOn(const GameState& table) {
    int count = 0;
    for (int arm = 0; arm < kArmCount; ++arm) {
        count += ArmLength(table, arm);
    }
    return count;
}

}  // namespace

void ReadLaidAt(const HandHistory& history, LaidAt& laidAt) {
    std::fill(std::begin(laidAt), std::end(laidAt), kNeverLaid);
    for (int e = 0; e < history.Count && e < kMaxHandEvents; ++e) {
        const HandEvent& event = history.Events[e];
        if (event.Kind == HandEventKind::kPlay && event.Tile >= 1 && event.Tile <= kTileCount) {
            laidAt[event.Tile] = std::min(laidAt[event.Tile], e);
        }
    }
}

bool TableBefore(const ExpertView& view, const LaidAt& laidAt, int event, GameState& table) {
    ResetGameState(table);
    table.PlayerCount = view.PlayerCount;
    table.Rules = view.Rules;
    // The player who chose, and what he had seen happen by then.
    table.CurrentPlayer = view.History.Events[event].Player;
    table.History = view.History;
    table.History.Count = event;
    int32_t first = kNoTile;
    for (int32_t tile = 1; tile <= kTileCount; ++tile) {
        if (laidAt[tile] < event && (first == kNoTile || laidAt[tile] < laidAt[first])) {
            first = tile;
        }
    }
    if (first == kNoTile) {
        return true;
    }
    const PublicTable& now = view.Table;
    const int32_t spinner = now.SpinnerState != kNoSpinner ? now.Arm[0][0].Tile : kNoTile;
    const bool spinnerLaid = LaidBefore(laidAt, spinner, event);
    const bool read = spinnerLaid ? ArmsAfterSpinner(now, laidAt, event, table)
                                  : ArmsFromFirstTile(now, laidAt, event, first, table);
    return read && TilesOn(table) == CountLaidBefore(laidAt, event);
}

PastChoices::PastChoices(const ExpertView& view) {
    LaidAt laidAt;
    ReadLaidAt(view.History, laidAt);
    const HandHistory& history = view.History;
    const int count = std::min<int32_t>(history.Count, kMaxHandEvents);
    spinner_ = HasSpinner(view.Rules);
    const bool wholeHandWeighed = !spinner_;
    for (int e = 0; e < count; ++e) {
        const HandEvent& event = history.Events[e];
        if (event.Kind != HandEventKind::kPlay || !IsJudged(view, event.Player)) {
            continue;
        }
        Choice& choice = choices_.emplace_back();
        choice.event = e;
        choice.player = event.Player;
        choice.tile = event.Tile;
        choice.known = view.Levels.Known[event.Player];
        choice.laidLaterCount = 0;
        choice.perhapsHeldCount = 0;
        bool drewSince = false;
        bool tooUncertain = false;
        int32_t lackedSince = 0;
        for (int later = e + 1; later < count; ++later) {
            const HandEvent& next = history.Events[later];
            if (next.Player != event.Player) {
                continue;
            }
            if (next.Kind != HandEventKind::kPlay) {
                drewSince = drewSince || next.Kind == HandEventKind::kDraw;
                lackedSince |= next.OpenPips;
            } else if (!drewSince) {
                if (choice.laidLaterCount < kHandSlots) {
                    choice.laidLater[choice.laidLaterCount++] = next.Tile;
                }
            } else if (wholeHandWeighed && (PipsOf(next.Tile) & lackedSince) == 0) {
                tooUncertain = tooUncertain || choice.perhapsHeldCount == kMaxPerhapsHeld;
                if (!tooUncertain) {
                    choice.perhapsHeld[choice.perhapsHeldCount++] = next.Tile;
                }
            }
        }
        if (!TableBefore(view, laidAt, e, choice.table)) {
            choices_.clear();
            return;
        }
        const bool leadOfPartHand = !wholeHandWeighed && drewSince && TableIsEmpty(choice.table);
        if (leadOfPartHand || tooUncertain) {
            choices_.pop_back();
        }
    }
}

bool PastChoices::Misfit(const Choice& choice, const SampledDeal& deal, int& handsHeld) const {
    int32_t hand[kHandSlots] = {};
    int held = 0;
    hand[held++] = choice.tile;
    const int32_t(&now)[kHandSlots] = deal.Hand[choice.player];
    for (int slot = 0; slot < kHandSlots && now[slot] != kNoTile && held < kHandSlots; ++slot) {
        if (deal.DrawnAt[choice.player][slot] < choice.event) {
            hand[held++] = now[slot];
        }
    }
    for (int k = 0; k < choice.laidLaterCount && held < kHandSlots; ++k) {
        hand[held++] = choice.laidLater[k];
    }
    // One hand he could have held that explains the play is enough.
    for (int subset = 0; subset < 1 << choice.perhapsHeldCount; ++subset) {
        int32_t trial[kHandSlots] = {};
        std::copy(hand, hand + held, trial);
        int size = held;
        for (int k = 0; k < choice.perhapsHeldCount && size < kHandSlots; ++k) {
            if ((subset >> k & 1) != 0) {
                trial[size++] = choice.perhapsHeld[k];
            }
        }
        ++handsHeld;
        const Play play = ChooseComputerPlay(choice.table, trial, Level::Advanced);
        if (play.slot != kEmptySlot && trial[play.slot] == choice.tile) {
            return false;
        }
    }
    return true;
}

Misfits PastChoices::Judge(const SampledDeal& deal, int knownLimit) const {
    Misfits misfits;
    for (const Choice& choice : choices_) {
        if (Misfit(choice, deal, misfits.HandsHeld)) {
            ++(choice.known ? misfits.Known : misfits.Guessed);
            if (misfits.Known > knownLimit) {
                break;
            }
        }
    }
    return misfits;
}

// The unseen tiles each of which, held beside the laid tile and those laid later, would have made
// the rules choose otherwise; none when those alone do not explain the play.
uint32_t PastChoices::TilesThatBeat(const Choice& choice, const HiddenTiles& hidden) const {
    int32_t hand[kHandSlots] = {};
    int held = 0;
    hand[held++] = choice.tile;
    for (int k = 0; k < choice.laidLaterCount && held < kHandSlots - 1; ++k) {
        hand[held++] = choice.laidLater[k];
    }
    const auto explained = [&] {
        const Play play = ChooseComputerPlay(choice.table, hand, Level::Advanced);
        return play.slot != kEmptySlot && hand[play.slot] == choice.tile;
    };
    if (!explained()) {
        return 0;
    }
    uint32_t beaten = 0;
    for (int u = 0; u < hidden.UnseenCount; ++u) {
        hand[held] = hidden.Unseen[u];
        beaten |= explained() ? 0u : 1u << hidden.Unseen[u];
    }
    return beaten;
}

void PastChoices::MarkLackedTiles(HiddenTiles& hidden) const {
    if (!spinner_) {
        return;
    }
    for (const Choice& choice : choices_) {
        // A lead looks at the whole hand, and a guessed player's rules may not be the Advanced.
        if (!choice.known || TableIsEmpty(choice.table)) {
            continue;
        }
        const uint32_t beaten = TilesThatBeat(choice, hidden);
        HiddenHand& hand = hidden.Hands[choice.player];
        for (int g = 0; g < hand.GroupCount; ++g) {
            if (hand.Groups[g].DrawnAt < choice.event) {
                hand.Groups[g].LackedTiles |= beaten;
            }
        }
    }
}

}  // namespace pipwick
