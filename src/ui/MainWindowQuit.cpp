// The end of a session: the quit question behind the "Quit" button and the close box,
// the player properties, the logout and the chat's close sent while the application
// quits, and the lobby tab remembered for the next start.
#include "ui/MainWindow.h"

#include "ui_MainView.h"

#include "app/Singleton.h"
#include "app/Utils.h"
#include "app/system_info.h"
#include "connection/ServerTime.h"
#include "game/GameWindow.h"
#include "game/GameWindowHelpers.h"
#include "ui/ModelessMsgBox.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

#include <exception>
#include <vector>

namespace {

// The settings sent as player properties, in the order they are read. The tournament
// lobby's Hong Kong box shares the lobby's key, so that key is listed twice and sent once.
const char *const propertyKeys[] = {
    "game/windowSize",        "game/windowFullscreen",  "game/sound",
    "game/animations",        "game/compactView",       "game/showtableinvites",
    "game/language",          "lobby/classic",          "lobby/international",
    "lobby/riichi",           "lobby/hongkong",         "lobby/playforfree",
    "lobby/level1buyin",      "lobby/level2buyin",      "lobby/level3buyin",
    "lobby/singlehand",       "lobby/fullgame",         "lobby/eastonly",
    "mttlobby/riichi",        "mttlobby/international", "mttlobby/classic",
    "lobby/hongkong",         "mttlobby/nobuyin",       "mttlobby/level1buyin",
    "mttlobby/level2buyin",   "mttlobby/level3buyin",
};

} // namespace

void MainWindow::connectQuit()
{
    connect(qApp, &QCoreApplication::aboutToQuit, this, &MainWindow::onAboutToQuit);
    connect(m_ui->loggedInStack, &QStackedWidget::currentChanged, this, &MainWindow::placeQuitBox);
}

void MainWindow::on_quitButton_clicked()
{
    if (m_quitBox)
        return;
    m_ui->quitButton->setEnabled(false);
    m_quitBox = ModelessMsgBox::question(
        this, [] { return ModelessMsgBox::Texts{tr("Quit"), tr("Are you sure you want to quit?")}; });
    placeQuitBox();
    ModelessMsgBox::connectFinished(m_quitBox, this, [this](int result) { onQuitAnswered(result); });
}

void MainWindow::onQuitAnswered(int result)
{
    if (result == QDialogButtonBox::Yes) {
        // exit() rather than quit(): quit() first asks every window to close, and this
        // one answers a close with the question again.
        QCoreApplication::exit(0);
        return;
    }
    m_quitBox = nullptr;
    m_ui->quitButton->setEnabled(true);
}

void MainWindow::placeQuitBox()
{
    if (!m_quitBox)
        return;
    std::vector<QRect> dialogs;
    std::vector<QRect> buttons;
    auto *table = qobject_cast<GameWindow *>(m_ui->loggedInStack->currentWidget());
    if (table && table->isVisible()) {
        table->shownDialogs(dialogs, buttons);
        const QPoint offset = table->mapTo(this, QPoint());
        for (std::vector<QRect> *rects : {&dialogs, &buttons})
            for (QRect &rect : *rects)
                rect.translate(offset);
    }
    m_quitBox->move(GameWindowHelpers::clearPlace(m_quitBox->size(), size(), dialogs, buttons));
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    on_quitButton_clicked();
    event->ignore();
}

QMap<QString, QString> MainWindow::playerProperties()
{
    QMap<QString, QString> properties;
    QSettings settings;
    for (const char *key : propertyKeys) {
        const QString name = QString::fromLatin1(key);
        const QVariant value = settings.value(name);
        if (value.isNull())
            continue;
        try {
            properties.insert(name, Utils::variantToString(value));
        } catch (const std::exception &e) {
            // A value of a kind the client never writes here; the rest still goes out.
            qWarning() << "player property" << name << "skipped:" << e.what();
        }
    }
    const system_info_t system = system_info_t::current();
    properties.insert(QStringLiteral("system/platform"), system.platformName());
    properties.insert(QStringLiteral("system/os"), system.osName());
    properties.insert(QStringLiteral("system/osVersion"), system.osVersionText());
    const QScreen *screen = QGuiApplication::primaryScreen();
    properties.insert(QStringLiteral("system/primaryDesktop"),
                      Utils::variantToString(screen ? screen->geometry().size() : QSize()));
    return properties;
}

void MainWindow::onAboutToQuit()
{
    saveWindowGeometry();
    m_connectionManager.storePlayerProperties(playerProperties());
    m_connectionManager.prepareToQuit();
    // A chat session lost rather than ended is kept by the server for a resumption: the
    // player would stay online, in his rooms under his nick, for minutes. The stream is
    // ended while the event loop still runs to send the rooms' leaves and the close
    // through TLS and to read the server's close.
    m_chatClient.closeStreamAndWait(ChatCloseWaitMs);
}

void MainWindow::storeLobbyTab()
{
    saveWindowGeometry();
    if (m_ui->mainTabs->count() > 0)
        QSettings().setValue(QStringLiteral("game/lobbyTab"), m_ui->mainTabs->currentIndex());
    Singleton<ServerTime>::instance().setConnection(nullptr);
}
