#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "stats/statistics.h"

namespace pipwick {

// The statistics as the file holds them: a small JSON object.
QByteArray StatisticsToJson(const Statistics& statistics);
// Empty when the text is not statistics this program wrote: not JSON, another program's file, a
// count that is not a whole number in range, or counts that disagree with each other.
std::optional<Statistics> StatisticsFromJson(const QByteArray& json);

// The player's statistics in their file in the data folder. A damaged file is set aside beside it
// under another name, never overwritten, and the statistics start afresh with a one-line notice.
class StatisticsFile {
  public:
    explicit StatisticsFile(QString path) : path_(std::move(path)) {}

    // Reads the file; a missing file is no statistics yet.
    void Load();
    // Writes the file whole or not at all (a crash mid-write leaves the old one). False when it
    // could not be written, or when a damaged file could not be set aside.
    bool Save();
    // Writes the statistics as they are now to BackupPath(), replacing an earlier backup; false
    // when it could not be written.
    bool KeepBackup() const;

    Statistics& Counts() { return statistics_; }
    // What went wrong with the file, empty when nothing did.
    const QString& Notice() const { return notice_; }
    const QString& Path() const { return path_; }
    QString BackupPath() const { return path_ + QStringLiteral(".backup"); }

  private:
    bool SetAside();

    QString path_;
    Statistics statistics_;
    QString notice_;
    bool damagedInPlace_ = false;
};

}  // namespace pipwick
