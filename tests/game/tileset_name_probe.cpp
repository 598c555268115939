// Prints the cache file name of a fixed key, so that a test can compare the
// names computed by separate processes.
#include "game/tiles/TileSetCache.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QByteArray artwork;
    for (char c = 0; c < 20; ++c)
        artwork.append(c);
    const QString name = TileSetCache::fileName(QStringLiteral("resources:/tiles-blank-green.svg"),
                                                QStringLiteral("resources:/tiles-fg.svg"),
                                                GameScale(), artwork);
    std::fputs(qPrintable(name), stdout);
    return 0;
}
