#include "connection/PlayerDb.h"

#include "chat/xmpp/XMPPPresence.h"
#include "connection/ConnectionManager.h"
#include "connection/PlayerDbChatClient.h"

#include <QColor>
#include <QtDebug>

#include <exception>

namespace {

// Callbacks belong to other windows: whatever they throw stays with them.
template <typename Call>
void answer(QueryUserCallback *callback, Call call)
{
    try {
        call(callback);
    } catch (const std::exception &e) {
        qWarning() << "user query callback failed:" << e.what();
    } catch (...) {
        qWarning() << "user query callback failed";
    }
    callback->deleteLater();
}

} // namespace

PlayerDb::PlayerDb(ConnectionManager *connection, PlayerDbChatClient *chat, QObject *parent)
    : QObject(parent), m_connection(connection), m_chat(chat)
{
    if (connection) {
        connect(connection, &ConnectionManager::queryUserAnswer, this, &PlayerDb::onQueryUserAnswer);
        connect(connection, &ConnectionManager::screennameAnswer, this, &PlayerDb::onScreennameAnswer);
        connect(connection, &ConnectionManager::registerUserAnswer, this,
                [this](bool ok, bool flag, const QString &reason) {
                    if (ok)
                        emit registerUserOk(flag);
                    else
                        emit registerUserFailed(reason);
                });
        connect(connection, &ConnectionManager::connectionClosed, this, &PlayerDb::onConnectionClosed);
    }
}

PlayerDb::~PlayerDb()
{
    // Callbacks still waiting are owned by the directory: free them without an answer.
    for (const PendingQuery &pending : std::as_const(m_pending)) {
        for (const QPointer<QueryUserCallback> &callback : pending.callbacks) {
            if (callback)
                callback->deleteLater();
        }
    }
}

void PlayerDb::setChatClient(PlayerDbChatClient *chat)
{
    m_chat = chat;
    m_pictureRequests.clear();
}

QString PlayerDb::localPlayerIdString() const
{
    return QString::number(m_localPlayerId);
}

void PlayerDb::setLocalPlayer(qint32 id, const QString &screenName)
{
    const bool newId = id != m_localPlayerId;
    m_localPlayerId = id;
    m_localScreenName = screenName;
    m_names.insert(id, screenName);
    emit playerNameUpdate(id, screenName);
    if (newId && chatConnected())
        m_chat->requestVCard(jidForPlayer(id));
}

void PlayerDb::setScreenname(const QString &screenName)
{
    if (!m_connection || !m_connection->set_screenname(screenName)) {
        emit setScreennameFailed(tr("Not connected to the server"), true);
        return;
    }
    m_requestedScreenName = screenName;
}

void PlayerDb::onScreennameAnswer(bool ok, bool retryAllowed, const QString &message)
{
    if (!ok) {
        emit setScreennameFailed(message, retryAllowed);
        return;
    }
    if (!m_requestedScreenName.isEmpty()) {
        m_localScreenName = m_requestedScreenName;
        m_requestedScreenName.clear();
        if (m_localPlayerId >= 0)
            storeName(m_localPlayerId, m_localScreenName);
    }
    emit setScreennameOk();
}

void PlayerDb::registerUser(const QString &name, const QString &password, const QString &email,
                            const QString &extra)
{
    if (!m_connection || !m_connection->register_user(name, password, email, extra))
        emit registerUserFailed(tr("Not connected to the server"));
}

QString PlayerDb::placeholderName(qint32 id)
{
    return QStringLiteral("player-%1").arg(id);
}

QString PlayerDb::playerName(qint32 id, bool placeholder)
{
    const auto cached = m_names.constFind(id);
    if (cached != m_names.constEnd())
        return *cached;
    if (id >= 0 && m_connection && m_connection->isConnected()) {
        const QString name = placeholderName(id);
        if (!m_pending.contains(name))
            sendQuery(name, nullptr);
    }
    return placeholder ? placeholderName(id) : QString();
}

QString PlayerDb::playerName(const XMPPJid &jid)
{
    const qint32 id = playerIdFromJid(jid);
    if (id < 0)
        return jidNode(jid);
    return playerName(id, true);
}

void PlayerDb::queryUser(const QString &screenName, QueryUserCallback *callback)
{
    if (!callback)
        return;
    callback->setScreenName(screenName);
    const auto cached = m_users.constFind(screenName);
    if (cached != m_users.constEnd()) {
        const UserRecord user = *cached;
        answer(callback, [&user](QueryUserCallback *c) { c->queryOk(user); });
        return;
    }
    auto pending = m_pending.find(screenName);
    if (pending != m_pending.end()) {
        pending->callbacks.emplace_back(callback);
        return;
    }
    sendQuery(screenName, callback);
}

void PlayerDb::queryUser(qint32 id, QueryUserCallback *callback)
{
    queryUser(placeholderName(id), callback);
}

void PlayerDb::queryUser(const XMPPJid &jid, QueryUserCallback *callback)
{
    const qint32 id = playerIdFromJid(jid);
    if (id < 0) {
        if (callback)
            answer(callback, [](QueryUserCallback *c) { c->queryFailed(QStringLiteral("not a player address")); });
        return;
    }
    queryUser(id, callback);
}

void PlayerDb::sendQuery(const QString &screenName, QueryUserCallback *callback)
{
    const qint32 requestId = m_connection ? m_connection->query_user(screenName) : -1;
    if (requestId < 0) {
        if (callback) {
            answer(callback, [](QueryUserCallback *c) {
                c->queryFailed(QStringLiteral("not connected"));
            });
        }
        return;
    }
    PendingQuery pending;
    pending.requestId = requestId;
    if (callback)
        pending.callbacks.emplace_back(callback);
    m_pending.insert(screenName, pending);
    m_pendingNames.insert(requestId, screenName);
}

void PlayerDb::onQueryUserAnswer(qint32 requestId, bool ok, const UserRecord &user,
                                 const QString &failureText)
{
    const auto name = m_pendingNames.find(requestId);
    if (name == m_pendingNames.end()) {
        qWarning() << "user query answer for unknown request" << requestId << "dropped";
        return;
    }
    const QString screenName = *name;
    m_pendingNames.erase(name);
    const PendingQuery pending = m_pending.take(screenName);

    if (ok) {
        m_users.insert(screenName, user);
        if (user.playerId >= 0 && !user.screenName.isEmpty())
            storeName(user.playerId, user.screenName);
    }
    for (const QPointer<QueryUserCallback> &callback : pending.callbacks) {
        if (!callback)
            continue;
        if (ok)
            answer(callback, [&user](QueryUserCallback *c) { c->queryOk(user); });
        else
            answer(callback, [&failureText](QueryUserCallback *c) { c->queryFailed(failureText); });
    }
}

void PlayerDb::onConnectionClosed()
{
    // No answer comes on a closed connection: every waiting question fails now.
    const QHash<QString, PendingQuery> pending = std::exchange(m_pending, {});
    m_pendingNames.clear();
    m_requestedScreenName.clear();
    for (const PendingQuery &query : pending) {
        for (const QPointer<QueryUserCallback> &callback : query.callbacks) {
            if (callback) {
                answer(callback, [](QueryUserCallback *c) {
                    c->queryFailed(QStringLiteral("connection closed"));
                });
            }
        }
    }
}

void PlayerDb::storeName(qint32 id, const QString &name)
{
    const auto known = m_names.constFind(id);
    if (known != m_names.constEnd() && *known == name)
        return;
    m_names.insert(id, name);
    emit playerNameUpdate(id, name);
}

XMPPJid PlayerDb::jidForPlayer(qint32 id) const
{
    return XMPPJid(m_chat ? m_chat->domain() : QString(), QString::number(id), QString());
}

qint32 PlayerDb::playerIdFromJid(const XMPPJid &jid)
{
    bool ok = false;
    const qint32 id = jidNode(jid).toInt(&ok, 10);
    return ok && id >= 0 ? id : -1;
}

bool PlayerDb::chatConnected() const
{
    return m_chat && m_chat->isConnected();
}

QPixmap PlayerDb::picture(qint32 id, bool withDefault)
{
    const auto cached = m_pictures.constFind(id);
    if (cached != m_pictures.constEnd() && !cached->pixmap.isNull())
        return cached->pixmap;
    requestPicture(id);
    return withDefault ? defaultPicture(id) : QPixmap();
}

void PlayerDb::requestPicture(qint32 id)
{
    if (id < 0 || !chatConnected() || m_pictureRequests.contains(id))
        return;
    m_pictureRequests.insert(id);
    m_chat->requestVCard(jidForPlayer(id));
}

QPixmap PlayerDb::defaultPicture(qint32 id) const
{
    QPixmap pixmap(QStringLiteral("resources:/avatar-default-%1.png").arg((id & 1) + 1));
    if (pixmap.isNull()) {
        pixmap = QPixmap(PictureSize, PictureSize);
        pixmap.fill(QColor(0x9a, 0xa3, 0xad));
    }
    return pixmap;
}

void PlayerDb::setPicture(const QImage &image)
{
    if (!chatConnected()) {
        emit changePictureFailed();
        return;
    }
    m_chat->uploadPhoto(image);
}

void PlayerDb::onXMPPConnected()
{
    m_pictureRequests.clear();
    if (m_localPlayerId >= 0 && m_chat)
        m_chat->requestVCard(jidForPlayer(m_localPlayerId));
}

void PlayerDb::onPresence(const XMPPPresence &presence)
{
    const qint32 id = playerIdFromJid(presence.from());
    if (id < 0 || id == m_localPlayerId || !presence.hasPhotoHash())
        return;
    const auto cached = m_pictures.constFind(id);
    if (cached == m_pictures.constEnd() || cached->hash == presence.photoHash())
        return;
    // An empty photo element says the player has no picture: nothing to ask for.
    if (presence.photoHash().isEmpty()) {
        if (!cached->hash.isEmpty())
            onVCardPhoto(presence.from(), QImage(), QByteArray());
        return;
    }
    if (chatConnected())
        m_chat->requestVCard(jidForPlayer(id));
}

void PlayerDb::onVCardPhoto(const XMPPJid &jid, const QImage &photo, const QByteArray &photoHash)
{
    const qint32 id = playerIdFromJid(jid);
    if (id < 0)
        return;
    m_pictureRequests.remove(id);
    Picture picture;
    if (photo.isNull()) {
        picture.pixmap = defaultPicture(id);
    } else {
        QImage scaled = photo;
        if (photo.width() > PictureSize || photo.height() > PictureSize)
            scaled = photo.scaled(PictureSize, PictureSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        picture.pixmap = QPixmap::fromImage(scaled);
        picture.hash = photoHash;
        if (id == m_localPlayerId && m_chat)
            m_chat->setPhotoHash(photoHash);
    }
    m_pictures.insert(id, picture);
    emit playerPictureUpdate(id);
}

void PlayerDb::onVCardReceivedError(const XMPPJid &jid)
{
    // Nothing to show; the player may be asked again later.
    m_pictureRequests.remove(playerIdFromJid(jid));
}

void PlayerDb::onUploadVCardOk()
{
    if (m_localPlayerId >= 0 && m_chat)
        m_chat->requestVCard(jidForPlayer(m_localPlayerId));
    emit changePictureOk();
}

void PlayerDb::onUploadVCardError()
{
    emit changePictureFailed();
}
