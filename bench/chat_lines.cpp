// The chat line list under load: a shown 600 x 400 view takes N lines in time order
// (mixed roles, a new day every 1,000 lines), then rebuilds itself once. Side by side
// with a plain text edit that appends the same HTML lines, and one that sets the whole
// joined document at once.
#include "app/Utils.h"
#include "chat/ChatOutputWidget.h"

#include <QApplication>
#include <QTextEdit>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

struct Line
{
    QDateTime time;
    QString nick;
    QString text;
    int role;
};

std::vector<Line> makeLines(int count)
{
    std::vector<Line> lines;
    lines.reserve(count);
    const QDateTime start(QDate(2026, 3, 1), QTime(8, 0));
    for (int i = 0; i < count; ++i) {
        const QDateTime time = start.addDays(i / 1000).addSecs(i % 1000 * 30);
        lines.push_back({time, QStringLiteral("player%1").arg(i % 37),
                         QStringLiteral("line %1: pon, chi & <riichi> again").arg(i), i % 3});
    }
    return lines;
}

// The HTML a view makes of the lines, date lines included.
std::vector<QString> htmlLines(const std::vector<Line> &lines)
{
    std::vector<QString> html;
    QDate lastDate;
    for (const Line &line : lines) {
        if (line.time.date() != lastDate) {
            lastDate = line.time.date();
            html.push_back(Utils::fontHtml(Utils::localDateText(line.time), QColor(0x98, 0x7d, 0x60)));
        }
        const QString role = ChatOutputWidget::roleName(line.role);
        QString nick = Utils::styledLinkHtml(role + QLatin1Char(':') + line.nick, line.nick,
                                             QStringLiteral("color: #ffff00"));
        if (line.role == ChatOutputWidget::ManagerRole)
            nick += QStringLiteral("<img src='textimages:chat-manager-icon.png' alt='Manager'/>");
        html.push_back(QStringLiteral("%1 %2: %3")
                           .arg(Utils::fontHtml(QStringLiteral("(%1)").arg(Utils::localTimeText(line.time)), Qt::yellow),
                                nick, Utils::fontHtml(line.text.toHtmlEscaped(), Qt::white)));
    }
    return html;
}

template <typename View>
std::unique_ptr<View> shownView()
{
    auto view = std::make_unique<View>();
    view->resize(600, 400);
    view->show();
    QCoreApplication::processEvents();
    return view;
}

// Lets the view lay out everything it was given.
void settle(QTextEdit &view)
{
    QCoreApplication::processEvents();
    benchmark::DoNotOptimize(view.document()->size());
}

void BM_ChatOutputAppend(benchmark::State &state)
{
    const auto lines = makeLines(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto view = shownView<ChatOutputWidget>();
        state.ResumeTiming();
        for (const Line &line : lines)
            view->addMessage(line.time, line.nick, line.text, line.role);
        settle(*view);
        state.PauseTiming();
        view.reset();
        state.ResumeTiming();
    }
}

void BM_FloorAppend(benchmark::State &state)
{
    const auto html = htmlLines(makeLines(int(state.range(0))));
    for (auto _ : state) {
        state.PauseTiming();
        auto view = shownView<QTextEdit>();
        view->setReadOnly(true);
        state.ResumeTiming();
        for (const QString &line : html)
            view->append(line);
        settle(*view);
        state.PauseTiming();
        view.reset();
        state.ResumeTiming();
    }
}

void BM_ChatOutputRepopulate(benchmark::State &state)
{
    const auto lines = makeLines(int(state.range(0)));
    auto view = shownView<ChatOutputWidget>();
    for (const Line &line : lines)
        view->addMessage(line.time, line.nick, line.text, line.role);
    settle(*view);
    for (auto _ : state) {
        view->repopulateMessages();
        settle(*view);
    }
}

void BM_FloorSetHtml(benchmark::State &state)
{
    const auto html = htmlLines(makeLines(int(state.range(0))));
    QString joined;
    for (const QString &line : html)
        joined += QStringLiteral("<div>") + line + QStringLiteral("</div>");
    auto view = shownView<QTextEdit>();
    view->setReadOnly(true);
    for (auto _ : state) {
        view->setHtml(joined);
        settle(*view);
    }
}

} // namespace

BENCHMARK(BM_FloorAppend)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChatOutputAppend)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FloorSetHtml)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChatOutputRepopulate)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
