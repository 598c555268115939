#pragma once

#include "app/ClientText.h"

#include "app/TableInfo.h"
#include "app/TournamentInfo.h"
#include "table/sidebar/PendingPlates.h"

#include <QAbstractButton>
#include <QFrame>
#include <QPixmap>
#include <QPointer>
#include <QTimer>

#include <map>
#include <memory>
#include <vector>

class EmptySeatWidget;
class GameModel;
class LocalizationDb;
class PlayerData;
class PlayerWidget;
class TableChat;
class TimeSpan;

namespace Ui {
class SideBar;
}

// The panel beside the table: the table or tournament block with its rules link, stake,
// wind round and hand id, the riichi and counter sticks, one plate per seated player in
// seat order from the reference player, a plate per free seat, the table's chat room and
// the leave button.
// A plate shows the same whatever the order in which it hears of its player: its record
// (setPlayer) brings the name, wind, points, wins and ready mark as they are then, and
// the highlight, a claim and the turn timer that came before it, like the showing of
// scores and winds, are kept for it and shown when it comes.
class SideBar : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(QString linkStyle READ linkStyle WRITE setLinkStyle)

public:
    // chat may be null: the chat area then stays empty and system lines go to the log.
    SideBar(std::unique_ptr<TableChat> chat, LocalizationDb *names, QWidget *parent = nullptr);
    ~SideBar() override;

    void setTableInfoFromModel(GameModel *model);
    void setTableInfo(const TableInfo &info);
    void setTournamentInfo(const TournamentInfo &info);
    void setHandId(qint64 handId);
    void setWindRound(int windRound);
    void updateStickCounts();
    void reset();

    void addPlayer(const PlayerData &player);
    void setPlayer(qint32 id, const QString &name, int wind, int points, int wins, bool ready);
    void removePlayer(qint32 id);
    bool hasPlayer(qint32 id) const;
    void setPlayerWind(qint32 id, int wind);
    void setActivePlayer(qint32 id);
    qint32 activePlayer() const { return m_activePlayer; }
    void setPlayerReady(qint32 id);
    void showPlayerClaim(qint32 id, int code, int winKind);
    void setPlayerPoints(qint32 id, int points);
    void setPlayerWins(qint32 id, int wins);
    void setPlayerTimer(qint32 id, const TimeSpan &span);
    void setPlayerPicture(qint32 id, const QPixmap &picture);
    void clearHighlights();
    void clearReady();
    void hideClaims();
    void clearTimers();
    void setScoresVisible(bool visible);
    void setWindsVisible(bool visible);

    void setTableChatActive(bool on);
    void addSystemMessage(const ClientText &text);

    // Connects the leave button to the receiver's onLeaveButtonClick().
    template <class Receiver>
    void connectLeaveButton(Receiver *receiver)
    {
        connect(leaveButton(), &QAbstractButton::clicked, receiver,
                [receiver] { receiver->onLeaveButtonClick(); });
    }
    void setLeaveVisible(bool visible);
    void setLeaveEnabled(bool enabled);

    QString linkStyle() const { return m_linkStyle; }
    void setLinkStyle(const QString &style);

    // The rules text with its link: rule set, fan range (Hong Kong) and game type.
    static QString rulesLinkText(const TableInfo &info, const QString &linkStyle);

    // The plate of a player, null (and a warning in the log) when there is none.
    PlayerWidget *playerWidget(qint32 id) const;
    // The plates in display order.
    const std::vector<PlayerWidget *> &playerRows() const { return m_playerRows; }
    int emptySeatCount() const { return int(m_emptySeats.size()); }
    // 1 to 4: which player, counted from the reference player, holds East.
    int eastPlayerOrdinal() const;

signals:
    void userMenuRequested(const QString &name, const QPoint &globalPos);
    void linkActivated(const QString &link);

public slots:
    void on_leaveButton_clicked();
    void onTimerTimeout();
    void onPlayerWidgetContextMenu(const QPoint &pos);
    void onLinkActivated(const QString &link);
    void onTableNamesUpdated();

protected:
    void changeEvent(QEvent *event) override;

private:
    void refresh();
    void retranslate();
    void updateRoundCountdown();
    void updateEmptySeats();
    void sortPlayerRows();
    void updateWindRoundText();
    // The plate of a player, null when there is none yet.
    PlayerWidget *plate(qint32 id) const;
    // The plate of the model's reference player, null without one.
    PlayerWidget *referencePlate() const;
    QAbstractButton *leaveButton() const;

    std::unique_ptr<Ui::SideBar> m_ui;
    std::unique_ptr<TableChat> m_chat;
    QPointer<GameModel> m_model;
    LocalizationDb *m_names;
    std::map<qint32, PlayerWidget *> m_players;
    std::vector<PlayerWidget *> m_playerRows;
    std::vector<EmptySeatWidget *> m_emptySeats;
    // Also a player whose plate is not there yet: it is highlighted when it comes.
    qint32 m_activePlayer = -1;
    PendingPlates m_pending;
    bool m_scoresVisible = false;
    bool m_windsVisible = false;
    int m_gameType = -1;
    TournamentInfo m_tournamentInfo;
    TableInfo m_tableInfo;
    QTimer m_roundTimer;
    qint64 m_handId = -1;
    int m_windRound = -1;
    QString m_linkStyle;
};
