// One whole client run, as a player has it: the client's own start-up path against the
// test game server (which also serves the start-up documents) and the real ejabberd,
// driven through the real widgets: log in, see the lobby's tables, open one, quit.
// Both servers' CAs are trusted through the search path, like an installed client's.

#include "chat/EjabberdTestServer.h"
#include "clientrunscenario.h"
#include "screenshot.h"

#include "app/Utils.h"
#include "app/startup/ClientMain.h"
#include "game/GameWindow.h"
#include "ui/ModelessMsgBox.h"
#include "ui/TableSelector.h"
#include "ui/UTabWidget.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <QThread>
#include <QTreeView>

#include <signal.h>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

QString g_runDir;
QString g_xmppDir;
int g_failures = 0;

void fail(const QString &what)
{
    std::fprintf(stderr, "FAIL: %s\n", qPrintable(what));
    ++g_failures;
}

bool waitFor(const std::function<bool()> &condition, const QString &what, int msecs = 20000)
{
    if (QTest::qWaitFor(condition, msecs))
        return true;
    fail(QStringLiteral("timed out waiting for ") + what);
    return false;
}

QString readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

QMainWindow *mainWindow()
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

ModelessMsgBox::MsgBox *openBox(const QString &title)
{
    QMainWindow *window = mainWindow();
    if (!window)
        return nullptr;
    const auto boxes = window->findChildren<ModelessMsgBox::MsgBox *>();
    for (ModelessMsgBox::MsgBox *box : boxes) {
        if (box->isVisible() && box->windowTitle() == title)
            return box;
    }
    return nullptr;
}

bool chatUserConnected(const QString &user)
{
    QByteArray output;
    return runEjabberdScript({QStringLiteral("ctl"), g_xmppDir, QStringLiteral("connected_users")}, &output)
           && QString::fromUtf8(output).contains(user);
}

// Plays the session once the window is up; the client's event loop runs it.
void playSession()
{
    if (!waitFor([] { return child<QLineEdit>("passwordEdit", "loginWindow") != nullptr; },
                 QStringLiteral("the login page"), 30000)) {
        QCoreApplication::exit(3);
        return;
    }
    QMainWindow *window = mainWindow();
    window->resize(1280, 800);
    auto *user = child<QLineEdit>("loginEdit", "loginWindow");
    auto *password = child<QLineEdit>("passwordEdit", "loginWindow");
    user->clear();
    QTest::keyClicks(user, QStringLiteral("alice"));
    QTest::keyClicks(password, QStringLiteral("secret"));
    // The button opens once the server accepted the client's version.
    if (!waitFor([] { return child<QPushButton>("loginButton", "loginWindow")->isEnabled(); },
                 QStringLiteral("the version check to open the login button"))) {
        QCoreApplication::exit(3);
        return;
    }
    saveScreenshot(window, QStringLiteral("client-login"));
    QTest::mouseClick(child<QPushButton>("loginButton", "loginWindow"), Qt::LeftButton);

    // The Play tab holds the table lobby.
    QTabBar *tabs = nullptr;
    if (waitFor([&] {
            auto *mainTabs = child<UTabWidget>("mainTabs");
            return mainTabs && (tabs = mainTabs->tabBar()) && tabs->count() == 6;
        },
                QStringLiteral("the six lobby tabs")))
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    QTreeView *lobby = nullptr;
    waitFor([&] {
        lobby = child<QTreeView>("lobbyTreeView");
        return lobby && lobby->isVisible() && lobby->model()->rowCount() == 2;
    }, QStringLiteral("the lobby's two practice tables"));
    // The chat logged in with the login secret.
    waitFor([] { return chatUserConnected(QStringLiteral("1001@localhost")); },
            QStringLiteral("ejabberd to list account 1001 as connected"));
    QTest::qWait(300);
    saveScreenshot(window, QStringLiteral("client-lobby"));

    if (lobby) {
        QModelIndex grove;
        for (int row = 0; row < lobby->model()->rowCount(); ++row) {
            const QModelIndex index = lobby->model()->index(row, 0);
            if (index.data(Qt::UserRole).toInt() == 5001)
                grove = index;
        }
        if (!grove.isValid()) {
            fail(QStringLiteral("table 5001 is not in the lobby"));
        } else {
            lobby->scrollTo(grove);
            const QPoint centre = lobby->visualRect(grove).center();
            QTest::mouseClick(lobby->viewport(), Qt::LeftButton, {}, centre);
            QTest::mouseDClick(lobby->viewport(), Qt::LeftButton, {}, centre);
        }
    }
    auto *stack = child<QStackedWidget>("loggedInStack");
    auto *selector = child<TableSelector>("tableSelector");
    if (waitFor([&] { return stack && qobject_cast<GameWindow *>(stack->currentWidget())
                             && selector && selector->tableButton(5001); },
                QStringLiteral("the page of table 5001 with its selector button"))) {
        QTest::qWait(500);
        saveScreenshot(window, QStringLiteral("client-table"));
    }

    QTest::mouseClick(child<QPushButton>("quitButton"), Qt::LeftButton);
    ModelessMsgBox::MsgBox *box = nullptr;
    if (!waitFor([&] { return (box = openBox(QStringLiteral("Quit"))) != nullptr; },
                 QStringLiteral("the quit question"))) {
        QCoreApplication::exit(4);
        return;
    }
    saveScreenshot(window, QStringLiteral("client-quit"));
    QPushButton *yes = box->buttonBox()->button(QDialogButtonBox::Yes);
    QTest::mouseClick(yes, Qt::LeftButton);
}

// The session waits in nested event loops, so it starts once the client's own event
// loop runs (start-up may process events before), and posted rather than timed: timers
// (start-up's among them) do not fire inside a timer's handler.
void scheduleSession()
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), [] {
        if (QThread::currentThread()->loopLevel() == 0)
            scheduleSession();
        else
            playSession();
    }, Qt::QueuedConnection);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(scheduleSession)

int main(int argc, char *argv[])
{
    const QString source = qEnvironmentVariable("MAHJONG_SOURCE_DIR");
    const QString binary = qEnvironmentVariable("MAHJONG_BINARY_DIR");
    g_xmppDir = qEnvironmentVariable("XMPP_SERVER_DIR");
    g_runDir = binary + QStringLiteral("/client-run");
    QDir(g_runDir).removeRecursively();
    QDir().mkpath(g_runDir + QStringLiteral("/resources/ca-certs"));

    // Trusted: the test game server's CA and ejabberd's.
    QString xmppPort, xmppCa;
    for (const QString &line : readFile(g_xmppDir + QStringLiteral("/env")).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("XMPP_PORT=")))
            xmppPort = line.mid(10);
        if (line.startsWith(QLatin1String("XMPP_CA=")))
            xmppCa = line.mid(8);
    }
    if (xmppPort.isEmpty() || !QFile::copy(xmppCa, g_runDir + QStringLiteral("/resources/ca-certs/xmpp-ca.pem"))
        || !QFile::copy(binary + QStringLiteral("/testcerts/ca.pem"),
                        g_runDir + QStringLiteral("/resources/ca-certs/game-ca.pem"))) {
        std::fprintf(stderr, "FAIL: ejabberd's env file or the test CAs are missing\n");
        return 1;
    }

    // The shipped scenario, with ejabberd's port and account 1001's secret, and the
    // start-up documents.
    QJsonObject scenario = clientRunScenario(xmppPort.toUShort());
    scenario.insert(QStringLiteral("http"), QJsonObject{
        {QStringLiteral("/client/server_info.xml"), QStringLiteral("server_info.xml")},
        {QStringLiteral("/client/linux/client_versions.xml"), QStringLiteral("client_versions.xml")}});
    writeFile(g_runDir + QStringLiteral("/scenario.json"), QJsonDocument(scenario).toJson());
    writeFile(g_runDir + QStringLiteral("/client_versions.xml"),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<clientversions/>\n");
    writeFile(g_runDir + QStringLiteral("/server_info.xml"), QByteArray());

    // The server runs beside the client for the whole run; its log is read afterwards.
    const QString log = g_runDir + QStringLiteral("/testserver.log");
    const QString command = QStringLiteral("cd '%1' && exec '%2/tools/testserver/mahjong-testserver' --scenario scenario.json "
                                           "--cert '%2/testcerts/server.pem' --key '%2/testcerts/server.key' "
                                           ">testserver.log 2>&1 & echo $! >'%1/server.pid'")
                                .arg(g_runDir, binary);
    if (std::system(qPrintable(command)) != 0) {
        std::fprintf(stderr, "FAIL: the test game server did not start\n");
        return 1;
    }
    QString gamePort, httpPort;
    for (int i = 0; i < 100 && gamePort.isEmpty(); ++i) {
        const QString first = readFile(log).section(QLatin1Char('\n'), 0, 0);
        if (first.startsWith(QLatin1String("LISTENING"))) {
            gamePort = first.section(QLatin1String("game="), 1).section(QLatin1Char(' '), 0, 0);
            httpPort = first.section(QLatin1String("http="), 1).section(QLatin1Char(' '), 0, 0);
        }
        QTest::qSleep(100);
    }
    const QString pid = readFile(g_runDir + QStringLiteral("/server.pid")).trimmed();
    auto stopServer = [&] {
        if (!pid.isEmpty())
            ::kill(pid.toInt(), SIGTERM);
    };
    if (gamePort.isEmpty()) {
        std::fprintf(stderr, "FAIL: the test game server did not listen\n");
        stopServer();
        return 1;
    }
    writeFile(g_runDir + QStringLiteral("/server_info.xml"),
              QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<serverinfo>\n"
                             "  <gameserver host=\"localhost\" port=\"%1\"/>\n"
                             "  <versioncheck url=\"https://{host}/client/{sku}/client_versions.xml\"/>\n"
                             "</serverinfo>\n").arg(gamePort).toUtf8());

    QByteArray searchPath = (g_runDir + QStringLiteral("/resources")).toLocal8Bit();
    QByteArray serverInfo = (QStringLiteral("localhost:") + httpPort).toLocal8Bit();
    char searchOption[] = "--searchpath";
    char serverInfoOption[] = "--serverinfo";
    char *clientArgv[] = {argv[0], searchOption, searchPath.data(), serverInfoOption, serverInfo.data(), nullptr};
    int clientArgc = 5;
    Q_UNUSED(argc);
    const int exitCode = clientMain(clientArgc, clientArgv, QStringLiteral("corvana"));
    QTest::qSleep(300);
    stopServer();

    if (exitCode != 0)
        fail(QStringLiteral("the client ended with exit code %1").arg(exitCode));
    // The server saw the session in order: login, the join, the properties with the
    // computer's description, then the logout.
    const QString server = readFile(log);
    qsizetype at = 0;
    for (const char *step : {"RECV login_t", "RECV join_table_t", "RECV store_player_properties_t",
                             "system/primaryDesktop", "RECV logout_t"}) {
        const qsizetype found = server.indexOf(QLatin1String(step), at);
        if (found < 0) {
            fail(QStringLiteral("the server log lacks \"%1\" after position %2").arg(QLatin1String(step)).arg(at));
            break;
        }
        at = found;
    }
    if (!server.contains(QLatin1String("\"table\":5001")))
        fail(QStringLiteral("the join was not for table 5001"));
    std::fprintf(stderr, "%s: %d failure(s)\n", g_failures ? "FAILED" : "PASSED", g_failures);
    return g_failures ? 1 : 0;
}
