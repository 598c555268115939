#pragma once

// The recorded stream both parse benchmarks read (ours and the QXmpp peer's), and the
// two ways of cutting it into reads.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <vector>

constexpr int ReadSize = 4096;

const QByteArray Header =
    "<?xml version='1.0'?><stream:stream id='1' version='1.0' xml:lang='en' "
    "xmlns:stream='http://etherx.jabber.org/streams' from='localhost' xmlns='jabber:client'>";

// The presences and messages of a recorded session, as one block of stanzas.
inline QByteArray recordedStanzas(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    const QByteArray data = file.readAll();
    QByteArray stanzas;
    int from = 0;
    for (;;) {
        const int presence = data.indexOf("<presence", from);
        const int message = data.indexOf("<message", from);
        if (presence < 0 && message < 0)
            break;
        const bool isPresence = message < 0 || (presence >= 0 && presence < message);
        const int start = isPresence ? presence : message;
        const QByteArray end = isPresence ? "</presence>" : "</message>";
        const int close = data.indexOf(end, start);
        const int selfClose = data.indexOf("/>", start);
        const int tagEnd = data.indexOf('>', start);
        int stop = close < 0 ? -1 : close + end.size();
        if (selfClose >= 0 && selfClose + 1 == tagEnd)
            stop = tagEnd + 1;
        stanzas += data.mid(start, stop - start);
        from = stop;
    }
    return stanzas;
}

// Where each read of the stream ends: every ReadSize bytes, cutting anywhere, or, with
// onStanzas, at the first stanza start at least ReadSize bytes after the last cut, so
// that every read holds whole stanzas (the header comes alone).
inline std::vector<int> cutReads(const QByteArray &bytes, int headerSize, bool onStanzas)
{
    std::vector<int> ends;
    if (!onStanzas) {
        for (int at = ReadSize; at < bytes.size(); at += ReadSize)
            ends.push_back(at);
    } else {
        ends.push_back(headerSize);
        int last = headerSize;
        for (int at = bytes.indexOf('<', headerSize); at >= 0; at = bytes.indexOf('<', at + 1)) {
            const bool stanzaStart = bytes.mid(at, 9) == "<presence" || bytes.mid(at, 8) == "<message";
            if (stanzaStart && at - last >= ReadSize) {
                ends.push_back(at);
                last = at;
            }
        }
    }
    ends.push_back(bytes.size());
    return ends;
}
