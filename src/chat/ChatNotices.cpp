#include "chat/ChatNotices.h"

#include "app/Utils.h"
#include "chat/xmpp/XMPPMessage.h"

#include <QLocale>

namespace {

// The room's words and the user's line are quoted up to this length.
constexpr int MaxQuotedLength = 200;

ClientText quoted(const QString &text)
{
    return ClientText::words(Utils::cutText(text, MaxQuotedLength));
}

ClientText notice(const char *source, const char *comment = nullptr)
{
    return ClientText("ChatNotices", source, comment);
}

} // namespace

ClientText ChatNotices::reconnectStopped(XMPPClient::ReconnectStop why)
{
    if (why == XMPPClient::LoggedInElsewhere)
        return notice(QT_TR_NOOP("The chat is disconnected: your account has logged in to the chat elsewhere. "
                                 "It does not reconnect by itself."));
    return notice(QT_TR_NOOP("The chat is disconnected: the chat server refuses your account. "
                             "It does not reconnect by itself."));
}

ClientText ChatNotices::perhapsNotSent()
{
    return notice(QT_TR_NOOP("Perhaps not sent: the chat was disconnected before the chat server confirmed your line. "
                             "Your line stays in the input."));
}

ClientText ChatNotices::notSent(bool inputUsable)
{
    if (!inputUsable)
        return notice(QT_TR_NOOP("Not sent: the chat is disconnected."));
    return notice(QT_TR_NOOP("Not sent: the chat is disconnected. Your line stays in the input."));
}

ClientText ChatNotices::refused(const QString &text, const XMPPMessage &error, bool inputUsable)
{
    const ClientText reason = refusalReason(error, Room);
    if (!inputUsable)
        return notice(QT_TR_NOOP("\"%1\" was not sent: the room refused it (%2).")).arg(quoted(text), reason);
    return notice(QT_TR_NOOP("Not sent: the room refused your line (%1). Your line stays in the input.")).arg(reason);
}

ClientText ChatNotices::notInRoom(const QString &text)
{
    return notice(QT_TR_NOOP("\"%1\" was not sent: you are no longer in this room.")).arg(quoted(text));
}

ClientText ChatNotices::undelivered(const QString &text, const XMPPMessage &error)
{
    return notice(QT_TR_NOOP("\"%1\" reached nobody: the chat server refused it (%2). It is back in the input."))
        .arg(quoted(text), refusalReason(error, User));
}

ClientText ChatNotices::sentAfterAll(const QString &text, bool editKept)
{
    if (editKept)
        return notice(QT_TR_NOOP("\"%1\" had reached the room before the connection was lost. "
                                 "Your edited text stays in the input."))
            .arg(quoted(text));
    return notice(QT_TR_NOOP("\"%1\" had reached the room before the connection was lost: "
                             "it is no longer in the input."))
        .arg(quoted(text));
}

ClientText ChatNotices::refusalReason(const XMPPMessage &error, Addressee to)
{
    const ClientText reason = conditionReason(error.stanza().errorCondition, to);
    // The sender's words follow where they are in the player's language (the stream asks
    // for English); the log keeps them in any.
    if (error.errorText().isEmpty() || !inPlayersLanguage(error.language()))
        return reason;
    struct Source
    {
        const char *text;
        const char *comment;
    };
    constexpr Source withWords =
        QT_TRANSLATE_NOOP3("ChatNotices", "%1: %2", "a refused line's reason, then the chat server's own words on it");
    return notice(withWords.text, withWords.comment).arg(reason, quoted(error.errorText()));
}

bool ChatNotices::inPlayersLanguage(const QString &language)
{
    const auto spoken = [](const QLocale &locale) {
        return locale.language() == QLocale::C ? QLocale::English : locale.language();
    };
    return !language.isEmpty() && spoken(QLocale(language)) == spoken(QLocale());
}

ClientText ChatNotices::conditionReason(int condition, Addressee to)
{
    switch (condition) {
    case xmpp::ServiceUnavailable:
    case xmpp::ItemNotFound:
    case xmpp::RecipientUnavailable:
    case xmpp::Gone:
        return to == Room ? notice(QT_TR_NOOP("the room is gone or takes no lines"))
                          : notice(QT_TR_NOOP("no such user, or one who cannot receive it"));
    case xmpp::RemoteServerNotFound:
    case xmpp::RemoteServerTimeout:
        return to == Room ? notice(QT_TR_NOOP("the room's chat server could not be reached"))
                          : notice(QT_TR_NOOP("the user's chat server could not be reached"));
    case xmpp::Forbidden:
    case xmpp::NotAllowed:
    case xmpp::StanzaNotAuthorized:
    case xmpp::NotAcceptable:
    case xmpp::RegistrationRequired:
    case xmpp::SubscriptionRequired:
    case xmpp::PaymentRequired:
        return to == Room ? notice(QT_TR_NOOP("you may not speak there"))
                          : notice(QT_TR_NOOP("you may not write to this user"));
    case xmpp::StanzaPolicyViolation:
        return to == Room ? notice(QT_TR_NOOP("the room's rules do not allow it"))
                          : notice(QT_TR_NOOP("the chat server's rules do not allow it"));
    case xmpp::JidMalformed:
        return notice(QT_TR_NOOP("the address is not valid"));
    case xmpp::StanzaResourceConstraint:
    case xmpp::StanzaInternalServerError:
        return notice(QT_TR_NOOP("it cannot be handled at the moment"));
    default:
        return notice(QT_TR_NOOP("for a reason the client does not know"));
    }
}
