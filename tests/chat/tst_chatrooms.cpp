#include "testmain.h"

#include "ChatSeat.h"
#include "EjabberdTestServer.h"
#include "ShiftedClock.h"
#include "logfile.h"

#include "connection/ConnectedManager.h"

#include "app/Singleton.h"
#include "app/Utils.h"
#include "chat/ChatController.h"
#include "chat/ChatManager.h"
#include "chat/ChatOutputWidget.h"
#include "chat/ChatWindow.h"
#include "chat/XMPPChatManager.h"
#include "chat/ConferenceTableChat.h"
#include "chat/ConferenceWidget.h"
#include "chat/xmpp/LocalClock.h"
#include "chat/xmpp/XMPPClient.h"
#include "connection/PlayerDb.h"
#include "connection/ServerTime.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QVBoxLayout>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <map>
#include <optional>

namespace {

// The chat's local clock, stepped a millisecond at every reading while the steps are on,
// ahead of the steady clock by the steps taken: a slice of the client's reading then
// ends after as many readings as it lasts, on any machine at any load.
std::atomic<bool> clockStepping{false};
std::atomic<qint64> clockSteps{0};
qint64 steppedClock()
{
    const qint64 steady = std::chrono::duration_cast<std::chrono::milliseconds>(
                              std::chrono::steady_clock::now().time_since_epoch())
                              .count();
    return steady + (clockStepping ? ++clockSteps : clockSteps.load());
}

} // namespace

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
    void hostileOccupant();
    void forgedStampsInHistory();
    void replacedSessionStaysOut();
    void noTypedLineLost();
    void lineCountsOnceServerHasIt();
    void rejoinAfterDeadLink();
    void rejoinsInARow_data();
    void rejoinsInARow();
    void rejoinWhileTalking_data();
    void rejoinWhileTalking();
    void repeatOnSlowLink_data();
    void repeatOnSlowLink();
    void lineTheRoomHolds();
    void linesTheRoomLost_data();
    void linesTheRoomLost();
    void silentLossKeepsTimesSaid_data();
    void silentLossKeepsTimesSaid();
    void chatSurvivesServerRestart();

private:
    using Seat = ChatSeat;

    // A table room of Mei Ling's (a client that gives her lines no ids) without an archive,
    // so that the room gives none either; false when any step fails.
    bool openPlainRoom(RawXmppUser &mei, const QByteArray &account, const QByteArray &room);
    // The chat lines of the pane and the notices of a loss ("lost") and of lines that may
    // be missing ("missing"), in the order shown.
    static QStringList shownLines(const Seat &seat);
    // Whether a room's subject, which ends a join's history, is among the messages a
    // client received.
    static bool subjectCame(const QSignalSpy &received);

    // At the test's chat server, or through a relay on the port given.
    std::unique_ptr<Seat> seat(const QString &account, qint32 playerId, const QString &screenName, quint16 port = 0);
    // Runs the test server's script with the arguments.
    bool run(const QStringList &arguments);

    QString m_serverDir;
    quint16 m_port = 0;
    ConnectedManager m_game;
};

void TestChatRooms::initTestCase()
{
    QVERIFY(startChatTestBed(m_serverDir, m_port, m_game, 2101, 2130));
}

std::unique_ptr<TestChatRooms::Seat> TestChatRooms::seat(const QString &account, qint32 playerId,
                                                         const QString &screenName, quint16 port)
{
    return ChatSeat::open(port ? port : m_port, account, m_game.manager.get(), playerId, screenName);
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

    haruto->say("hi <b>");
    QVERIFY(haruto->input()->text().isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(mei->text().contains("Haruto: hi <b>"), 5000);
    mei->say("hello Haruto");
    QTRY_VERIFY_WITH_TIMEOUT(haruto->text().contains("Mei Ling: hello Haruto"), 5000);
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
    QSignalSpy shown(aiko->view->conference(), &XMPPConference::message);
    aiko->view->setLobbyRoom();
    QTRY_VERIFY_WITH_TIMEOUT(aiko->text().contains("Mei Ling: hello Haruto"), 5000);
    haruto->say("live now");
    QTRY_VERIFY_WITH_TIMEOUT(aiko->text().contains("Haruto: live now"), 5000);
    const QString seen = aiko->text();
    QCOMPARE(seen.count("Haruto: hi <b>"), 1);
    QCOMPARE(seen.count("Mei Ling: hello Haruto"), 1);
    QVERIFY(seen.indexOf("Haruto: hi <b>") < seen.indexOf("Mei Ling: hello Haruto"));
    QVERIFY(seen.indexOf("Mei Ling: hello Haruto") < seen.indexOf("Haruto: live now"));
    // The room's stamps, by its own clock, follow the order the lines were said in.
    QList<QDateTime> historyStamps;
    for (const QList<QVariant> &arguments : received) {
        const XMPPMessage message = arguments.at(0).value<XMPPMessage>();
        if (message.body() == "hi <b>" || message.body() == "hello Haruto") {
            QVERIFY(message.delayStamp().isValid());
            historyStamps << message.delayStamp();
        }
        if (message.body() == "live now")
            QVERIFY(!message.hasDelay());
    }
    QCOMPARE(historyStamps.size(), 2);
    QVERIFY2(historyStamps.at(0) <= historyStamps.at(1),
             qPrintable(historyStamps.at(0).toString(Qt::ISODateWithMs) + " " + historyStamps.at(1).toString(Qt::ISODateWithMs)));
    // The room's history keeps its times.
    QStringList stamped;
    for (const QList<QVariant> &arguments : shown) {
        const XMPPMessage message = arguments.at(0).value<XMPPMessage>();
        if (message.hasDelay())
            stamped << message.body();
    }
    QVERIFY(stamped.contains("hi <b>") && stamped.contains("hello Haruto") && !stamped.contains("live now"));

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
    QWidget sideBar;
    ConferenceTableChat tableChat(mei->context.get());
    TableChat &chat = tableChat;
    chat.setSuppressedNotices(ConferenceWidget::OwnJoinLeave | ConferenceWidget::ParticipantJoinLeave
                              | ConferenceWidget::ParticipantKickBan);
    auto view = static_cast<ConferenceWidget *>(chat.widget());
    (new QVBoxLayout(&sideBar))->addWidget(view);
    sideBar.show();
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

void TestChatRooms::hostileOccupant()
{
    // Haruto sits at a table; Aiko's client writes whatever it likes into the room.
    auto haruto = seat("2107", 1001, "Haruto");
    QVERIFY(haruto);
    const qint32 table = 5000 + QCoreApplication::applicationPid() % 1000;
    const QByteArray room = "table-" + QByteArray::number(table) + "@conference.localhost";
    haruto->view->setTableRoom(table);
    QTRY_VERIFY_WITH_TIMEOUT(haruto->input()->isEnabled(), 5000);
    RawXmppUser aiko;
    QVERIFY(aiko.login(m_port, "2108", "secret"));
    QVERIFY(aiko.send("<presence to='" + room + "/Aiko'><x xmlns='http://jabber.org/protocol/muc'/></presence>",
                      "code='110'"));
    QTRY_VERIFY_WITH_TIMEOUT(haruto->text().contains("Aiko joined the chat"), 5000);
    const auto say = [&aiko, &room](const QByteArray &content) {
        return aiko.send("<message to='" + room + "' type='groupchat'>" + content + "</message>");
    };

    // One start tag of 300 attributes costs its own stanza, not Haruto's chat.
    QByteArray flood = "<x xmlns='urn:x'";
    for (int i = 0; i < 300; ++i)
        flood += " a" + QByteArray::number(i) + "=''";
    QTest::ignoreMessage(QtWarningMsg, "Dropping a stanza with more than 256 attributes in one element");
    QVERIFY(say("<body>flood</body>" + flood + "/>"));
    // Nor does one nested 300 levels deep.
    QTest::ignoreMessage(QtWarningMsg, "Dropping a stanza nested deeper than 256 levels");
    QVERIFY(say("<body>deep</body>" + QByteArray("<x xmlns='urn:x'>").repeated(300) + QByteArray("</x>").repeated(300)));
    // Stamps fifty years ahead, of Aiko's own and in the room's name, pin no line
    // below all later ones.
    QVERIFY(say("<body>from the future</body><delay xmlns='urn:xmpp:delay' from='2108@localhost' "
                "stamp='2076-01-01T00:00:00Z'/>"));
    QVERIFY(say("<body>from the future in the room's name</body><delay xmlns='urn:xmpp:delay' from='" + room
                + "' stamp='2076-01-01T00:00:00Z'/>"));
    // A megabyte of text.
    QVERIFY(say("<body>" + QByteArray(1000000, 'x') + "</body>"));
    QVERIFY(say("<body>after all that</body>"));
    QTRY_VERIFY_WITH_TIMEOUT(haruto->text().contains("Aiko: after all that"), 10000);
    const QString text = haruto->text();
    QVERIFY(!text.contains("flood"));
    QVERIFY(!text.contains("deep"));
    const qsizetype future = text.indexOf("Aiko: from the future\n");
    const qsizetype roomFuture = text.indexOf("Aiko: from the future in the room's name");
    const qsizetype huge = text.indexOf("Aiko: xxxx");
    QVERIFY2(future >= 0 && future < roomFuture && roomFuture < huge && huge < text.indexOf("Aiko: after all that"),
             qPrintable(text.left(2000)));
    const QString hugeLine = text.mid(huge).section('\n', 0, 0);
    QVERIFY(hugeLine.endsWith(QChar(0x2026)));
    QVERIFY(hugeLine.size() < ChatOutputWidget::MaxMessageLength + 20);

    // Live lines stamped as sent earlier, in the room's name ten minutes back and in
    // the server's a day back, come where and when they arrived; a subject an occupant
    // sets is no line.
    const auto stampedBack = [](qint64 seconds) {
        return QDateTime::currentDateTimeUtc().addSecs(-seconds).toString("yyyy-MM-ddThh:mm:ssZ").toLatin1();
    };
    QVERIFY(say("<body>ten minutes back</body><delay xmlns='urn:xmpp:delay' from='" + room + "' stamp='"
                + stampedBack(600) + "'/>"));
    QVERIFY(say("<body>a day back</body><delay xmlns='urn:xmpp:delay' from='localhost' stamp='"
                + stampedBack(86400) + "'/>"));
    QVERIFY(say("<subject>our topic</subject>"));
    QVERIFY(say("<body>the end</body>"));
    QTRY_VERIFY_WITH_TIMEOUT(haruto->text().contains("Aiko: the end"), 5000);
    const QString later = haruto->text();
    QStringList lastLines = later.split('\n').mid(later.count('\n') - 3);
    for (QString &line : lastLines)
        line = line.section(") ", 1);
    QCOMPARE(lastLines, QStringList({"Aiko: after all that", "Aiko: ten minutes back", "Aiko: a day back", "Aiko: the end"}));
    QVERIFY(!later.contains(Utils::localDateText(QDateTime::currentDateTime().addDays(-1))));
    QCOMPARE(haruto->client->state(), 5);
    QVERIFY(haruto->view->grab().save("chatroom-hostile.png"));

    // A burst of lines as fast as the server passes them: the lines come in order, to
    // the last, and the chat reads them a slice at a time, the event loop running between:
    // no pass of it (a 0 ms timer fires once a pass) sees more lines than two slices hold.
    // The clock steps at every reading, so a slice holds as many lines at any load; it
    // stays for the rest of the run, not stepping, as a clock must not go back. The server
    // keeps what it sent until the client acknowledges it, and ends the session of one
    // that left more than 5000 stanzas unacknowledged, as a client reading more slowly
    // than the burst comes (on a busy machine) does: the client comes back, the room's
    // history brings the last lines, and the pane says that lines may be missing.
    constexpr int BurstLines = 20000;
    QSignalSpy received(haruto->view->conference(), &XMPPConference::message);
    QSignalSpy missing(haruto->view->conference(), &XMPPConference::linesMissing);
    xmpp::LocalClock::setSource(&steppedClock);
    clockStepping = true;
    const auto stopStepping = qScopeGuard([] { clockStepping = false; });
    int linesThisPass = 0;
    int mostLinesInAPass = 0;
    QTimer passes;
    connect(&passes, &QTimer::timeout, &passes, [&linesThisPass] { linesThisPass = 0; });
    connect(haruto->view->conference(), &XMPPConference::message, &passes, [&linesThisPass, &mostLinesInAPass] {
        mostLinesInAPass = std::max(mostLinesInAPass, ++linesThisPass);
    });
    passes.start(0);
    QByteArray burst;
    for (int i = 0; i < BurstLines; ++i)
        burst += "<message to='" + room + "' type='groupchat'><body>burst " + QByteArray::number(i) + "</body></message>";
    QVERIFY(aiko.send(burst));
    const QString lastLine = QStringLiteral("Aiko: burst %1").arg(BurstLines - 1);
    QTRY_VERIFY_WITH_TIMEOUT(haruto->text().endsWith(lastLine) || haruto->text().contains(lastLine + '\n'), 120000);
    passes.stop();
    clockStepping = false;
    // The numbers of the lines in order, one after the other but where the pane said
    // that lines may be missing, up to the last.
    const auto inOrder = [&missing](const QList<int> &numbers) {
        for (qsizetype i = 1; i < numbers.size(); ++i) {
            if (numbers.at(i) <= numbers.at(i - 1) || (numbers.at(i) != numbers.at(i - 1) + 1 && missing.isEmpty()))
                return false;
        }
        return !numbers.isEmpty() && numbers.constLast() == BurstLines - 1;
    };
    QList<int> came;
    for (const QList<QVariant> &line : std::as_const(received))
        came << line.at(0).value<XMPPMessage>().body().section(' ', 1).toInt();
    QVERIFY(inOrder(came));
    QCOMPARE(missing.size(), came.size() == BurstLines ? 0 : 1);
    QList<int> shown;
    for (const QString &line : haruto->text().split('\n').filter("Aiko: burst "))
        shown << line.section(' ', -1).toInt();
    QVERIFY(inOrder(shown));
    QVERIFY(shown.size() >= (missing.isEmpty() ? ChatOutputWidget::MaxLines * 3 / 4 : 20));
    QVERIFY2(mostLinesInAPass > 0 && mostLinesInAPass <= 2 * XMPPClient::ReadSliceMs,
             qPrintable(QString::number(mostLinesInAPass)));

    // A picture of 5500 x 5500 pixels in Aiko's vCard is not decoded.
    QImage picture(5500, 5500, QImage::Format_Mono);
    picture.fill(0);
    QByteArray png;
    QBuffer buffer(&png);
    QVERIFY(buffer.open(QIODevice::WriteOnly) && picture.save(&buffer, "PNG"));
    QVERIFY(aiko.send("<iq type='set' id='card'><vCard xmlns='vcard-temp'><PHOTO><TYPE>image/png</TYPE><BINVAL>"
                          + png.toBase64() + "</BINVAL></PHOTO></vCard></iq>",
                      "id='card'"));
    QSignalSpy cards(haruto->client.get(), &XMPPClient::vCardReceived);
    QTest::ignoreMessage(QtWarningMsg, "Refusing a vCard photo of 5500 x 5500 pixels");
    haruto->client->requestVCard(parseJid("2108@localhost"));
    QTRY_COMPARE_WITH_TIMEOUT(cards.size(), 1, 5000);
    QVERIFY(cards.at(0).at(1).value<XMPPVCard>().photo().isNull());
    QCOMPARE(haruto->client->state(), 5);
}

void TestChatRooms::forgedStampsInHistory()
{
    // Aiko stamps her lines as sent a day back in the server's name, ten minutes back
    // and far ahead in the room's; the room keeps those stamps in its history, with its
    // own after the first only. Haruto joins later: the history keeps the room's
    // order, with no day of its own and no line after the present. His client goes
    // by a clock ten seconds ahead of the chat server's, and shows the room's stamps on
    // it.
    ServerTime &clock = Singleton<ServerTime>::instance();
    clock.setClock(std::make_unique<ShiftedClock>(10000));
    const auto sameClocks = qScopeGuard([&clock] { clock.setClock(std::make_unique<ShiftedClock>(0)); });
    const qint32 table = 8000 + QCoreApplication::applicationPid() % 1000;
    const QByteArray room = "table-" + QByteArray::number(table) + "@conference.localhost";
    RawXmppUser mei;
    RawXmppUser aiko;
    QVERIFY(mei.login(m_port, "2115", "secret") && aiko.login(m_port, "2116", "secret"));
    QVERIFY(mei.send("<presence to='" + room + "/Mei Ling'><x xmlns='http://jabber.org/protocol/muc'/></presence>",
                     "code='110'"));
    QVERIFY(aiko.send("<presence to='" + room + "/Aiko'><x xmlns='http://jabber.org/protocol/muc'/></presence>",
                      "code='110'"));
    // Each line is passed on by the room before the next is sent.
    const auto say = [&room](RawXmppUser &user, const QByteArray &body, const QByteArray &stamp = QByteArray()) {
        return user.send("<message to='" + room + "' type='groupchat'><body>" + body + "</body>" + stamp + "</message>",
                         "<body>" + body + "</body>");
    };
    const auto stampedBack = [](const QByteArray &by, qint64 seconds) -> QByteArray {
        return "<delay xmlns='urn:xmpp:delay' from='" + by + "' stamp='"
            + QDateTime::currentDateTimeUtc().addSecs(-seconds).toString("yyyy-MM-ddThh:mm:ssZ").toLatin1() + "'/>";
    };
    const QByteArray farAhead = "<delay xmlns='urn:xmpp:delay' from='" + room + "' stamp='2076-01-01T00:00:00Z'/>";
    QVERIFY(say(aiko, "ahead at the start", farAhead));
    QVERIFY(say(mei, "first"));
    QVERIFY(say(aiko, "a day back", stampedBack("localhost", 86400)));
    QVERIFY(say(mei, "second"));
    QVERIFY(say(aiko, "ten minutes back", stampedBack(room, 600)));
    QVERIFY(say(aiko, "far ahead", farAhead));
    QVERIFY(say(mei, "third"));

    ChatRelay relay(m_port);
    auto haruto = seat("2117", 1001, "Haruto", relay.port());
    QVERIFY(haruto);
    QSignalSpy received(haruto->client.get(), &XMPPClient::messageReceived);
    QSignalSpy shown(haruto->view->conference(), &XMPPConference::message);
    haruto->view->setTableRoom(table);
    QTRY_VERIFY_WITH_TIMEOUT(haruto->input()->isEnabled(), 5000);
    QVERIFY(say(mei, "live"));
    QTRY_VERIFY_WITH_TIMEOUT(haruto->text().contains("Mei Ling: live"), 5000);
    const QDateTime liveCame = clock.now();
    const QStringList expected{"Aiko: ahead at the start", "Mei Ling: first", "Aiko: a day back", "Mei Ling: second", "Aiko: ten minutes back",
                               "Aiko: far ahead", "Mei Ling: third", "Mei Ling: live"};
    const auto lines = [&haruto] {
        QStringList said;
        for (const QString &line : haruto->text().split('\n')) {
            if (line.startsWith('('))
                said << line.section(") ", 1);
        }
        return said;
    };
    QCOMPARE(lines(), expected);
    // A line far ahead says nothing of when it was sent: it comes just after the line
    // before it, or just before the line after it at the start, and the line after it
    // keeps the room's stamp.
    const auto stampOf = [](const QSignalSpy &spy, const QString &body) {
        for (const QList<QVariant> &arguments : spy) {
            const XMPPMessage message = arguments.at(0).value<XMPPMessage>();
            if (message.body() == body)
                return message.delayStamp();
        }
        return QDateTime();
    };
    QCOMPARE(stampOf(shown, "far ahead"), stampOf(shown, "ten minutes back").addMSecs(1));
    QVERIFY(stampOf(received, "first").isValid() && stampOf(received, "third").isValid());
    // The chat server told its time: the client's clock is ten seconds ahead of it.
    const qint64 aheadMs = stampOf(received, "first").msecsTo(stampOf(shown, "first"));
    QVERIFY2(std::abs(aheadMs - 10000) < 100, qPrintable(QString::number(aheadMs)));
    QCOMPARE(stampOf(shown, "ahead at the start"), stampOf(shown, "first").addMSecs(-1));
    QCOMPARE(stampOf(shown, "third"),
             std::max(stampOf(received, "third").addMSecs(aheadMs), stampOf(shown, "far ahead").addMSecs(1)));
    // One date line, today's, above all.
    QCOMPARE(haruto->text().section('\n', 0, 0), Utils::localDateText(QDateTime::currentDateTime()));
    QCOMPARE(haruto->text().count(Utils::localDateText(QDateTime::currentDateTime())), 1);

    // The room keeps its last 20 lines. While Haruto's link is down Aiko stamps a line
    // ten minutes back, and the room's history after the rejoin starts with it: it
    // comes no earlier than the history asked for. The lines said while the link was
    // down come after those shown before, by either clock.
    relay.goDead();
    QVERIFY(say(aiko, "ten minutes back again", stampedBack(room, 600)));
    for (int i = 1; i < 20; ++i)
        QVERIFY(say(mei, "gap " + QByteArray::number(i)));
    relay.cut();
    QTRY_VERIFY_WITH_TIMEOUT(haruto->text().contains("Mei Ling: gap 19"), XMPPClient::ReconnectDelaysSeconds[0] * 1000 + 5000);
    const auto again = std::find_if(shown.cbegin(), shown.cend(), [](const QList<QVariant> &arguments) {
        return arguments.at(0).value<XMPPMessage>().body() == "ten minutes back again";
    });
    QVERIFY(again != shown.cend());
    const QDateTime placed = again->at(0).value<XMPPMessage>().delayStamp();
    QVERIFY2(placed >= liveCame.addSecs(-RoomLineBook::RejoinHistoryMarginSeconds - 2) && placed <= clock.now(),
             qPrintable(placed.toString(Qt::ISODateWithMs)));
    const QStringList after = lines();
    QCOMPARE(after.size(), expected.size() + 20);
    for (int i = 1; i < 20; ++i)
        QCOMPARE(after.at(expected.size() + i), QStringLiteral("Mei Ling: gap %1").arg(i));
    QVERIFY(haruto->view->grab().save("chatroom-forged-history.png"));
}

void TestChatRooms::replacedSessionStaysOut()
{
    // A second login of Haruto's account with his resource takes his session; Mei
    // Ling's password changes while her link is down.
    ChatRelay relay(m_port);
    auto haruto = seat("2109", 1001, "Haruto");
    auto mei = seat("2110", 1002, "Mei Ling", relay.port());
    QVERIFY(haruto && mei);
    haruto->view->setLobbyRoom();
    mei->view->setLobbyRoom();
    QTRY_VERIFY_WITH_TIMEOUT(haruto->input()->isEnabled() && mei->input()->isEnabled(), 5000);
    RawXmppUser second;
    QVERIFY(second.login(m_port, "2109", "secret", haruto->client->ownJid().section('/', 1).toUtf8()));
    QVERIFY(run({"ctl", m_serverDir, "change_password", "2110", "localhost", "changed"}));
    relay.cut();
    const QString replaced = "The chat is disconnected: your account has logged in to the chat elsewhere. "
                             "It does not reconnect by itself.";
    QTRY_VERIFY_WITH_TIMEOUT(haruto->text().endsWith(replaced), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(mei->text().endsWith("The chat is disconnected: the chat server refuses your account. "
                                                  "It does not reconnect by itself."),
                             XMPPClient::ReconnectDelaysSeconds[0] * 1000 + 5000);

    // Haruto does not come back to take the session again, and the second login keeps
    // it; Mei Ling does not try again either.
    QTest::qWait(XMPPClient::ReconnectDelaysSeconds[1] * 1000 + 1000);
    QCOMPARE(haruto->client->state(), int(XMPPClient::UnconnectedState));
    QVERIFY(haruto->text().endsWith(replaced));
    QVERIFY(second.send("<iq type='get' id='ping'><ping xmlns='urn:xmpp:ping'/></iq>", "id='ping'"));
    QVERIFY(!mei->client->reconnects());
    QVERIFY(haruto->view->grab().save("chatroom-replaced.png"));
}

void TestChatRooms::noTypedLineLost()
{
    // Haruto's link ends while his client still reads a burst of Aiko's messages: the
    // lines he types as the client finds the link lost, at his table and in a manager
    // chat, did not go out; they stay in their inputs, and the panes say so.
    ChatRelay relay(m_port);
    auto haruto = seat("2113", 1001, "Haruto", relay.port());
    QVERIFY(haruto);
    haruto->view->setTableRoom(7000 + QCoreApplication::applicationPid() % 1000);
    QTRY_VERIFY_WITH_TIMEOUT(haruto->input()->isEnabled(), 5000);
    QWidget desk;
    ChatManager chats(haruto->client.get(), haruto->db.get(), &desk);
    chats.reqestChat(parseJid("2114@localhost"));
    auto window = desk.findChild<ChatWindow *>();
    QVERIFY(window);
    auto chatInput = window->findChild<QLineEdit *>("input");
    auto chatOutput = window->findChild<ChatOutputWidget *>("output");

    // Headlines: read like every message, shown nowhere.
    RawXmppUser aiko;
    QVERIFY(aiko.login(m_port, "2114", "secret"));
    constexpr int BurstMessages = 3000;
    QByteArray burst;
    for (int i = 0; i < BurstMessages; ++i)
        burst += "<message to='2113@localhost' type='headline'><body>" + QByteArray::number(i) + "</body></message>";
    // Each message takes a millisecond to handle, as on a slow machine, so that the
    // client has read only part of what came before the end as it finds the link lost.
    connect(haruto->client.get(), &XMPPClient::messageReceived, this, [] { QThread::usleep(1000); });
    QSignalSpy received(haruto->client.get(), &XMPPClient::messageReceived);
    QVERIFY(aiko.send(burst));
    QTRY_VERIFY_WITH_TIMEOUT(!received.isEmpty(), 5000);
    // The server has sent all once nothing more comes for a while.
    for (qint64 passed = -1; passed != relay.fromServer();) {
        passed = relay.fromServer();
        QTest::qWait(300);
    }
    qsizetype receivedAtLoss = -1;
    qsizetype receivedAtDisconnect = -1;
    // The client outlives this function's locals (the seat closes its stream as it goes):
    // what these lambdas write and read goes with this.
    QObject watch;
    connect(haruto->client.get(), &XMPPClient::socketError, &watch, [&] {
        receivedAtLoss = received.size();
        haruto->say("typed as the link died");
        chatInput->setText("and to Aiko alone");
        window->findChild<QPushButton *>("send")->click();
    });
    connect(haruto->client.get(), &XMPPClient::disconnected, &watch, [&] { receivedAtDisconnect = received.size(); });
    relay.hangUp();
    QTRY_VERIFY_WITH_TIMEOUT(receivedAtDisconnect >= 0, 10000);
    QVERIFY2(receivedAtLoss >= 0 && receivedAtDisconnect > receivedAtLoss,
             qPrintable(QStringLiteral("%1 messages at the loss, %2 at the end").arg(receivedAtLoss).arg(receivedAtDisconnect)));
    const QString notSent = "Not sent: the chat is disconnected. Your line stays in the input.";
    QCOMPARE(haruto->input()->text(), QStringLiteral("typed as the link died"));
    QTRY_VERIFY(haruto->text().contains(notSent));
    QCOMPARE(chatInput->text(), QStringLiteral("and to Aiko alone"));
    QTRY_VERIFY(chatOutput->toPlainText().contains(notSent));
    QVERIFY(!chatOutput->toPlainText().contains("and to Aiko alone"));
    // The loss is told first, as everywhere.
    const QString roomLost = "The chat is disconnected. It is joined again when the connection is back.";
    const QString chatLost = "The chat is disconnected. It tries to reconnect by itself.";
    QVERIFY2(haruto->text().contains(roomLost + "\n" + notSent), qPrintable(haruto->text()));
    QVERIFY2(chatOutput->toPlainText().contains(chatLost + "\n" + notSent), qPrintable(chatOutput->toPlainText()));

    // Back at the table, the line goes out.
    QTRY_VERIFY_WITH_TIMEOUT(haruto->view->conference()->isJoined(), XMPPClient::ReconnectDelaysSeconds[0] * 1000 + 5000);
    QTest::keyClick(haruto->input(), Qt::Key_Return);
    QVERIFY(haruto->input()->text().isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(haruto->text().endsWith("Haruto: typed as the link died"), 5000);
    QVERIFY(haruto->view->grab().save("chatroom-not-sent.png"));
}

void TestChatRooms::lineCountsOnceServerHasIt()
{
    // Haruto talks at his table and in a one-to-one chat with Mei Ling, through a link
    // that first carries, then passes nothing without telling either end, then ends
    // with the server's reset unread as he types.
    QVERIFY(run({"register", m_serverDir, "2131", "secret"}));
    QVERIFY(run({"register", m_serverDir, "2132", "secret"}));
    ChatRelay relay(m_port);
    auto haruto = seat("2131", 1001, "Haruto", relay.port());
    auto mei = seat("2132", 1002, "Mei Ling");
    QVERIFY(haruto && mei);
    haruto->client->setSilenceLimitMs(3000);
    const qint32 table = 8000 + QCoreApplication::applicationPid() % 1000;
    haruto->view->setTableRoom(table);
    mei->view->setTableRoom(table);
    QTRY_VERIFY_WITH_TIMEOUT(haruto->input()->isEnabled() && mei->input()->isEnabled(), 5000);
    QWidget desk;
    ChatManager chats(haruto->client.get(), haruto->db.get(), &desk);
    chats.reqestChat(parseJid("2132@localhost"));
    auto window = desk.findChild<ChatWindow *>();
    QVERIFY(window);
    auto chatInput = window->findChild<QLineEdit *>("input");
    auto chatOutput = window->findChild<ChatOutputWidget *>("output");
    const auto sayPrivately = [window, chatInput](const QString &line) {
        chatInput->setText(line);
        window->findChild<QPushButton *>("send")->click();
    };
    QSignalSpy toMei(mei->client.get(), &XMPPClient::messageReceived);
    const auto privately = [&toMei](const QString &line) {
        return std::count_if(toMei.cbegin(), toMei.cend(), [&line](const QList<QVariant> &received) {
            const auto message = received.at(0).value<XMPPMessage>();
            return message.type() == XMPPMessage::Chat && message.body() == line;
        });
    };
    QSignalSpy confirmed(haruto->client.get(), &XMPPClient::messageConfirmed);
    QSignalSpy lost(haruto->client.get(), &XMPPClient::disconnected);
    const QString notSent = "Not sent: the chat is disconnected. Your line stays in the input.";

    // While the link carries, each line goes out once and shows once.
    haruto->say("while all is well");
    sayPrivately("to you alone");
    QVERIFY(haruto->input()->text().isEmpty() && chatInput->text().isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(confirmed.size(), 2, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(mei->text().contains("Haruto: while all is well"), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(haruto->text().contains("Haruto: while all is well"), 5000);
    QTRY_VERIFY(chatOutput->toPlainText().contains("to you alone"));
    QCOMPARE(privately("to you alone"), 1);
    QCOMPARE(haruto->text().count("while all is well"), 1);
    QCOMPARE(chatOutput->toPlainText().count("to you alone"), 1);
    QVERIFY(!haruto->text().contains(notSent) && !chatOutput->toPlainText().contains(notSent));

    // Silence: the lines are not taken as said; the link is dropped at the limit, and
    // they are back in their inputs once the resumed session says that the server did
    // not get them.
    relay.goDead();
    haruto->say("into the silence");
    sayPrivately("are you there?");
    QVERIFY(haruto->input()->text().isEmpty() && chatInput->text().isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(lost.size(), 1, 10000);
    QVERIFY(!shownLines(*haruto).contains("Haruto: into the silence"));
    relay.cut();
    QTRY_VERIFY_WITH_TIMEOUT(haruto->text().contains(notSent) && chatOutput->toPlainText().contains(notSent),
                             XMPPClient::ReconnectDelaysSeconds[0] * 1000 + 5000);
    QCOMPARE(haruto->input()->text(), QStringLiteral("into the silence"));
    QCOMPARE(chatInput->text(), QStringLiteral("are you there?"));
    QVERIFY(!chatOutput->toPlainText().contains("are you there?"));
    QCOMPARE(confirmed.size(), 2);

    // The relay passes again; back at the table, both go out once.
    QTRY_VERIFY_WITH_TIMEOUT(haruto->view->conference()->isJoined(), XMPPClient::ReconnectDelaysSeconds[0] * 1000 + 5000);
    QTest::keyClick(haruto->input(), Qt::Key_Return);
    window->findChild<QPushButton *>("send")->click();
    QVERIFY(haruto->input()->text().isEmpty() && chatInput->text().isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(confirmed.size(), 4, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(mei->text().contains("Haruto: into the silence"), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(haruto->text().contains("Haruto: into the silence"), 5000);
    QTRY_COMPARE(chatOutput->toPlainText().count("are you there?"), 1);
    QTRY_COMPARE(privately("are you there?"), 1);
    QCOMPARE(haruto->text().count("Haruto: into the silence"), 1);

    // The server's end is on the socket, unread, as Haruto types: the line went into
    // the socket, but not to the server.
    relay.hangUp();
    haruto->say("after the end");
    QVERIFY(haruto->input()->text().isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(haruto->text().count(notSent), 2, XMPPClient::ReconnectDelaysSeconds[1] * 1000 + 5000);
    QCOMPARE(haruto->input()->text(), QStringLiteral("after the end"));
    QTRY_VERIFY_WITH_TIMEOUT(haruto->view->conference()->isJoined(), XMPPClient::ReconnectDelaysSeconds[1] * 1000 + 5000);
    QTest::keyClick(haruto->input(), Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(mei->text().contains("Haruto: after the end"), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(confirmed.size(), 5, 5000);

    // Mei Ling heard each line once.
    mei->say("all heard");
    QTRY_VERIFY_WITH_TIMEOUT(haruto->text().contains("Mei Ling: all heard"), 5000);
    // Each line was said once, and each pane shows it once, also after two rejoins.
    for (const char *line : {"while all is well", "into the silence", "after the end"}) {
        QCOMPARE(haruto->text().count(QStringLiteral("Haruto: ") + line), 1);
        QCOMPARE(mei->text().count(QStringLiteral("Haruto: ") + line), 1);
    }
    QCOMPARE(privately("to you alone"), 1);
    QCOMPARE(privately("are you there?"), 1);
    QVERIFY(haruto->view->grab().save("chatroom-unconfirmed.png"));
    QVERIFY(window->grab().save("chatwindow-unconfirmed.png"));
}

void TestChatRooms::rejoinAfterDeadLink()
{
    // Haruto's link dies without either end noticing, while Mei Ling talks at their
    // table; his client finds out only later.
    ChatRelay relay(m_port);
    auto haruto = seat("2111", 1001, "Haruto", relay.port());
    auto mei = seat("2112", 1002, "Mei Ling");
    QVERIFY(haruto && mei);
    const qint32 table = 6000 + QCoreApplication::applicationPid() % 1000;
    haruto->view->setTableRoom(table);
    QTRY_VERIFY_WITH_TIMEOUT(haruto->input()->isEnabled(), 5000);
    mei->view->setTableRoom(table);
    QTRY_VERIFY_WITH_TIMEOUT(haruto->text().contains("Mei Ling joined the chat"), 5000);
    // A short word, and another line longer before the loss than the margin of the
    // history a rejoin asks for.
    mei->say("ok");
    QTRY_VERIFY_WITH_TIMEOUT(haruto->text().contains("Mei Ling: ok"), 5000);
    QTest::qWait((RoomLineBook::RejoinHistoryMarginSeconds + 2) * 1000);
    mei->say("before the loss");
    QTRY_VERIFY_WITH_TIMEOUT(haruto->text().contains("Mei Ling: before the loss"), 5000);
    relay.goDead();
    mei->say("ok");
    mei->say("while the link was dead");
    QTRY_VERIFY_WITH_TIMEOUT(mei->text().contains("Mei Ling: while the link was dead"), 5000);
    QTest::qWait(RoomLineBook::RejoinHistoryMarginSeconds * 1000);

    // The first rejoin is cut short as the room's presences come, before its history.
    // The client's tries, each with the pause it announces, are read from its log: on a
    // busy machine one may fail and another follow.
    LogFile log;
    const auto pauses = [&log] {
        QList<int> seconds;
        const QRegularExpression notice("chat connection to localhost is tried again in (\\d+) s");
        for (auto found = notice.globalMatch(log.text()); found.hasNext();)
            seconds << found.next().captured(1).toInt();
        return seconds;
    };
    // A new try comes within the longest pause.
    constexpr int NextTryMs = XMPPClient::ReconnectDelaysSeconds.back() * 1000 + 20000;
    bool cutShort = false;
    // The client outlives this function's locals (the seat closes its stream as it goes):
    // what these lambdas write and read goes with this.
    QObject watch;
    connect(haruto->view->conference(), &XMPPConference::participantJoined, &watch, [&haruto, &cutShort] {
        if (!std::exchange(cutShort, true))
            haruto->client->closeStream();
    });
    relay.cut();
    QTRY_VERIFY_WITH_TIMEOUT(cutShort, NextTryMs);
    QTRY_COMPARE_WITH_TIMEOUT(haruto->client->state(), int(XMPPClient::UnconnectedState), 5000);
    const QList<int> firstPauses = pauses();
    QVERIFY2(!firstPauses.isEmpty(), qPrintable(log.text()));

    // The resumed session brought the lines of the dead link before the rejoin's
    // presences; back in the room, with the history of a new session, no line shows
    // twice, the short word again included.
    const auto shownOnceInOrder = [&haruto] {
        const QString text = haruto->text();
        const qsizetype before = text.indexOf("Mei Ling: before the loss");
        return text.count("Mei Ling: ok") == 2 && text.count("Mei Ling: before the loss") == 1
            && text.count("Mei Ling: while the link was dead") == 1 && text.indexOf("Mei Ling: ok") < before
            && before < text.indexOf("Mei Ling: ok", before)
            && text.indexOf("Mei Ling: ok", before) < text.indexOf("Mei Ling: while the link was dead");
    };
    QTRY_VERIFY2(shownOnceInOrder(), qPrintable(haruto->text()));
    QSignalSpy received(haruto->client.get(), &XMPPClient::messageReceived);
    haruto->client->connectToHost("localhost", relay.port(), XMPPClient::TlsRequired);
    QTRY_VERIFY_WITH_TIMEOUT(subjectCame(received) && haruto->view->conference()->isJoined(), 30000);
    QTRY_VERIFY2(shownOnceInOrder(), qPrintable(haruto->text()));

    // Lost again at once: the pauses before the next tries go on growing, and the client
    // comes back by itself, in the room, with no line twice.
    relay.cut();
    QTRY_VERIFY_WITH_TIMEOUT(haruto->client->state() != XMPPClient::ConnectedState, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(haruto->client->state() == XMPPClient::ConnectedState
                                 && haruto->view->conference()->isJoined(),
                             NextTryMs);
    const QList<int> allPauses = pauses();
    QVERIFY2(allPauses.size() > firstPauses.size() && allPauses.last() > firstPauses.first()
                 && std::is_sorted(allPauses.begin(), allPauses.end()),
             qPrintable(log.text()));
    mei->say("after the second loss");
    QTRY_VERIFY_WITH_TIMEOUT(haruto->text().contains("Mei Ling: after the second loss"), 30000);
    QVERIFY2(shownOnceInOrder() && haruto->text().count("Mei Ling: after the second loss") == 1,
             qPrintable(haruto->text()));
}

void TestChatRooms::rejoinsInARow_data()
{
    QTest::addColumn<bool>("archived");
    QTest::addColumn<int>("table");
    const int table = 9000 + QCoreApplication::applicationPid() % 500;
    // An archived room gives each line an id of its own.
    QTest::newRow("lines by the room's ids") << true << table;
    QTest::newRow("lines by sender, text and stamp") << false << table + 500;
}

void TestChatRooms::rejoinsInARow()
{
    // Haruto's link dies without either end noticing while Mei Ling talks at their
    // table, and then again each time as soon as his client is back in the room, before
    // any live line. Every line shows as often as it was said, in the room's order, and
    // those said while the link was dead below the notice of that loss.
    QFETCH(bool, archived);
    QFETCH(int, table);
    const QByteArray room = "table-" + QByteArray::number(table) + "@conference.localhost";
    RawXmppUser mei;
    QVERIFY(mei.login(m_port, "2120", "secret")
            && mei.ownRoom(room, "Mei Ling", "<field var='mam'><value>" + QByteArray(archived ? "1" : "0") + "</value></field>"));
    // Each line is passed on by the room before the next is sent.
    const auto say = [&mei, &room](const QByteArray &body) {
        return mei.send("<message to='" + room + "' type='groupchat'><body>" + body + "</body></message>",
                        "<body>" + body + "</body>");
    };
    ChatRelay relay(m_port);
    auto haruto = seat("2119", 1001, "Haruto", relay.port());
    QVERIFY(haruto);
    int histories = 0;
    QString lastId;
    // The client outlives this function's locals (the seat closes its stream as it goes):
    // what these lambdas write and read goes with this.
    QObject watch;
    connect(haruto->client.get(), &XMPPClient::messageReceived, &watch,
            [&histories, &lastId, &room](const XMPPMessage &message) {
                if (!message.stanza().subjects.isEmpty())
                    ++histories;
                if (!message.body().isEmpty())
                    lastId = message.stanzaIdBy(room);
            });
    haruto->view->setTableRoom(table);
    QTRY_VERIFY_WITH_TIMEOUT(histories == 1 && haruto->view->conference()->isJoined(), 5000);

    // The chat lines and the notices of a loss, in the order shown.
    const QString lost = "The chat is disconnected. It is joined again when the connection is back.";
    const auto shown = [&haruto, &lost] {
        QStringList seen;
        for (const QString &line : haruto->text().split('\n')) {
            if (line == lost)
                seen << "lost";
            else if (line.startsWith('('))
                seen << line.section(") ", 1);
        }
        return seen;
    };
    // The link is cut; the client comes back at once and takes the room's history.
    const auto rejoin = [&haruto, &relay, &histories] {
        const int before = histories;
        relay.cut();
        QTRY_COMPARE_WITH_TIMEOUT(haruto->client->state(), int(XMPPClient::UnconnectedState), 5000);
        haruto->client->connectToHost("localhost", relay.port(), XMPPClient::TlsRequired);
        QTRY_VERIFY_WITH_TIMEOUT(histories > before && haruto->view->conference()->isJoined(), 10000);
    };

    QVERIFY(say("pre-0") && say("ok") && say("pre-1"));
    QTRY_VERIFY_WITH_TIMEOUT(haruto->text().contains("Mei Ling: pre-1"), 5000);
    QCOMPARE(lastId.isEmpty(), !archived);
    relay.goDead();
    QVERIFY(say("ok") && say("pre-2"));
    rejoin();
    if (QTest::currentTestFailed())
        return;
    rejoin();
    if (QTest::currentTestFailed())
        return;
    const QStringList twice{"Mei Ling: pre-0", "Mei Ling: ok", "Mei Ling: pre-1", "lost", "Mei Ling: ok", "Mei Ling: pre-2",
                            "lost"};
    QTRY_COMPARE(shown(), twice);

    // A third time, with a line said while the link was dead.
    relay.goDead();
    QVERIFY(say("pre-3"));
    rejoin();
    if (QTest::currentTestFailed())
        return;
    QVERIFY(say("after"));
    QTRY_VERIFY_WITH_TIMEOUT(haruto->text().contains("Mei Ling: after"), 5000);
    QCOMPARE(shown(), (twice + QStringList{"lost", "Mei Ling: pre-3", "Mei Ling: after"}));
    QVERIFY(haruto->view->grab().save(QStringLiteral("chatroom-rejoins-%1.png").arg(archived ? "ids" : "stamps")));
}

bool TestChatRooms::openPlainRoom(RawXmppUser &mei, const QByteArray &account, const QByteArray &room)
{
    return mei.login(m_port, account, "secret")
        && mei.ownRoom(room, "Mei Ling", "<field var='mam'><value>0</value></field>");
}

QStringList TestChatRooms::shownLines(const Seat &seat)
{
    QStringList seen;
    for (const QString &line : seat.text().split('\n')) {
        if (line == QLatin1String("The chat is disconnected. It is joined again when the connection is back."))
            seen << "lost";
        else if (line == QLatin1String("Lines said while the chat was disconnected may be missing: the room keeps only its "
                                       "latest lines."))
            seen << "missing";
        else if (line.startsWith('('))
            seen << line.section(") ", 1);
    }
    return seen;
}

bool TestChatRooms::subjectCame(const QSignalSpy &received)
{
    return std::any_of(received.cbegin(), received.cend(), [](const QList<QVariant> &arguments) {
        return !arguments.at(0).value<XMPPMessage>().stanza().subjects.isEmpty();
    });
}

void TestChatRooms::rejoinWhileTalking_data()
{
    QTest::addColumn<qint64>("aheadMs");
    QTest::addColumn<int>("table");
    const int table = 9200 + QCoreApplication::applicationPid() % 100;
    QTest::newRow("the client's clock behind the chat server's by tens of milliseconds") << qint64(-40) << table;
    QTest::newRow("ahead by tens of milliseconds") << qint64(40) << table + 100;
    QTest::newRow("behind by seconds") << qint64(-3000) << table + 200;
    QTest::newRow("ahead by seconds") << qint64(3000) << table + 300;
}

void TestChatRooms::rejoinWhileTalking()
{
    // Mei Ling talks at a table whose lines carry no ids, right up to the moment Haruto's
    // link is cut and on while he is away; his client goes by a clock that is not the chat
    // server's. Back in the room, he sees each line once, in the order said, those he
    // missed below the loss.
    QFETCH(qint64, aheadMs);
    QFETCH(int, table);
    ServerTime &clock = Singleton<ServerTime>::instance();
    clock.setClock(std::make_unique<ShiftedClock>(aheadMs));
    const auto sameClocks = qScopeGuard([&clock] { clock.setClock(std::make_unique<ShiftedClock>(0)); });
    const QByteArray room = "table-" + QByteArray::number(table) + "@conference.localhost";
    RawXmppUser mei;
    QVERIFY(openPlainRoom(mei, "2122", room));
    ChatRelay relay(m_port);
    auto haruto = seat("2121", 1001, "Haruto", relay.port());
    QVERIFY(haruto);
    haruto->view->setTableRoom(table);
    QTRY_VERIFY_WITH_TIMEOUT(haruto->view->conference()->isJoined(), 5000);

    int said = 0;
    QTimer talk;
    connect(&talk, &QTimer::timeout, this, [&mei, &room, &said] {
        mei.send("<message to='" + room + "' type='groupchat'><body>line " + QByteArray::number(++said)
                 + "</body></message>");
    });
    talk.start(100);
    // The last line his client had read as it found the link lost: the loss is told
    // below it, and what came after it comes from the history.
    int heardBeforeLoss = 0;
    bool linkLost = false;
    // The client outlives this function's locals (the seat closes its stream as it goes):
    // what these lambdas write and read goes with this.
    QObject watch;
    connect(haruto->client.get(), &XMPPClient::messageReceived, &watch, [&heardBeforeLoss, &linkLost](const XMPPMessage &m) {
        if (!linkLost && m.body().startsWith("line "))
            heardBeforeLoss = m.body().mid(5).toInt();
    });
    connect(haruto->client.get(), &XMPPClient::disconnected, &watch, [&linkLost] { linkLost = true; });
    QTRY_VERIFY_WITH_TIMEOUT(shownLines(*haruto).contains("Mei Ling: line 8"), 5000);
    QSignalSpy received(haruto->client.get(), &XMPPClient::messageReceived);
    relay.cut();
    // The room keeps its last 20 lines: a few more while he is away.
    const int atCut = said;
    QTRY_VERIFY(said >= atCut + 5);
    talk.stop();
    // Back in the room once the rejoin's history has ended; a line said then shows once
    // all before it have.
    QTRY_VERIFY_WITH_TIMEOUT(subjectCame(received) && haruto->view->conference()->isJoined(),
                             XMPPClient::ReconnectDelaysSeconds[0] * 1000 + 10000);
    const QByteArray back = "line " + QByteArray::number(++said);
    QVERIFY(mei.send("<message to='" + room + "' type='groupchat'><body>" + back + "</body></message>",
                     "<body>" + back + "</body>"));
    QTRY_VERIFY_WITH_TIMEOUT(shownLines(*haruto).contains("Mei Ling: " + QString::fromLatin1(back)), 5000);

    QVERIFY(linkLost);
    QVERIFY2(heardBeforeLoss >= 8 && heardBeforeLoss <= atCut, qPrintable(QString::number(heardBeforeLoss)));
    QStringList expected;
    for (int i = 1; i <= said; ++i)
        expected << QStringLiteral("Mei Ling: line %1").arg(i);
    expected.insert(heardBeforeLoss, "lost");
    QCOMPARE(shownLines(*haruto), expected);
}

void TestChatRooms::repeatOnSlowLink_data()
{
    QTest::addColumn<bool>("heardFirst");
    QTest::addColumn<int>("table");
    const int table = 9600 + QCoreApplication::applicationPid() % 100;
    QTest::newRow("said again once the first had come, heading a history the room cut") << true << table;
    QTest::newRow("said again before the first had come, in one history with it") << false << table + 100;
}

void TestChatRooms::repeatOnSlowLink()
{
    // Mei Ling says "ok" twice at a table whose lines carry no ids, while Haruto's link
    // is slow by a second each way: the second "ok" once the first has reached him,
    // followed by as many lines as the room keeps, or half a second after the first.
    // His link is cut before the second comes; his client goes by a clock three seconds
    // ahead of the chat server's. Back in the room, he sees "ok" twice.
    QFETCH(bool, heardFirst);
    QFETCH(int, table);
    ServerTime &clock = Singleton<ServerTime>::instance();
    clock.setClock(std::make_unique<ShiftedClock>(3000));
    const auto sameClocks = qScopeGuard([&clock] { clock.setClock(std::make_unique<ShiftedClock>(0)); });
    const QByteArray room = "table-" + QByteArray::number(table) + "@conference.localhost";
    RawXmppUser mei;
    QVERIFY(openPlainRoom(mei, "2124", room));
    const auto say = [&mei, &room](const QByteArray &body) {
        return mei.send("<message to='" + room + "' type='groupchat'><body>" + body + "</body></message>",
                        "<body>" + body + "</body>");
    };
    ChatRelay relay(m_port);
    auto haruto = seat("2123", 1001, "Haruto", relay.port());
    QVERIFY(haruto);
    haruto->view->setTableRoom(table);
    QTRY_VERIFY_WITH_TIMEOUT(haruto->view->conference()->isJoined(), 5000);
    relay.delay(1000);

    std::optional<qint64> heardByMs;
    haruto->noteWhenHeard(heardByMs);
    QVERIFY(say("ok"));
    QStringList expected{"Mei Ling: ok", "lost", "Mei Ling: ok"};
    if (heardFirst) {
        // The room keeps 20 lines, as many as were said: the resumed session brings all
        // that were on their way, and nothing is missing.
        QTRY_VERIFY_WITH_TIMEOUT(shownLines(*haruto).contains("Mei Ling: ok"), 5000);
        QVERIFY(heardByMs);
        // Said once the chat server's clock is past the first "ok" as Haruto heard it,
        // whatever his reckoning errs.
        QVERIFY(haruto->waitUntilServerClockPast(*heardByMs));
        QVERIFY(say("ok"));
        for (int i = 1; i < 20; ++i) {
            QVERIFY(say("gap " + QByteArray::number(i)));
            expected << QStringLiteral("Mei Ling: gap %1").arg(i);
        }
        relay.cut();
    } else {
        QTimer::singleShot(500, this, [&say] { say("ok"); });
        QTRY_VERIFY_WITH_TIMEOUT(shownLines(*haruto).contains("Mei Ling: ok"), 5000);
        relay.cut();
        QVERIFY(!shownLines(*haruto).contains("lost"));
        QVERIFY(say("and then"));
        expected << "Mei Ling: and then";
    }
    QTRY_VERIFY_WITH_TIMEOUT(shownLines(*haruto).contains(expected.last()),
                             XMPPClient::ReconnectDelaysSeconds[0] * 1000 + 10000);
    QCOMPARE(shownLines(*haruto), expected);
    QVERIFY(haruto->view->grab().save(QStringLiteral("chatroom-repeat-%1.png").arg(heardFirst ? "capped" : "slow")));
}

void TestChatRooms::lineTheRoomHolds()
{
    // A room of the second domain passes a user's lines on at most one in ten minutes:
    // the server confirms Haruto's second line, and the room holds it. It gets its
    // verdict within his client's confirmation limit: the link is taken as lost and the
    // line comes back into the input, which the room's history after the rejoin leaves
    // there, as the room has not passed it on. The room, which no one else is in, stays:
    // the chat server keeps his session, and him in it, for the resumption. Its history
    // brings his first line again, and nothing is told missing.
    auto haruto = seat("2125", 1001, "Haruto");
    QVERIFY(haruto);
    constexpr int LimitMs = 3000;
    haruto->client->setConfirmationLimitMs(LimitMs);
    haruto->context->setConferenceJid("conference.slow.localhost");
    const int table = 9800 + QCoreApplication::applicationPid() % 100;
    haruto->view->setTableRoom(table);
    QTRY_VERIFY_WITH_TIMEOUT(haruto->view->conference()->isJoined(), 5000);
    haruto->say("first");
    QTRY_VERIFY_WITH_TIMEOUT(shownLines(*haruto).contains("Haruto: first"), 5000);
    // The room's subject ends the rejoin's history, which tells that the room has not
    // passed the line on.
    QSignalSpy received(haruto->client.get(), &XMPPClient::messageReceived);
    QSignalSpy confirmed(haruto->client.get(), &XMPPClient::messageConfirmed);
    QElapsedTimer waited;
    waited.start();
    haruto->say("second");
    QVERIFY(haruto->text().contains("Haruto: second (sending…)"));
    QTRY_COMPARE_WITH_TIMEOUT(confirmed.size(), 1, 5000);
    QVERIFY(haruto->text().contains("Haruto: second (sending…)"));

    QTRY_COMPARE_WITH_TIMEOUT(haruto->input()->text(), QStringLiteral("second"),
                              LimitMs + XMPPClient::ReconnectDelaysSeconds[0] * 1000 + 5000);
    QVERIFY(subjectCame(received));
    const qint64 verdictMs = waited.elapsed();
    QVERIFY2(verdictMs >= LimitMs - 100, qPrintable(QString::number(verdictMs)));
    const QString notSent = "Not sent: the chat is disconnected. Your line stays in the input.";
    QTRY_VERIFY(haruto->text().contains(notSent));
    QVERIFY2(!haruto->text().contains("sending"), qPrintable(haruto->text()));
    QCOMPARE(shownLines(*haruto), (QStringList{"Haruto: first", "lost"}));

    QTRY_VERIFY(haruto->text().contains("The chat is back."));
    QCOMPARE(haruto->input()->text(), QStringLiteral("second"));
    QCOMPARE(shownLines(*haruto), (QStringList{"Haruto: first", "lost"}));
    QVERIFY(haruto->view->grab().save("chatroom-room-holds-line.png"));

    // The room holds the line again, and he is banned: the room refuses the line, which
    // comes back with the reason and the room's words, the link kept; the pane offers no input and quotes
    // the line. The limit is far, as the ban's command holds this test's event loop for a
    // while.
    haruto->client->setConfirmationLimitMs(60000);
    QSignalSpy lost(haruto->client.get(), &XMPPClient::disconnected);
    haruto->input()->clear();
    haruto->say("third");
    QVERIFY(haruto->text().contains("Haruto: third (sending…)"));
    QVERIFY(run({"ctl", m_serverDir, "set_room_affiliation", QStringLiteral("table-%1").arg(table),
                 "conference.slow.localhost", "2125@localhost", "outcast"}));
    QTRY_COMPARE_WITH_TIMEOUT(haruto->input()->text(), QStringLiteral("third"), 30000);
    QTRY_VERIFY2(haruto->text().endsWith("\"third\" was not sent: the room refused it (you may not speak there: Only "
                                         "occupants are allowed to send messages to the conference)."),
                 qPrintable(haruto->text()));
    QVERIFY2(!haruto->text().contains("sending"), qPrintable(haruto->text()));
    QVERIFY(!haruto->input()->isEnabled());
    QVERIFY(lost.isEmpty());
}

void TestChatRooms::linesTheRoomLost_data()
{
    // How the room fares while Haruto is away: kept (0), closed by its owner and opened
    // again before he is back (1), or closed and opened again by his rejoin (2); and how
    // many lines are said while he is away, before any close.
    QTest::addColumn<int>("closed");
    QTest::addColumn<int>("awayLines");
    QTest::addColumn<int>("table");
    const int table = 3000 + QCoreApplication::applicationPid() % 100;
    QTest::newRow("the room kept its lines") << 0 << 3 << table;
    QTest::newRow("more lines than the room keeps") << 0 << 25 << table + 100;
    QTest::newRow("closed and opened again, lines said before and since") << 1 << 5 << table + 200;
    QTest::newRow("closed, and opened again by the rejoin") << 2 << 5 << table + 300;
}

void TestChatRooms::linesTheRoomLost()
{
    // Mei Ling's table room holds six lines as Haruto comes; his link dies without
    // either end noticing, and the chat server keeps his session. Back in the room, he
    // sees every line said while he was away once, below the loss: the resumed session
    // brings those said to him, and the rejoin's history those said in the room opened
    // again. Only where the room has lost lines said since he last heard it, those said
    // in the room opened again beyond what it keeps, the pane says once that lines may
    // be missing, just above them.
    QFETCH(int, closed);
    QFETCH(int, awayLines);
    QFETCH(int, table);
    const QByteArray room = "table-" + QByteArray::number(table) + "@conference.localhost";
    RawXmppUser mei;
    QVERIFY(openPlainRoom(mei, "2128", room));
    const auto say = [&mei, &room](const QByteArray &body) {
        return mei.send("<message to='" + room + "' type='groupchat'><body>" + body + "</body></message>",
                        "<body>" + body + "</body>");
    };
    QStringList expected;
    for (int i = 1; i <= 6; ++i) {
        QVERIFY(say("before " + QByteArray::number(i)));
        expected << QStringLiteral("Mei Ling: before %1").arg(i);
    }
    ChatRelay relay(m_port);
    auto haruto = seat("2127", 1001, "Haruto", relay.port());
    QVERIFY(haruto);
    haruto->view->setTableRoom(table);
    QTRY_COMPARE_WITH_TIMEOUT(shownLines(*haruto), expected, 5000);

    relay.goDead();
    expected << "lost";
    for (int i = 1; i <= awayLines; ++i) {
        QVERIFY(say("away " + QByteArray::number(i)));
        expected << QStringLiteral("Mei Ling: away %1").arg(i);
    }
    if (closed > 0)
        QVERIFY(mei.send("<iq type='set' id='close' to='" + room + "'><query xmlns='http://jabber.org/protocol/muc#owner'>"
                         "<destroy/></query></iq>",
                         "id='close'"));
    if (closed == 1) {
        QVERIFY(mei.ownRoom(room, "Mei Ling", "<field var='mam'><value>0</value></field>"));
        QVERIFY(say("opened again 1") && say("opened again 2"));
        expected << "missing" << "Mei Ling: opened again 1" << "Mei Ling: opened again 2";
    }
    // The rejoin's history ends with the room's subject; a line said after it shows once
    // all before it have.
    QSignalSpy received(haruto->client.get(), &XMPPClient::messageReceived);
    relay.cut();
    QTRY_VERIFY_WITH_TIMEOUT(subjectCame(received) && haruto->view->conference()->isJoined(),
                             XMPPClient::ReconnectDelaysSeconds[0] * 1000 + 10000);
    // The pane shows what came on its next pass.
    QTRY_VERIFY2(haruto->text().contains("The chat is back."), qPrintable(haruto->text()));
    if (closed == 2)
        QVERIFY(mei.send("<presence to='" + room + "/Mei Ling'><x xmlns='http://jabber.org/protocol/muc'/></presence>",
                         "code='110'"));
    QVERIFY(say("back"));
    expected << "Mei Ling: back";
    QTRY_VERIFY_WITH_TIMEOUT(shownLines(*haruto).contains("Mei Ling: back"), 5000);
    QCOMPARE(shownLines(*haruto), expected);
    QVERIFY(haruto->view->grab().save(QStringLiteral("chatroom-lost-lines-%1-%2.png").arg(closed).arg(awayLines)));
}

void TestChatRooms::silentLossKeepsTimesSaid_data()
{
    // How long the room was quiet before the link went silent, by the view's clock.
    QTest::addColumn<qint64>("quietMs");
    QTest::addColumn<int>("table");
    const int table = 3300 + QCoreApplication::applicationPid() % 100;
    QTest::newRow("the room heard just before") << qint64(0) << table;
    QTest::newRow("the room quiet for ten minutes") << qint64(600000) << table + 100;
}

void TestChatRooms::silentLossKeepsTimesSaid()
{
    // Haruto's link passes what he sends, but nothing to him, and neither end notices;
    // Mei Ling and he each say a line at once. His client finds the link silent only at
    // its silence limit, seconds later. Back in the room, both lines stand below the
    // loss at the times they were said, not at the time the loss was found. The loss
    // stands where the chat server was last heard from, also where the room had been
    // quiet long before (the view's clock moved on meanwhile).
    QFETCH(qint64, quietMs);
    QFETCH(int, table);
    ServerTime &clock = Singleton<ServerTime>::instance();
    const auto sameClocks = qScopeGuard([&clock] { clock.setClock(std::make_unique<ShiftedClock>(0)); });
    const QByteArray room = "table-" + QByteArray::number(table) + "@conference.localhost";
    RawXmppUser mei;
    QVERIFY(openPlainRoom(mei, "2130", room));
    const auto say = [&mei, &room](const QByteArray &body) {
        return mei.send("<message to='" + room + "' type='groupchat'><body>" + body + "</body></message>",
                        "<body>" + body + "</body>");
    };
    ChatRelay relay(m_port);
    auto haruto = seat("2129", 1001, "Haruto", relay.port());
    QVERIFY(haruto);
    haruto->view->setTableRoom(table);
    QTRY_VERIFY_WITH_TIMEOUT(haruto->view->conference()->isJoined(), 5000);
    QVERIFY(say("hello"));
    QTRY_COMPARE_WITH_TIMEOUT(shownLines(*haruto), QStringList{"Mei Ling: hello"}, 5000);
    if (quietMs > 0)
        clock.setClock(std::make_unique<ShiftedClock>(quietMs));

    // Where the room view puts each line, which the pane writes as its time.
    std::map<QString, QDateTime> placed;
    // The client outlives this function's locals (the seat closes its stream as it goes):
    // what these lambdas write and read goes with this.
    QObject watch;
    connect(haruto->view->conference(), &XMPPConference::message, &watch, [&placed](const XMPPMessage &m) {
        placed[m.from().section('/', 1) + ": " + m.body()] = m.hasDelay() ? m.delayStamp() : QDateTime();
    });
    // The next connection passes both ways again.
    QSignalSpy lost(haruto->client.get(), &XMPPClient::disconnected);
    connect(haruto->client.get(), &XMPPClient::disconnected, &relay, [&relay] { relay.cut(); });
    const auto viewNow = [] { return Singleton<ServerTime>::instance().now(); };
    relay.dropFromServer();
    // The last the link brought, on the view's clock.
    const std::optional<qint64> heardLocalMs = haruto->client->heardLocalMs();
    QVERIFY(heardLocalMs);
    const QDateTime heardAt = viewNow().addMSecs(*heardLocalMs - xmpp::LocalClock::nowMs());
    // When each line was said: between the times given.
    std::map<QString, std::pair<QDateTime, QDateTime>> said;
    said["Mei Ling: while silent"].first = viewNow();
    QVERIFY(say("while silent"));
    said["Mei Ling: while silent"].second = said["Haruto: mine while silent"].first = viewNow();
    haruto->say("mine while silent");
    said["Haruto: mine while silent"].second = viewNow();
    QTRY_COMPARE_WITH_TIMEOUT(lost.size(), 1, 20000);
    const QDateTime foundAt = viewNow();
    const qint64 foundAfterMs = said["Haruto: mine while silent"].second.msecsTo(foundAt);
    QVERIFY2(foundAfterMs > 3000, qPrintable(QString::number(foundAfterMs)));
    const QDateTime lossAt = haruto->view->conference()->lossTime();
    // Within the milliseconds between the readings of the two clocks.
    QVERIFY2(lossAt >= heardAt.addMSecs(-10),
             qPrintable("the loss at " + lossAt.toString(Qt::ISODateWithMs) + ", the link last heard "
                        + heardAt.toString(Qt::ISODateWithMs)));

    const QStringList expected{"Mei Ling: hello", "lost", "Mei Ling: while silent", "Haruto: mine while silent"};
    QTRY_COMPARE_WITH_TIMEOUT(shownLines(*haruto), expected, XMPPClient::ReconnectDelaysSeconds[0] * 1000 + 10000);
    // Within how far the chat server's clock may be off the view's, as the client reckons it.
    constexpr qint64 ClocksMs = 1000;
    for (const QString &line : expected.mid(2)) {
        const QDateTime at = placed[line];
        const QDateTime from = said[line].first;
        const QDateTime to = said[line].second;
        QVERIFY2(at.isValid() && from.msecsTo(at) > -ClocksMs && at.msecsTo(to) > -ClocksMs,
                 qPrintable(line + ": said from " + from.toString(Qt::ISODateWithMs) + " to " + to.toString(Qt::ISODateWithMs)
                            + ", shown at " + at.toString(Qt::ISODateWithMs) + ", the loss found "
                            + foundAt.toString(Qt::ISODateWithMs)));
    }
    QVERIFY(haruto->view->grab().save(QStringLiteral("chatroom-silent-loss-%1.png").arg(quietMs > 0 ? "quiet" : "talk")));
}

void TestChatRooms::chatSurvivesServerRestart()
{
    // A server of this test alone, as it goes down for a moment.
    QTemporaryDir dir;
    const QString serverDir = dir.path() + "/ejabberd";
    QVERIFY(runEjabberdScript({"start", serverDir, "2201:secret", "2202:secret"}));
    const auto stopServer = qScopeGuard([serverDir] { runEjabberdScript({"stop", serverDir}); });
    EjabberdTestServer server;
    QVERIFY(server.load(serverDir));
    const quint16 sharedPort = std::exchange(m_port, server.port);
    const auto sharedServer = qScopeGuard([this, sharedPort] { m_port = sharedPort; });

    // Haruto is in the lobby and at a table, Mei Ling at the same table.
    auto haruto = seat("2201", 1001, "Haruto");
    auto mei = seat("2202", 1002, "Mei Ling");
    QVERIFY(haruto && mei);
    ConferenceWidget table(nullptr, ConferenceWidget::OwnJoinLeave | ConferenceWidget::ParticipantJoinLeave);
    table.setXmppContext(haruto->context.get());
    table.resize(600, 400);
    table.show();
    const auto tableText = [&table] { return table.output()->toPlainText(); };
    QLineEdit *tableInput = table.findChild<QLineEdit *>("chatInput");
    haruto->view->setLobbyRoom();
    table.setTableRoom(77);
    mei->view->setTableRoom(77);
    QTRY_VERIFY_WITH_TIMEOUT(haruto->input()->isEnabled() && tableInput->isEnabled() && mei->input()->isEnabled(),
                             5000);
    mei->say("before the restart");
    QTRY_VERIFY_WITH_TIMEOUT(tableText().contains("Mei Ling: before the restart"), 5000);

    // The script returns once the server runs again: the clients see it go meanwhile.
    QSignalSpy lost(haruto->client.get(), &XMPPClient::disconnected);
    QProcess restart;
    restart.start(qEnvironmentVariable("MAHJONG_SOURCE_DIR") + "/tools/ejabberd/ejabberd-test-server.sh",
                  {"restart", serverDir});
    QTRY_VERIFY_WITH_TIMEOUT(!lost.isEmpty(), 60000);
    const QString disconnected = "The chat is disconnected. It is joined again when the connection is back.";
    QTRY_VERIFY(tableText().endsWith(disconnected));
    QTRY_VERIFY(haruto->text().endsWith(disconnected));
    // A line typed meanwhile stays in the input, and the pane says so.
    tableInput->setText("typed while away");
    QTest::keyClick(tableInput, Qt::Key_Return);
    QCOMPARE(tableInput->text(), QStringLiteral("typed while away"));
    QTRY_VERIFY(tableText().endsWith("Not sent: the chat is disconnected. Your line stays in the input."));

    // Both come back by themselves, in their rooms again: once the server runs, at the
    // clients' next try, however many they made while it was away.
    QTRY_VERIFY_WITH_TIMEOUT(restart.state() == QProcess::NotRunning, 180000);
    QVERIFY2(restart.exitStatus() == QProcess::NormalExit && restart.exitCode() == 0,
             restart.readAllStandardError().constData());
    QTRY_VERIFY_WITH_TIMEOUT(table.conference()->isJoined() && haruto->view->conference()->isJoined()
                                 && mei->view->conference()->isJoined(),
                             XMPPClient::ReconnectDelaysSeconds.back() * 1000 + 20000);
    // The table's room, which no one keeps, is gone with all it had; the lobby, kept,
    // lost nothing heard.
    const QString missing = "Lines said while the chat was disconnected may be missing: the room keeps only its latest lines.";
    QTRY_VERIFY(tableText().endsWith("The chat is back."));
    QCOMPARE(tableText().count(missing), 1);
    QVERIFY(tableText().contains(disconnected + "\n" + missing + "\n"));
    QTRY_VERIFY(haruto->text().contains(disconnected + "\nThe chat is back."));
    QTest::keyClick(tableInput, Qt::Key_Return);
    QVERIFY(tableInput->text().isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(mei->text().contains("Haruto: typed while away"), 5000);
    mei->say("welcome back");
    QTRY_VERIFY_WITH_TIMEOUT(tableText().contains("Mei Ling: welcome back"), 5000);

    QVERIFY(table.grab().save("chatroom-reconnected.png"));
}

MAHJONG_TEST_MAIN(TestChatRooms)
#include "tst_chatrooms.moc"
