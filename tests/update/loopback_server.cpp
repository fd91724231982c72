#include "tests/update/loopback_server.h"

#include <QApplication>
#include <QCursor>
#include <QList>
#include <QTimer>
#include <memory>

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

QByteArray StatusAndHeaders(int status, const QByteArray& length) {
    QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + " " + ReasonOf(status) +
                      "\r\nContent-Type: application/octet-stream\r\n";
    if (!length.isEmpty()) {
        head += "Content-Length: " + length + "\r\n";
    }
    return head + "Connection: close\r\n\r\n";
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
    const QByteArray& body = answer.body;
    const QByteArray half = body.left(body.size() / 2);
    const QByteArray length = QByteArray::number(body.size());
    switch (answer.behaviour) {
        case Behaviour::kSilent:
            return;
        case Behaviour::kWhole:
            socket->write(StatusAndHeaders(answer.status, length) + body);
            break;
        case Behaviour::kCutHalfway:
        case Behaviour::kStallHalfway:
            socket->write(StatusAndHeaders(answer.status, length) + half);
            break;
        case Behaviour::kNoLength:
            socket->write(StatusAndHeaders(answer.status, {}) + body);
            break;
        case Behaviour::kLongerThanSaid:
            socket->write(StatusAndHeaders(answer.status, QByteArray::number(half.size())) + body);
            break;
        case Behaviour::kDrip:
            socket->write(StatusAndHeaders(answer.status, length));
            Drip(socket, body);
            return;
    }
    socket->flush();
    if (answer.behaviour != Behaviour::kStallHalfway) {
        socket->disconnectFromHost();
    }
}

// One byte every few milliseconds, for as long as the other side listens.
void LoopbackServer::Drip(QTcpSocket* socket, const QByteArray& body) {
    auto* timer = new QTimer(socket);
    auto sent = std::make_shared<qsizetype>(0);
    QObject::connect(timer, &QTimer::timeout, socket, [socket, body, sent] {
        if (*sent < body.size()) {
            socket->write(body.mid((*sent)++, 1));
        }
    });
    timer->start(5);
}

}  // namespace pipwick
