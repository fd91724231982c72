// What a screen reader is told: the tree of the windows through Qt's accessibility interfaces and
// the events sent as the game goes on. Accessibility is switched on in the platform as an
// assistive technology would, and every event is recorded in place of being sent on.
#include <gtest/gtest.h>

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QTableView>
#include <QtTest/QTest>
#include <algorithm>
#include <functional>
#include <vector>

#include "ai/computer_player.h"
#include "shell/app/application.h"
#include "shell/dialogs/about_box.h"
#include "shell/dialogs/general_preferences_dialog.h"
#include "shell/dialogs/player_preferences_dialog.h"
#include "shell/windows/score_sheet_window.h"
#include "shell/windows/statistics_window.h"
#include "shell/windows/status_popup.h"
#include "tests/shell/shell_test_support.h"
#include "texts/spoken_texts.h"

namespace pipwick {
namespace {

struct SentEvent {
    QAccessible::Event type;
    QObject* object;
    QString name;
};

std::vector<SentEvent>& Sent() {
    static std::vector<SentEvent> sent;
    return sent;
}

// Called as the news of a hand's end is told, while its tiles still lie on the table.
std::function<void()>& AtHandOver() {
    static std::function<void()> atHandOver;
    return atHandOver;
}

// An insertion of text is recorded with the text it carries, as a screen reader hears it.
void Record(QAccessibleEvent* event) {
    QAccessibleInterface* face = event->accessibleInterface();
    QString name = face != nullptr ? face->text(QAccessible::Name) : QString();
    if (event->type() == QAccessible::TextInserted) {
        name = static_cast<QAccessibleTextInsertEvent*>(event)->textInserted();
        if (name.startsWith(QStringLiteral("The hand is over")) && AtHandOver()) {
            AtHandOver()();
        }
    } else if (event->type() == QAccessible::TextRemoved) {
        name = static_cast<QAccessibleTextRemoveEvent*>(event)->textRemoved();
    }
    Sent().push_back({event->type(), event->object(), name});
}

// Switched on before the program starts, as when a screen reader is already running.
struct AccessibilityOn {
    AccessibilityOn() {
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        QAccessible::installUpdateHandler(Record);
        Sent().clear();
    }
    ~AccessibilityOn() {
        QAccessible::installUpdateHandler(nullptr);
        AtHandOver() = nullptr;
    }
};

QStringList ItemNames(QWidget& widget, QAccessible::Role role) {
    QStringList names;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&widget);
    for (int i = 0; face != nullptr && i < face->childCount(); ++i) {
        QAccessibleInterface* child = face->child(i);
        if (child != nullptr && child->role() == role) {
            names << child->text(QAccessible::Name);
        }
    }
    return names;
}

QString Words(const std::string& words) {
    return QString::fromStdString(words);
}

struct ScreenReader : ::testing::Test {
    AccessibilityOn on;
    TestProgram program{{"sound=0", "delay=0", "nump=3"}};
    Application& app = *program.app;
    GameState& s = app.State();

    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(&app.Human().Hand(), key, modifiers);
    }
    // The human's turn through the keys: the advanced player's choice, or Draw/Pass.
    void MoveWithKeys() {
        const Play play = ChooseComputerPlay(s, s.Hand[1], Level::Advanced);
        if (play.slot == kEmptySlot) {
            Press(Qt::Key_A, Qt::ControlModifier);
            return;
        }
        Press(Qt::Key_Home);
        for (int i = 0; i < play.slot; ++i) {
            Press(Qt::Key_Right);
        }
        Press(Qt::Key_Space);
        if (s.SelectedTile != kNoSelection) {
            Press(static_cast<Qt::Key>(Qt::Key_1 + play.arm));
            Press(Qt::Key_Return);
        }
    }
    // What the status line told, each news once; fails the test where a news was not first
    // taken out of the text, so that the text a reader holds is always the latest news alone.
    QStringList News() const {
        QStringList news;
        for (const SentEvent& event : Sent()) {
            if (event.object != &app.Human().StatusLine()) {
                continue;
            }
            EXPECT_NE(event.type, QAccessible::NameChanged) << event.name.toStdString();
            if (event.type == QAccessible::TextRemoved && !news.isEmpty()) {
                EXPECT_EQ(news.back(), event.name);
            } else if (event.type == QAccessible::TextInserted) {
                news << event.name;
            }
        }
        return news;
    }
};

TEST_F(ScreenReader, EveryTileOfEveryHandAndEveryOpenEndIsNamed) {
    app.Human().Action(Command::kNew).trigger();
    MoveWithKeys();  // the lead
    for (int move = 0; move < 6 && s.CurrentPlayer == 1 && s.SpinnerState != kSideArmsOpen;
         ++move) {
        MoveWithKeys();
    }
    ASSERT_EQ(s.GameInProgress, 1);

    QStringList hand;
    for (int slot = 0; slot < HandCount(s, 1); ++slot) {
        hand << Words(text::TileWords(s.Hand[1][slot]));
    }
    EXPECT_EQ(ItemNames(app.Human().Hand(), QAccessible::ListItem), hand);
    EXPECT_EQ(ItemNames(app.Human().Hand(), QAccessible::StatusBar).size(), 1);

    for (int player : {2, 3}) {
        const QStringList faceDown(HandCount(s, player), QString::fromLatin1(text::kFaceDown));
        EXPECT_EQ(ItemNames(app.Opponent(player), QAccessible::ListItem), faceDown) << player;
    }
    // Turned up at the end of a hand, the tiles are named by their pips.
    app.Pictures().TurnFaceUp(3);
    QStringList shown;
    for (int slot = 0; slot < HandCount(s, 3); ++slot) {
        shown << Words(text::TileWords(s.Hand[3][slot]));
    }
    EXPECT_EQ(ItemNames(app.Opponent(3), QAccessible::ListItem), shown);

    // The table: the open ends by side and pip, then every tile laid.
    QStringList ends;
    for (int arm = 0; arm < kArmCount; ++arm) {
        if (!s.ArmDropRect[arm].IsEmpty() && s.ArmOpenPip[arm] != kNoPip) {
            ends << Words(text::EndWords(arm, s.ArmOpenPip[arm], false)).section(' ', 0, 1);
        }
    }
    QStringList tableEnds = ItemNames(app.Table(), QAccessible::ListItem);
    ASSERT_EQ(tableEnds.size(), ends.size());
    for (int i = 0; i < ends.size(); ++i) {
        EXPECT_TRUE(tableEnds[i].startsWith(ends[i])) << tableEnds[i].toStdString();
    }
    int laid = 0;
    for (int arm = 0; arm < kArmCount; ++arm) {
        laid += ArmLength(s, arm);
    }
    const QStringList tiles = ItemNames(app.Table(), QAccessible::Graphic);
    EXPECT_EQ(tiles.size(), laid);
    EXPECT_TRUE(tiles.contains(Words(text::TileWords(s.Arm[0][0].Tile))));

    // An item lies where it is shown, and is found there: a tile of the hand, an end of the
    // table (whose area a click plays on, over the tile at the end).
    for (QWidget* widget :
         {static_cast<QWidget*>(&app.Human().Hand()), static_cast<QWidget*>(&app.Table())}) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        const int index = widget == &app.Table() ? 0 : face->childCount() - 1;
        QAccessibleInterface* item = face->child(index);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->parent(), face);
        EXPECT_EQ(face->indexOfChild(item), index);
        EXPECT_TRUE(widget->rect().contains(widget->mapFromGlobal(item->rect().center())));
        const QPoint centre = item->rect().center();
        EXPECT_EQ(face->childAt(centre.x(), centre.y()), item);
    }
}

// With a tile picked up, each end says what the play there would do, and the chosen end is the
// selected one.
TEST_F(ScreenReader, TheEndsSayWhatThePickedUpTileWouldDoThere) {
    app.Human().Action(Command::kNew).trigger();
    MoveWithKeys();
    ASSERT_EQ(s.CurrentPlayer, 1);
    Press(Qt::Key_Home);
    Press(Qt::Key_Space);
    ASSERT_NE(s.SelectedTile, kNoSelection);
    const QStringList ends = ItemNames(app.Table(), QAccessible::ListItem);
    ASSERT_FALSE(ends.isEmpty());
    for (const QString& end : ends) {
        EXPECT_TRUE(end.contains(QStringLiteral(", scores ")) ||
                    end.endsWith(QStringLiteral(", does not fit")))
            << end.toStdString();
    }
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&app.Table());
    const int chosen = app.Keys().ChosenArm();
    for (int i = 0; i < ends.size(); ++i) {
        const bool selected = table->child(i)->state().selected;
        EXPECT_EQ(selected, chosen >= 0 && i == OpenEndIndex(s, chosen)) << i;
    }
}

// The focus moving over the hand is told with the tile's name, and the status line's news with
// every play, draw and score and the end of the hand.
TEST_F(ScreenReader, TheFocusAndTheNewsOfAWholeHandAreTold) {
    app.Human().Action(Command::kNew).trigger();
    MoveWithKeys();
    ASSERT_EQ(s.CurrentPlayer, 1);
    Sent().clear();
    Press(Qt::Key_End);
    const auto focus = std::find_if(Sent().begin(), Sent().end(), [](const SentEvent& e) {
        return e.type == QAccessible::Focus;
    });
    ASSERT_NE(focus, Sent().end());
    EXPECT_EQ(focus->name, Words(text::TileWords(s.Hand[1][HandCount(s, 1) - 1])));

    const int32_t pile = s.BonePileNext;
    int laidBefore = 0;
    for (int arm = 0; arm < kArmCount; ++arm) {
        laidBefore += ArmLength(s, arm);
    }
    int laid = 0;
    int32_t drawn = 0;
    AtHandOver() = [&] {
        for (int arm = 0; arm < kArmCount; ++arm) {
            laid += ArmLength(s, arm);
        }
        drawn = s.BonePileNext - pile;
    };
    for (int move = 0; move < 200 && s.CurrentPlayer == 1 && program.prompts.popups.empty();
         ++move) {
        MoveWithKeys();
    }
    ASSERT_FALSE(program.prompts.popups.empty());
    // Up to the end of the hand, each tile laid and each drawn is told once; what the status
    // line shows of those moves (a score, a pass) is not told again.
    QStringList news = News();
    const auto over = std::find_if(news.begin(), news.end(), [](const QString& n) {
        return n.startsWith(QStringLiteral("The hand is over"));
    });
    ASSERT_NE(over, news.end());
    news.erase(over + 1, news.end());
    auto told = [&news](const std::string& words) {
        return std::count_if(news.begin(), news.end(), [&words](const QString& n) {
            return n.contains(QString::fromStdString(words));
        });
    };
    EXPECT_EQ(laidBefore + told(" plays "), laid) << news.join('|').toStdString();
    EXPECT_EQ(told(" draws "), drawn);
    EXPECT_EQ(told(" scores ") - told(", scores ") - told(" here scores "), 0);
    const std::string human = app.Preferences().PlayerNames[1];
    EXPECT_EQ(told("'s turn"), told(human + "'s turn"));
    EXPECT_EQ(app.Human().News(), News().back());
}

// The tiles stay in the lists as long as they are on the screen, after the game too.
TEST_F(ScreenReader, TheListsKeepTheirTilesWhenTheGameIsOver) {
    app.Human().Action(Command::kNew).trigger();
    MoveWithKeys();
    ASSERT_EQ(s.GameInProgress, 1);
    const QStringList hand = ItemNames(app.Human().Hand(), QAccessible::ListItem);
    const QStringList table = ItemNames(app.Table(), QAccessible::Graphic);
    const QStringList other = ItemNames(app.Opponent(2), QAccessible::ListItem);
    ASSERT_FALSE(hand.isEmpty());
    ASSERT_FALSE(table.isEmpty());
    s.GameInProgress = 0;
    EXPECT_EQ(ItemNames(app.Human().Hand(), QAccessible::ListItem), hand);
    EXPECT_EQ(ItemNames(app.Table(), QAccessible::Graphic), table);
    EXPECT_EQ(ItemNames(app.Opponent(2), QAccessible::ListItem), other);
}

// A list that changes says so once, by its description, which names its items.
TEST_F(ScreenReader, AChangedListIsToldOnceWithItsItems) {
    app.Human().Action(Command::kNew).trigger();
    Sent().clear();
    MoveWithKeys();
    const QStringList hand = ItemNames(app.Human().Hand(), QAccessible::ListItem);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&app.Human().Hand());
    EXPECT_EQ(face->text(QAccessible::Description), hand.join(QStringLiteral(", ")));
    const auto told = std::count_if(Sent().begin(), Sent().end(), [this](const SentEvent& e) {
        return e.type == QAccessible::DescriptionChanged && e.object == &app.Human().Hand();
    });
    EXPECT_EQ(told, 1);
    app.Human().RedrawHand();
    EXPECT_EQ(std::count_if(Sent().begin(), Sent().end(),
                            [this](const SentEvent& e) {
                                return e.type == QAccessible::DescriptionChanged &&
                                       e.object == &app.Human().Hand();
                            }),
              told);
}

// The application's windows are those on the screen: a player who sits out has none.
TEST_F(ScreenReader, OnlyTheWindowsOnTheScreenAreInTheTree) {
    app.Human().Action(Command::kNew).trigger();
    QAccessibleInterface* root =
        QAccessible::queryAccessibleInterface(QCoreApplication::instance());
    ASSERT_NE(root, nullptr);
    std::vector<QObject*> windows;
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(root->indexOfChild(child), i);
        windows.push_back(child->object());
    }
    auto has = [&windows](QObject* window) {
        return std::find(windows.begin(), windows.end(), window) != windows.end();
    };
    EXPECT_TRUE(has(&app.Table()));
    EXPECT_TRUE(has(&app.Human()));
    EXPECT_TRUE(has(&app.Opponent(2)));
    EXPECT_TRUE(has(&app.Opponent(3)));
    EXPECT_FALSE(has(&app.Opponent(4)));
}

// The pop-up is read by its words, without the spaces that place them on the screen.
TEST(Popup, IsNamedByItsWordsAlone) {
    AccessibilityOn on;
    for (const Message message : {Message::kHandOver, Message::kHumanWins}) {
        StatusPopup popup(nullptr, PopupText(message, nullptr), {0, 0, 175, 90});
        const QString name = QAccessible::queryAccessibleInterface(&popup)->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty());
        EXPECT_EQ(name, name.simplified()) << name.toStdString();
        EXPECT_EQ(name, popup.Text().simplified());
    }
}

// Every control a dialog's Tab reaches has a name, and Tab reaches each of them once before it
// comes round again.
TEST(Dialogs, EveryControlHasANameAndTabVisitsEachOnce) {
    AccessibilityOn on;
    SettingsFolder folder;
    SettingsStore store(folder.Path());
    FakePrompts prompts;
    GeneralPreferenceValues values;
    GameState state;
    ResetGameState(state);
    ScoreSheet sheet(state);
    const Settings settings;
    Statistics statistics;
    std::vector<std::unique_ptr<QWidget>> dialogs;
    dialogs.push_back(std::make_unique<GeneralPreferencesDialog>(nullptr, store, values,
                                                                 EmbeddedResource, prompts));
    dialogs.push_back(std::make_unique<PlayerPreferencesDialog>(nullptr, store));
    dialogs.push_back(std::make_unique<AboutBox>(nullptr));
    dialogs.push_back(std::make_unique<ScoreSheetWindow>(nullptr, sheet, settings));
    dialogs.push_back(
        std::make_unique<StatisticsWindow>(nullptr, statistics, QString(), [] { return false; }));
    for (const auto& dialog : dialogs) {
        SCOPED_TRACE(dialog->windowTitle().toStdString());
        dialog->show();
        std::vector<QWidget*> controls;
        for (QWidget* child : dialog->findChildren<QWidget*>()) {
            // A spin box's text field takes the focus for it and goes by its name.
            const bool proxy = qobject_cast<QAbstractSpinBox*>(child->parentWidget()) != nullptr;
            if (child->isVisible() && child->isEnabled() && (child->focusPolicy() & Qt::TabFocus) &&
                !proxy) {
                controls.push_back(child);
            }
            if (qobject_cast<QTableView*>(child) != nullptr && child->isVisible()) {
                QAccessibleInterface* face = QAccessible::queryAccessibleInterface(child);
                EXPECT_FALSE(face->text(QAccessible::Name).isEmpty())
                    << child->metaObject()->className();
                // A table is reached with Tab and read cell by cell.
                EXPECT_TRUE(child->focusPolicy() & Qt::TabFocus);
                QAccessibleTableInterface* table = face->tableInterface();
                ASSERT_NE(table, nullptr);
                if (table->rowCount() > 0) {
                    EXPECT_FALSE(table->cellAt(0, 0)->text(QAccessible::Name).isEmpty());
                }
            }
        }
        // Each control says which it is: no two share a name ("Lefty: Advanced", not
        // "Advanced" for every player).
        QStringList names;
        for (QWidget* control : controls) {
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
            ASSERT_NE(face, nullptr);
            const QString name = face->text(QAccessible::Name).remove('&').trimmed();
            EXPECT_FALSE(name.isEmpty())
                << control->metaObject()->className() << " " << control->objectName().toStdString();
            EXPECT_FALSE(names.contains(name)) << name.toStdString();
            names << name;
        }
        if (controls.empty()) {
            continue;  // a window only to read
        }
        std::vector<QWidget*> visited;
        QWidget* at = controls.front();
        const size_t widgets = dialog->findChildren<QWidget*>().size();
        for (size_t step = 0; step <= widgets + 1; ++step) {
            if (std::find(controls.begin(), controls.end(), at) != controls.end()) {
                if (std::find(visited.begin(), visited.end(), at) != visited.end()) {
                    break;
                }
                visited.push_back(at);
            }
            at = at->nextInFocusChain();
        }
        EXPECT_EQ(visited.size(), controls.size());
    }
}

}  // namespace
}  // namespace pipwick
