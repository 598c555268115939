#pragma once

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QSet>
#include <QString>

#include <memory>

#include "chat/xmpp/XMPPJid.h"

namespace xmpp {
class PresenceStanza;
}

// One received presence with the values the windows derive from it.
class XMPPPresence
{
public:
    enum error_t {
        NoError = 0,
        UndefinedError = 1,
        Banned = 2,
        PasswordProtected = 3,
        MembersOnly = 4,
        NicknameInUse = 5,
        RoomFull = 6,
        RoomLocked = 7,
        RoomMissing = 8,
    };

    struct RoomItem
    {
        QString actor;
        QString reason;
        QString nick;
        QString jid;
        int affiliation = 0;
        int role = 0;
        QString continueThread;
    };

    XMPPPresence();
    explicit XMPPPresence(const xmpp::PresenceStanza &stanza);
    XMPPPresence(const XMPPPresence &other);
    XMPPPresence &operator=(const XMPPPresence &other);
    ~XMPPPresence();

    XMPPJid from() const;
    int availability() const;
    error_t error() const;
    QString status() const;
    bool isRoomUser() const;
    RoomItem roomItem() const;
    // The room is gone: its owner destroyed it.
    bool isRoomDestroyed() const;
    // Why the room was destroyed, in its owner's words; null without them.
    QString roomDestroyReason() const;
    QList<int> roomStatusCodes() const;
    QSet<QString> tables() const;
    bool hasPhotoHash() const;
    QByteArray photoHash() const;

    const xmpp::PresenceStanza &stanza() const { return *m_stanza; }

private:
    std::unique_ptr<xmpp::PresenceStanza> m_stanza;
};

// The own presence's type and show from an availability number.
void setAvailability(int availability, xmpp::PresenceStanza &stanza);
// Orders the presences of one contact's resources; the best one is the maximum.
bool presenceLessThan(const XMPPPresence &a, const XMPPPresence &b);

Q_DECLARE_METATYPE(XMPPPresence)
