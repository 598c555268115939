#pragma once

#include <QLatin1String>

// The XML namespaces of the chat stream.
namespace xmpp::ns {

inline constexpr QLatin1String Client("jabber:client");
inline constexpr QLatin1String Streams("http://etherx.jabber.org/streams");
inline constexpr QLatin1String StreamErrors("urn:ietf:params:xml:ns:xmpp-streams");
inline constexpr QLatin1String Tls("urn:ietf:params:xml:ns:xmpp-tls");
inline constexpr QLatin1String Sasl("urn:ietf:params:xml:ns:xmpp-sasl");
inline constexpr QLatin1String Bind("urn:ietf:params:xml:ns:xmpp-bind");
inline constexpr QLatin1String Session("urn:ietf:params:xml:ns:xmpp-session");
inline constexpr QLatin1String Stanzas("urn:ietf:params:xml:ns:xmpp-stanzas");
inline constexpr QLatin1String DiscoInfo("http://jabber.org/protocol/disco#info");
inline constexpr QLatin1String DiscoItems("http://jabber.org/protocol/disco#items");
inline constexpr QLatin1String Muc("http://jabber.org/protocol/muc");
inline constexpr QLatin1String MucUser("http://jabber.org/protocol/muc#user");
inline constexpr QLatin1String MucOwner("http://jabber.org/protocol/muc#owner");
inline constexpr QLatin1String DataForms("jabber:x:data");
inline constexpr QLatin1String VCardUpdate("vcard-temp:x:update");
inline constexpr QLatin1String Delay("urn:xmpp:delay");
inline constexpr QLatin1String LegacyDelay("jabber:x:delay");
// Our own presence extension: the tables at which a player sits.
inline constexpr QLatin1String TablePresence("http://pellandor.net/protocol/tablepresence");

} // namespace xmpp::ns
