#include "netplay/table_connection.h"

#include <QAbstractSocket>
#include <QCryptographicHash>
#include <QSslCertificate>

namespace pipwick {

QUrl TableUrl(const QString& address, uint16_t port) {
    const QString text = address.trimmed();
    if (text.startsWith(QStringLiteral("ws://")) || text.startsWith(QStringLiteral("wss://"))) {
        QUrl url(text);
        if (url.port() == -1) {
            url.setPort(port);
        }
        return url;
    }
    QUrl url;
    url.setScheme(QStringLiteral("wss"));
    url.setHost(text);
    url.setPort(port);
    return url;
}

TableConnection::TableConnection(QObject* parent) : QObject(parent) {
    socket_.setMaxAllowedIncomingMessageSize(kMaxMessageBytes);
    socket_.setMaxAllowedIncomingFrameSize(kMaxMessageBytes);
    connect(&socket_, &QWebSocket::connected, this, [this] {
        // Each move is one small frame that waits for an answer: sent at once, not held back to
        // be joined with the next (TCP's Nagle algorithm would hold it until an ACK comes).
        if (auto* tcp = socket_.findChild<QAbstractSocket*>()) {
            tcp->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        }
        socket_.sendTextMessage(QString::fromStdString(WriteMessage(ClientMessage(hello_))));
    });
    connect(&socket_, &QWebSocket::textMessageReceived, this, &TableConnection::Read);
    connect(&socket_, &QWebSocket::binaryMessageReceived, this,
            [this] { Finish(tr("The table sent a message that is not text.")); });
    connect(&socket_, &QWebSocket::sslErrors, this, &TableConnection::CheckCertificate);
    connect(&socket_, &QWebSocket::disconnected, this, [this] {
        const QString why = socket_.closeReason();
        Finish(why.isEmpty() ? socket_.errorString() : why);
    });
}

void TableConnection::Open(const QUrl& url, const Hello& hello) {
    hello_ = hello;
    ended_ = false;
    socket_.open(url);
}

void TableConnection::Send(const ChairMove& move) {
    socket_.sendTextMessage(QString::fromStdString(WriteMessage(ClientMessage(move))));
}

void TableConnection::Close() {
    socket_.close();
}

QString TableConnection::PeerFingerprint() const {
    const QSslCertificate certificate = socket_.sslConfiguration().peerCertificate();
    return certificate.isNull()
               ? QString()
               : QString::fromLatin1(certificate.digest(QCryptographicHash::Sha256).toHex());
}

// The host's certificate is its own, signed by nobody: it is trusted when its fingerprint is the
// one the host shows beside the code.
void TableConnection::CheckCertificate(const QList<QSslError>& errors) {
    if (fingerprint_.isEmpty() || fingerprint_ == PeerFingerprint()) {
        socket_.ignoreSslErrors(errors);
        return;
    }
    Finish(tr("The table's certificate is not the one whose fingerprint was given."));
    socket_.abort();
}

void TableConnection::Read(const QString& frame) {
    std::string error;
    const std::optional<ServerMessage> message = ReadServerMessage(frame.toStdString(), error);
    if (!message) {
        socket_.abort();
        Finish(tr("The table sent a message that cannot be read: %1")
                   .arg(QString::fromStdString(error)));
        return;
    }
    if (const auto* welcome = std::get_if<Welcome>(&*message)) {
        emit Welcomed(*welcome);
    } else if (const auto* turnaway = std::get_if<Turnaway>(&*message)) {
        emit TurnedAway(turnaway->reason);
    } else if (const auto* refusal = std::get_if<Refusal>(&*message)) {
        emit Refused(refusal->verdict);
    } else {
        emit NewsArrived(std::get<ChairNews>(*message));
    }
}

void TableConnection::Finish(const QString& reason) {
    if (ended_) {
        return;
    }
    ended_ = true;
    emit Ended(reason);
}

}  // namespace pipwick
