#pragma once

#include "app/tile.h"
#include "table/scene/GameWindowAnimation.h"

#include <vector>

class QGraphicsScene;
class TileAnimation;
class TileAnimationSource;
class TileAnimationTarget;

// Moves tiles from one view of the table to another: known tiles (tile mode) or a
// count of hidden ones (count mode). The tiles leave the source when the move starts
// and appear in the target only when it finishes; in between they fly on the scene.
class TileAnimationSet : public GameWindowAnimation
{
    Q_OBJECT

public:
    TileAnimationSet(QGraphicsScene *scene, TileAnimationSource *source, TileAnimationTarget *target,
                     int durationMs, const tile_vector &tiles);
    TileAnimationSet(QGraphicsScene *scene, TileAnimationSource *source, TileAnimationTarget *target,
                     int durationMs, int count);
    ~TileAnimationSet() override;

    void start(bool instant) override;
    void finish(bool instant) override;

    const std::vector<TileAnimation *> &animations() const { return m_animations; }

private:
    QGraphicsScene *m_scene;
    std::vector<TileAnimation *> m_animations;
    TileAnimationSource *m_source;
    TileAnimationTarget *m_target;
    int m_count = 0;
    tile_vector m_tiles;
};
