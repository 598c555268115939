#pragma once

#include "app/TableInfo.h"
#include "lobby/TableModel.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QThread>

#include <stdexcept>

// Records the requests a table model sends, with the time each left.
struct RequestLog
{
    QStringList sent;
    QList<qint64> times;
    int lobbyStructureQueries = 0;
    // How long a request takes before it has left, as a write on a busy machine may.
    unsigned long sendMs = 0;
    QElapsedTimer clock;

    RequestLog() { clock.start(); }

    TableModelRequests requests()
    {
        TableModelRequests r;
        r.subscribe = [this](const QString &path) { return record(QStringLiteral("+") + path); };
        r.unsubscribe = [this](const QString &path) { return record(QStringLiteral("-") + path); };
        r.queryLobbyStructure = [this] { ++lobbyStructureQueries; };
        return r;
    }

    bool record(const QString &entry)
    {
        // Paths without a game id are refused, as the connection manager does.
        if (!entry.contains(QLatin1Char('/')))
            throw std::runtime_error("invalid path in subscribe");
        // A closed connection sends nothing.
        if (entry.endsWith(QLatin1String("/offline")))
            return false;
        QThread::msleep(sendMs);
        sent << entry;
        times << clock.elapsed();
        return true;
    }
};

inline TableInfo makeTable(qint32 id, const QString &path, int bet = 0, int seated = 1)
{
    TableInfo info(id);
    info.setLobbyPath(path);
    info.setRuleset(3);
    info.setGameType(TableInfo::FULL_GAME);
    info.setWindRounds(2);
    info.setCapacity(TableCapacity(4, seated, 0));
    TableValue value;
    if (bet > 0) {
        value.setKind(2);
        value.setBet(bet);
        value.setFee(bet / 10);
        value.setPlayers(4);
    }
    info.setValue(value);
    return info;
}
