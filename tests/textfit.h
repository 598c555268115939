#pragma once

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

// Whether the texts a window shows stand whole: each visible label's and button's text
// measured with its widget's font against the room the widget gives it, and each tab bar
// against the width its tabs need.
namespace TextFit {

// The size a label's text takes unwrapped: its widest line and its lines' height.
inline QSize unwrappedSize(const QLabel *label)
{
    const QString text = label->text();
    if (label->textFormat() == Qt::RichText
        || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
        QTextDocument document;
        document.setDefaultFont(label->font());
        document.setDocumentMargin(0);
        document.setHtml(text);
        return QSize(int(std::ceil(document.idealWidth())), int(std::ceil(document.size().height())));
    }
    const QFontMetrics metrics = label->fontMetrics();
    const QStringList lines = text.split(QLatin1Char('\n'));
    int width = 0;
    for (const QString &line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    return QSize(width, metrics.height() + int(lines.size() - 1) * metrics.lineSpacing());
}

// Where a label draws its text: its contents less its margin and indent.
inline QRect textRoom(const QLabel *label)
{
    const int margin = label->margin();
    QRect room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    int indent = label->indent();
    if (indent < 0 && label->frameWidth() > 0)
        indent = label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - margin;
    if (indent > 0) {
        const Qt::Alignment align = label->alignment();
        if (align & Qt::AlignLeft)
            room.setLeft(room.left() + indent);
        if (align & Qt::AlignRight)
            room.setRight(room.right() - indent);
        if (align & Qt::AlignTop)
            room.setTop(room.top() + indent);
        if (align & Qt::AlignBottom)
            room.setBottom(room.bottom() - indent);
    }
    return room;
}

// What a label lacks to show its text whole; empty when it fits. A wrapped label needs
// the height its text takes at its width, and the width of its longest unbreakable run.
inline QString labelShortfall(const QLabel *label)
{
    const QString size = QStringLiteral("%1x%2");
    if (label->wordWrap()) {
        const int height = label->heightForWidth(label->width());
        const int width = label->minimumSizeHint().width();
        if (height <= label->height() && width <= label->width())
            return {};
        return QStringLiteral("wrapped needs %1 has %2")
            .arg(size.arg(width).arg(height), size.arg(label->width()).arg(label->height()));
    }
    const QSize text = unwrappedSize(label);
    const QRect room = textRoom(label);
    if (text.width() <= room.width() && text.height() <= room.height())
        return {};
    return QStringLiteral("needs %1 has %2")
        .arg(size.arg(text.width()).arg(text.height()), size.arg(room.width()).arg(room.height()));
}

// What a button lacks to show its text (and icon) whole; empty when it fits.
inline QString buttonShortfall(const QAbstractButton *button)
{
    QString text = button->text();
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    const int iconWidth = button->icon().isNull() ? 0 : button->iconSize().width();
    int needed = button->fontMetrics().horizontalAdvance(text);
    int room = button->contentsRect().width() - iconWidth;
    if (const auto *push = qobject_cast<const QPushButton *>(button)) {
        // A push button needs the style's margins around its text too (the option has no
        // text, so the style's wider floor for buttons with text stays out).
        QStyleOptionButton option;
        option.initFrom(push);
        if (push->isDefault())
            option.features |= QStyleOptionButton::DefaultButton;
        if (push->autoDefault())
            option.features |= QStyleOptionButton::AutoDefaultButton;
        needed = push->style()
                     ->sizeFromContents(QStyle::CT_PushButton, &option,
                                        QSize(needed + iconWidth, push->fontMetrics().height()), push)
                     .width();
        room = push->width();
    }
    if (needed <= room)
        return {};
    return QStringLiteral("needs %1 has %2").arg(QString::number(needed), QString::number(room));
}

// The visible labels, buttons and tab bars under root whose text is cut, each with its
// name, text and what it lacks.
inline QStringList cutTexts(const QWidget *root)
{
    QStringList found;
    for (const QWidget *widget : root->findChildren<QWidget *>()) {
        if (!widget->isVisible())
            continue;
        const QString name = widget->objectName() + QStringLiteral(": ");
        if (const auto *label = qobject_cast<const QLabel *>(widget)) {
            if (label->text().isEmpty())
                continue;
            const QString shortfall = labelShortfall(label);
            if (!shortfall.isEmpty())
                found << name + label->text() + QStringLiteral(" (") + shortfall + QLatin1Char(')');
        } else if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
            const QString shortfall = buttonShortfall(button);
            if (!shortfall.isEmpty())
                found << name + button->text() + QStringLiteral(" (") + shortfall + QLatin1Char(')');
        } else if (const auto *bar = qobject_cast<const QTabBar *>(widget)) {
            // Tabs that do not fit are elided or scrolled.
            if (bar->width() < bar->sizeHint().width())
                found << name + QStringLiteral("tabs");
        }
    }
    return found;
}

} // namespace TextFit
