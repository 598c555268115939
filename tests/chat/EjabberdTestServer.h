#pragma once

// The ejabberd test server the chat tests log in to, started by the ctest fixture.

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QProcess>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QString>
#include <QStringList>

struct EjabberdTestServer
{
    QString dir;
    quint16 port = 0;
    QString searchDirectory;

    // Reads the server's env file and trusts its CA for every TLS connection of the
    // test. False when the file is missing.
    bool load(const QString &serverDir)
    {
        dir = serverDir;
        QFile env(dir + "/env");
        if (!env.open(QIODevice::ReadOnly))
            return false;
        QList<QSslCertificate> ca;
        for (const QByteArray &line : env.readAll().split('\n')) {
            if (line.startsWith("XMPP_PORT="))
                port = line.mid(10).toUShort();
            if (line.startsWith("XMPP_CA="))
                ca = QSslCertificate::fromPath(QString::fromLocal8Bit(line.mid(8)));
            if (line.startsWith("SEARCH_DIRECTORY="))
                searchDirectory = QString::fromLocal8Bit(line.mid(17));
        }
        QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
        configuration.setCaCertificates(ca);
        QSslConfiguration::setDefaultConfiguration(configuration);
        return true;
    }
};

// Runs the test server's script ("register", "ctl", ...); true when it exits cleanly.
inline bool runEjabberdScript(const QStringList &arguments, QByteArray *output = nullptr)
{
    QProcess process;
    process.start(qEnvironmentVariable("MAHJONG_SOURCE_DIR") + "/tools/ejabberd/ejabberd-test-server.sh",
                  arguments);
    if (!process.waitForFinished(30000))
        return false;
    if (output)
        *output = process.readAllStandardOutput();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}
