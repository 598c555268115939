#pragma once

#include "app/ClientText.h"

#include <QPoint>
#include <QString>

#include <functional>

class QWidget;

// The chat room of one table as the side bar uses it: the room's view, joining and
// leaving, system lines, and the player menu asked for from a participant's name.
class TableChat
{
public:
    // A participant's name and a global screen position.
    using UserMenuCallback = std::function<void(const QString &name, const QPoint &globalPos)>;

    virtual ~TableChat() = default;

    // The view of the room; the side bar puts it into its chat area.
    virtual QWidget *widget() = 0;
    // Points the room at the chat room of the table and joins it.
    virtual void setTableRoom(qint32 tableId) = 0;
    // Leaves the room while the chat is connected; otherwise does nothing.
    virtual void leaveRoom() = 0;
    virtual bool isJoined() const = 0;
    // A text of the client's, which reads in the language of the moment.
    virtual void addSystemMessage(const ClientText &text) = 0;
    // Bits of room notices not to show: 1 own join and leave, 2 others' join and leave,
    // 4 own kick and ban, 8 others' kick and ban.
    virtual void setSuppressedNotices(int mask) = 0;
    virtual void setUserMenuCallback(UserMenuCallback callback) = 0;
};
