#pragma once

#include <QFrame>
#include <QPixmap>
#include <QPointer>

#include <memory>
#include <vector>

class PlayerDb;
class TablePreviewPlayerWidget;

namespace Ui {
class TablePreviewPlayersWidget;
}

// The seats of the previewed table as a centred row of cards, filled from the player
// directory and kept up to date with its name and picture updates.
class TablePreviewPlayersWidget : public QFrame
{
    Q_OBJECT

public:
    explicit TablePreviewPlayersWidget(QWidget *parent = nullptr);
    ~TablePreviewPlayersWidget() override;

    void setPlayerDb(PlayerDb *db);
    void setSeatCount(int count);
    int seatCount() const { return int(m_seats.size()); }
    // The card of a seat and the id of the player shown on it (-1 for an empty seat).
    TablePreviewPlayerWidget *seatWidget(int seat) const;
    qint32 seatPlayer(int seat) const;

public slots:
    // Players already shown keep their order at the front; newcomers follow by id.
    void onPlayers(const std::vector<qint32> &players);
    void onPlayerNameUpdate(qint32 id, const QString &name);
    void onPlayerPictureUpdate(qint32 id);

protected:
    void changeEvent(QEvent *event) override;

private:
    struct Seat
    {
        TablePreviewPlayerWidget *widget = nullptr;
        qint32 playerId = -1;
    };

    void showEmpty(Seat &seat);
    Seat *findSeat(qint32 id);

    std::vector<Seat> m_seats;
    QPointer<PlayerDb> m_playerDb;
    QPixmap m_emptySeatPixmap;
    std::unique_ptr<Ui::TablePreviewPlayersWidget> m_ui;
};
