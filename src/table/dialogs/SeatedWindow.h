#pragma once

#include "app/TableInfo.h"
#include "ui/MahjongDialog.h"

#include <memory>

class LocalizationDb;
class TimeSpan;
class UTimer;

namespace Ui {
class SeatedWindowWidget;
}

// Shown when the server seats the player and asks whether the player is ready: the
// table's terms, Play or Leave Table, and a countdown after which the server unseats
// the player. The window hides itself in the countdown's last half second.
class SeatedWindow : public MahjongDialog
{
    Q_OBJECT

public:
    SeatedWindow(LocalizationDb *tableNames, QWidget *parent);
    ~SeatedWindow() override;

    void startCountdown(const TimeSpan &span);
    void stopCountdown();

    const UTimer &countdown() const { return *m_countdown; }

signals:
    void leaveButtonClicked();
    void playButtonClicked();
    void timeout();

public slots:
    void onTableInfo(const TableInfo &info);
    void onLeaveButtonClicked();
    void onPlayButtonClicked();
    void onTimerUpdate(int remainingMs);
    void onTableNamesUpdated();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void showTableName();
    void fitToTexts();
    void widenForTexts();

    std::unique_ptr<Ui::SeatedWindowWidget> m_ui;
    UTimer *m_countdown;
    TableInfo m_tableInfo;
    LocalizationDb *m_tableNames;
};
