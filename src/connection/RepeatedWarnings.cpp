#include "connection/RepeatedWarnings.h"

#include <QDebug>

RepeatedWarnings::RepeatedWarnings(QObject *parent) : QObject(parent)
{
    m_interval.setInterval(IntervalMs);
    connect(&m_interval, &QTimer::timeout, this, &RepeatedWarnings::report);
}

RepeatedWarnings::~RepeatedWarnings()
{
    report();
}

void RepeatedWarnings::warn(const QString &kind, const QString &text)
{
    if (m_kinds.isEmpty()) {
        m_since.start();
        m_interval.start();
    }
    Kind &counts = m_kinds[kind];
    counts.active = true;
    if (counts.logged < FullWarnings) {
        ++counts.logged;
        qWarning().noquote() << text;
    } else {
        ++counts.counted;
    }
}

void RepeatedWarnings::report()
{
    if (m_kinds.isEmpty())
        return;
    const qint64 seconds = (m_since.elapsed() + 999) / 1000;
    for (auto it = m_kinds.begin(); it != m_kinds.end();) {
        if (!it->active) {
            it = m_kinds.erase(it);
            continue;
        }
        if (it->counted > 0)
            qWarning().noquote() << QStringLiteral("%1 %2 more times in the last %3 s")
                                        .arg(it.key(), QString::number(it->counted), QString::number(seconds));
        it->counted = 0;
        it->active = false;
        ++it;
    }
    m_since.start();
    if (m_kinds.isEmpty())
        m_interval.stop();
}
