#pragma once

#include "app/TableInfo.h"

#include <QWidget>

#include <map>

class CompactTableItem;
class LobbyModel;
class LocalizationDb;
class QModelIndex;
class QVBoxLayout;

// The tables of a LobbyModel as a column of cards, newest on top, one of them selected.
class CompactTableView : public QWidget
{
    Q_OBJECT

public:
    explicit CompactTableView(QWidget *parent = nullptr);

    // Used by the cards created later.
    void setLocalizationDb(LocalizationDb *localizationDb);
    // Borrowed; null empties the view.
    void setModel(LobbyModel *model);
    LobbyModel *model() const { return m_model; }

    // -1 when no card is selected.
    qint32 selectedTableId() const;
    // The card of a table, or null.
    CompactTableItem *card(qint32 tableId) const;
    int cardCount() const { return int(m_items.size()); }

signals:
    void tableDoubleClicked(qint32 tableId);

public slots:
    void onRowsInserted(const QModelIndex &parent, int first, int last);
    void onRowsAboutToBeRemoved(const QModelIndex &parent, int first, int last);
    void onDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight);
    void onTableClicked();
    void onTableDoubleClicked();

private:
    qint32 tableIdOfRow(int row) const;
    void addCard(int row);
    void refreshCard(CompactTableItem *card);
    // The model's record of the table; false (with a warning) when it has none.
    bool lookUp(qint32 tableId, TableInfo &info) const;
    void select(CompactTableItem *card);
    void clear();
    // Cards for every row of the model, after a reset or a new order.
    void rebuild();

    QVBoxLayout *m_layout;
    LobbyModel *m_model = nullptr;
    std::map<qint32, CompactTableItem *> m_items;
    CompactTableItem *m_current = nullptr;
    LocalizationDb *m_localizationDb = nullptr;
};
