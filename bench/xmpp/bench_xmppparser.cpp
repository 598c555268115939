// Parse throughput of the chat stream: our parser building elements, next to a bare
// incremental QXmlStreamReader that only tokenises the same bytes. The stream is a
// recorded ejabberd session's presences and room messages, repeated. It arrives in reads
// of 4 KiB cut anywhere (the second argument 0) or in reads of about 4 KiB that end on
// stanza boundaries (1), as a server writing whole stanzas delivers them. A hostile
// stream of start tags full of attributes is timed beside an ordinary one of the same size.
#include "chat/xmpp/StreamParser.h"
#include "recorded_stream.h"
#include "../RepeatedRuns.h"

#include <QXmlStreamReader>

#include <vector>

#include <benchmark/benchmark.h>

namespace {

struct Stream
{
    QByteArray bytes;
    int stanzas = 0;
    // Where each read ends.
    std::vector<int> readEnds;
};

Stream makeStream(int repeats, bool onStanzas)
{
    static const QByteArray block = recordedStanzas(QStringLiteral(MAHJONG_BENCH_DATA "/ejabberd-session-1.xml"));
    static const int perBlock = block.count("<presence") + block.count("<message");
    Stream stream;
    stream.bytes = Header;
    for (int i = 0; i < repeats; ++i)
        stream.bytes += block;
    stream.stanzas = perBlock * repeats;
    stream.readEnds = cutReads(stream.bytes, Header.size(), onStanzas);
    return stream;
}

// Runs the parser over the stream in its reads; the elements built, or -1 when the
// stream was refused.
int parseStream(const Stream &stream)
{
    xmpp::StreamParser parser;
    int elements = 0;
    qsizetype from = 0;
    try {
        for (int end : stream.readEnds) {
            parser.addData(stream.bytes.mid(from, end - from));
            from = end;
            while (parser.parse() == xmpp::StreamParser::ElementReady)
                ++elements;
        }
    } catch (const xmpp::stream_error &) {
        return -1;
    }
    return elements;
}

void BM_BareTokeniser(benchmark::State &state)
{
    const Stream stream = makeStream(int(state.range(0)), state.range(1) != 0);
    for (auto _ : state) {
        QXmlStreamReader reader;
        qint64 tokens = 0;
        qsizetype from = 0;
        for (int end : stream.readEnds) {
            reader.addData(stream.bytes.mid(from, end - from));
            from = end;
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
    const Stream stream = makeStream(int(state.range(0)), state.range(1) != 0);
    for (auto _ : state) {
        if (parseStream(stream) != stream.stanzas)
            state.SkipWithError("element count differs");
    }
    state.SetItemsProcessed(state.iterations() * stream.stanzas);
    state.SetBytesProcessed(state.iterations() * stream.bytes.size());
}

// 1 MiB in 4 KiB reads: 0 ordinary messages, 1 start tags with as many attributes as
// are allowed, 2 one start tag of 100,000 attributes (its stanza dropped once the limit
// is passed).
void BM_StreamParserMiB(benchmark::State &state)
{
    constexpr qsizetype Size = 1 << 20;
    const QByteArray start = "<message from='1002@localhost/a' id='m1'><x xmlns='urn:x'";
    Stream stream;
    stream.bytes = Header;
    int expected = -1;
    if (state.range(0) == 0) {
        const QByteArray message = "<message from='1002@localhost/a' to='1001@localhost/r1' type='chat' "
                                   "id='m1'><body>A message of ordinary length, with some words.</body></message>";
        expected = 0;
        for (; stream.bytes.size() < Size; ++expected)
            stream.bytes += message;
    } else if (state.range(0) == 1) {
        QByteArray crowded = start;
        for (int i = 1; i < xmpp::StreamByteGuard::MaxAttributes; ++i)
            crowded += " a" + QByteArray::number(i) + "=''";
        crowded += "/></message>";
        expected = 0;
        for (; stream.bytes.size() < Size; ++expected)
            stream.bytes += crowded;
    } else {
        expected = 0;
        stream.bytes += start;
        for (int i = 0; i < 100000 && stream.bytes.size() < Size - 20; ++i)
            stream.bytes += " a" + QByteArray::number(i) + "=''";
        stream.bytes += "/></message>";
    }
    stream.readEnds = cutReads(stream.bytes, Header.size(), false);
    for (auto _ : state) {
        if (parseStream(stream) != expected)
            state.SkipWithError("unexpected element count");
    }
    state.SetBytesProcessed(state.iterations() * stream.bytes.size());
}

} // namespace

// Doubling the stream should double the time.
BENCHMARK(BM_BareTokeniser)->ArgsProduct({{100, 200, 400}, {0, 1}})->Unit(benchmark::kMillisecond)->Apply(repeatedRuns);
BENCHMARK(BM_StreamParser)->ArgsProduct({{100, 200, 400}, {0, 1}})->Unit(benchmark::kMillisecond)->Apply(repeatedRuns);
BENCHMARK(BM_StreamParserMiB)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Apply(repeatedRuns);

BENCHMARK_MAIN();
