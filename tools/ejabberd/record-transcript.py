#!/usr/bin/env python3
"""Records what a real ejabberd sends to a chat client, for the codec tests.

Two accounts log in over STARTTLS; the first announces its tables and photo hash,
both join a room and talk, the first also in an archived room whose lines carry the
room's ids and the senders' own, and the second writes to a room it is not in, which
refuses the line. The server's bytes after the last stream restart of each account
are written to PREFIX-1.xml and PREFIX-2.xml.

    record-transcript.py PORT CA_FILE PREFIX USER1 USER2 PASSWORD
"""
import base64
import socket
import ssl
import sys
import time

HEADER = ("<?xml version='1.0'?><stream:stream xmlns='jabber:client' "
          "xmlns:stream='http://etherx.jabber.org/streams' to='localhost' version='1.0' xml:lang='en'>")


class Client:
    def __init__(self, port, ca, user, password):
        self.sock = socket.create_connection(("127.0.0.1", port))
        self.send(HEADER)
        self.expect(b"</stream:features>")
        self.send("<starttls xmlns='urn:ietf:params:xml:ns:xmpp-tls'/>")
        self.expect(b"<proceed")
        context = ssl.create_default_context(cafile=ca)
        self.sock = context.wrap_socket(self.sock, server_hostname="localhost")
        self.send(HEADER)
        self.expect(b"</stream:features>")
        plain = base64.b64encode(b"\0" + user.encode() + b"\0" + password.encode()).decode()
        self.send(f"<auth xmlns='urn:ietf:params:xml:ns:xmpp-sasl' mechanism='PLAIN'>{plain}</auth>")
        self.expect(b"<success")
        self.recorded = b""
        self.send(HEADER)
        self.expect(b"</stream:features>")
        self.send("<iq type='set' id='1'><bind xmlns='urn:ietf:params:xml:ns:xmpp-bind'/></iq>")
        self.expect(b"</iq>")
        self.send("<iq type='set' id='2'><session xmlns='urn:ietf:params:xml:ns:xmpp-session'/></iq>")
        self.expect(b"id='2'")

    def send(self, text):
        self.sock.sendall(text.encode())

    def expect(self, marker, timeout=5.0):
        data = b""
        deadline = time.time() + timeout
        self.sock.settimeout(0.2)
        while marker not in data and time.time() < deadline:
            try:
                chunk = self.sock.recv(65536)
            except (socket.timeout, ssl.SSLWantReadError):
                continue
            if not chunk:
                break
            data += chunk
        if hasattr(self, "recorded"):
            self.recorded += data
        return data

    def drain(self, seconds=0.5):
        self.expect(b"\0never\0", seconds)


def main():
    port, ca, output, user1, user2, password = sys.argv[1:7]
    port = int(port)
    a = Client(port, ca, user1, password)
    b = Client(port, ca, user2, password)
    a.send("<presence><priority>5</priority><tables xmlns='http://pellandor.net/protocol/tablepresence'>"
           "<path>/Classic/Beginners/Table 7</path><path>/Riichi/Tokyo/卓 12</path></tables>"
           "<x xmlns='vcard-temp:x:update'><photo>3f786850e387550fdab836ed7e6dc881de23001b</photo></x></presence>")
    b.send("<presence><show>away</show><status>Back soon — 马上回来</status></presence>")
    a.send(f"<presence to='{user2}@localhost' type='subscribe'/>")
    b.send(f"<presence to='{user1}@localhost' type='subscribed'/>")
    a.send("<iq type='get' id='3' to='localhost'><query xmlns='http://jabber.org/protocol/disco#info'/></iq>")
    a.send("<iq type='get' id='4' to='localhost'><query xmlns='http://jabber.org/protocol/disco#items'/></iq>")
    a.send("<presence to='lobby@conference.localhost/alice'><x xmlns='http://jabber.org/protocol/muc'/></presence>")
    a.drain()
    a.send("<iq type='set' id='5' to='lobby@conference.localhost'><query xmlns='http://jabber.org/protocol/muc#owner'>"
           "<x xmlns='jabber:x:data' type='submit'/></query></iq>")
    a.drain()
    for i in range(3):
        a.send(f"<message to='lobby@conference.localhost' type='groupchat'><body>Hello &lt;all&gt; &amp; \"everyone\" {i} — 你好</body></message>")
    a.drain()
    b.send("<presence to='lobby@conference.localhost/bob'><x xmlns='http://jabber.org/protocol/muc'/></presence>")
    b.drain()
    b.send("<message to='lobby@conference.localhost' type='groupchat'><body>Hi 🀄 from bob</body></message>")
    a.send("<iq type='get' id='6' to='conference.localhost'><query xmlns='http://jabber.org/protocol/disco#items'/></iq>")
    a.send("<iq type='get' id='7' to='nobody@localhost'><query xmlns='http://jabber.org/protocol/disco#info'/></iq>")
    b.send(f"<message to='{user1}@localhost' type='chat'><body>Private note</body><thread>t1</thread>"
           "<origin-id xmlns='urn:xmpp:sid:0' id='5b0e6f2c-private'/></message>")
    a.send("<presence to='archive@conference.localhost/alice'><x xmlns='http://jabber.org/protocol/muc'/></presence>")
    a.drain()
    a.send("<iq type='set' id='8' to='archive@conference.localhost'><query xmlns='http://jabber.org/protocol/muc#owner'>"
           "<x xmlns='jabber:x:data' type='submit'><field var='FORM_TYPE'>"
           "<value>http://jabber.org/protocol/muc#roomconfig</value></field>"
           "<field var='mam'><value>1</value></field></x></query></iq>")
    a.drain()
    a.send("<message to='archive@conference.localhost' type='groupchat' id='3e1d9a7c-kept'><body>Kept line</body>"
           "<origin-id xmlns='urn:xmpp:sid:0' id='3e1d9a7c-kept'/></message>")
    b.send("<message to='archive@conference.localhost' type='groupchat' id='9c4f-outside'>"
           "<body>From outside</body></message>")
    a.drain()
    b.drain()
    b.send("<presence to='archive@conference.localhost/bob'><x xmlns='http://jabber.org/protocol/muc'/></presence>")
    a.drain(1.0)
    b.drain(0.2)
    for client, number in ((a, 1), (b, 2)):
        client.send("</stream:stream>")
        client.expect(b"</stream:stream>")
        with open(f"{output}-{number}.xml", "wb") as f:
            f.write(client.recorded)


if __name__ == "__main__":
    main()
