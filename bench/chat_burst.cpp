// A burst of room lines against the GUI thread: a chat server on loopback (its own
// thread) writes 20,000 short lines of one occupant as fast as it can, and the room
// view of the real client shows them. Reported: the time until the last line is shown,
// and the longest stall of the event loop meanwhile (the longest gap between the ticks
// of a 1 ms timer), beside the same for one ordinary line.
#include "RepeatedRuns.h"
#include "StallMeter.h"

#include "app/startup/MessageHandler.h"
#include "app/startup/ResourceSearchPaths.h"
#include "chat/ChatOutputWidget.h"
#include "chat/LoopbackChatServer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextBlock>

#include <benchmark/benchmark.h>

namespace {

constexpr int BurstLines = 20000;

// Runs the event loop until the line is the last one shown; the longest stall
// meanwhile, in ms, or -1 after 60 s.
double showUntil(LoopbackRoom &room, const QString &lastLine)
{
    QElapsedTimer clock;
    clock.start();
    StallMeter stalls;
    const QTextDocument *document = room.view.output()->document();
    while (!document->lastBlock().text().endsWith(lastLine)) {
        if (clock.elapsed() > 60000)
            return -1;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return stalls.longestMs();
}

void runLines(benchmark::State &state, int count)
{
    LoopbackRoom room;
    if (!room.join()) {
        state.SkipWithError("could not join the room");
        return;
    }
    int next = 0;
    double stallSum = 0;
    for (auto _ : state) {
        QElapsedTimer total;
        total.start();
        room.server.sendLines(next, count);
        next += count;
        const double stall = showUntil(room, LoopbackChatServer::lineText(next - 1));
        if (stall < 0) {
            state.SkipWithError("the lines were not shown");
            return;
        }
        state.SetIterationTime(double(total.nsecsElapsed()) / 1e9);
        stallSum += stall;
    }
    state.counters["stall_ms"] = benchmark::Counter(stallSum, benchmark::Counter::kAvgIterations);
}

void BM_RoomBurst(benchmark::State &state)
{
    runLines(state, BurstLines);
}

void BM_RoomOneLine(benchmark::State &state)
{
    runLines(state, 1);
}

void burstRuns(benchmark::internal::Benchmark *bench)
{
    repeatedStatistics(bench);
    bench->UseManualTime()->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(BM_RoomBurst)->Apply(burstRuns)->Iterations(1);
BENCHMARK(BM_RoomOneLine)->Apply(burstRuns)->Iterations(20);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    // As in the client: debug lines are dropped, warnings go to standard error.
    MessageHandler::install();
    setupResourceSearchPaths({}, QStringLiteral("default"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
