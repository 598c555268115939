#pragma once

#include "app/MetaTypes.h"

#include <QMetaType>
#include <QString>

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

// One tile face, as the server codes it: 0-8 bamboo 1-9, 9-17 characters,
// 18-26 circles, 27-30 the winds, 31-33 the dragons, 34-37 the flowers,
// 38-41 the seasons. 255 is a tile whose face is not known.
class tile
{
public:
    static constexpr std::uint8_t FaceCount = 42;
    static constexpr std::uint8_t Unknown = 255;

    constexpr tile() = default;
    constexpr explicit tile(std::uint8_t code) : m_code(code) {}

    constexpr std::uint8_t code() const { return m_code; }
    // A face that is drawn: codes 0-41. Everything else is drawn face down.
    constexpr bool isFace() const { return m_code < FaceCount; }
    constexpr bool isUnknown() const { return m_code == Unknown; }
    // 0, 1, 2 the three suits, 3 dragons, 4 winds, 5 flowers, 6 anything else.
    int suit() const;

    static QString translatedName(const tile &t);

    friend constexpr bool operator==(tile a, tile b) { return a.m_code == b.m_code; }
    friend constexpr bool operator!=(tile a, tile b) { return a.m_code != b.m_code; }
    friend constexpr bool operator<(tile a, tile b) { return a.m_code < b.m_code; }

private:
    std::uint8_t m_code = Unknown;
};

using tile_vector = std::vector<tile>;

// "BAMBOO 1" ... "WINTER"; "UNKNOWN" for 255 and "INVALID(n)" for other codes.
std::string tileToString(tile t);
std::ostream &operator<<(std::ostream &out, tile t);

Q_DECLARE_METATYPE(tile)
Q_DECLARE_METATYPE(tile_vector)

MAHJONG_REGISTER_METATYPE(tile, tile)
MAHJONG_REGISTER_METATYPE(tile_vector, tile_vector)
