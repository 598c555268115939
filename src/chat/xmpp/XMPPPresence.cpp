#include "chat/xmpp/XMPPPresence.h"

#include "chat/xmpp/XMPPElements.h"

XMPPPresence::XMPPPresence() : m_stanza(std::make_unique<xmpp::PresenceStanza>()) {}

XMPPPresence::XMPPPresence(const xmpp::PresenceStanza &stanza)
    : m_stanza(std::make_unique<xmpp::PresenceStanza>(stanza))
{
}

XMPPPresence::XMPPPresence(const XMPPPresence &other)
    : m_stanza(std::make_unique<xmpp::PresenceStanza>(*other.m_stanza))
{
}

XMPPPresence &XMPPPresence::operator=(const XMPPPresence &other)
{
    if (this != &other)
        m_stanza = std::make_unique<xmpp::PresenceStanza>(*other.m_stanza);
    return *this;
}

XMPPPresence::~XMPPPresence() = default;

XMPPJid XMPPPresence::from() const
{
    return m_stanza->from;
}

int XMPPPresence::availability() const
{
    switch (m_stanza->presenceType()) {
    case xmpp::PresenceError:
        return 0;
    case xmpp::Unavailable:
        return 1;
    default:
        break;
    }
    switch (m_stanza->show) {
    case 1:
        return 3;
    case 2:
        return 4;
    case 3:
        return 5;
    case 4:
        return 6;
    default:
        return 2;
    }
}

XMPPPresence::error_t XMPPPresence::error() const
{
    if (availability() != 0)
        return NoError;
    const int type = m_stanza->errorType;
    const int condition = m_stanza->errorCondition;
    if (type == xmpp::Auth && condition == xmpp::Forbidden)
        return Banned;
    if (type == xmpp::Auth && condition == xmpp::StanzaNotAuthorized)
        return PasswordProtected;
    if (type == xmpp::Auth && condition == xmpp::RegistrationRequired)
        return MembersOnly;
    if (type == xmpp::Cancel && condition == xmpp::ConditionConflict)
        return NicknameInUse;
    if (type == xmpp::Wait && condition == xmpp::ServiceUnavailable)
        return RoomFull;
    // A room still locked by its creator: some servers answer item-not-found.
    if ((type == xmpp::Wait && condition == xmpp::RecipientUnavailable)
        || (type == xmpp::Cancel && condition == xmpp::ItemNotFound))
        return RoomLocked;
    if (type == xmpp::Cancel && condition == xmpp::NotAllowed)
        return RoomMissing;
    return UndefinedError;
}

QString XMPPPresence::status() const
{
    return m_stanza->statuses.value(QStringLiteral("UND"));
}

bool XMPPPresence::isRoomUser() const
{
    return m_stanza->roomUser;
}

XMPPPresence::RoomItem XMPPPresence::roomItem() const
{
    const xmpp::RoomUserData &data = m_stanza->roomData;
    RoomItem item;
    item.actor = data.actor;
    item.reason = data.reason;
    item.nick = data.nick;
    item.jid = data.jid;
    item.affiliation = data.affiliation;
    item.role = data.role;
    item.continueThread = data.continueThread;
    return item;
}

bool XMPPPresence::isRoomDestroyed() const
{
    return m_stanza->roomData.destroyed;
}

QString XMPPPresence::roomDestroyReason() const
{
    return m_stanza->roomData.destroyReason;
}

QList<int> XMPPPresence::roomStatusCodes() const
{
    QList<int> codes;
    for (int number : m_stanza->roomData.statusCodes)
        codes.append(xmpp::mucStatusCodeFromNumber(number));
    return codes;
}

QSet<QString> XMPPPresence::tables() const
{
    return m_stanza->tables;
}

bool XMPPPresence::hasPhotoHash() const
{
    return !m_stanza->photoHash.isNull();
}

QByteArray XMPPPresence::photoHash() const
{
    return m_stanza->photoHash;
}

void setAvailability(int availability, xmpp::PresenceStanza &stanza)
{
    stanza.type = availability == 1 ? xmpp::presenceTypeName(xmpp::Unavailable) : QString();
    switch (availability) {
    case 0:
    case 1:
    case 2:
        stanza.show = 0;
        break;
    case 3:
        stanza.show = 1;
        break;
    case 4:
        stanza.show = 2;
        break;
    case 5:
        stanza.show = 3;
        break;
    case 6:
        stanza.show = 4;
        break;
    default:
        break;
    }
}

namespace {

int presenceRank(int availability)
{
    switch (availability) {
    case 2:
        return 5;
    case 4:
        return 4;
    case 3:
        return 3;
    case 6:
        return 2;
    case 5:
        return 1;
    default:
        return 0;
    }
}

} // namespace

bool presenceLessThan(const XMPPPresence &a, const XMPPPresence &b)
{
    const int rankB = presenceRank(b.availability());
    return rankB != 0 && presenceRank(a.availability()) < rankB;
}
