#pragma once

#include "chat/xmpp/XMPPClient.h"

#include <QCoreApplication>
#include <QString>

// The notices about the user's lines and the chat connection that room views and chat
// windows share.
class ChatNotices
{
    Q_DECLARE_TR_FUNCTIONS(ChatNotices)

public:
    // Why the chat stays disconnected.
    static QString reconnectStopped(XMPPClient::ReconnectStop why);
    // A line the server did not get; its text is back in the input, which the notice
    // offers where it can be used.
    static QString notSent(bool inputUsable);
    // A line the room refused, for the reason given in its words; its text is back in
    // the input, which the notice offers where it can be used.
    static QString refused(const QString &reason, bool inputUsable);
    // A one-to-one line that the server refused to pass on, for the reason given in its
    // words, after it may have shown as said; its text is back in the input.
    static QString undelivered(const QString &text, const QString &reason);
    // A line offered again that the room had after all: taken out of the input, or
    // in the user's edit of the input, which stays.
    static QString sentAfterAll(const QString &text, bool editKept);
};
