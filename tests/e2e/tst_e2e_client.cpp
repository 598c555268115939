// The client's main job from end to end, as a player has it: the client's own start-up
// path against the demo world of the test game server (which also serves the start-up
// documents) and a real ejabberd whose accounts the game server registers at login.
// Through the real widgets: change the language on the login page and back without a
// box, log in, open the cashier's page, see the lobby fill, open a table from it, play two
// whole hands answering every prompt, through the end-of-hand window and Ready into the
// next hand, while a second client watches the table and sees the same discards and the
// two talk in the table's chat room; then the system shuts down in the third hand, and
// on its SIGTERM the client quits as "Quit" does. Before the table, the world's manager is
// found and added as a friend, greets in the manager chat, which opens clear of the tabs
// and the friend list, and answers, and the chat reads its times and date in each
// language.

#include "DemoPlayer.h"

#include "clientdriver.h"
#include "screenshot.h"

#include "app/startup/MessageHandler.h"
#include "chat/ChatController.h"
#include "chat/ChatOutputWidget.h"
#include "chat/ChatWindow.h"
#include "chat/FriendSearchWindow.h"
#include "chat/FriendsWindow.h"
#include "chat/ConferenceTableChat.h"
#include "chat/ConferenceWidget.h"
#include "chat/xmpp/XMPPClient.h"
#include "connection/PlayerDb.h"
#include "ui/web/EmbeddedBrowser.h"
#include "ui/web/EmbeddedWebView.h"
#include "lobby/LobbyController.h"
#include "table/dialogs/ScoreBoard.h"
#include "table/dialogs/SeatedWindow.h"
#include "table/dialogs/WashoutWindow.h"
#include "ui/PreferencesWindow.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QListView>
#include <QRegularExpression>
#include <QSettings>
#include <QStackedWidget>
#include <QTabBar>
#include <QTextBlock>
#include <QTreeWidget>

#include <algorithm>
#include <memory>

#include <unistd.h>

namespace {

constexpr qint32 table = 3001;

using namespace ClientDriver;

quint16 g_xmppPort = 0;
quint16 g_gamePort = 0;
QElapsedTimer g_shutDown;

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


void openTab(int index)
{
    if (auto *tabs = child<UTabWidget>("mainTabs"))
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(index).center());
}

// The blocks of a chat pane that hold text.
QStringList paneLines(const ChatOutputWidget *pane)
{
    QStringList lines;
    for (QTextBlock block = pane->document()->begin(); block.isValid(); block = block.next()) {
        if (!block.text().isEmpty())
            lines << block.text();
    }
    return lines;
}

// Whether the pane's first line is a date and every line of the chat starts with its time,
// each as the language writes it.
bool readsAs(const ChatOutputWidget *pane, const QString &language)
{
    static const std::map<QString, std::pair<QString, QString>> forms{
        {"en", {"^(\\d{1,2} \\S+ \\d{4}|\\d{1,2}/\\d{1,2}/\\d{2,4})$", "^\\(\\d{1,2}:\\d{2}(:\\d{2})?( [AP]M)?\\) "}},
        {"ja", {"^\\d{4}/\\d{2}/\\d{2}$", "^\\(\\d{1,2}:\\d{2}\\) "}},
        {"zh_CN", {"^\\d{4}/\\d{1,2}/\\d{1,2}$", "^\\(\\d{1,2}:\\d{2}\\) "}},
        {"zh_TW", {"^\\d{4}/\\d{1,2}/\\d{1,2}$", "^\\((上午|下午)\\d{1,2}:\\d{2}\\) "}}};
    const QRegularExpression date(forms.at(language).first);
    const QRegularExpression time(forms.at(language).second);
    const QStringList lines = paneLines(pane);
    return lines.size() > 3 && date.match(lines.first()).hasMatch()
        && std::all_of(lines.begin() + 1, lines.end(), [&time](const QString &line) { return time.match(line).hasMatch(); });
}

// The demo world's manager, found by the friend search and added, greets the player in
// the manager chat and answers the line the player writes there; after each change of
// language the chat's times and date read as that language writes them.
void chatWithTheManager(QMainWindow *window)
{
    openTab(4);
    auto *friends = window->findChild<FriendsWindow *>();
    QLineEdit *search = friends ? friends->findChild<QLineEdit *>(QStringLiteral("friendSearchEdit")) : nullptr;
    if (!waitFor([&] { return search && search->isEnabled(); }, QStringLiteral("the friend search")))
        return;
    QTest::keyClicks(search, QStringLiteral("Kaede"));
    QTest::keyClick(search, Qt::Key_Return);
    FriendSearchWindow *found = nullptr;
    QTreeWidget *results = nullptr;
    if (!waitFor([&] {
            found = window->findChild<FriendSearchWindow *>();
            results = found ? found->findChild<QTreeWidget *>(QStringLiteral("resultList")) : nullptr;
            return results && results->topLevelItemCount() == 1;
        }, QStringLiteral("the manager found by the search")))
        return;
    check(results->topLevelItem(0)->text(0) == QLatin1String("Kaede"), QStringLiteral("the manager's name in the search"));
    QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, results->visualItemRect(results->topLevelItem(0)).center());
    QTest::mouseClick(found->findChild<QPushButton *>(QStringLiteral("addToFriendsButton")), Qt::LeftButton);
    QTest::mouseClick(found->findChild<QPushButton *>(QStringLiteral("closeButton")), Qt::LeftButton);

    ChatWindow *chat = nullptr;
    ChatOutputWidget *pane = nullptr;
    if (!waitFor([&] {
            for (ChatWindow *shown : window->findChildren<ChatWindow *>()) {
                if (shown->isVisible())
                    chat = shown;
            }
            pane = chat ? chat->findChild<ChatOutputWidget *>(QStringLiteral("output")) : nullptr;
            // (Greeted as she logged in where a chat server of an earlier run has her as
            // the manager's friend already.)
            return pane
                && (pane->toPlainText().contains(QStringLiteral("Kaede\uFFFC: Hello alice, I am Kaede"))
                    || pane->toPlainText().contains(QStringLiteral("Kaede\uFFFC: Welcome back, alice.")));
        }, QStringLiteral("the manager's greeting in the manager chat")))
        return;
    auto *list = friends->findChild<QListView *>(QStringLiteral("friendList"));
    waitFor([&] { return list->model()->rowCount() == 1 && list->model()->index(0, 0).data() == QLatin1String("Kaede"); },
            QStringLiteral("the manager among the friends"));
    // The chat window leaves the tabs and the friend just added in sight.
    const QTabBar *tabs = child<UTabWidget>("mainTabs")->tabBar();
    const QRect friendRow = list->visualRect(list->model()->index(0, 0));
    const QRect chatPlace = chat->frameGeometry();
    check(chat->parentWidget() == window && !chatPlace.intersects(QRect(tabs->mapTo(window, QPoint()), tabs->size()))
              && !chatPlace.intersects(QRect(list->viewport()->mapTo(window, friendRow.topLeft()), friendRow.size()))
              && window->rect().contains(chatPlace),
          QStringLiteral("the manager chat at %1,%2 over the tabs or the friend list's first row")
              .arg(chatPlace.x()).arg(chatPlace.y()));
    auto *input = chat->findChild<QLineEdit *>(QStringLiteral("input"));
    QTest::keyClicks(input, QStringLiteral("Which table suits a beginner?"));
    QTest::keyClick(input, Qt::Key_Return);
    waitFor([&] {
        return pane->toPlainText().contains(
            QStringLiteral("Kaede\uFFFC: Thank you, alice. I have read your line: \u201CWhich table suits a beginner?\u201D"));
    }, QStringLiteral("the manager's answer"));
    const QStringList said = paneLines(pane);
    check(said.filter(QStringLiteral("alice: Which table suits a beginner?")).size() == 1
              && said.filter(QRegularExpression(QStringLiteral("Kaede\uFFFC: (Hello|Welcome back)"))).size() == 1,
          QStringLiteral("the manager's greeting and the player's line once each in the manager chat"));

    openTab(3);
    auto *preferences = window->findChild<PreferencesWindow *>();
    auto *languages = preferences ? preferences->findChild<QComboBox *>(QStringLiteral("languageSelection")) : nullptr;
    if (!check(languages != nullptr, QStringLiteral("the language choice")))
        return;
    for (const QString language : {"ja", "zh_TW", "zh_CN", "en"}) {
        languages->setCurrentIndex(languages->findData(language));
        if (!waitFor([&] { return readsAs(pane, language); }, QStringLiteral("the manager chat's times and date in ") + language))
            std::fprintf(stderr, "%s\n", qPrintable(paneLines(pane).join(u'\n')));
        check(saveScreenshot(chat, QStringLiteral("e2e-manager-chat-%1").arg(language))
                  && saveScreenshot(window, QStringLiteral("e2e-manager-chat-friends-%1").arg(language)),
              QStringLiteral("the manager chat's screenshots"));
    }
    chat->close();
}

// Plays the session once the main window is up; the client's event loop runs it.
void playSession()
{
    // Animations off, as a player may set them, so that two hands take seconds.
    QSettings().setValue(QStringLiteral("game/animations"), false);
    if (!typeLogin(QStringLiteral("alice"), QStringLiteral("secret"))) {
        QCoreApplication::exit(3);
        return;
    }
    QMainWindow *window = mainWindow();

    // Japanese and back on the login page: the pages asked for again come without a box.
    auto *languages = child<QComboBox>("languageSelection", "loginWindow");
    const int english = languages->currentIndex();
    languages->setCurrentIndex(languages->findData(QStringLiteral("ja")));
    QTest::qWait(500);
    languages->setCurrentIndex(english);
    QTest::qWait(500);
    const auto boxes = window->findChildren<ModelessMsgBox::MsgBox *>();
    check(std::none_of(boxes.begin(), boxes.end(), [](const QWidget *box) { return box->isVisible(); }),
          QStringLiteral("no box after a language change on the login page"));
    QTest::mouseClick(child<QPushButton>("loginButton", "loginWindow"), Qt::LeftButton);

    // The cashier opens the demo world's page inside the client.
    EmbeddedBrowser *cashier = nullptr;
    if (waitFor([] { auto *button = child<QPushButton>("cashierButton"); return button && button->isVisible(); },
                QStringLiteral("the cashier button"))) {
        QTest::mouseClick(child<QPushButton>("cashierButton"), Qt::LeftButton);
        waitFor([&] { return (cashier = window->findChild<EmbeddedBrowser *>()) && cashier->webView()->title() == QLatin1String("Cashier"); },
                QStringLiteral("the cashier's page"));
        if (cashier)
            cashier->close();
    }

    chatWithTheManager(window);

    // The Play tab's lobby fills with the demo world's regular tables.
    openPlayTab();
    QTreeView *lobby = nullptr;
    QModelIndex row;
    waitFor([&] {
        lobby = child<QTreeView>("lobbyTreeView");
        if (!lobby || !lobby->isVisible() || lobby->model()->rowCount() < 8)
            return false;
        row = lobbyRow(lobby, table);
        return row.isValid();
    }, QStringLiteral("the lobby's eight regular tables"));
    QTest::qWait(300);
    check(saveScreenshot(window, QStringLiteral("e2e-lobby")), QStringLiteral("the lobby screenshot"));
    if (!row.isValid()) {
        QCoreApplication::exit(4);
        return;
    }
    doubleClickRow(lobby, row);
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

    g_shutDown.start();
    if (!check(::kill(::getpid(), SIGTERM) == 0, QStringLiteral("SIGTERM sent")))
        QCoreApplication::exit(5);
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
    if (!run.prepare(QStringLiteral("e2e-run")))
        return 1;
    writeFile(run.runDir + QStringLiteral("/scenario.json"),
              "{\"http\": {\"/client/server_info.xml\": \"server_info.xml\","
              " \"/client/linux/client_versions.xml\": \"client_versions.xml\"}}\n");

    // The demo world with a fixed seed, its computer players without pause.
    if (!run.startServer({QStringLiteral("--demo"), QStringLiteral("--seed"), QStringLiteral("10"),
                          QStringLiteral("--pace"), QStringLiteral("0"), QStringLiteral("--ejabberd"), run.xmppDir,
                          QStringLiteral("--scenario"), QStringLiteral("scenario.json")}))
        return 1;
    g_xmppPort = run.xmppPort;
    g_gamePort = run.gamePort;

    // The client's settings and log stay in the run directory.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(run.runDir + QStringLiteral("/config")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(run.runDir + QStringLiteral("/cache")));
    const int exitCode = run.runClient(argv[0]);

    check(exitCode == 0, QStringLiteral("the client ended with exit code %1").arg(exitCode));
    // Within seconds of the signal (the server's log is read a moment after the client ended).
    check(g_shutDown.isValid() && g_shutDown.elapsed() < 5000,
          QStringLiteral("the client took %1 ms to quit").arg(g_shutDown.elapsed()));
    const QString server = run.serverLog();
    check(server.contains(QLatin1String("RECV call_mahjong_t")), QStringLiteral("a mahjong declared"));
    check(server.count(QLatin1String("RECV ready_t")) == 3, QStringLiteral("three ready answers"));
    // The quit's properties, then its logout.
    const qsizetype properties = server.indexOf(QLatin1String("RECV store_player_properties_t"));
    check(properties >= 0 && server.indexOf(QLatin1String("RECV logout_t"), properties) > properties,
          QStringLiteral("the server saw no properties and logout after the signal"));
    const QString log = readFile(MessageHandler::logFilePath()).trimmed();
    check(log.contains(QLatin1String("SIGTERM received, quitting"))
              && log.endsWith(QLatin1String("[INFO ] Session ended with exit code 0")),
          QStringLiteral("the client's log does not end with the session: %1").arg(log.right(300)));
    check(!QFile::exists(QFileInfo(MessageHandler::logFilePath()).dir().filePath(QStringLiteral("mahjong.lock"))),
          QStringLiteral("the single-instance lock is left"));
    return verdict();
}
