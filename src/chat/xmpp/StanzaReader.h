#pragma once

#include <QDateTime>
#include "chat/xmpp/XmlElement.h"

#include <memory>
#include <optional>

#include "chat/xmpp/XMPPElements.h"

// Readers of the stanzas in "jabber:client". Faults in what another user sent stay
// inside the stanza: a field that cannot be read is ignored, and only a stanza whose
// header cannot be read is refused with xmpp::stream_parse_error.
namespace xmpp {

// The first child (or next sibling) element with this local name in this namespace.
XmlElement firstChildElementNS(const XmlElement &parent, const QString &tagName,
                                const QString &namespaceURI);
XmlElement nextSiblingElementNS(const XmlElement &element, const QString &tagName,
                                 const QString &namespaceURI);
// The first child element with this local name, in any namespace.
XmlElement firstChildNamed(const XmlElement &parent, const QString &tagName);

std::unique_ptr<Stanza> parseStanza(const XmlElement &element);
std::unique_ptr<Iq> parseIq(const XmlElement &element);
std::unique_ptr<PresenceStanza> parsePresence(const XmlElement &element);
std::unique_ptr<MessageStanza> readMessage(const XmlElement &element);

// Delayed delivery in the current and the legacy form; nothing when the record
// cannot be read.
std::optional<DelayedDeliveryInfo> readDelay(const XmlElement &delay);
std::optional<DelayedDeliveryInfo> readLegacyDelay(const XmlElement &x);
// A date-time stamp with optional fraction of any length and "Z" or a numeric offset,
// converted to UTC; an invalid QDateTime when the text is none.
QDateTime parseDelayStamp(const QString &text);

QByteArray parsePhotoHash(const XmlElement &x);
RoomUserData readRoomUserData(const XmlElement &x);
int presenceShowFromName(const QString &text);

} // namespace xmpp
