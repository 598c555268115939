#include "chat/TableInviteModel.h"

#include "connection/PlayerDb.h"
#include "lobby/CustomItem.h"

#include <QDebug>

TableInviteModel::TableInviteModel(PlayerDb *players, QObject *parent)
    : QStandardItemModel(parent), m_players(players)
{
    setColumnCount(1);
    if (players)
        connect(players, &PlayerDb::playerNameUpdate, this, &TableInviteModel::onPlayerNameUpdate);
}

TableInviteModel::~TableInviteModel() = default;

void TableInviteModel::addPlayer(qint32 id)
{
    if (!m_players)
        return;
    const auto row = m_rows.find(id);
    if (row != m_rows.end()) {
        row->second->setText(m_players->playerName(id, false));
        return;
    }
    const QString name = m_players->playerName(id, false);
    if (name.isNull()) {
        m_pending.insert(id);
        return;
    }
    QStandardItem *item = makeTextItem(name, QString(), Qt::AlignLeft | Qt::AlignVCenter);
    item->setData(id, Qt::UserRole);
    appendRow(item);
    m_rows[id] = item;
}

void TableInviteModel::removePlayer(qint32 id)
{
    // A player removed before the name arrived must not turn up with it.
    m_pending.erase(id);
    const auto row = m_rows.find(id);
    if (row == m_rows.end())
        return;
    const QModelIndex index = indexFromItem(row->second);
    if (index.isValid())
        removeRow(index.row(), index.parent());
    else
        qWarning() << "invalid index returned";
    m_rows.erase(row);
}

void TableInviteModel::onPlayerNameUpdate(qint32 id)
{
    if (m_rows.count(id) == 0 && m_pending.count(id) == 0)
        return;
    m_pending.erase(id);
    addPlayer(id);
}

std::vector<qint32> TableInviteModel::players() const
{
    std::vector<qint32> ids;
    ids.reserve(m_rows.size());
    for (const auto &row : m_rows)
        ids.push_back(row.first);
    return ids;
}

void TableInviteModel::clear()
{
    removeRows(0, rowCount());
    m_rows.clear();
    m_pending.clear();
}

TableInviteFilter::TableInviteFilter(QObject *parent) : QSortFilterProxyModel(parent) {}

void TableInviteFilter::excludePlayer(qint32 id)
{
    m_excluded.insert(id);
    invalidateFilter();
}

void TableInviteFilter::includePlayer(qint32 id)
{
    m_excluded.erase(id);
    invalidateFilter();
}

void TableInviteFilter::clearExcluded()
{
    m_excluded.clear();
    invalidateFilter();
}

bool TableInviteFilter::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    const auto *model = qobject_cast<const TableInviteModel *>(sourceModel());
    if (!model) {
        qWarning() << "not a TableInviteModel";
        return true;
    }
    const QModelIndex index = model->index(sourceRow, 0, sourceParent);
    const QStandardItem *item = model->itemFromIndex(index);
    if (!item) {
        qWarning() << "no item at index " << index;
        return false;
    }
    return m_excluded.count(item->data(Qt::UserRole).toInt()) == 0;
}
