#include "testmain.h"

#include "app/Singleton.h"
#include "app/TimeSpan.h"
#include "connection/ServerTime.h"
#include "ui/UTimer.h"

#include <QSignalSpy>

#include <limits>

// The server clock is not synchronised in these tests: it reads the local UTC time.
class TestUTimer : public QObject
{
    Q_OBJECT

private:
    static QDateTime now() { return Singleton<ServerTime>::instance().now(); }

private slots:
    void countsDownToTheDeadlineAndStops()
    {
        UTimer timer;
        QSignalSpy updates(&timer, &UTimer::update);
        QSignalSpy timeouts(&timer, &UTimer::timeout);
        const QDateTime start = now();
        timer.start(TimeSpan(QDateTime(), start.addMSecs(1300)));
        QCOMPARE(updates.size(), 1);
        QVERIFY(updates.at(0).at(0).toInt() > 1200);
        QVERIFY(updates.at(0).at(1).toInt() >= updates.at(0).at(0).toInt());
        QVERIFY(timer.isActive());

        // Read when the timeout is emitted, not when the test gets to look.
        QDateTime timedOutAt;
        connect(&timer, &UTimer::timeout, this, [&timedOutAt] { timedOutAt = now(); });
        QTRY_COMPARE_WITH_TIMEOUT(timeouts.size(), 1, 3000);
        // A whole interval late (700 ms) would be a tick that overshot the deadline.
        const qint64 late = start.addMSecs(1300).msecsTo(timedOutAt);
        QVERIFY2(late >= 0 && late < 500, qPrintable(QString::number(late)));
        QCOMPARE(updates.last().at(0).toInt(), 0);
        QVERIFY(updates.size() >= 3);
        for (int i = 1; i < updates.size(); ++i)
            QVERIFY(updates.at(i).at(0).toInt() < updates.at(i - 1).at(0).toInt());
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
        const int remaining = updates.at(0).at(0).toInt();
        const int total = updates.at(0).at(1).toInt();
        QVERIFY(remaining > 300);
        QVERIFY(total >= remaining);
        QVERIFY(timer.isActive());
        QTRY_COMPARE_WITH_TIMEOUT(timeouts.size(), 1, 2000);
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
        QSignalSpy timeouts(&timer, &UTimer::timeout);
        timer.start(TimeSpan(QDateTime(), now().addMSecs(300)));
        timer.start(TimeSpan(QDateTime(), now().addSecs(30)));
        QTest::qWait(600);
        QCOMPARE(timeouts.size(), 0);
        timer.stop();
        timer.stop();
        QVERIFY(!timer.isActive());
    }
};

MAHJONG_TEST_MAIN(TestUTimer)
#include "tst_utimer.moc"
