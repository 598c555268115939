#pragma once

#include "chat/xmpp/XMPPJid.h"

#include <QObject>
#include <QRect>

#include <functional>
#include <memory>

class PlayerDb;
class XMPPChat;
class XMPPChatManager;
class XMPPClient;

// Opens a "Manager chat" window for every one-to-one chat, started by the user or by
// a message that came in.
class ChatManager : public QObject
{
    Q_OBJECT

public:
    ChatManager(XMPPClient *client, PlayerDb *playerDb, QObject *parent = nullptr);
    ~ChatManager() override;

    XMPPChatManager *chatManager() const { return m_chatManager.get(); }
    // Where a new chat window opens, in its parent's coordinates: at the area's bottom
    // right corner. Without an area, at the parent's top left corner.
    void setArea(std::function<QRect()> area) { m_area = std::move(area); }

public slots:
    void reqestChat(const XMPPJid &jid);
    void onChatCreated(XMPPChat *chat, bool local);

private:
    std::unique_ptr<XMPPChatManager> m_chatManager;
    PlayerDb *m_playerDb;
    std::function<QRect()> m_area;
};
