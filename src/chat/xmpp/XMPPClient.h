#pragma once

#include <QAbstractSocket>
#include <QList>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QSslError>
#include <QSslSocket>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "chat/xmpp/ClientClock.h"
#include "chat/xmpp/StreamParser.h"
#include "chat/xmpp/XMPPDataForm.h"
#include "chat/xmpp/XMPPJid.h"
#include "chat/xmpp/XMPPMessage.h"
#include "chat/xmpp/XMPPPresence.h"
#include "chat/xmpp/XMPPVCard.h"

namespace xmpp {
class ClientDelivery;
class ClientResumption;
class ClientRoster;
class ClientSearch;
class ClientVCard;
class ConnectAttempt;
class IqRoster;
class StreamWriter;
}

// The chat client: one connection to the chat server with STARTTLS, SASL PLAIN,
// resource binding and session, then routing of everything the server sends, a
// slice at a time. A connection that was established and is lost is tried again
// with growing pauses, until it is back, the login is refused, the server ends the
// session for good (the account logged in elsewhere or may not log in) or the stream
// is closed here. Where the server keeps sessions for resumption, the next connection
// resumes the lost one rather than binding another.
class XMPPClient : public QObject
{
    Q_OBJECT

public:
    enum TlsMode { TlsRequired = 0, TlsIfAvailable = 1, TlsNever = 2 };
    Q_ENUM(TlsMode)
    enum XMPPError { TlsCertificateError = 0, FatalError = 1, AuthenticationRetry = 3 };
    Q_ENUM(XMPPError)
    // Why a lost connection is not tried again.
    enum ReconnectStop { LoggedInElsewhere = 0, AccountRefused = 1 };
    Q_ENUM(ReconnectStop)
    enum State {
        UnconnectedState = 0,
        ConnectingState = 1,
        TlsNegotiationState = 2,
        AuthenticatingState = 3,
        BindingState = 4,
        ConnectedState = 5,
        ClosingState = 6,
    };

    // The pauses before the attempts to get a lost connection back; the last one
    // repeats.
    static constexpr std::array<int, 6> ReconnectDelaysSeconds{2, 4, 8, 15, 30, 60};
    // Only a connection that stayed up this long starts the pauses from the first again.
    static constexpr int StableConnectionMs = 60000;
    // What the server sends is handled for at most this long at a time; the rest
    // waits for the next pass of the event loop.
    static constexpr int ReadSliceMs = 10;
    static constexpr qint64 ReadChunkBytes = 64 * 1024;
    // The socket takes in at most this much ahead of the parser: the rest waits in the
    // kernel, which holds the server back, however fast it writes.
    static constexpr qint64 ReadBufferBytes = 4 * ReadChunkBytes;
    // How long the client, as it ends, waits for the server to close the stream.
    static constexpr int CloseWaitMs = 50;

    // Called with the reply (result or error), or with null when the connection was
    // lost before it came.
    using IqHandler = std::function<void(const xmpp::Iq *)>;

    explicit XMPPClient(QObject *parent = nullptr);
    ~XMPPClient() override;

    void connectToHost(const QString &host, quint16 port, TlsMode mode);
    void login(const QString &user, const QString &password);
    // A development option: allow the password to travel over an unencrypted stream.
    void setPlainAuthWithoutTlsAllowed(bool allowed) { m_plainWithoutTls = allowed; }

    // Unconnected as soon as the socket is lost, also while what came before the loss
    // is still read.
    int state() const;
    // The socket is lost, and the loss is handled once what came before has been read.
    bool lossPending() const;
    // Whether a lost connection is tried again.
    bool reconnects() const { return m_reconnect; }
    QString ownJid() const { return m_ownJid; }
    QString streamLanguage() const { return m_parser.streamLanguage(); }
    QString serverDomain() const { return m_parser.streamFrom(); }

    // False when the element did not reach the socket.
    bool send(const xmpp::StreamElement &element);
    QString nextStanzaId();
    // Ends the stream for good: the connection is not tried again.
    void closeStream();
    // Ends the stream for good and runs the event loop until the server has closed it,
    // for at most the time given: the end of the application, after which nothing
    // would send the close or read the server's. True when the connection ended in time.
    bool closeStreamAndWait(int waitMs);
    void addIqHandler(const QString &id, IqHandler handler);

    // Throws std::runtime_error "not connected" unless connected, and "not sent" when
    // the message did not reach the socket. The message's id, which also goes as its
    // origin id: the one the message has when it is sent again, else a new one. It
    // counts as sent once messageConfirmed() names it, and as not sent when
    // messagesNotSent() does. A message waiting when the connection is lost waits on
    // while the session may be resumed.
    QString sendMessage(const XMPPMessage &message);
    // How long the link may bring nothing while a message waits for the server's
    // confirmation, before it is taken as lost.
    void setSilenceLimitMs(int ms);
    // How long a message may wait for the server's confirmation, whatever else comes,
    // before the link is taken as lost.
    void setConfirmationLimitMs(int ms);
    int confirmationLimitMs() const;
    // An answer awaited over the link (a room's copy of the user's line) has not come
    // within the confirmation limit: the link is taken as lost, unless what waits to be
    // read may bring it; false then, and the caller looks again shortly.
    bool answerOverdue(const QString &what);
    // The chat server's clock now, and how far the client's reckoning of it may be off;
    // none while the server has not told its time.
    std::optional<xmpp::ClientClock::Reading> serverClock() const { return m_clock->read(); }
    // When the server last sent anything, on the local steady clock
    // (xmpp::LocalClock::nowMs); none before it sent anything.
    std::optional<qint64> heardLocalMs() const { return m_heardLocalMs; }
    // The steps of the chat server's clock seen while connected or from one connection
    // to the next.
    const xmpp::ClockSteps &serverClockSteps() const { return m_clock->steps(); }
    // How long the chat server's clock goes before it is asked again while connected;
    // ClientClock::RemeasureMs unless set.
    void setClockRemeasureMs(int ms) { m_clock->setRemeasureMs(ms); }
    // With seconds not negative, the room sends only the history of that many seconds
    // back.
    void joinRoom(const XMPPJid &room, const QString &nick, int historySeconds = -1);
    void leaveRoom(const XMPPJid &room, const QString &nick);
    void createInstantRoom(const XMPPJid &room);
    void subscribe(const XMPPJid &jid, bool unsubscribe = false);
    void answerSubscription(const XMPPJid &jid, bool accept);
    void addTable(const QString &path);
    void removeTable(const QString &path);
    void setPhotoHash(const QByteArray &hash);
    void updatePhotoHash(const QByteArray &hash);
    void discoverServerInfo();
    void discoverItems(const XMPPJid &jid);

    void requestRoster();
    void updateRosterItem(const XMPPJid &jid, bool remove, const QString &name, const QString &group);
    // Both throw std::runtime_error "not connected" unless connected.
    void requestVCard(const XMPPJid &jid);
    void uploadVCard(const XMPPVCard &vcard);
    // The answers come as the signals below, with the caller's tag.
    void requestSearchForm(const QString &to, const QString &requestTag);
    void search(const QString &to, const XMPPDataForm &form, const QString &requestTag);

signals:
    void connected();
    void disconnected();
    void socketError(QAbstractSocket::SocketError error);
    void xmppError(XMPPClient::XMPPError error, const QString &text);
    // A lost connection is not tried again after all.
    void reconnectStopped(XMPPClient::ReconnectStop why);
    void messageReceived(const XMPPMessage &message);
    // A message came back as an error, under the id of the message it answers.
    void messageRefused(const XMPPMessage &error);
    // The server has the message sent with this id.
    void messageConfirmed(const QString &id);
    // The connection ended before the server confirmed these messages, in the order
    // they were sent: the server did not take them, or nobody can tell whether it did.
    void messagesNotSent(const QStringList &ids, bool mayHaveGone);
    void authorizationRequestReceived(const XMPPJid &jid);
    void conferenceJID(const XMPPJid &jid);
    void conferenceRooms(const QList<XMPPJid> &rooms);
    void presence(const XMPPPresence &presence);
    void rosterReset();
    void rosterUpdate(const XMPPJid &jid, int subscription, bool remove, const QString &name,
                      const QString &group);
    void vCardReceived(const XMPPJid &jid, const XMPPVCard &vcard);
    void vCardReceivedError(const XMPPJid &jid);
    void uploadVCardOk();
    void uploadVCardError();
    void requestSearchFormResult(const XMPPDataForm &searchFields, const QString &requestTag);
    void requestSearchFormError(const QString &requestTag);
    void searchReport(const XMPPDataReport &searchReport, const QString &requestTag);
    void searchError(const QString &requestTag);

private slots:
    void socketConnected();
    void socketReadyRead();
    void socketDisconnected();
    void onSocketError(QAbstractSocket::SocketError error);
    void onConnectFailed();
    void socketEncrypted();
    void socketSslErrors(const QList<QSslError> &errors);

private:
    struct PendingIq
    {
        IqHandler handler;
        XMPPJid recipient;
    };

    void startStream();
    void readSlice();
    bool readElement();
    bool feedParser();
    void handleElement(const xmpp::StreamElement &element);
    // Hands what came on an established connection to where it goes: the answers to
    // requests and the signals above; a request it does not serve throws the stanza
    // error to answer.
    void route(const xmpp::StreamElement &element);
    void negotiate(const xmpp::StreamElement &element);
    void onStreamError(const xmpp::StreamError &error);
    void onFeatures(const xmpp::StreamFeatures &features);
    void onSaslFailure(const xmpp::SASLFailure &failure);
    void onBindReply(const xmpp::Iq &reply);
    void onSessionReply(const xmpp::Iq &reply);
    void finishNegotiation();
    // The features after the login: the session lost is resumed, or a new one bound.
    void resumeOrBind(const xmpp::StreamFeatures &features);
    void bind();
    void onStreamManagement(const xmpp::StreamManagement &element);
    void sendAuth();
    void sendOwnPresence();
    void onPresence(const xmpp::PresenceStanza &presence);
    bool takeIqReply(const xmpp::Iq &iq);
    bool isExpectedSender(const XMPPJid &recipient, const XMPPJid &sender) const;
    void answerStanzaError(const xmpp::stanza_error &error);
    void fail(const QString &text);
    void endStream();
    void setUnconnected();
    void reconnect();
    void stopReconnecting(ReconnectStop why);
    void requireConnected() const;
    XMPPJid roomOccupant(const XMPPJid &room, const QString &nick) const;
    void sendDiscoInfo(const XMPPJid &to);
    void onDiscoInfo(const xmpp::Iq *reply);
    void onServiceItems(const xmpp::Iq *reply);
    void onRosterPush(const xmpp::IqRoster &push);
    // Something came that the slices of reading have not handled yet.
    bool unreadInput() const;
    // Drops a link that looks alive but does not carry, for the reason given.
    void takeAsLost(const QString &why);
    void onLinkSilent();
    void onConfirmationOverdue();

    QString m_user;
    QString m_password;
    QString m_resource;
    QString m_ownJid;
    QString m_host;
    quint16 m_port = 0;
    TlsMode m_tlsMode = TlsRequired;
    QSslSocket m_socket;
    std::unique_ptr<xmpp::ConnectAttempt> m_connectAttempt;
    std::unique_ptr<xmpp::StreamWriter> m_writer;
    xmpp::StreamParser m_parser;
    int m_state = UnconnectedState;
    int m_stanzaId = 0;
    QMap<QString, PendingIq> m_iqHandlers;
    bool m_sessionRequired = false;
    QString m_bindId;
    QString m_sessionId;
    int m_ownAvailability = 2;
    QString m_ownStatus;
    QSet<QString> m_ownTables;
    QByteArray m_ownPhotoHash;
    // The last bytes read after the client closed its stream, where the server's end of
    // the stream is looked for.
    QByteArray m_closingTail;
    static constexpr qsizetype StreamEndBytes = 16;
    bool m_plainWithoutTls = false;
    // Whether the auth sent on this stream awaits its answer: a success answers nothing
    // else, and restarts the stream only then.
    bool m_authPending = false;
    // One socket error is reported per connection.
    bool m_socketErrorReported = false;
    // Whether a lost connection is tried again: from the first established connection
    // until a refused login or a close of our own.
    bool m_reconnect = false;
    int m_reconnectAttempts = 0;
    QTimer m_reconnectTimer;
    // When the connection under way was made, by the local steady clock.
    std::optional<qint64> m_connectedSinceMs;
    // Runs the next slice of reading in a later pass of the event loop: a timer rather
    // than a posted call, so that input and other timers get their turn between
    // slices. A connection lost meanwhile is taken as lost once what came before has
    // been read.
    QTimer m_readTimer;
    bool m_lostWhileReading = false;
    // The recipient of the last IQ request sent, by stanza id, until its handler is added.
    QMap<QString, XMPPJid> m_sentRequests;
    std::unique_ptr<xmpp::ClientRoster> m_roster;
    std::unique_ptr<xmpp::ClientVCard> m_vcard;
    std::unique_ptr<xmpp::ClientSearch> m_search;
    std::unique_ptr<xmpp::ClientDelivery> m_delivery;
    std::unique_ptr<xmpp::ClientResumption> m_resumption;
    // The server offers stream management on this connection.
    bool m_streamManagement = false;
    std::optional<qint64> m_heardLocalMs;
    std::unique_ptr<xmpp::ClientClock> m_clock;
};
