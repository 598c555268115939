#pragma once

#include <QStandardItem>

#include <functional>

// Item data roles of the lobby lists.
enum LobbyItemRole {
    TableIdRole = Qt::UserRole,               // a table's id (int) on every cell of its row
    LobbyTablePathRole = Qt::UserRole + 1,    // a table's lobby path (QString), first cell
    TableAbortedRole = Qt::UserRole + 2,      // a table's aborted flag (bool), first cell
    CustomItemValueRole = Qt::UserRole + 100  // the typed value of a CustomItem<T>
};

// The common base of the typed lobby cells.
class CustomItemBase : public QStandardItem
{
public:
    using QStandardItem::QStandardItem;

    // Tells the model that the cell's value or its text changed.
    void refresh() { emitDataChanged(); }
};

// A lobby cell that shows a formatted text and still sorts and filters by the typed
// value behind it (given under CustomItemValueRole).
template <typename T>
class CustomItem : public CustomItemBase
{
public:
    using Formatter = std::function<QString(const T &)>;

    CustomItem(const T &value, Formatter formatter)
        : m_value(value)
        , m_formatter(std::move(formatter))
    {
    }

    const T &value() const { return m_value; }

    // Replaces the value in place and announces the change.
    void setValue(const T &value)
    {
        m_value = value;
        refresh();
    }

    // Replaces the value without a word: for a model that announces a whole row at once.
    void assignValue(const T &value) { m_value = value; }

    QVariant data(int role = Qt::UserRole + 1) const override
    {
        if (role == CustomItemValueRole)
            return QVariant::fromValue(m_value);
        if (role == Qt::DisplayRole)
            return m_formatter ? QVariant(m_formatter(m_value)) : QVariant();
        return QStandardItem::data(role);
    }

private:
    T m_value;
    Formatter m_formatter;
};

// A plain, read-only text cell.
QStandardItem *makeTextItem(const QString &text, const QString &toolTip, Qt::Alignment alignment);

// A plain, read-only cell whose display value is the number itself, so that a proxy
// sorts it numerically.
QStandardItem *makeNumberItem(int value, const QString &toolTip, Qt::Alignment alignment);

// The value when the variant holds exactly T, else null: no conversion (Qt converts any
// text to an int) and no copy.
template <typename T>
const T *heldValue(const QVariant &value)
{
    return value.metaType() == QMetaType::fromType<T>() ? static_cast<const T *>(value.constData())
                                                        : nullptr;
}

// The one ordering of lobby cell values. The lobby's column types order by their meaning
// (the buy-in of a bet, registered players, the sum of a cost, seats, the rules text);
// other values by their own type, or as text. A custom type is taken only when both values
// hold exactly that type.
bool variantLessThan(const QVariant &left, const QVariant &right);

// A read-only typed cell, aligned left, with the tool tip.
template <typename T>
CustomItem<T> *makeCustomItem(const T &value, const QString &toolTip,
                              typename CustomItem<T>::Formatter formatter)
{
    auto *item = new CustomItem<T>(value, std::move(formatter));
    item->setEditable(false);
    item->setTextAlignment(Qt::AlignLeft);
    item->setToolTip(toolTip);
    return item;
}
