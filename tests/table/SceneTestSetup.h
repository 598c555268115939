#pragma once

#include "TestArtwork.h"

#include "game/tiles/TileGraphics.h"

#include <QDir>
#include <QSignalSpy>
#include <QString>

// The table tests draw with the small test artwork; the markers, sticks and
// claim images come from the compiled-in default skin.
namespace SceneTestSetup {

inline void install(const QString &artworkDir, const QString &workDir)
{
    TestArtwork::write(artworkDir);
    QDir::setSearchPaths(QStringLiteral("resources"), {artworkDir, QStringLiteral(":/default")});
    QDir::setSearchPaths(QStringLiteral("textimages"), {QStringLiteral(":/default/text-images/en")});
    QDir::setCurrent(workDir);
    // The game set is rendered again on the worker: wait for it, so that no
    // late swap of the images reaches a test.
    TileGraphics &graphics = TileGraphics::instance();
    QSignalSpy rendered(&graphics, &TileGraphics::gameScaleChanged);
    graphics.setTileSet(3, 0);
    rendered.wait(20000);
}

// Chooses a tile set and waits until the views have it: a set that is not in
// the cache arrives from the worker.
inline void chooseTileSet(int blankIndex, int faceIndex)
{
    TileGraphics &graphics = TileGraphics::instance();
    QSignalSpy changed(&graphics, &TileGraphics::tileGraphicsChanged);
    graphics.setTileSet(blankIndex, faceIndex);
    if (changed.isEmpty())
        changed.wait(20000);
}

} // namespace SceneTestSetup
