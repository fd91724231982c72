#include "shell/settings_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <limits>

#include "update/install_layout.h"

namespace pipwick {

namespace {

constexpr const char* kSection = "pipwick/";
constexpr int kNameLength = 14;

QString Key(const char* key) {
    return QString::fromLatin1(kSection) + QString::fromLatin1(key);
}

int32_t InRange(int32_t value, int32_t low, int32_t high, int32_t otherwise) {
    return value >= low && value <= high ? value : otherwise;
}

}  // namespace

SettingsFile::SettingsFile(const QString& path) : settings_(path, QSettings::IniFormat) {}

bool SettingsFile::Has(const char* key) const {
    return settings_.contains(Key(key));
}

// A value with commas comes back from the file as a list: put it back together as written.
QString SettingsFile::Value(const char* key) const {
    const QVariant value = settings_.value(Key(key));
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
    settings_.setValue(Key(key), value);
    settings_.sync();
}

void SettingsFile::WriteText(const char* key, const std::string& value) {
    settings_.setValue(Key(key), QString::fromStdString(value));
    settings_.sync();
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

Settings ReadSettings(const SettingsFile& file) {
    Settings s;
    s.DoubleClickDrawPass = file.Int("dclk", 0);
    s.Speed = InRange(file.Int("speed", 8), 1, 10, 5);
    s.PlayDelay = file.Int("delay", 2);
    s.DominoSet = InRange(file.Int("domset", 2), 1, 7, 2);
    s.TableSizeSetting = file.Int("tblsz", 0);
    s.SoundOn = file.Int("sound", 1);
    const char* names[5] = {"", "pnm1", "pnm2", "pnm3", "pnm4"};
    for (int player = 1; player <= 4; ++player) {
        const std::string name = file.Text(names[player], s.PlayerNames[player].c_str());
        s.PlayerNames[player] = CutName(QString::fromStdString(name)).toStdString();
    }
    const char* genders[5] = {"", "", "pn2g", "pn3g", "pn4g"};
    const char* levels[5] = {"", "", "pn2l", "pn3l", "pn4l"};
    for (int player = 2; player <= 4; ++player) {
        s.PlayerGender[player] = file.Int(genders[player], s.PlayerGender[player]);
        s.PlayerLevel[player] = file.Int(levels[player], s.PlayerLevel[player]);
    }
    s.BackgroundColorChoice = file.Int("bkcolor", s.BackgroundColorChoice);
    s.BackgroundRed = file.Int("bkred", s.BackgroundRed);
    s.BackgroundGreen = file.Int("bkgreen", s.BackgroundGreen);
    s.BackgroundBlue = file.Int("bkblue", s.BackgroundBlue);
    return s;
}

int32_t ReadPlayerCount(const SettingsFile& file) {
    return InRange(file.Int("nump", 2), 2, 4, 2);
}

void WritePlayerCount(SettingsFile& file, int32_t count) {
    file.WriteInt("nump", count);
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
