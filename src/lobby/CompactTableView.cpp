#include "lobby/CompactTableView.h"

#include "lobby/CompactTableItem.h"
#include "lobby/CustomItem.h"
#include "lobby/LobbyModel.h"

#include <QDebug>
#include <QVBoxLayout>

#include <exception>

CompactTableView::CompactTableView(QWidget *parent)
    : QWidget(parent)
    , m_layout(new QVBoxLayout(this))
{
    m_layout->setSpacing(0);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->addStretch();
}

void CompactTableView::setLocalizationDb(LocalizationDb *localizationDb)
{
    m_localizationDb = localizationDb;
}

void CompactTableView::setModel(LobbyModel *model)
{
    clear();
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
    m_model = model;
    if (!m_model)
        return;
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &CompactTableView::onRowsInserted);
    connect(m_model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            &CompactTableView::onRowsAboutToBeRemoved);
    connect(m_model, &QAbstractItemModel::dataChanged, this, &CompactTableView::onDataChanged);
    // A new source or filter resets the proxy, and a new order moves its rows: the cards
    // follow the rows again.
    connect(m_model, &QAbstractItemModel::modelReset, this, &CompactTableView::rebuild);
    connect(m_model, &QAbstractItemModel::layoutChanged, this, &CompactTableView::rebuild);
    rebuild();
}

qint32 CompactTableView::selectedTableId() const
{
    return m_current ? m_current->tableId() : -1;
}

CompactTableItem *CompactTableView::card(qint32 tableId) const
{
    const auto it = m_items.find(tableId);
    return it == m_items.end() ? nullptr : it->second;
}

qint32 CompactTableView::tableIdOfRow(int row) const
{
    return m_model->index(row, 0).data(TableIdRole).toInt();
}

void CompactTableView::onRowsInserted(const QModelIndex &parent, int first, int last)
{
    if (parent.isValid())
        return;
    for (int row = first; row <= last; ++row)
        addCard(row);
}

void CompactTableView::onRowsAboutToBeRemoved(const QModelIndex &parent, int first, int last)
{
    if (parent.isValid())
        return;
    for (int row = first; row <= last; ++row) {
        const auto it = m_items.find(tableIdOfRow(row));
        if (it == m_items.end())
            continue;
        if (it->second == m_current) {
            m_current->setSelected(false);
            m_current = nullptr;
        }
        delete it->second;
        m_items.erase(it);
    }
}

void CompactTableView::onDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight)
{
    if (topLeft.parent().isValid())
        return;
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
        if (CompactTableItem *item = card(tableIdOfRow(row)))
            refreshCard(item);
    }
}

void CompactTableView::onTableClicked()
{
    if (auto *item = qobject_cast<CompactTableItem *>(sender()))
        select(item);
}

void CompactTableView::onTableDoubleClicked()
{
    auto *item = qobject_cast<CompactTableItem *>(sender());
    if (!item)
        return;
    select(item);
    emit tableDoubleClicked(item->tableId());
}

void CompactTableView::addCard(int row)
{
    const qint32 id = tableIdOfRow(row);
    TableInfo info;
    if (m_items.count(id) || !lookUp(id, info))
        return;
    auto *item = new CompactTableItem(id, m_localizationDb, this);
    connect(item, &CompactTableItem::clicked, this, &CompactTableView::onTableClicked);
    connect(item, &CompactTableItem::doubleClicked, this, &CompactTableView::onTableDoubleClicked);
    m_items[id] = item;
    m_layout->insertWidget(0, item);
    if (!m_current)
        select(item);
    item->setTableInfo(info);
}

void CompactTableView::refreshCard(CompactTableItem *card)
{
    TableInfo info;
    if (lookUp(card->tableId(), info))
        card->setTableInfo(info);
}

bool CompactTableView::lookUp(qint32 tableId, TableInfo &info) const
{
    try {
        info = m_model->tableInfo(tableId);
        return true;
    } catch (const std::exception &e) {
        // The table left the list before its row left the view.
        qWarning() << "no card for table" << tableId << ":" << e.what();
        return false;
    }
}

void CompactTableView::select(CompactTableItem *card)
{
    if (card == m_current)
        return;
    if (m_current)
        m_current->setSelected(false);
    m_current = card;
    m_current->setSelected(true);
}

void CompactTableView::clear()
{
    if (m_current)
        m_current->setSelected(false);
    m_current = nullptr;
    for (const auto &[id, item] : m_items)
        delete item;
    m_items.clear();
}

void CompactTableView::rebuild()
{
    const qint32 selected = selectedTableId();
    clear();
    if (!m_model)
        return;
    for (int row = 0; row < m_model->rowCount(); ++row)
        addCard(row);
    if (CompactTableItem *item = card(selected))
        select(item);
}
