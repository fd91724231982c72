// pipwick-server: dominoes tables for people over the network, with no window.
#include <sys/socket.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <fstream>
#include <iostream>
#include <memory>

#include "netplay/host_certificate.h"
#include "netplay/table_server.h"
#include "server/server_options.h"
#include "sim/match_log.h"

namespace {

using namespace pipwick;

int signalPipe[2] = {-1, -1};

void OnStopSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(signalPipe[1], &byte, 1);
}

// SIGTERM and SIGINT end the tables in order: every player is told, then the server quits.
void EndOnSignals(TableServer& server) {
    if (socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &server);
    QObject::connect(notifier, &QSocketNotifier::activated, &server, [&server] {
        server.EndTables(QStringLiteral("The server has closed the table."));
        QCoreApplication::exit(0);
    });
    std::signal(SIGTERM, OnStopSignal);
    std::signal(SIGINT, OnStopSignal);
}

std::optional<TableCertificate> LoadTls(const ServerOptions& options, std::string& error) {
    if (options.certificate.empty()) {
        return std::nullopt;
    }
    QString why;
    const std::optional<TableCertificate> certificate = LoadTableCertificate(
        QString::fromStdString(options.certificate), QString::fromStdString(options.key), why);
    if (!certificate) {
        error = why.toStdString();
        return std::nullopt;
    }
    return certificate;
}

}  // namespace

int main(int argc, char** argv) {
    ServerOptions options;
    std::string error;
    if (!ParseServerOptions(argc, argv, options, error)) {
        std::cerr << "pipwick-server: " << error << " (try --help)\n";
        return 2;
    }
    if (options.help) {
        std::cout << ServerUsage();
        return 0;
    }
    // With no window there is no GLib loop to share, and Qt's own event loop is lighter with
    // hundreds of connections.
    if (qEnvironmentVariableIsEmpty("QT_NO_GLIB")) {
        qputenv("QT_NO_GLIB", "1");
    }
    QCoreApplication app(argc, argv);
    ServerSetup setup;
    setup.address = QHostAddress(QString::fromStdString(options.address));
    setup.port = options.port;
    setup.tables = options.tables;
    setup.limits.connectionsPerAddress = options.perAddress;
    setup.code = QString::fromStdString(options.code);
    setup.testSeed = options.seed;
    setup.table.Players = options.players;
    setup.table.People = SeatsOf(options);
    setup.table.Settings.Game = static_cast<int32_t>(options.rules.Game);
    setup.table.Settings.Partners = options.rules.Partners;
    setup.table.Settings.PlayTo = options.rules.Target;
    setup.table.Settings.PlayDelay = 0;
    for (int seat = 1; seat <= 4; ++seat) {
        setup.table.Settings.PlayerLevel[seat] = options.level;
    }
    const std::optional<TableCertificate> certificate = LoadTls(options, error);
    if (certificate) {
        setup.tls = certificate->tls;
    }
    if (!error.empty()) {
        std::cerr << "pipwick-server: " << error << "\n";
        return 1;
    }
    if (setup.address.isNull()) {
        std::cerr << "pipwick-server: " << options.address << " is not an address\n";
        return 2;
    }
    if (!setup.tls && !setup.address.isLoopback()) {
        std::cerr << "pipwick-server: plain ws is only for this machine: give --certificate and "
                     "--key to listen on "
                  << options.address << "\n";
        return 2;
    }
    TableServer server(setup);
    QString listenError;
    if (!server.Listen(listenError)) {
        std::cerr << "pipwick-server: cannot listen on " << options.address << ":" << options.port
                  << ": " << listenError.toStdString() << "\n";
        return 1;
    }
    std::ofstream traceFile;
    std::unique_ptr<MatchLog> trace;
    if (!options.trace.empty()) {
        traceFile.open(options.trace);
        trace =
            std::make_unique<MatchLog>(server.Table(0).State(), *server.TestSeeds(0), &traceFile);
        trace->StartGame(1);
        server.Table(0).RecordTo(*trace);
    }
    EndOnSignals(server);
    std::cout << (setup.tls ? "wss://" : "ws://") << options.address << ":" << server.Port();
    for (int table = 0; table < server.TableCount(); ++table) {
        std::cout << (table == 0 ? " " : ",") << server.Code(table).toStdString();
    }
    std::cout << std::endl;
    if (certificate) {
        std::cout << "certificate SHA-256 " << certificate->fingerprint.toStdString() << std::endl;
    }
    return app.exec();
}
