#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <QWebSocket>

#include "network/messages.h"

namespace pipwick {

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
    void TrustFingerprint(const QString& fingerprint) { fingerprint_ = fingerprint; }

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
