// One whole client run, as a player has it: the client's own start-up path against the
// test game server (which also serves the start-up documents) and the real ejabberd,
// driven through the real widgets: log in, see the lobby's tables, open one, quit.
// Both servers' CAs are trusted through the search path, like an installed client's.

#include "chat/EjabberdTestServer.h"
#include "clientdriver.h"
#include "clientrunscenario.h"
#include "screenshot.h"

#include "app/startup/MessageHandler.h"
#include "game/GameWindow.h"
#include "lobby/ComingEventPopup.h"
#include "ui/TableSelector.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStackedWidget>

#include <algorithm>

namespace {

using namespace ClientDriver;

QString g_xmppDir;

// Whether ejabberd lists the session with the full address among its connected users.
bool chatSessionConnected(const QString &session)
{
    QByteArray output;
    if (!runEjabberdScript({QStringLiteral("ctl"), g_xmppDir, QStringLiteral("connected_users")}, &output))
        return false;
    const QStringList sessions = QString::fromUtf8(output).split(QLatin1Char('\n'));
    return std::any_of(sessions.cbegin(), sessions.cend(),
                       [&session](const QString &line) { return line.trimmed() == session; });
}

// Plays the session once the window is up; the client's event loop runs it.
void playSession()
{
    if (!typeLogin(QStringLiteral("alice"), QStringLiteral("secret"))) {
        QCoreApplication::exit(3);
        return;
    }
    QMainWindow *window = mainWindow();
    saveScreenshot(window, QStringLiteral("client-login"));
    QTest::mouseClick(child<QPushButton>("loginButton", "loginWindow"), Qt::LeftButton);

    openPlayTab();
    QTreeView *lobby = nullptr;
    waitFor([&] {
        lobby = child<QTreeView>("lobbyTreeView");
        return lobby && lobby->isVisible() && lobby->model()->rowCount() == 2;
    }, QStringLiteral("the lobby's two practice tables"));
    // The chat logged in with the login secret. Other tests use account 1001 on the same
    // server at the same time: the client's own session is told by its full address, as
    // the client logs it.
    QString session;
    waitFor([&] {
        const QString log = readFile(MessageHandler::logFilePath());
        const QRegularExpressionMatch bound
            = QRegularExpression(QStringLiteral("chat session bound as (1001@localhost/\\S+)")).match(log);
        session = bound.captured(1);
        return !session.isEmpty() && chatSessionConnected(session);
    }, QStringLiteral("ejabberd to list the client's session of account 1001 as connected"));
    QTest::qWait(300);
    saveScreenshot(window, QStringLiteral("client-lobby"));

    // The demo world's maintenance notice stands in the header over no control.
    ComingEventPopup *notice = nullptr;
    if (waitFor([&] { return (notice = window->findChild<ComingEventPopup *>()) && notice->isVisible(); },
                QStringLiteral("the maintenance notice"))) {
        for (const char *name : {"logo", "topBar", "accountInfo", "mainTabs"}) {
            auto *control = child<QWidget>(name);
            const QRect place(control->mapTo(window, QPoint()), control->size());
            check(!place.intersects(QRect(notice->mapTo(window, QPoint()), notice->size())),
                  QStringLiteral("the maintenance notice covers %1").arg(QLatin1String(name)));
        }
    }

    if (lobby) {
        const QModelIndex grove = lobbyRow(lobby, 5001);
        if (!grove.isValid())
            check(false, QStringLiteral("table 5001 is not in the lobby"));
        else
            doubleClickRow(lobby, grove);
    }
    auto *stack = child<QStackedWidget>("loggedInStack");
    auto *selector = child<TableSelector>("tableSelector");
    if (waitFor([&] { return stack && qobject_cast<GameWindow *>(stack->currentWidget())
                             && selector && selector->tableButton(5001); },
                QStringLiteral("the page of table 5001 with its selector button"))) {
        QTest::qWait(500);
        saveScreenshot(window, QStringLiteral("client-table"));
    }

    ModelessMsgBox::MsgBox *box = askToQuit();
    if (!box) {
        QCoreApplication::exit(4);
        return;
    }
    saveScreenshot(window, QStringLiteral("client-quit"));
    // The quit ends the chat session on the server, rather than leave it kept there for
    // a resumption, the player online in his rooms for minutes. It is looked at once the
    // client's own handlers of the quit have run, before any window is taken down: the
    // server may take a moment to end a session whose close it read after the client
    // stopped waiting, where one kept for a resumption would stay for minutes.
    QCoreApplication *app = QCoreApplication::instance();
    QObject::connect(app, &QCoreApplication::aboutToQuit, app, [session] {
        check(!session.isEmpty(), QStringLiteral("the client's chat session is not known"));
        waitFor([&session] { return !chatSessionConnected(session); },
                QStringLiteral("ejabberd to end the client's session %1 after the quit").arg(session));
    });
    QTest::mouseClick(box->buttonBox()->button(QDialogButtonBox::Yes), Qt::LeftButton);
}

void scheduleSession()
{
    runInEventLoop(playSession);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(scheduleSession)

int main(int, char *argv[])
{
    ClientRun run;
    if (!run.prepare(QStringLiteral("client-run")))
        return 1;
    g_xmppDir = run.xmppDir;

    // The shipped scenario, with ejabberd's port and account 1001's secret, and the
    // start-up documents.
    QJsonObject scenario = clientRunScenario(run.xmppPort);
    // A maintenance announced for three hours from now.
    QJsonArray rules = scenario.value(QStringLiteral("requests")).toArray();
    const QString maintenance = QString::number(QDateTime::currentMSecsSinceEpoch() + 3 * 3600 * 1000);
    rules.prepend(QJsonObject{
        {QStringLiteral("packet"), QStringLiteral("query_coming_events_t")},
        {QStringLiteral("reply"),
         QJsonArray{QJsonObject{{QStringLiteral("packet"), QStringLiteral("coming_events_t")},
                                {QStringLiteral("fields"),
                                 QJsonObject{{QStringLiteral("events"),
                                              QJsonArray{QJsonObject{{QStringLiteral("kind"), 0},
                                                                     {QStringLiteral("at"), maintenance}}}}}}}}}});
    scenario.insert(QStringLiteral("requests"), rules);
    scenario.insert(QStringLiteral("http"), QJsonObject{
        {QStringLiteral("/client/server_info.xml"), QStringLiteral("server_info.xml")},
        {QStringLiteral("/client/linux/client_versions.xml"), QStringLiteral("client_versions.xml")}});
    writeFile(run.runDir + QStringLiteral("/scenario.json"), QJsonDocument(scenario).toJson());

    // The server runs beside the client for the whole run; its log is read afterwards.
    if (!run.startServer({QStringLiteral("--scenario"), QStringLiteral("scenario.json")}))
        return 1;
    const int exitCode = run.runClient(argv[0]);

    check(exitCode == 0, QStringLiteral("the client ended with exit code %1").arg(exitCode));
    // The server saw the session in order: login, the join, the properties with the
    // computer's description, then the logout.
    const QString server = run.serverLog();
    qsizetype at = 0;
    for (const char *step : {"RECV login_t", "RECV join_table_t", "RECV store_player_properties_t",
                             "system/primaryDesktop", "RECV logout_t"}) {
        const qsizetype found = server.indexOf(QLatin1String(step), at);
        if (found < 0) {
            check(false, QStringLiteral("the server log lacks \"%1\" after position %2").arg(QLatin1String(step), QString::number(at)));
            break;
        }
        at = found;
    }
    check(server.contains(QLatin1String("\"table\":5001")), QStringLiteral("the join was not for table 5001"));
    // The lobby, the open table and the lobby's lists gave back every table subscription.
    const QString log = readFile(MessageHandler::logFilePath());
    check(log.contains(QLatin1String("Session ended")), QStringLiteral("the client's log was not found"));
    check(!log.contains(QLatin1String("Table subscriptions could be unbalanced")),
          QStringLiteral("the client quit with table subscriptions left: %1").arg(log.section(QLatin1String("unbalanced"), 1).left(300)));
    return verdict();
}
