#include "network/chair_replay.h"

#include "model/rules.h"

namespace pipwick {

namespace {

// Far above what any play or hand scores; it keeps the told scores from overflowing.
constexpr int32_t kMostPoints = 1000;

// A seat's place in the order of play at a table of players: 1, 3 with two; 1, 2, 3 (, 4) else.
int TurnIndex(int players, int seat) {
    if (players < 2 || players > 4 || !TakesPart(players, seat)) {
        return -1;
    }
    if (players == 2) {
        return seat == 1 ? 0 : 1;
    }
    return seat - 1;
}

int SeatAtTurn(int players, int index) {
    if (players == 2) {
        return index == 0 ? 1 : 3;
    }
    return index + 1;
}

bool IsTile(int32_t tile) {
    return tile >= 1 && tile <= kTileCount;
}

bool InHand(const int32_t (&hand)[kHandSlots], int32_t tile) {
    for (int32_t held : hand) {
        if (held == tile) {
            return true;
        }
    }
    return false;
}

int SlotOf(const int32_t (&hand)[kHandSlots], int32_t tile) {
    for (int slot = 0; slot < kHandSlots; ++slot) {
        if (hand[slot] == tile) {
            return slot;
        }
    }
    return kEmptySlot;
}

bool OnTable(const GameState& state, int32_t tile) {
    for (const auto& arm : state.Arm) {
        for (const PlacedTile& record : arm) {
            if (record.Tile == tile) {
                return true;
            }
        }
    }
    return false;
}

// A tile the chair has not seen: in another hand or the bone pile, as far as he knows.
bool Unseen(const GameState& state, int32_t tile) {
    return IsTile(tile) && !InHand(state.Hand[kHumanSeat], tile) && !OnTable(state, tile);
}

// Two unseen tiles change places wherever they lie, in the other hands and in the deck alike, so
// the bone pile stays the deck's tail and every tile stays in one place.
void Exchange(GameState& state, int32_t a, int32_t b) {
    auto swapped = [a, b](int32_t& tile) {
        if (tile == a) {
            tile = b;
        } else if (tile == b) {
            tile = a;
        }
    };
    for (int player = 2; player <= 4; ++player) {
        for (int32_t& tile : state.Hand[player]) {
            swapped(tile);
        }
    }
    for (int p = 1; p < kDeckSize; ++p) {
        swapped(state.Deck[p]);
    }
}

bool Fits(const GameState& state, int32_t tile) {
    const int32_t open = OpenPipMask(state);
    return TableIsEmpty(state) || (open >> LowPip(tile) & 1) != 0 ||
           (open >> HighPip(tile) & 1) != 0;
}

// Puts tile in seat's hidden hand, in place of one of its unseen tiles.
const char* TakeIntoHand(GameState& state, int seat, int32_t tile) {
    if (InHand(state.Hand[seat], tile)) {
        return nullptr;
    }
    const int count = HandCount(state, seat);
    if (count == 0) {
        return "a tile laid by a seat that holds none";
    }
    Exchange(state, tile, state.Hand[seat][count - 1]);
    return nullptr;
}

// An unseen tile outside seat's hand that fits no open end; kNoTile when there is none.
int32_t UnseenMisfit(const GameState& state, int seat) {
    for (int32_t tile = 1; tile <= kTileCount; ++tile) {
        if (Unseen(state, tile) && !InHand(state.Hand[seat], tile) && !Fits(state, tile)) {
            return tile;
        }
    }
    return kNoTile;
}

}  // namespace

ChairReplay::ChairReplay(Game& game, GameState& state, int chair, int players)
    : game_(game),
      state_(state),
      dealtBefore_(game.DealFrom(*this)),
      chair_(chair),
      players_(players) {
    if (TurnIndex(players, chair) < 0) {
        Break("no such chair at the table");
    }
}

ChairReplay::~ChairReplay() {
    game_.DealFrom(dealtBefore_);
}

int ChairReplay::LocalSeat(int serverSeat) const {
    const int at = TurnIndex(players_, serverSeat);
    const int chair = TurnIndex(players_, chair_);
    if (at < 0 || chair < 0) {
        return 0;
    }
    return SeatAtTurn(players_, (at - chair + players_) % players_);
}

int ChairReplay::ServerSeat(int localSeat) const {
    const int at = TurnIndex(players_, localSeat);
    const int chair = TurnIndex(players_, chair_);
    if (at < 0 || chair < 0) {
        return 0;
    }
    return SeatAtTurn(players_, (at + chair) % players_);
}

ChairMove ChairReplay::MoveOf(const Play& play) const {
    if (play.slot == kEmptySlot) {
        return {true, kNoTile, 0};
    }
    const bool inHand = play.slot >= 0 && play.slot < kHandSlots;
    return {false, inHand ? state_.Hand[kHumanSeat][play.slot] : kNoTile, play.arm};
}

bool ChairReplay::MyTurn() const {
    return !Broken() && queue_.empty() && underWay_ && state_.GameInProgress == 1 &&
           state_.CurrentPlayer == kHumanSeat;
}

bool ChairReplay::StoodIn(int serverSeat) const {
    return serverSeat >= 1 && serverSeat <= 4 && standIn_[serverSeat];
}

void ChairReplay::Take(const ChairNews& news) {
    if (Broken()) {
        return;
    }
    queue_.push_back(news);
    PlayWhatCan();
}

void ChairReplay::PlayWhatCan() {
    while (!Broken() && !queue_.empty()) {
        const size_t played = PlayFront();
        if (played == 0) {
            return;
        }
        queue_.erase(queue_.begin(), queue_.begin() + static_cast<std::ptrdiff_t>(played));
    }
}

// How many items the front of the queue played: 0 while it waits for more, or once broken.
size_t ChairReplay::PlayFront() {
    const ChairNews& news = queue_.front();
    switch (news.kind) {
        case NewsKind::kGameStarted:
            return StartGame();
        case NewsKind::kHandDealt:
            return Break("a hand dealt that no hand's end called for");
        case NewsKind::kTileLaid:
            return PlayLaid(news);
        case NewsKind::kPlayScored:
            return Score(news);
        case NewsKind::kTileDrawn:
            return PlayDrawn(news);
        case NewsKind::kPassed:
            return PlayPassed(news);
        case NewsKind::kHandEnded:
            return Break("a hand ended that goes on here");
        case NewsKind::kGameEnded:
            return EndGame(news);
        case NewsKind::kStandIn:
            return NoteStandIn(news, true);
        case NewsKind::kReturned:
            return NoteStandIn(news, false);
    }
    return Break("news of no known kind");
}

// The game starts with its first deal, so it waits for it.
size_t ChairReplay::StartGame() {
    if (queue_.size() < 2) {
        return 0;
    }
    const ChairNews& deal = queue_[1];
    if (deal.kind != NewsKind::kHandDealt) {
        return Break("a game started without a deal");
    }
    if (const char* fault = RulesFault(queue_[0].rules)) {
        return Break(fault);
    }
    if (const char* fault = DealFault(deal)) {
        return Break(fault);
    }
    rules_ = queue_[0].rules;
    state_.PlayerCount = players_;
    state_.Rules = rules_;
    Seats people;
    for (Controller& seat : people.Of) {
        seat = Controller::kPerson;
    }
    game_.SeatPlayers(people);
    for (int32_t& score : told_) {
        score = 0;
    }
    underWay_ = true;
    ended_ = false;
    winner_ = 0;
    DealNext(&deal);
    game_.NewGame();
    return DealtAsTold(&deal) ? 2 : Break("the game did not deal");
}

size_t ChairReplay::PlayLaid(const ChairNews& news) {
    if (const char* fault = MoveFault(news)) {
        return Break(fault);
    }
    const int seat = LocalSeat(news.seat);
    const int32_t tile = news.tile;
    if (!IsTile(tile) || news.arm < 0 || news.arm >= kArmCount) {
        return Break("a tile or an arm that is none");
    }
    if (seat == kHumanSeat ? !InHand(state_.Hand[kHumanSeat], tile) : !Unseen(state_, tile)) {
        return Break(seat == kHumanSeat ? "the chair laid a tile he does not hold"
                                        : "a tile laid that the chair has seen");
    }
    if (!TableIsEmpty(state_) && !Shows(tile, state_.ArmOpenPip[news.arm])) {
        return Break("a tile laid where it does not fit");
    }
    GameState next = state_;
    if (const char* fault = TakeIntoHand(next, seat, tile)) {
        return Break(fault);
    }
    HandEnd end;
    const bool lastTile = HandCount(next, seat) == 1;
    if (lastTile) {
        end = FindHandEnd(false);
        if (end.items == 0) {
            return 0;
        }
        if (const char* fault = Prepare(next, end, seat, tile)) {
            return Break(fault);
        }
    }
    const GameState before = state_;
    state_ = next;
    DealNext(end.dealt != 0 ? &queue_[end.dealt] : nullptr);
    if (!game_.PersonPlays(seat, SlotOf(state_.Hand[seat], tile), news.arm)) {
        state_ = before;
        return Break("the game refused a tile laid");
    }
    return lastTile ? TakeHandEnd(end) : 1;
}

size_t ChairReplay::PlayDrawn(const ChairNews& news) {
    if (const char* fault = MoveFault(news)) {
        return Break(fault);
    }
    const int seat = LocalSeat(news.seat);
    const int held = HandCount(state_, seat);
    if (!MayDraw(state_) || held >= kHandSlots) {
        return Break("a draw with nothing to draw");
    }
    // The chair's own tile is put on top of the pile; another's is whatever lies there.
    if (seat == kHumanSeat) {
        if (!Unseen(state_, news.tile)) {
            return Break("the chair drew a tile he has seen");
        }
        Exchange(state_, news.tile, state_.Deck[state_.BonePileNext]);
    }
    game_.PersonDrawsOrPasses(seat);
    return HandCount(state_, seat) == held + 1 ? 1 : Break("the game refused a draw");
}

size_t ChairReplay::PlayPassed(const ChairNews& news) {
    if (const char* fault = MoveFault(news)) {
        return Break(fault);
    }
    const int seat = LocalSeat(news.seat);
    if (MayDraw(state_)) {
        return Break("a pass while the bone pile has tiles to draw");
    }
    // Every seat here is a person's, so this pass ends the hand as soon as the round is complete.
    const bool endsHand = state_.ConsecutivePasses + 1 >= state_.PlayerCount;
    GameState next = state_;
    HandEnd end;
    if (endsHand) {
        end = FindHandEnd(true);
        if (end.items == 0) {
            return 0;
        }
        if (const char* fault = Prepare(next, end, seat, kNoTile)) {
            return Break(fault);
        }
    }
    if (MustPlayWhenAble(next.Rules)) {
        if (const char* fault = HoldNoTileThatFits(next, seat, endsHand)) {
            return Break(fault);
        }
    }
    state_ = next;
    const int32_t passes = state_.ConsecutivePasses;
    DealNext(end.dealt != 0 ? &queue_[end.dealt] : nullptr);
    game_.PersonDrawsOrPasses(seat);
    if (endsHand) {
        return TakeHandEnd(end);
    }
    return state_.ConsecutivePasses == passes + 1 ? 1 : Break("the game refused a pass");
}

size_t ChairReplay::Score(const ChairNews& news) {
    if (!underWay_) {
        return Break("a score with no game under way");
    }
    if (const char* fault = PointsFault(news)) {
        return Break(fault);
    }
    Told(news.seat, news.points);
    return ScoresAgree() ? 1 : Break("a play scored otherwise than here");
}

size_t ChairReplay::EndGame(const ChairNews& news) {
    if (!underWay_ || state_.GameInProgress != 0) {
        return Break("the game ended where it goes on here");
    }
    if (LocalSeat(news.seat) == 0) {
        return Break("a winner not at the table");
    }
    Finish(news.seat);
    return ScoresAgree() ? 1 : Break("the game ended on other scores than here");
}

size_t ChairReplay::NoteStandIn(const ChairNews& news, bool standingIn) {
    if (LocalSeat(news.seat) == 0) {
        return Break("a stand-in for a seat not at the table");
    }
    standIn_[news.seat] = standingIn;
    return 1;
}

const char* ChairReplay::MoveFault(const ChairNews& news) const {
    if (!underWay_ || state_.GameInProgress != 1) {
        return "a move with no game under way";
    }
    if (LocalSeat(news.seat) == 0 || state_.CurrentPlayer != LocalSeat(news.seat)) {
        return "a move out of turn";
    }
    if (!ScoresAgree()) {
        return "scores that differ from the table's";
    }
    return nullptr;
}

// The items that follow a move ending the hand: for a play, what it scored, then the hands shown
// and the next deal or the game's end (or the game's end at once when the play reached the
// target); for a pass, perhaps a computer player's pass that ends the hand at the table, then the
// same. Nothing while some are still to come.
ChairReplay::HandEnd ChairReplay::FindHandEnd(bool byPass) {
    HandEnd end;
    size_t i = 1;
    const auto kindAt = [this](size_t at) { return queue_[at].kind; };
    if (byPass && i < queue_.size() && kindAt(i) == NewsKind::kPassed) {
        const int next = NextPlayer(state_, LocalSeat(queue_[0].seat));
        if (LocalSeat(queue_[i].seat) != next) {
            Break("a pass out of turn after a round of passes");
            return {};
        }
        ++i;
    }
    if (!byPass && i < queue_.size() && kindAt(i) == NewsKind::kPlayScored) {
        end.scored = i++;
    }
    if (i >= queue_.size()) {
        return {};
    }
    if (!byPass && kindAt(i) == NewsKind::kGameEnded) {
        end.gameEnded = i;
    } else if (kindAt(i) == NewsKind::kHandEnded) {
        end.shown = i++;
        if (i >= queue_.size()) {
            return {};
        }
        if (kindAt(i) == NewsKind::kHandDealt) {
            end.dealt = i;
        } else if (kindAt(i) == NewsKind::kGameEnded) {
            end.gameEnded = i;
        } else {
            Break("a hand ended with neither a deal nor the game's end");
            return {};
        }
    } else {
        Break("the table played on where the hand ends here");
        return {};
    }
    end.items = i + 1;
    return end;
}

// Checks the items that end the hand and turns the hands face up in next, before the move.
const char* ChairReplay::Prepare(GameState& next, const HandEnd& end, int mover,
                                 int32_t laid) const {
    if (end.scored != 0) {
        if (const char* fault = PointsFault(queue_[end.scored])) {
            return fault;
        }
    }
    if (end.shown != 0) {
        const ChairNews& shown = queue_[end.shown];
        if (shown.seat != 0) {
            if (const char* fault = PointsFault(shown)) {
                return fault;
            }
        }
        if (const char* fault = ShowHands(next, shown, mover, laid)) {
            return fault;
        }
    }
    if (end.dealt != 0) {
        if (const char* fault = DealFault(queue_[end.dealt])) {
            return fault;
        }
    }
    if (end.gameEnded != 0 && LocalSeat(queue_[end.gameEnded].seat) == 0) {
        return "a winner not at the table";
    }
    return nullptr;
}

// Puts every tile shown into its hand: the engine's own award then counts the true pips. The
// mover still holds laid, which he is about to lay.
const char* ChairReplay::ShowHands(GameState& next, const ChairNews& shown, int mover,
                                   int32_t laid) const {
    bool seen[kTileCount + 1] = {};
    for (int server = 1; server <= 4; ++server) {
        const int seat = LocalSeat(server);
        int count = 0;
        for (int32_t tile : shown.hands[server]) {
            if (tile == kNoTile) {
                continue;
            }
            if (seat == 0) {
                return "tiles shown for a seat not at the table";
            }
            const bool mine = seat == kHumanSeat;
            if (!IsTile(tile) || seen[tile] || tile == laid ||
                (mine ? !InHand(next.Hand[kHumanSeat], tile) : !Unseen(next, tile))) {
                return "a hand shown with a tile it cannot hold";
            }
            seen[tile] = true;
            ++count;
        }
        const int held =
            seat == 0 ? 0 : HandCount(next, seat) - (seat == mover && laid != kNoTile ? 1 : 0);
        if (count != held) {
            return "a hand shown with more or fewer tiles than it holds";
        }
    }
    for (int seat = 2; seat <= 4; ++seat) {
        if (!TakesPart(players_, seat)) {
            continue;
        }
        const int32_t(&wanted)[kHandSlots] = shown.hands[ServerSeat(seat)];
        int32_t(&hand)[kHandSlots] = next.Hand[seat];
        for (int32_t tile : wanted) {
            if (tile == kNoTile || InHand(hand, tile)) {
                continue;
            }
            for (int slot = 0; slot < HandCount(next, seat); ++slot) {
                if (hand[slot] != laid && !InHand(wanted, hand[slot])) {
                    Exchange(next, tile, hand[slot]);
                    break;
                }
            }
        }
    }
    return nullptr;
}

// Where a player who can play must, a seat that passed holds no tile that fits: its hidden tiles
// are changed for unseen ones that do not. Hands already turned face up are as they are.
const char* ChairReplay::HoldNoTileThatFits(GameState& next, int seat, bool shown) const {
    for (int slot = 0; slot < HandCount(next, seat); ++slot) {
        const int32_t tile = next.Hand[seat][slot];
        if (!Fits(next, tile)) {
            continue;
        }
        const int32_t misfit = shown ? kNoTile : UnseenMisfit(next, seat);
        if (misfit == kNoTile) {
            return "a pass by a seat that holds a tile that fits";
        }
        Exchange(next, tile, misfit);
    }
    return nullptr;
}

// The items after a move that ended the hand, played by it: its scores, the hands shown, the
// next deal or the game's end.
size_t ChairReplay::TakeHandEnd(const HandEnd& end) {
    const ChairNews* dealt = end.dealt != 0 ? &queue_[end.dealt] : nullptr;
    if (!DealtAsTold(dealt)) {
        return Break("the next hand was not dealt as the table dealt it");
    }
    if (end.scored != 0) {
        Told(queue_[end.scored].seat, queue_[end.scored].points);
    }
    if (end.shown != 0) {
        Told(queue_[end.shown].seat, queue_[end.shown].points);
    }
    if ((end.gameEnded != 0) != (state_.GameInProgress == 0)) {
        return Break("the game's end differs from the table's");
    }
    if (end.gameEnded != 0) {
        Finish(queue_[end.gameEnded].seat);
    }
    return ScoresAgree() ? end.items : Break("a hand ended on other scores than here");
}

void ChairReplay::DealNext(const ChairNews* deal) {
    deal_ = deal;
    dealTaken_ = false;
}

// Whether the engine dealt deal, when there was one, and dealt nothing otherwise.
bool ChairReplay::DealtAsTold(const ChairNews* deal) {
    const bool asTold = dealTaken_ == (deal != nullptr);
    DealNext(nullptr);
    return asTold;
}

// The chair's own tiles in his hand as the table holds them, the other hands filled to their
// counts with unseen tiles and the rest in the bone pile; the leader is the table's.
void ChairReplay::Dealt(GameState& state) {
    if (deal_ == nullptr) {
        Break("the game dealt a hand that the table did not");
        return;
    }
    dealTaken_ = true;
    const ChairNews& deal = *deal_;
    state.Rules = rules_;
    for (auto& hand : state.Hand) {
        for (int32_t& slot : hand) {
            slot = kNoTile;
        }
    }
    bool mine[kTileCount + 1] = {};
    int k = 1;
    for (int slot = 0; slot < deal.counts[chair_]; ++slot) {
        const int32_t tile = deal.hands[chair_][slot];
        state.Hand[kHumanSeat][slot] = tile;
        state.Deck[k++] = tile;
        mine[tile] = true;
    }
    int32_t unseen = 1;
    const auto nextUnseen = [&] {
        while (unseen <= kTileCount && mine[unseen]) {
            ++unseen;
        }
        return unseen++;
    };
    for (int seat = 2; seat <= 4; ++seat) {
        for (int slot = 0; TakesPart(players_, seat) && slot < deal.counts[ServerSeat(seat)];
             ++slot) {
            state.Hand[seat][slot] = state.Deck[k++] = nextUnseen();
        }
    }
    state.BonePileNext = k;
    while (k < kDeckSize) {
        state.Deck[k++] = nextUnseen();
    }
    state.NextLeader = LocalSeat(deal.seat);
}

const char* ChairReplay::DealFault(const ChairNews& deal) const {
    if (LocalSeat(deal.seat) == 0) {
        return "a hand led by a seat not at the table";
    }
    int total = 0;
    for (int seat = 1; seat <= 4; ++seat) {
        const int32_t count = deal.counts[seat];
        const bool atTable = TakesPart(players_, seat);
        if (atTable ? count < 0 || count > kHandSlots : count != 0) {
            return "a hand dealt of a count it cannot have";
        }
        total += count;
    }
    if (total > kTileCount) {
        return "a deal of more tiles than the set holds";
    }
    bool seen[kTileCount + 1] = {};
    for (int slot = 0; slot < kHandSlots; ++slot) {
        const int32_t tile = deal.hands[chair_][slot];
        const bool dealt = slot < deal.counts[chair_];
        if (dealt ? !IsTile(tile) || seen[tile] : tile != kNoTile) {
            return "the chair's tiles are not his count of tiles";
        }
        if (dealt) {
            seen[tile] = true;
        }
    }
    return nullptr;
}

const char* ChairReplay::RulesFault(const GameRules& rules) const {
    const bool partnersFit = rules.Partners == 0 || (rules.Partners == 1 && players_ == 4);
    if (!IsDominoGame(static_cast<int32_t>(rules.Game)) || !partnersFit ||
        !IsTargetChoice(rules.Game, rules.Target)) {
        return "rules the game does not know";
    }
    return nullptr;
}

const char* ChairReplay::PointsFault(const ChairNews& news) const {
    if (LocalSeat(news.seat) == 0 || news.points < 0 || news.points > kMostPoints) {
        return "points that no seat at the table can score";
    }
    return nullptr;
}

// Points told for seat, which partners share; seat 0 won nothing.
void ChairReplay::Told(int seat, int32_t points) {
    if (seat < 1 || seat > 4) {
        return;
    }
    told_[seat] += points;
    const int partner = PartnerOf(rules_, seat);
    if (partner != seat) {
        told_[partner] += points;
    }
}

bool ChairReplay::ScoresAgree() const {
    for (int seat = 1; seat <= 4; ++seat) {
        if (TakesPart(players_, seat) && state_.Scores[LocalSeat(seat)] != told_[seat]) {
            return false;
        }
    }
    return true;
}

void ChairReplay::Finish(int winner) {
    underWay_ = false;
    ended_ = true;
    winner_ = winner;
}

size_t ChairReplay::Break(const char* why) {
    if (broken_.empty()) {
        broken_ = why;
    }
    return 0;
}

}  // namespace pipwick
