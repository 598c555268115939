#include "app/PlayerData.h"
#include "app/TimeSpan.h"
#include "app/meld.h"
#include "app/tile.h"
#include "app/wind.h"

#include "testmain.h"

#include <sstream>

namespace {

tile_vector tiles(std::initializer_list<int> codes)
{
    tile_vector result;
    for (int code : codes)
        result.push_back(tile(std::uint8_t(code)));
    return result;
}

template <typename T>
QString printed(const T &value)
{
    std::ostringstream out;
    out << value;
    return QString::fromStdString(out.str());
}

} // namespace

class TestPlayerData : public QObject
{
    Q_OBJECT

private slots:
    void newPlayer();
    void discardsAndRiichiIndex();
    void tilesFromWallAreSortedAndPending();
    void discardsClaimsAndMeldsClearPendingTiles();
    void resetForNewHand();
    void logForms();
    void tileCodes();
    void meldTiles();
    void windAndSeatNames();
    void timeSpans();
};

void TestPlayerData::newPlayer()
{
    const PlayerData player(7, QStringLiteral("Akagi"));
    QCOMPARE(player.id(), 7);
    QCOMPARE(player.name(), QStringLiteral("Akagi"));
    QCOMPARE(player.riichiDiscardIndex(), -1);
    QVERIFY(player.isActive());
    QVERIFY(!player.isReady());
    QVERIFY(!player.isFuriten());
    QVERIFY(!player.readyAnnounced());
    QVERIFY(player.hand().empty());
}

void TestPlayerData::discardsAndRiichiIndex()
{
    PlayerData player(1, QStringLiteral("p"));
    player.addDiscard(tile(3), false);
    player.addDiscard(tile(30), false);
    QCOMPARE(player.riichiDiscardIndex(), -1);
    player.addDiscard(tile(12), true);
    // The riichi discard is the third one: index 2.
    QCOMPARE(player.riichiDiscardIndex(), 2);
    QCOMPARE(player.discards(), tiles({3, 30, 12}));

    player.addDiscard(tile(5), false);
    QCOMPARE(player.removeLastDiscard(), tile(5));
    QCOMPARE(player.discards(), tiles({3, 30, 12}));
    QCOMPARE(player.riichiDiscardIndex(), 2);

    PlayerData first(2, QStringLiteral("q"));
    first.addDiscard(tile(8), true);
    QCOMPARE(first.riichiDiscardIndex(), 0);

    // A claim that arrives twice must not remove from an empty list.
    PlayerData empty(3, QStringLiteral("r"));
    QVERIFY(empty.removeLastDiscard().isUnknown());
    QVERIFY(empty.discards().empty());
}

void TestPlayerData::tilesFromWallAreSortedAndPending()
{
    PlayerData player(1, QStringLiteral("p"));
    player.setHand(tiles({33, 0, 18, 9}));
    QCOMPARE(player.hand(), tiles({0, 9, 18, 33}));

    player.addTilesFromWall(tiles({27, 5}));
    QCOMPARE(player.hand(), tiles({0, 5, 9, 18, 27, 33}));
    // Pending tiles keep the order in which they were drawn.
    QCOMPARE(player.pendingTiles(), tiles({27, 5}));

    player.addTilesFromWall(tiles({255}));
    QCOMPARE(player.pendingTiles(), tiles({255}));
    QCOMPARE(player.hand().back(), tile(255));
}

void TestPlayerData::discardsClaimsAndMeldsClearPendingTiles()
{
    PlayerData player(1, QStringLiteral("p"));
    // A drawn tile that the hand holds already, discarded: no copy is pending.
    player.setHand(tiles({4, 9}));
    player.addTilesFromWall(tiles({9}));
    QCOMPARE(player.pendingTiles(), tiles({9}));
    player.addDiscard(tile(9), false);
    QVERIFY(player.pendingTiles().empty());
    // A claimed tile joins the hand sorted; neither it nor a tile drawn before is pending.
    player.addTilesFromWall(tiles({20}));
    player.addClaimedTile(tile(4));
    QCOMPARE(player.hand(), tiles({4, 4, 9, 9, 20}));
    QVERIFY(player.pendingTiles().empty());

    player.addTilesFromWall(tiles({4}));
    const meld_tuple pong(PONG, 0, tile(4), 3, 0);
    player.declareMeld(pong);
    QVERIFY(player.pendingTiles().empty());
    QCOMPARE(player.melds(), meld_tuple_vector{pong});

    player.addTilesFromWall(tiles({34}));
    const meld_tuple bonus(BONUS, 0, tile(34));
    player.setMelds({bonus, pong});
    QVERIFY(player.pendingTiles().empty());
    QCOMPARE(player.melds(), (meld_tuple_vector{bonus, pong}));
    QCOMPARE(bonus.claimedFrom, -1);
    QCOMPARE(bonus.claimedOffset, meld_tuple::NoOffset);
}

void TestPlayerData::resetForNewHand()
{
    PlayerData player(1, QStringLiteral("p"));
    player.setHiddenTileCount(13);
    player.addDiscard(tile(1), true);
    player.addTilesFromWall(tiles({2, 3}));
    player.declareMeld(meld_tuple(CHOW, 0, tile(6), 4, 1));
    player.setScore(25000);
    player.setRoundScore(-1000);
    player.setWind(SOUTH);
    player.setReady(true);

    player.resetForNewHand();
    QCOMPARE(player.hiddenTileCount(), 0);
    QCOMPARE(player.riichiDiscardIndex(), -1);
    QVERIFY(player.discards().empty());
    QVERIFY(player.hand().empty());
    QVERIFY(player.pendingTiles().empty());
    QVERIFY(player.melds().empty());
    // Scores, seat and flags belong to the game, not to the hand.
    QCOMPARE(player.score(), 25000);
    QCOMPARE(player.roundScore(), -1000);
    QCOMPARE(player.wind(), int(SOUTH));
    QVERIFY(player.isReady());
}

void TestPlayerData::logForms()
{
    PlayerData player(7, QStringLiteral("x"));
    QCOMPARE(printed(player), QStringLiteral("PlayerData { id:7 name:\"x\" wind:0 }"));
    player.setWind(WEST);
    QCOMPARE(printed(player), QStringLiteral("PlayerData { id:7 name:\"x\" wind:2 }"));

    QCOMPARE(printed(meld_offer(PONG, tile(32))), QStringLiteral("MeldOffer<PONG RED DRAGON>"));
    QCOMPARE(printed(meld_offer(CHOW | MAHJONG, tile(18))),
             QStringLiteral("MeldOffer<CHOW|MAHJONG CIRCLE 1>"));
    QCOMPARE(printed(meld_offer(0, tile(255))), QStringLiteral("MeldOffer<0 UNKNOWN>"));
}

void TestPlayerData::tileCodes()
{
    // The face ids of the tile artwork are the printed names, lower case with "_".
    const QStringList expected = {
        "bamboo_1", "bamboo_9", "character_1", "character_9", "circle_1", "circle_9",
        "east_wind", "north_wind", "green_dragon", "red_dragon", "white_dragon",
        "plum_blossom", "bamboo", "spring", "winter",
    };
    const int codes[] = {0, 8, 9, 17, 18, 26, 27, 30, 31, 32, 33, 34, 37, 38, 41};
    for (std::size_t i = 0; i < std::size(codes); ++i) {
        const QString id = QString::fromStdString(tileToString(tile(std::uint8_t(codes[i]))))
                               .toLower()
                               .replace(u' ', u'_');
        QCOMPARE(id, expected[qsizetype(i)]);
    }
    QCOMPARE(QString::fromStdString(tileToString(tile(42))), QStringLiteral("INVALID(42)"));
    QCOMPARE(printed(tile(255)), QStringLiteral("UNKNOWN"));

    const int suits[][2] = {{0, 0}, {8, 0}, {9, 1}, {17, 1}, {18, 2}, {26, 2}, {27, 4}, {30, 4},
                            {31, 3}, {33, 3}, {34, 5}, {37, 5}, {38, 6}, {41, 6}, {255, 6}};
    for (const auto &[code, suit] : suits)
        QCOMPARE(tile(std::uint8_t(code)).suit(), suit);

    QVERIFY(tile(3) < tile(4));
    QCOMPARE(tile::translatedName(tile(27)), QStringLiteral("East Wind"));
}

void TestPlayerData::meldTiles()
{
    QCOMPARE(makeChowTiles(tile(6)), tiles({6, 7, 8}));
    QCOMPARE(makePongTiles(tile(31)), tiles({31, 31, 31}));
    QCOMPARE(makeKongTiles(tile(0)), tiles({0, 0, 0, 0}));
    QCOMPARE(QString::fromLatin1(meldName(PONG_TO_KONG)), QStringLiteral("PONG TO KONG"));
    QCOMPARE(QString::fromLatin1(meldName(3)), QStringLiteral("<undefined>"));
}

void TestPlayerData::windAndSeatNames()
{
    QCOMPARE(QString::fromLatin1(windName(NORTH)), QStringLiteral("NORTH"));
    QCOMPARE(QString::fromLatin1(seatName(LEFT)), QStringLiteral("LEFT"));
    QCOMPARE(QString::fromLatin1(windName(4)), QStringLiteral("<undefined>"));
    QCOMPARE(QString::fromLatin1(seatName(-1)), QStringLiteral("<undefined>"));
    QCOMPARE(windDisplayName(SOUTH), QStringLiteral("South"));
    QCOMPARE(prevalentWindText(EAST), QStringLiteral("Prevalent wind: East"));
    QCOMPARE(windDisplayName(7), QStringLiteral("<undefined>"));
}

void TestPlayerData::timeSpans()
{
    const TimeSpan empty;
    QVERIFY(empty.start().isNull());
    QVERIFY(empty.end().isNull());
    const QDateTime start(QDate(2024, 1, 1), QTime(12, 0), Qt::UTC);
    const TimeSpan span(start, start.addSecs(20));
    QCOMPARE(span.start(), start);
    QCOMPARE(span.end(), start.addSecs(20));

    for (const char *name : {"tile", "tile_vector", "meld", "meld_tuple", "meld_offer_vector",
                             "TimeSpan", "PlayerData"})
        QVERIFY2(QMetaType::fromName(name).isValid(), name);
}

MAHJONG_TEST_MAIN(TestPlayerData)
#include "tst_playerdata.moc"
