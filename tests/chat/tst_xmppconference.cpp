#include "testmain.h"

#include "FakeChatServer.h"
#include "LoopbackChatServer.h"

#include "chat/ChatController.h"
#include "chat/ChatOutputWidget.h"
#include "chat/ConferenceWidget.h"
#include "chat/XMPPConference.h"
#include "chat/xmpp/XMPPClient.h"
#include "connection/PlayerDb.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTimer>
#include <QUuid>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>

namespace {

const QByteArray Room = "lobby@conference.localhost";

QByteArray occupantPresence(const QByteArray &nick, const QByteArray &extra = QByteArray(),
                            const QByteArray &type = QByteArray())
{
    const QByteArray typeAttribute = type.isEmpty() ? QByteArray() : QByteArray(" type='" + type + "'");
    return "<presence from='" + Room + "/" + nick + "'" + typeAttribute + ">"
           "<x xmlns='http://jabber.org/protocol/muc#user'>" + extra + "</x></presence>";
}

// The memory the process holds now.
qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    return statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

QByteArray lockedError(const QByteArray &nick)
{
    return "<presence from='" + Room + "/" + nick + "' type='error'><error type='wait'>"
           "<recipient-unavailable xmlns='urn:ietf:params:xml:ns:xmpp-stanzas'/></error></presence>";
}

// Every signal of a conference, in the order they came, as short texts.
class Recorder : public QObject
{
public:
    explicit Recorder(XMPPConference *conference)
    {
        connect(conference, &XMPPConference::message, this,
                [this](const XMPPMessage &m) { events << "message " + m.from() + " " + m.body(); });
        connect(conference, &XMPPConference::presence, this,
                [this](const XMPPPresence &p) { events << "presence " + p.from().toString(); });
        connect(conference, &XMPPConference::userError, this,
                [this](XMPPConference *, XMPPPresence::error_t e) { events << QStringLiteral("userError %1").arg(e); });
        connect(conference, &XMPPConference::userJoined, this, [this] { events << "userJoined"; });
        connect(conference, &XMPPConference::userLeft, this, [this] { events << "userLeft"; });
        connect(conference, &XMPPConference::userVoiceChanged, this,
                [this](bool maySpeak) { events << QStringLiteral("userVoiceChanged %1").arg(maySpeak); });
        connect(conference, &XMPPConference::userRoomDestroyed, this,
                [this](const QString &reason) { events << "userRoomDestroyed " + reason; });
        connect(conference, &XMPPConference::userKicked, this, [this](XMPPConference *, const XMPPJid &a, const QString &r) {
            events << "userKicked " + a.toString() + " " + r;
        });
        connect(conference, &XMPPConference::userBanned, this, [this](XMPPConference *, const XMPPJid &a, const QString &r) {
            events << "userBanned " + a.toString() + " " + r;
        });
        connect(conference, &XMPPConference::participantJoined, this,
                [this](XMPPConference *, const QString &n) { events << "participantJoined " + n; });
        connect(conference, &XMPPConference::participantLeft, this,
                [this](XMPPConference *, const QString &n) { events << "participantLeft " + n; });
        connect(conference, &XMPPConference::participantKicked, this,
                [this](XMPPConference *, const QString &n, const XMPPJid &a, const QString &r) {
                    events << "participantKicked " + n + " " + a.toString() + " " + r;
                });
        connect(conference, &XMPPConference::participantBanned, this,
                [this](XMPPConference *, const QString &n, const XMPPJid &a, const QString &r) {
                    events << "participantBanned " + n + " " + a.toString() + " " + r;
                });
    }

    QStringList take(int settle = 100)
    {
        QTest::qWait(settle);
        return std::exchange(events, {});
    }

    QStringList events;
};

} // namespace

class TestXmppConference : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void retriesLockedRoom();
    void createsInstantRoom();
    void occupantsComeAndGo();
    void ownRoleKickBanAndEnd();
    void historyLeftUnended();
    void misuse();
    void serverClockSetWhileConnected_data();
    void serverClockSetWhileConnected();
    void linesBeyondTheRoomsHistory_data();
    void linesBeyondTheRoomsHistory();
    void floodWaitsInTheKernel();

private:
    void joinAs(const QByteArray &nick);

    std::unique_ptr<FakeChatServer> m_server;
    std::unique_ptr<XMPPClient> m_client;
    std::unique_ptr<XMPPConference> m_conference;
    std::unique_ptr<Recorder> m_events;
};

void TestXmppConference::init()
{
    m_server = std::make_unique<FakeChatServer>();
    m_client = std::make_unique<XMPPClient>();
    QVERIFY(m_server->acceptSession(*m_client));
    m_conference = std::make_unique<XMPPConference>();
    m_conference->setClient(m_client.get());
    m_events = std::make_unique<Recorder>(m_conference.get());
}

void TestXmppConference::cleanup()
{
    m_events.reset();
    m_conference.reset();
    m_client.reset();
    m_server.reset();
}

void TestXmppConference::joinAs(const QByteArray &nick)
{
    m_conference->setRoom(QString::fromLatin1(Room));
    m_conference->join(QString::fromUtf8(nick));
    QVERIFY(m_server->waitFor("<presence to=\"" + Room + "/" + nick + "\""));
    m_server->send(occupantPresence(nick, "<item affiliation='member' role='participant'/><status code='110'/>"));
    QTRY_COMPARE(m_events->events, QStringList{"userJoined"});
    m_events->events.clear();
    QVERIFY(m_conference->isJoined());
}

void TestXmppConference::retriesLockedRoom()
{
    m_conference->setRoom("Lobby@Conference.LOCALHOST");
    QCOMPARE(m_conference->room(), QString::fromLatin1(Room));
    m_conference->join("Haruto");
    QVERIFY(m_server->waitFor("<presence to=\"" + Room + "/Haruto\""));
    for (int attempt = 0; attempt < XMPPConference::MaxJoinRetries; ++attempt) {
        QElapsedTimer timer;
        timer.start();
        m_server->send(lockedError("Haruto"));
        QVERIFY(m_server->waitFor("<presence to=\"" + Room + "/Haruto\"", 8000));
        // After the pause, which a busy machine only lengthens.
        QVERIFY2(timer.elapsed() >= 900, qPrintable(QString::number(timer.elapsed())));
    }
    QVERIFY(m_events->events.isEmpty());
    m_server->send(occupantPresence("Haruto", "<item affiliation='none' role='participant'/>"));
    QTRY_COMPARE(m_events->events, QStringList{"userJoined"});
    m_events->events.clear();

    // Leaving and joining again starts counting anew; a sixth locked answer is an error.
    m_conference->leave();
    QVERIFY(m_server->waitFor("type=\"unavailable\""));
    QVERIFY(!m_conference->isJoined());
    m_conference->join("Haruto");
    for (int attempt = 0; attempt < XMPPConference::MaxJoinRetries; ++attempt) {
        QVERIFY(m_server->waitFor("<presence to=\"" + Room + "/Haruto\"", 3000));
        m_server->send(lockedError("Haruto"));
    }
    QVERIFY(m_server->waitFor("<presence to=\"" + Room + "/Haruto\"", 3000));
    m_server->send(lockedError("Haruto"));
    QTRY_COMPARE(m_events->events, QStringList{"userError 7"});
    QVERIFY(!m_server->unseen(1500).contains("<presence"));
    QVERIFY(!m_conference->isJoined());
}

void TestXmppConference::createsInstantRoom()
{
    m_conference->setRoom(QString::fromLatin1(Room));
    m_conference->join(QString());
    // Without a nick the node of the own address is used.
    QVERIFY(m_server->waitFor("<presence to=\"" + Room + "/1001\" id=\"2\""));
    m_server->send(occupantPresence("1001", "<item affiliation='owner' role='moderator'/><status code='110'/><status code='201'/>"));
    QVERIFY(m_server->waitFor("<iq to=\"" + Room + "\" id=\"3\" type=\"set\"><query xmlns=\"http://jabber.org/protocol/muc#owner\">"
                              "<x xmlns=\"jabber:x:data\" type=\"submit\"/></query></iq>"));
    QCOMPARE(m_events->take(), QStringList{"userJoined"});
    QTest::ignoreMessage(QtWarningMsg, "Instant room configuration of lobby@conference.localhost refused: forbidden");
    m_server->send("<iq type='error' id='3' from='" + Room + "'><error type='auth'>"
                   "<forbidden xmlns='urn:ietf:params:xml:ns:xmpp-stanzas'/></error></iq>");
    m_events->take();
    QCOMPARE(m_client->state(), 5);
}

void TestXmppConference::occupantsComeAndGo()
{
    joinAs("Haruto");
    m_server->send(occupantPresence("Mei Ling", "<item affiliation='none' role='participant'/>")
                   // A role changed is no join.
                   + occupantPresence("Mei Ling", "<item affiliation='none' role='visitor'/>")
                   + "<presence from='" + Room + "/Mei Ling'><show>away</show>"
                     "<x xmlns='http://jabber.org/protocol/muc#user'><item affiliation='none' role='participant'/></x></presence>"
                   // The room itself, at every join and with a ban: no occupant.
                   + "<presence from='" + Room + "'><x xmlns='vcard-temp:x:update'/></presence>"
                   + "<presence from='" + Room + "' type='unavailable'/>"
                   + "<message from='" + Room + "' type='groupchat'><subject>Welcome</subject></message>"
                   + "<message from='" + Room + "/Mei Ling' type='groupchat'><body>hi</body></message>"
                   + "<message from='other@conference.localhost/Mei Ling' type='groupchat'><body>elsewhere</body></message>"
                   + "<message from='" + Room + "/Mei Ling' type='chat'><body>private</body></message>"
                   + occupantPresence("Aiko", "<item affiliation='none' role='none'/><status code='307'/>", "unavailable")
                   + occupantPresence("Bo", "<item affiliation='outcast' role='none'><actor jid='admin@localhost'/>"
                                            "<reason>spam</reason></item><status code='301'/>", "unavailable")
                   + occupantPresence("Mei Ling", "<item affiliation='none' role='none'/>", "unavailable"));
    QTRY_COMPARE(m_events->events.size(), 8);
    QCOMPARE(m_events->take(), (QStringList{
        "participantJoined Mei Ling", "presence lobby@conference.localhost/Mei Ling",
        "message lobby@conference.localhost/Mei Ling hi",
        "participantKicked Aiko  ", "participantLeft Aiko",
        "participantBanned Bo admin@localhost spam", "participantLeft Bo",
        "participantLeft Mei Ling"}));

    // A line's id is its sender's own, unique beyond this run.
    const QByteArray id = m_conference->sendMessage("a <b>").toLatin1();
    QVERIFY(!QUuid::fromString(QLatin1String(id)).isNull());
    QVERIFY(m_server->waitFor("<message from=\"1001@localhost/r1\" to=\"" + Room + "\" id=\"" + id
                              + "\" type=\"groupchat\"><body>a &lt;b&gt;</body><origin-id xmlns=\"urn:xmpp:sid:0\" id=\""
                              + id + "\"/></message>"));
}

void TestXmppConference::ownRoleKickBanAndEnd()
{
    // The voice taken, and given back with a status: no join.
    joinAs("Haruto");
    QVERIFY(m_conference->maySpeak());
    m_server->send(occupantPresence("Haruto", "<item affiliation='none' role='visitor'/><status code='110'/>")
                   + "<presence from='" + Room + "/Haruto'><show>away</show><x xmlns='http://jabber.org/protocol/muc#user'>"
                     "<item affiliation='none' role='participant'/><status code='110'/></x></presence>");
    QTRY_COMPARE(m_events->events.size(), 3);
    QCOMPARE(m_events->take(),
             (QStringList{"userVoiceChanged 0", "userVoiceChanged 1", "presence lobby@conference.localhost/Haruto"}));
    QVERIFY(m_conference->maySpeak());

    // The room destroyed under him, then his removal as at a shutdown: one end.
    m_server->send(occupantPresence("Haruto", "<destroy><reason>closed for the night</reason></destroy>"
                                              "<item affiliation='none' role='none'/>", "unavailable")
                   + occupantPresence("Haruto", "<item affiliation='none' role='none'/><status code='332'/>"
                                                "<status code='110'/>", "unavailable"));
    QTRY_COMPARE(m_events->events.size(), 1);
    QCOMPARE(m_events->take(), QStringList{"userRoomDestroyed closed for the night"});
    QVERIFY(!m_conference->isJoined());

    joinAs("Haruto");
    // A line waits for the room as the user is kicked: the room will not pass it on, and
    // it comes back within the confirmation limit, the link kept.
    m_client->setConfirmationLimitMs(500);
    QSignalSpy unanswered(m_conference.get(), &XMPPConference::ownLinesUnanswered);
    const QString id = m_conference->sendMessage("just before");
    const QRegularExpression ping("<iq to=\"localhost\" id=\"([^\"]+)\" type=\"get\"><ping");
    QTRY_VERIFY(ping.match(QString::fromUtf8(m_server->unseen(0))).hasMatch());
    m_server->send("<iq type='result' from='localhost' id='"
                   + ping.match(QString::fromUtf8(m_server->unseen(0))).captured(1).toUtf8() + "'/>");
    m_server->send(occupantPresence("Haruto", "<item affiliation='none' role='none'><actor jid='mod@localhost/desk'/></item>"
                                              "<status code='307'/><status code='110'/>", "unavailable"));
    QTRY_COMPARE(m_events->events.size(), 2);
    QCOMPARE(m_events->take(), (QStringList{"userKicked mod@localhost/desk ", "userLeft"}));
    QVERIFY(!m_conference->isJoined());
    QTRY_COMPARE_WITH_TIMEOUT(unanswered.size(), 1, 2000);
    const QList<XMPPConference::OwnLine> back = m_conference->takeOwnLines();
    QCOMPARE(back.size(), 1);
    QCOMPARE(back.at(0).id, id);
    QCOMPARE(back.at(0).text, QStringLiteral("just before"));
    QCOMPARE(m_client->state(), int(XMPPClient::ConnectedState));

    joinAs("Haruto");
    m_server->send(occupantPresence("Haruto", "<item affiliation='outcast' role='none'><reason>rude</reason></item>"
                                              "<status code='301'/>", "unavailable"));
    QTRY_COMPARE(m_events->events.size(), 2);
    QCOMPARE(m_events->take(), (QStringList{"userBanned  rude", "userLeft"}));

    m_server->send("<presence from='" + Room + "/Haruto' type='error'><error type='auth'>"
                   "<forbidden xmlns='urn:ietf:params:xml:ns:xmpp-stanzas'/></error></presence>");
    QTRY_COMPARE(m_events->events, QStringList{"userError 2"});
}

void TestXmppConference::historyLeftUnended()
{
    // Haruto leaves as the history of his join comes, before its end: its lines go
    // unshown. The room takes him in again unasked, and his link is lost and back: the
    // rejoin's history brings the line, which shows now.
    const QByteArray pon = "<message from='" + Room + "/Mei Ling' type='groupchat'><body>pon</body>"
                           "<stanza-id xmlns='urn:xmpp:sid:0' by='" + Room + "' id='h1'/>"
                           "<delay xmlns='urn:xmpp:delay' from='" + Room + "' stamp='"
                           + QDateTime::currentDateTimeUtc().addSecs(-2).toString(Qt::ISODateWithMs).toLatin1()
                           + "'/></message>";
    const QByteArray ownPresence = occupantPresence("Haruto", "<item affiliation='member' role='participant'/><status code='110'/>");
    joinAs("Haruto");
    // A ping after the line: its answer tells that the client read the line.
    m_server->send(pon + "<iq type='get' id='after-pon' from='localhost'><ping xmlns='urn:xmpp:ping'/></iq>");
    QVERIFY(m_server->waitFor("id=\"after-pon\""));
    m_conference->leave();
    m_server->send(ownPresence);
    QTRY_COMPARE(m_events->events, QStringList{"userJoined"});
    m_events->events.clear();

    m_server->drop();
    QVERIFY(m_server->negotiate("1001@localhost/r1", XMPPClient::ReconnectDelaysSeconds[1] * 1000 + 5000));
    QVERIFY(m_server->waitFor("<presence to=\"" + Room + "/Haruto\""));
    m_server->send(ownPresence + pon + "<message from='" + Room + "' type='groupchat'><subject>Lobby</subject></message>");
    QTRY_VERIFY(m_events->events.contains("message " + QString::fromLatin1(Room) + "/Mei Ling pon"));
}

void TestXmppConference::misuse()
{
    XMPPConference lonely;
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, lonely.join("x"));
    lonely.setClient(m_client.get());
    try {
        lonely.join("x");
        QFAIL("joined without a room");
    } catch (const std::runtime_error &e) {
        QCOMPARE(QString::fromLatin1(e.what()), QStringLiteral("room jid is null"));
    }

    joinAs("Haruto");
    try {
        m_conference->setRoom("table-5@conference.localhost");
        QFAIL("changed the room while joined");
    } catch (const std::runtime_error &e) {
        QCOMPARE(QString::fromLatin1(e.what()), QStringLiteral("user joined to a room"));
    }
    QCOMPARE(m_conference->room(), QString::fromLatin1(Room));

    // A lost connection ends the membership; the room may change again.
    m_server->drop();
    QTRY_VERIFY(!m_conference->isJoined());
    m_conference->setRoom("table-5@conference.localhost");
    QCOMPARE(m_conference->room(), QStringLiteral("table-5@conference.localhost"));
    m_client.reset();
    QCOMPARE(m_conference->client(), nullptr);
}

void TestXmppConference::serverClockSetWhileConnected_data()
{
    QTest::addColumn<qint64>("stepMs");
    // Haruto's client asks the time again while still in the room, slowly answered.
    QTest::addColumn<bool>("askedAgain");
    // The room stamps by a clock that keeps the time before the step and catches up by
    // 1% of the time since, as the server's runtime does by default; else at once.
    QTest::addColumn<bool>("stampsLag");
    // The rejoin's history starts at Mei Ling's "ok" said again, as a room that keeps
    // fewer lines sends it; else it holds all that was said.
    QTest::addColumn<bool>("historyCut");
    // Yuki says "ready" before the client asks again; else after.
    QTest::addColumn<bool>("readyBeforeAsked");

    QTest::newRow("ahead, asked again, stamps follow") << qint64(3000) << true << false << false << false;
    QTest::newRow("ahead, not asked until the rejoin") << qint64(3000) << false << false << false << false;
    QTest::newRow("back, asked again, stamps lag") << qint64(-3000) << true << true << false << false;
    QTest::newRow("ahead, asked again, stamps lag, ok said again") << qint64(2500) << true << true << true << false;
    // The slow answers, read as the questions come, agree with the clock before the step
    // within their error: only the rejoin's show it, and that it may have come before
    // "ready".
    QTest::newRow("ahead by less than a slow answer tells, ready before") << qint64(200) << true << false << false << true;
}

void TestXmppConference::serverClockSetWhileConnected()
{
    // The chat server's clock is set while Haruto stays in the room. Yuki and Mei Ling
    // talk before and after; the link is lost, Mei Ling says "ok" again 1.2 s after her
    // first and Yuki one more line, and the history of the rejoin brings them: each line
    // shows once.
    QFETCH(qint64, stepMs);
    QFETCH(bool, askedAgain);
    QFETCH(bool, stampsLag);
    QFETCH(bool, historyCut);
    QFETCH(bool, readyBeforeAsked);
    qint64 serverAheadMs = 0;
    QElapsedTimer sinceStep;
    const auto serverNow = [&serverAheadMs] { return QDateTime::currentDateTimeUtc().addMSecs(serverAheadMs); };
    const auto stampNow = [&] {
        if (!stampsLag || !sinceStep.isValid())
            return serverNow();
        const qint64 caughtUpMs = std::min(sinceStep.elapsed() / 100, std::abs(stepMs));
        return serverNow().addMSecs(stepMs > 0 ? caughtUpMs - stepMs : -stepMs - caughtUpMs);
    };
    // Answers the client's questions of the time, one after the other, up to the one of
    // that number, each the time given after it came; the server reads its clock as it
    // answers, or as the question comes.
    int told = 0;
    const auto tellTimeUpTo = [this, &told, &serverNow](int last, int answerAfterMs = 0, bool readAtQuestion = false) {
        for (; told < last; ++told) {
            const QByteArray id = "clock-" + QByteArray::number(told + 1);
            const QByteArray asked = "id=\"" + id + "\"";
            if (!QTest::qWaitFor([this, &asked] { return m_server->received().contains(asked); }, 5000))
                return false;
            bool answered = false;
            const QDateTime readAt = serverNow();
            // The answer goes with this round: a question not answered in time leaves no
            // answer to come later.
            QObject round;
            QTimer::singleShot(answerAfterMs, &round, [&, readAtQuestion] {
                const QDateTime read = readAtQuestion ? readAt : serverNow();
                m_server->send("<iq type='result' id='" + id + "' from='localhost'><time xmlns='urn:xmpp:time'><tzo>+00:00</tzo>"
                               "<utc>" + read.toString(Qt::ISODateWithMs).toLatin1() + "</utc></time></iq>");
                answered = true;
            });
            if (!QTest::qWaitFor([&answered] { return answered; }, answerAfterMs + 5000))
                return false;
        }
        return true;
    };
    const auto said = [this] { return m_events->events.filter(QRegularExpression("^message ")); };
    const QByteArray subject = "<message from='" + Room + "' type='groupchat'><subject>Welcome</subject></message>";
    // The lines said, open for the room's stamp, with the stamp.
    QList<std::pair<QByteArray, QDateTime>> lines;
    const auto line = [&lines](const QByteArray &nick, const QByteArray &body, const QDateTime &stamp) {
        lines.append({"<message from='" + Room + "/" + nick + "' type='groupchat'><body>" + body + "</body>", stamp});
    };
    const auto say = [&](const QByteArray &nick, const QByteArray &body) {
        line(nick, body, stampNow());
        m_server->send(lines.last().first + "</message>");
    };

    if (askedAgain)
        m_client->setClockRemeasureMs(200);
    joinAs("Haruto");
    m_server->send(subject);
    QVERIFY(tellTimeUpTo(xmpp::ClientClock::Samples));
    say("Yuki", "hi");
    QTRY_COMPARE(said().size(), 1);
    serverAheadMs = stepMs;
    sinceStep.start();
    if (readyBeforeAsked) {
        say("Yuki", "ready");
        QTRY_COMPARE(said().size(), 2);
    }
    if (askedAgain) {
        // Asked again once, more slowly than at the login; not again while the test runs.
        constexpr int SlowAnswerMs = 500;
        QVERIFY(tellTimeUpTo(2 * xmpp::ClientClock::Samples - 1, SlowAnswerMs, readyBeforeAsked));
        m_client->setClockRemeasureMs(xmpp::ClientClock::RemeasureMs);
        QVERIFY(tellTimeUpTo(2 * xmpp::ClientClock::Samples, SlowAnswerMs, readyBeforeAsked));
    }
    if (!readyBeforeAsked)
        say("Yuki", "ready");
    say("Mei Ling", "ok");
    QTRY_COMPARE(said().size(), 3);

    m_server->drop();
    QTRY_VERIFY(!m_conference->isJoined());
    const QDateTime okStamp = lines.last().second;
    line("Mei Ling", "ok", okStamp.addMSecs(1200));
    line("Yuki", "go", okStamp.addMSecs(1500));
    // Back in the room after the client has asked the time again, once the server's
    // clocks have passed the lines said.
    QVERIFY(m_server->negotiate("1001@localhost/r1", XMPPClient::ReconnectDelaysSeconds[0] * 1000 + 5000));
    QVERIFY(tellTimeUpTo(told + xmpp::ClientClock::Samples));
    QVERIFY(m_server->waitFor("<presence to=\"" + Room + "/Haruto\""));
    QTRY_VERIFY_WITH_TIMEOUT(serverNow() > lines.last().second && stampNow() > lines.last().second, 10000);
    QByteArray history = occupantPresence("Haruto", "<item affiliation='member' role='participant'/><status code='110'/>");
    for (auto kept = historyCut ? lines.end() - 2 : lines.begin(); kept != lines.end(); ++kept)
        history += kept->first + "<delay xmlns='urn:xmpp:delay' from='" + Room + "' stamp='"
                   + kept->second.toString(Qt::ISODateWithMs).toLatin1() + "'/></message>";
    m_server->send(history + subject);
    // The history's lines are shown together, at the subject.
    QTRY_VERIFY(said().size() > 3);
    QCOMPARE(said(), (QStringList{"message lobby@conference.localhost/Yuki hi", "message lobby@conference.localhost/Yuki ready",
                                  "message lobby@conference.localhost/Mei Ling ok", "message lobby@conference.localhost/Mei Ling ok",
                                  "message lobby@conference.localhost/Yuki go"}));
    QVERIFY(m_conference->isJoined());
}

void TestXmppConference::linesBeyondTheRoomsHistory_data()
{
    // Lines Aiko says while Haruto's link is down, each time.
    QTest::addColumn<int>("saidAway");
    // The rejoin's history does not reach back to the last line Haruto heard.
    QTest::addColumn<bool>("missing");

    QTest::newRow("21 lines said while away, the room keeps 20") << 21 << true;
    QTest::newRow("19 lines said while away: the history reaches back") << 19 << false;
    QTest::newRow("3 lines said while away") << 3 << false;
}

void TestXmppConference::linesBeyondTheRoomsHistory()
{
    // Haruto's link is lost twice while Aiko talks on. The room keeps its last 20 lines
    // and sends of them, at a join, those of the seconds asked for. The server tells its
    // time, so that the client can tell a line said while it was away from the last it
    // heard.
    QFETCH(int, saidAway);
    QFETCH(bool, missing);
    constexpr int RoomKeeps = 20;
    const QByteArray room = "table-7@conference.localhost";
    QList<std::pair<QByteArray, QDateTime>> kept;
    const auto say = [&](const QByteArray &text) {
        kept.append({text, QDateTime::currentDateTimeUtc()});
        if (kept.size() > RoomKeeps)
            kept.removeFirst();
    };
    const auto aiko = [&room](const QByteArray &text) -> QByteArray {
        return "<message from='" + room + "/Aiko' type='groupchat'><body>" + text + "</body>";
    };
    // Answers the client's questions of the time at each connection.
    int told = 0;
    const auto tellTime = [this, &told] {
        for (const int last = told + xmpp::ClientClock::Samples; told < last; ++told) {
            const QByteArray id = "clock-" + QByteArray::number(told + 1);
            const QByteArray asked = "id=\"" + id + "\"";
            if (!QTest::qWaitFor([this, &asked] { return m_server->received().contains(asked); }, 5000))
                return false;
            m_server->send("<iq type='result' id='" + id + "' from='localhost'><time xmlns='urn:xmpp:time'><tzo>+00:00</tzo>"
                           "<utc>" + QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs).toLatin1() + "</utc></time></iq>");
        }
        return true;
    };
    // The answer to the join of that number: Haruto in the room, the history asked for,
    // the subject.
    const auto answerJoin = [&](int number) {
        const QByteArray asked = "<presence to=\"" + room + "/Haruto\"";
        if (!QTest::qWaitFor([&] { return m_server->received().count(asked) >= number; }, 5000))
            return false;
        const QByteArray join = m_server->received().mid(m_server->received().lastIndexOf(asked));
        const QRegularExpressionMatch seconds =
            QRegularExpression("^[^>]*>[^<]*<x [^>]*><history seconds=\"(\\d+)\"").match(QString::fromLatin1(join));
        const QDateTime since = seconds.hasMatch() ? QDateTime::currentDateTimeUtc().addSecs(-seconds.captured(1).toInt())
                                                   : QDateTime();
        QByteArray answer = "<presence from='" + room + "/Haruto'><x xmlns='http://jabber.org/protocol/muc#user'>"
                            "<item affiliation='member' role='participant'/><status code='110'/></x></presence>";
        for (const auto &line : kept) {
            if (!since.isValid() || line.second >= since)
                answer += aiko(line.first) + "<delay xmlns='urn:xmpp:delay' from='" + room + "' stamp='"
                          + line.second.toString(Qt::ISODateWithMs).toLatin1() + "'/></message>";
        }
        m_server->send(answer + "<message from='" + room + "' type='groupchat'><subject>Table 7</subject></message>");
        return true;
    };

    PlayerDb players(nullptr, nullptr);
    players.setLocalPlayer(1001, QStringLiteral("Haruto"));
    ChatController context(&players, m_client.get());
    context.setConferenceJid(QStringLiteral("conference.localhost"));
    ConferenceWidget view(nullptr, 0);
    view.setXmppContext(&context);
    view.resize(600, 400);
    view.show();
    const auto pane = [&view] { return view.output()->toPlainText().split('\n'); };
    const QString disconnected = QStringLiteral("The chat is disconnected. It is joined again when the connection is back.");
    const QString missingNotice =
        QStringLiteral("Lines said while the chat was disconnected may be missing: the room keeps only its latest lines.");
    QVERIFY(tellTime());
    for (int i = 1; i <= 25; ++i)
        say("before " + QByteArray::number(i));
    view.setTableRoom(7);
    QVERIFY(answerJoin(1));
    say("last heard");
    m_server->send(aiko("last heard") + "</message>");
    QTRY_VERIFY(pane().last().endsWith("Aiko: last heard"));

    for (int loss = 1; loss <= 2; ++loss) {
        m_server->drop();
        QTRY_COMPARE(pane().last(), disconnected);
        // Said until Haruto is back in the room.
        QVERIFY(m_server->negotiate("1001@localhost/r1", XMPPClient::ReconnectDelaysSeconds[1] * 1000 + 5000));
        QVERIFY(tellTime());
        const QString away = QStringLiteral("away %1.").arg(loss);
        for (int i = 1; i <= saidAway; ++i)
            say(away.toLatin1() + QByteArray::number(i));
        QVERIFY(answerJoin(1 + loss));
        const QString lastSaid = QStringLiteral("Aiko: %1%2").arg(away).arg(saidAway);
        QTRY_VERIFY(pane().filter(lastSaid).size() == 1);

        // Every line said while away that the room kept shows once, below the loss; the
        // notice, where lines may be missing, once, just before them.
        const QStringList shown = pane();
        const int lost = int(shown.lastIndexOf(disconnected));
        const int first = std::max(saidAway - RoomKeeps, 0) + 1;
        QVERIFY2(shown.filter(missingNotice).size() == (missing ? loss : 0), qPrintable(shown.join('\n')));
        const int firstShown = lost + 1 + (missing ? 1 : 0);
        if (missing)
            QCOMPARE(shown.at(lost + 1), missingNotice);
        for (int i = first; i <= saidAway; ++i)
            QVERIFY2(shown.at(firstShown + i - first).endsWith(QStringLiteral("Aiko: %1%2").arg(away).arg(i)),
                     qPrintable(shown.join('\n')));
        QCOMPARE(shown.filter(QStringLiteral("Aiko: %1").arg(away)).size(), saidAway - first + 1);
        QCOMPARE(shown.filter("Aiko: last heard").size(), 1);
    }
}

void TestXmppConference::floodWaitsInTheKernel()
{
    // A server writes room lines as fast as the socket takes them, far faster than the
    // client shows them: what the client has not read yet waits in the kernel, which
    // holds the server back, instead of in the client's memory.
    constexpr qint64 FloodBytes = 300 * 1024 * 1024;
    constexpr qint64 MaxGrowthBytes = 64 * 1024 * 1024;
    LoopbackRoom room;
    QVERIFY(room.join());
    int next = 0;
    int outOfOrder = 0;
    connect(room.view.conference(), &XMPPConference::message, this, [&next, &outOfOrder](const XMPPMessage &m) {
        if (m.body() != LoopbackChatServer::lineText(next++))
            ++outOfOrder;
    });
    const qint64 before = residentBytes();
    QVERIFY(before > 0);
    qint64 largest = before;
    room.server.flood(0, FloodBytes);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 3000 && (room.server.flooding() || clock.elapsed() < 100)) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        largest = std::max(largest, residentBytes());
    }
    QVERIFY2(largest - before < MaxGrowthBytes,
             qPrintable(QStringLiteral("%1 MB more").arg((largest - before) / (1024 * 1024))));

    // Every line written comes, in order, and the view ends with the last.
    QVERIFY(room.server.stopFlood(5000));
    const int last = room.server.lastLineWritten();
    QVERIFY(last > 0);
    const QTextDocument *document = room.view.output()->document();
    QTRY_VERIFY_WITH_TIMEOUT(document->lastBlock().text().endsWith(LoopbackChatServer::lineText(last)), 30000);
    QCOMPARE(next, last + 1);
    QCOMPARE(outOfOrder, 0);
    const QStringList shown = room.view.output()->toPlainText().split('\n').filter(": line ");
    QVERIFY(shown.size() >= ChatOutputWidget::MaxLines * 3 / 4);
    for (int i = 0; i < shown.size(); ++i)
        QVERIFY(shown.at(i).endsWith(LoopbackChatServer::lineText(last - int(shown.size()) + 1 + i)));
    QCOMPARE(room.client.state(), int(XMPPClient::ConnectedState));
}

MAHJONG_TEST_MAIN(TestXmppConference)
#include "tst_xmppconference.moc"
