// QXmpp's stream parsing on the recorded stream of bench_xmppparser: the stream's own
// buffering and DOM building, then the presence and message classes reading each
// stanza. The stream reads what its socket delivers; here the reads (cut as in
// bench_xmppparser) go straight into that reading function, so no socket takes part.
#include <QXmppMessage.h>
#include <QXmppPresence.h>
#include <QXmppStream.h>

#include "../recorded_stream.h"

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

QString dataFile;

void BM_QXmppStream(benchmark::State &state)
{
    static const QByteArray block = recordedStanzas(dataFile);
    const int perBlock = block.count("<presence") + block.count("<message");
    QByteArray bytes = Header;
    for (int i = 0; i < state.range(0); ++i)
        bytes += block;
    const int expected = perBlock * int(state.range(0));
    const std::vector<int> ends = cutReads(bytes, Header.size(), state.range(1) != 0);
    for (auto _ : state) {
        Stream stream;
        QTextDecoder decoder(QTextCodec::codecForName("UTF-8"));
        int from = 0;
        for (int end : ends) {
            (stream.*processData)(decoder.toUnicode(bytes.mid(from, end - from)));
            from = end;
        }
        if (stream.stanzas != expected)
            state.SkipWithError("stanza count differs");
    }
    state.SetItemsProcessed(state.iterations() * expected);
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

} // namespace

// The second argument as in bench_xmppparser: 0 reads cut anywhere, 1 on stanza boundaries.
BENCHMARK(BM_QXmppStream)->ArgsProduct({{100, 200, 400}, {0, 1}})->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    dataFile = qEnvironmentVariable("XMPP_BENCH_DATA");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
