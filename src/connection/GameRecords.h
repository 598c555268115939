#pragma once

#include "app/PlayerData.h"
#include "app/tile.h"

#include <QMetaType>
#include <QString>

#include <array>
#include <map>
#include <vector>

// Records of one table's game, as the connection manager hands them on.

// The local player's own tiles and flags.
struct PrivatePlayerData
{
    tile_vector concealed;
    bool active = true;
    bool furiten = false;
};

// The player sitting at each wind, indexed 0 EAST to 3 NORTH; -1 for an empty seat.
struct Seating
{
    std::array<qint32, 4> players{{-1, -1, -1, -1}};

    // The player at a wind, -1 for an empty seat or a wind out of range.
    qint32 playerAt(int wind) const;
};

struct TableState
{
    qint32 referencePlayer = -1;
    qint32 prevalentWind = 0;
    qint32 thirdValue = 0;     // kept as the server sends it
    qint32 lastDiscarder = -1; // -1 when nobody has discarded yet
    qint32 riichiSticks = 0;
    qint32 counterSticks = 0;
};

// The three counts are 0 at the start of a hand.
struct WallState
{
    // The first indicator and one for each kong.
    static constexpr int MaxDoraIndicators = 1 + PlayerData::MaxKongs;

    qint32 deadWallPosition = 0;
    tile_vector dora;
    qint32 liveTiles = 0;
    qint32 deadWallTiles = 0;
    qint32 deadWallTilesDealt = 0;
};

struct round_score
{
    qint32 player = -1;
    qint32 gameScore = 0;
    qint32 roundScore = 0;
};
using round_score_vector = std::vector<round_score>;

// One line of an end-of-hand score list: the translated name, its value and the server's
// code of the name, by which it is named again in another language.
struct ScoreLine
{
    QString name;
    qint32 value = 0;
    qint32 code = -1;
};
using ScoreLines = std::vector<ScoreLine>;

// A group of tiles of a finished hand; highlight is the index of the tile to mark.
struct TileGroup
{
    tile_vector tiles;
    qint32 highlight = -1;
};

struct EndHandPlayer
{
    enum Result : qint32 { NoResult = 0, ReadyHand = 1, Won = 2 };
    // The tiles of a finished hand: the concealed ones, the fourth tile of each kong and
    // the bonus tiles.
    static constexpr int MaxHandTiles = PlayerData::MaxConcealedTiles + PlayerData::MaxKongs + PlayerData::MaxBonusTiles;
    // Lines of one score list: far more than any hand scores.
    static constexpr int MaxScoreLines = 64;

    qint32 playerId = -1;
    QString name;
    qint32 result = NoResult;
    ScoreLines points;
    ScoreLines doubles;
    ScoreLines limits;
    ScoreLines bonuses;
    qint32 pointsTotal = 0;
    qint32 doublesTotal = 0;
    qint32 thirdTotal = 0;
    qint32 handScore = 0;
    qint32 settlement = 0;
    qint32 currentScore = 0;
    qint32 payment = 0; // cents
    std::vector<TileGroup> hand;
};

struct EndHand
{
    // End kinds 1-3 are wins ("mahjong", "ron", "tsumo"); 6-9 are abortive draws.
    enum Kind : qint32 {
        Mahjong = 1,
        Ron = 2,
        Tsumo = 3,
        FirstWashout = 6,
        LastWashout = 9,
    };

    bool gameEnds = false;
    qint32 endKind = 0;
    std::map<qint32, EndHandPlayer> players; // by player id
    tile_vector dora;
    tile_vector uraDora;
};

struct MonetaryRoundScore
{
    qint32 player = -1;
    qint32 mahjongPoints = 0;
    qint64 balance = 0; // cents
};
using MonetaryRoundScores = std::vector<MonetaryRoundScore>;

struct TournamentRoundScore
{
    qint32 player = -1;
    qint32 mahjongPoints = 0;
    qint32 roundResult = 0; // half points
};
using TournamentRoundScores = std::vector<TournamentRoundScore>;

Q_DECLARE_METATYPE(PrivatePlayerData)
Q_DECLARE_METATYPE(Seating)
Q_DECLARE_METATYPE(TableState)
Q_DECLARE_METATYPE(WallState)
Q_DECLARE_METATYPE(round_score_vector)
Q_DECLARE_METATYPE(EndHandPlayer)
Q_DECLARE_METATYPE(EndHand)
Q_DECLARE_METATYPE(MonetaryRoundScores)
Q_DECLARE_METATYPE(TournamentRoundScores)
