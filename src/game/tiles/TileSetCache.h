#pragma once

#include "game/tiles/GameScale.h"

#include <QByteArray>
#include <QString>

#include <memory>

class TileImages;

// Cache files of rendered tile sets.
//
// A set is kept in "tileset_0x%1.dat", %1 being eight lower-case hex digits of
// a 32-bit hash of the cache key. The key is the back path, the face path (as
// QDataStream version 8, little-endian, writes QStrings) and the three factors
// (IEEE doubles, little-endian), followed by the artwork version bytes. The
// hash is fixed and does not depend on the process (unlike Qt 6's qHash):
//     h = 0; for each byte b: h = (h << 4) + b; g = h & 0xF0000000;
//     h ^= g >> 23; h &= ~g;
// The file holds the set as TileImages writes it.
namespace TileSetCache {

// The highlight frames every set is rendered with.
QString highlightPath();

// The version of the artwork a set is made of: a SHA-1 digest of the bytes of
// the back, face and highlight files, so that new artwork never meets old
// cache files.
QByteArray artworkVersion(const QString &backPath, const QString &facePath);

quint32 keyHash(const QByteArray &key);
QByteArray cacheKey(const QString &backPath, const QString &facePath, const GameScale &scale,
                    const QByteArray &artwork);
QString fileName(const QString &backPath, const QString &facePath, const GameScale &scale,
                 const QByteArray &artwork);

// The cache the install step fills and every start reads first: "tilesets/" beside
// the executable, or in the per-user data directory where the executable's directory
// cannot be written and has none.
QString installDirectory();
// The per-user cache directory (the application's cache location, or a private
// directory under the temporary directory); empty when none can be made.
QString userDirectory();

// True when the cache file exists and is not older than any of the artwork
// files that have a modification time.
bool isFresh(const QString &cachePath, const QString &backPath, const QString &facePath);

// Writes the set atomically; false when the file could not be written.
bool write(const QString &path, const TileImages &images);

} // namespace TileSetCache

// The set for (back, face, scale) from a fresh cache file, as below; null when
// it would have to be rendered.
std::unique_ptr<TileImages> loadCachedTileset(const QString &backPath, const QString &facePath,
                                              const GameScale &scale);

// The set for (back, face, scale): read from a fresh cache file (the install
// cache first, then the per-user cache), else rendered and written to the cache.
std::unique_ptr<TileImages> loadOrRenderTileset(const QString &backPath, const QString &facePath,
                                                const GameScale &scale);
