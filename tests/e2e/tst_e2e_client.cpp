// The client's main job from end to end, as a player has it: the client's own start-up
// path against the demo world of the test game server (which also serves the start-up
// documents) and a real ejabberd whose accounts the game server registers at login.
// Through the real widgets: log in, see the lobby fill, open a table from it, play two
// whole hands answering every prompt, through the end-of-hand window and Ready into the
// next hand, while a second client watches the table and sees the same discards and the
// two talk in the table's chat room; then quit.

#include "DemoPlayer.h"

#include "chat/EjabberdTestServer.h"
#include "screenshot.h"

#include "app/Utils.h"
#include "app/startup/ClientMain.h"
#include "chat/ChatController.h"
#include "chat/ChatOutputWidget.h"
#include "chat/ConferenceTableChat.h"
#include "chat/ConferenceWidget.h"
#include "chat/xmpp/XMPPClient.h"
#include "connection/PlayerDb.h"
#include "lobby/LobbyController.h"
#include "table/dialogs/ScoreBoard.h"
#include "table/dialogs/SeatedWindow.h"
#include "table/dialogs/WashoutWindow.h"
#include "ui/ModelessMsgBox.h"
#include "ui/UTabWidget.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QSettings>
#include <QStackedWidget>
#include <QTabBar>
#include <QThread>
#include <QTreeView>

#include <signal.h>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

namespace {

constexpr qint32 table = 3001;

QString g_runDir;
QString g_xmppDir;
quint16 g_xmppPort = 0;
quint16 g_gamePort = 0;
int g_failures = 0;

bool check(bool condition, const QString &what)
{
    if (!condition) {
        std::fprintf(stderr, "FAIL: %s\n", qPrintable(what));
        ++g_failures;
    }
    return condition;
}

bool waitFor(const std::function<bool()> &condition, const QString &what, int msecs = 20000)
{
    return check(QTest::qWaitFor(condition, msecs), QStringLiteral("timed out waiting for ") + what);
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

QLineEdit *chatInput(QWidget *window)
{
    const auto inputs = window->findChildren<QLineEdit *>(QStringLiteral("chatInput"));
    return inputs.isEmpty() ? nullptr : inputs.first();
}

QString chatText(QWidget *window)
{
    const auto views = window->findChildren<ConferenceWidget *>();
    return views.isEmpty() ? QString() : views.first()->output()->toPlainText();
}

// A second client beside the client under test, built from the client's own parts: the
// game connection, the table list, the chat client and the game controller whose table
// windows chat in the table's room.
struct Client
{
    DemoPlayer game;
    std::unique_ptr<LobbyController> lobby;
    std::unique_ptr<XMPPClient> chat;
    std::unique_ptr<PlayerDb> players;
    std::unique_ptr<ChatController> chatContext;

    bool start(quint16 gamePort, quint16 chatPort, const QString &name)
    {
        // TLS as the client's own connection, trusting the CAs the client trusts.
        game.connection = std::make_unique<ConnectionManager>(true);
        QSignalSpy versions(game.connection.get(), &ConnectionManager::versionCheckComplete);
        game.connection->connectTo(QStringLiteral("localhost"), gamePort);
        if (!versions.wait(10000))
            return false;
        lobby = std::make_unique<LobbyController>(game.connection.get(), nullptr);
        QSignalSpy loggedIn(game.connection.get(), &ConnectionManager::loginSuccess);
        game.connection->login(name, QStringLiteral("pw"));
        if (!loggedIn.wait(20000))
            return false;
        game.id = loggedIn.first().at(0).toInt();
        game.chatSecret = loggedIn.first().at(2).toString();

        // The chat account was registered by the game server before it answered.
        chat = std::make_unique<XMPPClient>();
        QSignalSpy chatConnected(chat.get(), &XMPPClient::connected);
        chat->login(QString::number(game.id), game.chatSecret);
        chat->connectToHost(QStringLiteral("localhost"), chatPort, XMPPClient::TlsRequired);
        if (!chatConnected.wait(10000) && chatConnected.isEmpty())
            return false;
        players = std::make_unique<PlayerDb>(game.connection.get(), nullptr);
        players->setLocalPlayer(game.id, name);
        chatContext = std::make_unique<ChatController>(players.get(), chat.get());
        chatContext->setConferenceJid(QStringLiteral("conference.localhost"));
        chatContext->setLobbyRoomJid(QStringLiteral("lobby@conference.localhost"));

        TableWindowServices services;
        services.players = players.get();
        ChatController *context = chatContext.get();
        services.tableChat = [context] { return std::make_unique<ConferenceTableChat>(context); };
        game.controller = std::make_unique<GameController>(game.connection.get(), services, nullptr);
        game.controller->setPlayerId(game.id);
        game.controller->setPlayerName(name);
        game.controller->setTableModel(lobby->tableModel());
        QObject::connect(game.controller.get(), &GameController::tableViewCreated, game.controller.get(),
                         [this](qint32, GameWindow *w) { game.window = w; });

        lobby->tableModel()->subscribe(QStringLiteral("101/Regular"));
        return true;
    }

    ~Client()
    {
        if (lobby)
            lobby->tableModel()->unsubscribe(QStringLiteral("101/Regular"));
    }

    GameModel *model() const { return game.model(table); }
    GameWindow *window() const { return game.window; }
};


// Plays the session once the main window is up; the client's event loop runs it.
void playSession()
{
    if (!waitFor([] { return child<QLineEdit>("passwordEdit", "loginWindow") != nullptr; }, QStringLiteral("the login page"), 30000)) {
        QCoreApplication::exit(3);
        return;
    }
    QMainWindow *window = mainWindow();
    window->resize(1280, 800);
    // Animations off, as a player may set them, so that two hands take seconds.
    QSettings().setValue(QStringLiteral("game/animations"), false);
    auto *user = child<QLineEdit>("loginEdit", "loginWindow");
    user->clear();
    QTest::keyClicks(user, QStringLiteral("alice"));
    QTest::keyClicks(child<QLineEdit>("passwordEdit", "loginWindow"), QStringLiteral("secret"));
    if (!waitFor([] { return child<QPushButton>("loginButton", "loginWindow")->isEnabled(); }, QStringLiteral("the login button"))) {
        QCoreApplication::exit(3);
        return;
    }
    QTest::mouseClick(child<QPushButton>("loginButton", "loginWindow"), Qt::LeftButton);

    // The Play tab's lobby fills with the demo world's regular tables.
    QTabBar *tabs = nullptr;
    if (waitFor([&] {
            auto *mainTabs = child<UTabWidget>("mainTabs");
            return mainTabs && (tabs = mainTabs->tabBar()) && tabs->count() == 6;
        }, QStringLiteral("the lobby tabs")))
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    QTreeView *lobby = nullptr;
    QModelIndex row;
    waitFor([&] {
        lobby = child<QTreeView>("lobbyTreeView");
        if (!lobby || !lobby->isVisible() || lobby->model()->rowCount() < 8)
            return false;
        for (int r = 0; r < lobby->model()->rowCount(); ++r) {
            if (lobby->model()->index(r, 0).data(Qt::UserRole).toInt() == table)
                row = lobby->model()->index(r, 0);
        }
        return row.isValid();
    }, QStringLiteral("the lobby's eight regular tables"));
    QTest::qWait(300);
    check(saveScreenshot(window, QStringLiteral("e2e-lobby")), QStringLiteral("the lobby screenshot"));
    if (!row.isValid()) {
        QCoreApplication::exit(4);
        return;
    }
    lobby->scrollTo(row);
    const QPoint centre = lobby->visualRect(row).center();
    QTest::mouseClick(lobby->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(lobby->viewport(), Qt::LeftButton, {}, centre);
    auto *stack = child<QStackedWidget>("loggedInStack");
    GameWindow *tableWindow = nullptr;
    if (!waitFor([&] { return stack && (tableWindow = qobject_cast<GameWindow *>(stack->currentWidget())) && tableWindow->model(); },
                 QStringLiteral("the table's page"))) {
        QCoreApplication::exit(4);
        return;
    }
    GameModel *model = tableWindow->model();
    waitFor([&] { return DemoPlay::shownButton(tableWindow->seatedWindow(), QStringLiteral("playButton")) != nullptr; },
            QStringLiteral("the seat offer"));

    {
        // Bob watches the same table from a client of his own; a line typed at the table
        // reaches him.
        Client bob;
        check(bob.start(g_gamePort, g_xmppPort, QStringLiteral("bob")), QStringLiteral("bob's login"));
        waitFor([&] { return bob.lobby->tableModel()->hasTable(table); }, QStringLiteral("the table in bob's list"));
        bob.game.connection->watch_table(table);
        check(bob.game.showWindow(), QStringLiteral("bob's table window"));
        waitFor([&] { return chatInput(tableWindow) && chatInput(tableWindow)->isEnabled(); }, QStringLiteral("alice's table chat"));
        waitFor([&] { return bob.window() && chatInput(bob.window()) && chatInput(bob.window())->isEnabled(); }, QStringLiteral("bob's table chat"));
        if (QLineEdit *input = chatInput(tableWindow)) {
            QTest::keyClicks(input, QStringLiteral("good luck, bots"));
            QTest::keyClick(input, Qt::Key_Return);
        }
        waitFor([&] { return bob.window() && chatText(bob.window()).contains(QStringLiteral("alice: good luck, bots")); },
                QStringLiteral("alice's line at bob's table"));

        QTest::mouseClick(DemoPlay::shownButton(tableWindow->seatedWindow(), QStringLiteral("playButton")), Qt::LeftButton);
        int scoreBoards = 0;
        for (int hand = 1; hand <= 2 && g_failures == 0; ++hand) {
            waitFor([&] { return model->gameState() == GameModel::HAND_IN_PLAY; }, QStringLiteral("hand %1").arg(hand));
            if (hand == 1) {
                QTest::qWait(300);
                check(saveScreenshot(window, QStringLiteral("e2e-table")), QStringLiteral("the table screenshot"));
            }
            if (!check(DemoPlay::playHand(tableWindow, model, model->ownPlayer() ? model->ownPlayer()->id() : -1),
                       QStringLiteral("hand %1 to its end").arg(hand)))
                break;
            waitFor([&] { return tableWindow->scoreBoard()->isVisible() || tableWindow->washoutWindow()->isVisible(); },
                    QStringLiteral("the end-of-hand window"));
            waitFor([&] { return !tableWindow->actionQueue().isBusy() && tableWindow->actionQueue().isEmpty(); },
                    QStringLiteral("the table's animations"));
            if (tableWindow->scoreBoard()->isVisible()) {
                ++scoreBoards;
                saveScreenshot(window, QStringLiteral("e2e-score-board-%1").arg(hand));
            }
            // The watcher saw the same hand: every seat's discards and melds.
            waitFor([&] { return bob.model() && bob.model()->gameState() == GameModel::HAND_OVER; }, QStringLiteral("bob's hand end"));
            for (const auto &[id, player] : model->players()) {
                const PlayerData *seen = bob.model()->findPlayer(id);
                check(seen && seen->discards() == player.discards() && seen->melds().size() == player.melds().size(),
                      QStringLiteral("bob saw player %1's discards and melds").arg(id));
            }
            check(DemoPlay::sayReady(tableWindow), QStringLiteral("the ready button"));
        }
        waitFor([&] { return model->gameState() == GameModel::HAND_IN_PLAY; }, QStringLiteral("the third hand"));
        // This seed's hands end in mahjong: claims and the win were taken when offered.
        check(scoreBoards == 2, QStringLiteral("two score boards, not %1").arg(scoreBoards));
        bob.game.controller->destroyTable(table);
    }

    QTest::mouseClick(child<QPushButton>("quitButton"), Qt::LeftButton);
    ModelessMsgBox::MsgBox *box = nullptr;
    waitFor([&] {
        for (ModelessMsgBox::MsgBox *b : window->findChildren<ModelessMsgBox::MsgBox *>()) {
            if (b->isVisible() && b->windowTitle() == QLatin1String("Quit"))
                box = b;
        }
        return box != nullptr;
    }, QStringLiteral("the quit question"));
    if (box)
        QTest::mouseClick(box->buttonBox()->button(QDialogButtonBox::Yes), Qt::LeftButton);
    else
        QCoreApplication::exit(5);
}

// The session waits in nested event loops, so it starts once the client's own event loop
// runs, posted rather than timed.
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
    const QString binary = qEnvironmentVariable("MAHJONG_BINARY_DIR");
    g_xmppDir = qEnvironmentVariable("XMPP_SERVER_DIR");
    g_runDir = binary + QStringLiteral("/e2e-run");
    QDir(g_runDir).removeRecursively();
    QDir().mkpath(g_runDir + QStringLiteral("/resources/ca-certs"));

    // Trusted: the test game server's CA and ejabberd's.
    QString xmppCa;
    for (const QString &line : readFile(g_xmppDir + QStringLiteral("/env")).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("XMPP_PORT=")))
            g_xmppPort = line.mid(10).toUShort();
        if (line.startsWith(QLatin1String("XMPP_CA=")))
            xmppCa = line.mid(8);
    }
    if (g_xmppPort == 0 || !QFile::copy(xmppCa, g_runDir + QStringLiteral("/resources/ca-certs/xmpp-ca.pem"))
        || !QFile::copy(binary + QStringLiteral("/testcerts/ca.pem"), g_runDir + QStringLiteral("/resources/ca-certs/game-ca.pem"))) {
        std::fprintf(stderr, "FAIL: ejabberd's env file or the test CAs are missing\n");
        return 1;
    }
    writeFile(g_runDir + QStringLiteral("/scenario.json"),
              "{\"http\": {\"/client/server_info.xml\": \"server_info.xml\","
              " \"/client/linux/client_versions.xml\": \"client_versions.xml\"}}\n");
    writeFile(g_runDir + QStringLiteral("/client_versions.xml"), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<clientversions/>\n");
    writeFile(g_runDir + QStringLiteral("/server_info.xml"), QByteArray());

    // The demo world with a fixed seed, its computer players without pause.
    const QString log = g_runDir + QStringLiteral("/testserver.log");
    const QString command = QStringLiteral("cd '%1' && exec '%2/tools/testserver/mahjong-testserver' --demo --seed 1 --pace 0 "
                                           "--ejabberd '%3' --scenario scenario.json "
                                           "--cert '%2/testcerts/server.pem' --key '%2/testcerts/server.key' "
                                           ">testserver.log 2>&1 & echo $! >'%1/server.pid'")
                                .arg(g_runDir, binary, g_xmppDir);
    if (std::system(qPrintable(command)) != 0) {
        std::fprintf(stderr, "FAIL: the test game server did not start\n");
        return 1;
    }
    QString httpPort;
    for (int i = 0; i < 100 && httpPort.isEmpty(); ++i) {
        const QString first = readFile(log).section(QLatin1Char('\n'), 0, 0);
        if (first.startsWith(QLatin1String("LISTENING"))) {
            g_gamePort = first.section(QLatin1String("game="), 1).section(QLatin1Char(' '), 0, 0).toUShort();
            httpPort = first.section(QLatin1String("http="), 1).section(QLatin1Char(' '), 0, 0);
        }
        QTest::qSleep(100);
    }
    const QString pid = readFile(g_runDir + QStringLiteral("/server.pid")).trimmed();
    auto stopServer = [&] {
        if (!pid.isEmpty())
            ::kill(pid.toInt(), SIGTERM);
    };
    if (httpPort.isEmpty()) {
        std::fprintf(stderr, "FAIL: the test game server did not listen\n");
        stopServer();
        return 1;
    }
    writeFile(g_runDir + QStringLiteral("/server_info.xml"),
              QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<serverinfo>\n"
                             "  <gameserver host=\"localhost\" port=\"%1\"/>\n"
                             "  <versioncheck url=\"https://{host}/client/{sku}/client_versions.xml\"/>\n"
                             "</serverinfo>\n").arg(g_gamePort).toUtf8());

    // The client's settings and log stay in the run directory.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(g_runDir + QStringLiteral("/config")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(g_runDir + QStringLiteral("/cache")));
    QByteArray searchPath = (g_runDir + QStringLiteral("/resources")).toLocal8Bit();
    QByteArray serverInfo = (QStringLiteral("localhost:") + httpPort).toLocal8Bit();
    char searchOption[] = "--searchpath";
    char serverInfoOption[] = "--serverinfo";
    char *clientArgv[] = {argv[0], searchOption, searchPath.data(), serverInfoOption, serverInfo.data(), nullptr};
    Q_UNUSED(argc);
    const int exitCode = clientMain(5, clientArgv, QStringLiteral("corvana"));
    QTest::qSleep(300);
    stopServer();

    check(exitCode == 0, QStringLiteral("the client ended with exit code %1").arg(exitCode));
    const QString server = readFile(log);
    check(server.contains(QLatin1String("RECV call_mahjong_t")), QStringLiteral("a mahjong declared"));
    check(server.count(QLatin1String("RECV ready_t")) == 3, QStringLiteral("three ready answers"));
    std::fprintf(stderr, "%s: %d failure(s)\n", g_failures ? "FAILED" : "PASSED", g_failures);
    return g_failures ? 1 : 0;
}
