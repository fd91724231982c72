#include "shell/app/network_play.h"

#include "shell/app/translations.h"
#include "texts/texts.h"

namespace pipwick {

namespace {

// The pause before another player's move is shown, so that each can be followed.
constexpr int32_t kOthersMovePause = 600;
// Time for the table's last words to reach the guests before the host's game goes.
constexpr int32_t kFarewellPause = 300;

const char* TurnawayText(TurnawayReason reason) {
    switch (reason) {
        case TurnawayReason::kWrongVersion:
            return text::kWrongVersion;
        case TurnawayReason::kWrongCode:
            return text::kWrongCode;
        case TurnawayReason::kTableFull:
            return text::kTableFull;
        case TurnawayReason::kNameTaken:
            return text::kNameTaken;
    }
    return text::kWrongCode;
}

const char* RefusalText(MoveVerdict verdict) {
    switch (verdict) {
        case MoveVerdict::kNoGame:
            return text::kRefusedNoGame;
        case MoveVerdict::kNotYourTile:
            return text::kRefusedNotYourTile;
        case MoveVerdict::kNoSuchArm:
            return text::kRefusedNoSuchArm;
        case MoveVerdict::kDoesNotFit:
            return text::kWontPlayThere;
        case MoveVerdict::kMustPlay:
            return text::kRefusedMustPlay;
        default:
            return text::kRefusedNotYourTurn;
    }
}

int SlotHolding(const GameState& state, int32_t tile) {
    for (int slot = 0; slot < kHandSlots; ++slot) {
        if (state.Hand[kHumanSeat][slot] == tile) {
            return slot;
        }
    }
    return kEmptySlot;
}

bool OthersMove(const ChairNews& news, int chair) {
    const bool move = news.kind == NewsKind::kTileLaid || news.kind == NewsKind::kTileDrawn ||
                      news.kind == NewsKind::kPassed;
    return move && news.seat != chair;
}

}  // namespace

NetworkPlay::NetworkPlay(Game& game, GameState& state, Clock& clock, NetworkServices services)
    : game_(game), state_(state), clock_(clock), services_(std::move(services)) {}

NetworkPlay::~NetworkPlay() {
    playing_ = false;
    Close();
}

TableServer* NetworkPlay::Host(const TableSetup& setup, const QString& name, QString& error) {
    Leave();
    const std::optional<TableCertificate> certificate =
        HostCertificate(services_.certificateFolder, services_.startProcess, error);
    if (!certificate) {
        return nullptr;
    }
    ServerSetup serverSetup;
    serverSetup.address = QHostAddress::Any;
    serverSetup.port = kUsualTablePort;
    serverSetup.table = setup;
    serverSetup.tls = certificate->tls;
    serverSetup.startWhenFull = false;
    auto server = std::make_unique<TableServer>(serverSetup);
    if (!server->Listen(error)) {
        // The usual port is taken (by another table, say): any free one will do.
        serverSetup.port = 0;
        server = std::make_unique<TableServer>(serverSetup);
        if (!server->Listen(error)) {
            return nullptr;
        }
    }
    server_ = std::move(server);
    QUrl url;
    url.setScheme(QStringLiteral("wss"));
    url.setHost(QStringLiteral("127.0.0.1"));
    url.setPort(server_->Port());
    Open(url, server_->Code(0), name, certificate->fingerprint);
    return server_.get();
}

void NetworkPlay::Join(const JoinChoices& where) {
    Leave();
    Open(TableUrl(where.address, where.port), where.code, where.name, where.fingerprint);
    services_.status(Translated(text::kJoining));
}

void NetworkPlay::Open(const QUrl& url, const QString& code, const QString& name,
                       const QString& fingerprint) {
    connection_ = new TableConnection(this);
    connection_->TrustFingerprint(fingerprint);
    fingerprintChecked_ = !fingerprint.isEmpty();
    connect(connection_, &TableConnection::Welcomed, this, &NetworkPlay::Welcomed);
    connect(connection_, &TableConnection::ChairsTold, this, &NetworkPlay::ChairsTold);
    connect(connection_, &TableConnection::TurnedAway, this, &NetworkPlay::TurnedAway);
    connect(connection_, &TableConnection::Refused, this, &NetworkPlay::Refused);
    connect(connection_, &TableConnection::NewsArrived, this, &NetworkPlay::Arrived);
    connect(connection_, &TableConnection::Ended, this, &NetworkPlay::Ended);
    Hello hello;
    hello.code = code.toStdString();
    hello.name = name.toStdString();
    connection_->Open(url, hello);
}

void NetworkPlay::Leave() {
    if (server_ != nullptr) {
        server_->EndTables(Translated(text::kHostClosed));
        clock_.WaitMilliseconds(kFarewellPause);
    }
    Close();
}

// The table is gone: the game gives its seats and deals back to the one-person game, and the
// player is told why (when told is not empty). An item being played is let finish first: its
// move is under way in the engine, inside a flight that lets other events in.
void NetworkPlay::Close(const QString& told) {
    if (playing_) {
        closing_ = true;
        if (!told.isEmpty()) {
            farewell_ = told;
        }
        return;
    }
    news_.clear();
    chairs_ = Chairs{};
    moveSent_ = false;
    if (connection_ != nullptr) {
        disconnect(connection_, nullptr, this, nullptr);
        connection_->Close();
        connection_->deleteLater();
        connection_ = nullptr;
    }
    if (replay_ != nullptr) {
        replay_.reset();
        state_.GameInProgress = 0;
        game_.SeatPlayers(Seats{});
        if (services_.left) {
            services_.left();
        }
    }
    server_.reset();
    if (!told.isEmpty()) {
        services_.status(told);
    }
}

void NetworkPlay::WhenIdle(std::function<void()> command) {
    if (!playing_) {
        command();
        return;
    }
    whenIdle_ = std::move(command);
}

void NetworkPlay::Welcomed(const Welcome& welcome) {
    replay_ = std::make_unique<ChairReplay>(game_, state_, welcome.seat, welcome.players);
    services_.seated(welcome.players);
    services_.status(Translated(text::kJoined).arg(welcome.seat));
    const QString fingerprint = connection_->PeerFingerprint();
    if (!fingerprintChecked_ && !fingerprint.isEmpty()) {
        services_.warn(Translated(text::kUncheckedCertificate).arg(SpacedFingerprint(fingerprint)));
    }
}

// The windows' seats are the chair's own order: seat 1 is his, the others follow in the table's.
void NetworkPlay::ChairsTold(const Chairs& chairs) {
    chairs_ = chairs;
    if (replay_ == nullptr) {
        return;
    }
    std::array<QString, 5> names;
    for (int seat = 2; seat <= 4; ++seat) {
        if (TakesPart(state_, seat)) {
            const int chair = replay_->ServerSeat(seat);
            names[static_cast<size_t>(seat)] =
                QString::fromStdString(chairs.names[static_cast<size_t>(chair)]);
        }
    }
    services_.named(names);
}

void NetworkPlay::TurnedAway(TurnawayReason reason) {
    Close(Translated(TurnawayText(reason)));
}

void NetworkPlay::Refused(MoveVerdict verdict) {
    moveSent_ = false;
    services_.status(Translated(RefusalText(verdict)));
}

void NetworkPlay::Ended(const QString& reason) {
    const bool seated = replay_ != nullptr;
    Close(seated ? Translated(text::kTableEnded).arg(reason)
                 : Translated(text::kNoConnection).arg(reason));
}

void NetworkPlay::Arrived(const ChairNews& news) {
    news_.push_back(news);
    if (!playing_) {
        PlayNews();
    }
}

// Items that come while one is played wait their turn behind it; so do the end of the table and
// a command that replaces the game.
void NetworkPlay::PlayNews() {
    playing_ = true;
    while (!news_.empty() && replay_ != nullptr && !closing_) {
        const ChairNews news = news_.front();
        news_.pop_front();
        if (OthersMove(news, replay_->ServerSeat(1))) {
            clock_.WaitMilliseconds(kOthersMovePause);
            if (closing_) {
                break;
            }
        }
        if (news.seat == replay_->ServerSeat(1)) {
            moveSent_ = false;
        }
        TellChair(news);
        services_.runSequence([this, news] { replay_->Take(news); });
        if (replay_->Broken()) {
            closing_ = true;
            farewell_ =
                Translated(text::kTableEnded).arg(QString::fromStdString(replay_->WhyBroken()));
        }
    }
    playing_ = false;
    if (closing_) {
        closing_ = false;
        Close(farewell_);
    }
    if (whenIdle_) {
        const std::function<void()> command = std::move(whenIdle_);
        whenIdle_ = nullptr;
        command();
    }
}

void NetworkPlay::TellChair(const ChairNews& news) {
    if (news.kind != NewsKind::kStandIn && news.kind != NewsKind::kReturned) {
        return;
    }
    const char* told = news.kind == NewsKind::kStandIn ? text::kStoodIn : text::kReturned;
    const std::string& name = chairs_.names[static_cast<size_t>(news.seat)];
    services_.status(Translated(told).arg(name.empty() ? Translated(text::kChair).arg(news.seat)
                                                       : QString::fromStdString(name)));
}

// A move tried while another player is to move is answered here, as the table would answer it.
bool NetworkPlay::MayMove() {
    if (replay_ == nullptr || moveSent_ || playing_) {
        return false;
    }
    if (!replay_->MyTurn()) {
        if (state_.GameInProgress == 1) {
            services_.status(Translated(text::kRefusedNotYourTurn));
        }
        return false;
    }
    return true;
}

void NetworkPlay::Send(const Play& play) {
    moveSent_ = true;
    connection_->Send(replay_->MoveOf(play));
}

// A lead goes to the table at once; on a table with tiles the tile is picked up here first.
void NetworkPlay::LeadOrPickUp(int slot) {
    if (!MayMove() || slot < 0 || slot >= kHandSlots || state_.Hand[kHumanSeat][slot] == kNoTile) {
        return;
    }
    if (TableIsEmpty(state_)) {
        Send(Play{slot, 0});
        return;
    }
    services_.runSequence([this, slot] { game_.HumanClicksHandTile(slot); });
}

void NetworkPlay::PlayOnArm(int armIndex) {
    if (!MayMove() || state_.SelectedTile == kNoSelection) {
        return;
    }
    const int slot = SlotHolding(state_, state_.SelectedTile);
    game_.SelectHandTile(kDropSelection);
    if (slot != kEmptySlot) {
        Send(Play{slot, armIndex});
    }
}

void NetworkPlay::DrawOrPass() {
    if (!MayMove()) {
        return;
    }
    game_.SelectHandTile(kDropSelection);
    Send(Play{kEmptySlot, 0});
}

}  // namespace pipwick
