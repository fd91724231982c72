#include "texts/game_title.h"

#include "texts/texts.h"
#include "texts/translation.h"

namespace pipwick::text {

std::string GameTitle(const GameRules& rules) {
    const bool alone = rules.Partners == 0;
    if (rules.Game == DominoGame::AllFives && alone) {
        return {};
    }
    std::string title = Translate(kGameNames[static_cast<int>(rules.Game)]);
    if (rules.Game != DominoGame::AllFives) {
        title = Fill(Translate(kGameTarget), {title, std::to_string(rules.Target)});
    }
    if (!alone) {
        title = Fill(Translate(kGamePartners), {title});
    }
    return title;
}

std::string PairName(const std::string& first, const std::string& second) {
    return Fill(Translate(kPairName), {first, second});
}

}  // namespace pipwick::text
