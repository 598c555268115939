#pragma once

#include "app/TableInfo.h"

#include <QObject>
#include <QTimer>

#include <vector>

class ConnectionManager;
class LobbyWindow;
class TableModel;

// Ties the client's one table list to the connection: owns the TableModel and feeds it
// from the connection manager's table signals. The full records that arrive together
// (up to the next turn of the event loop) reach the model as one burst; any other table
// news hands the waiting records over first, so that the model sees everything in order.
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
    void onTableInfo(const TableInfo &info);
    void flushTables();

    ConnectionManager *m_connectionManager;
    TableModel *m_tableModel;
    std::vector<TableInfo> m_arrivedTables;
    QTimer m_flushTimer;
};
