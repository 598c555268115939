#include "app/startup/CommandLine.h"
#include "app/startup/MahjongSplash.h"
#include "app/startup/NewVersionDialog.h"
#include "app/startup/ResourceSearchPaths.h"
#include "app/startup/ServerInfo.h"
#include "app/startup/Startup.h"
#include "app/startup/TranslationsManager.h"
#include "app/startup/UserPaths.h"
#include "app/startup/VersionChecker.h"
#include "app/version.h"
#include "loopbackhttpserver.h"
#include "testmain.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>

namespace {

const QString infoPath = QStringLiteral("/client/server_info.xml");
const QString versionsPath = QStringLiteral("/client/linux/client_versions.xml");
// A version after the running one.
QString newerVersion()
{
    QVector<int> numbers = QVersionNumber::fromString(clientVersionString()).segments();
    ++numbers.last();
    return QVersionNumber(numbers).toString();
}

QByteArray serverInfo(const QString &inner)
{
    return QStringLiteral("<?xml version=\"1.0\"?><serverinfo>%1</serverinfo>").arg(inner).toUtf8();
}

QByteArray clientVersions(const QString &server, const QStringList &versions)
{
    QString clients;
    for (const QString &version : versions)
        clients += QStringLiteral("<client version=\"%1\" url=\"http://%2/downloads/client-%1.tar.gz\"/>")
                       .arg(version, server);
    return QStringLiteral("<clientversions>%1</clientversions>").arg(clients).toUtf8();
}

template <typename T>
T *visibleWindow()
{
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget *widget : widgets) {
        if (auto *window = qobject_cast<T *>(widget); window && window->isVisible())
            return window;
    }
    return nullptr;
}

} // namespace

class TestStartupChecks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void serverInfoDocument_data();
    void serverInfoDocument();
    void versionCheckAddress();
    void clientVersionsDocument_data();
    void clientVersionsDocument();

    void downtimeEndsTheProgram();
    void equalVersionHandsOverWithTheDocumentsServer();
    void newerVersionRefusedEndsTheProgram();
    void newerVersionAcceptedIsDownloadedAndReported();
    void brokenDocumentsAreSkipped_data();
    void brokenDocumentsAreSkipped();
    void unreachableHostIsSkipped();

private:
    void startWith(const QString &serverInfoHost);
    QString versionCheckElement() const;

    std::unique_ptr<LoopbackHttpServer> m_server;
    std::unique_ptr<CommandLine> m_commandLine;
    std::unique_ptr<TranslationsManager> m_translations;
    std::unique_ptr<Startup> m_startup;
};

void TestStartupChecks::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Pellandor"));
    QCoreApplication::setApplicationName(QStringLiteral("Pellandor-test"));
    setupResourceSearchPaths({}, QStringLiteral("corvana"));
}

void TestStartupChecks::init()
{
    m_server = std::make_unique<LoopbackHttpServer>();
    QVERIFY(m_server->isListening());
    m_translations = std::make_unique<TranslationsManager>();
}

void TestStartupChecks::cleanup()
{
    m_startup.reset();
    m_translations.reset();
    m_commandLine.reset();
    m_server.reset();
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget *widget : widgets)
        widget->close();
}

void TestStartupChecks::startWith(const QString &serverInfoHost)
{
    m_commandLine = std::make_unique<CommandLine>(
        CommandLine::parse({QStringLiteral("client"), QStringLiteral("-n"), QStringLiteral("-S"),
                            serverInfoHost}));
    m_startup = std::make_unique<Startup>(*m_commandLine, *m_translations);
    m_startup->start();
}

QString TestStartupChecks::versionCheckElement() const
{
    return QStringLiteral("<versioncheck url=\"http://{host}/client/{sku}/client_versions.xml\"/>");
}

void TestStartupChecks::serverInfoDocument_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<bool>("downtime");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::newRow("empty document") << serverInfo({}) << true << false << "" << 0;
    QTest::newRow("downtime") << serverInfo("<downtime> Back at noon </downtime>") << true << true
                              << "" << 0;
    QTest::newRow("game server") << serverInfo("<gameserver host=\"g.example\" port=\"7000\"/>")
                                 << true << false << "g.example" << 7000;
    QTest::newRow("default port") << serverInfo("<gameserver host=\"g.example\"/>") << true << false
                                  << "g.example" << 443;
    QTest::newRow("bad port") << serverInfo("<gameserver host=\"g\" port=\"70000\"/>") << false
                              << false << "" << 0;
    QTest::newRow("no host") << serverInfo("<gameserver port=\"1\"/>") << false << false << "" << 0;
    QTest::newRow("unnamed parameter")
        << serverInfo("<versioncheck><param value=\"x\"/></versioncheck>") << false << false << ""
        << 0;
    QTest::newRow("other root") << QByteArray("<html/>") << false << false << "" << 0;
    QTest::newRow("not well formed") << QByteArray("<serverinfo><downtime>") << false << false << ""
                                     << 0;
    QTest::newRow("empty") << QByteArray() << false << false << "" << 0;
    QTest::newRow("nested deep") << serverInfo("<a>" + QString("<a>").repeated(30) + "</a>"
                                                + QString("</a>").repeated(30))
                                 << true << false << "" << 0;
    // Some hundred thousand levels within the size limit: refused, not a crash.
    QTest::newRow("nested too deep") << serverInfo(QString("<a>").repeated(140000)
                                                   + QString("</a>").repeated(140000))
                                     << false << false << "" << 0;
}

void TestStartupChecks::serverInfoDocument()
{
    QFETCH(QByteArray, document);
    QFETCH(bool, valid);
    QFETCH(bool, downtime);
    QFETCH(QString, host);
    QFETCH(int, port);
    QString error;
    const std::optional<ServerInfo> info = ServerInfo::parse(document, &error);
    QCOMPARE(info.has_value(), valid);
    QCOMPARE(error.isEmpty(), valid);
    if (!info)
        return;
    QCOMPARE(info->downtime, downtime);
    if (downtime)
        QCOMPARE(info->downtimeMessage, QStringLiteral("Back at noon"));
    QCOMPARE(info->gameHost, host);
    QCOMPARE(int(info->gamePort), port);
}

void TestStartupChecks::versionCheckAddress()
{
    QString error;
    const auto plain = ServerInfo::parse(serverInfo({}), &error);
    QVERIFY(plain);
    QCOMPARE(plain->versionCheckTarget(QStringLiteral("w.example")),
             QUrl(QStringLiteral("https://w.example/client/linux/client_versions.xml")));

    const auto custom = ServerInfo::parse(
        serverInfo("<versioncheck url=\"https://{host}/v/{sku}/{channel}/{unknown}.xml\">"
                   "<param name=\"sku\" value=\"debian\"/><param name=\"channel\" value=\"beta\"/>"
                   "</versioncheck>"),
        &error);
    QVERIFY(custom);
    QCOMPARE(custom->versionCheckTarget(QStringLiteral("w.example:81")),
             QUrl(QStringLiteral("https://w.example:81/v/debian/beta/{unknown}.xml")));
    // A parameter without a value empties its placeholder.
    const auto empty = ServerInfo::parse(
        serverInfo("<versioncheck url=\"https://{host}/v/{channel}client_versions.xml\">"
                   "<param name=\"channel\"/></versioncheck>"),
        &error);
    QVERIFY(empty);
    QCOMPARE(empty->versionCheckTarget(QStringLiteral("w.example")),
             QUrl(QStringLiteral("https://w.example/v/client_versions.xml")));
    QCOMPARE(ServerInfo::documentUrl(QStringLiteral("h:1"), false),
             QUrl(QStringLiteral("http://h:1/client/server_info.xml")));
}

void TestStartupChecks::clientVersionsDocument_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QString>("newest");
    QTest::addColumn<bool>("newer");
    QTest::newRow("newest of several") << clientVersions("h", {"3.2.4", "3.10.0", "3.9.9"})
                                       << "3.10.0" << true;
    QTest::newRow("equal") << clientVersions("h", {"3.2.4"}) << "3.2.4" << false;
    QTest::newRow("older") << clientVersions("h", {"3.2.3"}) << "3.2.3" << false;
    QTest::newRow("longer version") << clientVersions("h", {"3.2.4.1"}) << "3.2.4.1" << true;
    QTest::newRow("other elements skipped")
        << QByteArray("<clientversions><notes>x</notes><client version=\"4.0\" "
                      "url=\"https://h/c\"/></clientversions>")
        << "4.0" << true;
    QTest::newRow("no client") << QByteArray("<clientversions/>") << "" << false;
    QTest::newRow("bad version")
        << QByteArray("<clientversions><client version=\"new\" url=\"https://h/c\"/></clientversions>")
        << "" << false;
    QTest::newRow("version with suffix")
        << QByteArray("<clientversions><client version=\"4.0beta\" url=\"https://h/c\"/></clientversions>")
        << "" << false;
    QTest::newRow("file url")
        << QByteArray("<clientversions><client version=\"4.0\" url=\"file:///bin/sh\"/></clientversions>")
        << "" << false;
    QTest::newRow("unclosed") << QByteArray("<clientversions><client version=\"4.0\" url=\"https://h/c\"/>")
                              << "" << false;
    QTest::newRow("other root") << QByteArray("<versions/>") << "" << false;
}

void TestStartupChecks::clientVersionsDocument()
{
    QFETCH(QByteArray, document);
    QFETCH(QString, newest);
    QFETCH(bool, newer);
    QString error;
    const std::optional<ClientVersion> client = VersionChecker::newestClient(document, &error);
    QCOMPARE(client.has_value(), !newest.isEmpty());
    QCOMPARE(error.isEmpty(), !newest.isEmpty());
    if (client) {
        QCOMPARE(client->version.toString(), newest);
        QCOMPARE(VersionChecker::isNewer(*client, QStringLiteral("3.2.4")), newer);
    }
}

void TestStartupChecks::downtimeEndsTheProgram()
{
    m_server->serve(infoPath, serverInfo("<downtime>Back at noon</downtime>" + versionCheckElement()));
    startWith(m_server->address());
    QSignalSpy exit(m_startup.get(), &Startup::exitRequested);
    QSignalSpy finished(m_startup.get(), &Startup::finished);

    QTRY_VERIFY(visibleWindow<QMessageBox>());
    QMessageBox *box = visibleWindow<QMessageBox>();
    QCOMPARE(box->windowTitle(), QStringLiteral("Downtime"));
    QCOMPARE(box->text(), QStringLiteral("Back at noon"));
    QCOMPARE(box->textFormat(), Qt::PlainText);
    QVERIFY(exit.isEmpty());
    box->button(QMessageBox::Ok)->click();
    QTRY_COMPARE(exit.count(), 1);
    QCOMPARE(exit.at(0).at(0).toInt(), 0);
    QTest::qWait(Startup::minimumSplashTime);
    QVERIFY(finished.isEmpty());
    QCOMPARE(m_server->requests(), QStringList{infoPath});
}

void TestStartupChecks::equalVersionHandsOverWithTheDocumentsServer()
{
    m_server->serve(infoPath, serverInfo("<gameserver host=\"game.example\" port=\"7443\"/>"
                                         + versionCheckElement()));
    m_server->serve(versionsPath, clientVersions(m_server->address(), {clientVersionString()}));
    QElapsedTimer clock;
    clock.start();
    startWith(m_server->address());
    QSignalSpy finished(m_startup.get(), &Startup::finished);
    QVERIFY(m_startup->splash()->isVisible());

    QTRY_COMPARE(finished.count(), 1);
    QVERIFY(clock.elapsed() >= Startup::minimumSplashTime);
    QVERIFY(m_startup->isFinished());
    QCOMPARE(m_server->requests(), (QStringList{infoPath, versionsPath}));
    QCOMPARE(m_commandLine->host(), QStringLiteral("game.example"));
    QCOMPARE(m_commandLine->port(), quint16(7443));
    QVERIFY(!visibleWindow<NewVersionDialog>());

    // Until a main window takes over, closing the splash ends the program.
    QVERIFY(m_startup->splash()->isVisible());
    QVERIFY(m_startup->splash()->testAttribute(Qt::WA_QuitOnClose));
    QTest::mouseClick(m_startup->splash(), Qt::LeftButton);
    QVERIFY(!m_startup->splash()->isVisible());
}

void TestStartupChecks::newerVersionRefusedEndsTheProgram()
{
    m_server->serve(infoPath, serverInfo(versionCheckElement()));
    m_server->serve(versionsPath, clientVersions(m_server->address(), {newerVersion()}));
    startWith(m_server->address());
    QSignalSpy exit(m_startup.get(), &Startup::exitRequested);
    QSignalSpy finished(m_startup.get(), &Startup::finished);

    QTRY_VERIFY(visibleWindow<NewVersionDialog>());
    visibleWindow<NewVersionDialog>()->reject();
    QTRY_COMPARE(exit.count(), 1);
    QTest::qWait(Startup::minimumSplashTime);
    QVERIFY(finished.isEmpty());
}

void TestStartupChecks::newerVersionAcceptedIsDownloadedAndReported()
{
    const QByteArray package(300000, 'x');
    m_server->serve(infoPath, serverInfo(versionCheckElement()));
    m_server->serve(versionsPath, clientVersions(m_server->address(), {newerVersion()}));
    const QString downloadPath = QStringLiteral("/downloads/client-%1.tar.gz").arg(newerVersion());
    m_server->serve(downloadPath, package);
    const QString saved = QDir(UserPaths::temporaryDirectory())
                              .filePath(QStringLiteral("downloads/client-%1.tar.gz").arg(newerVersion()));
    QFile::remove(saved);
    startWith(m_server->address());
    QSignalSpy exit(m_startup.get(), &Startup::exitRequested);
    QSignalSpy finished(m_startup.get(), &Startup::finished);

    QTRY_VERIFY(visibleWindow<NewVersionDialog>());
    emit visibleWindow<NewVersionDialog>()->updateRequested();
    QTRY_VERIFY(visibleWindow<QMessageBox>());
    QMessageBox *box = visibleWindow<QMessageBox>();
    QVERIFY2(box->text().contains(QLatin1String("package manager")), qPrintable(box->text()));
    QVERIFY(box->text().contains(saved));
    QFile file(saved);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), package);

    box->button(QMessageBox::Ok)->click();
    QTRY_COMPARE(finished.count(), 1);
    QVERIFY(exit.isEmpty());
    QCOMPARE(m_server->requests(), (QStringList{infoPath, versionsPath, downloadPath}));
}

void TestStartupChecks::brokenDocumentsAreSkipped_data()
{
    QTest::addColumn<QByteArray>("info");
    QTest::addColumn<int>("infoStatus");
    QTest::addColumn<QByteArray>("versions");
    QTest::addColumn<int>("versionsStatus");
    QTest::addColumn<int>("requests");
    const QByteArray goodInfo = serverInfo(versionCheckElement());
    QTest::newRow("malformed server info") << QByteArray("<serverinfo>") << 200 << QByteArray() << 200 << 1;
    QTest::newRow("server info 404") << QByteArray() << 404 << QByteArray() << 200 << 1;
    QTest::newRow("server info 500") << QByteArray("oops") << 500 << QByteArray() << 200 << 1;
    QTest::newRow("huge server info") << QByteArray(2 * 1024 * 1024, ' ') << 200 << QByteArray() << 200 << 1;
    QTest::newRow("malformed client versions") << goodInfo << 200 << QByteArray("<clientversions><client")
                                               << 200 << 2;
    QTest::newRow("client versions 404") << goodInfo << 200 << QByteArray() << 404 << 2;
}

void TestStartupChecks::brokenDocumentsAreSkipped()
{
    QFETCH(QByteArray, info);
    QFETCH(int, infoStatus);
    QFETCH(QByteArray, versions);
    QFETCH(int, versionsStatus);
    QFETCH(int, requests);
    if (infoStatus != 404)
        m_server->serve(infoPath, info, infoStatus);
    if (versionsStatus != 404)
        m_server->serve(versionsPath, versions, versionsStatus);
    startWith(m_server->address());
    QSignalSpy finished(m_startup.get(), &Startup::finished);
    QSignalSpy exit(m_startup.get(), &Startup::exitRequested);

    QTRY_COMPARE(finished.count(), 1);
    QVERIFY(exit.isEmpty());
    QCOMPARE(m_server->requests().size(), requests);
    QCOMPARE(m_commandLine->host(), QStringLiteral("localhost"));
    QVERIFY(!visibleWindow<QMessageBox>());
    QVERIFY(!visibleWindow<NewVersionDialog>());
}

void TestStartupChecks::unreachableHostIsSkipped()
{
    const QString address = m_server->address();
    m_server.reset(); // nobody listens there any more
    startWith(address);
    QSignalSpy finished(m_startup.get(), &Startup::finished);
    QTRY_COMPARE(finished.count(), 1);
}

MAHJONG_TEST_MAIN(TestStartupChecks)
#include "tst_startupchecks.moc"
