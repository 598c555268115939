#pragma once

#include "table/sidebar/TableChat.h"

#include <QPointer>

class ChatController;
class ConferenceWidget;

// The chat room of a table for the side bar: a room view over the chat context.
class ConferenceTableChat : public TableChat
{
public:
    explicit ConferenceTableChat(ChatController *context);
    ~ConferenceTableChat() override;

    QWidget *widget() override;
    void setTableRoom(qint32 tableId) override;
    void leaveRoom() override;
    bool isJoined() const override;
    void addSystemMessage(const ClientText &text) override;
    void setSuppressedNotices(int mask) override;
    void setUserMenuCallback(UserMenuCallback callback) override;

private:
    // Owned by the side bar once it sits in its layout.
    QPointer<ConferenceWidget> m_view;
};
