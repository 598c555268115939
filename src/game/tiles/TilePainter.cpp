#include "game/tiles/TilePainter.h"

#include <QDebug>
#include <QPainter>

#include <vector>

namespace {

// Codes outside the faces and the unknown tile come from damaged data: they
// are drawn face down, never used as an index.
bool isInvalidCode(tile t)
{
    if (t.isFace() || t.isUnknown())
        return false;
    qWarning() << "invalid tile code" << t.code() << "drawn face down";
    return true;
}

} // namespace

TilePainter::Listner::~Listner() = default;

void TilePainter::Listner::imagesAboutToChange()
{
}

void TilePainter::Listner::imagesChanged()
{
}

TilePainter::TilePainter() = default;

TilePainter::~TilePainter() = default;

void TilePainter::addListener(Listner *listener)
{
    m_listeners.insert(listener);
}

void TilePainter::removeListener(Listner *listener)
{
    m_listeners.erase(listener);
}

void TilePainter::setImages(std::unique_ptr<TileImages> images)
{
    // A listener may register or leave while it is notified.
    const std::vector<Listner *> before(m_listeners.begin(), m_listeners.end());
    for (Listner *listener : before) {
        if (m_listeners.count(listener))
            listener->imagesAboutToChange();
    }
    m_images = std::move(images);
    const std::vector<Listner *> after(m_listeners.begin(), m_listeners.end());
    for (Listner *listener : after) {
        if (m_listeners.count(listener))
            listener->imagesChanged();
    }
}

QPoint TilePainter::offset(int orientation, int kind) const
{
    const QRectF placement = m_images->placement(orientation, kind);
    return QPoint(static_cast<int>(placement.x()), static_cast<int>(placement.y()));
}

void TilePainter::drawLyingTile(QPainter *painter, const QPoint &pos, tile t, int orientation,
                                bool highlighted) const
{
    if (!m_images)
        return;
    if (t.isFace()) {
        const QPoint at = pos + offset(orientation, 0);
        painter->drawImage(at, m_images->kindImage(orientation, 0));
        painter->drawImage(at, m_images->face(orientation, t));
        if (highlighted)
            painter->drawImage(at, m_images->highlightFrame(orientation));
        return;
    }
    isInvalidCode(t);
    drawFaceDownTile(painter, pos, orientation);
    if (highlighted)
        painter->drawImage(pos + offset(orientation, 1), m_images->highlightFrame(orientation));
}

void TilePainter::drawFaceDownTile(QPainter *painter, const QPoint &pos, int orientation) const
{
    if (!m_images)
        return;
    painter->drawImage(pos + offset(orientation, 1), m_images->kindImage(orientation, 1));
}

void TilePainter::drawSidewaysTile(QPainter *painter, const QPoint &pos, tile t,
                                   int orientation) const
{
    if (!m_images)
        return;
    const int turnedOrientation = (orientation + 1) % TileImages::OrientationCount;
    if (!t.isFace()) {
        // The face-down tile of the next orientation has the sideways shape.
        isInvalidCode(t);
        drawFaceDownTile(painter, pos, turnedOrientation);
        return;
    }
    const QPoint at = pos + offset(orientation, 2);
    painter->drawImage(at, m_images->kindImage(orientation, 2));
    painter->drawImage(at, m_images->face(turnedOrientation, t));
}

void TilePainter::drawOwnHandTile(QPainter *painter, const QPoint &pos, tile t,
                                  bool highlighted, bool enabled) const
{
    if (!m_images)
        return;
    painter->drawImage(pos, m_images->handImage(highlighted ? 1 : 0));
    // An invalid code shows the blank tile.
    if (!isInvalidCode(t))
        painter->drawImage(pos + QPoint(0, m_images->dimensions(0, 3).depth()),
                           m_images->uprightFace(t));
    if (!enabled)
        painter->drawImage(pos, m_images->handShadow());
}

void TilePainter::drawHiddenTile(QPainter *painter, const QPoint &pos, int orientation) const
{
    if (!m_images)
        return;
    painter->drawImage(pos, m_images->kindImage(orientation, 4));
}

void TilePainter::drawWallStack(QPainter *painter, const QPoint &pos, int orientation,
                                int n) const
{
    if (!m_images || n < 0 || n > 2)
        return;
    painter->drawImage(pos, m_images->kindImage(orientation, 5 + n));
}

void TilePainter::drawWallDora(QPainter *painter, const QPoint &pos, tile t,
                               int orientation) const
{
    if (!m_images || t.isUnknown())
        return;
    if (isInvalidCode(t)) {
        drawWallStack(painter, pos, orientation, 1);
        return;
    }
    painter->drawImage(pos, m_images->kindImage(orientation, 9));
    painter->drawImage(pos, m_images->wallFace(orientation, t));
}
