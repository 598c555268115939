#include "testmain.h"

#include "lobbyscreenshot.h"
#include "protocol/TestServer.h"
#include "silentchat.h"
#include "tablefixtures.h"

#include "app/Utils.h"
#include "app/startup/ResourceSearchPaths.h"
#include "connection/ConnectionManager.h"
#include "connection/PlayerDb.h"
#include "lobby/LobbySummary.h"
#include "lobby/PlayerList.h"
#include "lobby/TablePreview.h"
#include "lobby/TablePreviewPlayerWidget.h"
#include "lobby/TablePreviewPlayersWidget.h"
#include "ui/UPushButton.h"
#include "ui/ULabel.h"

#include <QAbstractItemModel>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTreeView>
#include <QVBoxLayout>

#include <memory>

namespace {

TableInfo hongKongTable(qint32 id, int kind, int minFan, int maxFan, int pcIndex, int bet)
{
    TableInfo info(id);
    info.setLobbyPath(QStringLiteral("101/Regular/A"));
    info.setRuleset(5);
    info.setGameType(TableInfo::FULL_GAME);
    info.setWindRounds(4);
    info.setSpeed(12000);
    info.setCapacity(TableCapacity(4, 0, 0));
    info.setMinDoubles(minFan);
    info.setMaxDoubles(maxFan);
    info.setPcIndex(pcIndex);
    TableValue value;
    value.setKind(kind);
    value.setBet(bet);
    value.setFee(100);
    value.setPlayers(4);
    info.setValue(value);
    return info;
}

QStringList visibleNames(const QWidget &panel, const QStringList &names)
{
    QStringList shown;
    for (const QString &name : names) {
        const auto *child = panel.findChild<QWidget *>(name);
        if (child && child->isVisibleTo(&panel))
            shown << name;
    }
    return shown;
}

QString text(const QWidget &panel, const char *name)
{
    return panel.findChild<QLabel *>(name)->text();
}

QStringList labelTexts(const PlayerList &list)
{
    // Layout order, not creation order.
    QStringList texts;
    const auto *players = list.findChild<QVBoxLayout *>("players");
    for (int i = 0; i < players->count(); ++i) {
        if (auto *label = qobject_cast<QLabel *>(players->itemAt(i)->widget()))
            texts << label->text();
    }
    return texts;
}

// A table list subscribed to the lobby folder of the test tables.
struct TableList
{
    RequestLog log;
    TableModel model{log.requests(), nullptr};

    TableList()
    {
        model.subscribe(QStringLiteral("101/Regular/A"));
        model.processSubscriptions();
    }
    ~TableList()
    {
        model.unsubscribe(QStringLiteral("101/Regular/A"));
        model.processSubscriptions();
    }
};

const QStringList settlementBlocks{"expressDetailContainer", "houseDetailContainer",
                                   "multiHandDetailContainer", "payPerPointDetailContainer",
                                   "hongKongDetailContainer"};

} // namespace

// The lobby's side panels: table preview, its seats, the lobby summary and its player
// list, the network parts against the test game server.
class TestSidePanels : public QObject
{
    Q_OBJECT

private:
    TestServer m_server;
    std::unique_ptr<ConnectionManager> m_connection;
    SilentChat m_chat;
    std::unique_ptr<PlayerDb> m_db;

    // Asks the directory for the names so that the panels find them cached.
    void learnNames(const std::vector<qint32> &ids)
    {
        for (const qint32 id : ids)
            m_db->playerName(id, false);
        QTRY_VERIFY_WITH_TIMEOUT(std::all_of(ids.begin(), ids.end(), [this](qint32 id) {
                                     return !m_db->playerName(id, false).isEmpty();
                                 }),
                                 5000);
    }

private slots:
    void initTestCase()
    {
        setupResourceSearchPaths({}, QStringLiteral("default"));
        QFile sheet(QStringLiteral("resources:/defaultui.css"));
        if (sheet.open(QIODevice::ReadOnly))
            qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
        QVERIFY(m_server.start(TestServer::sourceDir() + QStringLiteral("/tests/lobby/side-panels.json"), false));
        m_connection = std::make_unique<ConnectionManager>(false);
        QSignalSpy ready(m_connection.get(), &ConnectionManager::versionCheckComplete);
        m_connection->connectTo(QStringLiteral("127.0.0.1"), m_server.gamePort());
        QVERIFY(ready.wait(5000));
        m_db = std::make_unique<PlayerDb>(m_connection.get(), &m_chat);
    }

    void cleanupTestCase()
    {
        m_db.reset();
        m_connection.reset();
    }

    void reservedTextsAndSettlement_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("bet");
        QTest::addColumn<int>("minScore");
        QTest::addColumn<int>("players");
        QTest::addColumn<QString>("reserved");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QStringList>("shown");

        const QString none;
        QTest::newRow("no value") << 0 << 0 << 0 << 4 << "-" << "-" << QStringList();
        QTest::newRow("free express") << 1 << 0 << 0 << 4 << "-" << "(Practice)" << QStringList();
        QTest::newRow("free place bonus") << 3 << 0 << 0 << 4 << "-" << "(Practice)" << QStringList();
        QTest::newRow("express with feeding")
            << 1 << 1000 << 0 << 4 << "$21 (Max loss)" << "($11 to the pot, $10 reserved for feeding penalty.)"
            << QStringList{"expressDetailContainer", "feedingPenaltyLabel", "feedingPenaltyValue"};
        QTest::newRow("express, two players")
            << 1 << 1000 << 0 << 2 << "$11 (Max loss)" << "($11 to the pot)" << QStringList{"expressDetailContainer"};
        QTest::newRow("multi hand")
            << 2 << 1000 << 0 << 4 << "$11 (Max loss)" << "($11 to the pot.)" << QStringList{"multiHandDetailContainer"};
        QTest::newRow("place bonus, 3 players")
            << 3 << 1000 << -25 << 3 << "$16 (Max loss, at -25 point(s) or lower)"
            << "($11 to the pot, $5 reserved for place bonus.)"
            << QStringList{"houseDetailContainer", "placeBonusLabel1", "placeBonus1", "placeBonusLabel2",
                           "placeBonus2", "placeBonusLabel3", "placeBonus3"};
        QTest::newRow("pay per point, score 0")
            << 5 << 1000 << 0 << 4 << "$11 (Max loss, at 0 point(s) or lower)" << none
            << QStringList{"payPerPointDetailContainer"};
        QTest::newRow("pay per point") << 4 << 1000 << 0 << 4 << "$11 (Max loss)" << none
                                       << QStringList{"payPerPointDetailContainer"};
    }

    void reservedTextsAndSettlement()
    {
        QFETCH(int, kind);
        QFETCH(int, bet);
        QFETCH(int, minScore);
        QFETCH(int, players);
        TableList tables;
        TableModel &model = tables.model;
        TableInfo info = makeTable(5001, QStringLiteral("101/Regular/A"), 0, 0);
        info.setMinScore(minScore);
        TableValue value;
        value.setKind(kind);
        value.setBet(bet);
        value.setFee(bet / 10);
        value.setPlayers(players);
        if (bet > 0) {
            value.setPlaceBonus(0, 1000);
            value.setPlaceBonus(1, 500);
            value.setPlaceBonus(2, -500);
            value.setPlaceBonus(3, -250);
        }
        info.setValue(value);
        model.addOrUpdateTable(info);

        TablePreview preview;
        preview.setTableModel(&model);
        preview.onPreviewTable(5001);
        QTEST(text(preview, "reservedValue"), "reserved");
        QTEST(text(preview, "reservedDetail"), "detail");
        QStringList blocks = settlementBlocks;
        blocks << "feedingPenaltyLabel" << "feedingPenaltyValue";
        for (int place = 1; place <= 4; ++place)
            blocks << QStringLiteral("placeBonusLabel%1").arg(place) << QStringLiteral("placeBonus%1").arg(place);
        QStringList shown = visibleNames(preview, blocks);
        // Labels inside a hidden block do not count.
        shown.erase(std::remove_if(shown.begin(), shown.end(), [&preview](const QString &name) {
                        QWidget *w = preview.findChild<QWidget *>(name);
                        while (w && w != &preview) {
                            if (settlementBlocks.contains(w->objectName()) && !w->isVisibleTo(&preview))
                                return true;
                            w = w->parentWidget();
                        }
                        return false;
                    }),
                    shown.end());
        QTEST(shown, "shown");
    }

    void hongKongPayingChart()
    {
        TableList tables;
        TableModel &model = tables.model;
        model.addOrUpdateTable(hongKongTable(5101, 4, 3, 8, 0, 1000));
        // Index 10 pays 512 points: the amounts exceed 32 bits before the division.
        model.addOrUpdateTable(hongKongTable(5102, 4, 3, 8, 5, 3000000));
        model.addOrUpdateTable(hongKongTable(5103, 5, 3, 8, -4, 1000));

        TablePreview preview;
        preview.setTableModel(&model);
        auto *chart = preview.findChild<QTreeView *>("hongKongPayoutView")->model();
        auto column = [chart](int c) {
            QStringList cells;
            for (int row = 0; row < chart->rowCount(); ++row)
                cells << chart->index(row, c).data().toString();
            return cells;
        };

        preview.onPreviewTable(5101);
        QCOMPARE(visibleNames(preview, settlementBlocks), QStringList{"hongKongDetailContainer"});
        QCOMPARE(text(preview, "hongKongDetailLabel"), QStringLiteral("Paying chart:"));
        QCOMPARE(column(0), (QStringList{"3", "4", "5", "6", "7", "8"}));
        // Top is 2 x 48 points; the last row pays the bet on a discard, half on a self-draw.
        QCOMPARE(column(1).last(), Utils::moneyText(1000, false));
        QCOMPARE(column(2).last(), Utils::moneyText(500, false));
        QCOMPARE(column(1).first(), Utils::moneyText(2 * 2 * 1000 / 96, false));

        preview.resize(355, 673);
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        QVERIFY(saveScreenshot(preview, QStringLiteral("tablepreview-hongkong")) > 8);

        preview.onPreviewTable(5102);
        QCOMPARE(column(1).last(), Utils::moneyText(3000000, false));
        QCOMPARE(column(2).first(), Utils::moneyText(qint64(48) * 3000000 / 1024, false));

        preview.onPreviewTable(5103);
        QCOMPARE(text(preview, "hongKongDetailLabel"), QStringLiteral("Paying chart (points):"));
        // Indexes below 0 read the first entry.
        QCOMPARE(column(2), (QStringList{"2", "2", "2", "2", "2", "8"}));
        QCOMPARE(column(1).last(), QStringLiteral("16"));
    }

    void durations_data()
    {
        QTest::addColumn<int>("gameType");
        QTest::addColumn<int>("windRounds");
        QTest::addColumn<QString>("duration");
        QTest::newRow("single hand") << 0 << 0 << "3-5 min";
        QTest::newRow("two wind rounds") << 2 << 2 << "30-40 min";
        QTest::newRow("one wind round") << 2 << 1 << "15-20 min";
        QTest::newRow("tournament") << 1 << 4 << "";
    }

    void durations()
    {
        QFETCH(int, gameType);
        QFETCH(int, windRounds);
        TableInfo info(1);
        info.setGameType(gameType);
        info.setWindRounds(windRounds);
        QTEST(TablePreview::durationText(info), "duration");
    }

    void previewAsksTheServerWhoSits()
    {
        TableList tables;
        TableModel &model = tables.model;
        model.addOrUpdateTable(makeTable(7001, QStringLiteral("101/Regular/A"), 1000, 2));
        model.addOrUpdateTable(makeTable(7002, QStringLiteral("101/Regular/A"), 1000, 0));

        TablePreview preview;
        preview.setTableModel(&model);
        preview.setConnectionManager(m_connection.get());
        preview.setPlayerDb(m_db.get());
        auto *seats = preview.findChild<TablePreviewPlayersWidget *>("players");
        QSignalSpy joins(&preview, &TablePreview::joinTable);
        QSignalSpy watches(&preview, &TablePreview::watchTable);

        preview.onPreviewTable(7001);
        QCOMPARE(seats->seatCount(), 4);
        QTRY_COMPARE(seats->seatPlayer(0), 10);
        QCOMPARE(seats->seatPlayer(1), 30);
        QTRY_COMPARE(seats->seatWidget(0)->name(), QStringLiteral("ten"));
        QTRY_COMPARE(seats->seatWidget(1)->name(), QStringLiteral("thirty"));
        QCOMPARE(m_server.output().count("RECV query_table_seated_t"), 1);

        preview.onPreviewTable(7001);
        preview.findChild<UPushButton *>("joinButton")->click();
        preview.findChild<UPushButton *>("watchButton")->click();
        QCOMPARE(joins.takeFirst().at(0).toInt(), 7001);
        QCOMPARE(watches.takeFirst().at(0).toInt(), 7001);

        // A table without seated players empties the grid without asking.
        preview.onPreviewTable(7002);
        QCOMPARE(seats->seatPlayer(0), -1);
        QTest::qWait(200);
        QCOMPARE(m_server.output().count("RECV query_table_seated_t"), 1);

        // Unknown ids show the empty state, and no button names them.
        for (const qint32 id : {0, -5}) {
            preview.onPreviewTable(id);
            QVERIFY(!preview.findChild<QWidget *>("contentContainer")->isVisibleTo(&preview));
            preview.findChild<UPushButton *>("joinButton")->click();
            preview.findChild<UPushButton *>("watchButton")->click();
        }
        QVERIFY(joins.isEmpty() && watches.isEmpty());

        // A removed table leaves the empty state; it comes back with its next record.
        preview.onPreviewTable(7002);
        model.onTableRemoved(7002);
        preview.onTableRemoved(7002);
        QVERIFY(!preview.findChild<QWidget *>("contentContainer")->isVisibleTo(&preview));
        QCOMPARE(text(preview, "tablePreviewHeaderLabel"), QStringLiteral("Table"));
        model.addOrUpdateTable(makeTable(7002, QStringLiteral("101/Regular/A"), 1000, 0));
        preview.onTableInfo(model.tableInfo(7002));
        QVERIFY(preview.findChild<QWidget *>("contentContainer")->isVisibleTo(&preview));
    }

    void seatsKeepTheirPlayers()
    {
        learnNames({10, 20, 30});
        TablePreviewPlayersWidget seats;
        seats.setPlayerDb(m_db.get());
        seats.setSeatCount(4);
        auto ids = [&seats] {
            QList<qint32> shown;
            for (int i = 0; i < seats.seatCount(); ++i)
                shown << seats.seatPlayer(i);
            return shown;
        };
        auto names = [&seats] {
            QStringList shown;
            for (int i = 0; i < seats.seatCount(); ++i)
                shown << seats.seatWidget(i)->name();
            return shown;
        };
        const QList<TablePreviewPlayerWidget *> cards{seats.seatWidget(0), seats.seatWidget(1),
                                                      seats.seatWidget(2), seats.seatWidget(3)};
        const QImage emptySeat = seats.seatWidget(0)->findChild<QLabel *>("avatarLabel")->pixmap().toImage();
        QVERIFY(!emptySeat.isNull());

        seats.onPlayers({30, 10});
        QCOMPARE(ids(), (QList<qint32>{10, 30, -1, -1}));
        QCOMPARE(names(), (QStringList{"ten", "thirty", "(empty)", "(empty)"}));
        // No picture is known yet: the card keeps the image it had until one arrives.
        QCOMPARE(seats.seatWidget(0)->findChild<QLabel *>("avatarLabel")->pixmap().toImage(), emptySeat);
        QImage red(64, 64, QImage::Format_RGB32);
        red.fill(Qt::red);
        m_db->onVCardPhoto(m_db->jidForPlayer(10), red, QByteArray("hash"));
        QCOMPARE(seats.seatWidget(0)->findChild<QLabel *>("avatarLabel")->pixmap().toImage().pixel(5, 5),
                 QColor(Qt::red).rgb());

        seats.onPlayers({30, 20, 40});
        QCOMPARE(ids(), (QList<qint32>{30, 20, 40, -1}));
        QCOMPARE(names().mid(0, 2), (QStringList{"thirty", "twenty"}));
        QCOMPARE(names().at(2), PlayerDb::placeholderName(40));

        QTest::ignoreMessage(QtWarningMsg, "more players than seats in table preview");
        seats.onPlayers({1, 2, 3, 4, 5});
        QCOMPARE(ids(), (QList<qint32>{30, 20, 40, -1}));

        seats.onPlayers({});
        QCOMPARE(ids(), (QList<qint32>{-1, -1, -1, -1}));
        QCOMPARE(names(), (QStringList{"(empty)", "(empty)", "(empty)", "(empty)"}));
        QCOMPARE(seats.seatWidget(0)->findChild<QLabel *>("avatarLabel")->pixmap().toImage(), emptySeat);

        // A name shows whole where its seat has room, else cut with an ellipsis and
        // whole in its tool tip; it never reaches into the next seat.
        const QString longName = QStringLiteral("player-9 (away from keyboard)");
        seats.seatWidget(0)->setName(longName);
        auto *label = seats.seatWidget(0)->findChild<QLabel *>("screenNameLabel");
        seats.resize(1000, 90);
        seats.show();
        QVERIFY(QTest::qWaitForWindowExposed(&seats));
        QCOMPARE(label->text(), longName);
        seats.resize(250, 90);
        QTRY_VERIFY(label->text().size() < longName.size());
        QCOMPARE(label->toolTip(), longName);
        QVERIFY(label->geometry().right() < seats.seatWidget(0)->width());
        QVERIFY(seats.seatWidget(0)->geometry().right() < seats.seatWidget(1)->geometry().left());
        QCOMPARE(seats.seatWidget(1)->findChild<QLabel *>("screenNameLabel")->text(), QStringLiteral("(empty)"));

        seats.setSeatCount(4);
        QCOMPARE((QList<TablePreviewPlayerWidget *>{seats.seatWidget(0), seats.seatWidget(1),
                                                    seats.seatWidget(2), seats.seatWidget(3)}),
                 cards);
        seats.setSeatCount(3);
        QCOMPARE(seats.findChildren<TablePreviewPlayerWidget *>().size(), 3);
    }

    void playerListShowsKnownNames()
    {
        learnNames({3001, 3002, 3003, 3004, 3005, 3006});
        PlayerList list;
        list.setPlayerDb(m_db.get());
        list.onPlayers({3003, 3005, 3003, 3001, 3006, 3004, 3002});
        const QStringList shown = labelTexts(list);
        QCOMPARE(shown.size(), 4);
        const QStringList firstFour{"carol", "erin", "Mei Ling", "frank"};
        for (int i = 0; i < 4; ++i)
            QVERIFY2(shown.at(i).contains(firstFour.at(i)), qPrintable(shown.join('|')));

        // Names go into rich text escaped and come back exactly from their links.
        list.onPlayers({3002, 3001});
        const auto labels = list.findChildren<QLabel *>();
        QCOMPARE(labels.size(), 2);
        QSignalSpy menu(&list, &PlayerList::userMenuRequested);
        for (QLabel *label : labels) {
            QCOMPARE(label->textFormat(), Qt::RichText);
            const QString html = label->text();
            const int start = html.indexOf(QLatin1String("href=\"")) + 6;
            emit label->linkActivated(html.mid(start, html.indexOf(QLatin1Char('"'), start) - start));
        }
        QCOMPARE(menu.count(), 2);
        QCOMPARE((QStringList{menu.at(0).at(0).toString(), menu.at(1).at(0).toString()}),
                 (QStringList{"<b>x</b>", "Mei Ling"}));
        QVERIFY(labelTexts(list).join('|').contains(QLatin1String("&lt;b&gt;x&lt;/b&gt;")));
        list.onLinkActivated(QStringLiteral("http://example.com/"));
        QCOMPARE(menu.count(), 2);

        // Placeholder names are never shown; a late answer of an earlier call is dropped.
        list.onPlayers({3007, 3008});
        list.onPlayers({3003});
        QTest::qWait(700);
        QCOMPARE(labelTexts(list).size(), 1);
        QVERIFY(labelTexts(list).first().contains(QLatin1String("carol")));
    }

    void lobbySummaryFromTheServer()
    {
        LobbySummary summary;
        summary.setPlayerDb(m_db.get());
        summary.resize(220, 200);
        summary.show();
        QVERIFY(QTest::qWaitForWindowExposed(&summary));
        auto *latest = summary.findChild<QWidget *>("latestLoginsLabel");
        QVERIFY(!latest->isVisible());

        QEvent languageChange(QEvent::LanguageChange);
        QApplication::sendEvent(&summary, &languageChange);
        QCOMPARE(text(summary, "playersOnline"), QStringLiteral("Players online: 0"));
        QCOMPARE(text(summary, "tablesInPlay"), QStringLiteral("Tables in play: 0"));
        QVERIFY(!latest->isVisible());

        QSignalSpy menu(&summary, &LobbySummary::userMenuRequested);
        connect(m_connection.get(), &ConnectionManager::lobbySummary, &summary, &LobbySummary::onLobbySummary);
        m_connection->query_lobby_summary();
        QTRY_COMPARE(text(summary, "playersOnline"), QStringLiteral("Players online: 57"));
        QCOMPARE(text(summary, "tablesInPlay"), QStringLiteral("Tables in play: 9"));
        QVERIFY(latest->isVisible());
        auto *list = summary.findChild<PlayerList *>("playerList");
        QTRY_COMPARE(labelTexts(*list).size(), 3);
        emit list->findChildren<QLabel *>().first()->linkActivated(QStringLiteral("user:dave"));
        QCOMPARE(menu.count(), 1);
        QCOMPARE(menu.first().at(0).toString(), QStringLiteral("dave"));
        QVERIFY(saveScreenshot(summary, QStringLiteral("lobbysummary")) > 4);
    }
};

MAHJONG_TEST_MAIN(TestSidePanels)
#include "tst_sidepanels.moc"
