#include "chat/ChatWindow.h"
#include "ui_ChatWindow.h"

#include "app/Singleton.h"
#include "chat/ChatNotices.h"
#include "chat/XMPPChatManager.h"
#include "chat/xmpp/RoomLineBook.h"
#include "chat/xmpp/XMPPJid.h"
#include "connection/PlayerDb.h"
#include "connection/QueryUserCallback.h"
#include "connection/ServerTime.h"

#include <QEvent>

#include <algorithm>
#include <functional>
#include <optional>
#include <utility>

namespace {

// Where a line goes in the pane, whose lines are all placed on one clock: the game
// server's, as the client reckons it, which also places the player's own lines when he
// says them. A line that came live goes where it came. A line that the chat server kept
// (sent again as a session was resumed, or kept while the player was away) carries the
// chat server's stamp, on that server's clock: it goes as far before now as the stamp is
// before that clock's now, as the client reckons it, and at the latest time that
// reckoning allows. A line answering the player's could otherwise stand above it by as
// much as the two clocks disagree; one the player wrote before the kept line came did
// not answer it, wherever the kept line stands. Never later than it came.
QDateTime messageTime(const XMPPMessage &message, const XMPPClient *client)
{
    const QDateTime now = Singleton<ServerTime>::instance().now();
    if (!message.hasDelay())
        return now;
    // Where the chat server does not tell its time, its clock is taken as the game
    // server's, within the skew allowed for.
    const std::optional<xmpp::ClientClock::Reading> chatClock = client ? client->serverClock() : std::nullopt;
    const qint64 aheadMs = chatClock ? chatClock->nowMs - chatClock->errorMs - now.toMSecsSinceEpoch()
                                     : -RoomLineBook::ClockSkewToleranceMs;
    return std::min(message.delayStamp().addMSecs(-aheadMs), now);
}

// Names the sender of one message of the window, which keeps its place by when it came
// however long the naming takes.
class UserCallback : public QueryUserCallback
{
public:
    UserCallback(ChatWindow *window, const XMPPMessage &message, const QDateTime &time)
        : QueryUserCallback(window), m_window(window), m_message(message), m_time(time)
    {
    }

    void queryOk(const UserRecord &user) override
    {
        m_window->showMessage(m_message, m_time, user.screenName,
                              user.manager ? ChatOutputWidget::ManagerRole : ChatOutputWidget::UserRole,
                              user.playerId);
    }

    void queryFailed(const QString &message) override { m_window->showUnknownSender(m_message, m_time, message); }

private:
    ChatWindow *m_window;
    XMPPMessage m_message;
    QDateTime m_time;
};

// Runs once the sender of a line is named, whether or not he could be: the look-ups of
// one sender are answered in the order they were asked, so a notice about a line comes
// below the line itself.
class AfterNaming : public QueryUserCallback
{
public:
    AfterNaming(ChatWindow *window, std::function<void()> then)
        : QueryUserCallback(window), m_then(std::move(then))
    {
    }

    void queryOk(const UserRecord &) override { m_then(); }
    void queryFailed(const QString &) override { m_then(); }

private:
    std::function<void()> m_then;
};

} // namespace

ChatWindow::ChatWindow(XMPPChat *chat, PlayerDb *playerDb, QWidget *parent)
    : MahjongDialog(parent, ShowCloseButton)
    , m_ui(std::make_unique<Ui::ChatWindow>())
    , m_chat(chat)
    , m_playerDb(playerDb)
{
    setAttribute(Qt::WA_DeleteOnClose);
    auto body = new QFrame(this);
    m_ui->setupUi(body);
    m_sender = std::make_unique<LineSender>(m_ui->input, m_ui->output);
    body->setWindowTitle(tr("Manager chat"));
    // The pane alone: its scroll bars keep the look of every other pane's.
    m_ui->output->setStyleSheet(QStringLiteral("ChatOutputWidget { background: rgba(0,0,0, 128) }"));
    setContentWidget(body);
    hide();
    connect(chat, &XMPPChat::message, this, &ChatWindow::onMessage);
    connect(chat, &XMPPChat::confirmed, this, &ChatWindow::onConfirmed);
    connect(chat, &XMPPChat::notSent, this, &ChatWindow::onNotSent);
    connect(chat, &XMPPChat::refused, this, &ChatWindow::onRefused);
    connect(m_ui->input, &QLineEdit::returnPressed, this, &ChatWindow::onSendMessage);
    connect(m_ui->send, &QPushButton::clicked, this, &ChatWindow::onSendMessage);
    if (XMPPClient *client = chat->client()) {
        connect(client, &XMPPClient::disconnected, this, &ChatWindow::onChatDisconnected);
        connect(client, &XMPPClient::connected, this, &ChatWindow::onChatConnected);
        connect(client, &XMPPClient::reconnectStopped, this, &ChatWindow::onReconnectStopped);
    }
}

ChatWindow::~ChatWindow()
{
    delete m_chat.data();
}

void ChatWindow::setOpenedLocally(bool local)
{
    m_openedLocally = local;
    if (local)
        show();
}

void ChatWindow::onMessage(const XMPPMessage &message)
{
    const QDateTime said = m_saidAt.take(message.id());
    const QDateTime time = said.isValid() ? said : messageTime(message, m_chat ? m_chat->client() : nullptr);
    m_playerDb->queryUser(parseJid(message.from()), new UserCallback(this, message, time));
}

void ChatWindow::showMessage(const XMPPMessage &message, const QDateTime &time, const QString &nick, int role,
                             qint32 playerId)
{
    if (role != ChatOutputWidget::ManagerRole && !m_openedLocally && playerId != m_playerDb->localPlayerId()) {
        deleteLater();
        return;
    }
    show();
    m_ui->output->addMessage(time, nick, message.body(), role);
}

void ChatWindow::showUnknownSender(const XMPPMessage &message, const QDateTime &time, const QString &failure)
{
    if (!m_openedLocally) {
        deleteLater();
        return;
    }
    m_ui->output->addSystemMessage(time, ClientText::words(failure));
    show();
    m_ui->output->addMessage(time, jidNode(parseJid(message.from())), message.body(), ChatOutputWidget::UnknownRole);
}

void ChatWindow::onSendMessage()
{
    if (m_ui->input->text().isEmpty() || !m_chat)
        return;
    // A line shows waiting until the server has it. Not connected: nothing went out,
    // and the text stays for another try.
    const QDateTime now = Singleton<ServerTime>::instance().now();
    const auto send = [this, &now](const OfferedLines::Line &line) {
        const QString id = m_chat->send(line.text, line.id);
        if (!id.isNull()) {
            m_ui->output->addWaitingMessage(id, now, m_playerDb->localScreenName(), line.text);
            m_saidAt.insert(id, now);
        }
        return id;
    };
    const auto lossUntold = [this] {
        XMPPClient *client = m_chat ? m_chat->client() : nullptr;
        return client && client->lossPending() && !m_connectionLost;
    };
    m_sender->sendInput(send, lossUntold);
}

void ChatWindow::onConfirmed(const QString &id)
{
    m_ui->output->removeWaitingMessage(id);
}

void ChatWindow::onNotSent(const QList<XMPPMessage> &lines, bool mayHaveGone)
{
    QList<OfferedLines::Line> offered;
    for (const XMPPMessage &line : lines) {
        m_ui->output->removeWaitingMessage(line.id());
        m_saidAt.remove(line.id());
        offered.append({line.id(), line.body()});
    }
    m_sender->notSent(offered, mayHaveGone);
}

void ChatWindow::onRefused(const XMPPMessage &line, const XMPPMessage &error)
{
    // It may show as said already, or soon: the notice names it and comes below it.
    m_ui->output->removeWaitingMessage(line.id());
    m_saidAt.remove(line.id());
    m_sender->offered().putBack({{line.id(), line.body()}});
    const ClientText notice = ChatNotices::undelivered(line.body(), error);
    m_playerDb->queryUser(parseJid(line.from()), new AfterNaming(this, [this, notice] { addSystemMessage(notice); }));
}

void ChatWindow::onChatDisconnected()
{
    m_connectionLost = true;
    // A chat that stays away says why as it gives up.
    if (m_chat && m_chat->client() && m_chat->client()->reconnects())
        addSystemMessage(
            ClientText("ChatWindow", QT_TR_NOOP("The chat is disconnected. It tries to reconnect by itself.")));
    m_sender->lossTold();
}

void ChatWindow::onReconnectStopped(XMPPClient::ReconnectStop why)
{
    addSystemMessage(ChatNotices::reconnectStopped(why));
}

void ChatWindow::onChatConnected()
{
    if (std::exchange(m_connectionLost, false))
        addSystemMessage(ClientText("ChatWindow", QT_TR_NOOP("The chat is back.")));
}

void ChatWindow::addSystemMessage(const ClientText &text)
{
    m_ui->output->addSystemMessage(Singleton<ServerTime>::instance().now(), text);
}

void ChatWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(static_cast<QFrame *>(contentWidget()));
        contentWidget()->setWindowTitle(tr("Manager chat"));
        setWindowTitle(contentWidget()->windowTitle());
    }
    MahjongDialog::changeEvent(event);
}
