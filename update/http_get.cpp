#include "update/http_get.h"

#include <QEventLoop>
#include <QNetworkRequest>
#include <QTimer>
#include <algorithm>
#include <climits>

namespace pipwick {

namespace {

// The most of the body held in memory at once.
constexpr qint64 kReadBuffer = 64 * 1024;

}  // namespace

HttpGet::HttpGet(QNetworkAccessManager& network, const QUrl& url, const QByteArray& agent,
                 const TransferTimes& times)
    : deadline_(times.deadlineMs) {
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, agent);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    // Caches between us and the server must ask the server too.
    request.setRawHeader("Cache-Control", "no-cache");
    request.setRawHeader("Pragma", "no-cache");
    request.setTransferTimeout(times.silenceMs);
    reply_ = network.get(request);
    reply_->setReadBufferSize(kReadBuffer);
}

HttpGet::~HttpGet() {
    reply_->abort();
    delete reply_;
}

// Past the deadline the transfer is aborted, which ends it as a failure.
void HttpGet::WaitUntil(const std::function<bool()>& done) {
    const auto flags = acceptInput_ ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents;
    while (!done()) {
        if (deadline_.hasExpired()) {
            reply_->abort();
            return;
        }
        QEventLoop loop;
        QObject::connect(reply_, &QNetworkReply::metaDataChanged, &loop, &QEventLoop::quit);
        QObject::connect(reply_, &QNetworkReply::readyRead, &loop, &QEventLoop::quit);
        QObject::connect(reply_, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        QTimer deadline;
        deadline.setSingleShot(true);
        QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
        deadline.start(static_cast<int>(std::min<qint64>(deadline_.remainingTime(), INT_MAX)));
        if (done()) {
            return;
        }
        loop.exec(flags);
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

std::optional<qint64> HttpGet::AnnouncedLength() const {
    const QVariant header = reply_->header(QNetworkRequest::ContentLengthHeader);
    bool number = false;
    const qint64 length = header.toLongLong(&number);
    if (!header.isValid() || !number || length < 0) {
        return std::nullopt;
    }
    return length;
}

std::optional<QByteArray> HttpGet::ReadUpTo(qint64 count) {
    WaitUntil([this, count] { return reply_->bytesAvailable() >= count || reply_->isFinished(); });
    if (reply_->bytesAvailable() < count && Failed()) {
        return std::nullopt;
    }
    return reply_->read(count);
}

// A body without a length, or longer than the cap, is refused before any of it is read; one that
// runs past its announced length is refused as soon as it does.
HttpGet::Copy HttpGet::CopyTo(QIODevice& file, qint64 cap,
                              const std::function<bool(qint64, qint64)>& goOn) {
    const std::optional<qint64> length = AnnouncedLength();
    if (!Succeeded() || !length || *length > cap) {
        return Copy::kRefused;
    }
    qint64 received = 0;
    for (;;) {
        WaitUntil([this] { return reply_->bytesAvailable() > 0 || reply_->isFinished(); });
        const QByteArray part = reply_->read(kReadBuffer);
        received += part.size();
        if (received > *length || file.write(part) != part.size()) {
            return Copy::kRefused;
        }
        if (!goOn(received, *length)) {
            return Copy::kStopped;
        }
        if (reply_->isFinished() && reply_->bytesAvailable() == 0) {
            break;
        }
    }
    return Succeeded() && received == *length ? Copy::kWhole : Copy::kRefused;
}

}  // namespace pipwick
