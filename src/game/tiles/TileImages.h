#pragma once

#include "app/tile.h"
#include "game/tiles/GameScale.h"
#include "game/tiles/ShadowGeometry.h"
#include "game/tiles/TileDimensions.h"

#include <QImage>
#include <QRectF>

#include <array>
#include <map>
#include <utility>

class QDataStream;
class QString;

// One complete set of pre-rendered tile pictures for one tile back, one face
// artwork and one game scale: every way a tile is shown on the table, for each
// of the four seat orientations, plus the faces turned for each orientation.
//
// Kinds: 0 lying face up, 1 lying face down, 2 lying sideways, 3 the own
// upright tile (its pictures are the hand images), 4 a concealed tile of
// another seat, 5/6/7 wall stacks of one, two and three tiles, 8 nothing,
// 9 a wall stack of two showing a face.
class TileImages
{
public:
    static constexpr int OrientationCount = 4;
    static constexpr int KindCount = 10;
    static constexpr int FaceCount = tile::FaceCount;
    // The version word at the start of a serialized set.
    static constexpr qint32 SerializedVersion = 9;

    // Renders the set from a back (SVG or bitmap sheet), a face artwork (SVG or
    // bitmap sheet) and a bitmap of highlight frames.
    TileImages(const QString &backPath, const QString &facePath,
               const QString &highlightPath, const GameScale &scale);
    // Reads a set written by operator<<. Throws std::runtime_error
    // "Wrong serialized version" for a foreign version word; a damaged stream
    // leaves the stream's status set.
    explicit TileImages(QDataStream &in);
    // A quick copy of base, rescaled to scale.
    TileImages(const TileImages &base, const GameScale &scale);
    virtual ~TileImages();

    TileImages(const TileImages &) = delete;
    TileImages &operator=(const TileImages &) = delete;

    const GameScale &scale() const { return m_scale; }

    // Out-of-range arguments give a null image, unset dimensions or an empty
    // placement.
    const QImage &kindImage(int orientation, int kind) const;
    const QImage &handImage(int index) const;
    const QImage &face(int orientation, tile t) const;
    const QImage &uprightFace(tile t) const;
    const QImage &highlightFrame(int orientation) const;
    TileDimensions dimensions(int orientation, int kind) const;
    QRectF placement(int orientation, int kind) const;
    ShadowGeometry shadowGeometry(int orientation, int kind) const;
    // Made on first use on the GUI thread, then kept.
    const QImage &wallFace(int orientation, tile t) const;
    const QImage &handShadow() const;

    friend QDataStream &operator<<(QDataStream &out, const TileImages &images);

private:
    template <typename T>
    using PerKind = std::array<std::array<T, KindCount>, OrientationCount>;
    using Faces = std::array<QImage, FaceCount>;

    void renderSvgBack(const QString &path);
    void renderBitmapBack(const QString &path);
    void renderSvgFaces(const QString &path);
    void renderBitmapFaces(const QString &path);
    void renderHighlights(const QString &path);
    void setPlacementsFromImages();
    void buildShadowGeometries();
    static bool validOrientation(int orientation);
    static bool validKind(int kind);

    GameScale m_scale;
    PerKind<QImage> m_kindImages;
    std::array<QImage, 2> m_handImages;
    mutable QImage m_handShadow;
    mutable std::map<std::pair<qint32, quint8>, QImage> m_wallFaces;
    std::array<Faces, OrientationCount> m_faces;
    Faces m_uprightFaces;
    std::array<QImage, OrientationCount> m_highlightFrames;
    PerKind<TileDimensions> m_dimensions;
    PerKind<QRectF> m_placements;
    PerKind<ShadowGeometry> m_shadowGeometries;
};
