#include "shell/app/chosen_seeds.h"

#include <QString>
#include <QtGlobal>

namespace pipwick {

std::unique_ptr<SeedSource> SeedsFromEnvironment() {
    bool isNumber = false;
    const uint32_t seed = qEnvironmentVariable("PIPWICK_SEED").trimmed().toUInt(&isNumber);
    if (!isNumber) {
        return nullptr;
    }
    return std::make_unique<ChosenSeeds>(seed);
}

}  // namespace pipwick
