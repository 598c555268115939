#include "lobby/TablePreviewPlayersWidget.h"

#include "connection/PlayerDb.h"
#include "lobby/TablePreviewPlayerWidget.h"

#include "ui_TablePreviewPlayersWidget.h"

#include <QEvent>
#include <QtDebug>

#include <algorithm>

TablePreviewPlayersWidget::TablePreviewPlayersWidget(QWidget *parent)
    : QFrame(parent)
    , m_emptySeatPixmap(QStringLiteral("resources:/empty-seat.png"))
    , m_ui(std::make_unique<Ui::TablePreviewPlayersWidget>())
{
    m_ui->setupUi(this);
}

TablePreviewPlayersWidget::~TablePreviewPlayersWidget() = default;

void TablePreviewPlayersWidget::setPlayerDb(PlayerDb *db)
{
    if (db == m_playerDb)
        return;
    if (m_playerDb)
        disconnect(m_playerDb, nullptr, this, nullptr);
    m_playerDb = db;
    if (db) {
        connect(db, &PlayerDb::playerNameUpdate, this, &TablePreviewPlayersWidget::onPlayerNameUpdate);
        connect(db, &PlayerDb::playerPictureUpdate, this,
                &TablePreviewPlayersWidget::onPlayerPictureUpdate);
    }
}

void TablePreviewPlayersWidget::setSeatCount(int count)
{
    if (count == seatCount())
        return;
    for (Seat &seat : m_seats)
        delete seat.widget;
    m_seats.clear();
    m_seats.reserve(count);
    for (int i = 0; i < count; ++i) {
        Seat seat;
        seat.widget = new TablePreviewPlayerWidget(this);
        showEmpty(seat);
        m_ui->layout->addWidget(seat.widget);
        m_seats.push_back(seat);
    }
}

TablePreviewPlayerWidget *TablePreviewPlayersWidget::seatWidget(int seat) const
{
    return seat >= 0 && seat < seatCount() ? m_seats[seat].widget : nullptr;
}

qint32 TablePreviewPlayersWidget::seatPlayer(int seat) const
{
    return seat >= 0 && seat < seatCount() ? m_seats[seat].playerId : -1;
}

void TablePreviewPlayersWidget::onPlayers(const std::vector<qint32> &players)
{
    if (players.size() > m_seats.size()) {
        qWarning() << "more players than seats in table preview";
        return;
    }
    std::vector<qint32> unplaced = players;
    std::sort(unplaced.begin(), unplaced.end());
    std::vector<qint32> seating;
    seating.reserve(players.size());
    for (const Seat &seat : m_seats) {
        if (seat.playerId == -1)
            break;
        const auto found = std::find(unplaced.begin(), unplaced.end(), seat.playerId);
        if (found != unplaced.end()) {
            seating.push_back(*found);
            unplaced.erase(found);
        }
    }
    seating.insert(seating.end(), unplaced.begin(), unplaced.end());

    for (std::size_t i = 0; i < m_seats.size(); ++i) {
        Seat &seat = m_seats[i];
        if (i < seating.size()) {
            seat.playerId = seating[i];
            if (m_playerDb) {
                const QPixmap picture = m_playerDb->picture(seat.playerId, false);
                if (!picture.isNull())
                    seat.widget->setPicture(picture);
                seat.widget->setName(m_playerDb->playerName(seat.playerId, true));
            } else {
                seat.widget->setName(PlayerDb::placeholderName(seat.playerId));
            }
        } else if (seat.playerId != -1) {
            showEmpty(seat);
        }
    }
}

void TablePreviewPlayersWidget::onPlayerNameUpdate(qint32 id, const QString &name)
{
    if (Seat *seat = findSeat(id))
        seat->widget->setName(name);
}

void TablePreviewPlayersWidget::onPlayerPictureUpdate(qint32 id)
{
    Seat *seat = findSeat(id);
    if (seat && m_playerDb)
        seat->widget->setPicture(m_playerDb->picture(id, true));
}

void TablePreviewPlayersWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        for (Seat &seat : m_seats) {
            if (seat.playerId == -1)
                seat.widget->setName(tr("(empty)"));
        }
    }
    QFrame::changeEvent(event);
}

void TablePreviewPlayersWidget::showEmpty(Seat &seat)
{
    seat.playerId = -1;
    seat.widget->setPicture(m_emptySeatPixmap);
    seat.widget->setName(tr("(empty)"));
}

TablePreviewPlayersWidget::Seat *TablePreviewPlayersWidget::findSeat(qint32 id)
{
    if (id < 0)
        return nullptr;
    const auto found = std::find_if(m_seats.begin(), m_seats.end(),
                                    [id](const Seat &seat) { return seat.playerId == id; });
    return found != m_seats.end() ? &*found : nullptr;
}
