#pragma once

#include <QStyledItemDelegate>

// Gives every row of a list the height of a line that mixes Latin and CJK text and sets
// every cell's text on the baseline of that line, so cells whose text falls back to a
// CJK font line up with the others.
class EvenRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // The height of one line of Latin and CJK text in that font, fallback fonts included.
    static int mixedLineHeight(const QFont &font);
    // The ascent of that line.
    static qreal mixedLineAscent(const QFont &font);
};
