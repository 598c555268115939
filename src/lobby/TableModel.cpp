#include "lobby/TableModel.h"

#include "connection/ConnectionManager.h"
#include "lobby/ColumnTypes.h"
#include "lobby/CustomItem.h"
#include "lobby/LocalizationDb.h"
#include "ui/PlainToolTip.h"

#include <QHash>
#include <QPointer>
#include <QSignalBlocker>

#include <exception>
#include <unordered_set>
#include <stdexcept>

bool isPathUnder(const QString &path, const QString &base)
{
    if (!path.startsWith(base))
        return false;
    return path.size() == base.size() || path.at(base.size()) == QLatin1Char('/');
}

QString tablePresencePath(const TableInfo &info)
{
    return info.lobbyPath() + QLatin1Char('/') + QString::number(info.id());
}

namespace {

// Beyond this many runs of neighbouring rows, leaving rows are gathered before they go.
// Each removal costs every proxy and view a pass over all rows; the gathering costs
// them about one sort of all rows, which is less from about a thousand runs on.
constexpr size_t MaxRemovedRuns = 1000;
// A role that no cell holds.
constexpr int NoCellRole = Qt::UserRole + 3;

QString rulesText(const RulesColumnType &rules)
{
    return rules.text();
}

QString gameTypeText(const int &gameType)
{
    return TableInfo::gameTypeText(gameType);
}

QString capacityText(const TableCapacity &capacity)
{
    return TableModel::tr("%1/%2").arg(QString::number(capacity.players()),
                                       QString::number(capacity.seats()));
}

QString valueText(const ValueColumnType &value)
{
    return value.value.totalText();
}

QString maxWinText(const int &amount)
{
    return TableValue::amountText(amount);
}

RulesColumnType rulesOf(const TableInfo &info)
{
    return RulesColumnType{info.ruleset(), info.minDoubles(), info.maxDoubles()};
}

template <typename T>
CustomItem<T> *typedCell(const QList<QStandardItem *> &items, int column)
{
    return static_cast<CustomItem<T> *>(items.at(column));
}

// Every path from the first "/"-component down to path itself: "101", "101/mtt", "101/mtt/5".
QStringList pathAndAncestors(const QString &path)
{
    QStringList result;
    qsizetype slash = path.indexOf(QLatin1Char('/'));
    while (slash >= 0) {
        result << path.left(slash);
        slash = path.indexOf(QLatin1Char('/'), slash + 1);
    }
    result << path;
    return result;
}

// True when path or one of its ancestors is a key of paths.
template <typename Paths>
bool isCovered(const QString &path, const Paths &paths)
{
    const QStringList candidates = pathAndAncestors(path);
    for (const QString &candidate : candidates) {
        if (paths.count(candidate))
            return true;
    }
    return false;
}

TableModelRequests connectionRequests(ConnectionManager *connectionManager)
{
    const QPointer<ConnectionManager> manager(connectionManager);
    TableModelRequests requests;
    requests.subscribe = [manager](const QString &path) {
        return manager && manager->lobby_table_subscribe(path);
    };
    requests.unsubscribe = [manager](const QString &path) {
        return manager && manager->lobby_table_unsubscribe(path);
    };
    requests.queryLobbyStructure = [manager] {
        if (manager)
            manager->query_lobby_structure();
    };
    return requests;
}

} // namespace

TableModel::TableModel(ConnectionManager *connectionManager, QObject *parent)
    : TableModel(connectionRequests(connectionManager), parent)
{
}

TableModel::TableModel(TableModelRequests requests, QObject *parent)
    : QStandardItemModel(parent)
    , m_requests(std::move(requests))
{
    setColumnCount(ColumnCount);
    m_queueTimer.setSingleShot(true);
    m_queueTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_queueTimer, &QTimer::timeout, this, &TableModel::onQueueTimer);
    retranslateHeaders();
}

TableModel::~TableModel()
{
    // Requests still waiting for their turn count as made: an unsubscribe on its way gives
    // its path back.
    for (const SubscriptionRequest &request : m_queue) {
        if (request.subscribe) {
            ++m_subscriptions[request.path];
            continue;
        }
        const auto it = m_subscriptions.find(request.path);
        if (it != m_subscriptions.end() && --it->second <= 0)
            m_subscriptions.erase(it);
    }
    if (m_subscriptions.empty())
        return;
    qWarning() << "Table subscriptions could be unbalanced";
    for (const auto &[path, count] : m_subscriptions)
        qWarning().noquote() << "\t" << path << "(" << count << ")";
}

void TableModel::subscribe(const QString &path)
{
    enqueue(path, true);
}

void TableModel::unsubscribe(const QString &path)
{
    enqueue(path, false);
}

void TableModel::enqueue(const QString &path, bool subscribe)
{
    m_queue.push_back(SubscriptionRequest{path, subscribe});
    if (!m_queueTimer.isActive())
        m_queueTimer.start(msUntilNextRequest());
}

void TableModel::onQueueTimer()
{
    // The timer may have been armed from an older start of the interval: a request queued
    // from a slot that the last request triggered while it went out.
    if (const int wait = msUntilNextRequest(); wait > 0)
        m_queueTimer.start(wait);
    else
        processSubscriptions();
}

int TableModel::msUntilNextRequest() const
{
    if (!m_sinceLastRequest.isValid())
        return 0;
    const qint64 leftNs = qint64(RequestIntervalMs) * 1000000 - m_sinceLastRequest.nsecsElapsed();
    return leftNs <= 0 ? 0 : int((leftNs + 999999) / 1000000);
}

void TableModel::processSubscriptions()
{
    if (m_queue.empty())
        return;
    const SubscriptionRequest request = m_queue.front();
    m_queue.pop_front();
    if (request.subscribe)
        doSubscribe(request.path);
    else
        doUnsubscribe(request.path);
    // The interval counts from when the requests have left: a slow send does not shorten
    // the gap to the next one.
    m_sinceLastRequest.start();
    if (!m_queue.empty() && !m_queueTimer.isActive())
        m_queueTimer.start(RequestIntervalMs);
}

bool TableModel::sendRequest(const QString &path, bool subscribe)
{
    const auto &request = subscribe ? m_requests.subscribe : m_requests.unsubscribe;
    if (!request)
        return false;
    try {
        if (request(path))
            return true;
        qWarning() << "lobby path" << path << "was not sent";
        return false;
    } catch (const std::exception &e) {
        qWarning() << "lobby path" << path << "refused:" << e.what();
    }
    return false;
}

int TableModel::subscriptionCount(const QString &path) const
{
    const auto it = m_subscriptions.find(path);
    return it == m_subscriptions.end() ? 0 : it->second;
}

void TableModel::doSubscribe(const QString &path)
{
    int &count = m_subscriptions[path];
    ++count;
    if (count > 1) {
        qDebug() << "Increased ref-count for" << path << ", count is now" << count;
        return;
    }
    if (isCovered(path, m_sent)) {
        qDebug() << "Subscribed for" << path << "under a path the server already sends";
        return;
    }
    qDebug() << "Subscribed for" << path << ", count is" << count;
    if (sendRequest(path, true))
        m_sent.insert(path);
}

void TableModel::doUnsubscribe(const QString &path)
{
    const auto it = m_subscriptions.find(path);
    if (it == m_subscriptions.end()) {
        qWarning() << "can't unsubscribe" << path << ": no subscription found";
        return;
    }
    --it->second;
    qDebug() << "Decreased ref-count for" << path << ", count is now" << it->second;
    if (it->second > 0)
        return;
    qDebug() << "will unsubscribe for path:" << path;
    m_subscriptions.erase(it);

    if (m_sent.erase(path)) {
        // Wanted paths below that relied on this one are asked for themselves first, so
        // that their tables keep coming.
        for (auto below = m_subscriptions.upper_bound(path);
             below != m_subscriptions.end() && below->first.startsWith(path); ++below) {
            if (isPathUnder(below->first, path) && !isCovered(below->first, m_sent)
                && sendRequest(below->first, true))
                m_sent.insert(below->first);
        }
        sendRequest(path, false);
    }

    // Tables share few paths: each one is judged once.
    QHash<QString, bool> leaves;
    std::vector<qint32> uncovered;
    for (const auto &[id, row] : m_tables) {
        const QString &tablePath = row.info.lobbyPath();
        auto judged = leaves.constFind(tablePath);
        if (judged == leaves.constEnd())
            judged = leaves.insert(tablePath, isPathUnder(tablePath, path)
                                                  && !isCovered(tablePath, m_subscriptions));
        if (*judged)
            uncovered.push_back(id);
    }
    removeTables(uncovered);
}

bool TableModel::hasTable(qint32 id) const
{
    return m_tables.count(id) != 0;
}

const TableInfo &TableModel::tableInfo(qint32 id) const
{
    const auto it = m_tables.find(id);
    if (it == m_tables.end())
        throw std::runtime_error("info for table " + std::to_string(id) + " unavailable");
    return it->second.info;
}

bool TableModel::isTableFull(qint32 id) const
{
    const auto it = m_tables.find(id);
    if (it == m_tables.end())
        return false;
    const TableCapacity &capacity = it->second.info.capacity();
    return capacity.players() == capacity.seats();
}

QString TableModel::tableName(const TableInfo &info) const
{
    return m_localizationDb ? m_localizationDb->tableName(info) : QString();
}

QString TableModel::nameCellText(const TableInfo &info) const
{
    return LocalizationDb::displayName(m_localizationDb, info);
}

void TableModel::setLocalizationDb(LocalizationDb *db)
{
    if (db == m_localizationDb)
        return;
    if (m_localizationDb)
        disconnect(m_localizationDb, nullptr, this, nullptr);
    m_localizationDb = db;
    if (db)
        connect(db, &LocalizationDb::tableNamesUpdated, this, &TableModel::onTableNamesUpdated);
}

void TableModel::queryLobbyStructure()
{
    if (!m_requests.queryLobbyStructure)
        return;
    try {
        m_requests.queryLobbyStructure();
    } catch (const std::exception &e) {
        qWarning() << "lobby structure query failed:" << e.what();
    }
}

QString TableModel::tableToolTip(const TableInfo &info, const QString &name) const
{
    const TableValue &value = info.value();
    QString tip = tr("%1\n%2\n%3 - %4\nBet: %5")
                      .arg(name, info.capacity().text(),
                           TableInfo::rulesDescription(info.ruleset(), info.minDoubles(),
                                                       info.maxDoubles()),
                           TableInfo::gameTypeText(info.gameType()), value.betText());
    if (value.netPot() != 0)
        tip += QLatin1Char('\n') + tr("Max win: %1").arg(TableValue::amountText(value.maxWin()));
    if (value.hasPlaceBonus())
        tip += QLatin1Char('\n')
            + tr("Place bonus: %1").arg(value.placeBonusTexts().join(QStringLiteral(", ")));
    if (value.hasFeedingPenalty())
        tip += QLatin1Char('\n') + tr("Feeding penalty: %1").arg(value.feedingPenaltyText());
    return plainToolTip(tip);
}

QList<QStandardItem *> TableModel::makeRow(const TableInfo &info)
{
    // Tool tips are built when asked for (see data()): most are never shown.
    const QString tip;
    QStandardItem *nameItem = makeTextItem(nameCellText(info), tip, Qt::AlignLeft);
    nameItem->setData(info.lobbyPath(), LobbyTablePathRole);
    nameItem->setData(info.isAborted(), TableAbortedRole);

    QList<QStandardItem *> items;
    items.reserve(ColumnCount);
    items << nameItem
          << makeCustomItem<RulesColumnType>(rulesOf(info), tip, rulesText)
          << makeCustomItem<int>(info.gameType(), tip, gameTypeText)
          << makeCustomItem<TableCapacity>(info.capacity(), tip, capacityText)
          << makeCustomItem<ValueColumnType>(ValueColumnType{info.value()}, tip, valueText)
          << makeCustomItem<int>(info.value().maxWin(), tip, maxWinText);
    for (QStandardItem *item : std::as_const(items))
        item->setData(int(info.id()), TableIdRole);
    return items;
}

void TableModel::addOrUpdateTable(const TableInfo &info)
{
    addOrUpdateTables({info});
}

void TableModel::addOrUpdateTables(const std::vector<TableInfo> &tables)
{
    QList<QList<QStandardItem *>> newRows;
    std::vector<qint32> added;
    for (const TableInfo &info : tables) {
        if (!isCovered(info.lobbyPath(), m_subscriptions)) {
            qDebug() << "ignoring table" << info.id() << "of unsubscribed path" << info.lobbyPath();
            continue;
        }
        const auto it = m_tables.find(info.id());
        if (it != m_tables.end()) {
            const bool wasFree = it->second.info.value().isFree();
            it->second.info = info;
            if (wasFree != info.value().isFree())
                adjustMonetaryCount(wasFree ? 1 : -1);
            updateRow(it->second);
            continue;
        }
        TableRow &row = m_tables[info.id()];
        row.info = info;
        if (!info.value().isFree())
            adjustMonetaryCount(1);
        row.items = makeRow(info);
        newRows << row.items;
        added.push_back(info.id());
    }
    appendRows(newRows);
    for (qint32 id : added)
        emit tableAdded(id);
}

void TableModel::appendRows(const QList<QList<QStandardItem *>> &rows)
{
    if (rows.isEmpty())
        return;
    if (rows.size() == 1) {
        appendRow(rows.first());
        return;
    }
    // The item model announces every row it appends; the listeners hear of the whole
    // burst once, before and after, with the row counts as they are then.
    const int first = rowCount();
    beginInsertRows(QModelIndex(), first, first + int(rows.size()) - 1);
    {
        const QSignalBlocker blocker(this);
        for (const QList<QStandardItem *> &row : rows)
            appendRow(row);
    }
    endInsertRows();
}

void TableModel::updateTableInfo(qint32 id, int players, const TableInfoUpdates &updates)
{
    const auto it = m_tables.find(id);
    if (it == m_tables.end()) {
        qWarning() << "No table with id" << id << "to update";
        return;
    }
    TableInfo &info = it->second.info;
    const bool wasFree = info.value().isFree();
    TableCapacity capacity = info.capacity();
    capacity.setPlayers(players);
    info.setCapacity(capacity);
    info.applyUpdates(updates);
    if (wasFree != info.value().isFree())
        adjustMonetaryCount(wasFree ? 1 : -1);
    updateRow(it->second);
}

void TableModel::onTableRemoved(qint32 id)
{
    const auto it = m_tables.find(id);
    if (it == m_tables.end()) {
        qWarning() << "No table to remove with id" << id;
        return;
    }
    removeTable(it);
}

void TableModel::removeTable(std::map<qint32, TableRow>::iterator it)
{
    const qint32 id = it->first;
    const bool wasFree = it->second.info.value().isFree();
    const QModelIndex index = indexFromItem(it->second.items.value(0));
    if (!index.isValid())
        qWarning() << "invalid index returned";
    else
        removeRow(index.row());
    m_tables.erase(it);
    if (!wasFree)
        adjustMonetaryCount(-1);
    emit tableRemoved(id);
}

void TableModel::removeTables(const std::vector<qint32> &ids)
{
    if (ids.size() < 2) {
        for (qint32 id : ids)
            onTableRemoved(id);
        return;
    }
    // The rows are found in one pass and leave in runs of neighbours, the last run first
    // so that the rows of the runs before it stay where they are: a folder of many
    // tables, which arrived together, leaves in one step.
    std::unordered_set<const QStandardItem *> leaving;
    leaving.reserve(ids.size());
    int paidTables = 0;
    for (qint32 id : ids) {
        const auto it = m_tables.find(id);
        if (it == m_tables.end())
            continue;
        leaving.insert(it->second.items.value(0));
        if (!it->second.info.value().isFree())
            ++paidTables;
    }
    std::vector<std::pair<int, int>> runs;
    const int rows = rowCount();
    for (int row = 0; row < rows; ++row) {
        if (!leaving.count(item(row, NameColumn)))
            continue;
        if (!runs.empty() && runs.back().first + runs.back().second == row)
            ++runs.back().second;
        else
            runs.emplace_back(row, 1);
    }
    int found = 0;
    for (const auto &run : runs)
        found += run.second;
    if (runs.size() > MaxRemovedRuns) {
        // Rows scattered among others are gathered first: their cells go while each
        // still knows its place, then one change of the rows' order moves the emptied
        // rows behind the others (a stable sort on a role no cell holds keeps the
        // others in their order) and they leave in one step. A removal per run would
        // cost every view and proxy a pass over all rows.
        {
            // The emptied rows are no news: they leave at once.
            const QSignalBlocker blocker(this);
            for (const auto &run : runs) {
                for (int row = run.first; row < run.first + run.second; ++row) {
                    for (int column = 0; column < ColumnCount; ++column)
                        delete takeItem(row, column);
                }
            }
        }
        const int role = sortRole();
        setSortRole(NoCellRole);
        sort(NameColumn);
        setSortRole(role);
        runs = {{rows - found, found}};
    }
    for (auto run = runs.rbegin(); run != runs.rend(); ++run)
        removeRows(run->first, run->second);
    if (found != int(leaving.size()))
        qWarning() << "invalid index returned for" << int(leaving.size()) - found << "tables";
    std::vector<qint32> removed;
    removed.reserve(ids.size());
    for (qint32 id : ids) {
        if (m_tables.erase(id))
            removed.push_back(id);
    }
    adjustMonetaryCount(-paidTables);
    for (qint32 id : removed)
        emit tableRemoved(id);
}

void TableModel::updateRow(TableRow &row)
{
    const TableInfo &info = row.info;
    QStandardItem *nameItem = row.items.at(NameColumn);
    nameItem->setText(nameCellText(info));
    nameItem->setData(info.lobbyPath(), LobbyTablePathRole);
    nameItem->setData(info.isAborted(), TableAbortedRole);

    typedCell<RulesColumnType>(row.items, RulesColumn)->setValue(rulesOf(info));
    typedCell<int>(row.items, GameTypeColumn)->setValue(info.gameType());
    typedCell<TableCapacity>(row.items, PlayersColumn)->setValue(info.capacity());
    typedCell<ValueColumnType>(row.items, BetColumn)->setValue(ValueColumnType{info.value()});
    typedCell<int>(row.items, MaxWinColumn)->setValue(info.value().maxWin());
}

void TableModel::adjustMonetaryCount(int delta)
{
    const int before = m_monetaryTables;
    m_monetaryTables += delta;
    if (before == 0 && m_monetaryTables > 0)
        emit hasMoneraryTablesChanged(true);
    else if (before > 0 && m_monetaryTables == 0)
        emit hasMoneraryTablesChanged(false);
}

void TableModel::onLobbyStructure(const LobbyStructure &root)
{
    emit lobbyStructure(root);
}

void TableModel::onTableNamesUpdated()
{
    retranslateHeaders();
    emit tableNamesChanged();
}

void TableModel::retranslateHeaders()
{
    setHorizontalHeaderLabels({tr("Table"), tr("Rules"), tr("Game Type"), tr("Players"),
                               tr("Bet"), tr("Max win")});
    for (auto &[id, row] : m_tables)
        row.items.at(NameColumn)->setText(nameCellText(row.info));
    // The typed cells' texts and every tool tip are built when asked for: one notice
    // makes the views ask again.
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

QVariant TableModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::ToolTipRole || !index.isValid())
        return QStandardItemModel::data(index, role);
    const auto it = m_tables.find(QStandardItemModel::data(index, TableIdRole).toInt());
    if (it == m_tables.end())
        return QVariant();
    return tableToolTip(it->second.info, nameCellText(it->second.info));
}
