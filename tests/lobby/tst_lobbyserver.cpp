#include "testmain.h"

#include "lobbyserverfixture.h"

#include "lobby/CustomItem.h"

#include <QSignalSpy>

// The table list against the test game server on loopback.
class TestLobbyServer : public QObject
{
    Q_OBJECT

private:
    static QString nameOf(const TableModel &model, qint32 id)
    {
        for (int row = 0; row < model.rowCount(); ++row) {
            if (model.index(row, 0).data(TableIdRole).toInt() == id)
                return model.index(row, 0).data().toString();
        }
        return QString();
    }

private slots:
    void subscriptionFillsAndEmptiesTheList()
    {
        ServerLobby lobby;
        QVERIFY(lobby.start(QStringLiteral("lobby-tables.json")));
        TableModel &model = lobby.model();
        TestServer &server = lobby.server;

        QSignalSpy removed(&model, &TableModel::tableRemoved);
        QSignalSpy structure(&model, &TableModel::lobbyStructure);
        model.queryLobbyStructure();
        QVERIFY(structure.wait(5000));
        const auto root = structure.at(0).at(0).value<LobbyStructure>();
        QCOMPARE(root.children.size(), size_t(2));
        QVERIFY(root.child(QStringLiteral("Regular")));

        model.subscribe(QStringLiteral("101/Practice"));
        QTRY_VERIFY(model.hasTable(5001));
        QTRY_COMPARE(nameOf(model, 5001), QStringLiteral("Practice 5001"));

        QTRY_COMPARE(model.tableInfo(5001).capacity().players(), 3);
        // The regular table, sent before that update, lies outside the subscription.
        QVERIFY(!model.hasTable(5003));
        QCOMPARE(model.tableInfo(5001).speed(), 20000);
        QTRY_COMPARE(removed.size(), 1);
        QCOMPARE(removed.at(0).at(0).toInt(), 5002);
        QCOMPARE(model.rowCount(), 1);

        model.unsubscribe(QStringLiteral("101/Practice"));
        QTRY_COMPARE(model.rowCount(), 0);
        QVERIFY(server.waitForOutput(QStringLiteral("RECV lobby_table_unsubscribe_t")));
        const QString output = server.output();
        QCOMPARE(output.count(QStringLiteral("RECV lobby_table_subscribe_t")), 1);
        QCOMPARE(output.count(QStringLiteral("RECV lobby_table_unsubscribe_t")), 1);
        QVERIFY(output.contains(QStringLiteral("RECV query_localized_table_names_t")));
    }
};

MAHJONG_TEST_MAIN(TestLobbyServer)
#include "tst_lobbyserver.moc"
