#pragma once

#include "chat/xmpp/XMPPJid.h"
#include "connection/QueryUserCallback.h"

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QSet>
#include <QString>

#include <vector>

class ConnectionManager;
class PlayerDbChatClient;
class XMPPPresence;

// The directory of player names and pictures, by player id. Names come from the game
// server's user queries, pictures from the players' vCards on the chat server.
class PlayerDb : public QObject
{
    Q_OBJECT

public:
    static constexpr int PictureSize = 64;

    PlayerDb(ConnectionManager *connection, PlayerDbChatClient *chat, QObject *parent = nullptr);
    ~PlayerDb() override;

    // The chat side plugs its client in once it exists; null unplugs it.
    void setChatClient(PlayerDbChatClient *chat);

    qint32 localPlayerId() const { return m_localPlayerId; }
    QString localPlayerIdString() const;
    QString localScreenName() const { return m_localScreenName; }
    void setLocalPlayer(qint32 id, const QString &screenName);

    void setScreenname(const QString &screenName);
    void registerUser(const QString &name, const QString &password, const QString &email,
                      const QString &extra);

    // The cached name; otherwise the server is asked and the result is a null text, or
    // "player-<id>" when placeholder is set. The name arrives with playerNameUpdate.
    QString playerName(qint32 id, bool placeholder);
    QString playerName(const XMPPJid &jid);

    // The cached picture; otherwise (asking the chat server when it is connected) the
    // player's default picture when withDefault is set, else a null pixmap.
    QPixmap picture(qint32 id, bool withDefault);

    // Answers from the cache at once, or asks the server. Every callback gets exactly
    // one call and is deleted afterwards; a callback deleted meanwhile is skipped.
    void queryUser(const QString &screenName, QueryUserCallback *callback);
    void queryUser(qint32 id, QueryUserCallback *callback);
    void queryUser(const XMPPJid &jid, QueryUserCallback *callback);

    XMPPJid jidForPlayer(qint32 id) const;
    // The address's node read as a decimal number; -1 when it is none.
    static qint32 playerIdFromJid(const XMPPJid &jid);

    static QString placeholderName(qint32 id);

public slots:
    void setPicture(const QImage &image);
    void onXMPPConnected();
    void onPresence(const XMPPPresence &presence);
    // A player's vCard arrived: photo is null when it holds none.
    void onVCardPhoto(const XMPPJid &jid, const QImage &photo, const QByteArray &photoHash);
    void onVCardReceivedError(const XMPPJid &jid);
    void onUploadVCardOk();
    void onUploadVCardError();

signals:
    void playerNameUpdate(const qint32 id, const QString &name);
    void playerPictureUpdate(const qint32 id);
    void changePictureOk();
    void changePictureFailed();
    void setScreennameOk();
    void setScreennameFailed(const QString &message, bool retryAllowed);
    void registerUserOk(bool flag);
    void registerUserFailed(const QString &reason);

private:
    struct PendingQuery
    {
        qint32 requestId = -1;
        std::vector<QPointer<QueryUserCallback>> callbacks;
    };
    struct Picture
    {
        QPixmap pixmap;
        QByteArray hash;
    };

    void sendQuery(const QString &screenName, QueryUserCallback *callback);
    void onQueryUserAnswer(qint32 requestId, bool ok, const UserRecord &user,
                           const QString &failureText);
    void onScreennameAnswer(bool ok, bool retryAllowed, const QString &message);
    void onConnectionClosed();
    void storeName(qint32 id, const QString &name);
    void requestPicture(qint32 id);
    QPixmap defaultPicture(qint32 id) const;
    bool chatConnected() const;

    QPointer<ConnectionManager> m_connection;
    PlayerDbChatClient *m_chat = nullptr;

    qint32 m_localPlayerId = -1;
    QString m_localScreenName;
    QString m_requestedScreenName;

    QHash<qint32, QString> m_names;
    QHash<qint32, Picture> m_pictures;
    QSet<qint32> m_pictureRequests;
    QHash<QString, UserRecord> m_users;
    QHash<QString, PendingQuery> m_pending;
    QHash<qint32, QString> m_pendingNames;
};
