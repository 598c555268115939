#pragma once

// Starts the test game server (tools/testserver) for a test and finds its ports.
// Usable by every test folder: #include "protocol/TestServer.h". The server ends with
// the test, however the test ends.

#include "childprocess.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QStringList>
#include <QTest>

#include <algorithm>

class TestServer
{
public:
    TestServer() = default;
    TestServer(const TestServer &) = delete;
    TestServer &operator=(const TestServer &) = delete;
    ~TestServer() { stop(); }

    static QString sourceDir() { return qEnvironmentVariable("MAHJONG_SOURCE_DIR"); }
    static QString binaryDir() { return qEnvironmentVariable("MAHJONG_BINARY_DIR"); }
    static QString certificateDir() { return binaryDir() + QStringLiteral("/testcerts"); }
    // A scenario shipped with the test server, by file name.
    static QString scenario(const QString &name)
    {
        return sourceDir() + QStringLiteral("/tools/testserver/scenarios/") + name;
    }
    // TLS settings that trust the test CA only (or the untrusted CA with untrusted set).
    static QSslConfiguration trustingTestCa(bool untrusted = false)
    {
        QSslConfiguration c = QSslConfiguration::defaultConfiguration();
        c.setCaCertificates(QSslCertificate::fromPath(
            certificateDir() + (untrusted ? QStringLiteral("/untrusted-ca.pem") : QStringLiteral("/ca.pem"))));
        return c;
    }

    // Starts the server with a scenario file; with tls it serves the test CA's server
    // certificate (or the untrusted one). Waits until it listens.
    bool start(const QString &scenarioFile, bool tls, bool untrustedCertificate = false)
    {
        QStringList args{QStringLiteral("--scenario"), scenarioFile};
        if (tls) {
            const QString prefix = certificateDir() + (untrustedCertificate ? QStringLiteral("/untrusted-") : QStringLiteral("/"));
            args << QStringLiteral("--cert") << prefix + QStringLiteral("server.pem")
                 << QStringLiteral("--key") << prefix + QStringLiteral("server.key");
        }
        return launch(args);
    }

    // Starts the server's demo world: a fixed seed, computer players moving after pace ms.
    bool startDemo(quint32 seed, int pace, const QStringList &more = {})
    {
        return launch(QStringList{QStringLiteral("--demo"), QStringLiteral("--seed"), QString::number(seed),
                                  QStringLiteral("--pace"), QString::number(pace)}
                      + more);
    }

    bool launch(const QStringList &args)
    {
        m_process.setProgram(binaryDir() + QStringLiteral("/tools/testserver/mahjong-testserver"));
        m_process.setArguments(args);
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        ChildProcess::endWithTest(m_process);
        m_process.start();
        if (!m_process.waitForStarted(5000))
            return false;
        static const QRegularExpression listening(QStringLiteral("LISTENING game=(\\d+) http=(\\d+)"));
        QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired()) {
            pump(100);
            const QRegularExpressionMatch m = listening.match(m_output);
            if (m.hasMatch()) {
                m_gamePort = quint16(m.captured(1).toUInt());
                m_httpPort = quint16(m.captured(2).toUInt());
                return true;
            }
            if (m_process.state() == QProcess::NotRunning)
                break;
        }
        qWarning() << "test server did not start:" << m_output << m_process.readAllStandardError();
        return false;
    }

    void stop()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    qint64 pid() const { return m_process.processId(); }
    quint16 gamePort() const { return m_gamePort; }
    quint16 httpPort() const { return m_httpPort; }

    // Everything the server printed so far (received packets as "RECV name {json}").
    QString output()
    {
        pump(0);
        return m_output;
    }

    // Waits until the output contains text, running the event loop meanwhile.
    bool waitForOutput(const QString &text, int msecs = 5000) { return awaitOutput(text, msecs, true); }

    // As waitForOutput, with no event loop running meanwhile: what reaches the server is
    // only what a client had sent on its own.
    bool waitForOutputAlone(const QString &text, int msecs = 5000) { return awaitOutput(text, msecs, false); }

private:
    bool awaitOutput(const QString &text, int msecs, bool eventLoop)
    {
        QDeadlineTimer deadline(msecs);
        pump(0);
        while (!m_output.contains(text)) {
            if (deadline.hasExpired())
                return false;
            if (eventLoop) {
                QTest::qWait(20);
                pump(0);
            } else {
                pump(int(std::max<qint64>(1, deadline.remainingTime())));
            }
        }
        return true;
    }

    void pump(int msecs)
    {
        if (msecs > 0)
            m_process.waitForReadyRead(msecs);
        m_output += QString::fromUtf8(m_process.readAllStandardOutput());
    }

    QProcess m_process;
    QString m_output;
    quint16 m_gamePort = 0;
    quint16 m_httpPort = 0;
};
