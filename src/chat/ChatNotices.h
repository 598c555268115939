#pragma once

#include "chat/xmpp/XMPPClient.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class QLineEdit;

// The notices about the chat connection that room views and chat windows share.
class ChatNotices
{
    Q_DECLARE_TR_FUNCTIONS(ChatNotices)

public:
    // Why the chat stays disconnected.
    static QString reconnectStopped(XMPPClient::ReconnectStop why);
    // A line the server did not get; its text is back in the input.
    static QString notSent();
    // Puts the lines the server did not get back into the input, before what was typed
    // since, to be sent again.
    static void putBack(QLineEdit *input, QStringList lines);
};
