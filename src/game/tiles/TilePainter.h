#pragma once

#include "app/tile.h"
#include "game/tiles/TileImages.h"

#include <memory>
#include <set>

class QPainter;
class QPoint;

// Holds one tile image set, tells its listeners when the set is replaced and
// draws tiles with it, one operation per display kind of a tile view.
class TilePainter
{
public:
    // Views that draw through a painter register here; they must drop any
    // image they hold between the two notifications.
    class Listner
    {
    public:
        virtual ~Listner();
        virtual void imagesAboutToChange();
        virtual void imagesChanged();
    };

    TilePainter();
    ~TilePainter();

    TilePainter(const TilePainter &) = delete;
    TilePainter &operator=(const TilePainter &) = delete;

    void addListener(Listner *listener);
    void removeListener(Listner *listener);

    // Installs a new set (null for none) and deletes the old one, notifying
    // every listener before and after.
    void setImages(std::unique_ptr<TileImages> images);
    const TileImages *images() const { return m_images.get(); }

    // Display kind 0: a tile lying face up; an unknown tile lies face down.
    void drawLyingTile(QPainter *painter, const QPoint &pos, tile t, int orientation,
                       bool highlighted) const;
    // Display kind 1.
    void drawFaceDownTile(QPainter *painter, const QPoint &pos, int orientation) const;
    // Display kind 2: a tile lying face up, turned sideways.
    void drawSidewaysTile(QPainter *painter, const QPoint &pos, tile t, int orientation) const;
    // Display kind 3: the local player's upright tile.
    void drawOwnHandTile(QPainter *painter, const QPoint &pos, tile t, bool highlighted,
                         bool enabled) const;
    // Display kind 4: a concealed tile of another seat.
    void drawHiddenTile(QPainter *painter, const QPoint &pos, int orientation) const;
    // Display kinds 5, 6, 7: a wall stack of n + 1 tiles.
    void drawWallStack(QPainter *painter, const QPoint &pos, int orientation, int n) const;
    // Display kind 9: a wall stack showing a dora indicator.
    void drawWallDora(QPainter *painter, const QPoint &pos, tile t, int orientation) const;

private:
    QPoint offset(int orientation, int kind) const;

    std::unique_ptr<TileImages> m_images;
    std::set<Listner *> m_listeners;
};
