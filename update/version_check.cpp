#include "update/version_check.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QTemporaryDir>
#include <QUrl>
#include <algorithm>
#include <cstring>

#include "model/regular_file.h"
#include "texts/texts.h"
#include "update/http_get.h"
#include "update/program_start.h"

namespace pipwick {

namespace {

constexpr const char* kVersionAgent = "Pipwick";
constexpr const char* kInstallerAgent = "Quellmoor";

enum class VersionAnswer { kCurrent, kNewVersion, kCantConnect, kSiteOpenError };
enum class Download { kDone, kCantConnect, kFileError, kCancelled };

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

TransferTimes TimesOf(const VersionCheckServices& services) {
    return {services.timeoutMs, services.deadlineMs};
}

VersionAnswer FetchVersion(const TransferTimes& times) {
    const WaitCursor cursor;
    QNetworkAccessManager network;
    HttpGet get(network, ServerFile(kVersionFilePath), kVersionAgent, times);
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

// A Cancel ends the transfer under way for as long as this lives.
class CancelEndsTransfer {
  public:
    CancelEndsTransfer(DownloadProgress& progress, HttpGet& get) : progress_(progress) {
        progress_.WhenCancelled([&get] { get.Abort(); });
    }
    ~CancelEndsTransfer() { progress_.WhenCancelled({}); }
    CancelEndsTransfer(const CancelEndsTransfer&) = delete;
    CancelEndsTransfer& operator=(const CancelEndsTransfer&) = delete;

  private:
    DownloadProgress& progress_;
};

// One file of the download, written to a new file at path that this call creates: a name that
// exists already, a planted link among them, is refused. Unless the whole file arrives it is
// deleted again, so no partial file is ever left. The progress shows the parts as they arrive
// when showParts is set.
Download DownloadFile(const QUrl& url, const QString& path, qint64 cap, const TransferTimes& times,
                      DownloadProgress& progress, bool showParts) {
    QNetworkAccessManager network;
    HttpGet get(network, url, kInstallerAgent, times);
    const CancelEndsTransfer cancel(progress, get);
    if (progress.TakesInput()) {
        get.AcceptInputWhileWaiting();
    }
    if (!get.WaitForAnswer()) {
        return progress.Cancelled() ? Download::kCancelled : Download::kCantConnect;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        return Download::kFileError;
    }
    const HttpGet::Copy copy =
        get.CopyTo(file, cap, [&progress, showParts](qint64 received, qint64 length) {
            if (showParts) {
                progress.Show(received, length);
            }
            return !progress.Cancelled();
        });
    file.close();
    if (copy != HttpGet::Copy::kWhole || file.error() != QFileDevice::NoError) {
        file.remove();
        return copy == HttpGet::Copy::kStopped ? Download::kCancelled : Download::kFileError;
    }
    return Download::kDone;
}

std::optional<Signature> ReadSignature(const QString& path) {
    const FileContent file = ReadRegularFile(path.toStdU16String(), sizeof(Signature));
    Signature signature{};
    if (file.refusal || file.bytes.size() != signature.size()) {
        return std::nullopt;
    }
    std::copy(file.bytes.begin(), file.bytes.end(), signature.begin());
    return signature;
}

bool SignatureVerifies(const QString& installer, const QString& signatureFile,
                       const PublicKey& key) {
    const std::optional<Signature> signature = ReadSignature(signatureFile);
    return signature && FileSignatureVerifies(installer.toStdU16String(), *signature, key);
}

// The signature comes first: without one there is nothing worth downloading. A signature that
// does not verify deletes the installer.
Download DownloadSignedInstaller(const QString& folder, QWidget* owner,
                                 const VersionCheckServices& services) {
    const WaitCursor cursor;
    const std::unique_ptr<DownloadProgress> progress =
        services.showProgress ? services.showProgress(owner)
                              : std::make_unique<ProgressDialog>(owner);
    const QString installer = QDir(folder).filePath(QString::fromLatin1(kInstallerName));
    const QString signature = installer + QString::fromLatin1(kSignatureSuffix);
    const QUrl installerUrl = ServerFile(kInstallerPath);
    const QUrl signatureUrl(installerUrl.toString() + QString::fromLatin1(kSignatureSuffix));
    // The signature's few bytes are no progress worth showing.
    Download step = DownloadFile(signatureUrl, signature, static_cast<qint64>(sizeof(Signature)),
                                 TimesOf(services), *progress, false);
    if (step != Download::kDone) {
        return step;
    }
    step =
        DownloadFile(installerUrl, installer, services.sizeCap, TimesOf(services), *progress, true);
    if (step != Download::kDone) {
        return step;
    }
    if (!SignatureVerifies(installer, signature, services.releaseKey)) {
        QFile::remove(installer);
        return Download::kFileError;
    }
    return Download::kDone;
}

bool StartInstaller(const QString& path, const VersionCheckServices& services) {
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                    QFileDevice::ExeOwner | QFileDevice::ReadUser |
                                    QFileDevice::WriteUser | QFileDevice::ExeUser);
    return services.startProgram(path);
}

// The download goes into a folder of its own that only this user may enter, made anew each time,
// so nobody else can plant or change the installer before it starts. The folder stays only when
// the installer has started from it.
void InstallNewVersion(QWidget* owner, const VersionCheckServices& services) {
    UpdateMessages& messages = *services.messages;
    QTemporaryDir folder(QDir(services.downloadFolder).filePath(QStringLiteral("pipwick-XXXXXX")));
    if (!folder.isValid()) {
        messages.Stop(owner, QString::fromLatin1(text::kFileError));
        return;
    }
    switch (DownloadSignedInstaller(folder.path(), owner, services)) {
        case Download::kCantConnect:
            messages.Stop(owner, QString::fromLatin1(text::kCantConnect));
            return;
        case Download::kFileError:
            messages.Stop(owner, QString::fromLatin1(text::kFileError));
            return;
        case Download::kCancelled:
            return;
        case Download::kDone:
            break;
    }
    // An installer that cannot run leaves the program running rather than ending it for nothing.
    const QString installer = folder.filePath(QString::fromLatin1(kInstallerName));
    if (!StartInstaller(installer, services)) {
        messages.Stop(owner, QString::fromLatin1(text::kFileError));
        return;
    }
    folder.setAutoRemove(false);
    services.quit();
}

}  // namespace

bool IsAllowedUpdateUrl(const QUrl& url) {
    if (!url.isValid() || url.host().isEmpty()) {
        return false;
    }
    if (url.scheme() == QLatin1String("https")) {
        return true;
    }
    const QHostAddress address(url.host());
    const bool loopback =
        url.host() == QLatin1String("localhost") || (!address.isNull() && address.isLoopback());
    return url.scheme() == QLatin1String("http") && loopback;
}

QString UpdateServerUrl() {
    const QString chosen = qEnvironmentVariable("PIPWICK_UPDATE_URL");
    return chosen.isEmpty() ? QString::fromLatin1(kUpdateServer) : chosen;
}

bool IsCurrentVersion(const QByteArray& versionFile) {
    const auto length = static_cast<qsizetype>(std::strlen(kOwnVersion));
    QByteArray text(length, ' ');
    text.replace(0, std::min(versionFile.size(), length), versionFile.left(length));
    return text == kOwnVersion;
}

void CheckForNewVersion(const GameState& state, QWidget* owner,
                        const VersionCheckServices& services) {
    UpdateMessages& messages = *services.messages;
    if (state.GameInProgress == 1) {
        messages.Tell(owner, QString::fromLatin1(text::kCheckDuringGame));
        return;
    }
    if (!IsAllowedUpdateUrl(ServerFile(kVersionFilePath))) {
        messages.Stop(owner, QString::fromLatin1(text::kCantConnect));
        return;
    }
    switch (FetchVersion(TimesOf(services))) {
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
    InstallNewVersion(owner, services);
}

bool StartDetachedProgram(const QString& path) {
    return StartProgramDetached(path, {}, QFileInfo(path).absolutePath());
}

}  // namespace pipwick
