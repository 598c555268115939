#pragma once

#include <QMetaType>
#include <QString>

#include <vector>

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

Q_DECLARE_METATYPE(LobbyStructure)
Q_DECLARE_METATYPE(LocalizedTableName)
Q_DECLARE_METATYPE(std::vector<LocalizedTableName>)
