#pragma once

class QDataStream;

// The size of one tile picture: width, height of the face and depth of the
// edge drawn below it. -1 marks a member that is not set.
class TileDimensions
{
public:
    constexpr TileDimensions() = default;
    constexpr TileDimensions(int width, int height, int depth)
        : m_width(width), m_height(height), m_depth(depth) {}

    constexpr int width() const { return m_width; }
    constexpr int height() const { return m_height; }
    constexpr int depth() const { return m_depth; }

    // Multiplies every set member by f, truncating toward zero.
    void scale(double f);
    TileDimensions scaled(double f) const;
    // (w, h) with the depth kept in proportion to the height.
    TileDimensions resized(int w, int h) const;

    friend constexpr bool operator==(const TileDimensions &a, const TileDimensions &b)
    {
        return a.m_width == b.m_width && a.m_height == b.m_height && a.m_depth == b.m_depth;
    }
    friend constexpr bool operator!=(const TileDimensions &a, const TileDimensions &b)
    {
        return !(a == b);
    }

    friend QDataStream &operator<<(QDataStream &out, const TileDimensions &d);
    friend QDataStream &operator>>(QDataStream &in, TileDimensions &d);

private:
    int m_width = -1;
    int m_height = -1;
    int m_depth = -1;
};
