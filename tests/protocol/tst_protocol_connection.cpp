#include "testmain.h"

#include "protocol/TestServer.h"

#include "app/server_error.h"
#include "protocol/Connection.h"
#include "protocol/packets.h"

#include <QDir>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>

using namespace protocol;

namespace {

// Collects what a Connection hands on.
struct Receiver
{
    explicit Receiver(Connection &c)
    {
        QObject::connect(&c, &Connection::messageReceived, [this](std::unique_ptr<message_t> &m) {
            if (throwOn && *throwOn == int(messages.size())) {
                messages.push_back(std::move(m));
                throwOn.reset();
                throwAction();
            }
            messages.push_back(std::move(m));
        });
        QObject::connect(&c, &Connection::exceptionCaught, [this](const std::string &what) { errors.push_back(what); });
    }
    std::vector<std::unique_ptr<message_t>> messages;
    std::vector<std::string> errors;
    std::optional<int> throwOn;
    std::function<void()> throwAction;
};

template <class P>
P decodeAs(const message_t &m)
{
    P out;
    bool found = false;
    visit<direction::to_client>(m, [&](const auto &p) {
        if constexpr (std::is_same_v<std::decay_t<decltype(p)>, P>) {
            out = p;
            found = true;
        }
    });
    if (!found)
        throw std::runtime_error(std::string("not a ") + P::type_name);
    return out;
}

} // namespace

class TestProtocolConnection : public QObject
{
    Q_OBJECT

    QTcpServer m_server;
    QTcpSocket *m_peer = nullptr;

    // A plain connection to an in-process server; m_peer is the server's side.
    bool connectPlain(Connection &c)
    {
        delete m_peer;
        m_peer = nullptr;
        QSignalSpy up(&c, &Connection::connected);
        c.connectToHost(QStringLiteral("127.0.0.1"), m_server.serverPort());
        if (!m_server.waitForNewConnection(5000))
            return false;
        m_peer = m_server.nextPendingConnection();
        return up.wait(5000) || up.count() == 1;
    }

    // Connects to the test game server (by name with TLS, so that the name is verified).
    static bool connectToTestServer(Connection &c, const TestServer &server)
    {
        QSignalSpy up(&c, &Connection::connected);
        c.connectToHost(c.isUsingSsl() ? QStringLiteral("localhost") : QStringLiteral("127.0.0.1"), server.gamePort());
        return up.wait(10000);
    }

    QByteArray someFrames()
    {
        player_message_t a;
        a.text = QStringLiteral("first");
        table_removed_t b;
        b.table = 77;
        tile_discarded_t c;
        c.table = 5;
        c.player = 1001;
        c.discard = tile(31);
        return frame(a) + frame(b) + frame(c);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.listen(QHostAddress::LocalHost));
        // The game connection takes the default TLS settings: trust the test CA there.
        QSslConfiguration::setDefaultConfiguration(TestServer::trustingTestCa());
    }

    void bytesArrivingOneByOneGiveTheSameFrames()
    {
        Connection c(false);
        Receiver r(c);
        QVERIFY(connectPlain(c));
        QVERIFY(c.socket()->socketOption(QAbstractSocket::LowDelayOption).toInt() != 0);
        const QByteArray stream = someFrames();
        for (char byte : stream) {
            m_peer->write(&byte, 1);
            m_peer->flush();
            QTest::qWait(1);
        }
        QTRY_COMPARE(r.messages.size(), std::size_t(3));
        QCOMPARE(decodeAs<player_message_t>(*r.messages[0]).text, QStringLiteral("first"));
        QCOMPARE(decodeAs<tile_discarded_t>(*r.messages[2]).discard, tile(31));
        QCOMPARE(c.bytesReceived(), quint64(stream.size()));

        // Many frames in one read.
        m_peer->write(stream + stream);
        QTRY_COMPARE(r.messages.size(), std::size_t(9));
        QCOMPARE(c.bytesReceived(), quint64(stream.size() * 3));
        QVERIFY(r.errors.empty());
    }

    void sendCountsBytesAndRefusesWhenClosed()
    {
        Connection c(false);
        QVERIFY(!c.send(logout_t{})); // not connected: dropped, no crash
        QCOMPARE(c.bytesSent(), quint64(0));
        QVERIFY(connectPlain(c));
        QVERIFY(c.send(login_t{QStringLiteral("alice"), QStringLiteral("pw")}));
        QVERIFY(c.send(logout_t{}));
        QVERIFY(c.waitForBytesWritten(1000));
        const quint64 expected = quint64(frame(login_t{QStringLiteral("alice"), QStringLiteral("pw")}).size() + 5);
        QCOMPARE(c.bytesSent(), expected);
        QTRY_COMPARE(m_peer->bytesAvailable(), qint64(expected));

        // A packet above the frame limit is reported on the send road, not written.
        Receiver r(c);
        invite_players_t huge;
        huge.players.assign(5 * 1024 * 1024, 1);
        QVERIFY(!c.send(huge));
        QCOMPARE(r.errors, std::vector<std::string>{"packet too large: invite_players_t"});
        QCOMPARE(c.bytesSent(), expected);
    }

    void handlerExceptionsAreReportedAndTheNextFrameFollows()
    {
        Connection c(false);
        Receiver r(c);
        QVERIFY(connectPlain(c));
        r.throwOn = 0;
        r.throwAction = [] { throw server_error("Unexpected kick reason: 9"); };
        m_peer->write(someFrames());
        QTRY_COMPARE(r.messages.size(), std::size_t(3));
        QCOMPARE(r.errors, std::vector<std::string>{"Unexpected kick reason: 9"});

        r.throwOn = 3;
        r.throwAction = [] { throw 42; };
        m_peer->write(someFrames());
        QTRY_COMPARE(r.messages.size(), std::size_t(6));
        QCOMPARE(r.errors.back(), std::string("unknown exception"));
        QCOMPARE(c.socket()->state(), QAbstractSocket::ConnectedState);
    }

    void badFrameLengthClosesTheConnection()
    {
        Connection c(false);
        Receiver r(c);
        QVERIFY(connectPlain(c));
        QSignalSpy down(&c, &Connection::disconnected);
        // A good frame, then a length above 16 MiB: the good one is kept.
        m_peer->write(frame(table_removed_t{3}) + QByteArray::fromHex("01000001") + "xyz");
        QTRY_COMPARE(r.errors.size(), std::size_t(1));
        QCOMPARE(r.messages.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(r.errors[0]).contains(QLatin1String("invalid frame length 16777217")));
        QTRY_COMPARE(c.socket()->state(), QAbstractSocket::UnconnectedState);
        QCOMPARE(down.count(), 1);
    }

    void tlsHandshakeWithTheTestServer()
    {
        TestServer server;
        QVERIFY(server.start(TestServer::scenario(QStringLiteral("lobby.json")), true));
        Connection c(true);
        Receiver r(c);
        QSignalSpy failed(&c, &Connection::socketError);
        QVERIFY(connectToTestServer(c, server));
        QVERIFY(c.isUsingSsl());
        QVERIFY(qobject_cast<QSslSocket *>(c.socket())->isEncrypted());
        QVERIFY(qobject_cast<QSslSocket *>(c.socket())->sessionProtocol() >= QSsl::TlsV1_2);

        QVERIFY(c.send(platform_version_t{6523}));
        QTRY_COMPARE(r.messages.size(), std::size_t(2));
        QCOMPARE(decodeAs<platform_version_answer_t>(*r.messages[0]).platform_version, 6523);
        QCOMPARE(decodeAs<game_version_answer_t>(*r.messages[1]).game_version, QStringLiteral("3204"));

        QVERIFY(c.send(login_t{QStringLiteral("alice"), QStringLiteral("secret")}));
        QTRY_COMPARE(r.messages.size(), std::size_t(3));
        const login_success_t ok = decodeAs<login_success_t>(*r.messages[2]);
        QCOMPARE(ok.player_id, 1001);
        QVERIFY(ok.fully_registered);
        QVERIFY(server.output().contains(QLatin1String("RECV login_t {\"password\":\"secret\",\"user\":\"alice\"}")));
        QCOMPARE(failed.count(), 0);
    }

    void untrustedCertificateIsRefused()
    {
        TestServer server;
        QVERIFY(server.start(TestServer::scenario(QStringLiteral("lobby.json")), true, true));
        Connection c(true);
        QSignalSpy up(&c, &Connection::connected);
        QSignalSpy failed(&c, &Connection::socketError);
        c.connectToHost(QStringLiteral("localhost"), server.gamePort());
        QVERIFY(failed.wait(10000));
        QCOMPARE(failed.at(0).at(0).value<QAbstractSocket::SocketError>(), QAbstractSocket::SslHandshakeFailedError);
        QCOMPARE(up.count(), 0);
        QVERIFY(!c.send(logout_t{}));
    }

    void wrongPlatformVersionIsAnswered()
    {
        TestServer server;
        QVERIFY(server.start(TestServer::scenario(QStringLiteral("wrong-platform-version.json")), false));
        Connection c(false);
        Receiver r(c);
        QVERIFY(connectToTestServer(c, server));
        c.send(platform_version_t{6523});
        QTRY_COMPARE(r.messages.size(), std::size_t(2));
        QCOMPARE(decodeAs<platform_version_answer_t>(*r.messages[0]).platform_version, 6522);
    }

    void hostileServerTraffic()
    {
        TestServer server;
        QVERIFY(server.start(TestServer::scenario(QStringLiteral("hostile.json")), false));
        Connection c(false);
        Receiver r(c);
        QSignalSpy down(&c, &Connection::disconnected);
        QVERIFY(connectToTestServer(c, server));
        c.send(platform_version_t{6523});
        QTRY_VERIFY(down.count() == 1);
        // The handshake answers, an unknown class, an unknown inner id, a truncated body and
        // a text all arrive as frames; the oversized length ends the connection.
        QCOMPARE(r.messages.size(), std::size_t(6));
        QCOMPARE(visit<direction::to_client>(*r.messages[2], [](const auto &) {}), visit_result::unknown_class);
        QCOMPARE(visit<direction::to_client>(*r.messages[3], [](const auto &) {}), visit_result::unknown_inner);
        QVERIFY_THROWS_EXCEPTION(decode_error, visit<direction::to_client>(*r.messages[4], [](const auto &) {}));
        QCOMPARE(decodeAs<player_message_t>(*r.messages[5]).text, QStringLiteral("still in step"));
        QCOMPARE(r.errors.size(), std::size_t(1));
    }

    void scenarioRepliesRepeatsAndDelays()
    {
        TestServer server;
        QVERIFY(server.start(TestServer::sourceDir() + QStringLiteral("/tests/protocol/scenarios/features.json"), false));
        Connection c(false);
        Receiver r(c);
        QVERIFY(connectToTestServer(c, server));
        c.send(platform_version_t{6523});
        c.send(watch_table_t{7});
        c.send(watch_table_t{7});
        // Handshake 2, first answer 1, second answer 1 + 1000 + 2, the delayed push 1.
        QTRY_COMPARE(r.messages.size(), std::size_t(1007));
        QCOMPARE(decodeAs<watch_table_answer_t>(*r.messages[2]).message, QStringLiteral("once only"));
        QVERIFY(decodeAs<watch_table_answer_t>(*r.messages[3]).ok);
        QCOMPARE(decodeAs<watch_table_answer_t>(*r.messages[3]).table, 7);
        for (int i = 0; i < 1000; ++i)
            QCOMPARE(decodeAs<table_removed_t>(*r.messages[std::size_t(4 + i)]).table, i);
        QCOMPARE(decodeAs<player_message_t>(*r.messages[1005]).text, QStringLiteral("table 1"));
        QCOMPARE(decodeAs<player_message_t>(*r.messages[1006]).text, QStringLiteral("pushed later"));
    }

    void documentsServedOverHttps()
    {
        TestServer server;
        QVERIFY(server.start(TestServer::sourceDir() + QStringLiteral("/tests/protocol/scenarios/http.json"), true));
        QNetworkAccessManager manager;
        auto get = [&](const QString &path) {
            QNetworkRequest request(QUrl(QStringLiteral("https://localhost:%1%2").arg(QString::number(server.httpPort()), path)));
            request.setSslConfiguration(TestServer::trustingTestCa());
            QNetworkReply *reply = manager.get(request);
            QSignalSpy done(reply, &QNetworkReply::finished);
            done.wait(10000);
            reply->deleteLater();
            return std::make_pair(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), reply->readAll());
        };
        const auto info = get(QStringLiteral("/client/server_info.xml?sku=1"));
        QCOMPARE(info.first, 200);
        QVERIFY(info.second.contains("served by the test server"));
        QCOMPARE(get(QStringLiteral("/client/gone.xml")).first, 503);
        QCOMPARE(get(QStringLiteral("/client/none.xml")).first, 404);
    }

    // A test killed outright, as a crash or CTest's time-out ends it, takes its test
    // servers with it: the one it reads and the one it starts beside a client run.
    void serversEndWithTheirTest()
    {
        const QString scenario = TestServer::scenario(QStringLiteral("lobby.json"));
        if (qEnvironmentVariableIsSet("MAHJONG_TEST_KILLED_WITH_SERVERS")) {
            // The test to be killed: it starts both, names them, and holds until its
            // input ends. The folder of the one beside is the killing test's, which
            // removes it: this process has no chance to.
            TestServer server;
            QVERIFY(server.start(scenario, false));
            const QDir dir(qEnvironmentVariable("MAHJONG_TEST_KILLED_WITH_SERVERS"));
            const pid_t beside = ChildProcess::spawn(
                dir.path(),
                {TestServer::binaryDir() + QStringLiteral("/tools/testserver/mahjong-testserver"),
                 QStringLiteral("--scenario"), scenario},
                dir.filePath(QStringLiteral("testserver.log")));
            std::printf("servers %lld %lld\n", server.pid(), static_cast<long long>(beside));
            std::fflush(stdout);
            while (std::fgetc(stdin) != EOF) {
            }
            ChildProcess::stop(beside);
            return;
        }
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QProcess test;
        ChildProcess::endWithTest(test);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("MAHJONG_TEST_KILLED_WITH_SERVERS"), dir.path());
        test.setProcessEnvironment(environment);
        test.start(QCoreApplication::applicationFilePath(), {QStringLiteral("serversEndWithTheirTest")});
        static const QRegularExpression named(QStringLiteral("servers (\\d+) (\\d+)"));
        QString said;
        QRegularExpressionMatch servers;
        QTRY_VERIFY_WITH_TIMEOUT((said += QString::fromUtf8(test.readAllStandardOutput()),
                                  (servers = named.match(said)).hasMatch() || test.state() == QProcess::NotRunning),
                                 30000);
        QVERIFY2(servers.hasMatch(), qPrintable(said + QString::fromUtf8(test.readAllStandardError())));
        // Its id is 0 once it has ended, and a signal to 0 reaches our own process group.
        const qint64 killed = test.processId();
        QVERIFY(test.state() == QProcess::Running && killed > 0);
        QVERIFY(::kill(static_cast<pid_t>(killed), SIGKILL) == 0);
        QVERIFY(test.waitForFinished(10000));
        for (int i = 1; i <= 2; ++i) {
            const qint64 pid = servers.captured(i).toLongLong();
            QVERIFY(pid > 0);
            QTRY_VERIFY2_WITH_TIMEOUT(!ChildProcess::running(pid),
                                      qPrintable(QStringLiteral("server %1 outlives its test").arg(pid)), 10000);
        }
    }
};

MAHJONG_TEST_MAIN(TestProtocolConnection)
#include "tst_protocol_connection.moc"
