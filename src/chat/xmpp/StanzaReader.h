#pragma once

#include <QDateTime>
#include <QDomElement>

#include <memory>
#include <optional>

#include "chat/xmpp/XMPPElements.h"

// Readers of the stanzas in "jabber:client". Faults in what another user sent stay
// inside the stanza: a field that cannot be read is ignored, and only a stanza whose
// header cannot be read is refused with xmpp::stream_parse_error.
namespace xmpp {

// The first child (or next sibling) element with this local name in this namespace.
QDomElement firstChildElementNS(const QDomElement &parent, const QString &tagName,
                                const QString &namespaceURI);
QDomElement nextSiblingElementNS(const QDomElement &element, const QString &tagName,
                                 const QString &namespaceURI);
// The first child element with this local name, in any namespace.
QDomElement firstChildNamed(const QDomElement &parent, const QString &tagName);

std::unique_ptr<Stanza> parseStanza(const QDomElement &element);
std::unique_ptr<Iq> parseIq(const QDomElement &element);
std::unique_ptr<PresenceStanza> parsePresence(const QDomElement &element);
std::unique_ptr<MessageStanza> readMessage(const QDomElement &element);

// Delayed delivery in the current and the legacy form; nothing when the record
// cannot be read.
std::optional<DelayedDeliveryInfo> readDelay(const QDomElement &delay);
std::optional<DelayedDeliveryInfo> readLegacyDelay(const QDomElement &x);
// A date-time stamp with optional fraction of any length and "Z" or a numeric offset,
// converted to UTC; an invalid QDateTime when the text is none.
QDateTime parseDelayStamp(const QString &text);

QByteArray parsePhotoHash(const QDomElement &x);
RoomUserData readRoomUserData(const QDomElement &x);
int presenceShowFromName(const QString &text);

} // namespace xmpp
