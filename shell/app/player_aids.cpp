#include "shell/app/player_aids.h"

#include "engine/trial_play.h"
#include "model/rules.h"
#include "shell/app/translations.h"
#include "texts/spoken_texts.h"
#include "texts/texts.h"

namespace pipwick {

namespace {

QString TileName(int32_t tile) {
    return QString::fromLatin1(text::kTileName).arg(HighPip(tile)).arg(LowPip(tile));
}

QString HintText(const Hint& hint) {
    const QString tile = TileName(hint.tile);
    switch (hint.kind) {
        case Hint::Kind::kLead:
            return hint.score > 0 ? Translated(text::kHintLeadScoring).arg(tile).arg(hint.score)
                                  : Translated(text::kHintLead).arg(tile);
        case Hint::Kind::kPlay: {
            const QString end = Translated(text::kArmEnds[hint.arm]);
            return hint.score > 0
                       ? Translated(text::kHintPlayScoring).arg(tile, end).arg(hint.score)
                       : Translated(text::kHintPlay).arg(tile, end);
        }
        case Hint::Kind::kDraw:
            return Translated(text::kHintDraw);
        case Hint::Kind::kPass:
            return Translated(text::kHintPass);
        case Hint::Kind::kNone:
            break;
    }
    return {};
}

bool HumanHoldsATile(const GameState& state) {
    return HumansTurn(state) && state.SelectedTile >= 1 && state.SelectedTile <= kTileCount;
}

}  // namespace

PlayerAids::PlayerAids(GameState& state, const Geometry& geometry, const Settings& settings,
                       Game& game, QtGameView& view, const Windows& windows,
                       SequenceRunner& sequences)
    : state_(state),
      geometry_(geometry),
      settings_(settings),
      game_(game),
      view_(view),
      windows_(windows),
      sequences_(sequences),
      covered_(windows, geometry.ScaleFactor) {
    covered_.OnHover([this](int arm) { PreviewCovered(arm); });
}

// Only an action that starts a sequence of its own becomes a point to go back to; one that
// arrives while another runs is part of that one.
void PlayerAids::RunHumanAction(const std::function<void()>& action) {
    if (sequences_.Running()) {
        sequences_.Run(action);
        return;
    }
    history_.BeginAction(state_, GameStatus().toStdString());
    windows_.human->Action(Command::kUndo).setEnabled(false);
    // A tile about to fly leaves no mark behind it.
    HideMarks();
    sequences_.Run(action);
    history_.EndAction();
    ShowUndoAvailable();
    ShowMarks();
}

void PlayerAids::ShowUndoAvailable() {
    windows_.human->Action(Command::kUndo).setEnabled(history_.CanUndo() && !sequences_.Running());
}

void PlayerAids::ForgetHistory() {
    history_.Clear();
    ShowUndoAvailable();
}

void PlayerAids::Undo() {
    if (sequences_.Running() || !history_.CanUndo()) {
        return;
    }
    const UndoHistory::Point point = history_.TakeLast();
    previewing_ = false;
    hint_ = {};
    state_ = point.state;
    view_.ShowWholeState(TableRedraw::kAtOnce);
    windows_.human->SetStatus(QString::fromStdString(point.status));
    ShowMarks();
    ShowUndoAvailable();
}

void PlayerAids::ShowHint() {
    if (sequences_.Running()) {
        return;
    }
    const Hint hint = HintForHuman(state_, geometry_);
    if (hint.kind == Hint::Kind::kNone) {
        return;
    }
    hint_ = hint;
    const bool withTile = hint.kind == Hint::Kind::kLead || hint.kind == Hint::Kind::kPlay;
    game_.SelectHandTile(withTile ? hint.slot : kDropSelection);
    ShowMarks();
    EndPreview();
    windows_.human->SetStatus(HintText(hint));
}

void PlayerAids::HideMarks() {
    for (bool& marked : marked_) {
        marked = false;
    }
    windows_.table->ShowMarks({});
    windows_.table->ShowChosenEnd({});
    covered_.HideAll();
    EndPreview();
}

// While the hinted tile is picked up only its end is marked, whatever the settings say. An end
// the tile fits that a player window hides is shown above that window even without the marks, so
// that every play stays within a click.
void PlayerAids::ShowMarks() {
    const bool hinted = hint_.kind == Hint::Kind::kPlay && state_.SelectedTile == hint_.tile;
    const bool holding = HumanHoldsATile(state_) && !TableIsEmpty(state_);
    std::vector<Rect> ends;
    std::vector<int> playable;
    for (int arm = 0; arm < kArmCount; ++arm) {
        const Rect& end = state_.ArmDropRect[arm];
        const bool fits =
            holding && !end.IsEmpty() &&
            (hinted ? arm == hint_.arm
                    : TryHumanPlay(state_, geometry_, state_.SelectedTile, arm).accepted);
        marked_[arm] = fits && (hinted || settings_.ShowWhereTilesGo == 1);
        if (marked_[arm]) {
            ends.push_back(end);
        }
        if (fits) {
            playable.push_back(arm);
        }
    }
    windows_.table->ShowMarks(ends);
    covered_.Show(playable, state_);
    if (ends.empty()) {
        EndPreview();
    }
    if (marksShown_) {
        marksShown_(hinted ? hint_.arm : -1);
    }
}

// A press there plays on the first arm whose drop area holds the point, so that is the play
// previewed.
void PlayerAids::PreviewAt(const QPoint& point) {
    const int arm = DropArmAt(state_, point.x(), point.y());
    if (arm < 0 || !marked_[arm] || !HumanHoldsATile(state_) || sequences_.Running()) {
        EndPreview();
        return;
    }
    PreviewArm(arm);
}

// A shown end is one the tile fits, marks or no marks.
void PlayerAids::PreviewCovered(int arm) {
    if (arm < 0 || !HumanHoldsATile(state_) || sequences_.Running()) {
        EndPreview();
        return;
    }
    PreviewArm(arm);
}

void PlayerAids::PreviewArm(int arm) {
    const QString tile = TileName(state_.SelectedTile);
    if (!previewing_) {
        statusBeforePreview_ = windows_.human->Status();
        previewing_ = true;
    }
    if (arm < 0) {
        windows_.human->SetStatus(Translated(text::kFitsNoEnd).arg(tile));
        return;
    }
    if (!ScoresDuringPlay(state_.Rules)) {
        windows_.human->SetStatus(Translated(text::kPreviewNoScoring).arg(tile));
        return;
    }
    const int32_t score = TryHumanPlay(state_, geometry_, state_.SelectedTile, arm).score;
    windows_.human->SetStatus(score > 0 ? Translated(text::kPreviewScoring).arg(tile).arg(score)
                                        : Translated(text::kPreview).arg(tile));
}

void PlayerAids::EndPreview() {
    if (previewing_) {
        previewing_ = false;
        // The status line comes back to what was told before; it is not news again.
        windows_.human->SetStatus(statusBeforePreview_, false);
    }
}

QString PlayerAids::GameStatus() const {
    return previewing_ ? statusBeforePreview_ : windows_.human->Status();
}

}  // namespace pipwick
