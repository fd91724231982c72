#include "texts/game_title.h"

#include "texts/texts.h"

namespace pipwick::text {

std::string GameTitle(const GameRules& rules) {
    const bool alone = rules.Partners == 0;
    if (rules.Game == DominoGame::AllFives && alone) {
        return {};
    }
    std::string title = kGameNames[static_cast<int>(rules.Game)];
    if (rules.Game != DominoGame::AllFives) {
        title += kGameTarget;
        title += std::to_string(rules.Target);
    }
    if (!alone) {
        title += kGamePartners;
    }
    return title;
}

std::string PairName(const std::string& first, const std::string& second) {
    std::string name = kPairName;
    const size_t at = name.find("%1");
    name.replace(at, 2, first);
    name.replace(name.find("%2", at + first.size()), 2, second);
    return name;
}

}  // namespace pipwick::text
