#pragma once

#include "connection/ComingEvent.h"

#include <QLabel>
#include <QTimer>

// A small notice inside the host widget that counts down to one coming event once a
// second and removes itself when the moment has come. Clicks pass through it.
class ComingEventPopup : public QLabel
{
    Q_OBJECT

public:
    static constexpr int TickMs = 1000;

    ComingEventPopup(QWidget *host, const ComingEvent &event);

    const ComingEvent &comingEvent() const { return m_event; }

    // The countdown text of an event kind, "%1" standing for the time left.
    static QString textForKind(qint32 kind);

signals:
    void expired();

public slots:
    void onTimeout();

protected:
    void changeEvent(QEvent *event) override;

private:
    ComingEvent m_event;
    QTimer m_timer;
    bool m_expired = false;
};
