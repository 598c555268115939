#include "SteeredDispatcher.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimerEvent>

#include <poll.h>

#include <algorithm>
#include <vector>

namespace {

// Rounds of events served at one time of the clock before they are taken as never
// stopping.
constexpr int MaxRounds = 200000;

} // namespace

SteeredDispatcher::SteeredDispatcher(qint64 startMs) : m_nowMs(startMs) {}

std::optional<qint64> SteeredDispatcher::nextDueMs(qint64 limitMs) const
{
    if (const int id = firstDue(limitMs))
        return m_timers.at(id).dueMs;
    return std::nullopt;
}

bool SteeredDispatcher::restart(qint64 startMs)
{
    if (!m_timers.empty() || !m_notifiers.empty())
        return false;
    m_nowMs = startMs;
    m_posted = true;
    return true;
}

bool SteeredDispatcher::settle()
{
    for (int round = 0; round < MaxRounds; ++round) {
        if (!processEvents(QEventLoop::AllEvents))
            return true;
    }
    return false;
}

QList<qintptr> SteeredDispatcher::watchedSockets() const
{
    QList<qintptr> sockets;
    for (const QSocketNotifier *notifier : m_notifiers) {
        if (!sockets.contains(notifier->socket()))
            sockets.append(notifier->socket());
    }
    return sockets;
}

int SteeredDispatcher::firstDue(qint64 ms) const
{
    int first = 0;
    for (const auto &[id, timer] : m_timers) {
        if (timer.dueMs > ms)
            continue;
        if (first == 0 || std::make_pair(timer.dueMs, timer.started)
                < std::make_pair(m_timers.at(first).dueMs, m_timers.at(first).started))
            first = id;
    }
    return first;
}

bool SteeredDispatcher::processEvents(QEventLoop::ProcessEventsFlags)
{
    bool served = false;
    if (m_posted.exchange(false)) {
        QCoreApplication::sendPostedEvents();
        served = true;
    }

    // Every socket ready now, each told once.
    std::vector<pollfd> polled;
    const QList<QSocketNotifier *> notifiers = m_notifiers;
    for (const QSocketNotifier *notifier : notifiers)
        polled.push_back({int(notifier->socket()), 0, 0});
    for (qsizetype i = 0; i < notifiers.size(); ++i) {
        switch (notifiers.at(i)->type()) {
        case QSocketNotifier::Read:
            polled[size_t(i)].events = POLLIN;
            break;
        case QSocketNotifier::Write:
            polled[size_t(i)].events = POLLOUT;
            break;
        case QSocketNotifier::Exception:
            polled[size_t(i)].events = POLLPRI;
            break;
        }
    }
    if (!polled.empty() && poll(polled.data(), polled.size(), 0) > 0) {
        for (qsizetype i = 0; i < notifiers.size(); ++i) {
            if (polled[size_t(i)].revents == 0 || !m_notifiers.contains(notifiers.at(i)))
                continue;
            QEvent event(QEvent::SockAct);
            QCoreApplication::sendEvent(notifiers.at(i), &event);
            served = true;
        }
    }

    // One timer due, the first; the next round serves what it started before another.
    if (const int id = firstDue(m_nowMs)) {
        Timer &timer = m_timers.at(id);
        timer.dueMs = m_nowMs + timer.intervalMs;
        timer.started = ++m_started;
        QObject *object = timer.object;
        QTimerEvent event(id);
        QCoreApplication::sendEvent(object, &event);
        served = true;
    }
    return served;
}

void SteeredDispatcher::registerSocketNotifier(QSocketNotifier *notifier)
{
    if (!m_notifiers.contains(notifier))
        m_notifiers.append(notifier);
}

void SteeredDispatcher::unregisterSocketNotifier(QSocketNotifier *notifier)
{
    m_notifiers.removeAll(notifier);
}

void SteeredDispatcher::registerTimer(int timerId, qint64 interval, Qt::TimerType timerType, QObject *object)
{
    m_timers[timerId] = {m_nowMs + interval, ++m_started, interval, timerType, object};
}

bool SteeredDispatcher::unregisterTimer(int timerId)
{
    return m_timers.erase(timerId) > 0;
}

bool SteeredDispatcher::unregisterTimers(QObject *object)
{
    bool any = false;
    for (auto it = m_timers.begin(); it != m_timers.end();) {
        if (it->second.object == object) {
            it = m_timers.erase(it);
            any = true;
        } else {
            ++it;
        }
    }
    return any;
}

QList<QAbstractEventDispatcher::TimerInfo> SteeredDispatcher::registeredTimers(QObject *object) const
{
    QList<TimerInfo> timers;
    for (const auto &[id, timer] : m_timers) {
        if (timer.object == object)
            timers.append(TimerInfo(id, int(timer.intervalMs), timer.type));
    }
    return timers;
}

int SteeredDispatcher::remainingTime(int timerId)
{
    const auto timer = m_timers.find(timerId);
    if (timer == m_timers.end())
        return -1;
    return int(std::max<qint64>(timer->second.dueMs - m_nowMs, 0));
}

void SteeredDispatcher::wakeUp()
{
    m_posted = true;
}
