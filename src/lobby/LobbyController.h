#pragma once

#include <QObject>

class ConnectionManager;
class LobbyWindow;
class TableModel;

// Ties the client's one table list to the connection: owns the TableModel and feeds it
// from the connection manager's table signals.
class LobbyController : public QObject
{
    Q_OBJECT

public:
    LobbyController(ConnectionManager *connectionManager, QObject *parent);

    // Owned by the controller; callers do not delete it.
    TableModel *tableModel() const { return m_tableModel; }

    // A new lobby window over the table list, without a parent: the caller owns it.
    LobbyWindow *createLobbyWindow();

private:
    ConnectionManager *m_connectionManager;
    TableModel *m_tableModel;
};
