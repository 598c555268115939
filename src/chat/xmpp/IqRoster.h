#pragma once

#include <QList>
#include <QString>

#include <memory>

#include "chat/xmpp/XMPPElements.h"

namespace xmpp {

class XmlElement;

// A roster query ("jabber:iq:roster"): the whole roster asked for, its answer, a push
// of changed entries, or a change asked of the server.
class IqRoster : public Iq
{
public:
    enum { Kind = 18 };

    // Subscription bits of an entry.
    enum Subscription { To = 1, From = 2, Pending = 4 };

    struct Item
    {
        XMPPJid jid;
        int subscription = 0;
        bool remove = false;
        QString name;
        QString group;
    };

    IqRoster() = default;
    // A request for the whole roster.
    explicit IqRoster(const QString &id) : Iq(id, XMPPJid(), Get) {}
    // A change of the given entries.
    IqRoster(const QList<Item> &items, const QString &id) : Iq(id, XMPPJid(), Set), items(items) {}
    int kind() const override { return Kind; }

    QList<Item> items;
};

// The entries of a received "query" element; throws stream_parse_error for an
// unreadable address.
std::unique_ptr<IqRoster> readRoster(const XmlElement &query);

} // namespace xmpp
