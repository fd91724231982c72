#include "netplay/table_code.h"

#include <QRandomGenerator>

#include "network/messages.h"

namespace pipwick {

QString NewTableCode() {
    static constexpr char kLetters[] = "ABCDEFGHJKLMNPQRSTUVWXYZ";
    constexpr int kLetterCount = sizeof(kLetters) - 1;
    QString code;
    for (size_t i = 0; i < kTableCodeLength; ++i) {
        code += QChar(kLetters[QRandomGenerator::system()->bounded(kLetterCount)]);
    }
    return code;
}

}  // namespace pipwick
