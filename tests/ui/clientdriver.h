#pragma once

// Drives a whole client run as a player has it: the test game server started beside the
// client's own start-up path, both servers' CAs trusted through the search path, and the
// real widgets found, typed into and clicked while the client's event loop runs.

#include "childprocess.h"

#include "app/Utils.h"
#include "app/startup/ClientMain.h"
#include "ui/ModelessMsgBox.h"
#include "ui/UTabWidget.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QThread>
#include <QTreeView>

#include <cstdio>
#include <functional>

namespace ClientDriver {

inline int g_failures = 0;

inline bool check(bool condition, const QString &what)
{
    if (!condition) {
        std::fprintf(stderr, "FAIL: %s\n", qPrintable(what));
        ++g_failures;
    }
    return condition;
}

inline bool waitFor(const std::function<bool()> &condition, const QString &what, int msecs = 20000)
{
    return check(QTest::qWaitFor(condition, msecs), QStringLiteral("timed out waiting for ") + what);
}

// Prints the verdict and gives the test's exit code.
inline int verdict()
{
    std::fprintf(stderr, "%s: %d failure(s)\n", g_failures ? "FAILED" : "PASSED", g_failures);
    return g_failures ? 1 : 0;
}

inline QString readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

inline bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

inline QMainWindow *mainWindow()
{
    QMainWindow *window = Utils::findMainWindow();
    return window && window->isVisible() ? window : nullptr;
}

template <class T>
T *child(const char *name, const char *parent = nullptr)
{
    QWidget *window = mainWindow();
    if (window && parent)
        window = window->findChild<QWidget *>(QLatin1String(parent));
    return window ? window->findChild<T *>(QLatin1String(name)) : nullptr;
}

// Waits for the login page, types the account and waits for the login button to open
// (once the server accepted the client's version); false where either did not come.
inline bool typeLogin(const QString &user, const QString &password)
{
    if (!waitFor([] { return child<QLineEdit>("passwordEdit", "loginWindow") != nullptr; },
                 QStringLiteral("the login page"), 30000))
        return false;
    mainWindow()->resize(1280, 800);
    auto *userEdit = child<QLineEdit>("loginEdit", "loginWindow");
    userEdit->clear();
    QTest::keyClicks(userEdit, user);
    QTest::keyClicks(child<QLineEdit>("passwordEdit", "loginWindow"), password);
    return waitFor([] { return child<QPushButton>("loginButton", "loginWindow")->isEnabled(); },
                   QStringLiteral("the version check to open the login button"));
}

// Opens the Play tab, which holds the table lobby, once the six lobby tabs are up.
inline void openPlayTab()
{
    QTabBar *tabs = nullptr;
    if (waitFor([&] {
            auto *mainTabs = child<UTabWidget>("mainTabs");
            return mainTabs && (tabs = mainTabs->tabBar()) && tabs->count() == 6;
        },
                QStringLiteral("the six lobby tabs")))
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
}

// The lobby's row of a table, or an invalid index.
inline QModelIndex lobbyRow(const QTreeView *lobby, int tableId)
{
    for (int row = 0; row < lobby->model()->rowCount(); ++row) {
        const QModelIndex index = lobby->model()->index(row, 0);
        if (index.data(Qt::UserRole).toInt() == tableId)
            return index;
    }
    return {};
}

inline void doubleClickRow(QTreeView *lobby, const QModelIndex &row)
{
    lobby->scrollTo(row);
    const QPoint centre = lobby->visualRect(row).center();
    QTest::mouseClick(lobby->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(lobby->viewport(), Qt::LeftButton, {}, centre);
}

// Clicks Quit and waits for the question; null where it did not come.
inline ModelessMsgBox::MsgBox *askToQuit()
{
    QTest::mouseClick(child<QPushButton>("quitButton"), Qt::LeftButton);
    ModelessMsgBox::MsgBox *box = nullptr;
    waitFor([&] {
        if (QMainWindow *window = mainWindow()) {
            for (ModelessMsgBox::MsgBox *b : window->findChildren<ModelessMsgBox::MsgBox *>()) {
                if (b->isVisible() && b->windowTitle() == QLatin1String("Quit"))
                    box = b;
            }
        }
        return box != nullptr;
    }, QStringLiteral("the quit question"));
    return box;
}

// Runs the session once the client's own event loop runs (start-up may process events
// before). The session waits in nested event loops, so it is posted rather than timed:
// timers (start-up's among them) do not fire inside a timer's handler.
inline void runInEventLoop(void (*session)())
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), [session] {
        if (QThread::currentThread()->loopLevel() == 0)
            runInEventLoop(session);
        else
            session();
    }, Qt::QueuedConnection);
}

// One run's directory, servers and client.
struct ClientRun
{
    QString runDir;
    QString binaryDir;
    QString xmppDir;
    quint16 xmppPort = 0;
    quint16 gamePort = 0;
    QString httpPort;
    pid_t serverPid = 0;

    // A fresh run directory trusting the test game server's CA and ejabberd's, and the
    // start-up documents the game server serves (the server information is written once
    // the game server listens).
    bool prepare(const QString &name)
    {
        binaryDir = qEnvironmentVariable("MAHJONG_BINARY_DIR");
        xmppDir = qEnvironmentVariable("XMPP_SERVER_DIR");
        runDir = binaryDir + QLatin1Char('/') + name;
        QDir(runDir).removeRecursively();
        QDir().mkpath(runDir + QStringLiteral("/resources/ca-certs"));
        QString xmppCa;
        for (const QString &line : readFile(xmppDir + QStringLiteral("/env")).split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1String("XMPP_PORT=")))
                xmppPort = line.mid(10).toUShort();
            if (line.startsWith(QLatin1String("XMPP_CA=")))
                xmppCa = line.mid(8);
        }
        if (xmppPort == 0 || !QFile::copy(xmppCa, runDir + QStringLiteral("/resources/ca-certs/xmpp-ca.pem"))
            || !QFile::copy(binaryDir + QStringLiteral("/testcerts/ca.pem"),
                            runDir + QStringLiteral("/resources/ca-certs/game-ca.pem"))) {
            std::fprintf(stderr, "FAIL: ejabberd's env file or the test CAs are missing\n");
            return false;
        }
        writeFile(runDir + QStringLiteral("/client_versions.xml"),
                  "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<clientversions/>\n");
        writeFile(runDir + QStringLiteral("/server_info.xml"), QByteArray());
        return true;
    }

    QString serverLog() const { return readFile(runDir + QStringLiteral("/testserver.log")); }

    // Starts the test game server in the run directory with the given options (besides its
    // certificate) and points the server information at its game port. The server ends
    // with the test, however the test ends.
    bool startServer(const QStringList &options)
    {
        serverPid = ChildProcess::spawn(runDir,
                                        QStringList{binaryDir + QStringLiteral("/tools/testserver/mahjong-testserver")}
                                            << options << QStringLiteral("--cert")
                                            << binaryDir + QStringLiteral("/testcerts/server.pem")
                                            << QStringLiteral("--key")
                                            << binaryDir + QStringLiteral("/testcerts/server.key"),
                                        runDir + QStringLiteral("/testserver.log"));
        if (serverPid <= 0) {
            std::fprintf(stderr, "FAIL: the test game server did not start\n");
            return false;
        }
        for (int i = 0; i < 100 && httpPort.isEmpty(); ++i) {
            const QString first = serverLog().section(QLatin1Char('\n'), 0, 0);
            if (first.startsWith(QLatin1String("LISTENING"))) {
                gamePort = first.section(QLatin1String("game="), 1).section(QLatin1Char(' '), 0, 0).toUShort();
                httpPort = first.section(QLatin1String("http="), 1).section(QLatin1Char(' '), 0, 0);
            }
            QTest::qSleep(100);
        }
        if (httpPort.isEmpty()) {
            std::fprintf(stderr, "FAIL: the test game server did not listen\n");
            stopServer();
            return false;
        }
        writeFile(runDir + QStringLiteral("/server_info.xml"),
                  QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<serverinfo>\n"
                                 "  <gameserver host=\"localhost\" port=\"%1\"/>\n"
                                 "  <versioncheck url=\"https://{host}/client/{sku}/client_versions.xml\"/>\n"
                                 "</serverinfo>\n").arg(gamePort).toUtf8());
        return true;
    }

    void stopServer()
    {
        ChildProcess::stop(serverPid);
        serverPid = 0;
    }

    // Runs the client through its own start-up path until it quits, then stops the server;
    // the client's exit code.
    int runClient(char *program)
    {
        QByteArray searchPath = (runDir + QStringLiteral("/resources")).toLocal8Bit();
        QByteArray serverInfo = (QStringLiteral("localhost:") + httpPort).toLocal8Bit();
        char searchOption[] = "--searchpath";
        char serverInfoOption[] = "--serverinfo";
        char *clientArgv[] = {program, searchOption, searchPath.data(), serverInfoOption, serverInfo.data(), nullptr};
        int clientArgc = 5;
        const int exitCode = clientMain(clientArgc, clientArgv, QStringLiteral("corvana"));
        QTest::qSleep(300);
        stopServer();
        return exitCode;
    }
};

} // namespace ClientDriver
