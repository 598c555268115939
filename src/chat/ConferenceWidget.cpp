#include "chat/ConferenceWidget.h"
#include "ui_ConferenceView.h"

#include "app/Singleton.h"
#include "chat/ChatController.h"
#include "chat/ChatNotices.h"
#include "connection/PlayerDb.h"
#include "connection/QueryUserCallback.h"
#include "connection/ServerTime.h"

#include <QDebug>
#include <QEvent>

#include <stdexcept>
#include <utility>

namespace {

// Names the sender of one room message.
class ScreennameCallback : public QueryUserCallback
{
public:
    ScreennameCallback(ConferenceWidget *widget, const XMPPMessage &message, const QDateTime &arrived)
        : QueryUserCallback(widget), m_widget(widget), m_message(message), m_arrived(arrived)
    {
    }

    void queryOk(const UserRecord &user) override
    {
        m_widget->showMessage(m_message, user.manager ? ChatOutputWidget::ManagerRole : ChatOutputWidget::UserRole,
                              m_arrived);
    }

    void queryFailed(const QString &) override
    {
        m_widget->showMessage(m_message, ChatOutputWidget::UnknownRole, m_arrived);
    }

private:
    ConferenceWidget *m_widget;
    XMPPMessage m_message;
    QDateTime m_arrived;
};

QString resourceOf(const QString &jid)
{
    const qsizetype slash = jid.indexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : jid.mid(slash + 1);
}

// A text of the view's, in the language of the moment wherever it shows.
ClientText viewText(const char *source)
{
    return ClientText("ConferenceWidget", source);
}

} // namespace

ConferenceWidget::ConferenceWidget(QWidget *parent, int suppressedNotices)
    : QWidget(parent), m_ui(std::make_unique<Ui::ConferenceView>()), m_suppressedNotices(suppressedNotices)
{
    m_ui->setupUi(this);
    m_sender = std::make_unique<LineSender>(m_ui->chatInput, m_ui->chatOutput);
    enableInput(false);
    connect(m_ui->chatInput, &QLineEdit::returnPressed, this, &ConferenceWidget::onReturnPressed);
    connect(m_ui->send, &QPushButton::clicked, this, &ConferenceWidget::onReturnPressed);
    connect(&m_conference, &XMPPConference::message, this, &ConferenceWidget::onMessage);
    connect(&m_conference, &XMPPConference::ownLineSaid, this, &ConferenceWidget::onOwnLineSaid);
    connect(&m_conference, &XMPPConference::ownLineRefused, this, &ConferenceWidget::onOwnLineRefused);
    connect(&m_conference, &XMPPConference::ownLinesUnanswered, this, &ConferenceWidget::onOwnLinesUnanswered);
    connect(&m_conference, &XMPPConference::ownLinesNotSent, this, &ConferenceWidget::onOwnLinesNotSent);
    connect(&m_conference, &XMPPConference::userError, this, &ConferenceWidget::onUserError);
    connect(&m_conference, &XMPPConference::userJoined, this, &ConferenceWidget::onUserJoined);
    connect(&m_conference, &XMPPConference::userLeft, this, &ConferenceWidget::onUserLeft);
    connect(&m_conference, &XMPPConference::userVoiceChanged, this, &ConferenceWidget::onUserVoiceChanged);
    connect(&m_conference, &XMPPConference::userRoomDestroyed, this, &ConferenceWidget::onUserRoomDestroyed);
    connect(&m_conference, &XMPPConference::userDisconnected, this, &ConferenceWidget::onUserDisconnected);
    connect(&m_conference, &XMPPConference::linesMissing, this, &ConferenceWidget::onLinesMissing);
    connect(&m_conference, &XMPPConference::userKicked, this, &ConferenceWidget::onUserKicked);
    connect(&m_conference, &XMPPConference::userBanned, this, &ConferenceWidget::onUserBanned);
    connect(&m_conference, &XMPPConference::participantJoined, this, &ConferenceWidget::onParticipantJoined);
    connect(&m_conference, &XMPPConference::participantLeft, this, &ConferenceWidget::onParticipantLeft);
    connect(&m_conference, &XMPPConference::participantKicked, this, &ConferenceWidget::onParticipantKicked);
    connect(&m_conference, &XMPPConference::participantBanned, this, &ConferenceWidget::onParticipantBanned);
    connect(m_ui->chatOutput, &ChatOutputWidget::userMenuRequested, this, &ConferenceWidget::userMenuRequested);
}

ConferenceWidget::~ConferenceWidget() = default;

ChatOutputWidget *ConferenceWidget::output() const
{
    return m_ui->chatOutput;
}

void ConferenceWidget::setXmppContext(ChatController *context)
{
    if (m_context && m_context->client())
        disconnect(m_context->client(), nullptr, this, nullptr);
    m_context = context;
    m_conference.setClient(context ? context->client() : nullptr);
    if (context && context->client()) {
        connect(context->client(), &XMPPClient::reconnectStopped, this, &ConferenceWidget::onReconnectStopped);
    }
}

bool ConferenceWidget::clientConnected() const
{
    return m_context && m_context->client() && m_context->client()->state() == XMPPClient::ConnectedState;
}

QString ConferenceWidget::ownNick() const
{
    return m_context && m_context->playerDb() ? m_context->playerDb()->localScreenName() : QString();
}

void ConferenceWidget::setLobbyRoom()
{
    if (!m_context) {
        qWarning() << "Lobby chat without a chat context";
        return;
    }
    enterRoom(m_context->lobbyRoomJid(), LobbyChatKind);
}

void ConferenceWidget::setTableRoom(qint32 tableId)
{
    if (!m_context || m_context->conferenceJid().isEmpty()) {
        qWarning() << "Table chat of table" << tableId << "without a conference service";
        return;
    }
    enterRoom(QStringLiteral("table-%1@%2").arg(tableId).arg(m_context->conferenceJid()), TableChatKind);
}

void ConferenceWidget::enterRoom(const QString &room, ChatKind kind)
{
    // Already there, or on the way (also back after a lost connection).
    if ((m_conference.isJoined() || m_conference.isJoining())
        && m_conference.room().compare(room, Qt::CaseInsensitive) == 0)
        return;
    if (m_conference.isJoined()) {
        qWarning() << "Still in the chat room" << m_conference.room() << "; staying there instead of" << room;
        return;
    }
    try {
        m_conference.setRoom(room);
        m_chatKind = kind;
        if (clientConnected())
            m_conference.join(ownNick());
    } catch (const std::exception &e) {
        qWarning() << "Joining the chat room" << room << "failed:" << e.what();
    }
}

void ConferenceWidget::leaveRoom()
{
    if (!clientConnected())
        return;
    try {
        m_conference.leave();
    } catch (const std::exception &e) {
        qWarning() << "Leaving the chat room" << m_conference.room() << "failed:" << e.what();
    }
}

void ConferenceWidget::addSystemMessage(const ClientText &text)
{
    m_ui->chatOutput->addSystemMessage(Singleton<ServerTime>::instance().now(), text);
}

void ConferenceWidget::enableInput(bool enabled)
{
    m_ui->chatInput->setEnabled(enabled);
    m_ui->send->setEnabled(enabled);
}

void ConferenceWidget::notify(int bit, const ClientText &text)
{
    if (!(m_suppressedNotices & bit))
        addSystemMessage(text);
}

ClientText ConferenceWidget::presenceErrorText(int error)
{
    switch (error) {
    case XMPPPresence::NoError:
        return viewText(QT_TR_NOOP("No error"));
    case XMPPPresence::UndefinedError:
        return viewText(QT_TR_NOOP("Undefined error"));
    case XMPPPresence::Banned:
        return viewText(QT_TR_NOOP("You've been banned from this room"));
    case XMPPPresence::PasswordProtected:
        return viewText(QT_TR_NOOP("The room is password protected"));
    case XMPPPresence::MembersOnly:
        return viewText(QT_TR_NOOP("This is a members only room"));
    case XMPPPresence::NicknameInUse:
        return viewText(QT_TR_NOOP("Your nickname is already in use in this room"));
    case XMPPPresence::RoomFull:
        return viewText(QT_TR_NOOP("The room is full"));
    case XMPPPresence::RoomLocked:
        return viewText(QT_TR_NOOP("The room is locked"));
    case XMPPPresence::RoomMissing:
        return viewText(QT_TR_NOOP("The room doesn't exist"));
    default:
        return ClientText();
    }
}

void ConferenceWidget::onMessage(const XMPPMessage &message)
{
    if (!m_context || !m_context->playerDb())
        return;
    // A live line takes its place by when it came, also when naming its sender takes
    // a while.
    const QDateTime arrived = Singleton<ServerTime>::instance().now();
    m_context->playerDb()->queryUser(resourceOf(message.from()), new ScreennameCallback(this, message, arrived));
}

void ConferenceWidget::showMessage(const XMPPMessage &message, int role, const QDateTime &arrived)
{
    // A line of the history comes with the time XMPPConference placed it at; a live
    // line is placed at its arrival.
    const QDateTime time = message.hasDelay() ? message.delayStamp() : arrived;
    m_ui->chatOutput->addMessage(time, resourceOf(message.from()), message.body(), role);
}

void ConferenceWidget::onUserError(XMPPConference *, XMPPPresence::error_t error)
{
    m_connectionLost = false;
    if (error == XMPPPresence::RoomMissing && m_chatKind == LobbyChatKind)
        addSystemMessage(viewText(QT_TR_NOOP("Lobby chat unavailable")));
    else if (error == XMPPPresence::RoomMissing && m_chatKind == TableChatKind)
        addSystemMessage(viewText(QT_TR_NOOP("Table chat only available to players")));
    else
        addSystemMessage(presenceErrorText(error));
}

void ConferenceWidget::onUserJoined()
{
    enableInput(m_conference.maySpeak());
    if (std::exchange(m_connectionLost, false))
        addSystemMessage(viewText(QT_TR_NOOP("The chat is back.")));
    notify(OwnJoinLeave, viewText(QT_TR_NOOP("%1 joined the chat")).arg(ClientText::words(m_conference.nick())));
    if (!m_conference.maySpeak())
        addSystemMessage(viewText(QT_TR_NOOP("You may read this room, but not speak in it.")));
}

void ConferenceWidget::onUserLeft()
{
    enableInput(false);
    notify(OwnJoinLeave, viewText(QT_TR_NOOP("%1 left the chat")).arg(ClientText::words(m_conference.nick())));
}

void ConferenceWidget::onUserVoiceChanged(bool maySpeak, const QString &reason)
{
    enableInput(maySpeak);
    if (reason.isEmpty())
        addSystemMessage(maySpeak ? viewText(QT_TR_NOOP("You may speak in this room again."))
                                  : viewText(QT_TR_NOOP("You may no longer speak in this room.")));
    else if (maySpeak)
        //: %1 is the reason the room gives, in its own words
        addSystemMessage(viewText(QT_TR_NOOP("You may speak in this room again: %1")).arg(ClientText::words(reason)));
    else
        //: %1 is the reason the room gives, in its own words
        addSystemMessage(
            viewText(QT_TR_NOOP("You may no longer speak in this room: %1")).arg(ClientText::words(reason)));
}

void ConferenceWidget::onUserRoomDestroyed(const QString &reason)
{
    enableInput(false);
    if (reason.isEmpty())
        addSystemMessage(viewText(QT_TR_NOOP("This chat room has been closed.")));
    else
        //: %1 is the reason the room gives, in its own words
        addSystemMessage(viewText(QT_TR_NOOP("This chat room has been closed: %1")).arg(ClientText::words(reason)));
}

void ConferenceWidget::onUserDisconnected()
{
    m_connectionLost = true;
    // A chat that stays away has said why already.
    // At the time the room takes as the loss: the lines it hid come below.
    if (m_context && m_context->client() && m_context->client()->reconnects())
        m_ui->chatOutput->addSystemMessage(m_conference.lossTime(),
                                           viewText(QT_TR_NOOP("The chat is disconnected. It is joined again when "
                                                               "the connection is back.")));
    // The lines still waiting stay so until the resumed session or the rejoin tells
    // whether the room had them.
    m_sender->lossTold();
}

void ConferenceWidget::onLinesMissing(const QDateTime &at)
{
    m_ui->chatOutput->addSystemMessage(
        at, viewText(QT_TR_NOOP("Lines said while the chat was disconnected may be missing: the room keeps only "
                                "its latest lines.")));
}

void ConferenceWidget::onReconnectStopped(XMPPClient::ReconnectStop why)
{
    if (m_conference.isJoined() || m_conference.isJoining() || m_connectionLost)
        addSystemMessage(ChatNotices::reconnectStopped(why));
}

void ConferenceWidget::onUserKicked(XMPPConference *, const XMPPJid &actor, const QString &reason)
{
    const ClientText nick = ClientText::words(m_conference.nick());
    const ClientText by = ClientText::words(actor.toString());
    const ClientText why = ClientText::words(reason);
    if (!actor.isEmpty() && reason.isEmpty())
        notify(OwnKickBan, viewText(QT_TR_NOOP("%1 has been kicked from the chat by %2")).arg(nick, by));
    else if (!actor.isEmpty())
        //: %1 is the user's nick, %2 the one who kicked, %3 is the reason the room gives
        notify(OwnKickBan, viewText(QT_TR_NOOP("%1 has been kicked from the chat by %2 due to %3")).arg(nick, by, why));
    else if (reason.isEmpty())
        notify(OwnKickBan, viewText(QT_TR_NOOP("%1 has been kicked from the chat")).arg(nick));
    else
        //: %1 is the user's nick, %2 is the reason the room gives
        notify(OwnKickBan, viewText(QT_TR_NOOP("%1 has been kicked from the chat due to %2")).arg(nick, why));
}

void ConferenceWidget::onUserBanned(XMPPConference *, const XMPPJid &actor, const QString &reason)
{
    const ClientText nick = ClientText::words(m_conference.nick());
    const ClientText by = ClientText::words(actor.toString());
    const ClientText why = ClientText::words(reason);
    if (!actor.isEmpty() && reason.isEmpty())
        notify(OwnKickBan, viewText(QT_TR_NOOP("%1 has been banned from the chat by %2")).arg(nick, by));
    else if (!actor.isEmpty())
        //: %1 is the user's nick, %2 the one who banned, %3 is the reason the room gives
        notify(OwnKickBan, viewText(QT_TR_NOOP("%1 has been banned from the chat by %2 due to %3")).arg(nick, by, why));
    else if (reason.isEmpty())
        notify(OwnKickBan, viewText(QT_TR_NOOP("%1 has been banned from the chat")).arg(nick));
    else
        //: %1 is the user's nick, %2 is the reason the room gives
        notify(OwnKickBan, viewText(QT_TR_NOOP("%1 has been banned from the chat due to %2")).arg(nick, why));
}

void ConferenceWidget::onParticipantJoined(XMPPConference *, const QString &nick)
{
    notify(ParticipantJoinLeave, viewText(QT_TR_NOOP("%1 joined the chat")).arg(ClientText::words(nick)));
}

void ConferenceWidget::onParticipantLeft(XMPPConference *, const QString &nick)
{
    notify(ParticipantJoinLeave, viewText(QT_TR_NOOP("%1 left the chat")).arg(ClientText::words(nick)));
}

void ConferenceWidget::onParticipantKicked(XMPPConference *, const QString &nick, const XMPPJid &, const QString &)
{
    notify(ParticipantKickBan, viewText(QT_TR_NOOP("%1 has been kicked from the chat")).arg(ClientText::words(nick)));
}

void ConferenceWidget::onParticipantBanned(XMPPConference *, const QString &nick, const XMPPJid &, const QString &)
{
    notify(ParticipantKickBan, viewText(QT_TR_NOOP("%1 has been banned from the chat")).arg(ClientText::words(nick)));
}

void ConferenceWidget::onReturnPressed()
{
    if (m_ui->chatInput->text().isEmpty())
        return;
    if (!m_conference.isJoined()) {
        if (m_connectionLost)
            m_sender->reportNotSent();
        return;
    }
    // The lines show waiting until the room passes them on, and come back into the
    // input when it does not.
    const QDateTime now = Singleton<ServerTime>::instance().now();
    const auto send = [this, &now](const OfferedLines::Line &line) {
        try {
            const QString id = m_conference.sendMessage(line.text, line.id);
            m_ui->chatOutput->addWaitingMessage(id, now, m_conference.nick(), line.text);
            return id;
        } catch (const std::exception &e) {
            qWarning() << "Sending to the chat room" << m_conference.room() << "failed:" << e.what();
            return QString();
        }
    };
    // Still joined: the loss is handled later.
    m_sender->sendInput(send, [this] { return m_conference.isJoined(); });
}

void ConferenceWidget::onOwnLineSaid(const QString &id)
{
    if (m_ui->chatOutput->removeWaitingMessage(id))
        return;
    const OfferedLines::Settled settled = m_sender->offered().settle(id);
    if (!settled.text.isNull())
        addSystemMessage(ChatNotices::sentAfterAll(settled.text, settled.editKept));
}

void ConferenceWidget::onOwnLineRefused(const QString &id, const QString &text, const XMPPMessage &error)
{
    m_ui->chatOutput->removeWaitingMessage(id);
    m_sender->offered().putBack({{id, text}});
    addSystemMessage(ChatNotices::refused(text, error, m_ui->chatInput->isEnabled()));
}

void ConferenceWidget::onOwnLinesUnanswered()
{
    // The user is out of the room, which will not pass them on; the link is fine. The
    // input, usable only in the room, cannot give them back: each notice quotes its line.
    const QList<OfferedLines::Line> lines = takeWaiting();
    if (lines.isEmpty())
        return;
    m_sender->offered().putBack(lines);
    for (const OfferedLines::Line &line : lines)
        addSystemMessage(ChatNotices::notInRoom(line.text));
}

void ConferenceWidget::onOwnLinesNotSent(const QList<XMPPConference::OwnLine> &lines, bool mayHaveGone)
{
    QList<OfferedLines::Line> offered;
    for (const XMPPConference::OwnLine &line : lines) {
        m_ui->chatOutput->removeWaitingMessage(line.id);
        offered.append({line.id, line.text});
    }
    m_sender->notSent(offered, mayHaveGone);
}

QList<OfferedLines::Line> ConferenceWidget::takeWaiting()
{
    QList<OfferedLines::Line> lines;
    for (const XMPPConference::OwnLine &line : m_conference.takeOwnLines()) {
        m_ui->chatOutput->removeWaitingMessage(line.id);
        lines.append({line.id, line.text});
    }
    return lines;
}

void ConferenceWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(this);
    QWidget::changeEvent(event);
}
