// Parse throughput of the chat stream: our parser building elements, next to a bare
// incremental QXmlStreamReader that only tokenises the same bytes. The stream is a
// recorded ejabberd session's presences and room messages, repeated, and arrives in
// 4 KiB reads as from the socket.
#include "chat/xmpp/StreamParser.h"

#include <QFile>
#include <QXmlStreamReader>

#include <benchmark/benchmark.h>

namespace {

constexpr int ReadSize = 4096;

const QByteArray Header =
    "<?xml version='1.0'?><stream:stream id='1' version='1.0' xml:lang='en' "
    "xmlns:stream='http://etherx.jabber.org/streams' from='localhost' xmlns='jabber:client'>";

// The presences and messages of the recorded session, as one block of stanzas.
QByteArray recordedStanzas()
{
    QFile file(QStringLiteral(MAHJONG_BENCH_DATA "/ejabberd-session-1.xml"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    const QByteArray data = file.readAll();
    QByteArray stanzas;
    qsizetype from = 0;
    for (;;) {
        qsizetype presence = data.indexOf("<presence", from);
        qsizetype message = data.indexOf("<message", from);
        if (presence < 0 && message < 0)
            break;
        const bool isPresence = message < 0 || (presence >= 0 && presence < message);
        const qsizetype start = isPresence ? presence : message;
        const QByteArray end = isPresence ? "</presence>" : "</message>";
        const qsizetype close = data.indexOf(end, start);
        const qsizetype selfClose = data.indexOf("/>", start);
        const qsizetype tagEnd = data.indexOf('>', start);
        qsizetype stop = close < 0 ? -1 : close + end.size();
        if (selfClose >= 0 && selfClose + 1 == tagEnd)
            stop = tagEnd + 1;
        stanzas += data.mid(start, stop - start);
        from = stop;
    }
    return stanzas;
}

struct Stream
{
    QByteArray bytes;
    int stanzas = 0;
};

Stream makeStream(int repeats)
{
    static const QByteArray block = recordedStanzas();
    static const int perBlock = block.count("<presence") + block.count("<message");
    Stream stream;
    stream.bytes = Header;
    for (int i = 0; i < repeats; ++i)
        stream.bytes += block;
    stream.stanzas = perBlock * repeats;
    return stream;
}

void BM_BareTokeniser(benchmark::State &state)
{
    const Stream stream = makeStream(int(state.range(0)));
    for (auto _ : state) {
        QXmlStreamReader reader;
        qint64 tokens = 0;
        for (qsizetype at = 0; at < stream.bytes.size(); at += ReadSize) {
            reader.addData(stream.bytes.mid(at, ReadSize));
            while (reader.readNext() != QXmlStreamReader::Invalid)
                ++tokens;
            if (reader.error() != QXmlStreamReader::PrematureEndOfDocumentError)
                state.SkipWithError("tokeniser error");
        }
        benchmark::DoNotOptimize(tokens);
    }
    state.SetItemsProcessed(state.iterations() * stream.stanzas);
    state.SetBytesProcessed(state.iterations() * stream.bytes.size());
}

void BM_StreamParser(benchmark::State &state)
{
    const Stream stream = makeStream(int(state.range(0)));
    for (auto _ : state) {
        xmpp::StreamParser parser;
        int elements = 0;
        for (qsizetype at = 0; at < stream.bytes.size(); at += ReadSize) {
            parser.addData(stream.bytes.mid(at, ReadSize));
            while (parser.parse() == xmpp::StreamParser::ElementReady)
                ++elements;
        }
        if (elements != stream.stanzas)
            state.SkipWithError("element count differs");
    }
    state.SetItemsProcessed(state.iterations() * stream.stanzas);
    state.SetBytesProcessed(state.iterations() * stream.bytes.size());
}

} // namespace

// Doubling the stream should double the time.
BENCHMARK(BM_BareTokeniser)->Arg(100)->Arg(200)->Arg(400)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StreamParser)->Arg(100)->Arg(200)->Arg(400)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
