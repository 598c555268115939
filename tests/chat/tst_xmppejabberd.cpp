#include "testmain.h"
#include "EjabberdTestServer.h"

#include "chat/xmpp/XMPPClient.h"

#include <QFile>
#include <QSignalSpy>
#include <QSslCertificate>
#include <QSslConfiguration>

// The chat client against a real ejabberd on loopback, started by the test fixture
// (tools/ejabberd/ejabberd-test-server.sh). The test registers the accounts 3301 to 3307
// and uses no other: the fixture's own accounts are those of the main window's tests
// running at the same time, which see every session of an account they befriend.
class TestXmppEjabberd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void logsInOverStartTls();
    void retriesWrongPassword();
    void refusesUntrustedCertificate();
    void exchangesPresence();
    void discoversConferenceAndRooms();
    void talksInRoom();

private:
    std::unique_ptr<XMPPClient> connectedClient(const QString &user);
    static QByteArray photoHash() { return QByteArray::fromHex("3f786850e387550fdab836ed7e6dc881de23001b"); }

    quint16 m_port = 0;
    QList<QSslCertificate> m_ca;
};

void TestXmppEjabberd::initTestCase()
{
    const QString dir = qEnvironmentVariable("XMPP_SERVER_DIR");
    QFile env(dir + "/env");
    QVERIFY2(env.open(QIODevice::ReadOnly), qPrintable("no test server in " + dir));
    for (const QByteArray &line : env.readAll().split('\n')) {
        if (line.startsWith("XMPP_PORT="))
            m_port = line.mid(10).toUShort();
        if (line.startsWith("XMPP_CA="))
            m_ca = QSslCertificate::fromPath(QString::fromLocal8Bit(line.mid(8)));
    }
    QVERIFY(m_port != 0);
    QCOMPARE(m_ca.size(), 1);
    QVERIFY(registerEjabberdAccounts(dir, 3301, 3307));
    // Start-up puts the trusted roots into the defaults; here that is the test CA.
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setCaCertificates(m_ca);
    QSslConfiguration::setDefaultConfiguration(configuration);
}

std::unique_ptr<XMPPClient> TestXmppEjabberd::connectedClient(const QString &user)
{
    auto client = std::make_unique<XMPPClient>();
    QSignalSpy connected(client.get(), &XMPPClient::connected);
    client->login(user, "secret");
    client->connectToHost("localhost", m_port, XMPPClient::TlsRequired);
    if (!connected.wait(5000) && connected.isEmpty())
        return nullptr;
    return client;
}

void TestXmppEjabberd::logsInOverStartTls()
{
    XMPPClient client;
    QSignalSpy connected(&client, &XMPPClient::connected);
    QSignalSpy errors(&client, &XMPPClient::xmppError);
    QSignalSpy disconnected(&client, &XMPPClient::disconnected);
    client.login("3301", "secret");
    client.connectToHost("localhost", m_port, XMPPClient::TlsRequired);
    QTRY_COMPARE_WITH_TIMEOUT(connected.size(), 1, 5000);
    QCOMPARE(client.state(), 5);
    QVERIFY2(client.ownJid().startsWith("3301@localhost/"), qPrintable(client.ownJid()));
    QCOMPARE(client.serverDomain(), QStringLiteral("localhost"));
    QVERIFY(errors.isEmpty());
    // The server answers the end of the stream with its own, after which the client
    // closes the link: a quit waits no longer than that.
    QVERIFY(client.closeStreamAndWait(20000));
    QCOMPARE(disconnected.size(), 1);
    QCOMPARE(client.state(), 0);
}

void TestXmppEjabberd::retriesWrongPassword()
{
    XMPPClient client;
    QSignalSpy connected(&client, &XMPPClient::connected);
    QSignalSpy errors(&client, &XMPPClient::xmppError);
    client.login("3302", "wrong");
    client.connectToHost("localhost", m_port, XMPPClient::TlsRequired);
    QTRY_COMPARE_WITH_TIMEOUT(errors.size(), 1, 5000);
    QCOMPARE(errors.at(0).at(0).value<XMPPClient::XMPPError>(), XMPPClient::AuthenticationRetry);
    QCOMPARE(client.state(), 3);
    QVERIFY(connected.isEmpty());
    client.login("3302", "secret");
    QTRY_COMPARE_WITH_TIMEOUT(connected.size(), 1, 5000);
    QCOMPARE(errors.size(), 1);
}

void TestXmppEjabberd::refusesUntrustedCertificate()
{
    const QSslConfiguration trusted = QSslConfiguration::defaultConfiguration();
    QSslConfiguration other = trusted;
    other.setCaCertificates({});
    QSslConfiguration::setDefaultConfiguration(other);
    XMPPClient client;
    QSslConfiguration::setDefaultConfiguration(trusted);

    QSignalSpy connected(&client, &XMPPClient::connected);
    QSignalSpy errors(&client, &XMPPClient::xmppError);
    QSignalSpy socketErrors(&client, &XMPPClient::socketError);
    QSslConfiguration::setDefaultConfiguration(other);
    client.login("3301", "secret");
    client.connectToHost("localhost", m_port, XMPPClient::TlsRequired);
    QSslConfiguration::setDefaultConfiguration(trusted);
    QTRY_VERIFY_WITH_TIMEOUT(!errors.isEmpty(), 5000);
    QCOMPARE(errors.at(0).at(0).value<XMPPClient::XMPPError>(), XMPPClient::TlsCertificateError);
    QTRY_COMPARE_WITH_TIMEOUT(client.state(), 0, 5000);
    QVERIFY(!socketErrors.isEmpty());
    QTest::qWait(100);
    QVERIFY(connected.isEmpty());
}

void TestXmppEjabberd::exchangesPresence()
{
    auto first = std::make_unique<XMPPClient>();
    first->addTable("/Classic/Beginners/Table 7");
    first->addTable("/Riichi/Tokyo/卓 12");
    first->setPhotoHash(photoHash());
    QSignalSpy firstConnected(first.get(), &XMPPClient::connected);
    QSignalSpy requests(first.get(), &XMPPClient::authorizationRequestReceived);
    first->login("3303", "secret");
    first->connectToHost("localhost", m_port, XMPPClient::TlsRequired);
    QTRY_COMPARE_WITH_TIMEOUT(firstConnected.size(), 1, 5000);

    auto second = connectedClient("3304");
    QVERIFY(second);
    QSignalSpy presences(second.get(), &XMPPClient::presence);
    second->subscribe(parseJid("3303@localhost"));
    QTRY_COMPARE_WITH_TIMEOUT(requests.size(), 1, 5000);
    QCOMPARE(requests.at(0).at(0).value<XMPPJid>().toString(), QStringLiteral("3304@localhost"));
    first->answerSubscription(requests.at(0).at(0).value<XMPPJid>(), true);

    const auto fromFirst = [&presences] {
        for (const QList<QVariant> &arguments : presences) {
            const XMPPPresence presence = arguments.at(0).value<XMPPPresence>();
            if (jidBare(presence.from()).toString() == QLatin1String("3303@localhost"))
                return presence;
        }
        return XMPPPresence();
    };
    QTRY_VERIFY_WITH_TIMEOUT(!fromFirst().from().isEmpty(), 5000);
    const XMPPPresence seen = fromFirst();
    QCOMPARE(seen.availability(), 2);
    QCOMPARE(seen.tables(), QSet<QString>({"/Classic/Beginners/Table 7", "/Riichi/Tokyo/卓 12"}));
    QVERIFY(seen.hasPhotoHash());
    QCOMPARE(seen.photoHash(), photoHash());

    presences.clear();
    first.reset();
    QTRY_VERIFY_WITH_TIMEOUT(!presences.isEmpty(), 5000);
    QCOMPARE(presences.last().at(0).value<XMPPPresence>().availability(), 1);
}

void TestXmppEjabberd::discoversConferenceAndRooms()
{
    auto client = connectedClient("3305");
    QVERIFY(client);
    QSignalSpy services(client.get(), &XMPPClient::conferenceJID);
    QSignalSpy rooms(client.get(), &XMPPClient::conferenceRooms);
    client->discoverServerInfo();
    QTRY_COMPARE_WITH_TIMEOUT(services.size(), 1, 5000);
    const XMPPJid service = services.at(0).at(0).value<XMPPJid>();
    QCOMPARE(service.toString(), QStringLiteral("conference.localhost"));
    client->discoverItems(service);
    QTRY_COMPARE_WITH_TIMEOUT(rooms.size(), 1, 5000);
    QVERIFY(rooms.at(0).at(0).value<QList<XMPPJid>>().contains(parseJid("lobby@conference.localhost")));
    QTest::qWait(200);
    QCOMPARE(services.size(), 1);
    QCOMPARE(client->state(), 5);
}

void TestXmppEjabberd::talksInRoom()
{
    const XMPPJid room = parseJid("table-7@conference.localhost");
    auto speaker = connectedClient("3306");
    QVERIFY(speaker);
    QSignalSpy speakerPresences(speaker.get(), &XMPPClient::presence);
    speaker->joinRoom(room, "3306");
    // The speaker's presence in the room, which may come after the server's echo of the
    // speaker's own presence after login and the room's own.
    const XMPPJid occupant = parseJid("table-7@conference.localhost/3306");
    const auto fromRoom = [&] {
        for (const QList<QVariant> &presence : speakerPresences) {
            if (presence.at(0).value<XMPPPresence>().from() == occupant)
                return presence.at(0).value<XMPPPresence>();
        }
        return XMPPPresence();
    };
    QTRY_VERIFY_WITH_TIMEOUT(!fromRoom().from().isEmpty(), 5000);
    QVERIFY(fromRoom().isRoomUser());
    speaker->createInstantRoom(room);

    XMPPMessage message(room.toString(), XMPPMessage::GroupChat);
    message.setBody("Hello <all> & \"everyone\" \x07 — 你好");
    QSignalSpy echoes(speaker.get(), &XMPPClient::messageReceived);
    speaker->sendMessage(message);
    // In the room's history once the room has passed it on: the listener's join may
    // otherwise overtake it.
    QTRY_VERIFY_WITH_TIMEOUT(!echoes.isEmpty(), 5000);

    auto listener = connectedClient("3307");
    QVERIFY(listener);
    QSignalSpy messages(listener.get(), &XMPPClient::messageReceived);
    listener->joinRoom(room, "3307");
    QTRY_VERIFY_WITH_TIMEOUT(!messages.isEmpty(), 5000);
    const XMPPMessage history = messages.at(0).at(0).value<XMPPMessage>();
    QCOMPARE(history.type(), int(XMPPMessage::GroupChat));
    QCOMPARE(history.from(), QStringLiteral("table-7@conference.localhost/3306"));
    QCOMPARE(history.body(), QString::fromUtf8("Hello <all> & \"everyone\"  — 你好"));
    QVERIFY(history.hasDelay());
    QVERIFY(qAbs(history.delayStamp().secsTo(QDateTime::currentDateTimeUtc())) < 60);

    message.setBody("live");
    speaker->sendMessage(message);
    QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 2, 5000);
    QVERIFY(!messages.at(1).at(0).value<XMPPMessage>().hasDelay());
    QCOMPARE(speaker->state(), 5);
    QCOMPARE(listener->state(), 5);
}

MAHJONG_TEST_MAIN(TestXmppEjabberd)
#include "tst_xmppejabberd.moc"
