#pragma once

#include "game/tiles/GameScale.h"
#include "game/tiles/TilePainter.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>

#include <memory>

class ResizeWorker;
class TileImages;

// The process-wide owner of the tile pictures: the chosen back and face, the
// base set at factor 1.0 and the game set at the current game scale, which the
// table's views draw with. A new scale first gets a quick rescaled copy of the
// base set; a ResizeWorker then renders (or loads) the proper set and hands it
// over on the GUI thread.
class TileGraphics : public QObject
{
    Q_OBJECT

public:
    // (translated title, resource path) pairs.
    using Catalogue = QList<QPair<QString, QString>>;

    TileGraphics();
    ~TileGraphics() override;

    static TileGraphics &instance();

    // The tile backs (setting "game/tileblank") and faces ("game/tileface").
    static Catalogue tileBlanks();
    static Catalogue tileFaces();
    static QStringList tileBlankNames();
    static QStringList tileFaceNames();

    // Chooses back and face by catalogue index. A set in the cache is taken at
    // once, as is the very first set; any other is rendered by the worker while
    // the painters keep the set they have, and tileGraphicsChanged() follows
    // when it is in. Of several choices made meanwhile, only the last is shown.
    void setTileSet(int blankIndex, int faceIndex);
    // Sets the zoom factors, each truncated to a multiple of 1/32.
    void setGameScale(const GameScale &scale);

    TilePainter &painter() { return m_painter; }
    TilePainter &basePainter() { return m_basePainter; }
    const GameScale &gameScale() const { return m_gameScale; }

signals:
    // A new back or face was taken: views reload everything.
    void tileGraphicsChanged();
    // The game set was replaced after a new scale or a finished render.
    void gameScaleChanged();

public slots:
    void onThreadFinished();
    void onAboutToQuit();

private:
    void installBaseSet(std::unique_ptr<TileImages> images);
    void startRender();

    // The chosen back and face, and those of the set the painters hold; they
    // differ while a newly chosen set is being rendered.
    QString m_backPath;
    QString m_facePath;
    QString m_baseBackPath;
    QString m_baseFacePath;
    GameScale m_gameScale;
    bool m_busy = false;
    TilePainter m_basePainter;
    TilePainter m_painter;
    ResizeWorker *m_worker = nullptr;
    // The worker renders a newly chosen set at factor 1.0, not the game set.
    bool m_renderingBase = false;
};

// The install step: renders every back and face combination at factor 1.0
// into TileSetCache::installDirectory(). False when any file could not
// be written (each is logged); the caller then ends with a non-zero exit code.
bool saveTilesetCache();
