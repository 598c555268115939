#include "lobby/LobbyController.h"

#include "connection/ConnectionManager.h"
#include "lobby/LobbyWindow.h"
#include "lobby/TableModel.h"

LobbyController::LobbyController(ConnectionManager *connectionManager, QObject *parent)
    : QObject(parent)
    , m_connectionManager(connectionManager)
    , m_tableModel(new TableModel(connectionManager, this))
{
    m_flushTimer.setSingleShot(true);
    connect(&m_flushTimer, &QTimer::timeout, this, &LobbyController::flushTables);

    connect(m_connectionManager, qOverload<const TableInfo &>(&ConnectionManager::tableInfoUpdate),
            this, &LobbyController::onTableInfo);
    connect(m_connectionManager,
            qOverload<const qint32, const int, const TableInfoUpdates &>(
                &ConnectionManager::tableInfoUpdate),
            this, [this](qint32 id, int players, const TableInfoUpdates &updates) {
                flushTables();
                m_tableModel->updateTableInfo(id, players, updates);
            });
    connect(m_connectionManager, &ConnectionManager::tableRemoved, this, [this](qint32 id) {
        flushTables();
        m_tableModel->onTableRemoved(id);
    });
    connect(m_connectionManager, &ConnectionManager::lobbyStructure, m_tableModel,
            &TableModel::onLobbyStructure);
}

void LobbyController::onTableInfo(const TableInfo &info)
{
    m_arrivedTables.push_back(info);
    if (!m_flushTimer.isActive())
        m_flushTimer.start(0);
}

void LobbyController::flushTables()
{
    m_flushTimer.stop();
    if (m_arrivedTables.empty())
        return;
    const std::vector<TableInfo> tables = std::move(m_arrivedTables);
    m_arrivedTables.clear();
    m_tableModel->addOrUpdateTables(tables);
}

LobbyWindow *LobbyController::createLobbyWindow()
{
    auto *window = new LobbyWindow(nullptr);
    window->setTableModel(m_tableModel);
    return window;
}
