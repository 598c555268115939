#include "chat/ChatNotices.h"

#include "app/Utils.h"

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

QString ChatNotices::notSent(bool inputUsable)
{
    if (!inputUsable)
        return tr("Not sent: the chat is disconnected.");
    return tr("Not sent: the chat is disconnected. Your line stays in the input.");
}

QString ChatNotices::refused(const QString &reason, bool inputUsable)
{
    if (!inputUsable)
        return tr("Not sent: the room refused your line (%1).").arg(quoted(reason));
    return tr("Not sent: the room refused your line (%1). Your line stays in the input.").arg(quoted(reason));
}

QString ChatNotices::undelivered(const QString &text, const QString &reason)
{
    return tr("\"%1\" reached nobody: the chat server refused it (%2). It is back in the input.")
        .arg(quoted(text), quoted(reason));
}

QString ChatNotices::sentAfterAll(const QString &text, bool editKept)
{
    if (editKept)
        return tr("\"%1\" had reached the room before the connection was lost. Your edited text stays in the input.")
            .arg(quoted(text));
    return tr("\"%1\" had reached the room before the connection was lost: it is no longer in the input.")
        .arg(quoted(text));
}
