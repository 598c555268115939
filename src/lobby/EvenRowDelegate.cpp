#include "lobby/EvenRowDelegate.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

// One laid-out line of the text in the font.
struct Line
{
    Line(const QString &text, const QFont &font) : layout(text, font)
    {
        layout.beginLayout();
        line = layout.createLine();
        layout.endLayout();
    }
    QTextLayout layout;
    QTextLine line;
};

const QString mixedSample = QStringLiteral(u"Ag卓東한");

} // namespace

int EvenRowDelegate::mixedLineHeight(const QFont &font)
{
    return int(std::ceil(Line(mixedSample, font).line.height()));
}

qreal EvenRowDelegate::mixedLineAscent(const QFont &font)
{
    return Line(mixedSample, font).line.ascent();
}

void EvenRowDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QWidget *widget = opt.widget;
    const QStyle *style = widget ? widget->style() : QApplication::style();
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
    const QString text = opt.text;
    // The cell without its text, then the text on the shared baseline.
    opt.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    if (text.isEmpty())
        return;
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect room = textRect.adjusted(margin, 0, -margin, 0);
    const QString shown = QFontMetrics(opt.font).elidedText(text, opt.textElideMode, room.width());
    Line line(shown, opt.font);
    const qreal width = line.line.naturalTextWidth();
    qreal x = room.left();
    if (opt.displayAlignment & Qt::AlignRight)
        x = room.right() + 1 - width;
    else if (opt.displayAlignment & Qt::AlignHCenter)
        x = room.left() + (room.width() - width) / 2;
    // One layout of the sample per cell gives both the line's height and its ascent.
    const Line mixed(mixedSample, opt.font);
    const qreal baseline = textRect.top() + (textRect.height() - std::ceil(mixed.line.height())) / 2.0 + mixed.line.ascent();
    const QPalette::ColorGroup group = !(opt.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (opt.state & QStyle::State_Active) ? QPalette::Normal
                                                                            : QPalette::Inactive;
    painter->save();
    painter->setPen(opt.palette.color(group, (opt.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text));
    painter->setClipRect(textRect);
    line.layout.draw(painter, QPointF(x, baseline - line.line.ascent()));
    painter->restore();
}

QSize EvenRowDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    // The style's margins around one line of Latin text, around the mixed line instead.
    QStyleOptionViewItem latin = option;
    initStyleOption(&latin, index);
    latin.text = QStringLiteral("Ag");
    latin.features &= ~QStyleOptionViewItem::HasDecoration;
    const QStyle *style = latin.widget ? latin.widget->style() : QApplication::style();
    const int latinRow = style->sizeFromContents(QStyle::CT_ItemViewItem, &latin, QSize(), latin.widget).height();
    const int margins = std::max(latinRow - QFontMetrics(latin.font).height(), 0);
    size.setHeight(std::max(margins + mixedLineHeight(latin.font), latinRow));
    return size;
}
