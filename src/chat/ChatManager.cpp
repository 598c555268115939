#include "chat/ChatManager.h"

#include "chat/ChatWindow.h"
#include "chat/XMPPChatManager.h"

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
    window->setOpenedLocally(local);
    window->move(0, 0);
}
