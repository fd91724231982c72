#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest/QTest>

#include "shell/app/preference_commands.h"
#include "shell/dialogs/general_preferences_dialog.h"
#include "shell/dialogs/player_preferences_dialog.h"
#include "shell/dialogs/up_down_box.h"
#include "tests/shell/sound_test_support.h"

namespace pipwick {
namespace {

template <typename T>
T& Control(QDialog& dialog, const char* name) {
    T* control = dialog.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return *control;
}

UpDownBox& Box(QDialog& dialog, const char* name) {
    return Control<UpDownBox>(dialog, name);
}

// Replaces the box's text with keys, as typed.
void Type(UpDownBox& box, const char* keys) {
    box.selectAll();
    QTest::keyClicks(&box, QString::fromLatin1(keys));
}

// The colour shown at the middle of the swatch, beside the colour number box.
uint32_t SwatchColour(QDialog& dialog) {
    const QImage picture = dialog.grab().toImage();
    auto rect = [&](const char* name) {
        QWidget& widget = Control<QWidget>(dialog, name);
        const QRect r(widget.mapTo(&dialog, QPoint(0, 0)), widget.size());
        return Rect{r.left(), r.top(), r.right() + 1, r.bottom() + 1};
    };
    const QPoint middle = Centre(SwatchRect(rect("colourGroup"), rect("colourNumber")));
    return picture.pixel(middle) & 0xffffffu;
}

struct GeneralPreferences : ::testing::Test {
    void Open(PreferencesProgram& program, std::function<void(QDialog&)> fillIn) {
        program.fillIn = std::move(fillIn);
        program.app->Human().Action(Command::kGeneralPreferences).trigger();
        ASSERT_EQ(program.dialogsRun, 1);
    }
    bool ReloadStarted(PreferencesProgram& program) {
        return program.app->Table().ReloadTimer().isActive();
    }
};

TEST_F(GeneralPreferences, OkWithNoChangeWritesSoundDelayAndDoubleClickOnly) {
    PreferencesProgram program;
    EXPECT_TRUE(program.app->Human().Action(Command::kGeneralPreferences).isEnabled());
    Open(program, [](QDialog& dialog) { Press(dialog, QDialogButtonBox::Ok); });
    EXPECT_EQ(program.settings.Read("sound"), "1");
    EXPECT_EQ(program.settings.Read("delay"), "2");
    EXPECT_EQ(program.settings.Read("dclk"), "0");
    EXPECT_EQ(program.settings.Read("game"), "0");
    EXPECT_EQ(program.settings.Read("playto"), "100");
    EXPECT_EQ(program.settings.Read("partners"), "0");
    for (const char* key : {"bkcolor", "bkred", "domset", "speed", "tblsz"}) {
        EXPECT_EQ(program.settings.Read(key), "") << key;
    }
    EXPECT_FALSE(ReloadStarted(program));
}

TEST_F(GeneralPreferences, CancelChangesNothing) {
    PreferencesProgram program({"domset=3"});
    const Settings before = program.app->Preferences();
    Open(program, [](QDialog& dialog) {
        Type(Box(dialog, "setNumber"), "5");
        Type(Box(dialog, "speed"), "3");
        Type(Box(dialog, "seconds"), "7");
        Control<QRadioButton>(dialog, "soundOff").setChecked(true);
        Control<QCheckBox>(dialog, "doubleClick").setChecked(true);
        Press(dialog, QDialogButtonBox::Cancel);
    });
    const Settings& after = program.app->Preferences();
    EXPECT_EQ(after.DominoSet, before.DominoSet);
    EXPECT_EQ(after.Speed, before.Speed);
    EXPECT_EQ(after.PlayDelay, before.PlayDelay);
    EXPECT_EQ(after.SoundOn, before.SoundOn);
    EXPECT_EQ(after.DoubleClickDrawPass, before.DoubleClickDrawPass);
    for (const char* key : {"sound", "delay", "dclk", "speed", "bkcolor"}) {
        EXPECT_EQ(program.settings.Read(key), "") << key;
    }
    EXPECT_EQ(program.settings.Read("domset"), "3");
    EXPECT_FALSE(ReloadStarted(program));
}

TEST_F(GeneralPreferences, OkAppliesWhatWasChosen) {
    PreferencesProgram program({"domset=5"});
    Open(program, [](QDialog& dialog) {
        EXPECT_EQ(Box(dialog, "setNumber").value(), 5);
        Type(Box(dialog, "speed"), "15");
        Type(Box(dialog, "seconds"), "0");
        Control<QRadioButton>(dialog, "soundOff").setChecked(true);
        Control<QCheckBox>(dialog, "doubleClick").setChecked(true);
        Type(Box(dialog, "setNumber"), "9");
        Press(dialog, QDialogButtonBox::Ok);
    });
    const Settings& s = program.app->Preferences();
    // A set number outside 1..7 is set 2; a speed above 10 is 10.
    EXPECT_EQ(s.DominoSet, 2);
    EXPECT_EQ(program.settings.Read("domset"), "2");
    EXPECT_EQ(s.Speed, 10);
    EXPECT_EQ(program.settings.Read("speed"), "10");
    EXPECT_EQ(s.PlayDelay, 0);
    EXPECT_EQ(program.settings.Read("delay"), "0");
    EXPECT_EQ(s.SoundOn, 0);
    EXPECT_EQ(program.settings.Read("sound"), "0");
    EXPECT_EQ(s.DoubleClickDrawPass, 1);
    EXPECT_EQ(program.settings.Read("dclk"), "1");
    EXPECT_EQ(program.settings.Read("bkcolor"), "");
    EXPECT_TRUE(ReloadStarted(program));
}

// The game chosen waits for the next New; from then on the table window's title names it.
TEST_F(GeneralPreferences, TheGameChosenStartsWithTheNextNew) {
    PreferencesProgram program({"nump=4", "playto=75"});
    Open(program, [](QDialog& dialog) {
        auto& game = Control<QComboBox>(dialog, "gameChoice");
        auto& playTo = Control<QComboBox>(dialog, "playTo");
        EXPECT_EQ(game.currentText(), "All Fives");
        // All Fives plays to 250 whatever Play to says, and shows it.
        EXPECT_FALSE(playTo.isEnabled());
        EXPECT_EQ(playTo.currentText(), "250");
        game.setCurrentIndex(2);
        EXPECT_EQ(game.currentText(), "Block");
        EXPECT_TRUE(playTo.isEnabled());
        playTo.setCurrentIndex(2);
        Control<QCheckBox>(dialog, "partners").setChecked(true);
        Press(dialog, QDialogButtonBox::Ok);
    });
    EXPECT_EQ(program.settings.Read("game"), "2");
    EXPECT_EQ(program.settings.Read("playto"), "150");
    EXPECT_EQ(program.settings.Read("partners"), "1");
    EXPECT_EQ(program.app->State().Rules, GameRules{});
    EXPECT_EQ(program.app->Table().windowTitle(), "Pipwick");

    program.app->Human().Action(Command::kNew).trigger();
    EXPECT_EQ(program.app->State().Rules, (GameRules{DominoGame::Block, 1, 150}));
    EXPECT_EQ(program.app->Table().windowTitle(), "Pipwick - Block to 150, partners");
}

// Partners need four at the table; Play to offers each game's own targets.
TEST_F(GeneralPreferences, PartnersNeedFourAndPlayToFollowsTheGame) {
    for (const char* players : {"nump=2", "nump=3", "nump=4"}) {
        PreferencesProgram program({players, "playto=121"});
        Open(program, [players](QDialog& dialog) {
            EXPECT_EQ(Control<QCheckBox>(dialog, "partners").isEnabled(),
                      std::string(players) == "nump=4")
                << players;
            auto& game = Control<QComboBox>(dialog, "gameChoice");
            auto& playTo = Control<QComboBox>(dialog, "playTo");
            game.setCurrentIndex(static_cast<int>(DominoGame::FivesAndThrees));
            EXPECT_TRUE(playTo.isEnabled());
            EXPECT_EQ(playTo.count(), 3);
            EXPECT_EQ(playTo.currentText(), "121");
            game.setCurrentIndex(static_cast<int>(DominoGame::Draw));
            EXPECT_EQ(playTo.count(), 5);
            EXPECT_EQ(playTo.currentText(), "100");  // 121 is none of Draw's
            Press(dialog, QDialogButtonBox::Cancel);
        });
    }
}

TEST_F(GeneralPreferences, ColourZeroIsColourFourWithItsPreset) {
    PreferencesProgram program({"bkcolor=2"});
    Open(program, [](QDialog& dialog) {
        EXPECT_EQ(SwatchColour(dialog), 0xc6dec6u);
        Type(Box(dialog, "colourNumber"), "0");
        EXPECT_EQ(SwatchColour(dialog), 0x008080u);
        Press(dialog, QDialogButtonBox::Ok);
    });
    EXPECT_EQ(program.settings.Read("bkcolor"), "4");
    EXPECT_EQ(program.settings.Read("bkred"), "");
    EXPECT_EQ(program.app->Preferences().BackgroundColorChoice, 4);
    EXPECT_TRUE(ReloadStarted(program));
}

TEST_F(GeneralPreferences, ACustomColourOpensCheckedAndIsRewrittenOnEveryOk) {
    PreferencesProgram program({"bkcolor=8", "bkred=10", "bkgreen=20", "bkblue=30"});
    Open(program, [](QDialog& dialog) {
        EXPECT_TRUE(Control<QCheckBox>(dialog, "custom").isChecked());
        EXPECT_FALSE(Box(dialog, "colourNumber").isEnabled());
        EXPECT_EQ(Box(dialog, "colourNumber").value(), 4);
        EXPECT_TRUE(Box(dialog, "red").isEnabled());
        EXPECT_TRUE(Control<QPushButton>(dialog, "update").isEnabled());
        EXPECT_EQ(Box(dialog, "red").value(), 10);
        EXPECT_EQ(Box(dialog, "green").value(), 20);
        EXPECT_EQ(Box(dialog, "blue").value(), 30);
        EXPECT_EQ(SwatchColour(dialog), 0x0a141eu);
        Press(dialog, QDialogButtonBox::Ok);
    });
    EXPECT_EQ(program.settings.Read("bkcolor"), "8");
    EXPECT_EQ(program.settings.Read("bkred"), "10");
    EXPECT_TRUE(ReloadStarted(program));
}

// Custom takes the three typed values, held to 0..255; unchecking goes back to the preset of the
// colour number.
TEST_F(GeneralPreferences, CustomSwitchesBetweenTheTypedValuesAndThePreset) {
    PreferencesProgram program({"bkcolor=6"});
    Open(program, [](QDialog& dialog) {
        QCheckBox& custom = Control<QCheckBox>(dialog, "custom");
        EXPECT_FALSE(Box(dialog, "red").isEnabled());
        EXPECT_FALSE(Control<QPushButton>(dialog, "update").isEnabled());
        custom.click();
        EXPECT_TRUE(custom.isChecked());
        EXPECT_FALSE(Box(dialog, "colourNumber").isEnabled());
        Type(Box(dialog, "red"), "300");
        Type(Box(dialog, "green"), "16");
        Type(Box(dialog, "blue"), "32");
        Control<QPushButton>(dialog, "update").click();
        EXPECT_EQ(SwatchColour(dialog), 0xff1020u);
        custom.click();
        EXPECT_FALSE(custom.isChecked());
        EXPECT_TRUE(Box(dialog, "colourNumber").isEnabled());
        EXPECT_EQ(SwatchColour(dialog), 0x000000u);
        custom.click();
        Press(dialog, QDialogButtonBox::Ok);
    });
    EXPECT_EQ(program.settings.Read("bkcolor"), "8");
    EXPECT_EQ(program.settings.Read("bkred"), "255");
    EXPECT_EQ(program.settings.Read("bkgreen"), "16");
    EXPECT_EQ(program.settings.Read("bkblue"), "32");
    EXPECT_EQ(program.app->Preferences().BackgroundRed, 255);
}

TEST(TableSize, IsStoredAsAutoWhenTheScreenCannotShowIt) {
    struct Case {
        int32_t chosen, width, stored;
    };
    const Case cases[] = {{0, 640, 0},  {1, 640, 1},  {2, 800, 0},  {2, 801, 2},  {3, 1024, 0},
                          {3, 1279, 0}, {3, 1280, 3}, {4, 1920, 3}, {5, 1024, 0}, {9, 800, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(StoredTableSize(c.chosen, c.width), c.stored) << c.chosen << " at " << c.width;
    }
}

TEST_F(GeneralPreferences, LargeOnA1024ScreenAndMediumOnAn800ScreenAreStoredAsAuto) {
    PreferencesProgram wide({}, {1024, 768});
    Open(wide, [](QDialog& dialog) {
        Control<QRadioButton>(dialog, "sizeLarge").setChecked(true);
        Press(dialog, QDialogButtonBox::Ok);
    });
    PreferencesProgram narrow({"tblsz=1"}, {800, 600});
    Open(narrow, [](QDialog& dialog) {
        EXPECT_TRUE(Control<QRadioButton>(dialog, "sizeSmall").isChecked());
        Control<QRadioButton>(dialog, "sizeMedium").setChecked(true);
        Press(dialog, QDialogButtonBox::Ok);
    });
    EXPECT_EQ(wide.settings.Read("tblsz"), "0");
    EXPECT_EQ(narrow.settings.Read("tblsz"), "0");
    EXPECT_EQ(narrow.app->Preferences().TableSizeSetting, 0);
}

// Without its bitmap the dialog says so once and still works.
TEST(GeneralPreferencesDialog, WithoutTheSampleWarnsOnce) {
    SettingsFolder folder;
    SettingsStore store(folder.Path());
    GeneralPreferenceValues values;
    FakePrompts prompts;
    GeneralPreferencesDialog dialog(nullptr, store, values, nullptr, prompts);
    dialog.grab();
    dialog.grab();
    QCoreApplication::processEvents();
    EXPECT_EQ(prompts.warnings, (std::vector<QString>{"Can't get memory....can't load dominoes"}));
}

// The set changes half a second after OK: the table and the hands show the new artwork, and every
// tile stays where it was.
TEST_F(GeneralPreferences, ANewSetRedrawsEveryTileInPlace) {
    PreferencesProgram program({"delay=0", "sound=0"});
    Application& app = *program.app;
    // The first paint of the table loads the artwork.
    QCoreApplication::processEvents();
    app.Human().Action(Command::kNew).trigger();
    ClickHandSlot(app, 0);
    ASSERT_NE(app.State().Arm[0][0].Tile, kNoTile);
    QCoreApplication::processEvents();
    SurfaceWidget* windows[] = {&app.Table(), &app.Human().Hand(), &app.Opponent(3)};
    std::vector<Canvas> before;
    for (SurfaceWidget* window : windows) {
        before.push_back(window->Surface().Pixels());
    }
    Open(program, [](QDialog& dialog) {
        Type(Box(dialog, "setNumber"), "4");
        Press(dialog, QDialogButtonBox::Ok);
    });
    ASSERT_TRUE(ReloadStarted(program));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !ReloadStarted(program); }, 2000));
    QCoreApplication::processEvents();
    for (size_t w = 0; w < std::size(windows); ++w) {
        const Canvas& after = windows[w]->Surface().Pixels();
        const uint32_t background = windows[w]->BackgroundColour();
        ASSERT_EQ(after.Width(), before[w].Width());
        int changed = 0;
        int movedOff = 0;
        for (int32_t y = 0; y < after.Height(); ++y) {
            for (int32_t x = 0; x < after.Width(); ++x) {
                const uint32_t old = before[w].Pixel(x, y);
                changed += old != after.Pixel(x, y);
                // A tile pixel now where there was none, or none where there was one.
                movedOff += (old == background) != (after.Pixel(x, y) == background);
            }
        }
        EXPECT_GT(changed, 200) << "window " << w;
        EXPECT_LT(movedOff, changed / 20 + 1) << "window " << w;
    }
}

struct PlayerPreferences : ::testing::Test {
    PreferencesProgram program{{"pn3g=1", "pn2l=0"}};
    Application& app = *program.app;

    void Open(std::function<void(PlayerPreferencesDialog&)> fillIn) {
        program.fillIn = [fillIn](QDialog& dialog) {
            fillIn(dynamic_cast<PlayerPreferencesDialog&>(dialog));
        };
        app.Human().Action(Command::kPlayerPreferences).trigger();
        ASSERT_EQ(program.dialogsRun, 1);
    }
};

TEST_F(PlayerPreferences, OkStoresNamesGendersAndLevelsAndRenamesTheWindows) {
    EXPECT_TRUE(app.Human().Action(Command::kPlayerPreferences).isEnabled());
    Open([](PlayerPreferencesDialog& dialog) {
        EXPECT_EQ(dialog.NameBox(1).text(), "Player");
        EXPECT_EQ(dialog.NameBox(4).text(), "RightStuff");
        EXPECT_TRUE(dialog.GenderButton(3, true).isChecked());
        EXPECT_TRUE(dialog.GenderButton(2, false).isChecked());
        EXPECT_TRUE(dialog.LevelButton(2, 0).isChecked());
        EXPECT_TRUE(dialog.LevelButton(3, 1).isChecked());
        dialog.NameBox(1).setText("Twenty characters ab");
        dialog.NameBox(3).setText("");
        dialog.GenderButton(3, false).setChecked(true);
        dialog.GenderButton(4, true).setChecked(true);
        dialog.LevelButton(2, 1).setChecked(true);
        dialog.LevelButton(4, 2).setChecked(true);
        Press(dialog, QDialogButtonBox::Ok);
    });
    const Settings& s = app.Preferences();
    EXPECT_EQ(s.PlayerNames[1], "Twenty charact");
    EXPECT_EQ(program.settings.Read("pnm1"), "Twenty charact");
    EXPECT_EQ(s.PlayerNames[3], "");
    EXPECT_EQ(program.settings.Read("pnm3"), "");
    EXPECT_EQ(program.settings.Read("pnm2"), "Lefty");
    EXPECT_EQ(s.PlayerGender[3], 0);
    EXPECT_EQ(s.PlayerGender[4], 1);
    EXPECT_EQ(program.settings.Read("pn3g"), "0");
    EXPECT_EQ(program.settings.Read("pn4g"), "1");
    EXPECT_EQ(s.PlayerLevel[2], 1);
    EXPECT_EQ(program.settings.Read("pn2l"), "1");
    EXPECT_EQ(s.PlayerLevel[4], 2);
    EXPECT_EQ(program.settings.Read("pn4l"), "2");
    EXPECT_EQ(app.Human().windowTitle(), "Twenty charact");
    EXPECT_EQ(app.Opponent(2).windowTitle(), "Lefty");
    EXPECT_EQ(app.Opponent(3).windowTitle(), "");
}

TEST_F(PlayerPreferences, CancelChangesNothing) {
    Open([](PlayerPreferencesDialog& dialog) {
        dialog.NameBox(2).setText("Someone");
        dialog.GenderButton(2, true).setChecked(true);
        Press(dialog, QDialogButtonBox::Cancel);
    });
    EXPECT_EQ(app.Preferences().PlayerNames[2], "Lefty");
    EXPECT_EQ(app.Preferences().PlayerGender[2], 0);
    EXPECT_EQ(program.settings.Read("pnm2"), "");
    EXPECT_EQ(program.settings.Read("pn2g"), "");
    EXPECT_EQ(app.Opponent(2).windowTitle(), "Lefty");
}

}  // namespace
}  // namespace pipwick
