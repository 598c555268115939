#include "app/startup/CaCertificates.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QSslConfiguration>

namespace {

QList<QSslCertificate> certificatesInFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    QList<QSslCertificate> certificates = QSslCertificate::fromData(data, QSsl::Pem);
    if (certificates.isEmpty())
        certificates = QSslCertificate::fromData(data, QSsl::Der);
    return certificates;
}

QList<QSslCertificate> certificatesInDir(const QDir &dir)
{
    QList<QSslCertificate> certificates;
    const QStringList files = dir.entryList(QDir::Files | QDir::Readable, QDir::Name);
    for (const QString &name : files)
        certificates += certificatesInFile(dir.filePath(name));
    return certificates;
}

} // namespace

QList<QSslCertificate> loadCaCertificates()
{
    QList<QSslCertificate> found;
    QStringList searched;
    const QStringList dirs = QDir::searchPaths(QStringLiteral("resources"));
    for (const QString &path : dirs) {
        const QDir certDir(QDir(path).filePath(QStringLiteral("ca-certs")));
        searched << certDir.path();
        for (const QSslCertificate &certificate : certificatesInDir(certDir)) {
            if (!certificate.isNull() && !found.contains(certificate))
                found << certificate;
        }
    }

    if (found.isEmpty()) {
        qWarning() << "no ca certs found in" << searched.join(QStringLiteral(", "));
        return found;
    }

    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setCaCertificates(found);
    QSslConfiguration::setDefaultConfiguration(configuration);
    qWarning().noquote() << QStringLiteral(" [INFO ] trusting %1 CA certificate(s)").arg(found.size());
    return found;
}
