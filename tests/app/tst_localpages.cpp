// The local web pages of the skins, run in QtWebEngine against a "client" object with
// the interface of the client's JavaScript bridge: the pages wait for the channel, then
// their buttons call the client's slots.
#include "testmain.h"

#include <QSignalSpy>
#include <QWebChannel>
#include <QWebEnginePage>
#include <QWebEngineProfile>

namespace {

// Stands in for the bridge object: same slots, signal and properties.
class FakeClient : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isDebug READ isDebug CONSTANT)
    Q_PROPERTY(QString mahjongHost READ mahjongHost CONSTANT)

public:
    bool isDebug() const { return false; }
    QString mahjongHost() const { return QStringLiteral("games.example.test"); }

    QStringList calls;

public slots:
    void displayTab(const QString &keyword) { calls << QStringLiteral("displayTab ") + keyword; }
    void joinTable(const QString &filter) { calls << QStringLiteral("joinTable ") + filter; }
    void launchBrowser(const QString &url) { calls << QStringLiteral("launchBrowser ") + url; }
    void displayTournament(qint32 id) { calls << QStringLiteral("displayTournament %1").arg(id); }
    void close() { calls << QStringLiteral("close"); }

signals:
    void closeEvent();
};

QVariant evaluate(QWebEnginePage &page, const QString &script)
{
    QVariant result;
    bool done = false;
    page.runJavaScript(script, [&](const QVariant &value) {
        result = value;
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done; }, 10000))
        return QVariant();
    return result;
}

// Puts the client on the page's channel and loads the page; true once it loaded well.
bool loadWithClient(QWebEnginePage &page, QWebChannel &channel, FakeClient &client, const QString &url)
{
    channel.registerObject(QStringLiteral("client"), &client);
    page.setWebChannel(&channel);
    QSignalSpy loaded(&page, &QWebEnginePage::loadFinished);
    page.load(QUrl(url));
    return loaded.wait(20000) && loaded.first().first().toBool();
}

} // namespace

class TestLocalPages : public QObject
{
    Q_OBJECT

private slots:
    void buttonsCallTheClient_data();
    void buttonsCallTheClient();
    void supportPageShowsHostAndCloses();
};

void TestLocalPages::buttonsCallTheClient_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("selector");
    QTest::addColumn<QString>("call");
    QTest::newRow("welcome join") << "qrc:/default/www/en/welcome.html"
                                  << "[data-join]" << "joinTable ruleset=riichi";
    QTest::newRow("welcome tab") << "qrc:/corvana/www/ja/welcome.html"
                                 << "[data-tab=tournament]" << "displayTab tournament";
    QTest::newRow("howto rules") << "qrc:/default/www/zh_TW/howto.html"
                                 << "[data-open]" << "launchBrowser client://rules/riichi";
}

void TestLocalPages::buttonsCallTheClient()
{
    QFETCH(QString, url);
    QFETCH(QString, selector);
    QFETCH(QString, call);

    QWebEnginePage page(new QWebEngineProfile(this));
    FakeClient client;
    QWebChannel channel;
    QVERIFY(loadWithClient(page, channel, client, url));

    // The buttons come alive once the client object has arrived.
    QVERIFY(QTest::qWaitFor([&] {
        return evaluate(page, QStringLiteral("document.querySelector('button').disabled"))
                == QVariant(false);
    }, 10000));
    evaluate(page, QStringLiteral("document.querySelector('%1').click()").arg(selector));
    QVERIFY(QTest::qWaitFor([&] { return !client.calls.isEmpty(); }, 5000));
    QCOMPARE(client.calls, QStringList{call});
}

void TestLocalPages::supportPageShowsHostAndCloses()
{
    QWebEnginePage page(new QWebEngineProfile(this));
    FakeClient client;
    QWebChannel channel;
    QVERIFY(loadWithClient(page, channel, client, QStringLiteral("qrc:/default/www/zh_CN/support.html")));

    QVERIFY(QTest::qWaitFor([&] {
        return evaluate(page, QStringLiteral("document.querySelector('[data-host]').textContent"))
                == QVariant(client.mahjongHost());
    }, 10000));
    evaluate(page, QStringLiteral("document.querySelector('[data-close]').click()"));
    QVERIFY(QTest::qWaitFor([&] { return !client.calls.isEmpty(); }, 5000));
    QCOMPARE(client.calls, QStringList{QStringLiteral("close")});
}

MAHJONG_TEST_MAIN(TestLocalPages)
#include "tst_localpages.moc"
