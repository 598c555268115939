#pragma once

#include "table/scene/GameGraphicsScene.h"

#include <array>
#include <vector>

class DeclaredView;
class DiscardView;
class HandView;
class HiddenHandView;
class Object3DView;
class PlayerActionView;
class PrevalentWindView;
class RiichiStickView;
class ShadowedGroup;
class WindView;

// A table in the middle of a hand, on a 1000 × 800 scene times the scale:
// the own hand of 14 (one tile marked), three hidden hands of 13, four seats'
// 18 discards with a riichi tile, four seats' three melds and two bonus
// tiles, wind markers, the prevalent wind, claim images, riichi sticks and,
// optionally, the projected cube. Drawn with the current game set.
struct TableComposition
{
    explicit TableComposition(double scale, bool withCube);

    std::vector<ShadowedGroup *> groups() const;
    void updateShadows();

    GameGraphicsScene scene;
    HandView *hand = nullptr;
    std::array<HiddenHandView *, 4> hidden{};
    std::array<DiscardView *, 4> discards{};
    std::array<DeclaredView *, 4> declared{};
    std::array<WindView *, 4> winds{};
    std::array<PlayerActionView *, 4> actions{};
    std::array<RiichiStickView *, 4> sticks{};
    PrevalentWindView *prevalent = nullptr;
    Object3DView *cube = nullptr;
};
