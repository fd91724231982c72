#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <deque>
#include <functional>
#include <memory>

#include "engine/clock.h"
#include "engine/game.h"
#include "netplay/host_certificate.h"
#include "netplay/table_connection.h"
#include "netplay/table_server.h"
#include "network/chair_replay.h"
#include "shell/dialogs/join_table_dialog.h"

namespace pipwick {

// What the network game asks of the program around it.
struct NetworkServices {
    std::function<void(const QString&)> status;
    // A message the player must read before going on.
    std::function<void(const QString&)> warn;
    std::function<void(const std::function<void()>&)> runSequence;
    // The windows take the table's number of players, and give it back once the table is left.
    std::function<void(int players)> seated;
    std::function<void()> left;
    // The names of the people at the table by the windows' seats; empty for a computer player.
    std::function<void(const std::array<QString, 5>& names)> named;
    // Where the host's certificate is kept, and how the program that makes it is started.
    QString certificateFolder;
    ProcessStarter startProcess;
};

// The program's one game playing a network table: the table's news is played into it through a
// ChairReplay, an item at a time with a short pause before each other player's move, and the
// player's own leads, plays and Draw/Pass go to the table, to be played when their news comes
// back. A host's table is served here too, and his game sits at it over the loopback.
class NetworkPlay : public QObject {
  public:
    NetworkPlay(Game& game, GameState& state, Clock& clock, NetworkServices services);
    ~NetworkPlay() override;

    // Opens a table on every interface as setup lays it, over wss with the host's own
    // certificate, and sits at it as name; null with the reason in error when it cannot.
    TableServer* Host(const TableSetup& setup, const QString& name, QString& error);
    void Join(const JoinChoices& where);
    // Leaves the table; a host's table ends for everyone at it, each told why.
    void Leave();
    bool AtTable() const { return connection_ != nullptr; }
    // Runs command now, or once the table's item being played is done when one is.
    void WhenIdle(std::function<void()> command);

    void LeadOrPickUp(int slot);
    void PlayOnArm(int armIndex);
    void DrawOrPass();

  private:
    void Open(const QUrl& url, const QString& code, const QString& name,
              const QString& fingerprint);
    void Welcomed(const Welcome& welcome);
    void ChairsTold(const Chairs& chairs);
    void TurnedAway(TurnawayReason reason);
    void Refused(MoveVerdict verdict);
    void Arrived(const ChairNews& news);
    void Ended(const QString& reason);
    void PlayNews();
    void TellChair(const ChairNews& news);
    bool MayMove();
    void Send(const Play& play);
    void Close(const QString& told = {});

    Game& game_;
    GameState& state_;
    Clock& clock_;
    NetworkServices services_;
    std::unique_ptr<TableServer> server_;
    TableConnection* connection_ = nullptr;
    std::unique_ptr<ChairReplay> replay_;
    std::deque<ChairNews> news_;
    // Who sits in each of the table's chairs, as last told.
    Chairs chairs_;
    bool playing_ = false;
    bool moveSent_ = false;
    // The table's certificate was held to a fingerprint the player gave (or the host's own).
    bool fingerprintChecked_ = false;
    // The table has gone while an item was played: it is left, and farewell_ told, after it.
    bool closing_ = false;
    QString farewell_;
    std::function<void()> whenIdle_;
};

}  // namespace pipwick
