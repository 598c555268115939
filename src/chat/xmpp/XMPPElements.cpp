#include "chat/xmpp/XMPPElements.h"

#include <algorithm>
#include <iterator>

namespace xmpp {

namespace {

const char *const streamErrorNames[] = {
    "bad-format", "bad-namespace-prefix", "conflict", "connection-timeout", "host-gone",
    "host-unknown", "improper-addressing", "internal-server-error", "invalid-from",
    "invalid-id", "invalid-namespace", "invalid-xml", "not-authorized", "policy-violation",
    "remote-connection-failed", "resource-constraint", "restricted-xml", "see-other-host",
    "system-shutdown", "undefined-condition", "unsupported-encoding",
    "unsupported-stanza-type", "unsupported-version", "xml-not-well-formed",
};

// Index 0 is "no error"; the names from 1 to 22 are in alphabetical order.
const char *const stanzaErrorConditionNames[] = {
    "", "bad-request", "conflict", "feature-not-implemented", "forbidden", "gone",
    "internal-server-error", "item-not-found", "jid-malformed", "not-acceptable",
    "not-allowed", "not-authorized", "payment-required", "recipient-unavailable", "redirect",
    "registration-required", "remote-server-not-found", "remote-server-timeout",
    "resource-constraint", "service-unavailable", "subscription-required",
    "undefined-condition", "unexpected-request",
    // Added by RFC 6120, numbered after the others.
    "policy-violation",
};
// The conditions in alphabetical order end here.
constexpr int sortedStanzaErrorConditions = 23;

const char *const stanzaErrorTypeNames[] = {"", "cancel", "continue", "modify", "auth", "wait"};

const char *const saslFailureNames[] = {
    "aborted", "incorrect-encoding", "invalid-authzid", "invalid-mechanism",
    "mechanism-too-weak", "not-authorized", "temporary-auth-failure",
};

const char *const presenceTypeNames[] = {
    "", "subscribe", "subscribed", "unsubscribe", "unsubscribed", "unavailable", "probe", "error",
};

const char *const presenceShowNames[] = {"", "away", "chat", "dnd", "xa"};

const char *const mucAffiliationNames[] = {"none", "admin", "member", "outcast", "owner"};

const char *const mucRoleNames[] = {"none", "moderator", "participant", "visitor"};

template <size_t N>
QString nameAt(const char *const (&table)[N], int code)
{
    if (code < 0 || code >= int(N))
        return QString();
    return QString::fromLatin1(table[code]);
}

// Binary search over a table in ascending order from index first up to before index end
// (its end when negative).
template <size_t N>
int sortedIndexOf(const char *const (&table)[N], const QString &name, int first = 0, int end = -1)
{
    const QByteArray key = name.toLatin1();
    const auto begin = std::begin(table) + first;
    const auto last = end < 0 ? std::end(table) : std::begin(table) + end;
    const auto it = std::lower_bound(begin, last, key,
                                     [](const char *entry, const QByteArray &k) { return k > entry; });
    if (it == last || key != *it)
        return -1;
    return int(it - std::begin(table));
}

template <size_t N>
int linearIndexOf(const char *const (&table)[N], const QString &name)
{
    for (size_t i = 0; i < N; ++i) {
        if (name == QLatin1String(table[i]))
            return int(i);
    }
    return -1;
}

} // namespace

QString streamErrorConditionName(int code)
{
    return nameAt(streamErrorNames, code);
}

int streamErrorConditionFromName(const QString &name)
{
    return sortedIndexOf(streamErrorNames, name);
}

QString stanzaErrorTypeName(int type)
{
    return nameAt(stanzaErrorTypeNames, type);
}

int stanzaErrorTypeFromName(const QString &name)
{
    const int type = linearIndexOf(stanzaErrorTypeNames, name);
    return type > 0 ? type : -1;
}

QString stanzaErrorConditionName(int condition)
{
    return nameAt(stanzaErrorConditionNames, condition);
}

int stanzaErrorConditionFromName(const QString &name)
{
    if (name.isEmpty())
        return -1;
    const int sorted = sortedIndexOf(stanzaErrorConditionNames, name, 1, sortedStanzaErrorConditions);
    if (sorted >= 0)
        return sorted;
    for (int later = sortedStanzaErrorConditions; later < int(std::size(stanzaErrorConditionNames)); ++later) {
        if (name == QLatin1String(stanzaErrorConditionNames[later]))
            return later;
    }
    return -1;
}

QString saslFailureConditionName(int condition)
{
    return nameAt(saslFailureNames, condition);
}

int saslFailureConditionFromName(const QString &name)
{
    return sortedIndexOf(saslFailureNames, name);
}

QString presenceTypeName(int type)
{
    return nameAt(presenceTypeNames, type);
}

int presenceTypeFromName(const QString &name)
{
    const int type = linearIndexOf(presenceTypeNames, name);
    return type < 0 ? 0 : type;
}

QString presenceShowName(int show)
{
    return nameAt(presenceShowNames, show);
}

int mucAffiliationFromName(const QString &name)
{
    return linearIndexOf(mucAffiliationNames, name);
}

int mucRoleFromName(const QString &name)
{
    return linearIndexOf(mucRoleNames, name);
}

int mucStatusCodeFromNumber(int number)
{
    static const int numbers[] = {100, 101, 102, 103, 104, 110, 170, 171, 172, 173,
                                  174, 201, 210, 301, 303, 307, 321, 322, 332};
    const auto it = std::lower_bound(std::begin(numbers), std::end(numbers), number);
    if (it == std::end(numbers) || *it != number)
        return 0;
    return int(it - std::begin(numbers)) + 1;
}

QString Iq::iqTypeName(int iqType)
{
    static const char *const names[] = {"get", "set", "result", "error"};
    return nameAt(names, iqType);
}

stream_error::stream_error(int condition, const QString &text)
    : stream_error(condition, text, "stream_error")
{
}

stream_error::stream_error(int condition, const QString &text, const char *name)
    : Exception(QString()), m_condition(condition), m_text(text)
{
    setMessage(QStringLiteral("%1, code: %2, what: %3")
                   .arg(QLatin1String(name), QString::number(condition), text));
}

stream_parse_error::stream_parse_error(int condition, const QString &text)
    : stream_error(condition, text, "stream_parse_error")
{
}

stanza_error::stanza_error(int stanzaKind, int errorType, int errorCondition, const QString &id,
                           const XMPPJid &sender)
    : Exception(QString()),
      m_stanzaKind(stanzaKind),
      m_errorType(errorType),
      m_errorCondition(errorCondition),
      m_id(id),
      m_sender(sender)
{
    static const char *const names[] = {"message", "iq", "presence"};
    setMessage(QStringLiteral("%1_error, type: %2, error: %3, id: %4")
                   .arg(nameAt(names, stanzaKind), QString::number(errorType),
                        QString::number(errorCondition), id));
}

std::unique_ptr<Stanza> errorReply(const stanza_error &error)
{
    std::unique_ptr<Stanza> reply;
    switch (error.stanzaKind()) {
    case stanza_error::MessageKind:
        reply = std::make_unique<MessageStanza>();
        break;
    case stanza_error::IqKind:
        reply = std::make_unique<Iq>();
        break;
    default:
        reply = std::make_unique<PresenceStanza>();
        break;
    }
    reply->type = QStringLiteral("error");
    reply->id = error.id();
    reply->to = error.sender();
    reply->errorType = error.errorType();
    reply->errorCondition = error.errorCondition();
    return reply;
}

} // namespace xmpp
