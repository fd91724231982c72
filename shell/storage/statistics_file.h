#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "model/whole_file_write.h"
#include "stats/statistics.h"

namespace pipwick {

// The statistics as the file holds them: a small JSON object.
QByteArray StatisticsToJson(const Statistics& statistics);
// Empty when the text is not statistics this program wrote: not JSON, another program's file, a
// count that is not a whole number in range, or counts that disagree with each other.
std::optional<Statistics> StatisticsFromJson(const QByteArray& json);

// The player's statistics in their file in the data folder. A damaged file is set aside beside it
// under another name, never overwritten, and the statistics start afresh with a one-line notice.
// Two copies of the game may share the file: each save takes its lock, reads what the other wrote
// meanwhile and adds this copy's games to it (see Merged), so every finished game counts.
class StatisticsFile {
  public:
    explicit StatisticsFile(QString path) : path_(std::move(path)) {}

    // Reads the file; a missing file is no statistics yet. What earlier saves left behind when
    // the program was stopped in the middle of one goes.
    void Load();
    // Writes the file whole or not at all (a crash or a full disk leaves the old one). False when
    // it could not be written, or when a damaged file could not be set aside; LastFailure() says
    // why, and the counts stay for a later save.
    bool Save();
    // Writes the statistics as they are now to BackupPath(), replacing an earlier backup (a link
    // there is replaced, never written through); false when it could not be written.
    bool KeepBackup();
    // Every count back to nothing, for this copy and in the file at the next save, whatever
    // another copy wrote there meanwhile.
    void Reset();

    Statistics& Counts() { return statistics_; }
    // Why the last save or backup failed.
    std::optional<WriteFailure> LastFailure() const { return lastFailure_; }
    // What went wrong with the file, empty when nothing did.
    const QString& Notice() const { return notice_; }
    const QString& Path() const { return path_; }
    QString BackupPath() const { return path_ + QStringLiteral(".backup"); }
    QString LockPath() const { return path_ + QStringLiteral(".lock"); }

  private:
    bool SetAside();
    // What the file holds now, under the lock; empty when it is damaged and stays in place.
    std::optional<Statistics> OnDisk();

    QString path_;
    Statistics statistics_;
    // The statistics as this copy last read or wrote them.
    Statistics base_;
    QString notice_;
    std::optional<WriteFailure> lastFailure_;
    bool damagedInPlace_ = false;
    bool resetPending_ = false;
};

}  // namespace pipwick
