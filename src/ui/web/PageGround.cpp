#include "ui/web/PageGround.h"

#include <QEvent>
#include <QImage>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QWidget>

#include <utility>

PageGround::PageGround(QWebEngineView *view)
    : QObject(view)
    , m_view(view)
{
    view->installEventFilter(this);
}

void PageGround::layOn(QWebEngineView *view)
{
    auto *ground = view->findChild<PageGround *>(QString(), Qt::FindDirectChildrenOnly);
    if (!ground)
        ground = new PageGround(view);
    ground->apply();
}

QColor PageGround::beneath(const QWidget *widget)
{
    QList<QWidget *> layers;
    for (QWidget *parent = widget->parentWidget(); parent; parent = parent->parentWidget())
        layers.prepend(parent);
    // Each widget beneath paints its own background (style sheet, auto fill) over the
    // ones below it, the window first, with its window background.
    QImage ground(1, 1, QImage::Format_ARGB32_Premultiplied);
    ground.fill(Qt::black);
    const QPoint middle = widget->rect().center();
    for (QWidget *layer : std::as_const(layers)) {
        layer->ensurePolished();
        const QPoint at = widget->mapTo(layer, middle);
        layer->render(&ground, QPoint(), QRegion(at.x(), at.y(), 1, 1),
                      layer->isWindow() ? QWidget::DrawWindowBackground : QWidget::RenderFlags());
    }
    return ground.pixelColor(0, 0);
}

bool PageGround::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view && event->type() == QEvent::Show)
        apply();
    return QObject::eventFilter(watched, event);
}

void PageGround::apply()
{
    m_view->page()->setBackgroundColor(beneath(m_view));
}
