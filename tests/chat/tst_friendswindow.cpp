#include "testmain.h"

#include "contrast.h"
#include "skinstylesheets.h"
#include "app/startup/ResourceSearchPaths.h"

#include "../lobby/tablefixtures.h"
#include "../ui/screenshot.h"
#include "FakeChatServer.h"
#include "connection/ConnectedManager.h"
#include "chat/FriendDetailWindow.h"
#include "chat/FriendSearchWindow.h"
#include "chat/FriendsRosterModel.h"
#include "chat/FriendsWindow.h"
#include "chat/XMPPRosterModel.h"
#include "chat/xmpp/XMPPClient.h"
#include "chat/xmpp/XMPPElements.h"
#include "connection/PlayerDb.h"
#include "lobby/CompactTableItem.h"
#include "lobby/CompactTableView.h"

#include <QAction>
#include <QFile>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QTreeWidget>

namespace {

XMPPRosterModel::Item friendItem(const QString &node, int subscription)
{
    XMPPRosterModel::Item item;
    item.jid = XMPPJid(QStringLiteral("localhost"), node, QString());
    item.subscription = subscription;
    return item;
}

void addPresence(XMPPRosterModel::Item &item, int availability, const QString &status,
                 const QSet<QString> &tables = {})
{
    xmpp::PresenceStanza stanza;
    stanza.from = XMPPJid(QStringLiteral("localhost"), jidNode(item.jid), QStringLiteral("r"));
    setAvailability(availability, stanza);
    if (!status.isEmpty())
        stanza.statuses.insert(QStringLiteral("UND"), status);
    stanza.tables = tables;
    item.presences[QStringLiteral("r")] = XMPPPresence(stanza);
}

void closePopups()
{
    while (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
}

} // namespace

// The friends page and its friend details, over a table list on recording requests
// and the scripted chat server.
class TestFriendsWindow : public QObject
{
    Q_OBJECT

private slots:
    void detailShowsFriendAndTables();
    void friendsPageAddsAndRemoves();
    void managersMayMessageFriends();
    void detailTablesReadInEverySkin();
};

void TestFriendsWindow::detailShowsFriendAndTables()
{
    RequestLog log;
    TableModel tables(log.requests(), nullptr);
    PlayerDb players(nullptr, nullptr);
    players.setLocalPlayer(3501, QStringLiteral("player-3501"));

    FriendDetailWindow detail;
    detail.resize(300, 320);
    auto *name = detail.findChild<QLabel *>("nameLabel");
    auto *status = detail.findChild<QLabel *>("presenceAndStatusLabel");
    auto *avatar = detail.findChild<QLabel *>("avatarLabel");
    auto *remove = detail.findChild<QPushButton *>("removeButton");
    auto *view = detail.findChild<CompactTableView *>("tableListView");

    XMPPRosterModel::Item bob = friendItem("3502", 3);
    addPresence(bob, 3, QStringLiteral("<b>x</b>"),
                {"101/Regular/5", "101/Regular/7", "5", "101/5", "101/Regular/x", "a/b/3"});
    // Without the player directory nobody is shown, and nothing is thrown.
    detail.setRosterItem(bob);
    QVERIFY(name->text().isEmpty());
    QVERIFY(!remove->isEnabled());

    detail.setPlayerDb(&players);
    detail.setTableModel(&tables);
    QCOMPARE(bob.bestPresence()->tables().size(), 6);
    detail.setRosterItem(bob);
    QCOMPARE(status->text(), QStringLiteral("Away with status \"<b>x</b>\""));
    QTRY_COMPARE(tables.subscriptionCount("101/Regular"), 2);
    QTRY_VERIFY(!tables.hasQueuedRequests());
    QCOMPARE(log.sent, QStringList({"+101/Regular"}));
    tables.addOrUpdateTables({makeTable(5, "101/Regular"), makeTable(7, "101/Regular"), makeTable(9, "101/Other")});
    QTRY_COMPARE(view->cardCount(), 2);
    QVERIFY(view->card(5) && view->card(7));
    QCOMPARE(status->text(), QStringLiteral("Away with status \"<b>x</b>\""));
    QCOMPARE(status->textFormat(), Qt::PlainText);
    QVERIFY(remove->isEnabled());
    QVERIFY(!avatar->pixmap().isNull());
    detail.show();
    QVERIFY(saveScreenshot(&detail, "friend-detail"));

    // Join and Watch without a chosen table say nothing; Message names the friend.
    QSignalSpy joins(&detail, &FriendDetailWindow::joinTable);
    QSignalSpy watches(&detail, &FriendDetailWindow::watchTable);
    QSignalSpy chats(&detail, &FriendDetailWindow::reqestChat);
    if (view->selectedTableId() == -1) {
        QTest::mouseClick(detail.findChild<QPushButton *>("joinButton"), Qt::LeftButton);
        QTest::mouseClick(detail.findChild<QPushButton *>("watchButton"), Qt::LeftButton);
        QCOMPARE(joins.size() + watches.size(), 0);
    }
    detail.showMessageButton();
    QTest::mouseClick(detail.findChild<QPushButton *>("messageButton"), Qt::LeftButton);
    QCOMPARE(chats.size(), 1);
    QCOMPARE(chats.at(0).at(0).value<XMPPJid>(), players.jidForPlayer(3502));

    // Another friend releases the first one's tables.
    XMPPRosterModel::Item carol = friendItem("3503", 1);
    detail.setRosterItem(carol);
    QTRY_COMPARE(tables.subscriptionCount("101/Regular"), 0);
    QCOMPARE(status->text(), QStringLiteral("offline"));
    QTRY_COMPARE(view->cardCount(), 0);
    addPresence(carol, 3, QString());
    QCOMPARE(FriendDetailWindow::statusText(carol), QStringLiteral("away"));
    QCOMPARE(FriendDetailWindow::statusText(friendItem("3504", 2)), QString());

    detail.clear();
    QVERIFY(avatar->pixmap().isNull());
    QVERIFY(!remove->isEnabled());
}

void TestFriendsWindow::friendsPageAddsAndRemoves()
{
    FakeChatServer server;
    XMPPClient client;
    XMPPRosterModel roster(&client);
    PlayerDb players(nullptr, nullptr);
    players.setLocalPlayer(1001, QStringLiteral("player-1001"));
    RequestLog log;
    TableModel tables(log.requests(), nullptr);
    FriendsWindow window(&client, &roster, &players, nullptr);
    window.setTableModel(&tables);
    window.resize(600, 500);
    window.show();
    auto *list = window.findChild<QListView *>("friendList");
    auto *searchEdit = window.findChild<QLineEdit *>("friendSearchEdit");
    QAction *removeAction = nullptr;
    for (QAction *action : window.findChildren<QAction *>())
        if (action->text() == QLatin1String("Remove"))
            removeAction = action;
    QVERIFY(removeAction);

    // The roster is asked for (id 2) as the session starts.
    QVERIFY(server.acceptSession(client));
    server.send("<iq type='result' id='2'><query xmlns='jabber:iq:roster'>"
                "<item jid='1002@localhost' subscription='to'/>"
                "<item jid='1003@localhost' subscription='both'/>"
                "<item jid='1004@localhost' subscription='none' ask='subscribe'/>"
                "<item jid='1005@localhost' subscription='to' ask='subscribe'/>"
                "<item jid='1006@localhost' subscription='from' ask='subscribe'/>"
                "<item jid='1007@localhost' subscription='from'/></query></iq>");
    QTRY_COMPARE(list->model()->rowCount(), 5);

    // No search service: the search line stays closed; set while connected, it opens.
    QVERIFY(!searchEdit->isEnabled());
    window.setSearchService(QStringLiteral("search.localhost"));
    QVERIFY(searchEdit->isEnabled());

    // Remove is offered for every friend but one who only waits and lets the user see.
    const auto *filter = qobject_cast<const QSortFilterProxyModel *>(list->model());
    const auto *friends = qobject_cast<const FriendsRosterModel *>(filter->sourceModel());
    const auto itemAt = [&](int row) { return friends->itemFromIndex(filter->mapToSource(filter->index(row, 0))); };
    const QList<int> removable = {1, 3, 4, 5};
    for (int row = 0; row < filter->rowCount(); ++row) {
        window.onFriendListContextMenu(list->visualRect(filter->index(row, 0)).center());
        QVERIFY(QApplication::activePopupWidget());
        QCOMPARE(removeAction->isEnabled(), removable.contains(itemAt(row)->subscription));
        closePopups();
    }
    window.onFriendListContextMenu(QPoint(5, list->viewport()->height() - 5));
    QVERIFY(!QApplication::activePopupWidget());
    QTest::qWait(50);
    QVERIFY(saveScreenshot(&window, "friends-page"));

    // Removing a friend who sees the user only cancels that; others leave the roster.
    const auto selectFriend = [&](const QString &node) {
        for (int row = 0; row < filter->rowCount(); ++row) {
            if (jidNode(itemAt(row)->jid) == node) {
                list->setCurrentIndex(filter->index(row, 0));
                return true;
            }
        }
        return false;
    };
    auto *removeButton = window.findChild<QPushButton *>("removeButton");
    QVERIFY(selectFriend("1006"));
    QTest::mouseClick(removeButton, Qt::LeftButton);
    QVERIFY(server.waitFor("<presence to=\"1006@localhost\" type=\"unsubscribe\""));
    QVERIFY(!server.unseen().contains("jabber:iq:roster"));
    QVERIFY(selectFriend("1002"));
    QTest::mouseClick(removeButton, Qt::LeftButton);
    QVERIFY(server.waitFor("<item jid=\"1002@localhost\" subscription=\"remove\"/>"));

    // Adding: not the user, not a friend already; one who only sees the user is asked.
    window.addFriend(XMPPJid(QStringLiteral("localhost"), QStringLiteral("1001"), QString()));
    window.addFriend(XMPPJid(QStringLiteral("localhost"), QStringLiteral("1003"), QString()));
    QVERIFY(!server.unseen().contains("subscribe"));
    window.addFriend(XMPPJid(QStringLiteral("localhost"), QStringLiteral("1007"), QString()));
    QVERIFY(server.waitFor("<presence to=\"1007@localhost\" type=\"subscribe\""));

    // One search dialog at a time; it asks the service for its form at once.
    window.openSearchWindow(QStringLiteral("ab"));
    window.openSearchWindow(QStringLiteral("cd"));
    QCOMPARE(window.findChildren<FriendSearchWindow *>().size(), 1);
    QVERIFY(server.waitFor("<iq to=\"search.localhost\" id=\""));
    const QByteArray formId = server.unseen().split('"').value(0);
    server.send("<iq type='result' id='" + formId + "' from='search.localhost'><query xmlns='jabber:iq:search'>"
                "<x xmlns='jabber:x:data' type='form'><field var='search'/></x></query></iq>");
    // The text given before the form goes out with it; rows without an address, a
    // name, or with an address too long to hold are left out.
    QVERIFY(server.waitFor("<iq to=\"search.localhost\" id=\""));
    const QByteArray searchId = server.unseen().split('"').value(0);
    QVERIFY(server.waitFor("<value>ab</value>"));
    const QByteArray longNode(1100, 'n');
    server.send("<iq type='result' id='" + searchId + "' from='search.localhost'><query xmlns='jabber:iq:search'>"
                "<x xmlns='jabber:x:data' type='result'>"
                "<item><field var='jid'><value>1010@localhost</value></field><field var='Name'><value>Abe</value></field></item>"
                "<item><field var='Name'><value>No address</value></field></item>"
                "<item><field var='jid'><value>1011@localhost</value></field></item>"
                "<item><field var='jid'><value>" + longNode + "@localhost</value></field>"
                "<field var='Name'><value>Too long</value></field></item></x></query></iq>");
    auto *results = window.findChild<QTreeWidget *>("resultList");
    QTRY_COMPARE(results->topLevelItemCount(), 1);
    QCOMPARE(results->topLevelItem(0)->data(0, Qt::UserRole).value<XMPPJid>().toString(),
             QStringLiteral("1010@localhost"));
    QCOMPARE(window.findChild<QLabel *>("statusLabel")->text(), QStringLiteral("1 user(s) found"));

    client.closeStream();
    QTRY_VERIFY(!searchEdit->isEnabled());
}

void TestFriendsWindow::managersMayMessageFriends()
{
    ConnectedManager game;
    QVERIFY(game.start(QStringLiteral("friends-manager.json")));
    FakeChatServer server;
    XMPPClient client;
    XMPPRosterModel roster(&client);
    PlayerDb players(game.manager.get(), nullptr);
    players.setLocalPlayer(1001, QStringLiteral("player-1001"));
    FriendsWindow window(&client, &roster, &players, nullptr);
    window.show();
    auto *message = window.findChild<QPushButton *>("messageButton");
    QVERIFY(!message->isVisible());
    QVERIFY(server.acceptSession(client));
    QTRY_VERIFY(message->isVisible());
}

void TestFriendsWindow::detailTablesReadInEverySkin()
{
    // The friends page on the main window's ground of each skin: the tables a friend
    // sits at, one of them chosen, read as well as the rest of the page.
    const struct
    {
        const char *skin;
        const char *ground;
    } skins[] = {{"default", "rgb(44, 30, 18)"}, {"corvana", "rgb(16, 30, 48)"}};
    for (const auto &skin : skins) {
        setupResourceSearchPaths({}, QString::fromLatin1(skin.skin));
        const QString sheet = skinStyleSheets();
        QVERIFY(!sheet.isEmpty());
        qApp->setStyleSheet(sheet + QStringLiteral("QWidget#ground { background-color: %1; }").arg(QLatin1String(skin.ground)));

        XMPPClient client;
        XMPPRosterModel roster(&client);
        PlayerDb players(nullptr, nullptr);
        players.setLocalPlayer(3501, QStringLiteral("player-3501"));
        RequestLog log;
        TableModel tables(log.requests(), nullptr);
        QWidget ground;
        ground.setObjectName(QStringLiteral("ground"));
        ground.setAttribute(Qt::WA_StyledBackground);
        ground.resize(700, 520);
        FriendsWindow page(&client, &roster, &players, nullptr, &ground);
        page.resize(ground.size());
        page.setTableModel(&tables);
        auto *detail = page.findChild<FriendDetailWindow *>();
        QVERIFY(detail);
        detail->setPlayerDb(&players);
        detail->setTableModel(&tables);
        XMPPRosterModel::Item bob = friendItem("3502", 3);
        addPresence(bob, 3, QString(), {"101/Regular/5", "101/Regular/7"});
        detail->setRosterItem(bob);
        QTRY_VERIFY(tables.subscriptionCount("101/Regular") > 0 && !tables.hasQueuedRequests());
        tables.addOrUpdateTables({makeTable(5, "101/Regular"), makeTable(7, "101/Regular")});
        auto *view = detail->findChild<CompactTableView *>("tableListView");
        QTRY_COMPARE(view->cardCount(), 2);
        ground.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ground));
        QTest::mouseClick(view->card(5), Qt::LeftButton, {}, QPoint(5, 5));
        const QStringList unreadable = Contrast::unreadableLabels(&ground);
        QVERIFY2(unreadable.isEmpty(), qPrintable(QLatin1String(skin.skin) + QLatin1Char('\n') + unreadable.join(QLatin1Char('\n'))));
        QVERIFY(saveScreenshot(&ground, QStringLiteral("friend-tables-%1").arg(QLatin1String(skin.skin))));
    }
    qApp->setStyleSheet(QString());
}

MAHJONG_TEST_MAIN(TestFriendsWindow)
#include "tst_friendswindow.moc"
