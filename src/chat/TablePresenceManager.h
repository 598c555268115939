#pragma once

#include <QObject>

#include <functional>

class GameController;
class GameModel;
class XMPPClient;

// Lets friends see where the user sits: while the local player holds a seat at an
// open table, that table's path is in the set the chat client announces with every
// own presence.
class TablePresenceManager : public QObject
{
    Q_OBJECT

public:
    // localPlayerId gives the logged-in player's id at the time of each seat signal.
    TablePresenceManager(XMPPClient *client, std::function<qint32()> localPlayerId);
    // Follows every table the game controller opens, for the controller's own player.
    TablePresenceManager(GameController *controller, XMPPClient *client);

public slots:
    void onGameModelCreated(GameModel *model);
    void onGameModelAboutToBeDestroyed(GameModel *model);
    void onPlayerSeated(qint32 playerId);
    void onPlayerUnseated(qint32 playerId);

private:
    XMPPClient *m_client;
    std::function<qint32()> m_localPlayerId;
};
