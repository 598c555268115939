#include "lobby/LobbyController.h"

#include "connection/ConnectionManager.h"
#include "lobby/LobbyWindow.h"
#include "lobby/TableModel.h"

LobbyController::LobbyController(ConnectionManager *connectionManager, QObject *parent)
    : QObject(parent)
    , m_connectionManager(connectionManager)
    , m_tableModel(new TableModel(connectionManager, this))
{
    connect(m_connectionManager, qOverload<const TableInfo &>(&ConnectionManager::tableInfoUpdate),
            m_tableModel, &TableModel::addOrUpdateTable);
    connect(m_connectionManager,
            qOverload<const qint32, const int, const TableInfoUpdates &>(
                &ConnectionManager::tableInfoUpdate),
            m_tableModel, &TableModel::updateTableInfo);
    connect(m_connectionManager, &ConnectionManager::tableRemoved, m_tableModel,
            &TableModel::onTableRemoved);
    connect(m_connectionManager, &ConnectionManager::lobbyStructure, m_tableModel,
            &TableModel::onLobbyStructure);
}

LobbyWindow *LobbyController::createLobbyWindow()
{
    auto *window = new LobbyWindow(nullptr);
    window->setTableModel(m_tableModel);
    return window;
}
