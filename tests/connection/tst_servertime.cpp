#include "testmain.h"

#include "ConnectedManager.h"
#include "app/Singleton.h"
#include "app/Utils.h"
#include "connection/ServerTime.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

const QDateTime ServerEpoch = QDateTime::fromMSecsSinceEpoch(1767225600000, Qt::UTC);

class FakeClock : public ServerTime::Clock
{
public:
    explicit FakeClock(qint64 *ms) : m_ms(ms) {}
    qint64 elapsedMs() const override { return *m_ms; }
    QDateTime utcNow() const override { return QDateTime(QDate(2025, 6, 1), QTime(8, 0), Qt::UTC).addMSecs(*m_ms); }

private:
    qint64 *m_ms;
};

} // namespace

class TestServerTime : public QObject
{
    Q_OBJECT

private slots:
    void localTimeBeforeFirstAnswer();
    void estimateAddsHalfTheRoundTrip();
    void answersOfOtherRequestsAreDropped();
    void timeoutAsksAgain();
    void resynchronisesAfterEachAnswer();
    void detachingStopsSynchronising();
    void timeToStartText();
};

void TestServerTime::localTimeBeforeFirstAnswer()
{
    qint64 ms = 5000;
    ServerTime clock(std::make_unique<FakeClock>(&ms), 10000, 60000);
    QCOMPARE(clock.now(), QDateTime(QDate(2025, 6, 1), QTime(8, 0, 5), Qt::UTC));
    QCOMPARE(clock.now().timeSpec(), Qt::UTC);
    QCOMPARE(clock.ping(), 0);
    QCOMPARE(ServerTime::ReplyTimeoutMs, 10000);
    QCOMPARE(ServerTime::ResyncIntervalMs, 60000);
}

void TestServerTime::estimateAddsHalfTheRoundTrip()
{
    ConnectedManager c;
    QVERIFY(c.start(QStringLiteral("server-time.json")));
    qint64 ms = 1000;
    ServerTime clock(std::make_unique<FakeClock>(&ms), 10000, 60000);
    QSignalSpy estimate(&clock, &ServerTime::updatedEstimate);
    QSignalSpy ping(&clock, &ServerTime::updatedPing);
    clock.setConnection(c.manager.get());
    ms = 1400; // the answer comes 400 ms after the request
    QVERIFY(estimate.wait());
    QCOMPARE(ping.count(), 1);
    QCOMPARE(clock.ping(), 400);
    QCOMPARE(clock.now(), ServerEpoch.addMSecs(200));
    ms = 2400;
    QCOMPARE(clock.now(), ServerEpoch.addMSecs(1200));
    QCOMPARE(clock.now().timeSpec(), Qt::UTC);
}

void TestServerTime::answersOfOtherRequestsAreDropped()
{
    ConnectedManager c;
    QVERIFY(c.start(QStringLiteral("server-time.json")));
    qint64 ms = 0;
    ServerTime clock(std::make_unique<FakeClock>(&ms), 10000, 60000);
    QSignalSpy estimate(&clock, &ServerTime::updatedEstimate);
    emit c.manager->serverTime(4242, ServerEpoch); // before any request
    clock.setConnection(c.manager.get());
    emit c.manager->serverTime(4242, ServerEpoch.addDays(3));
    QVERIFY(estimate.wait());
    QCOMPARE(estimate.count(), 1);
    QCOMPARE(clock.now(), ServerEpoch);
}

void TestServerTime::timeoutAsksAgain()
{
    ConnectedManager c;
    QVERIFY(c.start(QStringLiteral("server-time-silent-first.json")));
    qint64 ms = 0;
    // Long enough that the second answer arrives before a third request, even on a loaded machine.
    ServerTime clock(std::make_unique<FakeClock>(&ms), 1000, 60000);
    QSignalSpy estimate(&clock, &ServerTime::updatedEstimate);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no server time answer within 1000 ms")));
    clock.setConnection(c.manager.get());
    QVERIFY(c.received(QStringLiteral("server_time_request_t"), QStringLiteral("{\"request\":")));
    QVERIFY(estimate.wait(5000));
    QCOMPARE(c.receivedCount(QStringLiteral("server_time_request_t")), 2);
    QCOMPARE(clock.now(), ServerEpoch);
}

void TestServerTime::resynchronisesAfterEachAnswer()
{
    ConnectedManager c;
    QVERIFY(c.start(QStringLiteral("server-time.json")));
    qint64 ms = 0;
    ServerTime clock(std::make_unique<FakeClock>(&ms), 10000, 150);
    QSignalSpy estimate(&clock, &ServerTime::updatedEstimate);
    clock.setConnection(c.manager.get());
    QTRY_VERIFY_WITH_TIMEOUT(estimate.count() >= 3, 5000);
    QVERIFY(c.receivedCount(QStringLiteral("server_time_request_t")) >= 3);
}

void TestServerTime::detachingStopsSynchronising()
{
    ConnectedManager c;
    QVERIFY(c.start(QStringLiteral("server-time.json")));
    qint64 ms = 0;
    ServerTime clock(std::make_unique<FakeClock>(&ms), 10000, 100);
    QSignalSpy estimate(&clock, &ServerTime::updatedEstimate);
    clock.setConnection(c.manager.get());
    QVERIFY(estimate.wait());
    clock.setConnection(nullptr);
    const int requests = c.receivedCount(QStringLiteral("server_time_request_t"));
    QTest::qWait(400);
    QCOMPARE(c.receivedCount(QStringLiteral("server_time_request_t")), requests);
    QCOMPARE(estimate.count(), 1);
    // The last estimate stays in use.
    ms = 60000;
    QCOMPARE(clock.now(), ServerEpoch.addMSecs(60000));
}

void TestServerTime::timeToStartText()
{
    // The process-wide clock runs on local time until it is synchronised.
    const QDateTime now = Singleton<ServerTime>::instance().now();
    QCOMPARE(Utils::timeToStartText(now.addSecs(-10)), QStringLiteral("now"));
    QCOMPARE(Utils::timeToStartText(now), QStringLiteral("now"));
    const QString later = Utils::timeToStartText(now.addSecs(3 * 3600 + 1800 + 30));
    QCOMPARE(later, Utils::durationText(now.secsTo(now.addSecs(3 * 3600 + 1800 + 30))));
}

MAHJONG_TEST_MAIN(TestServerTime)
#include "tst_servertime.moc"
