#include "testmain.h"

#include "game/GameWindowAction.h"
#include "game/GameWindowActionQueue.h"
#include "table/scene/GameWindowAnimation.h"

#include <QPointer>
#include <QSettings>
#include <QSignalSpy>

namespace {

// Records every start, finish and destruction into a shared log.
class LoggingAnimation : public GameWindowAnimation
{
public:
    LoggingAnimation(QStringList *log, const QString &name, int durationMs = 40)
        : GameWindowAnimation(durationMs), m_log(log), m_name(name)
    {
    }
    ~LoggingAnimation() override { *m_log << m_name + QStringLiteral(" deleted"); }

    void start(bool instant) override
    {
        *m_log << m_name + (instant ? QStringLiteral(" start instant") : QStringLiteral(" start"));
        if (!instant)
            m_timeLine.start();
    }
    void finish(bool instant) override
    {
        *m_log << m_name + (instant ? QStringLiteral(" finish instant") : QStringLiteral(" finish"));
    }

private:
    QStringList *m_log;
    QString m_name;
};

class LoggingAction : public CallbackGameWindowAction
{
public:
    LoggingAction(QStringList *log, const QString &name, std::function<void()> extra = {})
        : CallbackGameWindowAction([log, name, extra] {
              *log << name;
              if (extra)
                  extra();
          }),
          m_log(log), m_name(name)
    {
    }
    ~LoggingAction() override { *m_log << m_name + QStringLiteral(" deleted"); }

private:
    QStringList *m_log;
    QString m_name;
};

void setAnimations(bool on)
{
    QSettings().setValue(QStringLiteral("game/animations"), on);
}

} // namespace

class TestGameWindowActionQueue : public QObject
{
    Q_OBJECT

private slots:
    void init() { setAnimations(true); }
    void animationHoldsTheQueueUntilItsEnd();
    void twentyFirstActionFlushesEverything();
    void animationsOffRunInsideTheEnqueue();
    void clearingAndDestroyingNeverRun();
    void actionsThatChangeTheQueueRunOnce();
};

void TestGameWindowActionQueue::animationHoldsTheQueueUntilItsEnd()
{
    QStringList log;
    int repaints = 0;
    GameWindowActionQueue queue([&repaints] { ++repaints; });

    queue.enqueueAction(new LoggingAction(&log, "a"));
    QCOMPARE(repaints, 1);
    QVERIFY(!queue.isBusy());

    QPointer<GameWindowAnimation> animation = new LoggingAnimation(&log, "anim");
    queue.enqueueAnimation(animation);
    queue.enqueueAction(new LoggingAction(&log, "b"));
    QVERIFY(queue.isBusy());
    QCOMPARE(queue.size(), 2); // the end of the animation and b
    QCOMPARE(log, QStringList({"a", "a deleted", "anim start"}));

    QSignalSpy finished(animation.data(), &GameWindowAnimation::finished);
    QVERIFY(finished.wait());
    QCOMPARE(log, QStringList({"a", "a deleted", "anim start", "anim finish", "b", "b deleted"}));
    QVERIFY(!queue.isBusy());
    QVERIFY(queue.isEmpty());
    QTRY_VERIFY(animation.isNull()); // deleted later, once
    QCOMPARE(log.count(QStringLiteral("anim deleted")), 1);

    // Nothing waits: the next event runs at once.
    queue.enqueueAction(new LoggingAction(&log, "c"));
    QCOMPARE(log.last(), QStringLiteral("c deleted"));
}

void TestGameWindowActionQueue::twentyFirstActionFlushesEverything()
{
    QStringList log;
    GameWindowActionQueue queue;
    QPointer<GameWindowAnimation> animation = new LoggingAnimation(&log, "anim", 60000);
    queue.enqueueAnimation(animation);
    for (int i = 0; i < GameWindowActionQueue::MaxWaiting - 1; ++i)
        queue.enqueueAction(new LoggingAction(&log, QString::number(i)));
    QCOMPARE(queue.size(), 20);
    QVERIFY(queue.isBusy());
    QVERIFY(!log.contains("anim finish"));

    queue.enqueueAction(new LoggingAction(&log, "last"));
    QVERIFY(queue.isEmpty());
    QVERIFY(!queue.isBusy());
    QCOMPARE(log.indexOf("anim finish"), 1);
    QCOMPARE(log.indexOf("0"), 2);
    QVERIFY(log.indexOf("last") > log.indexOf("18"));

    // The flushed animation's time line is stopped: it never steps the queue again.
    QVERIFY(animation);
    QCOMPARE(animation->timeLine()->state(), QTimeLine::NotRunning);
    QTRY_VERIFY(animation.isNull());
    QCOMPARE(log.count(QStringLiteral("anim deleted")), 1);
}

void TestGameWindowActionQueue::animationsOffRunInsideTheEnqueue()
{
    QStringList log;
    int repaints = 0;
    GameWindowActionQueue queue([&repaints] { ++repaints; });
    setAnimations(false);

    queue.enqueueAction(new LoggingAction(&log, "a"));
    QPointer<GameWindowAnimation> animation = new LoggingAnimation(&log, "anim");
    queue.enqueueAnimation(animation);
    queue.enqueueAction(new LoggingAction(&log, "b"));
    QVERIFY(animation.isNull()); // deleted at once, never started
    QCOMPARE(log, QStringList({"a", "a deleted", "anim start instant", "anim finish instant",
                               "anim deleted", "b", "b deleted"}));
    QVERIFY(queue.isEmpty());
    QVERIFY(!queue.isBusy());
    QVERIFY(repaints >= 3);

    // Switching animations off while one runs ends it with the next event.
    setAnimations(true);
    animation = new LoggingAnimation(&log, "anim2", 60000);
    queue.enqueueAnimation(animation);
    setAnimations(false);
    queue.enqueueAction(new LoggingAction(&log, "c"));
    QVERIFY(queue.isEmpty());
    QCOMPARE(log.mid(log.indexOf("anim2 start")),
             QStringList({"anim2 start", "anim2 finish", "c", "c deleted"}));
    QTRY_VERIFY(animation.isNull());
}

void TestGameWindowActionQueue::clearingAndDestroyingNeverRun()
{
    QStringList log;
    {
        GameWindowActionQueue queue;
        queue.enqueueAnimation(new LoggingAnimation(&log, "anim", 60000));
        queue.enqueueAction(new LoggingAction(&log, "a"));
        queue.clear();
        QVERIFY(!queue.isBusy());
        QCOMPARE(log, QStringList({"anim start", "anim deleted", "a deleted"}));

        log.clear();
        queue.enqueueAnimation(new LoggingAnimation(&log, "second", 60000));
        queue.enqueueAnimation(new LoggingAnimation(&log, "third", 60000));
        queue.enqueueAction(new LoggingAction(&log, "b"));
    }
    // Destroyed mid-animation: the waiting animations and actions go, none runs.
    QCOMPARE(log.count(QStringLiteral("second deleted")), 1);
    QCOMPARE(log.count(QStringLiteral("third deleted")), 1);
    QCOMPARE(log.count(QStringLiteral("b deleted")), 1);
    QVERIFY(!log.contains("second finish"));
    QVERIFY(!log.contains("third start"));
    QVERIFY(!log.contains("b"));
}

void TestGameWindowActionQueue::actionsThatChangeTheQueueRunOnce()
{
    QStringList log;
    GameWindowActionQueue queue;

    // An action that queues more: they run after what was already waiting, in order,
    // and an animation queued from inside still holds the queue.
    queue.enqueueAnimation(new LoggingAnimation(&log, "anim", 60000));
    queue.enqueueAction(new LoggingAction(&log, "a", [&] {
        queue.enqueueAction(new LoggingAction(&log, "a2"));
        queue.enqueueAnimation(new LoggingAnimation(&log, "inner", 60000));
        queue.enqueueAction(new LoggingAction(&log, "a3"));
    }));
    queue.enqueueAction(new LoggingAction(&log, "b"));
    queue.nextAction(); // the first animation ends early (as its finished() would)
    QCOMPARE(log, QStringList({"anim start", "anim finish", "a", "a deleted", "b", "b deleted",
                               "a2", "a2 deleted", "inner start"}));
    QVERIFY(queue.isBusy());
    QCOMPARE(queue.size(), 2);

    // An action that flushes or clears the queue while it runs.
    log.clear();
    queue.enqueueAction(new LoggingAction(&log, "flushing", [&] { queue.flush(); }));
    queue.enqueueAction(new LoggingAction(&log, "x"));
    queue.nextAction();
    QCOMPARE(log, QStringList({"inner finish", "a3", "a3 deleted", "flushing", "x", "x deleted",
                               "flushing deleted"}));
    QVERIFY(queue.isEmpty());

    log.clear();
    queue.enqueueAnimation(new LoggingAnimation(&log, "last", 60000));
    queue.enqueueAction(new LoggingAction(&log, "clearing", [&] { queue.clear(); }));
    queue.enqueueAction(new LoggingAction(&log, "dropped"));
    queue.nextAction();
    QCOMPARE(log, QStringList({"last start", "last finish", "clearing", "dropped deleted",
                               "clearing deleted"}));
    QVERIFY(queue.isEmpty());
    QVERIFY(!queue.isBusy());
    QTRY_COMPARE(log.count(QStringLiteral("last deleted")), 1);
    QCOMPARE(log.count(QStringLiteral("inner deleted")), 1);
    QCOMPARE(log.count(QStringLiteral("anim deleted")), 1);
}

MAHJONG_TEST_MAIN(TestGameWindowActionQueue)
#include "tst_gamewindowactionqueue.moc"
