#include "connection/ClientConfig.h"

#include <QDebug>

bool ClientConfig::hasXmppHost() const
{
    return !xmppHostPart().isEmpty();
}

QString ClientConfig::xmppHostPart() const
{
    return m_xmppServer.section(QLatin1Char(':'), 0, 0);
}

QString ClientConfig::xmppHost(const QString &defaultHost) const
{
    const QString host = xmppHostPart();
    return host.isEmpty() ? defaultHost : host;
}

bool ClientConfig::hasXmppPort() const
{
    return !m_xmppServer.section(QLatin1Char(':'), 1, 1).isEmpty();
}

quint16 ClientConfig::xmppPortPart() const
{
    // A port that is no number, or none a socket can connect to, is 0: cutting it to 16
    // bits would send the chat client to some other port.
    bool ok = false;
    const int port = m_xmppServer.section(QLatin1Char(':'), 1, 1).toInt(&ok, 10);
    if (!ok || port <= 0 || port > 0xffff) {
        qWarning() << "chat server port out of range:" << m_xmppServer;
        return 0;
    }
    return static_cast<quint16>(port);
}

quint16 ClientConfig::xmppPort(quint16 defaultPort) const
{
    // A port part that is no valid port (warned about above) leaves the default.
    const quint16 port = hasXmppPort() ? xmppPortPart() : 0;
    return port != 0 ? port : defaultPort;
}
