#include "chat/ChatNotices.h"

QString ChatNotices::reconnectStopped(XMPPClient::ReconnectStop why)
{
    if (why == XMPPClient::LoggedInElsewhere)
        return tr("The chat is disconnected: your account has logged in to the chat elsewhere. "
                  "It does not reconnect by itself.");
    return tr("The chat is disconnected: the chat server refuses your account. It does not reconnect by itself.");
}
