// Web pages in the client, run in QtWebEngine offscreen: the "localwww" scheme, the
// page panes with their "client" object, and the browser dialog.
#include "postedevents.h"
#include "screenshot.h"
#include "timedtries.h"
#include "webviews.h"

#include "app/startup/ResourceSearchPaths.h"
#include "app/startup/TranslationsManager.h"
#include "app/loopbackhttpserver.h"
#include "protocol/TestServer.h"
#include "ui/web/EmbeddedBrowser.h"
#include "ui/web/EmbeddedWebPage.h"
#include "ui/web/EmbeddedWebView.h"
#include "ui/web/JavascriptInterface.h"
#include "ui/web/LocalPageSchemeHandler.h"
#include "ui/ModelessMsgBox.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

constexpr int pageTimeout = 20000;

QStringList warnings;
QtMessageHandler previousHandler = nullptr;

void recordWarnings(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtWarningMsg)
        warnings << text;
    previousHandler(type, context, text);
}

int warningCount(const QString &start)
{
    int count = 0;
    for (const QString &text : warnings)
        count += text.startsWith(start) ? 1 : 0;
    return count;
}

QVariant evaluate(QWebEnginePage *page, const QString &script)
{
    QVariant result;
    bool done = false;
    page->runJavaScript(script, [&](const QVariant &value) {
        result = value;
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done; }, 10000))
        return QVariant();
    return result;
}

// The local pages enable their buttons once "client" has arrived.
bool waitForClient(QWebEnginePage *page)
{
    return QTest::qWaitFor([&] {
        return evaluate(page, QStringLiteral("!!document.querySelector('button') && "
                                             "!document.querySelector('button').disabled")) == QVariant(true);
    }, pageTimeout);
}

void click(QWebEnginePage *page, const QString &selector)
{
    evaluate(page, QStringLiteral("document.querySelector('%1').click()").arg(selector));
}

// Loads the URL and gives the page's text, or "failed".
QString loadedText(QWebEnginePage *page, const QString &url)
{
    QSignalSpy loaded(page, &QWebEnginePage::loadFinished);
    page->load(QUrl(url));
    if (!loaded.wait(pageTimeout))
        return QStringLiteral("timeout");
    if (!loaded.first().first().toBool())
        return QStringLiteral("failed");
    return evaluate(page, QStringLiteral("document.body.innerText.trim()")).toString();
}

// A page that is not the client's own, calls every slot of "client" and shows the game
// host it reads.
const QByteArray foreignPage = R"(<!DOCTYPE html>
<html><head><title>Foreign</title><script src="/qwebchannel.js"></script></head><body><script>
new QWebChannel(qt.webChannelTransport, function (channel) {
    var client = channel.objects.client;
    client.displayTab("lobby");
    client.joinTable("ruleset=riichi");
    client.launchBrowser("http://elsewhere.test/");
    client.displayTournament(3);
    client.close();
    document.title = "called [" + client.mahjongHost + "]";
});
</script></body></html>)";

// Which face draws the page's Chinese characters, told by characters that each of the
// three draws its own way; empty for another.
const QString hanFaceScript = QStringLiteral(R"((function () {
    function drawn(family) {
        var canvas = document.createElement("canvas");
        canvas.width = 120;
        canvas.height = 50;
        var context = canvas.getContext("2d");
        context.font = "30px " + family;
        context.fillText("骨次。", 5, 40);
        return canvas.toDataURL();
    }
    var shown = drawn(getComputedStyle(document.body).fontFamily);
    return ["Noto Sans CJK SC", "Noto Sans CJK TC", "Noto Sans CJK JP"].find(function (face) {
        return drawn('"' + face + '"') === shown;
    }) || "";
})())");

QUrl refusedUrl()
{
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost);
    return QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(closed.serverPort()));
}

} // namespace

class TestWebPages : public QObject
{
    Q_OBJECT

private:
    LoopbackHttpServer m_http;

    QString httpUrl(const QString &path) const { return QStringLiteral("http://%1%2").arg(m_http.address(), path); }

private slots:
    void initTestCase()
    {
        setupResourceSearchPaths({}, QStringLiteral("default"));
        previousHandler = qInstallMessageHandler(recordWarnings);
        QFile channelScript(QStringLiteral(":/qtwebchannel/qwebchannel.js"));
        QVERIFY(channelScript.open(QIODevice::ReadOnly));
        m_http.serve(QStringLiteral("/qwebchannel.js"), channelScript.readAll(), 200, "application/javascript");
        m_http.serve(QStringLiteral("/foreign.html"), foreignPage, 200, "text/html");
        m_http.serve(QStringLiteral("/titled.html"),
                     "<!DOCTYPE html><html><head><title>Account</title></head><body>Balance</body></html>", 200,
                     "text/html");
    }

    void schemeServesLocalPagesOnly()
    {
        QTemporaryDir skin;
        const auto write = [&](const QString &name, const QByteArray &text) {
            QDir().mkpath(QFileInfo(skin.filePath(name)).path());
            QFile file(skin.filePath(name));
            return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
        };
        QVERIFY(write("www/ja/page.html", "<p>ja page</p>"));
        QVERIFY(write("www/en/page.html", "<p>en page</p>"));
        QVERIFY(write("www/en/only-en.html", "<p>en only</p>"));
        QVERIFY(write("www/secret.txt", "secret"));
        QVERIFY(write("secret.txt", "secret"));
        setupResourceSearchPaths({skin.path()}, QStringLiteral("default"));
        setLanguageSearchPaths(QStringLiteral("ja"));

        QWebEngineProfile *profile = QWebEngineProfile::defaultProfile();
        LocalPageSchemeHandler::installOn(profile);
        QWebEnginePage page(profile);
        QCOMPARE(loadedText(&page, "localwww:/page.html"), QStringLiteral("ja page"));
        QCOMPARE(loadedText(&page, "localwww:/only-en.html"), QStringLiteral("en only"));
        QCOMPARE(loadedText(&page, "localwww:/howto.html").isEmpty(), false);
        QCOMPARE(evaluate(&page, "document.documentElement.lang").toString(), QStringLiteral("ja"));
        // Chinese pages draw Chinese characters as their language writes them.
        for (const auto &[language, face] :
             {std::pair("zh_CN", "Noto Sans CJK SC"), std::pair("zh_TW", "Noto Sans CJK TC")}) {
            setLanguageSearchPaths(QLatin1String(language));
            QCOMPARE(loadedText(&page, "localwww:/howto.html").isEmpty(), false);
            QCOMPARE(evaluate(&page, hanFaceScript).toString(), QLatin1String(face));
        }
        QVERIFY(loadedText(&page, "localwww:/common/client.js").contains("whenClientReady"));
        for (const char *refused : {"localwww:/../secret.txt", "localwww:/%2e%2e/secret.txt",
                                    "localwww:/common/../../secret.txt", "localwww:/common/%2E%2E/%2e%2e/secret.txt",
                                    "localwww:/nothing.html"})
            QCOMPARE(loadedText(&page, refused), QStringLiteral("failed"));

        setupResourceSearchPaths({}, QStringLiteral("default"));
    }

    void paneServesTheClientObject()
    {
        QWidget window;
        window.resize(640, 540);
        auto *layout = new QVBoxLayout(&window);
        auto *pane = new EmbeddedWebPage(&window);
        layout->addWidget(pane);
        pane->titleLabel()->setPixmap(QPixmap(QStringLiteral("textimages:welcome.png")));
        pane->subTitleLabel()->setText(QStringLiteral("Good luck at the tables"));
        pane->setMahjongHost(QStringLiteral("games.example.test"));
        QSignalSpy tabs(pane, &EmbeddedWebPage::displayTab);
        QSignalSpy joins(pane, &EmbeddedWebPage::joinTable);
        QSignalSpy links(pane, &EmbeddedWebPage::launchBrowser);
        QSignalSpy tournaments(pane, &EmbeddedWebPage::displayTournament);
        QVERIFY(!pane->webView());
        pane->setUrl(QUrl(QStringLiteral("localwww:/welcome.html")));
        window.show();
        QWebEnginePage *page = pane->webView()->page();
        QVERIFY(waitForClient(page));

        click(page, "[data-tab=tournament]");
        click(page, "[data-join]");
        click(page, "[data-open]");
        evaluate(page, "whenClientReady(function (c) { c.close(); c.displayTournament(17);"
                       " document.title = c.mahjongHost + ' ' + c.isDebug; })");
        QTRY_COMPARE_WITH_TIMEOUT(tournaments.size(), 1, pageTimeout);
        QCOMPARE(tournaments.first().first().toInt(), 17);
        QCOMPARE(tabs.first().first().toString(), QStringLiteral("tournament"));
        QCOMPARE(joins.first().first().toString(), QStringLiteral("ruleset=riichi"));
        QCOMPARE(links.first().first().toString(), QStringLiteral("client://support"));
        QTRY_COMPARE(pane->webView()->title(), QStringLiteral("games.example.test false"));
        QVERIFY(pane->isVisible());

        // Unknown tab keywords and over-long filters go nowhere.
        evaluate(page, "whenClientReady(function (c) { c.displayTab('Lobby'); c.joinTable('x'.repeat(257));"
                       " c.joinTable('y'.repeat(256)); })");
        QTRY_COMPARE(joins.size(), 2);
        QCOMPARE(joins.last().first().toString(), QString(256, QLatin1Char('y')));
        QCOMPARE(tabs.size(), 1);
        QVERIFY2(WebViews::pagesNotShown({&window}).isEmpty(), qPrintable(WebViews::pagesNotShown({&window}).join(u' ')));
        QVERIFY(PostedEvents::settleWidgets());
        QVERIFY(saveScreenshot(&window, QStringLiteral("webpage-pane")));

        // A new document has the object again.
        QSignalSpy loaded(pane->webView(), &QWebEngineView::loadFinished);
        evaluate(page, "location.href = 'howto.html'");
        QVERIFY(loaded.wait(pageTimeout));
        QCOMPARE(pane->webView()->url(), QUrl("localwww:/howto.html"));
        QVERIFY(waitForClient(page));
        click(page, "[data-open]");
        QTRY_COMPARE(links.size(), 2);
        QCOMPARE(links.last().first().toString(), QStringLiteral("client://rules/riichi"));
    }

    void foreignPagesAreRefused()
    {
        EmbeddedWebPage pane(nullptr);
        pane.setWebHost(QStringLiteral("localhost"));
        pane.setMahjongHost(QStringLiteral("games.example.test"));
        QSignalSpy tabs(&pane, &EmbeddedWebPage::displayTab);
        QSignalSpy joins(&pane, &EmbeddedWebPage::joinTable);
        QSignalSpy links(&pane, &EmbeddedWebPage::launchBrowser);
        QSignalSpy tournaments(&pane, &EmbeddedWebPage::displayTournament);
        warnings.clear();
        pane.setUrl(QUrl(httpUrl("/foreign.html")));
        QTRY_COMPARE_WITH_TIMEOUT(pane.webView()->title(), QStringLiteral("called []"), pageTimeout);
        QTRY_COMPARE(warningCount("Refused client."), 1);
        QTest::qWait(300);
        QCOMPARE(warningCount("Refused client."), 1);
        QCOMPARE(tabs.size() + joins.size() + links.size() + tournaments.size(), 0);

        // The same page served by the web host may call.
        pane.setWebHost(QStringLiteral("127.0.0.1"));
        pane.setUrl(QUrl(httpUrl("/foreign.html")));
        QTRY_COMPARE_WITH_TIMEOUT(tournaments.size(), 1, pageTimeout);
        QCOMPARE(tabs.size(), 1);
        QCOMPARE(joins.size(), 1);
        QCOMPARE(links.size(), 1);
        QTRY_COMPARE(pane.webView()->title(), QStringLiteral("called [games.example.test]"));
        QCOMPARE(warningCount("Refused client."), 1);
    }

    void failedLoadsFallBackOnce()
    {
        const QUrl refused = refusedUrl();

        EmbeddedWebPage welcome(nullptr);
        welcome.setFallbackUrl(QUrl(QStringLiteral("localwww:/welcome.html")));
        welcome.setUrl(refused);
        QTRY_COMPARE_WITH_TIMEOUT(welcome.webView()->url(), QUrl("localwww:/welcome.html"), pageTimeout);
        QVERIFY(waitForClient(welcome.webView()->page()));

        EmbeddedWebPage broken(nullptr);
        broken.setFallbackUrl(QUrl(QStringLiteral("localwww:/missing.html")));
        EmbeddedWebPage advertisement(nullptr);
        broken.setUrl(refused);
        advertisement.setUrl(refused);
        QSignalSpy brokenLoads(broken.webView(), &QWebEngineView::loadFinished);
        QSignalSpy adLoads(advertisement.webView(), &QWebEngineView::loadFinished);
        QTRY_COMPARE_WITH_TIMEOUT(brokenLoads.size(), 2, pageTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(adLoads.size(), 1, pageTimeout);
        QTest::qWait(1000);
        QCOMPARE(brokenLoads.size(), 2);
        QCOMPARE(broken.webView()->url(), QUrl("localwww:/missing.html"));
        QCOMPARE(adLoads.size(), 1);
        QCOMPARE(advertisement.webView()->url(), refused);
    }

    void browserPlacesNewWindows()
    {
        QWidget owner;
        owner.resize(1024, 768);
        auto *opener = new EmbeddedBrowser(&owner);
        opener->move(10, 10);
        (new EmbeddedBrowser(&owner))->move(100, 50);
        (new EmbeddedBrowser(&owner))->move(40, 200);
        owner.show();
        opener->load(QUrl(QStringLiteral("localwww:/welcome.html")));
        QVERIFY(waitForClient(opener->webView()->page()));

        evaluate(opener->webView()->page(), "window.open('localwww:/howto.html'); true");
        QTRY_COMPARE_WITH_TIMEOUT(owner.findChildren<EmbeddedBrowser *>().size(), 4, pageTimeout);
        QPointer<EmbeddedBrowser> opened = owner.findChildren<EmbeddedBrowser *>().last();
        QCOMPARE(opened->parentWidget(), &owner);
        QCOMPARE(opened->pos(), QPoint(124, 224));
        QTRY_COMPARE_WITH_TIMEOUT(opened->webView()->url(), QUrl("localwww:/howto.html"), pageTimeout);
        QVERIFY(waitForClient(opened->webView()->page()));
        evaluate(opened->webView()->page(), "window.close()");
        QTRY_VERIFY_WITH_TIMEOUT(!opened, pageTimeout);

        owner.resize(150, 768);
        QCOMPARE(EmbeddedWebView::newWindowPosition(&owner), QPoint(0, 0));
    }

    void browserShowsTitleProgressAndSecurity()
    {
        QWidget owner;
        owner.resize(1024, 768);
        auto *browser = new EmbeddedBrowser(&owner);
        auto *icon = browser->findChild<QLabel *>("encryptedIcon");
        auto *progress = browser->findChild<QProgressBar *>("progressBar");
        owner.show();
        browser->showAndRaise(true);

        browser->load(QUrl(httpUrl("/titled.html")));
        QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), QStringLiteral("Account"), pageTimeout);
        QTRY_VERIFY(progress->isHidden());
        QCOMPARE(progress->value(), 100);
        QCOMPARE(icon->toolTip(), QStringLiteral("Insecure connection"));
        QVERIFY2(WebViews::pagesNotShown({&owner}).isEmpty(), qPrintable(WebViews::pagesNotShown({&owner}).join(u' ')));
        QVERIFY(PostedEvents::settleWidgets());
        QVERIFY(saveScreenshot(&owner, QStringLiteral("webpage-browser")));

        // Every browser dialog keeps the cookies of the others; page panes do not.
        evaluate(browser->webView()->page(), "document.cookie = 'session=1'");
        EmbeddedBrowser second(&owner);
        second.load(QUrl(httpUrl("/titled.html")));
        QTRY_COMPARE_WITH_TIMEOUT(second.windowTitle(), QStringLiteral("Account"), pageTimeout);
        QCOMPARE(evaluate(second.webView()->page(), "document.cookie").toString(), QStringLiteral("session=1"));
        EmbeddedWebPage pane(nullptr);
        pane.setUrl(QUrl(httpUrl("/titled.html")));
        QTRY_COMPARE_WITH_TIMEOUT(pane.webView()->title(), QStringLiteral("Account"), pageTimeout);
        QCOMPARE(evaluate(pane.webView()->page(), "document.cookie").toString(), QString());

        // A new language reaches the texts and the pages' language preference.
        TranslationsManager translations;
        translations.setLanguage(QStringLiteral("ja"));
        QTRY_COMPARE(icon->toolTip(), QStringLiteral(u"安全でない接続"));
        QCOMPARE(EmbeddedWebView::sharedProfile()->httpAcceptLanguage(), QStringLiteral("ja"));
        translations.setLanguage(QStringLiteral("en"));
        QTRY_COMPARE(icon->toolTip(), QStringLiteral("Insecure connection"));

        // The test game server's certificate comes from a CA the browser does not know.
        TestServer server;
        QVERIFY(server.start(TestServer::scenario("web-pages.json"), true));
        warnings.clear();
        browser->load(QUrl(QStringLiteral("https://127.0.0.1:%1/account.html").arg(server.httpPort())));
        QTRY_COMPARE_WITH_TIMEOUT(warningCount("Https error: "), 1, pageTimeout);
        QTRY_COMPARE(icon->toolTip(), QStringLiteral("Secure connection"));
    }

    // A page that lets its ground show through is composed above every widget of its
    // window, boxes too. The page is laid on the colour of the widgets beneath it instead,
    // so it looks the same and a box over it covers it.
    void boxesOverAPageStayAboveIt()
    {
        QWidget window;
        window.setObjectName(QStringLiteral("ground"));
        window.setStyleSheet(QStringLiteral("#ground { background-color: rgb(16, 30, 48); }"
                                            " EmbeddedWebPage { background-color: rgba(0, 0, 0, 40); }"));
        window.resize(760, 540);
        auto *layout = new QVBoxLayout(&window);
        auto *pane = new EmbeddedWebPage(&window);
        layout->addWidget(pane);
        pane->setUrl(QUrl(QStringLiteral("localwww:/welcome.html")));
        window.show();
        QVERIFY(waitForClient(pane->webView()->page()));

        const QColor ground = pane->webView()->page()->backgroundColor();
        QCOMPARE(ground.alpha(), 255);
        QVERIFY(std::abs(ground.red() - 13) <= 1 && std::abs(ground.green() - 25) <= 1
                && std::abs(ground.blue() - 40) <= 1);
        const auto layers = pane->webView()->findChildren<QWidget *>();
        QVERIFY(std::none_of(layers.begin(), layers.end(),
                             [](const QWidget *w) { return w->testAttribute(Qt::WA_AlwaysStackOnTop); }));

        ModelessMsgBox::MsgBox *box = ModelessMsgBox::question(&window, QStringLiteral("Quit"),
                                                               QStringLiteral("Are you sure you want to quit?"));
        QVERIFY(box->isVisible());
        QVERIFY2(WebViews::pagesNotShown({&window}).isEmpty(), qPrintable(WebViews::pagesNotShown({&window}).join(u' ')));
        QVERIFY(PostedEvents::settleWidgets());
        QVERIFY(saveScreenshot(&window, QStringLiteral("webpage-box")));
    }

    void closingFromThePage()
    {
        QWidget owner;
        owner.resize(1024, 768);
        QPointer<EmbeddedBrowser> browser = new EmbeddedBrowser(&owner);
        browser->setAttribute(Qt::WA_DeleteOnClose);
        QSignalSpy closing(browser->javascriptInterface(), &JavascriptInterface::closeEvent);
        owner.show();
        browser->showAndRaise(true);
        browser->load(QUrl(QStringLiteral("localwww:/support.html")));
        QVERIFY(waitForClient(browser->webView()->page()));
        click(browser->webView()->page(), "[data-close]");
        QTRY_VERIFY_WITH_TIMEOUT(!browser, pageTimeout);
        QCOMPARE(closing.size(), 1);
    }
};

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    registerWebSchemes();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestWebPages test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_webpages.moc"
