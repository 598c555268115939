#include "testmain.h"

#include "app/TableInfo.h"
#include "app/TournamentInfo.h"
#include "lobby/ColumnTypes.h"
#include "lobby/CustomItem.h"

#include <QDateTime>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>

class TestCustomItem : public QObject
{
    Q_OBJECT

private slots:
    void typedCellAnswersValueTextAndOtherRoles()
    {
        auto *item = makeCustomItem<int>(7, "tip", [](const int &v) {
            return v == 7 ? QStringLiteral("seven") : QString::number(v);
        });
        QStandardItemModel model;
        model.appendRow(item);
        QCOMPARE(item->data(Qt::DisplayRole).toString(), QStringLiteral("seven"));
        QCOMPARE(item->data(CustomItemValueRole).toInt(), 7);
        QCOMPARE(item->data(CustomItemValueRole).typeId(), QMetaType::Int);
        QCOMPARE(item->data(Qt::ToolTipRole).toString(), QStringLiteral("tip"));
        QVERIFY(!item->isEditable());
        QCOMPARE(item->textAlignment(), Qt::AlignLeft);

        QSignalSpy changed(&model, &QStandardItemModel::dataChanged);
        item->setValue(8);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("8"));
    }

    void columnTypesTravelInVariants()
    {
        const RulesColumnType rules{5, 3, 8};
        auto *item = makeCustomItem<RulesColumnType>(rules, QString(), [](const RulesColumnType &r) {
            return r.text();
        });
        const QVariant value = item->data(CustomItemValueRole);
        QCOMPARE(value.metaType().name(), "RulesColumnType");
        QCOMPARE(value.value<RulesColumnType>(), rules);
        QCOMPARE(item->text(), TableInfo::rulesetText(5, 3, 8));
        delete item;

        TableValue free;
        ValueColumnType freeValue{free};
        TableValue paid;
        paid.setKind(0);
        paid.setBet(1000);
        // Kind 0 has no buy-in, whatever the bet.
        QCOMPARE(ValueColumnType{paid}.buyIn(), freeValue.buyIn());
        paid.setKind(1);
        paid.setFee(50);
        QCOMPARE(QVariant::fromValue(ValueColumnType{paid}).value<ValueColumnType>().buyIn(), 1050);
    }

    void rowsSortByTheTypedValueNotTheText()
    {
        // As text "10" and "100" come before "9"; the value behind the cell keeps numbers in order.
        QStandardItemModel model;
        for (int v : {10, 9, 100}) {
            model.appendRow({makeTextItem(QStringLiteral("table %1").arg(v), QStringLiteral("tip"), Qt::AlignRight),
                             makeCustomItem<int>(v, QString(), [](const int &x) { return QString::number(x); })});
        }
        QSortFilterProxyModel proxy;
        proxy.setSourceModel(&model);
        proxy.setSortRole(CustomItemValueRole);
        proxy.sort(1);
        QCOMPARE(proxy.index(0, 0).data().toString(), QStringLiteral("table 9"));
        QCOMPARE(proxy.index(1, 0).data().toString(), QStringLiteral("table 10"));
        QCOMPARE(proxy.index(2, 0).data().toString(), QStringLiteral("table 100"));

        // The name cell is read-only and keeps its tip and alignment.
        const QStandardItem *name = model.item(0, 0);
        QVERIFY(!name->isEditable());
        QCOMPARE(name->toolTip(), QStringLiteral("tip"));
        QCOMPARE(name->textAlignment(), Qt::AlignRight);
    }

    void variantOrdering_data()
    {
        QTest::addColumn<QVariant>("left");
        QTest::addColumn<QVariant>("right");
        QTest::addColumn<bool>("less");
        QTest::addColumn<bool>("greater");

        TableValue unpaid;
        unpaid.setBet(4000);
        TableValue otherUnpaid;
        otherUnpaid.setBet(10);
        TableValue paid;
        paid.setKind(2);
        paid.setBet(1000);
        paid.setFee(100);
        TableValue cheaper = paid;
        cheaper.setBet(900);
        const auto v = [](auto value) { return QVariant::fromValue(value); };

        QTest::newRow("values without money terms are equal") << v(ValueColumnType{unpaid})
                                                              << v(ValueColumnType{otherUnpaid}) << false << false;
        QTest::newRow("values by buy-in") << v(ValueColumnType{cheaper}) << v(ValueColumnType{paid}) << true << false;
        QTest::newRow("registered by first then second")
            << v(TournamentRegisteredInfo(3, 10)) << v(TournamentRegisteredInfo(3, 12)) << true << false;
        QTest::newRow("registered first field decides")
            << v(TournamentRegisteredInfo(3, 10)) << v(TournamentRegisteredInfo(2, 40)) << false << true;
        QTest::newRow("costs by sum") << v(TournamentCost(10, 6)) << v(TournamentCost(2, 14)) << false << false;
        QTest::newRow("costs by sum, less") << v(TournamentCost(-1, 0)) << v(TournamentCost(0, 0)) << true << false;
        QTest::newRow("capacities by players first")
            << v(TableCapacity(8, 1, 0)) << v(TableCapacity(4, 2, 0)) << true << false;
        QTest::newRow("rules by their text")
            << v(RulesColumnType{5, 3, 8}) << v(RulesColumnType{0, 0, 0})
            << (TableInfo::rulesetText(5, 3, 8) < TableInfo::rulesetText(0, 0, 0))
            << (TableInfo::rulesetText(0, 0, 0) < TableInfo::rulesetText(5, 3, 8));
        QTest::newRow("ints numerically") << QVariant(9) << QVariant(10) << true << false;
        QTest::newRow("doubles") << QVariant(2.5) << QVariant(-1.0) << false << true;
        QTest::newRow("date times") << QVariant(QDateTime(QDate(2020, 1, 2), QTime(3, 0)))
                                    << QVariant(QDateTime(QDate(2021, 1, 1), QTime(0, 0))) << true << false;
        QTest::newRow("strings by code unit") << QVariant(QStringLiteral("B")) << QVariant(QStringLiteral("b"))
                                              << true << false;
        // Mixed values fall through to the left value's type: no custom order, no crash.
        QTest::newRow("capacity against text") << v(TableCapacity(4, 1, 0)) << QVariant(QStringLiteral("x"))
                                               << true << false;
        // The left value's type decides: 3 < 12 as numbers, "12" < "3" as texts.
        QTest::newRow("int against text") << QVariant(3) << QVariant(QStringLiteral("12")) << true << true;
    }

    void variantOrdering()
    {
        QFETCH(QVariant, left);
        QFETCH(QVariant, right);
        QFETCH(bool, less);
        QFETCH(bool, greater);
        QCOMPARE(variantLessThan(left, right), less);
        QCOMPARE(variantLessThan(right, left), greater);
    }

    void cellsSortAndTravelUnderTheirTypes()
    {
        QStandardItemModel model;
        for (int v : {10, 9, 100})
            model.appendRow(makeNumberItem(v, QStringLiteral("tip"), Qt::AlignRight));
        QSortFilterProxyModel proxy;
        proxy.setSourceModel(&model);
        proxy.sort(0);
        QCOMPARE(proxy.index(0, 0).data().toInt(), 9);
        QCOMPARE(proxy.index(2, 0).data().toInt(), 100);
        QCOMPARE(model.item(0)->toolTip(), QStringLiteral("tip"));
        QVERIFY(!model.item(0)->isEditable());

        const QDateTime start(QDate(2024, 5, 1), QTime(12, 0), Qt::UTC);
        std::unique_ptr<QStandardItem> time(makeCustomItem<QDateTime>(start, QString(), [](const QDateTime &t) {
            return t.toString(Qt::ISODate);
        }));
        QCOMPARE(time->data(CustomItemValueRole).typeId(), QMetaType::QDateTime);
        QCOMPARE(time->text(), QStringLiteral("2024-05-01T12:00:00Z"));

        // Every column type travels under its own name.
        QCOMPARE(QVariant::fromValue(ValueColumnType{}).metaType().name(), "ValueColumnType");
        QCOMPARE(QVariant::fromValue(TableCapacity()).metaType().name(), "TableCapacity");
        QCOMPARE(QVariant::fromValue(TournamentRegisteredInfo()).metaType().name(), "TournamentRegisteredInfo");
        QCOMPARE(QVariant::fromValue(TournamentCost()).metaType().name(), "TournamentCost");
        QCOMPARE(QMetaType::fromName("RulesColumnType"), QMetaType::fromType<RulesColumnType>());
    }
};

MAHJONG_TEST_MAIN(TestCustomItem)
#include "tst_customitem.moc"
