#pragma once

#include <QWidget>

#include "model/game_state.h"
#include "shell/dialogs/prompts.h"

namespace pipwick {

// Whether a command that replaces the game may go on: a game under way is given up only when the
// player agrees; a finished game, or none, is given up without a question.
bool PlayerGivesUpGame(const GameState& state, Prompts& prompts, QWidget* owner);

}  // namespace pipwick
