#include "testmain.h"

#include "ChatSeat.h"
#include "EjabberdTestServer.h"
#include "ShiftedClock.h"

#include "connection/ConnectedManager.h"

#include "app/Singleton.h"
#include "app/startup/ResourceSearchPaths.h"
#include "app/startup/TranslationsManager.h"
#include "chat/ChatManager.h"
#include "chat/ChatWindow.h"
#include "chat/XMPPChatManager.h"
#include "connection/ServerTime.h"

#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTimer>

#include <algorithm>
#include <optional>

namespace {

const QString NotSent = QStringLiteral("Not sent: the chat is disconnected. Your line stays in the input.");
const QString RoomLost = QStringLiteral("The chat is disconnected. It is joined again when the connection is back.");
const QString ChatLost = QStringLiteral("The chat is disconnected. It tries to reconnect by itself.");
const QString PerhapsNotSent = QStringLiteral("Perhaps not sent: the chat was disconnected before the chat server "
                                              "confirmed your line. Your line stays in the input.");

// The lines of a pane without their times.
QStringList linesOf(const QString &pane)
{
    QStringList lines;
    for (const QString &line : pane.split(QLatin1Char('\n')))
        lines << (line.startsWith(QLatin1Char('(')) ? line.section(QStringLiteral(") "), 1) : line);
    return lines;
}

// How often the pane shows the line as said, and as waiting for the server.
qsizetype said(const QString &pane, const QString &line)
{
    return linesOf(pane).count(line);
}

qsizetype waiting(const QString &pane, const QString &line)
{
    return linesOf(pane).count(line + QStringLiteral(" (sending…)"));
}

// A one-to-one chat's window and its parts.
struct Window
{
    ChatWindow *window = nullptr;

    QLineEdit *input() const { return window->findChild<QLineEdit *>("input"); }
    QString text() const
    {
        return window->findChild<ChatOutputWidget *>("output")->toPlainText().remove(QChar::ObjectReplacementCharacter);
    }
    void say(const QString &line) const
    {
        input()->setText(line);
        window->findChild<QPushButton *>("send")->click();
    }
};

} // namespace

// What the player says reaches the others exactly once, and his own pane too, whatever
// the link does: against a real ejabberd (started by the test fixture) through a relay
// that can fail one way or both, slow down or cut. Haruto (a manager) talks at a table
// and in a one-to-one chat with Mei Ling; both run this client. What does not reach
// anybody comes back, and the pane says why.
class TestChatDelivery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void healthyAndSlowLinks_data();
    void healthyAndSlowLinks();
    void halfOpenLink();
    void confirmationNeverComes_data();
    void confirmationNeverComes();
    void repeatedLineInCappedHistory();
    void voiceTaken();
    void roomClosed();
    void nobodyToReach();
    void oneConversationAcrossResources();

private:
    // Haruto through the relay and Mei Ling directly, at one table and in a one-to-one
    // chat that Haruto opens.
    struct Talk
    {
        std::unique_ptr<ChatSeat> haruto;
        std::unique_ptr<ChatSeat> mei;
        QWidget harutoDesk;
        QWidget meiDesk;
        std::unique_ptr<ChatManager> harutoChats;
        std::unique_ptr<ChatManager> meiChats;
        Window harutoWindow;

        // Mei Ling's window of the chat, once Haruto's first line has come.
        Window meiWindow() const { return {meiDesk.findChild<ChatWindow *>()}; }
    };
    // The accounts are "haruto" and the next number; false when any step fails.
    bool startTalk(Talk &talk, int haruto, quint16 relayPort, int table);
    std::unique_ptr<ChatSeat> seat(int account, quint16 port, qint32 playerId, const QString &screenName);
    int table(int offset) const { return 11000 + offset * 1000 + int(QCoreApplication::applicationPid() % 1000); }

    QString m_serverDir;
    quint16 m_port = 0;
    ConnectedManager m_game;
};

void TestChatDelivery::initTestCase()
{
    QVERIFY(startChatTestBed(m_serverDir, m_port, m_game, 2141, 2154));
    QVERIFY(registerEjabberdAccounts(m_serverDir, 2157, 2158));
}

std::unique_ptr<ChatSeat> TestChatDelivery::seat(int account, quint16 port, qint32 playerId, const QString &screenName)
{
    return ChatSeat::open(port, QString::number(account), m_game.manager.get(), playerId, screenName);
}

bool TestChatDelivery::startTalk(Talk &talk, int haruto, quint16 relayPort, int table)
{
    talk.haruto = seat(haruto, relayPort, 1001, "Haruto");
    talk.mei = seat(haruto + 1, m_port, 1002, "Mei Ling");
    if (!talk.haruto || !talk.mei)
        return false;
    talk.haruto->view->setTableRoom(table);
    talk.mei->view->setTableRoom(table);
    if (!QTest::qWaitFor([&talk] { return talk.haruto->input()->isEnabled() && talk.mei->input()->isEnabled(); }, 10000))
        return false;
    if (!QTest::qWaitFor([&talk] { return talk.haruto->text().contains("Mei Ling joined the chat"); }, 5000))
        return false;
    talk.harutoChats = std::make_unique<ChatManager>(talk.haruto->client.get(), talk.haruto->db.get(), &talk.harutoDesk);
    talk.meiChats = std::make_unique<ChatManager>(talk.mei->client.get(), talk.mei->db.get(), &talk.meiDesk);
    talk.harutoChats->reqestChat(parseJid(QStringLiteral("%1@localhost").arg(haruto + 1)));
    talk.harutoWindow.window = talk.harutoDesk.findChild<ChatWindow *>();
    return talk.harutoWindow.window != nullptr;
}

void TestChatDelivery::healthyAndSlowLinks_data()
{
    QTest::addColumn<int>("account");
    QTest::addColumn<int>("delayMs");
    QTest::newRow("healthy") << 2141 << 0;
    QTest::newRow("slow by two seconds each way") << 2143 << 2000;
}

void TestChatDelivery::healthyAndSlowLinks()
{
    // With the client's usual limits: no notice, nothing twice, and each line shows
    // waiting until it is said.
    QFETCH(int, account);
    QFETCH(int, delayMs);
    ChatRelay relay(m_port);
    Talk talk;
    QVERIFY(startTalk(talk, account, relay.port(), table(delayMs ? 1 : 0)));
    relay.delay(delayMs);
    ChatSeat &haruto = *talk.haruto;
    ChatSeat &mei = *talk.mei;

    haruto.say("over the link");
    talk.harutoWindow.say("over the link, privately");
    QVERIFY(haruto.input()->text().isEmpty() && talk.harutoWindow.input()->text().isEmpty());
    QCOMPARE(waiting(haruto.text(), "Haruto: over the link"), 1);
    QCOMPARE(waiting(talk.harutoWindow.text(), "Haruto: over the link, privately"), 1);
    if (delayMs > 0) {
        QTest::qWait(200);
        QVERIFY(haruto.view->grab().save("chatroom-waiting.png"));
        QVERIFY(talk.harutoWindow.window->grab().save("chatwindow-waiting.png"));
    }
    QTRY_COMPARE_WITH_TIMEOUT(said(mei.text(), "Haruto: over the link"), 1, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(said(haruto.text(), "Haruto: over the link"), 1, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(talk.meiWindow().window, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(said(talk.meiWindow().text(), "Haruto: over the link, privately"), 1, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(said(talk.harutoWindow.text(), "Haruto: over the link, privately"), 1, 10000);
    mei.say("heard you");
    QTRY_COMPARE_WITH_TIMEOUT(said(haruto.text(), "Mei Ling: heard you"), 1, 10000);

    for (const QString &pane : {haruto.text(), mei.text(), talk.harutoWindow.text(), talk.meiWindow().text()}) {
        QVERIFY2(!pane.contains("sending") && !pane.contains(NotSent) && !pane.contains("disconnected"), qPrintable(pane));
        QVERIFY(said(pane, "Haruto: over the link") + said(pane, "Haruto: over the link, privately") == 1);
    }
}

void TestChatDelivery::halfOpenLink()
{
    // Only Haruto's direction dies, while Mei Ling keeps talking: every byte she sends
    // reaches him, and nothing of his reaches the server. In the room he says two lines
    // longer than half of what the input takes, and types on while they wait.
    ChatRelay relay(m_port);
    Talk talk;
    QVERIFY(startTalk(talk, 2145, relay.port(), table(2)));
    ChatSeat &haruto = *talk.haruto;
    ChatSeat &mei = *talk.mei;
    haruto.client->setSilenceLimitMs(3000);
    haruto.client->setConfirmationLimitMs(4000);
    QTimer chatter;
    int chatted = 0;
    connect(&chatter, &QTimer::timeout, this, [&mei, &chatted] { mei.say(QStringLiteral("chatter %1").arg(++chatted)); });
    chatter.start(500);
    const QString first = QStringLiteral("into the half-open link ").leftJustified(100, u'1');
    const QString second = QStringLiteral("and a second line ").leftJustified(100, u'2');
    const QString typed = QStringLiteral("typed meanwhile ").leftJustified(40, u'3');
    relay.dropFromClient();
    haruto.say(first);
    haruto.say(second);
    QTest::keyClicks(haruto.input(), typed);
    talk.harutoWindow.say("half-open, privately");

    // Waiting, then not sent: the loss first, then the lines back in their inputs, whole,
    // before what was typed. The lines wait on until the server, resuming the session,
    // says that it did not get them.
    QCOMPARE(waiting(haruto.text(), "Haruto: " + first), 1);
    QCOMPARE(waiting(haruto.text(), "Haruto: " + second), 1);
    QCOMPARE(waiting(talk.harutoWindow.text(), "Haruto: half-open, privately"), 1);
    QTRY_VERIFY_WITH_TIMEOUT(haruto.text().contains(RoomLost) && talk.harutoWindow.text().contains(ChatLost), 20000);
    chatter.stop();
    QVERIFY(chatted > 6);
    relay.cut();
    QTRY_VERIFY_WITH_TIMEOUT(haruto.text().contains(NotSent) && talk.harutoWindow.text().contains(NotSent),
                             XMPPClient::ReconnectDelaysSeconds[1] * 1000 + 10000);
    for (const QString &pane : {haruto.text(), talk.harutoWindow.text()}) {
        const QStringList lines = linesOf(pane);
        QVERIFY2(lines.indexOf(RoomLost) >= 0 || lines.indexOf(ChatLost) >= 0, qPrintable(pane));
        QVERIFY(std::max(lines.indexOf(RoomLost), lines.indexOf(ChatLost)) < lines.indexOf(NotSent));
        QVERIFY(!pane.contains("sending"));
    }
    QCOMPARE(haruto.input()->text(), first + ' ' + second + ' ' + typed);
    QCOMPARE(talk.harutoWindow.input()->text(), QStringLiteral("half-open, privately"));
    QVERIFY(!talk.meiWindow().window);
    QVERIFY(haruto.view->grab().save("chatroom-put-back.png"));

    // Back again, each line goes once, whole, and what was typed as a line of its own.
    QTRY_VERIFY_WITH_TIMEOUT(haruto.view->conference()->isJoined(), XMPPClient::ReconnectDelaysSeconds[1] * 1000 + 10000);
    QTest::keyClick(haruto.input(), Qt::Key_Return);
    talk.harutoWindow.window->findChild<QPushButton *>("send")->click();
    QTRY_COMPARE_WITH_TIMEOUT(said(mei.text(), "Haruto: " + typed), 1, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(talk.meiWindow().window, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(said(talk.meiWindow().text(), "Haruto: half-open, privately"), 1, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(said(haruto.text(), "Haruto: " + typed), 1, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(said(talk.harutoWindow.text(), "Haruto: half-open, privately"), 1, 10000);
    mei.say("got it");
    QTRY_COMPARE_WITH_TIMEOUT(said(haruto.text(), "Mei Ling: got it"), 1, 10000);
    for (const QString &line : {first, second, typed}) {
        QCOMPARE(said(mei.text(), "Haruto: " + line), 1);
        QCOMPARE(said(haruto.text(), "Haruto: " + line), 1);
    }
    QCOMPARE(said(talk.meiWindow().text(), "Haruto: half-open, privately"), 1);
    QVERIFY(haruto.view->grab().save("chatroom-half-open.png"));
}

void TestChatDelivery::confirmationNeverComes_data()
{
    QTest::addColumn<int>("account");
    QTest::addColumn<bool>("lost");
    QTest::addColumn<int>("followed");
    QTest::newRow("lost on the way back") << 2147 << true << 0;
    QTest::newRow("too late") << 2149 << false << 0;
    QTest::newRow("lost on the way back, more lines after than the room keeps") << 2157 << true << 25;
}

void TestChatDelivery::confirmationNeverComes()
{
    // The server has Haruto's lines and passes them on, but he never learns it: its
    // answers are lost on the way back, or come later than he waits, and so is Mei
    // Ling's private answer, and the lines she says after his, as many as the room
    // keeps and more. The server kept his session: resumed, it says that it had all his
    // lines, which never come back nor go twice; it brings the room's copies of his room
    // lines and her answer. His game server's clock, which his panes go by, is ten
    // seconds ahead of the chat server's, which stamps what it sends again.
    ServerTime &clock = Singleton<ServerTime>::instance();
    clock.setClock(std::make_unique<ShiftedClock>(10000));
    const auto sameClocks = qScopeGuard([&clock] { clock.setClock(std::make_unique<ShiftedClock>(0)); });
    QFETCH(int, account);
    QFETCH(bool, lost);
    QFETCH(int, followed);
    ChatRelay relay(m_port);
    Talk talk;
    QVERIFY(startTalk(talk, account, relay.port(), table(lost ? (followed ? 8 : 3) : 4)));
    ChatSeat &haruto = *talk.haruto;
    ChatSeat &mei = *talk.mei;
    haruto.client->setSilenceLimitMs(4000);
    haruto.client->setConfirmationLimitMs(4000);
    QSignalSpy toMei(mei.client.get(), &XMPPClient::messageReceived);
    const auto privately = [&toMei](const QString &line) {
        return std::count_if(toMei.cbegin(), toMei.cend(), [&line](const QList<QVariant> &received) {
            const auto message = received.at(0).value<XMPPMessage>();
            return message.type() == XMPPMessage::Chat && message.body() == line;
        });
    };
    if (lost)
        relay.dropFromServer();
    else
        relay.delay(2500);
    haruto.say("first of two");
    haruto.say("second of two");
    talk.harutoWindow.say("first private");
    talk.harutoWindow.say("second private");

    QTRY_COMPARE_WITH_TIMEOUT(said(mei.text(), "Haruto: second of two"), 1, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(talk.meiWindow().window, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(said(talk.meiWindow().text(), "Haruto: second private"), 1, 10000);
    talk.meiWindow().say("got both");
    for (int i = 1; i <= followed; ++i)
        mei.say(QStringLiteral("after %1").arg(i));
    if (followed > 0)
        QTRY_COMPARE_WITH_TIMEOUT(said(mei.text(), QStringLiteral("Mei Ling: after %1").arg(followed)), 1, 10000);
    // The loss leaves the lines waiting, until the server's count settles them.
    QTRY_VERIFY_WITH_TIMEOUT(haruto.text().contains(RoomLost) && talk.harutoWindow.text().contains(ChatLost), 20000);
    relay.cut();

    // Back in the room, each of his lines shows once, and none came back.
    QTRY_VERIFY_WITH_TIMEOUT(haruto.view->conference()->isJoined(), XMPPClient::ReconnectDelaysSeconds[1] * 1000 + 10000);
    for (const char *line : {"first of two", "second of two"})
        QTRY_COMPARE_WITH_TIMEOUT(said(haruto.text(), QStringLiteral("Haruto: ") + line), 1, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(said(talk.harutoWindow.text(), "Mei Ling: got both"), 1, 10000);
    QTRY_COMPARE(said(talk.harutoWindow.text(), "Haruto: second private"), 1);
    mei.say("all heard");
    QTRY_COMPARE_WITH_TIMEOUT(said(haruto.text(), "Mei Ling: all heard"), 1, 10000);
    for (const char *line : {"first of two", "second of two"}) {
        QCOMPARE(said(mei.text(), QStringLiteral("Haruto: ") + line), 1);
        QCOMPARE(said(haruto.text(), QStringLiteral("Haruto: ") + line), 1);
    }
    for (int i = 1; i <= followed; ++i)
        QCOMPARE(said(haruto.text(), QStringLiteral("Mei Ling: after %1").arg(i)), 1);
    for (const QString &pane : {haruto.text(), talk.harutoWindow.text()}) {
        QVERIFY2(!pane.contains(NotSent) && !pane.contains(PerhapsNotSent) && !pane.contains("sending")
                     && !pane.contains("had reached the room") && !pane.contains("may be missing"),
                 qPrintable(pane));
    }
    QVERIFY(haruto.input()->text().isEmpty() && talk.harutoWindow.input()->text().isEmpty());
    QCOMPARE(said(talk.harutoWindow.text(), "Mei Ling: got both"), 1);
    // They show when they were said, above the answer, which came seconds later or was
    // sent again with the chat server's stamp.
    const QStringList privateLines = linesOf(talk.harutoWindow.text());
    QVERIFY2(privateLines.indexOf("Haruto: second private") < privateLines.indexOf("Mei Ling: got both"),
             qPrintable(talk.harutoWindow.text()));
    for (const char *line : {"first private", "second private"}) {
        QCOMPARE(privately(line), 1);
        QCOMPARE(said(talk.meiWindow().text(), QStringLiteral("Haruto: ") + line), 1);
        QCOMPARE(said(talk.harutoWindow.text(), QStringLiteral("Haruto: ") + line), 1);
    }
    QVERIFY(haruto.view->grab().save(
        QStringLiteral("chatroom-%1.png").arg(lost ? (followed ? "answer-lost-followed" : "answer-lost") : "answer-late")));
    QVERIFY(talk.harutoWindow.window->grab().save(QStringLiteral("chatwindow-%1.png").arg(lost ? "answer-lost" : "answer-late")));
}

void TestChatDelivery::repeatedLineInCappedHistory()
{
    // In a room without ids, Mei Ling says "ok", and again while Haruto's link is dead,
    // followed by enough lines that the room's history of his rejoin starts with the
    // second "ok".
    const QByteArray room = "table-" + QByteArray::number(table(5)) + "@conference.localhost";
    RawXmppUser mei;
    QVERIFY(mei.login(m_port, "2152", "secret") && mei.ownRoom(room, "Mei Ling"));
    const auto say = [&mei, &room](const QByteArray &body) {
        return mei.send("<message to='" + room + "' type='groupchat'><body>" + body + "</body></message>",
                        "<body>" + body + "</body>");
    };
    ChatRelay relay(m_port);
    auto haruto = seat(2151, relay.port(), 1001, "Haruto");
    QVERIFY(haruto);
    haruto->view->setTableRoom(table(5));
    QTRY_VERIFY_WITH_TIMEOUT(haruto->input()->isEnabled(), 5000);
    std::optional<qint64> heardByMs;
    haruto->noteWhenHeard(heardByMs);
    QVERIFY(say("ok"));
    QTRY_COMPARE_WITH_TIMEOUT(said(haruto->text(), "Mei Ling: ok"), 1, 5000);
    QVERIFY(heardByMs);
    // Said again once the chat server's clock is past the first "ok" as Haruto heard it,
    // however far his reckoning may be off: the room's stamps tell the two apart.
    QVERIFY(haruto->waitUntilServerClockPast(*heardByMs));
    relay.goDead();
    QVERIFY(say("ok"));
    for (int i = 1; i < 20; ++i)
        QVERIFY(say("gap " + QByteArray::number(i)));
    relay.cut();
    QTRY_COMPARE_WITH_TIMEOUT(said(haruto->text(), "Mei Ling: gap 19"), 1, XMPPClient::ReconnectDelaysSeconds[0] * 1000 + 10000);

    QStringList expected{"Mei Ling: ok", RoomLost, "Mei Ling: ok"};
    for (int i = 1; i < 20; ++i)
        expected << QStringLiteral("Mei Ling: gap %1").arg(i);
    QStringList shown = linesOf(haruto->text()).filter(QRegularExpression("^(Mei Ling: |The chat is disconnected)"));
    QCOMPARE(shown, expected);
}

void TestChatDelivery::voiceTaken()
{
    // Mei Ling owns a moderated table room and makes Haruto a visitor, who may not speak,
    // with her reason, just as he says a line: it reaches the room after his voice is
    // gone. His link passes on what he says only when the test's event loop runs.
    const QByteArray room = "table-" + QByteArray::number(table(6)) + "@conference.localhost";
    RawXmppUser mei;
    QVERIFY(mei.login(m_port, "2154", "secret")
            && mei.ownRoom(room, "Mei Ling", "<field var='muc#roomconfig_moderatedroom'><value>1</value></field>"));
    ChatRelay relay(m_port);
    auto haruto = seat(2153, relay.port(), 1001, "Haruto");
    QVERIFY(haruto);
    haruto->view->setTableRoom(table(6));
    QTRY_VERIFY_WITH_TIMEOUT(haruto->input()->isEnabled(), 5000);
    const auto setRole = [&mei, &room](const QByteArray &role, const QByteArray &reason) {
        return mei.send("<iq type='set' id='voice' to='" + room + "'><query xmlns='http://jabber.org/protocol/muc#admin'>"
                        "<item nick='Haruto' role='" + role + "'><reason>" + reason + "</reason></item></query></iq>",
                        "id='voice'");
    };

    haruto->say("may I speak?");
    QVERIFY(setRole("visitor", "quiet please &lt;b&gt;"));
    const QString voiceGone = "You may no longer speak in this room: quiet please <b>";
    // The input cannot give the line back: the notice quotes it.
    const QString refused = "\"may I speak?\" was not sent: the room refused it (you may not speak there: Visitors "
                            "are not allowed to send messages to all occupants).";
    // The refusal comes within the time the client waits for the line's confirmation.
    QTRY_VERIFY_WITH_TIMEOUT(haruto->text().contains(refused), haruto->client->confirmationLimitMs());
    // The voice is gone first, with the input; the notice of the line offers no input.
    const QStringList lines = linesOf(haruto->text());
    QVERIFY2(lines.indexOf(voiceGone) >= 0 && lines.indexOf(voiceGone) < lines.indexOf(refused), qPrintable(haruto->text()));
    QVERIFY(!haruto->input()->isEnabled() && !haruto->view->findChild<QPushButton *>("send")->isEnabled());
    QVERIFY(!haruto->text().contains("Your line stays in the input"));
    QVERIFY(!haruto->view->output()->toHtml().contains("<b>"));
    QCOMPARE(waiting(haruto->text(), "Haruto: may I speak?"), 0);
    QCOMPARE(said(haruto->text(), "Haruto: may I speak?"), 0);
    QCOMPARE(haruto->text().count("Haruto joined the chat"), 1);
    QCOMPARE(haruto->client->state(), int(XMPPClient::ConnectedState));
    QVERIFY(haruto->view->grab().save("chatroom-voice-taken.png"));

    // Given back, the voice brings the input with the line in it.
    QVERIFY(setRole("participant", "go ahead"));
    QTRY_VERIFY_WITH_TIMEOUT(haruto->input()->isEnabled(), 5000);
    // The pane shows its lines in the next pass of the event loop.
    QTRY_VERIFY2(haruto->text().endsWith("You may speak in this room again: go ahead"), qPrintable(haruto->text()));
    QCOMPARE(haruto->input()->text(), QStringLiteral("may I speak?"));
    QTest::keyClick(haruto->input(), Qt::Key_Return);
    QTRY_COMPARE_WITH_TIMEOUT(said(haruto->text(), "Haruto: may I speak?"), 1, 5000);
    QCOMPARE(haruto->text().count("Haruto joined the chat"), 1);
}

void TestChatDelivery::roomClosed()
{
    // Haruto's lobby room is one that Mei Ling owns. She destroys it for the night just
    // as he says a line; his link passes on what he says only when the test's event
    // loop runs, so the line comes after the room is gone.
    QVERIFY(registerEjabberdAccounts(m_serverDir, 2171, 2172));
    const QByteArray pid = QByteArray::number(QCoreApplication::applicationPid());
    const QByteArray room = "closing-" + pid + "@conference.localhost";
    RawXmppUser mei;
    QVERIFY(mei.login(m_port, "2172", "secret") && mei.ownRoom(room, "Mei Ling"));
    ChatRelay relay(m_port);
    auto haruto = seat(2171, relay.port(), 1001, "Haruto");
    QVERIFY(haruto);
    // As the lobby's pane, which shows no joins, leaves or others' kicks.
    haruto->view->setSuppressedNotices(ConferenceWidget::OwnJoinLeave | ConferenceWidget::ParticipantJoinLeave
                                       | ConferenceWidget::ParticipantKickBan);
    haruto->context->setLobbyRoomJid(QString::fromLatin1(room));
    haruto->view->setLobbyRoom();
    QTRY_VERIFY_WITH_TIMEOUT(haruto->input()->isEnabled(), 5000);

    haruto->say("one more thing");
    QVERIFY(mei.send("<iq type='set' id='close' to='" + room + "'><query xmlns='http://jabber.org/protocol/muc#owner'>"
                     "<destroy><reason>closed for the night &lt;b&gt;</reason></destroy></query></iq>",
                     "id='close'"));
    // The room has answered, but may still take what comes in while it ends, passing it
    // on to nobody and refusing nothing: his line comes once the server says the room is
    // not there. Asked without the event loop, which would let the line pass.
    QVERIFY(mei.roomGone(room));
    const QString closed = "This chat room has been closed: closed for the night <b>";
    const QString refused = "\"one more thing\" was not sent: the room refused it (the room is gone or takes no "
                            "lines: Conference room does not exist).";
    // The refusal comes within the time the client waits for the line's confirmation.
    QTRY_VERIFY_WITH_TIMEOUT(haruto->text().contains(refused), haruto->client->confirmationLimitMs());
    const QStringList lines = linesOf(haruto->text());
    QVERIFY2(lines.indexOf(closed) >= 0 && lines.indexOf(closed) < lines.indexOf(refused), qPrintable(haruto->text()));
    QVERIFY(!haruto->input()->isEnabled());
    QVERIFY(!haruto->text().contains("Your line stays in the input"));
    QVERIFY(!haruto->view->output()->toHtml().contains("<b>"));
    QCOMPARE(waiting(haruto->text(), "Haruto: one more thing"), 0);
    QVERIFY(haruto->view->grab().save("chatroom-closed.png"));

    // A table room that the server's administrator destroys, without a word, and that
    // then removes its occupants as at a shutdown.
    const qint32 tableId = table(7);
    ConferenceWidget table(nullptr, 0);
    table.setXmppContext(haruto->context.get());
    table.resize(600, 400);
    table.show();
    table.setTableRoom(tableId);
    QLineEdit *tableInput = table.findChild<QLineEdit *>("chatInput");
    QTRY_VERIFY_WITH_TIMEOUT(tableInput->isEnabled(), 5000);
    QVERIFY(runEjabberdScript({"ctl", m_serverDir, "destroy_room", QStringLiteral("table-%1").arg(tableId),
                               "conference.localhost"}));
    QTRY_VERIFY_WITH_TIMEOUT(table.output()->toPlainText().endsWith("This chat room has been closed."), 5000);
    QVERIFY(!tableInput->isEnabled());
    QVERIFY(!table.output()->toPlainText().contains("left the chat"));
    QCOMPARE(haruto->client->state(), int(XMPPClient::ConnectedState));
}

void TestChatDelivery::nobodyToReach()
{
    // Haruto writes to a user that does not exist at his chat server, and to one at a
    // server that does not exist: his server confirms both lines, and refuses them,
    // before the confirmation or after it. Its error for the first has no words: the
    // notice says it in the player's language.
    QVERIFY(registerEjabberdAccounts(m_serverDir, 2173, 2173));
    auto haruto = seat(2173, m_port, 1001, "Haruto");
    QVERIFY(haruto);
    QWidget desk;
    ChatManager chats(haruto->client.get(), haruto->db.get(), &desk);
    const auto windowTo = [&chats, &desk](const QString &jid) {
        chats.reqestChat(parseJid(jid));
        for (ChatWindow *window : desk.findChildren<ChatWindow *>()) {
            if (window->chat()->jid() == jid)
                return Window{window};
        }
        return Window{};
    };
    const Window nobody = windowTo("nobody@localhost");
    const Window farAway = windowTo("somebody@nowhere.test");
    QVERIFY(nobody.window && farAway.window);
    QSignalSpy confirmed(haruto->client.get(), &XMPPClient::messageConfirmed);

    nobody.say("anybody there?");
    farAway.say("hello, far away");
    QTRY_VERIFY_WITH_TIMEOUT(nobody.text().contains("\"anybody there?\" reached nobody: the chat server refused it (no "
                                                    "such user, or one who cannot receive it). It is back in the input."),
                             5000);
    QTRY_VERIFY_WITH_TIMEOUT(farAway.text().contains("\"hello, far away\" reached nobody: the chat server refused it ("),
                             10000);
    QCOMPARE(nobody.input()->text(), QStringLiteral("anybody there?"));
    QCOMPARE(farAway.input()->text(), QStringLiteral("hello, far away"));
    // The far server is given up on long after the line was confirmed: it shows as
    // said, and the notice comes below it.
    const QStringList lines = linesOf(farAway.text());
    const qsizetype saidAt = lines.indexOf(QRegularExpression(".*: hello, far away"));
    const qsizetype noticeAt = lines.indexOf(QRegularExpression("\"hello, far away\" reached nobody.*"));
    QVERIFY2(saidAt >= 0 && saidAt < noticeAt, qPrintable(farAway.text()));
    QTRY_COMPARE_WITH_TIMEOUT(confirmed.size(), 2, 5000);
    for (const Window &window : {nobody, farAway})
        QVERIFY2(!window.text().contains("sending"), qPrintable(window.text()));
    QCOMPARE(haruto->client->state(), int(XMPPClient::ConnectedState));
    QVERIFY(farAway.window->grab().save("chatwindow-nobody-to-reach.png"));
    QVERIFY(nobody.window->grab().save("chatwindow-nobody-there.png"));

    // The same refusal to a player who reads Japanese.
    const QStringList translations = QDir::searchPaths(QStringLiteral("translations"));
    QDir::setSearchPaths(QStringLiteral("translations"), {QString::fromLatin1(translationsRoot)});
    TranslationsManager languages;
    languages.setLanguage(QStringLiteral("ja"));
    nobody.say(QStringLiteral("誰かいますか"));
    QTRY_VERIFY_WITH_TIMEOUT(nobody.text().contains(QStringLiteral("「誰かいますか」は誰にも届きませんでした: チャットサーバーに拒否されました"
                                                                   "（そのユーザーはいないか、受け取れない状態です）。入力欄に戻しました。")),
                             5000);
    QVERIFY(nobody.window->grab().save("chatwindow-nobody-there-ja.png"));
    languages.setLanguage(QStringLiteral("en"));
    QDir::setSearchPaths(QStringLiteral("translations"), translations);
}

void TestChatDelivery::oneConversationAcrossResources()
{
    // Haruto, a manager, writes to Mei Ling from his desk, then from his phone after the
    // desk went (his client logged in again under a new resource), then from both; Mei
    // Ling's link goes through the relay. Her pane is one window, and each of her answers
    // goes to the resource that wrote last, or to his bare address once that one is gone
    // or her own connection was lost. His clients write the stream by hand and tell her
    // their presence, and write without a thread, as the demo world's manager does.
    QVERIFY(registerEjabberdAccounts(m_serverDir, 2155, 2156));
    ChatRelay relay(m_port);
    auto meiSeat = seat(2156, relay.port(), 1002, "Mei Ling");
    QVERIFY(meiSeat);
    // Her resource's own address, which reaches her also before the server has her
    // presence.
    const QByteArray mei = meiSeat->client->ownJid().toUtf8();
    const auto logIn = [this, &mei](const QByteArray &resource) {
        auto haruto = std::make_unique<RawXmppUser>();
        if (!haruto->login(m_port, "2155", "secret", resource)
            || !haruto->send("<presence/><presence to='" + mei + "'/><iq type='get' id='up'><ping xmlns='urn:xmpp:ping'/></iq>",
                             "id='up'"))
            return std::unique_ptr<RawXmppUser>();
        return haruto;
    };
    const auto write = [&mei](RawXmppUser &from, const QByteArray &text) {
        return from.send("<message to='" + mei + "' type='chat'><body>" + text + "</body></message>");
    };
    // The address Mei Ling's line went to, as the resource got it; null until it came.
    const auto addressee = [](RawXmppUser &at, const QByteArray &text) {
        const QByteArray body = "<body>" + text + "</body>";
        if (!at.waitFor(body))
            return QString();
        const QByteArray stream = at.received();
        const qsizetype start = stream.lastIndexOf("<message", stream.indexOf(body));
        const QRegularExpression to(" to=['\"]([^'\"]+)['\"]");
        return to.match(QString::fromUtf8(stream.mid(start, stream.indexOf('>', start) - start))).captured(1);
    };
    QWidget meiDesk;
    ChatManager meiChats(meiSeat->client.get(), meiSeat->db.get(), &meiDesk);
    const auto windows = [&meiDesk] { return meiDesk.findChildren<ChatWindow *>(); };
    const auto answer = [&windows](const QString &text) {
        Window{windows().constFirst()}.say(text);
        return QTest::qWaitFor([&windows, &text] { return said(Window{windows().constFirst()}.text(), "Mei Ling: " + text) == 1; },
                               10000);
    };

    std::unique_ptr<RawXmppUser> desk = logIn("desk");
    QVERIFY(desk && write(*desk, "from my desk"));
    QTRY_COMPARE_WITH_TIMEOUT(windows().size(), 1, 10000);
    const Window window{windows().constFirst()};
    QTRY_COMPARE_WITH_TIMEOUT(said(window.text(), "Haruto: from my desk"), 1, 10000);
    QVERIFY(answer("hello desk"));
    QCOMPARE(addressee(*desk, "hello desk"), QStringLiteral("2155@localhost/desk"));

    // The desk goes; the phone writes: the same window, the answer to the phone.
    desk.reset();
    std::unique_ptr<RawXmppUser> phone = logIn("phone");
    QVERIFY(phone && write(*phone, "now on my phone"));
    QTRY_COMPARE_WITH_TIMEOUT(said(window.text(), "Haruto: now on my phone"), 1, 10000);
    QVERIFY(answer("hello phone"));
    QCOMPARE(addressee(*phone, "hello phone"), QStringLiteral("2155@localhost/phone"));
    QCOMPARE(windows().size(), 1);

    // Both are there: the one that wrote last gets the answer.
    desk = logIn("desk");
    QVERIFY(desk && write(*desk, "back at the desk"));
    QTRY_COMPARE_WITH_TIMEOUT(said(window.text(), "Haruto: back at the desk"), 1, 10000);
    QVERIFY(answer("desk again"));
    QCOMPARE(addressee(*desk, "desk again"), QStringLiteral("2155@localhost/desk"));
    QVERIFY(write(*phone, "and the phone"));
    QTRY_COMPARE_WITH_TIMEOUT(said(window.text(), "Haruto: and the phone"), 1, 10000);
    QVERIFY(answer("phone again"));
    QCOMPARE(addressee(*phone, "phone again"), QStringLiteral("2155@localhost/phone"));

    // The phone goes: the next answer is for Haruto wherever he is.
    phone.reset();
    QTRY_VERIFY_WITH_TIMEOUT(window.window->chat()->to() == QStringLiteral("2155@localhost"), 10000);
    QVERIFY(answer("anyone there"));
    QCOMPARE(addressee(*desk, "anyone there"), QStringLiteral("2155@localhost"));

    // Mei Ling's own link is cut while the desk wrote last: which of Haruto's resources
    // are still there is not known after it.
    QVERIFY(write(*desk, "one more"));
    QTRY_COMPARE_WITH_TIMEOUT(said(window.text(), "Haruto: one more"), 1, 10000);
    QCOMPARE(window.window->chat()->to(), QStringLiteral("2155@localhost/desk"));
    relay.cut();
    QTRY_VERIFY_WITH_TIMEOUT(window.text().contains(ChatLost), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(meiSeat->client->state(), int(XMPPClient::ConnectedState),
                              XMPPClient::ReconnectDelaysSeconds[0] * 1000 + 10000);
    QVERIFY(answer("after my reconnect"));
    QCOMPARE(addressee(*desk, "after my reconnect"), QStringLiteral("2155@localhost"));
    QCOMPARE(windows().size(), 1);
    QVERIFY(window.window->grab().save("chatwindow-resources.png"));
}

MAHJONG_TEST_MAIN(TestChatDelivery)
#include "tst_chatdelivery.moc"
