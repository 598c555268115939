#include "app/RulesetInfo.h"
#include "app/TableInfo.h"

#include "testmain.h"

#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPalette>
#include <QSignalSpy>

#include <algorithm>
#include <stdexcept>

class TestTableInfo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void defaultRecord();
    void gameType_data();
    void gameType();
    void rulesTexts();
    void outOfRangeIds();
    void wallConstants();
    void applyUpdatesPerFieldKind();
    void applyUpdatesRefusesBadValues();
    void setByPropertyName();
    void rulesetFollowsIntoValue();
    void capacityOrderAndText();
    void capacityPaint();
    void metaTypes();
};

void TestTableInfo::defaultRecord()
{
    const TableInfo info;
    QCOMPARE(info.id(), -1);
    QVERIFY(!info.isValid());
    QCOMPARE(info.storedGameType(), -1);
    QCOMPARE(info.gameType(), -1);
    QCOMPARE(info.mttId(), -1);
    QCOMPARE(info.capacity(), TableCapacity(0, 0, 0));
}

void TestTableInfo::gameType_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("windRounds");
    QTest::addColumn<int>("display");

    QTest::newRow("single hand") << 0 << 1 << 0;
    QTest::newRow("tournament of one round") << 1 << 1 << 1;
    QTest::newRow("full game") << 2 << 4 << 2;
    QTest::newRow("full game of east only") << 2 << 1 << 3;
    QTest::newRow("full game, unset rounds") << 2 << 0 << 2;
}

void TestTableInfo::gameType()
{
    QFETCH(int, stored);
    QFETCH(int, windRounds);
    QFETCH(int, display);

    TableInfo info(7);
    info.setGameType(stored);
    info.setWindRounds(windRounds);
    QCOMPARE(info.gameType(), display);
    QCOMPARE(info.storedGameType(), stored);
}

void TestTableInfo::rulesTexts()
{
    QCOMPARE(TableInfo::rulesetText(RulesetInfo::HONG_KONG, 3, 10),
             QStringLiteral("Hong Kong (3-10 fan(s))"));
    QCOMPARE(TableInfo::rulesetText(RulesetInfo::JAPANESE_RIICHI, 3, 10),
             QStringLiteral("Japanese Riichi"));
    QCOMPARE(TableInfo::rulesDescription(RulesetInfo::MCR, 8, 88),
             QStringLiteral("MCR/Chinese Official/International"));
    QCOMPARE(TableInfo::rulesDescription(RulesetInfo::HONG_KONG, 3, 10),
             QStringLiteral("Hong Kong (3-10 fan(s))"));
    QCOMPARE(TableInfo::rulesDescription(RulesetInfo::CLASSIC, 0, 0), QStringLiteral("Classic"));
    QCOMPARE(TableInfo::secondsPerMoveText(15), QStringLiteral("15 second(s)"));

    TableInfo info(3);
    info.setRuleset(RulesetInfo::HONG_KONG);
    info.setMinDoubles(3);
    info.setMaxDoubles(13);
    info.setGameType(TableInfo::FULL_GAME);
    info.setWindRounds(1);
    info.setSpeed(20999);
    QCOMPARE(info.rulesDisplayText(), QStringLiteral("Hong Kong (3-13 fan(s)) east only game"));
    QCOMPARE(info.secondsPerMove(), 20);
    QCOMPARE(TableInfo::secondsPerMoveText(info.secondsPerMove()), QStringLiteral("20 second(s)"));

    QCOMPARE(info.valueText(), QStringLiteral("Free"));
    TableValue value;
    value.setKind(2);
    value.setBet(500);
    value.setFee(25);
    info.setValue(value);
    QCOMPARE(info.valueText(), QStringLiteral("$5 + $0.25"));
}

void TestTableInfo::outOfRangeIds()
{
    const QString undefined = QStringLiteral("<undefined>");
    for (int id : {-1, 6, 1000}) {
        QCOMPARE(TableInfo::rulesetName(id), undefined);
        QCOMPARE(TableInfo::rulesetText(id, 1, 2), undefined);
        QCOMPARE(TableInfo::rulesDescription(id, 1, 2), undefined);
    }
    for (int type : {-1, 4, 99}) {
        QCOMPARE(TableInfo::gameTypeName(type), undefined);
        QCOMPARE(TableInfo::gameTypeText(type), undefined);
        QCOMPARE(TableInfo::gameTypeSuffix(type), undefined);
    }
    QCOMPARE(TableInfo::rulesetName(5), QStringLiteral("Hong Kong"));
    QCOMPARE(TableInfo::gameTypeName(3), QStringLiteral("East only"));
    QCOMPARE(TableInfo::gameTypeSuffix(0), QStringLiteral(" single hand"));
}

void TestTableInfo::wallConstants()
{
    struct Expected { int dead, live, stacks, riichi; };
    const Expected expected[] = {
        {14, 130, 18, 0}, {0, 144, 18, 0}, {14, 122, 17, 1},
        {14, 122, 17, 1}, {14, 94, 18, 1}, {14, 130, 17, 0},
    };
    for (int id = 0; id < RulesetInfo::Count; ++id) {
        const RulesetInfo &rules = RulesetInfoInstance(id);
        QCOMPARE(rules.deadWallSize(), expected[id].dead);
        QCOMPARE(rules.liveWallSize(), expected[id].live);
        QCOMPARE(rules.wallStackLength(), expected[id].stacks);
        QCOMPARE(rules.isRiichi(), expected[id].riichi);
        QCOMPARE(&RulesetInfoInstance(id), &rules);
    }

    TableInfo info(1);
    info.setRuleset(RulesetInfo::KANSAI_RIICHI);
    QCOMPARE(info.wallTileCount(), 108);
    QCOMPARE(info.wallStackLength(), 18);

    for (int id : {-1, 6}) {
        try {
            RulesetInfoInstance(id);
            QFAIL("an unknown rule set was accepted");
        } catch (const std::runtime_error &error) {
            QCOMPARE(QString::fromLatin1(error.what()), QStringLiteral("Ruleset not supported"));
        }
    }
    info.setRuleset(9);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, info.wallTileCount());
}

void TestTableInfo::applyUpdatesPerFieldKind()
{
    TableInfo info(12);
    info.applyUpdates({
        {TableInfo::NAME, QStringLiteral("Bamboo Grove")},
        {TableInfo::LOBBY_PATH, QByteArray("101/Practice")},
        {TableInfo::RULESET, 3},
        {TableInfo::SEATS, 4},
        {TableInfo::PLAYERS, 2},
        {TableInfo::BOTS, 1},
        {TableInfo::GAME_TYPE, 2},
        {TableInfo::SPEED, qint64(15000)},
        {TableInfo::VALUE_KIND, 3},
        {TableInfo::BET, 1000},
        {TableInfo::FEE, 50},
        {TableInfo::PLACE_BONUS_1, 3000},
        {TableInfo::PLACE_BONUS_4, -2000},
        {TableInfo::RAKE_PERCENT, 5},
        {TableInfo::VALUE_PLAYERS, 4},
        {TableInfo::ABORTED, 1},
        {TableInfo::WIND_ROUNDS, 1},
        {TableInfo::MIN_DOUBLES, 1},
        {TableInfo::MAX_DOUBLES, QStringLiteral("13")},
        {TableInfo::PC_INDEX, 2},
        {TableInfo::MIN_SCORE, -30000},
        {TableInfo::START_SCORE, 25000},
        {TableInfo::MTT_ID, 77},
    });

    QCOMPARE(info.id(), 12);
    QCOMPARE(info.name(), QStringLiteral("Bamboo Grove"));
    QCOMPARE(info.lobbyPath(), QStringLiteral("101/Practice"));
    QCOMPARE(info.ruleset(), 3);
    QCOMPARE(info.capacity(), TableCapacity(4, 2, 1));
    QCOMPARE(info.gameType(), int(TableInfo::EAST_ONLY));
    QCOMPARE(info.speed(), 15000);
    QCOMPARE(info.value().kind(), 3);
    QCOMPARE(info.value().bet(), 1000);
    QCOMPARE(info.fee(), 50);
    QCOMPARE(info.value().placeBonus(0), 3000);
    QCOMPARE(info.value().placeBonus(3), -2000);
    QCOMPARE(info.value().rakePercent(), 5);
    QCOMPARE(info.value().players(), 4);
    QVERIFY(info.isAborted());
    QCOMPARE(info.maxDoubles(), 13);
    QCOMPARE(info.pcIndex(), 2);
    QCOMPARE(info.minScore(), -30000);
    QCOMPARE(info.startScore(), 25000);
    QCOMPARE(info.mttId(), 77);

    info.applyUpdates({{TableInfo::ABORTED, false}, {TableInfo::PLAYERS, 4}});
    QVERIFY(!info.isAborted());
    QCOMPARE(info.capacity(), TableCapacity(4, 4, 1));
}

void TestTableInfo::applyUpdatesRefusesBadValues()
{
    TableInfo info(5);
    info.setName(QStringLiteral("kept"));
    info.setSpeed(10000);
    info.setRuleset(2);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("update skipped"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("update skipped"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("update skipped"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("update skipped"));
    info.applyUpdates({
        {TableInfo::NAME, 42},
        {TableInfo::SPEED, QStringLiteral("fast")},
        {TableInfo::RULESET, qint64(1) << 40},
        {TableInfo::FIELD_COUNT, 1},
        {TableInfo::MTT_ID, 9},
    });
    QCOMPARE(info.name(), QStringLiteral("kept"));
    QCOMPARE(info.speed(), 10000);
    QCOMPARE(info.ruleset(), 2);
    // The good entry after the bad ones still counts.
    QCOMPARE(info.mttId(), 9);
}

void TestTableInfo::setByPropertyName()
{
    TableInfo info(8);
    QVERIFY(info.setProperty(u"WIND_ROUNDS", 2));
    QVERIFY(info.setProperty(u"GAME_TYPE", 2));
    QCOMPARE(info.gameType(), 2);
    QVERIFY(!info.setProperty(u"NO_SUCH_FIELD", 2));
    QVERIFY(!info.setProperty(u"wind_rounds", 2));

    for (int field = 0; field < TableInfo::FIELD_COUNT; ++field)
        QCOMPARE(TableInfo::fieldId(QString::fromLatin1(TableInfo::fieldName(field))), field);
    QCOMPARE(TableInfo::fieldName(TableInfo::FIELD_COUNT), nullptr);
    QCOMPARE(TableInfo::fieldName(-1), nullptr);
}

void TestTableInfo::rulesetFollowsIntoValue()
{
    // The Hong Kong maximum win of kind 4 needs the table's rule set.
    TableValue value;
    value.setKind(4);
    value.setBet(1000);
    value.setPlayers(4);

    TableInfo info(1);
    info.setRuleset(RulesetInfo::HONG_KONG);
    info.setValue(value);
    QCOMPARE(info.value().maxWin(), 2500);

    TableInfo updated(2);
    updated.applyUpdates({{TableInfo::VALUE_KIND, 4}, {TableInfo::BET, 1000},
                          {TableInfo::VALUE_PLAYERS, 4}, {TableInfo::RULESET, 5}});
    QCOMPARE(updated.value().maxWin(), 2500);
    updated.applyUpdates({{TableInfo::RULESET, 0}});
    QCOMPARE(updated.value().maxWin(), 4000);
}

void TestTableInfo::capacityOrderAndText()
{
    std::vector<TableCapacity> capacities = {
        {4, 2, 0}, {4, 1, 0}, {3, 2, 0}, {4, 2, 1}, {4, 0, 0},
    };
    std::sort(capacities.begin(), capacities.end());
    const std::vector<TableCapacity> expected = {
        {4, 0, 0}, {4, 1, 0}, {3, 2, 0}, {4, 2, 1}, {4, 2, 0},
    };
    QCOMPARE(capacities, expected);
    QVERIFY(!(TableCapacity(4, 2, 1) < TableCapacity(4, 2, 1)));

    QCOMPARE(TableCapacity(4, 3, 0).text(), QStringLiteral("3 of 4 players seated"));
    QCOMPARE(TableCapacity(4, 1, 2).text(), QStringLiteral("1 of 4 players seated (+2 reserved)"));
    QCOMPARE(TableCapacity(1200, 1100, 0).text(), QStringLiteral("1,100 of 1,200 players seated"));

    QCOMPARE(TableCapacity(4, 0, 0).sizeHint(), QSize(59, 14));
    QCOMPARE(TableCapacity().sizeHint(), QSize(-1, 14));
    TableCapacity capacity(4, 1, 0);
    capacity.setPlayers(3);
    QCOMPARE(capacity.players(), 3);
}

void TestTableInfo::capacityPaint()
{
    // Without the skin's icons the seats are drawn as discs (taken) and rings (free).
    QImage image(100, 20, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPalette palette;
    palette.setColor(QPalette::WindowText, Qt::black);
    {
        QPainter painter(&image);
        TableCapacity(3, 1, 0).paint(&painter, image.rect(), palette,
                                     Qt::AlignRight | Qt::AlignVCenter);
    }
    const int left = 100 - 44;
    auto centre = [&](int seat) { return image.pixelColor(left + seat * 15 + 7, 10); };
    QCOMPARE(centre(0).alpha(), 255);
    QCOMPARE(centre(1).alpha(), 0);
    QCOMPARE(centre(2).alpha(), 0);
    // Nothing left of the aligned icons.
    for (int x = 0; x < left - 1; ++x)
        QCOMPARE(image.pixelColor(x, 10).alpha(), 0);

    // A painter-less call and a huge seat count stay harmless.
    TableCapacity(4, 2, 0).paint(nullptr, image.rect(), palette, Qt::AlignLeft);
    QPainter painter(&image);
    for (Qt::Alignment alignment : {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter})
        TableCapacity(1 << 30, 5, 0).paint(&painter, image.rect(), palette, alignment);
}

void TestTableInfo::metaTypes()
{
    QVERIFY(QMetaType::fromName("TableCapacity").isValid());
    QVERIFY(QMetaType::fromName("TableInfo").isValid());
    QVERIFY(QMetaType::fromName("TableInfoUpdates").isValid());
    QVERIFY(QMetaType::fromName("TableValue").isValid());
    const QVariant stored = QVariant::fromValue(TableCapacity(4, 3, 1));
    QVERIFY(stored.canConvert<TableCapacity>());
    QCOMPARE(stored.value<TableCapacity>(), TableCapacity(4, 3, 1));
}

MAHJONG_TEST_MAIN(TestTableInfo)
#include "tst_tableinfo.moc"
