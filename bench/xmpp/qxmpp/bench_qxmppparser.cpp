// QXmpp's stream parsing on the recorded stream of bench_xmppparser: the stream's own
// buffering and DOM building, then the presence and message classes reading each
// stanza. The stream reads what its socket delivers; here the 4 KiB reads go straight
// into that reading function, so no socket takes part.
#include <QXmppMessage.h>
#include <QXmppPresence.h>
#include <QXmppStream.h>

#include <QCoreApplication>
#include <QDomElement>
#include <QFile>
#include <QTextDecoder>

#include <benchmark/benchmark.h>

namespace {

// Reaches QXmppStream::processData (private) through an explicit instantiation,
// where access checking does not apply.
using ProcessData = void (QXmppStream::*)(const QString &);
ProcessData processData = nullptr;

template <ProcessData member>
struct Reach
{
    Reach() { processData = member; }
    static Reach instance;
};
template <ProcessData member>
Reach<member> Reach<member>::instance;
template struct Reach<&QXmppStream::processData>;

class Stream : public QXmppStream
{
public:
    Stream() : QXmppStream(nullptr) {}
    int stanzas = 0;

protected:
    void handleStream(const QDomElement &) override {}
    void handleStanza(const QDomElement &element) override
    {
        if (element.tagName() == QLatin1String("presence")) {
            QXmppPresence presence;
            presence.parse(element);
            benchmark::DoNotOptimize(presence);
        } else if (element.tagName() == QLatin1String("message")) {
            QXmppMessage message;
            message.parse(element);
            benchmark::DoNotOptimize(message);
        }
        ++stanzas;
    }
};

constexpr int ReadSize = 4096;

const QByteArray Header =
    "<?xml version='1.0'?><stream:stream id='1' version='1.0' xml:lang='en' "
    "xmlns:stream='http://etherx.jabber.org/streams' from='localhost' xmlns='jabber:client'>";

QString dataFile;

QByteArray recordedStanzas()
{
    QFile file(dataFile);
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

void BM_QXmppStream(benchmark::State &state)
{
    static const QByteArray block = recordedStanzas();
    const int perBlock = block.count("<presence") + block.count("<message");
    QByteArray bytes = Header;
    for (int i = 0; i < state.range(0); ++i)
        bytes += block;
    const int expected = perBlock * int(state.range(0));
    for (auto _ : state) {
        Stream stream;
        QTextDecoder decoder(QTextCodec::codecForName("UTF-8"));
        for (int at = 0; at < bytes.size(); at += ReadSize)
            (stream.*processData)(decoder.toUnicode(bytes.mid(at, ReadSize)));
        if (stream.stanzas != expected)
            state.SkipWithError("stanza count differs");
    }
    state.SetItemsProcessed(state.iterations() * expected);
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

} // namespace

BENCHMARK(BM_QXmppStream)->Arg(100)->Arg(200)->Arg(400)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    dataFile = qEnvironmentVariable("XMPP_BENCH_DATA");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
