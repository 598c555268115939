#pragma once

#include "chat/xmpp/XMPPJid.h"

#include <QList>
#include <QObject>
#include <QRect>
#include <QSize>
#include <QPointer>

#include <functional>
#include <memory>

class ChatWindow;
class PlayerDb;
class XMPPChat;
class XMPPChatManager;
class XMPPClient;

// Opens a "Manager chat" window for every one-to-one chat, started by the user or by
// a message that came in: one window per user, which the user's request brings to the
// front when it is open already.
class ChatManager : public QObject
{
    Q_OBJECT

public:
    ChatManager(XMPPClient *client, PlayerDb *playerDb, QObject *parent = nullptr);
    ~ChatManager() override;

    XMPPChatManager *chatManager() const { return m_chatManager.get(); }
    // Where a new chat window opens, in its parent's coordinates: inside the area, clear
    // of the places to keep clear (the controls a player may need), as near its bottom
    // right corner as it finds room, at its size or else narrower or smaller; where there
    // is no such room, at the area's bottom right corner. Without an area, at the
    // parent's top left corner.
    void setArea(std::function<QRect()> area) { m_area = std::move(area); }
    void setKeepClear(std::function<QList<QRect>()> keepClear) { m_keepClear = std::move(keepClear); }

public slots:
    void reqestChat(const XMPPJid &jid);
    void onChatCreated(XMPPChat *chat, bool local);

private:
    std::unique_ptr<XMPPChatManager> m_chatManager;
    PlayerDb *m_playerDb;
    std::function<QRect()> m_area;
    std::function<QList<QRect>()> m_keepClear;
    QList<QPointer<ChatWindow>> m_windows;
};
