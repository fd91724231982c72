#pragma once

#include <QByteArray>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <map>
#include <vector>

namespace pipwick {

// A small HTTP server on 127.0.0.1 for the update tests. It runs in the test's own thread: it
// serves while the code under test waits in its local event loops. A path it was not given
// answers 404.
class LoopbackServer {
  public:
    enum class Behaviour {
        kWhole,           // the status, the headers and the whole body
        kSilent,          // accepts the connection and never answers
        kCutHalfway,      // announces the whole body, sends half of it and hangs up
        kStallHalfway,    // announces the whole body, sends half of it and then nothing more
        kNoLength,        // the whole body without a Content-Length, ended by the hang-up
        kLongerThanSaid,  // announces half the body and sends all of it
        kDrip,            // announces the whole body and sends it a byte at a time, now and then
    };
    struct Answer {
        int status = 200;
        QByteArray body;
        Behaviour behaviour = Behaviour::kWhole;
    };
    struct Request {
        QByteArray path;
        QByteArray userAgent;
        QByteArray cacheControl;
        bool waitCursorShown = false;
    };

    LoopbackServer();
    ~LoopbackServer();

    void Serve(const QByteArray& path, Answer answer) { answers_[path] = std::move(answer); }
    QString BaseUrl() const;
    const std::vector<Request>& Requests() const { return requests_; }
    // Stops listening: from now on a connection to the port is refused.
    void Close() { server_.close(); }

  private:
    void Accept();
    void ReadFrom(QTcpSocket* socket);
    void Respond(QTcpSocket* socket, const QByteArray& path);
    void Drip(QTcpSocket* socket, const QByteArray& body);

    QTcpServer server_;
    std::map<QByteArray, Answer> answers_;
    std::map<QTcpSocket*, QByteArray> received_;
    std::vector<Request> requests_;
    std::vector<QTcpSocket*> sockets_;
};

}  // namespace pipwick
