#pragma once

#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QSslConfiguration>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWebSocketServer>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "engine/clock.h"
#include "engine/derived_seeds.h"
#include "network/chair_roster.h"
#include "network/messages.h"
#include "network/server_table.h"

class QWebSocket;

namespace pipwick {

// The limits that keep one player from hurting a table: what he may send, how fast, and how long
// the table waits for him.
struct GuestLimits {
    int connectionsPerAddress = 8;
    std::chrono::milliseconds helloWithin{10000};
    std::chrono::milliseconds wrongCodeDelay{1000};
    // Moves refused in one second; a taken move needs the turn, so it cannot flood.
    int refusedPerSecond = 20;
    // A player whose unread messages pile up beyond this is not reading: he is let go.
    int64_t unreadBytes = 1 << 20;
};

// How the server is set up: where it listens, its tables and the players' limits.
struct ServerSetup {
    QHostAddress address = QHostAddress::LocalHost;
    uint16_t port = 0;
    int tables = 1;
    TableSetup table;
    // Every table's code; a new random one for each table when empty.
    QString code;
    // Deals every table from this seed, for tests that compare a table with the one-person game;
    // a table so seeded can be foreseen, so no real table has one.
    std::optional<uint64_t> testSeed;
    // Set for wss; plain ws otherwise.
    std::optional<QSslConfiguration> tls;
    GuestLimits limits;
    // Starts a table's game as soon as every person's chair is held; else StartTable does.
    bool startWhenFull = true;
};

// One server of network tables over WebSockets: it seats players by code and name, passes their
// moves to their table's ServerTable, and sends each chair its news. It is the same code inside
// the game (Host a Table) and in pipwick-server.
class TableServer : public QObject {
    Q_OBJECT

  public:
    explicit TableServer(const ServerSetup& setup, QObject* parent = nullptr);
    ~TableServer() override;

    // Listens; false with the reason in error when it cannot.
    bool Listen(QString& error);
    uint16_t Port() const;
    // The SHA-256 fingerprint (hex) of the certificate wss is served with; empty for plain ws.
    QString Fingerprint() const;
    int TableCount() const { return static_cast<int>(tables_.size()); }
    QString Code(int table) const;
    // The names in table's chairs (entry 0 unused); empty where nobody sits.
    std::vector<QString> Names(int table) const;
    bool Full(int table) const;
    // Starts table's game when every person's chair is held; false otherwise.
    bool StartTable(int table);
    // Ends every table: each player is told why in one line and let go.
    void EndTables(const QString& reason);
    // The whole of a table's game (for its trace); the server's own.
    ServerTable& Table(int table);
    // A table's deal seeds when dealt from a test's seed; null otherwise.
    const DerivedSeeds* TestSeeds(int table) const;

  signals:
    void ChairsChanged(int table);
    void GameEnded(int table);

  private:
    struct Guest;
    struct HostedTable;

    void Upgrade();
    void Admit();
    void Receive(Guest& guest, const QString& frame);
    void Greet(Guest& guest, const Hello& hello);
    void TurnAway(Guest& guest, TurnawayReason reason);
    void Seat(Guest& guest, int table, const ChairGiven& given);
    void Play(Guest& guest, const ChairMove& move);
    void Drop(Guest& guest);
    void LetGo(Guest& guest, QWebSocketProtocol::CloseCode code, const QString& reason);
    void Send(Guest& guest, const ServerMessage& message);
    void SendNews(int table);
    void AfterGameEnd(int table);
    bool Floods(Guest& guest);
    int FindTable(const std::string& code, const std::string& name) const;
    Guest* GuestAt(int table, int seat) const;
    int GuestsFrom(const QHostAddress& address) const;

    ServerSetup setup_;
    // Listens (with TLS for wss) and hands each connection to server_ for the WebSocket
    // handshake, once its socket sends each small frame at once.
    std::unique_ptr<QTcpServer> listener_;
    QWebSocketServer server_;
    std::vector<std::unique_ptr<HostedTable>> tables_;
    std::vector<std::unique_ptr<Guest>> guests_;
    // Connections still in their WebSocket handshake: let go unless it ends in time.
    std::vector<QPointer<QTcpSocket>> handshaking_;
};

}  // namespace pipwick
