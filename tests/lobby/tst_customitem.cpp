#include "testmain.h"

#include "app/TableInfo.h"
#include "lobby/ColumnTypes.h"
#include "lobby/CustomItem.h"

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
};

MAHJONG_TEST_MAIN(TestCustomItem)
#include "tst_customitem.moc"
