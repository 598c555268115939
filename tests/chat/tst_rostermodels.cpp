#include "testmain.h"

#include "app/startup/ResourceSearchPaths.h"
#include "chat/FriendsFilter.h"
#include "chat/FriendsRosterModel.h"
#include "chat/PlayerDbChatAdapter.h"
#include "chat/RosterAvailability.h"
#include "chat/XMPPRosterModel.h"
#include "chat/xmpp/XMPPClient.h"
#include "chat/xmpp/XMPPElements.h"
#include "connection/ConnectedManager.h"
#include "connection/PlayerDb.h"
#include "connection/PlayerDbChatClient.h"

#include <QAbstractItemModelTester>
#include <QListView>
#include <QSignalSpy>

namespace {

// A presence of the given type ("", "unavailable", "error") and show from an address.
XMPPPresence presence(const QString &from, const QString &type = QString(), int show = 0,
                      const QString &status = QString())
{
    xmpp::PresenceStanza stanza;
    stanza.from = parseJid(from);
    stanza.type = type;
    stanza.show = show;
    if (!status.isEmpty())
        stanza.statuses.insert(QStringLiteral("UND"), status);
    return XMPPPresence(stanza);
}

// The chat domain of the players' addresses, for a directory without chat server.
class ChatDomain : public PlayerDbChatClient
{
public:
    bool isConnected() const override { return false; }
    QString domain() const override { return QStringLiteral("localhost"); }
    void requestVCard(const XMPPJid &) override {}
    void uploadPhoto(const QImage &) override {}
    void setPhotoHash(const QByteArray &) override {}
};

const int Away = 1;
const int ExtendedAway = 4;
const int DoNotDisturb = 3;

XMPPJid jid(const QString &text)
{
    return parseJid(text);
}

QStringList column(const QAbstractItemModel &model, int role = Qt::DisplayRole)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.index(row, 0).data(role).toString();
    return texts;
}

QImage iconImage(const QIcon &icon)
{
    return icon.pixmap(16, 16).toImage();
}

QImage resourceImage(const QString &name)
{
    return QIcon(QStringLiteral("resources:") + name).pixmap(16, 16).toImage();
}

} // namespace

class TestRosterModels : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rowsFollowTheRosterAndPresences();
    void friendsAreListedByName();
    void availableContacts();
    void pictureRequestsWaitForTheChat();

private:
    XMPPClient m_client;
};

void TestRosterModels::initTestCase()
{
    setupResourceSearchPaths({}, QStringLiteral("default"));
}

void TestRosterModels::rowsFollowTheRosterAndPresences()
{
    XMPPRosterModel model(&m_client);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    // Nothing is kept of a presence before its entry arrives.
    model.onPresence(presence("2001@localhost/home"));
    model.onRosterReset();
    model.onRosterUpdate(jid("2001@localhost/any"), 1, false, "Dora", "Friends");
    model.onRosterUpdate(jid("2002@localhost"), 3, false, QString(), QString());
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(column(model), QStringList({"2001@localhost", "2002@localhost"}));
    const XMPPRosterModel::Item *dora = model.itemFromJid(jid("2001@localhost/work"));
    QVERIFY(dora);
    QCOMPARE(dora->name, QStringLiteral("Dora"));
    QVERIFY(!dora->bestPresence());
    QCOMPARE(dora->availability(), 1);
    QVERIFY(!model.index(0, 0).data(Qt::ToolTipRole).isValid());
    QVERIFY(!model.index(0, 1).isValid());
    QCOMPARE(model.indexFromJid(jid("2002@localhost/x")).row(), 1);
    QVERIFY(!model.indexFromJid(jid("2009@localhost")).isValid());

    // Available beats away; among equal ranks the smallest resource wins.
    model.onPresence(presence("2001@localhost/work", QString(), Away));
    model.onPresence(presence("2001@localhost/home"));
    QCOMPARE(changed.size(), 2);
    dora = model.itemFromJid(jid("2001@localhost"));
    QCOMPARE(dora->bestPresence()->from().toString(), QStringLiteral("2001@localhost/home"));
    QCOMPARE(dora->availability(), 2);
    model.onPresence(presence("2001@localhost/b"));
    model.onPresence(presence("2001@localhost/a"));
    QCOMPARE(model.itemFromJid(jid("2001@localhost"))->bestPresence()->from().toString(),
             QStringLiteral("2001@localhost/a"));

    // An error removes its resource; unavailable for a resource never seen changes nothing.
    model.onPresence(presence("2001@localhost/a", QStringLiteral("error")));
    QCOMPARE(model.itemFromJid(jid("2001@localhost"))->presences.size(), size_t(3));
    changed.clear();
    model.onPresence(presence("2001@localhost/phone", QStringLiteral("unavailable")));
    model.onPresence(presence("2009@localhost/home"));
    QCOMPARE(changed.size(), 0);

    // A changed entry keeps its presences and tells its row.
    model.onRosterUpdate(jid("2001@localhost"), 7, false, "Dora D.", QString());
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).toModelIndex().row(), 0);
    dora = model.itemFromJid(jid("2001@localhost"));
    QCOMPARE(dora->subscription, 7);
    QCOMPARE(dora->presences.size(), size_t(3));

    // Removed and added again: a new row without the old presences.
    model.onRosterUpdate(jid("2001@localhost"), 0, true, QString(), QString());
    model.onRosterUpdate(jid("2005@localhost"), 0, true, QString(), QString());
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.indexFromJid(jid("2002@localhost")).row(), 0);
    model.onRosterUpdate(jid("2001@localhost"), 1, false, QString(), QString());
    QCOMPARE(model.indexFromJid(jid("2001@localhost")).row(), 1);
    QVERIFY(model.itemFromJid(jid("2001@localhost"))->presences.empty());

    // A disconnection keeps everything; the next roster answer starts again.
    model.onDisconnected();
    QCOMPARE(model.rowCount(), 2);
    model.onRosterReset();
    QCOMPARE(model.rowCount(), 0);
}

void TestRosterModels::friendsAreListedByName()
{
    ConnectedManager server;
    QVERIFY(server.start(QStringLiteral("roster-names.json")));
    ChatDomain chat;
    PlayerDb players(server.manager.get(), &chat);
    XMPPRosterModel roster(&m_client);
    FriendsRosterModel friends(&roster, &players);
    FriendsFilter filter;
    filter.setSourceModel(&friends);
    QAbstractItemModelTester tester(&filter, QAbstractItemModelTester::FailureReportingMode::QtTest);

    roster.onRosterReset();
    roster.onRosterUpdate(jid("2001@localhost"), 1, false, QString(), QString());
    roster.onRosterUpdate(jid("2002@localhost"), 3, false, QString(), QString());
    roster.onRosterUpdate(jid("2003@localhost"), 4, false, QString(), QString());
    roster.onRosterUpdate(jid("2004@localhost"), 6, false, QString(), QString());
    roster.onRosterUpdate(jid("2005@localhost"), 2, false, QString(), QString());
    roster.onRosterUpdate(jid("2006@localhost"), 0, false, QString(), QString());
    roster.onRosterUpdate(jid("2007@localhost"), 1, false, QString(), QString());
    QCOMPARE(column(filter), QStringList({"player-2001", "player-2002", "player-2003", "player-2004",
                                          "player-2007"}));

    // Each name that arrives changes its row alone and sorts it into place.
    QSignalSpy changed(&friends, &QAbstractItemModel::dataChanged);
    QTRY_COMPARE(column(filter), QStringList({"<b>bob</b>", "alice", "carol", "dora", "zed"}));
    QCOMPARE(changed.size(), 5);
    for (const QList<QVariant> &signal : changed)
        QCOMPARE(signal.at(0).toModelIndex(), signal.at(1).toModelIndex());

    // Tool tips, with the users' markup kept as text.
    roster.onPresence(presence("2002@localhost/home", QString(), Away, "<b>at lunch</b>"));
    const QModelIndex bob = filter.index(0, 0);
    QCOMPARE(bob.data(Qt::ToolTipRole).toString(),
             QStringLiteral("<p style='white-space:pre'>&lt;b&gt;bob&lt;/b&gt; is away with status "
                            "&quot;&lt;b&gt;at lunch&lt;/b&gt;&quot;</p>"));
    QCOMPARE(filter.index(3, 0).data(Qt::ToolTipRole).toString(), QStringLiteral("dora is offline"));
    roster.onPresence(presence("2001@localhost/home", QString(), 0, "ready to play"));
    QCOMPARE(filter.index(3, 0).data(Qt::ToolTipRole).toString(),
             QStringLiteral("dora is online with status \"ready to play\""));

    // Icons: by the best presence while the presence is received, else by the request.
    roster.onPresence(presence("2007@localhost/home", QString(), ExtendedAway));
    roster.onPresence(presence("2004@localhost/home"));
    const auto iconAt = [&filter](int row) {
        return iconImage(filter.index(row, 0).data(Qt::DecorationRole).value<QIcon>());
    };
    QCOMPARE(iconAt(0), resourceImage("xmpp_away.png"));
    QCOMPARE(iconAt(1), resourceImage("xmpp_not_available.png"));
    QCOMPARE(iconAt(2), resourceImage("xmpp_not_available.png"));
    QCOMPARE(iconAt(3), resourceImage("xmpp_available.png"));
    QCOMPARE(iconAt(4), resourceImage("xmpp_extended_away.png"));
    roster.onPresence(presence("2001@localhost/home", QString(), DoNotDisturb));
    QCOMPARE(iconAt(3), resourceImage("xmpp_not_available.png"));
    QVERIFY(iconAt(0) != resourceImage("xmpp_unknown.png"));
    QCOMPARE(FriendsRosterModel::availabilityName(6, true), QStringLiteral("Away"));
    QCOMPARE(FriendsRosterModel::availabilityName(0, false), QStringLiteral("<unknown availability>"));

    // As a player sees the list.
    QListView view;
    view.setModel(&filter);
    view.resize(220, 120);
    view.show();
    QVERIFY(view.grab().save(qEnvironmentVariable("MAHJONG_BINARY_DIR") + "/friends-list.png"));

    // A removed friend leaves the list.
    roster.onRosterUpdate(jid("2004@localhost"), 0, true, QString(), QString());
    QCOMPARE(column(filter), QStringList({"<b>bob</b>", "carol", "dora", "zed"}));
}

void TestRosterModels::availableContacts()
{
    XMPPRosterModel roster(&m_client);
    const std::function<std::vector<qint32>()> available = availableRosterPlayers(&roster);
    roster.onRosterReset();
    roster.onRosterUpdate(jid("2001@localhost"), 1, false, QString(), QString());
    roster.onRosterUpdate(jid("2002@localhost"), 2, false, QString(), QString());
    roster.onRosterUpdate(jid("2003@localhost"), 4, false, QString(), QString());
    roster.onRosterUpdate(jid("2004@localhost"), 3, false, QString(), QString());
    roster.onRosterUpdate(jid("lobby@localhost"), 3, false, QString(), QString());
    for (const char *from : {"2001@localhost/a", "2002@localhost/a", "2003@localhost/a", "lobby@localhost/a"})
        roster.onPresence(presence(from, QString(), Away));
    QVERIFY(!Utils::isRosterItemAvailable(nullptr));
    QVERIFY(Utils::isRosterItemAvailable(roster.itemFromJid(jid("2001@localhost"))));
    QVERIFY(!Utils::isRosterItemAvailable(roster.itemFromJid(jid("2002@localhost"))));
    QVERIFY(Utils::isRosterItemAvailable(roster.itemFromJid(jid("2003@localhost"))));
    // Without a presence nobody is available.
    QVERIFY(!Utils::isRosterItemAvailable(roster.itemFromJid(jid("2004@localhost"))));
    QCOMPARE(available(), std::vector<qint32>({2001, 2003}));

    roster.onPresence(presence("2001@localhost/a", QStringLiteral("unavailable")));
    roster.onPresence(presence("2004@localhost/b", QString(), DoNotDisturb));
    QCOMPARE(available(), std::vector<qint32>({2003, 2004}));
}

void TestRosterModels::pictureRequestsWaitForTheChat()
{
    PlayerDb players(nullptr, nullptr);
    QSignalSpy failed(&players, &PlayerDb::changePictureFailed);
    {
        XMPPClient client;
        PlayerDbChatAdapter adapter(&client, &players);
        players.setLocalPlayer(2001, QStringLiteral("dora"));
        // The directory asks for its own vCard at these moments without looking at the
        // connection: nothing goes out, nothing is thrown.
        players.onXMPPConnected();
        players.onUploadVCardOk();
        QImage photo(10, 10, QImage::Format_RGB32);
        photo.fill(Qt::red);
        players.setPicture(photo);
        adapter.uploadPhoto(photo);
        QCOMPARE(failed.size(), 2);
        QVERIFY(!players.picture(2002, true).isNull());
    }
    // Gone with its client, the adapter is unplugged.
    QVERIFY(!players.picture(2003, true).isNull());
}

MAHJONG_TEST_MAIN(TestRosterModels)
#include "tst_rostermodels.moc"
