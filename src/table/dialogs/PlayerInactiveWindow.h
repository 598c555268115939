#pragma once

#include "ui/MahjongDialog.h"

#include <memory>

namespace Ui {
class PlayerInactiveWidget;
}

// Lies over the table when the server found the player inactive; Reactivate asks to
// play on. The button takes one press per showing.
class PlayerInactiveWindow : public MahjongDialog
{
    Q_OBJECT

public:
    explicit PlayerInactiveWindow(QWidget *parent);
    ~PlayerInactiveWindow() override;

    void setVisible(bool visible) override;

signals:
    void reactivateButtonClicked();
    void leaveButtonClicked();

public slots:
    void onReactivateButtonClicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui::PlayerInactiveWidget> m_ui;
};
