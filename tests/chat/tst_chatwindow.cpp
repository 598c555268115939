#include "testmain.h"

#include "FakeChatServer.h"
#include "connection/ConnectedManager.h"

#include "app/startup/ResourceSearchPaths.h"
#include "chat/ChatManager.h"
#include "chat/ChatOutputWidget.h"
#include "chat/ChatWindow.h"
#include "chat/XMPPChatManager.h"
#include "connection/PlayerDb.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>

namespace {

class ShowCounter : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            ++count;
        return false;
    }

    int count = 0;
};

} // namespace

// One-to-one chats: routing against the scripted chat server, windows with the senders
// named by the test game server (chat-users.json: player 1001 is a manager).
class TestChatWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void routesByThreadAndAddress();
    void windowsStayForManagers();
    void ownLinesAndLostConnection();

private:
    QList<ChatWindow *> windows() const { return m_mainWindow->findChildren<ChatWindow *>(); }

    ConnectedManager m_game;
    std::unique_ptr<PlayerDb> m_db;
    std::unique_ptr<FakeChatServer> m_server;
    std::unique_ptr<XMPPClient> m_client;
    std::unique_ptr<QWidget> m_mainWindow;
};

void TestChatWindow::initTestCase()
{
    setupResourceSearchPaths({}, QStringLiteral("default"));
    QVERIFY(m_game.start(QStringLiteral("chat-users.json")));
    m_db = std::make_unique<PlayerDb>(m_game.manager.get(), nullptr);
    m_db->setLocalPlayer(1003, QStringLiteral("Aiko"));
}

void TestChatWindow::init()
{
    m_server = std::make_unique<FakeChatServer>();
    m_client = std::make_unique<XMPPClient>();
    QVERIFY(m_server->acceptSession(*m_client, "1003@localhost/r1"));
    m_mainWindow = std::make_unique<QWidget>();
    m_mainWindow->resize(800, 600);
    m_mainWindow->show();
}

void TestChatWindow::cleanup()
{
    m_mainWindow.reset();
    m_client.reset();
    m_server.reset();
}

void TestChatWindow::routesByThreadAndAddress()
{
    XMPPChatManager manager(m_client.get());
    QSignalSpy created(&manager, &XMPPChatManager::chatCreated);
    XMPPChat *started = manager.chatWith(parseJid("1002@localhost"));
    XMPPChat *again = manager.chatWith(parseJid("1001@localhost"));
    const QRegularExpression thread("^(\\{[0-9a-f-]{36}\\})-(\\d+)$");
    const QRegularExpressionMatch first = thread.match(started->thread());
    const QRegularExpressionMatch second = thread.match(again->thread());
    QVERIFY2(first.hasMatch(), qPrintable(started->thread()));
    QCOMPARE(first.captured(2), QStringLiteral("0"));
    QCOMPARE(second.captured(1), first.captured(1));
    QCOMPARE(second.captured(2), QStringLiteral("1"));
    QCOMPARE(created.size(), 2);
    QCOMPARE(created.at(0).at(1).toBool(), true);

    QSignalSpy toStarted(started, &XMPPChat::message);
    m_server->send("<message from='1002@localhost/phone' type='chat'><body>reply</body></message>"
                   "<message from='1004@localhost/phone' type='chat'><body>hello</body></message>"
                   "<message from='1004@localhost/tablet' type='chat'><body>me again</body></message>"
                   "<message from='1004@localhost/phone' type='chat'><body>still me</body></message>"
                   // Typing notices and the like carry no text: no chat, no line.
                   "<message from='1005@localhost/phone' type='chat'><composing xmlns='http://jabber.org/protocol/chatstates'/></message>"
                   "<message from='lobby@conference.localhost/1004' type='groupchat'><body>room</body></message>");
    QTRY_COMPARE(toStarted.size(), 1);
    QCOMPARE(toStarted.at(0).at(0).value<XMPPMessage>().body(), QStringLiteral("reply"));
    QTRY_COMPARE(created.size(), 4);
    QTest::qWait(100);
    QCOMPARE(created.size(), 4);
    XMPPChat *phone = manager.chatFor("1004@localhost/phone");
    XMPPChat *tablet = manager.chatFor("1004@localhost/tablet");
    QVERIFY(phone && tablet && phone != tablet);
    QCOMPARE(created.at(2).at(1).toBool(), false);

    // A chat that is gone no longer receives; the next message starts a new one.
    delete phone;
    QCOMPARE(manager.chatFor("1004@localhost/phone"), nullptr);
    m_server->send("<message from='1004@localhost/phone' type='chat'><body>anyone?</body></message>");
    QTRY_COMPARE(created.size(), 5);
}

void TestChatWindow::windowsStayForManagers()
{
    ChatManager chats(m_client.get(), m_db.get(), m_mainWindow.get());
    QPointer<ChatWindow> unsolicited;
    bool created = false;
    ShowCounter shows;
    connect(chats.chatManager(), &XMPPChatManager::chatCreated, this, [&] {
        created = true;
        unsolicited = windows().last();
        unsolicited->installEventFilter(&shows);
    });
    m_server->send("<message from='1002@localhost/phone' type='chat'><body>psst</body></message>");
    QTRY_VERIFY(created);
    QTRY_VERIFY(!unsolicited);
    QCOMPARE(shows.count, 0);
    disconnect(chats.chatManager(), nullptr, this, nullptr);
    QCOMPARE(chats.chatManager()->chatFor("1002@localhost/phone"), nullptr);

    m_server->send("<message from='1001@localhost/desk' type='chat'><thread>t-1</thread><body>Hello &lt;Aiko&gt;</body></message>");
    QTRY_COMPARE(windows().size(), 1);
    ChatWindow *window = windows().first();
    QTRY_VERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Manager chat"));
    QCOMPARE(window->pos(), QPoint(0, 0));
    auto output = window->findChild<ChatOutputWidget *>("output");
    // The manager's icon follows the nick.
    QTRY_VERIFY(output->toPlainText().endsWith(QStringLiteral("Haruto\uFFFC: Hello <Aiko>")));
    QVERIFY(output->toHtml().contains("manager:Haruto"));
    QVERIFY(window->grab().save(QTest::currentTestFunction() + QStringLiteral(".png")));

    // Closing the window ends the chat.
    window->close();
    QTRY_COMPARE(windows().size(), 0);
    QCOMPARE(chats.chatManager()->chatFor("1001@localhost/desk"), nullptr);
}

void TestChatWindow::ownLinesAndLostConnection()
{
    ChatManager chats(m_client.get(), m_db.get(), m_mainWindow.get());
    chats.reqestChat(parseJid("1002@localhost"));
    QCOMPARE(windows().size(), 1);
    ChatWindow *window = windows().first();
    QVERIFY(window->isVisible());
    auto input = window->findChild<QLineEdit *>("input");
    auto output = window->findChild<ChatOutputWidget *>("output");
    const QString thread = window->chat()->thread();

    input->setText("anyone <there>?");
    QTest::keyClick(input, Qt::Key_Return);
    QVERIFY(m_server->waitFor("<message from=\"1003@localhost/r1\" to=\"1002@localhost\" id=\""));
    QVERIFY(m_server->waitFor("type=\"chat\"><body>anyone &lt;there&gt;?</body><thread>" + thread.toLatin1()
                              + "</thread><origin-id xmlns=\"urn:xmpp:sid:0\" id=\""));
    QVERIFY(input->text().isEmpty());
    // Waiting until the server has it, and said once it answers the ping that follows
    // the line.
    QVERIFY(m_server->waitFor("<iq to=\"localhost\" id=\"2\" type=\"get\"><ping xmlns=\"urn:xmpp:ping\"/></iq>"));
    QTRY_VERIFY(output->toPlainText().endsWith("Aiko: anyone <there>? (sending…)"));
    m_server->send("<iq type='result' id='2' from='localhost'/>");
    QTRY_VERIFY(output->toPlainText().endsWith("Aiko: anyone <there>?"));
    QVERIFY(!output->toPlainText().contains("sending"));
    QVERIFY(output->toHtml().contains("user:Aiko"));

    // An unknown sender in a window the user opened is still shown, after the failure.
    m_server->send("<message from='1009@localhost/phone' type='chat'><thread>" + thread.toLatin1()
                   + "</thread><body>yes</body></message>");
    QTRY_VERIFY(output->toPlainText().endsWith(") 1009: yes"));
    QCOMPARE(output->toPlainText().section('\n', -2, -2), QStringLiteral("unknown <user>"));
    QVERIFY(output->toHtml().contains("unknown:1009"));

    // The window says when the chat is gone, and keeps a line it could not send.
    m_server->drop();
    QTRY_COMPARE(m_client->state(), 0);
    QTRY_VERIFY(output->toPlainText().endsWith("\nThe chat is disconnected. It tries to reconnect by itself."));
    const QString before = output->toPlainText();
    input->setText("still there?");
    window->findChild<QPushButton *>("send")->click();
    QTRY_COMPARE(output->toPlainText(), before + "\nNot sent: the chat is disconnected. Your line stays in the input.");
    QCOMPARE(input->text(), QStringLiteral("still there?"));
    QVERIFY(window->isVisible());

    // A login refused on the way back ends the attempts, and the window says so.
    QVERIFY(m_server->waitFor("<stream:stream", XMPPClient::ReconnectDelaysSeconds[0] * 1000 + 5000));
    m_server->sendHeader("<mechanisms xmlns='urn:ietf:params:xml:ns:xmpp-sasl'><mechanism>PLAIN</mechanism></mechanisms>");
    QVERIFY(m_server->waitFor("</auth>"));
    m_server->send("<failure xmlns='urn:ietf:params:xml:ns:xmpp-sasl'><not-authorized/></failure>");
    QTRY_VERIFY(output->toPlainText().endsWith("\nThe chat is disconnected: the chat server refuses your account. "
                                               "It does not reconnect by itself."));
    QVERIFY(!m_client->reconnects());
}

MAHJONG_TEST_MAIN(TestChatWindow)
#include "tst_chatwindow.moc"
