#pragma once

#include <cstdint>
#include "ai/deal_random.h"
#include "ai/expert_view.h"

namespace pipwick {

// The DrawnAt of tiles a hand was dealt.
constexpr int32_t kDealt = -1;

// Tiles of one hand that reached it together (the deal, or one draw) and are still held, with the
// pips none of them can show: a player who drew or passed held nothing for the open ends of that
// moment, but the tile he then drew may show anything.
struct TileGroup {
    int32_t Count;
    int32_t LackedPips;        // bit p set: no tile of the group shows pip p
    int32_t DrawnAt = kDealt;  // the history event of the draw that brought it
    uint32_t LackedTiles = 0;  // bit t set: tile t is none of the group's (what a choice showed)
};

// Enough for the deal and every draw a hand can make.
constexpr int kMaxTileGroups = 16;

// A hand seen from outside, oldest group first. An older group has lived through every event a
// newer one has, so its lacked pips include the newer group's.
struct HiddenHand {
    int32_t GroupCount;
    TileGroup Groups[kMaxTileGroups];
};

// What a view tells about the tiles it cannot see.
struct HiddenTiles {
    int32_t Unseen[kTileCount];
    int32_t UnseenCount;
    HiddenHand Hands[5];  // empty for the viewer and for seats not in the game
    int32_t BonePileCount;
    // False when the counts do not add up (no consistent deal exists): the view is not of a game
    // the rules could have reached.
    bool Consistent;
};

HiddenTiles ReadHiddenTiles(const ExpertView& view);

// One way the unseen tiles could lie: every other hand, and the bone pile in drawing order.
struct SampledDeal {
    int32_t Hand[5][kHandSlots];
    int32_t DrawnAt[5][kHandSlots];  // of each tile in Hand, as its group's
    int32_t BonePile[kTileCount];
    int32_t BonePileCount;
};

// Deals the unseen tiles at random so that every group gets its count of tiles showing none of
// its lacked pips and being none of its lacked tiles. When the history cannot be met (a human may
// draw while holding a tile that fits, which tells nothing) the lacked tiles are dropped, then the
// lacked pips, rather than no deal made. Needs a consistent HiddenTiles.
SampledDeal SampleDeal(const HiddenTiles& hidden, DealRandom& random);

// The bits of the pips the tile shows.
constexpr int32_t PipsOf(int32_t tile) {
    return (1 << LowPip(tile)) | (1 << HighPip(tile));
}

}  // namespace pipwick
