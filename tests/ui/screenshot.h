#pragma once

#include <QDir>
#include <QWidget>

// Saves what the widget shows into <build>/screenshots/<name>.png for a look by eye.
inline bool saveScreenshot(QWidget *widget, const QString &name)
{
    const QString dir = qEnvironmentVariable("MAHJONG_BINARY_DIR") + QStringLiteral("/screenshots");
    QDir().mkpath(dir);
    return widget->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}
