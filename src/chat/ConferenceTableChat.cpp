#include "chat/ConferenceTableChat.h"

#include "chat/ConferenceWidget.h"

ConferenceTableChat::ConferenceTableChat(ChatController *context) : m_view(new ConferenceWidget(nullptr, 0))
{
    m_view->setXmppContext(context);
}

ConferenceTableChat::~ConferenceTableChat()
{
    if (m_view && !m_view->parent())
        delete m_view.data();
}

QWidget *ConferenceTableChat::widget()
{
    return m_view;
}

void ConferenceTableChat::setTableRoom(qint32 tableId)
{
    if (m_view)
        m_view->setTableRoom(tableId);
}

void ConferenceTableChat::leaveRoom()
{
    if (m_view)
        m_view->leaveRoom();
}

bool ConferenceTableChat::isJoined() const
{
    return m_view && m_view->conference()->isJoined();
}

void ConferenceTableChat::addSystemMessage(const ClientText &text)
{
    if (m_view)
        m_view->addSystemMessage(text);
}

void ConferenceTableChat::setSuppressedNotices(int mask)
{
    if (m_view)
        m_view->setSuppressedNotices(mask);
}

void ConferenceTableChat::setUserMenuCallback(UserMenuCallback callback)
{
    if (!m_view)
        return;
    QObject::disconnect(m_view, &ConferenceWidget::userMenuRequested, nullptr, nullptr);
    if (callback)
        QObject::connect(m_view, &ConferenceWidget::userMenuRequested, m_view, std::move(callback));
}
