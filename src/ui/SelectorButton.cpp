#include "ui/SelectorButton.h"

#include "app/Utils.h"
#include "ui/PlainToolTip.h"

#include <QLabel>
#include <QResizeEvent>

SelectorButton::SelectorButton(QWidget *parent)
    : QPushButton(parent)
    , m_inactiveIcon(new QLabel(this))
{
    setCheckable(true);
    m_inactiveIcon->hide();
    setKind(0);
    m_inactiveIcon->setPixmap(QPixmap(QStringLiteral("resources:/inactive-table-icon.png")));
}

void SelectorButton::setText(const QString &name)
{
    // "&" would mark a shortcut letter.
    QPushButton::setText(Utils::elideMiddle(name, 8).replace(QLatin1Char('&'), QStringLiteral("&&")));
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
    m_inactiveIcon->setVisible(!active);
}

void SelectorButton::wantsAttention(bool)
{
}

void SelectorButton::resizeEvent(QResizeEvent *event)
{
    QPushButton::resizeEvent(event);
    const QSize icon = m_inactiveIcon->sizeHint();
    m_inactiveIcon->setGeometry(width() - icon.width() - 8, (height() - icon.height()) / 2,
                                icon.width(), icon.height());
}
