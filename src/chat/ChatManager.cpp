#include "chat/ChatManager.h"

#include "chat/ChatWindow.h"
#include "chat/XMPPChatManager.h"

#include <algorithm>

ChatManager::ChatManager(XMPPClient *client, PlayerDb *playerDb, QObject *parent)
    : QObject(parent), m_chatManager(std::make_unique<XMPPChatManager>(client)), m_playerDb(playerDb)
{
    connect(m_chatManager.get(), &XMPPChatManager::chatCreated, this, &ChatManager::onChatCreated);
}

ChatManager::~ChatManager() = default;

void ChatManager::reqestChat(const XMPPJid &jid)
{
    m_chatManager->chatWith(jid);
}

void ChatManager::onChatCreated(XMPPChat *chat, bool local)
{
    auto window = new ChatWindow(chat, m_playerDb, qobject_cast<QWidget *>(parent()));
    const QRect area = m_area ? m_area() : QRect();
    if (area.isValid()) {
        window->adjustSize();
        window->move(std::max(area.left(), area.right() + 1 - window->width()),
                     std::max(area.top(), area.bottom() + 1 - window->height()));
    } else {
        window->move(0, 0);
    }
    window->setOpenedLocally(local);
}
