#include "connection/ClientConfig.h"

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
    bool ok = false;
    const int port = m_xmppServer.section(QLatin1Char(':'), 1, 1).toInt(&ok, 10);
    return ok ? static_cast<quint16>(port & 0xffff) : 0;
}

quint16 ClientConfig::xmppPort(quint16 defaultPort) const
{
    return hasXmppPort() ? xmppPortPart() : defaultPort;
}
