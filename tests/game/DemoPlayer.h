#pragma once

// A player of the test server, as the client is built: the connection manager, the
// table list and the game controller with its table window, playing a hand the way a
// person would.

#include "game/GameController.h"

#include "connection/ConnectionManager.h"
#include "game/GameModel.h"
#include "game/GameWindow.h"
#include "lobby/TableModel.h"
#include "table/dialogs/MeldAuction.h"
#include "table/dialogs/SeatedWindow.h"
#include "table/scene/HandView.h"

#include <QDeadlineTimer>
#include <QGraphicsView>
#include <QPushButton>
#include <QSignalSpy>
#include <QStringList>
#include <QTest>

#include <algorithm>
#include <memory>

namespace DemoPlay {

inline QPushButton *shownButton(QWidget *parent, const QString &name)
{
    const auto buttons = parent->findChildren<QPushButton *>(name);
    for (QPushButton *button : buttons) {
        if (button->isVisible() && button->isEnabled())
            return button;
    }
    return nullptr;
}

inline HandTile *handTile(GameWindow *window, tile t)
{
    for (HandTile *item : window->handView()->items()) {
        if (item->tileValue() == t && item->isVisible())
            return item;
    }
    return nullptr;
}

inline void clickItem(GameWindow *window, QGraphicsItem *item)
{
    QGraphicsView *view = window->view();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->mapFromScene(item->sceneBoundingRect().center()));
}

// The discard of a player who keeps what may grow into sets: a tile without a twin or a
// neighbour in its suit, else the drawn tile (after a claim, the last one).
inline tile chooseDiscard(const PlayerData &own)
{
    const tile_vector &hand = own.hand();
    const auto near = [&](tile t) {
        return std::count_if(hand.begin(), hand.end(), [t](tile o) {
            const int d = int(o.code()) - int(t.code());
            return o != t ? t.code() < 27 && o.code() / 9 == t.code() / 9 && d >= -2 && d <= 2 : false;
        }) + std::count(hand.begin(), hand.end(), t) - 1;
    };
    for (tile t : hand) {
        if (near(t) == 0)
            return t;
    }
    return own.pendingTiles().empty() ? hand.back() : own.pendingTiles().front();
}

// Plays until the hand ends: a claim or a win offered is taken, else a tile is
// discarded (chooseDiscard). False when the hand does not end
// within a minute or the table stops answering.
inline bool playHand(GameWindow *window, GameModel *model, qint32 ownId, int *claims = nullptr)
{
    QDeadlineTimer deadline(60000);
    int movesWithoutChange = 0;
    while (!deadline.hasExpired()) {
        if (model->gameState() == GameModel::HAND_OVER)
            return true;
        QTest::qWait(10);
        if (window->actionQueue().isBusy() || !window->actionQueue().isEmpty())
            continue;
        QPushButton *take = nullptr;
        if (MeldAuction *auction = window->meldAuction()) {
            if (!(take = shownButton(auction, QStringLiteral("mahjongButton"))))
                take = shownButton(auction, QStringLiteral("meldChoiceButton"));
        }
        if (take) {
            take->click();
            if (claims)
                ++*claims;
            QTest::qWait(50);
            continue;
        }
        const PlayerData *own = model->ownPlayer();
        if (!own || model->actingPlayer().first != ownId || own->hand().size() % 3 != 2)
            continue;
        const tile t = chooseDiscard(*own);
        HandTile *item = handTile(window, t);
        if (!item)
            continue;
        const size_t before = own->discards().size();
        clickItem(window, item);
        if (!QTest::qWaitFor([&] { return model->ownPlayer()->discards().size() != before || model->gameState() != GameModel::HAND_IN_PLAY; }, 3000)
            && ++movesWithoutChange > 3)
            return false;
    }
    return false;
}

// The ready button of whichever end-of-hand window is shown, once one is; null when none
// shows within 5 s.
inline QPushButton *readyButton(GameWindow *window)
{
    QPushButton *ready = nullptr;
    const bool shown = QTest::qWaitFor([&] {
        return (ready = shownButton(window, QStringLiteral("readyPushButton"))) || (ready = shownButton(window, QStringLiteral("readyButton")));
    }, 5000);
    return shown ? ready : nullptr;
}

// Clicks that button.
inline bool sayReady(GameWindow *window)
{
    QPushButton *ready = readyButton(window);
    if (ready)
        ready->click();
    return ready != nullptr;
}

} // namespace DemoPlay

// A logged-in player with the table list and the game controller, wired as the main
// window wires them.
struct DemoPlayer
{
    std::unique_ptr<ConnectionManager> connection;
    std::unique_ptr<TableModel> tables;
    std::unique_ptr<GameController> controller;
    GameWindow *window = nullptr;
    qint32 id = -1;
    QString chatSecret;
    // The lobby folders whose tables the list holds.
    QStringList folders = {QStringLiteral("101/Practice"), QStringLiteral("101/Regular")};

    bool connect(quint16 port)
    {
        connection = std::make_unique<ConnectionManager>(false);
        QSignalSpy versions(connection.get(), &ConnectionManager::versionCheckComplete);
        connection->connectTo(QStringLiteral("127.0.0.1"), port);
        return versions.wait(5000);
    }

    bool login(const QString &name, const TableWindowServices &services = TableWindowServices())
    {
        QSignalSpy success(connection.get(), &ConnectionManager::loginSuccess);
        connection->login(name, QStringLiteral("pw"));
        if (!success.wait(10000))
            return false;
        id = success.first().at(0).toInt();
        chatSecret = success.first().at(2).toString();
        if (!tables) {
            tables = std::make_unique<TableModel>(connection.get(), nullptr);
            QObject::connect(connection.get(), qOverload<const TableInfo &>(&ConnectionManager::tableInfoUpdate), tables.get(),
                             &TableModel::addOrUpdateTable);
            QObject::connect(connection.get(), qOverload<const qint32, const int, const TableInfoUpdates &>(&ConnectionManager::tableInfoUpdate),
                             tables.get(), &TableModel::updateTableInfo);
            for (const QString &folder : folders)
                tables->subscribe(folder);
        }
        controller = std::make_unique<GameController>(connection.get(), services, nullptr);
        controller->setPlayerId(id);
        controller->setPlayerName(name);
        controller->setTableModel(tables.get());
        QObject::connect(controller.get(), &GameController::tableViewCreated, controller.get(),
                         [this](qint32, GameWindow *w) { window = w; });
        return true;
    }

    bool login(quint16 port, const QString &name) { return connect(port) && login(name); }

    // Waits for the table in the list, then joins (or watches) it and shows its window.
    bool open(qint32 table, bool watch = false)
    {
        if (!QTest::qWaitFor([&] { return tables->hasTable(table); }, 5000))
            return false;
        if (watch)
            connection->watch_table(table);
        else
            connection->join_table(table);
        return showWindow();
    }

    bool showWindow()
    {
        if (!QTest::qWaitFor([&] { return window != nullptr; }, 5000))
            return false;
        window->resize(1100, 760);
        window->show();
        return QTest::qWaitForWindowExposed(window);
    }

    GameModel *model(qint32 table) const { return controller->gameModel(table); }
    // Clicks Play in the window offering the seat once it shows.
    bool takeSeat()
    {
        QPushButton *play = nullptr;
        if (!QTest::qWaitFor([&] { return (play = DemoPlay::shownButton(window->seatedWindow(), QStringLiteral("playButton"))); }, 5000))
            return false;
        play->click();
        return true;
    }
    bool playHand(qint32 table, int *claims = nullptr) { return DemoPlay::playHand(window, model(table), id, claims); }
};
