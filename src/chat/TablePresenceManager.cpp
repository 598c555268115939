#include "chat/TablePresenceManager.h"

#include "chat/xmpp/XMPPClient.h"
#include "game/GameController.h"
#include "game/GameModel.h"
#include "lobby/TableModel.h"

TablePresenceManager::TablePresenceManager(XMPPClient *client, std::function<qint32()> localPlayerId)
    : m_client(client), m_localPlayerId(std::move(localPlayerId))
{
}

TablePresenceManager::TablePresenceManager(GameController *controller, XMPPClient *client)
    : QObject(controller), m_client(client), m_localPlayerId([controller] { return controller->playerId(); })
{
    connect(controller, &GameController::gameModelCreated, this, &TablePresenceManager::onGameModelCreated);
    connect(controller, &GameController::gameModelAboutToBeDestroyed, this,
            &TablePresenceManager::onGameModelAboutToBeDestroyed);
}

void TablePresenceManager::onGameModelCreated(GameModel *model)
{
    connect(model, &GameModel::playerSeated, this, &TablePresenceManager::onPlayerSeated, Qt::UniqueConnection);
}

void TablePresenceManager::onGameModelAboutToBeDestroyed(GameModel *model)
{
    m_client->removeTable(tablePresencePath(model->tableInfo()));
}

void TablePresenceManager::onPlayerSeated(qint32 playerId)
{
    auto model = qobject_cast<GameModel *>(sender());
    if (!model || playerId != m_localPlayerId())
        return;
    m_client->addTable(tablePresencePath(model->tableInfo()));
    disconnect(model, &GameModel::playerSeated, this, &TablePresenceManager::onPlayerSeated);
    connect(model, &GameModel::playerUnseated, this, &TablePresenceManager::onPlayerUnseated, Qt::UniqueConnection);
}

void TablePresenceManager::onPlayerUnseated(qint32 playerId)
{
    auto model = qobject_cast<GameModel *>(sender());
    if (!model || playerId != m_localPlayerId())
        return;
    m_client->removeTable(tablePresencePath(model->tableInfo()));
    disconnect(model, &GameModel::playerUnseated, this, &TablePresenceManager::onPlayerUnseated);
    connect(model, &GameModel::playerSeated, this, &TablePresenceManager::onPlayerSeated, Qt::UniqueConnection);
}
