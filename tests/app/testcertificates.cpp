#include "testcertificates.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace {

QString runOpenssl(const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("openssl"), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        return QStringLiteral("openssl %1 failed: %2")
            .arg(arguments.join(QLatin1Char(' ')), QString::fromLocal8Bit(process.readAll()));
    return {};
}

} // namespace

TestCertificates TestCertificates::create(const QString &dirPath, const QString &name)
{
    const QDir dir(dirPath);
    TestCertificates result;
    result.caFile = dir.filePath(name + QStringLiteral("-ca.pem"));
    result.serverCertFile = dir.filePath(name + QStringLiteral("-server.pem"));
    result.serverKeyFile = dir.filePath(name + QStringLiteral("-server.key"));
    const QString caKey = dir.filePath(name + QStringLiteral("-ca.key"));
    const QString request = dir.filePath(name + QStringLiteral("-server.csr"));
    const QString extensions = dir.filePath(name + QStringLiteral("-server.ext"));

    QFile ext(extensions);
    if (!ext.open(QIODevice::WriteOnly)) {
        result.error = QStringLiteral("cannot write ") + extensions;
        return result;
    }
    ext.write("subjectAltName=DNS:localhost,IP:127.0.0.1\n");
    ext.close();

    const QString ecKey = QStringLiteral("ec");
    const QString curve = QStringLiteral("ec_paramgen_curve:prime256v1");
    const QList<QStringList> steps{
        {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), ecKey,
         QStringLiteral("-pkeyopt"), curve, QStringLiteral("-nodes"), QStringLiteral("-keyout"),
         caKey, QStringLiteral("-out"), result.caFile, QStringLiteral("-days"),
         QStringLiteral("2"), QStringLiteral("-subj"), QStringLiteral("/CN=%1 test CA").arg(name)},
        {QStringLiteral("req"), QStringLiteral("-newkey"), ecKey, QStringLiteral("-pkeyopt"),
         curve, QStringLiteral("-nodes"), QStringLiteral("-keyout"), result.serverKeyFile,
         QStringLiteral("-out"), request, QStringLiteral("-subj"), QStringLiteral("/CN=localhost")},
        {QStringLiteral("x509"), QStringLiteral("-req"), QStringLiteral("-in"), request,
         QStringLiteral("-CA"), result.caFile, QStringLiteral("-CAkey"), caKey,
         QStringLiteral("-CAcreateserial"), QStringLiteral("-out"), result.serverCertFile,
         QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-extfile"), extensions},
    };
    for (const QStringList &step : steps) {
        result.error = runOpenssl(step);
        if (!result.error.isEmpty())
            break;
    }
    return result;
}
