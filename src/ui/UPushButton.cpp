#include "ui/UPushButton.h"

#include "ui/PlainToolTip.h"

#include <QHelpEvent>
#include <QToolTip>

UPushButton::UPushButton(QWidget *parent)
    : QPushButton(parent)
{
    connect(this, &QAbstractButton::clicked, this, &UPushButton::onClicked);
}

UPushButton::UPushButton(const QString &text, QWidget *parent)
    : UPushButton(parent)
{
    setText(text);
}

void UPushButton::onClicked()
{
    if (m_id >= 0)
        emit clicked(m_id);
}

QString UPushButton::composedToolTip()
{
    const bool stale = shortcut() != m_lastShortcut || toolTip() != m_lastToolTip
        || (toolTip().isEmpty() && text() != m_lastText);
    if (!stale)
        return m_composedToolTip;

    m_lastShortcut = shortcut();
    m_lastToolTip = toolTip();
    QString base = m_lastToolTip;
    if (base.isEmpty()) {
        m_lastText = text();
        base = m_lastText;
    }
    m_composedToolTip = base;
    if (!m_lastShortcut.isEmpty())
        m_composedToolTip += QStringLiteral(" (") + m_lastShortcut.toString(QKeySequence::NativeText)
            + QLatin1Char(')');
    return m_composedToolTip;
}

bool UPushButton::event(QEvent *e)
{
    if (e->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(e);
        QToolTip::showText(help->globalPos(), plainToolTip(composedToolTip()), this);
        return true;
    }
    return QPushButton::event(e);
}
