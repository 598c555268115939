#include "chat/xmpp/StanzaReader.h"

#include "chat/xmpp/IqRoster.h"
#include "chat/xmpp/IqSearch.h"
#include "chat/xmpp/IqVCard.h"
#include "chat/xmpp/XMPPNamespaces.h"

#include <QDebug>
#include <QRegularExpression>

namespace xmpp {

namespace {

const QString Und = QStringLiteral("UND");
// A sender's words on an error or in a room's reason, and its own id of a message, are
// kept up to these lengths: enough for any honest one.
constexpr qsizetype MaxErrorTextLength = 500;
constexpr qsizetype MaxOriginIdLength = 128;

// Reads an optional address attribute; an unreadable one is logged and left out.
QString optionalJid(const XmlElement &element, const QString &attribute)
{
    const QString text = element.attribute(attribute);
    if (text.isEmpty())
        return QString();
    try {
        return parseJid(text).toString();
    } catch (const stream_parse_error &e) {
        qWarning() << "Ignoring unreadable address:" << e.what();
        return QString();
    }
}

void readHeader(const XmlElement &element, Stanza &stanza)
{
    const QString to = element.attribute(QStringLiteral("to"));
    if (!to.isEmpty())
        stanza.to = parseJid(to);
    const QString from = element.attribute(QStringLiteral("from"));
    if (!from.isEmpty())
        stanza.from = parseJid(from);
    stanza.id = element.attribute(QStringLiteral("id"));
    stanza.type = element.attribute(QStringLiteral("type"));
    stanza.lang = element.attribute(QStringLiteral("lang"));
}

void readError(const XmlElement &element, Stanza &stanza)
{
    const XmlElement error = firstChildNamed(element, QStringLiteral("error"));
    if (stanza.type != QLatin1String("error")) {
        if (!error.isNull())
            qWarning() << "Ignoring the error element of a non-error stanza, id" << stanza.id;
        return;
    }
    // An error reply whose details cannot be read still counts as an error of
    // undefined kind, so that the request it answers is not left waiting.
    stanza.errorType = Cancel;
    stanza.errorCondition = StanzaUndefinedCondition;
    if (error.isNull()) {
        qWarning() << "error stanza didn't include an error tag, id" << stanza.id;
        return;
    }
    const int type = stanzaErrorTypeFromName(error.attribute(QStringLiteral("type")));
    if (type > 0)
        stanza.errorType = type;
    else
        qWarning() << "unknown stanza error type" << error.attribute(QStringLiteral("type"));
    XmlElement condition = error.firstChildElement();
    if (condition.localName() == QLatin1String("text"))
        condition = condition.nextSiblingElement();
    const XmlElement text = firstChildElementNS(error, QStringLiteral("text"), ns::Stanzas);
    if (!text.isNull())
        stanza.errorText = text.text().left(MaxErrorTextLength);
    const int code = stanzaErrorConditionFromName(condition.localName());
    if (code > 0)
        stanza.errorCondition = code;
    else
        qWarning() << "unknown stanza error condition" << condition.localName();
}

// A room item's affiliation or role; an empty or unknown one counts as "none".
int roomItemValue(int value, const char *what, const QString &text)
{
    if (value >= 0)
        return value;
    if (!text.isEmpty())
        qWarning() << "invalid muc" << what << "data" << text;
    return 0;
}

std::unique_ptr<Iq> readBind(const XmlElement &bind)
{
    auto iq = std::make_unique<IqBind>();
    const XmlElement resource = firstChildNamed(bind, QStringLiteral("resource"));
    if (!resource.isNull())
        iq->resource = resource.text();
    const XmlElement jid = firstChildNamed(bind, QStringLiteral("jid"));
    if (!jid.isNull())
        iq->jid = parseJid(jid.text()).toString();
    return iq;
}

std::unique_ptr<Iq> readDiscoInfo(const XmlElement &query)
{
    auto iq = std::make_unique<IqDiscoInfo>();
    for (XmlElement child = query.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (child.localName() == QLatin1String("identity")) {
            iq->identities.append({child.attribute(QStringLiteral("category")),
                                   child.attribute(QStringLiteral("name")),
                                   child.attribute(QStringLiteral("type"))});
        } else if (child.localName() == QLatin1String("feature")) {
            iq->features.append(child.attribute(QStringLiteral("var")));
        }
    }
    return iq;
}

std::unique_ptr<Iq> readDiscoItems(const XmlElement &query)
{
    auto iq = std::make_unique<IqDiscoItems>();
    for (XmlElement child = query.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (child.localName() != QLatin1String("item"))
            continue;
        IqDiscoItems::Item item;
        try {
            item.jid = parseJid(child.attribute(QStringLiteral("jid")));
        } catch (const stream_parse_error &e) {
            qWarning() << "Skipping disco item:" << e.what();
            continue;
        }
        item.name = child.attribute(QStringLiteral("name"));
        item.node = child.attribute(QStringLiteral("node"));
        iq->items.append(item);
    }
    return iq;
}

} // namespace

XmlElement firstChildElementNS(const XmlElement &parent, const QString &tagName,
                                const QString &namespaceURI)
{
    for (XmlElement child = parent.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (child.localName() == tagName && child.namespaceURI() == namespaceURI)
            return child;
    }
    return XmlElement();
}

XmlElement nextSiblingElementNS(const XmlElement &element, const QString &tagName,
                                 const QString &namespaceURI)
{
    for (XmlElement sibling = element.nextSiblingElement(); !sibling.isNull();
         sibling = sibling.nextSiblingElement()) {
        if (sibling.localName() == tagName && sibling.namespaceURI() == namespaceURI)
            return sibling;
    }
    return XmlElement();
}

XmlElement firstChildNamed(const XmlElement &parent, const QString &tagName)
{
    for (XmlElement child = parent.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (child.localName() == tagName)
            return child;
    }
    return XmlElement();
}

std::unique_ptr<Stanza> parseStanza(const XmlElement &element)
{
    const QString name = element.localName();
    std::unique_ptr<Stanza> stanza;
    if (name == QLatin1String("message"))
        stanza = readMessage(element);
    else if (name == QLatin1String("iq"))
        stanza = parseIq(element);
    else if (name == QLatin1String("presence"))
        stanza = parsePresence(element);
    else
        throw stream_parse_error(UnsupportedStanzaType, QString());
    readHeader(element, *stanza);
    if (name == QLatin1String("iq")) {
        const QString &type = stanza->type;
        if (type != QLatin1String("get") && type != QLatin1String("set")
            && type != QLatin1String("result") && type != QLatin1String("error"))
            throw stream_parse_error(BadFormat,
                                     QStringLiteral("invalid iq type attribute <%1>").arg(type));
    }
    readError(element, *stanza);
    return stanza;
}

std::unique_ptr<Iq> parseIq(const XmlElement &element)
{
    const XmlElement payload = element.firstChildElement();
    const QString ns = payload.namespaceURI();
    const QString name = payload.localName();
    if (ns == ns::Bind && name == QLatin1String("bind"))
        return readBind(payload);
    if (ns == ns::Session && name == QLatin1String("session"))
        return std::make_unique<IqSession>();
    if (ns == ns::DiscoInfo && name == QLatin1String("query"))
        return readDiscoInfo(payload);
    if (ns == ns::DiscoItems && name == QLatin1String("query"))
        return readDiscoItems(payload);
    if (ns == ns::Roster && name == QLatin1String("query"))
        return readRoster(payload);
    if (ns == ns::VCard && name == QLatin1String("vCard"))
        return readVCard(payload);
    if (ns == ns::Search && name == QLatin1String("query"))
        return IqSearch::read(payload);
    if (ns == ns::Time && name == QLatin1String("time")) {
        auto time = std::make_unique<IqTime>();
        time->utc = parseDelayStamp(firstChildNamed(payload, QStringLiteral("utc")).text().trimmed());
        return time;
    }
    return std::make_unique<Iq>();
}

std::unique_ptr<PresenceStanza> parsePresence(const XmlElement &element)
{
    std::unique_ptr<PresenceStanza> presence;
    if (element.firstDescendant(u"x", ns::Muc).isNull())
        presence = std::make_unique<PresenceStanza>();
    else
        presence = std::make_unique<MucPresenceStanza>();

    const XmlElement user = firstChildElementNS(element, QStringLiteral("x"), ns::MucUser);
    if (!user.isNull()) {
        presence->roomUser = true;
        presence->roomData = readRoomUserData(user);
    }

    const XmlElement tables =
        firstChildElementNS(element, QStringLiteral("tables"), ns::TablePresence);
    for (XmlElement path = tables.firstChildElement(); !path.isNull();
         path = path.nextSiblingElement()) {
        if (path.localName() == QLatin1String("path"))
            presence->tables.insert(path.text());
    }

    const XmlElement update = firstChildElementNS(element, QStringLiteral("x"), ns::VCardUpdate);
    if (!update.isNull())
        presence->photoHash = parsePhotoHash(update);

    const XmlElement show = firstChildNamed(element, QStringLiteral("show"));
    if (!show.isNull())
        presence->show = presenceShowFromName(show.text());

    for (XmlElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (child.localName() != QLatin1String("status"))
            continue;
        const QString lang = child.attribute(QStringLiteral("lang"));
        presence->statuses.insert(lang.isEmpty() ? Und : lang, child.text());
    }

    const XmlElement priority = firstChildNamed(element, QStringLiteral("priority"));
    const QString priorityText = priority.text();
    if (!priorityText.isEmpty()) {
        bool ok = false;
        const int value = priorityText.toInt(&ok);
        if (ok && value >= -128 && value <= 127)
            presence->priority = value;
        else
            qWarning() << "invalid presence priority" << priorityText;
    }
    return presence;
}

std::unique_ptr<MessageStanza> readMessage(const XmlElement &element)
{
    auto message = std::make_unique<MessageStanza>();
    // A server puts its stamp after any the sender wrote: all are kept.
    QList<DelayedDeliveryInfo> legacyDelays;
    bool threadRead = false;
    for (XmlElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const QString name = child.localName();
        if (name == QLatin1String("delay") && child.namespaceURI() == ns::Delay) {
            if (const std::optional<DelayedDeliveryInfo> delay = readDelay(child))
                message->delays.append(*delay);
        } else if (name == QLatin1String("stanza-id") && child.namespaceURI() == ns::StanzaId) {
            const QString id = child.attribute(QStringLiteral("id"));
            try {
                if (!id.isEmpty())
                    message->stanzaIds.append({parseJid(child.attribute(QStringLiteral("by"))), id});
            } catch (const stream_parse_error &e) {
                qWarning() << "Dropping stanza id:" << e.what();
            }
        } else if (name == QLatin1String("origin-id") && child.namespaceURI() == ns::StanzaId) {
            if (message->originId.isNull())
                message->originId = child.attribute(QStringLiteral("id")).left(MaxOriginIdLength);
        } else if (name == QLatin1String("x") && child.namespaceURI() == ns::LegacyDelay) {
            if (const std::optional<DelayedDeliveryInfo> delay = readLegacyDelay(child))
                legacyDelays.append(*delay);
        } else if (name == QLatin1String("body") || name == QLatin1String("subject")) {
            const QString lang = child.attribute(QStringLiteral("lang"));
            auto &texts = name == QLatin1String("body") ? message->bodies : message->subjects;
            texts.insert(lang.isEmpty() ? Und : lang, child.text());
        } else if (name == QLatin1String("thread") && !threadRead) {
            message->thread = child.text();
            threadRead = true;
        }
    }
    if (message->delays.isEmpty())
        message->delays = legacyDelays;
    return message;
}

namespace {

// The sender and time of a delayed message; none when either cannot be read.
template <typename ReadStamp>
std::optional<DelayedDeliveryInfo> readDelayAttributes(const XmlElement &element, ReadStamp readStamp)
{
    DelayedDeliveryInfo info;
    try {
        info.from = parseJid(element.attribute(QStringLiteral("from")));
    } catch (const stream_parse_error &e) {
        qWarning() << "Dropping delay:" << e.what();
        return std::nullopt;
    }
    const QString stamp = element.attribute(QStringLiteral("stamp"));
    info.stamp = readStamp(stamp);
    if (!info.stamp.isValid()) {
        qWarning() << "Dropping delay with unreadable stamp" << stamp;
        return std::nullopt;
    }
    return info;
}

} // namespace

std::optional<DelayedDeliveryInfo> readDelay(const XmlElement &delay)
{
    return readDelayAttributes(delay, parseDelayStamp);
}

std::optional<DelayedDeliveryInfo> readLegacyDelay(const XmlElement &x)
{
    return readDelayAttributes(x, [](const QString &stamp) {
        QDateTime legacy = QDateTime::fromString(stamp, QStringLiteral("yyyyMMddThh:mm:ss"));
        legacy.setTimeSpec(Qt::UTC);
        return legacy.isValid() ? legacy : parseDelayStamp(stamp);
    });
}

QDateTime parseDelayStamp(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral(
        "^(\\d{4})-(\\d{2})-(\\d{2})T(\\d{2}):(\\d{2}):(\\d{2})(?:\\.(\\d+))?(?:Z|([+-])(\\d{2}):(\\d{2}))$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return QDateTime();
    const QDate date(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
    // Fractions of any length; only milliseconds are kept.
    const int msecs = QString(match.captured(7) + QStringLiteral("000")).left(3).toInt();
    const QTime time(match.captured(4).toInt(), match.captured(5).toInt(),
                     match.captured(6).toInt(), msecs);
    if (!date.isValid() || !time.isValid())
        return QDateTime();
    QDateTime stamp(date, time, Qt::UTC);
    if (!match.captured(8).isEmpty()) {
        const int hours = match.captured(9).toInt();
        const int minutes = match.captured(10).toInt();
        if (hours > 23 || minutes > 59)
            return QDateTime();
        const int offset = (hours * 60 + minutes) * 60;
        stamp = stamp.addSecs(match.captured(8) == QLatin1String("+") ? -offset : offset);
    }
    return stamp;
}

QByteArray parsePhotoHash(const XmlElement &x)
{
    const XmlElement photo = firstChildNamed(x, QStringLiteral("photo"));
    if (photo.isNull())
        return QByteArray();
    QByteArray hash = QByteArray::fromHex(photo.text().toLatin1());
    if (hash.isNull())
        hash = QByteArray("");
    return hash;
}

RoomUserData readRoomUserData(const XmlElement &x)
{
    RoomUserData data;
    const XmlElement item = firstChildNamed(x, QStringLiteral("item"));
    if (!item.isNull()) {
        data.jid = optionalJid(item, QStringLiteral("jid"));
        const QString affiliation = item.attribute(QStringLiteral("affiliation"));
        data.affiliation = roomItemValue(mucAffiliationFromName(affiliation), "affiliation", affiliation);
        const QString role = item.attribute(QStringLiteral("role"));
        data.role = roomItemValue(mucRoleFromName(role), "role", role);
        data.nick = item.attribute(QStringLiteral("nick"));
        const XmlElement actor = firstChildNamed(item, QStringLiteral("actor"));
        if (!actor.isNull())
            data.actor = optionalJid(actor, QStringLiteral("jid"));
        const XmlElement reason = firstChildNamed(item, QStringLiteral("reason"));
        if (!reason.isNull())
            data.reason = reason.text().left(MaxErrorTextLength);
        const XmlElement continueThread = firstChildNamed(item, QStringLiteral("continue"));
        if (!continueThread.isNull())
            data.continueThread = continueThread.attribute(QStringLiteral("thread"));
    }
    const XmlElement destroy = firstChildNamed(x, QStringLiteral("destroy"));
    if (!destroy.isNull()) {
        data.destroyed = true;
        const XmlElement reason = firstChildNamed(destroy, QStringLiteral("reason"));
        if (!reason.isNull())
            data.destroyReason = reason.text().left(MaxErrorTextLength);
    }
    for (XmlElement status = x.firstChildElement(); !status.isNull();
         status = status.nextSiblingElement()) {
        if (status.localName() != QLatin1String("status"))
            continue;
        bool ok = false;
        const int code = status.attribute(QStringLiteral("code")).toInt(&ok);
        if (ok)
            data.statusCodes.append(code);
        else
            qWarning() << "Ignoring room status code" << status.attribute(QStringLiteral("code"));
    }
    return data;
}

int presenceShowFromName(const QString &text)
{
    for (int show = 1; show <= 4; ++show) {
        if (text == presenceShowName(show))
            return show;
    }
    qWarning() << "invalid presence show data" << text;
    return 0;
}

} // namespace xmpp
