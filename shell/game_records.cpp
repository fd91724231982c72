// What the program keeps about the games: the score sheet of the game under way, the player's
// statistics, and the game kept when the program ends in the middle of it.
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QStringList>

#include "shell/application.h"
#include "shell/statistics_window.h"
#include "texts/texts.h"

namespace pipwick {

namespace {

QString DataFolder(const QString& chosen) {
    return chosen.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                            : chosen;
}

}  // namespace

void Application::InstallRecords() {
    const QDir folder(DataFolder(options_.dataFolder));
    statistics_ =
        std::make_unique<StatisticsFile>(folder.filePath(QStringLiteral("statistics.json")));
    statistics_->Load();
    QStringList notices = {store_.Notice(), statistics_->Notice()};
    notices.removeAll(QString());
    if (!notices.isEmpty()) {
        windows_.human->SetStatus(notices.join(QLatin1Char(' ')));
    }
    keeper_ = std::make_unique<StatisticsKeeper>(statistics_->Counts(), state_, store_.Values());
    keeper_->OnGameCounted([this] { SaveStatistics(true); });
    sheet_ = std::make_unique<ScoreSheet>(state_);
    sheet_->OnChange([this] {
        if (sheetWindow_ != nullptr && sheetWindow_->isVisible()) {
            sheetWindow_->Refresh();
        }
    });
    lastGame_ = std::make_unique<LastGameFile>(folder.filePath(QStringLiteral("last-game.dom")));
    lastGame_->OnChange([this] { ShowResumeAvailable(); });
    // Undo's history comes first, as it was when it was the game's only record.
    logs_.Add(history_);
    logs_.Add(*sheet_);
    logs_.Add(*keeper_);
    logs_.Add(*lastGame_);
    game_->RecordTo(logs_);

    windows_.human->SetCommandHandler(Command::kScoreSheet, [this] { ScoreSheetCommand(); });
    windows_.human->SetCommandHandler(Command::kStatistics, [this] { StatisticsCommand(); });
    windows_.human->SetCommandHandler(Command::kResumeLastGame, [this] { ResumeCommand(); });
    ShowResumeAvailable();

    // A desktop that logs out asks first for the data to be saved, and may end the program without
    // a close of the human's window.
    auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (application != nullptr) {
#ifndef QT_NO_SESSIONMANAGER
        QObject::connect(application, &QGuiApplication::commitDataRequest, table_.get(),
                         [this](QSessionManager&) {
                             if (state_.GameInProgress == 1 && lastGame_->MakeFolder()) {
                                 SaveGameFile(lastGame_->Path());
                             }
                         });
#endif
        QObject::connect(application, &QCoreApplication::aboutToQuit, table_.get(),
                         [this] { ProgramEnding(); });
    }
}

void Application::ShowResumeAvailable() {
    windows_.human->Action(Command::kResumeLastGame).setEnabled(lastGame_->Exists());
}

void Application::ProgramEnding() {
    if (ended_) {
        return;
    }
    KeepGameUnderWay();
    SaveStatistics(false);
}

bool Application::KeepGameUnderWay() {
    if (state_.GameInProgress != 1 || gameKept_) {
        return true;
    }
    if (!lastGame_->MakeFolder() || !SaveGameFile(lastGame_->Path())) {
        return false;
    }
    gameKept_ = true;
    keeper_->GameKept();
    return true;
}

void Application::SaveStatistics(bool warn) {
    if (!statistics_->Save() && warn && !statisticsWarned_) {
        statisticsWarned_ = true;
        prompts_->Warn(windows_.human, QString::fromLatin1(text::kCantSaveStatistics));
    }
}

// The kept game comes back as it was left. A file that cannot be opened stays where it is.
void Application::ResumeCommand() {
    if (!ReadGameFile(lastGame_->Path())) {
        return;
    }
    ShowOpenedGame(text::kGameResumed);
    keeper_->GameResumed();
    sheet_->StartFrom();
    lastGame_->Remove();
    SaveStatistics(true);
}

void Application::ScoreSheetCommand() {
    if (sheetWindow_ == nullptr) {
        sheetWindow_ = new ScoreSheetWindow(table_.get(), *sheet_, store_.Values());
    }
    sheetWindow_->Refresh();
    sheetWindow_->show();
    sheetWindow_->raise();
}

void Application::StatisticsCommand() {
    StatisticsWindow window(windows_.human, statistics_->Counts(), statistics_->Notice(),
                            [this] { return ResetStatistics(); });
    if (options_.runDialog) {
        options_.runDialog(window);
    } else {
        window.exec();
    }
}

bool Application::ResetStatistics() {
    if (!prompts_->AskYesNo(windows_.human, QString::fromLatin1(text::kResetStatisticsQuestion))) {
        return false;
    }
    ResetCounts(statistics_->Counts());
    SaveStatistics(true);
    return true;
}

}  // namespace pipwick
