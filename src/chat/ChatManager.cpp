#include "chat/ChatManager.h"

#include "chat/ChatWindow.h"
#include "chat/XMPPChatManager.h"

#include <algorithm>

namespace {

// The place of a window of the given size inside the area that covers none of the places
// to keep clear, as near the area's bottom right corner as there is one; null for none.
QRect clearPlace(const QRect &area, const QSize &size, const QList<QRect> &keepClear)
{
    constexpr int step = 4;
    for (int y = area.bottom() + 1 - size.height(); y >= area.top(); y -= step) {
        for (int x = area.right() + 1 - size.width(); x >= area.left(); x -= step) {
            const QRect place(QPoint(x, y), size);
            if (std::none_of(keepClear.begin(), keepClear.end(), [&place](const QRect &r) { return r.intersects(place); }))
                return place;
        }
    }
    return {};
}

} // namespace

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
    const QRect area = m_area ? m_area() : QRect();
    if (area.isValid()) {
        window->adjustSize();
        const QList<QRect> keepClear = m_keepClear ? m_keepClear() : QList<QRect>();
        // At its size, else as narrow as it goes, else as small.
        const QSize least = window->minimumSizeHint();
        QRect place;
        for (const QSize size : {window->size(), QSize(least.width(), window->height()), least}) {
            if (place.isNull())
                place = clearPlace(area, size, keepClear);
        }
        if (place.isNull())
            place = QRect(QPoint(std::max(area.left(), area.right() + 1 - window->width()),
                                 std::max(area.top(), area.bottom() + 1 - window->height())),
                          window->size());
        window->setGeometry(place);
    } else {
        window->move(0, 0);
    }
    m_windows.append(window);
    window->setOpenedLocally(local);
}
