#include "testmain.h"

#include "connection/ClientConfig.h"
#include "connection/ComingEvent.h"
#include "connection/ConnectionMetaTypes.h"
#include "connection/GameRecords.h"
#include "connection/LobbyRecords.h"
#include "connection/TournamentRecords.h"
#include "connection/RecordConversions.h"
#include "app/server_error.h"

#include <QtTest>

#include <algorithm>

class TestConnectionRecords : public QObject
{
    Q_OBJECT

private slots:
    void clientConfigHostAndPort_data();
    void clientConfigHostAndPort();
    void clientConfigServices();
    void comingEventOrder();
    void rangeAsMapKey();
    void seatingLookups();
    void lobbyStructureChild();
    void recordsTravelInVariants();
    void prizeRangesOutOfOrderAreSkipped();
    void seatingNeedsFourWinds();
};

void TestConnectionRecords::clientConfigHostAndPort_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<bool>("hasHost");
    QTest::addColumn<QString>("host");
    QTest::addColumn<bool>("hasPort");
    QTest::addColumn<int>("portPart");
    QTest::addColumn<int>("port");

    QTest::newRow("host and port") << "chat.example.org:5223" << true << "chat.example.org" << true << 5223 << 5223;
    QTest::newRow("host only") << "chat.example.org" << true << "chat.example.org" << false << 0 << 5222;
    QTest::newRow("empty") << "" << false << "fallback" << false << 0 << 5222;
    QTest::newRow("leading colon") << ":5300" << false << "fallback" << true << 5300 << 5300;
    // A port part that is no valid port is warned about and leaves the default.
    QTest::newRow("port not a number") << "chat:abc" << true << "chat" << true << 0 << 5222;
    QTest::newRow("port over 16 bits") << "chat:70000" << true << "chat" << true << 0 << 5222;
    QTest::newRow("negative port") << ":-1" << false << "fallback" << true << 0 << 5222;
    QTest::newRow("port zero") << "chat:0" << true << "chat" << true << 0 << 5222;
    QTest::newRow("trailing colon") << "chat:" << true << "chat" << false << 0 << 5222;
    QTest::newRow("third section ignored") << "chat:5224:9" << true << "chat" << true << 5224 << 5224;
}

void TestConnectionRecords::clientConfigHostAndPort()
{
    QFETCH(QString, server);
    QFETCH(bool, hasHost);
    QFETCH(QString, host);
    QFETCH(bool, hasPort);
    QFETCH(int, portPart);
    QFETCH(int, port);

    ClientConfig config;
    config.setXmppServer(server);
    if (hasPort && portPart == 0) {
        for (int read = 0; read < 2; ++read)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^chat server port out of range")));
    }
    QCOMPARE(config.hasXmppHost(), hasHost);
    const QString expectedHost = hasHost ? host : QStringLiteral("fallback");
    QCOMPARE(config.xmppHost(QStringLiteral("fallback")), expectedHost);
    QCOMPARE(config.hasXmppPort(), hasPort);
    QCOMPARE(int(config.xmppPortPart()), portPart);
    QCOMPARE(int(config.xmppPort(5222)), port);
}

void TestConnectionRecords::clientConfigServices()
{
    QVERIFY(ClientConfig().conferenceService().isNull());

    // Each of the server's four texts lands in its own field; an empty one is absent.
    protocol::client_config_t packet;
    packet.xmpp_server = QStringLiteral("chat.example.org:5223");
    packet.conference_service = QStringLiteral("conference.chat");
    packet.search_service = QStringLiteral("search.chat");
    const ClientConfig config = conversions::toClientConfig(packet);
    QCOMPARE(config.xmppHost(QStringLiteral("fallback")), QStringLiteral("chat.example.org"));
    QCOMPARE(config.xmppPort(5222), quint16(5223));
    QVERIFY(config.hasConferenceService());
    QCOMPARE(config.conferenceService(), QStringLiteral("conference.chat"));
    QVERIFY(!config.hasRoomJid());
    QVERIFY(config.hasSearchService());
    QCOMPARE(config.searchService(), QStringLiteral("search.chat"));

    packet.room_jid = QStringLiteral("lobby@conference.chat");
    const ClientConfig withRoom = conversions::toClientConfig(packet);
    QVERIFY(withRoom.hasRoomJid());
    QCOMPARE(withRoom.roomJid(), QStringLiteral("lobby@conference.chat"));
    QVERIFY(!(withRoom == config));
}

void TestConnectionRecords::comingEventOrder()
{
    const QDateTime t0(QDate(2026, 5, 1), QTime(12, 0), Qt::UTC);
    const QDateTime t1 = t0.addSecs(60);
    ComingEvents events{{3, t1}, {1, t1}, {2, t0}, {0, t1}};
    std::sort(events.begin(), events.end());
    const ComingEvents expected{{2, t0}, {0, t1}, {1, t1}, {3, t1}};
    QVERIFY(events == expected);

    QVERIFY(ComingEvent(0, t0) == ComingEvent(0, t0));
    QVERIFY(ComingEvent(0, t0) != ComingEvent(1, t0));
    QVERIFY(!(ComingEvent(0, t0) < ComingEvent(0, t0)));
}

void TestConnectionRecords::rangeAsMapKey()
{
    tournament_prize_configuration_t config;
    config[Range<int>(9, 16)] = prize_structure_t();
    config[Range<int>(2, 8)] = prize_structure_t();
    config[Range<int>(17, 32)] = prize_structure_t();
    QCOMPARE(config.size(), std::size_t(3));
    QCOMPARE(config.begin()->first.first, 2);
    QCOMPARE(config.rbegin()->first.last, 32);

    // Overlapping ranges are neither before nor after each other.
    QVERIFY(!(Range<int>(1, 5) < Range<int>(3, 8)));
    QVERIFY(!(Range<int>(3, 8) < Range<int>(1, 5)));
    QVERIFY(Range<int>(1, 2) < Range<int>(3, 3));
}

void TestConnectionRecords::seatingLookups()
{
    Seating seating;
    seating.players = {{11, 12, -1, 14}};
    QCOMPARE(seating.playerAt(0), 11);
    QCOMPARE(seating.playerAt(3), 14);
    QCOMPARE(seating.playerAt(4), -1);
    QCOMPARE(seating.playerAt(-1), -1);
}

void TestConnectionRecords::lobbyStructureChild()
{
    LobbyStructure root;
    root.name = QStringLiteral("101");
    LobbyStructure regular;
    regular.name = QStringLiteral("Regular");
    LobbyStructure leaf;
    leaf.name = QStringLiteral("Practice");
    leaf.isLeaf = true;
    regular.children.push_back(leaf);
    root.children.push_back(regular);

    QVERIFY(root.child(QStringLiteral("Regular")));
    QCOMPARE(root.child(QStringLiteral("Regular"))->children.size(), std::size_t(1));
    QVERIFY(root.child(QStringLiteral("Regular"))->children.front().isLeaf);
    QVERIFY(!root.child(QStringLiteral("Missing")));
}

void TestConnectionRecords::recordsTravelInVariants()
{
    EndHand hand;
    hand.endKind = EndHand::Tsumo;
    EndHandPlayer player;
    player.playerId = 7;
    player.points.push_back({QStringLiteral("Pung"), 4});
    hand.players[7] = player;
    const QVariant variant = QVariant::fromValue(hand);
    QVERIFY(variant.canConvert<EndHand>());
    const EndHand back = variant.value<EndHand>();
    QCOMPARE(back.endKind, int(EndHand::Tsumo));
    QCOMPARE(back.players.at(7).points.front().value, 4);

    registerConnectionMetaTypes();
    QCOMPARE(QMetaType::fromName("position_range_t"), QMetaType::fromType<position_range_t>());
    QCOMPARE(QMetaType::fromName("ComingEvents"), QMetaType::fromType<ComingEvents>());
    QCOMPARE(QMetaType::fromName("round_score_vector"), QMetaType::fromType<round_score_vector>());
}

void TestConnectionRecords::prizeRangesOutOfOrderAreSkipped()
{
    // Overlapping or reversed ranges would leave the map without an order: they are
    // dropped, the others kept.
    auto range = [](int first, int last) {
        protocol::prize_range_t r;
        r.first = first;
        r.last = last;
        return r;
    };
    protocol::prize_range_t withPrizes = range(2, 8);
    for (const auto &[first, last] : std::vector<std::pair<int, int>>{{1, 1}, {2, 3}, {3, 4}, {6, 5}, {4, 4}}) {
        protocol::prize_entry_t entry;
        entry.first_position = first;
        entry.last_position = last;
        entry.prize = protocol::any_t(protocol::pot_share_t{first * 1000});
        withPrizes.prizes.push_back(entry);
    }
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("prize positions 3 4 out of order")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("prize positions 6 5 out of order")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("prize player counts 5 9 out of order")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("prize player counts 30 20 out of order")));
    const tournament_prize_configuration_t configuration = conversions::toPrizeConfiguration(
        {withPrizes, range(9, 16), range(5, 9), range(30, 20), range(17, 32)});

    std::vector<std::pair<int, int>> counts;
    for (const auto &entry : configuration)
        counts.emplace_back(entry.first.first, entry.first.last);
    QVERIFY(counts == (std::vector<std::pair<int, int>>{{2, 8}, {9, 16}, {17, 32}}));
    std::vector<int> firsts;
    for (const auto &entry : configuration.begin()->second)
        firsts.push_back(entry.first.first);
    QVERIFY(firsts == (std::vector<int>{1, 2, 4}));
}

void TestConnectionRecords::seatingNeedsFourWinds()
{
    QCOMPARE(conversions::toSeating({1, 2, 3, 4}).playerAt(3), 4);
    QVERIFY_THROWS_EXCEPTION(server_error, conversions::toSeating({1, 2, 3}));
    QVERIFY_THROWS_EXCEPTION(server_error, conversions::toSeating({1, 2, 3, 4, 5}));
}

MAHJONG_TEST_MAIN(TestConnectionRecords)
#include "tst_connectionrecords.moc"
