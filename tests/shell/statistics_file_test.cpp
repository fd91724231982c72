#include "shell/storage/statistics_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "tests/shell/odd_files.h"
#include "tests/support/file_size_limit.h"

namespace pipwick {
namespace {

Statistics SomeStatistics() {
    Statistics s;
    CountFinishedGame(s, {2, 0}, true, 255);
    CountFinishedGame(s, {3, 1}, false, 180);
    CountFinishedGame(s, {4, 1}, true, 270);
    CountAbandonedGame(s, {4, 0});
    CountFinishedGame(s, {2, 1}, true, 250);
    CountFinishedGame(s, {3, 2}, false, 140);
    for (int hand = 0; hand < 40; ++hand) {
        CountHand(s, hand % 7 == 0);
    }
    CountPlay(s, 25);
    s.keptGame = true;
    s.kept = {3, 1};
    return s;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(StatisticsFile, WhatIsSavedLoadsAgain) {
    QTemporaryDir folder;
    // The data folder does not exist before the first save.
    const QString path = QDir(folder.path()).filePath(QStringLiteral("Pipwick/statistics.json"));
    StatisticsFile file(path);
    file.Load();
    EXPECT_EQ(file.Counts(), Statistics{});
    EXPECT_TRUE(file.Notice().isEmpty());
    file.Counts() = SomeStatistics();
    ASSERT_TRUE(file.Save());

    StatisticsFile again(path);
    again.Load();
    EXPECT_EQ(again.Counts(), SomeStatistics());
    EXPECT_TRUE(again.Notice().isEmpty());
    // Beside it only the empty file that two copies of the game lock.
    EXPECT_EQ(
        QDir(folder.path() + QStringLiteral("/Pipwick")).entryList(QDir::Files),
        (QStringList{QStringLiteral("statistics.json"), QStringLiteral("statistics.json.lock")}));
    EXPECT_EQ(QFileInfo(file.LockPath()).size(), 0);
}

// The file is replaced whole by a new one: a second name for the old file still holds the old
// statistics, which an overwrite in place would have changed.
TEST(StatisticsFile, ASaveReplacesTheFileRatherThanWritingIntoIt) {
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("statistics.json"));
    const QString link = QDir(folder.path()).filePath(QStringLiteral("old.json"));
    StatisticsFile file(path);
    file.Load();
    ASSERT_TRUE(file.Save());
    const QByteArray before = ReadFile(path);
    ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(link).constData()), 0);
    file.Counts() = SomeStatistics();
    ASSERT_TRUE(file.Save());
    EXPECT_EQ(ReadFile(link), before);
    EXPECT_EQ(StatisticsFromJson(ReadFile(path)), SomeStatistics());
}

TEST(StatisticsFile, AnythingButOurOwnStatisticsIsDamaged) {
    const QByteArray good = StatisticsToJson(SomeStatistics());
    ASSERT_TRUE(StatisticsFromJson(good).has_value());
    const auto replaced = [&good](const char* from, const char* to) {
        QByteArray changed = good;
        const qsizetype at = changed.indexOf(from);
        EXPECT_GE(at, 0) << from;
        return at < 0 ? changed : changed.replace(at, qstrlen(from), to);
    };
    const struct {
        const char* what;
        QByteArray text;
    } cases[] = {
        {"empty", ""},
        {"not JSON", "won=3\n"},
        {"cut short", good.left(good.size() / 2)},
        {"an array", "[1, 2, 3]"},
        {"another program's", R"({"format": "something else", "version": 1})"},
        {"no format", R"({"version": 1, "handsPlayed": 3})"},
        {"a later version", replaced("\"version\": 1", "\"version\": 2")},
        {"a negative count", replaced("\"handsPlayed\": 40", "\"handsPlayed\": -40")},
        {"a fraction", replaced("\"handsPlayed\": 40", "\"handsPlayed\": 40.5")},
        {"a count as text", replaced("\"handsPlayed\": 40", "\"handsPlayed\": \"40\"")},
        {"a count out of range", replaced("\"handsPlayed\": 40", "\"handsPlayed\": 1e30")},
        {"a tally not an object", replaced("\"3\": {", "\"3\": 4, \"x\": {")},
        {"more blocked hands than hands", replaced("\"handsBlocked\": 6", "\"handsBlocked\": 41")},
        {"levels disagreeing with players", replaced("\"won\": 2", "\"won\": 7")},
        {"a streak longer than the wins", replaced("\"longestStreak\": 1", "\"longestStreak\": 9")},
        {"a kept game of five players", replaced("\"players\": 3", "\"players\": 5")},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(StatisticsFromJson(c.text).has_value()) << c.what;
    }
    // Counts left out are nothing yet, as in a file of an earlier version.
    const std::optional<Statistics> bare =
        StatisticsFromJson(R"({"format": "pipwick statistics", "version": 1})");
    ASSERT_TRUE(bare.has_value());
    EXPECT_EQ(*bare, Statistics{});
}

// A file from before the Expert has no tally for it: its games are all at the other levels.
TEST(StatisticsFile, AFileWithoutTheExpertsTallyReadsAsNoGamesAgainstOne) {
    Statistics earlier;
    CountFinishedGame(earlier, {2, 0}, true, 255);
    CountFinishedGame(earlier, {4, 1}, false, 120);
    QJsonObject root = QJsonDocument::fromJson(StatisticsToJson(earlier)).object();
    QJsonObject levels = root.value(QStringLiteral("levels")).toObject();
    ASSERT_TRUE(levels.contains(QStringLiteral("expert")));
    levels.remove(QStringLiteral("expert"));
    root.insert(QStringLiteral("levels"), levels);
    EXPECT_EQ(StatisticsFromJson(QJsonDocument(root).toJson()), earlier);
}

// A file from before Draw, Block and partners has no tallies by game: every game in it was All
// Fives, and so was a kept game.
TEST(StatisticsFile, AFileFromBeforeOtherGamesCountsItsGamesAsAllFives) {
    Statistics earlier = SomeStatistics();
    QJsonObject root = QJsonDocument::fromJson(StatisticsToJson(earlier)).object();
    ASSERT_TRUE(root.contains(QStringLiteral("games")));
    root.remove(QStringLiteral("games"));
    QJsonObject kept = root.value(QStringLiteral("keptGame")).toObject();
    kept.remove(QStringLiteral("game"));
    kept.remove(QStringLiteral("partners"));
    root.insert(QStringLiteral("keptGame"), kept);
    const std::optional<Statistics> read = StatisticsFromJson(QJsonDocument(root).toJson());
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, earlier);
    EXPECT_EQ(read->byGame[0], Total(earlier));
}

TEST(StatisticsFile, TalliesByGameMustAgreeWithTheOthers) {
    Statistics s = SomeStatistics();
    CountFinishedGame(s, {4, 1, 2, 1}, true, 100);
    s.kept = {4, 2, 1, 1};
    ASSERT_EQ(StatisticsFromJson(StatisticsToJson(s)), s);
    QJsonObject root = QJsonDocument::fromJson(StatisticsToJson(s)).object();
    QJsonObject games = root.value(QStringLiteral("games")).toObject();
    QJsonObject draw = games.value(QStringLiteral("draw")).toObject();
    draw.insert(QStringLiteral("won"), 1);
    games.insert(QStringLiteral("draw"), draw);
    root.insert(QStringLiteral("games"), games);
    EXPECT_FALSE(StatisticsFromJson(QJsonDocument(root).toJson()).has_value());

    s.kept = {3, 1, 0, 1};
    EXPECT_FALSE(StatisticsFromJson(StatisticsToJson(s)).has_value()) << "partners at three";
}

TEST(StatisticsFile, ADamagedFileIsSetAsideUnderAFreeNameAndNothingIsLost) {
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("statistics.json"));
    WriteFile(path + QStringLiteral(".damaged"), "an earlier damaged file");
    const QByteArray damaged = "{\"format\": \"pipwick statistics\", \"version\": 1, \"won\"";
    WriteFile(path, damaged);

    StatisticsFile file(path);
    file.Load();
    EXPECT_EQ(file.Counts(), Statistics{});
    EXPECT_TRUE(file.Notice().contains(QStringLiteral("statistics.json.damaged-2")));
    EXPECT_EQ(file.Notice().count(QLatin1Char('\n')), 0);
    EXPECT_EQ(ReadFile(path + QStringLiteral(".damaged-2")), damaged);
    EXPECT_EQ(ReadFile(path + QStringLiteral(".damaged")), "an earlier damaged file");
    // Statistics start afresh in a new file.
    CountHand(file.Counts(), false);
    ASSERT_TRUE(file.Save());
    StatisticsFile again(path);
    again.Load();
    EXPECT_EQ(again.Counts().handsPlayed, 1);
}

TEST(StatisticsFile, AFileFarTooLargeIsNotRead) {
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("statistics.json"));
    QByteArray large = StatisticsToJson(SomeStatistics());
    large.insert(1, QByteArray(1 << 20, ' '));
    ASSERT_TRUE(StatisticsFromJson(large).has_value());
    WriteFile(path, large);
    StatisticsFile file(path);
    file.Load();
    EXPECT_EQ(file.Counts(), Statistics{});
    EXPECT_FALSE(file.Notice().isEmpty());
    EXPECT_EQ(ReadFile(path + QStringLiteral(".damaged")).size(), large.size());
}

// What may stand in the file's place instead of a file: each is set aside as it is, without being
// waited on, read or emptied, and the statistics start afresh.
TEST(StatisticsFile, AnythingButARegularFileInItsPlaceIsSetAsideUnread) {
    const struct {
        const char* what;
        void (*make)(const QString& path);
        bool (*kept)(const QString& path);
    } cases[] = {
        {"a FIFO", MakeFifo, IsFifo},
        {"a folder",
         [](const QString& path) {
             QDir().mkpath(path);
             WriteFile(QDir(path).filePath("inside"), "kept");
         },
         [](const QString& path) { return ReadFile(QDir(path).filePath("inside")) == "kept"; }},
        {"two gigabytes of nothing", MakeTwoGigabytes, HasTwoGigabytes},
        {"a link to a device",
         [](const QString& path) { ASSERT_TRUE(QFile::link("/dev/zero", path)); },
         [](const QString& path) { return QFileInfo(path).symLinkTarget() == "/dev/zero"; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir folder;
        const QString path = QDir(folder.path()).filePath(QStringLiteral("statistics.json"));
        c.make(path);
        StatisticsFile file(path);
        file.Load();
        EXPECT_EQ(file.Counts(), Statistics{});
        EXPECT_TRUE(file.Notice().contains(QStringLiteral("statistics.json.damaged")));
        EXPECT_TRUE(c.kept(path + QStringLiteral(".damaged")));
        CountHand(file.Counts(), false);
        EXPECT_TRUE(file.Save());
        EXPECT_TRUE(QFileInfo(path).isFile());
    }
}

// The arithmetic at the caps is exact; one count past its cap makes the file damaged, as does the
// file of counts whose sums would overflow 32 bits.
TEST(StatisticsFile, CountsUpToTheirCapsAreReadAndOnePastIsDamaged) {
    Statistics atCaps;
    for (GameTally* tallies : {atCaps.byPlayers, atCaps.byLevel, atCaps.byGame}) {
        for (int i = 0; i < 3; ++i) {
            tallies[i] = {kMostCount, kMostCount, kMostCount};
        }
    }
    atCaps.finalScoreTotal = kMostFinalScoreTotal;
    atCaps.longestStreak = kMostCount;
    atCaps.currentStreak = kMostCount;
    atCaps.handsPlayed = kMostCount;
    atCaps.handsBlocked = kMostCount;
    EXPECT_EQ(StatisticsFromJson(StatisticsToJson(atCaps)), atCaps);

    const auto pastCap = [](Statistics s, void (*change)(Statistics&)) {
        change(s);
        return StatisticsFromJson(StatisticsToJson(s)).has_value();
    };
    EXPECT_FALSE(pastCap(atCaps, [](Statistics& s) {
        ++s.byPlayers[1].won;
        ++s.byLevel[1].won;
        ++s.byGame[1].won;
    }));
    EXPECT_FALSE(pastCap(atCaps, [](Statistics& s) {
        ++s.byPlayers[2].abandoned;
        ++s.byLevel[0].abandoned;
        ++s.byGame[5].abandoned;
    }));
    EXPECT_FALSE(pastCap(atCaps, [](Statistics& s) { ++s.finalScoreTotal; }));
    EXPECT_FALSE(pastCap(atCaps, [](Statistics& s) { ++s.handsPlayed; }));

    Statistics overflowing;
    overflowing.byPlayers[0] = {2'000'000'000, 2'000'000'000, 0};
    overflowing.byPlayers[1] = {2'000'000'000, 2'000'000'000, 0};
    overflowing.byLevel[0] = {2'000'000'000, 2'000'000'000, 0};
    overflowing.byLevel[1] = {2'000'000'000, 2'000'000'000, 0};
    EXPECT_FALSE(StatisticsFromJson(StatisticsToJson(overflowing)).has_value());
}

// Two copies of the game over one data folder, each finishing games and saving after each: every
// game of both is counted.
TEST(StatisticsFile, TwoCopiesSavingAtOnceCountEveryGame) {
    constexpr int kGames = 25;
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("statistics.json"));
    auto play = [&path](bool won) {
        StatisticsFile file(path);
        file.Load();
        for (int game = 0; game < kGames; ++game) {
            CountFinishedGame(file.Counts(), {2, 1}, won, 250);
            if (!file.Save()) {
                return false;
            }
        }
        return true;
    };
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::_exit(play(false) ? 0 : 1);
    }
    const bool saved = play(true);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(saved);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const std::optional<Statistics> both = StatisticsFromJson(ReadFile(path));
    ASSERT_TRUE(both.has_value());
    EXPECT_EQ(Total(*both), (GameTally{kGames, kGames, 0}));
    EXPECT_EQ(both->finalScoreTotal, 2 * kGames * 250);
}

// A disk that refuses the write: the file keeps the games it held, no new file is left beside it,
// and the games counted since stay for the next save that can be made.
TEST(StatisticsFile, AFullDiskKeepsTheFileAsItWas) {
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("statistics.json"));
    WriteFile(path, StatisticsToJson(SomeStatistics()));
    const QByteArray before = ReadFile(path);
    StatisticsFile file(path);
    file.Load();
    CountFinishedGame(file.Counts(), {2, 1}, true, 250);
    const Statistics counted = file.Counts();
    {
        const testing::FileSizeLimit fullDisk(16);
        EXPECT_FALSE(file.Save());
        EXPECT_FALSE(file.KeepBackup());
    }
    EXPECT_EQ(file.LastFailure(), WriteFailure::kDiskFull);
    EXPECT_EQ(ReadFile(path), before);
    EXPECT_EQ(
        QDir(folder.path()).entryList(QDir::Files),
        (QStringList{QStringLiteral("statistics.json"), QStringLiteral("statistics.json.lock")}));
    ASSERT_TRUE(file.Save());
    EXPECT_EQ(StatisticsFromJson(ReadFile(path)), counted);
}

// A link at the backup's place is replaced; the file it points to stays as it was.
TEST(StatisticsFile, TheBackupNeverWritesThroughALink) {
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("statistics.json"));
    const QString victim = QDir(folder.path()).filePath(QStringLiteral("victim"));
    WriteFile(victim, "keep");
    StatisticsFile file(path);
    file.Load();
    ASSERT_TRUE(QFile::link(victim, file.BackupPath()));
    file.Counts() = SomeStatistics();
    ASSERT_TRUE(file.KeepBackup());
    EXPECT_EQ(ReadFile(victim), "keep");
    EXPECT_FALSE(QFileInfo(file.BackupPath()).isSymLink());
    EXPECT_EQ(StatisticsFromJson(ReadFile(file.BackupPath())), SomeStatistics());
}

// What saves stopped in the middle left behind goes when the statistics are read.
TEST(StatisticsFile, StaleNewFilesOfEarlierSavesGo) {
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("statistics.json"));
    WriteFile(path, StatisticsToJson(SomeStatistics()));
    WriteFile(path + QStringLiteral(".aB3xY9"), "");
    WriteFile(path + QStringLiteral(".saving-0123456789abcdef"), "{");
    WriteFile(path + QStringLiteral(".backup.saving-0123456789abcdef"), "{");
    StatisticsFile file(path);
    file.Load();
    EXPECT_EQ(file.Counts(), SomeStatistics());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
              QStringList{QStringLiteral("statistics.json")});
}

}  // namespace
}  // namespace pipwick
