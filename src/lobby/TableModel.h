#pragma once

#include "app/TableInfo.h"
#include "connection/LobbyRecords.h"

#include <QElapsedTimer>
#include <QList>
#include <QStandardItemModel>
#include <QTimer>

#include <deque>
#include <functional>
#include <map>
#include <set>

class ConnectionManager;
class LocalizationDb;
class QStandardItem;

// True when path lies under base: equal to it, or beginning with it and "/".
bool isPathUnder(const QString &path, const QString &base);

// The path by which friends see a table in the user's presence: the lobby path, "/"
// and the table id.
QString tablePresencePath(const TableInfo &info);

struct TableRow
{
    TableInfo info;
    QList<QStandardItem *> items;
};

struct SubscriptionRequest
{
    QString path;
    bool subscribe = true;
};

// The server requests that the table list makes. The subscription requests return
// whether the request went out (a malformed path or a closed connection sends nothing).
struct TableModelRequests
{
    std::function<bool(const QString &path)> subscribe;
    std::function<bool(const QString &path)> unsubscribe;
    std::function<void()> queryLobbyStructure;
};

// The client's one list of known tables, one row per table, and the keeper of the lobby
// subscriptions. Every subscribe() is matched later by one unsubscribe() of the same path;
// the model counts them per path and sends the server one request each way, paced.
class TableModel : public QStandardItemModel
{
    Q_OBJECT

public:
    enum Column { NameColumn, RulesColumn, GameTypeColumn, PlayersColumn, BetColumn,
                  MaxWinColumn, ColumnCount };

    // At most one request leaves per interval.
    static constexpr int RequestIntervalMs = 100;

    // Sends its requests through the connection manager (not owned).
    TableModel(ConnectionManager *connectionManager, QObject *parent);
    TableModel(TableModelRequests requests, QObject *parent);
    ~TableModel() override;

    void subscribe(const QString &path);
    void unsubscribe(const QString &path);

    // The full records of one burst: new tables are inserted together, with one notice, so
    // that views and sorting proxies place them once instead of once per table.
    void addOrUpdateTables(const std::vector<TableInfo> &tables);

    bool hasTable(qint32 id) const;
    // Throws std::runtime_error for a table that is not held; test hasTable() first.
    const TableInfo &tableInfo(qint32 id) const;
    bool isTableFull(qint32 id) const;
    // The table's localized name; empty while the name is not known.
    QString tableName(const TableInfo &info) const;

    void setLocalizationDb(LocalizationDb *db);
    void queryLobbyStructure();
    // Sets the column headers, names and tool tips again in the current language.
    void retranslateHeaders();

    // True while subscribe or unsubscribe requests wait in the paced queue.
    bool hasQueuedRequests() const { return !m_queue.empty(); }
    // The row's tool tip for Qt::ToolTipRole, built from the held record when asked for.
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // The number of paths the server was asked for and not released yet.
    int serverSubscriptionCount() const { return int(m_sent.size()); }
    // How many holders want the path itself (0 when none).
    int subscriptionCount(const QString &path) const;

signals:
    void hasMoneraryTablesChanged(bool hasMonetaryTables);
    void tableAdded(qint32 id);
    void tableRemoved(qint32 id);
    void lobbyStructure(const LobbyStructure &root);
    // The localized names arrived or changed; the rows hold them already.
    void tableNamesChanged();

public slots:
    void addOrUpdateTable(const TableInfo &info);
    void updateTableInfo(qint32 id, int players, const TableInfoUpdates &updates);
    void onTableRemoved(qint32 id);
    void onLobbyStructure(const LobbyStructure &root);
    void onTableNamesUpdated();
    void processSubscriptions();

private:
    // The name cell's text: the name, or "Table(<id>)" while it is not known.
    QString nameCellText(const TableInfo &info) const;
    void enqueue(const QString &path, bool subscribe);
    // Handles the next entry once the interval since the last one has passed.
    void onQueueTimer();
    // Until the next request may leave, rounded up.
    int msUntilNextRequest() const;
    void doSubscribe(const QString &path);
    void doUnsubscribe(const QString &path);
    bool sendRequest(const QString &path, bool subscribe);
    void removeTable(std::map<qint32, TableRow>::iterator it);
    // Removes the tables of the ids (in ascending order), then tells of each.
    void removeTables(const std::vector<qint32> &ids);
    void updateRow(TableRow &row);
    void adjustMonetaryCount(int delta);
    QString tableToolTip(const TableInfo &info, const QString &name) const;
    QList<QStandardItem *> makeRow(const TableInfo &info);
    void appendRows(const QList<QList<QStandardItem *>> &rows);

    std::map<qint32, TableRow> m_tables;
    TableModelRequests m_requests;
    std::deque<SubscriptionRequest> m_queue;
    // Holders per wanted path.
    std::map<QString, int> m_subscriptions;
    // Paths subscribed on the server; each one is also wanted.
    std::set<QString> m_sent;
    int m_monetaryTables = 0;
    LocalizationDb *m_localizationDb = nullptr;
    QTimer m_queueTimer;
    QElapsedTimer m_sinceLastRequest;
};
