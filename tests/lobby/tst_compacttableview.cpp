#include "testmain.h"

#include "lobbyscreenshot.h"
#include "tablefixtures.h"

#include "app/startup/ResourceSearchPaths.h"
#include "lobby/CompactTableItem.h"
#include "lobby/CompactTableView.h"
#include "lobby/CustomItem.h"
#include "lobby/LobbyFilter.h"
#include "lobby/LobbyModel.h"
#include "lobby/LocalizationDb.h"
#include "lobby/TableCapacityWidget.h"

#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTranslator>
#include <QVBoxLayout>

// Answers every text in capitals, as a translation would change them.
class ShoutingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *sourceText, const char *, int n) const override
    {
        QString text = QString::fromUtf8(sourceText).toUpper();
        return n >= 0 ? text.replace(QStringLiteral("%LN"), QString::number(n)) : text;
    }
};

// The compact cards of a lobby model's tables.
class TestCompactTableView : public QObject
{
    Q_OBJECT

private:
    static void drain(TableModel &model)
    {
        while (model.hasQueuedRequests())
            model.processSubscriptions();
    }

    static qint32 cardIdAt(const CompactTableView &view, int position)
    {
        auto *card = qobject_cast<CompactTableItem *>(view.layout()->itemAt(position)->widget());
        return card ? card->tableId() : -1;
    }

    static TableInfo table(qint32 id, int seated, int bet)
    {
        TableInfo info = makeTable(id, QStringLiteral("101/Regular/A"), bet, seated);
        info.setSpeed(15000);
        return info;
    }

private slots:
    void initTestCase()
    {
        setupResourceSearchPaths({}, QStringLiteral("default"));
        QFile sheet(QStringLiteral("resources:/defaultui.css"));
        if (sheet.open(QIODevice::ReadOnly))
            qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
    }

    void cardsFollowTheRowsAndOneIsSelected()
    {
        RequestLog log;
        TableModel model(log.requests(), nullptr);
        LocalizationDb names(LocalizationDb::NameQuery(), nullptr, nullptr);
        TableLobbyFilter filter;
        filter.paths = QStringList{"101/Regular/A"};
        filter.tableIds = {11, 12, 13, 14};
        LobbyModel lobby;
        lobby.setSourceModel(&model);
        lobby.setFilter(&filter);
        drain(model);
        model.addOrUpdateTable(table(11, 2, 0));
        model.addOrUpdateTable(table(12, 4, 1000));
        model.addOrUpdateTable(table(13, 1, 6000));

        CompactTableView view;
        view.setLocalizationDb(&names);
        view.setModel(&lobby);
        QCOMPARE(view.cardCount(), 3);
        QCOMPARE(cardIdAt(view, 0), lobby.index(2, 0).data(TableIdRole).toInt());
        const qint32 first = lobby.index(0, 0).data(TableIdRole).toInt();
        QCOMPARE(view.selectedTableId(), first);
        QVERIFY(view.card(first)->property("selected").toBool());

        // Names arrive later; until then a card shows the table's id.
        CompactTableItem *card = view.card(12);
        QCOMPARE(card->findChild<QLabel *>("tableName")->text(), QStringLiteral("Table(12)"));
        names.onLocalizedTableNames(QString(), {LocalizedTableName{false, "Regular/A", "Garden {tableId}"}});
        QCOMPARE(card->findChild<QLabel *>("tableName")->text(), QStringLiteral("Garden 12"));
        QCOMPARE(card->findChild<QLabel *>("buyIn")->text(), model.tableInfo(12).value().betText());
        QCOMPARE(card->findChild<TableCapacityWidget *>("playersWidget")->capacity(), TableCapacity(4, 4, 0));
        model.updateTableInfo(12, 3, {});
        QCOMPARE(card->findChild<TableCapacityWidget *>("playersWidget")->capacity(), TableCapacity(4, 3, 0));

        view.resize(257, 280);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QVERIFY(saveScreenshot(*card, QStringLiteral("compacttablecard")) > 4);
        saveScreenshot(view, QStringLiteral("compacttableview"));

        // Removing the selected table leaves no selection.
        model.onTableRemoved(first);
        QCOMPARE(view.cardCount(), 2);
        QCOMPARE(view.selectedTableId(), -1);

        // A double click selects an unselected card and reports it once.
        QSignalSpy doubleClicked(&view, &CompactTableView::tableDoubleClicked);
        QTest::mouseDClick(view.card(13), Qt::LeftButton);
        QCOMPARE(view.selectedTableId(), 13);
        QCOMPARE(doubleClicked.size(), 1);
        QCOMPARE(doubleClicked.at(0).at(0).toInt(), 13);
        QTest::mouseClick(view.card(12), Qt::LeftButton);
        QCOMPARE(view.selectedTableId(), 12);
        QVERIFY(!view.card(13)->property("selected").toBool());
        QCOMPARE(doubleClicked.size(), 1);

        // A language change computes every text again.
        const QString speedBefore = view.card(12)->findChild<QLabel *>("tableSpeed")->text();
        ShoutingTranslator shouting;
        QCoreApplication::installTranslator(&shouting);
        QCoreApplication::processEvents();
        QCOMPARE(view.card(12)->findChild<QLabel *>("rulesLabel")->text(), QStringLiteral("RULES:"));
        const QString speedAfter = view.card(12)->findChild<QLabel *>("tableSpeed")->text();
        QCOMPARE(speedAfter, TableInfo::secondsPerMoveText(15));
        QVERIFY(speedAfter != speedBefore);
        QCoreApplication::removeTranslator(&shouting);
        QCoreApplication::processEvents();

        // A new source rebuilds the cards; the selection stays when its table does.
        model.addOrUpdateTable(table(14, 1, 0));
        QCOMPARE(view.cardCount(), 3);
        lobby.setFilter(nullptr);
        QCOMPARE(view.cardCount(), 0);
        lobby.setFilter(&filter);
        QCOMPARE(view.cardCount(), 3);
        view.setModel(nullptr);
        QCOMPARE(view.cardCount(), 0);
        QCOMPARE(view.selectedTableId(), -1);
        lobby.setFilter(nullptr);
        drain(model);
    }

    void rowsWithoutARecordGetNoCard()
    {
        // Rows that the lobby model has no record for (here: not a table list) are
        // skipped with a warning; their changes and removals are ignored.
        QStandardItemModel source;
        auto *item = new QStandardItem(QStringLiteral("orphan"));
        item->setData(21, TableIdRole);
        source.appendRow(item);
        TableLobbyFilter filter;
        filter.tableIds = {21, 22};
        LobbyModel lobby;
        lobby.setSourceModel(&source);
        lobby.setFilter(&filter);
        CompactTableView view;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no card for table 21"));
        view.setModel(&lobby);
        QCOMPARE(view.cardCount(), 0);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no card for table 22"));
        auto *other = new QStandardItem(QStringLiteral("second"));
        other->setData(22, TableIdRole);
        source.appendRow(other);
        item->setText(QStringLiteral("renamed"));
        source.removeRow(0);
        QCOMPARE(view.cardCount(), 0);
        QCOMPARE(view.selectedTableId(), -1);
    }

    void seatIconsAskForTheirWidth()
    {
        TableCapacityWidget seats;
        seats.setCapacity(4, 2, 1);
        QCOMPARE(seats.sizeHint(), QSize(59, 14));
        seats.setCapacity(0, 0, 0);
        QCOMPARE(seats.sizeHint().width(), -1);
    }
};

MAHJONG_TEST_MAIN(TestCompactTableView)
#include "tst_compacttableview.moc"
