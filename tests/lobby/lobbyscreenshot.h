#pragma once

#include <QDir>
#include <QImage>
#include <QSet>
#include <QWidget>

// Saves a headless grab of the widget into the build directory's "screenshots" folder and
// returns how many colours it holds (1 for a blank picture).
inline int saveScreenshot(QWidget &widget, const QString &name)
{
    const QImage image = widget.grab().toImage();
    const QString dir = qEnvironmentVariable("MAHJONG_BINARY_DIR", QDir::currentPath())
        + QStringLiteral("/screenshots");
    QDir().mkpath(dir);
    image.save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2)
            colours.insert(image.pixel(x, y));
    }
    return int(colours.size());
}
