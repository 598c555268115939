#include "chat/xmpp/IqRoster.h"

#include "chat/xmpp/StanzaReader.h"
#include "chat/xmpp/XMPPNamespaces.h"
#include "chat/xmpp/XmlElement.h"

#include <QDebug>

namespace xmpp {

namespace {

int subscriptionBits(const XmlElement &item)
{
    const QString subscription = item.attribute(u"subscription");
    int bits = 0;
    if (subscription == QLatin1String("to"))
        bits = IqRoster::To;
    else if (subscription == QLatin1String("from"))
        bits = IqRoster::From;
    else if (subscription == QLatin1String("both"))
        bits = IqRoster::To | IqRoster::From;
    if (item.attribute(u"ask") == QLatin1String("subscribe"))
        bits |= IqRoster::Pending;
    return bits;
}

} // namespace

std::unique_ptr<IqRoster> readRoster(const XmlElement &query)
{
    auto roster = std::make_unique<IqRoster>();
    for (XmlElement element = firstChildElementNS(query, QStringLiteral("item"), ns::Roster);
         !element.isNull(); element = nextSiblingElementNS(element, QStringLiteral("item"), ns::Roster)) {
        IqRoster::Item item;
        item.jid = parseJid(element.attribute(u"jid"));
        if (item.jid.isEmpty()) {
            qWarning() << "Skipping roster item without address";
            continue;
        }
        item.remove = element.attribute(u"subscription") == QLatin1String("remove");
        item.subscription = subscriptionBits(element);
        // Servers send the name as an attribute; a child element is read as well.
        item.name = element.attribute(u"name");
        if (item.name.isEmpty())
            item.name = firstChildElementNS(element, QStringLiteral("name"), ns::Roster).text();
        item.group = firstChildElementNS(element, QStringLiteral("group"), ns::Roster).text();
        roster->items.append(item);
    }
    return roster;
}

} // namespace xmpp
