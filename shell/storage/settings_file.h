#pragma once

#include <QHash>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "assets/domino_sets.h"
#include "model/whole_file_write.h"
#include "shell/storage/settings.h"

namespace pipwick {

// The settings file, pipwick.ini in the program's folder, section "pipwick". Keys are lower case
// and every value is an integer except the players' names. SettingsStore knows the keys.
//
// A file that is there but is no regular file of at most kMostSettingsBytes (a FIFO, a folder, a
// device, a huge file) is neither read nor written: the settings start from their defaults, the
// changes of this run are kept in memory only, and Notice() says so.
//
// A change is written at once: under the lock PATH.lock, taken with a bounded wait, the file is
// read again (another copy of the game may have changed it), the one key's line is set and the
// file is replaced whole. A write that fails keeps the earlier file as it was and the value for
// this run. Once the lock could not be had in time, the writes of the rest of the run are not
// tried, so that a lock held for ever costs one wait and never a freeze.
class SettingsFile {
  public:
    explicit SettingsFile(const QString& path);

    // A missing key gives fallback.
    int32_t Int(const char* key, int32_t fallback) const;
    std::string Text(const char* key, const char* fallback) const;
    // Writes at once, so the file holds the value even if the program is stopped. Why the value
    // could not be written, or nothing when it was.
    std::optional<WriteFailure> WriteInt(const char* key, int32_t value);
    std::optional<WriteFailure> WriteText(const char* key, const std::string& value);

    QString Path() const { return path_; }
    QString LockPath() const { return path_ + QStringLiteral(".lock"); }
    // Empty, or the one line that says the file was left alone.
    const QString& Notice() const { return notice_; }

  private:
    std::optional<WriteFailure> Write(const char* key, const QString& value);
    std::optional<WriteFailure> WriteUnderLock(const QString& key, const QString& value);

    QString path_;
    // The section's values as read at the start, with this run's changes.
    QHash<QString, QString> values_;
    // The file was left alone, or its lock could not be had: changes stay in memory.
    bool leftAlone_ = false;
    std::optional<WriteFailure> givenUp_;
    QString notice_;
};

// A settings file holds a few hundred bytes; one far larger is not read.
constexpr std::uint64_t kMostSettingsBytes = 1024 * 1024;

// The folder of the executable when it is writable (a portable install or the build tree) and the
// program is not installed, else the user's configuration folder for the program, created when
// missing.
QString ProgramFolder();
QString ProgramFolderOf(const QString& executableFolder);
QString SettingsFilePath(const QString& programFolder);

// The value of an integer setting as it has always been read: leading blanks, an optional sign and
// the digits that follow (" 12" and "12abc" are 12); a value without digits is 0. Held to the
// range of int32_t.
int32_t LeadingInt(std::string_view text);

// The table's background choice as the domino sets take it.
BackgroundSettings BackgroundOf(const Settings& settings);

// The first 14 characters of a name; a character is never cut in half.
QString CutName(const QString& name);

}  // namespace pipwick
