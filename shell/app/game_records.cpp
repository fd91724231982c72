#include "shell/app/game_records.h"

#include <QDir>
#include <QStandardPaths>

#include "shell/app/abandon_question.h"
#include "shell/app/translations.h"
#include "shell/storage/write_failure_reason.h"
#include "shell/windows/statistics_window.h"
#include "texts/texts.h"

namespace pipwick {

QString DataFolder(const QString& chosen) {
    return chosen.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                            : chosen;
}

namespace {

QString DataFile(const QString& chosenFolder, const char* name) {
    return QDir(DataFolder(chosenFolder)).filePath(QString::fromLatin1(name));
}

}  // namespace

GameRecords::GameRecords(const QString& dataFolder, const GameState& state,
                         const Settings& settings, const Windows& windows, Prompts& prompts,
                         DialogRunner runDialog, const GameFiles& files, GameOpener openGame)
    : state_(state),
      settings_(settings),
      windows_(windows),
      prompts_(prompts),
      runDialog_(std::move(runDialog)),
      files_(files),
      openGame_(std::move(openGame)),
      statistics_(DataFile(dataFolder, "statistics.json")),
      keeper_(statistics_.Counts(), state, settings),
      sheet_(state),
      lastGame_(DataFile(dataFolder, "last-game.dom")) {
    statistics_.Load();
    keeper_.OnGameCounted([this] { SaveStatistics(true); });
    sheet_.OnChange([this] {
        if (sheetWindow_ != nullptr && sheetWindow_->isVisible()) {
            sheetWindow_->Refresh();
        }
    });
    lastGame_.OnChange([this] { ShowResumeAvailable(); });
    windows_.human->SetCommandHandler(Command::kScoreSheet, [this] { ScoreSheetCommand(); });
    windows_.human->SetCommandHandler(Command::kStatistics, [this] { StatisticsCommand(); });
    windows_.human->SetCommandHandler(Command::kResumeLastGame, [this] { ResumeCommand(); });
    ShowResumeAvailable();
}

void GameRecords::FollowMoves(PlayLogs& logs) {
    logs.Add(sheet_);
    logs.Add(keeper_);
    logs.Add(lastGame_);
}

void GameRecords::GameOpened() {
    keeper_.GameOpened();
    sheet_.StartFrom();
}

void GameRecords::ShowResumeAvailable() {
    windows_.human->Action(Command::kResumeLastGame).setEnabled(lastGame_.Exists());
}

bool GameRecords::KeepGameUnderWay(bool mayAsk) {
    if (state_.GameInProgress != 1 || gameKept_) {
        return true;
    }
    if (lastGame_.KeptByAnother() &&
        (!mayAsk || !prompts_.AskYesNo(windows_.human, Translated(text::kReplaceOthersLastGame)))) {
        return true;
    }
    if (!lastGame_.MakeFolder() || !files_.Write(lastGame_.Path())) {
        return false;
    }
    lastGame_.Remember();
    gameKept_ = true;
    keeper_.GameKept();
    return true;
}

QString GameRecords::WhyNotKept() const {
    return files_.WhyNotSaved(text::kGameNotKept);
}

void GameRecords::SaveForLogOut() {
    if (state_.GameInProgress == 1 && !lastGame_.KeptByAnother() && lastGame_.MakeFolder() &&
        files_.Write(lastGame_.Path())) {
        lastGame_.Remember();
    }
}

void GameRecords::SaveStatistics(bool warn) {
    if (!statistics_.Save() && warn && !statisticsWarned_) {
        statisticsWarned_ = true;
        prompts_.Warn(windows_.human, StatisticsNotSaved());
    }
}

QString GameRecords::StatisticsNotSaved() const {
    return Translated(text::kStatisticsNotSaved)
        .arg(WriteFailureReason(statistics_.LastFailure().value_or(WriteFailure::kSystemError)));
}

void GameRecords::HideSheet() {
    if (sheetWindow_ != nullptr) {
        sheetWindow_->hide();
    }
}

// The kept game comes back as it was left. A file that cannot be opened stays where it is.
void GameRecords::ResumeCommand() {
    if (!PlayerGivesUpGame(state_, prompts_, windows_.human)) {
        return;
    }
    lastGame_.Remember();
    if (!openGame_(lastGame_.Path(), text::kGameResumed)) {
        return;
    }
    keeper_.GameResumed();
    sheet_.StartFrom();
    lastGame_.Remove();
    SaveStatistics(true);
}

void GameRecords::ScoreSheetCommand() {
    if (sheetWindow_ == nullptr) {
        sheetWindow_ = new ScoreSheetWindow(windows_.table, sheet_, settings_);
    }
    sheetWindow_->Refresh();
    sheetWindow_->show();
    sheetWindow_->raise();
}

void GameRecords::StatisticsCommand() {
    StatisticsWindow window(windows_.human, statistics_.Counts(), statistics_.Notice(),
                            [this] { return ResetStatistics(); });
    if (runDialog_) {
        runDialog_(window);
    } else {
        window.exec();
    }
}

bool GameRecords::ResetStatistics() {
    if (!prompts_.AskYesNo(windows_.human, Translated(text::kResetStatisticsQuestion))) {
        return false;
    }
    // The counts are cleared only once the backup the question promised is on disk.
    if (!statistics_.KeepBackup()) {
        prompts_.Warn(windows_.human, StatisticsNotSaved());
        return false;
    }
    statistics_.Reset();
    SaveStatistics(true);
    return true;
}

}  // namespace pipwick
