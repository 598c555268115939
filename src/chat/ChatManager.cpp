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
    XMPPChat *chat = m_chatManager->chatWith(jid);
    m_windows.removeAll(nullptr);
    for (ChatWindow *window : std::as_const(m_windows)) {
        if (window->chat() == chat) {
            window->setOpenedLocally(true);
            window->raise();
            window->activateWindow();
        }
    }
}

void ChatManager::onChatCreated(XMPPChat *chat, bool local)
{
    auto window = new ChatWindow(chat, m_playerDb, qobject_cast<QWidget *>(parent()));
    m_windows.append(window);
    window->setOpenedLocally(local);
    window->move(0, 0);
}
