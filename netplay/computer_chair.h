#pragma once

#include <QString>
#include <QUrl>
#include <functional>
#include <memory>

#include "engine/clock.h"
#include "engine/game.h"
#include "engine/game_settings.h"
#include "engine/game_view.h"
#include "model/game_state.h"
#include "model/geometry.h"
#include "netplay/table_connection.h"

namespace pipwick {

class ChairReplay;

// How a computer player's chair at a network table ended: the game played to its end, turned
// away, or the connection or the table failed (why says how).
enum class ChairEnd { kGameOver, kTurnedAway, kFailed };

// A computer player in one chair of a network table. It keeps the chair's own game from the
// table's news (ChairReplay), chooses on it as the computer player at its level would, and sends
// the move: it sees only what a person in that chair sees.
class ComputerChair {
  public:
    using Ended = std::function<void(ChairEnd end, const QString& why)>;

    ComputerChair(int level, Ended ended);
    ~ComputerChair();
    ComputerChair(const ComputerChair&) = delete;
    ComputerChair& operator=(const ComputerChair&) = delete;

    // Joins the table at url; over wss, trusting only the certificate of this SHA-256 fingerprint
    // (hex) unless it is empty.
    void Join(const QUrl& url, const Hello& hello, const QString& fingerprint = {});
    // Every item of news as it arrives and every move as it is sent, for a watcher (the network
    // benchmark).
    void WatchNews(std::function<void(const ChairNews&)> watcher) { watcher_ = std::move(watcher); }
    void WatchMoves(std::function<void()> watcher) { moveWatcher_ = std::move(watcher); }
    // The chair given, its table's winner at the end; 0 before.
    int Seat() const { return seat_; }
    int Winner() const;

  private:
    void Seat(const Welcome& welcome);
    void Take(const ChairNews& news);
    void Finish(ChairEnd end, const QString& why);

    GameState state_;
    GameSettings settings_;
    Geometry geometry_;
    SilentView view_;
    InstantClock clock_;
    NoDeals noDeals_;
    std::unique_ptr<Game> game_;
    std::unique_ptr<ChairReplay> replay_;
    TableConnection connection_;
    Ended ended_;
    std::function<void(const ChairNews&)> watcher_;
    std::function<void()> moveWatcher_;
    int seat_ = 0;
    // A move is on its way: the next is chosen once the table has told it.
    bool moveSent_ = false;
    bool finished_ = false;
};

}  // namespace pipwick
