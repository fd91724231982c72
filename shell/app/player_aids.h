#pragma once

#include <QPoint>
#include <QString>
#include <functional>

#include "engine/game.h"
#include "engine/hint.h"
#include "engine/undo_history.h"
#include "model/game_state.h"
#include "model/geometry.h"
#include "shell/app/sequence_runner.h"
#include "shell/storage/settings.h"
#include "shell/windows/covered_ends.h"
#include "shell/windows/qt_game_view.h"

namespace pipwick {

// The aids beyond the rules: Undo, the hint, and the marks of where a picked-up tile can go with
// the score each play would make. They change nothing in the game: Undo puts back a state the game
// was in, and the marks and their scores come from trying the play on a copy with the game's own
// rules.
class PlayerAids {
  public:
    PlayerAids(GameState& state, const Geometry& geometry, const Settings& settings, Game& game,
               QtGameView& view, const Windows& windows, SequenceRunner& sequences);

    // Runs a sequence that the human's play, lead, draw or pass starts, as a point Undo can go
    // back to.
    void RunHumanAction(const std::function<void()>& action);
    // Undo: the state before the human's last action in this hand comes back, with the status
    // line it had. Nothing happens while a sequence runs or when there is nothing to take back.
    void Undo();
    bool CanUndo() const { return history_.CanUndo(); }
    void ShowUndoAvailable();
    // A game read from a file or resumed has nothing to take back.
    void ForgetHistory();
    UndoHistory& History() { return history_; }

    // Hint: on the human's turn, picks up the tile the strongest computer player would play in his
    // place and marks its end, or says to draw or pass, in the status line.
    void ShowHint();
    void ForgetHint() { hint_ = {}; }

    // The marks of where the picked-up tile can go, as the selection and the settings say. Each
    // showing tells onMarksShown the hinted end, -1 for none.
    void ShowMarks();
    void HideMarks();
    void OnMarksShown(std::function<void(int hintedArm)> shown) { marksShown_ = std::move(shown); }
    // The ends the picked-up tile fits that a player window hides, shown above it.
    CoveredEnds& Covered() { return covered_; }
    // The pointer over the table: over a marked end the status line tells what the play scores.
    void PreviewAt(const QPoint& point);
    // The pointer over an end shown above a window (-1: it left): the same as over the end.
    void PreviewCovered(int arm);
    // The status line tells what laying the picked-up tile on arm would score (or that it fits
    // no end, for -1).
    void PreviewArm(int arm);
    void EndPreview();

  private:
    // The status line as the game left it, without a preview.
    QString GameStatus() const;

    GameState& state_;
    const Geometry& geometry_;
    const Settings& settings_;
    Game& game_;
    QtGameView& view_;
    const Windows& windows_;
    SequenceRunner& sequences_;
    std::function<void(int)> marksShown_;
    UndoHistory history_;
    CoveredEnds covered_;
    // The last hint; its end alone is marked while its tile is picked up.
    Hint hint_;
    // The arms whose ends are marked now.
    bool marked_[kArmCount] = {};
    // While the pointer is over a marked end: the status line it covers.
    bool previewing_ = false;
    QString statusBeforePreview_;
};

}  // namespace pipwick
