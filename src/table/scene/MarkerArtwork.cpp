#include "table/scene/MarkerArtwork.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

#include <cmath>

namespace {

struct Renderers
{
    QSvgRenderer *wind = nullptr;
    QSvgRenderer *stick = nullptr;
    QSizeF windReference;
    bool releaseConnected = false;
};

Renderers &renderers()
{
    static Renderers shared;
    return shared;
}

// Pixmaps and renderers must be gone before the application object.
void releaseAtQuit()
{
    Renderers &r = renderers();
    if (r.releaseConnected || !QCoreApplication::instance())
        return;
    r.releaseConnected = true;
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, [] {
        Renderers &shared = renderers();
        delete shared.wind;
        delete shared.stick;
        shared.wind = nullptr;
        shared.stick = nullptr;
        shared.releaseConnected = false;
        QPixmapCache::clear();
    });
}

} // namespace

namespace MarkerArtwork {

QSvgRenderer &windIndicators()
{
    Renderers &r = renderers();
    if (!r.wind) {
        releaseAtQuit();
        r.wind = new QSvgRenderer(QStringLiteral("resources:/wind-indicators.svg"));
        QSizeF reference;
        for (const char *id : {"east", "blank", "glow"}) {
            const QRectF bounds = r.wind->boundsOnElement(QString::fromLatin1(id));
            reference = reference.expandedTo(bounds.size());
        }
        r.windReference = reference;
    }
    return *r.wind;
}

QSvgRenderer &riichiStick()
{
    Renderers &r = renderers();
    if (!r.stick) {
        releaseAtQuit();
        r.stick = new QSvgRenderer(QStringLiteral("resources:/riichi-stick.svg"));
    }
    return *r.stick;
}

QPixmap windImage(const QString &element, double scale, int rotationStep, bool ownWidth)
{
    const QString key = QStringLiteral("detailPainter:%1:%2:%3")
                            .arg(element, QString::number(scale), QString::number(rotationStep));
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;

    QSvgRenderer &renderer = windIndicators();
    const QRectF bounds = renderer.boundsOnElement(element);
    const double width = ownWidth ? bounds.width() : renderers().windReference.width();
    const int size = static_cast<int>(std::ceil(62 * scale));
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (width > 0) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(31 * scale, 31 * scale);
        painter.scale(62 * scale, 62 * scale);
        painter.scale(1 / width, 1 / width);
        painter.rotate(-90.0 * rotationStep);
        painter.translate(-bounds.center());
        renderer.render(&painter, element, bounds);
    }
    pixmap = QPixmap::fromImage(image);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

} // namespace MarkerArtwork
