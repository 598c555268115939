#pragma once

#include <QMetaType>
#include <QString>

#include <vector>

// The lobby's figures: players online, tables in play and the latest logins.
struct lobby_summary_t
{
    int playersOnline = 0;
    int tablesInPlay = 0;
    std::vector<qint32> latestLogins;
};

// One node of the lobby tree; children keep the server's order.
struct LobbyStructure
{
    QString name;
    std::vector<LobbyStructure> children;
    bool isLeaf = false;

    // The direct child of that name, or null.
    const LobbyStructure *child(const QString &childName) const;
};

// One localized table name: the name template may hold "{tableId}".
struct LocalizedTableName
{
    bool flag = false;
    QString path;
    QString nameTemplate;
};

Q_DECLARE_METATYPE(lobby_summary_t)
Q_DECLARE_METATYPE(LobbyStructure)
Q_DECLARE_METATYPE(LocalizedTableName)
Q_DECLARE_METATYPE(std::vector<LocalizedTableName>)
