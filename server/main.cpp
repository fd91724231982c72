// pipwick-server: dominoes tables for people over the network, with no window.
#include <sys/socket.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QFile>
#include <QSocketNotifier>
#include <QSslKey>
#include <csignal>
#include <fstream>
#include <iostream>
#include <memory>

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

std::optional<QSslConfiguration> LoadTls(const ServerOptions& options, std::string& error) {
    if (options.certificate.empty()) {
        return std::nullopt;
    }
    QFile certificateFile(QString::fromStdString(options.certificate));
    QFile keyFile(QString::fromStdString(options.key));
    if (!certificateFile.open(QIODevice::ReadOnly) || !keyFile.open(QIODevice::ReadOnly)) {
        error = "cannot read the certificate or its key";
        return std::nullopt;
    }
    const QSslCertificate certificate(certificateFile.readAll(), QSsl::Pem);
    const QByteArray keyText = keyFile.readAll();
    QSslKey key(keyText, QSsl::Ec, QSsl::Pem);
    if (key.isNull()) {
        key = QSslKey(keyText, QSsl::Rsa, QSsl::Pem);
    }
    if (certificate.isNull() || key.isNull()) {
        error = "the certificate or its key is not a PEM file";
        return std::nullopt;
    }
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setLocalCertificate(certificate);
    tls.setPrivateKey(key);
    return tls;
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
    setup.tls = LoadTls(options, error);
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
    return app.exec();
}
