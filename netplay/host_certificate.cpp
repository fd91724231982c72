#include "netplay/host_certificate.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSslCertificate>
#include <QSslKey>

namespace pipwick {

namespace {

QByteArray ReadAll(const QString& path, bool& ok) {
    QFile file(path);
    ok = file.open(QIODevice::ReadOnly);
    return ok ? file.readAll() : QByteArray();
}

// A key of ten years on the P-256 curve, its private half readable by the host alone.
bool MakeCertificate(const QString& certificatePath, const QString& keyPath,
                     const ProcessStarter& start, QString& error) {
    QProcess openssl;
    openssl.setProgram(QStringLiteral("openssl"));
    openssl.setArguments({"req", "-x509", "-newkey", "ec", "-pkeyopt",
                          "ec_paramgen_curve:prime256v1", "-nodes", "-days", "3650", "-subj",
                          "/CN=Pipwick table", "-keyout", keyPath, "-out", certificatePath});
    if (!start(openssl) || !openssl.waitForFinished(30000) ||
        openssl.exitStatus() != QProcess::NormalExit || openssl.exitCode() != 0) {
        error = QObject::tr("The table's certificate could not be made (is openssl installed?).");
        QFile::remove(certificatePath);
        QFile::remove(keyPath);
        return false;
    }
    QFile::setPermissions(keyPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return true;
}

}  // namespace

QString SpacedFingerprint(const QString& fingerprint) {
    QStringList groups;
    for (qsizetype at = 0; at < fingerprint.size(); at += 4) {
        groups << fingerprint.mid(at, 4);
    }
    return groups.join(QLatin1Char(' '));
}

std::optional<TableCertificate> LoadTableCertificate(const QString& certificatePath,
                                                     const QString& keyPath, QString& error) {
    bool certificateRead = false;
    bool keyRead = false;
    const QSslCertificate certificate(ReadAll(certificatePath, certificateRead), QSsl::Pem);
    const QByteArray keyText = ReadAll(keyPath, keyRead);
    if (!certificateRead || !keyRead) {
        error = QObject::tr("The table's certificate or its key cannot be read.");
        return std::nullopt;
    }
    QSslKey key(keyText, QSsl::Ec, QSsl::Pem);
    if (key.isNull()) {
        key = QSslKey(keyText, QSsl::Rsa, QSsl::Pem);
    }
    if (certificate.isNull() || key.isNull()) {
        error = QObject::tr("The table's certificate or its key is not a PEM file.");
        return std::nullopt;
    }
    TableCertificate table;
    table.tls = QSslConfiguration::defaultConfiguration();
    table.tls.setLocalCertificate(certificate);
    table.tls.setPrivateKey(key);
    table.fingerprint = QString::fromLatin1(certificate.digest(QCryptographicHash::Sha256).toHex());
    return table;
}

std::optional<TableCertificate> HostCertificate(const QString& folder, const ProcessStarter& start,
                                                QString& error) {
    const QString certificatePath = QDir(folder).filePath(QStringLiteral("table-certificate.pem"));
    const QString keyPath = QDir(folder).filePath(QStringLiteral("table-key.pem"));
    if (!QFile::exists(certificatePath) || !QFile::exists(keyPath)) {
        if (!QDir().mkpath(folder) || !MakeCertificate(certificatePath, keyPath, start, error)) {
            return std::nullopt;
        }
    }
    return LoadTableCertificate(certificatePath, keyPath, error);
}

}  // namespace pipwick
