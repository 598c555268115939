#include "game/tiles/TileGraphics.h"

#include "game/tiles/ResizeWorker.h"
#include "game/tiles/TileImages.h"
#include "game/tiles/TileSetCache.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>

namespace {

struct CatalogueEntry
{
    const char *title;
    const char *path;
};

const CatalogueEntry blankCatalogue[] = {
    {QT_TRANSLATE_NOOP("TileGraphics", "Bamboo"), "resources:/tiles-blank-default.png"},
    {QT_TRANSLATE_NOOP("TileGraphics", "Green 1"), "resources:/tiles-blank-green.png"},
    {QT_TRANSLATE_NOOP("TileGraphics", "Red"), "resources:/tiles-blank-red.png"},
    {QT_TRANSLATE_NOOP("TileGraphics", "Green 2"), "resources:/tiles-blank-green.svg"},
    {QT_TRANSLATE_NOOP("TileGraphics", "Dark wood"), "resources:/tiles-blank-darkwood.svg"},
};

const CatalogueEntry faceCatalogue[] = {
    {QT_TRANSLATE_NOOP("TileGraphics", "Numbered"), "resources:/tiles-fg.svg"},
    {QT_TRANSLATE_NOOP("TileGraphics", "Mixed numbered"), "resources:/tiles-fg-half-marked.svg"},
    {QT_TRANSLATE_NOOP("TileGraphics", "Without numbers"), "resources:/tiles-fg-no-marks.svg"},
    {QT_TRANSLATE_NOOP("TileGraphics", "Rustic numbered"), "resources:/tiles-fg.png"},
    {QT_TRANSLATE_NOOP("TileGraphics", "Simple tiles"), "resources:/tiles-fg-simple.svg"},
};

template <std::size_t N>
TileGraphics::Catalogue catalogue(const CatalogueEntry (&entries)[N])
{
    TileGraphics::Catalogue result;
    for (const CatalogueEntry &entry : entries)
        result.append(qMakePair(QCoreApplication::translate("TileGraphics", entry.title),
                                QString::fromLatin1(entry.path)));
    return result;
}

QStringList titles(const TileGraphics::Catalogue &entries)
{
    QStringList result;
    for (const auto &entry : entries)
        result.append(entry.first);
    return result;
}

} // namespace

TileGraphics::TileGraphics()
{
    if (QCoreApplication *app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &TileGraphics::onAboutToQuit);
}

TileGraphics::~TileGraphics()
{
    if (m_worker)
        m_worker->wait();
}

TileGraphics &TileGraphics::instance()
{
    static TileGraphics graphics;
    // Tests and tools may end without aboutToQuit(): a render still running
    // then must end before the application object it reads goes.
    static const bool waitsAtExit = [] {
        qAddPostRoutine([] { instance().onAboutToQuit(); });
        return true;
    }();
    Q_UNUSED(waitsAtExit);
    return graphics;
}

TileGraphics::Catalogue TileGraphics::tileBlanks()
{
    return catalogue(blankCatalogue);
}

TileGraphics::Catalogue TileGraphics::tileFaces()
{
    return catalogue(faceCatalogue);
}

QStringList TileGraphics::tileBlankNames()
{
    return titles(tileBlanks());
}

QStringList TileGraphics::tileFaceNames()
{
    return titles(tileFaces());
}

void TileGraphics::setTileSet(int blankIndex, int faceIndex)
{
    const Catalogue blanks = tileBlanks();
    const Catalogue faces = tileFaces();
    if (blankIndex < 0 || blankIndex >= blanks.size() || faceIndex < 0
        || faceIndex >= faces.size()) {
        qWarning() << "no tile set" << blankIndex << faceIndex;
        return;
    }
    const QString &back = blanks.at(blankIndex).second;
    const QString &face = faces.at(faceIndex).second;
    if (back == m_backPath && face == m_facePath)
        return;

    m_backPath = back;
    m_facePath = face;
    if (!m_basePainter.images()) {
        // Nothing to show meanwhile: the first set is made at once.
        installBaseSet(loadOrRenderTileset(m_backPath, m_facePath, GameScale()));
        return;
    }
    if (m_backPath == m_baseBackPath && m_facePath == m_baseFacePath)
        return; // back to the set on show while another was being rendered
    if (std::unique_ptr<TileImages> cached =
            loadCachedTileset(m_backPath, m_facePath, GameScale())) {
        installBaseSet(std::move(cached));
        return;
    }
    // Rendering takes long: the worker does it while the table keeps the
    // tiles it has.
    startRender();
}

void TileGraphics::installBaseSet(std::unique_ptr<TileImages> images)
{
    m_baseBackPath = m_backPath;
    m_baseFacePath = m_facePath;
    m_basePainter.setImages(std::move(images));
    m_painter.setImages(std::make_unique<TileImages>(*m_basePainter.images(), m_gameScale));
    startRender();
    emit tileGraphicsChanged();
}

void TileGraphics::setGameScale(const GameScale &scale)
{
    const GameScale quantised = scale.quantised();
    if (quantised == m_gameScale || m_busy)
        return;

    m_busy = true;
    m_gameScale = quantised;
    // Before the first tile set there is nothing to rescale: setTileSet uses
    // the stored scale.
    if (m_basePainter.images()) {
        m_painter.setImages(std::make_unique<TileImages>(*m_basePainter.images(), m_gameScale));
        startRender();
        emit gameScaleChanged();
    }
    m_busy = false;
}

void TileGraphics::startRender()
{
    if (m_worker)
        return;
    // A chosen set not yet shown comes first, at factor 1.0; the game set
    // follows once it is in.
    m_renderingBase = m_backPath != m_baseBackPath || m_facePath != m_baseFacePath;
    m_worker = new ResizeWorker(m_backPath, m_facePath,
                                m_renderingBase ? GameScale() : m_gameScale, this);
    connect(m_worker, &QThread::finished, this, &TileGraphics::onThreadFinished,
            Qt::QueuedConnection);
    m_worker->start(QThread::InheritPriority);
}

void TileGraphics::onThreadFinished()
{
    // A worker dropped by onAboutToQuit can still deliver its finished().
    ResizeWorker *worker = m_worker;
    if (!worker || sender() != worker)
        return;
    worker->wait();
    std::unique_ptr<TileImages> result = worker->takeResult();
    m_worker = nullptr;
    worker->deleteLater();

    const bool chosen = worker->backPath() == m_backPath && worker->facePath() == m_facePath;
    if (m_renderingBase) {
        m_renderingBase = false;
        if (chosen && result) {
            installBaseSet(std::move(result));
        } else if (chosen) {
            qWarning() << "the tile set" << m_backPath << m_facePath
                       << "could not be made; the tiles stay as they are";
            m_backPath = m_baseBackPath;
            m_facePath = m_baseFacePath;
        } else {
            startRender();
        }
        return;
    }

    const bool outOfDate = !chosen || worker->scale() != m_gameScale;
    if (outOfDate)
        startRender();
    else if (result)
        m_painter.setImages(std::move(result));
    emit gameScaleChanged();
}

void TileGraphics::onAboutToQuit()
{
    if (!m_worker)
        return;
    m_worker->wait();
    m_worker->takeResult();
    m_worker->deleteLater();
    m_worker = nullptr;
}

bool saveTilesetCache()
{
    const QString dir = TileSetCache::installDirectory();
    if (!QDir().mkpath(dir)) {
        qWarning() << "could not create the tile set directory" << QDir(dir).absolutePath();
        return false;
    }
    bool ok = true;
    const GameScale base;
    for (const auto &back : TileGraphics::tileBlanks()) {
        for (const auto &face : TileGraphics::tileFaces()) {
            const std::unique_ptr<TileImages> images =
                loadOrRenderTileset(back.second, face.second, base);
            const QString path = dir + QLatin1Char('/')
                                 + TileSetCache::fileName(back.second, face.second, base,
                                                          TileSetCache::artworkVersion(
                                                              back.second, face.second));
            if (TileSetCache::write(path, *images)) {
                qWarning().noquote() << " [INFO ] tile set written:" << path;
            } else {
                qWarning() << "could not write the tile set file" << path;
                ok = false;
            }
        }
    }
    return ok;
}
