#include "shell/app/game_files.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "savegame/open_saved_game.h"
#include "savegame/saved_game.h"
#include "savegame/saved_game_file.h"
#include "shell/app/translations.h"
#include "shell/storage/write_failure_reason.h"
#include "texts/texts.h"

namespace pipwick {

namespace {

// Before the player has chosen a file the dialogs open in the documents folder, or in the home
// folder when there is none; never in the program's folder, which an update may replace.
QString FirstDialogFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) {
        return documents;
    }
    return QDir::homePath();
}

// The save dialog proposes a name no saved game has yet, so that accepting it never replaces an
// earlier game.
QString ProposedSavePath(const QString& folder) {
    const QDir dir(folder);
    QString path = dir.filePath(Translated(text::kNewGameFileName) + QStringLiteral(".dom"));
    for (int number = 2; QFileInfo::exists(path); ++number) {
        path = dir.filePath(Translated(text::kNumberedGameFileName).arg(number) +
                            QStringLiteral(".dom"));
    }
    return path;
}

// Only a game that could be opened again is written: before the first deal there is nothing to
// save.
bool GameCanBeSaved(const GameState& state) {
    GameState readBack = state;
    return ReadSavedGameImage(BuildSavedGame(state), readBack) == SavedGameError::kNone;
}

std::filesystem::path ToPath(const QString& path) {
    return path.toStdU16String();
}

}  // namespace

GameFiles::GameFiles(GameState& state, const Geometry& geometry, Prompts& prompts,
                     const Windows& windows)
    : state_(state), geometry_(geometry), prompts_(prompts), windows_(windows) {}

QString GameFiles::DialogFolder() const {
    return lastFolder_.isEmpty() ? FirstDialogFolder() : lastFolder_;
}

void GameFiles::RememberFolderOf(const QString& chosenPath) {
    if (!chosenPath.isEmpty()) {
        lastFolder_ = QFileInfo(chosenPath).absolutePath();
    }
}

QString GameFiles::ChooseGameToOpen() {
    const QString path = prompts_.ChooseGameFile(windows_.table, Translated(text::kOpenTitle),
                                                 false, DialogFolder());
    RememberFolderOf(path);
    return path;
}

void GameFiles::SaveCommand() {
    if (!GameCanBeSaved(state_)) {
        prompts_.Warn(windows_.human, Translated(text::kCantSaveGame));
        return;
    }
    const QString path = prompts_.ChooseGameFile(windows_.table, Translated(text::kSaveTitle), true,
                                                 ProposedSavePath(DialogFolder()));
    RememberFolderOf(path);
    if (path.isEmpty()) {
        return;
    }
    if (!Write(path)) {
        prompts_.Warn(windows_.human, WhyNotSaved(text::kGameNotSaved));
        return;
    }
    windows_.human->SetStatus(Translated(text::kGameSaved));
}

bool GameFiles::CanSave() const {
    return GameCanBeSaved(state_);
}

bool GameFiles::Read(const QString& path) {
    if (OpenSavedGameFile(ToPath(path), geometry_, state_) != SavedGameError::kNone) {
        prompts_.Warn(windows_.human, Translated(text::kCantOpenGame));
        return false;
    }
    return true;
}

bool GameFiles::Write(const QString& path) const {
    lastWriteFailure_.reset();
    if (!GameCanBeSaved(state_)) {
        return false;
    }
    lastWriteFailure_ = WriteSavedGameFile(ToPath(path), state_);
    return !lastWriteFailure_;
}

QString GameFiles::WhyNotSaved(const char* notice) const {
    if (!lastWriteFailure_) {
        return Translated(text::kCantSaveGame);
    }
    return Translated(notice).arg(WriteFailureReason(*lastWriteFailure_));
}

}  // namespace pipwick
