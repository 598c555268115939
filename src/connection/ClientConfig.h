#pragma once

#include <QMetaType>
#include <QString>

// The chat configuration the game server hands out after login.
class ClientConfig
{
public:
    void setXmppServer(const QString &server) { m_xmppServer = server; }
    void setConferenceService(const QString &jid) { m_conferenceService = jid; }
    void setRoomJid(const QString &jid) { m_roomJid = jid; }
    void setSearchService(const QString &jid) { m_searchService = jid; }

    // The chat server as sent: "host" or "host:port".
    QString xmppServer() const { return m_xmppServer; }

    bool hasXmppHost() const;
    QString xmppHostPart() const;
    QString xmppHost(const QString &defaultHost) const;

    bool hasXmppPort() const;
    // The port section read as a decimal number (0 when it is not one), cut to 16 bits.
    quint16 xmppPortPart() const;
    quint16 xmppPort(quint16 defaultPort) const;

    bool hasConferenceService() const { return !m_conferenceService.isEmpty(); }
    QString conferenceService() const { return m_conferenceService; }
    bool hasRoomJid() const { return !m_roomJid.isEmpty(); }
    QString roomJid() const { return m_roomJid; }
    bool hasSearchService() const { return !m_searchService.isEmpty(); }
    QString searchService() const { return m_searchService; }

    friend bool operator==(const ClientConfig &a, const ClientConfig &b)
    {
        return a.m_xmppServer == b.m_xmppServer && a.m_conferenceService == b.m_conferenceService
            && a.m_roomJid == b.m_roomJid && a.m_searchService == b.m_searchService;
    }
    friend bool operator!=(const ClientConfig &a, const ClientConfig &b) { return !(a == b); }

private:
    QString m_xmppServer;
    QString m_conferenceService;
    QString m_roomJid;
    QString m_searchService;
};

Q_DECLARE_METATYPE(ClientConfig)
