#include "chat/XMPPChatManager.h"

#include "chat/xmpp/ClientDelivery.h"
#include "chat/xmpp/XMPPClient.h"

#include <QDebug>
#include <QUuid>

#include <algorithm>
#include <stdexcept>

namespace {

QString bareOf(const QString &jid)
{
    return jid.section(QLatin1Char('/'), 0, 0);
}

} // namespace

XMPPChatManager::XMPPChatManager(XMPPClient *client) : m_client(client)
{
    if (client) {
        connect(client, &XMPPClient::messageReceived, this, &XMPPChatManager::onMessage);
        connect(client, &XMPPClient::messageRefused, this, &XMPPChatManager::onMessageRefused);
    }
}

XMPPChatManager::~XMPPChatManager()
{
    // The chats die with their windows; those still alive forget this manager.
    for (XMPPChat *chat : findChildren<XMPPChat *>(Qt::FindDirectChildrenOnly))
        disconnect(chat, nullptr, this, nullptr);
}

QString XMPPChatManager::newThreadId()
{
    static const QString run = QUuid::createUuid().toString();
    static int counter = 0;
    return QStringLiteral("%1-%2").arg(run).arg(counter++);
}

XMPPChat *XMPPChatManager::chatWith(const XMPPJid &jid)
{
    return createChat(jid.toString(), newThreadId(), true);
}

XMPPChat *XMPPChatManager::createChat(const QString &jid, const QString &thread, bool local)
{
    auto chat = new XMPPChat(this, jid, thread);
    connect(chat, &XMPPChat::destroyed, this, &XMPPChatManager::onChatDestroyed);
    if (!thread.isEmpty())
        m_chatsByThread.insert(thread, chat);
    m_chatsByJid.insert(jid, chat);
    emit chatCreated(chat, local);
    return chat;
}

XMPPChat *XMPPChatManager::chatFor(const QString &jid) const
{
    return m_chatsByJid.value(jid);
}

QString XMPPChatManager::send(const XMPPMessage &message)
{
    if (!m_client || m_client->state() != XMPPClient::ConnectedState)
        return QString();
    try {
        return m_client->sendMessage(message);
    } catch (const std::exception &e) {
        qWarning() << "Sending to" << message.to() << "failed:" << e.what();
        return QString();
    }
}

XMPPClient *XMPPChatManager::client() const
{
    return m_client;
}

QString XMPPChatManager::ownJid() const
{
    return m_client ? m_client->ownJid() : QString();
}

void XMPPChatManager::onMessage(const XMPPMessage &message)
{
    // A message without text (a typing notice, a subject) is no line of a chat.
    if (message.body().isEmpty())
        return;
    const QString from = message.from();
    if (message.type() == XMPPMessage::Chat) {
        if (!isFirstCopy(message)) {
            qDebug() << "Dropping a copy of the message" << message.originId() << "of" << from;
            return;
        }
        XMPPChat *chat = message.thread().isEmpty() ? nullptr : m_chatsByThread.value(message.thread());
        if (!chat)
            chat = m_chatsByJid.value(from);
        if (!chat)
            chat = m_chatsByJid.value(bareOf(from));
        if (!chat)
            chat = createChat(from, message.thread(), false);
        chat->deliver(message);
    } else if (message.type() == XMPPMessage::GroupChat) {
        if (XMPPChat *chat = m_chatsByJid.value(bareOf(from)))
            chat->deliver(message);
    }
}

void XMPPChatManager::onMessageRefused(const XMPPMessage &error)
{
    // From the address the line went to: the peer's, as the chat has it.
    const QString from = error.from();
    for (XMPPChat *chat : {m_chatsByJid.value(from), m_chatsByJid.value(bareOf(from))}) {
        if (chat && chat->takeRefusal(error))
            return;
    }
}

bool XMPPChatManager::isFirstCopy(const XMPPMessage &message)
{
    if (message.originId().isEmpty())
        return true;
    // The text by its hash: a remembered message costs little however long it was.
    const QString key = QStringList{bareOf(message.from()), message.originId(), QString::number(qHash(message.body()))}
                            .join(QChar(0));
    if (m_remembered.contains(key))
        return false;
    m_remembered.insert(key);
    m_rememberedOrder.push_back(key);
    if (m_rememberedOrder.size() > size_t(MaxRememberedMessages)) {
        m_remembered.remove(m_rememberedOrder.front());
        m_rememberedOrder.pop_front();
    }
    return true;
}

void XMPPChatManager::onChatDestroyed(XMPPChat *chat)
{
    if (!chat->thread().isEmpty() && m_chatsByThread.value(chat->thread()) == chat)
        m_chatsByThread.remove(chat->thread());
    if (m_chatsByJid.value(chat->jid()) == chat)
        m_chatsByJid.remove(chat->jid());
}

XMPPChat::XMPPChat(XMPPChatManager *manager, const QString &jid, const QString &thread)
    : QObject(manager), m_manager(manager), m_jid(jid), m_thread(thread)
{
    if (XMPPClient *client = manager->client()) {
        connect(client, &XMPPClient::messageConfirmed, this, &XMPPChat::onConfirmed);
        connect(client, &XMPPClient::messagesNotSent, this, &XMPPChat::onNotSent);
    }
}

XMPPChat::~XMPPChat()
{
    emit destroyed(this);
}

XMPPClient *XMPPChat::client() const
{
    return m_manager ? m_manager->client() : nullptr;
}

QString XMPPChat::send(const QString &text, const QString &id)
{
    if (!m_manager)
        return QString();
    XMPPMessage own(m_jid, XMPPMessage::Chat);
    own.setFrom(m_manager->ownJid());
    own.setBody(text);
    own.setThread(m_thread);
    own.setId(id);
    const QString sent = m_manager->send(own);
    if (sent.isNull())
        return QString();
    own.setId(sent);
    m_unconfirmed.insert(sent, own);
    return sent;
}

void XMPPChat::onConfirmed(const QString &id)
{
    const auto sent = m_unconfirmed.constFind(id);
    if (sent == m_unconfirmed.constEnd())
        return;
    const XMPPMessage own = *sent;
    m_unconfirmed.erase(sent);
    m_confirmed.push_back(own);
    if (m_confirmed.size() > size_t(MaxRememberedLines))
        m_confirmed.pop_front();
    emit confirmed(id);
    emit message(own);
}

bool XMPPChat::takeRefusal(const XMPPMessage &error)
{
    if (error.id().isEmpty())
        return false;
    XMPPMessage line;
    const auto sameId = [&error](const XMPPMessage &own) { return own.id() == error.id(); };
    if (const auto unconfirmed = m_unconfirmed.constFind(error.id()); unconfirmed != m_unconfirmed.constEnd()) {
        line = *unconfirmed;
        m_unconfirmed.erase(unconfirmed);
    } else if (const auto confirmed = std::find_if(m_confirmed.begin(), m_confirmed.end(), sameId);
               confirmed != m_confirmed.end()) {
        line = *confirmed;
        m_confirmed.erase(confirmed);
    } else {
        return false;
    }
    qInfo() << "The chat server refused the line" << line.id() << "to" << line.to() << ":" << error.errorReason();
    emit refused(line, error);
    return true;
}

void XMPPChat::onNotSent(const QStringList &ids, bool mayHaveGone)
{
    const QList<XMPPMessage> lines = xmpp::takeNotSent(m_unconfirmed, ids);
    if (!lines.isEmpty())
        emit notSent(lines, mayHaveGone);
}
