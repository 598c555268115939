#include "testmain.h"

#include "FakeChatServer.h"
#include "logfile.h"

#include "chat/xmpp/ClientDelivery.h"
#include "chat/xmpp/LocalClock.h"
#include "chat/xmpp/XMPPClient.h"

#include <QRegularExpression>
#include <QSignalSpy>

#include <chrono>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

namespace {

const QByteArray PlainFeatures =
    "<mechanisms xmlns='urn:ietf:params:xml:ns:xmpp-sasl'><mechanism>PLAIN</mechanism></mechanisms>";
const QByteArray BindAndSession = "<bind xmlns='urn:ietf:params:xml:ns:xmpp-bind'/>"
                                  "<session xmlns='urn:ietf:params:xml:ns:xmpp-session'/>";

// The client's local clock, put forward by as much as a test says.
qint64 clockAheadMs = 0;
qint64 clockAhead()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
               .count()
        + clockAheadMs;
}

// Whether the process's socket on the local port given asks for low delay (no waiting
// of a small write for the acknowledgement of the one before).
bool lowDelayOn(quint16 port)
{
    for (int socket = 3; socket < 4096; ++socket) {
        sockaddr_in address{};
        socklen_t length = sizeof address;
        if (getsockname(socket, reinterpret_cast<sockaddr *>(&address), &length) != 0
            || address.sin_family != AF_INET || ntohs(address.sin_port) != port)
            continue;
        int on = 0;
        socklen_t size = sizeof on;
        return getsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &on, &size) == 0 && on != 0;
    }
    return false;
}

} // namespace

class TestXmppClient : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void negotiatesWithEmptySessionResult();
    void skipsOptionalSession();
    void refusedBind();
    void refusesPlainAuthWithoutTls();
    void tlsRequiredButNotOffered();
    void tlsNeverAgainstRequiredTls();
    void challengeIsRefused();
    void retriesAuthentication();
    void unaskedSaslSuccessIsRefused_data();
    void unaskedSaslSuccessIsRefused();
    void unaskedTlsProceedIsRefused_data();
    void unaskedTlsProceedIsRefused();
    void fatalSaslFailure();
    void lostConnectionIsTriedAgainUntilLoginRefused();
    void lostSessionNotResumed_data();
    void lostSessionNotResumed();
    void sessionTakenByAnotherLoginNotKept();
    void everyFailedAttemptLengthensThePause();
    void stableConnectionStartsThePausesAgain_data();
    void stableConnectionStartsThePausesAgain();
    void connectToHostTwiceIsIgnored();
    void routesStanzas();
    void answersRequestsOfOthers();
    void matchesRepliesBySender();
    void discoversConferenceServices();
    void pendingHandlersOnConnectionLoss();
    void wrongDiscoveryAnswerEndsStream();
    void streamErrorsFromServer_data();
    void streamErrorsFromServer();
    void invalidByteInItsOwnReadEndsStream();
    void lockedRoomAnswers_data();
    void lockedRoomAnswers();
    void restrictedXmlEndsStream();
    void oversizedElementEndsStream();
    void ownPresenceUpdates();
    void requestsNeedConnection();
    void linesNotSentComeBackInTheOrderLastSent();

private:
    void startClient(XMPPClient::TlsMode mode = XMPPClient::TlsIfAvailable, bool plainAllowed = true);
    void authenticate(const QByteArray &features = PlainFeatures);
    void connectFully();

    std::unique_ptr<FakeChatServer> m_server;
    std::unique_ptr<XMPPClient> m_client;
    std::unique_ptr<QSignalSpy> m_connected;
    std::unique_ptr<QSignalSpy> m_disconnected;
    std::unique_ptr<QSignalSpy> m_errors;
};

void TestXmppClient::init()
{
    m_server = std::make_unique<FakeChatServer>();
    m_client = std::make_unique<XMPPClient>();
    m_connected = std::make_unique<QSignalSpy>(m_client.get(), &XMPPClient::connected);
    m_disconnected = std::make_unique<QSignalSpy>(m_client.get(), &XMPPClient::disconnected);
    m_errors = std::make_unique<QSignalSpy>(m_client.get(), &XMPPClient::xmppError);
}

void TestXmppClient::cleanup()
{
    xmpp::LocalClock::setSource(nullptr);
    clockAheadMs = 0;
    m_connected.reset();
    m_disconnected.reset();
    m_errors.reset();
    m_client.reset();
    m_server.reset();
}

void TestXmppClient::startClient(XMPPClient::TlsMode mode, bool plainAllowed)
{
    m_client->setPlainAuthWithoutTlsAllowed(plainAllowed);
    m_client->login("1001", "s3cret");
    m_client->connectToHost("127.0.0.1", m_server->port(), mode);
    QVERIFY(m_server->waitFor("<stream:stream"));
    QVERIFY(m_server->waitFor(">"));
}

void TestXmppClient::authenticate(const QByteArray &features)
{
    startClient();
    m_server->sendHeader(features);
    QVERIFY(m_server->waitFor("mechanism=\"PLAIN\">" + QByteArray("\0" "1001\0s3cret", 12).toBase64() + "</auth>"));
    QCOMPARE(m_client->state(), 3);
}

void TestXmppClient::connectFully()
{
    authenticate();
    m_server->send("<success xmlns='urn:ietf:params:xml:ns:xmpp-sasl'/>");
    QVERIFY(m_server->waitFor("<stream:stream"));
    m_server->sendHeader("<bind xmlns='urn:ietf:params:xml:ns:xmpp-bind'/>");
    QVERIFY(m_server->waitFor("<bind xmlns=\"urn:ietf:params:xml:ns:xmpp-bind\"/></iq>"));
    m_server->send("<iq type='result' id='1'><bind xmlns='urn:ietf:params:xml:ns:xmpp-bind'>"
                   "<jid>1001@localhost/r1</jid></bind></iq>");
    QTRY_COMPARE(m_connected->size(), 1);
    QVERIFY(m_server->waitFor("<presence>"));
    QVERIFY(m_server->waitFor("</presence>"));
}

void TestXmppClient::negotiatesWithEmptySessionResult()
{
    authenticate();
    m_server->send("<success xmlns='urn:ietf:params:xml:ns:xmpp-sasl'/>");
    QVERIFY(m_server->waitFor("<stream:stream"));
    m_server->sendHeader(BindAndSession);
    QVERIFY(m_server->waitFor("<iq id=\"1\" type=\"set\"><bind"));
    m_server->send("<iq type='result' id='1'><bind xmlns='urn:ietf:params:xml:ns:xmpp-bind'>"
                   "<jid>1001@localhost/r1</jid></bind></iq>");
    QVERIFY(m_server->waitFor("<iq id=\"2\" type=\"set\"><session xmlns=\"urn:ietf:params:xml:ns:xmpp-session\"/></iq>"));
    QCOMPARE(m_client->state(), 4);
    // Another id is not the answer.
    m_server->send("<iq type='result' id='1'/>");
    QVERIFY(m_server->waitFor("<not-authorized xmlns=\"urn:ietf:params:xml:ns:xmpp-streams\"/>"));
    QTRY_COMPARE(m_client->state(), 0);
    QCOMPARE(m_connected->size(), 0);
}

void TestXmppClient::skipsOptionalSession()
{
    authenticate();
    m_server->send("<success xmlns='urn:ietf:params:xml:ns:xmpp-sasl'/>");
    QVERIFY(m_server->waitFor("<stream:stream"));
    m_server->sendHeader("<bind xmlns='urn:ietf:params:xml:ns:xmpp-bind'/>"
                         "<session xmlns='urn:ietf:params:xml:ns:xmpp-session'><optional/></session>");
    QVERIFY(m_server->waitFor("<bind"));
    m_server->send("<iq type='result' id='1'><bind xmlns='urn:ietf:params:xml:ns:xmpp-bind'>"
                   "<jid>1001@localhost/r1</jid></bind></iq>");
    QTRY_COMPARE(m_connected->size(), 1);
    QCOMPARE(m_client->ownJid(), QStringLiteral("1001@localhost/r1"));
    QVERIFY(m_server->waitFor("<presence><x xmlns=\"vcard-temp:x:update\"/></presence>"));
    QVERIFY(!m_server->unseen().contains("session"));
    // A line and the confirmation asked after it go out at once.
    QVERIFY(lowDelayOn(m_server->clientPort()));
}

void TestXmppClient::refusedBind()
{
    authenticate();
    m_server->send("<success xmlns='urn:ietf:params:xml:ns:xmpp-sasl'/>");
    QVERIFY(m_server->waitFor("<stream:stream"));
    m_server->sendHeader(BindAndSession);
    QVERIFY(m_server->waitFor("<bind"));
    m_server->send("<iq type='error' id='1'><error type='cancel'><not-allowed "
                   "xmlns='urn:ietf:params:xml:ns:xmpp-stanzas'/></error></iq>");
    QVERIFY(m_server->waitFor("<undefined-condition xmlns=\"urn:ietf:params:xml:ns:xmpp-streams\"/>"
                              "<text xmlns=\"urn:ietf:params:xml:ns:xmpp-streams\">bind failed</text>"));
    QTRY_COMPARE(m_errors->size(), 1);
    QCOMPARE(m_connected->size(), 0);
}

void TestXmppClient::refusesPlainAuthWithoutTls()
{
    startClient(XMPPClient::TlsIfAvailable, false);
    m_server->sendHeader(PlainFeatures);
    QVERIFY(m_server->waitFor("<stream:error><policy-violation xmlns=\"urn:ietf:params:xml:ns:xmpp-streams\"/>"));
    QVERIFY(!m_server->unseen().contains("<auth"));
    QTRY_COMPARE(m_errors->size(), 1);
    QCOMPARE(m_errors->at(0).at(0).value<XMPPClient::XMPPError>(), XMPPClient::FatalError);
}

void TestXmppClient::tlsRequiredButNotOffered()
{
    startClient(XMPPClient::TlsRequired);
    m_server->sendHeader(PlainFeatures);
    QVERIFY(m_server->waitFor("<stream:error><policy-violation xmlns=\"urn:ietf:params:xml:ns:xmpp-streams\"/>"
                              "<text xmlns=\"urn:ietf:params:xml:ns:xmpp-streams\">TLS required</text></stream:error>"));
    QTRY_COMPARE(m_errors->size(), 1);
    QCOMPARE(m_errors->at(0).at(1).toString(), QStringLiteral("stream_error, code: 13, what: TLS required"));
    QTRY_COMPARE(m_disconnected->size(), 1);
    QCOMPARE(m_client->state(), 0);
    QCOMPARE(m_connected->size(), 0);
}

void TestXmppClient::tlsNeverAgainstRequiredTls()
{
    startClient(XMPPClient::TlsNever);
    m_server->sendHeader("<starttls xmlns='urn:ietf:params:xml:ns:xmpp-tls'><required/></starttls>" + PlainFeatures);
    QVERIFY(m_server->waitFor("won't use TLS"));
    QVERIFY(!m_server->unseen().contains("starttls"));
}

void TestXmppClient::challengeIsRefused()
{
    authenticate();
    m_server->send("<challenge xmlns='urn:ietf:params:xml:ns:xmpp-sasl'>cmVhbG0=</challenge>");
    QVERIFY(m_server->waitFor("<stream:error><not-authorized xmlns=\"urn:ietf:params:xml:ns:xmpp-streams\"/></stream:error>"));
    QTRY_COMPARE(m_errors->size(), 1);
}

void TestXmppClient::retriesAuthentication()
{
    authenticate();
    m_server->send("<failure xmlns='urn:ietf:params:xml:ns:xmpp-sasl'><not-authorized/></failure>");
    QTRY_COMPARE(m_errors->size(), 1);
    QCOMPARE(m_errors->at(0).at(0).value<XMPPClient::XMPPError>(), XMPPClient::AuthenticationRetry);
    QCOMPARE(m_errors->at(0).at(1).toString(), QStringLiteral("retry auth"));
    QCOMPARE(m_client->state(), 3);
    m_client->login("1001", "other");
    QVERIFY(m_server->waitFor(QByteArray("\0" "1001\0other", 11).toBase64()));
}

void TestXmppClient::unaskedTlsProceedIsRefused_data()
{
    QTest::addColumn<QByteArray>("features");
    QTest::newRow("before the features") << QByteArray();
    QTest::newRow("during the login, TLS not offered") << PlainFeatures;
}

void TestXmppClient::unaskedTlsProceedIsRefused()
{
    // A server that did not offer TLS, or was not asked for it, does not start it.
    QFETCH(QByteArray, features);
    if (features.isEmpty()) {
        startClient();
        m_server->send("<?xml version='1.0'?><stream:stream xmlns='jabber:client' "
                       "xmlns:stream='http://etherx.jabber.org/streams' id='s1' version='1.0'>");
    } else {
        authenticate(features);
    }
    m_server->send("<proceed xmlns='urn:ietf:params:xml:ns:xmpp-tls'/>");
    QVERIFY(m_server->waitFor("<stream:error><not-authorized xmlns=\"urn:ietf:params:xml:ns:xmpp-streams\"/></stream:error>"));
    QTRY_COMPARE(m_client->state(), 0);
    // No TLS handshake record.
    QVERIFY(!m_server->received().contains("\x16\x03"));
}

void TestXmppClient::unaskedSaslSuccessIsRefused_data()
{
    QTest::addColumn<QByteArray>("before");
    // The stream restarted after the login: a success there would start it yet again.
    QTest::newRow("on the restarted stream") << QByteArray("<success xmlns='urn:ietf:params:xml:ns:xmpp-sasl'/>");
    QTest::newRow("after a refusal")
        << QByteArray("<failure xmlns='urn:ietf:params:xml:ns:xmpp-sasl'><not-authorized/></failure>");
}

void TestXmppClient::unaskedSaslSuccessIsRefused()
{
    QFETCH(QByteArray, before);
    authenticate();
    m_server->send(before);
    if (before.startsWith("<success")) {
        QVERIFY(m_server->waitFor("<stream:stream"));
        QVERIFY(m_server->waitFor(">"));
        m_server->send("<?xml version='1.0'?><stream:stream xmlns='jabber:client' "
                       "xmlns:stream='http://etherx.jabber.org/streams' id='s2' version='1.0'>");
    } else {
        QTRY_COMPARE(m_errors->size(), 1);
    }
    m_server->send("<success xmlns='urn:ietf:params:xml:ns:xmpp-sasl'/>");
    QVERIFY(m_server->waitFor("<stream:error><not-authorized xmlns=\"urn:ietf:params:xml:ns:xmpp-streams\"/></stream:error>"));
    QCOMPARE(m_server->received().count("<stream:stream"), 1 + qsizetype(before.startsWith("<success")));
}

void TestXmppClient::fatalSaslFailure()
{
    LogFile log;
    authenticate();
    m_server->send("<failure xmlns='urn:ietf:params:xml:ns:xmpp-sasl'><mechanism-too-weak/></failure>");
    QTRY_COMPARE(m_errors->size(), 1);
    QCOMPARE(m_errors->at(0).at(1).toString(), QStringLiteral("PLAIN auth failed"));
    QVERIFY(m_server->waitFor("</stream:stream>"));
    // The account and the server, never the password.
    QVERIFY2(log.text().contains(QLatin1String("chat login of 1001 at 127.0.0.1 refused: mechanism-too-weak")),
             qPrintable(log.text()));
    QVERIFY(!log.text().contains(QLatin1String("s3cret")));
}

void TestXmppClient::lostConnectionIsTriedAgainUntilLoginRefused()
{
    LogFile log;
    connectFully();
    m_server->drop();
    QTRY_COMPARE(m_disconnected->size(), 1);
    QVERIFY(log.text().contains("chat connection to 127.0.0.1 is tried again in 2 s"));
    // The same account again, with the secret now refused: that is the end of it.
    QVERIFY(m_server->waitFor("<stream:stream", XMPPClient::ReconnectDelaysSeconds[0] * 1000 + 2000));
    QVERIFY(m_server->waitFor(">"));
    m_server->sendHeader(PlainFeatures);
    QVERIFY(m_server->waitFor(QByteArray("\0" "1001\0s3cret", 12).toBase64() + "</auth>"));
    m_server->send("<failure xmlns='urn:ietf:params:xml:ns:xmpp-sasl'><not-authorized/></failure>");
    QTRY_COMPARE(m_errors->size(), 1);
    m_server->drop();
    QTRY_COMPARE(m_client->state(), 0);
    QVERIFY(!m_server->unseen(XMPPClient::ReconnectDelaysSeconds[1] * 1000 + 1000).contains("<stream:stream"));
    QCOMPARE(m_connected->size(), 1);
}

void TestXmppClient::lostSessionNotResumed_data()
{
    const QByteArray offered = "<sm xmlns='urn:xmpp:sm:3'/>";
    QTest::addColumn<QByteArray>("featuresBack");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QByteArray>("keptSeconds");
    QTest::newRow("refused")
        << offered
        << QByteArray("<failed xmlns='urn:xmpp:sm:3'><item-not-found xmlns='urn:ietf:params:xml:ns:xmpp-stanzas'/></failed>")
        << QByteArray("300");
    QTest::newRow("refused with a count beyond the stanzas sent")
        << offered
        << QByteArray("<failed xmlns='urn:xmpp:sm:3' h='70'><item-not-found xmlns='urn:ietf:params:xml:ns:xmpp-stanzas'/>"
                      "</failed>")
        << QByteArray("300");
    QTest::newRow("no longer offered") << QByteArray() << QByteArray() << QByteArray("300");
    QTest::newRow("kept for a second only") << offered << QByteArray() << QByteArray("1");
}

void TestXmppClient::lostSessionNotResumed()
{
    // The server keeps the session for a resumption: a line that waits for its
    // confirmation as the connection is lost waits on. The next connection asks for the
    // session with the count of the stanzas taken, and the server refuses, no longer
    // offers resumptions, or the time it keeps the session has passed meanwhile: a new
    // session is bound, and the line may have gone or not.
    QFETCH(QByteArray, featuresBack);
    QFETCH(QByteArray, answer);
    QFETCH(QByteArray, keptSeconds);
    const QByteArray bind = "<bind xmlns='urn:ietf:params:xml:ns:xmpp-bind'/>";
    authenticate();
    m_server->send("<success xmlns='urn:ietf:params:xml:ns:xmpp-sasl'/>");
    QVERIFY(m_server->waitFor("<stream:stream"));
    m_server->sendHeader(bind + "<sm xmlns='urn:xmpp:sm:3'/>");
    QVERIFY(m_server->waitFor("<bind xmlns=\"urn:ietf:params:xml:ns:xmpp-bind\"/></iq>"));
    m_server->send("<iq type='result' id='1'><bind xmlns='urn:ietf:params:xml:ns:xmpp-bind'>"
                   "<jid>1001@localhost/r1</jid></bind></iq>");
    QVERIFY(m_server->waitFor("<enable xmlns=\"urn:xmpp:sm:3\" resume=\"true\"/>"));
    QSignalSpy received(m_client.get(), &XMPPClient::messageReceived);
    m_server->send("<enabled xmlns='urn:xmpp:sm:3' id='s1' resume='true' max='" + keptSeconds + "'/>"
                   "<message from='1002@localhost/a' type='chat'><body>hi</body></message><r xmlns='urn:xmpp:sm:3'/>");
    QVERIFY(m_server->waitFor("<a xmlns=\"urn:xmpp:sm:3\" h=\"1\"/>"));
    QCOMPARE(received.size(), 1);
    QSignalSpy notSent(m_client.get(), &XMPPClient::messagesNotSent);
    QSignalSpy confirmed(m_client.get(), &XMPPClient::messageConfirmed);
    XMPPMessage line(QStringLiteral("1002@localhost"), XMPPMessage::Chat);
    line.setBody(QStringLiteral("still there?"));
    const QString id = m_client->sendMessage(line);
    QVERIFY(m_server->waitFor("still there?"));
    m_server->drop();
    QTRY_COMPARE(m_disconnected->size(), 1);
    QCOMPARE(notSent.size(), 0);

    QVERIFY(m_server->waitFor("<stream:stream", XMPPClient::ReconnectDelaysSeconds[0] * 1000 + 2000));
    QVERIFY(m_server->waitFor(">"));
    m_server->sendHeader(PlainFeatures);
    QVERIFY(m_server->waitFor("</auth>"));
    m_server->send("<success xmlns='urn:ietf:params:xml:ns:xmpp-sasl'/>");
    QVERIFY(m_server->waitFor("<stream:stream"));
    m_server->sendHeader(bind + featuresBack);
    if (!answer.isEmpty()) {
        QVERIFY(m_server->waitFor("<resume xmlns=\"urn:xmpp:sm:3\" h=\"1\" previd=\"s1\"/>"));
        QCOMPARE(notSent.size(), 0);
        m_server->send(answer);
    }
    QVERIFY(m_server->waitFor("<bind xmlns=\"urn:ietf:params:xml:ns:xmpp-bind\"/></iq>"));
    QTRY_COMPARE(notSent.size(), 1);
    QCOMPARE(notSent.at(0).at(0).toStringList(), QStringList{id});
    QVERIFY(notSent.at(0).at(1).toBool());
    QVERIFY(confirmed.isEmpty());
    if (answer.isEmpty())
        QVERIFY(!m_server->received().contains("<resume"));
}

void TestXmppClient::sessionTakenByAnotherLoginNotKept()
{
    // The server keeps the session for a resumption, and another login of the account
    // takes it, with a line waiting for its confirmation: the connection is not tried
    // again, so the session is not kept. The line comes back at once, and the user's
    // next login binds a new session rather than asking for the one taken.
    authenticate();
    m_server->send("<success xmlns='urn:ietf:params:xml:ns:xmpp-sasl'/>");
    QVERIFY(m_server->waitFor("<stream:stream"));
    m_server->sendHeader("<bind xmlns='urn:ietf:params:xml:ns:xmpp-bind'/><sm xmlns='urn:xmpp:sm:3'/>");
    QVERIFY(m_server->waitFor("<bind xmlns=\"urn:ietf:params:xml:ns:xmpp-bind\"/></iq>"));
    m_server->send("<iq type='result' id='1'><bind xmlns='urn:ietf:params:xml:ns:xmpp-bind'>"
                   "<jid>1001@localhost/r1</jid></bind></iq>");
    QVERIFY(m_server->waitFor("<enable xmlns=\"urn:xmpp:sm:3\" resume=\"true\"/>"));
    m_server->send("<enabled xmlns='urn:xmpp:sm:3' id='s1' resume='true' max='300'/>");
    QSignalSpy notSent(m_client.get(), &XMPPClient::messagesNotSent);
    XMPPMessage line(QStringLiteral("1002@localhost"), XMPPMessage::Chat);
    line.setBody(QStringLiteral("still there?"));
    const QString id = m_client->sendMessage(line);
    QVERIFY(m_server->waitFor("still there?"));
    m_server->send("<stream:error><conflict xmlns='urn:ietf:params:xml:ns:xmpp-streams'/></stream:error></stream:stream>");
    QTRY_COMPARE(m_client->state(), int(XMPPClient::UnconnectedState));
    QTRY_COMPARE(notSent.size(), 1);
    QCOMPARE(notSent.at(0).at(0).toStringList(), QStringList{id});

    const qsizetype before = m_server->received().size();
    QVERIFY(m_server->acceptSession(*m_client));
    QVERIFY(!m_server->received().mid(before).contains("<resume"));
    QCOMPARE(notSent.size(), 1);
}

void TestXmppClient::everyFailedAttemptLengthensThePause()
{
    // The server restarts: its port takes each connection and resets it at once. Each
    // attempt fails, and waits longer before the next, as a refused one does.
    LogFile log;
    connectFully();
    QSignalSpy failures(m_client.get(), &XMPPClient::socketError);
    m_server->resetNewConnections();
    m_server->drop();
    QTRY_COMPARE(m_disconnected->size(), 1);
    const auto pauses = [&log] {
        return log.text().count(QRegularExpression("chat connection to 127.0.0.1 is tried again in \\d+ s"));
    };
    QCOMPARE(pauses(), 1);
    const int delaysMs = (XMPPClient::ReconnectDelaysSeconds[0] + XMPPClient::ReconnectDelaysSeconds[1]) * 1000;
    QTRY_VERIFY_WITH_TIMEOUT(log.text().contains("is tried again in 8 s"), delaysMs + 5000);
    // The loss and two attempts, each told once and followed by the next pause.
    QCOMPARE(failures.size(), 3);
    QCOMPARE(pauses(), 3);
    QVERIFY(log.text().indexOf("is tried again in 2 s") < log.text().indexOf("is tried again in 4 s"));
    QCOMPARE(log.text().count("failed: the server reset it as it was made"), 2);
    // The socket may open one more connection of an attempt before its failure is seen.
    QVERIFY2(m_server->accepted() <= 1 + 2 * 2, qPrintable(QString::number(m_server->accepted())));
    QCOMPARE(m_connected->size(), 1);
}

void TestXmppClient::stableConnectionStartsThePausesAgain_data()
{
    QTest::addColumn<qint64>("upMs");
    QTest::addColumn<QStringList>("pauses");
    QTest::newRow("stable") << qint64(XMPPClient::StableConnectionMs) << QStringList{"2", "2"};
    QTest::newRow("short") << qint64(XMPPClient::StableConnectionMs / 2) << QStringList{"2", "4"};
}

void TestXmppClient::stableConnectionStartsThePausesAgain()
{
    // The connection got back after a loss stays up for the time given by the client's
    // own clock, then is lost as well: the pause before the next attempt is the first
    // again only after a stable connection.
    QFETCH(qint64, upMs);
    QFETCH(QStringList, pauses);
    LogFile log;
    xmpp::LocalClock::setSource(&clockAhead);
    connectFully();
    m_server->drop();
    QTRY_COMPARE(m_disconnected->size(), 1);
    QVERIFY(m_server->negotiate("1001@localhost/r1", XMPPClient::ReconnectDelaysSeconds[0] * 1000 + 2000));
    QTRY_COMPARE(m_connected->size(), 2);
    clockAheadMs += upMs;
    m_server->drop();
    QTRY_COMPARE(m_disconnected->size(), 2);
    QStringList told;
    QRegularExpressionMatchIterator pause =
        QRegularExpression("chat connection to 127.0.0.1 is tried again in (\\d+) s").globalMatch(log.text());
    while (pause.hasNext())
        told << pause.next().captured(1);
    QCOMPARE(told, pauses);
}

void TestXmppClient::connectToHostTwiceIsIgnored()
{
    startClient();
    m_client->connectToHost("127.0.0.2", 1, XMPPClient::TlsNever);
    m_server->sendHeader(PlainFeatures);
    QVERIFY(m_server->waitFor("<auth"));
}

void TestXmppClient::routesStanzas()
{
    connectFully();
    QSignalSpy presences(m_client.get(), &XMPPClient::presence);
    QSignalSpy requests(m_client.get(), &XMPPClient::authorizationRequestReceived);
    QSignalSpy messages(m_client.get(), &XMPPClient::messageReceived);

    m_server->send("<presence from='" + QByteArray(1100, 'x') + "@localhost/a'/>"
                   "<presence from='1002@localhost/a'><show>tired</show><priority>300</priority>"
                   "<tables xmlns='http://pellandor.net/protocol/tablepresence'><path>/t/1</path></tables></presence>"
                   "<presence from='1003@localhost' type='subscribe'/>"
                   "<presence from='1003@localhost' type='subscribed'/>"
                   "<message from='1004@localhost/a' type='error'><error type='cancel'><gone/></error></message>"
                   "<message from='1004@localhost/a' type='chat'><body>hello</body></message>"
                   "<presence from='room@conference.localhost/me' type='error'><error type='auth'><forbidden/></error></presence>");
    QTRY_COMPARE(presences.size(), 2);
    const XMPPPresence first = presences.at(0).at(0).value<XMPPPresence>();
    QCOMPARE(first.from().toString(), QStringLiteral("1002@localhost/a"));
    QCOMPARE(first.availability(), 2);
    QCOMPARE(first.tables(), QSet<QString>({"/t/1"}));
    QCOMPARE(presences.at(1).at(0).value<XMPPPresence>().error(), XMPPPresence::Banned);
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.at(0).at(0).value<XMPPJid>().toString(), QStringLiteral("1003@localhost"));
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.at(0).at(0).value<XMPPMessage>().body(), QStringLiteral("hello"));
    QCOMPARE(m_client->state(), 5);

    m_server->send("<presence from='localhost' type='probe'/>");
    QVERIFY(m_server->waitFor("<presence><x xmlns=\"vcard-temp:x:update\"/></presence>"));
}

void TestXmppClient::answersRequestsOfOthers()
{
    connectFully();
    m_server->send("<iq type='get' id='q1' from='1002@localhost/a'><query xmlns='http://jabber.org/protocol/disco#info'/></iq>");
    QVERIFY(m_server->waitFor("<iq to=\"1002@localhost/a\" id=\"q1\" type=\"error\"><error type=\"cancel\">"
                              "<feature-not-implemented xmlns=\"urn:ietf:params:xml:ns:xmpp-stanzas\"/></error></iq>"));
    // Replies nobody waits for are never answered.
    m_server->send("<iq type='result' id='77' from='1002@localhost/a'/>"
                   "<iq type='error' id='78' from='1002@localhost/a'><error type='cancel'><gone/></error></iq>");
    QCOMPARE(m_server->unseen(), QByteArray());
    QCOMPARE(m_client->state(), 5);
}

void TestXmppClient::matchesRepliesBySender()
{
    connectFully();
    QSignalSpy rooms(m_client.get(), &XMPPClient::conferenceRooms);
    m_client->discoverItems(parseJid("conference.localhost"));
    QVERIFY(m_server->waitFor("<iq to=\"conference.localhost\" id=\"2\" type=\"get\">"));
    const QByteArray items = "<query xmlns='http://jabber.org/protocol/disco#items'>"
                             "<item jid='lobby@conference.localhost'/><item jid='table-7@conference.localhost'/></query>";
    m_server->send("<iq type='result' id='2' from='evil@localhost/x'>" + items + "</iq>");
    QTest::qWait(100);
    QCOMPARE(rooms.size(), 0);
    m_server->send("<iq type='result' id='2' from='conference.localhost'>" + items + "</iq>");
    QTRY_COMPARE(rooms.size(), 1);
    const QList<XMPPJid> found = rooms.at(0).at(0).value<QList<XMPPJid>>();
    QCOMPARE(found.size(), 2);
    QCOMPARE(found.at(1).toString(), QStringLiteral("table-7@conference.localhost"));

    // A request without address may be answered by the server for the account.
    int calls = 0;
    const QString id = m_client->nextStanzaId();
    m_client->send(xmpp::Iq(id, XMPPJid(), xmpp::Iq::Get));
    m_client->addIqHandler(id, [&calls](const xmpp::Iq *reply) { calls += reply ? 1 : 100; });
    m_server->send("<iq type='result' id='" + id.toLatin1() + "' from='1001@localhost'/>");
    QTRY_COMPARE(calls, 1);
    QTest::qWait(50);
    QCOMPARE(calls, 1);
}

void TestXmppClient::discoversConferenceServices()
{
    connectFully();
    QSignalSpy services(m_client.get(), &XMPPClient::conferenceJID);
    m_client->discoverServerInfo();
    QVERIFY(m_server->waitFor("<iq to=\"localhost\" id=\"2\" type=\"get\"><query xmlns=\"http://jabber.org/protocol/disco#info\"/>"));
    m_server->send("<iq type='result' id='2' from='localhost'><query xmlns='http://jabber.org/protocol/disco#info'>"
                   "<feature var='http://jabber.org/protocol/muc#user'/></query></iq>");
    QVERIFY(m_server->waitFor("<iq to=\"localhost\" id=\"3\" type=\"get\"><query xmlns=\"http://jabber.org/protocol/disco#items\"/>"));
    m_server->send("<iq type='result' id='3' from='localhost'><query xmlns='http://jabber.org/protocol/disco#items'>"
                   "<item jid='localhost'/><item jid='rooms.localhost'/><item jid='search.localhost'/>"
                   "<item jid='muc.localhost'/></query></iq>");
    QVERIFY(m_server->waitFor("<iq to=\"rooms.localhost\" id=\"4\""));
    QVERIFY(m_server->waitFor("<iq to=\"search.localhost\" id=\"5\""));
    QVERIFY(m_server->waitFor("<iq to=\"muc.localhost\" id=\"6\""));
    const QByteArray muc = "<query xmlns='http://jabber.org/protocol/disco#info'>"
                           "<feature var='http://jabber.org/protocol/muc'/></query>";
    m_server->send("<iq type='result' id='6' from='muc.localhost'>" + muc + "</iq>"
                   "<iq type='error' id='5' from='search.localhost'><error type='cancel'><service-unavailable/></error></iq>"
                   "<iq type='result' id='4' from='rooms.localhost'>" + muc + "</iq>");
    QTRY_COMPARE(services.size(), 2);
    QCOMPARE(services.at(0).at(0).value<XMPPJid>().toString(), QStringLiteral("muc.localhost"));
    QCOMPARE(services.at(1).at(0).value<XMPPJid>().toString(), QStringLiteral("rooms.localhost"));
    QCOMPARE(m_client->state(), 5);
    QVERIFY(!m_server->unseen().contains("<iq"));
}

void TestXmppClient::pendingHandlersOnConnectionLoss()
{
    connectFully();
    QMap<QString, int> calls;
    for (int i = 0; i < 3; ++i) {
        const QString id = m_client->nextStanzaId();
        m_client->send(xmpp::IqDiscoInfo(id, parseJid("localhost")));
        m_client->addIqHandler(id, [&calls, id](const xmpp::Iq *reply) { calls[id] += reply ? 100 : 1; });
    }
    m_client->discoverItems(parseJid("conference.localhost"));
    QVERIFY(m_server->waitFor("conference.localhost"));
    QSignalSpy socketErrors(m_client.get(), &XMPPClient::socketError);
    LogFile log;
    m_server->drop();
    QTRY_COMPARE(m_disconnected->size(), 1);
    QCOMPARE(calls, (QMap<QString, int>{{"2", 1}, {"3", 1}, {"4", 1}}));
    QVERIFY2(log.text().contains(QLatin1String("chat connection to 127.0.0.1 lost")), qPrintable(log.text()));
    QCOMPARE(m_client->state(), 0);
    QTest::qWait(100);
    QCOMPARE(m_disconnected->size(), 1);
    QCOMPARE(socketErrors.size(), 1);
    QCOMPARE(calls.value("2"), 1);
}

void TestXmppClient::wrongDiscoveryAnswerEndsStream()
{
    connectFully();
    QSignalSpy rooms(m_client.get(), &XMPPClient::conferenceRooms);
    m_client->discoverItems(parseJid("conference.localhost"));
    QVERIFY(m_server->waitFor("<iq to=\"conference.localhost\" id=\"2\" type=\"get\">"));
    // An info answer where the items were asked for.
    m_server->send("<iq type='result' id='2' from='conference.localhost'>"
                   "<query xmlns='http://jabber.org/protocol/disco#info'/></iq>");
    QVERIFY(m_server->waitFor("<stream:error><undefined-condition xmlns=\"urn:ietf:params:xml:ns:xmpp-streams\"/>"
                              "<text xmlns=\"urn:ietf:params:xml:ns:xmpp-streams\">expected disco items</text>"));
    QTRY_COMPARE(m_errors->size(), 1);
    QCOMPARE(m_errors->at(0).at(0).value<XMPPClient::XMPPError>(), XMPPClient::FatalError);
    QTRY_COMPARE(m_disconnected->size(), 1);
    QCOMPARE(rooms.size(), 0);
}

void TestXmppClient::streamErrorsFromServer_data()
{
    QTest::addColumn<bool>("connected");
    QTest::addColumn<QByteArray>("error");
    QTest::addColumn<QString>("text");
    // Whether the connection is tried again.
    QTest::addColumn<bool>("again");
    QTest::newRow("unknown host while negotiating")
        << false
        << QByteArray("<host-unknown xmlns='urn:ietf:params:xml:ns:xmpp-streams'/>"
                      "<text xmlns='urn:ietf:params:xml:ns:xmpp-streams'>This server does not serve 127.0.0.1</text>")
        << "host-unknown: This server does not serve 127.0.0.1" << false;
    QTest::newRow("replaced while connected")
        << true
        << QByteArray("<conflict xmlns='urn:ietf:params:xml:ns:xmpp-streams'/>"
                      "<text xmlns='urn:ietf:params:xml:ns:xmpp-streams'>Replaced</text>")
        << "conflict: Replaced" << false;
    QTest::newRow("shutdown without text")
        << true << QByteArray("<system-shutdown xmlns='urn:ietf:params:xml:ns:xmpp-streams'/>") << "system-shutdown"
        << true;
    // As ejabberd ends a session that left more of its stanzas unacknowledged than it
    // keeps: the account is not refused.
    QTest::newRow("too many stanzas unacknowledged")
        << true
        << QByteArray("<policy-violation xmlns='urn:ietf:params:xml:ns:xmpp-streams'/>"
                      "<text xmlns='urn:ietf:params:xml:ns:xmpp-streams'>Too many unacked stanzas</text>")
        << "policy-violation: Too many unacked stanzas" << true;
}

void TestXmppClient::streamErrorsFromServer()
{
    QFETCH(bool, connected);
    QFETCH(QByteArray, error);
    QFETCH(QString, text);
    QFETCH(bool, again);
    LogFile log;
    QSignalSpy socketErrors(m_client.get(), &XMPPClient::socketError);
    if (connected) {
        connectFully();
    } else {
        startClient();
        m_server->send("<?xml version='1.0'?><stream:stream xmlns='jabber:client' "
                       "xmlns:stream='http://etherx.jabber.org/streams' id='s1' version='1.0'>");
    }
    m_server->send("<stream:error>" + error + "</stream:error></stream:stream>");
    QTRY_COMPARE(m_errors->size(), 1);
    QCOMPARE(m_errors->at(0).at(0).value<XMPPClient::XMPPError>(), XMPPClient::FatalError);
    QCOMPARE(m_errors->at(0).at(1).toString(), text);
    // The server's stream is over: the client closes its own without an error of its own.
    QTRY_COMPARE(m_client->state(), int(XMPPClient::UnconnectedState));
    QVERIFY(!m_server->unseen().contains("<stream:error"));
    QVERIFY(socketErrors.size() <= 1);
    QVERIFY2(log.text().contains(QLatin1String("chat server stream error: ") + text), qPrintable(log.text()));
    QCOMPARE(m_client->reconnects(), again);
}

void TestXmppClient::invalidByteInItsOwnReadEndsStream()
{
    connectFully();
    QSignalSpy messages(m_client.get(), &XMPPClient::messageReceived);
    m_server->send("<message from='1002@localhost/a'><body>before</body></message>");
    QTRY_COMPARE(messages.size(), 1);
    // The reader would drop a byte that starts a read, and everything after it, silently.
    m_server->send("\xff<message from='1002@localhost/a'><body>after</body></message>");
    QVERIFY(m_server->waitFor("<xml-not-well-formed xmlns=\"urn:ietf:params:xml:ns:xmpp-streams\"/>"));
    QTRY_COMPARE(m_errors->size(), 1);
    QTRY_COMPARE(m_disconnected->size(), 1);
    QCOMPARE(messages.size(), 1);
}

void TestXmppClient::lockedRoomAnswers_data()
{
    QTest::addColumn<QByteArray>("error");
    QTest::newRow("wait, recipient-unavailable")
        << QByteArray("<error type='wait'><recipient-unavailable xmlns='urn:ietf:params:xml:ns:xmpp-stanzas'/></error>");
    QTest::newRow("cancel, item-not-found")
        << QByteArray("<error type='cancel'><item-not-found xmlns='urn:ietf:params:xml:ns:xmpp-stanzas'/></error>");
}

void TestXmppClient::lockedRoomAnswers()
{
    QFETCH(QByteArray, error);
    connectFully();
    QSignalSpy presences(m_client.get(), &XMPPClient::presence);
    m_client->joinRoom(parseJid("lobby@conference.localhost"), "1001");
    QVERIFY(m_server->waitFor("</presence>"));
    m_server->send("<presence from='lobby@conference.localhost/1001' type='error'>"
                   "<x xmlns='http://jabber.org/protocol/muc'/>" + error + "</presence>");
    QTRY_COMPARE(presences.size(), 1);
    QCOMPARE(presences.at(0).at(0).value<XMPPPresence>().error(), XMPPPresence::RoomLocked);
}

void TestXmppClient::restrictedXmlEndsStream()
{
    connectFully();
    m_server->send("<message from='1002@localhost/a'><!-- no --><body>x</body></message>");
    QVERIFY(m_server->waitFor("<restricted-xml xmlns=\"urn:ietf:params:xml:ns:xmpp-streams\"/>"));
    QVERIFY(m_server->waitFor("</stream:stream>"));
    QTRY_COMPARE(m_errors->size(), 1);
}

void TestXmppClient::oversizedElementEndsStream()
{
    connectFully();
    m_server->send("<message from='1002@localhost/a'><body>");
    const QByteArray block(64 * 1024, 'x');
    for (int i = 0; i < 24 && m_errors->isEmpty(); ++i) {
        m_server->send(block);
        QTest::qWait(10);
    }
    QVERIFY(m_server->waitFor("<policy-violation xmlns=\"urn:ietf:params:xml:ns:xmpp-streams\"/>"));
    QTRY_COMPARE(m_errors->size(), 1);
}

void TestXmppClient::ownPresenceUpdates()
{
    connectFully();
    m_client->removeTable("/not/there");
    QCOMPARE(m_server->unseen(), QByteArray());
    m_client->addTable("/Classic/Table 1");
    QVERIFY(m_server->waitFor("<presence><tables xmlns=\"http://pellandor.net/protocol/tablepresence\">"
                              "<path>/Classic/Table 1</path></tables><x xmlns=\"vcard-temp:x:update\"/></presence>"));
    m_client->addTable("/Classic/Table 1");
    QVERIFY(m_server->waitFor("<path>/Classic/Table 1</path></tables><x xmlns=\"vcard-temp:x:update\"/></presence>"));
    m_client->setPhotoHash(QByteArray::fromHex("abcd"));
    QCOMPARE(m_server->unseen(), QByteArray());
    m_client->updatePhotoHash(QByteArray::fromHex("beef"));
    QVERIFY(m_server->waitFor("<photo>beef</photo>"));
    m_client->removeTable("/Classic/Table 1");
    QVERIFY(m_server->waitFor("<presence><x xmlns=\"vcard-temp:x:update\"><photo>beef</photo></x></presence>"));

    m_client->joinRoom(parseJid("lobby@conference.localhost"), "1001");
    QVERIFY(m_server->waitFor("<presence to=\"lobby@conference.localhost/1001\" id=\"2\"><x xmlns=\"http://jabber.org/protocol/muc\"/>"
                              "<x xmlns=\"vcard-temp:x:update\"><photo>beef</photo></x></presence>"));
    m_client->leaveRoom(parseJid("lobby@conference.localhost"), "1001");
    QVERIFY(m_server->waitFor("<presence to=\"lobby@conference.localhost/1001\" id=\"3\" type=\"unavailable\">"));
    // A message sent again keeps its id, also as its origin id.
    XMPPMessage message("lobby@conference.localhost", XMPPMessage::GroupChat);
    message.setBody("a\x01<b>");
    message.setId("first-sent-as");
    QCOMPARE(m_client->sendMessage(message), QStringLiteral("first-sent-as"));
    QVERIFY(m_server->waitFor("<message to=\"lobby@conference.localhost\" id=\"first-sent-as\" type=\"groupchat\"><body>a&lt;b&gt;</body>"
                              "<origin-id xmlns=\"urn:xmpp:sid:0\" id=\"first-sent-as\"/></message>"));
}

void TestXmppClient::requestsNeedConnection()
{
    startClient();
    try {
        m_client->sendMessage(XMPPMessage("1002@localhost", XMPPMessage::Chat));
        QFAIL("sent while negotiating");
    } catch (const std::runtime_error &e) {
        QCOMPARE(QString::fromLatin1(e.what()), QStringLiteral("not connected"));
    }
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, m_client->discoverServerInfo());
    try {
        m_client->joinRoom(parseJid("lobby@conference.localhost/nick"), "me");
        QFAIL("joined a room with a resource");
    } catch (const std::runtime_error &e) {
        QCOMPARE(QString::fromLatin1(e.what()), QStringLiteral("not a room JID (had resource part)"));
    }
    QCOMPARE(m_server->unseen(), QByteArray());
}

void TestXmppClient::linesNotSentComeBackInTheOrderLastSent()
{
    // "a" went, the server refused it, "b" went, and "a" went again: the loss names "a"
    // for each time it went, unanswered, and it comes back after "b", where it was last
    // sent. Another sender's "c" stays.
    QHash<QString, QString> unconfirmed{{"a", "first"}, {"b", "second"}, {"c", "elsewhere"}};
    QCOMPARE(xmpp::takeNotSent(unconfirmed, {"a", "b", "a", "d"}), (QList<QString>{"second", "first"}));
    QCOMPARE(unconfirmed.keys(), QStringList{"c"});
}

MAHJONG_TEST_MAIN(TestXmppClient)
#include "tst_xmppclient.moc"
