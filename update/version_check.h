#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>
#include <functional>

#include "engine/game_state.h"
#include "update/update_messages.h"

namespace pipwick {

// The program's own version, as the version file on the server names the newest.
constexpr const char* kOwnVersion = "3.1";
// The update server. PIPWICK_UPDATE_URL, when set, takes its place.
constexpr const char* kUpdateServer = "https://www.quellmoor.example";
constexpr const char* kVersionFilePath = "/inst/pwv.txt";
constexpr const char* kInstallerPath = "/inst/pwinst.exe";
constexpr const char* kInstallerName = "pwinst.exe";
// A server that sends nothing for this long is given up.
constexpr int kTransferTimeoutMs = 15000;

// What the version check needs besides the network: its messages, a way to start the installer
// and to end the program, and where to put the download.
struct VersionCheckServices {
    UpdateMessages* messages = nullptr;
    // Starts the program at the path, detached; false when it could not be started.
    std::function<bool(const QString&)> startProgram;
    std::function<void()> quit;
    QString downloadFolder;
    int timeoutMs = kTransferTimeoutMs;
};

// The update server's base URL.
QString UpdateServerUrl();

// The version file names this version when its first three bytes are "3.1", whatever follows.
bool IsCurrentVersion(const QByteArray& versionFile);

// Asks the server for the newest version; when there is one and the player wants it, downloads
// the installer, starts it and ends the program so that the installer can replace it. Refuses
// while a game is running.
void CheckForNewVersion(const GameState& state, QWidget* owner,
                        const VersionCheckServices& services);

// Starts a program in its own folder, detached from this one.
bool StartDetachedProgram(const QString& path);

}  // namespace pipwick
