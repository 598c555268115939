#pragma once

#include <QColor>
#include <QDateTime>
#include <QTimer>
#include <QWidget>

class TimeSpan;

// How much of a time limit on the server clock is left: a pie shrinking from a full
// circle to nothing, or the whole seconds as a number. It repaints itself on its own
// timer until the end has passed, and says when a countdown shows no time any more.
// Style sheets set the four properties.
class TimerView : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(DisplayType displayType READ displayType WRITE setDisplayType)
    Q_PROPERTY(PieType pieType READ pieType WRITE setPieType)
    Q_PROPERTY(QColor solidColor READ solidColor WRITE setSolidColor)
    Q_PROPERTY(int shadowOffset READ shadowOffset WRITE setShadowOffset)

public:
    enum DisplayType { DEC_COUNTER = 0, DEC_PIE = 1 };
    Q_ENUM(DisplayType)
    enum PieType { PIE_GRADIENT = 0, PIE_COLOR = 1 };
    Q_ENUM(PieType)

    explicit TimerView(QWidget *parent = nullptr, Qt::WindowFlags flags = {},
                       DisplayType displayType = DEC_PIE, PieType pieType = PIE_GRADIENT);
    ~TimerView() override;

    // An empty span (null end) clears the display; a null start means now.
    void setTimeSpan(const TimeSpan &span);
    void setEndTime(const QDateTime &end);

    DisplayType displayType() const { return m_displayType; }
    void setDisplayType(DisplayType type);
    PieType pieType() const { return m_pieType; }
    void setPieType(PieType type);
    QColor solidColor() const { return m_solidColor; }
    void setSolidColor(const QColor &color);
    int shadowOffset() const { return m_shadowOffset; }
    void setShadowOffset(int offset);

    // Length of the current span in milliseconds, 0 for none.
    qint64 length() const { return m_length; }
    // Milliseconds left on the server clock, 0 when none or past.
    qint64 remainingMs() const;
    // The number the counter display shows: whole seconds left, halves rounded up.
    int secondsShown() const;
    // Whether the display shows time left: a pie, or a number above 0.
    bool showsTime() const { return msShown() > 0; }
    // The repaint timer.
    bool isUpdating() const { return m_updateTimer.isActive(); }
    int updateInterval() const { return m_updateTimer.interval(); }

signals:
    // A span that showed time left shows none any more: the pie is gone, or the counter's
    // last second. Not for a span replaced or cleared before.
    void ranOut();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Milliseconds for which the display still shows time left on the server clock.
    qint64 msShown() const;
    // Looks again at the time shown: says ranOut() when there is none, else waits for
    // the end of what is left, which follows the server clock's corrections.
    void checkRunOut();
    void paintPie(QPainter &painter, double fraction);
    void paintCounter(QPainter &painter, qint64 remaining);
    static int secondsFor(qint64 remainingMs);

    QTimer m_updateTimer;
    QTimer m_runOutTimer;
    // The span showed time left and has not run out yet.
    bool m_counting = false;
    qint64 m_length = 0;
    QDateTime m_end;
    DisplayType m_displayType;
    PieType m_pieType;
    QColor m_solidColor = Qt::white;
    int m_shadowOffset = 0;
};
