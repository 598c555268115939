#include "testmain.h"

#include "lobbyscreenshot.h"
#include "lobbyserverfixture.h"

#include "lobby/CustomItem.h"
#include "lobby/LobbyWindow.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTreeView>

#include <memory>

// The table lobby window against the test game server on loopback.
class TestTableLobbyServer : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_settingsDir;

    static QList<int> shownIds(const QTreeView &view)
    {
        QList<int> ids;
        for (int row = 0; row < view.model()->rowCount(); ++row)
            ids << view.model()->index(row, 0).data(TableIdRole).toInt();
        return ids;
    }

    static QList<int> sorted(QList<int> ids)
    {
        std::sort(ids.begin(), ids.end());
        return ids;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_settingsDir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
        QSettings().clear();
    }

    void windowListsFiltersAndBalancesSubscriptions()
    {
        ServerLobby lobby;
        QVERIFY(lobby.start(QStringLiteral("table-lobby.json")));
        TableModel &model = lobby.model();
        TestServer &server = lobby.server;

        std::unique_ptr<LobbyWindow> window(lobby.controller->createLobbyWindow());
        QVERIFY(!window->parent());
        auto *view = window->findChild<QTreeView *>("lobbyTreeView");
        QTRY_COMPARE(sorted(shownIds(*view)), (QList<int>{6101, 6102, 6201, 6301}));
        QCOMPARE(window->paths(), (QStringList{"101/Regular/A", "101/Regular/B/x", "101/Regular/B/y"}));
        QTRY_COMPARE(view->model()->index(0, 0).data().toString(), QStringLiteral("Lotus 6102"));
        // Most players first.
        QCOMPARE(shownIds(*view), (QList<int>{6102, 6101, 6201, 6301}));

        window->resize(738, 595);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QVERIFY(saveScreenshot(*window, QStringLiteral("lobbywindow-server")) > 8);

        window->findChild<QCheckBox *>("viewAllAvailableTablesCheckBox")->setChecked(false);
        QCOMPARE(sorted(shownIds(*view)), (QList<int>{6101, 6201, 6301}));
        QTest::keyClicks(window->findChild<QLineEdit *>("freeTextSearch"), QStringLiteral("bamboo"));
        QCOMPARE(shownIds(*view), QList<int>{6201});
        window->findChild<QLineEdit *>("freeTextSearch")->clear();
        view->sortByColumn(TableModel::BetColumn, Qt::AscendingOrder);
        QCOMPARE(shownIds(*view), (QList<int>{6101, 6201, 6301}));
        view->sortByColumn(TableModel::BetColumn, Qt::DescendingOrder);
        QCOMPARE(shownIds(*view), (QList<int>{6301, 6201, 6101}));

        QCOMPARE(server.output().count(QStringLiteral("RECV lobby_table_subscribe_t")), 3);
        window.reset();
        QTRY_COMPARE_WITH_TIMEOUT(server.output().count(QStringLiteral("RECV lobby_table_unsubscribe_t")), 3, 5000);
        QCOMPARE(server.output().count(QStringLiteral("RECV lobby_table_subscribe_t")), 3);
        QCOMPARE(model.rowCount(), 0);
    }
};

MAHJONG_TEST_MAIN(TestTableLobbyServer)
#include "tst_tablelobbyserver.moc"
