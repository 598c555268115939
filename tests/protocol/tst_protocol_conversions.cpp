#include "testmain.h"

#include "app/server_error.h"
#include "protocol/conversions.h"

using namespace protocol;

namespace {

template <class F>
QString refusal(F &&f)
{
    try {
        f();
    } catch (const server_error &e) {
        return QString::fromStdString(e.what());
    }
    return QStringLiteral("<accepted>");
}

property_t prop(const char *name, any_t value)
{
    return property_t{QString::fromLatin1(name), std::move(value)};
}

} // namespace

class TestProtocolConversions : public QObject
{
    Q_OBJECT

private slots:
    void enumerationsAndTheirRefusals()
    {
        QCOMPARE(server_game_state::fromWire(9), server_game_state::BETWEEN_HANDS);
        QCOMPARE(server_game_state::fromWire(8), server_game_state::LAST_HAND_OVER);
        QCOMPARE(refusal([] { server_game_state::fromWire(10); }), QStringLiteral("Unexpected server game state: 10"));
        QCOMPARE(refusal([] { server_game_state::fromWire(-1); }), QStringLiteral("Unexpected server game state: -1"));

        QCOMPARE(WaitCondition::fromWire(1), WaitCondition::PLAYER);
        QCOMPARE(refusal([] { WaitCondition::fromWire(2); }), QStringLiteral("Unexpected wait condition: 2"));

        QCOMPARE(kick_reason::fromWire(0), kick_reason::KICKED);
        QCOMPARE(kick_reason::fromWire(6), kick_reason::TABLE_REMOVED);
        QCOMPARE(refusal([] { kick_reason::fromWire(7); }), QStringLiteral("Unexpected kick reason: 7"));
        QCOMPARE(refusal([] { kick_reason::fromWire(-1); }), QStringLiteral("Unexpected kick reason: -1"));

        QCOMPARE(tmnt_register_failed_reason::fromWire(1), tmnt_register_failed_reason::FAILED);
        QCOMPARE(tmnt_register_failed_reason::fromWire(7), tmnt_register_failed_reason::TOURNAMENT_RUNNING);
        QCOMPARE(refusal([] { tmnt_register_failed_reason::fromWire(0); }), QStringLiteral("Unexpected join failed reason: 0"));
        QCOMPARE(refusal([] { tmnt_register_failed_reason::fromWire(8); }), QStringLiteral("Unexpected join failed reason: 8"));

        // Reasons the client has no text for are kept.
        QCOMPARE(int(join_failed_reason::fromWire(42)), 42);
        QCOMPARE(int(MttDiscardedReason::fromWire(5)), 5);

        QCOMPARE(toExtendedRequirements({0, 0}), (std::vector<int>{0, 0}));
        QCOMPARE(refusal([] { toExtendedRequirements({0, 3}); }), QStringLiteral("Unexpected tournament requirement : 3"));

        QCOMPARE(toWind(3), 3);
        QCOMPARE(refusal([] { toWind(4); }), QStringLiteral("illegal wind 4"));
        QCOMPARE(refusal([] { toWind(-1); }), QStringLiteral("illegal wind -1"));
    }

    void tableRecordByPropertyName()
    {
        table_info_t packet;
        packet.table = 5001;
        packet.game_id = 101;
        packet.path_rest = QByteArray("Practice/Riichi");
        packet.properties = {prop("NAME", any_t(QStringLiteral("Bamboo Grove"))), prop("RULESET", any_t(qint32(3))),
                             prop("SEATS", any_t(qint32(4))), prop("PLAYERS", any_t(qint32(2))),
                             prop("BOTS", any_t(qint32(1))), prop("SPEED", any_t(qint64(15000))),
                             prop("MTT_ID", any_t(qint32(77))),
                             // No such property, and a value of the wrong kind: both skipped.
                             prop("COLOUR", any_t(qint32(1))), prop("WIND_ROUNDS", any_t(any_t::list_t{}))};
        const TableInfo info = toTableInfo(packet);
        QCOMPARE(info.id(), 5001);
        QCOMPARE(info.lobbyPath(), QStringLiteral("101/Practice/Riichi"));
        QCOMPARE(info.name(), QStringLiteral("Bamboo Grove"));
        QCOMPARE(info.ruleset(), 3);
        QCOMPARE(info.capacity().seats(), 4);
        QCOMPARE(info.capacity().players(), 2);
        QCOMPARE(info.capacity().bots(), 1);
        QCOMPARE(info.speed(), 15000);
        QCOMPARE(info.mttId(), 77);
        QCOMPARE(info.windRounds(), 0);

        QCOMPARE(lobbyPath(101, QByteArray()), QStringLiteral("101"));
        QCOMPARE(lobbyPath(7, QByteArray("\xe6\x97\xa5")), QStringLiteral("7/\u65e5"));
    }

    void updatesApplyByFieldId()
    {
        TableInfo info(1);
        info.applyUpdates(toUpdates({update_t{TableInfo::NAME, any_t(QStringLiteral("Renamed"))},
                                     update_t{TableInfo::MIN_DOUBLES, any_t(qint32(2))},
                                     update_t{999, any_t(qint32(1))}}));
        QCOMPARE(info.name(), QStringLiteral("Renamed"));
        QCOMPARE(info.minDoubles(), 2);
    }

    void tournamentRecordWithTimes()
    {
        tournament_info_t packet;
        packet.tournament = 900;
        const qint64 start = 1700000000000;
        packet.properties = {prop("NAME", any_t(QStringLiteral("Sunday Cup"))), prop("STATUS", any_t(qint32(3))),
                             prop("START", any_t(start)),
                             prop("ROUNDS_START", any_t(any_t::list_t{any_t(start), any_t(start + 3600000)})),
                             prop("ROUNDS_LENGTH", any_t(any_t::list_t{any_t(qint32(1800)), any_t(qint32(1800))}))};
        const TournamentInfo info = toTournamentInfo(packet);
        QCOMPARE(info.id(), 900);
        QCOMPARE(info.name(), QStringLiteral("Sunday Cup"));
        QCOMPARE(info.status(), TournamentInfo::Playing);
        QCOMPARE(info.start(), QDateTime::fromMSecsSinceEpoch(start, Qt::UTC));
        QCOMPARE(info.roundsStart().size(), std::size_t(2));
        QCOMPARE(info.roundsStart().at(1), QDateTime::fromMSecsSinceEpoch(start + 3600000, Qt::UTC));
        QVERIFY(!toVariant(any_t(pot_share_t{1})).isValid());
    }

    void playerRecords()
    {
        player_rec_t p;
        p.id = 1001;
        p.name = QStringLiteral("alice");
        p.wind = SOUTH;
        p.hidden_count = 13;
        p.melds = {meld_rec_t{PONG, 0, tile(31), 1002, 0}};
        p.discards = {tile(1), tile(2), tile(3)};
        p.hand = {tile(9), tile(0), tile(5)};
        p.riichi_index = 1;
        p.score = 25000;
        p.active = false;
        const PlayerData player = toPlayerData(p);
        QCOMPARE(player.id(), 1001);
        QCOMPARE(player.wind(), qint32(SOUTH));
        QCOMPARE(player.riichiDiscardIndex(), 1);
        QCOMPARE(player.discards(), (tile_vector{tile(1), tile(2), tile(3)}));
        QCOMPARE(player.hand(), (tile_vector{tile(0), tile(5), tile(9)}));
        QCOMPARE(player.melds().at(0), meld_tuple(PONG, 0, tile(31), 1002, 0));
        QVERIFY(!player.isActive());

        p.riichi_index = 3; // beyond the discards: ignored
        QCOMPARE(toPlayerData(p).riichiDiscardIndex(), -1);
        p.wind = 4;
        QCOMPARE(refusal([&] { toPlayerData(p); }), QStringLiteral("illegal wind 4"));

        p.wind = SOUTH;
        p.melds[0].kind = PONG | KONG;
        QCOMPARE(refusal([&] { toPlayerData(p); }), QStringLiteral("Unexpected meld kind: 10"));

        const meld_offer_vector offers = toMeldOffers({offer_rec_t{CHOW, tile(3)}, offer_rec_t{PONG | KONG, tile(7)}});
        QCOMPARE(offers.size(), std::size_t(2));
        QCOMPARE(offers[1], meld_offer(PONG | KONG, tile(7)));
        const TimeSpan span = toTimeSpan(span_t{QDateTime::fromMSecsSinceEpoch(1000, Qt::UTC), QDateTime()});
        QCOMPARE(span.start().toMSecsSinceEpoch(), qint64(1000));
        QVERIFY(span.end().isNull());
    }
};

MAHJONG_TEST_MAIN(TestProtocolConversions)
#include "tst_protocol_conversions.moc"
