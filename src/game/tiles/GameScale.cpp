#include "game/tiles/GameScale.h"

#include <cmath>

namespace {

double quantisedFactor(double f)
{
    return std::trunc(f * 32.0) * 0.03125;
}

} // namespace

GameScale GameScale::quantised() const
{
    return GameScale{quantisedFactor(wall), quantisedFactor(table), quantisedFactor(hand)};
}
