#include "app/startup/MahjongStyle.h"

#include <QStyleFactory>
#include <QStyleOptionButton>

#include <algorithm>
#include <cmath>

namespace {

// What a mark needs against its ground to be seen (as any mark that is not text).
constexpr double MinimumMarkContrast = 3.0;

double luminance(const QColor &colour)
{
    const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

MahjongStyle::MahjongStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
    setObjectName(QStringLiteral("mahjong"));
}

void MahjongStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                 const QWidget *widget) const
{
    if ((element != PE_IndicatorCheckBox && element != PE_IndicatorRadioButton) || !option) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Fusion draws the mark a shade darker than the text colour, on the base colour.
    const QColor box = option->palette.color(QPalette::Base);
    if (contrast(option->palette.color(QPalette::Text).darker(120), box) >= MinimumMarkContrast) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Black in a light box, white in a dark one.
    const QColor mark = luminance(box) > 0.18 ? QColor(Qt::black) : QColor(Qt::white);
    if (const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option)) {
        QStyleOptionButton marked(*button);
        marked.palette.setColor(QPalette::Text, mark);
        QProxyStyle::drawPrimitive(element, &marked, painter, widget);
    } else {
        QStyleOption marked(*option);
        marked.palette.setColor(QPalette::Text, mark);
        QProxyStyle::drawPrimitive(element, &marked, painter, widget);
    }
}
