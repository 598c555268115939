// The chat line list under load: a shown 600 x 400 view takes N lines in time order
// (mixed roles, a new day every 1,000 lines), then rebuilds itself once. Side by side
// with a plain text edit that appends the same HTML lines, and one that sets the whole
// joined document at once; the manager's icon (one line in three) goes into both floors
// as the view puts it in, as an image inserted on its own after the HTML.
#include "ChatViews.h"
#include "RepeatedRuns.h"

#include "app/Utils.h"
#include "chat/ChatOutputWidget.h"

#include <QApplication>
#include <QTextBlock>
#include <QTextCursor>
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

const QString ManagerIcon = QStringLiteral("textimages:chat-manager-icon.png");

// One line as a view makes it: the HTML up to the manager's icon, and after it when
// there is one.
struct HtmlLine
{
    QString html;
    bool icon = false;
    QString afterIcon;
};

// The HTML a view makes of the lines, date lines included.
std::vector<HtmlLine> htmlLines(const std::vector<Line> &lines)
{
    std::vector<HtmlLine> html;
    QDate lastDate;
    for (const Line &line : lines) {
        if (line.time.date() != lastDate) {
            lastDate = line.time.date();
            html.push_back({Utils::fontHtml(Utils::localDateText(line.time), QColor(0x98, 0x7d, 0x60)), false, QString()});
        }
        const QString role = ChatOutputWidget::roleName(line.role);
        const QString nick = Utils::styledLinkHtml(role + QLatin1Char(':') + line.nick, line.nick,
                                                   QStringLiteral("color: #ffff00"));
        const QString time = Utils::fontHtml(QStringLiteral("(%1)").arg(Utils::localTimeText(line.time)), Qt::yellow);
        const QString text = QStringLiteral(": ") + Utils::fontHtml(line.text.toHtmlEscaped(), Qt::white);
        if (line.role == ChatOutputWidget::ManagerRole)
            html.push_back({time + QLatin1Char(' ') + nick, true, text});
        else
            html.push_back({time + QLatin1Char(' ') + nick + text, false, QString()});
    }
    return html;
}

void registerIcon(QTextEdit &view)
{
    view.document()->addResource(QTextDocument::ImageResource, QUrl(ManagerIcon), QImage(ManagerIcon));
}

void insertIcon(QTextCursor &cursor)
{
    QTextImageFormat image;
    image.setName(ManagerIcon);
    cursor.insertImage(image);
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
        showAll(*view, lines.back().text);
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
        registerIcon(*view);
        state.ResumeTiming();
        for (const HtmlLine &line : html) {
            view->append(line.html);
            if (line.icon) {
                QTextCursor cursor(view->document());
                cursor.movePosition(QTextCursor::End);
                insertIcon(cursor);
                cursor.insertHtml(line.afterIcon);
            }
        }
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
    showAll(*view, lines.back().text);
    for (auto _ : state) {
        view->repopulateMessages();
        settle(*view);
    }
}

void BM_FloorSetHtml(benchmark::State &state)
{
    const auto html = htmlLines(makeLines(int(state.range(0))));
    QString joined;
    std::vector<int> iconBlocks;
    for (const HtmlLine &line : html) {
        if (line.icon)
            iconBlocks.push_back(int(&line - html.data()));
        joined += QStringLiteral("<div>") + line.html + line.afterIcon + QStringLiteral("</div>");
    }
    auto view = shownView<QTextEdit>();
    view->setReadOnly(true);
    for (auto _ : state) {
        view->setHtml(joined);
        registerIcon(*view);
        QTextCursor cursor(view->document());
        cursor.beginEditBlock();
        for (int number : iconBlocks) {
            const QTextBlock block = view->document()->findBlockByNumber(number);
            cursor.setPosition(block.position() + block.length() - 1);
            insertIcon(cursor);
        }
        cursor.endEditBlock();
        settle(*view);
    }
}

} // namespace

BENCHMARK(BM_FloorAppend)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->Apply(repeatedRuns);
BENCHMARK(BM_ChatOutputAppend)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->Apply(repeatedRuns);
BENCHMARK(BM_FloorSetHtml)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->Apply(repeatedRuns);
BENCHMARK(BM_ChatOutputRepopulate)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->Apply(repeatedRuns);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
