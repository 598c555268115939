#include "testmain.h"

#include "app/Singleton.h"
#include "app/TimeSpan.h"
#include "connection/ServerTime.h"
#include "ui/UTimer.h"

#include <QSignalSpy>

#include <limits>

namespace {

// The server clock as the test sets it: the countdown's ticks come by the real timer,
// what they read does not depend on how late they come.
qint64 nowMs = 0;

class SetClock : public ServerTime::Clock
{
public:
    qint64 elapsedMs() const override { return nowMs; }
    QDateTime utcNow() const override { return QDateTime(QDate(2026, 3, 1), QTime(9, 0), Qt::UTC).addMSecs(nowMs); }
};

} // namespace

class TestUTimer : public QObject
{
    Q_OBJECT

private:
    static QDateTime now() { return Singleton<ServerTime>::instance().now(); }
    static int tickInterval(const UTimer &timer) { return timer.findChild<QTimer *>()->interval(); }

private slots:
    void initTestCase() { Singleton<ServerTime>::instance().setClock(std::make_unique<SetClock>()); }

    void countsDownToTheDeadlineAndStops()
    {
        UTimer timer;
        QSignalSpy updates(&timer, &UTimer::update);
        QSignalSpy timeouts(&timer, &UTimer::timeout);
        const QDateTime start = now();
        timer.start(TimeSpan(QDateTime(), start.addMSecs(1300)));
        QCOMPARE(updates.size(), 1);
        QCOMPARE(updates.at(0), (QList<QVariant>{1300, 1300}));
        QVERIFY(timer.isActive());
        QCOMPARE(tickInterval(timer), 1000);

        // However late the tick comes, it reads the time left; the next falls on the
        // deadline rather than a whole interval after it.
        nowMs += 1000;
        QVERIFY(updates.wait());
        QCOMPARE(updates.at(1), (QList<QVariant>{300, 1300}));
        QCOMPARE(tickInterval(timer), 300);
        QCOMPARE(timeouts.size(), 0);

        nowMs += 300;
        QVERIFY(timeouts.wait());
        QCOMPARE(updates.size(), 3);
        QCOMPARE(updates.at(2), (QList<QVariant>{0, 1300}));
        QVERIFY(!timer.isActive());
        QTest::qWait(1100);
        QCOMPARE(timeouts.size(), 1);
    }

    void invalidOrPastDeadlineTimesOutAtOnce()
    {
        UTimer timer;
        QSignalSpy updates(&timer, &UTimer::update);
        QSignalSpy timeouts(&timer, &UTimer::timeout);
        timer.start(TimeSpan());
        QCOMPARE(updates.size(), 1);
        QCOMPARE(updates.at(0), (QList<QVariant>{0, 0}));
        QCOMPARE(timeouts.size(), 1);
        QVERIFY(!timer.isActive());

        const QDateTime past = now().addSecs(-5);
        timer.start(TimeSpan(past.addSecs(-10), past));
        QCOMPARE(updates.size(), 2);
        QCOMPARE(updates.at(1), (QList<QVariant>{0, 10000}));
        QCOMPARE(timeouts.size(), 2);
        QVERIFY(!timer.isActive());
        QTest::qWait(1100);
        QCOMPARE(timeouts.size(), 2);
    }

    void futureDeadlineAlwaysTicks()
    {
        // A span whose start equals its end still counts down when both lie ahead.
        UTimer timer;
        QSignalSpy updates(&timer, &UTimer::update);
        QSignalSpy timeouts(&timer, &UTimer::timeout);
        const QDateTime end = now().addMSecs(400);
        timer.start(TimeSpan(end, end));
        QCOMPARE(updates.size(), 1);
        QCOMPARE(updates.at(0), (QList<QVariant>{400, 400}));
        QVERIFY(timer.isActive());
        nowMs += 400;
        QVERIFY(timeouts.wait());
    }

    void hugeSpansAreClamped()
    {
        UTimer timer;
        QSignalSpy updates(&timer, &UTimer::update);
        const QDateTime start = now();
        timer.start(TimeSpan(start.addYears(-1), start.addYears(1)));
        QCOMPARE(updates.size(), 1);
        QCOMPARE(updates.at(0).at(0).toInt(), std::numeric_limits<int>::max());
        QCOMPARE(updates.at(0).at(1).toInt(), std::numeric_limits<int>::max());
        timer.stop();
        QVERIFY(!timer.isActive());
        QVERIFY(timer.deadline().isNull());
    }

    void restartReplacesTheCountdown()
    {
        UTimer timer;
        QSignalSpy updates(&timer, &UTimer::update);
        QSignalSpy timeouts(&timer, &UTimer::timeout);
        timer.start(TimeSpan(QDateTime(), now().addMSecs(300)));
        timer.start(TimeSpan(QDateTime(), now().addSecs(30)));
        nowMs += 600;
        QVERIFY(updates.wait());
        QCOMPARE(updates.last(), (QList<QVariant>{29400, 30000}));
        QCOMPARE(timeouts.size(), 0);
        timer.stop();
        timer.stop();
        QVERIFY(!timer.isActive());
    }
};

MAHJONG_TEST_MAIN(TestUTimer)
#include "tst_utimer.moc"
