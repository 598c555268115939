#include "app/TableInfo.h"
#include "app/TournamentInfo.h"

#include "testmain.h"

#include <QLocale>

#include <algorithm>

namespace {

const QDateTime base(QDate(2024, 5, 1), QTime(18, 0), Qt::UTC);

TournamentInfo withRounds(int number, const std::vector<int> &startMinutes,
                          const std::vector<int> &lengthMinutes)
{
    TournamentInfo info(1);
    info.setNumberOfRounds(number);
    std::vector<QDateTime> starts;
    for (int minute : startMinutes)
        starts.push_back(base.addSecs(minute * 60));
    std::vector<int> lengths;
    for (int minutes : lengthMinutes)
        lengths.push_back(minutes * 60);
    info.setRoundsStart(starts);
    info.setRoundsLength(lengths);
    return info;
}

} // namespace

class TestTournamentInfo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void defaultRecord();
    void roundsText_data();
    void roundsText();
    void breakText_data();
    void breakText();
    void isUnfinished();
    void applyUpdates();
    void applyUpdatesRefusesBadLists();
    void prizePool();
    void statusNames();
    void lobbyCellValues();
};

void TestTournamentInfo::defaultRecord()
{
    const TournamentInfo info;
    QCOMPARE(info.id(), -1);
    QCOMPARE(info.status(), TournamentInfo::Unset);
    QVERIFY(!info.isRegistered());
    QVERIFY(info.infoUrl().isEmpty());
}

void TestTournamentInfo::roundsText_data()
{
    QTest::addColumn<int>("rounds");
    QTest::addColumn<std::vector<int>>("lengths");
    QTest::addColumn<QString>("expected");

    QTest::newRow("no rounds") << 0 << std::vector<int>{30} << "";
    QTest::newRow("negative rounds") << -2 << std::vector<int>{30} << "";
    QTest::newRow("one round") << 1 << std::vector<int>{45} << "1x45 min(s)";
    QTest::newRow("equal rounds") << 3 << std::vector<int>{20, 20, 20} << "3x20 min(s)";
    QTest::newRow("unequal rounds") << 3 << std::vector<int>{20, 30, 20} << "70 min(s)";
    QTest::newRow("extra lengths ignored") << 2 << std::vector<int>{20, 20, 90} << "2x20 min(s)";
    QTest::newRow("unequal beyond count") << 2 << std::vector<int>{20, 25, 20} << "45 min(s)";
    QTest::newRow("short server list") << 4 << std::vector<int>{15, 15} << "4x15 min(s)";
    QTest::newRow("no lengths") << 3 << std::vector<int>{} << "";
}

void TestTournamentInfo::roundsText()
{
    QFETCH(int, rounds);
    QFETCH(std::vector<int>, lengths);
    QFETCH(QString, expected);
    QCOMPARE(withRounds(rounds, {}, lengths).roundsText(), expected);
}

void TestTournamentInfo::breakText_data()
{
    QTest::addColumn<std::vector<int>>("starts");
    QTest::addColumn<std::vector<int>>("lengths");
    QTest::addColumn<QString>("expected");

    QTest::newRow("no starts") << std::vector<int>{} << std::vector<int>{30} << "-";
    QTest::newRow("one start") << std::vector<int>{0} << std::vector<int>{30} << "-";
    QTest::newRow("one pause") << std::vector<int>{0, 40} << std::vector<int>{30, 30}
                               << "10 min(s)";
    QTest::newRow("shortest of several") << std::vector<int>{0, 40, 75, 120}
                                         << std::vector<int>{30, 30, 30, 30} << "5 min(s)";
    QTest::newRow("unequal lengths") << std::vector<int>{0, 60, 100}
                                     << std::vector<int>{45, 20, 20} << "15 min(s)";
    QTest::newRow("no pause") << std::vector<int>{0, 30, 70} << std::vector<int>{30, 30, 30}
                              << "-";
    QTest::newRow("overlapping rounds") << std::vector<int>{0, 20} << std::vector<int>{30, 30}
                                        << "-";
    QTest::newRow("lengths shorter than starts") << std::vector<int>{0, 50, 55}
                                                 << std::vector<int>{30} << "20 min(s)";
    QTest::newRow("no lengths") << std::vector<int>{0, 50} << std::vector<int>{} << "-";
}

void TestTournamentInfo::breakText()
{
    QFETCH(std::vector<int>, starts);
    QFETCH(std::vector<int>, lengths);
    QFETCH(QString, expected);
    QCOMPARE(withRounds(int(starts.size()), starts, lengths).breakText(), expected);
}

void TestTournamentInfo::isUnfinished()
{
    TournamentInfo info;
    QVERIFY(!info.isUnfinished());
    for (int status = 0; status <= 7; ++status) {
        info.setStatus(TournamentInfo::status_t(status));
        const bool over = status == TournamentInfo::Done || status == TournamentInfo::Cancelled
            || status == TournamentInfo::Aborted;
        QCOMPARE(info.isUnfinished(), !over);
    }
}

void TestTournamentInfo::applyUpdates()
{
    TournamentInfo info(31);
    info.setRegistered(true);
    const QDateTime start = base.addDays(1);
    info.applyUpdates({
        {TournamentInfo::PERSISTENT_ID, 9001},
        {TournamentInfo::STATUS, 3},
        {TournamentInfo::NAME, QStringLiteral("Sunday Cup")},
        {TournamentInfo::REGISTERED, 48},
        {TournamentInfo::MIN_PLAYERS, 8},
        {TournamentInfo::MAX_PLAYERS, 64},
        {TournamentInfo::START, start},
        {TournamentInfo::CLOSE_REGISTER, start.addSecs(-600).toMSecsSinceEpoch()},
        {TournamentInfo::NUMBER_OF_ROUNDS, 2},
        {TournamentInfo::CURRENT_ROUND, 1},
        {TournamentInfo::ROUNDS_START, QVariantList{start, start.addSecs(3600)}},
        {TournamentInfo::ROUNDS_LENGTH, QVariantList{1800, 1800}},
        {TournamentInfo::INFO_URL, QStringLiteral("https://example.org/cup")},
        {TournamentInfo::SHORT_INFO_URL, QString()},
        {TournamentInfo::RULESET, 5},
        {TournamentInfo::MIN_DOUBLES, 3},
        {TournamentInfo::MAX_DOUBLES, 10},
        {TournamentInfo::BET, 500},
        {TournamentInfo::FEE, 50},
        {TournamentInfo::ADDITIONAL_PAYOUT_AMOUNT, 10000},
    });

    QCOMPARE(info.persistentId(), 9001);
    QCOMPARE(info.status(), TournamentInfo::Playing);
    QCOMPARE(info.name(), QStringLiteral("Sunday Cup"));
    QCOMPARE(info.registeredPlayers(), 48);
    QCOMPARE(info.minPlayers(), 8);
    QCOMPARE(info.maxPlayers(), 64);
    QCOMPARE(info.start(), start);
    QCOMPARE(info.closeRegister(), start.addSecs(-600));
    QCOMPARE(info.numberOfRounds(), 2);
    QCOMPARE(info.currentRound(), 1);
    QCOMPARE(info.roundsStart(), (std::vector<QDateTime>{start, start.addSecs(3600)}));
    QCOMPARE(info.roundsLength(), (std::vector<int>{1800, 1800}));
    QCOMPARE(info.infoUrl(), QUrl(QStringLiteral("https://example.org/cup")));
    QVERIFY(info.shortInfoUrl().isEmpty());
    QCOMPARE(info.ruleset(), 5);
    QCOMPARE(info.minDoubles(), 3);
    QCOMPARE(info.maxDoubles(), 10);
    QCOMPARE(info.bet(), 500);
    QCOMPARE(info.fee(), 50);
    QCOMPARE(info.additionalPayoutAmount(), 10000);
    // The local player's registration is the lobby's, never the server's.
    QVERIFY(info.isRegistered());
    QCOMPARE(info.roundsText(), QStringLiteral("2x30 min(s)"));
    QCOMPARE(info.breakText(), QStringLiteral("30 min(s)"));

    QVERIFY(info.setProperty(u"STATUS", 5));
    QVERIFY(!info.isUnfinished());
}

void TestTournamentInfo::applyUpdatesRefusesBadLists()
{
    TournamentInfo info(2);
    info.setRoundsLength({600});
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("update skipped"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("update skipped"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("update skipped"));
    info.applyUpdates({
        {TournamentInfo::ROUNDS_LENGTH, QVariantList{600, QStringLiteral("long")}},
        {TournamentInfo::ROUNDS_START, 5},
        {-3, 1},
    });
    QCOMPARE(info.roundsLength(), std::vector<int>{600});
    QVERIFY(info.roundsStart().empty());
}

void TestTournamentInfo::prizePool()
{
    TournamentInfo info(4);
    info.setBet(500);
    info.setRegisteredPlayers(48);
    info.setAdditionalPayoutAmount(2500);
    QCOMPARE(info.prizePool(), qint64(26500));
    QCOMPARE(TournamentInfo::prizePool(info), qint64(26500));

    // Large tournaments do not overflow.
    info.setBet(2000000000);
    info.setRegisteredPlayers(1000);
    info.setAdditionalPayoutAmount(0);
    QCOMPARE(info.prizePool(), qint64(2000000000) * 1000);
}

void TestTournamentInfo::statusNames()
{
    QCOMPARE(TournamentInfo::statusName(0), QStringLiteral("Open"));
    QCOMPARE(TournamentInfo::statusName(7), QStringLiteral("Aborted"));
    QCOMPARE(TournamentInfo::statusName(-1), QStringLiteral("<undefined>"));
    QCOMPARE(TournamentInfo::statusName(8), QStringLiteral("<undefined>"));
}

void TestTournamentInfo::lobbyCellValues()
{
    QCOMPARE(TournamentRegisteredInfo(12, 64).text(), QStringLiteral("12/64"));
    QVERIFY(TournamentRegisteredInfo(12, 64) < TournamentRegisteredInfo(12, 65));
    QVERIFY(TournamentRegisteredInfo(11, 99) < TournamentRegisteredInfo(12, 2));

    QCOMPARE(TournamentCost().first, -1);
    QCOMPARE(TournamentCost().second, 0);
    QVERIFY(TournamentCost(900, 100) < TournamentCost(500, 600));
    QVERIFY(!(TournamentCost(500, 500) < TournamentCost(900, 100)));

    for (const char *name : {"TournamentRegisteredInfo", "TournamentCost", "TournamentInfo",
                             "TournamentInfoUpdates"})
        QVERIFY2(QMetaType::fromName(name).isValid(), name);
    // Both records take the same kind of update list, under either name.
    QCOMPARE(QMetaType::fromName("TournamentInfoUpdates"), QMetaType::fromName("TableInfoUpdates"));
}

MAHJONG_TEST_MAIN(TestTournamentInfo)
#include "tst_tournamentinfo.moc"
