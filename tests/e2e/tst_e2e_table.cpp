#include "DemoPlayer.h"

#include "EjabberdTestServer.h"
#include "SceneTestSetup.h"
#include "lobbyscreenshot.h"
#include "protocol/TestServer.h"

#include "chat/ChatController.h"
#include "chat/ChatOutputWidget.h"
#include "chat/ConferenceTableChat.h"
#include "chat/ConferenceWidget.h"
#include "chat/xmpp/XMPPClient.h"
#include "connection/PlayerDb.h"
#include "lobby/CustomItem.h"
#include "lobby/LobbyController.h"
#include "lobby/LobbyWindow.h"
#include "table/dialogs/ScoreBoard.h"
#include "table/dialogs/SeatedWindow.h"
#include "table/dialogs/WashoutWindow.h"

#include "testmain.h"

#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTreeView>

#include <memory>

namespace {

using DemoPlay::shownButton;

constexpr qint32 table = 3001;

// One client against both servers: the game connection, the lobby with its window, the
// chat client and the game controller whose table windows chat in the table's room.
struct Client
{
    DemoPlayer game;
    std::unique_ptr<LobbyController> lobby;
    std::unique_ptr<LobbyWindow> lobbyWindow;
    std::unique_ptr<XMPPClient> chat;
    std::unique_ptr<PlayerDb> players;
    std::unique_ptr<ChatController> chatContext;

    bool start(quint16 gamePort, quint16 chatPort, const QString &name)
    {
        if (!game.connect(gamePort))
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

        // As the main window builds its lobby: the practice tables beside the regular ones.
        lobbyWindow.reset(lobby->createLobbyWindow());
        lobby->tableModel()->subscribe(QStringLiteral("101/Practice"));
        QObject::connect(lobbyWindow.get(), &LobbyWindow::tableActivated, game.connection.get(),
                         [this](qint32 id) { game.connection->join_table(id); });
        lobbyWindow->resize(900, 560);
        lobbyWindow->show();
        return QTest::qWaitForWindowExposed(lobbyWindow.get());
    }

    ~Client()
    {
        if (lobby)
            lobby->tableModel()->unsubscribe(QStringLiteral("101/Practice"));
    }

    GameModel *model() const { return game.model(table); }
    GameWindow *window() const { return game.window; }

    QLineEdit *chatInput() const
    {
        const auto inputs = game.window->findChildren<QLineEdit *>(QStringLiteral("chatInput"));
        return inputs.isEmpty() ? nullptr : inputs.first();
    }
    QString chatText() const
    {
        const auto views = game.window->findChildren<ConferenceWidget *>();
        return views.isEmpty() ? QString() : views.first()->output()->toPlainText();
    }
};

QModelIndex rowOf(QTreeView *view, qint32 tableId)
{
    const QAbstractItemModel *model = view->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        if (model->data(index, TableIdRole).toInt() == tableId)
            return index;
    }
    return {};
}

} // namespace

// The client's main job from end to end against the demo world of the test game server
// and a real ejabberd: the lobby fills, a table is joined from it and two whole hands are
// played through the table window, while a second client watches the same table and the
// two players talk in the table's chat room.
class TestEndToEndTable : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void playsTwoHandsWatchedAndTalking();

private:
    QTemporaryDir m_artwork;
    QTemporaryDir m_work;
    EjabberdTestServer m_chat;
};

void TestEndToEndTable::initTestCase()
{
    QVERIFY2(m_chat.load(qEnvironmentVariable("XMPP_SERVER_DIR")), "no ejabberd of the test fixture");
    SceneTestSetup::install(m_artwork.path(), m_work.path());
    QSettings().setValue(QStringLiteral("game/animations"), false);
}

void TestEndToEndTable::playsTwoHandsWatchedAndTalking()
{
    TestServer server;
    QVERIFY(server.startDemo(1, 0, {QStringLiteral("--ejabberd"), m_chat.dir}));
    Client alice;
    QVERIFY(alice.start(server.gamePort(), m_chat.port, QStringLiteral("alice")));

    // The lobby fills with the demo world's tables, the regular ones in the lobby window;
    // Return on its row joins one.
    auto *view = alice.lobbyWindow->findChild<QTreeView *>(QStringLiteral("lobbyTreeView"));
    QTRY_VERIFY_WITH_TIMEOUT(alice.lobby->tableModel()->rowCount() >= 14, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(rowOf(view, table).isValid(), 5000);
    QVERIFY(view->model()->rowCount() >= 6);
    QVERIFY(saveScreenshot(*alice.lobbyWindow, QStringLiteral("e2e-lobby")) > 8);
    view->setCurrentIndex(rowOf(view, table));
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Return);
    QVERIFY(alice.game.showWindow());
    QTRY_VERIFY_WITH_TIMEOUT(shownButton(alice.window()->seatedWindow(), QStringLiteral("playButton")), 5000);

    // Bob watches the same table from a client of his own.
    Client bob;
    QVERIFY(bob.start(server.gamePort(), m_chat.port, QStringLiteral("bob")));
    QTRY_VERIFY_WITH_TIMEOUT(bob.lobby->tableModel()->hasTable(table), 10000);
    bob.game.connection->watch_table(table);
    QVERIFY(bob.game.showWindow());

    // A line typed at the table reaches the watcher.
    QTRY_VERIFY_WITH_TIMEOUT(alice.chatInput() && alice.chatInput()->isEnabled(), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(bob.chatInput() && bob.chatInput()->isEnabled(), 10000);
    QTest::keyClicks(alice.chatInput(), QStringLiteral("good luck, bots"));
    QTest::keyClick(alice.chatInput(), Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(bob.chatText().contains(QStringLiteral("alice: good luck, bots")), 10000);

    shownButton(alice.window()->seatedWindow(), QStringLiteral("playButton"))->click();
    int scoreBoards = 0;
    for (int hand = 1; hand <= 2; ++hand) {
        QTRY_COMPARE_WITH_TIMEOUT(alice.model()->gameState(), int(GameModel::HAND_IN_PLAY), 10000);
        if (hand == 1)
            QVERIFY(saveScreenshot(*alice.window(), QStringLiteral("e2e-table")) > 8);
        QVERIFY2(alice.game.playHand(table), qPrintable(server.output().right(2000)));
        GameWindow *window = alice.window();
        QTRY_VERIFY_WITH_TIMEOUT(window->scoreBoard()->isVisible() || window->washoutWindow()->isVisible(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!window->actionQueue().isBusy() && window->actionQueue().isEmpty(), 10000);
        QVERIFY(saveScreenshot(*window, QStringLiteral("e2e-hand-end-%1").arg(hand)) > 8);
        if (window->scoreBoard()->isVisible()) {
            ++scoreBoards;
            QVERIFY(saveScreenshot(*window->scoreBoard(), QStringLiteral("e2e-score-board-%1").arg(hand)) > 8);
        }

        // The watcher saw the same hand: every seat's discards and melds.
        QTRY_COMPARE_WITH_TIMEOUT(bob.model()->gameState(), int(GameModel::HAND_OVER), 5000);
        QCOMPARE(bob.model()->players().size(), alice.model()->players().size());
        for (const auto &[id, player] : alice.model()->players()) {
            const PlayerData *seen = bob.model()->findPlayer(id);
            QVERIFY(seen);
            QCOMPARE(seen->discards(), player.discards());
            QCOMPARE(seen->melds().size(), player.melds().size());
        }
        QVERIFY(DemoPlay::sayReady(window));
    }
    QTRY_COMPARE_WITH_TIMEOUT(alice.model()->gameState(), int(GameModel::HAND_IN_PLAY), 10000);
    QCOMPARE(server.output().count(QStringLiteral("RECV ready_t")), 3);
    // This seed's hands end in mahjong: the claims and the win were taken when offered.
    QCOMPARE(scoreBoards, 2);
    QVERIFY(server.output().contains(QStringLiteral("RECV call_mahjong_t")));
}

MAHJONG_TEST_MAIN(TestEndToEndTable)
#include "tst_e2e_table.moc"
