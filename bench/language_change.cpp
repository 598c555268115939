// A change of the interface language with every window of a session open: the client
// logged in to the demo world of the test game server, the six lobby tabs shown once, a
// table in play and one watched, a tournament's details, the picture dialog, the
// cashier's page and the debug window, offscreen at 1366x768, in the client's skin.
//
// languageChange       TranslationsManager::setLanguage between Japanese and Simplified
//                      Chinese (each with its own face for Chinese characters), until
//                      every window has taken the change: the events it posted delivered
//                      (the windows' retranslation, their layouts and paints).
// languageChangeFloor  the same change without the font step: setLanguage between the
//                      same two translations under language codes that name no face of
//                      their own (so that the application font stays as it is), and
//                      the events delivered alike.
// The goal: the change costs at most 1.5 times its floor.
#include "DemoPlayer.h"
#include "protocol/TestServer.h"

#include "app/startup/MahjongApplication.h"
#include "app/startup/ResourceSearchPaths.h"
#include "app/startup/TranslationsManager.h"
#include "game/GameModel.h"
#include "game/GameWindow.h"
#include "lobby/TournamentDetailDialog.h"
#include "ui/AvatarDialog.h"
#include "ui/MainWindow.h"
#include "ui/SetScreennameDialog.h"
#include "ui/UTabWidget.h"
#include "ui/web/EmbeddedBrowser.h"
#include "ui/web/LocalPageSchemeHandler.h"

#include "RepeatedRuns.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTabBar>
#include <QTest>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <utility>

namespace {

// The session every benchmark changes the language of.
struct Session
{
    TestServer server;
    std::unique_ptr<TranslationsManager> translations;
    std::unique_ptr<MainWindow> window;

    template <class T>
    T *shown(const char *name = nullptr) const
    {
        for (T *widget : window->findChildren<T *>(name ? QLatin1String(name) : QString())) {
            if (widget->isVisible())
                return widget;
        }
        return nullptr;
    }

    bool wait(const std::function<bool()> &done, const char *what) const
    {
        if (QTest::qWaitFor(done, 20000))
            return true;
        std::fprintf(stderr, "the session did not reach %s\n", what);
        return false;
    }

    // Logs in and opens every window; false where one did not come.
    bool open()
    {
        if (!server.startDemo(5, 0))
            return false;
        translations = std::make_unique<TranslationsManager>();
        translations->setLanguage(QStringLiteral("en"));
        window = std::make_unique<MainWindow>(QStringLiteral("127.0.0.1"), server.gamePort(), QString(), QString(),
                                              false, QStringLiteral("localhost"),
                                              QMap<WebPageRequest::enum_t, QString>(), translations.get());
        window->onStartupFinished(true);
        window->setWindowState(Qt::WindowNoState);
        window->resize(1366, 768);
        auto *login = window->findChild<QWidget *>(QStringLiteral("loginWindow"));
        QTest::keyClicks(login->findChild<QLineEdit *>(QStringLiteral("loginEdit")), QStringLiteral("linguist"));
        QTest::keyClicks(login->findChild<QLineEdit *>(QStringLiteral("passwordEdit")), QStringLiteral("pw"));
        auto *loginButton = login->findChild<QPushButton *>(QStringLiteral("loginButton"));
        if (!wait([&] { return loginButton->isEnabled(); }, "the login button"))
            return false;
        loginButton->click();
        auto *tabs = window->findChild<UTabWidget *>(QStringLiteral("mainTabs"));
        if (!wait([&] { return tabs->count() == 6; }, "the lobby"))
            return false;
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QTest::qWait(100);
        }
        tabs->setCurrentIndex(2);
        auto *tournaments = shown<QTreeView>("tournamentsLobbyTreeView");
        if (!tournaments || !wait([&] { return tournaments->model()->rowCount() > 0; }, "the tournaments"))
            return false;
        tournaments->setCurrentIndex(tournaments->model()->index(0, 0));
        emit tournaments->activated(tournaments->currentIndex());
        tabs->setCurrentIndex(3);
        if (QPushButton *avatar = shown<QPushButton>("setAvatarButton"))
            avatar->click();
        shown<QPushButton>("cashierButton")->click();
        if (!wait([&] { return shown<TournamentDetailDialog>() && shown<AvatarDialog>() && shown<EmbeddedBrowser>(); },
                  "the tournament's details, the picture dialog and the cashier"))
            return false;

        window->watchTable(3002);
        window->joinTable(3001);
        auto *stack = window->findChild<QStackedWidget *>(QStringLiteral("loggedInStack"));
        GameWindow *table = nullptr;
        if (!wait([&] {
                table = qobject_cast<GameWindow *>(stack->currentWidget());
                return table && table->tableId() == 3001 && table->model()
                       && DemoPlay::shownButton(table->seatedWindow(), QStringLiteral("playButton"));
            }, "the seat at table 3001"))
            return false;
        DemoPlay::shownButton(table->seatedWindow(), QStringLiteral("playButton"))->click();
        if (!wait([&] { return table->model()->gameState() == GameModel::HAND_IN_PLAY; }, "the hand"))
            return false;
        static_cast<MahjongApplication *>(qApp)->openDebugDialog();
        QTest::qWait(500);
        return true;
    }
};

Session *g_session = nullptr;
// A folder of translations per language: the client's Japanese and Simplified Chinese
// under the codes "jp" and "cn".
QString g_floorTranslations;

// Delivers what a change posted: the windows' retranslation, layouts and paints.
void deliverPostedEvents()
{
    for (int round = 0; round < 3; ++round)
        QCoreApplication::sendPostedEvents();
}

void languageChange(benchmark::State &state)
{
    bool japanese = false;
    for (auto _ : state) {
        japanese = !japanese;
        g_session->translations->setLanguage(japanese ? QStringLiteral("ja") : QStringLiteral("zh_CN"));
        deliverPostedEvents();
    }
}

void languageChangeFloor(benchmark::State &state)
{
    // From English, whose font the floor's languages keep.
    g_session->translations->setLanguage(QStringLiteral("en"));
    deliverPostedEvents();
    const QStringList roots = QDir::searchPaths(QStringLiteral("translations"));
    QDir::setSearchPaths(QStringLiteral("translations"), {g_floorTranslations});
    TranslationsManager floor;
    QDir::setSearchPaths(QStringLiteral("translations"), roots);
    if (floor.availableLanguages().size() != 3)
        state.SkipWithError("no floor languages");
    bool japanese = false;
    for (auto _ : state) {
        japanese = !japanese;
        floor.setLanguage(japanese ? QStringLiteral("jp") : QStringLiteral("cn"));
        deliverPostedEvents();
    }
    floor.setLanguage(QStringLiteral("en"));
    deliverPostedEvents();
}

} // namespace

// Each twice, in turns, so that a machine growing busier shows as a difference between
// the two runs of one benchmark.
BENCHMARK(languageChange)->Unit(benchmark::kMillisecond)->Iterations(10)->Apply(repeatedRuns);
BENCHMARK(languageChangeFloor)->Unit(benchmark::kMillisecond)->Iterations(10)->Apply(repeatedRuns);
BENCHMARK(languageChange)->Unit(benchmark::kMillisecond)->Iterations(10)->Apply(repeatedRuns);
BENCHMARK(languageChangeFloor)->Unit(benchmark::kMillisecond)->Iterations(10)->Apply(repeatedRuns);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("MAHJONG_BINARY_DIR", MAHJONG_BENCH_BINARY_DIR);
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    QStandardPaths::setTestModeEnabled(true);
    registerWebSchemes();
    MahjongApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    QSettings().clear();
    QSettings().setValue(QStringLiteral("game/animations"), false);
    setupResourceSearchPaths({}, QStringLiteral("corvana"));
    app.setupStyle();
    QTemporaryDir floorTranslations;
    g_floorTranslations = floorTranslations.path();
    for (const auto &[code, file] : {std::pair{"jp", "ja/mahjong_ja.qm"}, std::pair{"cn", "zh_CN/mahjong_zh_CN.qm"}}) {
        QDir(g_floorTranslations).mkpath(QLatin1String(code));
        if (!QFile::copy(QStringLiteral(":/i18n/") + QLatin1String(file),
                         QStringLiteral("%1/%2/mahjong_%2.qm").arg(g_floorTranslations, QLatin1String(code))))
            return 1;
    }
    Session session;
    if (!session.open())
        return 1;
    g_session = &session;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    session.window->connectionManager().setDisconnectExpected(true);
    return 0;
}
