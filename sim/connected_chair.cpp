#include "sim/connected_chair.h"

#include <QCoreApplication>
#include <QUrl>

#include "netplay/computer_chair.h"

namespace pipwick {

namespace {

// "host:port" as a plain ws address; a ws:// or wss:// address as it is.
QUrl TableAddress(const std::string& connect) {
    const QString text = QString::fromStdString(connect);
    if (text.startsWith(QStringLiteral("ws://")) || text.startsWith(QStringLiteral("wss://"))) {
        return QUrl(text);
    }
    return QUrl(QStringLiteral("ws://") + text);
}

int ExitCode(ChairEnd end) {
    switch (end) {
        case ChairEnd::kGameOver:
            return 0;
        case ChairEnd::kTurnedAway:
            return 3;
        case ChairEnd::kFailed:
            break;
    }
    return 1;
}

}  // namespace

int PlayConnectedChair(const SimOptions& options, std::ostream& out, std::ostream& err) {
    int argc = 1;
    char name[] = "pipwick-sim";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    ComputerChair* chair = nullptr;
    ComputerChair computer(options.level, [&](ChairEnd end, const QString& why) {
        if (end == ChairEnd::kGameOver) {
            out << "seat " << chair->Seat() << ", winner " << chair->Winner() << std::endl;
        } else {
            err << "pipwick-sim: " << why.toStdString() << "\n";
        }
        QCoreApplication::exit(ExitCode(end));
    });
    chair = &computer;
    computer.Join(TableAddress(options.connect),
                  Hello{kProtocolVersion, options.code, options.name},
                  QString::fromStdString(options.fingerprint));
    return QCoreApplication::exec();
}

}  // namespace pipwick
