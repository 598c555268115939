#include "game/tiles/TileSetCache.h"

#include "game/tiles/TileImages.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <unistd.h>

namespace TileSetCache {

QString highlightPath()
{
    return QStringLiteral("resources:/tile-highlights-red.png");
}

QByteArray artworkVersion(const QString &backPath, const QString &facePath)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const QString &path : {backPath, facePath, highlightPath()}) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            hash.addData(QByteArrayLiteral("file"));
            hash.addData(&file);
        } else {
            hash.addData(QByteArrayLiteral("none"));
        }
    }
    return hash.result();
}

quint32 keyHash(const QByteArray &key)
{
    quint32 h = 0;
    for (const char c : key) {
        h = (h << 4) + static_cast<quint8>(c);
        const quint32 g = h & 0xF0000000u;
        h ^= g >> 23;
        h &= ~g;
    }
    return h;
}

QByteArray cacheKey(const QString &backPath, const QString &facePath, const GameScale &scale,
                    const QByteArray &artwork)
{
    QByteArray key;
    QDataStream out(&key, QIODevice::WriteOnly);
    out.setVersion(8);
    out.setByteOrder(QDataStream::LittleEndian);
    out << backPath << facePath << scale.wall << scale.table << scale.hand;
    key.append(artwork);
    return key;
}

QString fileName(const QString &backPath, const QString &facePath, const GameScale &scale,
                 const QByteArray &artwork)
{
    return QStringLiteral("tileset_0x%1.dat")
        .arg(keyHash(cacheKey(backPath, facePath, scale, artwork)), 8, 16, QLatin1Char('0'));
}

QString installDirectory()
{
    // Beside the executable, where the install step run with the rights to write there
    // puts the sets; when that place cannot be written and holds none, the per-user
    // data directory. Never the current directory, which changes from start to start.
    const QString appDir = QCoreApplication::applicationDirPath();
    const QString beside = appDir + QStringLiteral("/tilesets");
    if (QFileInfo(beside).isDir() || QFileInfo(appDir).isWritable())
        return beside;
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/tilesets");
}

namespace {

// A directory under the shared temporary directory is only used when it is
// ours alone: a real directory, owned by us, closed to everybody else.
bool isPrivateDirectory(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isDir() || info.isSymLink() || info.ownerId() != ::getuid())
        return false;
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup
                                            | QFileDevice::ExeGroup | QFileDevice::ReadOther
                                            | QFileDevice::WriteOther | QFileDevice::ExeOther;
    return !(info.permissions() & others);
}

} // namespace

QString userDirectory()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (!cache.isEmpty()) {
        const QString dir = cache + QStringLiteral("/tilesets");
        if (QDir().mkpath(dir))
            return dir;
    }
    const QString dir =
        QDir::tempPath() + QStringLiteral("/mahjong-tilesets-%1").arg(::getuid());
    if (!QFileInfo::exists(dir) && QDir().mkdir(dir))
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                       | QFileDevice::ExeOwner);
    if (isPrivateDirectory(dir))
        return dir;
    qWarning() << "no private directory for the tile set cache:" << dir;
    return QString();
}

bool isFresh(const QString &cachePath, const QString &backPath, const QString &facePath)
{
    const QFileInfo cache(cachePath);
    if (!cache.isFile())
        return false;
    const QDateTime cacheTime = cache.lastModified();
    for (const QString &source : {backPath, facePath, highlightPath()}) {
        // Artwork without a modification time counts as older than any cache.
        const QDateTime sourceTime = QFileInfo(source).lastModified();
        if (sourceTime.isValid() && cacheTime < sourceTime)
            return false;
    }
    return true;
}

bool write(const QString &path, const TileImages &images)
{
    // QSaveFile writes through a symbolic link: never write to one.
    if (QFileInfo(path).isSymLink() && !QFile::remove(path))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&file);
    out << images;
    if (out.status() != QDataStream::Ok) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace TileSetCache

namespace {

// The fresh cache file of a set: the install cache's, else the per-user
// cache's. images is null when neither holds a readable set; path is then
// the file a rendered set goes to (empty when there is none).
struct CacheLookup
{
    std::unique_ptr<TileImages> images;
    QString path;
};

CacheLookup readCache(const QString &backPath, const QString &facePath, const GameScale &scale)
{
    const QString name = TileSetCache::fileName(
        backPath, facePath, scale, TileSetCache::artworkVersion(backPath, facePath));

    CacheLookup lookup;
    lookup.path = TileSetCache::installDirectory() + QLatin1Char('/') + name;
    bool fresh = TileSetCache::isFresh(lookup.path, backPath, facePath);
    if (!fresh) {
        const QString userDir = TileSetCache::userDirectory();
        lookup.path = userDir.isEmpty() ? QString() : userDir + QLatin1Char('/') + name;
        fresh = !lookup.path.isEmpty() && TileSetCache::isFresh(lookup.path, backPath, facePath);
    }
    if (!fresh)
        return lookup;

    // One read of the whole file: the images' reader would otherwise ask
    // the file for its size at every chunk it takes.
    QFile file(lookup.path);
    if (!file.open(QIODevice::ReadOnly))
        return lookup;
    const QByteArray bytes = file.readAll();
    file.close();
    QDataStream in(bytes);
    try {
        auto images = std::make_unique<TileImages>(in);
        // The short file names of two scales can be the same: a set made at another
        // scale is rendered anew, never shown.
        if (in.status() != QDataStream::Ok)
            qWarning() << "damaged tile set cache file" << lookup.path << "is rendered anew";
        else if (images->scale() != scale)
            qWarning() << "tile set cache file" << lookup.path << "holds another scale and is rendered anew";
        else
            lookup.images = std::move(images);
    } catch (const std::exception &e) {
        qWarning() << "tile set cache file" << lookup.path << "is rendered anew:" << e.what();
    }
    return lookup;
}

} // namespace

std::unique_ptr<TileImages> loadCachedTileset(const QString &backPath, const QString &facePath,
                                              const GameScale &scale)
{
    return readCache(backPath, facePath, scale).images;
}

std::unique_ptr<TileImages> loadOrRenderTileset(const QString &backPath, const QString &facePath,
                                                const GameScale &scale)
{
    CacheLookup lookup = readCache(backPath, facePath, scale);
    if (lookup.images)
        return std::move(lookup.images);
    auto images = std::make_unique<TileImages>(backPath, facePath,
                                                TileSetCache::highlightPath(), scale);
    if (!lookup.path.isEmpty() && !TileSetCache::write(lookup.path, *images))
        qWarning() << "could not write the tile set cache file" << lookup.path;
    return images;
}
