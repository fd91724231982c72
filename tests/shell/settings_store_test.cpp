#include "shell/storage/settings_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <functional>
#include <string>
#include <vector>

#include "tests/shell/odd_files.h"
#include "tests/shell/shell_test_support.h"
#include "tests/support/file_size_limit.h"

namespace pipwick {
namespace {

Settings Read(const std::vector<std::string>& lines) {
    const SettingsFolder folder(lines);
    return SettingsStore(folder.Path()).Values();
}

TEST(SettingsFile, WithoutAFileEverySettingHasItsDefault) {
    const Settings s = Read({});
    EXPECT_EQ(s.DoubleClickDrawPass, 0);
    EXPECT_EQ(s.Speed, 8);
    EXPECT_EQ(s.PlayDelay, 2);
    EXPECT_EQ(s.DominoSet, 2);
    EXPECT_EQ(s.TableSizeSetting, 0);
    EXPECT_EQ(s.SoundOn, 1);
    EXPECT_EQ(s.PlayerNames[1], "Player");
    EXPECT_EQ(s.PlayerNames[2], "Lefty");
    EXPECT_EQ(s.PlayerNames[3], "TopGun");
    EXPECT_EQ(s.PlayerNames[4], "RightStuff");
    EXPECT_EQ(s.PlayerGender[2], 0);
    EXPECT_EQ(s.PlayerGender[3], 1);
    EXPECT_EQ(s.PlayerGender[4], 0);
    for (int player = 2; player <= 4; ++player) {
        EXPECT_EQ(s.PlayerLevel[player], 1);
    }
    EXPECT_EQ(BackgroundColorOf(BackgroundOf(s)), 0x008080u);
    const SettingsFolder none;
    EXPECT_EQ(SettingsStore(none.Path()).PlayerCount(), 2);
}

TEST(SettingsFile, EveryKeyIsReadFromItsSection) {
    const Settings s = Read({"dclk=1", "speed=3", "delay=0", "domset=7", "tblsz=2", "sound=0",
                             "pnm1=Ann", "pnm3=Bo", "pn2g=1", "pn3g=0", "pn4l=0", "bkcolor=8",
                             "bkred=10", "bkgreen=20", "bkblue=30"});
    EXPECT_EQ(s.DoubleClickDrawPass, 1);
    EXPECT_EQ(s.Speed, 3);
    EXPECT_EQ(s.PlayDelay, 0);
    EXPECT_EQ(s.DominoSet, 7);
    EXPECT_EQ(s.TableSizeSetting, 2);
    EXPECT_EQ(s.SoundOn, 0);
    EXPECT_EQ(s.PlayerNames[1], "Ann");
    EXPECT_EQ(s.PlayerNames[2], "Lefty");
    EXPECT_EQ(s.PlayerNames[3], "Bo");
    EXPECT_EQ(s.PlayerGender[2], 1);
    EXPECT_EQ(s.PlayerGender[3], 0);
    EXPECT_EQ(s.PlayerLevel[4], 0);
    EXPECT_EQ(BackgroundColorOf(BackgroundOf(s)), 0x0A141Eu);
}

TEST(SettingsFile, OutOfRangeValuesAreCorrected) {
    EXPECT_EQ(Read({"speed=0"}).Speed, 5);
    EXPECT_EQ(Read({"speed=11"}).Speed, 5);
    EXPECT_EQ(Read({"speed=10"}).Speed, 10);
    EXPECT_EQ(Read({"domset=9"}).DominoSet, 2);
    EXPECT_EQ(Read({"domset=0"}).DominoSet, 2);
    EXPECT_EQ(Read({"pnm2=Abcdefghijklmnopqrst"}).PlayerNames[2], "Abcdefghijklmn");
    for (const char* count : {"nump=1", "nump=5", "nump=-3", "nump=x"}) {
        const SettingsFolder folder({count});
        EXPECT_EQ(SettingsStore(folder.Path()).PlayerCount(), 2) << count;
    }
    const SettingsFolder four({"nump=4"});
    EXPECT_EQ(SettingsStore(four.Path()).PlayerCount(), 4);
}

// Every number is held to what the preference dialogs offer; a number that already meant one
// choice to the game keeps meaning it.
TEST(SettingsStore, EveryNumberReadIsHeldToWhatTheDialogsOffer) {
    using Field = int32_t (*)(const Settings&);
    const Field delay = [](const Settings& s) { return s.PlayDelay; };
    const Field sound = [](const Settings& s) { return s.SoundOn; };
    const Field doubleClick = [](const Settings& s) { return s.DoubleClickDrawPass; };
    const Field tableSize = [](const Settings& s) { return s.TableSizeSetting; };
    const Field colour = [](const Settings& s) { return s.BackgroundColorChoice; };
    const Field red = [](const Settings& s) { return s.BackgroundRed; };
    const Field blue = [](const Settings& s) { return s.BackgroundBlue; };
    const Field gender4 = [](const Settings& s) { return s.PlayerGender[4]; };
    const Field level2 = [](const Settings& s) { return s.PlayerLevel[2]; };
    const Field level3 = [](const Settings& s) { return s.PlayerLevel[3]; };
    const Field game = [](const Settings& s) { return s.Game; };
    const Field playTo = [](const Settings& s) { return s.PlayTo; };
    const Field partners = [](const Settings& s) { return s.Partners; };
    const struct {
        const char* line;
        Field field;
        int32_t expected;
    } cases[] = {
        {"delay=100000", delay, 10}, {"delay=-5", delay, 0},      {"delay=7", delay, 7},
        {"sound=5", sound, 0},       {"sound=-1", sound, 0},      {"dclk=2", doubleClick, 0},
        {"tblsz=9", tableSize, 9},   {"tblsz=-2", tableSize, -2}, {"tblsz=3", tableSize, 3},
        {"bkcolor=0", colour, 0},    {"bkcolor=12", colour, 12},  {"bkred=300", red, 300},
        {"bkblue=-4", blue, -4},     {"pn4g=3", gender4, 1},      {"pn4g=-3", gender4, 1},
        {"pn2l=7", level2, 1},       {"pn3l=-1", level3, 1},      {"pn3l=0", level3, 0},
        {"pn2l=2", level2, 2},       {"pn2l=3", level2, 1},       {"game=2", game, 2},
        {"game=4", game, 0},         {"game=-1", game, 0},        {"playto=150", playTo, 150},
        {"playto=30", playTo, 100},  {"playto=900", playTo, 100}, {"playto=31", playTo, 31},
        {"game=3", game, 3},         {"partners=1", partners, 1}, {"partners=2", partners, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.field(Read({c.line})), c.expected) << c.line;
    }
}

// A change goes through the same correction before it is kept and written.
TEST(SettingsStore, AChangeIsCorrectedKeptAndWritten) {
    const SettingsFolder folder;
    SettingsStore store(folder.Path());
    store.Set(IntSetting::kPlayDelay, 100000);
    EXPECT_EQ(store.Values().PlayDelay, 10);
    EXPECT_EQ(folder.Read("delay"), QStringLiteral("10"));
    store.Set(LevelSetting(3), 0);
    EXPECT_EQ(store.Values().PlayerLevel[3], 0);
    EXPECT_EQ(folder.Read("pn3l"), QStringLiteral("0"));
    store.Set(GenderSetting(2), 1);
    EXPECT_EQ(folder.Read("pn2g"), QStringLiteral("1"));
    store.SetName(4, QStringLiteral("Abcdefghijklmnopq"));
    EXPECT_EQ(folder.Read("pnm4"), QStringLiteral("Abcdefghijklmn"));
    EXPECT_EQ(SettingsStore(folder.Path()).Values().PlayerNames[4], "Abcdefghijklmn");
}

TEST(SettingsFile, NamesKeepTheirCommasAndAreNeverCutInsideACharacter) {
    EXPECT_EQ(Read({"pnm4=\"Smith, Jo\""}).PlayerNames[4], "Smith, Jo");
    EXPECT_EQ(Read({"pnm4=Smith, Jo"}).PlayerNames[4], "Smith, Jo");
    // Thirteen letters and then a character outside the basic plane: it does not fit in 14.
    const QString name = QString(13, QLatin1Char('a')) + QString::fromUcs4(U"\U0001F0A0b");
    EXPECT_EQ(CutName(name), QString(13, QLatin1Char('a')));
    EXPECT_EQ(CutName(QStringLiteral("Zoë")), QStringLiteral("Zoë"));
}

TEST(SettingsFile, IntegersAreReadFromTheirLeadingDigits) {
    const std::pair<const char*, int32_t> cases[] = {
        {"12", 12},
        {" 12", 12},
        {"12abc", 12},
        {"abc", 0},
        {"", 0},
        {"-4", -4},
        {"+7", 7},
        {"1 2", 1},
        {"-", 0},
        {"\t3", 3},
        {"99999999999", 2147483647},
        {"-99999999999", -2147483647 - 1},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(LeadingInt(text), value) << '"' << text << '"';
    }
    EXPECT_EQ(Read({"speed=3 fast"}).Speed, 3);
    EXPECT_EQ(Read({"delay=abc"}).PlayDelay, 0);
}

TEST(SettingsFile, AWrittenValueIsInTheFileAtOnce) {
    const SettingsFolder folder({"pnm1=Ann"});
    SettingsStore store(folder.Path());
    store.SetPlayerCount(3);
    EXPECT_EQ(folder.Read("nump"), QStringLiteral("3"));
    EXPECT_EQ(folder.Read("pnm1"), QStringLiteral("Ann"));
}

// A settings file of the given size that sets the speed to 3, the rest a comment.
QByteArray PaddedSettings(qint64 size) {
    QByteArray text = "[pipwick]\nspeed=3\n;";
    text.append(QByteArray(size - text.size() - 1, 'x'));
    text.append('\n');
    return text;
}

TEST(SettingsFile, AFileOfAtMostAMegabyteIsRead) {
    const SettingsFolder folder;
    QFile file(folder.Path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(PaddedSettings(kMostSettingsBytes));
    file.close();
    const SettingsStore store(folder.Path());
    EXPECT_EQ(store.Values().Speed, 3);
    EXPECT_TRUE(store.Notice().isEmpty());
}

// Whatever stands in the file's place that is not a file of a sane size is neither waited on, read
// nor written: the game runs on the defaults, keeps this run's changes in memory, and says so.
TEST(SettingsFile, AnythingButAFileOfASaneSizeIsLeftAloneAndTheDefaultsAreUsed) {
    const struct {
        const char* what;
        void (*make)(const QString& path);
        // What is there afterwards must be what was made.
        bool (*kept)(const QString& path);
    } cases[] = {
        {"a FIFO", MakeFifo, IsFifo},
        {"a folder", MakeFolder, [](const QString& path) { return QFileInfo(path).isDir(); }},
        {"two gigabytes of nothing", MakeTwoGigabytes, HasTwoGigabytes},
        {"one byte over a megabyte",
         [](const QString& path) {
             QFile file(path);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             file.write(PaddedSettings(kMostSettingsBytes + 1));
         },
         [](const QString& path) {
             QFile file(path);
             return file.open(QIODevice::ReadOnly) &&
                    file.readAll() == PaddedSettings(kMostSettingsBytes + 1);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir folder;
        const QString path = QDir(folder.path()).filePath(QStringLiteral("pipwick.ini"));
        c.make(path);
        SettingsStore store(path);
        EXPECT_EQ(store.Values().Speed, Settings{}.Speed);
        EXPECT_EQ(store.Values().PlayerNames[1], Settings{}.PlayerNames[1]);
        EXPECT_EQ(store.PlayerCount(), 2);
        EXPECT_TRUE(store.Notice().contains(path));
        EXPECT_FALSE(store.Notice().contains(QLatin1Char('\n')));

        store.Set(IntSetting::kSpeed, 4);
        store.SetName(1, QStringLiteral("Ann"));
        store.SetPlayerCount(3);
        EXPECT_EQ(store.Values().Speed, 4);
        EXPECT_EQ(store.Values().PlayerNames[1], "Ann");
        EXPECT_EQ(store.PlayerCount(), 3);

        EXPECT_TRUE(c.kept(path));
        EXPECT_EQ(
            QDir(folder.path())
                .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{QStringLiteral("pipwick.ini")});
    }
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void PutBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// What the earlier program wrote reads as it meant it, and nothing is decoded as a stored type.
TEST(SettingsFile, ValuesAreTextAsTheEarlierProgramWroteThem) {
    const struct {
        const char* line;
        const char* name;
    } cases[] = {
        {"pnm1=\"a \\\"q\\\" b\"", "a \"q\" b"},
        {"pnm1=Zo\\x00eb", "Zo\xC3\xAB"},
        {"pnm1=@@at", "@at"},
        {"pnm1=@Variant(QStringList)", "@Variant(QStringList)"},
        {"pnm1=\"  spaced \"", "  spaced "},
        {"pnm1 = Ann ", "Ann"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Read({c.line}).PlayerNames[1], std::string(c.name).substr(0, 14)) << c.line;
    }
}

// A name the player may type goes to the file and comes back the same, to this program and to the
// settings library the earlier program read the file with.
TEST(SettingsFile, EveryNameComesBackAsItWasWritten) {
    const char* const names[] = {" lead",  "trail ",     "a,b", "semi;colon", "@at", "quote\"q",
                                 "back\\", "Zo\xC3\xAB", "=eq", "#hash",      "[x]", ""};
    for (const char* name : names) {
        const SettingsFolder folder({"speed=3"});
        SettingsStore(folder.Path()).SetName(2, QString::fromUtf8(name));
        EXPECT_EQ(SettingsStore(folder.Path()).Values().PlayerNames[2], name) << name;
        EXPECT_EQ(folder.Read("pnm2"), QString::fromUtf8(name)) << name;
        EXPECT_EQ(SettingsStore(folder.Path()).Values().Speed, 3) << name;
    }
}

// A write changes the one key's line: comments, other sections, odd bytes and keys the program
// does not know stay byte for byte.
TEST(SettingsFile, AWriteChangesOnlyItsOwnLine) {
    const SettingsFolder folder;
    const QByteArray before =
        "; kept\r\n[General]\nspeed=9\n\n[pipwick]\npnm1=\xFF\xFE bad\nspeed=3\nfuture=@x\n"
        "\n[other]\nk=v";
    PutBytes(folder.Path(), before);
    SettingsStore store(folder.Path());
    EXPECT_EQ(store.Values().Speed, 3);
    store.Set(IntSetting::kSpeed, 7);
    store.Set(IntSetting::kSound, 0);
    QByteArray after = before;
    after.replace("speed=3\n", "speed=7\n").replace("future=@x\n", "future=@x\nsound=0\n");
    EXPECT_EQ(FileBytes(folder.Path()), after + '\n');
}

// A list nested thirty thousand deep, as the earlier settings library would have decoded it: here
// it is a name of text like any other, read without recursion.
TEST(SettingsFile, ADeeplyNestedStoredTypeIsJustText) {
    QByteArray nested = "pnm1=@Variant(";
    for (int depth = 0; depth < 30000; ++depth) {
        nested += "\\0\\0\\0\\t\\0\\0\\0\\x1";
    }
    nested += ")";
    const SettingsFolder folder({nested.toStdString(), "speed=4"});
    const SettingsStore store(folder.Path());
    EXPECT_EQ(store.Values().Speed, 4);
    EXPECT_EQ(store.Values().PlayerNames[1].substr(0, 9), "@Variant(");
    EXPECT_TRUE(store.Notice().isEmpty());
}

// Two copies of the game each change a setting: the file holds both.
TEST(SettingsFile, TwoCopiesKeepEachOthersChanges) {
    const SettingsFolder folder({"speed=3"});
    SettingsStore first(folder.Path());
    SettingsStore second(folder.Path());
    first.Set(IntSetting::kSpeed, 6);
    second.SetName(1, QStringLiteral("Bea"));
    const SettingsStore again(folder.Path());
    EXPECT_EQ(again.Values().Speed, 6);
    EXPECT_EQ(again.Values().PlayerNames[1], "Bea");
}

// A write that cannot be made keeps the file as it was and the change for this run, and says why;
// odd things at the lock's place are refused at once, never waited on or read.
TEST(SettingsFile, AWriteThatFailsKeepsTheFileAndSaysWhy) {
    const struct {
        const char* what;
        std::function<void(const QString& lock)> make;
        WriteFailure failure;
        rlim_t fileSizeLimit;
    } cases[] = {
        {"a full disk", [](const QString&) {}, WriteFailure::kDiskFull, 10},
        {"a FIFO at the lock", MakeFifo, WriteFailure::kInTheWay, RLIM_INFINITY},
        {"a folder at the lock", MakeFolder, WriteFailure::kInTheWay, RLIM_INFINITY},
        {"a link at the lock",
         [](const QString& lock) { QFile::link(QStringLiteral("/dev/zero"), lock); },
         WriteFailure::kInTheWay, RLIM_INFINITY},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const SettingsFolder folder({"speed=3", "pnm1=Ann"});
        const QByteArray before = FileBytes(folder.Path());
        SettingsStore store(folder.Path());
        c.make(store.Path() + QStringLiteral(".lock"));
        std::vector<WriteFailure> failures;
        store.OnWriteFailed([&](WriteFailure failure) { failures.push_back(failure); });
        {
            const testing::FileSizeLimit disk(c.fileSizeLimit);
            store.Set(IntSetting::kSpeed, 9);
        }
        EXPECT_EQ(failures, std::vector<WriteFailure>{c.failure});
        EXPECT_EQ(store.Values().Speed, 9);
        EXPECT_EQ(FileBytes(folder.Path()), before);
        EXPECT_EQ(QFileInfo(folder.Path())
                      .dir()
                      .entryList(QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden)
                      .filter(QStringLiteral(".saving-")),
                  QStringList{});
    }
}

}  // namespace
}  // namespace pipwick
