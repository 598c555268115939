#include "app/startup/GameBackground.h"

#include <QDebug>
#include <QPainter>
#include <QPixmap>

const QImage &GameBackground::image()
{
    static const QImage background = [] {
        QImage loaded(QStringLiteral("resources:/game-background.png"));
        if (loaded.isNull())
            qWarning() << "game background not found: resources:/game-background.png";
        return loaded;
    }();
    return background;
}

void GameBackground::preload()
{
    image();
}

QBrush GameBackground::brush(const QSize &size, const QColor &colour, qreal scale)
{
    if (size.isEmpty())
        return QBrush(colour);
    QPixmap pixmap(size);
    pixmap.fill(colour.isValid() ? colour : QColor(Qt::black));
    const QImage &background = image();
    if (!background.isNull() && scale > 0) {
        const QSize tileSize = (QSizeF(background.size()) * scale).toSize().expandedTo(QSize(1, 1));
        const QPixmap tile = QPixmap::fromImage(
            background.scaled(tileSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        QPainter painter(&pixmap);
        painter.drawTiledPixmap(pixmap.rect(), tile);
    }
    return QBrush(pixmap);
}
