// One pipwick-server with many tables of four computer chairs at no delay, all on this machine:
// the moves per second, the time from a move being sent to its news reaching the other chairs,
// and the server's memory per table. Not a Google Benchmark: one run of the tables is the event.
//
//   network_measure PATH/TO/pipwick-server [TABLES]
#include <unistd.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "netplay/computer_chair.h"

namespace {

using namespace pipwick;

constexpr int kChairs = 4;

// The resident memory of a process, in KiB, from /proc.
long ResidentKiB(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').value(0).toLong();
        }
    }
    return 0;
}

// The times each table's move was sent, and how long its news took to reach each other chair.
struct Timings {
    QElapsedTimer clock;
    std::vector<qint64> sentAt;  // per table: the last move's time, -1 once every chair has it
    std::vector<int> toHear;     // per table: chairs still to hear of it
    std::vector<double> delaysMs;
    long moves = 0;
};

// The processor time a process has used, user and system, in seconds, from /proc.
double ProcessorSeconds(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) {
        return 0;
    }
    // The fields after the command's closing parenthesis; utime and stime are the 12th and 13th.
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    const double ticks = fields.value(11).toDouble() + fields.value(12).toDouble();
    return ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: network_measure PATH/TO/pipwick-server [TABLES]\n");
        return 2;
    }
    const int tables = argc > 2 ? std::max(1, std::atoi(argv[2])) : 200;
    QProcess server;
    server.start(QString::fromLocal8Bit(argv[1]),
                 {"--port", "0", "--tables", QString::number(tables), "--players", "4", "--level",
                  "0", "--per-address", QString::number(tables * kChairs + 10)});
    if (!server.waitForReadyRead(10000)) {
        std::fprintf(stderr, "network_measure: the server did not start\n");
        return 1;
    }
    const QStringList banner = QString::fromLocal8Bit(server.readLine()).trimmed().split(' ');
    const QUrl url(banner.value(0));
    const QStringList codes = banner.value(1).split(',');
    const long idleKiB = ResidentKiB(server.processId());

    Timings timings;
    timings.sentAt.assign(static_cast<size_t>(tables), -1);
    timings.toHear.assign(static_cast<size_t>(tables), 0);
    int finished = 0;
    int failed = 0;
    long busyKiB = 0;
    std::vector<std::unique_ptr<ComputerChair>> chairs;
    for (int i = 0; i < tables * kChairs; ++i) {
        const size_t table = static_cast<size_t>(i / kChairs);
        auto chair = std::make_unique<ComputerChair>(0, [&](ChairEnd end, const QString& why) {
            failed += end == ChairEnd::kGameOver ? 0 : 1;
            if (end != ChairEnd::kGameOver) {
                std::fprintf(stderr, "a chair failed: %s\n", qPrintable(why));
            }
            if (busyKiB == 0) {
                busyKiB = ResidentKiB(server.processId());
            }
            if (++finished == tables * kChairs) {
                QCoreApplication::exit(0);
            }
        });
        ComputerChair* self = chair.get();
        chair->WatchMoves([&timings, table] {
            timings.sentAt[table] = timings.clock.nsecsElapsed();
            timings.toHear[table] = kChairs - 1;
            ++timings.moves;
        });
        chair->WatchNews([&timings, table, self](const ChairNews& news) {
            const bool move = news.kind == NewsKind::kTileLaid ||
                              news.kind == NewsKind::kTileDrawn || news.kind == NewsKind::kPassed;
            if (!move || news.seat == self->Seat() || timings.sentAt[table] < 0) {
                return;
            }
            timings.delaysMs.push_back(
                static_cast<double>(timings.clock.nsecsElapsed() - timings.sentAt[table]) / 1e6);
            if (--timings.toHear[table] == 0) {
                timings.sentAt[table] = -1;
            }
        });
        chair->Join(url, Hello{kProtocolVersion, codes.value(static_cast<int>(table)).toStdString(),
                               "chair " + std::to_string(i)});
        chairs.push_back(std::move(chair));
    }
    timings.clock.start();
    app.exec();
    const double seconds = static_cast<double>(timings.clock.nsecsElapsed()) / 1e9;
    const double serverSeconds = ProcessorSeconds(server.processId());
    server.terminate();
    server.waitForFinished(5000);

    std::vector<double>& delays = timings.delaysMs;
    std::sort(delays.begin(), delays.end());
    const auto at = [&](double share) {
        return delays.empty() ? 0.0 : delays[static_cast<size_t>(share * (delays.size() - 1))];
    };
    std::printf("tables %d, chairs failed %d\n", tables, failed);
    std::printf("moves %ld in %.2f s: %.0f moves per second\n", timings.moves, seconds,
                static_cast<double>(timings.moves) / seconds);
    std::printf("move sent to news at the other chairs: median %.2f ms, 99th percentile %.2f ms\n",
                at(0.5), at(0.99));
    std::printf("server processor time: %.2f s, %.1f us a move\n", serverSeconds,
                serverSeconds * 1e6 / static_cast<double>(std::max(1L, timings.moves)));
    std::printf("server memory: %ld KiB idle, %ld KiB with every table playing: %.1f KiB a table\n",
                idleKiB, busyKiB, static_cast<double>(busyKiB - idleKiB) / tables);
    return failed == 0 ? 0 : 1;
}
