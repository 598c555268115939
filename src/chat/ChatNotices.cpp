#include "chat/ChatNotices.h"

#include "app/Utils.h"
#include "chat/xmpp/XMPPMessage.h"

#include <QLocale>

namespace {

// The room's words and the user's line are quoted up to this length.
constexpr int MaxQuotedLength = 200;

QString quoted(const QString &text)
{
    return Utils::cutText(text, MaxQuotedLength).toHtmlEscaped();
}

} // namespace

QString ChatNotices::reconnectStopped(XMPPClient::ReconnectStop why)
{
    if (why == XMPPClient::LoggedInElsewhere)
        return tr("The chat is disconnected: your account has logged in to the chat elsewhere. "
                  "It does not reconnect by itself.");
    return tr("The chat is disconnected: the chat server refuses your account. It does not reconnect by itself.");
}

QString ChatNotices::perhapsNotSent()
{
    return tr("Perhaps not sent: the chat was disconnected before the chat server confirmed your line. "
              "Your line stays in the input.");
}

QString ChatNotices::notSent(bool inputUsable)
{
    if (!inputUsable)
        return tr("Not sent: the chat is disconnected.");
    return tr("Not sent: the chat is disconnected. Your line stays in the input.");
}

QString ChatNotices::refused(const QString &text, const XMPPMessage &error, bool inputUsable)
{
    const QString reason = quoted(refusalReason(error, Room));
    if (!inputUsable)
        return tr("\"%1\" was not sent: the room refused it (%2).").arg(quoted(text), reason);
    return tr("Not sent: the room refused your line (%1). Your line stays in the input.").arg(reason);
}

QString ChatNotices::notInRoom(const QString &text)
{
    return tr("\"%1\" was not sent: you are no longer in this room.").arg(quoted(text));
}

QString ChatNotices::undelivered(const QString &text, const XMPPMessage &error)
{
    return tr("\"%1\" reached nobody: the chat server refused it (%2). It is back in the input.")
        .arg(quoted(text), quoted(refusalReason(error, User)));
}

QString ChatNotices::sentAfterAll(const QString &text, bool editKept)
{
    if (editKept)
        return tr("\"%1\" had reached the room before the connection was lost. Your edited text stays in the input.")
            .arg(quoted(text));
    return tr("\"%1\" had reached the room before the connection was lost: it is no longer in the input.")
        .arg(quoted(text));
}

QString ChatNotices::refusalReason(const XMPPMessage &error, Addressee to)
{
    const QString reason = conditionReason(error.stanza().errorCondition, to);
    // The sender's words follow where they are in the player's language (the stream asks
    // for English); the log keeps them in any.
    if (error.errorText().isEmpty() || !inPlayersLanguage(error.language()))
        return reason;
    return tr("%1: %2", "a refused line's reason, then the chat server's own words on it").arg(reason, error.errorText());
}

bool ChatNotices::inPlayersLanguage(const QString &language)
{
    const auto spoken = [](const QLocale &locale) {
        return locale.language() == QLocale::C ? QLocale::English : locale.language();
    };
    return !language.isEmpty() && spoken(QLocale(language)) == spoken(QLocale());
}

QString ChatNotices::conditionReason(int condition, Addressee to)
{
    switch (condition) {
    case xmpp::ServiceUnavailable:
    case xmpp::ItemNotFound:
    case xmpp::RecipientUnavailable:
    case xmpp::Gone:
        return to == Room ? tr("the room is gone or takes no lines") : tr("no such user, or one who cannot receive it");
    case xmpp::RemoteServerNotFound:
    case xmpp::RemoteServerTimeout:
        return to == Room ? tr("the room's chat server could not be reached")
                          : tr("the user's chat server could not be reached");
    case xmpp::Forbidden:
    case xmpp::NotAllowed:
    case xmpp::StanzaNotAuthorized:
    case xmpp::NotAcceptable:
    case xmpp::RegistrationRequired:
    case xmpp::SubscriptionRequired:
    case xmpp::PaymentRequired:
        return to == Room ? tr("you may not speak there") : tr("you may not write to this user");
    case xmpp::StanzaPolicyViolation:
        return to == Room ? tr("the room's rules do not allow it") : tr("the chat server's rules do not allow it");
    case xmpp::JidMalformed:
        return tr("the address is not valid");
    case xmpp::StanzaResourceConstraint:
    case xmpp::StanzaInternalServerError:
        return tr("it cannot be handled at the moment");
    default:
        return tr("for a reason the client does not know");
    }
}
