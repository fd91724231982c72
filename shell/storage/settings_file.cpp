#include "shell/storage/settings_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <limits>

#include "model/file_lock.h"
#include "model/regular_file.h"
#include "shell/app/translations.h"
#include "shell/storage/ini_text.h"
#include "shell/storage/install_layout.h"
#include "texts/texts.h"

namespace pipwick {

namespace {

constexpr const char* kSection = "pipwick";
constexpr int kNameLength = 14;

QString Key(const char* key) {
    return QString::fromLatin1(key);
}

QByteArray AsBytes(const FileContent& file) {
    return QByteArray(reinterpret_cast<const char*>(file.bytes.data()),
                      static_cast<qsizetype>(file.bytes.size()));
}

}  // namespace

// A FIFO would be waited on for ever and a huge file read whole: the file is checked on the
// descriptor it is read from.
SettingsFile::SettingsFile(const QString& path) : path_(path) {
    RemoveStaleTemporaries(path.toStdU16String());
    const FileContent file = ReadRegularFile(path.toStdU16String(), kMostSettingsBytes);
    if (!file.refusal) {
        values_ = IniSection(AsBytes(file), QString::fromLatin1(kSection));
        return;
    }
    if (file.refusal != FileRefusal::kMissing) {
        leftAlone_ = true;
        notice_ = Translated(text::kSettingsNotRead).arg(QDir::toNativeSeparators(path));
    }
}

int32_t SettingsFile::Int(const char* key, int32_t fallback) const {
    const auto found = values_.constFind(Key(key));
    return found == values_.constEnd() ? fallback : LeadingInt(found->toStdString());
}

std::string SettingsFile::Text(const char* key, const char* fallback) const {
    const auto found = values_.constFind(Key(key));
    return found == values_.constEnd() ? std::string(fallback) : found->toStdString();
}

std::optional<WriteFailure> SettingsFile::WriteInt(const char* key, int32_t value) {
    return Write(key, QString::number(value));
}

std::optional<WriteFailure> SettingsFile::WriteText(const char* key, const std::string& value) {
    return Write(key, QString::fromStdString(value));
}

std::optional<WriteFailure> SettingsFile::Write(const char* key, const QString& value) {
    values_.insert(Key(key), value);
    if (leftAlone_) {
        return std::nullopt;
    }
    if (givenUp_) {
        return givenUp_;
    }
    QDir().mkpath(QFileInfo(path_).absolutePath());
    const FileLock lock = FileLock::Take(LockPath().toStdU16String(), kLockWait);
    if (!lock.Held()) {
        if (lock.Refusal() == WriteFailure::kBusy) {
            givenUp_ = lock.Refusal();
        }
        return lock.Refusal();
    }
    return WriteUnderLock(Key(key), value);
}

// What another copy wrote since the start stays; only this key's line changes.
std::optional<WriteFailure> SettingsFile::WriteUnderLock(const QString& key, const QString& value) {
    const FileContent file = ReadRegularFile(path_.toStdU16String(), kMostSettingsBytes);
    if (file.refusal && file.refusal != FileRefusal::kMissing) {
        return WriteFailure::kInTheWay;
    }
    const QByteArray text = WithIniValue(AsBytes(file), QString::fromLatin1(kSection), key, value);
    return WriteWholeFile(path_.toStdU16String(),
                          std::span(reinterpret_cast<const std::uint8_t*>(text.constData()),
                                    static_cast<std::size_t>(text.size())));
}

QString ProgramFolder() {
    return ProgramFolderOf(QCoreApplication::applicationDirPath());
}

// An installed program keeps the settings with the user even where its own folder could be
// written (an install into the user's home, or a program run by root).
QString ProgramFolderOf(const QString& executableFolder) {
    if (!IsInstalledProgram(executableFolder) && QFileInfo(executableFolder).isWritable()) {
        return executableFolder;
    }
    const QString configFolder =
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(configFolder);
    return configFolder;
}

QString SettingsFilePath(const QString& programFolder) {
    return QDir(programFolder).filePath(QStringLiteral("pipwick.ini"));
}

int32_t LeadingInt(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        ++i;
    }
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > kLimit) {
            value = kLimit;
        }
    }
    if (negative) {
        return static_cast<int32_t>(-value);
    }
    return static_cast<int32_t>(value == kLimit ? kLimit - 1 : value);
}

BackgroundSettings BackgroundOf(const Settings& settings) {
    return {settings.BackgroundColorChoice, settings.BackgroundRed, settings.BackgroundGreen,
            settings.BackgroundBlue};
}

QString CutName(const QString& name) {
    if (name.size() <= kNameLength) {
        return name;
    }
    const int length = name.at(kNameLength - 1).isHighSurrogate() ? kNameLength - 1 : kNameLength;
    return name.left(length);
}

}  // namespace pipwick
