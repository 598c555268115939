#include "testmain.h"

#include "EjabberdTestServer.h"

#include "app/TableInfo.h"
#include "chat/FriendsFilter.h"
#include "chat/FriendsRosterModel.h"
#include "chat/PlayerDbChatAdapter.h"
#include "chat/TablePresenceManager.h"
#include "chat/XMPPRosterModel.h"
#include "chat/xmpp/XMPPClient.h"
#include "chat/xmpp/XMPPElements.h"
#include "connection/ConnectedManager.h"
#include "connection/PlayerDb.h"
#include "game/GameModel.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>

namespace {

const QString Password = QStringLiteral("secret");

XMPPJid bareJid(int account)
{
    return XMPPJid(QStringLiteral("localhost"), QString::number(account), QString());
}

// One user of the chat: a connected client with its roster model, and the player
// directory with its chat adapter, as the main window puts them together.
struct ChatUser
{
    explicit ChatUser(int account, ConnectionManager *names = nullptr)
        : account(account), players(names, nullptr), roster(&client), adapter(&client, &players)
    {
        players.setLocalPlayer(account, QStringLiteral("player-%1").arg(account));
    }

    bool connect(quint16 port)
    {
        QSignalSpy connected(&client, &XMPPClient::connected);
        QSignalSpy resets(&client, &XMPPClient::rosterReset);
        client.login(QString::number(account), Password);
        client.connectToHost(QStringLiteral("localhost"), port, XMPPClient::TlsRequired);
        return (connected.wait(5000) || !connected.isEmpty()) && (resets.wait(5000) || !resets.isEmpty());
    }

    // The row of a friend's roster entry after roster changes have settled.
    const XMPPRosterModel::Item *item(int other) const { return roster.itemFromJid(bareJid(other)); }

    int account;
    XMPPClient client;
    PlayerDb players;
    XMPPRosterModel roster;
    PlayerDbChatAdapter adapter;
};

QImage picture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(40, 120, 200));
    for (int y = 0; y < height; ++y)
        image.setPixelColor(y % width, y, Qt::white);
    return image;
}

// The last presence from the account among those the spy caught; null when none.
std::optional<XMPPPresence> lastPresenceFrom(const QSignalSpy &spy, int account)
{
    for (qsizetype i = spy.size() - 1; i >= 0; --i) {
        const XMPPPresence presence = spy.at(i).at(0).value<XMPPPresence>();
        if (jidBare(presence.from()) == bareJid(account))
            return presence;
    }
    return std::nullopt;
}

} // namespace

// The roster, friends models, pictures and table presence against a real ejabberd on
// loopback, started by the test fixture; the test registers accounts of its own.
class TestRosterEjabberd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void friendsSeeEachOther();
    void picturesTravel();
    void seatsShowInPresence();

private:
    bool ctl(const QStringList &arguments, QByteArray *output = nullptr);
    void befriend(ChatUser &a, ChatUser &b);

    QString m_dir;
    quint16 m_port = 0;
    ConnectedManager m_names;
};

bool TestRosterEjabberd::ctl(const QStringList &arguments, QByteArray *output)
{
    return runEjabberdScript(QStringList{QStringLiteral("ctl"), m_dir} + arguments, output);
}

void TestRosterEjabberd::initTestCase()
{
    EjabberdTestServer server;
    m_dir = qEnvironmentVariable("XMPP_SERVER_DIR");
    QVERIFY2(server.load(m_dir), qPrintable("no test server in " + m_dir));
    m_port = server.port;
    QVERIFY(m_port != 0);

    // Accounts of this test alone, so that the other chat tests running at the same
    // time never show up in these rosters.
    std::vector<std::unique_ptr<QProcess>> registrations;
    for (int account = 3101; account <= 3107; ++account) {
        auto process = std::make_unique<QProcess>();
        process->start(qEnvironmentVariable("MAHJONG_SOURCE_DIR") + "/tools/ejabberd/ejabberd-test-server.sh",
                       {QStringLiteral("register"), m_dir, QString::number(account), Password});
        registrations.push_back(std::move(process));
    }
    for (const auto &process : registrations) {
        QVERIFY(process->waitForFinished(30000));
        QCOMPARE(process->exitCode(), 0);
    }
    QVERIFY(ctl({"set_vcard", "3103", "localhost", "FN", "Cleo Example"}));
    QVERIFY(ctl({"set_vcard", "3103", "localhost", "NICKNAME", "cleo"}));
    QVERIFY(m_names.start(QStringLiteral("roster-names.json")));
}

void TestRosterEjabberd::befriend(ChatUser &a, ChatUser &b)
{
    // Each model accepts the other's request by itself.
    a.client.subscribe(bareJid(b.account));
    b.client.subscribe(bareJid(a.account));
    QTRY_VERIFY_WITH_TIMEOUT(a.item(b.account) && a.item(b.account)->subscription == 3, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(b.item(a.account) && b.item(a.account)->subscription == 3, 5000);
}

void TestRosterEjabberd::friendsSeeEachOther()
{
    ChatUser anna(3101, m_names.manager.get());
    ChatUser ben(3102, m_names.manager.get());
    FriendsRosterModel friends(&anna.roster, &anna.players);
    FriendsFilter filter;
    filter.setSourceModel(&friends);
    QVERIFY(anna.connect(m_port));
    QVERIFY(ben.connect(m_port));
    QCOMPARE(anna.roster.rowCount(), 0);

    // Anna asks, Ben's model accepts: pending, then "to", listed under Ben's name.
    QSignalSpy updates(&anna.client, &XMPPClient::rosterUpdate);
    anna.client.subscribe(bareJid(3102));
    QTRY_VERIFY_WITH_TIMEOUT(anna.item(3102) && anna.item(3102)->subscription == 1, 5000);
    QList<int> subscriptions;
    for (const QList<QVariant> &update : updates)
        subscriptions << update.at(1).toInt();
    QVERIFY2(subscriptions.contains(4), qPrintable(QString::number(subscriptions.size())));
    QCOMPARE(filter.rowCount(), 1);
    QTRY_COMPARE(filter.index(0, 0).data().toString(), QStringLiteral("ben"));
    QTRY_COMPARE(anna.item(3102)->availability(), 2);
    QCOMPARE(filter.index(0, 0).data(Qt::ToolTipRole).toString(), QStringLiteral("ben is online"));
    // Ben only sends his presence: Anna is no friend in his list.
    QTRY_VERIFY_WITH_TIMEOUT(ben.item(3101) && ben.item(3101)->subscription == 2, 5000);

    // Ben goes away with a status; a second connection of his, available, wins.
    xmpp::PresenceStanza away;
    away.show = 1;
    away.statuses.insert(QStringLiteral("UND"), QStringLiteral("at <lunch>"));
    ben.client.send(away);
    QTRY_COMPARE_WITH_TIMEOUT(anna.item(3102)->availability(), 3, 5000);
    QCOMPARE(filter.index(0, 0).data(Qt::ToolTipRole).toString(),
             QStringLiteral("ben is away with status \"at <lunch>\""));
    QCOMPARE(filter.index(0, 0).data(Qt::DecorationRole).value<QIcon>().cacheKey(),
             FriendsRosterModel::presenceIcon(*anna.item(3102)).cacheKey());
    XMPPClient second;
    QSignalSpy secondConnected(&second, &XMPPClient::connected);
    second.login(QStringLiteral("3102"), Password);
    second.connectToHost(QStringLiteral("localhost"), m_port, XMPPClient::TlsRequired);
    QTRY_COMPARE_WITH_TIMEOUT(anna.item(3102)->presences.size(), size_t(2), 5000);
    QCOMPARE(anna.item(3102)->availability(), 2);
    second.closeStream();
    QTRY_COMPARE_WITH_TIMEOUT(anna.item(3102)->availability(), 3, 5000);

    // Removing him takes the row away when the server's push comes.
    anna.client.updateRosterItem(bareJid(3102), true, QString(), QString());
    QTRY_COMPARE_WITH_TIMEOUT(anna.roster.rowCount(), 0, 5000);
    QCOMPARE(filter.rowCount(), 0);
    QCOMPARE(anna.client.state(), 5);
}

void TestRosterEjabberd::picturesTravel()
{
    ChatUser cleo(3103);
    ChatUser dan(3104);
    QSignalSpy ownVCards(&cleo.client, &XMPPClient::vCardReceived);
    QVERIFY(cleo.connect(m_port));
    QVERIFY(dan.connect(m_port));
    befriend(cleo, dan);
    // Cleo's own vCard came at connecting; Dan shows her default picture meanwhile.
    QTRY_VERIFY_WITH_TIMEOUT(!ownVCards.isEmpty(), 5000);
    QSignalSpy danPictures(&dan.players, &PlayerDb::playerPictureUpdate);
    QVERIFY(!dan.players.picture(3103, true).isNull());
    QTRY_VERIFY_WITH_TIMEOUT(danPictures.contains(QList<QVariant>{3103}), 5000);
    danPictures.clear();

    QSignalSpy presences(&dan.client, &XMPPClient::presence);
    QSignalSpy changed(&cleo.players, &PlayerDb::changePictureOk);
    QSignalSpy cleoPictures(&cleo.players, &PlayerDb::playerPictureUpdate);
    cleo.players.setPicture(picture(100, 100));
    QTRY_COMPARE_WITH_TIMEOUT(changed.size(), 1, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(cleoPictures.contains(QList<QVariant>{3103}), 5000);
    QCOMPARE(cleo.players.picture(3103, false).size(), QSize(64, 64));

    // The stored vCard kept its name and nickname, and its photo is the one announced.
    QSignalSpy stored(&cleo.client, &XMPPClient::vCardReceived);
    cleo.client.requestVCard(bareJid(3103));
    QTRY_COMPARE_WITH_TIMEOUT(stored.size(), 1, 5000);
    const XMPPVCard vcard = stored.at(0).at(1).value<XMPPVCard>();
    QCOMPARE(vcard.fieldText(QStringLiteral("FN")), QStringLiteral("Cleo Example"));
    QCOMPARE(vcard.fieldText(QStringLiteral("NICKNAME")), QStringLiteral("cleo"));
    QCOMPARE(vcard.photo().size(), QSize(100, 100));
    QCOMPARE(vcard.photoHash().size(), 20);
    QTRY_VERIFY_WITH_TIMEOUT(lastPresenceFrom(presences, 3103)
                                 && lastPresenceFrom(presences, 3103)->photoHash() == vcard.photoHash(),
                             5000);

    // Dan's directory fetched the new picture on that presence.
    QTRY_VERIFY_WITH_TIMEOUT(danPictures.contains(QList<QVariant>{3103}), 5000);
    const QPixmap seen = dan.players.picture(3103, false);
    QCOMPARE(seen.size(), QSize(64, 64));
    QCOMPARE(seen.toImage().pixelColor(40, 10), QColor(40, 120, 200));

    // Somebody who stored no vCard gets the default picture, asked for once.
    QSignalSpy answers(&dan.client, &XMPPClient::vCardReceived);
    QVERIFY(!dan.players.picture(3105, true).isNull());
    QVERIFY(dan.players.picture(3105, false).isNull());
    QTRY_VERIFY_WITH_TIMEOUT(danPictures.contains(QList<QVariant>{3105}), 5000);
    QVERIFY(!dan.players.picture(3105, false).isNull());
    QTest::qWait(200);
    QList<XMPPVCard> fromEve;
    for (const QList<QVariant> &answer : answers) {
        if (answer.at(0).value<XMPPJid>() == bareJid(3105))
            fromEve << answer.at(1).value<XMPPVCard>();
    }
    QCOMPARE(fromEve.size(), 1);
    QVERIFY(fromEve.at(0).photo().isNull());
}

void TestRosterEjabberd::seatsShowInPresence()
{
    ChatUser fay(3106);
    ChatUser gus(3107);
    QVERIFY(fay.connect(m_port));
    QVERIFY(gus.connect(m_port));
    befriend(fay, gus);
    QSignalSpy presences(&gus.client, &XMPPClient::presence);
    const auto tablesSeen = [&presences] {
        const std::optional<XMPPPresence> presence = lastPresenceFrom(presences, 3106);
        return presence ? presence->tables() : QSet<QString>();
    };

    TablePresenceManager manager(&fay.client, [] { return 3106; });
    const auto table = [](int id) {
        TableInfo info(id);
        info.setLobbyPath(QStringLiteral("101/Regular"));
        return std::make_unique<GameModel>(id, info, -1, QString());
    };
    auto five = table(5);
    auto six = table(6);
    manager.onGameModelCreated(five.get());
    manager.onGameModelCreated(six.get());
    five->onPlayerJoined(PlayerData(3106, QStringLiteral("fay")));
    five->onPlayerIsReady(3106);
    QTRY_COMPARE_WITH_TIMEOUT(tablesSeen(), QSet<QString>({"101/Regular/5"}), 5000);
    six->onPlayerJoined(PlayerData(3106, QStringLiteral("fay")));
    six->onPlayerIsReady(3106);
    QTRY_COMPARE_WITH_TIMEOUT(tablesSeen(), QSet<QString>({"101/Regular/5", "101/Regular/6"}), 5000);

    // Leaving one table keeps the other; other players change nothing.
    five->onPlayerLeft(3106);
    QTRY_COMPARE_WITH_TIMEOUT(tablesSeen(), QSet<QString>({"101/Regular/6"}), 5000);
    presences.clear();
    six->onPlayerJoined(PlayerData(3999, QStringLiteral("other")));
    six->onPlayerIsReady(3999);
    six->onPlayerLeft(3999);
    five->onPlayerJoined(PlayerData(3999, QStringLiteral("other")));
    five->onPlayerIsReady(3999);
    QTest::qWait(300);
    QVERIFY(!lastPresenceFrom(presences, 3106));

    // A table closed while seated goes without an unseat.
    manager.onGameModelAboutToBeDestroyed(six.get());
    six.reset();
    QTRY_VERIFY_WITH_TIMEOUT(lastPresenceFrom(presences, 3106), 5000);
    QCOMPARE(lastPresenceFrom(presences, 3106)->availability(), 2);
    QCOMPARE(tablesSeen(), QSet<QString>());

    // A seat taken while disconnected goes out with the presence after connecting.
    QSignalSpy disconnected(&fay.client, &XMPPClient::disconnected);
    fay.client.closeStream();
    QTRY_COMPARE_WITH_TIMEOUT(disconnected.size(), 1, 5000);
    five->onPlayerJoined(PlayerData(3106, QStringLiteral("fay")));
    five->onPlayerIsReady(3106);
    presences.clear();
    QVERIFY(fay.connect(m_port));
    QTRY_COMPARE_WITH_TIMEOUT(tablesSeen(), QSet<QString>({"101/Regular/5"}), 5000);
}

MAHJONG_TEST_MAIN(TestRosterEjabberd)
#include "tst_rosterejabberd.moc"
