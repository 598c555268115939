#include "game/tiles/TileDimensions.h"

#include <QDataStream>

namespace {

int scaledMember(int value, double f)
{
    return value == -1 ? -1 : static_cast<int>(value * f);
}

} // namespace

void TileDimensions::scale(double f)
{
    m_width = scaledMember(m_width, f);
    m_height = scaledMember(m_height, f);
    m_depth = scaledMember(m_depth, f);
}

TileDimensions TileDimensions::scaled(double f) const
{
    TileDimensions d = *this;
    d.scale(f);
    return d;
}

TileDimensions TileDimensions::resized(int w, int h) const
{
    // Without a known height the depth cannot follow it and stays as it is.
    if (m_depth == -1 || m_height <= 0)
        return TileDimensions(w, h, m_depth);
    return TileDimensions(w, h, m_depth * h / m_height);
}

QDataStream &operator<<(QDataStream &out, const TileDimensions &d)
{
    return out << qint32(d.m_width) << qint32(d.m_height) << qint32(d.m_depth);
}

QDataStream &operator>>(QDataStream &in, TileDimensions &d)
{
    qint32 w = -1, h = -1, depth = -1;
    in >> w >> h >> depth;
    d = TileDimensions(w, h, depth);
    return in;
}
