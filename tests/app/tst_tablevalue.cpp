#include "app/RulesetInfo.h"
#include "app/TableValue.h"

#include "testmain.h"

#include <QLocale>

namespace {

TableValue makeValue(int kind, int bet, int fee, int players, int rake = 0,
                     std::array<int, 4> bonuses = {})
{
    TableValue value;
    value.setKind(kind);
    value.setBet(bet);
    value.setFee(fee);
    value.setPlayers(players);
    value.setRakePercent(rake);
    for (int place = 0; place < 4; ++place)
        value.setPlaceBonus(place, bonuses[std::size_t(place)]);
    return value;
}

} // namespace

class TestTableValue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void noMoneyTerms();
    void feedingPenalty_data();
    void feedingPenalty();
    void plainBetKinds();
    void placeBonuses();
    void maxWin_data();
    void maxWin();
    void netPot();
    void texts();
};

void TestTableValue::noMoneyTerms()
{
    // Kind 0 is a valid table without money terms, whatever amounts it carries.
    const TableValue value = makeValue(0, 500, 50, 4);
    QCOMPARE(value.total(), 0);
    QVERIFY(value.isFree());
    QCOMPARE(value.buyIn(), 0);
    QCOMPARE(value.netPot(), 0);
    QVERIFY(!value.hasFeedingPenalty());

    QVERIFY(TableValue().isFree());
    QCOMPARE(makeValue(6, 500, 50, 4).buyIn(), 0);
}

void TestTableValue::feedingPenalty_data()
{
    QTest::addColumn<int>("players");
    QTest::addColumn<qint64>("penalty");
    QTest::addColumn<qint64>("total");

    // bet 301, fee 10: (players - 2) x bet / 2, rounded down.
    QTest::newRow("4 players") << 4 << qint64(301) << qint64(301 + 10 + 301);
    QTest::newRow("3 players") << 3 << qint64(150) << qint64(301 + 10 + 150);
    QTest::newRow("2 players") << 2 << qint64(0) << qint64(311);
    QTest::newRow("unfilled record") << 0 << qint64(0) << qint64(311);
}

void TestTableValue::feedingPenalty()
{
    QFETCH(int, players);
    QFETCH(qint64, penalty);
    QFETCH(qint64, total);

    const TableValue value = makeValue(1, 301, 10, players);
    QCOMPARE(value.feedingPenalty(), penalty);
    QCOMPARE(value.hasFeedingPenalty(), penalty != 0);
    QCOMPARE(value.total(), total);
    QCOMPARE(value.buyIn(), 311);
    QVERIFY(!value.isFree());

    // Only kind 1 has a feeding penalty.
    QCOMPARE(makeValue(2, 301, 10, players).feedingPenalty(), 0);
}

void TestTableValue::plainBetKinds()
{
    for (int kind : {2, 4, 5}) {
        const TableValue value = makeValue(kind, 1000, 100, 4, 0, {500, -100, -200, -300});
        QCOMPARE(value.total(), 1100);
        QCOMPARE(value.buyIn(), 1100);
    }
    QVERIFY(makeValue(2, 0, 0, 4).isFree());
    QVERIFY(!makeValue(2, 0, 10, 4).isFree());
}

void TestTableValue::placeBonuses()
{
    // Kind 3 can lose the bet, the fee and the worst place penalty.
    const TableValue value = makeValue(3, 1000, 100, 4, 0, {3000, 0, -1000, -2000});
    QCOMPARE(value.maxPlacePenalty(), 2000);
    QCOMPARE(value.total(), 1000 + 100 + 2000);
    QVERIFY(value.hasPlaceBonus());
    QCOMPARE(value.placeBonus(0), 3000);
    QCOMPARE(value.placeBonus(3), -2000);
    QCOMPARE(value.placeBonus(4), 0);
    QCOMPARE(value.placeBonus(-1), 0);
    QCOMPARE(value.placeBonusTexts(),
             QStringList({QStringLiteral("1st $30"), QStringLiteral("3rd -$10"),
                          QStringLiteral("4th -$20")}));

    // On three seats the fourth place is empty: the third place is the worst.
    const TableValue three = makeValue(3, 1000, 0, 3, 0, {2000, -500, -1500, 0});
    QCOMPARE(three.total(), 1000 + 1500);

    QVERIFY(!makeValue(3, 1000, 0, 4, 0, {0, -5, -5, -5}).hasPlaceBonus());
    QVERIFY(makeValue(3, 1000, 0, 4).placeBonusTexts().isEmpty());
}

void TestTableValue::maxWin_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("ruleset");
    QTest::addColumn<int>("players");
    QTest::addColumn<int>("rake");
    QTest::addColumn<int>("expected");

    QTest::newRow("kind 2") << 2 << int(RulesetInfo::CLASSIC) << 4 << 0 << 4000;
    QTest::newRow("kind 2 raked") << 2 << int(RulesetInfo::CLASSIC) << 4 << 5 << 3800;
    QTest::newRow("kind 3 adds the 1st place") << 3 << int(RulesetInfo::CLASSIC) << 4 << 0 << 6500;
    QTest::newRow("kind 3 raked") << 3 << int(RulesetInfo::CLASSIC) << 4 << 10 << 5850;
    QTest::newRow("kind 4 not Hong Kong") << 4 << int(RulesetInfo::MCR) << 4 << 0 << 4000;
    // Hong Kong: the larger of 2 x bet and bet + (players - 1) x (bet / 2).
    QTest::newRow("kind 4 Hong Kong, 4 players") << 4 << int(RulesetInfo::HONG_KONG) << 4 << 0
                                                 << 2500;
    QTest::newRow("kind 4 Hong Kong, 2 players") << 4 << int(RulesetInfo::HONG_KONG) << 2 << 0
                                                 << 2000;
    QTest::newRow("kind 4 Hong Kong raked") << 4 << int(RulesetInfo::HONG_KONG) << 4 << 3 << 2425;
}

void TestTableValue::maxWin()
{
    QFETCH(int, kind);
    QFETCH(int, ruleset);
    QFETCH(int, players);
    QFETCH(int, rake);
    QFETCH(int, expected);

    TableValue value = makeValue(kind, 1000, 100, players, rake, {2500, -500, -1000, -1000});
    value.setRuleset(ruleset);
    QCOMPARE(value.maxWin(), expected);
}

void TestTableValue::netPot()
{
    QCOMPARE(makeValue(2, 1000, 100, 4, 5).netPot(), 3800);
    QCOMPARE(makeValue(5, 1000, 100, 3, 0).netPot(), 3000);
    QCOMPARE(makeValue(0, 1000, 100, 4, 5).netPot(), 0);
}

void TestTableValue::texts()
{
    const TableValue value = makeValue(1, 1050, 100, 4, 10);
    QCOMPARE(value.buyInText(), QStringLiteral("$10.50 + $1"));
    // Bet, then what the player risks without the fee (with the feeding penalty), then the fee.
    QCOMPARE(value.betText(), QStringLiteral("$10.50 ($21) + $1"));
    QCOMPARE(value.totalText(), QStringLiteral("$22"));
    QCOMPARE(value.feedingPenaltyText(), QStringLiteral("$10.50"));
    QCOMPARE(value.maxWinText(), QStringLiteral("$37.80 ($42 before rake)"));
    QCOMPARE(makeValue(2, 1000, 0, 4).maxWinText(), QStringLiteral("$40"));

    QCOMPARE(TableValue::amountText(0), QStringLiteral("-"));
    QCOMPARE(TableValue::amountText(-250), QStringLiteral("-$2.50"));
    QCOMPARE(TableValue::optionalAmountText(0), QStringLiteral("-"));
    QCOMPARE(TableValue::optionalAmountText(100000), QStringLiteral("$1,000"));
}

MAHJONG_TEST_MAIN(TestTableValue)
#include "tst_tablevalue.moc"
