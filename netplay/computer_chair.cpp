#include "netplay/computer_chair.h"

#include "network/chair_replay.h"

namespace pipwick {

namespace {

bool IsMove(NewsKind kind) {
    return kind == NewsKind::kTileLaid || kind == NewsKind::kTileDrawn || kind == NewsKind::kPassed;
}

}  // namespace

ComputerChair::ComputerChair(int level, Ended ended)
    : geometry_(MakeGeometry(1.0, 1024, 768)), ended_(std::move(ended)) {
    ResetGameState(state_);
    settings_.PlayDelay = 0;
    settings_.PlayerLevel[1] = level;
    game_ = std::make_unique<Game>(state_, settings_, geometry_, view_, clock_, noDeals_);
    QObject::connect(&connection_, &TableConnection::Welcomed,
                     [this](const Welcome& welcome) { Seat(welcome); });
    QObject::connect(&connection_, &TableConnection::NewsArrived,
                     [this](const ChairNews& news) { Take(news); });
    QObject::connect(&connection_, &TableConnection::Refused, [this](MoveVerdict) {
        Finish(ChairEnd::kFailed, QStringLiteral("the table refused the computer player's move"));
    });
    QObject::connect(&connection_, &TableConnection::TurnedAway, [this](TurnawayReason) {
        Finish(ChairEnd::kTurnedAway, QStringLiteral("the table turned the player away"));
    });
    QObject::connect(&connection_, &TableConnection::Ended, [this](const QString& reason) {
        Finish(ChairEnd::kFailed, QStringLiteral("the table ended: ") + reason);
    });
}

ComputerChair::~ComputerChair() = default;

void ComputerChair::Join(const QUrl& url, const Hello& hello, const QString& fingerprint) {
    connection_.TrustFingerprint(fingerprint);
    connection_.Open(url, hello);
}

int ComputerChair::Winner() const {
    return replay_ && replay_->GameEnded() ? replay_->ServerWinner() : 0;
}

void ComputerChair::Seat(const Welcome& welcome) {
    seat_ = welcome.seat;
    replay_ = std::make_unique<ChairReplay>(*game_, state_, welcome.seat, welcome.players);
}

void ComputerChair::Take(const ChairNews& news) {
    if (watcher_) {
        watcher_(news);
    }
    if (!replay_) {
        Finish(ChairEnd::kFailed, QStringLiteral("news came before the welcome"));
        return;
    }
    if (news.seat == seat_ && IsMove(news.kind)) {
        moveSent_ = false;
    }
    replay_->Take(news);
    if (replay_->Broken()) {
        Finish(ChairEnd::kFailed, QStringLiteral("the table's news cannot be so: ") +
                                      QString::fromStdString(replay_->WhyBroken()));
    } else if (replay_->GameEnded()) {
        Finish(ChairEnd::kGameOver, QString());
    } else if (replay_->MyTurn() && !moveSent_) {
        moveSent_ = true;
        if (moveWatcher_) {
            moveWatcher_();
        }
        connection_.Send(replay_->MoveOf(game_->ChooseComputerMove(1)));
    }
}

void ComputerChair::Finish(ChairEnd end, const QString& why) {
    if (finished_) {
        return;
    }
    finished_ = true;
    connection_.Close();
    ended_(end, why);
}

}  // namespace pipwick
