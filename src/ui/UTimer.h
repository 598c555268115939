#pragma once

#include <QDateTime>
#include <QObject>
#include <QTimer>

class TimeSpan;

// A countdown to a deadline on the server clock, ticking once a second. The remaining time
// is measured afresh on every tick, so late ticks never add up.
class UTimer : public QObject
{
    Q_OBJECT

public:
    explicit UTimer(QObject *parent = nullptr);

    void start(const TimeSpan &span);
    void stop();

    bool isActive() const { return m_timer.isActive(); }
    QDateTime deadline() const { return m_deadline; }

signals:
    // Milliseconds left (never negative) and the length of the countdown.
    void update(int remaining, int total);
    // The deadline is reached; emitted once per countdown, together with update(0, total).
    void timeout();

public slots:
    void intervalTimeout();

private:
    void tick();

    QTimer m_timer;
    qint64 m_total = 0;
    int m_interval = 1000;
    QDateTime m_deadline;
};
