// Reading the hand's history for what each opponent cannot hold, and dealing the unseen tiles
// to agree with it.
//
// Every opponent starts with one group of seven dealt tiles that lack nothing. A draw or a pass
// adds the open pips of that moment to every group he holds, and a draw then opens a new group of
// one tile that lacks nothing yet. A laid tile leaves the oldest group it could belong to: the
// groups' lacked pips are nested by age, so taking the oldest possible one never rules out the
// true deal. A play no group could have made means an inference was wrong (a human drew with a
// tile that fitted), and that hand's groups forget what they lacked. A group may also lack single
// tiles, which the opponents' choices show (past_choices.cpp).
#include "ai/hidden_tiles.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "model/rules.h"

namespace pipwick {

namespace {

bool IsOpponent(const ExpertView& view, int player) {
    return player >= 1 && player <= 4 && player != view.Seat && view.HandCount[player] > 0;
}

void Forget(HiddenHand& hand) {
    int32_t total = 0;
    for (int g = 0; g < hand.GroupCount; ++g) {
        total += hand.Groups[g].Count;
    }
    hand.GroupCount = 1;
    hand.Groups[0] = {total, 0, kDealt};
}

void Lacks(HiddenHand& hand, int32_t pips) {
    for (int g = 0; g < hand.GroupCount; ++g) {
        hand.Groups[g].LackedPips |= pips;
    }
}

// A full hand of groups folds its newest two together, keeping only what both lacked and dating
// them all from the later draw, which can only excuse a past choice, never blame one. (No real
// hand draws that often.)
void AddGroup(HiddenHand& hand, TileGroup group) {
    if (hand.GroupCount == kMaxTileGroups) {
        TileGroup& newest = hand.Groups[hand.GroupCount - 1];
        newest.Count += group.Count;
        newest.LackedPips &= group.LackedPips;
        newest.LackedTiles &= group.LackedTiles;
        newest.DrawnAt = group.DrawnAt;
        return;
    }
    hand.Groups[hand.GroupCount++] = group;
}

// False when the hand holds no tile to lay.
bool LayTile(HiddenHand& hand, int32_t tile) {
    int g = 0;
    while (g < hand.GroupCount &&
           (hand.Groups[g].Count == 0 || (hand.Groups[g].LackedPips & PipsOf(tile)) != 0)) {
        ++g;
    }
    if (g == hand.GroupCount) {
        Forget(hand);
        g = 0;
    }
    if (hand.Groups[g].Count == 0) {
        return false;
    }
    --hand.Groups[g].Count;
    return true;
}

void DropEmptyGroups(HiddenHand& hand) {
    int kept = 0;
    for (int g = 0; g < hand.GroupCount; ++g) {
        if (hand.Groups[g].Count > 0) {
            hand.Groups[kept++] = hand.Groups[g];
        }
    }
    hand.GroupCount = kept;
}

bool OnTable(const PublicTable& table, int32_t tile) {
    for (const auto& arm : table.Arm) {
        for (const PlacedTile& record : arm) {
            if (record.Tile == tile) {
                return true;
            }
        }
    }
    return false;
}

int TilesOnTable(const PublicTable& table) {
    int count = 0;
    for (const auto& arm : table.Arm) {
        for (const PlacedTile& record : arm) {
            count += record.Tile != kNoTile ? 1 : 0;
        }
    }
    return count;
}

// Replays the history over the opponents' hands. False when it does not describe this table and
// these hands (a game opened from a file, say), and then it must not be believed.
bool ReplayHistory(const ExpertView& view, HiddenHand (&hands)[5]) {
    const HandHistory& history = view.History;
    int plays = 0;
    for (int e = 0; e < history.Count && e < kMaxHandEvents; ++e) {
        const HandEvent& event = history.Events[e];
        if (event.Kind == HandEventKind::kPlay) {
            if (event.Tile < 1 || event.Tile > kTileCount || !OnTable(view.Table, event.Tile)) {
                return false;
            }
            ++plays;
        }
        if (!IsOpponent(view, event.Player)) {
            continue;
        }
        HiddenHand& hand = hands[event.Player];
        switch (event.Kind) {
            case HandEventKind::kPlay:
                if (!LayTile(hand, event.Tile)) {
                    return false;
                }
                break;
            case HandEventKind::kDraw:
                Lacks(hand, event.OpenPips);
                AddGroup(hand, {1, 0, e});
                break;
            case HandEventKind::kPass:
                Lacks(hand, event.OpenPips);
                break;
        }
        DropEmptyGroups(hand);
    }
    if (plays != TilesOnTable(view.Table)) {
        return false;
    }
    for (int player = 1; player <= 4; ++player) {
        int32_t held = 0;
        for (int g = 0; g < hands[player].GroupCount; ++g) {
            held += hands[player].Groups[g].Count;
        }
        if (IsOpponent(view, player) && held != view.HandCount[player]) {
            return false;
        }
    }
    return true;
}

void StartHands(const ExpertView& view, HiddenHand (&hands)[5], int32_t (&dealt)[5]) {
    for (int player = 1; player <= 4; ++player) {
        hands[player] = HiddenHand{};
        if (IsOpponent(view, player)) {
            AddGroup(hands[player], {dealt[player], 0, kDealt});
        }
    }
}

int Below(DealRandom& random, int n) {
    return static_cast<int>((random() >> 11) % static_cast<uint64_t>(n));
}

// Fisher-Yates over a hand, each tile keeping its draw.
void ShuffleHand(SampledDeal& deal, int player, int count, DealRandom& random) {
    for (int i = count - 1; i > 0; --i) {
        const int j = Below(random, i + 1);
        std::swap(deal.Hand[player][i], deal.Hand[player][j]);
        std::swap(deal.DrawnAt[player][i], deal.DrawnAt[player][j]);
    }
}

struct GroupRef {
    int player;
    int group;
    int eligible;
};

// What a try at the deal respects of what the groups lack.
enum class Respect { kPipsAndTiles, kPips, kNothing };

bool MayHold(const TileGroup& group, Respect lacks, int32_t tile) {
    const bool pipLacked = (PipsOf(tile) & group.LackedPips) != 0;
    const bool tileLacked = (group.LackedTiles >> tile & 1) != 0;
    switch (lacks) {
        case Respect::kPipsAndTiles:
            return !pipLacked && !tileLacked;
        case Respect::kPips:
            return !pipLacked;
        case Respect::kNothing:
            return true;
    }
    return true;
}

// One try at the deal, most constrained group first; false when some group cannot be filled.
bool TryDeal(const HiddenTiles& hidden, Respect lacks, DealRandom& random, SampledDeal& deal) {
    GroupRef order[4 * kMaxTileGroups];
    int groups = 0;
    for (int player = 1; player <= 4; ++player) {
        const HiddenHand& hand = hidden.Hands[player];
        for (int g = 0; g < hand.GroupCount; ++g) {
            int eligible = 0;
            for (int u = 0; u < hidden.UnseenCount; ++u) {
                eligible += MayHold(hand.Groups[g], lacks, hidden.Unseen[u]) ? 1 : 0;
            }
            order[groups++] = {player, g, eligible};
        }
    }
    std::stable_sort(order, order + groups,
                     [](const GroupRef& a, const GroupRef& b) { return a.eligible < b.eligible; });
    int32_t pool[kTileCount];
    int poolCount = hidden.UnseenCount;
    std::copy(hidden.Unseen, hidden.Unseen + poolCount, pool);
    int held[5] = {};
    for (int i = 0; i < groups; ++i) {
        const TileGroup& group = hidden.Hands[order[i].player].Groups[order[i].group];
        // Move the tiles this group may hold to the front of the pool, then draw from them.
        int fits = 0;
        for (int u = 0; u < poolCount; ++u) {
            if (MayHold(group, lacks, pool[u])) {
                std::swap(pool[fits++], pool[u]);
            }
        }
        if (fits < group.Count) {
            return false;
        }
        const int player = order[i].player;
        for (int k = 0; k < group.Count; ++k) {
            const int pick = Below(random, fits);
            deal.DrawnAt[player][held[player]] = group.DrawnAt;
            deal.Hand[player][held[player]++] = pool[pick];
            pool[pick] = pool[--fits];
            pool[fits] = pool[--poolCount];
        }
    }
    for (int player = 1; player <= 4; ++player) {
        ShuffleHand(deal, player, held[player], random);
    }
    std::shuffle(pool, pool + poolCount, random);
    std::copy(pool, pool + poolCount, deal.BonePile);
    deal.BonePileCount = poolCount;
    return true;
}

bool LacksTiles(const HiddenTiles& hidden) {
    for (const HiddenHand& hand : hidden.Hands) {
        for (int g = 0; g < hand.GroupCount; ++g) {
            if (hand.Groups[g].LackedTiles != 0) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

HiddenTiles ReadHiddenTiles(const ExpertView& view) {
    HiddenTiles hidden{};
    for (int32_t tile = 1; tile <= kTileCount; ++tile) {
        const bool own =
            std::find(std::begin(view.Hand), std::end(view.Hand), tile) != std::end(view.Hand);
        if (!own && !OnTable(view.Table, tile)) {
            hidden.Unseen[hidden.UnseenCount++] = tile;
        }
    }
    hidden.BonePileCount = view.BonePileCount;
    const int32_t size = HandSize(view.Rules);
    int32_t dealt[5] = {0, size, size, size, size};
    StartHands(view, hidden.Hands, dealt);
    if (!ReplayHistory(view, hidden.Hands)) {
        int32_t now[5] = {0, view.HandCount[1], view.HandCount[2], view.HandCount[3],
                          view.HandCount[4]};
        StartHands(view, hidden.Hands, now);
    }
    int32_t needed = view.BonePileCount;
    for (int player = 1; player <= 4; ++player) {
        needed += IsOpponent(view, player) ? view.HandCount[player] : 0;
    }
    hidden.Consistent = needed == hidden.UnseenCount && view.BonePileCount >= 0;
    return hidden;
}

SampledDeal SampleDeal(const HiddenTiles& hidden, DealRandom& random) {
    constexpr int kTries = 16;
    SampledDeal deal{};
    // Without lacked tiles the first stage would only repeat the second.
    const bool tilesLacked = LacksTiles(hidden);
    for (Respect lacks : {Respect::kPipsAndTiles, Respect::kPips}) {
        for (int attempt = 0; attempt < kTries && (tilesLacked || lacks == Respect::kPips);
             ++attempt) {
            deal = SampledDeal{};
            if (TryDeal(hidden, lacks, random, deal)) {
                return deal;
            }
        }
    }
    deal = SampledDeal{};
    TryDeal(hidden, Respect::kNothing, random, deal);
    return deal;
}

}  // namespace pipwick
