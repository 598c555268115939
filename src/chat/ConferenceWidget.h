#pragma once

#include "app/ClientText.h"

#include "chat/LineSender.h"
#include "chat/XMPPConference.h"
#include "chat/xmpp/XMPPClient.h"

#include <QWidget>

#include <memory>

class ChatController;
class ChatOutputWidget;

namespace Ui {
class ConferenceView;
}

// The view of a chat room (the lobby's or a table's): the lines above an input and a
// Send button. Joins under the player's screen name, shows the room's events as system
// lines and colours each sender by the role the player directory gives.
class ConferenceWidget : public QWidget
{
    Q_OBJECT

public:
    // Bits of the suppressed notices: a set bit hides that kind.
    enum Notice {
        OwnJoinLeave = 1,
        ParticipantJoinLeave = 2,
        OwnKickBan = 4,
        ParticipantKickBan = 8,
    };
    enum ChatKind { NoChatKind = 0, LobbyChatKind = 1, TableChatKind = 2 };

    explicit ConferenceWidget(QWidget *parent = nullptr, int suppressedNotices = 0);
    ~ConferenceWidget() override;

    void setXmppContext(ChatController *context);
    void setSuppressedNotices(int notices) { m_suppressedNotices = notices; }

    void setLobbyRoom();
    void setTableRoom(qint32 tableId);
    void leaveRoom();
    void addSystemMessage(const ClientText &text);

    XMPPConference *conference() { return &m_conference; }
    ChatOutputWidget *output() const;
    int chatKind() const { return m_chatKind; }

    // The text of a room error; null for a value that is none.
    static ClientText presenceErrorText(int error);

    // Called by the sender look-up of a room message that came at the time given.
    void showMessage(const XMPPMessage &message, int role, const QDateTime &arrived);

signals:
    void userMenuRequested(const QString &nick, const QPoint &position);

public slots:
    void onMessage(const XMPPMessage &message);
    void onUserError(XMPPConference *conference, XMPPPresence::error_t error);
    void onUserJoined();
    void onUserLeft();
    void onUserVoiceChanged(bool maySpeak, const QString &reason);
    void onUserRoomDestroyed(const QString &reason);
    void onUserDisconnected();
    void onLinesMissing(const QDateTime &at);
    void onReconnectStopped(XMPPClient::ReconnectStop why);
    void onUserKicked(XMPPConference *conference, const XMPPJid &actor, const QString &reason);
    void onUserBanned(XMPPConference *conference, const XMPPJid &actor, const QString &reason);
    void onParticipantJoined(XMPPConference *conference, const QString &nick);
    void onParticipantLeft(XMPPConference *conference, const QString &nick);
    void onParticipantKicked(XMPPConference *conference, const QString &nick, const XMPPJid &actor,
                             const QString &reason);
    void onParticipantBanned(XMPPConference *conference, const QString &nick, const XMPPJid &actor,
                             const QString &reason);
    void onReturnPressed();
    void onOwnLineSaid(const QString &id);
    void onOwnLineRefused(const QString &id, const QString &text, const XMPPMessage &error);
    void onOwnLinesUnanswered();
    void onOwnLinesNotSent(const QList<XMPPConference::OwnLine> &lines, bool mayHaveGone);

protected:
    void changeEvent(QEvent *event) override;

private:
    bool clientConnected() const;
    void enterRoom(const QString &room, ChatKind kind);
    void notify(int bit, const ClientText &text);
    // The input and its Send button, usable only where the user may speak.
    void enableInput(bool enabled);
    QString ownNick() const;
    // The lines that waited for the room, in the order sent, no longer shown waiting.
    QList<OfferedLines::Line> takeWaiting();

    std::unique_ptr<Ui::ConferenceView> m_ui;
    XMPPConference m_conference;
    int m_suppressedNotices;
    int m_chatKind = NoChatKind;
    // The chat connection was lost while in the room, which is not joined again yet.
    bool m_connectionLost = false;
    ChatController *m_context = nullptr;
    // The input's lines on their way, and those back in it after the room did not get
    // them.
    std::unique_ptr<LineSender> m_sender;
};
