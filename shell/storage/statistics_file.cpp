#include "shell/storage/statistics_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <iterator>
#include <string>

#include "model/file_lock.h"
#include "model/game_kind.h"
#include "model/regular_file.h"
#include "shell/app/translations.h"
#include "texts/texts.h"

namespace pipwick {

namespace {

constexpr const char* kFormat = "pipwick statistics";
constexpr int kVersion = 1;
// The file is a few hundred bytes; anything far larger is not ours.
constexpr std::uint64_t kMostBytes = 64 * 1024;
// Each number is a whole one that a double holds exactly; the counts' own caps come after.
constexpr double kMostNumber = 1e15;
constexpr const char* kPlayerKeys[3] = {"2", "3", "4"};
// By Level's value. A file without the key of a level has no games at that level.
constexpr const char* kLevelKeys[] = {"beginner", "advanced", "expert"};
static_assert(std::size(kLevelKeys) == kStatisticsLevels, "a key for every level");
// By GameRow. A file written before there were other games has no "games": its games were all
// All Fives.
// All Fives is "allFives" and "allFivesPartners", and so on for every game.
struct GameKeys {
    std::string key[kStatisticsGames];
    const char* pointer[kStatisticsGames];
    GameKeys() {
        for (int row = 0; row < kStatisticsGames; ++row) {
            key[row] = std::string(kGameKinds[row / 2].statisticsKey) + (row % 2 ? "Partners" : "");
            pointer[row] = key[row].c_str();
        }
    }
};
const GameKeys kGameKeys;
constexpr const char* kCountKeys[3] = {"won", "lost", "abandoned"};
constexpr int64_t GameTally::*kCounts[3] = {&GameTally::won, &GameTally::lost,
                                            &GameTally::abandoned};

QJsonObject TallyToJson(const GameTally& tally) {
    QJsonObject object;
    for (size_t i = 0; i < std::size(kCountKeys); ++i) {
        object.insert(QLatin1String(kCountKeys[i]), static_cast<qint64>(tally.*kCounts[i]));
    }
    return object;
}

// Reads one count: missing is 0, anything but a whole number in range fails.
bool ReadCount(const QJsonObject& object, const char* key, double most, double& out) {
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined()) {
        out = 0;
        return true;
    }
    const double number = value.toDouble(-1);
    if (!value.isDouble() || number < 0 || number > most || std::floor(number) != number) {
        return false;
    }
    out = number;
    return true;
}

bool ReadInt(const QJsonObject& object, const char* key, int32_t& out) {
    double number = 0;
    if (!ReadCount(object, key, 2e9, number)) {
        return false;
    }
    out = static_cast<int32_t>(number);
    return true;
}

bool ReadInt64(const QJsonObject& object, const char* key, int64_t& out) {
    double number = 0;
    if (!ReadCount(object, key, kMostNumber, number)) {
        return false;
    }
    out = static_cast<int64_t>(number);
    return true;
}

bool ReadTally(const QJsonObject& parent, const char* key, GameTally& tally) {
    const QJsonValue value = parent.value(QLatin1String(key));
    if (value.isUndefined()) {
        return true;
    }
    if (!value.isObject()) {
        return false;
    }
    for (size_t i = 0; i < std::size(kCountKeys); ++i) {
        if (!ReadInt64(value.toObject(), kCountKeys[i], tally.*kCounts[i])) {
            return false;
        }
    }
    return true;
}

bool ReadTallies(const QJsonObject& root, const char* key, const char* const* names, size_t count,
                 GameTally* tallies) {
    const QJsonValue value = root.value(QLatin1String(key));
    if (value.isUndefined()) {
        return true;
    }
    if (!value.isObject()) {
        return false;
    }
    for (size_t i = 0; i < count; ++i) {
        if (!ReadTally(value.toObject(), names[i], tallies[i])) {
            return false;
        }
    }
    return true;
}

bool ReadKeptGame(const QJsonObject& root, Statistics& s) {
    const QJsonValue value = root.value(QLatin1String("keptGame"));
    if (value.isUndefined()) {
        return true;
    }
    s.keptGame = true;
    return value.isObject() && ReadInt(value.toObject(), "players", s.kept.players) &&
           ReadInt(value.toObject(), "level", s.kept.level) &&
           ReadInt(value.toObject(), "game", s.kept.game) &&
           ReadInt(value.toObject(), "partners", s.kept.partners) && IsCountable(s.kept);
}

bool ReadGames(const QJsonObject& root, Statistics& s) {
    if (!root.contains(QLatin1String("games"))) {
        s.byGame[0] = Total(s);
        return true;
    }
    return ReadTallies(root, "games", kGameKeys.pointer, kStatisticsGames, s.byGame);
}

GameTally Sum(const GameTally* tallies, size_t count) {
    GameTally sum;
    for (size_t i = 0; i < count; ++i) {
        sum.won += tallies[i].won;
        sum.lost += tallies[i].lost;
        sum.abandoned += tallies[i].abandoned;
    }
    return sum;
}

// The counts by players, by level and by game are three views of the same games. Each count is
// held to its cap first, so that no sum can overflow.
bool CountsAgree(const Statistics& s) {
    if (!WithinCaps(s)) {
        return false;
    }
    const GameTally total = Total(s);
    return Sum(s.byLevel, std::size(s.byLevel)) == total &&
           Sum(s.byGame, std::size(s.byGame)) == total && s.currentStreak <= s.longestStreak &&
           s.longestStreak <= total.won && s.handsBlocked <= s.handsPlayed &&
           s.bestFinalScore <= s.finalScoreTotal &&
           (total.Played() > 0 || (s.finalScoreTotal == 0 && s.bestFinalScore == 0));
}

}  // namespace

QByteArray StatisticsToJson(const Statistics& s) {
    QJsonObject root;
    root.insert(QStringLiteral("format"), QLatin1String(kFormat));
    root.insert(QStringLiteral("version"), kVersion);
    QJsonObject players;
    for (size_t i = 0; i < std::size(kPlayerKeys); ++i) {
        players.insert(QLatin1String(kPlayerKeys[i]), TallyToJson(s.byPlayers[i]));
    }
    root.insert(QStringLiteral("players"), players);
    QJsonObject levels;
    for (size_t i = 0; i < std::size(kLevelKeys); ++i) {
        levels.insert(QLatin1String(kLevelKeys[i]), TallyToJson(s.byLevel[i]));
    }
    root.insert(QStringLiteral("levels"), levels);
    QJsonObject games;
    for (int i = 0; i < kStatisticsGames; ++i) {
        games.insert(QLatin1String(kGameKeys.pointer[i]), TallyToJson(s.byGame[i]));
    }
    root.insert(QStringLiteral("games"), games);
    root.insert(QStringLiteral("finalScoreTotal"), static_cast<double>(s.finalScoreTotal));
    root.insert(QStringLiteral("bestFinalScore"), s.bestFinalScore);
    root.insert(QStringLiteral("highestPlay"), s.highestPlay);
    root.insert(QStringLiteral("currentStreak"), s.currentStreak);
    root.insert(QStringLiteral("longestStreak"), s.longestStreak);
    root.insert(QStringLiteral("handsPlayed"), s.handsPlayed);
    root.insert(QStringLiteral("handsBlocked"), s.handsBlocked);
    if (s.keptGame) {
        QJsonObject kept;
        kept.insert(QStringLiteral("players"), s.kept.players);
        kept.insert(QStringLiteral("level"), s.kept.level);
        kept.insert(QStringLiteral("game"), s.kept.game);
        kept.insert(QStringLiteral("partners"), s.kept.partners);
        root.insert(QStringLiteral("keptGame"), kept);
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<Statistics> StatisticsFromJson(const QByteArray& json) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toString() != QLatin1String(kFormat) ||
        root.value(QStringLiteral("version")).toInt(-1) != kVersion) {
        return std::nullopt;
    }
    Statistics s;
    const bool read =
        ReadTallies(root, "players", kPlayerKeys, std::size(kPlayerKeys), s.byPlayers) &&
        ReadTallies(root, "levels", kLevelKeys, std::size(kLevelKeys), s.byLevel) &&
        ReadGames(root, s) && ReadInt64(root, "finalScoreTotal", s.finalScoreTotal) &&
        ReadInt(root, "bestFinalScore", s.bestFinalScore) &&
        ReadInt(root, "highestPlay", s.highestPlay) &&
        ReadInt(root, "currentStreak", s.currentStreak) &&
        ReadInt(root, "longestStreak", s.longestStreak) &&
        ReadInt(root, "handsPlayed", s.handsPlayed) &&
        ReadInt(root, "handsBlocked", s.handsBlocked) && ReadKeptGame(root, s);
    if (!read || !CountsAgree(s)) {
        return std::nullopt;
    }
    return s;
}

void StatisticsFile::Load() {
    statistics_ = Statistics{};
    base_ = Statistics{};
    notice_.clear();
    damagedInPlace_ = false;
    RemoveStaleTemporaries(path_.toStdU16String());
    RemoveStaleTemporaries(BackupPath().toStdU16String());
    // A FIFO, a device or a folder in the file's place is damaged like a file of the wrong
    // content: set aside, never waited on or read.
    const FileContent file = ReadRegularFile(path_.toStdU16String(), kMostBytes);
    if (file.refusal == FileRefusal::kMissing) {
        return;
    }
    std::optional<Statistics> read;
    if (!file.refusal) {
        read = StatisticsFromJson(QByteArray(reinterpret_cast<const char*>(file.bytes.data()),
                                             static_cast<qsizetype>(file.bytes.size())));
    }
    if (read) {
        statistics_ = *read;
        base_ = *read;
        return;
    }
    if (!SetAside()) {
        damagedInPlace_ = true;
        notice_ = Translated(text::kStatisticsNotSetAside).arg(path_);
    }
}

// The first free name of PATH.damaged, PATH.damaged-2, ... takes the file.
bool StatisticsFile::SetAside() {
    for (int n = 1; n <= 100; ++n) {
        const QString aside = path_ + QStringLiteral(".damaged") +
                              (n == 1 ? QString() : QStringLiteral("-%1").arg(n));
        if (QFileInfo::exists(aside)) {
            continue;
        }
        if (!QFile::rename(path_, aside)) {
            return false;
        }
        notice_ = Translated(text::kStatisticsSetAside).arg(aside);
        return true;
    }
    return false;
}

namespace {

std::optional<WriteFailure> WriteWhole(const QString& path, const Statistics& statistics) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QByteArray json = StatisticsToJson(statistics);
    return WriteWholeFile(path.toStdU16String(),
                          std::span(reinterpret_cast<const std::uint8_t*>(json.constData()),
                                    static_cast<std::size_t>(json.size())));
}

}  // namespace

// A file damaged since it was loaded is set aside as at the start, and holds no games to add to.
std::optional<Statistics> StatisticsFile::OnDisk() {
    const FileContent file = ReadRegularFile(path_.toStdU16String(), kMostBytes);
    if (file.refusal == FileRefusal::kMissing) {
        return Statistics{};
    }
    if (!file.refusal) {
        if (std::optional<Statistics> read =
                StatisticsFromJson(QByteArray(reinterpret_cast<const char*>(file.bytes.data()),
                                              static_cast<qsizetype>(file.bytes.size())))) {
            return read;
        }
    }
    if (!SetAside()) {
        return std::nullopt;
    }
    return Statistics{};
}

bool StatisticsFile::Save() {
    lastFailure_.reset();
    if (damagedInPlace_) {
        lastFailure_ = WriteFailure::kInTheWay;
        return false;
    }
    QDir().mkpath(QFileInfo(path_).absolutePath());
    const FileLock lock = FileLock::Take(LockPath().toStdU16String(), kLockWait);
    if (!lock.Held()) {
        lastFailure_ = lock.Refusal();
        return false;
    }
    const std::optional<Statistics> onDisk = resetPending_ ? base_ : OnDisk();
    if (!onDisk) {
        lastFailure_ = WriteFailure::kInTheWay;
        return false;
    }
    const Statistics merged = resetPending_ ? statistics_ : Merged(*onDisk, base_, statistics_);
    lastFailure_ = WriteWhole(path_, merged);
    if (lastFailure_) {
        return false;
    }
    statistics_ = merged;
    base_ = merged;
    resetPending_ = false;
    return true;
}

bool StatisticsFile::KeepBackup() {
    lastFailure_ = WriteWhole(BackupPath(), statistics_);
    return !lastFailure_;
}

void StatisticsFile::Reset() {
    ResetCounts(statistics_);
    resetPending_ = true;
}

}  // namespace pipwick
