#include "update/version_check.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QUrl>
#include <algorithm>

#include "texts/texts.h"
#include "update/http_get.h"
#include "update/program_start.h"

namespace pipwick {

namespace {

constexpr const char* kVersionAgent = "Pipwick";
constexpr const char* kInstallerAgent = "Quellmoor";

enum class VersionAnswer { kCurrent, kNewVersion, kCantConnect, kSiteOpenError };
enum class Download { kDone, kCantConnect, kFileError };

// The wait cursor, shown while the server is asked and restored before any message.
class WaitCursor {
  public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QUrl ServerFile(const char* path) {
    QString base = UpdateServerUrl();
    while (base.endsWith(QLatin1Char('/'))) {
        base.chop(1);
    }
    return QUrl(base + QString::fromLatin1(path));
}

VersionAnswer FetchVersion(int timeoutMs) {
    const WaitCursor cursor;
    QNetworkAccessManager network;
    HttpGet get(network, ServerFile(kVersionFilePath), kVersionAgent, timeoutMs);
    if (!get.WaitForAnswer()) {
        return VersionAnswer::kCantConnect;
    }
    if (!get.Succeeded()) {
        return VersionAnswer::kSiteOpenError;
    }
    const std::optional<QByteArray> first = get.ReadUpTo(3);
    if (!first) {
        return VersionAnswer::kSiteOpenError;
    }
    return IsCurrentVersion(*first) ? VersionAnswer::kCurrent : VersionAnswer::kNewVersion;
}

// The installer file is created (or emptied) once the server answers; unless the whole file
// arrives with a success status it is deleted again, so no partial installer is ever left.
Download DownloadInstaller(const QString& path, int timeoutMs) {
    const WaitCursor cursor;
    QNetworkAccessManager network;
    HttpGet get(network, ServerFile(kInstallerPath), kInstallerAgent, timeoutMs);
    if (!get.WaitForAnswer()) {
        return Download::kCantConnect;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return Download::kFileError;
    }
    const bool whole = get.Succeeded() && get.CopyAllTo(file);
    file.close();
    if (!whole || file.error() != QFileDevice::NoError) {
        file.remove();
        return Download::kFileError;
    }
    return Download::kDone;
}

bool StartInstaller(const QString& path, const VersionCheckServices& services) {
    QFile::setPermissions(path,
                          QFile::permissions(path) | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    return services.startProgram(path);
}

}  // namespace

QString UpdateServerUrl() {
    const QString chosen = qEnvironmentVariable("PIPWICK_UPDATE_URL");
    return chosen.isEmpty() ? QString::fromLatin1(kUpdateServer) : chosen;
}

bool IsCurrentVersion(const QByteArray& versionFile) {
    QByteArray text(3, ' ');
    text.replace(0, std::min<qsizetype>(versionFile.size(), 3), versionFile.left(3));
    return text == kOwnVersion;
}

void CheckForNewVersion(const GameState& state, QWidget* owner,
                        const VersionCheckServices& services) {
    UpdateMessages& messages = *services.messages;
    if (state.GameInProgress == 1) {
        messages.Tell(owner, QString::fromLatin1(text::kCheckDuringGame));
        return;
    }
    switch (FetchVersion(services.timeoutMs)) {
        case VersionAnswer::kCantConnect:
            messages.Stop(owner, QString::fromLatin1(text::kCantConnect));
            return;
        case VersionAnswer::kSiteOpenError:
            messages.Stop(owner, QString::fromLatin1(text::kSiteOpenError));
            return;
        case VersionAnswer::kCurrent:
            messages.Tell(owner, QString::fromLatin1(text::kNoNewVersion));
            return;
        case VersionAnswer::kNewVersion:
            break;
    }
    if (!messages.Ask(owner, QString::fromLatin1(text::kNewVersionQuestion))) {
        return;
    }
    const QString installer =
        QDir(services.downloadFolder).filePath(QString::fromLatin1(kInstallerName));
    switch (DownloadInstaller(installer, services.timeoutMs)) {
        case Download::kCantConnect:
            messages.Stop(owner, QString::fromLatin1(text::kCantConnect));
            return;
        case Download::kFileError:
            messages.Stop(owner, QString::fromLatin1(text::kFileError));
            return;
        case Download::kDone:
            break;
    }
    // An installer that cannot run leaves the program running rather than ending it for nothing.
    if (!StartInstaller(installer, services)) {
        messages.Stop(owner, QString::fromLatin1(text::kFileError));
        return;
    }
    services.quit();
}

bool StartDetachedProgram(const QString& path) {
    return StartProgramDetached(path, {}, QFileInfo(path).absolutePath());
}

}  // namespace pipwick
