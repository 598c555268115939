#pragma once

class XMPPClient;

namespace xmpp {

// A part of the chat client's protocol handled outside the client class: it sends
// through its client, which owns it and outlives it.
class ClientExtension
{
public:
    explicit ClientExtension(XMPPClient *client) : m_client(client) {}
    virtual ~ClientExtension() = default;
    ClientExtension(const ClientExtension &) = delete;
    ClientExtension &operator=(const ClientExtension &) = delete;

protected:
    XMPPClient *client() const { return m_client; }

private:
    XMPPClient *m_client;
};

} // namespace xmpp
