#include "update/program_start.h"

#include <QProcess>

namespace pipwick {

namespace {

std::function<void(const QString&)>& Refusal() {
    static std::function<void(const QString&)> refuse;
    return refuse;
}

}  // namespace

bool StartProgramDetached(const QString& program, const QStringList& arguments,
                          const QString& folder) {
    if (Refusal()) {
        Refusal()(program);
        return false;
    }
    return QProcess::startDetached(program, arguments, folder);
}

void ForbidProgramStarts(std::function<void(const QString& program)> refuse) {
    Refusal() = std::move(refuse);
}

}  // namespace pipwick
