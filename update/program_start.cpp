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

bool StartWatchedProcess(QProcess& process) {
    if (Refusal()) {
        Refusal()(process.program());
        return false;
    }
    process.start();
    return process.waitForStarted();
}

void ForbidProgramStarts(std::function<void(const QString& program)> refuse) {
    Refusal() = std::move(refuse);
}

}  // namespace pipwick
