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

    // The free part of the host where notices stand, in host coordinates, asked again
    // whenever the host or the notice is resized: a notice is centred at its top.
    void setArea(std::function<QRect()> area);

    static bool isRelevant(const ComingEvent &event, const QDateTime &now);
    static std::optional<ComingEvent> firstRelevant(const ComingEvents &events, const QDateTime &now);

    // The notice on show, or null.
    ComingEventPopup *currentPopup() const;

public slots:
    void onComingEvents(const ComingEvents &events);
    void onPopupExpired();
    void updatePopup(const ComingEvents &events);

protected:
    void timerEvent(QTimerEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *host() const;
    void place(ComingEventPopup *popup) const;

    QPointer<ComingEventsModel> m_model;
    std::function<QRect()> m_area;
    int m_timerId = 0;
};
