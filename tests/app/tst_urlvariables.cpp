#include "app/MachineIdentifier.h"
#include "app/UrlVariables.h"
#include "app/WebPageRequest.h"
#include "app/system_info.h"
#include "app/version.h"

#include "testmain.h"

#include <QRegularExpression>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QUuid>

class TestUrlVariables : public QObject
{
    Q_OBJECT

private slots:
    void expand_data();
    void expand();
    void localeFollowsTheLanguage();
    void systemVariables();
    void buildTag();
    void webPageNames();
    void machineIdentifier();
    void clientVersion();
};

void TestUrlVariables::expand_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("defaultTemplate");
    QTest::addColumn<QString>("expected");

    QTest::newRow("template for an empty url")
        << "" << "http://{host}/support.html" << "http://web.example/support.html";
    QTest::newRow("url over template")
        << "https://{host}/{locale}/help" << "http://{host}/support.html"
        << "https://web.example/ja/help";
    QTest::newRow("several placeholders")
        << "https://{host}/client/{sku}/v.xml?p={partnerId}&t={tag}" << ""
        << "https://web.example/client/std/v.xml?p=77&t=beta";
    QTest::newRow("unknown placeholder kept")
        << "http://{host}/{unknown}/{x.y-z_1}" << "" << "http://web.example/{unknown}/{x.y-z_1}";
    QTest::newRow("not a placeholder")
        << "http://{host}/{with space}/{}/{a/b}" << ""
        << "http://web.example/{with space}/{}/{a/b}";
    QTest::newRow("no placeholders") << "http://plain.example/" << "" << "http://plain.example/";
    QTest::newRow("both empty") << "" << "" << "";
    QTest::newRow("value with braces is not expanded again")
        << "{tricky}{host}" << "" << "{host}web.example";
}

void TestUrlVariables::expand()
{
    QFETCH(QString, url);
    QFETCH(QString, defaultTemplate);
    QFETCH(QString, expected);

    UrlVariables variables;
    variables.setHost(QStringLiteral("web.example"));
    variables.setLocaleProvider([] { return QStringLiteral("ja"); });
    variables.setValue(QStringLiteral("sku"), QStringLiteral("std"));
    variables.setValue(QStringLiteral("partnerId"), QStringLiteral("77"));
    variables.setValue(QStringLiteral("tag"), QStringLiteral("beta"));
    variables.setValue(QStringLiteral("tricky"), QStringLiteral("{host}"));
    QCOMPARE(variables.expand(url, defaultTemplate), expected);
}

void TestUrlVariables::localeFollowsTheLanguage()
{
    QString language = QStringLiteral("en");
    UrlVariables variables;
    QCOMPARE(variables.expand(QStringLiteral("/{locale}/"), QString()),
             QStringLiteral("/{locale}/"));
    variables.setLocaleProvider([&language] { return language; });
    QCOMPARE(variables.expand(QStringLiteral("/{locale}/"), QString()), QStringLiteral("/en/"));
    language = QStringLiteral("zh_TW");
    QCOMPARE(variables.expand(QStringLiteral("/{locale}/"), QString()), QStringLiteral("/zh_TW/"));
}

void TestUrlVariables::systemVariables()
{
    const system_info_t system = system_info_t::current();
#if defined(Q_OS_LINUX)
    // The server knows Windows and Mac OS X only.
    QCOMPARE(system.platform, int(system_info_t::UNKNOWN));
    QCOMPARE(system.platformName(), QStringLiteral("unknown"));
#endif
    QVERIFY(!system.osName().isEmpty());
    QCOMPARE(system_info_t::platformName(1), QStringLiteral("windows"));
    QCOMPARE(system_info_t::platformName(2), QStringLiteral("mac"));
    QCOMPARE(system_info_t::platformName(3), QStringLiteral("unknown"));
    QCOMPARE(system_info_t::platformName(-1), QStringLiteral("unknown"));

    const UrlVariables variables;
    QCOMPARE(variables.expand(QStringLiteral("{platform}/{os}/{osVersion}"), QString()),
             system.platformName() + u'/' + system.osName() + u'/' + system.osVersionText());
}

void TestUrlVariables::buildTag()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString fileName = dir.filePath(QStringLiteral("build.tag"));
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("  partner-42 \nsecond line\n");
    file.close();

    UrlVariables variables;
    QVERIFY(!variables.loadBuildTag(dir.filePath(QStringLiteral("missing.tag"))));
    QVERIFY(variables.value(QStringLiteral("partnerId")).isNull());
    QVERIFY(variables.loadBuildTag(fileName));
    QCOMPARE(variables.expand(QStringLiteral("p={partnerId}"), QString()),
             QStringLiteral("p=partner-42"));
}

void TestUrlVariables::webPageNames()
{
    QCOMPARE(QString::fromLatin1(WebPageRequest::name(WebPageRequest::POST_REGISTRATION)),
             QStringLiteral("POST_REGISTRATION"));
    QCOMPARE(QString::fromLatin1(WebPageRequest::name(WebPageRequest::ADVERTISEMENT_OVERLAY)),
             QStringLiteral("ADVERTISEMENT_OVERLAY"));
    QCOMPARE(QString::fromLatin1(WebPageRequest::name(WebPageRequest::RULES_HONGKONG)),
             QStringLiteral("<undefined>"));
    QCOMPARE(QString::fromLatin1(WebPageRequest::name(-1)), QStringLiteral("<undefined>"));
}

void TestUrlVariables::machineIdentifier()
{
    const std::string id = MachineIdentifier::instance().id();
    QVERIFY(!QUuid::fromString(QString::fromStdString(id)).isNull());
    QCOMPARE(MachineIdentifier::instance().id(), id);
    // The system's own machine id is never sent as it is.
    const QByteArray machineId = QSysInfo::machineUniqueId();
    if (!machineId.isEmpty())
        QVERIFY(!QString::fromStdString(id).remove(u'-').contains(QString::fromLatin1(machineId)));
}

void TestUrlVariables::clientVersion()
{
    QVERIFY(QRegularExpression(QStringLiteral("^\\d+(\\.\\d+)+$"))
                .match(clientVersionString())
                .hasMatch());
}

MAHJONG_TEST_MAIN(TestUrlVariables)
#include "tst_urlvariables.moc"
