#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QHeaderView>
#include <QCheckBox>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QGroupBox>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QRegion>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionSlider>
#include <QTabBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

// How well a widget's labels read: the contrast between each label's text colour (from
// its palette, as the style sheet sets it, blended over the ground when translucent) and
// the ground it is drawn on (the colour most of the label's pixels have on a grab); and
// how well the marks of check boxes and radio buttons stand out in their boxes.
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

// The ground of an area of an image: the colour most of its pixels have, near enough (a
// gradient, as on a button's face, counts as one colour: its mean).
inline QColor commonColour(const QImage &image, const QRegion &area)
{
    struct Bin
    {
        int count = 0;
        qint64 red = 0, green = 0, blue = 0;
    };
    QHash<QRgb, Bin> bins;
    for (const QRect &rect : area) {
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x) {
                if (!image.rect().contains(x, y))
                    continue;
                const QRgb pixel = image.pixel(x, y);
                Bin &bin = bins[pixel & 0xf0f0f0];
                ++bin.count;
                bin.red += qRed(pixel);
                bin.green += qGreen(pixel);
                bin.blue += qBlue(pixel);
            }
        }
    }
    if (bins.isEmpty())
        return {};
    const Bin most = *std::max_element(bins.begin(), bins.end(),
                                       [](const Bin &a, const Bin &b) { return a.count < b.count; });
    return QColor(int(most.red / most.count), int(most.green / most.count), int(most.blue / most.count));
}

// The colours a label draws its text in: the palette's, and those its rich text gives
// some of its words (links among them).
inline std::vector<QColor> labelColours(const QLabel *label)
{
    const QColor plain = label->palette().color(label->foregroundRole());
    const QString text = label->text();
    const bool rich = label->textFormat() == Qt::RichText
                      || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
    if (!rich)
        return {plain};
    std::vector<QColor> colours;
    QTextDocument document;
    document.setHtml(text);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.text().trimmed().isEmpty())
                continue;
            const QBrush brush = fragment.charFormat().foreground();
            colours.push_back(brush.style() == Qt::NoBrush ? plain : brush.color());
        }
    }
    return colours;
}

// Where a widget stands in an ancestor, less what its ancestors cut off and what the
// widgets drawn after it (their later siblings, and those of their ancestors) cover.
inline QRegion shownRegion(QWidget *widget, QWidget *window, const QRect &part)
{
    QRegion shown(QRect(widget->mapTo(window, part.topLeft()), part.size()));
    for (QWidget *w = widget; w && w != window; w = w->parentWidget()) {
        QWidget *parent = w->parentWidget();
        if (!parent)
            break;
        shown &= QRect(parent->mapTo(window, QPoint()), parent->size());
        const QObjectList &siblings = parent->children();
        for (qsizetype i = siblings.indexOf(w) + 1; i < siblings.size(); ++i) {
            auto *above = qobject_cast<QWidget *>(siblings.at(i));
            if (above && !above->isWindow() && above->isVisibleTo(window))
                shown -= QRect(above->mapTo(window, QPoint()), above->size());
        }
    }
    return shown;
}

// Every text of a window that reads at less than 4.5:1 on its ground, with its figures:
// labels (each colour of their rich text), buttons, check boxes and radio buttons, group
// box titles, tabs, the rows of lists and the texts of graphics scenes, as far as they
// show (disabled ones aside, which need not read; a text's shadow, the same text beneath
// it and mostly under it, belongs to the text).
// The ground is the colour most of the text's place has on a grab of the window; the
// text's colour is the widget's palette (blended over the ground when translucent),
// except on tabs, whose style sheet colours the palette does not hold: there it is the
// pixel of the tab's text that stands out most from the ground.
inline QStringList unreadableTexts(QWidget *window)
{
    const QImage shot = window->grab().toImage();
    QStringList found;
    const auto judge = [&](QWidget *widget, const QString &text, const QRect &part,
                           const std::vector<QColor> &colours) {
        const QRegion shown = shownRegion(widget, window, part);
        if (shown.isEmpty())
            return;
        const QColor ground = commonColour(shot, shown);
        if (!ground.isValid())
            return;
        std::vector<QColor> drawn = colours;
        if (drawn.empty()) {
            QColor best = ground;
            for (const QRect &rect : shown)
                for (int y = rect.top(); y <= rect.bottom(); ++y)
                    for (int x = rect.left(); x <= rect.right(); ++x)
                        if (shot.rect().contains(x, y) && ratio(shot.pixelColor(x, y), ground) > ratio(best, ground))
                            best = shot.pixelColor(x, y);
            drawn.push_back(best);
        }
        for (const QColor &colour : drawn) {
            const QColor drawnColour = blended(colour, ground);
            const double r = ratio(drawnColour, ground);
            if (r < 4.5) {
                QStringList path;
                for (QWidget *w = widget; w && w != window; w = w->parentWidget())
                    path.prepend(w->objectName().isEmpty() ? QLatin1String(w->metaObject()->className()) : w->objectName());
                found << QStringLiteral("%1 \"%2\": %3 on %4 = %5")
                             .arg(path.join(QLatin1Char('/')), text.simplified().left(40), drawnColour.name(), ground.name())
                             .arg(r, 0, 'f', 2);
                break;
            }
        }
    };
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window) || !widget->isEnabled() || widget->width() < 2 || widget->height() < 2)
            continue;
        bool ownWindow = false;
        for (QWidget *w = widget; w != window; w = w->parentWidget())
            ownWindow = ownWindow || w->isWindow();
        if (ownWindow)
            continue;
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            QString text = label->text();
            if (label->textFormat() != Qt::PlainText && Qt::mightBeRichText(text)) {
                QTextDocument document;
                document.setHtml(text);
                text = document.toPlainText();
            }
            if (!text.trimmed().isEmpty())
                judge(label, text, label->rect(), labelColours(label));
        } else if (auto *box = qobject_cast<QGroupBox *>(widget)) {
            // A group box's title stands in its first line.
            if (!box->title().trimmed().isEmpty())
                judge(box, box->title(), QRect(0, 0, box->width(), box->fontMetrics().height()),
                      {box->palette().color(box->foregroundRole())});
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            if (button->text().trimmed().isEmpty())
                continue;
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            if (qobject_cast<QCheckBox *>(button))
                judge(button, button->text(), button->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, button),
                      {button->palette().color(QPalette::WindowText)});
            else if (qobject_cast<QRadioButton *>(button))
                judge(button, button->text(), button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button),
                      {button->palette().color(QPalette::WindowText)});
            else
                judge(button, button->text(), button->rect().adjusted(3, 3, -3, -3),
                      {button->palette().color(QPalette::ButtonText)});
        } else if (auto *tabs = qobject_cast<QTabBar *>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                if (!tabs->isTabVisible(i) || !tabs->isTabEnabled(i) || tabs->tabText(i).trimmed().isEmpty())
                    continue;
                // The text beside the tab's icon, clear of its border.
                QRect part = tabs->tabRect(i).adjusted(4, 4, -4, -4);
                if (!tabs->tabIcon(i).isNull())
                    part.setLeft(part.left() + tabs->iconSize().width() + 4);
                judge(tabs, tabs->tabText(i), part, {});
            }
        } else if (auto *items = qobject_cast<QAbstractItemView *>(widget); items && items->model()) {
            QAbstractItemModel *model = items->model();
            const QRect inside = items->viewport()->rect();
            for (int row = 0; row < model->rowCount(items->rootIndex()); ++row) {
                for (int column = 0; column < model->columnCount(items->rootIndex()); ++column) {
                    const QModelIndex index = model->index(row, column, items->rootIndex());
                    const QString text = index.data().toString();
                    const QRect cell = items->visualRect(index) & inside;
                    if (text.trimmed().isEmpty() || cell.isEmpty())
                        continue;
                    const bool selected = items->selectionModel() && items->selectionModel()->isSelected(index);
                    const QVariant foreground = index.data(Qt::ForegroundRole);
                    QColor colour = items->palette().color(selected ? QPalette::HighlightedText : QPalette::Text);
                    if (!selected && foreground.canConvert<QBrush>() && foreground.value<QBrush>().style() != Qt::NoBrush)
                        colour = foreground.value<QBrush>().color();
                    judge(items->viewport(), text, cell, {colour});
                }
            }
        } else if (auto *view = qobject_cast<QGraphicsView *>(widget); view && view->scene()) {
            struct SceneText
            {
                QGraphicsItem *item;
                QString text;
                QColor colour;
            };
            std::vector<SceneText> texts;
            for (QGraphicsItem *item : view->scene()->items()) {
                if (!item->isVisible())
                    continue;
                if (auto *simple = dynamic_cast<QGraphicsSimpleTextItem *>(item))
                    texts.push_back({item, simple->text(), simple->brush().color()});
                else if (auto *rich = dynamic_cast<QGraphicsTextItem *>(item))
                    texts.push_back({item, rich->toPlainText(), rich->defaultTextColor()});
            }
            for (const SceneText &scene : texts) {
                const QRectF place = scene.item->sceneBoundingRect();
                const bool shadow = std::any_of(texts.begin(), texts.end(), [&](const SceneText &other) {
                    const QRectF common = other.item->sceneBoundingRect() & place;
                    return other.item != scene.item && other.text == scene.text
                           && other.item->zValue() > scene.item->zValue()
                           && common.width() * common.height() > place.width() * place.height() / 2;
                });
                if (shadow || scene.text.trimmed().isEmpty())
                    continue;
                QColor colour = scene.colour;
                colour.setAlphaF(colour.alphaF() * float(scene.item->effectiveOpacity()));
                const QRect part = view->mapFromScene(place).boundingRect() & view->viewport()->rect();
                if (!part.isEmpty())
                    judge(view->viewport(), scene.text, part, {colour});
            }
        }
    }
    return found;
}

// Every mark of a ticked check box or a chosen radio button of a window that stands out
// from its box at less than 3:1 (as marks that are not text need), with its figures; each
// box measured counts in `measured`. The box's ground is the colour most of its inside has
// on a grab of the window, the mark the pixel there that stands out most from it.
inline QStringList unreadableMarks(QWidget *window, int *measured = nullptr)
{
    const QImage shot = window->grab().toImage();
    QStringList found;
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        auto *check = qobject_cast<QCheckBox *>(button);
        auto *radio = qobject_cast<QRadioButton *>(button);
        if ((!check && !radio) || !button->isVisibleTo(window) || !button->isEnabled()
            || (check ? check->checkState() == Qt::Unchecked : !radio->isChecked()))
            continue;
        bool ownWindow = false;
        for (QWidget *w = button; w != window; w = w->parentWidget())
            ownWindow = ownWindow || w->isWindow();
        if (ownWindow)
            continue;
        QStyleOptionButton option;
        option.initFrom(button);
        option.state |= check && check->checkState() == Qt::PartiallyChecked ? QStyle::State_NoChange : QStyle::State_On;
        const QRect indicator = button->style()->subElementRect(
            check ? QStyle::SE_CheckBoxIndicator : QStyle::SE_RadioButtonIndicator, &option, button);
        // Inside the box's border.
        const QRegion inside = shownRegion(button, window, indicator.adjusted(3, 3, -3, -3));
        if (inside.isEmpty())
            continue;
        const QColor ground = commonColour(shot, inside);
        QColor mark = ground;
        for (const QRect &rect : inside)
            for (int y = rect.top(); y <= rect.bottom(); ++y)
                for (int x = rect.left(); x <= rect.right(); ++x)
                    if (shot.rect().contains(x, y) && ratio(shot.pixelColor(x, y), ground) > ratio(mark, ground))
                        mark = shot.pixelColor(x, y);
        if (measured)
            ++*measured;
        const double r = ratio(mark, ground);
        if (r < 3.0) {
            QStringList path;
            for (QWidget *w = button; w && w != window; w = w->parentWidget())
                path.prepend(w->objectName().isEmpty() ? QLatin1String(w->metaObject()->className()) : w->objectName());
            found << QStringLiteral("%1 \"%2\" mark: %3 on %4 = %5")
                         .arg(path.join(QLatin1Char('/')), button->text().simplified().left(40), mark.name(), ground.name())
                         .arg(r, 0, 'f', 2);
        }
    }
    return found;
}

// Every scroll bar of a window, with something to scroll, whose arrows stand out from their
// buttons at less than 3:1 (the arrow: the pixel of its button that stands out most), or
// whose handle does not stand apart from its groove: less than 1.1:1 between them, where
// the style's own bars show a light handle on a grey groove at about 1.2:1. Each bar
// measured counts in `measured`. The grounds are the colours most of each part has on a
// grab of the window.
inline QStringList unreadableScrollBars(QWidget *window, int *measured = nullptr)
{
    const QImage shot = window->grab().toImage();
    const auto standsOutMost = [&shot](const QRegion &area, const QColor &ground) {
        QColor most = ground;
        for (const QRect &rect : area)
            for (int y = rect.top(); y <= rect.bottom(); ++y)
                for (int x = rect.left(); x <= rect.right(); ++x)
                    if (shot.rect().contains(x, y) && ratio(shot.pixelColor(x, y), ground) > ratio(most, ground))
                        most = shot.pixelColor(x, y);
        return most;
    };
    QStringList found;
    for (QScrollBar *bar : window->findChildren<QScrollBar *>()) {
        if (!bar->isVisibleTo(window) || bar->maximum() <= bar->minimum())
            continue;
        // As the bar fills it for its style (its own filling is not public).
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.subControls = QStyle::SC_All;
        option.orientation = bar->orientation();
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = bar->sliderPosition();
        option.sliderValue = bar->value();
        option.singleStep = bar->singleStep();
        option.pageStep = bar->pageStep();
        option.upsideDown = bar->invertedAppearance();
        if (bar->orientation() == Qt::Horizontal)
            option.state |= QStyle::State_Horizontal;
        const auto part = [bar, &option, window](QStyle::SubControl control, int inset) {
            const QRect rect = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, control, bar);
            return shownRegion(bar, window, rect.adjusted(inset, inset, -inset, -inset));
        };
        QStringList path;
        for (QWidget *w = bar; w && w != window; w = w->parentWidget())
            path.prepend(w->objectName().isEmpty() ? QLatin1String(w->metaObject()->className()) : w->objectName());
        const QString name = path.join(QLatin1Char('/'));
        if (measured)
            ++*measured;
        for (const auto &[control, what] : {std::pair{QStyle::SC_ScrollBarSubLine, "first arrow"},
                                             std::pair{QStyle::SC_ScrollBarAddLine, "last arrow"}}) {
            const QRegion button = part(control, 2);
            if (button.isEmpty())
                continue; // a style without arrow buttons
            const QColor ground = commonColour(shot, button);
            const QColor arrow = standsOutMost(button, ground);
            if (ratio(arrow, ground) < 3.0)
                found << QStringLiteral("%1 %2: %3 on %4 = %5")
                             .arg(name, QLatin1String(what), arrow.name(), ground.name())
                             .arg(ratio(arrow, ground), 0, 'f', 2);
        }
        const QRegion handle = part(QStyle::SC_ScrollBarSlider, 0);
        const QRegion groove = part(QStyle::SC_ScrollBarGroove, 0) - handle;
        if (handle.isEmpty() || groove.isEmpty())
            continue;
        const QColor grooveGround = commonColour(shot, groove);
        const QColor fill = commonColour(shot, handle);
        if (ratio(fill, grooveGround) < 1.1)
            found << QStringLiteral("%1 handle: %2 on %3 = %4")
                         .arg(name, fill.name(), grooveGround.name())
                         .arg(ratio(fill, grooveGround), 0, 'f', 2);
    }
    return found;
}

} // namespace Contrast
