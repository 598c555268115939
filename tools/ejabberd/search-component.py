#!/usr/bin/env python3
"""A user search service for the test chat server: an external component
("jabber:component:accept") that answers the search form request with a data form of
one "search" field and a search with the users whose name holds the text.

The directory is a file of lines "JID<TAB>NAME", read again for every search, so that
tests can add users while the service runs.

    search-component.py HOST PORT DOMAIN SECRET DIRECTORY READY_FILE
"""

import hashlib
import socket
import sys
import time
import xml.etree.ElementTree as ET
from xml.sax.saxutils import escape, quoteattr

STREAM = "http://etherx.jabber.org/streams"
SEARCH = "jabber:iq:search"
DATA = "jabber:x:data"
DISCO_INFO = "http://jabber.org/protocol/disco#info"


def local(tag):
    return tag.rsplit("}", 1)[-1]


def namespace(tag):
    return tag[1:].split("}", 1)[0] if tag.startswith("{") else ""


def read_directory(path):
    users = []
    try:
        with open(path, encoding="utf-8") as directory:
            for line in directory:
                jid, _, name = line.rstrip("\n").partition("\t")
                if jid and name:
                    users.append((jid, name))
    except FileNotFoundError:
        pass
    return users


def reply(iq, payload):
    return "<iq type='result' id=%s to=%s from=%s>%s</iq>" % (
        quoteattr(iq.get("id", "")), quoteattr(iq.get("from", "")), quoteattr(iq.get("to", "")), payload)


def error_reply(iq, condition, kind="cancel"):
    return ("<iq type='error' id=%s to=%s from=%s><error type='%s'><%s "
            "xmlns='urn:ietf:params:xml:ns:xmpp-stanzas'/></error></iq>") % (
        quoteattr(iq.get("id", "")), quoteattr(iq.get("from", "")), quoteattr(iq.get("to", "")),
        kind, condition)


SEARCH_FORM = (
    "<query xmlns='jabber:iq:search'><instructions>Enter a part of the name.</instructions>"
    "<x xmlns='jabber:x:data' type='form'><title>User search</title>"
    "<instructions>Enter a part of the name.</instructions>"
    "<field var='FORM_TYPE' type='hidden'><value>jabber:iq:search</value></field>"
    "<field var='search' type='text-single' label='Search'/></x></query>")


def search_result(text, users):
    items = "".join(
        "<item><field var='jid'><value>%s</value></field><field var='Name'><value>%s</value></field></item>"
        % (escape(jid), escape(name))
        for jid, name in users if text.casefold() in name.casefold())
    return ("<query xmlns='jabber:iq:search'><x xmlns='jabber:x:data' type='result'>"
            "<field var='FORM_TYPE' type='hidden'><value>jabber:iq:search</value></field>"
            "<reported><field var='jid' label='JID' type='jid-single'/>"
            "<field var='Name' label='Name' type='text-single'/></reported>%s</x></query>") % items


def answer(iq, directory):
    kind = iq.get("type")
    if kind not in ("get", "set"):
        return None
    query = iq[0] if len(iq) else None
    if query is None:
        return error_reply(iq, "bad-request", "modify")
    if query.tag == "{%s}query" % DISCO_INFO and kind == "get":
        return reply(iq, "<query xmlns='%s'><identity category='directory' type='user' name='User search'/>"
                         "<feature var='%s'/><feature var='%s'/><feature var='%s'/></query>"
                     % (DISCO_INFO, DISCO_INFO, SEARCH, DATA))
    if query.tag != "{%s}query" % SEARCH:
        return error_reply(iq, "service-unavailable")
    if kind == "get":
        return reply(iq, SEARCH_FORM)
    form = query.find("{%s}x" % DATA)
    if form is None or form.get("type") != "submit":
        return error_reply(iq, "bad-request", "modify")
    text = ""
    for field in form.findall("{%s}field" % DATA):
        if field.get("var") == "search":
            text = field.findtext("{%s}value" % DATA, default="")
    if len(text) < 2:
        return error_reply(iq, "not-acceptable", "modify")
    return reply(iq, search_result(text, read_directory(directory)))


def connect(host, port):
    for _ in range(300):
        try:
            return socket.create_connection((host, port), timeout=5)
        except OSError:
            time.sleep(0.1)
    sys.exit("search component: no chat server at %s:%d" % (host, port))


def main():
    if len(sys.argv) != 7:
        sys.exit(__doc__)
    host, port, domain, secret, directory, ready_file = sys.argv[1:]
    sock = connect(host, int(port))
    sock.settimeout(None)
    sock.sendall(("<?xml version='1.0'?><stream:stream xmlns='jabber:component:accept' "
                  "xmlns:stream='%s' to=%s>" % (STREAM, quoteattr(domain))).encode())
    parser = ET.XMLPullParser(events=("start", "end"))
    depth = 0
    while True:
        data = sock.recv(65536)
        if not data:
            return
        parser.feed(data)
        for event, element in parser.read_events():
            if event == "start":
                depth += 1
                if depth == 1:
                    digest = hashlib.sha1((element.get("id", "") + secret).encode()).hexdigest()
                    sock.sendall(("<handshake>%s</handshake>" % digest).encode())
                continue
            depth -= 1
            if depth != 1:
                continue
            name = local(element.tag)
            if name == "handshake":
                with open(ready_file, "w", encoding="utf-8") as ready:
                    ready.write("ready\n")
            elif name == "error" and namespace(element.tag) == STREAM:
                sys.exit("search component: stream error " + ET.tostring(element, encoding="unicode"))
            elif name == "iq":
                response = answer(element, directory)
                if response:
                    sock.sendall(response.encode())
            element.clear()


if __name__ == "__main__":
    main()
