#include "testmain.h"

#include "EjabberdTestServer.h"

#include "chat/xmpp/XMPPClient.h"

#include <QFile>
#include <QSignalSpy>

namespace {

const QString Password = QStringLiteral("secret");
const QString Directory = QStringLiteral("vjud.localhost");

} // namespace

// The user search against the directory of the real chat server.
class TestSearchEjabberd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void searchesTheDirectory();

private:
    QString m_dir;
    quint16 m_port = 0;
};

void TestSearchEjabberd::initTestCase()
{
    EjabberdTestServer server;
    m_dir = qEnvironmentVariable("XMPP_SERVER_DIR");
    QVERIFY2(server.load(m_dir), qPrintable("no test server in " + m_dir));
    m_port = server.port;
    QVERIFY(m_port != 0);

    QVERIFY(runEjabberdScript({"register", m_dir, "3201", Password}));
    QVERIFY(runEjabberdScript({"register", m_dir, "3202", Password}));
    // Only accounts with a stored vCard are in the directory.
    QVERIFY(runEjabberdScript({"ctl", m_dir, "set_vcard", "3202", "localhost", "FN", "Bobby Example"}));
    QVERIFY(runEjabberdScript({"ctl", m_dir, "set_vcard", "3202", "localhost", "NICKNAME", "bobby"}));
}

void TestSearchEjabberd::searchesTheDirectory()
{
    XMPPClient client;
    QSignalSpy connected(&client, &XMPPClient::connected);
    QSignalSpy forms(&client, &XMPPClient::requestSearchFormResult);
    QSignalSpy formErrors(&client, &XMPPClient::requestSearchFormError);
    QSignalSpy reports(&client, &XMPPClient::searchReport);
    QSignalSpy searchErrors(&client, &XMPPClient::searchError);
    client.login(QStringLiteral("3201"), Password);
    client.connectToHost(QStringLiteral("localhost"), m_port, XMPPClient::TlsRequired);
    QVERIFY(connected.wait(5000) || !connected.isEmpty());

    // Two callers at once: each tells its answer by its tag.
    client.requestSearchForm(Directory, QStringLiteral("first"));
    client.requestSearchForm(QStringLiteral("nowhere.invalid"), QStringLiteral("second"));
    QTRY_COMPARE_WITH_TIMEOUT(forms.size() + formErrors.size(), 2, 10000);
    QCOMPARE(forms.size(), 1);
    QCOMPARE(forms.at(0).at(1).toString(), QStringLiteral("first"));
    QCOMPARE(formErrors.at(0).at(0).toString(), QStringLiteral("second"));

    XMPPDataForm form = forms.at(0).at(0).value<XMPPDataForm>();
    QCOMPARE(form.kind(), XMPPDataForm::XData);
    QCOMPARE(form.title(), QStringLiteral("Search users in vjud.localhost"));
    QCOMPARE(form.fieldNames(), QStringList({"user", "fn", "first", "middle", "last", "nick", "bday", "ctry",
                                            "locality", "email", "orgname", "orgunit"}));
    QCOMPARE(form.fields().at(form.fieldIndex("first")).label, QStringLiteral("Name"));
    for (const XMPPDataForm::Field &field : form.fields())
        QCOMPARE(field.type, XMPPDataForm::TextSingle);

    // Matching ignores case.
    form.field(form.fieldIndex("nick")).value = QStringLiteral("BOBBY");
    client.search(Directory, form, QStringLiteral("first"));
    QVERIFY(reports.wait(10000) || !reports.isEmpty());
    QCOMPARE(searchErrors.size(), 0);
    QCOMPARE(reports.at(0).at(1).toString(), QStringLiteral("first"));
    const XMPPDataReport report = reports.at(0).at(0).value<XMPPDataReport>();
    QCOMPARE(report.columns().value(0), QStringLiteral("jid"));
    QCOMPARE(report.rows().size(), 1);
    QCOMPARE(report.rows().at(0).value("jid"), QStringLiteral("3202@localhost"));
    QCOMPARE(report.rows().at(0).value("fn"), QStringLiteral("Bobby Example"));
}

MAHJONG_TEST_MAIN(TestSearchEjabberd)
#include "tst_searchejabberd.moc"
