#pragma once

#include <QGroupBox>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QStringList>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

// How well a widget's labels read: the contrast between each label's text colour (from
// its palette, as the style sheet sets it, blended over the ground when translucent) and
// the ground it is drawn on (the colour most of the label's pixels have on a grab).
namespace Contrast {

inline double luminance(const QColor &c)
{
    const auto channel = [](double v) {
        v /= 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

inline double ratio(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

inline QColor blended(const QColor &text, const QColor &ground)
{
    const double a = text.alphaF();
    return QColor::fromRgbF(float(text.redF() * a + ground.redF() * (1 - a)),
                            float(text.greenF() * a + ground.greenF() * (1 - a)),
                            float(text.blueF() * a + ground.blueF() * (1 - a)));
}

// The labels and group box titles of root with text that reads at less than 4.5:1, with
// their figures. The ground is read from a grab of ground, root by default: a window
// around root shows what lies beneath root's own transparent parts.
inline QStringList unreadableLabels(QWidget *root, QWidget *ground = nullptr)
{
    QWidget *shown = ground ? ground : root;
    const QImage shot = shown->grab().toImage();
    QStringList found;
    std::vector<std::pair<QWidget *, QString>> texts;
    for (QLabel *label : root->findChildren<QLabel *>())
        texts.emplace_back(label, label->text());
    for (QGroupBox *box : root->findChildren<QGroupBox *>())
        texts.emplace_back(box, box->title());
    for (const auto &[label, labelText] : texts) {
        if (!label->isVisibleTo(root) || labelText.trimmed().isEmpty() || label->width() < 2
            || label->height() < 2)
            continue;
        // A group box's title stands in its first line.
        const int height = qobject_cast<QGroupBox *>(label) ? label->fontMetrics().height() : label->height();
        const QRect area(label->mapTo(shown, QPoint()), QSize(label->width(), height));
        QHash<QRgb, int> counts;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (shot.rect().contains(x, y))
                    ++counts[shot.pixel(x, y)];
        if (counts.isEmpty())
            continue;
        const auto most = std::max_element(counts.begin(), counts.end());
        const QColor ground = QColor::fromRgb(most.key());
        const QColor text = blended(label->palette().color(label->foregroundRole()), ground);
        const double r = ratio(text, ground);
        if (r < 4.5)
            found << QStringLiteral("%1 \"%2\": %3 on %4 = %5")
                         .arg(label->objectName(), labelText.left(30), text.name(), ground.name())
                         .arg(r, 0, 'f', 2);
    }
    return found;
}

} // namespace Contrast
