#include "childprocess.h"

#include "app/startup/QuitSignals.h"
#include "app/version.h"
#include "loopbackhttpserver.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Sends the signal to the process while it runs; false, with nothing sent, once it has
// ended or never started: its id is then 0, and a signal to 0 reaches our whole process
// group, the test and whatever runs it.
bool signalRunning(const QProcess &process, int signal)
{
    const qint64 pid = process.processId();
    if (process.state() != QProcess::Running || pid <= 0)
        return false;
    return ::kill(static_cast<pid_t>(pid), signal) == 0;
}

} // namespace

// The client executable as a user starts it.
class TestClient : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startsWritesItsLogAndRefusesASecondInstance();
    void ctrlCDuringStartUp();
    void signalWaitsForTheEventLoop();
    void commandLineErrorsAndHelp();

private:
    void prepare(QProcess &process) const;
    QString logPath(const QString &name) const;
    QString logText() const;
    void quitsOn(QProcess &client, int signal, const char *name);

    QString m_executable;
    QTemporaryDir m_home;
};

void TestClient::initTestCase()
{
    m_executable = qEnvironmentVariable("MAHJONG_BINARY_DIR") + QStringLiteral("/src/app/mahjong");
    QVERIFY2(QFile::exists(m_executable), qPrintable(m_executable));
    QVERIFY(m_home.isValid());
}

void TestClient::prepare(QProcess &process) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), m_home.path());
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), m_home.filePath(QStringLiteral("cache")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.setProgram(m_executable);
    ChildProcess::endWithTest(process);
}

QString TestClient::logPath(const QString &name) const
{
    return m_home.filePath(QStringLiteral("cache/Pellandor/Pellandor-corvana/") + name);
}

QString TestClient::logText() const
{
    QFile log(logPath(QStringLiteral("mahjong.log")));
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

// The signal ends the client within seconds as "Quit" does: exit code 0, the log's last
// lines name the signal and the end of the session, and the lock is gone.
void TestClient::quitsOn(QProcess &client, int signal, const char *name)
{
    QVERIFY2(signalRunning(client, signal),
             qPrintable(QStringLiteral("the client ended before the signal: ") + logText().right(500)
                        + QString::fromLocal8Bit(client.readAllStandardError())));
    QVERIFY(client.waitForFinished(5000));
    const QString log = logText().trimmed();
    QVERIFY2(client.exitStatus() == QProcess::NormalExit && client.exitCode() == 0,
             qPrintable(log.right(500) + QString::fromLocal8Bit(client.readAllStandardError())));
    QVERIFY2(log.contains(QLatin1String(name) + QLatin1String(" received, quitting"))
                 && log.endsWith(QLatin1String("[INFO ] Session ended with exit code 0")),
             qPrintable(log.right(500)));
    QVERIFY(!QFile::exists(logPath(QStringLiteral("mahjong.lock"))));
}

void TestClient::startsWritesItsLogAndRefusesASecondInstance()
{
    LoopbackHttpServer server;
    server.serve(QStringLiteral("/client/server_info.xml"),
                 "<serverinfo><gameserver host=\"game.example\" port=\"7443\"/>"
                 "<versioncheck url=\"http://{host}/client/{sku}/client_versions.xml\"/></serverinfo>");
    server.serve(QStringLiteral("/client/linux/client_versions.xml"),
                 QStringLiteral("<clientversions><client version=\"%1\" url=\"http://h/c\"/></clientversions>")
                     .arg(clientVersionString())
                     .toUtf8());

    QProcess first;
    prepare(first);
    first.setArguments({QStringLiteral("--nossl"), QStringLiteral("-S"), server.address()});
    first.start();
    QVERIFY(first.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(logText().contains(QLatin1String("start-up finished")), 30000);
    const QString log = logText();
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d \\[INFO \\] Session "
                                               "started at .*client %1")
                                    .arg(QRegularExpression::escape(clientVersionString())))
                 .match(log)
                 .hasMatch(),
             qPrintable(log));
    QVERIFY(log.contains(QLatin1String("game server game.example:7443")));
    QCOMPARE(server.requests(), (QStringList{"/client/server_info.xml",
                                             "/client/linux/client_versions.xml"}));

    QProcess second;
    prepare(second);
    second.setArguments({QStringLiteral("--nossl"), QStringLiteral("-S"), server.address()});
    second.start();
    QVERIFY(second.waitForStarted());
    QByteArray refusal;
    QTRY_VERIFY_WITH_TIMEOUT(
        (refusal += second.readAllStandardError()).contains("already started in another window"), 30000);
    second.kill();
    second.waitForFinished();

    // The refused start left the running client's log alone.
    QVERIFY(logText().startsWith(log));
    QVERIFY(!QFile::exists(m_home.filePath(QStringLiteral("cache/Pellandor/Pellandor-corvana/mahjong.log.old"))));
    QCOMPARE(first.state(), QProcess::Running);
    // A system shut-down.
    quitsOn(first, SIGTERM, "SIGTERM");
}

void TestClient::ctrlCDuringStartUp()
{
    // Before the event loop runs, with no server to answer: the signal waits for it.
    QFile::remove(logPath(QStringLiteral("mahjong.log")));
    QProcess client;
    prepare(client);
    client.setArguments({QStringLiteral("--nossl"), QStringLiteral("-S"), QStringLiteral("127.0.0.1:1")});
    client.start();
    QVERIFY(client.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(logText().contains(QLatin1String("Session started")), 30000);
    quitsOn(client, SIGINT, "SIGINT");

    // The client that has ended is signalled no more. Asked from a child in a process
    // group of its own, which a signal that escaped to the group would end alone.
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        sigset_t interrupt;
        sigemptyset(&interrupt);
        sigaddset(&interrupt, SIGINT);
        if (::setpgid(0, 0) != 0 || ::signal(SIGINT, SIG_DFL) == SIG_ERR
            || ::sigprocmask(SIG_UNBLOCK, &interrupt, nullptr) != 0)
            ::_exit(2);
        ::_exit(signalRunning(client, SIGINT) ? 1 : 0);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY2(WIFEXITED(status) && WEXITSTATUS(status) == 0,
             qPrintable(WIFSIGNALED(status) ? QStringLiteral("the signal reached the process group")
                                            : QStringLiteral("exit status %1").arg(WEXITSTATUS(status))));
}

void TestClient::signalWaitsForTheEventLoop()
{
    struct sigaction before {};
    QCOMPARE(::sigaction(SIGTERM, nullptr, &before), 0);
    {
        QuitSignals quitSignals;
        QVERIFY(quitSignals.isActive());
        QSignalSpy received(&quitSignals, &QuitSignals::received);
        QCOMPARE(::raise(SIGTERM), 0);
        // Start-up handles events outside any event loop, where a quit would be lost.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QVERIFY(received.isEmpty());
        QVERIFY(received.wait(5000));
        QCOMPARE(received.first().at(0).toInt(), SIGTERM);
    }
    // The handler found is given back.
    struct sigaction after {};
    QCOMPARE(::sigaction(SIGTERM, nullptr, &after), 0);
    QVERIFY(after.sa_handler == before.sa_handler);
}

void TestClient::commandLineErrorsAndHelp()
{
    // Over a plain terminal: no display and no platform chosen.
    QProcess process;
    prepare(process);
    QProcessEnvironment environment = process.processEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    process.setProcessEnvironment(environment);
    process.setArguments({QStringLiteral("game.example:http")});
    process.start();
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 2);
    const QByteArray error = process.readAllStandardError();
    QVERIFY2(error.contains("invalid port \"http\""), error.constData());
    QVERIFY(error.contains("usage: client [options] [host:port]"));

    process.setArguments({QStringLiteral("--help")});
    process.start();
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(process.readAllStandardOutput().startsWith("usage: client [options] [host:port]"));
}

MAHJONG_TEST_MAIN(TestClient)
#include "tst_client.moc"
