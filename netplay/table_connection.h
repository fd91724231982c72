#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <QWebSocket>

#include "network/messages.h"

namespace pipwick {

// A table's address as a player gives it: a host name or address, reached over wss on port; or
// a whole ws:// or wss:// address, taken as it is (on port unless it names one).
QUrl TableUrl(const QString& address, uint16_t port);

// One player's connection to a network table: it says hello, reads every message the table sends
// as a saved game is read (a message it cannot take ends the connection), and sends his moves.
class TableConnection : public QObject {
    Q_OBJECT

  public:
    explicit TableConnection(QObject* parent = nullptr);

    // Connects to url (ws://host:port or wss://...) and says hello there.
    void Open(const QUrl& url, const Hello& hello);
    void Send(const ChairMove& move);
    void Close();
    // Accepts a table's certificate whose SHA-256 fingerprint (hex) is this; any when empty.
    void TrustFingerprint(const QString& fingerprint) { fingerprint_ = fingerprint.toLower(); }
    // The SHA-256 fingerprint (hex) of the certificate the table came with; empty over plain ws.
    QString PeerFingerprint() const;

  signals:
    void Welcomed(const pipwick::Welcome& welcome);
    void TurnedAway(pipwick::TurnawayReason reason);
    void Refused(pipwick::MoveVerdict verdict);
    void NewsArrived(const pipwick::ChairNews& news);
    // The connection has ended; reason says why in one line.
    void Ended(const QString& reason);

  private:
    void Read(const QString& frame);
    void CheckCertificate(const QList<QSslError>& errors);
    void Finish(const QString& reason);

    QWebSocket socket_;
    Hello hello_;
    QString fingerprint_;
    bool ended_ = false;
};

}  // namespace pipwick
