#pragma once

#include "chat/xmpp/XMPPClient.h"

#include <QCoreApplication>
#include <QString>

// The notices about the chat connection that room views and chat windows share.
class ChatNotices
{
    Q_DECLARE_TR_FUNCTIONS(ChatNotices)

public:
    // Why the chat stays disconnected.
    static QString reconnectStopped(XMPPClient::ReconnectStop why);
};
