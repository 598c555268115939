#pragma once

#include <QBuffer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QXmlStreamWriter>

#include "chat/xmpp/XMPPElements.h"
#include "chat/xmpp/XMPPVCard.h"

namespace xmpp {

class IqRoster;
class IqVCard;

// The outgoing half of the stream: the header, one element per write, and a blank
// after a minute of silence to keep the connection alive. Each element reaches the
// device in one write.
class StreamWriter : public QObject
{
    Q_OBJECT

public:
    static constexpr int KeepAliveInterval = 60000;

    StreamWriter(const XMPPJid &to, const QString &language, QObject *parent = nullptr);
    StreamWriter(const StreamWriter &) = delete;
    StreamWriter &operator=(const StreamWriter &) = delete;

    void open(QIODevice *device);
    // Throws std::runtime_error "writing requires an open stream" unless open, and
    // "the device refused the element" when the device does not take all of it.
    void write(const StreamElement &element);
    void close();

public slots:
    void sendKeepAlive();

private:
    enum State { Closed = 0, Open = 1 };

    // False when the device did not take all that was written.
    bool flush();
    void writeStanzaStart(const char *name, const Stanza &stanza);
    void writeStanzaEnd(const Stanza &stanza);
    void writeText(const QString &text);
    void writeTextElement(const QString &name, const QString &text);
    void writeAttribute(const QString &name, const QString &value);
    void writeStreamError(const StreamError &error);
    // What a client sends of it: enable, resume and the answer to a request.
    void writeStreamManagement(const StreamManagement &management);
    void writeMessage(const MessageStanza &message);
    void writePresence(const PresenceStanza &presence);
    void writePhotoUpdate(const PresenceStanza &presence);
    void writeIq(const Iq &iq);
    void writeRoster(const IqRoster &roster);
    void writeVCard(const IqVCard &iq);
    void writeVCardField(const XMPPVCard::Field &field);

    int m_state = Closed;
    QString m_to;
    QString m_language;
    QXmlStreamWriter m_xml;
    QPointer<QIODevice> m_device;
    QBuffer m_buffer;
    QTimer m_keepAlive;
};

// The text without the characters that XML 1.0 does not allow.
QString xmlSafe(const QString &text);

} // namespace xmpp
