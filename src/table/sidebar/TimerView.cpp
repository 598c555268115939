#include "table/sidebar/TimerView.h"

#include "app/Singleton.h"
#include "app/TimeSpan.h"
#include "connection/ServerTime.h"

#include <QConicalGradient>
#include <QPainter>

#include <limits>

namespace {

// Angles of QPainter::drawPie are in 1/16 degree: start at 12 o'clock, a full turn.
constexpr int TwelveOClock = 90 * 16;
constexpr int FullCircle = 360 * 16;

QDateTime serverNow()
{
    return Singleton<ServerTime>::instance().now();
}

} // namespace

TimerView::TimerView(QWidget *parent, Qt::WindowFlags flags, DisplayType displayType, PieType pieType)
    : QWidget(parent, flags), m_displayType(displayType), m_pieType(pieType)
{
    connect(&m_updateTimer, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    connect(&m_updateTimer, &QTimer::timeout, this, &TimerView::checkRunOut);
    m_runOutTimer.setSingleShot(true);
    m_runOutTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_runOutTimer, &QTimer::timeout, this, &TimerView::checkRunOut);
}

TimerView::~TimerView() = default;

void TimerView::setTimeSpan(const TimeSpan &span)
{
    m_end = span.end();
    m_counting = false;
    m_runOutTimer.stop();
    if (!m_end.isValid()) {
        m_length = 0;
        update();
        return;
    }
    const QDateTime start = span.start().isValid() ? span.start() : serverNow();
    m_length = qMax<qint64>(0, start.toUTC().msecsTo(m_end.toUTC()));
    if (m_length > 0) {
        const int interval = m_displayType == DEC_COUNTER
                                 ? 1000
                                 : static_cast<int>(qBound(qint64(100), m_length / 100, qint64(std::numeric_limits<int>::max())));
        m_updateTimer.start(interval);
    }
    m_counting = showsTime();
    checkRunOut();
    update();
}

void TimerView::setEndTime(const QDateTime &end)
{
    setTimeSpan(TimeSpan(serverNow(), end));
}

void TimerView::setDisplayType(DisplayType type)
{
    m_displayType = type;
    // The counter shows no number in the last half second: the run-out comes earlier.
    if (m_counting)
        m_runOutTimer.start(0);
    update();
}

void TimerView::setPieType(PieType type)
{
    m_pieType = type;
    update();
}

void TimerView::setSolidColor(const QColor &color)
{
    m_solidColor = color;
    update();
}

void TimerView::setShadowOffset(int offset)
{
    m_shadowOffset = offset;
    update();
}

qint64 TimerView::remainingMs() const
{
    if (!m_end.isValid())
        return 0;
    return qMax<qint64>(0, serverNow().msecsTo(m_end.toUTC()));
}

int TimerView::secondsShown() const
{
    return secondsFor(remainingMs());
}

qint64 TimerView::msShown() const
{
    const qint64 remaining = remainingMs();
    if (m_displayType == DEC_COUNTER)
        return qMax<qint64>(0, remaining - 499);
    return m_length > 0 ? remaining : 0;
}

void TimerView::checkRunOut()
{
    if (!m_counting)
        return;
    const qint64 left = msShown();
    if (left > 0) {
        m_runOutTimer.start(static_cast<int>(qMin<qint64>(left, std::numeric_limits<int>::max())));
        return;
    }
    m_counting = false;
    m_runOutTimer.stop();
    emit ranOut();
}

int TimerView::secondsFor(qint64 remainingMs)
{
    return static_cast<int>((remainingMs + 500) / 1000);
}

void TimerView::paintEvent(QPaintEvent *)
{
    const QDateTime now = serverNow();
    const qint64 remaining = m_end.isValid() ? qMax<qint64>(0, now.msecsTo(m_end.toUTC())) : 0;
    const double fraction = m_length > 0 ? double(remaining) / double(m_length) : 0.0;
    if (m_updateTimer.isActive() && (!m_end.isValid() || m_end < now))
        m_updateTimer.stop();

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_displayType == DEC_PIE)
        paintPie(painter, fraction);
    else if (m_displayType == DEC_COUNTER)
        paintCounter(painter, remaining);
}

void TimerView::paintPie(QPainter &painter, double fraction)
{
    if (fraction <= 0)
        return;
    painter.setPen(Qt::NoPen);
    const QRect r = rect().adjusted(0, 0, -m_shadowOffset, -m_shadowOffset);
    const int span = static_cast<int>(fraction * FullCircle);
    if (m_shadowOffset != 0) {
        painter.setBrush(QColor(0, 0, 0, 64));
        painter.drawPie(r.translated(m_shadowOffset, m_shadowOffset), TwelveOClock, span);
    }
    if (m_pieType == PIE_GRADIENT) {
        QConicalGradient gradient(r.width() / 2 + 1, r.height() / 2, 90);
        gradient.setColorAt(0.0, Qt::red);
        gradient.setColorAt(0.3, Qt::yellow);
        gradient.setColorAt(1.0, Qt::white);
        painter.setBrush(gradient);
    } else {
        painter.setBrush(m_solidColor);
    }
    painter.drawPie(QRectF(r), TwelveOClock, span);
}

void TimerView::paintCounter(QPainter &painter, qint64 remaining)
{
    const int seconds = secondsFor(remaining);
    if (seconds <= 0)
        return;
    painter.setPen(palette().color(foregroundRole()));
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("%L1").arg(seconds));
}
