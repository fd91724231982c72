#pragma once

#include <QProcess>
#include <QSslConfiguration>
#include <QString>
#include <functional>
#include <optional>

namespace pipwick {

// What a table serves wss with: its certificate and key, and the certificate's SHA-256
// fingerprint in hex, which the host shows beside the code so that a careful guest can compare.
struct TableCertificate {
    QSslConfiguration tls;
    QString fingerprint;
};

// Reads a PEM certificate and its PEM key (elliptic-curve or RSA); nothing, with the reason in
// error, when either cannot be read or is not PEM.
std::optional<TableCertificate> LoadTableCertificate(const QString& certificatePath,
                                                     const QString& keyPath, QString& error);

// A fingerprint in hex as a person reads it out: in groups of four.
QString SpacedFingerprint(const QString& fingerprint);

// Starts a process whose program and arguments are set; false when it could not be started.
using ProcessStarter = std::function<bool(QProcess& process)>;

// The host's own certificate, kept in folder: made there on first use, signed by itself (with the
// openssl program, which Qt cannot do, started through start), and read from there every time
// after.
std::optional<TableCertificate> HostCertificate(const QString& folder, const ProcessStarter& start,
                                                QString& error);

}  // namespace pipwick
