#pragma once

#include "app/meld.h"
#include "app/tile.h"
#include "ui/MahjongDialog.h"

#include <QKeySequence>
#include <QShortcut>

#include <memory>
#include <vector>

class MeldChoice;

namespace Ui {
class MeldAuction;
}

// The dialog of a claim: one row per offered chow, pong or kong, a Mahjong button when a
// win is offered, Pass and Close. It only reports the choice; the table window closes it.
class MeldAuction : public MahjongDialog
{
    Q_OBJECT

public:
    explicit MeldAuction(QWidget *parent = nullptr);
    ~MeldAuction() override;

    // The key of the default action (the table's Space).
    void setShortcutKey(const QKeySequence &key);
    // 0 claims a discard, 1 acts on the own draw, 2 robs a kong, 3 replaces tiles.
    void setMode(int mode);
    void showPassButton();
    void showCloseButton();
    // Adds one offer. An offer that makes no row (riichi, a kind that is not a single
    // chow, pong, kong or mahjong, a chow that does not hold the discard) is logged and
    // skipped.
    void setMeldOffers(const meld_offer &offer, const tile &lastDiscard);

    std::vector<MeldChoice *> choices() const;

signals:
    void meldSelected(const meld_offer &offer);
    void passSelected();
    void closeSelected();

public slots:
    void mahjongClicked();
    void passClicked();
    void closeClicked();
    void onDefaultActionActivated();

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void updateTitle();
    void updateMahjongText();

    std::unique_ptr<Ui::MeldAuction> m_ui;
    // Each row, then the separator made for it.
    std::vector<std::unique_ptr<QWidget>> m_rows;
    bool m_mahjongOffered = false;
    bool m_passEnabled = false;
    int m_mode = 0;
    QShortcut m_defaultShortcut;
};
