#pragma once

#include "app/MetaTypes.h"

#include <QMetaType>
#include <QPolygonF>

// The footprint of one item for the table's drop shadows: its outline in
// item coordinates, its own height and the height of its base.
struct ShadowGeometry
{
    QPolygonF outline;
    int height = 0;
    int elevation = 0;
};

Q_DECLARE_METATYPE(ShadowGeometry)
MAHJONG_REGISTER_METATYPE(ShadowGeometry, ShadowGeometry)
