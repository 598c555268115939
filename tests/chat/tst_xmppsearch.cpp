#include "testmain.h"

#include "FakeChatServer.h"
#include "chat/xmpp/IqSearch.h"
#include "chat/xmpp/StreamParser.h"
#include "chat/xmpp/StreamWriter.h"
#include "chat/xmpp/XMPPClient.h"

#include <QBuffer>
#include <QSignalSpy>

using namespace xmpp;

namespace {

const QByteArray StreamHeader =
    "<?xml version='1.0'?><stream:stream xmlns='jabber:client' "
    "xmlns:stream='http://etherx.jabber.org/streams' from='localhost' id='1' version='1.0'>";

std::unique_ptr<IqSearch> parseSearch(const QByteArray &payload)
{
    StreamParser parser;
    parser.addData(StreamHeader + "<iq type='result' id='9' from='search.localhost'>" + payload + "</iq>");
    if (parser.parse() != StreamParser::ElementReady)
        return nullptr;
    std::unique_ptr<StreamElement> parsed = parser.takeLastElement();
    if (parsed->kind() != IqSearch::Kind)
        return nullptr;
    return std::unique_ptr<IqSearch>(static_cast<IqSearch *>(parsed.release()));
}

QByteArray written(const StreamElement &element)
{
    QBuffer device;
    device.open(QIODevice::ReadWrite);
    StreamWriter writer(XMPPJid(QStringLiteral("localhost"), QString(), QString()), QStringLiteral("en"));
    writer.open(&device);
    const qsizetype header = device.data().size();
    writer.write(element);
    return device.data().mid(header);
}

const XMPPDataForm::Field &fieldOf(const XMPPDataForm &form, const QString &var)
{
    return form.fields().at(form.fieldIndex(var));
}

} // namespace

// Data forms and user search: their wire form both ways, and the client's requests
// against the scripted server.
class TestXmppSearch : public QObject
{
    Q_OBJECT

private slots:
    void readsDataForms();
    void writesDataFormSubmits();
    void readsResultTables();
    void malformedRepliesAreUnusable();
    void plainSearchOnTheWire();
    void dataFormSearchOnTheWire();
};

void TestXmppSearch::readsDataForms()
{
    auto iq = parseSearch(
        "<query xmlns='jabber:iq:search'><instructions>legacy</instructions>"
        "<x xmlns='jabber:x:data' type='form'><title>Find</title><instructions>Fill in</instructions>"
        "<instructions>second</instructions>"
        "<field var='search'/>"
        "<field var='b1' type='boolean'><value>1</value></field>"
        "<field var='b2' type='boolean'><value>2</value></field>"
        "<field var='b3' type='boolean'><value>true</value></field>"
        "<field var='b4' type='boolean'><value>false</value></field>"
        "<field var='multi' type='text-multi'><value>a</value><value>b</value></field>"
        "<field var='single' type='text-single' label='One'><value>x</value><value>y</value><required/>"
        "<desc>help</desc></field>"
        "<field var='who' type='jid-single'><value>1002@localhost</value></field>"
        "<field var='pick' type='list-single'><option label='A'><value>a</value></option></field>"
        "<field var='dup' type='hidden'><value>first</value></field>"
        "<field var='dup' type='fixed'><value>second</value></field>"
        "</x></query>");
    QVERIFY(iq && iq->form());
    const XMPPDataForm &form = *iq->form();
    QCOMPARE(form.kind(), XMPPDataForm::XData);
    QCOMPARE(form.title(), QStringLiteral("Find"));
    QCOMPARE(form.instructions(), QStringLiteral("Fill in"));
    QCOMPARE(form.fieldNames(), QStringList({"search", "b1", "b2", "b3", "b4", "multi", "single", "who",
                                            "pick", "dup", "dup"}));
    // A field without type is a single line of text, so it can be filled in.
    QCOMPARE(fieldOf(form, "search").type, XMPPDataForm::TextSingle);
    QCOMPARE(std::get<bool>(fieldOf(form, "b1").value), true);
    QCOMPARE(std::get<bool>(fieldOf(form, "b2").value), true);
    QCOMPARE(std::get<bool>(fieldOf(form, "b3").value), true);
    QCOMPARE(std::get<bool>(fieldOf(form, "b4").value), false);
    QCOMPARE(std::get<QStringList>(fieldOf(form, "multi").value), QStringList({"a", "b"}));
    const XMPPDataForm::Field &single = fieldOf(form, "single");
    QCOMPARE(std::get<QString>(single.value), QStringLiteral("x"));
    QCOMPARE(single.label, QStringLiteral("One"));
    QVERIFY(single.required);
    QCOMPARE(single.desc, QStringLiteral("help"));
    QCOMPARE(std::get<XMPPJid>(fieldOf(form, "who").value).toString(), QStringLiteral("1002@localhost"));
    QCOMPARE(fieldOf(form, "pick").options.size(), 1);
    QCOMPARE(fieldOf(form, "pick").options.at(0).label, QStringLiteral("A"));
    // The last of two fields of one var is the one found.
    QCOMPARE(form.fieldIndex("dup"), 10);
    QCOMPARE(fieldOf(form, "dup").type, XMPPDataForm::Fixed);

    // A copy is independent of its source.
    XMPPDataForm copy = form;
    copy.field(0).value = QStringLiteral("changed");
    QCOMPARE(std::get<QString>(form.fields().at(0).value), QString());
}

void TestXmppSearch::writesDataFormSubmits()
{
    XMPPDataForm form;
    form.addField(XMPPDataForm::Field(XMPPDataForm::Boolean, "on", "On"));
    form.addField(XMPPDataForm::Field(XMPPDataForm::Boolean, "off", "Off"));
    form.field(0).value = true;
    form.addField(XMPPDataForm::Field(XMPPDataForm::Fixed, "note", QString()));
    form.field(2).value = QStringLiteral("never sent");
    form.addField(XMPPDataForm::Field(XMPPDataForm::Hidden, "FORM_TYPE", QString()));
    form.addField(XMPPDataForm::Field(XMPPDataForm::TextSingle, "email", QString()));
    form.addField(XMPPDataForm::Field(XMPPDataForm::TextSingle, "nick", QString()));
    form.field(5).value = QStringLiteral("Bob & <co>");
    form.addField(XMPPDataForm::Field(XMPPDataForm::JidMulti, "jids", QString()));
    form.addField(XMPPDataForm::Field(XMPPDataForm::TextMulti, "lines", QString()));
    form.addField(XMPPDataForm::Field(XMPPDataForm::JidSingle, "unset", QString()));
    // A value of the wrong kind is left out rather than thrown out of the writer.
    form.addField(XMPPDataForm::Field(XMPPDataForm::TextSingle, "wrong", QString()));
    form.field(9).value = true;

    QCOMPARE(written(IqSearch("5", parseJid("search.localhost"), form)),
             QByteArray("<iq to=\"search.localhost\" id=\"5\" type=\"set\"><query xmlns=\"jabber:iq:search\">"
                        "<x xmlns=\"jabber:x:data\" type=\"submit\">"
                        "<field var=\"on\" type=\"boolean\"><value>1</value></field>"
                        "<field var=\"off\" type=\"boolean\"><value>0</value></field>"
                        "<field var=\"FORM_TYPE\" type=\"hidden\"><value></value></field>"
                        "<field var=\"nick\" type=\"text-single\"><value>Bob &amp; &lt;co&gt;</value></field>"
                        "</x></query></iq>"));
    QCOMPARE(written(IqSearch("6", parseJid("search.localhost"))),
             QByteArray("<iq to=\"search.localhost\" id=\"6\" type=\"get\"><query xmlns=\"jabber:iq:search\"/></iq>"));
}

void TestXmppSearch::readsResultTables()
{
    // Without "reported", columns follow the first non-empty value of each var.
    auto iq = parseSearch(
        "<query xmlns='jabber:iq:search'><x xmlns='jabber:x:data' type='result'>"
        "<item><field var='nick'><value></value></field><field var='jid'><value>1002@localhost</value></field></item>"
        "<item><field var='nick'><value>bob</value><value>ignored</value></field><field var='fn'/></item>"
        "</x></query>");
    QVERIFY(iq && iq->report());
    QCOMPARE(iq->report()->columns(), QStringList({"jid", "nick"}));
    QVERIFY(iq->report()->labels().isEmpty());
    QCOMPARE(iq->report()->rows().size(), 2);
    QCOMPARE(iq->report()->rows().at(0).value("nick", "absent"), QString());
    QCOMPARE(iq->report()->rows().at(1).value("nick"), QStringLiteral("bob"));
    QVERIFY(!iq->report()->rows().at(1).contains("fn"));

    iq = parseSearch("<query xmlns='jabber:iq:search'><x xmlns='jabber:x:data' type='result'>"
                     "<reported><field var='jid' label='JID'/><field var='Name' label='Name'/></reported>"
                     "<item><field var='extra'><value>e</value></field></item></x></query>");
    QVERIFY(iq && iq->report() && iq->form());
    QCOMPARE(iq->report()->columns(), QStringList({"jid", "Name", "extra"}));
    QCOMPARE(iq->report()->labels().value("jid"), QStringLiteral("JID"));

    // The plain fields of a service without data forms.
    iq = parseSearch("<query xmlns='jabber:iq:search'><instructions>Say who</instructions>"
                     "<first/><email>ignored</email><unknown/></query>");
    QVERIFY(iq && iq->form() && !iq->report());
    QCOMPARE(iq->form()->kind(), XMPPDataForm::PlainSearch);
    QCOMPARE(iq->form()->instructions(), QStringLiteral("Say who"));
    QCOMPARE(iq->form()->fieldNames(), QStringList({"first", "email"}));
    QCOMPARE(fieldOf(*iq->form(), "email").label, QStringLiteral("Email address"));
    QCOMPARE(fieldOf(*iq->form(), "first").type, XMPPDataForm::TextSingle);

    iq = parseSearch("<query xmlns='jabber:iq:search'>"
                     "<item jid='1002@localhost'><first></first><nick>bob</nick></item>"
                     "<item jid='1003@localhost'><first>Carol</first></item></query>");
    QVERIFY(iq && iq->report());
    QCOMPARE(iq->report()->columns(), QStringList({"jid", "nick", "first"}));
    QCOMPARE(iq->report()->labels().value("nick"), QStringLiteral("Nickname"));
    QVERIFY(iq->report()->rows().at(0).contains("first"));
    QCOMPARE(iq->report()->rows().at(1).value("jid"), QStringLiteral("1003@localhost"));
}

void TestXmppSearch::malformedRepliesAreUnusable()
{
    const QByteArray cases[] = {
        "<x xmlns='jabber:x:data' type='form'><field var='l' type='list-multi'><option><value>v</value></option></field></x>",
        "<x xmlns='jabber:x:data' type='form'><field var='l' type='list-single'><option label='L'/></field></x>",
        "<x xmlns='jabber:x:data' type='result'><reported><field label='x'/></reported></x>",
        "<x xmlns='jabber:x:data' type='result'><item><field><value>v</value></field></item></x>",
        "<x xmlns='jabber:x:data' type='cancel'/>",
        "<x xmlns='jabber:x:data'/>",
        "<item><nick>no jid</nick></item>",
    };
    for (const QByteArray &payload : cases) {
        auto iq = parseSearch("<query xmlns='jabber:iq:search'>" + payload + "</query>");
        QVERIFY2(iq && iq->isMalformed() && !iq->form() && !iq->report(), payload.constData());
    }
}

void TestXmppSearch::plainSearchOnTheWire()
{
    FakeChatServer server;
    XMPPClient client;
    QSignalSpy forms(&client, &XMPPClient::requestSearchFormResult);
    QSignalSpy formErrors(&client, &XMPPClient::requestSearchFormError);
    QSignalSpy reports(&client, &XMPPClient::searchReport);
    QSignalSpy searchErrors(&client, &XMPPClient::searchError);

    // Before the connection the answer is an error, not an exception or silence.
    client.requestSearchForm("search.localhost", "early");
    QTRY_COMPARE(formErrors.size(), 1);
    QCOMPARE(formErrors.at(0).at(0).toString(), QStringLiteral("early"));
    QVERIFY(server.acceptSession(client));

    client.requestSearchForm("search.localhost", "tag");
    QVERIFY(server.waitFor("<iq to=\"search.localhost\" id=\"2\" type=\"get\"><query xmlns=\"jabber:iq:search\"/></iq>"));
    server.send("<iq type='result' id='2' from='search.localhost'><query xmlns='jabber:iq:search'>"
                "<instructions>Fill in</instructions><first/><email/></query></iq>");
    QTRY_COMPARE(forms.size(), 1);
    QCOMPARE(forms.at(0).at(1).toString(), QStringLiteral("tag"));
    XMPPDataForm form = forms.at(0).at(0).value<XMPPDataForm>();
    form.field(form.fieldIndex("first")).value = QStringLiteral("Bob");

    client.search("search.localhost", form, "tag");
    QVERIFY(server.waitFor("<iq to=\"search.localhost\" id=\"3\" type=\"set\"><query xmlns=\"jabber:iq:search\">"
                           "<first>Bob</first></query></iq>"));
    server.send("<iq type='result' id='3' from='search.localhost'><query xmlns='jabber:iq:search'>"
                "<item jid='1002@localhost'><first></first><nick>bob</nick></item></query></iq>");
    QTRY_COMPARE(reports.size(), 1);
    const XMPPDataReport report = reports.at(0).at(0).value<XMPPDataReport>();
    QCOMPARE(report.columns(), QStringList({"jid", "nick"}));

    // An unreadable reply and a cancelled form reach the caller as errors; nothing
    // goes back to the service.
    client.search("search.localhost", form, "tag");
    QVERIFY(server.waitFor("id=\"4\" type=\"set\""));
    server.send("<iq type='result' id='4' from='search.localhost'><query xmlns='jabber:iq:search'>"
                "<item><nick>no jid</nick></item></query></iq>");
    QTRY_COMPARE(searchErrors.size(), 1);
    client.requestSearchForm("search.localhost", "other");
    QVERIFY(server.waitFor("id=\"5\" type=\"get\""));
    server.send("<iq type='result' id='5' from='search.localhost'><query xmlns='jabber:iq:search'>"
                "<x xmlns='jabber:x:data' type='cancel'/></query></iq>");
    QTRY_COMPARE(formErrors.size(), 2);
    QCOMPARE(formErrors.at(1).at(0).toString(), QStringLiteral("other"));
    QVERIFY(!server.unseen().contains("error"));

    // An empty result query is an empty table, not an error.
    client.search("search.localhost", form, "tag");
    QVERIFY(server.waitFor("id=\"6\" type=\"set\""));
    server.send("<iq type='result' id='6' from='search.localhost'><query xmlns='jabber:iq:search'/></iq>");
    QTRY_COMPARE(reports.size(), 2);
    QVERIFY(reports.at(1).at(0).value<XMPPDataReport>().columns().isEmpty());
    QVERIFY(reports.at(1).at(0).value<XMPPDataReport>().rows().isEmpty());
    QCOMPARE(searchErrors.size(), 1);
    QCOMPARE(client.state(), int(XMPPClient::ConnectedState));
}

void TestXmppSearch::dataFormSearchOnTheWire()
{
    FakeChatServer server;
    XMPPClient client;
    QSignalSpy forms(&client, &XMPPClient::requestSearchFormResult);
    QSignalSpy searchErrors(&client, &XMPPClient::searchError);
    QVERIFY(server.acceptSession(client));

    client.requestSearchForm("search.localhost", "tag");
    QVERIFY(server.waitFor("id=\"2\" type=\"get\""));
    server.send("<iq type='result' id='2' from='search.localhost'><query xmlns='jabber:iq:search'>"
                "<x xmlns='jabber:x:data' type='form'><field var='FORM_TYPE' type='hidden'>"
                "<value>jabber:iq:search</value></field><field var='search' type='text-single'/></x></query></iq>");
    QTRY_COMPARE(forms.size(), 1);
    XMPPDataForm form = forms.at(0).at(0).value<XMPPDataForm>();
    form.field(form.fieldIndex("search")).value = QStringLiteral("ab");
    client.search("search.localhost", form, "tag");
    QVERIFY(server.waitFor("<query xmlns=\"jabber:iq:search\"><x xmlns=\"jabber:x:data\" type=\"submit\">"
                           "<field var=\"FORM_TYPE\" type=\"hidden\"><value>jabber:iq:search</value></field>"
                           "<field var=\"search\" type=\"text-single\"><value>ab</value></field></x></query>"));
    // The connection lost before the answer: the caller hears of it.
    server.drop();
    QTRY_COMPARE(searchErrors.size(), 1);
}

MAHJONG_TEST_MAIN(TestXmppSearch)
#include "tst_xmppsearch.moc"
