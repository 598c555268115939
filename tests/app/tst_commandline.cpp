#include "app/startup/CommandLine.h"
#include "testmain.h"

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void serverAddress_data();
    void serverAddress();
    void everyOption();
    void logLevelOrFilter_data();
    void logLevelOrFilter();
    void refusedCommandLines_data();
    void refusedCommandLines();
    void qtOptionsAreLeftToTheApplication();
    void serverInfoAddressOnlyReplacesTheDefault();

private:
    static CommandLine parse(const QStringList &arguments)
    {
        return CommandLine::parse(QStringList{QStringLiteral("client")} + arguments);
    }
};

void TestCommandLine::defaults()
{
    const CommandLine line = parse({});
    QCOMPARE(line.host(), QStringLiteral("localhost"));
    QCOMPARE(line.port(), quint16(443));
    QVERIFY(!line.hostGiven());
    QVERIFY(line.ssl());
    QCOMPARE(line.httpHost(), line.host());
    QCOMPARE(line.serverInfoHost(), line.host());
    QVERIFY(line.user().isEmpty());
    QVERIFY(line.password().isEmpty());
    QVERIFY(line.language().isEmpty());
    QVERIFY(line.searchPaths().isEmpty());
    QVERIFY(line.pageOverrides().isEmpty());
    QCOMPARE(line.minimumLogLevel(), QtWarningMsg);
    QVERIFY(line.logFilter().pattern().isEmpty());
    QVERIFY(!line.helpRequested());
    QVERIFY(!line.install());
    QVERIFY(!line.debug());
}

void TestCommandLine::serverAddress_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::newRow("host:port") << QStringList{"game.example:7000"} << "game.example" << 7000;
    QTest::newRow("host alone") << QStringList{"game.example"} << "game.example" << 443;
    QTest::newRow("--host") << QStringList{"--host", "h2:1"} << "h2" << 1;
    QTest::newRow("positional wins over --host")
        << QStringList{"--host", "h2:81", "h3:82"} << "h3" << 82;
    QTest::newRow("highest port") << QStringList{"h:65535"} << "h" << 65535;
}

void TestCommandLine::serverAddress()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, host);
    QFETCH(int, port);
    const CommandLine line = parse(arguments);
    QCOMPARE(line.host(), host);
    QCOMPARE(int(line.port()), port);
    QVERIFY(line.hostGiven());
    QCOMPARE(line.httpHost(), host);
}

void TestCommandLine::everyOption()
{
    const CommandLine line = parse({"-h", "--httphost", "web.example", "-u", "anna", "-p", "secret",
                                    "-l", "ja", "-m", "debug", "-s", "/one", "--searchpath", "/two",
                                    "-n", "-S", "info.example:8443", "-W", "http://w.example/x",
                                    "-i", "-d", "g.example:9"});
    QVERIFY(line.helpRequested());
    QCOMPARE(line.httpHost(), QStringLiteral("web.example"));
    QCOMPARE(line.user(), QStringLiteral("anna"));
    QCOMPARE(line.password(), QStringLiteral("secret"));
    QCOMPARE(line.language(), QStringLiteral("ja"));
    QCOMPARE(line.minimumLogLevel(), QtDebugMsg);
    QCOMPARE(line.searchPaths(), (QStringList{"/one", "/two"}));
    QVERIFY(!line.ssl());
    QCOMPARE(line.serverInfoHost(), QStringLiteral("info.example:8443"));
    QCOMPARE(line.pageOverrides(),
             (QMap<WebPageRequest::enum_t, QString>{
                 {WebPageRequest::INTERNAL_WELCOME, QStringLiteral("http://w.example/x")}}));
    QVERIFY(line.install());
    QVERIFY(line.debug());
    QCOMPARE(line.host(), QStringLiteral("g.example"));
    QCOMPARE(line.port(), quint16(9));

    QVERIFY(!CommandLine::usage().contains(QLatin1String("--debug")));
    QVERIFY(CommandLine::usage().startsWith(QLatin1String("usage: client [options] [host:port]")));
    QVERIFY(CommandLine::usage().contains(QLatin1String("Install custom data - called from installer")));
}

void TestCommandLine::logLevelOrFilter_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("filter");
    QTest::newRow("name") << "critical" << int(QtCriticalMsg) << "";
    QTest::newRow("upper-case name") << "FATAL" << int(QtFatalMsg) << "";
    QTest::newRow("number") << "0" << int(QtDebugMsg) << "";
    QTest::newRow("number 2") << "2" << int(QtCriticalMsg) << "";
    QTest::newRow("out of range number is a filter") << "7" << int(QtDebugMsg) << "7";
    QTest::newRow("expression") << "conn(ect)?" << int(QtDebugMsg) << "conn(ect)?";
}

void TestCommandLine::logLevelOrFilter()
{
    QFETCH(QString, value);
    QFETCH(int, level);
    QFETCH(QString, filter);
    const CommandLine line = parse({"-m", value});
    QCOMPARE(int(line.minimumLogLevel()), level);
    QCOMPARE(line.logFilter().pattern(), filter);
}

void TestCommandLine::refusedCommandLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("port not a number") << QStringList{"h:abc"} << "invalid port \"abc\"";
    QTest::newRow("port zero") << QStringList{"h:0"} << "invalid port \"0\"";
    QTest::newRow("port too large") << QStringList{"h:65536"} << "invalid port \"65536\"";
    QTest::newRow("empty port") << QStringList{"h:"} << "invalid port \"\"";
    QTest::newRow("negative port") << QStringList{"--host", "h:-1"} << "invalid port \"-1\"";
    QTest::newRow("no host") << QStringList{":443"} << "missing host name";
    QTest::newRow("unknown option") << QStringList{"--colour"} << "colour";
    QTest::newRow("missing value") << QStringList{"-u"} << "user";
    QTest::newRow("two servers") << QStringList{"a:1", "b:2"} << "";
    QTest::newRow("bad expression") << QStringList{"-m", "(open"} << "invalid log filter";
}

void TestCommandLine::refusedCommandLines()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    try {
        parse(arguments);
        QFAIL("accepted");
    } catch (const CommandLine::Error &error) {
        QVERIFY2(QString::fromUtf8(error.what()).contains(message), error.what());
    }
}

void TestCommandLine::qtOptionsAreLeftToTheApplication()
{
    // "-style" would otherwise read as "-s tyle", and "-platform" as an unknown option.
    const CommandLine line = parse({"-platform", "offscreen:configfile=screen.json", "-style=fusion",
                                    "--reverse", "-u", "anna", "-session", "s1", "h:5"});
    QCOMPARE(line.user(), QStringLiteral("anna"));
    QCOMPARE(line.host(), QStringLiteral("h"));
    QCOMPARE(line.port(), quint16(5));
    QVERIFY(line.searchPaths().isEmpty());

    // A value that only looks like a Qt option is still ours.
    QCOMPARE(parse({"-u", "-platform"}).user(), QStringLiteral("-platform"));
}

void TestCommandLine::serverInfoAddressOnlyReplacesTheDefault()
{
    CommandLine defaults = parse({});
    defaults.setGameServer(QStringLiteral("from.document"), 7443);
    QCOMPARE(defaults.host(), QStringLiteral("from.document"));
    QCOMPARE(defaults.port(), quint16(7443));
    QCOMPARE(defaults.httpHost(), QStringLiteral("from.document"));

    CommandLine given = parse({"mine:1234"});
    given.setGameServer(QStringLiteral("from.document"), 7443);
    QCOMPARE(given.host(), QStringLiteral("mine"));
    QCOMPARE(given.port(), quint16(1234));
}

MAHJONG_TEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
