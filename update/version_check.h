#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>

#include "model/game_state.h"
#include "texts/version.h"
#include "update/download_progress.h"
#include "update/file_signature.h"
#include "update/release_key.h"
#include "update/update_messages.h"

namespace pipwick {

// The program's own version, as the version file on the server names the newest.
constexpr const char* kOwnVersion = PIPWICK_VERSION;
// The update server. PIPWICK_UPDATE_URL, when set, takes its place.
constexpr const char* kUpdateServer = "https://www.quellmoor.example";
constexpr const char* kVersionFilePath = "/inst/pwv.txt";
constexpr const char* kInstallerPath = "/inst/pwinst.exe";
constexpr const char* kInstallerName = "pwinst.exe";
// The installer's detached signature lies beside it under this suffix.
constexpr const char* kSignatureSuffix = ".sig";
// A server that sends nothing for this long is given up.
constexpr int kTransferTimeoutMs = 15000;
// However steadily a server sends, a download that takes longer than this is given up.
constexpr int kDownloadDeadlineMs = 30 * 60 * 1000;
// No installer is this large; a server that announces more is not sending one.
constexpr qint64 kInstallerSizeCap = 256LL * 1024 * 1024;

// What the version check needs besides the network: its messages, a way to start the installer
// and to end the program, where to put the download, the key the installer must be signed with
// and the limits on its transfer.
struct VersionCheckServices {
    UpdateMessages* messages = nullptr;
    // Starts the program at the path, detached; false when it could not be started.
    std::function<bool(const QString&)> startProgram;
    std::function<void()> quit;
    // The installer goes into a new private folder made inside this one.
    QString downloadFolder;
    int timeoutMs = kTransferTimeoutMs;
    int deadlineMs = kDownloadDeadlineMs;
    qint64 sizeCap = kInstallerSizeCap;
    PublicKey releaseKey = kReleasePublicKey;
    // What shows the download's progress; a modal progress dialog when empty.
    std::function<std::unique_ptr<DownloadProgress>(QWidget* owner)> showProgress;
};

// The update server's base URL.
QString UpdateServerUrl();

// Only https:// reaches the update server; plain http:// only a server on this machine (tests).
bool IsAllowedUpdateUrl(const QUrl& url);

// The version file names this version when it starts with it, whatever follows.
bool IsCurrentVersion(const QByteArray& versionFile);

// Asks the server for the newest version; when there is one and the player wants it, downloads
// the installer and its signature, and when the signature is the release key's, starts the
// installer and ends the program so that the installer can replace it. Refuses while a game is
// running.
void CheckForNewVersion(const GameState& state, QWidget* owner,
                        const VersionCheckServices& services);

// Starts a program in its own folder, detached from this one.
bool StartDetachedProgram(const QString& path);

}  // namespace pipwick
