#include "chat/xmpp/ClientResumption.h"

#include "chat/xmpp/XMPPClient.h"
#include "chat/xmpp/XMPPElements.h"

#include <QDebug>

namespace xmpp {

ClientResumption::ClientResumption(XMPPClient *client) : ClientExtension(client)
{
    m_kept.setSingleShot(true);
    connect(&m_kept, &QTimer::timeout, this, [this] {
        qWarning().noquote() << "chat session" << m_id << "is no longer kept for resumption";
        m_id.clear();
        emit expired();
    });
}

void ClientResumption::enable(bool offered)
{
    forget();
    if (!offered)
        return;
    StreamManagement enable(StreamManagement::Enable);
    enable.resume = true;
    client()->send(enable);
    // Both ends count from here.
    m_counting = true;
    m_sent = 0;
}

void ClientResumption::sent(const StreamElement &element)
{
    if (m_counting && dynamic_cast<const Stanza *>(&element))
        ++m_sent;
}

std::optional<quint32> ClientResumption::lastSent() const
{
    if (!m_counting)
        return std::nullopt;
    return m_sent;
}

bool ClientResumption::handle(const StreamManagement &element, qint64 stanzasRead)
{
    if (!m_counting)
        return false;
    switch (element.type) {
    case StreamManagement::Enabled:
        m_handledBefore = 0;
        m_readBase = stanzasRead;
        if (element.resume && !element.id.isEmpty()) {
            m_id = element.id;
            m_keptSeconds = element.maxSeconds > 0 ? element.maxSeconds : DefaultKeptSeconds;
        }
        return true;
    case StreamManagement::Failed:
        // The server does not keep this session.
        forget();
        return true;
    case StreamManagement::Request: {
        StreamManagement answer(StreamManagement::Answer);
        answer.handled = handled(stanzasRead);
        client()->send(answer);
        return true;
    }
    case StreamManagement::Answer:
        // Only the server's count at a resumption is used.
        return true;
    default:
        return false;
    }
}

quint32 ClientResumption::handled(qint64 stanzasRead) const
{
    return m_handledBefore + quint32(stanzasRead - m_readBase);
}

void ClientResumption::lost(qint64 stanzasRead)
{
    if (!m_counting)
        return;
    m_counting = false;
    m_handledBefore = handled(stanzasRead);
    m_readBase = stanzasRead;
    if (waiting())
        m_kept.start(m_keptSeconds * 1000);
}

void ClientResumption::resume()
{
    StreamManagement resume(StreamManagement::Resume);
    resume.id = m_id;
    resume.handled = m_handledBefore;
    client()->send(resume);
}

void ClientResumption::resumed(quint32 taken, qint64 stanzasRead)
{
    m_kept.stop();
    // What the server did not take is not sent again: the user's lines among it are
    // handed back, and the rest is asked again on the connection.
    m_sent = taken;
    m_readBase = stanzasRead;
    m_counting = true;
}

void ClientResumption::forget()
{
    m_kept.stop();
    m_counting = false;
    m_id.clear();
}

} // namespace xmpp
