#include "texts/game_title.h"

#include "model/rules.h"
#include "texts/texts.h"
#include "texts/translation.h"

namespace pipwick::text {

std::string GameTitle(const GameRules& rules) {
    if (AreFirstRules(rules)) {
        return {};
    }
    const bool alone = rules.Partners == 0;
    std::string title = Translate(kGameNames[static_cast<int>(rules.Game)]);
    if (KindOf(rules).targetChoices.size() > 1) {
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
