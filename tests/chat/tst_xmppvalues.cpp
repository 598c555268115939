#include "testmain.h"

#include "chat/xmpp/XMPPElements.h"
#include "chat/xmpp/XMPPJid.h"
#include "chat/xmpp/XMPPPresence.h"

#include <stdexcept>

class TestXmppValues : public QObject
{
    Q_OBJECT

private slots:
    void jidText_data();
    void jidText();
    void jidLimits_data();
    void jidLimits();
    void parseJidParts_data();
    void parseJidParts();
    void parseJidRefusesLongParts();
    void jidBareKeepsLongAddresses();
    void exceptionTexts();
    void iqTypeNames();
    void conditionTables();
    void availability_data();
    void availability();
    void roomErrors_data();
    void roomErrors();
    void presenceRanking();
    void presenceCopiesAreDeep();
    void setAvailabilityInverse();
};

void TestXmppValues::jidText_data()
{
    QTest::addColumn<QString>("domain");
    QTest::addColumn<QString>("node");
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QString>("text");
    QTest::newRow("all") << "localhost" << "1001" << "res" << "1001@localhost/res";
    QTest::newRow("no node") << "localhost" << "" << "res" << "localhost/res";
    QTest::newRow("bare") << "localhost" << "1001" << "" << "1001@localhost";
    QTest::newRow("domain") << "localhost" << "" << "" << "localhost";
    QTest::newRow("empty") << "" << "" << "" << "";
}

void TestXmppValues::jidText()
{
    QFETCH(QString, domain);
    QFETCH(QString, node);
    QFETCH(QString, resource);
    QFETCH(QString, text);
    QCOMPARE(XMPPJid(domain, node, resource).toString(), text);
}

void TestXmppValues::jidLimits_data()
{
    QTest::addColumn<int>("domain");
    QTest::addColumn<int>("node");
    QTest::addColumn<int>("resource");
    QTest::addColumn<QString>("message");
    QTest::newRow("all at limit") << 1023 << 1023 << 1023 << "";
    QTest::newRow("domain") << 1024 << 1 << 1 << "domainId too long";
    QTest::newRow("node") << 1 << 1024 << 1 << "nodeId too long";
    QTest::newRow("resource") << 1 << 1 << 1024 << "resourceId too long";
    QTest::newRow("domain tested first") << 1024 << 1024 << 1024 << "domainId too long";
    QTest::newRow("node before resource") << 1 << 1024 << 1024 << "nodeId too long";
}

void TestXmppValues::jidLimits()
{
    QFETCH(int, domain);
    QFETCH(int, node);
    QFETCH(int, resource);
    QFETCH(QString, message);
    try {
        XMPPJid jid(QString(domain, 'd'), QString(node, 'n'), QString(resource, 'r'));
        QVERIFY(message.isEmpty());
        QCOMPARE(jid.toString().size(), domain + node + resource + 2);
    } catch (const std::invalid_argument &e) {
        QCOMPARE(QString::fromLatin1(e.what()), message);
    }
}

void TestXmppValues::parseJidParts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("node");
    QTest::addColumn<QString>("domain");
    QTest::addColumn<QString>("bare");
    QTest::newRow("resource with @") << "a@b/c@d" << "a" << "b" << "a@b";
    QTest::newRow("no node") << "b/c" << "b/c" << "b" << "b";
    QTest::newRow("bare") << "1001@localhost" << "1001" << "localhost" << "1001@localhost";
    QTest::newRow("domain") << "conference.localhost" << "conference.localhost"
                            << "conference.localhost" << "conference.localhost";
}

void TestXmppValues::parseJidParts()
{
    QFETCH(QString, text);
    QFETCH(QString, node);
    QFETCH(QString, domain);
    QFETCH(QString, bare);
    const XMPPJid jid = parseJid(text);
    QCOMPARE(jid.toString(), text);
    QCOMPARE(jidNode(jid), node);
    QCOMPARE(jidDomain(jid), domain);
    QCOMPARE(jidBare(jid).toString(), bare);
}

void TestXmppValues::parseJidRefusesLongParts()
{
    const QString text = QString(1024, 'n') + "@localhost";
    try {
        parseJid(text);
        QFAIL("a node of 1024 characters was accepted");
    } catch (const xmpp::stream_parse_error &e) {
        QCOMPARE(e.condition(), int(xmpp::BadFormat));
        QCOMPARE(e.text(), QStringLiteral("invalid JID <%1>: nodeId too long").arg(text));
    }
    QCOMPARE(parseJid(QString(1023, 'n') + "@localhost/" + QString(1023, 'r')).toString().size(),
             1023 + 9 + 1023 + 2);
}

void TestXmppValues::jidBareKeepsLongAddresses()
{
    const XMPPJid full = parseJid(QString(1000, 'n') + "@" + QString(1000, 'd') + "/r");
    QCOMPARE(jidBare(full).toString(), QString(1000, 'n') + "@" + QString(1000, 'd'));
}

void TestXmppValues::exceptionTexts()
{
    const xmpp::stream_error streamError(13, "TLS required");
    QCOMPARE(QString::fromLocal8Bit(streamError.what()),
             QStringLiteral("stream_error, code: 13, what: TLS required"));
    const xmpp::stream_parse_error parseError(22, "unsupported version: 1.1");
    QCOMPARE(QString::fromLocal8Bit(parseError.what()),
             QStringLiteral("stream_parse_error, code: 22, what: unsupported version: 1.1"));
    const xmpp::stream_error &asBase = parseError;
    QCOMPARE(asBase.condition(), 22);

    QCOMPARE(QString::fromLocal8Bit(xmpp::stanza_error(2, 1, 3, "7").what()),
             QStringLiteral("presence_error, type: 1, error: 3, id: 7"));
    QCOMPARE(QString::fromLocal8Bit(xmpp::stanza_error(0, 5, 22, "x").what()),
             QStringLiteral("message_error, type: 5, error: 22, id: x"));
    xmpp::stanza_error copy = xmpp::stanza_error(1, 1, 3, "9");
    QCOMPARE(QString::fromLocal8Bit(copy.what()), QStringLiteral("iq_error, type: 1, error: 3, id: 9"));
}

void TestXmppValues::iqTypeNames()
{
    QCOMPARE(xmpp::Iq("1", XMPPJid(), 2).type, QStringLiteral("result"));
    QCOMPARE(xmpp::Iq("1", XMPPJid(), 0).type, QStringLiteral("get"));
    QVERIFY(xmpp::Iq("1", XMPPJid(), 4).type.isEmpty());
    QVERIFY(xmpp::Iq("1", XMPPJid(), -1).type.isEmpty());
    QCOMPARE(xmpp::IqBind("1", QString()).kind(), 15);
    QCOMPARE(xmpp::IqInstantRoom("2", XMPPJid()).type, QStringLiteral("set"));
}

void TestXmppValues::conditionTables()
{
    QCOMPARE(xmpp::streamErrorConditionFromName("bad-format"), 0);
    QCOMPARE(xmpp::streamErrorConditionFromName("policy-violation"), 13);
    QCOMPARE(xmpp::streamErrorConditionFromName("xml-not-well-formed"), 23);
    QCOMPARE(xmpp::streamErrorConditionFromName("no-such-condition"), -1);
    QCOMPARE(xmpp::stanzaErrorConditionFromName("bad-request"), 1);
    QCOMPARE(xmpp::stanzaErrorConditionFromName("item-not-found"), 7);
    QCOMPARE(xmpp::stanzaErrorConditionFromName("unexpected-request"), 22);
    QCOMPARE(xmpp::stanzaErrorConditionFromName("policy-violation"), 23);
    QCOMPARE(xmpp::stanzaErrorConditionFromName("too-loud"), -1);
    QCOMPARE(xmpp::stanzaErrorConditionFromName(""), -1);
    QCOMPARE(xmpp::saslFailureConditionFromName("not-authorized"), 5);
    QCOMPARE(xmpp::saslFailureConditionFromName("text"), -1);
    QCOMPARE(xmpp::stanzaErrorTypeFromName("wait"), 5);
    QCOMPARE(xmpp::stanzaErrorTypeFromName(""), -1);
    QCOMPARE(xmpp::mucStatusCodeFromNumber(100), 1);
    QCOMPARE(xmpp::mucStatusCodeFromNumber(110), 6);
    QCOMPARE(xmpp::mucStatusCodeFromNumber(332), 19);
    QCOMPARE(xmpp::mucStatusCodeFromNumber(333), 0);
    for (int code = 0; code < 24; ++code)
        QCOMPARE(xmpp::streamErrorConditionFromName(xmpp::streamErrorConditionName(code)), code);
    for (int code = 1; code < 24; ++code)
        QCOMPARE(xmpp::stanzaErrorConditionFromName(xmpp::stanzaErrorConditionName(code)), code);
}

static XMPPPresence makePresence(int type, int show, int errorType = 0, int errorCondition = 0)
{
    xmpp::PresenceStanza stanza(XMPPJid(), type, QString());
    stanza.show = show;
    stanza.errorType = errorType;
    stanza.errorCondition = errorCondition;
    return XMPPPresence(stanza);
}

void TestXmppValues::availability_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("show");
    QTest::addColumn<int>("availability");
    QTest::newRow("available") << 0 << 0 << 2;
    QTest::newRow("away") << 0 << 1 << 3;
    QTest::newRow("chat") << 0 << 2 << 4;
    QTest::newRow("dnd") << 0 << 3 << 5;
    QTest::newRow("xa") << 0 << 4 << 6;
    QTest::newRow("unavailable with chat") << 5 << 2 << 1;
    QTest::newRow("error with away") << 7 << 1 << 0;
}

void TestXmppValues::availability()
{
    QFETCH(int, type);
    QFETCH(int, show);
    QFETCH(int, availability);
    QCOMPARE(makePresence(type, show).availability(), availability);
}

void TestXmppValues::roomErrors_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("errorType");
    QTest::addColumn<int>("condition");
    QTest::addColumn<int>("error");
    QTest::newRow("banned") << 7 << 4 << 4 << 2;
    QTest::newRow("password") << 7 << 4 << 11 << 3;
    QTest::newRow("members only") << 7 << 4 << 15 << 4;
    QTest::newRow("nick in use") << 7 << 1 << 2 << 5;
    QTest::newRow("full") << 7 << 5 << 19 << 6;
    QTest::newRow("locked") << 7 << 5 << 13 << 7;
    QTest::newRow("missing") << 7 << 1 << 10 << 8;
    QTest::newRow("modify bad-request") << 7 << 3 << 1 << 1;
    QTest::newRow("not an error presence") << 0 << 4 << 4 << 0;
}

void TestXmppValues::roomErrors()
{
    QFETCH(int, type);
    QFETCH(int, errorType);
    QFETCH(int, condition);
    QFETCH(int, error);
    QCOMPARE(int(makePresence(type, 0, errorType, condition).error()), error);
}

void TestXmppValues::presenceRanking()
{
    const XMPPPresence available = makePresence(0, 0);
    const XMPPPresence chat = makePresence(0, 2);
    const XMPPPresence away = makePresence(0, 1);
    const XMPPPresence xa = makePresence(0, 4);
    const XMPPPresence dnd = makePresence(0, 3);
    const XMPPPresence unavailable = makePresence(5, 0);
    const XMPPPresence error = makePresence(7, 0);
    QVERIFY(presenceLessThan(chat, available));
    QVERIFY(presenceLessThan(away, chat));
    QVERIFY(presenceLessThan(xa, away));
    QVERIFY(presenceLessThan(dnd, xa));
    QVERIFY(presenceLessThan(unavailable, dnd));
    QVERIFY(!presenceLessThan(available, chat));
    QVERIFY(!presenceLessThan(unavailable, error));
    QVERIFY(!presenceLessThan(error, unavailable));
    QVERIFY(!presenceLessThan(dnd, unavailable));
}

void TestXmppValues::presenceCopiesAreDeep()
{
    xmpp::PresenceStanza stanza;
    stanza.from = parseJid("1001@localhost/r");
    stanza.tables = {"/lobby/1", "/lobby/2"};
    stanza.photoHash = QByteArray::fromHex("00ff");
    stanza.statuses.insert("UND", "here");
    XMPPPresence a(stanza);
    stanza.tables.clear();
    XMPPPresence b = a;
    a = makePresence(5, 0);
    QCOMPARE(b.from().toString(), QStringLiteral("1001@localhost/r"));
    QCOMPARE(b.tables().size(), 2);
    QVERIFY(b.hasPhotoHash());
    QCOMPARE(b.status(), QStringLiteral("here"));
    QCOMPARE(a.availability(), 1);
    QVERIFY(!a.hasPhotoHash());
    const QVariant variant = QVariant::fromValue(b);
    QCOMPARE(variant.value<XMPPPresence>().photoHash(), QByteArray::fromHex("00ff"));
}

void TestXmppValues::setAvailabilityInverse()
{
    for (int availability = 1; availability <= 6; ++availability) {
        xmpp::PresenceStanza stanza;
        setAvailability(availability, stanza);
        QCOMPARE(XMPPPresence(stanza).availability(), availability);
    }
    xmpp::PresenceStanza stanza;
    stanza.show = 3;
    setAvailability(7, stanza);
    QVERIFY(stanza.type.isEmpty());
    QCOMPARE(stanza.show, 3);
}

MAHJONG_TEST_MAIN(TestXmppValues)
#include "tst_xmppvalues.moc"
