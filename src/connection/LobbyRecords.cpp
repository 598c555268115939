#include "connection/LobbyRecords.h"

const LobbyStructure *LobbyStructure::child(const QString &childName) const
{
    for (const LobbyStructure &node : children) {
        if (node.name == childName)
            return &node;
    }
    return nullptr;
}
