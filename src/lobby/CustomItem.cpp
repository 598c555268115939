#include "lobby/CustomItem.h"

#include "app/TableCapacity.h"
#include "app/TournamentInfo.h"
#include "lobby/ColumnTypes.h"

#include <QDateTime>

namespace {

template <typename T>
bool bothHeld(const QVariant &left, const QVariant &right, const T *&l, const T *&r)
{
    l = heldValue<T>(left);
    r = l ? heldValue<T>(right) : nullptr;
    return r != nullptr;
}

template <typename T>
bool convertedLess(const QVariant &left, const QVariant &right)
{
    return qvariant_cast<T>(left) < qvariant_cast<T>(right);
}

} // namespace

QStandardItem *makeTextItem(const QString &text, const QString &toolTip, Qt::Alignment alignment)
{
    auto *item = new QStandardItem(text);
    item->setEditable(false);
    item->setTextAlignment(alignment);
    item->setToolTip(toolTip);
    return item;
}

QStandardItem *makeNumberItem(int value, const QString &toolTip, Qt::Alignment alignment)
{
    auto *item = new QStandardItem;
    item->setData(value, Qt::DisplayRole);
    item->setEditable(false);
    item->setTextAlignment(alignment);
    item->setToolTip(toolTip);
    return item;
}

bool variantLessThan(const QVariant &left, const QVariant &right)
{
    {
        const ValueColumnType *l, *r;
        if (bothHeld(left, right, l, r))
            return l->buyIn() < r->buyIn();
    }
    {
        const TournamentRegisteredInfo *l, *r;
        if (bothHeld(left, right, l, r))
            return l->registered != r->registered ? l->registered < r->registered
                                                  : l->maximum < r->maximum;
    }
    {
        const TournamentCost *l, *r;
        if (bothHeld(left, right, l, r))
            return l->sum() < r->sum();
    }
    {
        const TableCapacity *l, *r;
        if (bothHeld(left, right, l, r))
            return *l < *r;
    }
    {
        const RulesColumnType *l, *r;
        if (bothHeld(left, right, l, r))
            return *l == *r ? false : l->text() < r->text();
    }

    switch (left.typeId()) {
    case QMetaType::Int: return convertedLess<int>(left, right);
    case QMetaType::UInt: return convertedLess<uint>(left, right);
    case QMetaType::LongLong: return convertedLess<qlonglong>(left, right);
    case QMetaType::ULongLong: return convertedLess<qulonglong>(left, right);
    case QMetaType::Double: return convertedLess<double>(left, right);
    case QMetaType::Char: return convertedLess<char>(left, right);
    case QMetaType::QChar: return convertedLess<QChar>(left, right);
    case QMetaType::QDate: return convertedLess<QDate>(left, right);
    case QMetaType::QTime: return convertedLess<QTime>(left, right);
    case QMetaType::QDateTime: return convertedLess<QDateTime>(left, right);
    default: return left.toString() < right.toString();
    }
}
