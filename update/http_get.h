#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QIODevice>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QUrl>
#include <functional>
#include <optional>

namespace pipwick {

// How long a transfer may take: a server that sends nothing for silenceMs is given up, and so is
// a transfer still going after deadlineMs, however steadily it drips.
struct TransferTimes {
    int silenceMs = 0;
    int deadlineMs = 0;
};

// One GET of a file from the update server, always fetched fresh, never from a cache. Each step
// waits in a local event loop that holds back the player's clicks and keys (unless the caller
// shows a modal window of its own that is to take them): the windows keep painting while the
// server answers. The body is read through a buffer of bounded size, so memory does not grow
// with the file.
class HttpGet {
  public:
    enum class Copy { kWhole, kRefused, kStopped };

    HttpGet(QNetworkAccessManager& network, const QUrl& url, const QByteArray& agent,
            const TransferTimes& times);
    ~HttpGet();
    HttpGet(const HttpGet&) = delete;
    HttpGet& operator=(const HttpGet&) = delete;

    // While waiting, the player's input goes on to whatever window may take it.
    void AcceptInputWhileWaiting() { acceptInput_ = true; }
    // Ends the transfer as a failure; a wait under way returns.
    void Abort() { reply_->abort(); }
    // Waits for the status line and headers; false when no server answered.
    bool WaitForAnswer();
    // The answer is an HTTP success and nothing has gone wrong since.
    bool Succeeded() const;
    // The first count bytes of the body, or all of it when it is shorter; nothing when the
    // transfer failed before they arrived.
    std::optional<QByteArray> ReadUpTo(qint64 count);
    // Copies the body to file as it arrives. kWhole when it came with a success status, with an
    // announced length of at most cap, and exactly that long, all written; kRefused otherwise.
    // After each part goOn hears how much of the length arrived; kStopped when it says stop.
    Copy CopyTo(QIODevice& file, qint64 cap,
                const std::function<bool(qint64 received, qint64 length)>& goOn);

  private:
    void WaitUntil(const std::function<bool()>& done);
    bool Failed() const;
    std::optional<qint64> AnnouncedLength() const;

    QNetworkReply* reply_;
    QDeadlineTimer deadline_;
    bool acceptInput_ = false;
};

}  // namespace pipwick
