#pragma once

#include <QAbstractEventDispatcher>
#include <QList>

#include <algorithm>
#include <atomic>
#include <map>
#include <optional>

class QSocketNotifier;

// An event dispatcher whose timers run on a clock the caller moves, for one thread that
// it serves from the start: a timer fires once the clock has come to its time, however
// long that took, and never before. Posted events and the socket notifiers are served
// as any dispatcher serves them, without waiting. The clock reads in milliseconds and
// only the caller moves it.
class SteeredDispatcher : public QAbstractEventDispatcher
{
public:
    explicit SteeredDispatcher(qint64 startMs);

    qint64 nowMs() const { return m_nowMs; }
    // When the first timer due by the time given is due; none when no timer is.
    std::optional<qint64> nextDueMs(qint64 limitMs) const;
    // Moves the clock on to the time given (never back); the timers due by then fire as
    // events are served. To fire each at its own time, move to each nextDueMs() in turn.
    void moveTo(qint64 ms) { m_nowMs = std::max(m_nowMs, ms); }
    // Puts the clock back to the time given for a run of its own, which finds it as a
    // dispatcher made anew: false, and nothing changed, while a timer or a socket of the
    // run before is still registered.
    bool restart(qint64 startMs);
    // Serves events until none is left for the present: posted events, sockets ready,
    // timers due. False when they never stop, as with a timer that starts itself again
    // without a pause.
    bool settle();
    // The socket descriptors the notifiers watch.
    QList<qintptr> watchedSockets() const;

    bool processEvents(QEventLoop::ProcessEventsFlags flags) override;
    void registerSocketNotifier(QSocketNotifier *notifier) override;
    void unregisterSocketNotifier(QSocketNotifier *notifier) override;
    void registerTimer(int timerId, qint64 interval, Qt::TimerType timerType, QObject *object) override;
    bool unregisterTimer(int timerId) override;
    bool unregisterTimers(QObject *object) override;
    QList<TimerInfo> registeredTimers(QObject *object) const override;
    int remainingTime(int timerId) override;
    void wakeUp() override;
    void interrupt() override {}

private:
    struct Timer
    {
        qint64 dueMs;
        // When it was started (again), in order: of two timers due at once, the one
        // started first fires first, whatever their ids.
        quint64 started;
        qint64 intervalMs;
        Qt::TimerType type;
        QObject *object;
    };

    // The timer due first at the time given, 0 for none.
    int firstDue(qint64 ms) const;

    qint64 m_nowMs;
    std::map<int, Timer> m_timers;
    quint64 m_started = 0;
    QList<QSocketNotifier *> m_notifiers;
    std::atomic<bool> m_posted{true};
};
