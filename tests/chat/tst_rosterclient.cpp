#include "testmain.h"

#include "FakeChatServer.h"
#include "chat/xmpp/XMPPClient.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QSignalSpy>

// The roster and vCard exchanges of the chat client against the scripted server.
class TestRosterClient : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void rosterAnswersAndPushes();
    void vCardRequests();
    void vCardUpload();

private:
    std::unique_ptr<FakeChatServer> m_server;
    std::unique_ptr<XMPPClient> m_client;
};

void TestRosterClient::init()
{
    m_server = std::make_unique<FakeChatServer>();
    m_client = std::make_unique<XMPPClient>();
}

void TestRosterClient::cleanup()
{
    m_client.reset();
    m_server.reset();
}

void TestRosterClient::rosterAnswersAndPushes()
{
    QSignalSpy resets(m_client.get(), &XMPPClient::rosterReset);
    QSignalSpy updates(m_client.get(), &XMPPClient::rosterUpdate);
    QVERIFY(m_server->acceptSession(*m_client));

    m_client->requestRoster();
    QVERIFY(m_server->waitFor("<iq id=\"2\" type=\"get\"><query xmlns=\"jabber:iq:roster\"/></iq>"));
    m_server->send("<iq type='result' id='2' to='1001@localhost/r1'><query xmlns='jabber:iq:roster'>"
                   "<item jid='1002@localhost' subscription='both' name='Bob'/>"
                   "<item jid='1003@localhost' subscription='none' ask='subscribe'/></query></iq>");
    QTRY_COMPARE(updates.size(), 2);
    QCOMPARE(resets.size(), 1);
    QCOMPARE(updates.at(0).at(0).value<XMPPJid>().toString(), QStringLiteral("1002@localhost"));
    QCOMPARE(updates.at(0).at(1).toInt(), 3);
    QCOMPARE(updates.at(0).at(3).toString(), QStringLiteral("Bob"));
    QCOMPARE(updates.at(1).at(1).toInt(), 4);

    // A push of two entries: both announced, one answer with the push's id.
    updates.clear();
    m_server->send("<iq type='set' id='push-1'><query xmlns='jabber:iq:roster'>"
                   "<item jid='1004@localhost' subscription='to'/>"
                   "<item jid='1002@localhost' subscription='remove'/></query></iq>");
    QVERIFY(m_server->waitFor("<iq id=\"push-1\" type=\"result\"/>"));
    QCOMPARE(updates.size(), 2);
    QVERIFY(updates.at(1).at(2).toBool());
    QVERIFY(!m_server->unseen().contains("push-1"));

    // From the own account it counts; from anybody else it is ignored.
    m_server->send("<iq type='set' id='push-2' from='1001@localhost'><query xmlns='jabber:iq:roster'>"
                   "<item jid='1005@localhost' subscription='from'/></query></iq>");
    QVERIFY(m_server->waitFor("<iq id=\"push-2\" type=\"result\"/>"));
    QCOMPARE(updates.size(), 3);
    m_server->send("<iq type='set' id='push-3' from='1666@localhost/evil'><query xmlns='jabber:iq:roster'>"
                   "<item jid='1666@localhost' subscription='both'/></query></iq>");
    QVERIFY(!m_server->unseen(200).contains("push-3"));
    QCOMPARE(updates.size(), 3);

    // Asking the client for its roster is refused, and the stream goes on.
    m_server->send("<iq type='get' id='push-4'><query xmlns='jabber:iq:roster'/></iq>");
    QVERIFY(m_server->waitFor("<iq id=\"push-4\" type=\"error\"><error type=\"continue\"><bad-request"));
    QCOMPARE(m_client->state(), 5);

    // A removal carries no empty name or group; its answer changes nothing by itself.
    m_client->updateRosterItem(parseJid("1004@localhost"), true, QString(), QString());
    QVERIFY(m_server->waitFor("<iq id=\"3\" type=\"set\"><query xmlns=\"jabber:iq:roster\">"
                              "<item jid=\"1004@localhost\" subscription=\"remove\"/></query></iq>"));
    m_server->send("<iq type='result' id='3'/>");
    m_client->requestRoster();
    QVERIFY(m_server->waitFor("<iq id=\"4\" type=\"get\">"));
    m_server->send("<iq type='error' id='4'><error type='cancel'><service-unavailable "
                   "xmlns='urn:ietf:params:xml:ns:xmpp-stanzas'/></error></iq>");
    QTest::qWait(100);
    QCOMPARE(resets.size(), 1);
    QCOMPARE(updates.size(), 3);
    QCOMPARE(m_client->state(), 5);
}

void TestRosterClient::vCardRequests()
{
    QSignalSpy received(m_client.get(), &XMPPClient::vCardReceived);
    QSignalSpy errors(m_client.get(), &XMPPClient::vCardReceivedError);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, m_client->requestVCard(parseJid("1002@localhost")));
    QVERIFY(m_server->acceptSession(*m_client));

    // The own vCard is asked for without an address, a friend's at the bare address.
    m_client->requestVCard(parseJid("1001@localhost/other"));
    QVERIFY(m_server->waitFor("<iq id=\"2\" type=\"get\"><vCard xmlns=\"vcard-temp\"/></iq>"));
    m_client->requestVCard(parseJid("1002@localhost/home"));
    QVERIFY(m_server->waitFor("<iq to=\"1002@localhost\" id=\"3\" type=\"get\"><vCard xmlns=\"vcard-temp\"/></iq>"));
    m_client->requestVCard(parseJid("1003@localhost"));
    QVERIFY(m_server->waitFor("id=\"4\""));

    // Answers and errors name the address asked for.
    m_server->send("<iq type='result' id='2'><vCard xmlns='vcard-temp'><FN>Me</FN></vCard></iq>");
    m_server->send("<iq type='error' id='3' from='1002@localhost'><error type='cancel'><item-not-found "
                   "xmlns='urn:ietf:params:xml:ns:xmpp-stanzas'/></error></iq>");
    QTRY_COMPARE(errors.size(), 1);
    QCOMPARE(received.size(), 1);
    QCOMPARE(received.at(0).at(0).value<XMPPJid>().toString(), QStringLiteral("1001@localhost"));
    QCOMPARE(received.at(0).at(1).value<XMPPVCard>().fieldText("FN"), QStringLiteral("Me"));
    QCOMPARE(errors.at(0).at(0).value<XMPPJid>().toString(), QStringLiteral("1002@localhost"));

    // A lost connection fails the request still waiting, by its address.
    m_server->drop();
    QTRY_COMPARE(errors.size(), 2);
    QCOMPARE(errors.at(1).at(0).value<XMPPJid>().toString(), QStringLiteral("1003@localhost"));
}

void TestRosterClient::vCardUpload()
{
    QSignalSpy ok(m_client.get(), &XMPPClient::uploadVCardOk);
    QSignalSpy failed(m_client.get(), &XMPPClient::uploadVCardError);
    QVERIFY(m_server->acceptSession(*m_client));

    QImage photo(10, 10, QImage::Format_RGB32);
    photo.fill(Qt::yellow);
    XMPPVCard vcard;
    vcard.setPhoto(photo);
    m_client->uploadVCard(vcard);
    QVERIFY(m_server->waitFor("<iq id=\"2\" type=\"set\"><vCard xmlns=\"vcard-temp\"><FN>Unknown</FN><N/>"
                              "<PHOTO><TYPE>image/png</TYPE><BINVAL>"));
    const QByteArray rest = m_server->unseen();
    const QByteArray sent = QByteArray::fromBase64(rest.left(rest.indexOf('<')));
    QVERIFY(!QImage::fromData(sent, "PNG").isNull());
    m_server->send("<iq type='result' id='2'/>");
    QTRY_COMPARE(ok.size(), 1);
    // Friends learn the new photo from the next presence.
    const QByteArray hash = QCryptographicHash::hash(sent, QCryptographicHash::Sha1).toHex();
    QVERIFY(m_server->waitFor("<x xmlns=\"vcard-temp:x:update\"><photo>" + hash + "</photo></x></presence>"));

    m_client->uploadVCard(vcard);
    QVERIFY(m_server->waitFor("<iq id=\"3\" type=\"set\">"));
    m_server->send("<iq type='error' id='3'><error type='modify'><bad-request "
                   "xmlns='urn:ietf:params:xml:ns:xmpp-stanzas'/></error></iq>");
    QTRY_COMPARE(failed.size(), 1);
    QCOMPARE(ok.size(), 1);
}

MAHJONG_TEST_MAIN(TestRosterClient)
#include "tst_rosterclient.moc"
