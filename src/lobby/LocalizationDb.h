#pragma once

#include "connection/LobbyRecords.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <map>
#include <set>
#include <vector>

class ConnectionManager;
class TableInfo;
class TableModel;
class TranslationsManager;

// The cache of localized table names: per language, a name template for each lobby path,
// asked for from the server in batches. A name is empty until the server's answer arrives;
// tableNamesUpdated() then asks the views to look again.
class LocalizationDb : public QObject
{
    Q_OBJECT

public:
    using NameQuery = std::function<void(const QString &language, const std::vector<QString> &paths)>;

    static constexpr int BatchIntervalMs = 3000;

    // Asks the connection manager (not owned) and takes its answers.
    LocalizationDb(ConnectionManager *connectionManager, const TranslationsManager *translations,
                   QObject *parent);
    LocalizationDb(NameQuery query, const TranslationsManager *translations, QObject *parent);
    ~LocalizationDb() override;

    QString tableName(const TableInfo &info);
    QString tableName(qint32 tableId);
    // The name a text quotes: the localized one from `names` (none without them), else,
    // until it is known, the stand-in.
    static QString displayName(LocalizationDb *names, const TableInfo &info);
    static QString displayName(LocalizationDb *names, qint32 tableId);
    // `name`, or, where it is empty, the stand-in: what stands for a table's name where
    // none is known, the table's id.
    static QString nameOrStandIn(const QString &name, qint32 tableId);
    static QString standInName(qint32 tableId);

    void setTableModel(TableModel *model);
    // Asks for every name of the current language.
    void refreshTableNames();

    // The paths waiting for the next batch.
    const std::set<QString> &pendingQueries() const { return m_pending; }
    bool isBatching() const { return m_batchTimer.isActive(); }

    bool event(QEvent *event) override;

signals:
    void tableNamesUpdated();

public slots:
    void onLocalizedTableNames(const QString &language, const std::vector<LocalizedTableName> &names);
    void onPendingTableNameQueriesTimeout();

private:
    QString currentLanguage() const;
    void sendQuery(const QString &language, const std::vector<QString> &paths);

    NameQuery m_query;
    const TranslationsManager *m_translations;
    TableModel *m_tableModel = nullptr;
    // language -> (table path -> name template)
    std::map<QString, std::map<QString, QString>> m_names;
    std::set<QString> m_pending;
    QTimer m_batchTimer;
    bool m_started = false;
};
