#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

#include <exception>
#include <memory>
#include <optional>

#include "chat/xmpp/XMPPJid.h"

// The top-level elements of an XMPP stream as plain structures. The stream parser
// builds them from received XML, the stream writer turns them back into XML, and the
// client dispatches on kind().
namespace xmpp {

// Stream error conditions, in ascending alphabetical order (the codes are positions).
enum StreamErrorCondition {
    BadFormat = 0,
    BadNamespacePrefix = 1,
    Conflict = 2,
    ConnectionTimeout = 3,
    HostGone = 4,
    HostUnknown = 5,
    ImproperAddressing = 6,
    InternalServerError = 7,
    InvalidFrom = 8,
    InvalidId = 9,
    InvalidNamespace = 10,
    InvalidXml = 11,
    NotAuthorized = 12,
    PolicyViolation = 13,
    RemoteConnectionFailed = 14,
    ResourceConstraint = 15,
    RestrictedXml = 16,
    SeeOtherHost = 17,
    SystemShutdown = 18,
    UndefinedCondition = 19,
    UnsupportedEncoding = 20,
    UnsupportedStanzaType = 21,
    UnsupportedVersion = 22,
    XmlNotWellFormed = 23,
};

// Stanza error types and conditions; 0 means "no error".
enum StanzaErrorType { NoErrorType = 0, Cancel = 1, Continue = 2, Modify = 3, Auth = 4, Wait = 5 };

enum StanzaErrorCondition {
    NoCondition = 0,
    BadRequest = 1,
    ConditionConflict = 2,
    FeatureNotImplemented = 3,
    Forbidden = 4,
    Gone = 5,
    StanzaInternalServerError = 6,
    ItemNotFound = 7,
    JidMalformed = 8,
    NotAcceptable = 9,
    NotAllowed = 10,
    StanzaNotAuthorized = 11,
    PaymentRequired = 12,
    RecipientUnavailable = 13,
    Redirect = 14,
    RegistrationRequired = 15,
    RemoteServerNotFound = 16,
    RemoteServerTimeout = 17,
    StanzaResourceConstraint = 18,
    ServiceUnavailable = 19,
    SubscriptionRequired = 20,
    StanzaUndefinedCondition = 21,
    UnexpectedRequest = 22,
    // Conditions of later standards, after those of the first.
    StanzaPolicyViolation = 23,
};

// SASL failure conditions, in ascending alphabetical order.
enum SaslFailureCondition {
    SaslAborted = 0,
    SaslIncorrectEncoding = 1,
    SaslInvalidAuthzid = 2,
    SaslInvalidMechanism = 3,
    SaslMechanismTooWeak = 4,
    SaslNotAuthorized = 5,
    SaslTemporaryAuthFailure = 6,
};

// Names of the codes above; an empty text for codes out of range, -1 for unknown names.
QString streamErrorConditionName(int code);
int streamErrorConditionFromName(const QString &name);
QString stanzaErrorTypeName(int type);
int stanzaErrorTypeFromName(const QString &name);
QString stanzaErrorConditionName(int condition);
int stanzaErrorConditionFromName(const QString &name);
QString saslFailureConditionName(int condition);
int saslFailureConditionFromName(const QString &name);

// Presence type and show codes with their wire names.
enum PresenceType {
    Available = 0,
    Subscribe = 1,
    Subscribed = 2,
    Unsubscribe = 3,
    Unsubscribed = 4,
    Unavailable = 5,
    Probe = 6,
    PresenceError = 7,
};
QString presenceTypeName(int type);
int presenceTypeFromName(const QString &name);
QString presenceShowName(int show);

// A room user's affiliation ("none", "admin", "member", "outcast", "owner") and role
// ("none", "moderator", "participant", "visitor") by name; -1 for any other name.
int mucAffiliationFromName(const QString &name);
int mucRoleFromName(const QString &name);

// The room status numbers of a multi-user chat presence as the presence value's
// enumeration (1 for 100 ... 19 for 332); 0 for any other number.
int mucStatusCodeFromNumber(int number);

class StreamElement
{
public:
    virtual ~StreamElement() = default;
    virtual int kind() const = 0;
};

class StreamError : public StreamElement
{
public:
    enum { Kind = 0 };
    explicit StreamError(int condition = UndefinedCondition, const QString &text = QString())
        : condition(condition), text(text) {}
    int kind() const override { return Kind; }

    int condition;
    QString text;
    QString seeOtherHost;
};

class StreamFeatures : public StreamElement
{
public:
    enum { Kind = 1 };
    int kind() const override { return Kind; }

    bool startTls = false;
    bool tlsRequired = false;
    bool bind = false;
    bool session = false;
    // Stream management (XEP-0198), offered after the login.
    bool streamManagement = false;
    QStringList mechanisms;
};

class TLSStart : public StreamElement
{
public:
    enum { Kind = 2 };
    int kind() const override { return Kind; }
};

class TLSProceed : public StreamElement
{
public:
    enum { Kind = 3 };
    int kind() const override { return Kind; }
};

class TLSFailure : public StreamElement
{
public:
    enum { Kind = 4 };
    int kind() const override { return Kind; }
};

class SASLAuth : public StreamElement
{
public:
    enum { Kind = 5 };
    SASLAuth() = default;
    SASLAuth(const QString &mechanism, const QByteArray &data) : mechanism(mechanism), data(data) {}
    int kind() const override { return Kind; }

    QString mechanism;
    QByteArray data;
};

class SASLChallenge : public StreamElement
{
public:
    enum { Kind = 6 };
    int kind() const override { return Kind; }
    QByteArray data;
};

class SASLResponse : public StreamElement
{
public:
    enum { Kind = 7 };
    int kind() const override { return Kind; }
    QByteArray data;
};

class SASLAbort : public StreamElement
{
public:
    enum { Kind = 8 };
    int kind() const override { return Kind; }
};

class SASLSuccess : public StreamElement
{
public:
    enum { Kind = 9 };
    int kind() const override { return Kind; }
};

class SASLFailure : public StreamElement
{
public:
    enum { Kind = 10 };
    int kind() const override { return Kind; }
    // A failure without a condition element reads as not-authorized.
    int condition = SaslNotAuthorized;
};

// Stream management (XEP-0198): the counts of stanzas each end has taken, by which a
// session outlives a lost connection.
class StreamManagement : public StreamElement
{
public:
    enum { Kind = 26 };
    enum Type { Enable, Enabled, Resume, Resumed, Failed, Request, Answer };
    explicit StreamManagement(Type type) : type(type) {}
    int kind() const override { return Kind; }

    Type type;
    // Enable and Enabled: whether the session may be resumed.
    bool resume = false;
    // Enabled: the session's id; Resume and Resumed: the id of the one resumed.
    QString id;
    // Enabled: the longest the server keeps the session for a resumption, in seconds;
    // 0 where it does not say.
    int maxSeconds = 0;
    // Resume, Resumed, Failed and Answer: the stanzas taken by the end that sends it,
    // modulo 2^32; Failed may lack it.
    std::optional<quint32> handled;
};

class Stanza : public StreamElement
{
public:
    enum { Kind = 11 };
    Stanza() = default;
    Stanza(const QString &id, const QString &type) : id(id), type(type) {}
    Stanza(const QString &id, const XMPPJid &to, const QString &type) : to(to), id(id), type(type) {}
    int kind() const override { return Kind; }

    bool hasError() const { return errorType != NoErrorType; }

    XMPPJid to;
    XMPPJid from;
    QString id;
    QString type;
    QString lang;
    int errorType = NoErrorType;
    int errorCondition = NoCondition;
    // The text the error came with, in the sender's words; null without one.
    QString errorText;
};

// Delayed delivery: who delayed a message and when it was first sent (UTC).
struct DelayedDeliveryInfo
{
    XMPPJid from;
    QDateTime stamp;
};

// The id an entity (a room, an archive) gave a message, unique for that entity.
struct UniqueStanzaId
{
    XMPPJid by;
    QString id;
};

class MessageStanza : public Stanza
{
public:
    enum { Kind = 12 };
    using Stanza::Stanza;
    int kind() const override { return Kind; }

    QMap<QString, QString> subjects;
    QMap<QString, QString> bodies;
    QString thread;
    QString messageLanguage = QStringLiteral("UND");
    // Every delay record, in the order they came: those of the current form, or those
    // of the legacy form when there is none of the current.
    QList<DelayedDeliveryInfo> delays;
    QList<UniqueStanzaId> stanzaIds;
    // The id its sender gave the message, kept when the message is sent again; null
    // without one.
    QString originId;
};

// The multi-user chat user data of a presence.
struct RoomUserData
{
    QString actor;
    QString reason;
    // The room is gone: its owner destroyed it, for the reason given (null without one).
    bool destroyed = false;
    QString destroyReason;
    QString continueThread;
    QString jid;
    QString nick;
    int affiliation = 0;
    int role = 0;
    QList<int> statusCodes;
};

class PresenceStanza : public Stanza
{
public:
    enum { Kind = 13 };
    PresenceStanza() = default;
    PresenceStanza(const XMPPJid &to, int presenceType, const QString &id)
        : Stanza(id, to, presenceTypeName(presenceType)) {}
    int kind() const override { return Kind; }

    int presenceType() const { return presenceTypeFromName(type); }

    int show = 0;
    QMap<QString, QString> statuses;
    int priority = 0;
    bool roomUser = false;
    RoomUserData roomData;
    QSet<QString> tables;
    QByteArray photoHash;
};

class Iq : public Stanza
{
public:
    enum { Kind = 14 };
    enum Type { Get = 0, Set = 1, Result = 2, Error = 3 };
    Iq() = default;
    Iq(const QString &id, const XMPPJid &to, int iqType) : Stanza(id, to, iqTypeName(iqType)) {}
    int kind() const override { return Kind; }

    static QString iqTypeName(int iqType);
};

class IqBind : public Iq
{
public:
    enum { Kind = 15 };
    IqBind() = default;
    IqBind(const QString &id, const QString &resource) : Iq(id, XMPPJid(), Set), resource(resource) {}
    int kind() const override { return Kind; }

    QString resource;
    QString jid;
};

class IqSession : public Iq
{
public:
    enum { Kind = 17 };
    IqSession() = default;
    explicit IqSession(const QString &id) : Iq(id, XMPPJid(), Set) {}
    int kind() const override { return Kind; }
};

class IqDiscoInfo : public Iq
{
public:
    enum { Kind = 19 };
    struct Identity
    {
        QString category;
        QString name;
        QString type;
    };
    IqDiscoInfo() = default;
    IqDiscoInfo(const QString &id, const XMPPJid &to) : Iq(id, to, Get) {}
    int kind() const override { return Kind; }

    QList<Identity> identities;
    QStringList features;
};

class IqDiscoItems : public Iq
{
public:
    enum { Kind = 20 };
    struct Item
    {
        XMPPJid jid;
        QString name;
        QString node;
    };
    IqDiscoItems() = default;
    IqDiscoItems(const QString &id, const XMPPJid &to) : Iq(id, to, Get) {}
    int kind() const override { return Kind; }

    QList<Item> items;
};

class MucPresenceStanza : public PresenceStanza
{
public:
    enum { Kind = 22 };
    using PresenceStanza::PresenceStanza;
    int kind() const override { return Kind; }

    // A join asks for the room's history of that many seconds back; all of it when
    // negative.
    int historySeconds = -1;
};

class IqInstantRoom : public Iq
{
public:
    enum { Kind = 23 };
    IqInstantRoom(const QString &id, const XMPPJid &room) : Iq(id, room, Set) {}
    int kind() const override { return Kind; }
};

// A ping (XEP-0199): the answer, whatever it says, comes after the answers to all
// that was sent before it.
class IqPing : public Iq
{
public:
    enum { Kind = 24 };
    IqPing(const QString &id, const XMPPJid &to) : Iq(id, to, Get) {}
    int kind() const override { return Kind; }
};

// An entity's time (XEP-0202): asked for empty, answered with the entity's clock in
// UTC; invalid where the answer has none that can be read.
class IqTime : public Iq
{
public:
    enum { Kind = 25 };
    IqTime() = default;
    IqTime(const QString &id, const XMPPJid &to) : Iq(id, to, Get) {}
    int kind() const override { return Kind; }

    QDateTime utc;
};

// Protocol failures travel as these exceptions to the client's read loop.
class Exception : public std::exception
{
public:
    explicit Exception(const QString &message) : m_message(message.toLocal8Bit()) {}
    const char *what() const noexcept override { return m_message.constData(); }

protected:
    void setMessage(const QString &message) { m_message = message.toLocal8Bit(); }

private:
    QByteArray m_message;
};

// Fatal for the stream: the client answers with a stream error and closes.
class stream_error : public Exception
{
public:
    stream_error(int condition, const QString &text);
    int condition() const { return m_condition; }
    QString text() const { return m_text; }

protected:
    stream_error(int condition, const QString &text, const char *name);

private:
    int m_condition;
    QString m_text;
};

class stream_parse_error : public stream_error
{
public:
    stream_parse_error(int condition, const QString &text);
};

// One stanza could not be handled: the client answers it with an error stanza.
class stanza_error : public Exception
{
public:
    enum StanzaKind { MessageKind = 0, IqKind = 1, PresenceKind = 2 };
    stanza_error(int stanzaKind, int errorType, int errorCondition, const QString &id,
                 const XMPPJid &sender = XMPPJid());
    int stanzaKind() const { return m_stanzaKind; }
    // The sender of the stanza, to whom the error reply goes.
    XMPPJid sender() const { return m_sender; }
    int errorType() const { return m_errorType; }
    int errorCondition() const { return m_errorCondition; }
    QString id() const { return m_id; }

private:
    int m_stanzaKind;
    int m_errorType;
    int m_errorCondition;
    QString m_id;
    XMPPJid m_sender;
};

// The error stanza that answers the stanza of the error.
std::unique_ptr<Stanza> errorReply(const stanza_error &error);

} // namespace xmpp
