// The Expert: an Advanced player who looks ahead by dealing the tiles he cannot see.
//
// An Advanced player judges a play by what it scores now. Most of the game is decided later: who
// is left holding the heavy tiles when the hand ends, whether a five left open hands the next
// player fifteen, whether the lead we give away is one the others can follow. The Expert estimates
// that by trying. For each decision it deals the unseen tiles many times over, each deal one way
// the other hands and the bone pile could lie, and on every deal it plays each of its legal moves
// and then the rest of the hand with every other seat playing the Advanced rules, and itself the
// same rules with an eye on the hand the deal gives the next opponent: where the ends score it
// counts what he could score straight after each play, and where they do not it prefers ends he
// cannot follow. The deal is only one of its guesses, so nothing
// hidden is seen, and the move tried now is judged by a hand played on more nearly as the Expert
// plays. The move whose hands end best on average is the one it plays. Every candidate meets the
// same deals, so the luck of a deal falls alike on all of them and what differs is the move.
//
// Most of what the Expert still gets wrong is the luck of the sample, so it deals a few hundred
// times. Not every candidate needs them all: after a first look, a move that trails the best by
// far more than the sample's noise drops out, and the rest meet the remaining deals (a long search
// looks again half way). Each deal has a generator of its own, seeded from the view and its
// number, so the deals can be shared among the machine's cores and the answer does not depend on
// how many there are.
//
// Dealing honestly is the heart of it. The Expert sees only an ExpertView: its own tiles, the
// table, the counts and the hand's history. A player who drew or passed held no tile for the open
// ends of that moment, and the deals respect that (hidden_tiles.cpp). What the others chose says
// more. The levels of the computer players are on show, and an Advanced player's choice follows
// from his hand without chance, so a deal under which he would have laid another tile than the
// one he was seen to lay is one that did not happen (past_choices.cpp). Where a single tile can
// show that, the deals leave it out of his hand from the start; each deal searched is the first
// of a few drawn that explains every such play, or the one that explains most. The human's
// level is not known: his plays are held against the Advanced rules too, but a deal that fails to
// explain one only counts for less, so that a player with other habits does not lead the Expert
// astray. The playouts are the engine's own rules, reached through HandPlayout, so scoring, the
// spinner and the end of the hand are never written twice.
//
// A hand's outcome is scored as the Expert's chance of winning the game from the scores it leaves
// (win_chance.cpp), against every other side at once; with partners a side is a pair. Far from
// the target that is the points gained less the points given away, but near it a safe few points
// can be worth more than a bold many, and a rival close to the target is the one to hold back. A
// hand that ends the game is won or lost outright. Playing out to the end of the hand, rather
// than a few moves, matters because the hand's pips go to whoever goes out.
//
// Nothing here draws by choice: a computer player draws only when nothing fits, and then there is
// no decision. A single legal move is played without a search. The random generator is seeded
// from what the view shows, so the same position always gets the same answer, and a simulated
// game repeats exactly.
#include "ai/expert_player.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "ai/computer_player.h"
#include "ai/hidden_tiles.h"
#include "ai/past_choices.h"
#include "ai/win_chance.h"
#include "model/rules.h"

namespace pipwick {

namespace {

constexpr int kMaxCandidates = kHandSlots * kArmCount;
// How much less a deal counts for each play of a player of unknown level it leaves unexplained.
constexpr double kGuessedMisfitWeight = 0.5;
// Deals drawn at most to explain the plays of players of unknown level.
constexpr int kGuessTries = 4;
// Drawing deals to explain the others' plays stops after holding this many hands against their
// rules, for one deal searched. In Draw a play laid after a draw is held against every hand the
// draw leaves in doubt, up to 32, so where no deal explains the plays the tries alone cost as much
// as the playouts of several decisions. Elsewhere a deal drawn holds at most one hand for each play
// seen, so no other table reaches the budget: Block between two, whose 64 tries meet at most seven
// plays of the opponent, stays under it.
constexpr int kMostHandsHeldPerDeal = 512;
// Every candidate meets this many deals; those clearly worse than the best then drop out, and the
// rest meet the other deals.
constexpr int kFirstLook = 64;
constexpr double kDropSigmas = 2.0;
// A decision of this many deals or more drops the clearly worse moves again half way: with seven
// close moves, 512 deals each would take it to the limit of its time.
constexpr int kSecondLookFrom = 512;
// How far another move must lead the Advanced choice to be played instead.
constexpr double kOvertakeSigmas = 1.0;

struct Candidates {
    Play plays[kMaxCandidates];
    int count = 0;
};

// The Advanced choice comes first, so that on equal means the Expert plays as Advanced would.
Candidates LegalPlays(const ExpertView& view) {
    GameState state;
    FillPublicState(view, state);
    Candidates result;
    const Play advanced = ChooseComputerPlay(state, state.Hand[view.Seat], Level::Advanced);
    if (advanced.slot == kEmptySlot) {
        return result;
    }
    result.plays[result.count++] = advanced;
    const bool lead = TableIsEmpty(state);
    for (int s = 0; s < kHandSlots && view.Hand[s] != kNoTile; ++s) {
        for (int arm = 0; arm < kArmCount; ++arm) {
            const bool fits = lead ? arm == 0 : Shows(view.Hand[s], view.Table.ArmOpenPip[arm]);
            const Play play{s, arm};
            if (fits && play != advanced) {
                result.plays[result.count++] = play;
            }
        }
    }
    return result;
}

// A hash of what the view shows, so equal views draw equal deals: FNV-1a's steps and prime, from a
// start value of its own (the usual offset basis less its last digit), which every pinned game
// rests on.
uint64_t ViewSeed(const ExpertView& view) {
    uint64_t hash = 1469598103934665603ull;
    const auto mix = [&hash](int32_t value) {
        hash = (hash ^ static_cast<uint32_t>(value)) * 1099511628211ull;
    };
    mix(view.Seat);
    mix(view.PlayerCount);
    // All Fives alone mixes nothing more, so that its games stay as they have always been.
    if (!AreFirstRules(view.Rules)) {
        mix(static_cast<int32_t>(view.Rules.Game));
        mix(view.Rules.Partners);
        mix(view.Rules.Target);
    }
    for (int32_t tile : view.Hand) {
        mix(tile);
    }
    for (int player = 1; player <= 4; ++player) {
        mix(view.HandCount[player]);
        mix(view.Scores[player]);
    }
    mix(view.BonePileCount);
    for (const auto& arm : view.Table.Arm) {
        for (const PlacedTile& record : arm) {
            mix(record.Tile);
            mix(record.OuterPip);
        }
    }
    for (int e = 0; e < view.History.Count && e < kMaxHandEvents; ++e) {
        const HandEvent& event = view.History.Events[e];
        mix(static_cast<int32_t>(event.Kind));
        mix(event.Player);
        mix(event.Tile);
    }
    for (int player = 1; player <= 4; ++player) {
        mix(view.Levels.Known[player] ? static_cast<int32_t>(view.Levels.Of[player]) : -1);
    }
    return hash;
}

void Deal(const ExpertView& view, const SampledDeal& deal, GameState& state) {
    FillPublicState(view, state);
    for (int player = 1; player <= 4; ++player) {
        if (player != view.Seat) {
            std::copy(std::begin(deal.Hand[player]), std::end(deal.Hand[player]),
                      state.Hand[player]);
        }
    }
    std::copy(deal.BonePile, deal.BonePile + deal.BonePileCount, state.Deck + state.BonePileNext);
}

struct WeighedDeal {
    SampledDeal deal;
    double weight;
};

// Fewer plays left unexplained by players whose rules are known, then by the others.
bool FitsBetter(const Misfits& a, const Misfits& b) {
    return a.Known != b.Known ? a.Known < b.Known : a.Guessed < b.Guessed;
}

// Whether the t-th deal drawn is worth drawing: until one explains every play of the players
// whose rules are known, and for a few tries one that explains the others' plays too; but not once
// the deals drawn have cost their budget.
bool DrawAnother(const Misfits& bestFit, int t, int handsHeld) {
    if (handsHeld >= kMostHandsHeldPerDeal) {
        return false;
    }
    return bestFit.Known > 0 || (bestFit.Guessed > 0 && t < kGuessTries);
}

// A deal that explains every play of the players whose rules are known, drawn by rejection; after
// tries deals the one that explains most. The plays of players of unknown level are looked for
// only a little and otherwise weigh the deal.
WeighedDeal DrawDeal(const HiddenTiles& hidden, const PastChoices& past, int tries,
                     DealRandom& random) {
    WeighedDeal best{SampleDeal(hidden, random), 0.0};
    Misfits bestFit = past.Judge(best.deal);
    int handsHeld = bestFit.HandsHeld;
    for (int t = 1; t < tries && DrawAnother(bestFit, t, handsHeld); ++t) {
        const SampledDeal deal = SampleDeal(hidden, random);
        const Misfits fit = past.Judge(deal, bestFit.Known);
        handsHeld += fit.HandsHeld;
        if (FitsBetter(fit, bestFit)) {
            best.deal = deal;
            bestFit = fit;
        }
    }
    best.weight = std::pow(kGuessedMisfitWeight, bestFit.Guessed);
    return best;
}

// Deal d has a generator of its own, so the deals do not depend on which thread plays them.
uint64_t DealSeed(uint64_t seed, int d) {
    return Mix64(seed + DealRandom::kGoldenGamma * static_cast<uint64_t>(d + 1));
}

// Everything one decision's deals share; OnDeal may run on any thread.
struct Search {
    const ExpertView& view;
    const Candidates& candidates;
    const HiddenTiles& hidden;
    PastChoices past;
    HandObjective objective;
    const HandPlayout& playout;
    uint64_t seed;
    int tries;

    // The weighed value on deal d of every candidate still racing.
    void OnDeal(int d, const bool* racing, double* values) const {
        DealRandom random(DealSeed(seed, d));
        const WeighedDeal deal = DrawDeal(hidden, past, tries, random);
        GameState state;
        Deal(view, deal.deal, state);
        for (int c = 0; c < candidates.count; ++c) {
            if (racing[c]) {
                values[c] = deal.weight *
                            objective.Value(playout.PlayOut(state, view.Seat, candidates.plays[c]));
            }
        }
    }

    // Deals first to last, shared among threads; the values go to row d of values.
    void Run(int first, int last, const bool* racing, int threads,
             std::vector<double>& values) const;
};

int ThreadCount(int asked) {
    const int cores = static_cast<int>(std::thread::hardware_concurrency());
    return asked > 0 ? asked : std::max(cores, 1);
}

// Deals first to last are dealt out in turn, so that each thread gets early and late ones alike.
template <typename OnDeal>
void ForEachDealOnThreads(int first, int last, int threads, const OnDeal& onDeal) {
    threads = std::max(1, std::min(threads, last - first));
    const auto share = [&](int start) {
        for (int d = first + start; d < last; d += threads) {
            onDeal(d);
        }
    };
    // A share whose thread the system would not start is played here instead.
    std::vector<std::thread> helpers;
    std::vector<int> unstarted;
    for (int t = 1; t < threads; ++t) {
        try {
            helpers.emplace_back(share, t);
        } catch (const std::system_error&) {
            unstarted.push_back(t);
        }
    }
    share(0);
    for (int t : unstarted) {
        share(t);
    }
    for (std::thread& helper : helpers) {
        helper.join();
    }
}

void Search::Run(int first, int last, const bool* racing, int threads,
                 std::vector<double>& values) const {
    ForEachDealOnThreads(first, last, threads, [&](int d) {
        OnDeal(d, racing, &values[static_cast<size_t>(d) * kMaxCandidates]);
    });
}

double Total(const std::vector<double>& values, int deals, int c) {
    double total = 0.0;
    for (int d = 0; d < deals; ++d) {
        total += values[static_cast<size_t>(d) * kMaxCandidates + c];
    }
    return total;
}

// The racing candidate with the best total over the first deals; the earliest on equal totals.
int Leader(const std::vector<double>& values, int deals, int count, const bool* racing) {
    int best = -1;
    double bestTotal = 0.0;
    for (int c = 0; c < count; ++c) {
        const double total = racing[c] ? Total(values, deals, c) : 0.0;
        if (racing[c] && (best < 0 || total > bestTotal)) {
            best = c;
            bestTotal = total;
        }
    }
    return best;
}

// Whether candidate a leads b over the first deals by more than sigmas standard errors of the
// difference, taken deal by deal: both met the same deals, so the luck of each deal cancels and
// what is left is mostly the move.
bool LeadsBy(const std::vector<double>& values, int deals, int a, int b, double sigmas) {
    if (deals < 2) {
        return false;
    }
    double sum = 0.0;
    double squares = 0.0;
    for (int d = 0; d < deals; ++d) {
        const double* row = &values[static_cast<size_t>(d) * kMaxCandidates];
        const double ahead = row[a] - row[b];
        sum += ahead;
        squares += ahead * ahead;
    }
    const double mean = sum / deals;
    const double variance = std::max(0.0, (squares - sum * mean) / (deals - 1));
    return mean > sigmas * std::sqrt(variance / deals);
}

void DropClearlyWorse(const std::vector<double>& values, int deals, int count, bool* racing) {
    const int leader = Leader(values, deals, count, racing);
    for (int c = 0; c < count; ++c) {
        racing[c] = racing[c] && !LeadsBy(values, deals, leader, c, kDropSigmas);
    }
}

// The Advanced choice takes what the table offers now; another move must earn its place by more
// than the sample's noise, or a close call would give points away on the luck of the deals.
int Choose(const std::vector<double>& values, int deals, int count, const bool* racing) {
    const int leader = Leader(values, deals, count, racing);
    const bool advancedClose = racing[0] && !LeadsBy(values, deals, leader, 0, kOvertakeSigmas);
    return advancedClose ? 0 : leader;
}

}  // namespace

HandObjective::HandObjective(const ExpertView& view)
    : seat_(view.Seat),
      target_(TargetScore(view.Rules)),
      spread_(ScoreSpread(view.Rules, view.PlayerCount)),
      rules_(view.Rules) {
    for (int player = 1; player <= 4; ++player) {
        // A pair is one side: its seats hold the same score, and the lower one speaks for it.
        other_[player] = !ShareScore(rules_, player, view.Seat) &&
                         TakesPart(view.PlayerCount, player) && PartnerOf(rules_, player) >= player;
    }
}

double HandObjective::Value(const PlayoutOutcome& outcome) const {
    if (outcome.Winner != 0) {
        return ShareScore(rules_, outcome.Winner, seat_) ? kGameWon : -kGameWon;
    }
    const auto need = [this](int32_t score) { return std::max(1.0, target_ - score); };
    const double mine = need(outcome.Scores[seat_]);
    double chance = 1.0;
    for (int player = 1; player <= 4; ++player) {
        if (other_[player]) {
            chance *= ChanceToReachFirst(mine, need(outcome.Scores[player]), spread_);
        }
    }
    return kGameWon * (2.0 * chance - 1.0);
}

// More deals win more games, but a decision has its time: 384 keep within it where playouts are
// cheap, 320 where All Fives has three or four hands to play out (384 there took a decision's 99th
// percentile to 20 ms and won no more games than the luck of 4,000 allows). Draw and Block between
// two gain from 512 (Draw about 81% of games against 79% with 256; Block, once its playouts kept
// the hand's history, 75.4% of 10,000 against 74.0%), which fit their time once the deals drawn to
// explain the plays are bounded (kMostHandsHeldPerDeal) and a second look thins the moves.
int DealsFor(const ExpertView& view) {
    if (view.PlayerCount != 2) {
        return HasSpinner(view.Rules) ? 320 : 384;
    }
    return ScoresDuringPlay(view.Rules) ? 384 : 512;
}

// In Draw and Block every tile in hand weighs on an Advanced choice and nothing of it is known
// before a deal is drawn, so a deal that explains every play is rarer than in All Fives, where
// most of what a play shows is known beforehand (PastChoices::MarkLackedTiles). In Block between
// two, 64 tries leave about one deal searched in 40 contradicting a play where 8 left one in 9;
// at four they would take a decision past its time.
int TriesFor(const ExpertView& view) {
    return view.PlayerCount == 2 && !ScoresDuringPlay(view.Rules) ? 64 : 8;
}

Play ChooseExpertPlay(const ExpertView& view, const HandPlayout& playout,
                      const ExpertOptions& options) {
    const Candidates candidates = LegalPlays(view);
    if (candidates.count <= 1) {
        return candidates.count == 0 ? Play{} : candidates.plays[0];
    }
    HiddenTiles hidden = ReadHiddenTiles(view);
    if (!hidden.Consistent) {
        return candidates.plays[0];
    }
    PastChoices past(view);
    past.MarkLackedTiles(hidden);
    const Search search{view,
                        candidates,
                        hidden,
                        std::move(past),
                        HandObjective(view),
                        playout,
                        ViewSeed(view) ^ options.Salt,
                        options.Tries > 0 ? options.Tries : TriesFor(view)};
    const int deals = options.Deals > 0 ? options.Deals : DealsFor(view);
    const int threads = ThreadCount(options.Threads);
    std::vector<double> values(static_cast<size_t>(deals) * kMaxCandidates);
    bool racing[kMaxCandidates] = {};
    std::fill(racing, racing + candidates.count, true);
    const int firstLook = std::min(deals, kFirstLook);
    search.Run(0, firstLook, racing, threads, values);
    DropClearlyWorse(values, firstLook, candidates.count, racing);
    int searched = firstLook;
    if (deals >= kSecondLookFrom) {
        searched = deals / 2;
        search.Run(firstLook, searched, racing, threads, values);
        DropClearlyWorse(values, searched, candidates.count, racing);
    }
    search.Run(searched, deals, racing, threads, values);
    const int best = Choose(values, deals, candidates.count, racing);
    return candidates.plays[best];
}

}  // namespace pipwick
