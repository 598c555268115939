#pragma once

#include "chat/LineSender.h"
#include "chat/XMPPChatManager.h"
#include "chat/xmpp/XMPPClient.h"
#include "chat/xmpp/XMPPMessage.h"
#include "ui/MahjongDialog.h"

#include <QDateTime>
#include <QHash>
#include <QPointer>

#include <memory>

class PlayerDb;

namespace Ui {
class ChatWindow;
}

// The one-to-one "Manager chat" window of one chat. A window the user did not open
// stays only when a manager writes in it; otherwise it removes itself unseen.
class ChatWindow : public MahjongDialog
{
    Q_OBJECT

public:
    // Owns the chat; the player directory names the senders.
    ChatWindow(XMPPChat *chat, PlayerDb *playerDb, QWidget *parent = nullptr);
    ~ChatWindow() override;

    void setOpenedLocally(bool local);
    bool isOpenedLocally() const { return m_openedLocally; }
    XMPPChat *chat() const { return m_chat; }

    // Called by the sender look-up of a message, with the time it takes its place at.
    void showMessage(const XMPPMessage &message, const QDateTime &time, const QString &nick, int role,
                     qint32 playerId);
    void showUnknownSender(const XMPPMessage &message, const QDateTime &time, const QString &failure);

public slots:
    void onMessage(const XMPPMessage &message);
    void onSendMessage();
    void onConfirmed(const QString &id);
    void onNotSent(const QList<XMPPMessage> &lines, bool mayHaveGone);
    void onRefused(const XMPPMessage &line, const XMPPMessage &error);
    void onChatDisconnected();
    void onChatConnected();
    void onReconnectStopped(XMPPClient::ReconnectStop why);

protected:
    void changeEvent(QEvent *event) override;

private:
    void addSystemMessage(const QString &text);

    std::unique_ptr<Ui::ChatWindow> m_ui;
    QPointer<XMPPChat> m_chat;
    PlayerDb *m_playerDb;
    bool m_openedLocally = false;
    // The chat connection was lost and is not back yet.
    bool m_connectionLost = false;
    // The input's lines on their way, and those back in it after the server did not
    // get them.
    std::unique_ptr<LineSender> m_sender;
    // When the own lines waiting for the server were said, by id: one confirmed late,
    // as a session is resumed, shows there, above the answers to it.
    QHash<QString, QDateTime> m_saidAt;
};
