// The main window's session against the test game server (scenario client-run.json)
// and the real ejabberd: the retry question, the login flow with a provisional name,
// tables and every refusal, invitations and notices, the user menu and the quit
// question. Windows are driven through their widgets; boxes are answered by clicking.

#include "chat/EjabberdTestServer.h"
#include "clientrunscenario.h"
#include "labellink.h"
#include "logfile.h"
#include "postedevents.h"
#include "protocol/TestServer.h"
#include "screenshot.h"
#include "serverroundtrip.h"
#include "testmain.h"
#include "webviews.h"

#include "app/startup/ResourceSearchPaths.h"
#include "app/startup/TranslationsManager.h"
#include "chat/ChatManager.h"
#include "chat/ChatWindow.h"
#include "chat/XMPPChatManager.h"
#include "chat/xmpp/XMPPClient.h"
#include "connection/PlayerDb.h"
#include "game/GameWindow.h"
#include "lobby/LobbyController.h"
#include "lobby/TableInvitationDialog.h"
#include "lobby/TableModel.h"
#include "table/dialogs/MeldAuction.h"
#include "table/dialogs/MeldChoice.h"
#include "table/dialogs/RoundScoreBoard.h"
#include "table/dialogs/RoundScoreWidget.h"
#include "table/dialogs/ScoreBoard.h"
#include "table/sidebar/SideBar.h"
#include "ui/BusyCursor.h"
#include "ui/CreateUserWindow.h"
#include "ui/MainWindow.h"
#include "ui/ModelessMsgBox.h"
#include "ui/SetScreennameDialog.h"
#include "ui/SelectorButton.h"
#include "ui/TableSelector.h"
#include "ui/UTabWidget.h"
#include "ui/web/EmbeddedBrowser.h"
#include "ui/web/EmbeddedWebPage.h"
#include "ui/web/EmbeddedWebView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QGraphicsView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabBar>
#include <QTcpServer>
#include <QPointer>
#include <QScopeGuard>
#include <QTemporaryDir>

namespace {

// The title of the page a web server gives for an address, or what went wrong.
QString servedTitle(const QUrl &url)
{
    QNetworkAccessManager web;
    std::unique_ptr<QNetworkReply> reply(web.get(QNetworkRequest(url)));
    if (!QTest::qWaitFor([&] { return reply->isFinished(); }, 10000))
        return QStringLiteral("no answer from ") + url.toString();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QString body = QString::fromUtf8(reply->readAll());
    const qsizetype start = body.indexOf(QLatin1String("<title>"));
    const qsizetype end = body.indexOf(QLatin1String("</title>"));
    if (status != 200 || start < 0 || end < start)
        return QStringLiteral("status %1 at %2").arg(QString::number(status), url.toString());
    return body.mid(start + 7, end - start - 7);
}

struct FatalCall
{
    QString title;
    QString text;
    int exitCode = 0;
};

} // namespace

class TestMainWindowSession : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void retryQuestionBothWays();
    void provisionalNameIsReplacedThroughAReconnection();
    void tablesAreJoinedWatchedOrRefusedInTheirOwnWords();
    void tablesLeftOpenLastTimeAreOfferedAgain();
    void invitationsNoticesAndTheUserMenu();
    void forcedLogoutAndLoginWithoutChatSecret();
    void aFaultEndsTheSessionBeforeTheFramesAfterIt();
    void quitAsksOnceAndSendsTheSettings();
    void everyPageLinkOpensAPageOfTheDemoWorld();

public slots:
    void openExternally(const QUrl &url) { m_externalUrls << url; }

private:
    bool startServer(quint16 port = 0);
    MainWindow *openWindow(quint16 port);
    bool logIn(const QString &user);
    ModelessMsgBox::MsgBox *waitForBox(const QString &title, int msecs = 15000);
    static QString boxText(ModelessMsgBox::MsgBox *box);
    void answer(ModelessMsgBox::MsgBox *box, QDialogButtonBox::StandardButton button);
    int receivedCount(const QString &text) { return m_server->output().count(text); }
    bool serverCaughtUp();

    QTemporaryDir m_dir;
    QString m_scenario;
    EjabberdTestServer m_xmpp;
    TranslationsManager m_translations;
    std::unique_ptr<TestServer> m_server;
    std::unique_ptr<MainWindow> m_window;
    QList<FatalCall> m_fatal;
    QList<QUrl> m_externalUrls;
};

void TestMainWindowSession::initTestCase()
{
    QVERIFY(m_xmpp.load(qEnvironmentVariable("XMPP_SERVER_DIR")));
    const QJsonObject scenario = clientRunScenario(m_xmpp.port);
    QVERIFY(!scenario.isEmpty());
    m_scenario = m_dir.filePath(QStringLiteral("client-run.json"));
    QFile file(m_scenario);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QJsonDocument(scenario).toJson());
    file.close();
    MainWindow::setFatalHandler([this](QWidget *, const QString &title, const QString &text, int code) {
        m_fatal.append({title, text, code});
    });
}

void TestMainWindowSession::init()
{
    QSettings().clear();
    m_fatal.clear();
}

void TestMainWindowSession::cleanup()
{
    if (m_window)
        m_window->connectionManager().setDisconnectExpected(true);
    m_window.reset();
    m_server.reset();
    QApplication::restoreOverrideCursor();
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

bool TestMainWindowSession::startServer(quint16 port)
{
    m_server = std::make_unique<TestServer>();
    return m_server->launch({QStringLiteral("--scenario"), m_scenario, QStringLiteral("--port"),
                             QString::number(port)});
}

MainWindow *TestMainWindowSession::openWindow(quint16 port)
{
    m_window = std::make_unique<MainWindow>(QStringLiteral("127.0.0.1"), port, QString(), QString(), false,
                                            QStringLiteral("localhost"),
                                            QMap<WebPageRequest::enum_t, QString>(), &m_translations);
    m_window->onStartupFinished(true);
    m_window->resize(1100, 720);
    return m_window.get();
}

bool TestMainWindowSession::logIn(const QString &user)
{
    auto *login = m_window->findChild<QWidget *>(QStringLiteral("loginWindow"));
    auto *userEdit = login->findChild<QLineEdit *>(QStringLiteral("loginEdit"));
    auto *passwordEdit = login->findChild<QLineEdit *>(QStringLiteral("passwordEdit"));
    auto *button = login->findChild<QPushButton *>(QStringLiteral("loginButton"));
    userEdit->clear();
    passwordEdit->clear();
    QTest::keyClicks(userEdit, user);
    QTest::keyClicks(passwordEdit, QStringLiteral("pw"));
    if (!QTest::qWaitFor([&] { return button->isEnabled(); }, 15000))
        return false;
    QTest::mouseClick(button, Qt::LeftButton);
    return m_server->waitForOutput(QStringLiteral("SENT login_success_t"));
}

ModelessMsgBox::MsgBox *TestMainWindowSession::waitForBox(const QString &title, int msecs)
{
    ModelessMsgBox::MsgBox *found = nullptr;
    const bool shown = QTest::qWaitFor([&] {
        const auto boxes = m_window->findChildren<ModelessMsgBox::MsgBox *>();
        for (ModelessMsgBox::MsgBox *box : boxes) {
            if (box->isVisible() && box->windowTitle() == title)
                found = box;
        }
        return found != nullptr;
    }, msecs);
    if (!shown && msecs > 0) {
        for (QWidget *w : QApplication::allWidgets())
            if (auto *b = qobject_cast<ModelessMsgBox::MsgBox *>(w))
                qWarning() << "open box:" << b->windowTitle() << "visible" << b->isVisible();
    }
    return found;
}

QString TestMainWindowSession::boxText(ModelessMsgBox::MsgBox *box)
{
    auto *label = box->contentWidget()->findChild<QLabel *>();
    return label->textFormat() == Qt::PlainText ? label->text() : QStringLiteral("<not plain> ") + label->text();
}

// Whether the server answered a question asked now, and its log holds the question: what
// the client sent before is then in the log, and what the server sent before has been
// dealt with.
bool TestMainWindowSession::serverCaughtUp()
{
    const QString asked = QStringLiteral("RECV server_time_request_t");
    const int before = receivedCount(asked);
    return serverRoundTrip(m_window->connectionManager())
           && QTest::qWaitFor([&] { return receivedCount(asked) > before; }, 5000);
}

void TestMainWindowSession::answer(ModelessMsgBox::MsgBox *box, QDialogButtonBox::StandardButton button)
{
    QPointer<ModelessMsgBox::MsgBox> answered(box);
    QTest::mouseClick(box->buttonBox()->button(button), Qt::LeftButton);
    QTRY_VERIFY(answered.isNull());
}

void TestMainWindowSession::retryQuestionBothWays()
{
    // A port nobody listens on, until the server is started on it.
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost));
    const quint16 port = probe.serverPort();
    probe.close();

    openWindow(port);
    ModelessMsgBox::MsgBox *box = waitForBox(QStringLiteral("Connection failed"));
    QVERIFY(box);
    QVERIFY2(boxText(box).startsWith(QLatin1String("Could not connect to the game server:\n")), qPrintable(boxText(box)));
    QVERIFY(boxText(box).endsWith(QLatin1String("\nTry again?")));
    saveScreenshot(m_window.get(), QStringLiteral("session-retry"));
    QVERIFY(startServer(port));
    QSignalSpy checked(&m_window->connectionManager(), &ConnectionManager::versionCheckComplete);
    answer(box, QDialogButtonBox::Yes);
    // Answering may already run the event loop far enough for the check to complete.
    QTRY_VERIFY_WITH_TIMEOUT(!checked.isEmpty(), 15000);
    QVERIFY(logIn(QStringLiteral("alice")));
    QVERIFY(m_fatal.isEmpty());

    m_window.reset();
    m_server.reset();
    openWindow(port);
    box = waitForBox(QStringLiteral("Connection failed"));
    QVERIFY(box);
    answer(box, QDialogButtonBox::No);
    QCOMPARE(m_fatal.size(), 1);
    QCOMPARE(m_fatal[0].exitCode, 1);
}

void TestMainWindowSession::provisionalNameIsReplacedThroughAReconnection()
{
    QVERIFY(startServer());
    openWindow(m_server->gamePort());
    QVERIFY(logIn(QStringLiteral("player7")));

    // The provisional name stops the login after the local player is known.
    QPointer<SetScreennameDialog> dialog;
    QTRY_VERIFY((dialog = m_window->findChild<SetScreennameDialog *>()) && dialog->isVisible());
    QVERIFY(serverCaughtUp());
    for (const char *later : {"log_client_uuid_t", "query_account_balance_t", "query_client_config_t",
                              "tournaments_lobby_subscribe_t"})
        QCOMPARE(receivedCount(QStringLiteral("RECV ") + QLatin1String(later)), 0);
    QVERIFY(!m_window->findChild<QWidget *>(QStringLiteral("loginWindow"))->isVisible());
    QVERIFY(!QApplication::overrideCursor());

    // A taken name asks again with the server's text as it stands.
    auto *nameEdit = dialog->findChild<QLineEdit *>(QStringLiteral("screennameEdit"));
    QTest::keyClicks(nameEdit, QStringLiteral("Taken"));
    QTest::keyClick(nameEdit, Qt::Key_Return);
    QTRY_VERIFY(dialog.isNull());
    SetScreennameDialog *again = m_window->findChild<SetScreennameDialog *>();
    QVERIFY(again && again->isVisible());
    auto *message = again->findChild<QLabel *>(QStringLiteral("errorMessage"));
    QCOMPARE(message->text(), QStringLiteral("<i>Taken</i> is taken"));
    QCOMPARE(message->textFormat(), Qt::PlainText);
    saveScreenshot(m_window.get(), QStringLiteral("session-screenname"));

    // Accepted: logout, the server closes, one reconnection a second later, the stored
    // credentials log in again and the whole sequence follows.
    QSignalSpy disconnected(&m_window->connectionManager(), &ConnectionManager::disconnected);
    QSignalSpy connected(&m_window->connectionManager(), &ConnectionManager::connected);
    nameEdit = again->findChild<QLineEdit *>(QStringLiteral("screennameEdit"));
    QTest::keyClicks(nameEdit, QStringLiteral("Jade"));
    QTest::keyClick(nameEdit, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(!disconnected.isEmpty(), 15000);
    QElapsedTimer sinceClose;
    sinceClose.start();
    QCOMPARE(m_window->screennameState(), int(MainWindow::ScreennameReconnecting));
    QTRY_VERIFY_WITH_TIMEOUT(!connected.isEmpty(), 15000);
    // After the pause before the next try, which a busy machine only lengthens.
    QVERIFY2(sinceClose.elapsed() >= 900, qPrintable(QString::number(sinceClose.elapsed())));
    // The login waits for the version handshake of the new connection.
    QVERIFY2(m_server->waitForOutput(QStringLiteral("[2] RECV tournaments_lobby_subscribe_t")),
             qPrintable(m_server->output().right(3000)));
    const QString second = m_server->output().section(QStringLiteral("[2] CONNECTED"), 1);
    qsizetype at = 0;
    for (const char *step : {"RECV platform_version_t", "RECV login_t {\"password\":\"pw\",\"user\":\"player7\"}",
                             "RECV log_client_uuid_t",
                             "RECV query_account_balance_t", "RECV query_lobby_summary_t",
                             "RECV query_client_config_t", "RECV tournaments_lobby_subscribe_t"}) {
        const qsizetype found = second.indexOf(QLatin1String(step), at);
        QVERIFY2(found >= 0, step);
        at = found;
    }
    QTRY_COMPARE(m_window->findChild<QStackedWidget *>(QStringLiteral("centralWidget"))->currentWidget()->objectName(),
                 QStringLiteral("loggedInWidget"));
    QVERIFY(m_fatal.isEmpty());

    // The chat logs in with the secret and looks for users on its own domain.
    QTRY_COMPARE_WITH_TIMEOUT(m_window->searchService(), QStringLiteral("search.localhost"), 10000);

    // Any later close is fatal.
    m_window->connectionManager().filter_join(QStringLiteral("close"));
    QTRY_COMPARE(m_fatal.size(), 1);
    QCOMPARE(m_fatal[0].title, QStringLiteral("Error"));
    QCOMPARE(m_fatal[0].text, QStringLiteral("The server closed the connection"));
    QCOMPARE(m_fatal[0].exitCode, 1);
}

void TestMainWindowSession::tablesAreJoinedWatchedOrRefusedInTheirOwnWords()
{
    QVERIFY(startServer());
    openWindow(m_server->gamePort());
    QVERIFY(logIn(QStringLiteral("alice")));
    TableModel *tables = m_window->findChild<LobbyController *>()->tableModel();
    QVERIFY(tables);
    // Lobby records give back a join's wait cursor only, never another one's.
    QObject elsewhere;
    BusyCursor::set(&elsewhere);
    tables->subscribe(QStringLiteral("101/Failures"));
    QTRY_VERIFY(tables->hasTable(5001) && tables->hasTable(5002) && tables->hasTable(5110));
    QVERIFY(BusyCursor::isHeldBy(&elsewhere) && QApplication::overrideCursor());
    BusyCursor::restore(&elsewhere);
    QVERIFY(!QApplication::overrideCursor());

    // Full: watched without force (the watch is refused in the server's words), joined with it.
    m_window->joinTable(5002);
    QVERIFY(m_server->waitForOutput(QStringLiteral("RECV watch_table_t {\"table\":5002}")));
    ModelessMsgBox::MsgBox *box = waitForBox(QStringLiteral("Watch Failed"));
    QVERIFY(box);
    QCOMPARE(boxText(box), QStringLiteral("<b>No</b> watching"));
    answer(box, QDialogButtonBox::Ok);
    m_window->joinTable(5002, true);
    QVERIFY(m_server->waitForOutput(QStringLiteral("RECV join_table_t {\"seat\":-1,\"table\":5002}")));
    QVERIFY(box = waitForBox(QStringLiteral("Join Failed")));
    QCOMPARE(boxText(box), QStringLiteral("Table Full"));
    answer(box, QDialogButtonBox::Ok);
    QTRY_VERIFY(!QApplication::overrideCursor());

    // Joined: the page and its selector button; a second join or watch only shows it.
    QSignalSpy watched(m_window.get(), &MainWindow::tableWatched);
    m_window->joinTable(5001);
    auto *stack = m_window->findChild<QStackedWidget *>(QStringLiteral("loggedInStack"));
    QTRY_VERIFY(qobject_cast<GameWindow *>(stack->currentWidget()));
    QCOMPARE(m_window->activeTable(), 5001);
    QVERIFY(m_window->findChild<TableSelector *>()->tableButton(5001));
    saveScreenshot(m_window.get(), QStringLiteral("session-table"));
    m_window->displayLobby();
    m_window->joinTable(5001);
    m_window->watchTable(5001);
    QCOMPARE(m_window->activeTable(), 5001);
    QCOMPARE(watched.count(), 1);
    QVERIFY(serverCaughtUp());
    QCOMPARE(receivedCount(QStringLiteral("RECV join_table_t {\"seat\":-1,\"table\":5001}")), 1);
    QCOMPARE(receivedCount(QStringLiteral("RECV watch_table_t {\"table\":5001}")), 0);
    // A click for a table whose page has gone leaves the page shown.
    m_window->onTableClicked(5002);
    QCOMPARE(m_window->activeTable(), 5001);

    // A table the lobby does not hold: reported, nothing sent.
    const int joinsBefore = receivedCount(QStringLiteral("RECV join_table_t"));
    m_window->joinTable(7777);
    QVERIFY(box = waitForBox(QStringLiteral("Join not allowed")));
    QCOMPARE(boxText(box), QStringLiteral("Table not accessible."));
    answer(box, QDialogButtonBox::Ok);
    m_window->watchTable(7777);
    QVERIFY(box = waitForBox(QStringLiteral("Watch not allowed")));
    answer(box, QDialogButtonBox::Ok);
    QVERIFY(!QApplication::overrideCursor());

    // A repeat within the throttle is not sent and gives its wait cursor back at once.
    m_window->joinTable(5103);
    m_window->joinTable(5103);
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(box = waitForBox(QStringLiteral("Join Failed")));
    answer(box, QDialogButtonBox::Ok);
    QCOMPARE(receivedCount(QStringLiteral("RECV join_table_t")), joinsBefore + 1);

    // Every refusal in its own words; 4 and 7 offer the account pages.
    const QStringList texts{
        QStringLiteral("Not allowed to join table"), QStringLiteral("Join Error"), QStringLiteral("Table Full"),
        QStringLiteral("Table In Play"),
        QStringLiteral("You don't have enough money on your account to join the table.\nDo you want to make a deposit now?"),
        QStringLiteral("A player with the same IP address as you has already joined the table.\nPlease contact the support to remedy the situation."),
        QStringLiteral("You are not allowed to play on money tables."),
        QStringLiteral("You are not fully registered and therefore not allowed to play for money.\nDo you want to complete your registration now?"),
        QStringLiteral("You are not allowed to play, server will be unavailable due to maintenance."),
        QStringLiteral("You are not allowed to play, the table will soon be removed."),
        QStringLiteral("Join failed.")};
    LogFile log;
    for (int reason = 0; reason < texts.size(); ++reason) {
        if (reason == 3)
            continue; // table 5103 was refused above
        m_window->joinTable(5100 + reason);
        box = waitForBox(QStringLiteral("Join Failed"));
        QVERIFY2(box, qPrintable(QString::number(reason)));
        QCOMPARE(boxText(box), texts[reason]);
        const bool offer = reason == 4 || reason == 7;
        QCOMPARE(box->buttonBox()->button(QDialogButtonBox::Yes) != nullptr, offer);
        const int accountPages = receivedCount(QStringLiteral("\"hint\":\"TTM\",\"kind\":1"));
        answer(box, offer ? QDialogButtonBox::Yes : QDialogButtonBox::Ok);
        if (offer)
            QTRY_COMPARE(receivedCount(QStringLiteral("\"hint\":\"TTM\",\"kind\":1")), accountPages + 1);
        QTRY_VERIFY(!QApplication::overrideCursor());
    }
    QVERIFY(log.text().contains(QLatin1String("unknown reason 42")));

    // A filter join that waits is cancelled and explained.
    m_window->onQuickJoinTable(QStringLiteral("ruleset=3"));
    QVERIFY(m_server->waitForOutput(QStringLiteral("RECV cancel_filter_join_t {\"waiting_id\":77}")));
    QVERIFY(box = waitForBox(QStringLiteral("Join game failed!")));
    answer(box, QDialogButtonBox::Ok);
    QVERIFY(!QApplication::overrideCursor());

    // Seated at a table the lobby does not know: the rejoin goes the ordinary way. The
    // question names the table by its number, without a separator.
    m_window->connectionManager().filter_join(QStringLiteral("already-seated"));
    QVERIFY(box = waitForBox(QStringLiteral("Rejoin Table")));
    QCOMPARE(boxText(box), QStringLiteral("You are already seated at table 5999.\nDo you want to rejoin?"));
    answer(box, QDialogButtonBox::Yes);
    QVERIFY(box = waitForBox(QStringLiteral("Join not allowed")));
    answer(box, QDialogButtonBox::Ok);
    QCOMPARE(receivedCount(QStringLiteral("\"table\":5999")), 0);
}

void TestMainWindowSession::tablesLeftOpenLastTimeAreOfferedAgain()
{
    QVERIFY(startServer());
    openWindow(m_server->gamePort());
    QVERIFY(logIn(QStringLiteral("returning")));
    // 5001 is asked about, 5003 (a tournament table without a tournament) is not; 5002 is
    // offered for watching. Each is named as the server names it, whose name holds a word
    // for a table already.
    ModelessMsgBox::MsgBox *rejoin = waitForBox(QStringLiteral("Rejoin Table"));
    QVERIFY(rejoin);
    QCOMPARE(boxText(rejoin), QStringLiteral("Do you want to rejoin Table 5001?"));
    ModelessMsgBox::MsgBox *watch = waitForBox(QStringLiteral("Watch Table"));
    QVERIFY(watch);
    QCOMPARE(boxText(watch), QStringLiteral("Do you want to continue watching Table 5002?"));
    int rejoinBoxes = 0;
    for (ModelessMsgBox::MsgBox *box : m_window->findChildren<ModelessMsgBox::MsgBox *>())
        rejoinBoxes += box->isVisible() && box->windowTitle() == QLatin1String("Rejoin Table");
    QCOMPARE(rejoinBoxes, 1);
    saveScreenshot(m_window.get(), QStringLiteral("session-rejoin"));
    answer(watch, QDialogButtonBox::No);
    answer(rejoin, QDialogButtonBox::Yes);
    QVERIFY(m_server->waitForOutput(QStringLiteral("RECV join_table_t {\"seat\":-1,\"table\":5001}")));
    QTRY_COMPARE(m_window->activeTable(), 5001);
    QCOMPARE(receivedCount(QStringLiteral("RECV watch_table_t")), 0);

    // A manager's chat that opens now, as his welcome back does, covers none of the
    // controls shown and not the table; nor in the lobby over the Play and Friends tabs,
    // at each of the client's sizes.
    auto *chats = m_window->findChild<ChatManager *>();
    QVERIFY(chats);
    auto *tabs = m_window->findChild<UTabWidget *>(QStringLiteral("mainTabs"));
    QTRY_VERIFY(qobject_cast<GameWindow *>(m_window->findChild<QStackedWidget *>(QStringLiteral("loggedInStack"))->currentWidget()));
    const auto opensClear = [&](const QString &what) {
        QVERIFY(PostedEvents::settleWidgets());
        XMPPChat *chat = chats->chatManager()->chatWith(parseJid(QStringLiteral("1000@localhost")));
        ChatWindow *window = nullptr;
        for (ChatWindow *open : m_window->findChildren<ChatWindow *>()) {
            if (open->chat() == chat)
                window = open;
        }
        QVERIFY2(window && window->isVisible(), qPrintable(what));
        const QRect place = window->geometry();
        QStringList covered;
        for (const QWidget *widget : m_window->findChildren<QWidget *>()) {
            const bool control = qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const QLineEdit *>(widget)
                                 || qobject_cast<const QComboBox *>(widget) || qobject_cast<const QTabBar *>(widget);
            if (control && widget->isVisible() && !window->isAncestorOf(widget)
                && place.intersects(QRect(widget->mapTo(m_window.get(), QPoint()), widget->size())))
                covered << widget->objectName() + QLatin1Char(':') + QLatin1String(widget->metaObject()->className());
        }
        if (auto *table = qobject_cast<GameWindow *>(m_window->findChild<QStackedWidget *>(QStringLiteral("loggedInStack"))->currentWidget())) {
            if (place.intersects(QRect(table->view()->mapTo(m_window.get(), QPoint()), table->view()->size())))
                covered << QStringLiteral("the table");
        }
        QVERIFY(saveScreenshot(m_window.get(), QStringLiteral("session-chat-%1").arg(what)));
        QVERIFY2(m_window->rect().contains(place) && covered.isEmpty(),
                 qPrintable(QStringLiteral("%1: the chat at %2,%3 %4x%5 over %6")
                                .arg(what)
                                .arg(place.x()).arg(place.y()).arg(place.width()).arg(place.height())
                                .arg(covered.join(QStringLiteral(", ")))));
        window->close();
        QTRY_VERIFY(m_window->findChildren<ChatWindow *>().isEmpty());
    };
    for (const QSize size : {QSize(1024, 768), QSize(1366, 768), QSize(1920, 1080)}) {
        m_window->resize(size);
        QTRY_COMPARE(m_window->size(), size);
        const QString name = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
        opensClear(QStringLiteral("table-") + name);
        if (QTest::currentTestFailed())
            return;
        m_window->displayLobby();
        for (const int tab : {1, 4}) {
            tabs->setCurrentIndex(tab);
            opensClear(QStringLiteral("tab%1-%2").arg(tab).arg(name));
            if (QTest::currentTestFailed())
                return;
        }
        QTest::mouseClick(m_window->findChild<TableSelector *>()->tableButton(5001), Qt::LeftButton);
        QTRY_VERIFY(qobject_cast<GameWindow *>(m_window->findChild<QStackedWidget *>(QStringLiteral("loggedInStack"))->currentWidget()));
    }
}

void TestMainWindowSession::invitationsNoticesAndTheUserMenu()
{
    QVERIFY(startServer());
    openWindow(m_server->gamePort());
    QVERIFY(logIn(QStringLiteral("alice")));
    QDateTime now = QDateTime::currentDateTime();
    m_window->setInvitationClock([&now] { return now; });
    auto invitations = [this] { return m_window->findChildren<TableInvitationDialog *>().size(); };
    auto invite = [this](const char *filter) {
        const int before = receivedCount(QStringLiteral("RECV filter_join_t"));
        m_window->connectionManager().filter_join(QLatin1String(filter));
        QTRY_COMPARE(receivedCount(QStringLiteral("RECV filter_join_t")), before + 1);
        QVERIFY(serverCaughtUp());
    };

    // Off: nothing. On: the first shown, the same inviter 599 s later dropped, another
    // inviter shown, the first again after 601 s. The lobby holds the table they are to.
    TableModel *tables = m_window->findChild<LobbyController *>()->tableModel();
    QTRY_VERIFY(tables->hasTable(5001));
    QSettings().setValue(QStringLiteral("game/showtableinvites"), false);
    invite("invite-1002");
    QCOMPARE(invitations(), 0);
    QSettings().setValue(QStringLiteral("game/showtableinvites"), true);
    invite("invite-1002");
    QCOMPARE(invitations(), 1);
    saveScreenshot(m_window.get(), QStringLiteral("session-invitation"));
    now = now.addSecs(599);
    invite("invite-1002");
    QCOMPARE(invitations(), 1);
    invite("invite-1003");
    QCOMPARE(invitations(), 2);
    now = now.addSecs(2);
    invite("invite-1002");
    QCOMPARE(invitations(), 3);
    // Playing at a practice table does not keep invitations away.
    qDeleteAll(m_window->findChildren<TableInvitationDialog *>());
    QTRY_VERIFY(tables->hasTable(5004));
    m_window->joinTable(5004);
    QTRY_COMPARE(m_window->activeTable(), 5004);
    now = now.addSecs(700);
    invite("invite-1003");
    QCOMPARE(invitations(), 1);

    // Dropped from a known tournament at once, from an unknown one when it arrives.
    m_window->connectionManager().filter_join(QStringLiteral("discard-0-900"));
    ModelessMsgBox::MsgBox *box = waitForBox(QStringLiteral("Information"));
    QVERIFY(box);
    QVERIFY2(boxText(box).startsWith(QLatin1String("Unfortunately you were among the last players to register for tournament 'Sunday Cup' and")),
             qPrintable(boxText(box)));
    answer(box, QDialogButtonBox::Ok);
    m_window->connectionManager().filter_join(QStringLiteral("discard-1-901"));
    QVERIFY(serverCaughtUp());
    QVERIFY(!waitForBox(QStringLiteral("Information"), 0));
    m_window->connectionManager().filter_join(QStringLiteral("tournament-901"));
    QVERIFY(box = waitForBox(QStringLiteral("Information")));
    QCOMPARE(boxText(box), QStringLiteral("You have been unregistered from tournament 'Monday Cup' because you were offline when the registration closed."));
    answer(box, QDialogButtonBox::Ok);
    m_window->onPlayerTournamentAborted(900);
    QVERIFY(box = waitForBox(QStringLiteral("Information")));
    QVERIFY2(boxText(box).startsWith(QLatin1String("A server error occurred during tournament 900 and the tournament was aborted.")),
             qPrintable(boxText(box)));
    answer(box, QDialogButtonBox::Ok);

    // A tournament table the player was assigned to is shown on request; a tournament
    // the lobby does not hold is named by its id.
    m_window->displayLobby();
    m_window->onTournamentTableJoined(900, 5004, 0);
    QVERIFY(box = waitForBox(QStringLiteral("New tournament round - Sunday Cup")));
    QCOMPARE(boxText(box), QStringLiteral("You have been assigned to tournament table 5004. Show now?"));
    answer(box, QDialogButtonBox::Yes);
    QCOMPARE(m_window->activeTable(), 5004);
    m_window->onTournamentTableJoined(777, 5001, 1);
    QVERIFY(box = waitForBox(QStringLiteral("Continuing tournament round - 777")));
    answer(box, QDialogButtonBox::No);

    // The server's messages as they stand.
    m_window->connectionManager().filter_join(QStringLiteral("messages"));
    QVERIFY(box = waitForBox(QStringLiteral("System message")));
    QCOMPARE(boxText(box), QStringLiteral("<b>Maintenance</b> at noon"));
    QVERIFY(box = waitForBox(QStringLiteral("Information")));
    QCOMPARE(boxText(box), QStringLiteral("Welcome & <i>enjoy</i>"));

    // The user menu: the own name, another player to add (ejabberd gets the request),
    // and a name the server does not know.
    QMenu *menu = m_window->userMenu();
    m_window->onUserMenuRequested(QStringLiteral("alice"), QPoint(300, 300));
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(menu->actions().size(), 1);
    QCOMPARE(menu->actions()[0]->text(), QStringLiteral("This is you"));
    QVERIFY(!menu->actions()[0]->isEnabled());
    menu->hide();
    const QString xmppDir = qEnvironmentVariable("XMPP_SERVER_DIR");
    for (const auto &[user, contact] : {std::pair{"1001", "1006"}, std::pair{"1006", "1001"}})
        runEjabberdScript({QStringLiteral("ctl"), xmppDir, QStringLiteral("delete_rosteritem"), QLatin1String(user),
                           QStringLiteral("localhost"), QLatin1String(contact), QStringLiteral("localhost")});
    // dora is online at table 5002 and accepts friends.
    XMPPClient dora;
    connect(&dora, &XMPPClient::authorizationRequestReceived, &dora,
            [&dora](const XMPPJid &jid) { dora.answerSubscription(jid, true); });
    dora.login(QStringLiteral("1006"), QStringLiteral("secret"));
    dora.addTable(QStringLiteral("101/Regular/Classic/5002"));
    QSignalSpy doraOnline(&dora, &XMPPClient::connected);
    dora.connectToHost(QStringLiteral("localhost"), m_xmpp.port, XMPPClient::TlsRequired);
    QVERIFY(doraOnline.wait(10000));
    m_window->onUserMenuRequested(QStringLiteral("dora"), QPoint(300, 300));
    QTRY_VERIFY(menu->isVisible() && !menu->actions().isEmpty());
    QCOMPARE(menu->actions()[0]->text(), QStringLiteral("Add to friends"));
    saveScreenshot(menu, QStringLiteral("session-usermenu"));
    menu->actions()[0]->trigger();
    menu->hide();
    QTRY_VERIFY_WITH_TIMEOUT([&] {
        QByteArray roster;
        runEjabberdScript({QStringLiteral("ctl"), xmppDir, QStringLiteral("get_roster"), QStringLiteral("1001"),
                           QStringLiteral("localhost")},
                          &roster);
        return roster.contains("1006@localhost");
    }(), 15000);
    // Once she accepted, her table is offered for watching: the menu is asked for again
    // until it offers it, each time once the server named her.
    QVERIFY(QTest::qWaitFor([&] {
        menu->hide();
        m_window->onUserMenuRequested(QStringLiteral("dora"), QPoint(300, 300));
        return QTest::qWaitFor([&] { return menu->isVisible() && !menu->actions().isEmpty(); }, 5000)
               && menu->actions()[0]->text() == QLatin1String("Watch Table 5002");
    }, 15000));
    menu->actions()[0]->trigger();
    menu->hide();
    QVERIFY(m_server->waitForOutput(QStringLiteral("RECV watch_table_t {\"table\":5002}")));
    QVERIFY(box = waitForBox(QStringLiteral("Watch Failed")));
    answer(box, QDialogButtonBox::Ok);

    m_window->onUserMenuRequested(QStringLiteral("nobody"), QPoint(300, 300));
    QTRY_VERIFY(menu->isVisible() && !menu->actions().isEmpty());
    QCOMPARE(menu->actions()[0]->text(), QStringLiteral("No such player"));
    QVERIFY(!menu->actions()[0]->isEnabled());
    menu->hide();

    // Ctrl+Alt+D opens the sample in-game dialogs.
    m_window->activateWindow();
    QTest::keyClick(m_window.get(), Qt::Key_D, Qt::ControlModifier | Qt::AltModifier);
    QTRY_VERIFY(m_window->findChild<ScoreBoard *>());
    const QList<MeldAuction *> auctions = m_window->findChildren<MeldAuction *>();
    QCOMPARE(auctions.size(), 2);
    QVERIFY(m_window->findChild<RoundScoreBoard *>());
    // Each claim shows its offers, a row with its button each, and the win; every button
    // chooses its offer.
    const std::vector<std::vector<std::pair<QString, meld_offer>>> offered{
        {{QStringLiteral("Chow Low"), meld_offer(CHOW, tile(4))},
         {QStringLiteral("Pong"), meld_offer(PONG, tile(4))},
         {QStringLiteral("Kong"), meld_offer(KONG, tile(4))}},
        {{QStringLiteral("Chow Mid"), meld_offer(CHOW, tile(3))}, {QStringLiteral("Pong"), meld_offer(PONG, tile(4))}}};
    for (int i = 0; i < 2; ++i) {
        MeldAuction *auction = auctions.at(i);
        QTRY_VERIFY(auction->isVisible());
        QSignalSpy chosen(auction, &MeldAuction::meldSelected);
        const std::vector<MeldChoice *> rows = auction->choices();
        QCOMPARE(rows.size(), offered.at(i).size());
        for (std::size_t r = 0; r < rows.size(); ++r) {
            auto *button = rows.at(r)->findChild<QPushButton *>(QStringLiteral("meldChoiceButton"));
            // Nothing else covers it.
            QVERIFY(button->isEnabled());
            QCOMPARE(m_window->childAt(button->mapTo(m_window.get(), button->rect().center())), button);
            QCOMPARE(button->text(), offered.at(i).at(r).first);
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(chosen.count(), int(r) + 1);
            QCOMPARE(chosen.last().at(0).value<meld_offer>(), offered.at(i).at(r).second);
        }
        for (const char *name : {"mahjongButton", "passButton", "closeButton"}) {
            auto *button = auction->findChild<QPushButton *>(QLatin1String(name));
            QVERIFY2(m_window->childAt(button->mapTo(m_window.get(), button->rect().center())) == button, name);
        }
        QTest::mouseClick(auction->findChild<QPushButton *>(QStringLiteral("mahjongButton")), Qt::LeftButton);
        QCOMPARE(chosen.last().at(0).value<meld_offer>().kind, qint32(MAHJONG));
    }
    // The boards name the same three players, and both claims are on a discard: their
    // win is called as one on another player's tile (Traditional Chinese calls the two
    // otherwise).
    QStringList scoreNames;
    for (const char *name : {"name1", "name2", "name3", "name4"}) {
        const auto *label = m_window->findChild<ScoreBoard *>()->findChild<QLabel *>(QLatin1String(name));
        if (label->isVisible() && !label->text().isEmpty())
            scoreNames << label->text();
    }
    QStringList roundNames;
    for (const RoundScoreWidget *row : m_window->findChild<RoundScoreBoard *>()->findChildren<RoundScoreWidget *>())
        roundNames << row->name();
    scoreNames.sort();
    roundNames.sort();
    QCOMPARE(scoreNames.size(), 3);
    QCOMPARE(roundNames, scoreNames);
    {
        const QStringList roots = QDir::searchPaths(QStringLiteral("translations"));
        QDir::setSearchPaths(QStringLiteral("translations"), {QString::fromLatin1(translationsRoot)});
        TranslationsManager languages;
        const auto back = qScopeGuard([&] {
            languages.setLanguage(QStringLiteral("en"));
            QDir::setSearchPaths(QStringLiteral("translations"), roots);
        });
        languages.setLanguage(QStringLiteral("zh_TW"));
        const QString claimWin = QCoreApplication::translate("MeldAuction", "Mahjong", "a win on another player's tile");
        QVERIFY(claimWin != QCoreApplication::translate("MeldAuction", "Mahjong", "a win on the own draw"));
        for (MeldAuction *auction : auctions)
            QTRY_COMPARE(auction->findChild<QPushButton *>(QStringLiteral("mahjongButton"))->text(), claimWin);
    }
    QVERIFY(PostedEvents::settleWidgets());
    saveScreenshot(m_window.get(), QStringLiteral("session-sample-dialogs"));
}

void TestMainWindowSession::forcedLogoutAndLoginWithoutChatSecret()
{
    QVERIFY(startServer());
    openWindow(m_server->gamePort());
    LogFile log;
    QVERIFY(logIn(QStringLiteral("nochat")));
    QVERIFY(m_server->waitForOutput(QStringLiteral("SENT client_config_t")));
    QTRY_VERIFY(log.text().contains(QLatin1String("no chat secret in the login answer, the chat is not started")));
    QCOMPARE(m_window->searchService(), QStringLiteral("search.localhost"));
    // Without a chat server in the configuration the game server's host is taken.
    m_window->onClientConfig(ClientConfig());
    QCOMPARE(m_window->searchService(), QStringLiteral("search.127.0.0.1"));
    // The registration form logs in through the window, so that the credentials are kept.
    auto *form = m_window->findChild<CreateUserWindow *>();
    emit form->doLogin(QStringLiteral("nochat"), QStringLiteral("pw2"));
    QVERIFY(m_server->waitForOutput(QStringLiteral("RECV login_t {\"password\":\"pw2\",\"user\":\"nochat\"}")));
    QCOMPARE(QSettings().value(QStringLiteral("login/userName")).toString(), QStringLiteral("nochat"));

    // Logged out by another login: the window keeps what it showed behind the notice.
    auto *pages = m_window->findChild<QStackedWidget *>(QStringLiteral("centralWidget"));
    QWidget *shown = pages->currentWidget();
    QVERIFY(shown->isVisible());
    m_window->connectionManager().filter_join(QStringLiteral("forced-logout"));
    QTRY_COMPARE(m_fatal.size(), 1);
    QCOMPARE(m_fatal[0].title, QStringLiteral("Forced logout"));
    QCOMPARE(m_fatal[0].text, QStringLiteral("You were forcefully logged out!"));
    QVERIFY(PostedEvents::settleWidgets());
    QCOMPARE(pages->currentWidget(), shown);
    QVERIFY(shown->isVisible());
}

void TestMainWindowSession::aFaultEndsTheSessionBeforeTheFramesAfterIt()
{
    // Three packets without a meaning in one write: the first ends the session, and the
    // two behind it are not handled while its box is open, nor after.
    QVERIFY(startServer());
    openWindow(m_server->gamePort());
    QVERIFY(m_server->waitForOutput(QStringLiteral("SENT game_version_answer_t")));
    QTRY_VERIFY(m_window->connectionManager().isConnected());
    m_window->connectionManager().filter_join(QStringLiteral("fault"));
    QTRY_COMPARE(m_fatal.size(), 1);
    // The others came with it; what the client queued to handle later is delivered.
    QVERIFY(m_server->waitForOutput(QStringLiteral("SENT kick_player_t x3")));
    QVERIFY(PostedEvents::settleWidgets());
    QCOMPARE(m_fatal.size(), 1);
    QCOMPARE(m_fatal[0].title, QStringLiteral("Error"));
    QCOMPARE(m_fatal[0].text, QStringLiteral("Unexpected kick reason: 9"));
    QCOMPARE(m_fatal[0].exitCode, 1);
}

void TestMainWindowSession::quitAsksOnceAndSendsTheSettings()
{
    // A fresh store sends the computer's description only.
    QMap<QString, QString> properties = MainWindow::playerProperties();
    QCOMPARE(properties.keys(), (QStringList{QStringLiteral("system/os"), QStringLiteral("system/osVersion"),
                                             QStringLiteral("system/platform"), QStringLiteral("system/primaryDesktop")}));
    QVERIFY(properties.value(QStringLiteral("system/primaryDesktop")).startsWith(QLatin1String("@Size(")));
    QSettings settings;
    settings.setValue(QStringLiteral("game/windowSize"), QSize(1280, 800));
    settings.setValue(QStringLiteral("lobby/hongkong"), false);
    settings.setValue(QStringLiteral("game/sound"), QPoint(1, 2)); // no text form: skipped
    settings.sync();
    properties = MainWindow::playerProperties();
    QCOMPARE(properties.value(QStringLiteral("game/windowSize")), QStringLiteral("@Size(1280 800)"));
    QCOMPARE(properties.value(QStringLiteral("lobby/hongkong")), QStringLiteral("false"));
    QVERIFY(!properties.contains(QStringLiteral("game/sound")));
    QCOMPARE(properties.size(), 6);

    // From the login page: two clicks, one box; No opens the button again; the close box
    // asks too; the stored lobby tab stays.
    settings.setValue(QStringLiteral("game/lobbyTab"), 3);
    QVERIFY(startServer());
    openWindow(m_server->gamePort());
    auto *quit = m_window->findChild<QPushButton *>(QStringLiteral("quitButton"));
    quit->click();
    quit->click();
    int boxes = 0;
    for (ModelessMsgBox::MsgBox *box : m_window->findChildren<ModelessMsgBox::MsgBox *>())
        boxes += box->isVisible() && box->windowTitle() == QLatin1String("Quit");
    QCOMPARE(boxes, 1);
    QVERIFY(!quit->isEnabled());
    ModelessMsgBox::MsgBox *box = waitForBox(QStringLiteral("Quit"));
    QCOMPARE(box->contentWidget()->findChild<QLabel *>()->text(), QStringLiteral("Are you sure you want to quit?"));
    answer(box, QDialogButtonBox::No);
    QVERIFY(quit->isEnabled());
    m_window->close();
    QVERIFY(m_window->isVisible());
    QVERIFY(box = waitForBox(QStringLiteral("Quit")));
    QVERIFY(!quit->isEnabled());
    answer(box, QDialogButtonBox::No);
    m_window.reset();
    QCOMPARE(QSettings().value(QStringLiteral("game/lobbyTab")).toInt(), 3);
}

// Every button and link that asks for a page, against the demo world: each opens a page
// the demo world serves, in the system browser or inside the client, and none is
// answered with "Page not available". The login page's "Reset password", the terms of
// the new-account form, Support, the account menu and the cashier, the rules link of
// a table of each rule set in the side bar, and the links of the client's own pages.
void TestMainWindowSession::everyPageLinkOpensAPageOfTheDemoWorld()
{
    m_server = std::make_unique<TestServer>();
    QVERIFY(m_server->startDemo(1, 600));
    m_externalUrls.clear();
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "openExternally");
    const auto unset = qScopeGuard([] { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); });
    MainWindow *w = openWindow(m_server->gamePort());
    QStringList opened;
    // The title of the page the system browser was given next.
    const auto nextExternalPage = [&]() -> QString {
        if (!QTest::qWaitFor([&] { return !m_externalUrls.isEmpty(); }, 10000))
            return QStringLiteral("no page opened");
        return servedTitle(m_externalUrls.takeFirst());
    };
    // The title of the page shown inside the client, which is then closed.
    const auto internalPage = [&]() -> QString {
        EmbeddedBrowser *browser = nullptr;
        if (!QTest::qWaitFor([&] {
                browser = w->findChild<EmbeddedBrowser *>();
                return browser && browser->isVisible() && !browser->webView()->title().isEmpty()
                       && !browser->webView()->title().startsWith(QLatin1String("127.0.0.1"));
            }, 15000))
            return QStringLiteral("no page inside the client");
        const QString title = browser->webView()->title();
        browser->close();
        if (!QTest::qWaitFor([&] { return !w->findChild<EmbeddedBrowser *>(); }))
            return title + QStringLiteral(", not closed");
        return title;
    };

    auto *login = w->findChild<QWidget *>(QStringLiteral("loginWindow"));
    // Once the server accepted the client's version, which then asks for the side page.
    QVERIFY(m_server->waitForOutput(QStringLiteral("SENT local_web_page_t"), 15000));
    QVERIFY(clickLink(login->findChild<QLabel *>(QStringLiteral("resetPasswordLabel"))));
    QCOMPARE(nextExternalPage(), QStringLiteral("Reset password"));

    // The client's own form takes a new user in; its terms are the demo world's.
    QTest::mouseClick(login->findChild<QPushButton *>(QStringLiteral("createUserButton")), Qt::LeftButton);
    auto *pages = w->findChild<QStackedWidget *>(QStringLiteral("centralWidget"));
    QTRY_COMPARE(pages->currentWidget()->objectName(), QStringLiteral("createUserWidget"));
    auto *form = w->findChild<CreateUserWindow *>();
    QVERIFY(clickLink(form->findChild<QLabel *>(QStringLiteral("tcUrl"))));
    QCOMPARE(nextExternalPage(), QStringLiteral("Terms of use"));
    QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("cancelButton")), Qt::LeftButton);
    QTRY_COMPARE(pages->currentWidget()->objectName(), QStringLiteral("loginWidget"));

    QVERIFY(logIn(QStringLiteral("ann")));
    QTRY_COMPARE(pages->currentWidget()->objectName(), QStringLiteral("loggedInWidget"));
    // The demo world's side page stands beside the lobby.
    auto *side = w->findChild<EmbeddedWebPage *>(QStringLiteral("adSidePage"));
    QTRY_VERIFY_WITH_TIMEOUT(side->webView() && side->webView()->title() == QLatin1String("Demo world"), 15000);
    QVERIFY(WebViews::showsPage(side->webView()));
    saveScreenshot(w, QStringLiteral("session-demo-side-page"));
    QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("supportButton")), Qt::LeftButton);
    QCOMPARE(nextExternalPage(), QStringLiteral("Support"));
    auto *account = w->findChild<QPushButton *>(QStringLiteral("accountButton"));
    QTRY_COMPARE(account->menu()->actions().size(), 3);
    const QStringList accountPages{"Cashier", "Withdraw", "Hand history"};
    for (int i = 0; i < 3; ++i) {
        QTRY_VERIFY(account->isEnabled());
        account->menu()->actions().at(i)->trigger();
        QCOMPARE(internalPage(), accountPages.at(i));
    }
    QTRY_VERIFY(w->findChild<QPushButton *>(QStringLiteral("cashierButton"))->isEnabled());
    QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("cashierButton")), Qt::LeftButton);
    QCOMPARE(internalPage(), QStringLiteral("Cashier"));

    // A table's rules, from its side bar: the practice tables of four rule sets.
    TableModel *tables = w->findChild<LobbyController *>()->tableModel();
    const struct
    {
        qint32 table;
        const char *rules;
    } practice[] = {{3009, "Classic rules"}, {3010, "Riichi rules"}, {3011, "International rules"}, {3013, "Hong Kong rules"}};
    auto *stack = w->findChild<QStackedWidget *>(QStringLiteral("loggedInStack"));
    for (const auto &p : practice) {
        QTRY_VERIFY(tables->hasTable(p.table));
        w->watchTable(p.table);
        GameWindow *table = nullptr;
        QTRY_VERIFY((table = qobject_cast<GameWindow *>(stack->currentWidget())) && table->tableId() == p.table);
        auto *description = table->sideBar()->findChild<QLabel *>(QStringLiteral("tableDescription"));
        QTRY_VERIFY(description->isVisible() && description->text().contains(QLatin1String("client://rules/")));
        QVERIFY2(clickLink(description), qPrintable(description->text()));
        QCOMPARE(nextExternalPage(), QLatin1String(p.rules));
    }
    w->displayLobby();

    // The links of the client's own pages (welcome, how-to, support), as their buttons
    // hand them to the client.
    auto *welcome = w->findChild<EmbeddedWebPage *>(QStringLiteral("welcomePage"));
    QVERIFY(welcome);
    const struct
    {
        const char *link;
        const char *title;
        bool inside;
    } links[] = {{"client://help", "Help", false},
                 {"client://support", "Support", false},
                 {"client://externsupport", "Support", false},
                 {"client://my-account", "Cashier", true},
                 {"client://my-account/hand_history", "Hand history", true}};
    for (const auto &link : links) {
        emit welcome->launchBrowser(QLatin1String(link.link));
        QCOMPARE(link.inside ? internalPage() : nextExternalPage(), QLatin1String(link.title));
    }

    // Nothing more comes of the links once the server answered a question asked after
    // them.
    QVERIFY(serverRoundTrip(w->connectionManager()));
    QVERIFY(m_externalUrls.isEmpty());
    QVERIFY(!waitForBox(QStringLiteral("Page not available"), 0));
    QVERIFY(m_fatal.isEmpty());
}

MAHJONG_TEST_MAIN(TestMainWindowSession)

#include "tst_mainwindowsession.moc"
