#pragma once

#include "ui/MahjongDialog.h"

#include <memory>

namespace Ui {
class WatchingWindowWidget;
}

// Lies over a table the player watches: why (unseated, unless by choice), and the
// buttons to join the game or to leave the table.
class WatchingWindow : public MahjongDialog
{
    Q_OBJECT

public:
    explicit WatchingWindow(QWidget *parent);
    ~WatchingWindow() override;

    void setPickedUpInfoHidden(bool hidden);

signals:
    void leaveButtonClicked();
    void joinButtonClicked();

public slots:
    void onJoinableChanged(bool joinable);

protected:
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui::WatchingWindowWidget> m_ui;
};
