#pragma once

#include <cstdint>
#include <vector>

#include "ai/expert_view.h"
#include "ai/hidden_tiles.h"
#include "model/game_state.h"

namespace pipwick {

// How many of the plays seen this hand a sampled deal fails to explain.
struct Misfits {
    int Known = 0;      // by players whose rules are known: such a deal is all but impossible
    int Guessed = 0;    // by players of unknown level, held against the Advanced rules
    int HandsHeld = 0;  // hands held against the rules to find that out, what the judging cost
};

// The plays the opponents made this hand, each with the table as it lay before it, to be held
// against a sampled deal: had the player held the tiles the deal gives him, would his rules have
// chosen the tile he was seen to lay? Only Advanced players' rules are asked, and the rules of a
// player whose level is unknown are guessed to be those. A Beginner's choice turns on the order
// of his hand, which nobody sees, and an Expert's costs a search of its own; their plays are not
// judged. Only public plays are read, never a hidden tile.
class PastChoices {
  public:
    explicit PastChoices(const ExpertView& view);
    // Stops counting once more than knownLimit plays of players whose rules are known are left
    // unexplained: the caller has a better deal already.
    Misfits Judge(const SampledDeal& deal, int knownLimit = kMaxHandEvents) const;
    // Where a spinner makes the best play of a hand also the best of every part of it that holds
    // that play, an unseen tile that would have beaten a known player's play was not in his hand
    // then: it is marked lacked in each of his groups that he held by then, so that the deals
    // need not find that out by trying.
    void MarkLackedTiles(HiddenTiles& hidden) const;

  private:
    // The most tiles a play is held against in every way they could have lain: laid after a
    // later draw, each may have been in hand then or come with the draw.
    static constexpr int kMaxPerhapsHeld = 5;
    struct Choice {
        int event;
        int player;
        int32_t tile;
        bool known;
        int32_t laidLater[kHandSlots];  // tiles the player laid after this one, held by then
        int laidLaterCount;
        int32_t perhapsHeld[kMaxPerhapsHeld];  // laid after a later draw, perhaps held by then
        int perhapsHeldCount;
        GameState table;
    };
    bool Misfit(const Choice& choice, const SampledDeal& deal, int& handsHeld) const;
    uint32_t TilesThatBeat(const Choice& choice, const HiddenTiles& hidden) const;

    std::vector<Choice> choices_;
    bool spinner_ = false;
};

// The history event at which each tile was laid this hand, or kNeverLaid.
constexpr int32_t kNeverLaid = kMaxHandEvents;
using LaidAt = int32_t[kTileCount + 1];
void ReadLaidAt(const HandHistory& history, LaidAt& laidAt);

// The table as it lay just before history event `event`, read back from the table now: the same
// line of play without the tiles laid since, split into arms as the rules had split it then (the
// first double re-roots the line, and the spinner's side arms open once both its sides carry a
// tile). Only the tiles, their pips and the open ends are filled. False when the history does not
// describe this table.
bool TableBefore(const ExpertView& view, const LaidAt& laidAt, int event, GameState& table);

}  // namespace pipwick
