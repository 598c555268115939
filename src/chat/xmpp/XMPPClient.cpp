#include "chat/xmpp/XMPPClient.h"

#include "app/ClientErrors.h"
#include "chat/xmpp/ClientDelivery.h"
#include "chat/xmpp/ClientResumption.h"
#include "chat/xmpp/ClientRoster.h"
#include "chat/xmpp/ClientSearch.h"
#include "chat/xmpp/ClientVCard.h"
#include "chat/xmpp/ConnectAttempt.h"
#include "chat/xmpp/IqRoster.h"
#include "chat/xmpp/LocalClock.h"
#include "chat/xmpp/StreamWriter.h"
#include "chat/xmpp/XMPPNamespaces.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSslConfiguration>
#include <QUuid>

#include <algorithm>
#include <stdexcept>
#include <utility>

using namespace xmpp;

namespace {

// The items of a discovery reply; null when the connection was lost or the entity
// answered with an error.
const IqDiscoItems *discoItems(const Iq *reply)
{
    if (!reply || reply->hasError())
        return nullptr;
    auto items = dynamic_cast<const IqDiscoItems *>(reply);
    if (!items)
        throw stream_error(UndefinedCondition, QStringLiteral("expected disco items"));
    return items;
}

} // namespace

XMPPClient::XMPPClient(QObject *parent)
    : QObject(parent),
      m_connectAttempt(std::make_unique<ConnectAttempt>(&m_socket)),
      m_roster(std::make_unique<ClientRoster>(this)),
      m_vcard(std::make_unique<ClientVCard>(this)),
      m_search(std::make_unique<ClientSearch>(this)),
      m_delivery(std::make_unique<ClientDelivery>(this)),
      m_resumption(std::make_unique<ClientResumption>(this)),
      m_clock(std::make_unique<ClientClock>(this))
{
    qRegisterMetaType<QAbstractSocket::SocketError>("QAbstractSocket::SocketError");
    qRegisterMetaType<XMPPJid>("XMPPJid");
    qRegisterMetaType<XMPPPresence>("XMPPPresence");
    qRegisterMetaType<XMPPMessage>("XMPPMessage");
    qRegisterMetaType<QList<XMPPJid>>("QList<XMPPJid>");

    connect(&m_socket, &QSslSocket::connected, this, &XMPPClient::socketConnected, Qt::QueuedConnection);
    connect(&m_socket, &QSslSocket::readyRead, this, &XMPPClient::socketReadyRead, Qt::QueuedConnection);
    connect(&m_socket, &QSslSocket::disconnected, this, &XMPPClient::socketDisconnected,
            Qt::QueuedConnection);
    connect(&m_socket, &QSslSocket::errorOccurred, this, &XMPPClient::onSocketError, Qt::QueuedConnection);
    connect(&m_socket, &QSslSocket::encrypted, this, &XMPPClient::socketEncrypted, Qt::QueuedConnection);
    connect(&m_socket, &QSslSocket::sslErrors, this, &XMPPClient::socketSslErrors);
    connect(m_connectAttempt.get(), &ConnectAttempt::failed, this, &XMPPClient::onConnectFailed);

    m_socket.setReadBufferSize(ReadBufferBytes);
    m_reconnectTimer.setSingleShot(true);
    connect(&m_reconnectTimer, &QTimer::timeout, this, &XMPPClient::reconnect);
    m_readTimer.setSingleShot(true);
    m_readTimer.setInterval(0);
    connect(&m_readTimer, &QTimer::timeout, this, &XMPPClient::readSlice);

    connect(m_roster.get(), &ClientRoster::rosterReset, this, &XMPPClient::rosterReset);
    connect(m_roster.get(), &ClientRoster::rosterUpdate, this, &XMPPClient::rosterUpdate);
    connect(m_vcard.get(), &ClientVCard::vCardReceived, this, &XMPPClient::vCardReceived);
    connect(m_vcard.get(), &ClientVCard::vCardReceivedError, this, &XMPPClient::vCardReceivedError);
    connect(m_vcard.get(), &ClientVCard::uploadVCardOk, this, &XMPPClient::uploadVCardOk);
    connect(m_vcard.get(), &ClientVCard::uploadVCardError, this, &XMPPClient::uploadVCardError);
    connect(m_search.get(), &ClientSearch::requestSearchFormResult, this, &XMPPClient::requestSearchFormResult);
    connect(m_search.get(), &ClientSearch::requestSearchFormError, this, &XMPPClient::requestSearchFormError);
    connect(m_search.get(), &ClientSearch::searchReport, this, &XMPPClient::searchReport);
    connect(m_search.get(), &ClientSearch::searchError, this, &XMPPClient::searchError);
    connect(m_delivery.get(), &ClientDelivery::confirmed, this, &XMPPClient::messageConfirmed);
    connect(m_delivery.get(), &ClientDelivery::notSent, this, &XMPPClient::messagesNotSent);
    connect(m_delivery.get(), &ClientDelivery::silent, this, &XMPPClient::onLinkSilent);
    connect(m_delivery.get(), &ClientDelivery::overdue, this, &XMPPClient::onConfirmationOverdue);
    connect(m_resumption.get(), &ClientResumption::expired, this, [this] { m_delivery->settle(std::nullopt); });
}

XMPPClient::~XMPPClient()
{
    // The session ends with its client: a server that keeps sessions for a resumption
    // would keep the user present, in his rooms under his nick, for minutes. The close
    // is given a moment to be read: a connection ended with unread input is reset, which
    // may drop it. What waits to be encrypted (the leaves of the rooms, the close) goes
    // out at once, as no event loop runs to send it; what came meanwhile is read away
    // rather than left to reset the connection.
    if (m_writer && m_socket.state() == QAbstractSocket::ConnectedState) {
        m_writer->close();
        m_socket.flush();
        m_socket.disconnectFromHost();
        if (m_socket.state() != QAbstractSocket::UnconnectedState)
            m_socket.waitForDisconnected(CloseWaitMs);
        QElapsedTimer draining;
        draining.start();
        while (m_socket.state() != QAbstractSocket::UnconnectedState && draining.elapsed() < CloseWaitMs
               && m_socket.waitForReadyRead(0))
            m_socket.readAll();
    }
    m_writer.reset();
    m_socket.disconnect(this);
}

void XMPPClient::connectToHost(const QString &host, quint16 port, TlsMode mode)
{
    if (m_state != UnconnectedState) {
        qDebug() << "Ignoring connectToHost call. UnconnectedState != " << m_state;
        return;
    }
    m_state = ConnectingState;
    m_socketErrorReported = false;
    m_host = host;
    m_port = port;
    m_tlsMode = mode;
    // Trust exactly the CA certificates that start-up put into the defaults.
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setCaCertificates(configuration.caCertificates());
    configuration.setProtocol(QSsl::TlsV1_2OrLater);
    m_socket.setSslConfiguration(configuration);
    m_socket.connectToHost(host, port, QIODevice::ReadWrite);
}

void XMPPClient::login(const QString &user, const QString &password)
{
    m_user = user;
    m_password = password;
    if (m_state == AuthenticatingState)
        sendAuth();
}

int XMPPClient::state() const
{
    if (m_state == ConnectedState && m_socket.state() != QAbstractSocket::ConnectedState)
        return UnconnectedState;
    return m_state;
}

bool XMPPClient::send(const StreamElement &element)
{
    if (m_state == UnconnectedState || m_state == ClosingState || !m_writer) {
        qDebug() << "can't write in state " << m_state;
        return false;
    }
    // The loss itself is handled once what came before it has been read.
    if (m_socket.state() != QAbstractSocket::ConnectedState) {
        qDebug() << "can't write on a lost connection";
        return false;
    }
    try {
        m_writer->write(element);
    } catch (const std::runtime_error &e) {
        qCCritical(clientErrors).noquote()
            << QStringLiteral("write failed with message: %1").arg(QString::fromLocal8Bit(e.what()));
        emit xmppError(FatalError, QString::fromLocal8Bit(e.what()));
        endStream();
        return false;
    }
    m_resumption->sent(element);
    if (auto iq = dynamic_cast<const Iq *>(&element)) {
        if (!iq->id.isEmpty() && (iq->type == QLatin1String("get") || iq->type == QLatin1String("set")))
            m_sentRequests.insert(iq->id, iq->to);
    }
    return true;
}

QString XMPPClient::nextStanzaId()
{
    return QString::number(++m_stanzaId);
}

void XMPPClient::closeStream()
{
    m_reconnect = false;
    m_reconnectTimer.stop();
    // The server ends the session with the stream.
    m_resumption->forget();
    m_delivery->settle(std::nullopt);
    endStream();
}

bool XMPPClient::closeStreamAndWait(int waitMs)
{
    // The socket stays open until the server has closed the stream: a socket closed
    // here first would answer what the server still sends with a reset, which may drop
    // the close before the server has read it.
    const bool serverCloses = m_writer && (m_state == AuthenticatingState || m_state == BindingState
                                           || m_state == ConnectedState);
    if (serverCloses) {
        m_reconnect = false;
        m_reconnectTimer.stop();
        m_resumption->forget();
        m_delivery->settle(std::nullopt);
        m_writer->close();
        m_closingTail.clear();
        m_state = ClosingState;
    } else {
        closeStream();
    }
    if (m_state == UnconnectedState)
        return true;
    QEventLoop loop;
    QTimer bound;
    bound.setSingleShot(true);
    connect(&bound, &QTimer::timeout, &loop, &QEventLoop::quit);
    // Once the socket's end has been handled (queued), which makes the client unconnected.
    connect(this, &XMPPClient::disconnected, &loop, &QEventLoop::quit);
    bound.start(waitMs);
    loop.exec();
    if (m_socket.state() != QAbstractSocket::UnconnectedState) {
        m_socket.readAll();
        m_socket.disconnectFromHost();
    }
    if (m_state == UnconnectedState)
        return true;
    qWarning().noquote() << "chat server did not close the stream within" << waitMs << "ms";
    return false;
}

void XMPPClient::endStream()
{
    switch (m_state) {
    case UnconnectedState:
    case ClosingState:
        return;
    case AuthenticatingState:
    case BindingState:
    case ConnectedState:
        if (m_writer)
            m_writer->close();
        break;
    default:
        break;
    }
    m_closingTail.clear();
    m_state = ClosingState;
    m_socket.disconnectFromHost();
}

void XMPPClient::addIqHandler(const QString &id, IqHandler handler)
{
    m_iqHandlers.insert(id, {std::move(handler), m_sentRequests.take(id)});
}

void XMPPClient::startStream()
{
    m_writer.reset();
    m_writer = std::make_unique<StreamWriter>(XMPPJid(m_socket.peerName(), QString(), QString()),
                                              QStringLiteral("en"));
    m_writer->open(&m_socket);
    m_parser.reset();
    m_authPending = false;
}

void XMPPClient::socketConnected()
{
    // A line and the confirmation asked for after it are two small writes: waiting for
    // the server to acknowledge the first before sending the second delays the second
    // by the server's delayed acknowledgement, tens of milliseconds.
    m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    startStream();
    qDebug() << "Socket connected to host" << m_socket.peerName() << " on port" << m_socket.peerPort();
}

void XMPPClient::socketEncrypted()
{
    qDebug() << "Socket Encrypted!!";
    startStream();
}

void XMPPClient::socketReadyRead()
{
    // Read at once unless a slice is due anyway: the reads queued behind this one
    // then find nothing left.
    if (!m_readTimer.isActive())
        readSlice();
}

void XMPPClient::readSlice()
{
    const qint64 sliceStartMs = LocalClock::nowMs();
    while (m_state != UnconnectedState && m_state != ClosingState) {
        if (LocalClock::nowMs() - sliceStartMs >= ReadSliceMs) {
            m_readTimer.start();
            return;
        }
        if (!readElement())
            break;
    }
    // A closed stream has nothing more to say, but for the server's end of it, which
    // answers ours once it has read it all: the link is done with then, and closed.
    if (m_state == ClosingState) {
        m_closingTail += m_socket.readAll();
        if (m_closingTail.contains("</stream:stream>"))
            m_socket.disconnectFromHost();
        m_closingTail = m_closingTail.right(StreamEndBytes);
    } else if (m_state == UnconnectedState) {
        m_socket.readAll();
    }
    if (std::exchange(m_lostWhileReading, false))
        socketDisconnected();
}

bool XMPPClient::readElement()
{
    try {
        switch (m_parser.parse()) {
        case StreamParser::NeedMoreData:
            return feedParser();
        case StreamParser::EndOfStream:
            qDebug() << "EndOfStream";
            if (m_state >= AuthenticatingState && m_state <= ConnectedState && m_writer)
                m_writer->close();
            if (m_state >= ConnectingState && m_state <= ConnectedState) {
                m_state = ClosingState;
                m_socket.disconnectFromHost();
            }
            return false;
        case StreamParser::ElementReady:
            handleElement(*m_parser.lastElement());
            return true;
        }
    } catch (const stream_error &e) {
        qDebug() << e.what();
        send(StreamError(e.condition(), e.text()));
        fail(QString::fromLocal8Bit(e.what()));
    } catch (const stanza_error &e) {
        qDebug() << e.what();
        answerStanzaError(e);
        return true;
    } catch (const std::exception &e) {
        send(StreamError(InternalServerError, QString()));
        fail(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        send(StreamError(InternalServerError, QString()));
        fail(QStringLiteral("unknown exception"));
    }
    return false;
}

bool XMPPClient::feedParser()
{
    // What has come, up to a chunk: a chunk's buffer for each read of a few bytes
    // would cost more than parsing them.
    const QByteArray data = m_socket.read(std::min(ReadChunkBytes, m_socket.bytesAvailable()));
    if (data.isEmpty()) {
        qDebug() << "NeedMoreData";
        return false;
    }
    // A long read is logged by its start.
    constexpr qsizetype MaxLoggedBytes = 2000;
    if (data.size() <= MaxLoggedBytes)
        qDebug().noquote() << '"' + QString::fromUtf8(data) + '"';
    else
        qDebug().noquote() << '"' + QString::fromUtf8(data.left(MaxLoggedBytes))
                + QStringLiteral("\" and %1 bytes more").arg(data.size() - MaxLoggedBytes);
    m_parser.addData(data);
    m_heardLocalMs = LocalClock::nowMs();
    m_delivery->heard();
    return true;
}

void XMPPClient::fail(const QString &text)
{
    endStream();
    qWarning() << "Xmpp client error:" << text;
    emit xmppError(FatalError, text);
}

void XMPPClient::answerStanzaError(const stanza_error &error)
{
    send(*errorReply(error));
}

void XMPPClient::handleElement(const StreamElement &element)
{
    if (m_state == ConnectedState)
        route(element);
    else
        negotiate(element);
}

void XMPPClient::negotiate(const StreamElement &element)
{
    switch (element.kind()) {
    case StreamError::Kind:
        onStreamError(static_cast<const StreamError &>(element));
        return;
    case StreamFeatures::Kind:
        onFeatures(static_cast<const StreamFeatures &>(element));
        return;
    case TLSProceed::Kind:
        // Only as the answer to the client's own request, once.
        if (m_state != TlsNegotiationState || m_socket.mode() != QSslSocket::UnencryptedMode)
            break;
        qDebug() << "Proceed with TLS received";
        m_socket.setPeerVerifyName(m_host);
        m_socket.startClientEncryption();
        return;
    case TLSFailure::Kind:
        qDebug() << "TLS Failure received";
        endStream();
        return;
    case SASLAbort::Kind:
        qDebug() << "SASL Authentication aborted";
        endStream();
        return;
    case SASLSuccess::Kind:
        if (!m_authPending)
            break;
        qDebug() << "SASL Authentication success";
        startStream();
        return;
    case SASLFailure::Kind:
        m_authPending = false;
        onSaslFailure(static_cast<const SASLFailure &>(element));
        return;
    case StreamManagement::Kind:
        if (m_state == BindingState && m_bindId.isEmpty() && m_sessionId.isEmpty()) {
            onStreamManagement(static_cast<const StreamManagement &>(element));
            return;
        }
        break;
    case IqBind::Kind:
    case IqSession::Kind:
    case Iq::Kind: {
        // Replies are matched by id: servers answer the session request with an
        // empty result, and a refused bind may come without its payload.
        const auto &reply = static_cast<const Iq &>(element);
        if (m_state != BindingState)
            break;
        if (!m_bindId.isEmpty() && reply.id == m_bindId) {
            onBindReply(reply);
            return;
        }
        if (!m_sessionId.isEmpty() && reply.id == m_sessionId) {
            onSessionReply(reply);
            return;
        }
        break;
    }
    default:
        break;
    }
    throw stream_error(NotAuthorized, QString());
}

void XMPPClient::onStreamError(const StreamError &error)
{
    // The server has ended the stream: it is closed without an error of our own.
    const QString condition = streamErrorConditionName(error.condition);
    const QString text = error.text.isEmpty() ? condition : QStringLiteral("%1: %2").arg(condition, error.text);
    qWarning().noquote() << "chat server stream error:" << text;
    // Another login of the account took the session, or the account may not log in:
    // a new connection would only replace that login or be refused again. A session
    // already bound that the server ends by its policy is not the account refused: the
    // server ends one that left more of its stanzas unacknowledged than it keeps
    // (ejabberd's "Too many unacked stanzas", as the client reads a burst more slowly
    // than it comes), and the next connection brings the user back.
    if (error.condition == Conflict)
        stopReconnecting(LoggedInElsewhere);
    else if (error.condition == NotAuthorized || (error.condition == PolicyViolation && m_state != ConnectedState))
        stopReconnecting(AccountRefused);
    emit xmppError(FatalError, text);
    endStream();
}

void XMPPClient::onFeatures(const StreamFeatures &features)
{
    qDebug() << "Features received";
    qDebug() << "\ttls_available: " << features.startTls << "\n\ttls_required: " << features.tlsRequired;
    for (const QString &mechanism : features.mechanisms)
        qDebug() << "\tmechanism: " << mechanism;

    if (!m_socket.isEncrypted()) {
        bool startTls = false;
        switch (m_tlsMode) {
        case TlsRequired:
            if (!features.startTls)
                throw stream_error(PolicyViolation, QStringLiteral("TLS required"));
            startTls = true;
            break;
        case TlsIfAvailable:
            startTls = features.startTls;
            break;
        case TlsNever:
            if (features.tlsRequired)
                throw stream_error(PolicyViolation, QStringLiteral("won't use TLS"));
            break;
        default:
            break;
        }
        if (startTls) {
            m_state = TlsNegotiationState;
            send(TLSStart());
            return;
        }
    }

    switch (m_state) {
    case ConnectingState:
    case TlsNegotiationState:
        if (!features.mechanisms.contains(QStringLiteral("PLAIN")))
            throw stream_error(PolicyViolation, QStringLiteral("PLAIN auth required"));
        if (!m_socket.isEncrypted() && !m_plainWithoutTls)
            throw stream_error(PolicyViolation, QStringLiteral("PLAIN auth requires an encrypted stream"));
        m_state = AuthenticatingState;
        sendAuth();
        break;
    case AuthenticatingState:
        resumeOrBind(features);
        break;
    default:
        break;
    }
}

void XMPPClient::resumeOrBind(const StreamFeatures &features)
{
    if (!features.bind)
        throw stream_error(PolicyViolation, QStringLiteral("bind feature required"));
    m_state = BindingState;
    m_sessionRequired = features.session;
    m_streamManagement = features.streamManagement;
    m_sessionId.clear();
    m_bindId.clear();
    if (m_resumption->waiting() && m_streamManagement) {
        // Answered with resumed or failed.
        m_resumption->resume();
        return;
    }
    if (m_resumption->waiting()) {
        qWarning().noquote() << "chat server" << m_host << "no longer resumes sessions";
        m_resumption->forget();
        m_delivery->settle(std::nullopt);
    }
    bind();
}

void XMPPClient::bind()
{
    m_bindId = nextStanzaId();
    send(IqBind(m_bindId, m_resource));
}

void XMPPClient::onStreamManagement(const StreamManagement &element)
{
    switch (element.type) {
    case StreamManagement::Resumed:
        if (!m_resumption->possible(*element.handled)) {
            m_resumption->forget();
            throw stream_error(UndefinedCondition, QStringLiteral("resumed with more stanzas taken than were sent"));
        }
        qWarning().noquote() << QStringLiteral("chat session at %1 resumed; the server had %2 of our stanzas")
                                    .arg(m_host).arg(*element.handled);
        m_resumption->resumed(*element.handled, m_parser.stanzasRead());
        m_delivery->settle(element.handled);
        finishNegotiation();
        return;
    case StreamManagement::Failed:
        qWarning().noquote() << "chat session at" << m_host << "not resumed: a new one is bound";
        // A count beyond what was sent says nothing.
        m_delivery->settle(element.handled && m_resumption->possible(*element.handled) ? element.handled : std::nullopt);
        m_resumption->forget();
        bind();
        return;
    default:
        throw stream_error(UnsupportedStanzaType, QStringLiteral("unexpected stream management element"));
    }
}

void XMPPClient::sendAuth()
{
    const QByteArray payload = QString(QChar(0) + m_user + QChar(0) + m_password).toUtf8();
    send(SASLAuth(QStringLiteral("PLAIN"), payload));
    m_authPending = true;
}

void XMPPClient::onSaslFailure(const SASLFailure &failure)
{
    qWarning().noquote() << QStringLiteral("chat login of %1 at %2 refused: %3")
                                .arg(m_user, m_host, saslFailureConditionName(failure.condition));
    // The same secret would be refused again.
    stopReconnecting(AccountRefused);
    switch (failure.condition) {
    case SaslInvalidAuthzid:
    case SaslNotAuthorized:
    case SaslTemporaryAuthFailure:
        emit xmppError(AuthenticationRetry, QStringLiteral("retry auth"));
        break;
    default:
        emit xmppError(FatalError, QStringLiteral("PLAIN auth failed"));
        endStream();
        break;
    }
}

void XMPPClient::onBindReply(const Iq &reply)
{
    if (reply.hasError())
        throw stream_error(UndefinedCondition, QStringLiteral("bind failed"));
    if (reply.type != QLatin1String("result"))
        throw stanza_error(stanza_error::IqKind, Wait, UnexpectedRequest, reply.id, reply.from);
    auto bind = dynamic_cast<const IqBind *>(&reply);
    if (!bind)
        throw stream_error(UndefinedCondition, QStringLiteral("bind failed"));
    m_bindId.clear();
    m_ownJid = bind->jid;
    qInfo().noquote() << "chat session bound as" << m_ownJid;
    if (m_sessionRequired) {
        m_sessionId = nextStanzaId();
        send(IqSession(m_sessionId));
    } else {
        m_resumption->enable(m_streamManagement);
        finishNegotiation();
    }
}

void XMPPClient::onSessionReply(const Iq &reply)
{
    if (reply.hasError())
        throw stream_error(UndefinedCondition, QStringLiteral("session failed"));
    if (reply.type != QLatin1String("result"))
        throw stanza_error(stanza_error::IqKind, Wait, UnexpectedRequest, reply.id, reply.from);
    m_sessionId.clear();
    m_resumption->enable(m_streamManagement);
    finishNegotiation();
}

void XMPPClient::finishNegotiation()
{
    m_reconnect = true;
    m_connectedSinceMs = LocalClock::nowMs();
    if (m_state != ConnectedState) {
        m_state = ConnectedState;
        // Asked before anything else, so that the answers come before a room's lines.
        m_clock->measure();
        emit connected();
    }
    sendOwnPresence();
}

void XMPPClient::sendOwnPresence()
{
    PresenceStanza own;
    setAvailability(m_ownAvailability, own);
    own.statuses.insert(QStringLiteral("UND"), m_ownStatus);
    own.tables = m_ownTables;
    own.photoHash = m_ownPhotoHash;
    send(own);
}

bool XMPPClient::isExpectedSender(const XMPPJid &recipient, const XMPPJid &sender) const
{
    if (sender == recipient)
        return true;
    const XMPPJid ownJid = parseJid(m_ownJid);
    const XMPPJid ownBare = jidBare(ownJid);
    // Requests to the own account are answered by the server, which may write the
    // bare or the full address, or none.
    if (recipient.isEmpty() || recipient == ownBare) {
        return sender.isEmpty() || sender == ownBare || sender == ownJid
            || sender.toString() == m_parser.streamFrom();
    }
    return false;
}

bool XMPPClient::takeIqReply(const Iq &iq)
{
    if (iq.type != QLatin1String("result") && !iq.hasError())
        return false;
    const auto it = m_iqHandlers.find(iq.id);
    if (it == m_iqHandlers.end())
        return false;
    if (!isExpectedSender(it->recipient, iq.from)) {
        qWarning() << "Ignoring IQ reply" << iq.id << "from" << iq.from.toString() << "instead of"
                   << it->recipient.toString();
        return false;
    }
    const IqHandler handler = std::move(it->handler);
    m_iqHandlers.erase(it);
    handler(&iq);
    return true;
}

void XMPPClient::route(const StreamElement &element)
{
    if (auto iq = dynamic_cast<const Iq *>(&element)) {
        if (takeIqReply(*iq))
            return;
    }
    switch (element.kind()) {
    case StreamError::Kind:
        onStreamError(static_cast<const StreamError &>(element));
        return;
    case StreamManagement::Kind:
        if (!m_resumption->handle(static_cast<const StreamManagement &>(element), m_parser.stanzasRead()))
            throw stream_error(UnsupportedStanzaType, QStringLiteral("unexpected stream management element"));
        return;
    case MessageStanza::Kind: {
        const auto &message = static_cast<const MessageStanza &>(element);
        if (message.hasError())
            emit messageRefused(XMPPMessage(message, m_parser.streamLanguage()));
        else
            emit messageReceived(XMPPMessage(message, m_parser.streamLanguage()));
        return;
    }
    case PresenceStanza::Kind:
    case MucPresenceStanza::Kind:
        onPresence(static_cast<const PresenceStanza &>(element));
        return;
    default:
        break;
    }
    auto stanza = dynamic_cast<const Stanza *>(&element);
    if (!stanza)
        throw stream_error(UndefinedCondition, QStringLiteral("unexpected non-stanza stream element"));
    auto iq = dynamic_cast<const Iq *>(&element);
    if (!iq)
        throw stream_error(UnsupportedStanzaType, QStringLiteral("unexpected stanza element type"));
    // Replies are never answered, also those nobody waits for.
    if (iq->type == QLatin1String("result") || iq->type == QLatin1String("error")) {
        qDebug() << "Dropping unexpected IQ reply" << iq->id;
        return;
    }
    if (iq->kind() == IqRoster::Kind) {
        onRosterPush(static_cast<const IqRoster &>(*iq));
        return;
    }
    throw stanza_error(stanza_error::IqKind, Cancel, FeatureNotImplemented, iq->id, iq->from);
}

void XMPPClient::onPresence(const PresenceStanza &stanza)
{
    switch (stanza.presenceType()) {
    case Available:
    case Unavailable:
        qDebug() << "Presence";
        emit presence(XMPPPresence(stanza));
        break;
    case Subscribe:
        qDebug() << "Subscribe" << stanza.from.toString();
        emit authorizationRequestReceived(stanza.from);
        break;
    case Subscribed:
        qDebug() << "Subscribed" << stanza.from.toString();
        break;
    case Unsubscribe:
        qDebug() << "Unsubscribe" << stanza.from.toString();
        break;
    case Unsubscribed:
        qDebug() << "Unsubscribed" << stanza.from.toString();
        break;
    case Probe:
        qDebug() << "Presence probe";
        sendOwnPresence();
        break;
    case PresenceError:
        qDebug() << "Presence error";
        emit presence(XMPPPresence(stanza));
        break;
    default:
        break;
    }
}

void XMPPClient::socketDisconnected()
{
    // What the server sent before it closed is read first.
    if (m_readTimer.isActive()) {
        m_lostWhileReading = true;
        return;
    }
    const QMap<QString, PendingIq> pending = std::exchange(m_iqHandlers, {});
    m_sentRequests.clear();
    m_writer.reset();
    // The requests still open end once the loss is known, also where the socket's
    // error told it first.
    setUnconnected();
    for (const PendingIq &request : pending) {
        try {
            request.handler(nullptr);
        } catch (const std::exception &e) {
            qWarning() << "IQ handler failed on connection loss:" << e.what();
        } catch (...) {
            qWarning() << "IQ handler failed on connection loss";
        }
    }
    // The messages that were waiting are settled by the resumption, if any comes. No
    // session waits where the connection is not tried again: whatever stops the tries
    // (a close of our own, a refused login, another login) forgets it first, and only a
    // finished negotiation starts them again.
    m_resumption->lost(m_parser.stanzasRead());
    if (!m_resumption->waiting())
        m_delivery->settle(std::nullopt);
}

void XMPPClient::setUnconnected()
{
    if (m_state == UnconnectedState)
        return;
    const int previous = m_state;
    m_state = UnconnectedState;
    if (previous == ClosingState)
        qWarning().noquote() << " [INFO ] chat connection to" << m_host << "closed";
    else if (!m_socketErrorReported)
        qWarning().noquote() << "chat connection to" << m_host << "lost";
    m_bindId.clear();
    m_sessionId.clear();
    // Pauses grow also over short-lived connections, as when two logins of one
    // account keep taking the session from each other.
    if (m_connectedSinceMs && LocalClock::nowMs() - *m_connectedSinceMs >= StableConnectionMs)
        m_reconnectAttempts = 0;
    m_connectedSinceMs.reset();
    if (m_reconnect) {
        const size_t last = ReconnectDelaysSeconds.size() - 1;
        const int seconds = ReconnectDelaysSeconds[std::min<size_t>(m_reconnectAttempts, last)];
        ++m_reconnectAttempts;
        qWarning().noquote() << QStringLiteral("chat connection to %1 is tried again in %2 s").arg(m_host).arg(seconds);
        m_reconnectTimer.start(seconds * 1000);
    }
    if (previous == ConnectedState || previous == ClosingState)
        emit disconnected();
}

void XMPPClient::stopReconnecting(ReconnectStop why)
{
    m_reconnectTimer.stop();
    m_resumption->forget();
    m_delivery->settle(std::nullopt);
    if (!std::exchange(m_reconnect, false))
        return;
    qWarning().noquote() << QStringLiteral("chat connection to %1 is not tried again: %2")
                                .arg(m_host, why == LoggedInElsewhere ? QStringLiteral("the account logged in elsewhere")
                                                                      : QStringLiteral("the account is refused"));
    emit reconnectStopped(why);
}

void XMPPClient::reconnect()
{
    if (m_reconnect && m_state == UnconnectedState)
        connectToHost(m_host, m_port, m_tlsMode);
}

void XMPPClient::onSocketError(QAbstractSocket::SocketError error)
{
    const bool first = !std::exchange(m_socketErrorReported, true);
    if (first && m_state == ClosingState && error == QAbstractSocket::RemoteHostClosedError)
        qWarning().noquote() << " [INFO ] chat server closed the connection after our close";
    else if (first)
        qWarning().noquote() << "chat connection to" << m_host << "lost:" << m_socket.errorString();
    if (m_socket.state() == QAbstractSocket::UnconnectedState) {
        if (m_readTimer.isActive())
            m_lostWhileReading = true;
        else
            setUnconnected();
    }
    if (first)
        emit socketError(error);
}

void XMPPClient::onConnectFailed()
{
    // Failed as a refused connection fails: it counts towards the pauses.
    if (m_state != ConnectingState)
        return;
    const bool first = !std::exchange(m_socketErrorReported, true);
    if (first)
        qWarning().noquote() << "chat connection to" << m_host << "failed: the server reset it as it was made";
    m_socket.abort();
    setUnconnected();
    if (first)
        emit socketError(QAbstractSocket::RemoteHostClosedError);
}

void XMPPClient::socketSslErrors(const QList<QSslError> &errors)
{
    QStringList texts;
    for (const QSslError &error : errors)
        texts << error.errorString();
    qWarning() << "Xmpp client error:" << texts;
    emit xmppError(TlsCertificateError, texts.join(QLatin1Char('\n')));
}

void XMPPClient::requireConnected() const
{
    if (state() != ConnectedState)
        throw std::runtime_error("not connected");
}

bool XMPPClient::lossPending() const
{
    return m_state == ConnectedState && m_socket.state() != QAbstractSocket::ConnectedState;
}

QString XMPPClient::sendMessage(const XMPPMessage &message)
{
    requireConnected();
    MessageStanza stanza = message.stanza();
    // Unique beyond this run, as receivers drop a copy of a message they have by it.
    if (stanza.id.isEmpty())
        stanza.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    stanza.originId = stanza.id;
    if (stanza.messageLanguage == QLatin1String("UND"))
        stanza.messageLanguage = m_parser.streamLanguage();
    if (stanza.lang == stanza.messageLanguage)
        stanza.lang.clear();
    if (!send(stanza))
        throw std::runtime_error("not sent");
    m_delivery->follow(stanza.id, m_resumption->lastSent());
    return stanza.id;
}

void XMPPClient::setSilenceLimitMs(int ms)
{
    m_delivery->setSilenceLimitMs(ms);
}

void XMPPClient::setConfirmationLimitMs(int ms)
{
    m_delivery->setConfirmationLimitMs(ms);
}

int XMPPClient::confirmationLimitMs() const
{
    return m_delivery->confirmationLimitMs();
}

bool XMPPClient::answerOverdue(const QString &what)
{
    if (unreadInput())
        return false;
    takeAsLost(QStringLiteral("did not bring %1 within %2 s").arg(what).arg(confirmationLimitMs() / 1000.0));
    return true;
}

bool XMPPClient::unreadInput() const
{
    return m_readTimer.isActive() || m_socket.bytesAvailable() > 0;
}

void XMPPClient::takeAsLost(const QString &why)
{
    if (m_socket.state() != QAbstractSocket::ConnectedState)
        return;
    qWarning().noquote() << QStringLiteral("chat connection to %1 %2: taken as lost").arg(m_host, why);
    // Lost as any other connection: the messages still waiting did not go out, and the
    // connection is tried again.
    m_socket.abort();
}

void XMPPClient::onLinkSilent()
{
    // What waits to be read is no silence.
    if (unreadInput())
        m_delivery->heard();
    else
        takeAsLost(QStringLiteral("brought nothing for %1 s while a message waited").arg(m_delivery->silenceLimitMs() / 1000.0));
}

void XMPPClient::onConfirmationOverdue()
{
    // The answer may wait to be read.
    if (unreadInput())
        m_delivery->lookAgainSoon();
    else
        takeAsLost(QStringLiteral("did not confirm a message within %1 s").arg(m_delivery->confirmationLimitMs() / 1000.0));
}

XMPPJid XMPPClient::roomOccupant(const XMPPJid &room, const QString &nick) const
{
    if (room.toString().contains(QLatin1Char('/')))
        throw std::runtime_error("not a room JID (had resource part)");
    return XMPPJid(jidDomain(room), room.toString().contains(QLatin1Char('@')) ? jidNode(room) : QString(),
                   nick);
}

void XMPPClient::joinRoom(const XMPPJid &room, const QString &nick, int historySeconds)
{
    MucPresenceStanza join(roomOccupant(room, nick), Available, nextStanzaId());
    join.photoHash = m_ownPhotoHash;
    join.historySeconds = historySeconds;
    send(join);
}

void XMPPClient::leaveRoom(const XMPPJid &room, const QString &nick)
{
    send(MucPresenceStanza(roomOccupant(room, nick), Unavailable, nextStanzaId()));
}

void XMPPClient::createInstantRoom(const XMPPJid &room)
{
    const QString id = nextStanzaId();
    send(IqInstantRoom(id, room));
    addIqHandler(id, [room](const Iq *reply) {
        if (reply && reply->hasError())
            qWarning().noquote() << QStringLiteral("Instant room configuration of %1 refused: %2")
                                        .arg(room.toString(), stanzaErrorConditionName(reply->errorCondition));
    });
}

void XMPPClient::subscribe(const XMPPJid &jid, bool unsubscribe)
{
    send(PresenceStanza(jid, unsubscribe ? Unsubscribe : Subscribe, QString()));
}

void XMPPClient::answerSubscription(const XMPPJid &jid, bool accept)
{
    send(PresenceStanza(jid, accept ? Subscribed : Unsubscribed, QString()));
}

void XMPPClient::addTable(const QString &path)
{
    m_ownTables.insert(path);
    if (m_state == ConnectedState)
        sendOwnPresence();
}

void XMPPClient::removeTable(const QString &path)
{
    if (m_ownTables.remove(path) && m_state == ConnectedState)
        sendOwnPresence();
}

void XMPPClient::setPhotoHash(const QByteArray &hash)
{
    m_ownPhotoHash = hash;
}

void XMPPClient::updatePhotoHash(const QByteArray &hash)
{
    m_ownPhotoHash = hash;
    if (m_state == ConnectedState)
        sendOwnPresence();
}

void XMPPClient::sendDiscoInfo(const XMPPJid &to)
{
    const QString id = nextStanzaId();
    send(IqDiscoInfo(id, to));
    addIqHandler(id, [this](const Iq *reply) { onDiscoInfo(reply); });
}

void XMPPClient::discoverServerInfo()
{
    requireConnected();
    sendDiscoInfo(XMPPJid(m_parser.streamFrom(), QString(), QString()));
}

void XMPPClient::onDiscoInfo(const Iq *reply)
{
    // A lost connection or an error answer: the entity offers nothing we can use.
    if (!reply || reply->hasError())
        return;
    auto info = dynamic_cast<const IqDiscoInfo *>(reply);
    if (!info)
        throw stream_error(UndefinedCondition, QStringLiteral("expected disco info"));
    if (info->features.contains(ns::Muc)) {
        emit conferenceJID(info->from);
        return;
    }
    const QString id = nextStanzaId();
    send(IqDiscoItems(id, info->from));
    addIqHandler(id, [this](const Iq *reply) { onServiceItems(reply); });
}

void XMPPClient::onServiceItems(const Iq *reply)
{
    const IqDiscoItems *items = discoItems(reply);
    if (!items)
        return;
    for (const IqDiscoItems::Item &item : items->items) {
        if (item.jid != items->from)
            sendDiscoInfo(item.jid);
    }
}

void XMPPClient::discoverItems(const XMPPJid &jid)
{
    requireConnected();
    const QString id = nextStanzaId();
    send(IqDiscoItems(id, jid));
    addIqHandler(id, [this](const Iq *reply) {
        const IqDiscoItems *items = discoItems(reply);
        if (!items)
            return;
        QList<XMPPJid> rooms;
        for (const IqDiscoItems::Item &item : items->items)
            rooms.append(item.jid);
        emit conferenceRooms(rooms);
    });
}

void XMPPClient::requestRoster()
{
    m_roster->requestRoster();
}

void XMPPClient::updateRosterItem(const XMPPJid &jid, bool remove, const QString &name, const QString &group)
{
    m_roster->updateRosterItem(jid, remove, name, group);
}

void XMPPClient::onRosterPush(const IqRoster &push)
{
    // Only the server speaks for the user's account: anybody else could rewrite the
    // friend list.
    if (!push.from.isEmpty() && push.from != jidBare(parseJid(m_ownJid))) {
        qWarning() << "Ignoring roster push from" << push.from.toString();
        return;
    }
    m_roster->handleRosterPush(push);
}

void XMPPClient::requestVCard(const XMPPJid &jid)
{
    m_vcard->requestVCard(jid);
}

void XMPPClient::uploadVCard(const XMPPVCard &vcard)
{
    m_vcard->uploadVCard(vcard);
}

void XMPPClient::requestSearchForm(const QString &to, const QString &requestTag)
{
    m_search->requestSearchForm(to, requestTag);
}

void XMPPClient::search(const QString &to, const XMPPDataForm &form, const QString &requestTag)
{
    m_search->search(to, form, requestTag);
}
