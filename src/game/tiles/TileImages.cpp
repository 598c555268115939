#include "game/tiles/TileImages.h"

#include "game/tiles/StoredPng.h"

#include <QDataStream>
#include <QFileInfo>
#include <QPainter>
#include <QSvgRenderer>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

enum Orientation { Bottom, Right, Top, Left };

const std::array<const char *, TileImages::OrientationCount> orientationNames = {
    "Bottom", "Right", "Top", "Left"};

// Geometry of a tile in the SVG artwork: width, face height, edge depth.
struct SourceGeometry
{
    double width;
    double height;
    double depth;
};

constexpr SourceGeometry uprightSource{192, 220, 69};
constexpr SourceGeometry turnedSource{220, 192, 69};

// Screen sizes at factor 1.0.
constexpr TileDimensions uprightSize(28, 35, 10);
constexpr TileDimensions turnedSize(38, 26, 10);
constexpr TileDimensions hiddenBottomSize(28, 20, 0);
constexpr TileDimensions hiddenTopSize(28, 20, 10);
constexpr TileDimensions hiddenSideSize(21, 18, 21);

bool isSideways(int orientation)
{
    return orientation == Right || orientation == Left;
}

bool isSvg(const QString &path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0;
}

QImage transparentImage(int width, int height)
{
    if (width <= 0 || height <= 0)
        return QImage();
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

void setRenderHints(QPainter &painter)
{
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing
                           | QPainter::SmoothPixmapTransform);
}

// Draws the part `source` (in the element's own coordinates) of an element
// stretched onto `target`.
void drawElement(QPainter &painter, QSvgRenderer &renderer, const QString &id,
                 const QRectF &elementBounds, const QRectF &source, const QRectF &target)
{
    if (source.width() <= 0 || source.height() <= 0 || target.isEmpty())
        return;
    painter.save();
    painter.setClipRect(target);
    painter.translate(target.topLeft());
    painter.scale(target.width() / source.width(), target.height() / source.height());
    painter.translate(-source.topLeft());
    renderer.render(&painter, id, elementBounds);
    painter.restore();
}

QString elementId(const char *prefix, int orientation)
{
    return QLatin1String(prefix) + QLatin1String(orientationNames[orientation]);
}

// The element stretched onto the whole image of width x (height + depth).
QImage renderWhole(QSvgRenderer &renderer, const QString &id, const TileDimensions &size)
{
    QImage image = transparentImage(size.width(), size.height() + std::max(size.depth(), 0));
    if (!image.isNull() && renderer.elementExists(id)) {
        const QRectF bounds = renderer.boundsOnElement(id);
        QPainter painter(&image);
        setRenderHints(painter);
        drawElement(painter, renderer, id, bounds, bounds, QRectF(image.rect()));
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The face and the edge of the element scale independently: the upper part of
// its bounds goes onto the face, the lower part onto the edge.
QImage renderSplit(QSvgRenderer &renderer, const QString &id, const TileDimensions &size,
                   const SourceGeometry &geometry)
{
    const int depth = std::max(size.depth(), 0);
    QImage image = transparentImage(size.width(), size.height() + depth);
    if (!image.isNull() && renderer.elementExists(id)) {
        const QRectF b = renderer.boundsOnElement(id);
        const double r = geometry.height / (geometry.height + geometry.depth);
        QPainter painter(&image);
        setRenderHints(painter);
        drawElement(painter, renderer, id, b, QRectF(b.x(), b.y(), b.width(), r * b.height()),
                    QRectF(0, 0, size.width(), size.height()));
        drawElement(painter, renderer, id, b,
                    QRectF(b.x(), b.y() + r * b.height(), b.width(), b.height() - r * b.height()),
                    QRectF(0, size.height(), size.width(), depth));
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// A face: the element stretched onto width x height, optionally turned by -90
// degrees about the image centre.
QImage renderFace(QSvgRenderer &renderer, const QString &id, int width, int height, bool turned)
{
    QImage image = transparentImage(width, height);
    if (!image.isNull() && renderer.elementExists(id)) {
        const QRectF bounds = renderer.boundsOnElement(id);
        QPainter painter(&image);
        setRenderHints(painter);
        if (turned) {
            painter.translate(width / 2.0, height / 2.0);
            painter.rotate(-90);
            drawElement(painter, renderer, id, bounds, bounds,
                        QRectF(-height / 2.0, -width / 2.0, height, width));
        } else {
            drawElement(painter, renderer, id, bounds, bounds, QRectF(0, 0, width, height));
        }
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage turned(const QImage &image, int degrees)
{
    if (image.isNull())
        return image;
    return image.transformed(QTransform().rotate(degrees))
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage resizedTo(const QImage &image, int width, int height)
{
    if (image.isNull() || width <= 0 || height <= 0)
        return QImage();
    return image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage resizedBy(const QImage &image, double ratio)
{
    if (image.isNull())
        return image;
    if (ratio == 1.0)
        return image;
    return resizedTo(image, qRound(image.width() * ratio), qRound(image.height() * ratio));
}

// The SVG element id of a face: "BAMBOO 1" becomes "bamboo_1".
QString faceElementId(tile t)
{
    return QString::fromStdString(tileToString(t)).toLower().replace(QLatin1Char(' '),
                                                                     QLatin1Char('_'));
}

// Rectangles of the bitmap back sheets, by orientation Bottom, Right, Top, Left.
using SheetRects = std::array<QRect, TileImages::OrientationCount>;
const QRect handSheetRect(30, 40, 29, 45);
const QRect handHighlightSheetRect(238, 40, 29, 45);
const SheetRects lyingSheetRects = {QRect(0, 40, 29, 43), QRect(0, 5, 40, 34),
                                    QRect(60, 40, 29, 43), QRect(224, 90, 40, 34)};
const SheetRects faceDownSheetRects = {QRect(208, 40, 29, 44), QRect(183, 90, 40, 33),
                                       QRect(148, 40, 29, 44), QRect(259, 6, 40, 33)};
const SheetRects doubleStackSheetRects = {QRect(178, 40, 29, 49), QRect(142, 90, 40, 38),
                                          QRect(118, 40, 29, 49), QRect(218, 1, 40, 38)};
const SheetRects tripleStackSheetRects = {QRect(112, 90, 29, 54), QRect(71, 90, 40, 43),
                                          QRect(41, 90, 29, 54), QRect(0, 90, 40, 43)};
const SheetRects doraSheetRects = {QRect(41, 145, 29, 49), QRect(224, 164, 40, 38),
                                   QRect(71, 145, 29, 49), QRect(265, 164, 40, 38)};
const SheetRects hiddenSheetRects = {QRect(268, 40, 27, 26), QRect(109, 0, 26, 39),
                                     QRect(90, 40, 27, 26), QRect(82, 0, 26, 39)};
const QRect sidewaysBottomSheetRect(41, 5, 40, 34);
const QRect sidewaysTopSheetRect(224, 90, 40, 34);

QImage cutFromSheet(const QImage &sheet, const QRect &rect, double factor)
{
    if (sheet.isNull())
        return QImage();
    return resizedTo(sheet.copy(rect), static_cast<int>(rect.width() * factor),
                     static_cast<int>(rect.height() * factor));
}

// Highlight frames in the highlight bitmap, by orientation.
const SheetRects highlightRects = {QRect(43, 1, 29, 43), QRect(1, 1, 40, 34),
                                   QRect(74, 1, 29, 43), QRect(105, 1, 40, 34)};

// Where a face sits on a lying bitmap tile, by orientation.
const std::array<QPointF, TileImages::OrientationCount> bitmapFaceOffsets = {
    QPointF(1, 0), QPointF(2, -1), QPointF(1, -5), QPointF(-4, 1)};

constexpr int faceCellWidth = 27;
constexpr int faceCellHeight = 42;

// A face cut from a bitmap face sheet into an image of the given size, turned
// for the orientation.
QImage bitmapFace(const QImage &cell, int orientation, int width, int height)
{
    QImage image = transparentImage(width, height);
    if (image.isNull() || cell.isNull())
        return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const bool sideways = isSideways(orientation);
    const QTransform turn = QImage::trueMatrix(QTransform().rotate(-90.0 * orientation),
                                               cell.width(), cell.height());
    const QTransform scale = QTransform::fromScale(width / (sideways ? 39.0 : 28.0),
                                                   height / (sideways ? 28.0 : 39.0));
    const QPointF offset = bitmapFaceOffsets[orientation];
    QPainter painter(&image);
    setRenderHints(painter);
    painter.setTransform(turn * scale * QTransform::fromTranslate(offset.x(), offset.y()));
    painter.drawImage(0, 0, cell);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

const QImage nullImage;

} // namespace

TileImages::TileImages(const QString &backPath, const QString &facePath,
                       const QString &highlightPath, const GameScale &scale)
    : m_scale(scale)
{
    if (isSvg(backPath))
        renderSvgBack(backPath);
    else
        renderBitmapBack(backPath);
    if (isSvg(facePath))
        renderSvgFaces(facePath);
    else
        renderBitmapFaces(facePath);
    renderHighlights(highlightPath);
    setPlacementsFromImages();
    buildShadowGeometries();
}

TileImages::TileImages(const TileImages &base, const GameScale &scale)
    : m_scale(scale)
{
    const double wallRatio = scale.wall / base.m_scale.wall;
    const double tableRatio = scale.table / base.m_scale.table;
    const double handRatio = scale.hand / base.m_scale.hand;
    const auto ratioOfKind = [&](int kind) {
        if (kind == 3)
            return handRatio;
        return kind >= 5 ? wallRatio : tableRatio;
    };

    for (int o = 0; o < OrientationCount; ++o) {
        for (int k = 0; k < KindCount; ++k) {
            const double ratio = ratioOfKind(k);
            m_kindImages[o][k] = resizedBy(base.m_kindImages[o][k], ratio);
            m_dimensions[o][k] = base.m_dimensions[o][k].scaled(ratio);
            const QImage &image = m_kindImages[o][k];
            QRectF placement(0, 0, image.width(), image.height());
            if (k >= 5) {
                const QRectF &old = base.m_placements[o][k];
                placement.translate(static_cast<int>(old.x() * ratio),
                                    static_cast<int>(old.y() * ratio));
            }
            m_placements[o][k] = placement;
        }
        for (int t = 0; t < FaceCount; ++t)
            m_faces[o][t] = resizedBy(base.m_faces[o][t], tableRatio);
        m_highlightFrames[o] = resizedBy(base.m_highlightFrames[o], tableRatio);
    }
    for (int t = 0; t < FaceCount; ++t)
        m_uprightFaces[t] = resizedBy(base.m_uprightFaces[t], handRatio);
    for (std::size_t i = 0; i < m_handImages.size(); ++i)
        m_handImages[i] = resizedBy(base.m_handImages[i], handRatio);
    m_placements[Bottom][3] = QRectF(m_handImages[0].rect());
    buildShadowGeometries();
}

TileImages::TileImages(QDataStream &in)
{
    qint32 version = 0;
    in >> version;
    if (version != SerializedVersion)
        throw std::runtime_error("Wrong serialized version");
    in >> m_scale.wall >> m_scale.table >> m_scale.hand;
    // Qt's stream form of an image, as operator>> reads it, in the fast way
    // for the files operator<< writes.
    const auto read = [&in](QImage &image) {
        qint32 marker = 0;
        in >> marker;
        image = QImage();
        if (marker == 0 || in.status() != QDataStream::Ok)
            return;
        image = StoredPng::read(in.device());
        if (image.isNull())
            in.setStatus(QDataStream::ReadCorruptData);
        else
            image.convertTo(QImage::Format_ARGB32_Premultiplied);
    };
    for (int o = 0; o < OrientationCount; ++o) {
        for (int k = 0; k < KindCount; ++k) {
            read(m_kindImages[o][k]);
            in >> m_dimensions[o][k] >> m_placements[o][k];
        }
    }
    for (int o = 0; o < OrientationCount; ++o) {
        for (QImage &face : m_faces[o])
            read(face);
        read(m_highlightFrames[o]);
    }
    for (QImage &face : m_uprightFaces)
        read(face);
    for (QImage &image : m_handImages)
        read(image);
    m_placements[Bottom][3] = QRectF(m_handImages[0].rect());
    buildShadowGeometries();
}

TileImages::~TileImages() = default;

namespace {

// Qt's stream form of an image (a null marker, or 1 and a PNG file). The PNG
// is neither filtered nor compressed: a set reads back several times faster.
void writeImage(QDataStream &out, const QImage &image)
{
    if (image.isNull()) {
        out << qint32(0);
        return;
    }
    out << qint32(1);
    if (!StoredPng::write(out.device(), image))
        out.setStatus(QDataStream::WriteFailed);
}

} // namespace

QDataStream &operator<<(QDataStream &out, const TileImages &images)
{
    out << TileImages::SerializedVersion << images.m_scale.wall << images.m_scale.table
        << images.m_scale.hand;
    for (int o = 0; o < TileImages::OrientationCount; ++o) {
        for (int k = 0; k < TileImages::KindCount; ++k)
        {
            writeImage(out, images.m_kindImages[o][k]);
            out << images.m_dimensions[o][k] << images.m_placements[o][k];
        }
    }
    for (int o = 0; o < TileImages::OrientationCount; ++o) {
        for (const QImage &face : images.m_faces[o])
            writeImage(out, face);
        writeImage(out, images.m_highlightFrames[o]);
    }
    for (const QImage &face : images.m_uprightFaces)
        writeImage(out, face);
    for (const QImage &image : images.m_handImages)
        writeImage(out, image);
    return out;
}

void TileImages::renderSvgBack(const QString &path)
{
    QSvgRenderer renderer(path);
    const double hand = m_scale.hand;
    const double table = m_scale.table;
    const double wall = m_scale.wall;

    const TileDimensions handSize = uprightSize.scaled(hand);
    m_handImages[0] = renderWhole(renderer, QStringLiteral("hand"), handSize);
    m_handImages[1] = renderWhole(renderer, QStringLiteral("handHighlight"), handSize);
    m_dimensions[Bottom][3] = handSize;

    const auto lyingSize = [](int o) { return isSideways(o) ? turnedSize : uprightSize; };
    const auto lyingSource = [](int o) { return isSideways(o) ? turnedSource : uprightSource; };
    const auto stacked = [](TileDimensions size, int n) {
        return TileDimensions(size.width(), size.height(), size.depth() * n);
    };
    const auto stackedSource = [](SourceGeometry g, int n) {
        return SourceGeometry{g.width, g.height, g.depth * n};
    };

    for (int o = 0; o < OrientationCount; ++o) {
        m_dimensions[o][0] = lyingSize(o).scaled(table);
        m_kindImages[o][0] = renderSplit(renderer, elementId("declared", o), m_dimensions[o][0],
                                         lyingSource(o));
    }
    for (int o = 0; o < OrientationCount; ++o) {
        m_dimensions[o][1] = lyingSize(o).scaled(table);
        m_kindImages[o][1] = renderSplit(renderer, elementId("wallSingle", o),
                                         m_dimensions[o][1], lyingSource(o));
    }
    m_dimensions[Bottom][2] = turnedSize.scaled(table);
    m_kindImages[Bottom][2] = renderSplit(renderer, QStringLiteral("declaredBottomTurned"),
                                          m_dimensions[Bottom][2], uprightSource);
    m_dimensions[Top][2] = turnedSize.scaled(table);
    m_kindImages[Top][2] = renderSplit(renderer, QStringLiteral("declaredTopTurned"),
                                       m_dimensions[Top][2], uprightSource);
    m_dimensions[Right][2] = m_dimensions[Bottom][0];
    m_kindImages[Right][2] = m_kindImages[Bottom][0];
    m_dimensions[Left][2] = m_dimensions[Top][0];
    m_kindImages[Left][2] = m_kindImages[Top][0];

    const std::array<TileDimensions, OrientationCount> hiddenSizes = {
        hiddenBottomSize, hiddenSideSize, hiddenTopSize, hiddenSideSize};
    for (int o = 0; o < OrientationCount; ++o) {
        m_dimensions[o][4] = hiddenSizes[o].scaled(table);
        m_kindImages[o][4] = renderWhole(renderer, elementId("hidden", o), m_dimensions[o][4]);
    }

    struct WallKind
    {
        int kind;
        const char *element;
        int stack;
    };
    const std::array<WallKind, 4> wallKinds = {WallKind{5, "wallSingle", 1},
                                               WallKind{6, "wallDouble", 2},
                                               WallKind{7, "wallTriple", 3},
                                               WallKind{9, "wallDora", 2}};
    for (const WallKind &w : wallKinds) {
        for (int o = 0; o < OrientationCount; ++o) {
            m_dimensions[o][w.kind] = stacked(lyingSize(o), w.stack).scaled(wall);
            m_kindImages[o][w.kind] =
                renderSplit(renderer, elementId(w.element, o), m_dimensions[o][w.kind],
                            stackedSource(lyingSource(o), w.stack));
        }
    }
}

void TileImages::renderBitmapBack(const QString &path)
{
    const QImage sheet(path);
    const double hand = m_scale.hand;
    const double table = m_scale.table;
    const double wall = m_scale.wall;

    m_handImages[0] = cutFromSheet(sheet, handSheetRect, hand);
    m_handImages[1] = cutFromSheet(sheet, handHighlightSheetRect, hand);
    m_dimensions[Bottom][3] = TileDimensions(28, 39, 6).scaled(hand);

    for (int o = 0; o < OrientationCount; ++o) {
        const bool sideways = isSideways(o);
        const TileDimensions lying = sideways ? TileDimensions(39, 28, -1)
                                              : TileDimensions(28, 39, -1);
        m_kindImages[o][0] = cutFromSheet(sheet, lyingSheetRects[o], table);
        m_dimensions[o][0] = lying.scaled(table);
        m_kindImages[o][1] = cutFromSheet(sheet, faceDownSheetRects[o], table);
        m_dimensions[o][1] = lying.scaled(table);
        m_kindImages[o][4] = cutFromSheet(sheet, hiddenSheetRects[o], table);
        m_dimensions[o][4] = (sideways ? TileDimensions(-1, 30, -1)
                                       : TileDimensions(28, -1, -1)).scaled(table);

        const auto wallSize = [sideways](int n) {
            return sideways ? TileDimensions(39, 27, 5 * n) : TileDimensions(28, 38, 5 * n);
        };
        m_kindImages[o][5] = cutFromSheet(sheet, faceDownSheetRects[o], wall);
        m_dimensions[o][5] = wallSize(1).scaled(wall);
        m_kindImages[o][6] = cutFromSheet(sheet, doubleStackSheetRects[o], wall);
        m_dimensions[o][6] = wallSize(2).scaled(wall);
        m_kindImages[o][7] = cutFromSheet(sheet, tripleStackSheetRects[o], wall);
        m_dimensions[o][7] = wallSize(3).scaled(wall);
        m_kindImages[o][9] = cutFromSheet(sheet, doraSheetRects[o], wall);
        m_dimensions[o][9] = wallSize(2).scaled(wall);
    }
    m_kindImages[Bottom][2] = cutFromSheet(sheet, sidewaysBottomSheetRect, table);
    m_dimensions[Bottom][2] = TileDimensions(39, 28, -1).scaled(table);
    m_kindImages[Top][2] = cutFromSheet(sheet, sidewaysTopSheetRect, table);
    m_dimensions[Top][2] = TileDimensions(39, 28, -1).scaled(table);
    m_kindImages[Right][2] = m_kindImages[Bottom][0];
    m_dimensions[Right][2] = m_dimensions[Bottom][0];
    m_kindImages[Left][2] = m_kindImages[Top][0];
    m_dimensions[Left][2] = m_dimensions[Top][0];
}

void TileImages::renderSvgFaces(const QString &path)
{
    QSvgRenderer renderer(path);
    const TileDimensions bottom = m_dimensions[Bottom][0];
    const TileDimensions right = m_dimensions[Right][0];
    const bool turnedCopies = bottom.width() == right.height() && bottom.height() == right.width();
    const TileDimensions handSize = m_dimensions[Bottom][3];

    for (int code = 0; code < FaceCount; ++code) {
        const QString id = faceElementId(tile(static_cast<std::uint8_t>(code)));
        m_faces[Bottom][code] = renderFace(renderer, id, bottom.width(), bottom.height(), false);
        if (turnedCopies) {
            for (int o = Right; o < OrientationCount; ++o)
                m_faces[o][code] = turned(m_faces[o - 1][code], -90);
        } else {
            m_faces[Right][code] = renderFace(renderer, id, right.width(), right.height(), true);
            m_faces[Top][code] = turned(m_faces[Bottom][code], 180);
            m_faces[Left][code] = turned(m_faces[Right][code], 180);
        }
        m_uprightFaces[code] =
            renderFace(renderer, id, handSize.width(), handSize.height(), false);
    }
}

void TileImages::renderBitmapFaces(const QString &path)
{
    const QImage sheet(path);
    const int pitch = sheet.width() / FaceCount;
    const TileDimensions handSize = m_dimensions[Bottom][3];
    for (int code = 0; code < FaceCount; ++code) {
        const QImage cell =
            sheet.isNull() ? QImage()
                           : sheet.copy(code * pitch, 0, faceCellWidth, faceCellHeight);
        for (int o = 0; o < OrientationCount; ++o) {
            const TileDimensions size = m_dimensions[o][0];
            m_faces[o][code] = bitmapFace(cell, o, size.width(), size.height());
        }
        m_uprightFaces[code] = bitmapFace(cell, Bottom, handSize.width(), handSize.height());
    }
}

void TileImages::renderHighlights(const QString &path)
{
    const QImage frames(path);
    for (int o = 0; o < OrientationCount; ++o) {
        const TileDimensions size = m_dimensions[o][0];
        m_highlightFrames[o] =
            frames.isNull() ? QImage()
                            : resizedTo(frames.copy(highlightRects[o]), size.width(),
                                        size.height());
    }
}

void TileImages::setPlacementsFromImages()
{
    for (int o = 0; o < OrientationCount; ++o) {
        for (int k = 0; k < KindCount; ++k)
            m_placements[o][k] = QRectF(m_kindImages[o][k].rect());
    }
    m_placements[Bottom][3] = QRectF(m_handImages[0].rect());
}

void TileImages::buildShadowGeometries()
{
    for (int o = 0; o < OrientationCount; ++o) {
        for (int k = 0; k < KindCount; ++k) {
            const QRectF &placement = m_placements[o][k];
            const double W = placement.width();
            const double H = placement.height();
            const int depth = m_dimensions[o][k].depth();
            double D = depth == -1 ? H : depth;
            if (k == 3)
                D = H - depth;
            const double c = std::min(W, D) / 30.0;
            const double h = c / 2.0;
            const double left = h;
            const double right = W - c + h;
            const double top = H - D + h;
            const double bottom = H - c + h;

            ShadowGeometry &shadow = m_shadowGeometries[o][k];
            shadow.outline = QPolygonF({QPointF(left + 2 * c, top), QPointF(left, top + 2 * c),
                                        QPointF(left, bottom - 2 * c), QPointF(left + 2 * c, bottom),
                                        QPointF(right - 2 * c, bottom), QPointF(right, bottom - 2 * c),
                                        QPointF(right, top + 2 * c), QPointF(right - 2 * c, top)});
            if (k == 3 || k == 4 || k == 6 || k == 9)
                shadow.height = 10;
            else if (k == 7)
                shadow.height = 15;
            else
                shadow.height = 5;
            shadow.elevation = 0;
        }
    }
}

bool TileImages::validOrientation(int orientation)
{
    return orientation >= 0 && orientation < OrientationCount;
}

bool TileImages::validKind(int kind)
{
    return kind >= 0 && kind < KindCount;
}

const QImage &TileImages::kindImage(int orientation, int kind) const
{
    if (!validOrientation(orientation) || !validKind(kind))
        return nullImage;
    return m_kindImages[orientation][kind];
}

const QImage &TileImages::handImage(int index) const
{
    if (index < 0 || index >= static_cast<int>(m_handImages.size()))
        return nullImage;
    return m_handImages[index];
}

const QImage &TileImages::face(int orientation, tile t) const
{
    if (!validOrientation(orientation) || !t.isFace())
        return nullImage;
    return m_faces[orientation][t.code()];
}

const QImage &TileImages::uprightFace(tile t) const
{
    if (!t.isFace())
        return nullImage;
    return m_uprightFaces[t.code()];
}

const QImage &TileImages::highlightFrame(int orientation) const
{
    if (!validOrientation(orientation))
        return nullImage;
    return m_highlightFrames[orientation];
}

TileDimensions TileImages::dimensions(int orientation, int kind) const
{
    if (!validOrientation(orientation) || !validKind(kind))
        return TileDimensions();
    return m_dimensions[orientation][kind];
}

QRectF TileImages::placement(int orientation, int kind) const
{
    if (!validOrientation(orientation) || !validKind(kind))
        return QRectF();
    return m_placements[orientation][kind];
}

ShadowGeometry TileImages::shadowGeometry(int orientation, int kind) const
{
    if (!validOrientation(orientation) || !validKind(kind))
        return ShadowGeometry();
    return m_shadowGeometries[orientation][kind];
}

const QImage &TileImages::wallFace(int orientation, tile t) const
{
    if (!validOrientation(orientation) || !t.isFace())
        return nullImage;
    const auto key = std::make_pair(qint32(orientation), quint8(t.code()));
    auto it = m_wallFaces.find(key);
    if (it == m_wallFaces.end()) {
        const double ratio = m_scale.wall / m_scale.table;
        it = m_wallFaces.emplace(key, resizedBy(m_faces[orientation][t.code()], ratio)).first;
    }
    return it->second;
}

const QImage &TileImages::handShadow() const
{
    if (m_handShadow.isNull() && !m_handImages[0].isNull()) {
        const QImage source = m_handImages[0].convertToFormat(QImage::Format_ARGB32);
        QImage shadow(source.size(), QImage::Format_ARGB32);
        for (int y = 0; y < source.height(); ++y) {
            const QRgb *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
            QRgb *out = reinterpret_cast<QRgb *>(shadow.scanLine(y));
            for (int x = 0; x < source.width(); ++x)
                out[x] = qRgba(0, 0, 0, qAlpha(in[x]) / 3);
        }
        m_handShadow = shadow.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    return m_handShadow;
}
