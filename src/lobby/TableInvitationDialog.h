#pragma once

#include "app/TableInfo.h"
#include "ui/MahjongDialog.h"

#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <memory>

class PlayerDb;

namespace Ui {
class TableInvitationDialog;
}

// Another player's invitation to a table: the inviter's picture and name, the question
// and the answers Yes (join), Watch and No. It completes itself as the player directory
// delivers the inviter's name and picture, and closes itself five minutes after it was
// last shown or completed without an answer.
class TableInvitationDialog : public MahjongDialog
{
    Q_OBJECT

public:
    static constexpr int CloseAfterMs = 300000;
    static constexpr int AlertMs = 3000;

    TableInvitationDialog(PlayerDb *players, const TableInfo &table, qint32 inviterId,
                          const QString &ownName, QWidget *parent);
    ~TableInvitationDialog() override;

    const QTimer &closeTimer() const { return m_closeTimer; }

signals:
    void accepted(qint32 tableId);
    void watch(qint32 tableId);

public slots:
    void onYesClicked();
    void onNoClicked();
    void onWatchClicked();
    void onPlayerNameUpdate(qint32 id, const QString &name);
    void onPlayerPictureUpdate(qint32 id);

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void updateText();
    void setInviterName(const QString &name);
    void setInviterPicture(const QPixmap &picture);
    void showIfReady();

    QPointer<PlayerDb> m_players;
    TableInfo m_table;
    qint32 m_inviterId;
    QString m_ownName;
    QString m_inviterName;
    QPixmap m_inviterPicture;
    QTimer m_closeTimer;
    std::unique_ptr<Ui::TableInvitationDialog> m_ui;
};
