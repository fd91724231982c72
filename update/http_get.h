#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QUrl>
#include <functional>
#include <optional>

namespace pipwick {

// One GET of a file from the update server, always fetched fresh, never from a cache. Each step
// waits in a local event loop that holds back the player's clicks and keys: the windows keep
// painting while the server answers. A transfer during which nothing arrives for timeoutMs ends
// the request.
class HttpGet {
  public:
    HttpGet(QNetworkAccessManager& network, const QUrl& url, const QByteArray& agent,
            int timeoutMs);
    ~HttpGet();
    HttpGet(const HttpGet&) = delete;
    HttpGet& operator=(const HttpGet&) = delete;

    // Waits for the status line and headers; false when no server answered.
    bool WaitForAnswer();
    // The answer is an HTTP success and nothing has gone wrong since.
    bool Succeeded() const;
    // The first count bytes of the body, or all of it when it is shorter; nothing when the
    // transfer failed before they arrived.
    std::optional<QByteArray> ReadUpTo(qint64 count);
    // Copies the body to file as it arrives. True when all of it arrived with a success status,
    // as long as the server announced, and was written.
    bool CopyAllTo(QIODevice& file);

  private:
    void WaitUntil(const std::function<bool()>& done);
    bool Failed() const;

    QNetworkReply* reply_;
};

}  // namespace pipwick
