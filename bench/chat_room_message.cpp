// The GUI thread's work for chat text from a room, each beside a plain text view that
// appends the same text: one room message of a megabyte, read from the stream and
// shown in a room view, and 20,000 ordinary lines in one line list (which keeps the
// newest ChatOutputWidget::MaxLines of them).
#include "ChatViews.h"
#include "RepeatedRuns.h"

#include "chat/ChatOutputWidget.h"
#include "chat/ConferenceWidget.h"
#include "chat/xmpp/StreamParser.h"
#include "chat/xmpp/XMPPMessage.h"

#include <QApplication>
#include <QTextEdit>

#include <benchmark/benchmark.h>

namespace {

const QByteArray StreamHeader = "<?xml version='1.0'?><stream:stream xmlns='jabber:client' "
                                "xmlns:stream='http://etherx.jabber.org/streams' from='localhost' id='1' "
                                "version='1.0' xml:lang='en'>";
constexpr int MessageBytes = 1000000;
constexpr int PaneLines = 20000;

// Words, as a text of one unbroken word takes a plain view minutes to lay out.
QString megabyteText()
{
    return QStringLiteral("pon chi riichi ").repeated(MessageBytes / 15 + 1).left(MessageBytes);
}

void BM_RoomMessageMiB(benchmark::State &state)
{
    const QByteArray stream = StreamHeader
        + "<message from='table-7@conference.localhost/Aiko' to='1001@localhost/r1' type='groupchat' id='m1'>"
          "<body>"
        + megabyteText().toUtf8() + "</body></message>";
    auto view = shownView<ConferenceWidget>();
    for (auto _ : state) {
        xmpp::StreamParser parser;
        parser.addData(stream);
        if (parser.parse() != xmpp::StreamParser::ElementReady) {
            state.SkipWithError("no message read");
            break;
        }
        const XMPPMessage message(static_cast<const xmpp::MessageStanza &>(*parser.lastElement()),
                                  parser.streamLanguage());
        const int blocks = view->output()->document()->blockCount();
        view->showMessage(message, ChatOutputWidget::UserRole, QDateTime::currentDateTime());
        while (view->output()->document()->blockCount() == blocks)
            QCoreApplication::processEvents();
        settle(*view->output());
    }
}

void BM_FloorAppendMiB(benchmark::State &state)
{
    const QString html = megabyteText().toHtmlEscaped();
    for (auto _ : state) {
        state.PauseTiming();
        auto view = shownView<QTextEdit>();
        view->setReadOnly(true);
        state.ResumeTiming();
        view->append(html);
        settle(*view);
        state.PauseTiming();
        view.reset();
        state.ResumeTiming();
    }
}

QString lineText(int i)
{
    return QStringLiteral("line %1: pon, chi & <riichi> again").arg(i);
}

void BM_PaneLines(benchmark::State &state)
{
    const QDateTime start(QDate(2026, 3, 1), QTime(8, 0));
    for (auto _ : state) {
        state.PauseTiming();
        auto view = shownView<ChatOutputWidget>();
        state.ResumeTiming();
        for (int i = 0; i < PaneLines; ++i)
            view->addMessage(start.addSecs(i * 5), QStringLiteral("player%1").arg(i % 37), lineText(i), i % 2);
        showAll(*view, lineText(PaneLines - 1));
        state.PauseTiming();
        view.reset();
        state.ResumeTiming();
    }
}

void BM_FloorPaneLines(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto view = shownView<QTextEdit>();
        view->setReadOnly(true);
        state.ResumeTiming();
        for (int i = 0; i < PaneLines; ++i)
            view->append(QStringLiteral("player%1: %2").arg(i % 37).arg(lineText(i).toHtmlEscaped()));
        settle(*view);
        state.PauseTiming();
        view.reset();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_RoomMessageMiB)->Apply(repeatedRuns)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FloorAppendMiB)->Apply(repeatedRuns)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaneLines)->Apply(repeatedRuns)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FloorPaneLines)->Apply(repeatedRuns)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
