#pragma once

#include "app/meld.h"

#include <QFrame>

#include <memory>

namespace Ui {
class ConcealedActionDialog;
}

// The buttons of the actions on the player's own turn that use only the own tiles:
// riichi, a concealed kong, pong to kong and replacing a flower; Cancel while a tile for
// one of them is being chosen. It only reports the choice.
class ConcealedActionDialog : public QFrame
{
    Q_OBJECT

public:
    explicit ConcealedActionDialog(QWidget *parent = nullptr);
    ~ConcealedActionDialog() override;

    // Shows the button of each offered action once; other kinds show nothing.
    void setOffers(const meld_offer_vector &offers);
    void showCancelOnly();

signals:
    void riichiSelected();
    void kongSelected();
    void pongToKongSelected();
    void replaceFlowerSelected();
    void cancelSelected();

protected:
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui::ConcealedActionDialog> m_ui;
};
