#include "lobby/LocalizationDb.h"

#include "app/TableInfo.h"
#include "app/startup/TranslationsManager.h"
#include "connection/ConnectionManager.h"
#include "lobby/TableModel.h"

#include <QEvent>
#include <QPointer>

#include <exception>

namespace {

const QString GamePrefix = QStringLiteral("101");

// The server's form of a table path: the path without its game id ("/Regular/x").
QString serverPath(const QString &path)
{
    if (isPathUnder(path, GamePrefix))
        return path.mid(GamePrefix.size());
    return path;
}

// The cache's form of an answer path: "101/" and the path without surrounding "/".
QString cachePath(QString path)
{
    if (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    if (path.startsWith(QLatin1Char('/')))
        path.remove(0, 1);
    if (path.isEmpty())
        return QString();
    return GamePrefix + QLatin1Char('/') + path;
}

} // namespace

LocalizationDb::LocalizationDb(ConnectionManager *connectionManager,
                               const TranslationsManager *translations, QObject *parent)
    : LocalizationDb(
        [manager = QPointer<ConnectionManager>(connectionManager)](
            const QString &language, const std::vector<QString> &paths) {
            if (manager)
                manager->query_localized_table_names(language, paths);
        },
        translations, parent)
{
    connect(connectionManager, &ConnectionManager::localizedTableNames, this,
            &LocalizationDb::onLocalizedTableNames);
}

LocalizationDb::LocalizationDb(NameQuery query, const TranslationsManager *translations,
                               QObject *parent)
    : QObject(parent)
    , m_query(std::move(query))
    , m_translations(translations)
{
    m_batchTimer.setInterval(BatchIntervalMs);
    connect(&m_batchTimer, &QTimer::timeout, this,
            &LocalizationDb::onPendingTableNameQueriesTimeout);
}

LocalizationDb::~LocalizationDb()
{
    m_batchTimer.stop();
}

QString LocalizationDb::currentLanguage() const
{
    return m_translations ? m_translations->language() : QString();
}

void LocalizationDb::sendQuery(const QString &language, const std::vector<QString> &paths)
{
    if (!m_query)
        return;
    try {
        m_query(language, paths);
    } catch (const std::exception &e) {
        qWarning() << "localized table names query failed:" << e.what();
    }
}

QString LocalizationDb::tableName(const TableInfo &info)
{
    if (info.storedGameType() == TableInfo::TOURNAMENT)
        return standInName(info.id());

    const auto language = m_names.find(currentLanguage());
    if (language != m_names.end()) {
        const auto entry = language->second.find(info.lobbyPath());
        if (entry != language->second.end()) {
            QString name = entry->second;
            return name.replace(QStringLiteral("{tableId}"), QString::number(info.id()));
        }
    }
    m_pending.insert(info.lobbyPath());
    return QString();
}

QString LocalizationDb::displayName(LocalizationDb *names, const TableInfo &info)
{
    return nameOrStandIn(names ? names->tableName(info) : QString(), info.id());
}

QString LocalizationDb::displayName(LocalizationDb *names, qint32 tableId)
{
    return nameOrStandIn(names ? names->tableName(tableId) : QString(), tableId);
}

QString LocalizationDb::nameOrStandIn(const QString &name, qint32 tableId)
{
    return name.isEmpty() ? standInName(tableId) : name;
}

QString LocalizationDb::standInName(qint32 tableId)
{
    return tr("Table(%1)").arg(QString::number(tableId));
}

QString LocalizationDb::tableName(qint32 tableId)
{
    if (!m_tableModel || !m_tableModel->hasTable(tableId))
        return QString();
    return tableName(m_tableModel->tableInfo(tableId));
}

void LocalizationDb::setTableModel(TableModel *model)
{
    m_tableModel = model;
}

void LocalizationDb::refreshTableNames()
{
    sendQuery(currentLanguage(), {});
}

void LocalizationDb::onPendingTableNameQueriesTimeout()
{
    if (m_pending.empty())
        return;
    std::vector<QString> paths;
    paths.reserve(m_pending.size());
    for (const QString &path : m_pending)
        paths.push_back(serverPath(path));
    m_pending.clear();
    sendQuery(currentLanguage(), paths);
}

void LocalizationDb::onLocalizedTableNames(const QString &language,
                                           const std::vector<LocalizedTableName> &names)
{
    if (!m_started) {
        // The first answer is the full list asked for at login; what was queued before
        // it is covered by it.
        m_started = true;
        m_pending.clear();
        m_batchTimer.start();
    }
    auto &cache = m_names[language];
    bool changed = false;
    for (const LocalizedTableName &entry : names) {
        const QString path = cachePath(entry.path);
        if (path.isEmpty()) {
            qDebug() << "skipping a localized table name without a path";
            continue;
        }
        auto it = cache.find(path);
        if (it == cache.end()) {
            cache.emplace(path, entry.nameTemplate);
            changed = true;
        } else if (it->second != entry.nameTemplate) {
            it->second = entry.nameTemplate;
            changed = true;
        }
    }
    if (changed)
        emit tableNamesUpdated();
}

bool LocalizationDb::event(QEvent *event)
{
    if (event->type() != QEvent::LanguageChange)
        return QObject::event(event);
    m_pending.clear();
    const QString language = currentLanguage();
    const auto it = m_names.find(language);
    if (it == m_names.end() || it->second.empty())
        sendQuery(language, {});
    return true;
}
