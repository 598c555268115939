#include "game/GameWindow.h"

#include "ui_GameForm.h"

#include "app/RulesetInfo.h"
#include "app/Singleton.h"
#include "app/Utils.h"
#include "app/startup/GameBackground.h"
#include "app/startup/GameSounds.h"
#include "app/wind.h"
#include "connection/PlayerDb.h"
#include "game/DealStartHandAnimation.h"
#include "game/GameWindowAction.h"
#include "game/GameWindowHelpers.h"
#include "game/tiles/TileGraphics.h"
#include "lobby/LocalizationDb.h"
#include "table/dialogs/ConcealedActionDialog.h"
#include "table/dialogs/MeldAuction.h"
#include "table/dialogs/PlayerInactiveWindow.h"
#include "table/dialogs/RoundScoreBoard.h"
#include "table/dialogs/ScoreBoard.h"
#include "table/dialogs/SeatedWindow.h"
#include "table/dialogs/TableInviteDialog.h"
#include "table/dialogs/WaitingForPlayersWindow.h"
#include "table/dialogs/WashoutWindow.h"
#include "table/dialogs/WatchingWindow.h"
#include "table/scene/CityView.h"
#include "table/scene/DeclaredView.h"
#include "table/scene/DiscardView.h"
#include "table/scene/GameTableLayout.h"
#include "table/scene/HandView.h"
#include "table/scene/HiddenHandView.h"
#include "table/scene/Object3DView.h"
#include "table/scene/PlayerActionView.h"
#include "table/scene/RiichiStickView.h"
#include "table/scene/TileAnimation.h"
#include "table/scene/TileAnimationSet.h"
#include "table/scene/TileView.h"
#include "table/scene/WindView.h"
#include "table/sidebar/SideBar.h"
#include "table/sidebar/TableChat.h"
#include "table/sidebar/TimerView.h"
#include "ui/ModelessMsgBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGraphicsPixmapItem>
#include <QGraphicsRectItem>
#include <QGraphicsView>
#include <QLinearGradient>
#include <QResizeEvent>
#include <QScopedValueRollback>
#include <QSettings>
#include <QtDebug>

#include <algorithm>

#include <stdexcept>
#include <utility>

using namespace GameWindowHelpers;

GameWindow::GameWindow(const TableInfo &info, qint32 ownPlayerId, const TableWindowServices &services,
                       QWidget *ownerWindow)
    : QWidget(nullptr), m_form(std::make_unique<Ui::GameForm>()), m_ownerWindow(ownerWindow),
      m_services(services), m_ownId(ownPlayerId), m_tableInfo(info), m_cubeAction(this),
      m_defaultShortcut(this)
{
    m_form->setupUi(this);
    QGraphicsView *gameView = m_form->GameView;
    gameView->setScene(&m_scene);
    gameView->setCacheMode(QGraphicsView::CacheNone);
    gameView->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    gameView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    gameView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_queue.setRepaint([gameView] { gameView->viewport()->update(); });

    for (auto &shade : m_shading) {
        shade = new QGraphicsRectItem;
        shade->setPen(Qt::NoPen);
        m_scene.addItem(shade);
    }
    m_hand = new HandView;
    m_hand->setZValue(150);
    m_scene.addItem(m_hand);
    connect(m_hand, &HandView::tileClicked, this, &GameWindow::onTileClick);
    connect(m_hand, &HandView::tileClicked, &m_scene, &GameGraphicsScene::onTileClick);
    connect(&m_scene, &GameGraphicsScene::clickedOutsideHand, this, &GameWindow::onClickedOutsideHand);
    for (QGraphicsPixmapItem **image : {&m_timeoutImage, &m_furitenImage}) {
        *image = new QGraphicsPixmapItem;
        (*image)->setZValue(300);
        (*image)->setTransformationMode(Qt::SmoothTransformation);
        (*image)->hide();
        m_scene.addItem(*image);
    }
    loadTextImages();
    m_prevalent = new PrevalentWindView;
    m_prevalent->hide();
    m_scene.addItem(m_prevalent);

    for (size_t seat = 0; seat < 4; ++seat) {
        const int o = static_cast<int>(seat);
        m_discards[seat] = new DiscardView(o);
        m_scene.addItem(m_discards[seat]);
        m_windMarkers[seat] = new WindView(o);
        m_windMarkers[seat]->hide();
        m_windMarkers[seat]->setWind(o);
        m_windMarkers[seat]->setZValue(100);
        m_scene.addItem(m_windMarkers[seat]);
        m_declared[seat] = new DeclaredView(o, 420.0);
        m_scene.addItem(m_declared[seat]);
        m_claims[seat] = new PlayerActionView(o);
        m_claims[seat]->setZValue(100);
        m_claims[seat]->hide();
        m_scene.addItem(m_claims[seat]);
        m_hidden[seat] = new HiddenHandView(o);
        m_scene.addItem(m_hidden[seat]);
        m_sticks[seat] = new RiichiStickView(o);
        m_sticks[seat]->setZValue(-1);
        m_scene.addItem(m_sticks[seat]);
    }
    m_declared[TOP]->setZValue(-100);

    m_concealedDialog = new ConcealedActionDialog(this);
    m_concealedDialog->hide();
    connect(m_concealedDialog, &ConcealedActionDialog::riichiSelected, this,
            &GameWindow::onConcealedRiichiSelected);
    connect(m_concealedDialog, &ConcealedActionDialog::pongToKongSelected, this,
            &GameWindow::onConcealedPongToKongSelected);
    connect(m_concealedDialog, &ConcealedActionDialog::kongSelected, this, &GameWindow::onConcealedKongSelected);
    connect(m_concealedDialog, &ConcealedActionDialog::replaceFlowerSelected, this,
            &GameWindow::onConcealedReplaceFlowerSelected);
    connect(m_concealedDialog, &ConcealedActionDialog::cancelSelected, this, &GameWindow::onConcealedActionCancel);

    m_scoreBoard = new ScoreBoard(this);
    m_scoreBoard->hide();
    connect(m_scoreBoard, &ScoreBoard::readyClicked, this, &GameWindow::onReadyButtonClick);
    connect(m_scoreBoard, &ScoreBoard::leaveClicked, this, &GameWindow::onLeaveButtonClick);
    connect(m_scoreBoard, &ScoreBoard::roundResultClicked, this, [this] { setBoardAside(m_scoreBoard); });
    m_waiting = new WaitingForPlayersWindow(this);
    m_waiting->hide();
    connect(m_waiting, &WaitingForPlayersWindow::leaveButtonClicked, this, &GameWindow::onLeaveButtonClick);
    connect(m_waiting, &WaitingForPlayersWindow::inviteButtonClicked, this, &GameWindow::onInviteButtonClick);
    m_seated = new SeatedWindow(m_services.tableNames, this);
    m_seated->hide();
    connect(m_seated, &SeatedWindow::leaveButtonClicked, this, &GameWindow::onLeaveButtonClick);
    connect(m_seated, &SeatedWindow::playButtonClicked, this, &GameWindow::onReadyButtonClick);
    m_watching = new WatchingWindow(this);
    m_watching->hide();
    connect(m_watching, &WatchingWindow::leaveButtonClicked, this, &GameWindow::onLeaveButtonClick);
    connect(m_watching, &WatchingWindow::joinButtonClicked, this, &GameWindow::onJoinButtonClick);
    m_inactive = new PlayerInactiveWindow(this);
    m_inactive->hide();
    connect(m_inactive, &PlayerInactiveWindow::reactivateButtonClicked, this,
            &GameWindow::onReactivateButtonClicked);
    connect(m_inactive, &PlayerInactiveWindow::leaveButtonClicked, this, &GameWindow::onLeaveButtonClick);
    m_sideBar = new SideBar(m_services.tableChat ? m_services.tableChat() : nullptr, m_services.tableNames, this);
    m_sideBar->connectLeaveButton(this);
    connect(m_sideBar, &SideBar::userMenuRequested, this, &GameWindow::userMenuRequested);
    connect(m_sideBar, &SideBar::linkActivated, this, &GameWindow::linkActivated);
    m_inviteDialog = new TableInviteDialog(m_services.roster, m_services.players, this);
    m_inviteDialog->hide();
    connect(m_inviteDialog, &TableInviteDialog::invitePlayers, this, &GameWindow::invitePlayers);
    m_washout = new WashoutWindow(this);
    m_washout->hide();
    connect(m_washout, &WashoutWindow::readyButtonClicked, this, &GameWindow::onReadyButtonClick);
    connect(m_washout, &WashoutWindow::leaveButtonClicked, this, &GameWindow::onLeaveButtonClick);
    connect(m_washout, &WashoutWindow::roundResultButtonClicked, this, [this] { setBoardAside(m_washout); });
    m_roundScoreBoard = new RoundScoreBoard(this, m_services.players, m_services.tableNames);
    m_roundScoreBoard->hide();
    connect(m_roundScoreBoard, &RoundScoreBoard::closeClick, this, &GameWindow::onRoundScoreCloseClick);

    m_turnTimer = new TimerView(gameView, {}, TimerView::DEC_PIE);
    m_turnTimer->resize(20, 20);
    m_turnTimer->hide();
    m_claimTimer = new TimerView(gameView, {}, TimerView::DEC_PIE);
    m_claimTimer->resize(20, 20);
    m_claimTimer->setShadowOffset(4);
    m_claimTimer->hide();
    setCompactLayout(false);
    m_dialogArea = viewSize();

    TileGraphics &graphics = TileGraphics::instance();
    connect(&graphics, &TileGraphics::tileGraphicsChanged, this, &GameWindow::onTileGraphicsChanged,
            Qt::DirectConnection);
    connect(&graphics, &TileGraphics::gameScaleChanged, this, &GameWindow::onGameScaleChanged,
            Qt::QueuedConnection);

    m_cube = new Object3DView(2);
    m_cube->setPoints(TableCube::points());
    m_cube->setTextureCoordinates(TableCube::textureCoordinates());
    const QPixmap pig(QStringLiteral("avatars:/pig.png"));
    QBrush face(pig);
    if (!pig.isNull())
        face.setTransform(QTransform::fromScale(1.0 / pig.width(), 1.0 / pig.height()));
    m_cube->setBrush(face);
    m_cube->setZValue(100000);
    m_cube->hide();
    m_scene.addItem(m_cube);
    m_cubeTimer.setInterval(20);
    connect(&m_cubeTimer, &QTimer::timeout, this, &GameWindow::onCubeUpdate);

    m_cubeAction.setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_E));
    connect(&m_cubeAction, &QAction::triggered, this, &GameWindow::onShowCube);
    addAction(&m_cubeAction);
    m_defaultShortcut.setKey(QKeySequence(Qt::Key_Space));
    connect(&m_defaultShortcut, &QShortcut::activated, this, &GameWindow::onDefaultAction);
    connect(qApp, &QApplication::focusChanged, this, &GameWindow::updateDefaultShortcut);

    clearTable();
    m_sideBar->reset();
    onTableInfo(m_tableInfo);
}

GameWindow::~GameWindow()
{
    // Closing the window moves the focus while the base class is being destroyed, after
    // the shortcut is gone.
    disconnect(qApp, &QApplication::focusChanged, this, &GameWindow::updateDefaultShortcut);
    m_queue.clear();
    for (auto &slot : m_dealTiles)
        slot.reset();
    qDeleteAll(m_animations.children());
    m_layout.reset();
    m_city.reset();
}

// ---- properties, seats, host -------------------------------------------------------

QString GameWindow::backgroundAspectMode() const
{
    switch (m_backgroundAspectMode) {
    case 1:
        return QStringLiteral("inscribe");
    case 2:
        return QStringLiteral("outscribe");
    default:
        return QStringLiteral("stretch");
    }
}

void GameWindow::setBackgroundAspectMode(const QString &mode)
{
    if (mode == QLatin1String("inscribe"))
        m_backgroundAspectMode = 1;
    else if (mode == QLatin1String("outscribe"))
        m_backgroundAspectMode = 2;
    else
        m_backgroundAspectMode = 0;
}

int GameWindow::seatOf(qint32 playerId) const
{
    for (size_t seat = 0; seat < 4; ++seat)
        if (m_seatPlayers[seat] == playerId && playerId != -1)
            return static_cast<int>(seat);
    throw std::runtime_error("unknown player id " + std::to_string(playerId));
}

int GameWindow::seatOrWarn(qint32 playerId, const char *where) const
{
    for (size_t seat = 0; seat < 4; ++seat)
        if (m_seatPlayers[seat] == playerId && playerId != -1)
            return static_cast<int>(seat);
    qWarning() << where << "unknown player id" << playerId << "on table" << tableId();
    return -1;
}

const PlayerData *GameWindow::seatRecord(int seat) const
{
    if (!m_table || seat < 0 || seat > 3)
        return nullptr;
    return m_table->findPlayer(m_seatPlayers[static_cast<size_t>(seat)]);
}

const PlayerData *GameWindow::ownRecord() const
{
    return m_table ? m_table->ownPlayer() : nullptr;
}

bool GameWindow::ownSeated() const
{
    return m_table && m_table->isSeated();
}

int GameWindow::ownSeatWind() const
{
    const PlayerData *record = seatRecord(BOTTOM);
    return record ? record->wind() : EAST;
}

QGraphicsView *GameWindow::view() const
{
    return m_form->GameView;
}

QGraphicsScene *GameWindow::layoutScene() const
{
    return const_cast<GameGraphicsScene *>(&m_scene);
}

QRectF GameWindow::viewSceneRect() const
{
    return m_form->GameView->sceneRect();
}

void GameWindow::replaceCityView(std::unique_ptr<CityView> city)
{
    m_city = std::move(city);
}

void GameWindow::refreshCityView()
{
    updateWall();
}

void GameWindow::setSeatMarkerPos(int seat, const QPointF &pos)
{
    m_seatMarkers[static_cast<size_t>(seat)] = pos;
    m_windMarkers[static_cast<size_t>(seat)]->setPos(pos);
}

QSizeF GameWindow::windMarkerSize(int seat) const
{
    return m_windMarkers[static_cast<size_t>(seat)]->boundingRect().size();
}

QSizeF GameWindow::turnTimerSize() const
{
    return m_turnTimer->size();
}

void GameWindow::moveTurnTimer(const QPointF &scenePos)
{
    m_turnTimer->move(m_form->GameView->mapFromScene(scenePos));
}

// ---- queue ---------------------------------------------------------------------------

void GameWindow::enqueue(std::function<void()> callback)
{
    // A queued step that fails leaves the table as it is; it must not end the client.
    m_queue.enqueueAction(new CallbackGameWindowAction([this, callback = std::move(callback)] {
        try {
            callback();
        } catch (const std::exception &e) {
            qWarning() << "table" << tableId() << "queued step failed:" << e.what();
        }
    }));
}

void GameWindow::enqueueAnimation(TileAnimationSource *source, TileAnimationTarget *target, int ms,
                                  const tile_vector &tiles)
{
    enqueueOwned(new TileAnimationSet(&m_scene, source, target, ms, tiles));
}

void GameWindow::enqueueAnimation(TileAnimationSource *source, TileAnimationTarget *target, int ms, int count)
{
    enqueueOwned(new TileAnimationSet(&m_scene, source, target, ms, count));
}

void GameWindow::enqueueOwned(GameWindowAnimation *animation)
{
    animation->setParent(&m_animations);
    m_queue.enqueueAnimation(animation);
}

void GameWindow::flush()
{
    m_queue.flush();
}

// ---- layout --------------------------------------------------------------------------

QSize GameWindow::viewSize() const
{
    return QSize(width() - m_sideBar->width(), height());
}

void GameWindow::setCompactLayout(bool compact)
{
    flush();
    std::unique_ptr<GameTableLayout> layout;
    if (compact)
        layout = std::make_unique<GameTableCompactLayout>(this);
    else
        layout = std::make_unique<GameTableRegularLayout>(this);
    m_layout = std::move(layout);
    m_compact = compact;
    relayout(viewSize());
    applyLayout();
    placeImages();
}

void GameWindow::relayout(const QSize &size)
{
    QGraphicsView *gameView = m_form->GameView;
    gameView->setSceneRect(0, 0, size.width(), size.height());
    gameView->resetTransform();
    m_scene.setBackgroundBrush(GameBackground::brush(size, m_backgroundColor, m_backgroundScale));
    const double shadeHeight = size.height() * 0.1;
    for (size_t i = 0; i < m_shading.size(); ++i) {
        const bool top = i == 0;
        const QRectF rect(0, top ? 0 : size.height() - shadeHeight, size.width(), shadeHeight);
        QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
        gradient.setColorAt(top ? 0 : 1, QColor(0, 0, 0, 100));
        gradient.setColorAt(top ? 1 : 0, QColor(0, 0, 0, 0));
        m_shading[i]->setRect(rect);
        m_shading[i]->setBrush(gradient);
    }
}

void GameWindow::applyLayout()
{
    if (!m_layout)
        return;
    const QSize size = viewSize();
    if (size.width() > 0 && size.height() > 0)
        TileGraphics::instance().setGameScale(m_layout->gameScale(size));
    scaleWindMarkers();
    m_layout->apply();
}

void GameWindow::scaleWindMarkers()
{
    // The layouts place the discs by their size: they take the scale the tiles have now.
    const double scale = TileGraphics::instance().gameScale().table;
    for (WindView *marker : m_windMarkers)
        marker->setScale(scale);
}

std::vector<QWidget *> GameWindow::tableDialogs() const
{
    std::vector<QWidget *> dialogs{m_concealedDialog, m_scoreBoard, m_waiting,  m_seated,
                                   m_watching,        m_inactive,   m_inviteDialog, m_washout,
                                   m_roundScoreBoard, m_meldAuction, m_leaveBox};
    dialogs.erase(std::remove(dialogs.begin(), dialogs.end(), nullptr), dialogs.end());
    return dialogs;
}

void GameWindow::shownDialogs(std::vector<QRect> &dialogs, std::vector<QRect> &buttons,
                              const QWidget *except) const
{
    for (QWidget *dialog : tableDialogs()) {
        if (dialog == except || !dialog->isVisible())
            continue;
        dialogs.push_back(dialog->geometry());
        for (QAbstractButton *button : dialog->findChildren<QAbstractButton *>())
            if (button->isVisible())
                buttons.emplace_back(button->mapTo(this, QPoint()), button->size());
    }
}

void GameWindow::fitToContents(QWidget *dialog)
{
    if (dialog->testAttribute(Qt::WA_Resized))
        dialog->resize(dialog->size().expandedTo(dialog->minimumSizeHint()));
    else
        dialog->adjustSize();
}

void GameWindow::raiseOverTable(QWidget *dialog)
{
    keepInside(dialog, m_dialogArea);
    dialog->installEventFilter(this);
    showRaised(dialog);
}

void GameWindow::showOverTable(QWidget *dialog)
{
    std::vector<QRect> taken;
    std::vector<QRect> buttons;
    shownDialogs(taken, buttons, dialog);
    fitToContents(dialog);
    dialog->move(clearPlace(dialog->size(), m_dialogArea, taken, buttons));
    raiseOverTable(dialog);
    emit dialogsPlaced();
}

void GameWindow::showCentredOverTable(QWidget *dialog)
{
    fitToContents(dialog);
    dialog->move((m_dialogArea.width() - dialog->width()) / 2, (m_dialogArea.height() - dialog->height()) / 2);
    raiseOverTable(dialog);
    moveOthersClearOf(dialog);
    emit dialogsPlaced();
}

void GameWindow::moveOthersClearOf(const QWidget *dialog)
{
    for (QWidget *other : tableDialogs()) {
        if (other == dialog || !other->isVisible() || !other->geometry().intersects(dialog->geometry()))
            continue;
        std::vector<QRect> taken;
        std::vector<QRect> buttons;
        shownDialogs(taken, buttons, other);
        const QRect place(clearPlace(other->size(), m_dialogArea, taken, buttons), other->size());
        if (std::none_of(taken.begin(), taken.end(), [&place](const QRect &shown) { return shown.intersects(place); }))
            other->move(place.topLeft());
    }
}

void GameWindow::showOverTableOnce(QWidget *dialog, FirstPlace first)
{
    static const char placed[] = "placedOverTable";
    if (!dialog->property(placed).toBool()) {
        dialog->setProperty(placed, true);
        if (first == FirstPlace::Centred)
            showCentredOverTable(dialog);
        else
            showOverTable(dialog);
        return;
    }
    keepInside(dialog, m_dialogArea);
    showRaised(dialog);
    emit dialogsPlaced();
}

void GameWindow::placeRoundResult()
{
    // Shown over the table, also while another page stands in front of the window.
    const auto shown = [this](const QWidget *dialog) { return dialog->isVisibleTo(this); };
    QWidget *board = shown(m_scoreBoard) ? static_cast<QWidget *>(m_scoreBoard)
                     : shown(m_washout)  ? m_washout
                                         : nullptr;
    if (!board) {
        if (std::exchange(m_roundResultWaiting, false))
            showOverTable(m_roundScoreBoard);
    } else if (shown(m_roundScoreBoard)) {
        // Left open from an earlier game's end, it shows the new result where it stands:
        // in sight beside the board, it waits for nothing.
        if (m_roundScoreBoard->geometry().intersects(board->geometry()))
            placeRoundResultBeside(board);
        else
            m_roundResultWaiting = false;
    } else if (m_roundResultWaiting) {
        placeRoundResultBeside(board);
    }
    m_scoreBoard->setRoundResultOffered(m_roundResultWaiting);
    m_washout->setRoundResultOffered(m_roundResultWaiting);
}

void GameWindow::placeRoundResultBeside(QWidget *board)
{
    fitToContents(m_roundScoreBoard);
    constexpr int Gap = 4;
    const int both = board->width() + Gap + m_roundScoreBoard->width();
    if (both > m_dialogArea.width() || m_roundScoreBoard->height() > m_dialogArea.height()) {
        m_roundScoreBoard->hide();
        m_roundResultWaiting = true;
        return;
    }
    m_roundResultWaiting = false;
    const int left = (m_dialogArea.width() - both) / 2;
    board->move(left, board->y());
    m_roundScoreBoard->move(left + board->width() + Gap,
                            std::min(board->y(), m_dialogArea.height() - m_roundScoreBoard->height()));
    raiseOverTable(m_roundScoreBoard);
    moveOthersClearOf(board);
    moveOthersClearOf(m_roundScoreBoard);
    emit dialogsPlaced();
}

void GameWindow::setBoardAside(QWidget *board)
{
    m_boardAside = board;
    board->hide();
}

// The timeout and furiten pictures are drawn in the language of the texts.
void GameWindow::loadTextImages()
{
    m_timeoutImage->setPixmap(QPixmap(QStringLiteral("textimages:/timeout.png")));
    m_furitenImage->setPixmap(QPixmap(QStringLiteral("textimages:/furiten.png")));
}

void GameWindow::placeImages()
{
    const double height = currentTileHeight() * 1.2;
    // Over the middle of the own hand's tiles (the hand stands leftwards from its
    // position), and whole inside the table.
    const QRectF tiles = m_hand->mapRectToScene(m_hand->childrenBoundingRect());
    const double middle = tiles.isEmpty() ? m_hand->pos().x() : tiles.center().x();
    const QRectF table = viewSceneRect();
    for (QGraphicsPixmapItem *image : {m_timeoutImage, m_furitenImage}) {
        const QPixmap pixmap = image->pixmap();
        if (pixmap.isNull() || height <= 0)
            continue;
        const double scale = height / pixmap.height();
        const double width = pixmap.width() * scale;
        image->setScale(scale);
        image->setPos(std::clamp(middle - width / 2, table.left(), std::max(table.left(), table.right() - width)),
                      std::clamp(m_hand->pos().y() - height, table.top(), std::max(table.top(), table.bottom() - height)));
    }
}

void GameWindow::resizeEvent(QResizeEvent *event)
{
    flush();
    QWidget::resizeEvent(event);
    const QSize newSize = event->size();
    const int w = m_sideBar->width();
    m_form->GameView->setGeometry(0, 0, newSize.width() - w, newSize.height());
    m_sideBar->setGeometry(newSize.width() - w, 0, w, newSize.height());
    relayout(viewSize());
    applyLayout();
    placeImages();
    placeConcealedDialog();
    // The dialogs keep their place over the table, beside the side bar.
    const QSize oldTable = m_dialogArea;
    m_dialogArea = viewSize();
    {
        const QScopedValueRollback<bool> keeping(m_keepingPlaces, true);
        m_scoreBoard->resize(m_scoreBoard->width(), qRound(newSize.height() * 0.8));
        for (QWidget *dialog : tableDialogs()) {
            if (dialog == m_concealedDialog)
                continue;
            keepRelativePlace(dialog, oldTable, m_dialogArea);
            keepInside(dialog, m_dialogArea);
        }
        keepRelativePlace(m_claimTimer, oldTable, m_dialogArea);
    }
    placeRoundResult();
    emit dialogsPlaced();
}

void GameWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    relayout(viewSize());
    applyLayout();
    placeImages();
}

void GameWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_hand->retranslate();
        for (size_t seat = 0; seat < 4; ++seat) {
            m_discards[seat]->retranslate();
            m_declared[seat]->retranslate();
            m_windMarkers[seat]->retranslate();
            m_claims[seat]->refresh();
        }
        m_prevalent->retranslate();
        if (m_city)
            m_city->retranslate();
        loadTextImages();
        placeImages();
    }
    QWidget::changeEvent(event);
}

bool GameWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && !m_keepingPlaces)
        keepInside(static_cast<QWidget *>(watched), m_dialogArea);
    if (event->type() == QEvent::HideToParent &&
        (watched == m_scoreBoard || watched == m_washout || watched == m_roundScoreBoard)) {
        if (m_roundResultWaiting && watched != m_roundScoreBoard)
            placeRoundResult();
        updateWatchingWindow();
    }
    if (watched == m_meldAuction && (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        updateDefaultShortcut();
    return QWidget::eventFilter(watched, event);
}

bool GameWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        m_activationTime = m_clock ? m_clock() : QDateTime::currentDateTimeUtc();
    return QWidget::event(event);
}

void GameWindow::onTileGraphicsChanged()
{
    flush();
    relayout(viewSize());
    applyLayout();
    placeImages();
}

void GameWindow::onGameScaleChanged()
{
    scaleWindMarkers();
    if (m_layout)
        m_layout->apply();
    placeImages();
}

void GameWindow::onShowCube()
{
    m_cube->show();
    if (!m_cubeTimer.isActive())
        m_cubeTimer.start();
    setCompactLayout(!m_compact);
}

void GameWindow::onCubeUpdate()
{
    if (!m_cube->isVisible()) {
        m_cubeTimer.stop();
        return;
    }
    const qint64 msecs = QTime::currentTime().msecsSinceStartOfDay();
    const std::array<double, 16> matrix = TableCube::matrix(msecs);
    m_cube->setMatrix(matrix.data());
}
