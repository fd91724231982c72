#include "netplay/table_server.h"

#include <QCryptographicHash>

#include <QSslServer>
#include <QTcpSocket>
#include <QTimer>
#include <QWebSocket>
#include <algorithm>

#include "engine/derived_seeds.h"
#include "netplay/table_code.h"
#include "network/system_seeds.h"

namespace pipwick {

struct TableServer::Guest {
    // Every connection and timer of the guest's has this as its context, so none outlives him.
    QObject life;
    QWebSocket* socket = nullptr;
    QHostAddress address;
    int table = -1;
    int seat = 0;
    bool turnedAway = false;
    bool gone = false;
    QTimer helloDeadline;
    int64_t secondStarted = 0;
    int messagesThisSecond = 0;
};

struct TableServer::HostedTable {
    HostedTable(const TableSetup& setup, const QString& tableCode,
                std::unique_ptr<SeedSource> tableSeeds, const DerivedSeeds* seededForTest)
        : code(tableCode.toStdString()),
          seeds(std::move(tableSeeds)),
          testSeeds(seededForTest),
          roster(setup.People, setup.Players),
          game(setup, clock, *seeds) {}

    std::string code;
    InstantClock clock;
    std::unique_ptr<SeedSource> seeds;
    const DerivedSeeds* testSeeds;
    ChairRoster roster;
    ServerTable game;
    bool started = false;
};

TableServer::TableServer(const ServerSetup& setup, QObject* parent)
    : QObject(parent),
      setup_(setup),
      server_(QStringLiteral("pipwick"), QWebSocketServer::NonSecureMode) {
    if (setup_.tls) {
        auto tls = std::make_unique<QSslServer>();
        tls->setSslConfiguration(*setup_.tls);
        tls->setHandshakeTimeout(static_cast<int>(setup_.limits.helloWithin.count()));
        listener_ = std::move(tls);
    } else {
        listener_ = std::make_unique<QTcpServer>();
    }
    connect(listener_.get(), &QTcpServer::pendingConnectionAvailable, this, &TableServer::Upgrade);
    server_.setHandshakeTimeout(static_cast<int>(setup_.limits.helloWithin.count()));
    for (int i = 0; i < std::max(setup_.tables, 1); ++i) {
        std::unique_ptr<SeedSource> seeds;
        const DerivedSeeds* testSeeds = nullptr;
        if (setup_.testSeed) {
            auto derived =
                std::make_unique<DerivedSeeds>(*setup_.testSeed + static_cast<uint64_t>(i));
            testSeeds = derived.get();
            seeds = std::move(derived);
        } else {
            seeds = std::make_unique<SystemSeeds>();
        }
        const QString code = setup_.code.isEmpty() ? NewTableCode() : setup_.code;
        tables_.push_back(
            std::make_unique<HostedTable>(setup_.table, code, std::move(seeds), testSeeds));
    }
    connect(&server_, &QWebSocketServer::newConnection, this, &TableServer::Admit);
}

// The sockets are the server's children and go with it, after the guests and their connections.
TableServer::~TableServer() = default;

bool TableServer::Listen(QString& error) {
    if (!listener_->listen(setup_.address, setup_.port)) {
        error = listener_->errorString();
        return false;
    }
    return true;
}

uint16_t TableServer::Port() const {
    return listener_->serverPort();
}

QString TableServer::Fingerprint() const {
    return setup_.tls
               ? QString::fromLatin1(
                     setup_.tls->localCertificate().digest(QCryptographicHash::Sha256).toHex())
               : QString();
}

// A table's messages are small and each waits for an answer, so they go out at once rather than
// be held back by TCP to be joined with the next (40 ms at a time, waiting for an ACK).
void TableServer::Upgrade() {
    while (QTcpSocket* socket = listener_->nextPendingConnection()) {
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        handshaking_.emplace_back(socket);
        QTimer::singleShot(setup_.limits.helloWithin, socket, [this, socket] {
            if (std::erase(handshaking_, socket) > 0) {
                socket->abort();
            }
        });
        server_.handleConnection(socket);
    }
}

QString TableServer::Code(int table) const {
    return QString::fromStdString(tables_.at(static_cast<size_t>(table))->code);
}

std::vector<QString> TableServer::Names(int table) const {
    const HostedTable& hosted = *tables_.at(static_cast<size_t>(table));
    std::vector<QString> names(5);
    for (int seat = 1; seat <= 4; ++seat) {
        names[static_cast<size_t>(seat)] = QString::fromStdString(hosted.roster.NameAt(seat));
    }
    return names;
}

bool TableServer::Full(int table) const {
    return tables_.at(static_cast<size_t>(table))->roster.Full();
}

ServerTable& TableServer::Table(int table) {
    return tables_.at(static_cast<size_t>(table))->game;
}

const DerivedSeeds* TableServer::TestSeeds(int table) const {
    return tables_.at(static_cast<size_t>(table))->testSeeds;
}

bool TableServer::StartTable(int table) {
    HostedTable& hosted = *tables_.at(static_cast<size_t>(table));
    if (hosted.started || !hosted.roster.Full()) {
        return false;
    }
    hosted.started = true;
    hosted.game.NewGame();
    SendNews(table);
    return true;
}

void TableServer::EndTables(const QString& reason) {
    for (auto& guest : guests_) {
        if (!guest->gone) {
            LetGo(*guest, QWebSocketProtocol::CloseCodeGoingAway, reason);
        }
    }
}

// A new connection is let in only while its address holds fewer than the allowed number, and
// must say hello in time.
void TableServer::Admit() {
    while (QWebSocket* socket = server_.nextPendingConnection()) {
        std::erase_if(handshaking_, [socket](const QPointer<QTcpSocket>& raw) {
            return raw.isNull() || (raw->peerPort() == socket->peerPort() &&
                                    raw->peerAddress().isEqual(socket->peerAddress()));
        });
        auto guest = std::make_unique<Guest>();
        guest->socket = socket;
        guest->address = socket->peerAddress();
        socket->setMaxAllowedIncomingMessageSize(kMaxMessageBytes);
        socket->setMaxAllowedIncomingFrameSize(kMaxMessageBytes);
        Guest& added = *guest;
        const bool tooMany = GuestsFrom(added.address) >= setup_.limits.connectionsPerAddress;
        guests_.push_back(std::move(guest));
        socket->setParent(this);
        connect(socket, &QWebSocket::textMessageReceived, &added.life,
                [this, &added](const QString& frame) { Receive(added, frame); });
        connect(socket, &QWebSocket::binaryMessageReceived, &added.life, [this, &added] {
            LetGo(added, QWebSocketProtocol::CloseCodeDatatypeNotSupported, "text frames only");
        });
        connect(socket, &QWebSocket::disconnected, &added.life, [this, &added] { Drop(added); });
        if (tooMany) {
            LetGo(added, QWebSocketProtocol::CloseCodePolicyViolated,
                  "too many connections from one address");
            continue;
        }
        added.helloDeadline.setSingleShot(true);
        connect(&added.helloDeadline, &QTimer::timeout, &added.life, [this, &added] {
            LetGo(added, QWebSocketProtocol::CloseCodePolicyViolated, "no hello in time");
        });
        added.helloDeadline.start(setup_.limits.helloWithin);
    }
}

int TableServer::GuestsFrom(const QHostAddress& address) const {
    return static_cast<int>(std::count_if(guests_.begin(), guests_.end(), [&](const auto& guest) {
        return !guest->gone && guest->address.isEqual(address);
    }));
}

// A taken move needs the turn, so only refused ones can flood: a player who sends more of them in
// one second than his share is flooding the table.
bool TableServer::Floods(Guest& guest) {
    const int64_t second = QDateTime::currentMSecsSinceEpoch() / 1000;
    if (second != guest.secondStarted) {
        guest.secondStarted = second;
        guest.messagesThisSecond = 0;
    }
    return ++guest.messagesThisSecond > setup_.limits.refusedPerSecond;
}

void TableServer::Receive(Guest& guest, const QString& frame) {
    if (guest.gone || guest.turnedAway) {
        return;
    }
    std::string error;
    const std::optional<ClientMessage> message = ReadClientMessage(frame.toStdString(), error);
    if (!message) {
        LetGo(guest, QWebSocketProtocol::CloseCodeProtocolError, QString::fromStdString(error));
        return;
    }
    const bool seated = guest.table >= 0;
    if (const auto* hello = std::get_if<Hello>(&*message); hello && !seated) {
        Greet(guest, *hello);
    } else if (const auto* move = std::get_if<ChairMove>(&*message); move && seated) {
        Play(guest, *move);
    } else {
        LetGo(guest, QWebSocketProtocol::CloseCodeProtocolError,
              seated ? "a hello once seated" : "a move before hello");
    }
}

void TableServer::Greet(Guest& guest, const Hello& hello) {
    guest.helloDeadline.stop();
    if (hello.version != kProtocolVersion) {
        TurnAway(guest, TurnawayReason::kWrongVersion);
        return;
    }
    const int table = FindTable(hello.code, hello.name);
    if (table < 0) {
        const bool known = std::any_of(tables_.begin(), tables_.end(), [&](const auto& hosted) {
            return hosted->code == hello.code;
        });
        TurnAway(guest, known ? TurnawayReason::kTableFull : TurnawayReason::kWrongCode);
        return;
    }
    const ChairGiven given = tables_[static_cast<size_t>(table)]->roster.Sit(hello.name);
    if (given.seating == Seating::kNameTaken) {
        TurnAway(guest, TurnawayReason::kNameTaken);
        return;
    }
    Seat(guest, table, given);
}

// The table with that code where this name has a chair or a chair is free: his own chair first,
// so that a player coming back finds it even at a server whose tables share one code.
int TableServer::FindTable(const std::string& code, const std::string& name) const {
    int free = -1;
    for (size_t i = 0; i < tables_.size(); ++i) {
        const HostedTable& hosted = *tables_[i];
        if (hosted.code != code) {
            continue;
        }
        for (int seat = 1; seat <= 4; ++seat) {
            if (hosted.roster.NameAt(seat) == name) {
                return static_cast<int>(i);
            }
        }
        if (free < 0 && !hosted.started && !hosted.roster.Full()) {
            free = static_cast<int>(i);
        }
    }
    return free;
}

// A wrong code is answered only after a pause, so that codes cannot be tried quickly.
void TableServer::TurnAway(Guest& guest, TurnawayReason reason) {
    guest.turnedAway = true;
    const auto delay = reason == TurnawayReason::kWrongCode ? setup_.limits.wrongCodeDelay
                                                            : std::chrono::milliseconds(0);
    QTimer::singleShot(delay, &guest.life, [this, &guest, reason] {
        Send(guest, Turnaway{reason});
        LetGo(guest, QWebSocketProtocol::CloseCodeNormal, "turned away");
    });
}

void TableServer::Seat(Guest& guest, int table, const ChairGiven& given) {
    HostedTable& hosted = *tables_[static_cast<size_t>(table)];
    guest.table = table;
    guest.seat = given.seat;
    Send(guest, Welcome{kProtocolVersion, given.seat, hosted.game.State().PlayerCount});
    if (given.seating == Seating::kBack) {
        hosted.game.Return(given.seat);
        hosted.game.TakeNews(given.seat);
        for (const ChairNews& news : hosted.game.Told(given.seat)) {
            Send(guest, news);
        }
        SendNews(table);
    }
    emit ChairsChanged(table);
    if (setup_.startWhenFull) {
        StartTable(table);
    }
}

void TableServer::Play(Guest& guest, const ChairMove& move) {
    const MoveVerdict verdict = Table(guest.table).Move(guest.seat, move);
    if (verdict != MoveVerdict::kTaken) {
        if (Floods(guest)) {
            LetGo(guest, QWebSocketProtocol::CloseCodePolicyViolated, "too many refused moves");
            return;
        }
        Send(guest, Refusal{verdict});
        return;
    }
    SendNews(guest.table);
}

void TableServer::SendNews(int table) {
    HostedTable& hosted = *tables_[static_cast<size_t>(table)];
    for (int seat = 1; seat <= 4; ++seat) {
        std::vector<ChairNews> news = hosted.game.TakeNews(seat);
        if (Guest* guest = GuestAt(table, seat)) {
            for (const ChairNews& item : news) {
                Send(*guest, item);
            }
        }
    }
    if (hosted.started && hosted.game.ToPlay() == 0) {
        AfterGameEnd(table);
    }
}

// A finished table waits for its players to leave, then seats a new company.
void TableServer::AfterGameEnd(int table) {
    HostedTable& hosted = *tables_[static_cast<size_t>(table)];
    if (!hosted.roster.Empty()) {
        return;
    }
    hosted.started = false;
    hosted.roster.Clear();
    emit GameEnded(table);
    emit ChairsChanged(table);
}

TableServer::Guest* TableServer::GuestAt(int table, int seat) const {
    for (const auto& guest : guests_) {
        if (!guest->gone && guest->table == table && guest->seat == seat) {
            return guest.get();
        }
    }
    return nullptr;
}

void TableServer::Send(Guest& guest, const ServerMessage& message) {
    if (guest.gone) {
        return;
    }
    guest.socket->sendTextMessage(QString::fromStdString(WriteMessage(message)));
    // Let go after the news being sent, so every other chair still gets it in order.
    if (guest.socket->bytesToWrite() > setup_.limits.unreadBytes) {
        QTimer::singleShot(0, &guest.life, [this, &guest] {
            LetGo(guest, QWebSocketProtocol::CloseCodePolicyViolated, "not reading");
        });
    }
}

void TableServer::LetGo(Guest& guest, QWebSocketProtocol::CloseCode code, const QString& reason) {
    if (guest.gone) {
        return;
    }
    guest.socket->close(code, reason);
    // A peer that does not answer the close is cut off rather than waited for.
    QTimer::singleShot(2000, guest.socket, [socket = guest.socket] { socket->abort(); });
    Drop(guest);
}

// The player has gone: during a game a computer player keeps his chair until he is back.
void TableServer::Drop(Guest& guest) {
    if (guest.gone) {
        return;
    }
    guest.gone = true;
    guest.helloDeadline.stop();
    if (guest.table >= 0) {
        HostedTable& hosted = *tables_[static_cast<size_t>(guest.table)];
        const bool underWay = hosted.started && hosted.game.ToPlay() != 0;
        hosted.roster.Leave(guest.seat, underWay);
        if (underWay) {
            hosted.game.StandIn(guest.seat);
            SendNews(guest.table);
        } else if (hosted.started) {
            AfterGameEnd(guest.table);
        }
        emit ChairsChanged(guest.table);
    }
    QWebSocket* socket = guest.socket;
    connect(socket, &QWebSocket::disconnected, socket, &QObject::deleteLater);
    if (socket->state() == QAbstractSocket::UnconnectedState) {
        socket->deleteLater();
    }
    QTimer::singleShot(0, this, [this, &guest] {
        std::erase_if(guests_, [&](const auto& held) { return held.get() == &guest; });
    });
}

}  // namespace pipwick
