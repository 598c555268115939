#include "lobby/ComingEventsView.h"

#include "app/Singleton.h"
#include "connection/ServerTime.h"
#include "lobby/ComingEventPopup.h"
#include "lobby/ComingEventsModel.h"

#include <QTimerEvent>
#include <QWidget>

ComingEventsView::ComingEventsView(ComingEventsModel *model, QWidget *host)
    : QObject(host)
    , m_model(model)
{
    m_timerId = startTimer(CheckIntervalMs);
    connect(model, &ComingEventsModel::comingEventsChanged, this, &ComingEventsView::onComingEvents);
    host->installEventFilter(this);
}

bool ComingEventsView::isRelevant(const ComingEvent &event, const QDateTime &now)
{
    switch (event.kind) {
    case ComingEvent::TournamentStart:
    case ComingEvent::RoundStart:
        return now < event.time && now.secsTo(event.time) < TournamentNoticeSecs;
    case ComingEvent::RoundEnd:
        return false;
    default:
        return now < event.time;
    }
}

std::optional<ComingEvent> ComingEventsView::firstRelevant(const ComingEvents &events,
                                                           const QDateTime &now)
{
    for (const ComingEvent &event : events) {
        if (isRelevant(event, now))
            return event;
    }
    return std::nullopt;
}

ComingEventPopup *ComingEventsView::currentPopup() const
{
    // A notice that expired or was replaced is hidden until its deferred deletion.
    const auto popups = host()->findChildren<ComingEventPopup *>();
    for (ComingEventPopup *popup : popups) {
        if (!popup->isHidden())
            return popup;
    }
    return nullptr;
}

void ComingEventsView::onComingEvents(const ComingEvents &events)
{
    updatePopup(events);
}

void ComingEventsView::onPopupExpired()
{
    if (m_model)
        updatePopup(m_model->comingEvents());
}

void ComingEventsView::updatePopup(const ComingEvents &events)
{
    const std::optional<ComingEvent> first =
        firstRelevant(events, Singleton<ServerTime>::instance().now());
    if (ComingEventPopup *existing = currentPopup()) {
        if (first && existing->comingEvent() == *first)
            return;
        existing->hide();
        existing->deleteLater();
    }
    if (!first)
        return;
    auto *popup = new ComingEventPopup(host(), *first);
    popup->show();
    place(popup);
    popup->installEventFilter(this);
    connect(popup, &ComingEventPopup::expired, this, &ComingEventsView::onPopupExpired);
}

void ComingEventsView::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_timerId)
        onPopupExpired();
    else
        QObject::timerEvent(event);
}

void ComingEventsView::setPosition(const QPoint &position)
{
    m_position = position;
    m_area = nullptr;
    if (ComingEventPopup *popup = currentPopup())
        place(popup);
}

void ComingEventsView::setArea(Area area)
{
    m_area = std::move(area);
    if (ComingEventPopup *popup = currentPopup())
        place(popup);
}

void ComingEventsView::updatePlace()
{
    // Layouts settle in posted events; the notice is placed after them.
    if (m_placeQueued)
        return;
    m_placeQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_placeQueued = false;
            if (ComingEventPopup *popup = currentPopup())
                place(popup);
        },
        Qt::QueuedConnection);
}

void ComingEventsView::place(ComingEventPopup *popup) const
{
    if (popup->size() != popup->sizeHint())
        popup->resize(popup->sizeHint());
    if (!m_area) {
        popup->move(m_position);
        return;
    }
    // The whole text, in the area where it fits, and inside the host.
    const QRect area = m_area(popup->size());
    const int x = popup->width() <= area.width() ? area.x() + (area.width() - popup->width()) / 2 : area.x();
    popup->move(qMax(0, qMin(x, host()->width() - popup->width())), area.y());
}

bool ComingEventsView::eventFilter(QObject *watched, QEvent *event)
{
    // The host's size moves the area once its layout has followed; a new text changes
    // the notice's width at once.
    if (event->type() == QEvent::Resize) {
        if (watched == host())
            updatePlace();
        else if (ComingEventPopup *popup = currentPopup(); popup && watched == popup)
            place(popup);
    }
    return QObject::eventFilter(watched, event);
}

QWidget *ComingEventsView::host() const
{
    return static_cast<QWidget *>(parent());
}
