#include "game/tiles/ResizeWorker.h"

#include "game/tiles/TileImages.h"
#include "game/tiles/TileSetCache.h"

#include <QDebug>

ResizeWorker::ResizeWorker(const QString &backPath, const QString &facePath,
                           const GameScale &scale, QObject *parent)
    : QThread(parent), m_backPath(backPath), m_facePath(facePath), m_scale(scale)
{
}

ResizeWorker::~ResizeWorker()
{
    wait();
}

std::unique_ptr<TileImages> ResizeWorker::takeResult()
{
    return std::move(m_result);
}

void ResizeWorker::run()
{
    try {
        m_result = loadOrRenderTileset(m_backPath, m_facePath, m_scale);
    } catch (const std::exception &e) {
        qWarning() << "rendering the tile set failed:" << e.what();
    }
}
