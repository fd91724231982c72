#include "shell/app/abandon_question.h"

#include "shell/app/translations.h"
#include "texts/texts.h"

namespace pipwick {

bool PlayerGivesUpGame(const GameState& state, Prompts& prompts, QWidget* owner) {
    return state.GameInProgress != 1 ||
           prompts.AskYesNo(owner, Translated(text::kAbandonGameQuestion));
}

}  // namespace pipwick
