#pragma once

#include "table/sidebar/BugfixWidget.h"

#include <QPixmap>

#include <memory>

class TimeSpan;

namespace Ui {
class PlayerWidget;
}

// The plate of one seated player in the side bar: wind icon and name, points or wins,
// name, picture, turn timer, a claim or ready image, and a highlight while it is the
// player's turn. The style sheet recolours the texts through the highlight property.
class PlayerWidget : public BugfixWidget
{
    Q_OBJECT
    Q_PROPERTY(bool highlight READ highlight WRITE setHighlight)

public:
    explicit PlayerWidget(QWidget *parent = nullptr);
    ~PlayerWidget() override;

    void setName(const QString &name);
    // The elided name as the plate shows it.
    QString displayedName() const;
    void setWind(int wind);
    int wind() const { return m_wind; }
    bool highlight() const { return m_highlight; }
    void setHighlight(bool highlight);
    void setReady(bool ready);
    // code: a meld bit (1 chow, 2 pong, 8 kong, 16 mahjong, 128 riichi); win kind 2 ron,
    // 3 tsumo.
    void showClaim(int code, int rulesetId, int winKind);
    void hideClaim();
    void setPoints(int points);
    void setWins(int wins);
    // 0 single hand (wins shown), 1 tournament and 2 full game (points), -1 none.
    void setGameType(int gameType);
    void setTimeSpan(const TimeSpan &span);
    void clearTimer();
    void setPicture(const QPixmap &picture);
    void setWindVisible(bool visible);
    void setScoresVisible(bool visible);

protected:
    void changeEvent(QEvent *event) override;

private:
    struct Claim
    {
        int code = 0;
        int rulesetId = 0;
        int winKind = 0;
    };

    void updateScoreText();
    static QString claimImage(const Claim &claim);

    std::unique_ptr<Ui::PlayerWidget> m_ui;
    int m_wind = 0;
    int m_points = 0;
    int m_wins = 0;
    int m_gameType = -1;
    bool m_highlight = true;
    Claim m_claim;
    // The claim label shows the ready mark rather than m_claim.
    bool m_readyShown = false;
};
