#pragma once

#include "app/meld.h"
#include "app/tile.h"

#include <QFrame>
#include <QGraphicsScene>

#include <memory>

class MeldView;

namespace Ui {
class MeldChoice;
}

// One offered meld of the meld auction: a picture of its tiles, the claimed tile marked,
// and a button with a shortcut chosen by the kind of the claim.
class MeldChoice : public QFrame
{
    Q_OBJECT

public:
    enum ChoiceKind { ChowLow = 0, ChowMid = 1, ChowHi = 2, Kong = 3, Pong = 4, Invalid = -1 };

    // The offer must be one that choiceKind() accepts.
    MeldChoice(QWidget *parent, const meld_offer &offer, tile lastDiscard);
    ~MeldChoice() override;

    // The row a single-kind offer of a chow, pong or kong makes, by the tile it claims;
    // Invalid for any other offer, with the reason in *error.
    static ChoiceKind choiceKind(const meld_offer &offer, tile lastDiscard, QString *error);

    ChoiceKind kind() const { return m_choiceKind; }
    // A 100 ms click of the row's button.
    void click();

signals:
    void selected(const meld_offer &offer);

public slots:
    void buttonClicked();
    void onTileGraphicsChanged();

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void retranslate();
    void fitView();

    std::unique_ptr<Ui::MeldChoice> m_ui;
    QGraphicsScene *m_scene;
    std::unique_ptr<MeldView> m_meldView;
    // The least size of the meld's view, whatever the tiles' size.
    QSize m_viewMinimum;
    meld_offer m_offer;
    ChoiceKind m_choiceKind;
};
