#include "ui/ULabel.h"

#include "app/Utils.h"
#include "ui/PlainToolTip.h"

#include <QEvent>

ULabel::ULabel(QWidget *parent, Qt::WindowFlags f)
    : QLabel(QString(), parent, f)
{
    // The text is cut by characters, and names come from the server: never rich text.
    setTextFormat(Qt::PlainText);
}

ULabel::ULabel(const QString &text, QWidget *parent, Qt::WindowFlags f)
    : ULabel(parent, f)
{
    setText(text);
}

void ULabel::setText(const QString &text)
{
    if (text == m_fullText)
        return;
    m_fullText = text;
    setToolTip(plainToolTip(text));
    elide();
    computeSizeHint();
    // The layout asks again for the room the whole text needs.
    updateGeometry();
}

void ULabel::setElideMode(Qt::TextElideMode mode)
{
    if (mode == m_elideMode)
        return;
    m_elideMode = mode;
    elide();
}

QSize ULabel::sizeHint() const
{
    return m_sizeHint;
}

QSize ULabel::minimumSizeHint() const
{
    if (m_elideMode == Qt::ElideNone)
        return sizeHint();
    return QSize(-1, QLabel::minimumSizeHint().height());
}

void ULabel::resizeEvent(QResizeEvent *)
{
    elide();
}

void ULabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        elide();
    QLabel::changeEvent(event);
}

void ULabel::elide()
{
    QLabel::setText(Utils::elideText(fontMetrics(), m_fullText, m_elideMode, width()));
}

void ULabel::computeSizeHint()
{
    const QString shown = text();
    QLabel::setText(m_fullText);
    m_sizeHint = QLabel::sizeHint();
    QLabel::setText(shown);
}
