#include "update/http_get.h"

#include <QEventLoop>
#include <QNetworkRequest>

namespace pipwick {

HttpGet::HttpGet(QNetworkAccessManager& network, const QUrl& url, const QByteArray& agent,
                 int timeoutMs) {
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, agent);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    // Caches between us and the server must ask the server too.
    request.setRawHeader("Cache-Control", "no-cache");
    request.setRawHeader("Pragma", "no-cache");
    request.setTransferTimeout(timeoutMs);
    reply_ = network.get(request);
}

HttpGet::~HttpGet() {
    reply_->abort();
    delete reply_;
}

void HttpGet::WaitUntil(const std::function<bool()>& done) {
    while (!done()) {
        QEventLoop loop;
        QObject::connect(reply_, &QNetworkReply::metaDataChanged, &loop, &QEventLoop::quit);
        QObject::connect(reply_, &QNetworkReply::readyRead, &loop, &QEventLoop::quit);
        QObject::connect(reply_, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        if (done()) {
            return;
        }
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
}

bool HttpGet::WaitForAnswer() {
    const auto answered = [this] {
        return reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
    };
    WaitUntil([this, &answered] { return answered() || reply_->isFinished(); });
    return answered();
}

bool HttpGet::Failed() const {
    return reply_->isFinished() && reply_->error() != QNetworkReply::NoError;
}

bool HttpGet::Succeeded() const {
    const int status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    return status >= 200 && status <= 299 && !Failed();
}

std::optional<QByteArray> HttpGet::ReadUpTo(qint64 count) {
    WaitUntil([this, count] { return reply_->bytesAvailable() >= count || reply_->isFinished(); });
    if (reply_->bytesAvailable() < count && Failed()) {
        return std::nullopt;
    }
    return reply_->read(count);
}

bool HttpGet::CopyAllTo(QIODevice& file) {
    qint64 written = 0;
    for (;;) {
        WaitUntil([this] { return reply_->bytesAvailable() > 0 || reply_->isFinished(); });
        const QByteArray part = reply_->readAll();
        if (file.write(part) != part.size()) {
            return false;
        }
        written += part.size();
        if (reply_->isFinished() && reply_->bytesAvailable() == 0) {
            break;
        }
    }
    const QVariant announced = reply_->header(QNetworkRequest::ContentLengthHeader);
    return Succeeded() && (!announced.isValid() || announced.toLongLong() == written);
}

}  // namespace pipwick
