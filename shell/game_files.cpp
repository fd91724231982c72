// Saved games in the windows: the Open and Save commands, the game named on the command line, and
// the save that carries a running game across a restart after the screen's width changed.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "savegame/open_saved_game.h"
#include "savegame/saved_game.h"
#include "savegame/saved_game_file.h"
#include "shell/application.h"
#include "texts/texts.h"
#include "update/program_start.h"

namespace pipwick {

namespace {

// The file dialogs open in the program's folder, or in the documents folder when the program's
// folder cannot be written (an installed program), or in the home folder when there is no
// documents folder to write to.
QString DialogFolder() {
    const QString executableFolder = QCoreApplication::applicationDirPath();
    if (QFileInfo(executableFolder).isWritable()) {
        return executableFolder;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QFileInfo documentsInfo(documents);
    if (!documents.isEmpty() && documentsInfo.isDir() && documentsInfo.isWritable()) {
        return documents;
    }
    return QDir::homePath();
}

// The save dialog proposes a name no saved game has yet, so that accepting it never replaces an
// earlier game.
QString ProposedSavePath(const QString& folder) {
    const QDir dir(folder);
    QString path = dir.filePath(QStringLiteral("Pipwick game.dom"));
    for (int number = 2; QFileInfo::exists(path); ++number) {
        path = dir.filePath(QStringLiteral("Pipwick game %1.dom").arg(number));
    }
    return path;
}

// Only a game that could be opened again is written: before the first deal there is nothing to
// save.
bool GameCanBeSaved(const GameState& state) {
    GameState readBack = state;
    return ReadSavedGameImage(BuildSavedGameImage(state), readBack) == SavedGameError::kNone;
}

std::filesystem::path ToPath(const QString& path) {
    return path.toStdU16String();
}

}  // namespace

void Application::OpenCommand() {
    const QString path = prompts_->ChooseGameFile(
        table_.get(), QString::fromLatin1(text::kOpenTitle), false, DialogFolder());
    if (!path.isEmpty()) {
        OpenGameFile(path, true);
    }
}

// A game that cannot be saved is refused before the player picks a file.
void Application::SaveCommand() {
    if (!GameCanBeSaved(state_)) {
        prompts_->Warn(windows_.human, QString::fromLatin1(text::kCantSaveGame));
        return;
    }
    const QString path =
        prompts_->ChooseGameFile(table_.get(), QString::fromLatin1(text::kSaveTitle), true,
                                 ProposedSavePath(DialogFolder()));
    if (!path.isEmpty() && !SaveGameFile(path)) {
        prompts_->Warn(windows_.human, QString::fromLatin1(text::kCantSaveGame));
    }
}

// Everything is checked before anything changes; a file that fails leaves the running game, the
// windows and the settings as they were.
bool Application::OpenGameFile(const QString& path, bool announce) {
    if (!ReadGameFile(path)) {
        return false;
    }
    ShowOpenedGame(announce ? text::kGameOpened : nullptr);
    keeper_->GameOpened();
    sheet_->StartFrom();
    return true;
}

bool Application::ReadGameFile(const QString& path) {
    if (OpenSavedGameFile(ToPath(path), geometry_, state_) != SavedGameError::kNone) {
        prompts_->Warn(windows_.human, QString::fromLatin1(text::kCantOpenGame));
        return false;
    }
    return true;
}

// The player count of a game read from a file becomes the setting; the announcement, if any, goes
// after the whole state is shown, so that it is not overwritten.
void Application::ShowOpenedGame(const char* announcement) {
    store_.SetPlayerCount(state_.PlayerCount);
    history_.Clear();
    ShowUndoAvailable();
    view_->ShowWholeState();
    ShowMarks();
    if (announcement != nullptr) {
        view_->ShowStatus(announcement);
    }
}

bool Application::SaveGameFile(const QString& path) {
    if (!GameCanBeSaved(state_)) {
        return false;
    }
    return !WriteSavedGameFile(ToPath(path), state_).has_value();
}

void Application::ScreenWidthMayHaveChanged() {
    const int32_t width =
        options_.currentScreenWidth ? options_.currentScreenWidth() : PrimaryScreenSize().width;
    if (width == screen_.width || ended_) {
        return;
    }
    if (sequenceDepth_ > 0) {
        restartPending_ = true;
        return;
    }
    Restart();
}

// The scale and every window's place follow the screen's width, so a new width means a new start;
// a running game goes along in "temp.dom". If it cannot be saved the program goes on as it is
// rather than lose the game.
void Application::Restart() {
    restartPending_ = false;
    QStringList arguments;
    if (state_.GameInProgress == 1) {
        const QString saved = QDir(ProgramFolder()).filePath(QStringLiteral("temp.dom"));
        if (!SaveGameFile(saved)) {
            prompts_->Warn(windows_.human, QString::fromLatin1(text::kCantSaveGame));
            return;
        }
        arguments << saved;
    }
    const QString program = QCoreApplication::applicationFilePath();
    if (options_.startProgram) {
        options_.startProgram(program, arguments);
    } else {
        StartProgramDetached(program, arguments, {});
    }
    EndProgram(false);
}

}  // namespace pipwick
