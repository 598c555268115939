#pragma once

#include "connection/ComingEvent.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>

#include <functional>
#include <optional>

class ComingEventsModel;
class ComingEventPopup;
class QWidget;

// Keeps at most one coming-event notice in the host widget: the one of the first event
// that is worth announcing now. Looks again whenever the list changes and every 10 s,
// so a tournament start entering its last hour gets its notice without a list change.
class ComingEventsView : public QObject
{
    Q_OBJECT

public:
    static constexpr int CheckIntervalMs = 10000;
    // Tournament and round starts are announced from this many seconds before.
    static constexpr int TournamentNoticeSecs = 3600;

    ComingEventsView(ComingEventsModel *model, QWidget *host);

    // Notices stand at a fixed place: their top-left corner at this point of the host.
    void setPosition(const QPoint &position);
    // Notices stand at the top of a free part of the host, in host coordinates, asked
    // for a notice of the given size whenever the host or the notice changes its size:
    // centred in it when they fit, from its left edge when they do not (so an empty area
    // puts their corner at its top-left), and always within the host.
    using Area = std::function<QRect(const QSize &notice)>;
    void setArea(Area area);

    static bool isRelevant(const ComingEvent &event, const QDateTime &now);
    static std::optional<ComingEvent> firstRelevant(const ComingEvents &events, const QDateTime &now);

    // The notice on show, or null.
    ComingEventPopup *currentPopup() const;

public slots:
    void onComingEvents(const ComingEvents &events);
    void onPopupExpired();
    void updatePopup(const ComingEvents &events);
    // Places the notice again once the host's layout has settled: after the host shows
    // another page, whose free part is elsewhere.
    void updatePlace();

protected:
    void timerEvent(QTimerEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *host() const;
    void place(ComingEventPopup *popup) const;

    QPointer<ComingEventsModel> m_model;
    QPoint m_position;
    Area m_area;
    int m_timerId = 0;
    bool m_placeQueued = false;
};
