#pragma once

#include <QPoint>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class LocalizationDb;
class PlayerDb;
class TableChat;

// What every table window takes from the main window: the table names, the player
// directory, the table's chat room and the invitation dialog's roster. The chat
// factory and the roster stay empty while no chat service is there.
struct TableWindowServices
{
    using ChatFactory = std::function<std::unique_ptr<TableChat>()>;
    using Roster = std::function<std::vector<qint32>()>;

    LocalizationDb *tableNames = nullptr;
    PlayerDb *players = nullptr;
    ChatFactory tableChat;
    Roster roster;
};
