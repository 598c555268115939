#pragma once

#include <QString>

// The XML namespaces of the chat stream.
namespace xmpp::ns {

inline const QString Client = QStringLiteral("jabber:client");
inline const QString Streams = QStringLiteral("http://etherx.jabber.org/streams");
inline const QString StreamErrors = QStringLiteral("urn:ietf:params:xml:ns:xmpp-streams");
inline const QString Tls = QStringLiteral("urn:ietf:params:xml:ns:xmpp-tls");
inline const QString Sasl = QStringLiteral("urn:ietf:params:xml:ns:xmpp-sasl");
inline const QString Bind = QStringLiteral("urn:ietf:params:xml:ns:xmpp-bind");
inline const QString Session = QStringLiteral("urn:ietf:params:xml:ns:xmpp-session");
inline const QString Stanzas = QStringLiteral("urn:ietf:params:xml:ns:xmpp-stanzas");
inline const QString DiscoInfo = QStringLiteral("http://jabber.org/protocol/disco#info");
inline const QString DiscoItems = QStringLiteral("http://jabber.org/protocol/disco#items");
inline const QString Muc = QStringLiteral("http://jabber.org/protocol/muc");
inline const QString MucUser = QStringLiteral("http://jabber.org/protocol/muc#user");
inline const QString MucOwner = QStringLiteral("http://jabber.org/protocol/muc#owner");
inline const QString DataForms = QStringLiteral("jabber:x:data");
inline const QString Roster = QStringLiteral("jabber:iq:roster");
inline const QString Search = QStringLiteral("jabber:iq:search");
inline const QString VCard = QStringLiteral("vcard-temp");
inline const QString VCardUpdate = QStringLiteral("vcard-temp:x:update");
inline const QString Delay = QStringLiteral("urn:xmpp:delay");
inline const QString LegacyDelay = QStringLiteral("jabber:x:delay");
inline const QString Ping = QStringLiteral("urn:xmpp:ping");
inline const QString Time = QStringLiteral("urn:xmpp:time");
inline const QString StreamManagement = QStringLiteral("urn:xmpp:sm:3");
inline const QString StanzaId = QStringLiteral("urn:xmpp:sid:0");
// Our own presence extension: the tables at which a player sits.
inline const QString TablePresence = QStringLiteral("http://pellandor.net/protocol/tablepresence");

} // namespace xmpp::ns
