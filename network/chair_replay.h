#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

#include "ai/computer_player.h"
#include "engine/clock.h"
#include "engine/game.h"
#include "model/game_state.h"
#include "network/chair_news.h"
#include "network/server_table.h"

namespace pipwick {

// A chair's own game of a network table: what the player in that chair knows, played move for
// move through the same engine as a local game, so that his windows show it as they show any
// other. The chair is local seat 1 and the other seats follow it in the table's order, which
// keeps partners opposite; every local seat is a person's, so the engine never chooses a move.
//
// The tiles a chair has not seen lie in the other hands and the bone pile in no particular
// order; when the news shows one (laid, drawn by the chair, or turned face up at a hand's end) it
// is swapped into its place first. The computer players and the hint never read those tiles, so
// they choose here what they would choose on the table's true state.
//
// An item that contradicts the chair's game (a tile the chair holds laid by another, a move out
// of turn, scores that differ) breaks the replay: it says why and plays nothing more. An item is
// checked before it is played, and one found wrong there leaves the game as it was; scores are
// held against the table's once the move is made.
class ChairReplay : private SeedSource {
  public:
    // game plays on state; chair (the table's seat, 1..4) sits at a table of players (2..4), as
    // the welcome told. The game deals from the news from now on, and again as it did once the
    // replay is gone; a deal it makes itself (a New of its own) breaks the replay. Its record
    // sees the rules of its own settings at GameStarted: the table's are in place from the deal.
    ChairReplay(Game& game, GameState& state, int chair, int players);
    ~ChairReplay() override;
    ChairReplay(const ChairReplay&) = delete;
    ChairReplay& operator=(const ChairReplay&) = delete;

    // Queues one item of the chair's news, in the table's seats, and plays every queued item that
    // can be played now. A move that ends a hand waits for the hands shown and the next deal.
    void Take(const ChairNews& news);

    // Seats of the local game and of the table for one another; 0 for a seat not at the table.
    int LocalSeat(int serverSeat) const;
    int ServerSeat(int localSeat) const;
    // The move to send for local seat 1's choice.
    ChairMove MoveOf(const Play& play) const;
    // Whether the chair is to move: a game is under way, it is his turn and nothing waits.
    bool MyTurn() const;

    // Whether the game was played to its end, and the table's winner of it (its seat): the
    // engine breaks a tie by seat number, which reads differently from another chair.
    bool GameEnded() const { return ended_; }
    int ServerWinner() const { return winner_; }
    // Whether a computer player keeps serverSeat's chair while its person is gone.
    bool StoodIn(int serverSeat) const;

    bool Broken() const { return !broken_.empty(); }
    const std::string& WhyBroken() const { return broken_; }

  private:
    // Where the items that end a hand lie in the queue, after the move that ends it; 0 for none.
    struct HandEnd {
        size_t items = 0;  // the move and its items; 0 while some are still to come
        size_t shown = 0;
        size_t scored = 0;
        size_t dealt = 0;
        size_t gameEnded = 0;
    };

    uint32_t DealSeed() override { return 0; }
    void Dealt(GameState& state) override;

    void PlayWhatCan();
    size_t PlayFront();
    size_t StartGame();
    size_t PlayLaid(const ChairNews& news);
    size_t PlayDrawn(const ChairNews& news);
    size_t PlayPassed(const ChairNews& news);
    size_t Score(const ChairNews& news);
    size_t EndGame(const ChairNews& news);
    size_t NoteStandIn(const ChairNews& news, bool standingIn);

    // Each answers what is wrong, or nullptr when nothing is.
    const char* MoveFault(const ChairNews& news) const;
    const char* Prepare(GameState& next, const HandEnd& end, int mover, int32_t laid) const;
    const char* ShowHands(GameState& next, const ChairNews& shown, int mover, int32_t laid) const;
    const char* HoldNoTileThatFits(GameState& next, int seat, bool shown) const;
    const char* DealFault(const ChairNews& deal) const;
    const char* RulesFault(const GameRules& rules) const;
    const char* PointsFault(const ChairNews& news) const;

    HandEnd FindHandEnd(bool byPass);
    size_t TakeHandEnd(const HandEnd& end);
    void DealNext(const ChairNews* deal);
    bool DealtAsTold(const ChairNews* deal);
    void Told(int seat, int32_t points);
    bool ScoresAgree() const;
    void Finish(int winner);
    // Stops the replay for why; answers 0, the items played.
    size_t Break(const char* why);

    Game& game_;
    GameState& state_;
    SeedSource& dealtBefore_;
    int chair_;
    int players_;
    std::deque<ChairNews> queue_;
    GameRules rules_;
    // The deal the engine's next hand takes, and whether it took it.
    const ChairNews* deal_ = nullptr;
    bool dealTaken_ = false;
    bool underWay_ = false;
    bool ended_ = false;
    int winner_ = 0;
    bool standIn_[5] = {};
    // The scores as the table told them, in its seats.
    int32_t told_[5] = {};
    std::string broken_;
};

}  // namespace pipwick
