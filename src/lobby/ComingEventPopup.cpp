#include "lobby/ComingEventPopup.h"

#include "app/Singleton.h"
#include "app/Utils.h"
#include "connection/ServerTime.h"

#include <QEvent>

ComingEventPopup::ComingEventPopup(QWidget *host, const ComingEvent &event)
    : QLabel(host)
    , m_event(event)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setTextFormat(Qt::PlainText);
    m_timer.setSingleShot(false);
    m_timer.setInterval(TickMs);
    connect(&m_timer, &QTimer::timeout, this, &ComingEventPopup::onTimeout);
    QTimer::singleShot(0, this, &ComingEventPopup::onTimeout);
    m_timer.start();
}

QString ComingEventPopup::textForKind(qint32 kind)
{
    switch (kind) {
    case ComingEvent::ServerMaintenance:
        return tr("Server will go down for maintenance in %1");
    case ComingEvent::TournamentStart:
        return tr("You are registered for tournament starting in %1");
    case ComingEvent::RoundStart:
        return tr("Next tournament round starts in %1");
    case ComingEvent::RoundEnd:
        return tr("Current tournament round ends in %1");
    default:
        return QString();
    }
}

void ComingEventPopup::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    // Another language or font: the text and its room at once, not at the next tick.
    if (event->type() == QEvent::LanguageChange || event->type() == QEvent::FontChange)
        onTimeout();
}

void ComingEventPopup::onTimeout()
{
    if (m_expired)
        return;
    const QDateTime now = Singleton<ServerTime>::instance().now();
    if (now < m_event.time) {
        setText(textForKind(m_event.kind).arg(Utils::timeLeftText(now, m_event.time)));
        resize(sizeHint());
        return;
    }
    m_expired = true;
    m_timer.stop();
    emit expired();
    hide();
    deleteLater();
}
