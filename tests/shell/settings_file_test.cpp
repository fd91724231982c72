#include "shell/settings_file.h"

#include <gtest/gtest.h>

#include "tests/shell/shell_test_support.h"

namespace pipwick {
namespace {

Settings Read(const std::vector<std::string>& lines) {
    const SettingsFolder folder(lines);
    return ReadSettings(SettingsFile(folder.Path()));
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
    EXPECT_EQ(ReadPlayerCount(SettingsFile(none.Path())), 2);
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
        EXPECT_EQ(ReadPlayerCount(SettingsFile(folder.Path())), 2) << count;
    }
    const SettingsFolder four({"nump=4"});
    EXPECT_EQ(ReadPlayerCount(SettingsFile(four.Path())), 4);
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
    SettingsFile file(folder.Path());
    WritePlayerCount(file, 3);
    EXPECT_EQ(folder.Read("nump"), QStringLiteral("3"));
    EXPECT_EQ(folder.Read("pnm1"), QStringLiteral("Ann"));
}

}  // namespace
}  // namespace pipwick
