#include "shell/dialogs/browser_opener.h"

#include <QProcess>
#include <QStandardPaths>

#include "update/program_start.h"

namespace pipwick {

bool OpenWithDesktop(const QUrl& url, std::function<void()> failed) {
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        return false;
    }
    auto* process = new QProcess;
    process->setProgram(opener);
    process->setArguments({url.toString()});
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process,
                     [process, failed](int exitCode, QProcess::ExitStatus status) {
                         process->deleteLater();
                         if (status != QProcess::NormalExit || exitCode != 0) {
                             failed();
                         }
                     });
    if (!StartWatchedProcess(*process)) {
        delete process;
        return false;
    }
    return true;
}

}  // namespace pipwick
