#include "ui/SelectorButton.h"

#include "app/Utils.h"
#include "table/sidebar/TimerView.h"
#include "ui/PlainToolTip.h"

#include <QLabel>
#include <QResizeEvent>

SelectorButton::SelectorButton(QWidget *parent)
    : QPushButton(parent)
    , m_countdown(new TimerView(this, {}, TimerView::DEC_PIE, TimerView::PIE_GRADIENT))
    , m_inactiveIcon(new QLabel(this))
{
    m_countdown->setObjectName(QStringLiteral("tableTimeout"));
    setCheckable(true);
    m_inactiveIcon->hide();
    setKind(0);
    m_inactiveIcon->setPixmap(QPixmap(QStringLiteral("resources:/inactive-table-icon.png")));
}

void SelectorButton::setText(const QString &name)
{
    // The whole name where it fits the button's room, else cut in the middle; "&" would
    // mark a shortcut letter.
    const QString shown = Utils::elideText(fontMetrics(), name, Qt::ElideMiddle, MaxTextWidth);
    QPushButton::setText(QString(shown).replace(QLatin1Char('&'), QStringLiteral("&&")));
    setToolTip(plainToolTip(name));
}

void SelectorButton::setKind(int kind)
{
    m_kind = kind;
    switch (kind) {
    case 0:
        setIcon(QIcon(QStringLiteral("resources:/smiley-normal.png")));
        break;
    case 1:
        setIcon(QIcon(QStringLiteral("resources:/dollar-normal.png")));
        break;
    case 2:
        setIcon(QIcon(QStringLiteral("resources:/trophy-normal.png")));
        break;
    default:
        setIcon(QIcon());
        break;
    }
}

void SelectorButton::setTableActive(bool active)
{
    m_active = active;
    m_countdown->setVisible(active);
    m_inactiveIcon->setVisible(!active);
}

void SelectorButton::setTimeSpan(const TimeSpan &span)
{
    m_countdown->setTimeSpan(span);
}

void SelectorButton::wantsAttention(bool)
{
}

void SelectorButton::resizeEvent(QResizeEvent *event)
{
    QPushButton::resizeEvent(event);
    constexpr int countdownSize = 12;
    m_countdown->setGeometry(width() - 20, (height() - countdownSize) / 2, countdownSize, countdownSize);
    const QSize icon = m_inactiveIcon->sizeHint();
    m_inactiveIcon->setGeometry(width() - icon.width() - 8, (height() - icon.height()) / 2,
                                icon.width(), icon.height());
}
