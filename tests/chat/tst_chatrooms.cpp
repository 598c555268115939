#include "testmain.h"

#include "EjabberdTestServer.h"

#include "connection/ConnectedManager.h"

#include "app/startup/ResourceSearchPaths.h"
#include "chat/ChatController.h"
#include "chat/ChatOutputWidget.h"
#include "chat/ConferenceTableChat.h"
#include "chat/ConferenceWidget.h"
#include "chat/xmpp/XMPPClient.h"
#include "connection/PlayerDb.h"

#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QVBoxLayout>

// Room views against a real ejabberd (started by the test fixture with the persistent
// room "lobby"; the test registers accounts of its own) and the test game server, which names
// the nicks (chat-users.json: Haruto is a manager, Mei Ling and Aiko are players).
class TestChatRooms : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void talkInTheLobby();
    void banFromTableRoom();

private:
    // One player at the chat: client, player directory, chat context and room view.
    struct Seat
    {
        std::unique_ptr<XMPPClient> client;
        std::unique_ptr<PlayerDb> db;
        std::unique_ptr<ChatController> context;
        std::unique_ptr<ConferenceWidget> view;

        QLineEdit *input() const { return view->findChild<QLineEdit *>("chatInput"); }
        // The lines without the manager's icon.
        QString text() const { return view->output()->toPlainText().remove(QChar::ObjectReplacementCharacter); }
        void say(const QString &line) const
        {
            input()->setText(line);
            QTest::keyClick(input(), Qt::Key_Return);
        }
    };

    std::unique_ptr<Seat> seat(const QString &account, qint32 playerId, const QString &screenName);
    // Runs the test server's script with the arguments.
    bool run(const QStringList &arguments);

    QString m_serverDir;
    quint16 m_port = 0;
    ConnectedManager m_game;
};

void TestChatRooms::initTestCase()
{
    EjabberdTestServer server;
    m_serverDir = qEnvironmentVariable("XMPP_SERVER_DIR");
    QVERIFY2(server.load(m_serverDir), qPrintable("no test server in " + m_serverDir));
    m_port = server.port;
    QVERIFY(m_port != 0);
    QVERIFY(m_game.start(QStringLiteral("chat-users.json")));

    // Accounts of this test alone: the other chat tests run at the same time.
    for (int account = 2101; account <= 2106; ++account)
        QVERIFY(run({"register", m_serverDir, QString::number(account), "secret"}));

    setupResourceSearchPaths({}, QStringLiteral("default"));
    QFile sheet("resources:/defaultui.css");
    QVERIFY(sheet.open(QIODevice::ReadOnly));
    qApp->setStyleSheet(QString::fromUtf8(sheet.readAll())
                        + "ConferenceWidget { background: #1d3b2f; }");
}

std::unique_ptr<TestChatRooms::Seat> TestChatRooms::seat(const QString &account, qint32 playerId,
                                                         const QString &screenName)
{
    auto s = std::make_unique<Seat>();
    s->client = std::make_unique<XMPPClient>();
    QSignalSpy connected(s->client.get(), &XMPPClient::connected);
    s->client->login(account, "secret");
    s->client->connectToHost("localhost", m_port, XMPPClient::TlsRequired);
    if (!connected.wait(5000) && connected.isEmpty())
        return nullptr;
    s->db = std::make_unique<PlayerDb>(m_game.manager.get(), nullptr);
    s->db->setLocalPlayer(playerId, screenName);
    s->context = std::make_unique<ChatController>(s->db.get(), s->client.get());
    s->context->setConferenceJid("conference.localhost");
    s->context->setLobbyRoomJid("lobby@conference.localhost");
    s->view = std::make_unique<ConferenceWidget>(nullptr, 0);
    s->view->setAttribute(Qt::WA_StyledBackground);
    s->view->setXmppContext(s->context.get());
    s->view->resize(600, 400);
    s->view->show();
    return s;
}

bool TestChatRooms::run(const QStringList &arguments)
{
    return runEjabberdScript(arguments);
}

void TestChatRooms::talkInTheLobby()
{
    auto haruto = seat("2101", 1001, "Haruto");
    auto mei = seat("2102", 1002, "Mei Ling");
    QVERIFY(haruto && mei);
    haruto->view->setLobbyRoom();
    QTRY_VERIFY_WITH_TIMEOUT(haruto->input()->isEnabled(), 5000);
    mei->view->setLobbyRoom();
    QTRY_VERIFY_WITH_TIMEOUT(mei->input()->isEnabled(), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(haruto->text().contains("Mei Ling joined the chat"), 5000);

    const QDateTime before = QDateTime::currentDateTimeUtc();
    haruto->say("hi <b>");
    QVERIFY(haruto->input()->text().isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(mei->text().contains("Haruto: hi <b>"), 5000);
    mei->say("hello Haruto");
    QTRY_VERIFY_WITH_TIMEOUT(haruto->text().contains("Mei Ling: hello Haruto"), 5000);
    const QDateTime after = QDateTime::currentDateTimeUtc();
    QCOMPARE(mei->text().count("Haruto: hi <b>"), 1);
    const QString html = mei->view->output()->toHtml();
    QVERIFY(html.contains("href=\"manager:Haruto\""));
    QVERIFY(html.contains("textimages:chat-manager-icon.png"));
    QVERIFY(html.contains("href=\"user:Mei%20Ling\""));
    QVERIFY(!html.contains("<b>"));

    QTest::qWait(100);
    const QImage shot = mei->view->grab().toImage();
    QVERIFY(shot.save("chatroom-lobby.png"));
    QSet<QRgb> colours;
    for (int y = 0; y < shot.height(); y += 2) {
        for (int x = 0; x < shot.width(); x += 2)
            colours.insert(shot.pixel(x, y));
    }
    QVERIFY2(colours.size() > 20, qPrintable(QString::number(colours.size())));

    // A later arrival gets the talk so far as history, then live lines.
    auto aiko = seat("2103", 1003, "Aiko");
    QVERIFY(aiko);
    QSignalSpy received(aiko->client.get(), &XMPPClient::messageReceived);
    aiko->view->setLobbyRoom();
    QTRY_VERIFY_WITH_TIMEOUT(aiko->text().contains("Mei Ling: hello Haruto"), 5000);
    haruto->say("live now");
    QTRY_VERIFY_WITH_TIMEOUT(aiko->text().contains("Haruto: live now"), 5000);
    const QString seen = aiko->text();
    QCOMPARE(seen.count("Haruto: hi <b>"), 1);
    QCOMPARE(seen.count("Mei Ling: hello Haruto"), 1);
    QVERIFY(seen.indexOf("Haruto: hi <b>") < seen.indexOf("Mei Ling: hello Haruto"));
    QVERIFY(seen.indexOf("Mei Ling: hello Haruto") < seen.indexOf("Haruto: live now"));
    int history = 0;
    for (const QList<QVariant> &arguments : received) {
        const XMPPMessage message = arguments.at(0).value<XMPPMessage>();
        if (message.body() == "hi <b>" || message.body() == "hello Haruto") {
            ++history;
            QVERIFY(message.hasDelay());
            // The server stamps in microseconds; the milliseconds are kept.
            QVERIFY2(message.delayStamp() >= before && message.delayStamp() <= after,
                     qPrintable(message.delayStamp().toString(Qt::ISODateWithMs)));
        }
        if (message.body() == "live now")
            QVERIFY(!message.hasDelay());
    }
    QCOMPARE(history, 2);

    // A second connection under a nick that is taken.
    auto twin = seat("2104", 1004, "Haruto");
    QVERIFY(twin);
    twin->view->setLobbyRoom();
    QTRY_VERIFY_WITH_TIMEOUT(twin->text().contains("Your nickname is already in use in this room"), 5000);
    QVERIFY(!twin->input()->isEnabled());
    twin->say("may I?");
    QCOMPARE(twin->input()->text(), QStringLiteral("may I?"));

    for (Seat *s : {haruto.get(), mei.get(), aiko.get(), twin.get()})
        QCOMPARE(s->client->state(), 5);
}

void TestChatRooms::banFromTableRoom()
{
    auto haruto = seat("2105", 1001, "Haruto");
    auto mei = seat("2106", 1002, "Mei Ling");
    QVERIFY(haruto && mei);
    // Mei Ling's room view is the table chat of her side bar, which shows of the room
    // notices only the own kick and ban.
    mei->view = std::make_unique<ConferenceWidget>(nullptr, 0);
    ConferenceTableChat tableChat(mei->context.get());
    TableChat &chat = tableChat;
    chat.setSuppressedNotices(ConferenceWidget::OwnJoinLeave | ConferenceWidget::ParticipantJoinLeave
                              | ConferenceWidget::ParticipantKickBan);
    auto view = static_cast<ConferenceWidget *>(chat.widget());
    mei->view->setLayout(new QVBoxLayout);
    mei->view->layout()->addWidget(view);
    mei->view->show();
    const auto meiText = [view] { return view->output()->toPlainText(); };
    const auto meiInput = [view] { return view->findChild<QLineEdit *>("chatInput"); };

    const qint32 table = 4000 + QCoreApplication::applicationPid() % 1000;
    const QString room = QStringLiteral("table-%1").arg(table);
    haruto->view->setTableRoom(table);
    QTRY_VERIFY_WITH_TIMEOUT(haruto->input()->isEnabled(), 5000);
    chat.setTableRoom(table);
    QTRY_VERIFY_WITH_TIMEOUT(chat.isJoined(), 5000);
    QVERIFY(meiInput()->isEnabled());
    QCOMPARE(view->conference()->room(), room + "@conference.localhost");
    QVERIFY(!meiText().contains("joined the chat"));

    QVERIFY(run({"ctl", m_serverDir, "set_room_affiliation", room, "conference.localhost", "2106@localhost", "outcast"}));
    QTRY_VERIFY_WITH_TIMEOUT(meiText().contains("Mei Ling has been banned from the chat"), 5000);
    QTRY_VERIFY(!meiInput()->isEnabled());
    QVERIFY(!chat.isJoined());

    chat.setTableRoom(table);
    QTRY_VERIFY_WITH_TIMEOUT(meiText().contains("You've been banned from this room"), 5000);
    QVERIFY(!meiInput()->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(haruto->text().contains("Mei Ling left the chat"), 5000);

    // A joined view keeps its room; a table room needs the conference service.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Still in the chat room"));
    haruto->view->setLobbyRoom();
    QCOMPARE(haruto->view->conference()->room(), room + "@conference.localhost");
    QVERIFY(haruto->view->conference()->isJoined());
    ChatController noService(haruto->db.get(), haruto->client.get());
    ConferenceWidget elsewhere(nullptr, 0);
    elsewhere.setXmppContext(&noService);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("without a conference service"));
    elsewhere.setTableRoom(table);
    QVERIFY(elsewhere.conference()->room().isNull());
    QCOMPARE(haruto->client->state(), 5);
    QCOMPARE(mei->client->state(), 5);
}

MAHJONG_TEST_MAIN(TestChatRooms)
#include "tst_chatrooms.moc"
