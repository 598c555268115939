#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>

// Warnings about what a server sends, which a hostile server could repeat without end:
// of each kind the first FullWarnings are logged as they come, the rest counted and
// logged as one line per IntervalMs (and at the end), so that the log cannot fill the
// disk. A kind that stays quiet for a whole interval is logged in full again.
class RepeatedWarnings : public QObject
{
public:
    static constexpr int FullWarnings = 5;
    static constexpr int IntervalMs = 10000;

    explicit RepeatedWarnings(QObject *parent = nullptr);
    ~RepeatedWarnings() override;

    // The kind names the warning in the count line, e.g. "player_joined_t refused".
    void warn(const QString &kind, const QString &text);

private:
    void report();

    struct Kind
    {
        int logged = 0;
        qint64 counted = 0;
        bool active = false;
    };
    QHash<QString, Kind> m_kinds;
    QTimer m_interval;
    QElapsedTimer m_since;
};
