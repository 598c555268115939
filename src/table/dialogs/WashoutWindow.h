#pragma once

#include "app/TableInfo.h"
#include "ui/MahjongDialog.h"

#include <QDateTime>

#include <memory>

namespace Ui {
class WashoutWidget;
}

// Shown instead of the score board when a hand ends without a winner: the washout
// picture, the reason, the countdown to the next hand and the buttons to go on or leave,
// and where the round's result waits for the window, one to close for it.
class WashoutWindow : public MahjongDialog
{
    Q_OBJECT

public:
    explicit WashoutWindow(QWidget *parent);
    ~WashoutWindow() override;

    // The end kind of the drawn hand; kinds without a text hide the reason line.
    void setReason(int code);
    void setShowPlayPrice(bool show);
    void setOkOnly(bool okOnly);
    void setTableInfo(const TableInfo &info);
    // Whether the next hand (or game) waits for the player's word: without it, Ok
    // closes the window in the place of the ready button.
    void setReadyVisible(bool visible);
    // Whether the round's result waits for the window: with the ready button shown, the
    // window offers to close for it.
    void setRoundResultOffered(bool offered);

    void startCountdown(const QDateTime &deadline);
    void stopCountdown();

signals:
    void readyButtonClicked();
    void leaveButtonClicked();
    void roundResultButtonClicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    void setupButtons();
    void setPicture();

    std::unique_ptr<Ui::WashoutWidget> m_ui;
    bool m_okOnly = false;
    bool m_readyVisible = true;
    bool m_roundResultOffered = false;
    int m_reason = 4;
    TableInfo m_tableInfo;
    bool m_showPlayPrice = false;
};
