#pragma once

#include "app/TableInfo.h"

#include <QSortFilterProxyModel>

struct LobbyFilter;
class TableModel;

// The tables of a TableModel that a LobbyFilter accepts. The filter's paths stay
// subscribed at the TableModel exactly while both are set.
class LobbyModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit LobbyModel(QObject *parent = nullptr);
    ~LobbyModel() override;

    // Borrowed; null shows no rows. Setting the current filter again does nothing.
    void setFilter(LobbyFilter *filter);
    LobbyFilter *filter() const { return m_filter; }

    void setSourceModel(QAbstractItemModel *model) override;
    // The source when it is a TableModel, else null.
    TableModel *tableModel() const { return m_tableModel; }

    // Throws std::runtime_error without a TableModel source or for an unknown id.
    TableInfo tableInfo(qint32 id) const;

public slots:
    void tableModelDestroyed(QObject *object);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    void subscribePaths(bool subscribe);

    LobbyFilter *m_filter = nullptr;
    TableModel *m_tableModel = nullptr;
};
