#include "table/scene/TileAnimationSet.h"

#include "table/scene/TileAnimation.h"
#include "table/scene/TileAnimationSource.h"
#include "table/scene/TileAnimationTarget.h"
#include "table/scene/TileMetrics.h"
#include "table/scene/TileView.h"

#include <QtDebug>

namespace {

double runLengthRatio(const TilePlacement &placement, int base)
{
    if (base <= 0)
        return 1.0;
    return double(TileMetrics::runLength(TileMetrics::gameSize(placement.orientation, placement.kind),
                                         placement.orientation)) /
           base;
}

} // namespace

TileAnimationSet::TileAnimationSet(QGraphicsScene *scene, TileAnimationSource *source,
                                   TileAnimationTarget *target, int durationMs, const tile_vector &tiles)
    : GameWindowAnimation(durationMs), m_scene(scene), m_source(source), m_target(target), m_tiles(tiles)
{
}

TileAnimationSet::TileAnimationSet(QGraphicsScene *scene, TileAnimationSource *source,
                                   TileAnimationTarget *target, int durationMs, int count)
    : GameWindowAnimation(durationMs), m_scene(scene), m_source(source), m_target(target), m_count(count)
{
}

TileAnimationSet::~TileAnimationSet()
{
    for (TileAnimation *animation : m_animations)
        delete animation;
}

void TileAnimationSet::start(bool instant)
{
    const bool tileMode = m_count == 0;
    if (!instant) {
        const std::vector<TilePlacement> from =
            tileMode ? m_source->sourcePlacements(m_tiles) : m_source->sourcePlacements(m_count);
        const std::vector<TilePlacement> to =
            tileMode ? m_target->targetPlacements(m_tiles) : m_target->targetPlacements(m_count);
        const size_t moving = tileMode ? m_tiles.size() : static_cast<size_t>(qMax(m_count, 0));
        // An end that answers fewer places than tiles moves only as many as both hold.
        const size_t shown = std::min({moving, from.size(), to.size()});
        if (shown < moving)
            qWarning() << "tile move of" << moving << "tiles with" << from.size() << "start and"
                       << to.size() << "end places; showing" << shown;
        m_animations.reserve(shown);
        const int flyingKind = tileMode ? 0 : 1;
        for (size_t i = 0; i < shown; ++i) {
            const TilePlacement &a = from[i];
            const TilePlacement &b = to[i];
            auto *animation =
                new TileAnimation(m_scene, &m_timeLine, flyingKind, a.orientation, b.orientation, 0.0, 1.0);
            const int base =
                TileMetrics::runLength(TileMetrics::gameSize(b.orientation, 0), b.orientation);
            if (tileMode)
                animation->setTile(m_tiles[i]);
            animation->setStartPos(a.pos);
            animation->setStartScale(runLengthRatio(a, base));
            animation->setEndPos(b.pos);
            animation->setEndScale(runLengthRatio(b, base));
            m_animations.push_back(animation);
        }
        m_timeLine.start();
    }
    if (tileMode)
        m_source->takeTiles(m_tiles);
    else
        m_source->takeTiles(m_count);
}

void TileAnimationSet::finish(bool)
{
    m_timeLine.stop();
    for (TileAnimation *animation : m_animations)
        animation->tileItem()->setVisible(false);
    if (m_count == 0)
        m_target->putTiles(m_tiles);
    else
        m_target->putTiles(m_count);
}
