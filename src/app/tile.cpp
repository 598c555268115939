#include "app/tile.h"

#include <QCoreApplication>

#include <array>
#include <ostream>

namespace {

constexpr std::array<const char *, tile::FaceCount> faceNames = {
    "BAMBOO 1", "BAMBOO 2", "BAMBOO 3", "BAMBOO 4", "BAMBOO 5", "BAMBOO 6",
    "BAMBOO 7", "BAMBOO 8", "BAMBOO 9",
    "CHARACTER 1", "CHARACTER 2", "CHARACTER 3", "CHARACTER 4", "CHARACTER 5",
    "CHARACTER 6", "CHARACTER 7", "CHARACTER 8", "CHARACTER 9",
    "CIRCLE 1", "CIRCLE 2", "CIRCLE 3", "CIRCLE 4", "CIRCLE 5", "CIRCLE 6",
    "CIRCLE 7", "CIRCLE 8", "CIRCLE 9",
    "EAST WIND", "SOUTH WIND", "WEST WIND", "NORTH WIND",
    "GREEN DRAGON", "RED DRAGON", "WHITE DRAGON",
    "PLUM BLOSSOM", "ORCHID", "CHRYSANTHEMUM", "BAMBOO",
    "SPRING", "SUMMER", "AUTUMN", "WINTER",
};

// Display names, in the "Mahjong" translation context.
constexpr std::array<const char *, tile::FaceCount> displayNames = {
    QT_TRANSLATE_NOOP("Mahjong", "1 of Bamboos"), QT_TRANSLATE_NOOP("Mahjong", "2 of Bamboos"),
    QT_TRANSLATE_NOOP("Mahjong", "3 of Bamboos"), QT_TRANSLATE_NOOP("Mahjong", "4 of Bamboos"),
    QT_TRANSLATE_NOOP("Mahjong", "5 of Bamboos"), QT_TRANSLATE_NOOP("Mahjong", "6 of Bamboos"),
    QT_TRANSLATE_NOOP("Mahjong", "7 of Bamboos"), QT_TRANSLATE_NOOP("Mahjong", "8 of Bamboos"),
    QT_TRANSLATE_NOOP("Mahjong", "9 of Bamboos"),
    QT_TRANSLATE_NOOP("Mahjong", "1 of Characters"), QT_TRANSLATE_NOOP("Mahjong", "2 of Characters"),
    QT_TRANSLATE_NOOP("Mahjong", "3 of Characters"), QT_TRANSLATE_NOOP("Mahjong", "4 of Characters"),
    QT_TRANSLATE_NOOP("Mahjong", "5 of Characters"), QT_TRANSLATE_NOOP("Mahjong", "6 of Characters"),
    QT_TRANSLATE_NOOP("Mahjong", "7 of Characters"), QT_TRANSLATE_NOOP("Mahjong", "8 of Characters"),
    QT_TRANSLATE_NOOP("Mahjong", "9 of Characters"),
    QT_TRANSLATE_NOOP("Mahjong", "1 of Circles"), QT_TRANSLATE_NOOP("Mahjong", "2 of Circles"),
    QT_TRANSLATE_NOOP("Mahjong", "3 of Circles"), QT_TRANSLATE_NOOP("Mahjong", "4 of Circles"),
    QT_TRANSLATE_NOOP("Mahjong", "5 of Circles"), QT_TRANSLATE_NOOP("Mahjong", "6 of Circles"),
    QT_TRANSLATE_NOOP("Mahjong", "7 of Circles"), QT_TRANSLATE_NOOP("Mahjong", "8 of Circles"),
    QT_TRANSLATE_NOOP("Mahjong", "9 of Circles"),
    QT_TRANSLATE_NOOP("Mahjong", "East Wind"), QT_TRANSLATE_NOOP("Mahjong", "South Wind"),
    QT_TRANSLATE_NOOP("Mahjong", "West Wind"), QT_TRANSLATE_NOOP("Mahjong", "North Wind"),
    QT_TRANSLATE_NOOP("Mahjong", "Green Dragon"), QT_TRANSLATE_NOOP("Mahjong", "Red Dragon"),
    QT_TRANSLATE_NOOP("Mahjong", "White Dragon"),
    QT_TRANSLATE_NOOP("Mahjong", "Plum Blossom"), QT_TRANSLATE_NOOP("Mahjong", "Orchid"),
    QT_TRANSLATE_NOOP("Mahjong", "Chrysanthemum"), QT_TRANSLATE_NOOP("Mahjong", "Bamboo"),
    QT_TRANSLATE_NOOP("Mahjong", "Spring"), QT_TRANSLATE_NOOP("Mahjong", "Summer"),
    QT_TRANSLATE_NOOP("Mahjong", "Autumn"), QT_TRANSLATE_NOOP("Mahjong", "Winter"),
};

} // namespace

int tile::suit() const
{
    if (m_code <= 26)
        return m_code / 9;
    if (m_code <= 30)
        return 4;
    if (m_code <= 33)
        return 3;
    if (m_code <= 37)
        return 5;
    return 6;
}

QString tile::translatedName(const tile &t)
{
    if (t.isFace())
        return QCoreApplication::translate("Mahjong", displayNames[t.code()]);
    return QCoreApplication::translate("Mahjong", "Unknown tile");
}

std::string tileToString(tile t)
{
    if (t.isFace())
        return faceNames[t.code()];
    if (t.isUnknown())
        return "UNKNOWN";
    return "INVALID(" + std::to_string(t.code()) + ")";
}

std::ostream &operator<<(std::ostream &out, tile t)
{
    return out << tileToString(t);
}
