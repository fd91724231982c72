// Undo and the marks of where a tile can go, driven through the windows as a person would.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <functional>
#include <utility>
#include <vector>

#include "engine/trial_play.h"
#include "shell/app/application.h"
#include "table/end_marks.h"
#include "tests/shell/shell_test_support.h"
#include "tests/support/same_state.h"

namespace pipwick {
namespace {

// What the player sees of a moment of the game.
struct Seen {
    GameState state;
    QString status;
    QString caption;
    int width = 0;
};

struct Aids : ::testing::Test {
    explicit Aids(std::vector<std::string> settings = {"sound=0", "delay=0"}) : program(settings) {}

    TestProgram program;
    Application& app = *program.app;
    GameState& s = app.State();

    Canvas TableShown() {
        app.Table().repaint();
        return app.Table().Surface().Pixels();
    }
    Seen Now() { return {s, app.Human().Status(), app.Human().windowTitle(), app.Human().width()}; }
    void ExpectSeen(const Seen& seen) {
        EXPECT_TRUE(SameState(s, seen.state));
        EXPECT_EQ(app.Human().Status(), seen.status);
        EXPECT_EQ(app.Human().windowTitle(), seen.caption);
        EXPECT_EQ(app.Human().width(), seen.width);
    }
    // The arms the tile in slot fits, found by the game's own rules.
    std::vector<int> FittingArms(int slot) const {
        std::vector<int> arms;
        for (int arm = 0; arm < kArmCount; ++arm) {
            if (!s.ArmDropRect[arm].IsEmpty() &&
                TryHumanPlay(s, app.Layout(), s.Hand[1][slot], arm).accepted) {
                arms.push_back(arm);
            }
        }
        return arms;
    }
    // The first tile of the human's hand that fits an end, with the arms it fits; no arms when
    // the table is empty or nothing fits.
    std::pair<int, std::vector<int>> FirstFittingTile() const {
        for (int slot = 0; slot < HandCount(s, 1) && !TableIsEmpty(s); ++slot) {
            if (std::vector<int> arms = FittingArms(slot); !arms.empty()) {
                return {slot, arms};
            }
        }
        return {0, {}};
    }
    // Plays the hand on through the windows. At each play the human can make, the pointer rests
    // on the end first, and check sees the tile's name, the status line there and what the play
    // then scored; the status line comes back once the pointer leaves. Returns the plays checked.
    int CheckPlaysOverMarkedEnds(
        const std::function<void(const QString&, const QString&, int32_t)>& check) {
        int checked = 0;
        for (int round = 0; round < 40 && s.GameInProgress == 1 && program.prompts.popups.empty();
             ++round) {
            const auto [slot, arms] = FirstFittingTile();
            if (arms.empty()) {
                Move();
                continue;
            }
            ClickHandSlot(app, slot);
            const QString status = app.Human().Status();
            const QString tile =
                QStringLiteral("%1-%2").arg(HighPip(s.SelectedTile)).arg(LowPip(s.SelectedTile));
            const QPoint end = Centre(s.ArmDropRect[arms.back()]);
            QTest::mouseMove(&app.Table(), end);
            const QString preview = app.Human().Status();
            QTest::mouseMove(&app.Table(), QPoint(1, 1));
            EXPECT_EQ(app.Human().Status(), status);
            QTest::mouseMove(&app.Table(), end);
            const int32_t score = s.Scores[1];
            ClickTable(app, end);
            if (!program.prompts.popups.empty()) {
                break;
            }
            check(tile, preview, s.Scores[1] - score);
            ++checked;
        }
        return checked;
    }
    // The human's move through the windows: the first tile that fits, dropped on its first arm,
    // else Draw/Pass. When seen is given, what the player sees just before the move (with the
    // tile picked up) is added to it.
    void Move(std::vector<Seen>* seen = nullptr) {
        if (TableIsEmpty(s)) {
            if (seen != nullptr) {
                seen->push_back(Now());
            }
            ClickHandSlot(app, 0);
            return;
        }
        for (int slot = 0; slot < HandCount(s, 1); ++slot) {
            const std::vector<int> arms = FittingArms(slot);
            if (!arms.empty()) {
                ClickHandSlot(app, slot);
                if (seen != nullptr) {
                    seen->push_back(Now());
                }
                ClickTable(app, Centre(s.ArmDropRect[arms.front()]));
                return;
            }
        }
        if (seen != nullptr) {
            seen->push_back(Now());
        }
        app.Human().Action(Command::kDrawPass).trigger();
    }
    void StartWithHumanToLead() {
        app.Human().Action(Command::kNew).trigger();
        ASSERT_EQ(s.CurrentPlayer, 1);
        ASSERT_TRUE(TableIsEmpty(s));
    }
};

TEST_F(Aids, CtrlZTakesTheMovesOfTheHandBackOneByOne) {
    QAction& undo = app.Human().Action(Command::kUndo);
    EXPECT_EQ(undo.text(), "&Undo\tCtrl+Z");
    StartWithHumanToLead();
    EXPECT_FALSE(undo.isEnabled());

    std::vector<Seen> before;
    bool drew = false;
    while (before.size() < 10 && s.GameInProgress == 1) {
        const int32_t pile = s.BonePileNext;
        Move(&before);
        drew = drew || s.BonePileNext != pile;
        if (!undo.isEnabled()) {
            before.clear();  // the hand ended
        }
    }
    ASSERT_GE(before.size(), 3u);
    const Seen reached = Now();
    const std::vector<Seen> moves = before;
    while (!before.empty()) {
        PressKey(app, Qt::Key_Z, Qt::ControlModifier);
        ExpectSeen(before.back());
        before.pop_back();
    }
    EXPECT_FALSE(undo.isEnabled());
    PressKey(app, Qt::Key_Z, Qt::ControlModifier);  // nothing left: nothing changes
    ExpectSeen(moves.front());

    // The same moves again give the same game: the computers answer as they did.
    for (size_t i = 0; i < moves.size(); ++i) {
        Move();
    }
    ExpectSeen(reached);
    EXPECT_TRUE(undo.isEnabled());
    EXPECT_TRUE(drew);
}

TEST_F(Aids, AnOpenedGameHasNothingToUndo) {
    StartWithHumanToLead();
    Move();
    ASSERT_TRUE(app.Aids().CanUndo());
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("game.dom"));
    ASSERT_TRUE(app.Files().Write(path));
    Move();
    ASSERT_TRUE(app.OpenGameFile(path, true));
    EXPECT_FALSE(app.Aids().CanUndo());
    EXPECT_FALSE(app.Human().Action(Command::kUndo).isEnabled());
}

// A clock that tries Undo at every wait, as a key held down while the computers move would.
class UndoEveryWait : public Clock {
  public:
    Application* app = nullptr;
    int tries = 0;
    int enabled = 0;

    uint32_t TickCount() override { return now_; }
    void WaitUntil(uint32_t deadline) override {
        now_ = deadline;
        if (app != nullptr && app->State().CurrentPlayer != kHumanSeat) {
            ++tries;
            enabled += app->Human().Action(Command::kUndo).isEnabled() ? 1 : 0;
            app->Aids().Undo();
        }
    }

  private:
    uint32_t now_ = 0;
};

// A move's point is kept only once its sequence is over, so an Undo in the middle would take
// back the move before it: the history after the sequence shows that none happened.
TEST(UndoDuringASequence, IsGreyedAndRefused) {
    UndoEveryWait clock;
    TestProgram program({"sound=0", "delay=1"}, {1024, 768}, &clock);
    Application& app = *program.app;
    GameState& s = app.State();
    app.Human().Action(Command::kNew).trigger();
    ASSERT_TRUE(TableIsEmpty(s));
    const GameState beforeLead = s;
    ClickHandSlot(app, 0);
    ASSERT_EQ(s.CurrentPlayer, 1);
    std::vector<GameState> before;
    clock.app = &app;
    while (clock.tries == 0 && s.CurrentPlayer == 1 && before.size() < 20) {
        before.push_back(s);
        int slot = 0;
        int arm = 0;
        if (!FindHumanPlay(app, slot, arm)) {
            app.Human().Action(Command::kDrawPass).trigger();
            continue;
        }
        ClickHandSlot(app, slot);
        before.back() = s;
        ClickTable(app, Centre(s.ArmDropRect[arm]));
    }
    ASSERT_EQ(s.CurrentPlayer, 1);
    clock.app = nullptr;

    EXPECT_GT(clock.tries, 0);
    EXPECT_EQ(clock.enabled, 0);
    for (auto it = before.rbegin(); it != before.rend(); ++it) {
        ASSERT_TRUE(app.Human().Action(Command::kUndo).isEnabled());
        app.Aids().Undo();
        EXPECT_TRUE(SameState(s, *it));
    }
    app.Aids().Undo();
    EXPECT_TRUE(SameState(s, beforeLead));
}

TEST_F(Aids, PickingATileUpMarksTheEndsItFitsAndPuttingItDownLeavesNoPixel) {
    StartWithHumanToLead();
    Move();
    ASSERT_EQ(s.CurrentPlayer, 1);
    const Canvas plain = TableShown();
    int marked = 0;
    for (int slot = 0; slot < HandCount(s, 1); ++slot) {
        ClickHandSlot(app, slot);
        std::vector<Rect> expected;
        for (int arm : FittingArms(slot)) {
            expected.push_back(s.ArmDropRect[arm]);
        }
        EXPECT_EQ(app.Table().Marks(), expected) << "slot " << slot;
        const Canvas shown = TableShown();
        for (const Rect& end : expected) {
            EXPECT_EQ(shown.Pixel(end.left + 1, end.top + 1), kEndMarkBright);
            EXPECT_EQ(shown.Pixel(end.right - 2, end.bottom - 2), kEndMarkBright);
        }
        marked += static_cast<int>(expected.size());
        PressKey(app, Qt::Key_Escape);
        EXPECT_TRUE(app.Table().Marks().empty());
        EXPECT_TRUE(TableShown() == plain) << "slot " << slot;
    }
    EXPECT_GT(marked, 0);
}

// A slot whose tile fits some end now, or -1.
int FittingSlot(Application& app) {
    const GameState& s = app.State();
    for (int slot = 0; slot < HandCount(s, 1); ++slot) {
        for (int arm = 0; arm < kArmCount; ++arm) {
            if (!s.ArmDropRect[arm].IsEmpty() &&
                TryHumanPlay(s, app.Layout(), s.Hand[1][slot], arm).accepted) {
                return slot;
            }
        }
    }
    return -1;
}

// No mark outlives its tile: a new deal, an opened game or a pass puts the tile down, and the
// table keeps no mark.
TEST(MarksOfAPickedUpTile, GoWhenTheGameOrTheTurnMovesOn) {
    struct Case {
        const char* name;
        std::function<void(TestProgram&)> moveOn;
    };
    QTemporaryDir folder;
    const QString saved = QDir(folder.path()).filePath(QStringLiteral("saved.dom"));
    const Case cases[] = {
        {"new", [](TestProgram& p) { p.app->Human().Action(Command::kNew).trigger(); }},
        {"open",
         [&saved](TestProgram& p) {
             p.prompts.chosenFile = saved;
             p.app->Human().Action(Command::kOpen).trigger();
         }},
        {"pass", [](TestProgram& p) { p.app->Human().Action(Command::kDrawPass).trigger(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Four players hold the whole set, so the bone pile is empty and Draw/Pass passes.
        TestProgram program({"sound=0", "delay=0", "nump=4"});
        Application& app = *program.app;
        const GameState& s = app.State();
        app.Human().Action(Command::kNew).trigger();
        ASSERT_TRUE(app.Files().Write(saved));
        if (TableIsEmpty(s)) {
            ClickHandSlot(app, 0);
        }
        ASSERT_EQ(s.CurrentPlayer, 1);
        ASSERT_TRUE(BonePileEmpty(s));
        const int slot = FittingSlot(app);
        ASSERT_GE(slot, 0);
        ClickHandSlot(app, slot);
        ASSERT_FALSE(app.Table().Marks().empty());

        c.moveOn(program);
        EXPECT_TRUE(program.prompts.warnings.empty());
        EXPECT_EQ(s.SelectedTile, kNoSelection);
        EXPECT_TRUE(app.Table().Marks().empty());
        EXPECT_TRUE(app.Table().ChosenEnd().IsEmpty());
    }
}

// While the hand goes on, the human's score grows by exactly what his play scored.
TEST_F(Aids, OverAMarkedEndTheStatusLineTellsTheScoreThePlayThenMakes) {
    StartWithHumanToLead();
    const int checked =
        CheckPlaysOverMarkedEnds([](const QString& tile, const QString& preview, int32_t gained) {
            EXPECT_TRUE(preview.startsWith(tile + QStringLiteral(" here scores ")))
                << preview.toStdString();
            const bool nothing = preview.endsWith(QStringLiteral(" nothing"));
            const int32_t previewed = nothing ? 0 : preview.section(' ', -1).toInt();
            EXPECT_TRUE(nothing || previewed > 0);
            EXPECT_EQ(gained, previewed) << preview.toStdString();
        });
    EXPECT_GE(checked, 2);
}

// Where nothing scores during play the preview says only where the tile goes, and the play
// scores nothing.
struct AidsInDraw : Aids {
    AidsInDraw() : Aids({"sound=0", "delay=0", "game=1"}) {}
};

TEST_F(AidsInDraw, OverAMarkedEndTheStatusLineTellsNoScore) {
    StartWithHumanToLead();
    const int checked =
        CheckPlaysOverMarkedEnds([](const QString& tile, const QString& preview, int32_t gained) {
            EXPECT_EQ(preview, tile + QStringLiteral(" goes here"));
            EXPECT_EQ(gained, 0);
        });
    EXPECT_GE(checked, 2);
}

struct AidsWithoutMarks : Aids {
    AidsWithoutMarks() : Aids({"sound=0", "delay=0", "marks=0"}) {}
};

TEST_F(AidsWithoutMarks, APickedUpTileMarksNothing) {
    EXPECT_EQ(app.Preferences().ShowWhereTilesGo, 0);
    StartWithHumanToLead();
    Move();
    const Canvas plain = TableShown();
    for (int slot = 0; slot < HandCount(s, 1); ++slot) {
        ClickHandSlot(app, slot);
        EXPECT_TRUE(app.Table().Marks().empty());
        EXPECT_TRUE(TableShown() == plain);
    }
}

}  // namespace
}  // namespace pipwick
