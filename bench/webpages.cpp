// The client's welcome page in a page pane, through the "localwww" scheme, until its
// script has the "client" object; beside it the floor: the same file from the Qt
// resources in a bare web view with a plain web channel. The web engine is started
// before either runs.
#include "app/startup/ResourceSearchPaths.h"
#include "ui/web/EmbeddedWebPage.h"
#include "ui/web/JavascriptInterface.h"
#include "ui/web/LocalPageSchemeHandler.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QWebChannel>
#include <QWebEnginePage>
#include <QWebEngineView>

#include "RepeatedRuns.h"

#include <benchmark/benchmark.h>

namespace {

const QUrl localPage(QStringLiteral("localwww:/welcome.html"));
const QUrl resourcePage(QStringLiteral("qrc:/default/www/en/welcome.html"));

// Runs the event loop until the page's buttons are enabled, which its script does when
// "client" arrives. False after 20 s.
bool waitForClient(QWebEnginePage *page)
{
    QEventLoop loop;
    bool ready = false;
    std::function<void()> ask = [&] {
        page->runJavaScript(QStringLiteral("!!document.querySelector('button') && "
                                           "!document.querySelector('button').disabled"),
                            [&](const QVariant &value) {
                                if (value.toBool()) {
                                    ready = true;
                                    loop.quit();
                                } else {
                                    QTimer::singleShot(1, &loop, ask);
                                }
                            });
    };
    ask();
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    loop.exec();
    return ready;
}

void embeddedWebPage(benchmark::State &state)
{
    for (auto _ : state) {
        EmbeddedWebPage pane(nullptr);
        pane.setUrl(localPage);
        if (!waitForClient(pane.webView()->page()))
            state.SkipWithError("the page did not reach the client object");
    }
}

void bareViewFloor(benchmark::State &state)
{
    for (auto _ : state) {
        QWebEngineView view;
        QWebChannel channel;
        JavascriptInterface client(nullptr);
        channel.registerObject(QStringLiteral("client"), &client);
        view.page()->setWebChannel(&channel);
        view.load(resourcePage);
        if (!waitForClient(view.page()))
            state.SkipWithError("the page did not reach the client object");
    }
}

} // namespace

BENCHMARK(embeddedWebPage)->Unit(benchmark::kMillisecond)->Iterations(30)->Apply(repeatedRuns);
BENCHMARK(bareViewFloor)->Unit(benchmark::kMillisecond)->Iterations(30)->Apply(repeatedRuns);
BENCHMARK(embeddedWebPage)->Unit(benchmark::kMillisecond)->Iterations(30)->Apply(repeatedRuns);
BENCHMARK(bareViewFloor)->Unit(benchmark::kMillisecond)->Iterations(30)->Apply(repeatedRuns);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    registerWebSchemes();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    setupResourceSearchPaths({}, QStringLiteral("default"));
    {
        // Starts the web engine and its default profile.
        EmbeddedWebPage warmUp(nullptr);
        warmUp.setUrl(localPage);
        waitForClient(warmUp.webView()->page());
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
