#pragma once

#include <QSslConfiguration>
#include <QString>
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

// The host's own certificate, kept in folder: made there on first use, signed by itself (with the
// openssl program, which Qt cannot do), and read from there every time after.
std::optional<TableCertificate> HostCertificate(const QString& folder, QString& error);

}  // namespace pipwick
