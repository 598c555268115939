#pragma once

#include "app/ClientText.h"
#include "chat/xmpp/XMPPClient.h"

#include <QCoreApplication>
#include <QString>

class XMPPMessage;

// The notices about the user's lines and the chat connection that room views and chat
// windows share. Where the input a line went back into cannot be used, the notice
// quotes the line, as the input cannot give it back. Each reads in the language of the
// moment, the quoted line and the servers' words as they came.
class ChatNotices
{
    Q_DECLARE_TR_FUNCTIONS(ChatNotices)

public:
    // Why the chat stays disconnected.
    static ClientText reconnectStopped(XMPPClient::ReconnectStop why);
    // A line the server did not get; its text is back in the input, which the notice
    // offers where it can be used.
    static ClientText notSent(bool inputUsable);
    // A line that the server, or a room, may not have got, as the chat was lost before
    // it confirmed the line and nobody can tell; its text is back in the input.
    static ClientText perhapsNotSent();
    // A line the room refused with the error given; its text is back in the input.
    static ClientText refused(const QString &text, const XMPPMessage &error, bool inputUsable);
    // A line the room will not pass on, as the user is no longer in it; its text is
    // back in the input, which cannot be used out of the room.
    static ClientText notInRoom(const QString &text);
    // A one-to-one line that the server refused to pass on with the error given, after
    // it may have shown as said; its text is back in the input.
    static ClientText undelivered(const QString &text, const XMPPMessage &error);
    // A line offered again that the room had after all: taken out of the input, or
    // in the user's edit of the input, which stays.
    static ClientText sentAfterAll(const QString &text, bool editKept);

private:
    enum Addressee { User, Room };
    // The refusal's error in plain words in the player's language, with the sender's
    // words where they are in it too.
    static ClientText refusalReason(const XMPPMessage &error, Addressee to);
    static ClientText conditionReason(int condition, Addressee to);
    // Whether text in the language of the code given is in the player's.
    static bool inPlayersLanguage(const QString &language);
};
