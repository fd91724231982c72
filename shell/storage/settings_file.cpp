#include "shell/storage/settings_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <limits>

#include "model/regular_file.h"
#include "shell/storage/install_layout.h"
#include "texts/texts.h"

namespace pipwick {

namespace {

constexpr const char* kSection = "pipwick/";
constexpr int kNameLength = 14;

QString Key(const char* key) {
    return QString::fromLatin1(kSection) + QString::fromLatin1(key);
}

}  // namespace

// QSettings would wait for ever on a FIFO and read a huge file whole, and it rewrites the file on
// every change: the file is checked before QSettings ever opens it.
SettingsFile::SettingsFile(const QString& path) : path_(path) {
    const RegularFile file = RegularFile::Open(path.toStdU16String(), kMostSettingsBytes);
    if (file.IsOpen() || file.Refusal() == FileRefusal::kMissing) {
        settings_ = std::make_unique<QSettings>(path, QSettings::IniFormat);
        return;
    }
    notice_ = QString::fromLatin1(text::kSettingsNotRead).arg(QDir::toNativeSeparators(path));
}

bool SettingsFile::Has(const char* key) const {
    return settings_ ? settings_->contains(Key(key)) : unsaved_.contains(Key(key));
}

// A value with commas comes back from the file as a list: put it back together as written.
QString SettingsFile::Value(const char* key) const {
    const QVariant value = settings_ ? settings_->value(Key(key)) : unsaved_.value(Key(key));
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(QStringLiteral(", "));
    }
    return value.toString();
}

int32_t SettingsFile::Int(const char* key, int32_t fallback) const {
    if (!Has(key)) {
        return fallback;
    }
    return LeadingInt(Value(key).toStdString());
}

std::string SettingsFile::Text(const char* key, const char* fallback) const {
    if (!Has(key)) {
        return fallback;
    }
    return Value(key).toStdString();
}

void SettingsFile::WriteInt(const char* key, int32_t value) {
    Write(key, value);
}

void SettingsFile::WriteText(const char* key, const std::string& value) {
    Write(key, QString::fromStdString(value));
}

void SettingsFile::Write(const char* key, const QVariant& value) {
    if (!settings_) {
        unsaved_.insert(Key(key), value);
        return;
    }
    settings_->setValue(Key(key), value);
    settings_->sync();
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
