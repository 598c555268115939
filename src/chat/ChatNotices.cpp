#include "chat/ChatNotices.h"

#include <QLatin1Char>
#include <QLineEdit>

QString ChatNotices::reconnectStopped(XMPPClient::ReconnectStop why)
{
    if (why == XMPPClient::LoggedInElsewhere)
        return tr("The chat is disconnected: your account has logged in to the chat elsewhere. "
                  "It does not reconnect by itself.");
    return tr("The chat is disconnected: the chat server refuses your account. It does not reconnect by itself.");
}

QString ChatNotices::notSent()
{
    return tr("Not sent: the chat is disconnected. Your line stays in the input.");
}

void ChatNotices::putBack(QLineEdit *input, QStringList lines)
{
    if (!input->text().isEmpty())
        lines.append(input->text());
    input->setText(lines.join(QLatin1Char(' ')));
}
