#include "tests/update/loopback_server.h"

#include <QApplication>
#include <QCursor>
#include <QList>

namespace pipwick {

namespace {

QByteArray Header(const QByteArray& head, const QByteArray& name) {
    for (const QByteArray& line : head.split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().toLower() == name) {
            return line.mid(colon + 1).trimmed();
        }
    }
    return {};
}

QByteArray ReasonOf(int status) {
    switch (status) {
        case 200:
            return "OK";
        case 404:
            return "Not Found";
        case 500:
            return "Internal Server Error";
        default:
            return "Status";
    }
}

}  // namespace

LoopbackServer::LoopbackServer() {
    server_.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&server_, &QTcpServer::newConnection, [this] { Accept(); });
}

LoopbackServer::~LoopbackServer() {
    for (QTcpSocket* socket : sockets_) {
        socket->abort();
        delete socket;
    }
}

QString LoopbackServer::BaseUrl() const {
    return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort());
}

void LoopbackServer::Accept() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        socket->setParent(nullptr);
        sockets_.push_back(socket);
        QObject::connect(socket, &QTcpSocket::readyRead, [this, socket] { ReadFrom(socket); });
    }
}

void LoopbackServer::ReadFrom(QTcpSocket* socket) {
    QByteArray& head = received_[socket];
    head += socket->readAll();
    if (!head.contains("\r\n\r\n")) {
        return;
    }
    const QList<QByteArray> requestLine = head.left(head.indexOf("\r\n")).split(' ');
    const QByteArray path = requestLine.size() >= 2 ? requestLine[1] : QByteArray();
    const QCursor* cursor = QApplication::overrideCursor();
    requests_.push_back({path, Header(head, "user-agent"), Header(head, "cache-control"),
                         cursor != nullptr && cursor->shape() == Qt::WaitCursor});
    head.clear();
    Respond(socket, path);
}

void LoopbackServer::Respond(QTcpSocket* socket, const QByteArray& path) {
    const auto found = answers_.find(path);
    const LoopbackServer::Answer answer =
        found != answers_.end() ? found->second : LoopbackServer::Answer{404, "no such file"};
    if (answer.behaviour == Behaviour::kSilent) {
        return;
    }
    const bool whole = answer.behaviour == Behaviour::kWhole;
    socket->write("HTTP/1.1 " + QByteArray::number(answer.status) + " " + ReasonOf(answer.status) +
                  "\r\nContent-Type: application/octet-stream\r\n" + "Content-Length: " +
                  QByteArray::number(answer.body.size()) + "\r\nConnection: close\r\n\r\n");
    socket->write(whole ? answer.body : answer.body.left(answer.body.size() / 2));
    socket->flush();
    if (answer.behaviour != Behaviour::kStallHalfway) {
        socket->disconnectFromHost();
    }
}

}  // namespace pipwick
