#include "app/wind.h"

#include <QCoreApplication>

#include <array>

namespace {

constexpr const char *undefinedName = "<undefined>";

constexpr std::array<const char *, 4> windNames = {"EAST", "SOUTH", "WEST", "NORTH"};
constexpr std::array<const char *, 4> seatNames = {"BOTTOM", "RIGHT", "TOP", "LEFT"};

constexpr std::array<const char *, 4> windDisplayNames = {
    QT_TRANSLATE_NOOP("Mahjong", "East"),
    QT_TRANSLATE_NOOP("Mahjong", "South"),
    QT_TRANSLATE_NOOP("Mahjong", "West"),
    QT_TRANSLATE_NOOP("Mahjong", "North"),
};

constexpr std::array<const char *, 4> prevalentWindTexts = {
    QT_TRANSLATE_NOOP("Mahjong", "Prevalent wind: East"),
    QT_TRANSLATE_NOOP("Mahjong", "Prevalent wind: South"),
    QT_TRANSLATE_NOOP("Mahjong", "Prevalent wind: West"),
    QT_TRANSLATE_NOOP("Mahjong", "Prevalent wind: North"),
};

bool isWindOrSeat(int value)
{
    return value >= 0 && value < 4;
}

} // namespace

const char *windName(int w)
{
    return isWindOrSeat(w) ? windNames[w] : undefinedName;
}

const char *seatName(int o)
{
    return isWindOrSeat(o) ? seatNames[o] : undefinedName;
}

QString windDisplayName(int w)
{
    if (!isWindOrSeat(w))
        return QString::fromLatin1(undefinedName);
    return QCoreApplication::translate("Mahjong", windDisplayNames[w]);
}

QString prevalentWindText(int w)
{
    if (!isWindOrSeat(w))
        return QString::fromLatin1(undefinedName);
    return QCoreApplication::translate("Mahjong", prevalentWindTexts[w]);
}
