#include "lobby/LobbyModel.h"

#include "lobby/LobbyFilter.h"
#include "lobby/TableModel.h"

#include <stdexcept>

LobbyModel::LobbyModel(QObject *parent)
    : QSortFilterProxyModel(parent)
{
    setDynamicSortFilter(true);
    setSortLocaleAware(true);
}

LobbyModel::~LobbyModel()
{
    subscribePaths(false);
}

void LobbyModel::subscribePaths(bool subscribe)
{
    if (!m_filter || !m_tableModel)
        return;
    for (int i = 0; i < m_filter->pathCount(); ++i) {
        const QString &path = m_filter->path(i);
        if (path.isEmpty())
            continue;
        if (subscribe)
            m_tableModel->subscribe(path);
        else
            m_tableModel->unsubscribe(path);
    }
}

void LobbyModel::setFilter(LobbyFilter *filter)
{
    if (filter == m_filter)
        return;
    subscribePaths(false);
    m_filter = filter;
    subscribePaths(true);
    invalidateFilter();
}

void LobbyModel::setSourceModel(QAbstractItemModel *model)
{
    subscribePaths(false);
    if (QAbstractItemModel *old = sourceModel())
        disconnect(old, &QObject::destroyed, this, &LobbyModel::tableModelDestroyed);
    QSortFilterProxyModel::setSourceModel(model);
    m_tableModel = qobject_cast<TableModel *>(model);
    if (model)
        connect(model, &QObject::destroyed, this, &LobbyModel::tableModelDestroyed);
    subscribePaths(true);
}

void LobbyModel::tableModelDestroyed(QObject *object)
{
    // The base class has already let go of its source; the table model is going away, so
    // its subscriptions are not given back.
    if (object != m_tableModel && object != sourceModel())
        return;
    m_tableModel = nullptr;
    QSortFilterProxyModel::setSourceModel(nullptr);
}

TableInfo LobbyModel::tableInfo(qint32 id) const
{
    if (!m_tableModel)
        throw std::runtime_error("Source model not set to table model");
    return m_tableModel->tableInfo(id);
}

bool LobbyModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    if (!m_filter)
        return false;
    const QAbstractItemModel *source = sourceModel();
    return m_filter->acceptsRow(source, source->index(sourceRow, 0, sourceParent));
}
